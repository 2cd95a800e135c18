// The topic items of the "Quizauswahl" menu while the folder's list grows and shrinks.
#include "FensterTest.h"
#include "Themenliste.h"

#include <QAction>
#include <QCoreApplication>
#include <QEvent>
#include <QMenu>
#include <QRegularExpression>

#include <gtest/gtest.h>

namespace {
QList<ThemenEintrag> Liste(int n, const QString &zusatz)
{
    QList<ThemenEintrag> l;
    for (int i = 0; i < n; ++i)
        l.append({QString("Titel %1%2").arg(i).arg(zusatz), QString("/o/t%1.tvl").arg(i), QString("t%1.tvl").arg(i)});
    return l;
}
} // namespace

class ThemenMenue : public FensterTest
{
};

TEST_F(ThemenMenue, ItemsInOrderWithOneMarkAndOneCheckmarkAfterEveryRebuild)
{
    ProgrammOrdnerAnlegen(false);
    ASSERT_TRUE(StartbildAnlegen());
    FensterBauen();
    QMenu *auswahl = form->Menue.Auswahl1;
    const QList<QAction *> fest = auswahl->actions();
    ASSERT_FALSE(fest.isEmpty());

    // Growing by many and by one item, shrinking with and without a column
    // mark, emptying, and growing again from nothing.
    int runde = 0;
    for (int n : {3, 40, 41, 35, 5, 0, 33}) {
        SCOPED_TRACE(n);
        const auto l = Liste(n, QString(" (%1)").arg(++runde));
        const int umbruch = ThemenSpaltenUmbruch(n);
        const int haken = n > 0 ? n / 3 : -1;
        form->ThemenMenueSetzen(l, umbruch, haken);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

        const QList<QAction *> alle = auswahl->actions();
        ASSERT_EQ(alle.size(), fest.size() + n);
        EXPECT_EQ(alle.mid(0, fest.size()), fest);
        for (int i = 0; i < n; ++i) {
            const QAction *a = alle[fest.size() + i];
            EXPECT_EQ(a->objectName(), "MenueThemaItem" + QString::number(i));
            EXPECT_EQ(a->text(), ThemenMenueText(i, l[i]));
            EXPECT_EQ(a->isChecked(), i == haken) << i;
            EXPECT_EQ(a->property("neueSpalte").toBool(), i == umbruch) << i;
        }
        // Items taken out are gone, not just hidden from the menu.
        EXPECT_EQ(form->findChildren<QAction *>(QRegularExpression("^MenueThemaItem")).size(), n);
    }
}
