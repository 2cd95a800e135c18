// Tests of "tvl bau": documents built from descriptions, bad ones refused.
#include "DokumentDatei.h"
#include "InhaltHilfen.h"
#include "Nummerierung.h"

#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// Runs "tvl bau" as authors do, in a folder of its own.
class VerbBau : public testing::Test
{
protected:
    QTemporaryDir ordner;
    QString fehlerAusgabe;

    void SetUp() override
    {
        ASSERT_TRUE(ordner.isValid());
        QImage bild(40, 30, QImage::Format_RGB32);
        bild.fill(QColor(10, 200, 30));
        ASSERT_TRUE(bild.save(ordner.filePath("bild.png")));
    }

    int Bauen(const QByteArray &json, const QStringList &zusatz = {"-o", "aus.tvl"}, const QString &verb = "bau")
    {
        QFile f(ordner.filePath("beschreibung.json"));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(json);
        f.close();
        QProcess p;
        p.setWorkingDirectory(ordner.path());
        p.start(TVL_PROGRAMM, QStringList{verb, "beschreibung.json"} + zusatz);
        EXPECT_TRUE(p.waitForFinished(60000));
        fehlerAusgabe = QString::fromUtf8(p.readAllStandardError());
        return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    }

    Dokument Gebaut()
    {
        Dokument dok;
        QFile f(ordner.filePath("aus.tvl"));
        EXPECT_TRUE(f.open(QIODevice::ReadOnly));
        EXPECT_TRUE(DokumentLesen(f, dok));
        return dok;
    }
};

TEST_F(VerbBau, QuestionListBecomesTheWholeSingleQuestionStructure)
{
    ASSERT_EQ(Bauen(R"({"Titel": "Flaggen Südamerikas", "Autor": "Frau Müller", "BasisBild": "bild.png",
                        "Fragen": [{"Frage": "<@flaggenfrage><@img=br.png>", "Antwort": "Brasilien"},
                                   {"Frage": "Hauptstadt  von Peru?", "Antwort": "Lima"},
                                   {"Frage": "Ohne Antwort"}]})"),
              0)
        << qPrintable(fehlerAusgabe);
    const Dokument dok = Gebaut();
    EXPECT_EQ(dok.Titel, "Flaggen Südamerikas");
    EXPECT_EQ(dok.Autor, "Frau Müller");
    EXPECT_EQ(dok.DokTyp, DokArt::Einzelfragen);
    EXPECT_EQ(dok.AnzFrageNummern, 3);
    EXPECT_EQ(dok.Fragentext, "<@flaggenfrage><@img=br.png>//Brasilien\r\nHauptstadt von Peru?//Lima\r\nOhne Antwort");
    // The line without "//" has no answer object: no "---" for a word list.
    EXPECT_EQ(Antworten(dok), QStringList({"Brasilien", "Lima"}));
    ASSERT_EQ(dok.Objekte.size(), 3 * 4 - 1 + 5);
    EXPECT_EQ(dok.Objekte[1].Cap, "<@flaggenfrage><@img=br.png>");
    EXPECT_EQ(dok.Objekte[1].Fsize, 5);
    EXPECT_EQ(dok.Objekte.last().Typ, ObjektTyp::ZufallsFrage);
    EXPECT_EQ(dok.BasisBild.size(), QSize(40, 30));
    EXPECT_EQ(dok.BasisBild.pixel(5, 5), QColor(10, 200, 30).rgb());
}

TEST_F(VerbBau, DescribedHeaderAndObjectsReadBackUnchanged)
{
    ASSERT_EQ(Bauen(R"({"Titel": "T", "Bemerkung": "B", "Vers": "2.5", "DokTyp": 0, "BasisBild": "bild.png",
                        "RandErw": [0.1, 0, 0.25, 0.5], "NumArt": 1, "GeordnetArt": 1,
                        "Lueckentext": ["Zeile 1", "Zeile 2"],
                        "Objekte": [{"Sx": 0.25, "Sy": 0.5, "Kx": 0.75, "Ky": 0.125, "Cap": "Zwei\nZeilen",
                                     "KAusr": 3, "TAusr": 2, "Ebene": 0, "Typ": 1, "Sline": 0, "Fsize": -2,
                                     "KAusrAkt": 4, "FrageNummer": 7},
                                    {"Sx": 0.5, "Sy": 0.25, "Cap": "Vorgaben"}]})"),
              0)
        << qPrintable(fehlerAusgabe);
    const Dokument dok = Gebaut();
    EXPECT_EQ(dok.Vers, "2.5");
    EXPECT_EQ(dok.Bemerkung, "B");
    EXPECT_EQ(dok.RandErw, (Rechteck{0.1, 0, 0.25, 0.5}));
    EXPECT_EQ(dok.NumArt, 1);
    EXPECT_EQ(dok.GeordnetArt, 1);
    EXPECT_EQ(dok.Lueckentext, "Zeile 1\r\nZeile 2");
    ASSERT_EQ(dok.Objekte.size(), 2);
    const DokObjekt &a = dok.Objekte[0];
    EXPECT_EQ(a.Sx, 0.25);
    EXPECT_EQ(a.Sy, 0.5);
    EXPECT_EQ(a.Kx, 0.75);
    EXPECT_EQ(a.Ky, 0.125);
    EXPECT_EQ(a.Cap, "Zwei\nZeilen");
    EXPECT_EQ(a.KAusr, 3);
    EXPECT_EQ(a.TAusr, 2);
    EXPECT_EQ(a.Ebene, 0);
    EXPECT_EQ(a.Typ, 1);
    EXPECT_EQ(a.Sline, 0);
    EXPECT_EQ(a.Fsize, -2);
    EXPECT_EQ(a.KAusrAkt, 4);
    EXPECT_EQ(a.FrageNummer, 7);
    // Missing fields: a label on layer 1 with a line, box at its anchor.
    const DokObjekt &b = dok.Objekte[1];
    EXPECT_EQ(b.Typ, ObjektTyp::Beschriftung);
    EXPECT_EQ(b.Kx, 0.5);
    EXPECT_EQ(b.Ky, 0.25);
    EXPECT_EQ(b.Ebene, 1);
    EXPECT_EQ(b.Sline, 1);
    EXPECT_EQ(b.KAusr, 0);
    EXPECT_EQ(b.FrageNummer, -1);
    // One label to answer (the fixed caption is none): the title line says
    // "(1 Fragen)", not "(0 Fragen)".
    EXPECT_EQ(dok.AnzFrageNummern, 1);
}

TEST_F(VerbBau, ClozeTextGetsItsGapObjectsInOrder)
{
    ASSERT_EQ(Bauen(R"({"Titel": "L", "DokTyp": 1, "BasisBild": "bild.png",
                        "Lueckentext": "Die <B>Flagge</B> von <<Japan>> zeigt eine <<rote Sonne>>."})",
                    {"-o", "aus.tvl"}, "build"),
              0)
        << qPrintable(fehlerAusgabe);
    const Dokument dok = Gebaut();
    ASSERT_EQ(dok.Objekte.size(), 2);
    EXPECT_EQ(dok.Objekte[0].Cap, "Japan");
    EXPECT_EQ(dok.Objekte[1].Cap, "rote Sonne");
    for (const DokObjekt &o : dok.Objekte) {
        EXPECT_EQ(o.Typ, ObjektTyp::Luecke);
        EXPECT_EQ(o.KAusr, 2); // the cover sits above the gap
    }
    EXPECT_EQ(dok.AnzFrageNummern, 2);
}

TEST_F(VerbBau, WithoutPictureTheDocumentGetsAWhiteOne)
{
    ASSERT_EQ(Bauen(R"({"Titel": "Ohne Bild"})"), 0) << qPrintable(fehlerAusgabe);
    const Dokument dok = Gebaut();
    EXPECT_EQ(dok.BasisBild.size(), QSize(870, 600));
    EXPECT_EQ(dok.BasisBild.pixel(0, 0), qRgb(255, 255, 255));
}

// A teacher's own flag quiz as the README shows it, only without a picture:
// it gets the question card of the shipped quizzes, whose places for the
// question, the flag and the answers the check finds tidy.
TEST_F(VerbBau, SingleQuestionsWithoutPictureGetTheShippedCard)
{
    ASSERT_EQ(Bauen(R"({"Titel": "Meine Flaggen", "Autor": "Klasse 5b",
                        "Fragen": [{"Frage": "<@flaggenfrage><@img=de.png>", "Antwort": "Deutschland"},
                                   {"Frage": "<@flaggenfrage><@img=fr.png>", "Antwort": "Frankreich"}]})"),
              0)
        << qPrintable(fehlerAusgabe);
    const Dokument dok = Gebaut();
    QImage karte;
    ASSERT_TRUE(karte.load(FlaggenWerkzeug() + "bilder/fragekarte.png"));
    EXPECT_TRUE(dok.BasisBild.convertToFormat(QImage::Format_RGB32) == karte.convertToFormat(QImage::Format_RGB32));
    QProcess p;
    p.start(TVL_PROGRAMM, {"check", ordner.filePath("aus.tvl")});
    ASSERT_TRUE(p.waitForFinished(60000));
    EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardOutput().constData();
}

TEST_F(VerbBau, BadDescriptionsAreRefusedAndLeaveTheTargetAlone)
{
    QFile alt(ordner.filePath("aus.tvl"));
    ASSERT_TRUE(alt.open(QIODevice::WriteOnly));
    alt.write("alter Inhalt");
    alt.close();
    struct Fall
    {
        const char *json, *meldung;
    };
    const Fall faelle[] = {
        {R"({"Titel": "x", "Tittel": "y"})", "Tittel"},
        {R"({"Titel": "Gdańsk"})", "Windows-1252"},
        {R"({"Titel": "x", "BasisBild": "fehlt.png"})", "fehlt.png"},
        {R"({"Titel": "x", "Objekte": [{"Typ": "null"}]})", "Typ"},
        {R"({"Titel": "x", "Objekte": [{"Typ": 0.5}]})", "ganze Zahl"},
        {R"({"Titel": "x", "NumArt": 1e12})", "ganze Zahl"},
        {R"({"Titel": "x", "RandErw": [0, 0, 0]})", "RandErw"},
        {R"({"Titel": "x", "Fragen": [{"Frage": "a//b", "Antwort": "c"}]})", "//"},
        {R"({"Titel": "x", "DokTyp": 7})", "DokTyp"},
        {R"({"Titel": )", "JSON"},
    };
    for (const Fall &f : faelle) {
        EXPECT_EQ(Bauen(f.json), 1) << f.json;
        EXPECT_TRUE(fehlerAusgabe.contains(QString::fromUtf8(f.meldung))) << qPrintable(fehlerAusgabe);
        ASSERT_TRUE(alt.open(QIODevice::ReadOnly));
        EXPECT_EQ(alt.readAll(), "alter Inhalt") << f.json;
        alt.close();
    }
    EXPECT_EQ(Bauen(R"({"Titel": "x"})", {}), 2);
    EXPECT_TRUE(fehlerAusgabe.contains("Aufruf"));
}

TEST(VerbBauInhalt, ShippedDescriptionsRebuildTheShippedDocuments)
{
    // The committed documents are exactly what their descriptions give, so
    // an author's change to a description cannot be forgotten to rebuild.
    QTemporaryDir ordner;
    for (const char *name : {"flaggen-europa", "aufbau-einer-flagge", "farben-und-zeichen"}) {
        const QString ziel = ordner.filePath(QString::fromLatin1(name) + ".tvl");
        QProcess p;
        p.start(TVL_PROGRAMM, {"bau", FlaggenWerkzeug() + "beschreibungen/" + name + ".json", "-o", ziel});
        ASSERT_TRUE(p.waitForFinished(60000));
        ASSERT_EQ(p.exitCode(), 0) << p.readAllStandardError().constData();
        Dokument neu, alt;
        QFile neuDatei(ziel), altDatei(InhaltOrdner() + name + ".tvl");
        ASSERT_TRUE(neuDatei.open(QIODevice::ReadOnly) && altDatei.open(QIODevice::ReadOnly));
        ASSERT_TRUE(DokumentLesen(neuDatei, neu) && DokumentLesen(altDatei, alt));
        EXPECT_EQ(neu.Titel, alt.Titel) << name;
        EXPECT_EQ(neu.Fragentext, alt.Fragentext) << name;
        EXPECT_EQ(neu.Lueckentext, alt.Lueckentext) << name;
        // Every document counts its questions for the title line.
        EXPECT_EQ(neu.AnzFrageNummern, alt.AnzFrageNummern) << name;
        EXPECT_EQ(alt.AnzFrageNummern, AbdeckbareAnzahl(alt)) << name;
        EXPECT_GT(alt.AnzFrageNummern, 0) << name;
        ASSERT_EQ(neu.Objekte.size(), alt.Objekte.size()) << name;
        for (qsizetype i = 0; i < neu.Objekte.size(); ++i) {
            const DokObjekt &a = neu.Objekte[i], &b = alt.Objekte[i];
            EXPECT_TRUE(a.Cap == b.Cap && a.Typ == b.Typ && a.Sx == b.Sx && a.Sy == b.Sy && a.Kx == b.Kx && a.Ky == b.Ky
                        && a.KAusr == b.KAusr && a.FrageNummer == b.FrageNummer)
                << name << " object " << i;
        }
        EXPECT_TRUE(neu.BasisBild.convertToFormat(QImage::Format_RGB32)
                    == alt.BasisBild.convertToFormat(QImage::Format_RGB32))
            << name;
    }
}

} // namespace
