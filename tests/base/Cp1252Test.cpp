// Tests of the Windows-1252 conversion: round trips, "?" and every byte.
#include "Cp1252.h"

#include <gtest/gtest.h>

TEST(Cp1252, UmlauteUndSonderzeichenUeberlebenHinUndZurueck)
{
    const QString text = QString::fromUtf8("Grüße € „Zitat“ – Œuvre ™ ß");
    const QByteArray bytes = NachCp1252(text);
    EXPECT_EQ(bytes.size(), text.size());
    EXPECT_EQ(uchar(bytes.at(text.indexOf(QChar(0x20AC)))), 0x80);
    EXPECT_EQ(VonCp1252(bytes), text);
}

TEST(Cp1252, NichtDarstellbaresWirdFragezeichen)
{
    EXPECT_EQ(NachCp1252(QString::fromUtf8("a\u4e2db")), QByteArray("a?b"));
    // A character outside the basic plane is one "?", not two.
    EXPECT_EQ(NachCp1252(QString::fromUtf8("x\U0001F600y")), QByteArray("x?y"));
    EXPECT_FALSE(IstCp1252Darstellbar(QString::fromUtf8("\u4e2d")));
    EXPECT_TRUE(IstCp1252Darstellbar(QString::fromUtf8("Äöü")));
}

TEST(Cp1252, AlleBytesLassenSichVerlustfreiLesen)
{
    QByteArray alle;
    for (int i = 0; i < 256; ++i)
        alle.append(char(i));
    EXPECT_EQ(NachCp1252(VonCp1252(alle)), alle);
}
