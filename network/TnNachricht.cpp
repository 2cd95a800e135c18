// The four participant messages: lines out, strict reading in.
#include "TnNachricht.h"

#include <QLocale>
#include <QRegularExpression>

#include <cmath>
#include <limits>

namespace {
bool Ganzzahl(const QString &s, int min, int max, int &aus)
{
    static const QRegularExpression muster(QStringLiteral("^-?[0-9]{1,10}$"));
    if (!muster.match(s).hasMatch())
        return false;
    bool ok = false;
    const qlonglong v = s.toLongLong(&ok);
    if (!ok || v < min || v > max)
        return false;
    aus = int(v);
    return true;
}

// An end status from its wire number: `kleinste` up to the time limit.
bool EndeLesen(const QString &s, EndeArt kleinste, EndeArt &aus)
{
    int wert = 0;
    if (!Ganzzahl(s, int(kleinste), int(EndeArt::Zeitlimit), wert))
        return false;
    aus = EndeArt(wert);
    return true;
}

bool Prozent(const QString &s, double &aus)
{
    static const QRegularExpression muster(QStringLiteral("^[0-9]{1,3}\\.[0-9]$"));
    if (!muster.match(s).hasMatch())
        return false;
    const double v = s.toDouble();
    if (v > 100.0)
        return false;
    aus = v;
    return true;
}

bool ZeitText(const QString &s)
{
    if (s.isEmpty() || s.size() > TnGrenzen::MaxZeitTextLaenge)
        return false;
    for (const QChar c : s)
        if (c.category() == QChar::Other_Control || c.category() == QChar::Other_Format)
            return false;
    return true;
}

bool UhrTextGueltig(const QString &s)
{
    static const QRegularExpression muster(QStringLiteral("^[0-9]{2,7}:[0-5][0-9]$"));
    return muster.match(s).hasMatch();
}

bool FreierText(const QString &s, int max)
{
    if (s.size() > max)
        return false;
    for (const QChar c : s)
        if (c.category() == QChar::Other_Control && c != QLatin1Char('\t'))
            return false;
    return true;
}
} // namespace

QString ProzentZahlText(double bruch)
{
    return QString::number(bruch * 100.0, 'f', 1);
}

QString LangeZeitText(const QTime &zeit)
{
    // The long format may name the time zone; the time of day is wanted.
    QString format = QLocale::system().timeFormat(QLocale::LongFormat);
    static const QRegularExpression zone(QStringLiteral("\\s*t+\\s*"));
    format.replace(zone, QStringLiteral(" "));
    format = format.trimmed();
    if (format.isEmpty())
        format = QStringLiteral("HH:mm:ss");
    return QLocale::system().toString(zeit, format);
}

QString AllgemeineZahlText(double wert)
{
    QString s = QString::number(wert, 'g', 15);
    return s.replace(QLatin1Char('.'), QLocale::system().decimalPoint());
}

bool AllgemeineZahlLesen(const QString &text, double &wert)
{
    // The sender writes its own locale's separator: a point or a comma.
    static const QRegularExpression muster(QStringLiteral("^-?[0-9]{1,16}([.,][0-9]{1,20})?([eE][-+]?[0-9]{1,3})?$"));
    if (text.size() > 40 || !muster.match(text).hasMatch())
        return false;
    QString s = text;
    s.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double v = QLocale::c().toDouble(s, &ok);
    if (!ok || !std::isfinite(v))
        return false;
    wert = v;
    return true;
}

bool IstKennung(const QString &text)
{
    if (text.size() != TnGrenzen::KennungLaenge)
        return false;
    for (const QChar c : text)
        if (c < QLatin1Char('A') || c > QLatin1Char('Z'))
            return false;
    return true;
}

QStringList TnInitZeilen(const TnNachricht &n)
{
    return {QStringLiteral("TN-INIT"), n.Kennung, n.Name, n.StartZeitText};
}

QStringList TnAktionZeilen(const TnNachricht &n)
{
    return {QStringLiteral("TN-AKTION"),
            n.Kennung,
            QString::number(n.AktZiel),
            QString::number(n.Abdeckung),
            QString::number(n.FehlerAlsZiel),
            QString::number(int(n.Endestatus)),
            n.StartZeitText,
            QString::number(n.AnzFragen),
            QString::number(n.AnzRichtig),
            QString::number(n.AnzFalsch),
            QString::number(n.AnzOffen),
            n.UhrText,
            QString::number(n.Erfolgsquote, 'f', 1),
            QString::number(n.Gesamtleistung, 'f', 1),
            QString::number(n.Schulnote)};
}

QStringList TnFertigZeilen(const TnNachricht &n)
{
    return {QStringLiteral("TN-FERTIG"), n.Kennung, QString::number(int(n.Endestatus)), n.UhrText};
}

QStringList TnBestlistZeilen(const TnNachricht &n)
{
    return {QStringLiteral("TN-BESTLIST"),
            n.Kennung,
            n.Name,
            n.Rechner,
            AllgemeineZahlText(n.Beginn),
            QString::number(n.Laufzeit),
            AllgemeineZahlText(n.Leistung)};
}

QStringList TnZeilen(const TnNachricht &n)
{
    switch (n.Art) {
    case TnArt::Init:
        return TnInitZeilen(n);
    case TnArt::Aktion:
        return TnAktionZeilen(n);
    case TnArt::Fertig:
        return TnFertigZeilen(n);
    case TnArt::Bestlist:
        return TnBestlistZeilen(n);
    }
    return {};
}

bool TnLesen(const QStringList &z, TnNachricht &aus)
{
    if (z.size() < 2 || !IstKennung(z[1]))
        return false;
    TnNachricht n;
    n.Kennung = z[1];
    const int grenze = TnGrenzen::MaxZaehler;
    if (z[0] == QLatin1String("TN-INIT")) {
        if (z.size() != 4 || !FreierText(z[2], TnGrenzen::MaxNameLaenge) || !ZeitText(z[3]))
            return false;
        n.Art = TnArt::Init;
        n.Name = z[2];
        n.StartZeitText = z[3];
    } else if (z[0] == QLatin1String("TN-AKTION")) {
        if (z.size() != 15)
            return false;
        n.Art = TnArt::Aktion;
        if (!Ganzzahl(z[2], -1, grenze, n.AktZiel) || !Ganzzahl(z[3], -6, 0, n.Abdeckung)
            || !Ganzzahl(z[4], 0, grenze, n.FehlerAlsZiel) || !EndeLesen(z[5], EndeArt::Laeuft, n.Endestatus)
            || !ZeitText(z[6]) || !Ganzzahl(z[7], 0, grenze, n.AnzFragen) || !Ganzzahl(z[8], 0, grenze, n.AnzRichtig)
            || !Ganzzahl(z[9], 0, grenze, n.AnzFalsch) || !Ganzzahl(z[10], 0, grenze, n.AnzOffen)
            || !UhrTextGueltig(z[11]) || !Prozent(z[12], n.Erfolgsquote) || !Prozent(z[13], n.Gesamtleistung)
            || !Ganzzahl(z[14], 1, 6, n.Schulnote))
            return false;
        n.StartZeitText = z[6];
        n.UhrText = z[11];
    } else if (z[0] == QLatin1String("TN-FERTIG")) {
        if (z.size() != 4 || !EndeLesen(z[2], EndeArt::Fertig, n.Endestatus) || !UhrTextGueltig(z[3]))
            return false;
        n.Art = TnArt::Fertig;
        n.UhrText = z[3];
    } else if (z[0] == QLatin1String("TN-BESTLIST")) {
        if (z.size() != 7 || !FreierText(z[2], TnGrenzen::MaxNameLaenge)
            || !FreierText(z[3], TnGrenzen::MaxRechnerLaenge))
            return false;
        n.Art = TnArt::Bestlist;
        n.Name = z[2];
        n.Rechner = z[3];
        int laufzeit = 0;
        // Days from 1899-12-30 up to the year 9999.
        if (!AllgemeineZahlLesen(z[4], n.Beginn) || n.Beginn < 0 || n.Beginn > 2958466
            || !Ganzzahl(z[5], 0, std::numeric_limits<int>::max(), laufzeit) || !AllgemeineZahlLesen(z[6], n.Leistung)
            || n.Leistung < 0 || n.Leistung > 1)
            return false;
        n.Laufzeit = laufzeit;
    } else {
        return false;
    }
    aus = n;
    return true;
}
