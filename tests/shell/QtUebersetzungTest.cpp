// Qt's standard dialogs and buttons speak German.
#include "QtUebersetzung.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QTranslator>

#include <gtest/gtest.h>

TEST(QtUebersetzung, StandardButtonsAndFileDialogTextsInGerman)
{
    QTranslator *t = DeutscheQtTexteLaden(*qApp);
    ASSERT_NE(t, nullptr) << "qtbase_de missing (qt6-translations-l10n)";
    QDialogButtonBox knoepfe(QDialogButtonBox::Save | QDialogButtonBox::Cancel | QDialogButtonBox::Open);
    EXPECT_EQ(knoepfe.button(QDialogButtonBox::Save)->text(), "Speichern");
    EXPECT_EQ(knoepfe.button(QDialogButtonBox::Cancel)->text(), "Abbrechen");
    EXPECT_EQ(knoepfe.button(QDialogButtonBox::Open)->text(), "Öffnen");
    EXPECT_NE(QCoreApplication::translate("QFileDialog", "Look in:"), "Look in:");
    QCoreApplication::removeTranslator(t);
    delete t;
}
