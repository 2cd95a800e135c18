// The classroom exercise in the main window: its hidden items and their
// shortcuts, the switch that shows them, the live view and the closing.
#include "BestListBefehle.h"
#include "DokumentLaden.h"
#include "ErgebnisSteuerung.h"
#include "FensterTest.h"
#include "NetzAnschluss.h"
#include "NetzUebung.h"
#include "Ordner.h"
#include "Szene.h"
#include "TForm1.h"
#include "THoverPanel.h"
#include "TKontrollForm.h"
#include "TestDienste.h"
#include "TestDokumente.h"
#include "UebungsAnschluss.h"
#include "UebungsSteuerung.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {
class NetzImFenster : public FensterTest
{
protected:
    std::unique_ptr<BestListBefehle> listen;
    NetzAnschluss *netz = nullptr;

    void SetUp() override
    {
        QDir().mkpath(prog + "kom");
        ProgrammOrdnerAnlegen(true);
        ASSERT_TRUE(StartbildAnlegen());
        FensterBauen();
        listen = std::make_unique<BestListBefehle>(form->dienste, form.get());
        auto *uebung = new UebungsAnschluss(*form, *szene, *listen);
        netz = new NetzAnschluss(*form, *uebung->Steuerung, *listen);
        netz->Netz->MasterMailslot.PortBasis = 30000 + int(QCoreApplication::applicationPid() % 30) * 1000;
        form->show();
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
        QCoreApplication::processEvents();
        ASSERT_FALSE(form->ErsteAktivierungOffen());
    }
    QAction *Zwilling(const char *name) { return form->findChild<QAction *>(QString::fromLatin1(name) + "Zwilling"); }
};
} // namespace

TEST_F(NetzImFenster, VersteckteBefehleMitKuerzelnUndSchalter)
{
    ASSERT_TRUE(u.meldungen.protokoll.empty()) << u.meldungen.Texte().join('|').toStdString();
    for (const char *n : {"Netzwerkuebunginitiieren1", "LehrerNetzwerkUebungbeenden1", "NetzwerkbungKontrollanzeige1",
                          "Netzwerkuebung1", "BestenlistezurNetzwerkuebung1", "Kommunikationsverzeichnis1"}) {
        ASSERT_NE(Zwilling(n), nullptr) << n;
        EXPECT_FALSE(Zwilling(n)->isVisible()) << n;
    }
    EXPECT_FALSE(form->Menue.Lehrer1->menuAction()->isVisible());

    // F8 without an exercise says so.
    QTest::keyClick(form.get(), Qt::Key_F8);
    ASSERT_EQ(u.meldungen.protokoll.size(), 1u);
    EXPECT_TRUE(u.meldungen.protokoll[0].text.startsWith("Zurzeit ist keine Netzwerk-Übung freigegeben."));
    // Ending when nothing was initiated.
    u.meldungen.Leeren();
    form->findChild<QAction *>("LehrerNetzwerkUebungbeenden1")->trigger();
    EXPECT_EQ(u.meldungen.Texte(), QStringList({"Es ist keine Netzwerk-Übung aktiv."}));
    // Alt+F9 shows the live view, not modal; it is made only now, with the
    // folder and channel in its header.
    EXPECT_FALSE(netz->FensterErzeugt());
    QTest::keyClick(form.get(), Qt::Key_F9, Qt::AltModifier);
    EXPECT_TRUE(netz->FensterErzeugt());
    EXPECT_TRUE(netz->KontrollForm().isVisible());
    EXPECT_TRUE(netz->KontrollForm().KopfLab->text().startsWith("Kommunikationsordner: " + Ordner().NetzKomOrdner))
        << netz->KontrollForm().KopfLab->text().toStdString();
    EXPECT_FALSE(netz->KontrollForm().isModal());
    netz->KontrollForm().close();

    // With the switch on, the teacher's menu and the items appear.
    form->ErweiterteFunktionenSetzen(true);
    EXPECT_TRUE(form->Menue.Lehrer1->menuAction()->isVisible());
    EXPECT_TRUE(Zwilling("Netzwerkuebunginitiieren1")->isVisible());
    EXPECT_EQ(Zwilling("Netzwerkuebung1")->text(), "An Netzwerk-Übung &teilnehmen...\tF8");
    EXPECT_TRUE(Zwilling("Kommunikationsverzeichnis1")->isVisible());
    u.meldungen.Leeren();
    Zwilling("Netzwerkuebung1")->trigger(); // the stand-in reaches the command
    EXPECT_EQ(u.meldungen.protokoll.size(), 1u);
    form->ErweiterteFunktionenSetzen(false);
    EXPECT_FALSE(form->Menue.Lehrer1->menuAction()->isVisible());
}

TEST_F(NetzImFenster, InitiierenUndSchliessenRaeumtAuf)
{
    ASSERT_TRUE(SchreibeTestDokument(prog + "a.tvl", "Europa"));
    ASSERT_TRUE(LadeDokument(form->Zustand, *form, u.meldungen, prog + "a.tvl", true));
    // The options window in network form, answered with "Übung starten".
    QTimer::singleShot(0, form.get(), [] {
        for (QWidget *w : QApplication::topLevelWidgets())
            if (auto *d = qobject_cast<QDialog *>(w); d && d->isVisible() && d->windowTitle().startsWith("Netzwerk-"))
                d->accept();
    });
    QTest::keyClick(form.get(), Qt::Key_F9);
    const QString basis = prog + "kom/TVL-1-tvlnetzuebung";
    EXPECT_TRUE(QFile::exists(basis + ".okx"));
    EXPECT_TRUE(QFile::exists(basis + ".dat"));
    EXPECT_EQ(netz->Netz->Kontrolle.rowCount(), 0);
    EXPECT_TRUE(netz->KontrollForm().isVisible());
    EXPECT_FALSE(form->UebungenBtn->Checked());
    // Folder and channel stay while the exercise runs: its files would be left behind.
    u.meldungen.Leeren();
    form->Menue.Kommunikationsverzeichnis1->trigger();
    EXPECT_EQ(u.meldungen.Texte(), QStringList({"Während einer Netzwerk-Übung können Kommunikationsordner und "
                                                "Kanal nicht geändert werden. Beenden Sie zuerst die "
                                                "Netzwerk-Übung."}));
    // Closing the window removes the exercise.
    EXPECT_TRUE(form->FormCloseQuery());
    EXPECT_FALSE(QFile::exists(basis + ".okx"));
    EXPECT_FALSE(QFile::exists(basis + ".tvl"));
    EXPECT_FALSE(netz->Netz->MasterMailslot.Active());
}
