// Tests of the file error texts with and without a prefix.
#include "Dateifehler.h"
#include "TestDienste.h"

#include <gtest/gtest.h>

TEST(Dateifehler, TexteMitUndOhnePrefix)
{
    TestMeldungen m;
    ZeigeDateiFehlt(m, "/x/a.tvl");
    ZeigeSchreibFehler(m, "/x/b.hsc", "Vorab");
    ZeigeLeseFehler(m, "/x/c.tvl");
    ASSERT_EQ(m.protokoll.size(), 3u);
    EXPECT_EQ(m.protokoll[0].art, "Fehler");
    EXPECT_EQ(m.protokoll[0].text, QString::fromUtf8("Die Datei \"/x/a.tvl\" existiert nicht."));
    EXPECT_EQ(m.protokoll[1].text,
              QString::fromUtf8("Vorab\r\n\r\nDie Datei \"/x/b.hsc\" kann nicht geschrieben werden. "
                                "Mögliche Ursachen:\r\n- Ungültiger Ordner oder Dateiname\r\n"
                                "- fehlende Schreibzugriffsberechtigung im Netzwerk"));
    EXPECT_TRUE(m.protokoll[2].text.startsWith("Die Datei \"/x/c.tvl\" kann nicht gelesen werden. "));
    EXPECT_TRUE(m.protokoll[2].text.endsWith("- fehlende Lesezugriffsberechtigung im Netzwerk"));
}
