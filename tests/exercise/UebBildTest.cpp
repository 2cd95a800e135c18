// Tests of picture-labelling and cloze-text runs in every mode.
#include "UebTestUmgebung.h"

#include <QRegion>

#include <gtest/gtest.h>

TEST(Bildbeschriftung, FreeModeRightAndWrongWithCountersAndProtocol)
{
    UebTest t;
    t.dok.Dok = BildDok({"Nord", "Süd", "Ost"});
    ASSERT_TRUE(t.ueb.UebungStarten({}));
    EXPECT_EQ(t.Sichtbare().size(), 3);
    EXPECT_EQ(t.ui.anweisung, "Ziehe die Beschriftungen an die jeweils richtige Position!");

    const int nord = t.ObjektMit("Nord"), sued = t.ObjektMit("Süd");
    const QPoint vorher = t.ueb.Felder().at(t.FeldMit("Nord")).Rahmen.topLeft();
    t.Ziehen("Nord", sued);
    // Wrong: slides back to where it was picked up, counters move.
    EXPECT_EQ(t.ueb.Felder().at(t.FeldMit("Nord")).Rahmen.topLeft(), vorher);
    EXPECT_EQ(t.ui.felder.at(t.FeldMit("Nord")).Rahmen.topLeft(), vorher);
    EXPECT_EQ(t.ui.felder.at(t.FeldMit("Nord")).Farbe, Antwortfeld::Grundfarbe());
    EXPECT_EQ(t.dok.Dok.Objekte[sued].FehlerAlsZiel, 1);
    EXPECT_EQ(t.dok.Dok.Objekte[nord].FehlerAlsText, 1);
    EXPECT_EQ(t.dok.Dok.Objekte[sued].Abdeckung, AbdeckungsArt::OffeneFrage);
    EXPECT_EQ(t.ui.status.FalschLab, "1");

    t.Ziehen("Nord", nord);
    EXPECT_EQ(t.FeldMit("Nord"), -1); // freed
    EXPECT_EQ(t.dok.Dok.Objekte[nord].Abdeckung, AbdeckungsArt::Aufgedeckt);
    EXPECT_TRUE(t.ansicht.einzelZeichnungen.contains(nord));
    t.Ziehen("Süd", sued);
    t.Ziehen("Ost", t.ObjektMit("Ost"));
    EXPECT_EQ(t.ui.ergebnisse, 1);
    EXPECT_EQ(t.ui.status.UebStatLab, "Quiz beendet");
    EXPECT_EQ(t.ui.status.QuoteLab, "75.0 %");

    const QStringList z = t.AblaufZeilen();
    EXPECT_EQ(z.value(1), "00:00 - FALSCH - Beschriftungstext \"Nord\" wird der Position von \"Süd\" zugeordnet");
    // The wrong answer's feedback stood for its minimum time and slid back.
    EXPECT_EQ(z.value(2), "00:01 - RICHTIG - Beschriftungstext \"Nord\" wird der richtigen Position zugeordnet");
}

TEST(Bildbeschriftung, GreenTickOptionAndDropWithoutTargetChangesNothing)
{
    UebTest t;
    t.dok.Dok = BildDok({"Nord", "Süd"});
    t.ui.werte.ZuordnungRichtig = 1;
    ASSERT_TRUE(t.ueb.UebungStarten({}));
    const int i = t.FeldMit("Nord");
    const QRect r = t.ueb.Felder().at(i).Rahmen;
    t.ueb.FeldGedrueckt(i, r.topLeft());
    t.ueb.FeldBewegt(i, QPoint(500, 300)); // empty part of the picture
    EXPECT_FALSE(t.ui.ankerSichtbar);
    EXPECT_EQ(t.ueb.Lauf.AktZiel, -1);
    t.ueb.FeldLosgelassen(i);
    EXPECT_EQ(t.ueb.Felder().at(i).Rahmen.topLeft(), QPoint(500, 300));
    EXPECT_EQ(t.ueb.Lauf.AnzFalsch + t.ueb.Lauf.AnzRichtig, 0);
    t.Ziehen("Nord", t.ObjektMit("Nord"));
    EXPECT_EQ(t.dok.Dok.Objekte[t.ObjektMit("Nord")].Abdeckung, AbdeckungsArt::Geloest);
}

TEST(Bildbeschriftung, RedCrossClosesTargetAndRunEndsWithoutOpenPositions)
{
    UebTest t;
    t.dok.Dok = BildDok({"Nord", "Süd"});
    t.ui.werte.ZuordnungFalsch = 1;
    ASSERT_TRUE(t.ueb.UebungStarten({}));
    const int sued = t.ObjektMit("Süd");
    t.Ziehen("Nord", sued);
    EXPECT_EQ(t.dok.Dok.Objekte[sued].Abdeckung, AbdeckungsArt::Aufgegeben);
    // A crossed position is no target any more.
    const QRect r = t.ueb.Felder().at(t.FeldMit("Süd")).Rahmen;
    EXPECT_EQ(t.ueb.DropZielSuchen(QRect(66 - 0, 80 - 23, r.width(), r.height())), -1);
    t.Ziehen("Nord", t.ObjektMit("Nord"));
    EXPECT_EQ(t.ui.ergebnisse, 1);
    EXPECT_NE(t.FeldMit("Süd"), -1); // its text stays on the panel area
    EXPECT_EQ(t.ueb.Lauf.AnzOffen, 0);
}

TEST(Bildbeschriftung, SingleQueryTextsCentredOneAtATimeAndHiddenAfterWrong)
{
    UebTest t;
    t.dok.Dok = BildDok({"Nord", "Süd", "Ost"});
    t.ui.werte.AbfrageModus = 1;
    t.ui.werte.Zuordnungstexte = 0;
    ASSERT_TRUE(t.ueb.UebungStarten({}));
    ASSERT_EQ(t.Sichtbare(), QStringList{"Nord"});
    const QRect r = t.ueb.Felder().at(t.FeldMit("Nord")).Rahmen;
    EXPECT_EQ(r.left(), 900 - 150);
    EXPECT_EQ(r.top(), (560 - 46) / 2);
    t.Ziehen("Nord", t.ObjektMit("Ost"));
    EXPECT_EQ(t.Sichtbare(), QStringList{"Ost"});
    t.Ziehen("Ost", t.ObjektMit("Ost"));
    EXPECT_EQ(t.Sichtbare(), QStringList{"Süd"});
    t.Ziehen("Süd", t.ObjektMit("Süd"));
    EXPECT_EQ(t.Sichtbare(), QStringList{"Nord"});
    t.Ziehen("Nord", t.ObjektMit("Nord"));
    EXPECT_EQ(t.ui.ergebnisse, 1);
    const QStringList z = t.AblaufZeilen();
    EXPECT_EQ(z.value(1), "00:00 - Beschriftungstext \"Nord\" soll der richtigen Position zugeordnet werden");
    EXPECT_TRUE(z.contains("00:00 - RICHTIG - Beschriftungstext \"Ost\" wird richtig zugeordnet"));
}

TEST(Bildbeschriftung, SingleQueryPositionsOnlyAcceptTheMarkedTarget)
{
    UebTest t;
    t.dok.Dok = BildDok({"Nord", "Süd"});
    t.ui.werte.AbfrageModus = 2;
    t.ui.werte.Zuordnungsziele = 0;
    ASSERT_TRUE(t.ueb.UebungStarten({}));
    EXPECT_EQ(t.ansicht.abfrageModus, 2);
    const int nord = t.ObjektMit("Nord"), sued = t.ObjektMit("Süd");
    // Süd is not the marked position: no target there.
    const int i = t.FeldMit("Süd");
    t.ueb.FeldGedrueckt(i, t.ueb.Felder().at(i).Rahmen.topLeft());
    const DokObjekt &so = t.dok.Dok.Objekte[sued];
    t.ueb.FeldBewegt(i, QPoint(int(so.Rahmen.Left * 600) + 6, int(so.Ky * 400) - 23));
    EXPECT_EQ(t.ueb.Lauf.AktZiel, -1);
    t.ueb.FeldLosgelassen(i);
    EXPECT_EQ(t.ueb.Lauf.AnzFalsch, 0);
    t.Ziehen("Süd", nord);
    // The wrong position comes back after the other open one.
    EXPECT_EQ(t.ueb.Lauf.FragenFolge[t.ueb.Lauf.Position].ZielObjekt, sued);
    t.AllesRichtig();
    EXPECT_EQ(t.ui.ergebnisse, 1);
    const QStringList z = t.AblaufZeilen();
    EXPECT_EQ(z.value(1), "00:00 - Der Position \"Nord\" soll der richtige Beschriftungstext zugeordnet werden");
    EXPECT_EQ(z.value(2), "00:00 - FALSCH - Der Position von \"Nord\" wird der Beschriftungstext \"Süd\" zugeordnet");
    EXPECT_EQ(z.value(3), "00:00 - Der Position \"Süd\" soll der richtige Beschriftungstext zugeordnet werden");
    // Its time follows the wrong answer's feedback, which stood for its minimum time.
    EXPECT_EQ(z.filter("RICHTIG - Der Position von \"Nord\" wird der richtige Beschriftungstext zugeordnet").size(), 1);
}

TEST(Lueckentext, ProtocolLinesOfAllModes)
{
    for (int modus = 0; modus < 3; ++modus) {
        UebTest t;
        t.dok.Dok = BildDok({"Wort", "Satz"}, 1);
        t.ui.werte.AbfrageModus = modus;
        t.ui.werte.Zuordnungsziele = 0;
        t.ui.werte.Zuordnungstexte = 0;
        ASSERT_TRUE(t.ueb.UebungStarten({}));
        // Texts alphabetical (Satz first), targets by position (Wort first).
        t.Ziehen("Satz", t.ObjektMit("Wort"));
        t.AllesRichtig();
        const QString a = t.ueb.Lauf.ProtokollAblauf;
        if (modus == 0) {
            EXPECT_TRUE(a.contains("FALSCH - Lückentext \"Satz\" wird der Lücke von \"Wort\" zugeordnet"));
            EXPECT_TRUE(a.contains("RICHTIG - Lückentext \"Satz\" wird der richtigen Lücke zugeordnet"));
        } else if (modus == 1) {
            EXPECT_TRUE(a.contains("Lückentext \"Satz\" soll der richtigen Lücke zugeordnet werden"));
            EXPECT_TRUE(a.contains("RICHTIG - Lückentext \"Wort\" wird richtig zugeordnet"));
        } else {
            EXPECT_TRUE(a.contains("Der Lücke \"Wort\" soll der richtige Lückentext zugeordnet werden"));
            EXPECT_TRUE(a.contains("FALSCH - Der Lücke \"Wort\" wird der Lückentext \"Satz\" zugeordnet"));
            EXPECT_TRUE(a.contains("RICHTIG - Der Lücke \"Wort\" wird der richtige Lückentext zugeordnet"));
        }
        EXPECT_EQ(t.ui.ergebnisse, 1) << modus;
    }
}

TEST(Bildbeschriftung, DeferredFeedbackHidesFiguresAndRevealsAtTheEnd)
{
    UebTest t;
    t.dok.Dok = BildDok({"Nord", "Süd", "Ost"});
    ASSERT_TRUE(t.ueb.UebungStarten({}));
    t.ueb.Opt.RiFaRueckmeldung = 1; // as received with a network exercise
    const int nord = t.ObjektMit("Nord"), sued = t.ObjektMit("Süd"), ost = t.ObjektMit("Ost");
    t.Ziehen("Nord", sued);
    EXPECT_EQ(t.FeldMit("Nord"), -1);
    EXPECT_EQ(t.dok.Dok.Objekte[sued].Abdeckung, AbdeckungsArt::Unbewertet);
    EXPECT_EQ(t.ui.status.RichtigLab, "?");
    EXPECT_EQ(t.ui.status.QuoteLab, "?");
    EXPECT_EQ(t.ui.status.OffenLab, "3"); // keeps its last value
    t.Ziehen("Süd", nord);
    t.Ziehen("Ost", ost);
    EXPECT_EQ(t.ui.ergebnisse, 1);
    EXPECT_EQ(t.dok.Dok.Objekte[sued].Abdeckung, AbdeckungsArt::Aufgegeben);
    EXPECT_EQ(t.dok.Dok.Objekte[nord].Abdeckung, AbdeckungsArt::Aufgegeben);
    EXPECT_EQ(t.dok.Dok.Objekte[ost].Abdeckung, AbdeckungsArt::Aufgedeckt);
    EXPECT_EQ(t.ui.status.RichtigLab, "1");
    EXPECT_EQ(t.ui.status.FalschLab, "2");
}

TEST(Bildbeschriftung, WrongPanelStaysRedWhileItSlidesBack)
{
    UebTest t;
    t.dok.Dok = BildDok({"Nord", "Süd"});
    t.ui.werte.AbfrageModus = 0;
    ASSERT_TRUE(t.ueb.UebungStarten({}));
    const int feld = t.FeldMit("Nord");
    const QPoint ursprung = t.ueb.Felder().at(feld).Rahmen.topLeft();
    t.ui.verlauf.clear();
    t.Ziehen("Nord", t.ObjektMit("Süd"));
    // The updates of this panel after it was dropped: red first, then the
    // slide (every step still red), its own colour only at the origin.
    std::vector<Antwortfeld> v;
    bool rot = false;
    for (const Antwortfeld &f : t.ui.verlauf)
        if (f.Index == feld && (rot || f.Farbe == Antwortfeld::FalschFarbe())) {
            rot = true;
            v.push_back(f);
        }
    ASSERT_GE(v.size(), 5u);
    int schritte = 0;
    for (std::size_t i = 0; i + 1 < v.size(); ++i) {
        EXPECT_EQ(v[i].Farbe, Antwortfeld::FalschFarbe()) << i;
        if (i > 0 && v[i].Rahmen.topLeft() != v[i - 1].Rahmen.topLeft())
            ++schritte;
    }
    EXPECT_GT(schritte, 3);
    EXPECT_EQ(v.back().Farbe, Antwortfeld::Grundfarbe());
    EXPECT_EQ(v.back().Rahmen.topLeft(), ursprung);
    EXPECT_EQ(t.ui.felder.at(feld).Farbe, Antwortfeld::Grundfarbe());
}

TEST(DropZiel, LeftEdgeMidpointFirstThenAnyOverlap)
{
    UebTest t;
    t.dok.Dok = BildDok({"Nord", "Süd"});
    ASSERT_TRUE(t.ueb.UebungStarten({}));
    const int nord = t.ObjektMit("Nord"), sued = t.ObjektMit("Süd");
    // Nord box: x 60..108, y 32..48; Süd box: x 60..108, y 72..88.
    // Midpoint of the left edge inside Süd, rectangle overlapping Nord too:
    // pass 1 wins although Nord comes first in the document.
    EXPECT_EQ(t.ueb.DropZielSuchen(QRect(70, 40, 150, 70)), sued);
    // Midpoint outside every label, rectangle overlapping Nord only.
    EXPECT_EQ(t.ueb.DropZielSuchen(QRect(100, 0, 150, 40)), nord);
    // The left edge of a box is inside.
    EXPECT_EQ(t.ueb.DropZielSuchen(QRect(60, 17, 150, 46)), nord);
    // Nothing there.
    EXPECT_EQ(t.ueb.DropZielSuchen(QRect(400, 300, 150, 46)), -1);
}

TEST(DropZiel, SecondPassTakesTheTargetCoveredMost)
{
    // Lines 20 px apart, as in a cloze text; a 46 px panel dropped centred on
    // the lower gap also reaches into the upper one. Same for labels.
    for (int typ : {1, 0}) {
        UebTest t;
        t.dok.Dok = BildDok({"oben", "unten", "ganz unten"}, typ);
        const int oben = t.ObjektMit("oben"), unten = t.ObjektMit("unten"), tief = t.ObjektMit("ganz unten");
        t.dok.Dok.Objekte[oben].Ky = 0.30;  // box y 112..128
        t.dok.Dok.Objekte[unten].Ky = 0.35; // box y 132..148
        t.dok.Dok.Objekte[tief].Ky = 0.40;  // box y 152..168
        ASSERT_TRUE(t.ueb.UebungStarten({}));
        // Left edge at x 50, left of every box: pass 1 finds nothing.
        EXPECT_EQ(t.ueb.DropZielSuchen(QRect(50, 140 - 23, 150, 46)), unten) << typ;
        // Centred on the lowest gap: it wins over the middle one.
        EXPECT_EQ(t.ueb.DropZielSuchen(QRect(50, 160 - 23, 150, 46)), tief) << typ;
        // Equal overlap with the upper two (y 120..140): document order.
        EXPECT_EQ(t.ueb.DropZielSuchen(QRect(50, 120, 150, 20)), oben) << typ;
        // Covering the middle and lowest gap alike; once the middle one is
        // solved it is no candidate any more.
        EXPECT_EQ(t.ueb.DropZielSuchen(QRect(50, 130, 150, 46)), unten) << typ;
        t.Ziehen("unten", unten);
        EXPECT_EQ(t.ueb.DropZielSuchen(QRect(50, 130, 150, 46)), tief) << typ;
    }
}

TEST(Ziehen, PanelStaysInsideAndFrameMarksTheTarget)
{
    UebTest t;
    t.dok.Dok = BildDok({"Nord", "Süd"});
    ASSERT_TRUE(t.ueb.UebungStarten({}));
    const int i = t.FeldMit("Nord");
    const QRect r = t.ueb.Felder().at(i).Rahmen;
    const QPoint griff = r.topLeft() + QPoint(10, 10);
    t.ueb.FeldGedrueckt(i, griff);
    t.ueb.FeldBewegt(i, QPoint(5000, 5000));
    EXPECT_EQ(t.ueb.Felder().at(i).Rahmen, QRect(900 - 150, 560 - 46, 150, 46));
    t.ueb.FeldBewegt(i, QPoint(-5000, -5000));
    EXPECT_EQ(t.ueb.Felder().at(i).Rahmen.topLeft(), QPoint(0, 0));
    // The grab point follows the correction, so a small step back moves the
    // panel at once by that step.
    EXPECT_EQ(t.ueb.Lauf.Griffpunkt, QPoint(10, 10));
    t.ueb.FeldBewegt(i, QPoint(15, 12));
    EXPECT_EQ(t.ueb.Felder().at(i).Rahmen.topLeft(), QPoint(5, 2));
    const int sued = t.ObjektMit("Süd");
    const DokObjekt &o = t.dok.Dok.Objekte[sued];
    const QPoint linksMitte(int(o.Rahmen.Left * 600) + 2, int(o.Ky * 400));
    const QRect jetzt = t.ueb.Felder().at(i).Rahmen;
    t.ueb.FeldBewegt(i, t.ueb.Lauf.Griffpunkt + (linksMitte - QPoint(0, 23) - jetzt.topLeft()));
    EXPECT_EQ(t.ueb.Lauf.AktZiel, sued);
    EXPECT_TRUE(t.ui.ankerSichtbar);
    EXPECT_EQ(t.ui.anker, QRect(QPoint(60 - 4, 72 - 4), QPoint(108 - 1 + 4, 88 - 1 + 4)));
}

TEST(OhneZiehen, ClickPicksUpAndClickOnTargetJudgesLikeADrop)
{
    UebTest t;
    t.dok.Dok = BildDok({"Nord", "Süd"});
    t.ui.werte.AbfrageModus = 2;
    t.ui.werte.Zuordnungsziele = 0; // Nord is the marked position
    ASSERT_TRUE(t.ueb.UebungStarten({}));
    const int nord = t.ObjektMit("Nord"), sued = t.ObjektMit("Süd");
    const int i = t.FeldMit("Süd");
    const QPoint ort = t.ueb.Felder().at(i).Rahmen.topLeft();
    t.ueb.FeldAnklicken(i);
    EXPECT_EQ(t.ueb.MarkiertesFeld(), i);
    EXPECT_TRUE(t.ui.felder.at(i).Markiert);
    // Only the marked position takes it; a second click puts it back.
    EXPECT_FALSE(t.ueb.ZielAnklicken(sued));
    t.ueb.FeldAnklicken(i);
    EXPECT_EQ(t.ueb.MarkiertesFeld(), -1);
    t.ueb.FeldAnklicken(i);
    EXPECT_TRUE(t.ueb.ZielAnklicken(nord));
    EXPECT_EQ(t.ueb.Lauf.AnzFalsch, 1);
    EXPECT_EQ(t.dok.Dok.Objekte[nord].FehlerAlsZiel, 1);
    EXPECT_EQ(t.ueb.Felder().at(i).Rahmen.topLeft(), ort);
    EXPECT_FALSE(t.ui.felder.at(i).Markiert);
    EXPECT_TRUE(t.AblaufZeilen().contains(
        "00:00 - FALSCH - Der Position von \"Nord\" wird der Beschriftungstext \"Süd\" zugeordnet"));
}

TEST(Antwortfelder, ManyTextsFanOutInOverlappingColumns)
{
    UebTest t;
    QStringList texte;
    for (int i = 0; i < 25; ++i)
        texte << QString("T%1").arg(i, 2, 10, QChar('0'));
    t.dok.Dok = BildDok(texte);
    ASSERT_TRUE(t.ueb.UebungStarten({}));
    const auto &f = t.ueb.Felder();
    // Created from the last index down; ten fit above top 35 in a column,
    // each further column 36 px to the left so the cards below stay tappable.
    EXPECT_EQ(f.at(24).Rahmen.topLeft(), QPoint(750, 514));
    EXPECT_EQ(f.at(15).Rahmen.topLeft(), QPoint(750, 514 - 9 * 48));
    EXPECT_EQ(f.at(14).Rahmen.topLeft(), QPoint(714, 507));
    EXPECT_EQ(f.at(4).Rahmen.topLeft(), QPoint(678, 500));
    EXPECT_EQ(f.at(0).Rahmen.topLeft(), QPoint(678, 500 - 4 * 48));
    EXPECT_EQ(t.ueb.BildBreite(), 673);
    for (const auto &[i, a] : f)
        EXPECT_EQ(a.Name(), QString("UebElemPan%1").arg(i));
}

TEST(Bildbeschriftung, TwinLabelsInSingleQueryModeStayAnswerable)
{
    // Two labels with one text: either text fits either label. When the
    // first text solves the second label, the second text must still come
    // for the first label, and the run ends with nothing open.
    UebTest t;
    t.dok.Dok = BildDok({"Fluss", "Fluss", "Berg"});
    t.ui.werte.AbfrageModus = 1;
    t.ui.werte.Zuordnungstexte = 0; // Berg, Fluss (first), Fluss (second)
    ASSERT_TRUE(t.ueb.UebungStarten({}));
    const int fluss1 = 1, fluss2 = 2;
    t.Ziehen("Berg", t.ObjektMit("Berg"));
    ASSERT_EQ(t.Sichtbare(), QStringList{"Fluss"});
    t.Ziehen("Fluss", fluss2);
    EXPECT_EQ(t.dok.Dok.Objekte[fluss2].Abdeckung, 0);
    ASSERT_EQ(t.Sichtbare(), QStringList{"Fluss"});
    EXPECT_EQ(t.ui.ergebnisse, 0);
    t.Ziehen("Fluss", fluss1);
    EXPECT_EQ(t.ui.ergebnisse, 1);
    EXPECT_EQ(t.ueb.Lauf.AnzRichtig, 3);
    EXPECT_EQ(t.ueb.Lauf.AnzOffen, 0);
}

namespace {
// Whether a square a finger covers (34 px at 96 dpi) fits into the part of
// a card nothing lies on. Pushed left and up until it meets an edge, such a
// square starts at the left and top edge of one of the region's boxes.
bool FingerPasst(const QRegion &frei)
{
    constexpr int finger = 34;
    for (const QRect &a : frei)
        for (const QRect &b : frei)
            if (QRegion(a.left(), b.top(), finger, finger).subtracted(frei).isEmpty())
                return true;
    return false;
}
} // namespace

// A deck too tall for the panel wraps into further columns lying on the
// cards before them; every card keeps a part that a tap can hit, before
// and after answers re-lay the deck.
TEST(Bildbeschriftung, EveryCardOfAWrappedDeckKeepsAPartAFingerCanHit)
{
    for (int anzahl : {12, 23, 40})
        for (int typ : {0, 1}) {
            UebTest t;
            QStringList texte;
            for (int i = 0; i < anzahl; ++i)
                texte << QStringLiteral("Text %1").arg(i);
            t.dok.Dok = BildDok(texte, typ);
            ASSERT_TRUE(t.ueb.UebungStarten({}));
            for (int runde = 0; runde < 2; ++runde) {
                // Cards with lower indexes lie on top.
                int gezeigt = 0;
                for (const auto &[i, f] : t.ui.felder) {
                    if (!f.Sichtbar)
                        continue;
                    ++gezeigt;
                    QRegion frei(f.Rahmen);
                    for (const auto &[j, g] : t.ui.felder)
                        if (j < i && g.Sichtbar)
                            frei -= g.Rahmen;
                    EXPECT_TRUE(FingerPasst(frei)) << anzahl << " Karten, Typ " << typ << ", Karte " << i;
                    EXPECT_TRUE(QRect(QPoint(0, 0), t.ui.pan).contains(f.Rahmen)) << i;
                }
                EXPECT_EQ(gezeigt, anzahl - runde * 5);
                for (int k = 0; runde == 0 && k < 5; ++k)
                    t.Ziehen(texte[k], t.ObjektMit(texte[k]));
            }
        }
}
