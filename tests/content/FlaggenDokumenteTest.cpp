// Tests that the flag quizzes ask the right flags and pair the look-alikes.
#include "Cp1252.h"
#include "Fragentext.h"
#include "InhaltHilfen.h"

#include <QFile>
#include <QHash>
#include <QSet>

#include <gtest/gtest.h>

namespace {

struct FlaggenThema
{
    const char *datei, *titel, *kontinent;
};

const FlaggenThema Themen[] = {
    {"flaggen-europa.tvl", "Flaggen Europas", "Europa"},
    {"flaggen-afrika.tvl", "Flaggen Afrikas", "Afrika"},
    {"flaggen-asien.tvl", "Flaggen Asiens", "Asien"},
    {"flaggen-nord-und-mittelamerika.tvl", "Flaggen Nord- und Mittelamerikas", "Nord- und Mittelamerika"},
    {"flaggen-suedamerika.tvl", "Flaggen Südamerikas", "Südamerika"},
    {"flaggen-ozeanien.tvl", "Flaggen Ozeaniens", "Ozeanien"},
    {"flaggen-der-welt.tvl", "Flaggen der Welt (zufällig)", ""},
};

void PrintTo(const FlaggenThema &t, std::ostream *os)
{
    *os << t.datei;
}

class FlaggenDokument : public testing::TestWithParam<FlaggenThema>
{
};

TEST_P(FlaggenDokument, AsksExactlyTheFlagsOfItsContinent)
{
    const FlaggenThema &t = GetParam();
    const Dokument dok = InhaltDokument(QString::fromLatin1(t.datei));
    EXPECT_EQ(dok.Titel, QString::fromUtf8(t.titel));
    EXPECT_EQ(dok.DokTyp, DokArt::Einzelfragen);

    QHash<QString, QString> isoVonName;
    QSet<QString> erwartet;
    for (const TabellenLand &l : LaenderTabelle()) {
        isoVonName.insert(l.name, l.iso);
        if (!*t.kontinent || l.kontinent == QString::fromUtf8(t.kontinent))
            erwartet.insert(l.name);
    }
    const QStringList antworten = Antworten(dok);
    EXPECT_EQ(QSet<QString>(antworten.begin(), antworten.end()), erwartet);
    EXPECT_EQ(antworten.size(), erwartet.size()) << "an answer occurs twice";
    EXPECT_EQ(dok.AnzFrageNummern, antworten.size());

    // Every question k shows the flag of its own answer, from Flaggen/.
    int fragen = 0;
    for (const DokObjekt &o : dok.Objekte) {
        if (o.Typ != ObjektTyp::FrageText || o.Cap == "Frage:")
            continue;
        ++fragen;
        ASSERT_GE(o.FrageNummer, 1);
        ASSERT_LE(o.FrageNummer, antworten.size());
        const QString antwort = antworten[o.FrageNummer - 1];
        QString text = o.Cap;
        const QString bild = BildTagAusschneiden(text);
        EXPECT_EQ(text, "<@flaggenfrage>") << qPrintable(o.Cap);
        EXPECT_EQ(bild, isoVonName.value(antwort) + ".png") << qPrintable(antwort);
        const QString pfad = FlaggenDatei(InhaltOrdner(), bild);
        EXPECT_FALSE(pfad.isEmpty()) << qPrintable(bild);
        EXPECT_TRUE(QFile::exists(pfad)) << qPrintable(bild);
    }
    EXPECT_EQ(fragen, antworten.size());
}

INSTANTIATE_TEST_SUITE_P(Themen, FlaggenDokument, testing::ValuesIn(Themen),
                         [](const testing::TestParamInfo<FlaggenThema> &i) {
                             return QString::fromLatin1(i.param.datei).chopped(4).remove('-').toStdString();
                         });

TEST(FlaggenDokumente, TheLookAlikePairsMeetInTheirQuizzes)
{
    // The answer choice keeps these pairs apart; they only matter when both
    // names are answers of the same run.
    const QStringList welt = Antworten(InhaltDokument("flaggen-der-welt.tvl"));
    for (const char *n : {"Luxemburg", "Niederlande", "Franz. Guayana", "Frankreich", "Monaco", "Indonesien"})
        EXPECT_TRUE(welt.contains(QString::fromUtf8(n))) << n;
    const QStringList europa = Antworten(InhaltDokument("flaggen-europa.tvl"));
    EXPECT_TRUE(europa.contains("Luxemburg") && europa.contains("Niederlande"));
}

} // namespace
