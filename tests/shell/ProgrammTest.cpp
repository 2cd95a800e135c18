// The whole program assembled as it starts: every connection between the window and its parts is made.
#include "Ordner.h"
#include "Programm.h"
#include "TForm1.h"
#include "TestDienste.h"
#include "UebungsAnschluss.h"
#include "UebungsSteuerung.h"

#include <QAction>
#include <QDir>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {
struct Aufbau
{
    QTemporaryDir tmp;
    TestUmgebung u;
    std::unique_ptr<Programm> programm;

    Aufbau()
    {
        QDir().mkpath(tmp.path() + "/prog/data");
        Ordner().Ableiten(tmp.path() + "/prog/");
        programm = std::make_unique<Programm>(u.dienste, new QSettings(tmp.path() + "/p.conf", QSettings::IniFormat),
                                              QStringList());
    }
};
} // namespace

TEST(Programm, WindowIsJoinedToQuizAndLearningView)
{
    Aufbau a;
    TForm1 &f = a.programm->Form();
    EXPECT_TRUE(f.Angeschlossen());

    // The option values the window reads from the settings reach the quiz's
    // dialogs, and come back from there.
    Einstellungen e = f.EinstellungenHolen();
    e.UebOpt.AbfrageModus = 2;
    f.EinstellungenSetzen(e);
    EXPECT_EQ(a.programm->Uebung().Steuerung->OptWerteHolen().AbfrageModus, 2);
    EXPECT_EQ(f.EinstellungenHolen().UebOpt.AbfrageModus, 2);

    // The quiz reads the window's menu options when a run starts.
    f.Menue.Sound1->setChecked(false);
    EXPECT_FALSE(a.programm->Uebung().Steuerung->Fenster().TonausgabeAn());
}

TEST(Programm, MenuCommandsOfTheQuizReachIt)
{
    Aufbau a;
    TForm1 &f = a.programm->Form();
    // In a run the options item answers with the quiz's own message.
    a.u.meldungen.Leeren(); // the missing start picture was reported
    f.Zustand.AnsichtModus = AnsichtArt::Quiz;
    f.Menue.UebOpt1->trigger();
    ASSERT_EQ(a.u.meldungen.protokoll.size(), 1u);
    EXPECT_EQ(a.u.meldungen.protokoll[0].text,
              QString::fromUtf8("Die Übungsoptionen können nicht während der Übung geändert werden."));
    f.Zustand.AnsichtModus = AnsichtArt::Startseite;
}
