// Short dates with a four-digit year in the formats of several locales.
#include "SystemDatum.h"

#include <gtest/gtest.h>

TEST(SystemDatum, JahrWirdVierstelligAndereTeileBleiben)
{
    EXPECT_EQ(VierstelligesJahr("dd.MM.yy"), "dd.MM.yyyy");
    EXPECT_EQ(VierstelligesJahr("M/d/yy"), "M/d/yyyy");
    EXPECT_EQ(VierstelligesJahr("yyyy-MM-dd"), "yyyy-MM-dd");
    EXPECT_EQ(VierstelligesJahr("d. MMM y"), "d. MMM yyyy");
    // Literal text in quotes keeps its letters.
    EXPECT_EQ(VierstelligesJahr("'year' yy"), "'year' yyyy");
}

TEST(SystemDatum, DeutschTagMonatVierstelligesJahrUndLangeUhrzeit)
{
    const QLocale de(QLocale::German, QLocale::Germany);
    const QDateTime t(QDate(2026, 3, 5), QTime(10, 1, 1));
    EXPECT_EQ(KurzesDatum(t.date(), de), "05.03.2026");
    EXPECT_EQ(DatumUhrzeitText(t, de), "05.03.2026 10:01:01");
    EXPECT_FALSE(LangesZeitFormat(de).contains('t'));

    const QLocale us(QLocale::English, QLocale::UnitedStates);
    EXPECT_TRUE(KurzesDatum(t.date(), us).endsWith("2026"));
    EXPECT_TRUE(KurzesDatum(t.date(), us).startsWith("3/5/"));
}
