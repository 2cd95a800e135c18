// The command line's options and the folders an installed program reads and writes.
#include "Aufruf.h"
#include "Ordner.h"
#include "PennoriaVersion.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {
struct AufrufFall
{
    QStringList argumente; // after the program's name
    Aufruf::Art art;
    QStringList dokumente;
    const char *ausgabeEnthaelt;
};

class AufrufTest : public ::testing::TestWithParam<AufrufFall>
{
};

TEST_P(AufrufTest, AnswersOrStarts)
{
    const AufrufFall &f = GetParam();
    const Aufruf a = AufrufLesen(QStringList{"pennoria"} + f.argumente);
    EXPECT_EQ(a.art, f.art);
    EXPECT_EQ(a.argumente, f.dokumente);
    EXPECT_TRUE(a.ausgabe.contains(QString::fromUtf8(f.ausgabeEnthaelt))) << a.ausgabe.toStdString();
    // Only a start goes on to the window; everything else prints.
    EXPECT_EQ(a.ausgabe.isEmpty(), f.art == Aufruf::Starten);
}

INSTANTIATE_TEST_SUITE_P(Befehlszeile, AufrufTest,
                         ::testing::Values(AufrufFall{{}, Aufruf::Starten, {}, ""},
                                           AufrufFall{{"/tmp/Europa.tvl"}, Aufruf::Starten, {"/tmp/Europa.tvl"}, ""},
                                           AufrufFall{{"themen/"}, Aufruf::Starten, {"themen/"}, ""},
                                           AufrufFall{{"--help"}, Aufruf::Hilfe, {}, "Aufruf: pennoria"},
                                           AufrufFall{{"-h"}, Aufruf::Hilfe, {}, "--version"},
                                           AufrufFall{{"Europa.tvl", "--help"}, Aufruf::Hilfe, {}, "Themendokument"},
                                           AufrufFall{{"--version"}, Aufruf::Version, {}, PENNORIA_VERSION},
                                           AufrufFall{{"-v"}, Aufruf::Version, {}, "Brinvale Pennoria"},
                                           // Qt's options are still there before the window
                                           // exists; --help wins over them.
                                           AufrufFall{
                                               {"-platform", "offscreen", "--help"}, Aufruf::Hilfe, {}, "Optionen:"},
                                           AufrufFall{{"--hilfe"}, Aufruf::Fehler, {}, "Unbekannte Option: hilfe"},
                                           AufrufFall{{"-x", "Europa.tvl"}, Aufruf::Fehler, {}, "pennoria --help"},
                                           // After "--" a name that starts with "-" is a document.
                                           AufrufFall{{"--", "--help"}, Aufruf::Starten, {"--help"}, ""}));

// Folders as an install leaves them; true marks a writable program folder.
struct OrdnerFall
{
    const char *name;
    QStringList anlegen;   // folders below the scratch root
    const char *exeOrdner; // below the scratch root
    bool beschreibbar;
    const char *inhalt; // below the scratch root
    bool ergebnisseBeimBenutzer;
};

class OrdnerTest : public ::testing::TestWithParam<OrdnerFall>
{
};

bool Ja(const QString &)
{
    return true;
}
bool Nein(const QString &)
{
    return false;
}

TEST_P(OrdnerTest, ContentAndResults)
{
    const OrdnerFall &f = GetParam();
    QTemporaryDir tmp;
    const QString wurzel = tmp.path();
    for (const QString &o : f.anlegen)
        ASSERT_TRUE(QDir().mkpath(wurzel + "/" + o));
    const QString benutzer = wurzel + "/home/.local/share/pennoria/";
    const OrdnerWahl w =
        OrdnerWaehlen(wurzel + "/" + QString::fromLatin1(f.exeOrdner), benutzer, f.beschreibbar ? Ja : Nein);
    EXPECT_EQ(w.inhalt, wurzel + "/" + QString::fromLatin1(f.inhalt)) << f.name;
    EXPECT_EQ(w.ergebnisse, f.ergebnisseBeimBenutzer ? benutzer : QString()) << f.name;

    // The results land where the choice says, and the user's folders are
    // there before the first result is written.
    ProgrammOrdner o;
    o.Ableiten(w.inhalt, w.ergebnisse);
    const QString basis = f.ergebnisseBeimBenutzer ? benutzer : w.inhalt;
    EXPECT_EQ(o.HilfeOrdner, w.inhalt + "hilfe/") << f.name;
    for (const QString &ordner : {o.ProtOrdner, o.BestListOrdner, o.NetzKomOrdner}) {
        EXPECT_TRUE(ordner.startsWith(basis)) << f.name << " " << ordner.toStdString();
        EXPECT_EQ(QDir(ordner).exists(), f.ergebnisseBeimBenutzer) << f.name << " " << ordner.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Installation, OrdnerTest,
    ::testing::Values(OrdnerFall{"built program folder", {"prog/data"}, "prog", true, "prog/", false},
                      OrdnerFall{"program folder of another user", {"prog/data"}, "prog", false, "prog/", true},
                      OrdnerFall{"system-wide install",
                                 {"usr/bin", "usr/share/pennoria/data"},
                                 "usr/bin",
                                 false,
                                 "usr/share/pennoria/",
                                 true},
                      // Installed by root, run by root: still not the
                      // shared content folder.
                      OrdnerFall{"install run by its owner",
                                 {"usr/bin", "usr/share/pennoria/data"},
                                 "usr/bin",
                                 true,
                                 "usr/share/pennoria/",
                                 true},
                      OrdnerFall{"bare folder without content", {"leer"}, "leer", true, "leer/", false}));
} // namespace
