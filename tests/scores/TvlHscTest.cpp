// Tests of "tvl hsc": sorted lists as a table and as JSON, bad files.
#include "BestListDatei.h"
#include "BestListTabelle.h"
#include "DelphiZeit.h"
#include "HscHilfen.h"
#include "ProgrammLauf.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {
ProgrammLauf Tvl(const QStringList &args)
{
    return Ausfuehren(QStringLiteral(TVL_PFAD), args, 30000);
}

double Zeit(int h, int m, int s)
{
    return ZeitNachDelphi(QDateTime(QDate(2026, 12, 7), QTime(h, m, s)));
}
} // namespace

TEST(TvlHsc, SortierteListeAlsTabellenTextUndAlsJson)
{
    QTemporaryDir dir;
    const QString pfad = dir.filePath("Europa.hsc");
    using namespace HscBytes;
    ASSERT_TRUE(Schreiben(pfad, Kopf() + Datensatz("Langsam", "pc1", Zeit(9, 0, 0), 90000, 0.85)
                                    + Datensatz("J\xf6rg", "pc2", Zeit(10, 0, 0), 61999, 0.85)
                                    + Datensatz("Schwach", "pc3", Zeit(11, 0, 0), 1000, 0.25)));
    const ProgrammLauf text = Tvl({"hsc", pfad});
    ASSERT_EQ(text.code, 0) << text.fehler.toStdString();
    TBestList liste;
    ASSERT_TRUE(BestListLesen(pfad, liste));
    const QStringList zeilen = text.aus.split("\r\n");
    ASSERT_EQ(zeilen.size(), 5); // header, three rows, nothing after the last CR LF
    EXPECT_EQ(zeilen[0], BestListTabelle::Kopf().join('\t'));
    EXPECT_TRUE(zeilen[1].startsWith(QString::fromUtf8("1\tJörg\tpc2\t85.0 %\t01:01\t")));
    EXPECT_TRUE(zeilen[2].startsWith("2\tLangsam\tpc1\t85.0 %\t01:30\t"));
    EXPECT_TRUE(zeilen[3].startsWith("3\tSchwach\t"));

    const ProgrammLauf json = Tvl({"hsc", "--json", pfad});
    ASSERT_EQ(json.code, 0);
    QJsonParseError fehler;
    const QJsonArray a = QJsonDocument::fromJson(json.aus.toUtf8(), &fehler).array();
    ASSERT_EQ(fehler.error, QJsonParseError::NoError);
    ASSERT_EQ(a.size(), 3);
    const QJsonObject erster = a[0].toObject();
    EXPECT_EQ(erster["Name"].toString(), QString::fromUtf8("Jörg"));
    EXPECT_EQ(erster["Rechner"].toString(), "pc2");
    EXPECT_EQ(erster["Beginn"].toString(), "2026-12-07T10:00:00");
    EXPECT_EQ(erster["Ende"].toString(), "2026-12-07T10:01:01");
    EXPECT_EQ(erster["Dauer"].toInt(), 61999);
    EXPECT_DOUBLE_EQ(erster["Leistung"].toDouble(), 0.85);
}

TEST(TvlHsc, FehlendeUndFremdeDateienMitMeldungUndFehlercode)
{
    QTemporaryDir dir;
    const ProgrammLauf fehlt = Tvl({"hsc", dir.filePath("fehlt.hsc")});
    EXPECT_EQ(fehlt.code, 1);
    EXPECT_TRUE(fehlt.fehler.contains("existiert nicht"));
    EXPECT_TRUE(fehlt.aus.isEmpty());

    const QString fremd = dir.filePath("fremd.hsc");
    ASSERT_TRUE(HscBytes::Schreiben(fremd, HscBytes::Text("KMF-1.01")));
    const ProgrammLauf f = Tvl({"hsc", "--json", fremd});
    EXPECT_EQ(f.code, 1);
    EXPECT_TRUE(f.fehler.contains("kann nicht gelesen werden"));

    // An empty list is the header and one empty row, as in the window.
    const QString leer = dir.filePath("leer.hsc");
    ASSERT_TRUE(HscBytes::Schreiben(leer, HscBytes::Kopf()));
    const ProgrammLauf l = Tvl({"hsc", leer});
    EXPECT_EQ(l.code, 0);
    EXPECT_TRUE(l.aus.endsWith("\r\n\t\t\t\t\t\r\n"));
    EXPECT_EQ(Tvl({"hsc"}).code, 2);
}
