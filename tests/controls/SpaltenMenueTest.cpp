// Tests of the column layout of menus and the column menu's mouse and keys.
#include "SpaltenAnordnung.h"
#include "SpaltenMenue.h"

#include <QAction>
#include <QImage>
#include <QPaintEvent>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

TEST(SpaltenAnordnung, MarkedRowStartsTheNextColumnAtTheTop)
{
    // Two rows, a hidden one, then a marked row and one more.
    const SpaltenPlan p = SpaltenAnordnen({{20, false}, {8, false}, {0, true}, {20, true}, {20, false}}, 100, 9, 0);
    ASSERT_EQ(p.felder.size(), 5);
    EXPECT_EQ(p.spalten, 2);
    EXPECT_EQ(p.felder[0], QRect(0, 0, 100, 20));
    EXPECT_EQ(p.felder[1], QRect(0, 20, 100, 8));
    EXPECT_TRUE(p.felder[2].isNull()); // hidden rows take no room and do not break
    EXPECT_EQ(p.felder[3], QRect(109, 0, 100, 20));
    EXPECT_EQ(p.felder[4], QRect(109, 20, 100, 20));
    EXPECT_EQ(p.groesse, QSize(209, 40));
}

TEST(SpaltenAnordnung, TooTallColumnsGoOnAndAFirstRowNeverBreaks)
{
    // A mark on the very first shown row opens no empty column.
    SpaltenPlan p = SpaltenAnordnen({{0, false}, {10, true}, {10, false}}, 50, 5, 0);
    EXPECT_EQ(p.spalten, 1);
    EXPECT_EQ(p.felder[1].topLeft(), QPoint(0, 0));

    // Seven rows of 10 with room for 30: columns of 3, 3 and 1.
    QList<MenueZeile> z(7, MenueZeile{10, false});
    p = SpaltenAnordnen(z, 50, 5, 30);
    EXPECT_EQ(p.spalten, 3);
    EXPECT_EQ(p.felder[3].topLeft(), QPoint(55, 0));
    EXPECT_EQ(p.felder[6].topLeft(), QPoint(110, 0));
    EXPECT_EQ(p.groesse, QSize(160, 30));

    // A row taller than the limit still gets one column of its own.
    p = SpaltenAnordnen({{50, false}, {50, false}}, 50, 5, 30);
    EXPECT_EQ(p.spalten, 2);
    EXPECT_EQ(p.felder[1], QRect(55, 0, 50, 50));

    EXPECT_EQ(SpaltenAnordnen({}, 50, 5, 30).spalten, 0);
}

TEST(SpaltenAnordnung, MarkGivesWayOnlyWhenItsColumnsWouldLeaveTheScreen)
{
    // Eight rows, room for four per column, a mark on row 5: the mark makes
    // a column of one row, three columns in all.
    QList<MenueZeile> z(8, MenueZeile{10, false});
    z[5].neueSpalte = true;
    SpaltenPlan p = SpaltenAnordnen(z, 50, 5, 40, 200);
    EXPECT_EQ(p.spalten, 3);
    EXPECT_EQ(p.felder[5].topLeft(), QPoint(110, 0));
    // Two columns would fit 120 pixels, three would not: filled columns.
    p = SpaltenAnordnen(z, 50, 5, 40, 120);
    EXPECT_EQ(p.spalten, 2);
    EXPECT_EQ(p.felder[4].topLeft(), QPoint(55, 0));
    EXPECT_EQ(p.felder[5].topLeft(), QPoint(55, 10));
    EXPECT_EQ(p.groesse, QSize(105, 40));
    // Marks that already fit stay, however many columns the rest needs.
    z = QList<MenueZeile>(8, MenueZeile{10, false});
    z[2].neueSpalte = true;
    p = SpaltenAnordnen(z, 50, 5, 40, 160);
    EXPECT_EQ(p.spalten, 3);
    EXPECT_EQ(p.felder[2].topLeft(), QPoint(55, 0));
}

namespace {
struct Menue : ::testing::Test
{
    SpaltenMenue m{"&Test"};
    QList<QAction *> items;

    void Fuellen(int n, int umbruch)
    {
        m.addAction("&Startseite");
        m.addSeparator();
        m.addSeparator(); // collapsed by Qt, as in the real topic menu
        for (int i = 0; i < n; ++i) {
            QAction *a = m.addAction(QString("%1:  Thema").arg(i + 1));
            a->setProperty("neueSpalte", i == umbruch);
            items << a;
        }
    }
    void Zeigen()
    {
        m.popup(QPoint(0, 0));
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&m));
    }
};
}

TEST_F(Menue, MarkedItemOpensASecondColumnBesideTheFirst)
{
    Fuellen(12, 5);
    Zeigen();
    QAction *start = m.actions()[0];
    EXPECT_EQ(m.Spalten(), 2);
    const QRect oben = m.SpaltenFeld(start);
    const QRect zweite = m.SpaltenFeld(items[5]);
    EXPECT_EQ(zweite.top(), oben.top());
    EXPECT_GT(zweite.left(), oben.right());
    EXPECT_EQ(zweite.width(), oben.width());
    EXPECT_EQ(m.SpaltenFeld(items[4]).left(), oben.left());
    EXPECT_EQ(m.SpaltenFeld(items[6]).top(), zweite.bottom() + 1);
    // The menu is as wide as both columns and as tall as the taller one.
    EXPECT_GT(m.width(), zweite.right());
    EXPECT_LT(m.height(), m.SpaltenFeld(items[11]).bottom() + 3 * zweite.height());
    EXPECT_GE(m.height(), m.SpaltenFeld(items[11]).bottom());
    // Both separators after "&Startseite" but one are collapsed.
    EXPECT_TRUE(m.SpaltenFeld(m.actions()[2]).isNull() || m.SpaltenFeld(m.actions()[1]).isNull());

    // The item under the mouse in the second column is painted highlighted.
    QTest::mouseMove(&m, m.SpaltenFeld(items[7]).center());
    EXPECT_EQ(m.activeAction(), items[7]);
    QImage bild(m.size(), QImage::Format_ARGB32);
    m.render(&bild);
    const QRect hell = m.SpaltenFeld(items[7]), dunkel = m.SpaltenFeld(items[8]);
    EXPECT_NE(bild.pixel(hell.left() + 3, hell.center().y()), bild.pixel(dunkel.left() + 3, dunkel.center().y()));
}

namespace {
// Collects what the menu repaints.
struct Anstriche : QObject
{
    QRegion bereich;
    bool eventFilter(QObject *, QEvent *e) override
    {
        if (e->type() == QEvent::Paint)
            bereich += static_cast<QPaintEvent *>(e)->region();
        return false;
    }
};
}

TEST_F(Menue, LeavingTheMenuRepaintsTheItemThatLosesItsHighlight)
{
    Fuellen(12, 5);
    Zeigen();
    QTest::mouseMove(&m, m.SpaltenFeld(items[9]).center());
    ASSERT_EQ(m.activeAction(), items[9]);
    QCoreApplication::processEvents();
    Anstriche a;
    m.installEventFilter(&a);
    QEvent verlassen(QEvent::Leave);
    QCoreApplication::sendEvent(&m, &verlassen);
    const QRect feld = m.SpaltenFeld(items[9]);
    for (int i = 0; i < 20 && !a.bereich.contains(feld); ++i)
        QTest::qWait(10);
    EXPECT_TRUE(a.bereich.contains(feld));
    EXPECT_EQ(m.activeAction(), nullptr);
}

TEST_F(Menue, ClickAndArrowKeysUseTheColumns)
{
    Fuellen(12, 5);
    Zeigen();
    QSignalSpy ausgeloest(&m, &QMenu::triggered);
    // Right from the first column lands on the row beside it, Left goes back.
    m.setActiveAction(items[1]);
    QTest::keyClick(&m, Qt::Key_Right);
    QAction *neben = m.activeAction();
    ASSERT_NE(neben, items[1]);
    EXPECT_EQ(m.SpaltenFeld(neben).left(), m.SpaltenFeld(items[5]).left());
    EXPECT_LE(std::abs(m.SpaltenFeld(neben).center().y() - m.SpaltenFeld(items[1]).center().y()),
              m.SpaltenFeld(items[1]).height() / 2);
    QTest::keyClick(&m, Qt::Key_Left);
    EXPECT_EQ(m.activeAction(), items[1]);
    // Down follows the item order across the break.
    m.setActiveAction(items[4]);
    QTest::keyClick(&m, Qt::Key_Down);
    EXPECT_EQ(m.activeAction(), items[5]);

    // A release without its press in the menu (the press opened the menu
    // from the menu bar) chooses nothing.
    QTest::mouseRelease(&m, Qt::LeftButton, {}, m.SpaltenFeld(items[9]).center());
    EXPECT_TRUE(ausgeloest.isEmpty());
    EXPECT_TRUE(m.isVisible());
    // A click on an item of the second column triggers that item, not the
    // one Qt's single-column layout would have there.
    QTest::mouseClick(&m, Qt::LeftButton, {}, m.SpaltenFeld(items[9]).center());
    ASSERT_EQ(ausgeloest.size(), 1);
    EXPECT_EQ(ausgeloest[0][0].value<QAction *>(), items[9]);
    EXPECT_FALSE(m.isVisible());
}

TEST_F(Menue, WithoutMarkItIsQtsOwnMenu)
{
    Fuellen(6, -1);
    Zeigen();
    EXPECT_EQ(m.Spalten(), 1);
    for (QAction *a : m.actions())
        EXPECT_EQ(m.SpaltenFeld(a), m.actionGeometry(a));
    // Disabled items are not triggered by a click in the own layout either.
    Fuellen(0, -1);
    items[2]->setProperty("neueSpalte", true);
    items[3]->setEnabled(false);
    m.hide();
    Zeigen();
    EXPECT_EQ(m.Spalten(), 2);
    QSignalSpy ausgeloest(&m, &QMenu::triggered);
    QTest::mouseClick(&m, Qt::LeftButton, {}, m.SpaltenFeld(items[3]).center());
    EXPECT_TRUE(ausgeloest.isEmpty());
}

// The plan asks Qt only for some items and derives the other heights from
// the item's kind: it must place every item exactly where asking Qt for each
// one would, with items of other fonts, icons, submenus, hidden items and
// separators mixed in.
TEST_F(Menue, PlanEqualsOneBuiltFromEveryItemsOwnGeometry)
{
    m.addAction("&Startseite");
    m.addSeparator();
    QAction *versteckt = m.addAction("Versteckt");
    versteckt->setVisible(false);
    m.addMenu("&Unter")->addAction("x");
    QPixmap bild(40, 40);
    bild.fill(Qt::red);
    m.addAction(QIcon(bild), "Mit Bild");
    for (int i = 0; i < 30; ++i) {
        QAction *a = m.addAction(QString("%1:  Thema").arg(i + 1));
        a->setCheckable(i % 2 == 0);
        a->setProperty("neueSpalte", i == 14);
        if (i == 20) {
            QFont gross = m.font();
            gross.setPixelSize(28);
            a->setFont(gross);
        }
        if (i == 25)
            m.addSeparator();
    }
    Zeigen();
    ASSERT_EQ(m.Spalten(), 2);

    // The reference: every item's own rectangle from Qt.
    QList<MenueZeile> zeilen;
    QRect erste;
    for (QAction *a : m.actions()) {
        const QRect r = m.actionGeometry(a);
        const bool gezeigt = a->isVisible() && r.isValid();
        zeilen << MenueZeile{gezeigt ? r.height() : 0, a->property("neueSpalte").toBool()};
        if (gezeigt && erste.isNull())
            erste = r;
    }
    const SpaltenPlan soll = SpaltenAnordnen(zeilen, erste.width(), 9, 0);
    ASSERT_EQ(soll.spalten, 2);
    const QList<QAction *> alle = m.actions();
    for (qsizetype i = 0; i < alle.size(); ++i) {
        const QRect ist = m.SpaltenFeld(alle[i]);
        if (soll.felder[i].isNull())
            EXPECT_TRUE(ist.isNull()) << i;
        else
            EXPECT_EQ(ist, soll.felder[i].translated(erste.topLeft())) << i;
    }
    EXPECT_TRUE(m.SpaltenFeld(versteckt).isNull());
}
