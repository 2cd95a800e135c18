// The card box and progress windows, driven like a pupil: keys, taps, files.
#include "LernstandTestHilfe.h"
#include "TLernkarteiForm.h"
#include "TLernverlaufForm.h"

#include "BildDatei.h"

#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

#include <gtest/gtest.h>

namespace {
struct KarteiFenster
{
    TestOrdner o;
    OffenerStand s{o.Pfad()};
    TestUmgebung u;
    TLernkarteiForm f{s.stand, u.dienste};

    explicit KarteiFenster(int art)
    {
        const Dokument d = EinzelfragenDok({"A? // Polen", "B? // Malta", "C? // Irland"}, "Flaggen");
        f.Vorbereiten({d}, {}, "Kim", "", false);
        f.ArtBox->setCurrentIndex(art);
    }
    int Platz() const { return int(f.Runde().Auswahl().indexOf(f.Runde().Aktuell().Schluessel)); }
    int Falsch() const { return Platz() == 0 ? 1 : 0; }
};

// What a pupil does for one card, and what the window must show.
struct Zug
{
    const char *name;
    int art;                                  // 0 choose among six, 1 uncover and rate
    std::function<void(KarteiFenster &)> tun; // answer the current card
    bool richtig;
};

class KarteiZug : public ::testing::TestWithParam<Zug>
{
};

TEST_P(KarteiZug, FeedbackWithMarkAndColourThenTheNextCard)
{
    KarteiFenster k(GetParam().art);
    QTest::keyClick(&k.f, Qt::Key_Return);
    ASSERT_TRUE(k.f.RundeLaeuft());
    EXPECT_EQ(k.f.StandLab->text(), "Karte 1 von 3 · neue Karte");
    const QString karte = k.f.Runde().Aktuell().Schluessel;
    GetParam().tun(k);
    EXPECT_TRUE(k.f.RueckmeldungLab->text().startsWith(GetParam().richtig ? "✔" : "✘"));
    EXPECT_EQ(k.f.RueckmeldungLab->palette().color(QPalette::Window),
              GetParam().richtig ? QColor(90, 255, 72) : QColor(255, 80, 70));
    EXPECT_EQ(k.f.AntwortLab->text(), karte);
    EXPECT_EQ(k.f.WeiterBtn->isVisibleTo(&k.f), true);
    QTest::keyClick(&k.f, Qt::Key_Return);
    EXPECT_NE(k.f.Runde().Aktuell().Schluessel, karte);
    EXPECT_EQ(k.f.Runde().Gesamt(), GetParam().richtig ? 3 : 4);
    EXPECT_EQ(k.s.stand.Karten("Kim", "flaggen").value(karte).Box, 1);
}

INSTANTIATE_TEST_SUITE_P(
    Lernkartei, KarteiZug,
    ::testing::Values(Zug{"NumberKeyOfTheRightAnswer", 0,
                          [](KarteiFenster &k) { QTest::keyClick(&k.f, Qt::Key(Qt::Key_1 + k.Platz())); }, true},
                      Zug{"NumberKeyOfAWrongAnswer", 0,
                          [](KarteiFenster &k) { QTest::keyClick(&k.f, Qt::Key(Qt::Key_1 + k.Falsch())); }, false},
                      Zug{"TapOnTheRightAnswer", 0,
                          [](KarteiFenster &k) { QTest::mouseClick(k.f.WahlBtn[k.Platz()], Qt::LeftButton); }, true},
                      Zug{"UncoverAndKnown", 1,
                          [](KarteiFenster &k) {
                              QTest::keyClick(&k.f, Qt::Key_Space);
                              QTest::keyClick(&k.f, Qt::Key_1);
                          },
                          true},
                      Zug{"UncoverAndNotKnown", 1,
                          [](KarteiFenster &k) {
                              QTest::keyClick(&k.f, Qt::Key_Space);
                              QTest::keyClick(&k.f, Qt::Key_2);
                          },
                          false},
                      Zug{"TapsToUncoverAndRate", 1,
                          [](KarteiFenster &k) {
                              QTest::mouseClick(k.f.AufdeckenBtn, Qt::LeftButton);
                              QTest::mouseClick(k.f.NichtGewusstBtn, Qt::LeftButton);
                          },
                          false}),
    [](const ::testing::TestParamInfo<Zug> &i) { return std::string(i.param.name); });

TEST(Lernkartei, RatingBeforeUncoveringDoesNothing)
{
    KarteiFenster k(1);
    QTest::keyClick(&k.f, Qt::Key_Return);
    QTest::keyClick(&k.f, Qt::Key_1);
    EXPECT_TRUE(k.f.RueckmeldungLab->text().isEmpty());
    EXPECT_EQ(k.f.AntwortLab->text(), "?");
}

TEST(Lernkartei, WholeRoundByKeysEndsWithItsFigures)
{
    KarteiFenster k(0);
    QTest::keyClick(&k.f, Qt::Key_Return);
    for (int i = 0; i < 10 && k.f.RundeLaeuft(); ++i) {
        QTest::keyClick(&k.f, Qt::Key(Qt::Key_1 + k.Platz()));
        QTest::keyClick(&k.f, Qt::Key_Return);
    }
    EXPECT_FALSE(k.f.RundeLaeuft());
    EXPECT_EQ(k.f.StandLab->text(), "Runde beendet: 3 von 3 Antworten gewusst.");
    // Nothing is due any more today: a new round says so.
    QTest::keyClick(&k.f, Qt::Key_Return);
    EXPECT_FALSE(k.f.RundeLaeuft());
    EXPECT_TRUE(k.f.StandLab->text().startsWith("Heute ist keine Karte fällig"));
}

TEST(Lernkartei, NewCardRateIsKeptInTheStore)
{
    KarteiFenster k(0);
    k.f.NeueBox->setValue(2);
    QTest::keyClick(&k.f, Qt::Key_Return);
    EXPECT_EQ(k.f.Runde().Gesamt(), 2);
    EXPECT_EQ(k.s.stand.Einstellung("Lernkartei-NeueProTag", 10), 2);
}

// ---- Progress ----

struct VerlaufFenster
{
    TestOrdner o;
    OffenerStand s{o.Pfad()};
    TestMeldungen meldungen;
    TLernverlaufForm f{s.stand, meldungen};
    QStringList geuebt;

    VerlaufFenster()
    {
        AufgezeichneterQuiz q(s.stand);
        q.Spielen({"Polen", "Malta", "Irland"}, {"Malta"}, "Flaggen Europas");
        q.Spielen({"Polen", "Malta", "Irland"}, {"Malta", "Irland"}, "Flaggen Europas");
        q.Spielen({"Chile", "Peru"}, {}, "Flaggen Südamerikas");
        f.FehlerUeben = [this](const QString &, const QStringList &fragen) {
            geuebt = fragen;
            return true;
        };
        f.Vorbereiten("anna", "", "flaggen europas");
    }
};

TEST(Lernverlauf, ChartPerTopicBoxesAndMostMissed)
{
    VerlaufFenster v;
    EXPECT_EQ(v.f.Schueler(), "anna");
    QStringList linien;
    for (QAbstractSeries *s : v.f.Diagramm->chart()->series())
        if (!s->name().isEmpty())
            linien << s->name();
    EXPECT_EQ(linien, (QStringList{"Flaggen Europas", "Flaggen Südamerikas"}));
    EXPECT_TRUE(v.f.BoxenLab->text().contains("Box 1: 2"));
    ASSERT_EQ(v.f.FehlerListe->count(), 2);
    EXPECT_TRUE(v.f.FehlerListe->item(0)->text().startsWith("Malta – 2 von 4 Antworten falsch"));

    // "Fehler üben" hands over the current topic's misses, most first.
    v.f.FehlerUebenClick();
    EXPECT_EQ(v.geuebt, (QStringList{"Malta", "Irland"}));
    v.f.Vorbereiten("anna", "", "flaggen südamerikas");
    v.geuebt.clear();
    v.f.FehlerUebenClick();
    EXPECT_TRUE(v.geuebt.isEmpty());
    EXPECT_EQ(v.meldungen.Texte().size(), 1);
}

TEST(Lernverlauf, CsvAndPngAreWrittenOrTheErrorIsShown)
{
    VerlaufFenster v;
    const QString csv = v.o.dir.filePath("anna.csv");
    ASSERT_TRUE(v.f.CsvSpeichern(csv));
    QFile f(csv);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll().count("\r\n"), 1 + 4 + 5 + 2);
    const QString png = v.o.dir.filePath("anna.png");
    ASSERT_TRUE(v.f.DiagrammSpeichern(png));
    QImage bild;
    ASSERT_TRUE(PngLesenDatei(png, bild));
    EXPECT_FALSE(bild.isNull());
    EXPECT_TRUE(v.meldungen.Texte().isEmpty());
    EXPECT_FALSE(v.f.CsvSpeichern(v.o.dir.filePath("fehlt/anna.csv")));
    EXPECT_EQ(v.meldungen.Texte().size(), 1);
}
} // namespace
