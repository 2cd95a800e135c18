// Flags and their names for the question editor.
#include "FlaggenNamen.h"

#include "DokumentDatei.h"
#include "FragenZeilen.h"
#include "Sortierung.h"

#include <QCollator>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QRegularExpression>

#include <algorithm>

namespace {
const QRegularExpression &BildTag()
{
    static const QRegularExpression tag(QStringLiteral("<@img=([^>]*)>"), QRegularExpression::CaseInsensitiveOption);
    return tag;
}
} // namespace

QHash<QString, QString> FlaggenNamenAusFragen(const QString &fragentext)
{
    QHash<QString, QString> namen;
    for (const FragenZeile &z : FragenZeilenLesen(fragentext)) {
        const QRegularExpressionMatch m = BildTag().match(z.Frage);
        if (m.hasMatch() && !z.Antwort.isEmpty())
            namen.insert(m.captured(1).trimmed().toLower(), z.Antwort);
    }
    return namen;
}

QList<FlaggenEintrag> FlaggenListe(const QString &progOrdner)
{
    const QDir ordner(progOrdner);
    QHash<QString, QString> namen;
    for (const QString &datei : ordner.entryList({"*.tvl"}, QDir::Files)) {
        QFile f(ordner.filePath(datei));
        Dokument d;
        // The header holds the question lines; the pictures are not needed.
        if (f.open(QIODevice::ReadOnly) && DokumentKopfLesen(f, d) && d.DokTyp == DokArt::Einzelfragen)
            namen.insert(FlaggenNamenAusFragen(d.Fragentext));
    }
    QList<FlaggenEintrag> liste;
    const QDir flaggen(ordner.filePath("Flaggen"));
    for (const QString &datei : flaggen.entryList({"*.png"}, QDir::Files))
        liste.append({datei, namen.value(datei.toLower(), datei)});
    QCollator vergleich = TextSortierung();
    vergleich.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(liste.begin(), liste.end(), [&vergleich](const FlaggenEintrag &a, const FlaggenEintrag &b) {
        return vergleich.compare(a.name, b.name) < 0;
    });
    return liste;
}

QString FlaggenFrage(const QString &datei)
{
    return QStringLiteral("<@flaggenfrage><@img=") + datei + QLatin1Char('>');
}

QString FlaggeEinsetzen(const QString &frage, const QString &datei)
{
    const QString tag = QStringLiteral("<@img=") + datei + QLatin1Char('>');
    QString neu = frage;
    const QRegularExpressionMatch m = BildTag().match(neu);
    if (m.hasMatch())
        return neu.replace(m.capturedStart(), m.capturedLength(), tag);
    return frage.trimmed().isEmpty() ? FlaggenFrage(datei) : tag + frage;
}
