// The card box and progress items in the assembled program: their place in
// the menu, the status line, and the quiz over missed questions.
#include "Einzelfragen.h"
#include "Lernstand.h"
#include "LernstandAnschluss.h"
#include "ModalHilfe.h"
#include "Ordner.h"
#include "Programm.h"
#include "TForm1.h"
#include "TestDienste.h"
#include "UebungsAnschluss.h"
#include "UebungsSteuerung.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QSettings>
#include <QStatusBar>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {
struct LernAufbau
{
    QTemporaryDir tmp;
    TestUmgebung u;
    std::unique_ptr<Programm> programm;

    LernAufbau()
    {
        QDir().mkpath(tmp.path() + "/prog/data");
        Ordner().Ableiten(tmp.path() + "/prog/");
        programm = std::make_unique<Programm>(u.dienste, new QSettings(tmp.path() + "/p.conf", QSettings::IniFormat),
                                              QStringList());
        u.meldungen.Leeren();
    }
    TForm1 &F() { return programm->Form(); }
    LernstandAnschluss &L() { return *F().findChild<LernstandAnschluss *>(); }
};

TEST(LernstandAnschluss, ItemsSitAtTheEndOfTheActionMenuWithTheSwitchOff)
{
    LernAufbau a;
    ASSERT_FALSE(a.F().ErweiterteFunktionen());
    QStringList namen;
    for (QAction *e : a.F().Menue.Uebung1->actions())
        if (e->isVisible())
            namen << (e->isSeparator() ? QString("-") : e->objectName());
    ASSERT_GE(namen.size(), 5);
    EXPECT_EQ(namen.mid(namen.size() - 5), (QStringList{"Lernkarte1", "Lernkartei1", "Lernverlauf1", "-", "Beenden1"}));
    EXPECT_EQ(a.L().Lernkartei1->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_K));
    EXPECT_FALSE(a.L().Lernverlauf1->shortcut().isEmpty());
}

TEST(LernstandAnschluss, DamagedStoreIsToldOnceInTheStatusLine)
{
    const QString pfad = Lernstand::StandardPfad();
    QDir().mkpath(QFileInfo(pfad).absolutePath());
    {
        QFile f(pfad);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(QByteArray(4096, 'x'));
    }
    LernAufbau a;
    NaechstesModalesFenster([](QWidget *) {});
    a.L().Lernverlauf1->trigger();
    EXPECT_TRUE(a.F().statusBar()->currentMessage().contains("beschädigt"));
    a.F().statusBar()->clearMessage();
    NaechstesModalesFenster([](QWidget *) {});
    a.L().Lernverlauf1->trigger();
    EXPECT_TRUE(a.F().statusBar()->currentMessage().isEmpty());
    EXPECT_TRUE(a.u.meldungen.Texte().isEmpty());
    QFile::remove(pfad);
}

TEST(LernstandAnschluss, CardBoxWaitsForTheRunningQuiz)
{
    LernAufbau a;
    a.F().Zustand.AnsichtModus = AnsichtArt::Quiz;
    a.L().Lernkartei1->trigger();
    EXPECT_EQ(a.u.meldungen.Texte(), QStringList{"Die Lernkartei kann erst nach dem laufenden Quiz geöffnet werden."});
    a.F().Zustand.AnsichtModus = AnsichtArt::Startseite;
}

TEST(LernstandAnschluss, PracticingMistakesStartsAnOrdinaryRunOverThem)
{
    LernAufbau a;
    Dokument d;
    d.Titel = "Flaggen";
    d.Fragentext = "A? // Aa\r\nB? // Bb\r\nC? // Cc";
    EinzelfragenAufbauen(d);
    a.F().Zustand.Dok = d;
    a.F().Menue.OptNameEingabe1->setChecked(false);
    // The options window comes first, as before every own run.
    NaechstesModalesFenster([](QWidget *w) { static_cast<QDialog *>(w)->accept(); });
    ASSERT_TRUE(a.L().FehlerUeben({"Bb", "Cc", "Zz"}));
    const Uebung &e = a.programm->Uebung().Steuerung->Engine;
    EXPECT_EQ(e.Lauf.AnzFragen, 2);
    EXPECT_EQ(e.Lauf.AnzGesamt, 3);
    EXPECT_EQ(e.Umfang, UmfangArt::Zufallsauswahl);
    a.programm->Uebung().Steuerung->UebungVerlassen();
    EXPECT_FALSE(a.L().FehlerUeben({"Zz"}));
}
} // namespace
