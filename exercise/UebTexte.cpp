// Text forms of the exercise: normalised texts, clock, percent, durations, edits.
#include "UebTexte.h"

#include <QLocale>

#include <cmath>

QString TextNormalisieren(const QString &text)
{
    QString t = text;
    // Joining a hyphenated word: only when a lower-case letter follows.
    // Searched from the start each time: removing characters can form a new
    // occurrence before the old position.
    for (;;) {
        const qsizetype p = t.indexOf(QStringLiteral("-\r\n"));
        if (p < 0)
            break;
        if (p + 3 >= t.size())
            break;
        const QChar c = t.at(p + 3);
        if (c != c.toUpper()) {
            t.remove(p, 3);
        } else {
            t.remove(p + 1, 2);
        }
    }
    t.replace(QChar('\n'), QChar(' '));
    t.replace(QChar('\r'), QChar(' '));
    t.replace(QStringLiteral("  "), QStringLiteral(" "));
    // Trimmed like the classic Trim: blanks and control characters.
    qsizetype a = 0, e = t.size();
    while (a < e && t.at(a) <= QChar(' '))
        ++a;
    while (e > a && t.at(e - 1) <= QChar(' '))
        --e;
    return t.mid(a, e - a);
}

QString UhrText(int sekunden)
{
    if (sekunden < 0)
        sekunden = 0;
    return QStringLiteral("%1:%2").arg(sekunden / 60, 2, 10, QChar('0')).arg(sekunden % 60, 2, 10, QChar('0'));
}

QString ProzentText(double bruch)
{
    return QString::number(bruch * 100.0, 'f', 1) + QStringLiteral(" %");
}

QString DauerText(int s)
{
    const int h = s / 3600, m = (s % 3600) / 60, r = s % 60;
    QString t;
    if (h > 0)
        t += QString::number(h) + QStringLiteral(" Std. ");
    if (m > 0 || h > 0)
        t += QString::number(m) + QStringLiteral(" Min. ");
    t += QString::number(r) + QStringLiteral(" Sek.");
    return t.trimmed();
}

QString AnweisungsText(DokArt dokTyp, int abfrageModus)
{
    if (dokTyp == DokArt::Einzelfragen)
        return QStringLiteral("Klicke auf die richtige Antwort!");
    if (dokTyp == DokArt::Lueckentext) {
        switch (abfrageModus) {
        case 1:
            return QStringLiteral("Ziehe den Lückentext an die richtige Position!");
        case 2:
            return QStringLiteral("Ziehe den richtigen Lückentext an die markierte Position!");
        default:
            return QStringLiteral("Ziehe die Lückentexte an die jeweils richtige Position!");
        }
    }
    switch (abfrageModus) {
    case 1:
        return QStringLiteral("Ziehe die Beschriftung an die richtige Position!");
    case 2:
        return QStringLiteral("Ziehe die richtige Beschriftung an die markierte Position!");
    default:
        return QStringLiteral("Ziehe die Beschriftungen an die jeweils richtige Position!");
    }
}

int EditZahl(const QString &text)
{
    QString t = text;
    t.remove(QChar(' '));
    bool ok = false;
    double d = QLocale::c().toDouble(t, &ok);
    if (!ok)
        d = QLocale(QLocale::German).toDouble(t, &ok);
    if (!ok || !std::isfinite(d))
        return 0;
    // Keep the result inside int; the edits hold two characters anyway.
    d = std::clamp(d, -1.0e9, 1.0e9);
    return int(std::lround(d));
}

int EditZahlGeklemmt(const QString &text)
{
    return std::clamp(EditZahl(text), 0, 59);
}
