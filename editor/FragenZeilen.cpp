// The question lines of a single-question document.
#include "FragenZeilen.h"

#include <QRegularExpression>
#include <QStringList>

QList<FragenZeile> FragenZeilenLesen(const QString &fragentext)
{
    QList<FragenZeile> zeilen;
    static const QRegularExpression umbruch("\r\n|\r|\n");
    for (const QString &roh : fragentext.split(umbruch)) {
        const QString zeile = roh.trimmed();
        if (zeile.isEmpty())
            continue;
        const qsizetype trenner = zeile.indexOf(QLatin1String("//"));
        if (trenner < 0)
            zeilen.append({zeile, {}});
        else
            zeilen.append({zeile.left(trenner).trimmed(), zeile.mid(trenner + 2).trimmed()});
    }
    return zeilen;
}

QString FragenZeilenText(const QList<FragenZeile> &zeilen)
{
    QStringList text;
    for (const FragenZeile &z : zeilen) {
        const QString frage = z.Frage.simplified();
        const QString antwort = z.Antwort.simplified();
        text << (antwort.isEmpty() ? frage : frage + "//" + antwort);
    }
    return text.join("\r\n");
}

QString FragenZeilePruefen(const FragenZeile &zeile)
{
    if (zeile.Frage.simplified().isEmpty())
        return QStringLiteral("Die Frage darf nicht leer sein.");
    if (zeile.Frage.contains(QLatin1String("//")) || zeile.Antwort.contains(QLatin1String("//")))
        return QStringLiteral("Frage und Antwort dürfen kein \"//\" enthalten.");
    return {};
}
