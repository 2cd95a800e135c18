// Tests of the shortcuts of the hidden learning-view items.
#include "AnsichtAusgabeAnschluss.h"
#include "FensterTest.h"
#include "LernAnsichtAnschluss.h"
#include "LernKartBild.h"
#include "LernNavigationAnschluss.h"
#include "LernWerkzeugAnschluss.h"
#include "Ordner.h"
#include "Szene.h"
#include "TForm1.h"
#include "TestDienste.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QDir>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {
// The hidden items' shortcuts, pressed on the active window.
class AnsichtKuerzel : public FensterTest
{
protected:
    AnsichtAusgabeAnschluss *ausgabe = nullptr;
    Wahl *wahl = nullptr;

    void SetUp() override
    {
        Ordner().Ableiten(prog);
        FensterBauen();
        ausgabe = LernAnsichtEinsetzen(&wahl).ausgabe;
        form->show();
        QApplication::setActiveWindow(form.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
        QImage basis(870, 650, QImage::Format_RGB32);
        basis.fill(QColor(0, 128, 0));
        form->Zustand.Dok.BasisBild = basis;
        form->Zustand.Dok.DateiName = prog + "gruen.tvl"; // a document is shown
        form->AktualisiereKnoepfe();
        szene->SzeneAufbauen();
        u.meldungen.Leeren();
    }
    void Taste(Qt::Key k, Qt::KeyboardModifiers m) { QTest::keyClick(form.get(), k, m); }
};

// Closes the first modal dialog that opens and says whether one did.
struct DialogSchliesser
{
    bool gesehen = false;
    QTimer timer;
    DialogSchliesser()
    {
        timer.setInterval(20);
        QObject::connect(&timer, &QTimer::timeout, [this] {
            if (auto *d = qobject_cast<QDialog *>(QApplication::activeModalWidget())) {
                gesehen = true;
                d->reject();
            }
        });
        timer.start();
    }
};
} // namespace

TEST_F(AnsichtKuerzel, StrgEUndStrgZWirkenAuchVersteckt)
{
    wahl->pfad = tmp.filePath("kuerzel.bmp");
    Taste(Qt::Key_E, Qt::ControlModifier);
    EXPECT_TRUE(QFile::exists(wahl->pfad));
    EXPECT_TRUE(u.meldungen.Texte().isEmpty());

    QGuiApplication::clipboard()->clear();
    Taste(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->image().size(), szene->AnzeigeBild.size());

    Taste(Qt::Key_W, Qt::AltModifier);
    EXPECT_EQ(form->LeisteOffen, 1);
}

TEST_F(AnsichtKuerzel, StrgPDrucktNurMitErweitertenFunktionen)
{
    DialogSchliesser schliesser;
    Taste(Qt::Key_P, Qt::ControlModifier);
    QTest::qWait(60);
    EXPECT_FALSE(schliesser.gesehen); // this edition's command does nothing

    form->ErweiterteFunktionenSetzen(true);
    Taste(Qt::Key_P, Qt::ControlModifier);
    EXPECT_TRUE(schliesser.gesehen); // the print dialog, cancelled
    EXPECT_TRUE(u.meldungen.Texte().isEmpty());
}
