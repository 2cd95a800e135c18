// Tests of what the custom controls offer beyond their look: accessible
// roles, names and presses, the check and cross, the focus ring, tap margins.
#include "KlickZone.h"
#include "THoverPanel.h"
#include "TShadowLabel.h"
#include "Zugang.h"

#include <QAccessible>
#include <QImage>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {
QImage Bild(QWidget &w, QWidget::RenderFlags wie = QWidget::DrawWindowBackground | QWidget::DrawChildren)
{
    QImage img(w.size(), QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::magenta);
    w.render(&img, QPoint(), QRegion(), wie);
    return img;
}

int Zaehlen(const QImage &b, const QRect &r, const std::function<bool(QColor)> &passt)
{
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            n += passt(b.pixelColor(x, y)) ? 1 : 0;
    return n;
}

void Druecken(QObject *o)
{
    QAccessibleInterface *i = QAccessible::queryAccessibleInterface(o);
    ASSERT_TRUE(i && i->actionInterface());
    i->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCoreApplication::processEvents(); // the press runs from the event loop
}
} // namespace

TEST(Zugang, ReadAloudTextOfCaptions)
{
    const struct
    {
        const char *beschriftung, *vorlesen;
    } faelle[] = {
        {"Richtig: 3  von  13", "Richtig: 3 von 13"},
        {"Auch online|im Internet", "Auch online im Internet"},
        {"\u25C0", ""},
        {" ? ", ""},
        {"1. Frage", "1. Frage"},
    };
    for (const auto &f : faelle)
        EXPECT_EQ(Vorlesetext(QString::fromUtf8(f.beschriftung)), QString::fromUtf8(f.vorlesen)) << f.beschriftung;
}

TEST(Zugang, HoverPanelIsAButtonOnlyWhenItCanBeUsed)
{
    QWidget fenster;
    auto *knopf = new THoverPanel(&fenster);
    knopf->setCaption("Quiz starten");
    QSignalSpy klicks(knopf, &THoverPanel::clicked);
    QObject::connect(knopf, &THoverPanel::clicked, knopf, [] {});
    auto *symbol = new THoverPanel(&fenster);
    symbol->setCaption(QString::fromUtf8("\u25B6"));
    symbol->setToolTip("nächstes Quiz öffnen");
    symbol->setTabStop(true);
    auto *text = new THoverPanel(&fenster);
    text->setCaption("1. Frage");
    auto *behaelter = new THoverPanel(&fenster);
    auto *liste = new THoverPanel(&fenster);
    liste->setCaption("Liek");
    liste->setTabStop(true);
    liste->setProperty(ZugangsRolle, int(QAccessible::ListItem));
    fenster.show();

    const struct
    {
        THoverPanel *p;
        QAccessible::Role rolle;
        const char *name;
        bool druecken;
    } faelle[] = {
        {knopf, QAccessible::Button, "Quiz starten", true}, {symbol, QAccessible::Button, "nächstes Quiz öffnen", true},
        {text, QAccessible::StaticText, "1. Frage", false}, {behaelter, QAccessible::Client, "", false},
        {liste, QAccessible::ListItem, "Liek", true},
    };
    for (const auto &f : faelle) {
        QAccessibleInterface *i = QAccessible::queryAccessibleInterface(f.p);
        ASSERT_TRUE(i);
        EXPECT_EQ(i->role(), f.rolle) << f.name;
        EXPECT_EQ(i->text(QAccessible::Name), QString::fromUtf8(f.name));
        EXPECT_EQ(i->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()), f.druecken)
            << f.name;
    }
    // The press comes from the event loop: the caller's reply does not wait
    // for what the click sets off.
    QAccessible::queryAccessibleInterface(knopf)->actionInterface()->doAction(
        QAccessibleActionInterface::pressAction());
    EXPECT_EQ(klicks.count(), 0);
    QCoreApplication::processEvents();
    EXPECT_EQ(klicks.count(), 1);
    // An accessible name given by the program wins over the caption.
    knopf->setAccessibleName("Antwort 1 von 6: Frankreich");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(knopf)->text(QAccessible::Name), "Antwort 1 von 6: Frankreich");
    // A disabled or hidden control is not pressed.
    knopf->setEnabled(false);
    Druecken(knopf);
    knopf->setEnabled(true);
    knopf->hide();
    Druecken(knopf);
    EXPECT_EQ(klicks.count(), 1);
}

TEST(Zugang, LinkLabelAndClickZonePress)
{
    QWidget fenster;
    auto *verweis = new TShadowLabel(&fenster);
    verweis->setCaption("pennoria.example.org");
    auto *zone = new KlickZone(&fenster);
    zone->setAccessibleName("Startbild: Pennoria im Internet");
    zone->resize(100, 40);
    fenster.show();
    EXPECT_EQ(QAccessible::queryAccessibleInterface(verweis)->role(), QAccessible::StaticText);
    QSignalSpy verweisKlicks(verweis, &TShadowLabel::clicked);
    QObject::connect(verweis, &TShadowLabel::clicked, verweis, [] {});
    EXPECT_EQ(QAccessible::queryAccessibleInterface(verweis)->role(), QAccessible::Link);
    Druecken(verweis);
    EXPECT_EQ(verweisKlicks.count(), 1);

    QSignalSpy zonenKlicks(zone, &KlickZone::clicked);
    QAccessibleInterface *z = QAccessible::queryAccessibleInterface(zone);
    EXPECT_EQ(z->role(), QAccessible::Button);
    EXPECT_EQ(z->text(QAccessible::Name), "Startbild: Pennoria im Internet");
    Druecken(zone);
    QTest::mouseClick(zone, Qt::LeftButton, {}, QPoint(50, 20));
    QTest::mouseClick(zone, Qt::RightButton, {}, QPoint(50, 20));
    EXPECT_EQ(zonenKlicks.count(), 2);
}

TEST(Zugang, CheckAndCrossAreDrawnBesideTheColour)
{
    const struct
    {
        THoverPanel::Marke marke;
        QColor farbe; // the panel's feedback colour
    } faelle[] = {
        {THoverPanel::Marke::Haken, QColor(90, 255, 72)},
        {THoverPanel::Marke::Kreuz, QColor(255, 80, 70)},
    };
    auto dunkelGruen = [](QColor c) { return c.green() > 60 && c.red() < 60 && c.blue() < 60 && c.green() < 160; };
    auto dunkelRot = [](QColor c) { return c.red() > 120 && c.red() < 230 && c.green() < 50 && c.blue() < 50; };
    for (const auto &f : faelle) {
        THoverPanel p;
        p.resize(150, 46);
        p.setNormColor(f.farbe);
        p.setCaption("Frankreich");
        const QImage ohne = Bild(p);
        p.setZeichen(f.marke);
        const QImage mit = Bild(p);
        const QRect links(0, 0, 40, 46);
        const bool haken = f.marke == THoverPanel::Marke::Haken;
        EXPECT_EQ(Zaehlen(ohne, links, dunkelGruen) + Zaehlen(ohne, links, dunkelRot), 0);
        EXPECT_GT(Zaehlen(mit, links, haken ? dunkelGruen : dunkelRot), 15);
        EXPECT_EQ(Zaehlen(mit, links, haken ? dunkelRot : dunkelGruen), 0);
        // The mark sits on a white disc: it reads on any panel colour.
        EXPECT_GT(Zaehlen(mit, links, [](QColor c) { return c == QColor(Qt::white); }), 30);
    }
}

TEST(Zugang, FocusRingIsSolidAndTwoPixelsWide)
{
    THoverPanel p;
    p.setTabStop(true);
    p.setFocusPolicy(Qt::StrongFocus);
    p.setNormColor(QColor(255, 243, 144));
    p.resize(150, 46);
    p.show();
    p.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&p));
    p.setFocus();
    ASSERT_TRUE(p.hasFocus());
    const QImage b = Bild(p);
    auto ring = [](QColor c) { return c == THoverPanel::FokusFarbe(); };
    // A full line along the middle of the left and the top edge, two deep.
    int tiefe = 0;
    for (int x = 0; x < 10; ++x)
        tiefe += ring(b.pixelColor(x, 23)) ? 1 : 0;
    EXPECT_GE(tiefe, 2);
    EXPECT_GE(Zaehlen(b, QRect(10, 0, 130, 8), ring), 2 * 120);
}

TEST(Zugang, TapMarginWidensSmallButtonsOnly)
{
    const struct
    {
        QRect sichtbar;
    } faelle[] = {{{100, 17, 26, 24}}, {{140, 226, 22, 22}}, {{8, 7, 86, 43}}};
    for (const auto &f : faelle) {
        QWidget fenster;
        fenster.resize(400, 400);
        auto *p = new THoverPanel(&fenster);
        p->setSichtbareGeometrie(f.sichtbar);
        EXPECT_GE(p->width(), THoverPanel::TippMindestens);
        EXPECT_GE(p->height(), THoverPanel::TippMindestens);
        EXPECT_EQ(p->Flaeche().translated(p->pos()), f.sichtbar);
        EXPECT_TRUE(p->geometry().contains(f.sichtbar));
        if (f.sichtbar.width() >= THoverPanel::TippMindestens) {
            EXPECT_EQ(p->geometry(), f.sichtbar);
        }
        // A tap on the margin is a click; the margin is not painted.
        fenster.show();
        QSignalSpy klicks(p, &THoverPanel::clicked);
        QTest::mouseClick(p, Qt::LeftButton, {}, QPoint(1, 1));
        EXPECT_EQ(klicks.count(), 1);
        const QImage b = Bild(*p, QWidget::DrawChildren);
        if (p->Tipprand().left() > 0) {
            EXPECT_EQ(b.pixelColor(0, p->height() / 2), QColor(Qt::magenta));
            EXPECT_NE(b.pixelColor(p->Tipprand().left(), p->height() / 2), QColor(Qt::magenta));
        }
    }
}
