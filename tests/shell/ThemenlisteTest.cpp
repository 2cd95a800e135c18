// Tests of the topic list: reading, sorting, menu captions and columns.
#include "DokumentLaden.h"
#include "Sortierung.h"
#include "TestDokumente.h"
#include "Themenliste.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {
bool Titel(const QString &pfad, QString &t)
{
    return LeseTitel(pfad, t);
}
}

TEST(Themenliste, ReadableDocumentsSortedByFileNameUnreadableLeftOut)
{
    QTemporaryDir tmp;
    const QString o = tmp.path() + "/";
    ASSERT_TRUE(SchreibeTestDokument(o + "Zebra.tvl", "Z"));
    ASSERT_TRUE(SchreibeTestDokument(o + "affe.tvl", "A"));
    ASSERT_TRUE(SchreibeTestDokument(o + "Mitte.TVL", "M"));
    ASSERT_TRUE(SchreibeTestDokument(o + ".versteckt.tvl", "V"));
    ASSERT_TRUE(SchreibeTestDokument(o + "kein-thema.txt", "T"));
    {
        QFile f(o + "kaputt.tvl");
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("KMX-1.01 garbage");
    }
    QDir(o).mkdir("ordner.tvl");

    const auto l = ThemenEinlesen(o, Titel);
    QStringList namen;
    for (const auto &e : l)
        namen << e.Schluessel;
    EXPECT_EQ(namen, (QStringList{".versteckt.tvl", "affe.tvl", "mitte.tvl", "zebra.tvl"}));
    EXPECT_EQ(l[1].Titel, "A");
    EXPECT_EQ(l[1].Pfad, o + "affe.tvl");
    EXPECT_TRUE(ThemenEinlesen(o + "fehlt/", Titel).isEmpty());
}

TEST(Themenliste, SelectionSortKeepsEqualKeysAndIgnoresCase)
{
    QList<ThemenEintrag> l = {
        {"1", "/b", "b.tvl"}, {"2", "/A", "a.tvl"}, {"3", "/a", "a.tvl"}, {"4", "/c", "C.tvl"}, {"5", "/a2", "a.tvl"}};
    ThemenSortieren(l);
    QStringList titel;
    for (const auto &e : l)
        titel << e.Titel;
    // Equal keys sit next to each other; C sorts after b despite its case.
    EXPECT_EQ(titel.mid(0, 3).size(), 3);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(l[i].Schluessel, "a.tvl");
    EXPECT_EQ(l[3].Titel, "1");
    EXPECT_EQ(l[4].Titel, "4");
    // Equal keys keep the selection sort's swap order, not their own.
    EXPECT_EQ(titel, (QStringList{"2", "3", "5", "1", "4"}));
}

TEST(Themenliste, GermanOrderWhenTheProcessLocaleHasNoCollation)
{
    EXPECT_EQ(SortierSprache(QLocale::c()).language(), QLocale::German);
    EXPECT_EQ(SortierSprache(QLocale(QLocale::French, QLocale::France)).language(), QLocale::French);
    QList<ThemenEintrag> l = {{"1", "/z", "zypern.tvl"},
                              {"2", "/ae", "ägypten.tvl"},
                              {"3", "/oe", "Österreich.tvl"},
                              {"4", "/a", "albanien.tvl"},
                              {"5", "/p", "polen.tvl"}};
    ThemenSortieren(l);
    QStringList schluessel;
    for (const auto &e : l)
        schluessel << e.Schluessel;
    EXPECT_EQ(schluessel, (QStringList{"ägypten.tvl", "albanien.tvl", "Österreich.tvl", "polen.tvl", "zypern.tvl"}));
}

TEST(Themenliste, CaptionsAccessKeysAndBlankTitles)
{
    EXPECT_EQ(ThemenMenueText(0, {"Europa", "/x/europa.tvl", ""}), "&1:  Europa");
    EXPECT_EQ(ThemenMenueText(8, {"Asien", "/x/asien.tvl", ""}), "&9:  Asien");
    EXPECT_EQ(ThemenMenueText(9, {"Afrika", "/x/afrika.tvl", ""}), "10:  Afrika");
    EXPECT_EQ(ThemenMenueText(2, {"   ", "/x/leer.tvl", ""}), "&3:  leer.tvl");
    EXPECT_EQ(ThemenMenueText(3, {" Ozeanien ", "/x/o.tvl", ""}), "&4:   Ozeanien ");
    EXPECT_EQ(ThemenMenueText(4, {"Land & Leute", "/x/l.tvl", ""}), "&5:  Land && Leute");
}

TEST(Themenliste, ColumnBreakAboveThirty)
{
    EXPECT_EQ(ThemenSpaltenUmbruch(30), -1);
    EXPECT_EQ(ThemenSpaltenUmbruch(31), 12);
    EXPECT_EQ(ThemenSpaltenUmbruch(100), 46);
    EXPECT_EQ(ThemenSpaltenUmbruch(0), -1);
}

TEST(Themenliste, IndexOfCurrentDocumentIsCaseSensitive)
{
    const QList<ThemenEintrag> l = {{"a", "/x/a.tvl", "a.tvl"}, {"b", "/x/B.tvl", "b.tvl"}};
    EXPECT_EQ(ThemenIndexVon(l, "/x/B.tvl"), 1);
    EXPECT_EQ(ThemenIndexVon(l, "/x/b.tvl"), -1);
    EXPECT_EQ(ThemenIndexVon(l, ""), -1);
}

TEST(Themenliste, LargeFolderEveryReadableEntryOnceInOrder)
{
    // More entries than any first guess of the list's size; every seventh
    // file cannot be read.
    QTemporaryDir tmp;
    const QString o = tmp.path() + "/";
    const int n = 250;
    for (int i = 0; i < n; ++i) {
        QFile f(o + QString("d%1.tvl").arg((i * 37) % n, 3, 10, QChar('0')));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    int gelesen = 0;
    const auto l = ThemenEinlesen(o, [&](const QString &pfad, QString &t) {
        ++gelesen;
        const int nr = QFileInfo(pfad).baseName().mid(1).toInt();
        t = QString("Titel %1").arg(nr);
        return nr % 7 != 0;
    });
    EXPECT_EQ(gelesen, n);
    ASSERT_EQ(l.size(), n - (n + 6) / 7);
    int vorher = -1;
    for (const ThemenEintrag &e : l) {
        const int nr = e.Schluessel.mid(1, 3).toInt();
        EXPECT_GT(nr, vorher);
        EXPECT_NE(nr % 7, 0);
        EXPECT_EQ(e.Titel, QString("Titel %1").arg(nr));
        EXPECT_EQ(e.Pfad, o + e.Schluessel);
        vorher = nr;
    }
}
