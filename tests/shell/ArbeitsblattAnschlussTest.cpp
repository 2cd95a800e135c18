// The worksheet window reached from the main window: Ctrl+A while the item
// is hidden, the item with the extended functions, the tool-bar button.
#include "ArbeitsblattAnschluss.h"
#include "FensterTest.h"
#include "LernAnsichtAnschluss.h"
#include "LernKartBild.h"
#include "Ordner.h"
#include "Szene.h"
#include "TArbeitsblattForm.h"
#include "TForm1.h"
#include "THoverPanel.h"
#include "TestDienste.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QMenu>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

class ArbeitsblattAnschlussTest : public FensterTest
{
protected:
    ArbeitsblattAnschluss *anschluss = nullptr;

    void SetUp() override
    {
        ProgrammOrdnerAnlegen(false);
        FensterBauen();
        auto *bild = LernbildEinsetzen();
        new LernAnsichtAnschluss(*form, *szene, *bild);
        anschluss = new ArbeitsblattAnschluss(*form, *szene);
        QImage basis(870, 650, QImage::Format_RGB32);
        basis.fill(Qt::white);
        form->Zustand.Dok.BasisBild = basis;
        form->Zustand.Dok.Titel = "Testblatt";
        DokObjekt o;
        o.Typ = ObjektTyp::Beschriftung;
        o.Kx = o.Sx = 0.5;
        o.Ky = o.Sy = 0.5;
        o.Cap = "Mast";
        o.Ebene = 1;
        form->Zustand.Dok.Objekte << o;
        form->show();
        QApplication::setActiveWindow(form.get());
    }

    // Runs an action that opens the worksheet window modally; records what
    // the open window shows and closes it.
    QStringList Oeffnen(const std::function<void()> &ausloesen)
    {
        QStringList texte;
        bool offen = false;
        QTimer::singleShot(0, form.get(), [&] {
            auto *w = qobject_cast<TArbeitsblattForm *>(QApplication::activeModalWidget());
            if (!w)
                return;
            offen = true;
            if (w->BlattMetafile)
                texte = w->BlattMetafile->Texte();
            w->OKBtn->click();
        });
        ausloesen();
        EXPECT_TRUE(offen);
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
        return texte;
    }
};

} // namespace

TEST_F(ArbeitsblattAnschlussTest, StrgAOeffnetDasArbeitsblattAuchBeiVerstecktemEintrag)
{
    ASSERT_NE(form->Menue.Arbeitsblatterstellen1, nullptr);
    EXPECT_FALSE(form->Menue.Datei1->menuAction()->isVisible());
    EXPECT_FALSE(anschluss->FensterErzeugt());
    const QStringList texte = Oeffnen([&] { QTest::keyClick(form.get(), Qt::Key_A, Qt::ControlModifier); });
    EXPECT_TRUE(anschluss->FensterErzeugt());
    EXPECT_TRUE(texte.contains("Testblatt"));
    EXPECT_TRUE(texte.contains("Name:"));
    // The labelling picture was composed for the sheet.
    EXPECT_FALSE(szene->HintergrundBild.isNull());
}

TEST_F(ArbeitsblattAnschlussTest, MitErweitertenFunktionenStehtDerEintragImDateimenue)
{
    form->ErweiterteFunktionenSetzen(true);
    QAction *zwilling = nullptr;
    for (QAction *a : form->Menue.Datei1->actions())
        if (a->isVisible() && a->text().startsWith("&Arbeitsblatt erstellen..."))
            zwilling = a;
    ASSERT_NE(zwilling, nullptr);
    EXPECT_EQ(zwilling->text(), "&Arbeitsblatt erstellen...\tCtrl+A");
    EXPECT_TRUE(Oeffnen([&] { zwilling->trigger(); }).contains("Testblatt"));
    form->ErweiterteFunktionenSetzen(false);
    EXPECT_FALSE(zwilling->isVisible());
}

TEST_F(ArbeitsblattAnschlussTest, WerkzeugknopfOeffnetDasArbeitsblatt)
{
    ASSERT_NE(anschluss->ABBtn, nullptr);
    EXPECT_EQ(anschluss->ABBtn->objectName(), "ABBtn");
    EXPECT_EQ(anschluss->ABBtn->parentWidget(), form->LernInfoPan);
    // The answer list names the label.
    EXPECT_TRUE(Oeffnen([&] { emit anschluss->ABBtn->clicked(); }).contains("Mast"));
}
