// Helpers of the content tests: source paths, the country table, documents.
#include "InhaltHilfen.h"

#include "DokumentDatei.h"

#include <QFile>
#include <QTextStream>

#include <gtest/gtest.h>

QString InhaltOrdner()
{
    return QStringLiteral(PENNORIA_QUELLE "/content/");
}

QString FlaggenOrdner()
{
    return InhaltOrdner() + "Flaggen/";
}

QString FlaggenWerkzeug()
{
    return QStringLiteral(PENNORIA_QUELLE "/tools/flaggen/");
}

QList<TabellenLand> LaenderTabelle()
{
    QList<TabellenLand> liste;
    QFile datei(FlaggenWerkzeug() + "laender.csv");
    EXPECT_TRUE(datei.open(QIODevice::ReadOnly | QIODevice::Text));
    QTextStream ein(&datei);
    ein.setEncoding(QStringConverter::Utf8);
    bool kopf = true;
    while (!ein.atEnd()) {
        const QString zeile = ein.readLine().trimmed();
        if (zeile.isEmpty() || zeile.startsWith('#'))
            continue;
        if (kopf) {
            EXPECT_EQ(zeile, "iso;name;kontinent;art");
            kopf = false;
            continue;
        }
        const QStringList t = zeile.split(';');
        EXPECT_EQ(t.size(), 4) << qPrintable(zeile);
        if (t.size() == 4)
            liste.append({t[0], t[1], t[2], t[3] == "S"});
    }
    return liste;
}

Dokument InhaltDokument(const QString &dateiName)
{
    Dokument dok;
    QFile datei(InhaltOrdner() + dateiName);
    EXPECT_TRUE(datei.open(QIODevice::ReadOnly)) << qPrintable(dateiName);
    EXPECT_TRUE(DokumentLesen(datei, dok)) << qPrintable(dateiName);
    return dok;
}

QStringList Antworten(const Dokument &dok)
{
    QStringList liste;
    for (const DokObjekt &o : dok.Objekte)
        if (o.Typ == ObjektTyp::Antwort)
            liste << o.Cap;
    return liste;
}
