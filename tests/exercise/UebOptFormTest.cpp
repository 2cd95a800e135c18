// Tests of the option dialogs and the protocol window.
#include "RadioGruppe.h"
#include "TProtKomForm.h"
#include "TUebOptForm.h"
#include "TUebOptFragenForm.h"
#include "TUebProtokollForm.h"
#include "ZahlEdit.h"

#include "TestDienste.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTextBlock>
#include <QTextEdit>
#include <QTimer>

#include <gtest/gtest.h>

#include <limits>

static QApplication *App()
{
    static int argc = 1;
    static char name[] = "test";
    static char *argv[] = {name, nullptr};
    static QApplication *app = new QApplication(argc, argv);
    return app;
}

TEST(TUebOptForm, DefaultsHeightsAndExtendedGroups)
{
    App();
    TUebOptForm f;
    EXPECT_EQ(f.windowTitle(), "Übungsoptionen für Bildbeschriftung und Lückentext");
    EXPECT_EQ(f.height(), 276);
    UebOptWerte w;
    w.ZLimitMin = "x";
    f.WerteHolen(w);
    EXPECT_EQ(w.AbfrageModus, 0);
    EXPECT_EQ(w.ZeitLimit, 0);
    EXPECT_EQ(w.ZLimitMin, "3");
    EXPECT_EQ(w.ZLimitSek, "0");
    EXPECT_EQ(w.Zuordnungstexte, 1);
    EXPECT_EQ(w.Zuordnungsziele, 1);
    // Both fresh windows together hold exactly the default values, which
    // the quiz hands out without making them.
    TUebOptFragenForm g(&f);
    UebOptWerte beide;
    beide.AbfrageModus = 2;
    beide.FragenZLimitSek = "7";
    f.WerteHolen(beide);
    g.WerteHolen(beide);
    EXPECT_EQ(beide, UebOptWerte());
    EXPECT_TRUE(f.UebOptZeigenCheck->isChecked());
    EXPECT_TRUE(f.ZuordnungRichtig->isHidden());
    f.ErwBtnClick();
    EXPECT_EQ(f.height(), 514);
    EXPECT_EQ(f.ErwBtn->text(), "Reduziert...");
    EXPECT_FALSE(f.ZuordnungRichtig->isHidden());
    EXPECT_FALSE(f.Zuordnungsziele->isHidden());
    f.ErwBtnClick();
    EXPECT_EQ(f.height(), 276);
    EXPECT_EQ(f.ErwBtn->text(), "Erweitert...");
}

TEST(TUebOptForm, EditsTakeTwoCharactersAndSelectTheTimeLimit)
{
    App();
    TUebOptForm f;
    EXPECT_EQ(f.ZLimitMin->maxLength(), 2);
    f.ZLimitSek->setFocus();
    f.ZLimitSek->clear();
    f.ZLimitSek->insert("75"); // insert raises textEdited like typing
    EXPECT_EQ(f.Zeitlimit->ItemIndex(), 1);
    QFocusEvent raus(QEvent::FocusOut);
    QApplication::sendEvent(f.ZLimitSek, &raus);
    EXPECT_EQ(f.ZLimitSek->text(), "59");
}

TEST(TUebOptForm, DeferredFeedbackForcesRedCrossAndDisablesIt)
{
    App();
    TUebOptForm f;
    f.RiFaRueckmeldung->setItemIndex(1);
    f.RiFaRueckmeldung->Knopf(1)->click();
    EXPECT_EQ(f.ZuordnungFalsch->ItemIndex(), 1);
    EXPECT_FALSE(f.ZuordnungFalsch->isEnabled());
    EXPECT_FALSE(f.ZuordnungFalschLab->isEnabled());
    f.RiFaRueckmeldung->Knopf(0)->click();
    EXPECT_TRUE(f.ZuordnungFalsch->isEnabled());
}

TEST(TUebOptForm, NetworkCaptionAndPanelUntilClosed)
{
    App();
    TUebOptForm f;
    TUebOptFragenForm g(&f);
    f.NetzwerkModus(true);
    EXPECT_EQ(f.windowTitle(), "Netzwerk-Übungsoptionen für Bildbeschriftung und Lückentext");
    EXPECT_FALSE(f.NetzUebInitPan->isHidden());
    EXPECT_EQ(static_cast<QLabel *>(f.NetzUebInitPan)->text(), NetzUebInitText());
    f.reject();
    EXPECT_EQ(f.windowTitle(), "Übungsoptionen für Bildbeschriftung und Lückentext");
    EXPECT_TRUE(f.NetzUebInitPan->isHidden());
    g.NetzwerkModus(true);
    EXPECT_EQ(g.windowTitle(), "Netzwerk-Übungsoptionen für Einzelfragen");
}

TEST(TUebOptForm, NetworkPanelCoversNoOption)
{
    App();
    TUebOptForm f;
    TUebOptFragenForm g(&f);
    for (bool erweitert : {false, true}) {
        if (f.Erweitert() != erweitert)
            f.ErwBtn->click();
        const int hoehe = f.height();
        f.NetzwerkModus(true);
        const QRect pan = f.NetzUebInitPan->geometry();
        for (QWidget *w : f.findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
            if (w != f.NetzUebInitPan && !w->isHidden()) {
                EXPECT_FALSE(pan.intersects(w->geometry())) << w->objectName().toStdString() << erweitert;
            }
        EXPECT_LE(pan.bottom(), f.height());
        f.reject();
        EXPECT_EQ(f.height(), hoehe);
    }
    const int hoehe = g.height();
    g.NetzwerkModus(true);
    const QRect pan = g.NetzUebInitPan->geometry();
    for (QWidget *w : g.findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        if (w != g.NetzUebInitPan && !w->isHidden()) {
            EXPECT_FALSE(pan.intersects(w->geometry())) << w->objectName().toStdString();
        }
    g.reject();
    EXPECT_EQ(g.height(), hoehe);
}

// Every button of both option windows, in every form they take, is big
// enough for a finger, lies inside the window and covers nothing.
TEST(TUebOptForm, ButtonsCanBeTappedInEveryForm)
{
    App();
    TUebOptForm f;
    TUebOptFragenForm g(&f);
    const auto pruefen = [](QDialog &d, const std::string &wie) {
        const QList<QWidget *> teile = d.findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
        for (QPushButton *k : d.findChildren<QPushButton *>(Qt::FindDirectChildrenOnly)) {
            if (k->isHidden())
                continue;
            const std::string name = wie + " " + k->objectName().toStdString();
            EXPECT_GE(k->height(), 34) << name;
            EXPECT_GE(k->width(), 34) << name;
            EXPECT_TRUE(d.rect().contains(k->geometry())) << name;
            for (QWidget *w : teile)
                if (w != k && !w->isHidden()) {
                    EXPECT_FALSE(k->geometry().intersects(w->geometry()))
                        << name << " / " << w->objectName().toStdString();
                }
        }
    };
    for (bool netz : {false, true}) {
        for (bool erweitert : {false, true}) {
            if (f.Erweitert() != erweitert)
                f.ErwBtn->click();
            f.NetzwerkModus(netz);
            pruefen(f, "Bild" + std::string(netz ? " Netz" : "") + (erweitert ? " erweitert" : ""));
        }
        g.NetzwerkModus(netz);
        pruefen(g, std::string("Fragen") + (netz ? " Netz" : ""));
    }
}

TEST(TUebOptFragenForm, ShowBoxFollowsTheOtherDialogBothWays)
{
    App();
    TUebOptForm f;
    TUebOptFragenForm g(&f);
    f.UebOptZeigenCheck->setChecked(false);
    QTimer::singleShot(0, &g, [&] {
        EXPECT_FALSE(g.UebOptFragenZeigenCheck->isChecked());
        g.UebOptFragenZeigenCheck->setChecked(true);
        g.reject();
    });
    g.exec();
    EXPECT_TRUE(f.UebOptZeigenCheck->isChecked());
    UebOptWerte w;
    w.FragenZuordnungFalsch = 1;
    w.FragenZLimitSek = "45";
    w.FragenZuordnungsziele = 7; // damaged setting: default
    g.WerteSetzen(w);
    UebOptWerte z;
    g.WerteHolen(z);
    EXPECT_EQ(z.FragenZuordnungFalsch, 1);
    EXPECT_EQ(z.FragenZLimitSek, "45");
    EXPECT_EQ(z.FragenZuordnungsziele, 1);
}

TEST(TUebProtokollForm, TitlesBoldWithGapAndCommentsAppended)
{
    App();
    TestMeldungen m;
    TUebProtokollForm p(m);
    p.ProtokollDarstellen("<tit>Quiz-Protokoll\r\nTitel:\tStädte\r\n", true);
    QTextBlock b = p.RichEdit1->document()->firstBlock();
    EXPECT_EQ(b.text(), "Quiz-Protokoll");
    EXPECT_TRUE(b.charFormat().font().bold() || b.begin().fragment().charFormat().font().bold());
    b = b.next();
    EXPECT_EQ(b.text(), "");
    b = b.next();
    EXPECT_EQ(b.text(), "Titel:\tStädte");
    EXPECT_FALSE(b.begin().fragment().charFormat().font().bold());
    EXPECT_EQ(b.blockFormat().tabPositions().size(), 1);

    p.ProtokollDarstellen("\r\n<tit>Kommentar\r\nGut gemacht", false);
    EXPECT_TRUE(p.RichEdit1->toPlainText().endsWith("Titel:\tStädte\n\nKommentar\n\nGut gemacht"));
    EXPECT_TRUE(p.Rtf().contains("\\b Kommentar\\b0"));
    p.ProtokollDarstellen("<tit>Neu", true);
    EXPECT_EQ(p.RichEdit1->toPlainText(), "Neu\n");
    EXPECT_FALSE(p.Rtf().contains("Kommentar"));
}

// Every choice of both dialogs: a stored value the group offers comes back as it was, any other value
// (damaged settings) as the default; the dialogs show what UebOptWerte::Begrenzt gives.
TEST(UebOptWerte, DialogsShowTheBoundedValuesOfEveryChoice)
{
    App();
    TUebOptForm f;
    TUebOptFragenForm g(&f);
    const struct
    {
        int UebOptWerte::*feld;
        RadioGruppe *gruppe;
    } zeilen[] = {
        {&UebOptWerte::AbfrageModus, f.AbfrageModus},
        {&UebOptWerte::ZeitLimit, f.Zeitlimit},
        {&UebOptWerte::ZuordnungRichtig, f.ZuordnungRichtig},
        {&UebOptWerte::ZuordnungFalsch, f.ZuordnungFalsch},
        {&UebOptWerte::Zuordnungstexte, f.Zuordnungstexte},
        {&UebOptWerte::Zuordnungsziele, f.Zuordnungsziele},
        {&UebOptWerte::FragenZuordnungFalsch, g.ZuordnungFalsch},
        {&UebOptWerte::FragenZuordnungstexte, g.Zuordnungstexte},
        {&UebOptWerte::FragenZeitlimit, g.Zeitlimit},
        {&UebOptWerte::FragenZuordnungsziele, g.Zuordnungsziele},
    };
    for (const auto &z : zeilen) {
        int n = 0;
        while (z.gruppe->Knopf(n))
            ++n;
        ASSERT_GT(n, 1) << z.gruppe->objectName().toStdString();
        for (int wert : {-1, 0, n - 1, n, 1000, std::numeric_limits<int>::min()}) {
            UebOptWerte w;
            w.*z.feld = wert;
            f.WerteSetzen(w);
            g.WerteSetzen(w);
            UebOptWerte gezeigt;
            f.WerteHolen(gezeigt);
            g.WerteHolen(gezeigt);
            const int erwartet = wert >= 0 && wert < n ? wert : UebOptWerte().*z.feld;
            EXPECT_EQ(gezeigt.*z.feld, erwartet) << z.gruppe->objectName().toStdString() << " " << wert;
            EXPECT_EQ(w.Begrenzt().*z.feld, erwartet) << z.gruppe->objectName().toStdString() << " " << wert;
        }
    }
    UebOptWerte w;
    w.ZLimitMin = w.FragenZLimitSek = "12345";
    f.WerteSetzen(w);
    g.WerteSetzen(w);
    EXPECT_EQ(f.ZLimitMin->text(), "12");
    EXPECT_EQ(g.ZLimitSek->text(), "12");
    EXPECT_EQ(w.Begrenzt().ZLimitMin, "12");
}
