// Tests of the hover panel and the shadow label: colours, keys, painting, fitting.
#include "THoverPanel.h"
#include "TShadowLabel.h"

#include <QImage>
#include <QKeyEvent>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {
QImage Bild(QWidget &w)
{
    QImage img(w.size(), QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::magenta);
    w.render(&img);
    return img;
}
}

TEST(HoverPanel, NewPanelHasDocumentedDefaults)
{
    THoverPanel p;
    EXPECT_EQ(p.HoverColor(), QColor(255, 255, 0));
    EXPECT_EQ(p.CheckColor(), QColor(Qt::white));
    EXPECT_EQ(p.NormFontColor(), QColor(Qt::black));
    EXPECT_FALSE(p.Checked());
    EXPECT_TRUE(p.HoverActive());
    EXPECT_TRUE(p.XPCheck());
    EXPECT_FALSE(p.WordWrap());
    EXPECT_FALSE(p.FontAutoSize());
    EXPECT_EQ(p.MinFontSize(), 7);
    EXPECT_EQ(p.Layout(), TTextLayout::Center);
    EXPECT_EQ(p.Padding(), TPadding{});
    EXPECT_EQ(p.font().family(), "Arial");
}

TEST(HoverPanel, ColourRuleForHoverAndChecked)
{
    THoverPanel p;
    p.setNormColor(QColor(232, 232, 226));
    p.setHoverColor(QColor(247, 247, 241));
    p.setCheckFontColor(Qt::red);
    p.setNormFontColor(Qt::blue);
    p.setCheckFontBold(true);
    EXPECT_EQ(p.Color(), QColor(232, 232, 226));
    p.MausBetritt();
    EXPECT_EQ(p.Color(), QColor(247, 247, 241));
    p.setChecked(true); // hovering wins over checked
    EXPECT_EQ(p.Color(), QColor(247, 247, 241));
    EXPECT_EQ(p.FontColor(), QColor(Qt::red));
    EXPECT_TRUE(p.font().bold());
    p.MausVerlaesst();
    EXPECT_EQ(p.Color(), QColor(Qt::white));
    p.setChecked(false);
    EXPECT_EQ(p.Color(), QColor(232, 232, 226));
    EXPECT_EQ(p.FontColor(), QColor(Qt::blue));
    EXPECT_FALSE(p.font().bold());
}

TEST(HoverPanel, LeavingCheckedPanelRestoresCheckColourEvenWithoutHover)
{
    THoverPanel p;
    p.setHoverActive(false);
    p.setChecked(true);
    QSignalSpy betreten(&p, &THoverPanel::mouseEnter);
    p.MausBetritt();
    EXPECT_EQ(p.Color(), QColor(Qt::white)); // no hover effect
    EXPECT_EQ(betreten.count(), 1);          // the event is still raised
    p.setCheckColor(QColor(1, 2, 3));
    p.MausVerlaesst();
    EXPECT_EQ(p.Color(), QColor(1, 2, 3));
}

TEST(HoverPanel, EnterOrSpaceClicksOnlyWithFocusAndNoModifier)
{
    THoverPanel p;
    p.setTabStop(true);
    p.resize(50, 20);
    p.show();
    p.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&p));
    QSignalSpy klicks(&p, &THoverPanel::clicked);
    QTest::mouseClick(&p, Qt::LeftButton);
    EXPECT_EQ(klicks.count(), 1);
    EXPECT_TRUE(p.hasFocus());
    QTest::keyClick(&p, Qt::Key_Space);
    QTest::keyClick(&p, Qt::Key_Return);
    EXPECT_EQ(klicks.count(), 3);
    QTest::keyClick(&p, Qt::Key_Return, Qt::ShiftModifier);
    QTest::keyClick(&p, Qt::Key_Space, Qt::ControlModifier);
    EXPECT_EQ(klicks.count(), 3);
}

TEST(HoverPanel, PaintsFrameMarkerAndBackground)
{
    THoverPanel p;
    p.resize(60, 30);
    p.setBevelRaised(false);
    p.setBorderWidth(1);
    p.setBorderColor(QColor(10, 20, 30));
    p.setNormColor(QColor(232, 232, 226));
    p.setCaption("");
    QImage img = Bild(p);
    EXPECT_EQ(QColor(img.pixel(0, 0)), QColor(10, 20, 30));
    EXPECT_EQ(QColor(img.pixel(59, 29)), QColor(10, 20, 30));
    EXPECT_EQ(QColor(img.pixel(30, 15)), QColor(232, 232, 226));

    p.setChecked(true);
    img = Bild(p);
    EXPECT_EQ(QColor(img.pixel(30, 1)), QColor(230, 139, 44));
    EXPECT_EQ(QColor(img.pixel(30, 2)), QColor(255, 199, 60));
    EXPECT_EQ(QColor(img.pixel(30, 3)), QColor(255, 199, 60));
    EXPECT_EQ(QColor(img.pixel(30, 4)), QColor(Qt::white));

    p.setXPCheck(false);
    img = Bild(p);
    EXPECT_EQ(QColor(img.pixel(30, 1)), QColor(244, 244, 241)); // halfway to white
    EXPECT_EQ(QColor(img.pixel(30, 2)), QColor(244, 244, 241));
    EXPECT_EQ(QColor(img.pixel(30, 3)), QColor(Qt::white));
}

TEST(HoverPanel, BitmapIsCopiedFromBorderOffset)
{
    THoverPanel p;
    p.resize(20, 20);
    p.setBevelRaised(false);
    p.setBorderWidth(2);
    QImage bmp(20, 20, QImage::Format_RGB32);
    bmp.fill(Qt::green);
    bmp.setPixel(2, 2, qRgb(0, 0, 255));
    p.setBitmap(bmp);
    const QImage img = Bild(p);
    EXPECT_EQ(QColor(img.pixel(2, 2)), QColor(0, 0, 255));
    EXPECT_EQ(QColor(img.pixel(10, 10)), QColor(Qt::green));
}

TEST(HoverPanel, LongCaptionIsFittedWithEllipsis)
{
    THoverPanel p;
    p.resize(60, 16);
    p.setFontAutoSize(true);
    p.setCaption("Ein sehr langer Text mit vielen Woertern");
    Bild(p);
    EXPECT_EQ(p.GezeichneteGroesse(), 7);
    EXPECT_TRUE(p.GezeichneterText().endsWith(" ...")) << p.GezeichneterText().toStdString();
    p.setCaption("Kurz");
    Bild(p);
    EXPECT_EQ(p.GezeichneterText(), "Kurz");
    EXPECT_EQ(p.GezeichneteGroesse(), 8);
}

TEST(ShadowLabel, NewLabelAndShadowDrawing)
{
    TShadowLabel l;
    EXPECT_EQ(l.size(), QSize(120, 30));
    EXPECT_EQ(l.Caption(), "ShadowLabel");
    EXPECT_EQ(l.Shadow(), 1);
    EXPECT_EQ(l.ShadowColor(), QColor(Qt::black));
    Bild(l);
    EXPECT_EQ(l.Zeichnungen(), 2);
    l.setShadow(0);
    Bild(l);
    EXPECT_EQ(l.Zeichnungen(), 1);
    l.setCaption("a|b");
    Bild(l);
    EXPECT_EQ(l.GezeichneterText(), "a\nb");
}

namespace {
// The first and last rows that contain caption pixels (anything not white).
std::pair<int, int> TextZeilen(const QImage &img)
{
    int erste = -1, letzte = -1;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (QColor(img.pixel(x, y)) != QColor(Qt::white)) {
                if (erste < 0)
                    erste = y;
                letzte = y;
                break;
            }
    return {erste, letzte};
}
}

TEST(HoverPanel, LayoutPlacesCaptionTopCentreOrBottom)
{
    THoverPanel p;
    p.resize(80, 60);
    p.setBevelRaised(false);
    p.setNormColor(Qt::white);
    p.setCaption("Wort");
    p.setLayout(TTextLayout::Top);
    const auto oben = TextZeilen(Bild(p));
    p.setLayout(TTextLayout::Bottom);
    const auto unten = TextZeilen(Bild(p));
    p.setLayout(TTextLayout::Center);
    const auto mitte = TextZeilen(Bild(p));
    ASSERT_GE(oben.first, 0);
    EXPECT_LT(oben.first, 6);
    EXPECT_GT(unten.second, 52);
    EXPECT_GT(mitte.first, oben.first + 15);
    EXPECT_LT(mitte.second, unten.second - 15);
    // Padding moves the caption area.
    p.setLayout(TTextLayout::Top);
    p.setPadding({0, 20, 0, 0});
    EXPECT_GE(TextZeilen(Bild(p)).first, 20);
}

// Repaints (hover, expose) reuse the fitted caption; a change of caption,
// size or font fits it again, and the drawn result stays what a fresh
// fitting gives.
TEST(HoverPanel, CaptionIsFittedOnceUntilCaptionSizeOrFontChange)
{
    THoverPanel p;
    p.resize(60, 16);
    p.setFontAutoSize(true);
    p.setCaption("Ein sehr langer Text mit vielen Woertern");
    Bild(p);
    EXPECT_EQ(p.Einpassungen(), 1);
    const QString erst = p.GezeichneterText();
    for (int i = 0; i < 5; ++i) {
        p.MausBetritt();
        Bild(p);
        p.MausVerlaesst();
        Bild(p);
    }
    EXPECT_EQ(p.Einpassungen(), 1);
    EXPECT_EQ(p.GezeichneterText(), erst);

    p.setCaption("Kurz");
    Bild(p);
    EXPECT_EQ(p.Einpassungen(), 2);
    EXPECT_EQ(p.GezeichneterText(), "Kurz");

    p.setCaption("Ein sehr langer Text mit vielen Woertern");
    p.resize(400, 40);
    Bild(p);
    EXPECT_EQ(p.Einpassungen(), 3);
    EXPECT_EQ(p.GezeichneterText(), "Ein sehr langer Text mit vielen Woertern");
    Bild(p);
    EXPECT_EQ(p.Einpassungen(), 3);

    // A larger font starts the shrinking higher and ends at a larger size.
    const int vorher = p.GezeichneteGroesse();
    QFont f = p.font();
    f.setPixelSize(30);
    p.setFont(f);
    Bild(p);
    EXPECT_EQ(p.Einpassungen(), 4);
    EXPECT_GT(p.GezeichneteGroesse(), vorher);
}

TEST(ShadowLabel, CaptionIsFittedOnceUntilCaptionSizeOrFontChange)
{
    TShadowLabel l;
    l.resize(50, 14);
    l.setCaption("Eine lange Beschriftung|zweite Zeile");
    Bild(l);
    Bild(l);
    l.update();
    Bild(l);
    EXPECT_EQ(l.Einpassungen(), 1);
    const QString erst = l.GezeichneterText();
    EXPECT_TRUE(erst.endsWith("...")) << erst.toStdString();

    l.resize(600, 60);
    Bild(l);
    EXPECT_EQ(l.Einpassungen(), 2);
    EXPECT_EQ(l.GezeichneterText(), "Eine lange Beschriftung\nzweite Zeile");

    QFont f = l.font();
    f.setBold(true);
    l.setFont(f);
    Bild(l);
    Bild(l);
    EXPECT_EQ(l.Einpassungen(), 3);

    l.setCaption("Neu");
    Bild(l);
    EXPECT_EQ(l.Einpassungen(), 4);
    EXPECT_EQ(l.GezeichneterText(), "Neu");
}
