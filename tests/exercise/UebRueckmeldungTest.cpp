// Tests of what an answer's feedback shows, how long, and what it announces.
#include "UebTestUmgebung.h"

#include <gtest/gtest.h>

namespace {

enum Art { Bild = 0, Luecke = 1, Fragen = 2 };

struct Fall
{
    const char *name;
    Art art;
    int modus; // AbfrageModus of picture and cloze runs
    bool richtig;
};

void Starten(UebTest &t, const Fall &f)
{
    if (f.art == Fragen) {
        t.dok.Dok = EinzelfragenDok({"Erste? // Aa", "Zweite? // Bb", "Dritte? // Cc"});
    } else {
        t.dok.Dok = BildDok({"Nord", "Süd", "Ost"}, f.art);
        t.ui.werte.AbfrageModus = f.modus;
    }
    ASSERT_TRUE(t.ueb.UebungStarten({}));
}

QString ZielText(const UebTest &t, int ziel)
{
    return t.dok.Dok.Objekte[ziel].Cap;
}

// Gives the answer the case asks for; returns the index of the answered panel.
int Antworten(UebTest &t, const Fall &f)
{
    if (f.art == Fragen) {
        QString wahl = t.AktuelleAntwort();
        if (!f.richtig)
            for (const QString &c : t.Sichtbare())
                if (c != wahl) {
                    wahl = c;
                    break;
                }
        const int i = t.FeldMit(wahl);
        t.Antworten(wahl);
        return i;
    }
    QString text;
    int ziel = -1;
    if (f.modus == 2) {
        ziel = t.ueb.Lauf.FragenFolge[t.ueb.Lauf.Position].ZielObjekt;
        text = ZielText(t, ziel);
        if (!f.richtig)
            for (const QString &c : t.Sichtbare())
                if (c != text) {
                    text = c;
                    break;
                }
    } else {
        text = f.modus == 1 ? t.Sichtbare().value(0) : QStringLiteral("Nord");
        ziel = t.ObjektMit(text);
        if (!f.richtig)
            ziel = t.ObjektMit(text == "Süd" ? "Ost" : "Süd");
    }
    const int i = t.FeldMit(text);
    t.Ziehen(text, ziel);
    return i;
}

class Rueckmeldung : public ::testing::TestWithParam<Fall>
{
};

} // namespace

// With the sound off nothing else holds the feedback: it stays up on its
// own for the minimum time, marked with a check or a cross.
TEST_P(Rueckmeldung, StaysVisibleWithoutSoundAndCarriesItsMark)
{
    const Fall f = GetParam();
    UebTest t;
    t.ueb.Einst.Tonausgabe = false;
    Starten(t, f);
    const std::size_t ab = t.ui.verlauf.size();
    const int i = Antworten(t, f);
    ASSERT_GE(i, 0);
    EXPECT_EQ(f.richtig ? t.ueb.Lauf.AnzRichtig : t.ueb.Lauf.AnzFalsch, 1);

    const QColor farbe = f.richtig ? Antwortfeld::RichtigFarbe() : Antwortfeld::FalschFarbe();
    const auto marke = f.richtig ? Antwortfeld::Zeichen::Haken : Antwortfeld::Zeichen::Kreuz;
    std::optional<qint64> an, aus;
    for (std::size_t k = ab; k < t.ui.verlauf.size(); ++k) {
        const Antwortfeld &v = t.ui.verlauf[k];
        if (v.Index != i)
            continue;
        if (!an && v.Farbe == farbe) {
            an = t.ui.verlaufZeiten[k];
            EXPECT_EQ(v.Marke, marke);
        } else if (an && (v.Farbe == Antwortfeld::Grundfarbe() || !v.Sichtbar)) {
            aus = t.ui.verlaufZeiten[k];
            // Hidden panels may keep their mark; a shown one loses it.
            if (v.Sichtbar) {
                EXPECT_EQ(v.Marke, Antwortfeld::Zeichen::Keins);
            }
            break;
        }
    }
    ASSERT_TRUE(an.has_value());
    ASSERT_TRUE(aus.has_value());
    EXPECT_GE(*aus - *an, Uebung::MindestRueckmeldungMs);

    // The verdict word stood at least as long.
    const QString wort = f.richtig ? "Richtig" : "Falsch";
    for (std::size_t k = 0; k < t.ui.statusWorte.size(); ++k)
        if (t.ui.statusWorte[k].second == wort && k + 1 < t.ui.statusWorte.size()) {
            EXPECT_GE(t.ui.statusWorte[k + 1].first - t.ui.statusWorte[k].first, Uebung::MindestRueckmeldungMs);
        }
}

// The verdict is announced with the right answer, then the next question.
TEST_P(Rueckmeldung, AnnouncesVerdictThenNextQuestion)
{
    const Fall f = GetParam();
    UebTest t;
    Starten(t, f);
    const QString richtigeAntwort = f.art == Fragen ? t.AktuelleAntwort() : QString();
    const int vorher = int(t.ui.ansagen.size());
    // The target's text is the answer a wrong drop should have been.
    int ziel = -1;
    if (f.art != Fragen && f.modus == 2)
        ziel = t.ueb.Lauf.FragenFolge[t.ueb.Lauf.Position].ZielObjekt;
    Antworten(t, f);
    ASSERT_GT(int(t.ui.ansagen.size()), vorher);
    const auto &urteil = t.ui.ansagen[vorher];
    EXPECT_EQ(urteil.second, IUebOberflaeche::AnsageArt::Urteil);
    if (f.richtig) {
        EXPECT_EQ(urteil.first, "Richtig");
    } else {
        EXPECT_TRUE(urteil.first.startsWith("Falsch, richtig wäre: ")) << urteil.first.toStdString();
        if (f.art == Fragen) {
            EXPECT_EQ(urteil.first, "Falsch, richtig wäre: " + richtigeAntwort);
        }
        if (ziel >= 0) {
            EXPECT_EQ(urteil.first, "Falsch, richtig wäre: " + ZielText(t, ziel));
        }
    }
    // Free placing has no next question; the others present one.
    if (f.art == Fragen || f.modus != 0) {
        ASSERT_GT(int(t.ui.ansagen.size()), vorher + 1);
        EXPECT_EQ(t.ui.ansagen.back().second, IUebOberflaeche::AnsageArt::Frage);
        EXPECT_TRUE(t.ui.ansagen.back().first.startsWith("Frage 2 von 3")) << t.ui.ansagen.back().first.toStdString();
        EXPECT_EQ(t.ui.status.UebStatLab, "warte auf Antwort");
    } else {
        EXPECT_EQ(int(t.ui.ansagen.size()), vorher + 1);
        EXPECT_EQ(t.ui.status.UebStatLab, f.richtig ? "Richtig" : "Falsch");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Arten, Rueckmeldung,
    ::testing::Values(Fall{"BildFreiFalsch", Bild, 0, false}, Fall{"BildFreiRichtig", Bild, 0, true},
                      Fall{"BildTextFalsch", Bild, 1, false}, Fall{"BildPositionFalsch", Bild, 2, false},
                      Fall{"BildPositionRichtig", Bild, 2, true}, Fall{"LueckeFreiFalsch", Luecke, 0, false},
                      Fall{"LueckeTextRichtig", Luecke, 1, true}, Fall{"FragenFalsch", Fragen, 0, false},
                      Fall{"FragenRichtig", Fragen, 0, true}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(Rueckmeldung, FirstQuestionAndEndAreAnnounced)
{
    UebTest t;
    t.dok.Dok = EinzelfragenDok({"Wer? // Aa", "Wo? // Bb"});
    ASSERT_TRUE(t.ueb.UebungStarten({}));
    ASSERT_FALSE(t.ui.ansagen.empty());
    const QString frage = t.AktuelleAntwort() == "Aa" ? "Wer?" : "Wo?";
    EXPECT_EQ(t.ui.ansagen.back().first, "Frage 1 von 2: " + frage);
    t.Antworten(t.AktuelleAntwort());
    t.Antworten(t.AktuelleAntwort());
    ASSERT_EQ(t.ui.ergebnisse, 1);
    EXPECT_EQ(t.ui.ansagen.back().second, IUebOberflaeche::AnsageArt::Ende);
    EXPECT_EQ(t.ui.ansagen.back().first, "Quiz beendet. Richtig: 2 von 2. Fehlversuche: 0.");
}
