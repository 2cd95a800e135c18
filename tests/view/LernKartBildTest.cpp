// Tests of the picture widget: centred display, marker and mouse.
#include "LernKartBild.h"
#include "SzenenHilfe.h"

#include <QApplication>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

// The picture widget shows what the scene composed and passes input on.
namespace {
class QtUmgebung : public ::testing::Environment
{
public:
    void SetUp() override
    {
        static int argc = 1;
        static char name[] = "test_view_ui";
        static char *argv[] = {name, nullptr};
        if (!QApplication::instance())
            new QApplication(argc, argv);
    }
};
const auto *umgebung = ::testing::AddGlobalTestEnvironment(new QtUmgebung);
} // namespace

TEST(LernKartBild, ZeigtDieAnzeigeZentriertUndFolgtDerGroesse)
{
    SzenenTest t;
    t.zustand.Dok.BasisBild = Einfarbig(1000, 500, QColor(0, 128, 0));
    t.szene.Zustand.AnsichtModus = AnsichtArt::Quiz;
    LernKartBild bild(t.szene);
    QSignalSpy groesse(&bild, &LernKartBild::GroesseGeaendert);
    bild.resize(600, 400);
    bild.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&bild));
    EXPECT_EQ(t.szene.SteuerGroesse, QSize(600, 400));
    EXPECT_GE(groesse.count(), 1);
    EXPECT_EQ(t.szene.Anzeige, &bild);

    t.szene.SzeneAufbauen(); // 600 x 300, centred at y 50
    const QImage b = bild.grab().toImage();
    EXPECT_EQ(QColor(b.pixel(300, 20)), QColor(174, 194, 212));
    EXPECT_EQ(QColor(b.pixel(300, 200)), QColor(0, 128, 0));
}

TEST(LernKartBild, MarkerUndMaus)
{
    SzenenTest t;
    t.zustand.Dok.Objekte << Objekt(ObjektTyp::Beschriftung, 0.5, 0.5, "Ziel");
    t.szene.Zustand.AnsichtModus = AnsichtArt::Quiz;
    LernKartBild bild(t.szene);
    bild.resize(870, 650);
    t.szene.SzeneAufbauen();
    QSignalSpy marker(&bild, &LernKartBild::MarkerGeaendert);
    t.szene.MarkerSetzen(0, 1);
    ASSERT_EQ(marker.count(), 1);
    EXPECT_EQ(bild.MoveAnker()->geometry(), QRect(435 - 6, 325 - 6, 13, 13));
    EXPECT_FALSE(bild.MoveAnker()->isHidden());
    t.szene.MarkerSetzen(-1, 0);
    EXPECT_TRUE(bild.MoveAnker()->isHidden());

    QSignalSpy druck(&bild, &LernKartBild::MausGedrueckt);
    QTest::mouseClick(&bild, Qt::MiddleButton, {}, QPoint(40, 50));
    ASSERT_EQ(druck.count(), 1);
    EXPECT_EQ(druck[0][0].toPoint(), QPoint(40, 50));
    EXPECT_EQ(druck[0][1].value<Qt::MouseButton>(), Qt::MiddleButton);
}

TEST(LernKartBild, JederAufbauBeginntMitDerStartseite)
{
    SzenenTest t;
    LernKartBild bild(t.szene);
    bild.resize(500, 400);
    QSignalSpy start(&bild, &LernKartBild::StartseiteAnordnen);
    t.szene.SzeneAufbauen();
    EXPECT_EQ(start.count(), 1);
    // The size of the hidden widget is used.
    EXPECT_EQ(t.szene.SteuerGroesse, QSize(500, 400));
}
