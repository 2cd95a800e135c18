// Tests that the build leaves the content and writable folders beside the program.
#include "InhaltHilfen.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>

#include <gtest/gtest.h>

namespace {

// What the program reads beside itself, as the build leaves it.
TEST(ProgrammOrdner, HoldsTheContentAndTheWritableFolders)
{
    const QString programm = QStringLiteral(PENNORIA_PROGRAMM "/");
    int dateien = 0;
    for (QDirIterator it(InhaltOrdner(), QDir::Files, QDirIterator::Subdirectories); it.hasNext();) {
        const QString quelle = it.next();
        const QString ziel = programm + QDir(InhaltOrdner()).relativeFilePath(quelle);
        QFile a(quelle), b(ziel);
        ASSERT_TRUE(b.open(QIODevice::ReadOnly)) << qPrintable(ziel);
        ASSERT_TRUE(a.open(QIODevice::ReadOnly));
        EXPECT_TRUE(a.readAll() == b.readAll()) << qPrintable(ziel);
        ++dateien;
    }
    EXPECT_GT(dateien, 200);
    for (const char *pfad : {"data/pennor.png", "sound/Richtig1.wav", "sound/Falsch1.wav", "hilfe/index.html",
                             "Flaggen/de.png", "flaggen-der-welt.tvl"})
        EXPECT_TRUE(QFile::exists(programm + pfad)) << pfad;
    // The program creates none of its folders itself.
    for (const char *ordner : {"protokolle", "bestenlisten", "kom", "setupbasissystem"})
        EXPECT_TRUE(QDir(programm + ordner).exists()) << ordner;
}

} // namespace
