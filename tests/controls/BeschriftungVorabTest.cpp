// Tests that captions are fitted when shown or changed, not first when painted, and of the bitmap format.
#include "BildFuerZeichnen.h"
#include "THoverPanel.h"
#include "TShadowLabel.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPainter>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>

namespace {
const QString lang = QStringLiteral("Ein sehr langer Text mit vielen Woertern");

QImage Bild(QWidget &w)
{
    QImage img(w.size(), QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::magenta);
    w.render(&img);
    return img;
}

// Counts the paints a widget receives.
struct Anstriche : QObject
{
    int zahl = 0;
    bool eventFilter(QObject *, QEvent *e) override
    {
        zahl += e->type() == QEvent::Paint;
        return false;
    }
};

void Einrichten(THoverPanel &p)
{
    p.setGeometry(0, 0, 70, 20);
    p.setFontAutoSize(true);
    p.setCaption(lang);
}
}

// A shown panel has its caption fitted before any paint, exactly as a paint
// of a hidden twin fits it; every later change while visible fits again
// before the paint it asks for, and what it draws is pixel for pixel the
// twin's.
TEST(BeschriftungVorab, ShownPanelFitsBeforePaintAndOnEveryChange)
{
    QWidget fenster;
    fenster.resize(200, 100);
    auto *p = new THoverPanel(&fenster);
    Einrichten(*p);
    Anstriche anstriche;
    p->installEventFilter(&anstriche);
    EXPECT_EQ(p->Einpassungen(), 0);
    fenster.show();
    THoverPanel zwilling;
    Einrichten(zwilling);
    Bild(zwilling);
    EXPECT_EQ(anstriche.zahl, 0);
    EXPECT_EQ(p->Einpassungen(), 1);
    EXPECT_TRUE(p->GezeichneterText().endsWith(" ...")) << p->GezeichneterText().toStdString();
    EXPECT_EQ(p->GezeichneterText(), zwilling.GezeichneterText());
    EXPECT_EQ(p->GezeichneteGroesse(), zwilling.GezeichneteGroesse());

    const std::vector<std::pair<const char *, std::function<void(THoverPanel &)>>> schritte = {
        {"Caption", [](THoverPanel &q) { q.setCaption("Haupt-Stadt-Wettbewerb der Laender"); }},
        {"Groesse", [](THoverPanel &q) { q.resize(110, 40); }},
        {"Umbruch", [](THoverPanel &q) { q.setWordWrap(true); }},
        {"Schrift",
         [](THoverPanel &q) {
             QFont f = q.font();
             f.setPixelSize(20);
             q.setFont(f);
         }},
        {"Innenabstand",
         [](THoverPanel &q) {
             q.setPadding({20, 2, 20, 2});
         }},
        {"Rahmen", [](THoverPanel &q) { q.setBorderWidth(6); }},
        {"Kante", [](THoverPanel &q) { q.setBevelWidth(5); }},
        {"Mindestgroesse", [](THoverPanel &q) { q.setMinFontSize(5); }},
        {"Ausrichtung",
         [](THoverPanel &q) {
             q.setAlignment(Qt::AlignRight);
             q.setLayout(TTextLayout::Bottom);
         }},
        {"Kantenlos", [](THoverPanel &q) { q.setBevelRaised(false); }},
        {"Ohne Anpassung", [](THoverPanel &q) { q.setFontAutoSize(false); }},
    };
    for (const auto &[name, schritt] : schritte) {
        const int vorher = p->Einpassungen();
        schritt(*p);
        QCoreApplication::sendPostedEvents(p);
        schritt(zwilling);
        const QImage soll = Bild(zwilling);
        EXPECT_EQ(p->Einpassungen(), vorher + 1) << name;
        EXPECT_EQ(p->GezeichneterText(), zwilling.GezeichneterText()) << name;
        EXPECT_EQ(p->GezeichneteGroesse(), zwilling.GezeichneteGroesse()) << name;
        EXPECT_EQ(anstriche.zahl, 0) << name;
        EXPECT_EQ(Bild(*p), soll) << name;
        anstriche.zahl = 0;
    }

    // A font change from the parent reaches the panel as well.
    const int vorher = p->Einpassungen();
    QFont fett = fenster.font();
    fett.setBold(true);
    fenster.setFont(fett);
    QCoreApplication::sendPostedEvents(p);
    EXPECT_EQ(p->Einpassungen(), vorher + 1);

    // Changes that come together (caption, then geometry) fit once, with the
    // last of them.
    p->setCaption(lang);
    p->setGeometry(0, 0, 60, 16);
    p->setPadding({});
    QCoreApplication::sendPostedEvents(p);
    EXPECT_EQ(p->Einpassungen(), vorher + 2);
    EXPECT_EQ(anstriche.zahl, 0);

    // A paint right after a change draws the new caption and leaves nothing
    // to fit afterwards.
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&fenster));
    anstriche.zahl = 0;
    p->setCaption("Kurz");
    p->repaint();
    EXPECT_EQ(anstriche.zahl, 1);
    EXPECT_EQ(p->GezeichneterText(), "Kurz");
    QCoreApplication::sendPostedEvents(p);
    EXPECT_EQ(p->Einpassungen(), vorher + 3);
}

// Building a window sets many inputs while hidden: the caption is fitted
// once, on show, and paints after that only look it up.
TEST(BeschriftungVorab, HiddenChangesFitOnceOnShow)
{
    QWidget fenster;
    fenster.resize(300, 200);
    auto *p = new THoverPanel(&fenster);
    auto *l = new TShadowLabel(&fenster);
    Einrichten(*p);
    p->setPadding({2, 2, 2, 2});
    p->setWordWrap(true);
    p->setBorderWidth(1);
    QFont f = p->font();
    f.setPixelSize(14);
    p->setFont(f);
    l->setCaption(lang + "|zweite Zeile");
    l->setWordWrap(true);
    l->setAlignment(Qt::AlignHCenter);
    l->setFont(f);
    l->setGeometry(0, 50, 60, 20);
    EXPECT_EQ(p->Einpassungen(), 0);
    EXPECT_EQ(l->Einpassungen(), 0);
    fenster.show();
    EXPECT_EQ(p->Einpassungen(), 1);
    EXPECT_EQ(l->Einpassungen(), 1);
    EXPECT_TRUE(l->GezeichneterText().endsWith("...")) << l->GezeichneterText().toStdString();
    fenster.grab();
    fenster.hide();
    fenster.show();
    fenster.grab();
    EXPECT_EQ(p->Einpassungen(), 1);
    EXPECT_EQ(l->Einpassungen(), 1);

    // Visible: a change fits before the paint.
    l->setCaption("Neu");
    l->resize(100, 30);
    QCoreApplication::sendPostedEvents(l);
    EXPECT_EQ(l->GezeichneterText(), "Neu");
    EXPECT_EQ(l->Einpassungen(), 2);
    l->setWordWrap(false);
    QCoreApplication::sendPostedEvents(l);
    EXPECT_EQ(l->Einpassungen(), 3);
}

// A paint never draws a caption from before a change, even when the change
// came while the widget was hidden and the widget is painted without being
// shown again.
TEST(BeschriftungVorab, PaintOfHiddenWidgetDrawsCurrentCaption)
{
    QWidget fenster;
    auto *p = new THoverPanel(&fenster);
    Einrichten(*p);
    fenster.show();
    fenster.hide();
    p->setCaption("Kurz");
    THoverPanel zwilling;
    Einrichten(zwilling);
    zwilling.setCaption("Kurz");
    EXPECT_EQ(Bild(*p), Bild(zwilling));
    EXPECT_EQ(p->GezeichneterText(), "Kurz");
}

// The bitmap is kept in a format drawn without conversion, with exactly the
// original's pixels on screen, opaque or translucent.
TEST(BeschriftungVorab, BitmapFormatKeepsPixels)
{
    EXPECT_TRUE(BildFuerZeichnen(QImage()).isNull());
    for (const bool durchsichtig : {false, true}) {
        QImage bmp(24, 14, QImage::Format_ARGB32);
        for (int y = 0; y < bmp.height(); ++y)
            for (int x = 0; x < bmp.width(); ++x)
                bmp.setPixel(x, y, qRgba(x * 8, y * 12, 90, durchsichtig ? x * 8 + y : 255));
        const QImage gewandelt = BildFuerZeichnen(bmp);
        EXPECT_EQ(gewandelt.format(), durchsichtig ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
        if (!durchsichtig) {
            EXPECT_EQ(gewandelt.convertToFormat(QImage::Format_ARGB32), bmp);
        }

        THoverPanel p;
        p.resize(30, 20);
        p.setNormColor(QColor(200, 40, 40));
        p.setCaption("");
        p.setBorderWidth(1);
        // Smaller than the area, so the colour is filled in under it.
        QImage soll = Bild(p);
        {
            QPainter maler(&soll);
            maler.drawImage(QPoint(2, 2), bmp, QRect(1, 1, 26, 16));
        }
        p.setBitmap(bmp);
        EXPECT_EQ(Bild(p), soll) << durchsichtig;
        EXPECT_EQ(p.Bitmap(), bmp);
    }
}
