// Tests of the country table: every state once, unique names in Windows-1252.
#include "Cp1252.h"
#include "InhaltHilfen.h"

#include <QDir>
#include <QRegularExpression>
#include <QSet>

#include <gtest/gtest.h>

namespace {

const QStringList Kontinente{"Europa", "Afrika", "Asien", "Nord- und Mittelamerika", "Südamerika", "Ozeanien"};

TEST(LaenderTabelle, HoldsEveryStateOnceWithAFlag)
{
    const QList<TabellenLand> laender = LaenderTabelle();
    QSet<QString> codes;
    int staaten = 0;
    static const QRegularExpression code("^[a-z]{2}$");
    for (const TabellenLand &l : laender) {
        EXPECT_TRUE(code.match(l.iso).hasMatch()) << qPrintable(l.iso);
        EXPECT_FALSE(codes.contains(l.iso)) << "twice: " << qPrintable(l.iso);
        codes.insert(l.iso);
        EXPECT_TRUE(Kontinente.contains(l.kontinent)) << qPrintable(l.iso + " " + l.kontinent);
        EXPECT_TRUE(QFile::exists(FlaggenOrdner() + l.iso + ".png")) << qPrintable(l.iso);
        staaten += l.staat;
    }
    // 193 members of the United Nations, the two observer states and Kosovo.
    EXPECT_EQ(staaten, 196);
    for (const char *c : {"de", "va", "ps", "xk", "us", "np", "gf"})
        EXPECT_TRUE(codes.contains(QString::fromLatin1(c))) << c;

    // No flag file without a row: the documents are built from the table.
    const QStringList dateien = QDir(FlaggenOrdner()).entryList({"*.png"}, QDir::Files);
    EXPECT_EQ(dateien.size(), laender.size());
    for (const QString &d : dateien)
        EXPECT_TRUE(codes.contains(d.chopped(4))) << "stray flag " << qPrintable(d);
}

TEST(LaenderTabelle, NamesAreUniqueWindows1252AndUseTheQuizSpellings)
{
    QSet<QString> namen;
    for (const TabellenLand &l : LaenderTabelle()) {
        EXPECT_FALSE(l.name.isEmpty());
        EXPECT_EQ(l.name, l.name.simplified()) << qPrintable(l.name);
        EXPECT_TRUE(IstCp1252Darstellbar(l.name)) << qPrintable(l.name);
        // A "//" would split the question line; " | " becomes a line break
        // on the answer panel.
        EXPECT_FALSE(l.name.contains("//") || l.name.contains(" | ")) << qPrintable(l.name);
        EXPECT_FALSE(namen.contains(l.name)) << "twice: " << qPrintable(l.name);
        namen.insert(l.name);
    }
    // The look-alike rules of the answer choice name these exactly.
    for (const char *n : {"Luxemburg", "Niederlande", "Franz. Guayana", "Frankreich", "Monaco", "Indonesien",
                          "Deutschland", "Vereinigte Staaten", "Südkorea", "Elfenbeinküste"})
        EXPECT_TRUE(namen.contains(QString::fromUtf8(n))) << n;
}

} // namespace
