// Tests of the protocol's RTF, its file names and its automatic saving.
#include "ProtokollRtf.h"

#include "Sonderdateien.h"
#include "TestDienste.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(ProtokollRtf, TitlesBoldInAnyCaseWithSmallGapUmlautsEscaped)
{
    const QByteArray rtf = ProtokollNachRtf("<tit>Quiz-Protokoll\r\n<TIT>Übung\r\nTitel:\tStädte {a}\\b \u0141\r\n");
    EXPECT_TRUE(rtf.startsWith("{\\rtf1"));
    EXPECT_TRUE(rtf.contains("\\tx3200"));
    EXPECT_TRUE(rtf.contains("\\fs18"));
    EXPECT_TRUE(rtf.contains("\\b Quiz-Protokoll\\b0\\par\r\n\\fs8\\par\r\n\\fs18 "));
    EXPECT_TRUE(rtf.contains("\\b \\'dcbung\\b0"));
    // Outside the code page: Unicode with a fallback character.
    EXPECT_TRUE(rtf.contains("Titel:\\tab St\\'e4dte \\{a\\}\\\\b \\u321?\\par"));
    EXPECT_FALSE(rtf.contains("<tit>"));
    EXPECT_FALSE(rtf.contains("<TIT>"));
    EXPECT_TRUE(rtf.endsWith("}\r\n"));
    // Only ASCII in the file.
    for (char c : rtf)
        EXPECT_LT(static_cast<unsigned char>(c), 0x80);
}

TEST(ProtokollRtf, FileNameScheme)
{
    const QDateTime t(QDate(2026, 3, 4), QTime(5, 6, 7));
    EXPECT_EQ(ProtokollDateiName(t, "pc1", 0), "20260304-050607-pc1-0.rtf");
    EXPECT_EQ(ProtokollDateiName(t, "pc1", 12), "20260304-050607-pc1-12.rtf");
}

TEST(ProtokollRtf, SameSecondGetsTheNextCounterAndNothingIsOverwritten)
{
    QTemporaryDir dir;
    TestMeldungen m;
    const QDateTime t(QDate(2026, 12, 7), QTime(10, 0, 0));
    QString p0, p1;
    ASSERT_TRUE(ProtokollAutoSpeichern("{\\rtf1 eins}", dir.path(), "pc1", t, m, &p0));
    ASSERT_TRUE(ProtokollAutoSpeichern("{\\rtf1 zwei}", dir.path() + "/", "pc1", t, m, &p1));
    EXPECT_TRUE(p0.endsWith("/20261207-100000-pc1-0.rtf"));
    EXPECT_TRUE(p1.endsWith("/20261207-100000-pc1-1.rtf"));
    QFile f(p0);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), "{\\rtf1 eins}");
    EXPECT_TRUE(m.Texte().isEmpty());
}

// The protocol folder may be shared: links and FIFOs placed under the
// names the program will pick are neither followed nor written into.
TEST(ProtokollRtf, AutoSaveFollowsNoLinkAndSkipsSpecialFiles)
{
    QTemporaryDir dir;
    TestMeldungen m;
    const QDateTime t(QDate(2026, 12, 7), QTime(10, 0, 0));
    const QString fremd = dir.filePath("aufsatz.txt");
    {
        QFile f(fremd);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("eigener Text");
    }
    ASSERT_TRUE(LinkAnlegen(fremd, dir.filePath(ProtokollDateiName(t, "pc1", 0))));
    ASSERT_TRUE(LinkAnlegen(dir.filePath("neu.txt"), dir.filePath(ProtokollDateiName(t, "pc1", 1))));
    ASSERT_TRUE(FifoAnlegen(dir.filePath(ProtokollDateiName(t, "pc1", 2))));
    QString p;
    bool ok = false;
    EXPECT_TRUE(KehrtZurueck(dir.filePath(ProtokollDateiName(t, "pc1", 2)),
                             [&] { ok = ProtokollAutoSpeichern("{\\rtf1 x}", dir.path(), "pc1", t, m, &p); }));
    ASSERT_TRUE(ok);
    EXPECT_EQ(p, dir.filePath(ProtokollDateiName(t, "pc1", 3)));
    QFile f(fremd);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), "eigener Text");
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("neu.txt")));
}

TEST(ProtokollRtf, MissingFolderShowsTheWriteErrorWithTheHint)
{
    TestMeldungen m;
    EXPECT_FALSE(ProtokollAutoSpeichern("x", "/nicht/da/", "pc1", QDateTime(QDate(2026, 1, 1), QTime(0, 0)), m));
    ASSERT_EQ(m.protokoll.size(), 1u);
    EXPECT_EQ(m.protokoll[0].art, "Fehler");
    EXPECT_TRUE(m.protokoll[0].text.contains("/nicht/da/20260101-000000-pc1-0.rtf"));
    EXPECT_TRUE(m.protokoll[0].text.contains(
        "Das Übungsprotokoll konnte nicht automatisch gespeichert werden. Überprüfen Sie die Einstellungen unter "
        "\"Optionen | Ordner für Protokolle und Bestenlisten\"."));
}
