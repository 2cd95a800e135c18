// The date column of the high-score list under a German system locale.
#include "BestListTabelle.h"
#include "DelphiZeit.h"
#include "SystemDatum.h"

#include <QLocale>

#include <gtest/gtest.h>

namespace {
// The system locale is read from the environment at its first use, so it
// is set before anything else of Qt runs in this test program.
const bool deutsch = [] {
    qputenv("LC_ALL", "de_DE.UTF-8");
    qputenv("LANG", "de_DE.UTF-8");
    qputenv("LANGUAGE", "de_DE");
    return true;
}();
} // namespace

TEST(DatumDeutsch, ListeExportUndDruckZeigenVierstelligesJahr)
{
    ASSERT_TRUE(deutsch);
    ASSERT_EQ(QLocale::system().language(), QLocale::German);
    ASSERT_EQ(QLocale().language(), QLocale::German);

    TBestListEintrag e;
    e.Name = "Anna";
    e.Rechner = "PC1";
    e.Leistung = 0.75;
    e.Dauer = 61000;
    e.Ende = ZeitNachDelphi(QDateTime(QDate(2026, 3, 5), QTime(10, 1, 1)));
    const QList<QStringList> zeilen = BestListTabelle::Zeilen({e});
    ASSERT_EQ(zeilen.size(), 2);
    // The window, the print and the export all take these rows.
    EXPECT_EQ(zeilen[1][5], "05.03.2026 10:01:01");
    EXPECT_TRUE(GridAlsText(zeilen).contains("\t05.03.2026 10:01:01\r\n"));
    // The protocol's start line uses the same short date.
    EXPECT_EQ(KurzesDatum(QDate(2026, 12, 24), QLocale::system()), "24.12.2026");
}
