// Tests of the extended-functions switch and the learning view it shows.
#include "AnsichtAusgabeAnschluss.h"
#include "FensterTest.h"
#include "LernAnsichtAnschluss.h"
#include "LernKartBild.h"
#include "LernNavigationAnschluss.h"
#include "LernWerkzeugAnschluss.h"
#include "Ordner.h"
#include "Szene.h"
#include "TForm1.h"
#include "THoverPanel.h"
#include "TestDienste.h"
#include "TestDokumente.h"
#include "TestQuiz.h"

#include <QAction>
#include <QDir>
#include <QMenu>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {
// The program's window with the learning view, one topic in its folder,
// and the quiz start counted instead of run.
class Erweitert : public FensterTest
{
protected:
    LernKartBild *bild = nullptr;
    std::unique_ptr<TestQuiz> quiz;

    void SetUp() override
    {
        ProgrammOrdnerAnlegen(true);
        ASSERT_TRUE(SchreibeTestDokument(prog + "a.tvl", "Afrika"));
        FensterBauen();
        bild = LernAnsichtEinsetzen().bild;
        quiz = std::make_unique<TestQuiz>(*form);
        form->QuizAnschliessen(*quiz);
        form->show();
        form->ErsteAktivierung();
    }
    void Schalten(bool an) { form->ErweiterteFunktionenSetzen(an); }
    QStringList SichtbareTexte(const char *menue)
    {
        QStringList t;
        for (QAction *a : form->findChild<QMenu *>(menue)->actions())
            if (a->isVisible() && !a->isSeparator())
                t << a->text();
        return t;
    }
};
} // namespace

TEST_F(Erweitert, AusBleibtAllesWieInDieserAusgabe)
{
    EXPECT_TRUE(form->LernInfoPan->isHidden());
    EXPECT_TRUE(form->KlappPan->isHidden());
    EXPECT_FALSE(form->Menue.Lernansicht1->menuAction()->isVisible());
    form->MenueThemaClick(0);
    EXPECT_EQ(quiz->starts, 1); // choosing a topic starts the quiz at once
    EXPECT_TRUE(form->StartInfoPan->isVisible());
    EXPECT_EQ(form->LernKartPan->width(), form->LernPan->width());
    // The display under the start panel stays empty.
    EXPECT_EQ(QColor(szene->AnzeigeBild.pixel(5, 5)), Szene::SteuerFarbe);
    // Alt+W still folds and names the command, the tool bar stays hidden.
    form->Menue.Werkzeugleisteklappen1->trigger();
    EXPECT_EQ(form->LeisteOffen, 1);
    EXPECT_EQ(form->Menue.Werkzeugleisteklappen1->text(), "Werkzeugleiste zu&klappen");
    EXPECT_TRUE(form->LernInfoPan->isHidden());
}

TEST_F(Erweitert, AnZeigtLeisteUndLernansichtOhneQuizstart)
{
    Schalten(true);
    EXPECT_FALSE(form->LernInfoPan->isHidden());
    EXPECT_FALSE(form->KlappPan->isHidden());
    EXPECT_EQ(form->LernKartPan->width(), form->LernPan->width() - form->LernInfoPan->width());
    EXPECT_EQ(form->Menue.Werkzeugleisteklappen1->text(), "Werkzeugleiste zu&klappen");
    // No document yet: the start panel.
    EXPECT_TRUE(form->StartInfoPan->isVisible());

    form->MenueThemaClick(0);
    EXPECT_EQ(quiz->starts, 0);
    EXPECT_EQ(form->Zustand.Dok.Titel, "Afrika");
    EXPECT_FALSE(form->StartInfoPan->isVisible());
    EXPECT_TRUE(szene->LernansichtSichtbar);
    EXPECT_NE(QColor(szene->AnzeigeBild.pixel(szene->AnzeigeBild.width() / 2, 5)), Szene::SteuerFarbe);
    // "Quiz starten" starts it.
    form->UebungStart1Click();
    EXPECT_EQ(quiz->starts, 1);

    // The learning menu with its submenus and the view's file commands.
    EXPECT_TRUE(form->Menue.Lernansicht1->menuAction()->isVisible());
    EXPECT_TRUE(form->findChild<QMenu *>("Werkzeug1")->menuAction()->isVisible());
    EXPECT_TRUE(SichtbareTexte("Zoomstufe1").contains("1&50 %"));
    EXPECT_TRUE(SichtbareTexte("Werkzeug1").contains("Schlag&wörter einsetzen"));
    const QString datei = SichtbareTexte("Datei1").join('|');
    for (const char *t : {"&Exportieren...", "In &Zwischenablage kopieren", "&Drucken...", "D&ruckereinrichtung..."})
        EXPECT_TRUE(datei.contains(QString::fromUtf8(t))) << t;

    // Folded, the picture takes the whole width; Alt+W opens it again.
    form->KlappPan->clicked();
    EXPECT_TRUE(form->LernInfoPan->isHidden());
    EXPECT_EQ(form->LernKartPan->width(), form->LernPan->width());
    EXPECT_EQ(form->Menue.Werkzeugleisteklappen1->text(), "Werkzeugleiste auf&klappen");
    form->Menue.Werkzeugleisteklappen1->trigger();
    EXPECT_FALSE(form->LernInfoPan->isHidden());

    // In a quiz the tool bar gives way to the statistics.
    form->Zustand.AnsichtModus = AnsichtArt::Quiz;
    form->AktualisiereKnoepfe();
    EXPECT_TRUE(form->LernInfoPan->isHidden());
    form->ZeigeStartseite();
    EXPECT_FALSE(form->LernInfoPan->isHidden());

    // Switched off: the start panel covers the picture again.
    Schalten(false);
    EXPECT_TRUE(form->StartInfoPan->isVisible());
    EXPECT_TRUE(form->LernInfoPan->isHidden());
    EXPECT_FALSE(szene->LernansichtSichtbar);
    EXPECT_EQ(QColor(szene->AnzeigeBild.pixel(5, 5)), Szene::SteuerFarbe);
}

TEST_F(Erweitert, WerkzeugleisteEnthaeltAlleSteuerelemente)
{
    Schalten(true);
    for (const char *name :
         {"EbenenPan",        "AlleAbdeckenBtn", "AlleAufdeckenBtn", "NummerModeFragez", "NummerModeSort",
          "NummerModeZufall", "ZoomPan0",        "ZoomPan2",         "ZoomPan4",         "ScrollLiBtn",
          "ScrollReBtn",      "ScrollHoBtn",     "ScrollRuBtn",      "ZeigerBtn",        "HandBtn",
          "StiftBtn",         "MarkerBtn",       "Marker2Btn",       "RadierBtn",        "HaekchenBtn",
          "KreuzBtn",         "TexteingabeBtn",  "MarkEntfBtn",      "ExportBtn",        "ClipbordBtn",
          "DruckBtn"}) {
        auto *w = form->LernInfoPan->findChild<QWidget *>(name);
        ASSERT_NE(w, nullptr) << name;
        EXPECT_TRUE(w->isVisible()) << name;
        // Inside the bar and clear of the window's bottom at its minimum size.
        EXPECT_TRUE(form->LernInfoPan->rect().contains(w->geometry())) << name;
    }
    auto *k = form->LernInfoPan->findChild<THoverPanel *>("MarkerBtn");
    EXPECT_EQ(k->toolTip(), "gelber Marker, teiltransparent");
}
