// Tests of the learning view's zoom, scrolling, tools, export and printing.
#include "AnsichtAusgabeAnschluss.h"
#include "Dateifehler.h"
#include "FensterTest.h"
#include "LernAnsichtAnschluss.h"
#include "LernKartBild.h"
#include "LernLeiste.h"
#include "LernNavigationAnschluss.h"
#include "LernWerkzeugAnschluss.h"
#include "Ordner.h"
#include "Szene.h"
#include "TForm1.h"
#include "THoverPanel.h"
#include "TestDienste.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPrinter>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {
// The main window with the learning view's wiring as the program builds
// it, showing the picture of a white page with a black bar.
class LernWerkzeuge : public FensterTest
{
protected:
    LernKartBild *bild = nullptr;
    LernNavigationAnschluss *navigation = nullptr;
    LernWerkzeugAnschluss *werkzeuge = nullptr;
    AnsichtAusgabeAnschluss *ausgabe = nullptr;
    Wahl *wahl = nullptr;

    void SetUp() override
    {
        ProgrammOrdnerAnlegen(false);
        FensterBauen();
        const LernAnsichtTeile t = LernAnsichtEinsetzen(&wahl);
        bild = t.bild;
        navigation = t.navigation;
        werkzeuge = t.werkzeuge;
        ausgabe = t.ausgabe;
        form->show();
        form->Zustand.Dok.DateiName = prog + "balken.tvl"; // a document is shown
        form->AktualisiereKnoepfe();
        bild->resize(870, 650);
        QImage basis(870, 650, QImage::Format_RGB32);
        basis.fill(Qt::white);
        QPainter(&basis).fillRect(0, 100, 870, 100, Qt::black);
        form->Zustand.Dok.BasisBild = basis;
        form->StartInfoPan->hide();
        szene->LernansichtSichtbar = true;
        szene->SzeneAufbauen();
        u.meldungen.Leeren(); // the missing start picture was reported
    }

    QColor Pixel(int x, int y) const { return QColor(szene->AnzeigeBild.pixel(x, y)); }
    void Maus(QEvent::Type typ, QPoint pos, Qt::MouseButton knopf, Qt::MouseButtons knoepfe)
    {
        QMouseEvent e(typ, pos, bild->mapToGlobal(pos), knopf, knoepfe, Qt::NoModifier);
        QApplication::sendEvent(bild, &e);
    }
    void Ziehen(QPoint a, QPoint b, Qt::MouseButton knopf = Qt::LeftButton)
    {
        Maus(QEvent::MouseMove, a, Qt::NoButton, Qt::NoButton);
        Maus(QEvent::MouseButtonPress, a, knopf, knopf);
        Maus(QEvent::MouseMove, (a + b) / 2, Qt::NoButton, knopf);
        Maus(QEvent::MouseMove, b, Qt::NoButton, knopf);
        Maus(QEvent::MouseButtonRelease, b, knopf, Qt::NoButton);
    }
    bool Taste(int key, Qt::KeyboardModifiers mod) { return form->FormKeyDown(key, int(mod)); }
};
} // namespace

TEST_F(LernWerkzeuge, ZoomKnoepfeMenuepunkteUndTastenGehenGleich)
{
    EXPECT_TRUE(navigation->ZoomPan0->Checked());
    EXPECT_TRUE(navigation->Zoomstufe100->isChecked());
    navigation->ZoomPan4->clicked();
    EXPECT_EQ(szene->ZoomIndex, 4);
    EXPECT_EQ(szene->SzenenBild.width(), 1740);
    EXPECT_TRUE(navigation->ZoomPan4->Checked());
    EXPECT_FALSE(navigation->ZoomPan0->Checked());
    EXPECT_TRUE(navigation->Zoomstufe200->isChecked());

    navigation->Zoomstufe150->trigger();
    EXPECT_EQ(szene->ZoomIndex, 2);
    EXPECT_TRUE(navigation->ZoomPan2->Checked());

    // Ctrl + keypad minus / plus, consumed by the window.
    EXPECT_TRUE(Taste(Qt::Key_Minus, Qt::ControlModifier | Qt::KeypadModifier));
    EXPECT_EQ(szene->ZoomIndex, 0);
    EXPECT_TRUE(Taste(Qt::Key_Plus, Qt::ControlModifier | Qt::KeypadModifier));
    EXPECT_EQ(szene->ZoomIndex, 2);
    EXPECT_TRUE(navigation->Zoomstufe150->isChecked());
    // The quiz's reset to 100 % shows on the controls as well.
    szene->ZoomSetzen(0);
    EXPECT_TRUE(navigation->ZoomPan0->Checked());
}

TEST_F(LernWerkzeuge, StrgPfeileUndKnoepfeScrollen)
{
    navigation->ZoomPan4->clicked();
    const double links = szene->Ausschnitt.Left;
    EXPECT_TRUE(Taste(Qt::Key_Right, Qt::ControlModifier));
    EXPECT_NEAR(szene->Ausschnitt.Left, links + 0.05, 1e-9);
    navigation->ScrollLiBtn->clicked();
    EXPECT_NEAR(szene->Ausschnitt.Left, links, 1e-9);
    navigation->ScrollRuBtn->clicked();
    EXPECT_NEAR(szene->Ausschnitt.Top, 0.3, 1e-9);
    // Only Ctrl alone: Ctrl+Shift+Left is not the window's.
    EXPECT_FALSE(Taste(Qt::Key_Left, Qt::ControlModifier | Qt::ShiftModifier));
    EXPECT_NEAR(szene->Ausschnitt.Left, links, 1e-9);
}

TEST_F(LernWerkzeuge, RechteMaustasteUndHandVerschiebenDasBild)
{
    navigation->ZoomPan4->clicked();
    ASSERT_NEAR(szene->Ausschnitt.Left, 0.25, 1e-9);
    Ziehen(QPoint(400, 300), QPoint(487, 300), Qt::RightButton);
    EXPECT_NEAR(szene->Ausschnitt.Left, 0.2, 1e-9);
    EXPECT_FALSE(navigation->Verschiebt());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);

    werkzeuge->Knoepfe[1]->clicked(); // hand
    EXPECT_EQ(szene->AktWerkzeug, Werkzeug::Hand);
    Ziehen(QPoint(400, 300), QPoint(400, 5000));
    EXPECT_DOUBLE_EQ(szene->Ausschnitt.Top, 0.0);
    // With the hand the left button does not draw: the display shows the
    // scene as it is.
    EXPECT_EQ(szene->Ansicht(), szene->Ansicht(true));
}

TEST_F(LernWerkzeuge, WerkzeugeAlsRadiogruppeMitCursor)
{
    werkzeuge->Aktionen[2]->trigger(); // "Roter &Stift, deckend"
    EXPECT_EQ(szene->AktWerkzeug, Werkzeug::Stift);
    for (int i = 0; i < 9; ++i) {
        EXPECT_EQ(werkzeuge->Knoepfe[i]->Checked(), i == 2) << i;
        EXPECT_EQ(werkzeuge->Aktionen[i]->isChecked(), i == 2) << i;
    }
    EXPECT_EQ(bild->cursor().shape(), Qt::BitmapCursor);
    werkzeuge->Knoepfe[0]->clicked();
    EXPECT_EQ(bild->cursor().shape(), Qt::ArrowCursor);
    EXPECT_TRUE(werkzeuge->Aktionen[0]->isChecked());
}

TEST_F(LernWerkzeuge, KnopfbilderEntstehenErstMitDerLeisteUndGleichenDenSofortGemachten)
{
    // Hidden at start: no picture made, yet items and buttons work.
    ASSERT_TRUE(form->LernInfoPan->isHidden());
    EXPECT_FALSE(werkzeuge->KnopfbilderGemacht());
    for (THoverPanel *k : werkzeuge->Knoepfe)
        EXPECT_TRUE(k->Bitmap().isNull()) << k->objectName().toStdString();
    werkzeuge->Aktionen[4]->trigger(); // "&Grüner Marker, teiltransparent"
    EXPECT_EQ(szene->AktWerkzeug, Werkzeug::GruenMarker);
    EXPECT_TRUE(werkzeuge->Knoepfe[4]->Checked());
    EXPECT_EQ(bild->cursor().shape(), Qt::BitmapCursor);
    werkzeuge->Knoepfe[6]->clicked();
    EXPECT_EQ(szene->AktWerkzeug, Werkzeug::Haekchen);
    EXPECT_FALSE(werkzeuge->KnopfbilderGemacht());

    // The extended functions show it: the pictures are there before
    // anything is painted.
    form->ErweiterteFunktionenSetzen(true);
    form->ZeigeStartseite(); // as after the first activation
    ASSERT_TRUE(form->LernInfoPan->isVisible());
    EXPECT_TRUE(werkzeuge->KnopfbilderGemacht());
    for (int i = 1; i < 9; ++i) {
        const WerkzeugEintrag &e = WerkzeugTabelle[i];
        const QImage sofort = e.werkzeug == Werkzeug::GruenMarker ? KnopfbildVonCursor(e.cursor, 22, QColor(0, 255, 0))
                                                                  : KnopfbildVonCursor(e.cursor);
        ASSERT_FALSE(sofort.isNull()) << i;
        EXPECT_EQ(werkzeuge->Knoepfe[i]->Bitmap(), sofort) << i;
    }
    const QImage zeiger = werkzeuge->Knoepfe[0]->Bitmap();
    EXPECT_EQ(zeiger.size(), QSize(22, 22));
    EXPECT_EQ(QColor::fromRgba(zeiger.pixel(0, 0)).alpha(), 0);
    // The two highlighters share a cursor; only the green one is recoloured.
    EXPECT_NE(werkzeuge->Knoepfe[3]->Bitmap(), werkzeuge->Knoepfe[4]->Bitmap());

    // Made once: folding and showing again keeps the same pictures.
    const qint64 schluessel = werkzeuge->Knoepfe[2]->Bitmap().cacheKey();
    form->Menue.Werkzeugleisteklappen1->trigger();
    ASSERT_TRUE(form->LernInfoPan->isHidden());
    form->Menue.Werkzeugleisteklappen1->trigger();
    ASSERT_TRUE(form->LernInfoPan->isVisible());
    EXPECT_EQ(werkzeuge->Knoepfe[2]->Bitmap().cacheKey(), schluessel);
}

TEST_F(LernWerkzeuge, StiftUndMarkerMitDerMaus)
{
    werkzeuge->Knoepfe[2]->clicked();
    Ziehen(QPoint(100, 300), QPoint(300, 300));
    EXPECT_EQ(Pixel(200, 300), QColor(255, 0, 0));
    werkzeuge->Knoepfe[3]->clicked(); // yellow highlighter over the black bar
    Ziehen(QPoint(500, 150), QPoint(500, 400));
    EXPECT_EQ(Pixel(500, 150), QColor(0, 0, 0));
    EXPECT_EQ(Pixel(500, 300), QColor(255, 255, 0));
    // "Alle &Zeichnungen entfernen" from the menu.
    werkzeuge->AlleZeichnungenentfernen1->trigger();
    EXPECT_EQ(Pixel(200, 300), Qt::white);
    EXPECT_EQ(Pixel(500, 300), Qt::white);
}

TEST_F(LernWerkzeuge, SchlagwortMitEnterUndEscape)
{
    // The field is made when the keyword tool first places it, on the
    // learning view's panel.
    EXPECT_FALSE(werkzeuge->TexteingabeErzeugt());
    werkzeuge->Knoepfe[8]->clicked();
    EXPECT_FALSE(werkzeuge->TexteingabeErzeugt());
    Ziehen(QPoint(300, 400), QPoint(300, 400));
    ASSERT_TRUE(werkzeuge->TexteingabeErzeugt());
    QLineEdit *feld = &werkzeuge->TexteingabeEdit();
    EXPECT_EQ(feld->parentWidget(), form->LernKartPan);
    EXPECT_EQ(form->findChildren<QLineEdit *>("TexteingabeEdit").size(), 1);
    ASSERT_TRUE(feld->isVisible());
    EXPECT_EQ(feld->toolTip(), "Text übernehmen mit Enter, abbrechen mit ESC");
    const int leer = feld->width();
    EXPECT_EQ(feld->geometry().bottomLeft() + QPoint(0, 1), QPoint(300, 400) + bild->pos());
    QTest::keyClicks(feld, "Wappen");
    EXPECT_GT(feld->width(), leer);
    EXPECT_EQ(feld->x(), 300 + bild->x()); // it grows to the right
    const QImage vorher = szene->AnzeigeBild.copy();
    QTest::keyClick(feld, Qt::Key_Escape);
    EXPECT_FALSE(feld->isVisible());
    EXPECT_TRUE(feld->text().isEmpty());
    EXPECT_EQ(szene->AnzeigeBild, vorher);

    Ziehen(QPoint(300, 400), QPoint(300, 400));
    QTest::keyClicks(feld, "Wappen");
    QTest::keyClick(feld, Qt::Key_Return);
    EXPECT_FALSE(feld->isVisible());
    EXPECT_TRUE(feld->text().isEmpty());
    int blau = 0;
    for (int y = 370; y < 400; ++y)
        for (int x = 300; x < 400; ++x)
            blau += Pixel(x, y) == Szene::SchlagwortFarbe;
    EXPECT_GT(blau, 40);

    // Another tool hides an open field without writing it.
    Ziehen(QPoint(300, 550), QPoint(300, 550));
    QTest::keyClicks(feld, "Stern");
    const QImage mitFeld = szene->AnzeigeBild.copy();
    werkzeuge->Knoepfe[2]->clicked();
    EXPECT_FALSE(feld->isVisible());
    EXPECT_EQ(szene->AnzeigeBild, mitFeld);
}

TEST_F(LernWerkzeuge, ExportSpeichertDieAnzeigeMitZeichnungen)
{
    navigation->ZoomPan4->clicked();
    werkzeuge->Knoepfe[2]->clicked();
    Ziehen(QPoint(100, 300), QPoint(300, 300));

    wahl->pfad = tmp.filePath("ansicht.jpeg");
    form->Menue.Exportieren1->trigger();
    EXPECT_EQ(u.meldungen.Texte(), QStringList{"Speichern fehlgeschlagen wegen ungültiger Dateinamenserweiterung."});
    EXPECT_FALSE(QFile::exists(wahl->pfad));

    u.meldungen.Leeren();
    wahl->pfad = tmp.filePath("ansicht.PNG");
    ausgabe->ExportBtn->clicked();
    EXPECT_TRUE(u.meldungen.Texte().isEmpty());
    QImage gelesen(wahl->pfad, "png");
    ASSERT_FALSE(gelesen.isNull());
    EXPECT_EQ(gelesen.size(), QSize(870, 650)); // the visible part, not the 1740 x 1300 scene
    EXPECT_EQ(QColor(gelesen.pixel(200, 300)), QColor(255, 0, 0));
    EXPECT_EQ(gelesen.convertToFormat(QImage::Format_RGB32), szene->AnzeigeBild.convertToFormat(QImage::Format_RGB32));

    wahl->pfad = tmp.filePath("fehlt/ansicht.png");
    ausgabe->ExportBtn->clicked();
    EXPECT_EQ(u.meldungen.Texte(), QStringList{SchreibFehlerText(wahl->pfad)});

    // Cancelled: nothing happens.
    u.meldungen.Leeren();
    wahl->pfad.clear();
    ausgabe->ExportBtn->clicked();
    EXPECT_TRUE(u.meldungen.Texte().isEmpty());
}

TEST_F(LernWerkzeuge, ZwischenablageUndDruckseite)
{
    werkzeuge->Knoepfe[2]->clicked();
    Ziehen(QPoint(100, 300), QPoint(300, 300));
    form->Menue.IndieZwischenablageBMP->trigger();
    const QImage kopie = QGuiApplication::clipboard()->image();
    ASSERT_FALSE(kopie.isNull());
    EXPECT_EQ(kopie.size(), szene->AnzeigeBild.size());
    EXPECT_EQ(QColor(kopie.pixel(200, 300)), QColor(255, 0, 0));

    QPrinter drucker;
    drucker.setOutputFormat(QPrinter::PdfFormat);
    drucker.setOutputFileName(tmp.filePath("ansicht.pdf"));
    EXPECT_TRUE(AnsichtAusgabeAnschluss::AufSeiteDrucken(drucker, szene->AnzeigeBild));
    EXPECT_GT(QFileInfo(tmp.filePath("ansicht.pdf")).size(), 1000);
    EXPECT_FALSE(AnsichtAusgabeAnschluss::AufSeiteDrucken(drucker, QImage()));
}

TEST_F(LernWerkzeuge, WerkzeugleisteKlappen)
{
    form->ZeigeStartseite();
    EXPECT_EQ(form->Menue.Werkzeugleisteklappen1->text(), "Werkzeugleiste auf&klappen");
    EXPECT_EQ(form->Menue.Werkzeugleisteklappen1->shortcut(), QKeySequence("Alt+W"));
    form->Menue.Werkzeugleisteklappen1->trigger();
    EXPECT_EQ(form->LeisteOffen, 1);
    EXPECT_EQ(form->Menue.Werkzeugleisteklappen1->text(), "Werkzeugleiste zu&klappen");
    form->KlappPan->clicked();
    EXPECT_EQ(form->LeisteOffen, 0);
    EXPECT_EQ(form->Menue.Werkzeugleisteklappen1->text(), "Werkzeugleiste auf&klappen");
}

TEST_F(LernWerkzeuge, RadioItemsShowAsRadioItemsUnderTheSwitch)
{
    form->ErweiterteFunktionenSetzen(true);
    auto *z150 = form->findChild<QAction *>("Zoomstufe150Zwilling");
    auto *z200 = form->findChild<QAction *>("Zoomstufe200Zwilling");
    ASSERT_NE(z150, nullptr);
    ASSERT_NE(z200, nullptr);
    ASSERT_NE(z150->actionGroup(), nullptr);
    EXPECT_TRUE(z150->actionGroup()->isExclusive());
    EXPECT_EQ(z150->actionGroup(), z200->actionGroup());
    EXPECT_TRUE(z150->isVisible());
    // The menu's stand-in chooses the step and follows the buttons.
    z200->trigger();
    EXPECT_EQ(szene->ZoomIndex, 4);
    EXPECT_TRUE(z200->isChecked());
    navigation->ZoomPan2->clicked();
    EXPECT_TRUE(z150->isChecked());
    EXPECT_FALSE(z200->isChecked());
}
