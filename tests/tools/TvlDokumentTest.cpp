// Tests of "tvl info", "tvl check" and "tvl resave" on topic documents.
#include "Dateifehler.h"
#include "DokumentDatei.h"
#include "ProgrammLauf.h"

#include <QBuffer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

ProgrammLauf Tvl(const QStringList &args)
{
    return Ausfuehren(TVL_PROGRAMM, args);
}

Dokument Beispiel()
{
    Dokument d;
    d.Titel = "Flaggen – Südamerika";
    d.Fragentext = "F // A";
    d.AnzFrageNummern = 1;
    d.DokTyp = DokArt::Einzelfragen;
    d.RandErw = {0.1, 0, 0.25, 0};
    DokObjekt o;
    o.Sx = 0.5;
    o.Ky = 0.125;
    o.Cap = "zwei\nZeilen \"x\"";
    o.Typ = 10;
    o.FrageNummer = 1;
    d.Objekte << o;
    d.BasisBild = QImage(6, 4, QImage::Format_RGB32);
    d.BasisBild.fill(Qt::white);
    return d;
}

void Schreiben(const QString &pfad, const QByteArray &b)
{
    QFile f(pfad);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(b);
}

QByteArray Bytes(const Dokument &d)
{
    QByteArray b;
    QBuffer buf(&b);
    buf.open(QIODevice::WriteOnly);
    EXPECT_TRUE(DokumentSchreiben(buf, d));
    return b;
}

} // namespace

TEST(TvlDokument, InfoJsonHasTheFieldNamesAndValues)
{
    QTemporaryDir dir;
    const QString p = dir.path() + "/a.tvl";
    Schreiben(p, Bytes(Beispiel()));
    const ProgrammLauf l = Tvl({"info", "--json", p});
    ASSERT_EQ(l.code, 0) << l.fehler.toStdString();
    QJsonParseError fehler;
    const QJsonObject j = QJsonDocument::fromJson(l.aus.toUtf8(), &fehler).object();
    ASSERT_EQ(fehler.error, QJsonParseError::NoError) << l.aus.toStdString();
    QStringList schluessel = j.keys();
    schluessel.sort();
    EXPECT_EQ(schluessel, (QStringList{"AnzFrageNummern", "Autor", "BasisBild", "Bemerkung", "DokTyp", "Fragentext",
                                       "GeordnetArt", "Lueckentext", "NumArt", "Objekte", "RandErw", "Titel", "Vers"}));
    EXPECT_EQ(j["Titel"].toString(), "Flaggen – Südamerika");
    EXPECT_EQ(j["DokTyp"].toInt(), 2);
    EXPECT_EQ(j["RandErw"].toArray(), (QJsonArray{0.1, 0, 0.25, 0}));
    EXPECT_EQ(j["BasisBild"].toObject(), (QJsonObject{{"Breite", 6}, {"Hoehe", 4}}));
    const QJsonArray objekte = j["Objekte"].toArray();
    ASSERT_EQ(objekte.size(), 1);
    const QJsonObject o = objekte[0].toObject();
    EXPECT_EQ(o.keys().size(), 13);
    EXPECT_EQ(o["Cap"].toString(), "zwei\nZeilen \"x\"");
    EXPECT_EQ(o["Sx"].toDouble(), 0.5);
    EXPECT_EQ(o["Ky"].toDouble(), 0.125);
    EXPECT_EQ(o["FrageNummer"].toInt(), 1);
    EXPECT_EQ(o["Typ"].toInt(), 10);
}

TEST(TvlDokument, CheckReportsEveryFileAndFailsIfOneFails)
{
    QTemporaryDir dir;
    const QString gut = dir.path() + "/gut.tvl", kaputt = dir.path() + "/kaputt.tvl", fehlt = dir.path() + "/fehlt.tvl";
    // A picture document: nothing for the question card check to find.
    Dokument bild = Beispiel();
    bild.DokTyp = DokArt::Bildbeschriftung;
    Schreiben(gut, Bytes(bild));
    Schreiben(kaputt, Bytes(Beispiel()).chopped(30));
    const ProgrammLauf l = Tvl({"check", gut, kaputt, fehlt});
    EXPECT_NE(l.code, 0);
    const QStringList zeilen = l.aus.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(zeilen.size(), 3);
    EXPECT_TRUE(zeilen[0].startsWith(gut + ": ok"));
    EXPECT_TRUE(zeilen[1].startsWith(kaputt + ": FEHLER"));
    EXPECT_TRUE(zeilen[2].startsWith(fehlt + ": FEHLER"));
    EXPECT_TRUE(l.fehler.contains(QString(LeseFehlerText(kaputt)).replace("\r\n", "\n")));
    EXPECT_TRUE(l.fehler.contains(DateiFehltText(fehlt)));
    EXPECT_EQ(Tvl({"check", gut}).code, 0);
}

// A single-question document whose answer places run off its tiny picture
// at the smallest window: the file is readable but fails the check, with
// one line per part that does not fit.
TEST(TvlDokument, CheckReportsQuestionCardsThatDoNotFit)
{
    QTemporaryDir dir;
    const QString eng = dir.path() + "/eng.tvl";
    Schreiben(eng, Bytes(Beispiel()));
    const ProgrammLauf l = Tvl({"check", eng});
    EXPECT_EQ(l.code, 1);
    const QStringList zeilen = l.aus.split('\n', Qt::SkipEmptyParts);
    ASSERT_GE(zeilen.size(), 2) << qPrintable(l.aus);
    EXPECT_EQ(zeilen[0],
              QString("%1: FEHLER (%2 Überschneidungen im Fenster 900 x 650)").arg(eng).arg(zeilen.size() - 1));
    EXPECT_TRUE(zeilen.contains("  Frage 1: Antwortplatz 6 ragt aus dem Bild.")) << qPrintable(l.aus);
    EXPECT_TRUE(l.fehler.isEmpty()) << qPrintable(l.fehler);
}

TEST(TvlDokument, ResaveGivesOlderFilesTheFullKeyList)
{
    QTemporaryDir dir;
    // An older file: a short key list without any optional field.
    QByteArray alt;
    auto str = [&](const QByteArray &s) {
        const qint32 n = qint32(s.size());
        alt.append(reinterpret_cast<const char *>(&n), 4);
        alt.append(s);
    };
    str("KMF-1.00");
    str("|HD-vers|HD-titel|");
    str("1.00");
    str("Alt");
    str("");
    str("");
    const qint32 null = 0;
    alt.append(reinterpret_cast<const char *>(&null), 4);
    const QByteArray voll = Bytes(Beispiel());
    alt.append(voll.mid(voll.indexOf("\x89PNG")));
    const QString ein = dir.path() + "/alt.tvl", aus = dir.path() + "/neu.tvl";
    Schreiben(ein, alt);
    const ProgrammLauf l = Tvl({"resave", ein, aus});
    ASSERT_EQ(l.code, 0) << l.fehler.toStdString();
    QFile f(aus);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray neu = f.readAll();
    EXPECT_TRUE(neu.contains(DokSchluesselListe));
    EXPECT_TRUE(neu.startsWith(QByteArray("\x08\x00\x00\x00KMF-1.01", 12)));

    const QString unmoeglich = dir.path() + "/fehlt/x.tvl";
    const ProgrammLauf schlecht = Tvl({"resave", ein, unmoeglich});
    EXPECT_NE(schlecht.code, 0);
    EXPECT_TRUE(schlecht.fehler.contains(QString(SchreibFehlerText(unmoeglich)).replace("\r\n", "\n")));
}
