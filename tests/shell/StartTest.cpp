// Tests of start-up: display check, command line, start picture, window logic.
#include "Anzeigepruefung.h"
#include "Befehlszeile.h"
#include "FensterLogik.h"
#include "OeffneExtern.h"
#include "StartBild.h"
#include "TestDienste.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(Anzeige, ThresholdIs960x700At15Bit)
{
    TestMeldungen m;
    EXPECT_TRUE(AnzeigePruefen(960, 700, 15, m));
    EXPECT_TRUE(m.protokoll.empty());

    m.antworten = {Antwort::Ja};
    EXPECT_TRUE(AnzeigePruefen(959, 700, 32, m));
    ASSERT_EQ(m.protokoll.size(), 1u);
    EXPECT_EQ(m.protokoll[0].art, "JaNein");
    EXPECT_TRUE(m.protokoll[0].text.contains("- Auflösung: 959 x 700 Pixel\r\n- Farbtiefe: 32 Bit\r\n\r\n"
                                             "Programm trotzdem starten?"));

    m.antworten = {Antwort::Nein};
    EXPECT_FALSE(AnzeigePruefen(1280, 699, 24, m));
    m.antworten = {Antwort::Nein};
    EXPECT_FALSE(AnzeigePruefen(1280, 1024, 14, m));
}

TEST(Anzeige, WarningTextIsExact)
{
    EXPECT_EQ(GrafikmodusWarnung(800, 600, 8),
              QString("Ungeeigneter Grafikmodus! (Windows-Systemsteuerung / Eigenschaften von Anzeige)\r\n\r\n"
                      "Für dieses Programm sollte ein Grafikmodus mit einer Auflösung von mindestens 1024 x 768 "
                      "Pixel (Bildpunkte) und einer Farbtiefe von mindestens 16 Bit (High Color) eingestellt sein. "
                      "\r\nAktuelle Einstellungen:\r\n- Auflösung: 800 x 600 Pixel\r\n- Farbtiefe: 8 Bit\r\n\r\n"
                      "Programm trotzdem starten?"));
}

TEST(Befehlszeile, FolderDocumentOrNothing)
{
    QTemporaryDir tmp;
    const QString basis = tmp.path() + "/";
    QDir(basis).mkdir("themen");

    auto a = BefehlszeileAuswerten({}, "/prog/");
    EXPECT_EQ(a.StartOrdner, "/prog/");
    EXPECT_EQ(a.StartDokument, "");

    a = BefehlszeileAuswerten({basis + "themen"}, "/prog/");
    EXPECT_EQ(a.StartOrdner, basis + "themen/");
    EXPECT_EQ(a.StartDokument, "");
    a = BefehlszeileAuswerten({basis + "themen/"}, "/prog/");
    EXPECT_EQ(a.StartOrdner, basis + "themen/");

    // A document that does not exist still names both values.
    a = BefehlszeileAuswerten({basis + "themen/fehlt.tvl"}, "/prog/");
    EXPECT_EQ(a.StartOrdner, basis + "themen/");
    EXPECT_EQ(a.StartDokument, basis + "themen/fehlt.tvl");

    // A folder that does not exist, written with its "/": its own folder
    // part, not the parent, and no document.
    a = BefehlszeileAuswerten({basis + "themen/weg/"}, "/prog/");
    EXPECT_EQ(a.StartOrdner, basis + "themen/weg/");
    EXPECT_EQ(a.StartDokument, "");
    a = BefehlszeileAuswerten({basis + "themen/weg//"}, "/prog/");
    EXPECT_EQ(a.StartOrdner, basis + "themen/weg/");
}

TEST(Befehlszeile, RelativePathsAreExpanded)
{
    QTemporaryDir tmp;
    const QString alt = QDir::currentPath();
    QDir::setCurrent(tmp.path());
    const auto a = BefehlszeileAuswerten({"quiz.tvl"}, "/prog/");
    QDir::setCurrent(alt);
    const QString voll = QDir(tmp.path()).canonicalPath();
    EXPECT_TRUE(a.StartDokument.endsWith("/quiz.tvl"));
    EXPECT_EQ(QFileInfo(a.StartDokument).absolutePath(), QFileInfo(voll + "/quiz.tvl").absolutePath());
    EXPECT_TRUE(a.StartOrdner.endsWith('/'));
}

TEST(StartBild, MissingImageNamesFullPath)
{
    QTemporaryDir tmp;
    const QString prog = tmp.path() + "/";
    TestMeldungen m;
    const QImage b = LadeStartBild(prog, m);
    EXPECT_TRUE(b.isNull());
    ASSERT_EQ(m.protokoll.size(), 1u);
    EXPECT_EQ(m.protokoll[0].art, "Fehler");
    EXPECT_EQ(m.protokoll[0].text, "Datei \"" + prog + "data/pennor.png\" nicht gefunden.");

    // A present picture loads silently.
    QDir(prog).mkdir("data");
    QImage bild(8, 6, QImage::Format_RGB32);
    bild.fill(Qt::red);
    ASSERT_TRUE(bild.save(prog + "data/pennor.png"));
    m.Leeren();
    EXPECT_EQ(LadeStartBild(prog, m).size(), QSize(8, 6));
    EXPECT_TRUE(m.protokoll.empty());

    // A damaged one is reported as unreadable, start goes on.
    QFile f(prog + "data/pennor.png");
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write("\x89PNG\r\n\x1a\nkaputt");
    f.close();
    EXPECT_TRUE(LadeStartBild(prog, m).isNull());
    ASSERT_EQ(m.protokoll.size(), 1u);
    EXPECT_TRUE(m.protokoll[0].text.contains("kann nicht gelesen werden"));

    // Read ahead on a worker: the damaged picture is still reported.
    m.Leeren();
    StartBildVorladen(prog);
    EXPECT_TRUE(LadeStartBild(prog, m).isNull());
    ASSERT_EQ(m.protokoll.size(), 1u);
    EXPECT_TRUE(m.protokoll[0].text.contains("kann nicht gelesen werden"));
}

TEST(StartBild, ReadAheadGivesThePictureOnceAndOnlyForItsFolder)
{
    QTemporaryDir a, b;
    const QString progA = a.path() + "/", progB = b.path() + "/";
    for (const auto &[prog, farbe] : {std::pair{progA, Qt::red}, std::pair{progB, Qt::blue}}) {
        QDir(prog).mkdir("data");
        QImage bild(8, 6, QImage::Format_RGB32);
        bild.fill(farbe);
        ASSERT_TRUE(bild.save(prog + "data/pennor.png"));
    }
    TestMeldungen m;
    StartBildVorladen(progA);
    // Another folder does not get A's picture.
    EXPECT_EQ(LadeStartBild(progB, m).pixelColor(0, 0), QColor(Qt::blue));
    EXPECT_EQ(LadeStartBild(progA, m).pixelColor(0, 0), QColor(Qt::red));
    // The read-ahead result is used once; a later load reads the file anew.
    QImage gruen(8, 6, QImage::Format_RGB32);
    gruen.fill(Qt::green);
    ASSERT_TRUE(gruen.save(progA + "data/pennor.png"));
    EXPECT_EQ(LadeStartBild(progA, m).pixelColor(0, 0), QColor(Qt::green));
    // A picture missing when loaded is reported even though it was read ahead.
    StartBildVorladen(progA);
    ASSERT_TRUE(QFile::remove(progA + "data/pennor.png"));
    EXPECT_TRUE(LadeStartBild(progA, m).isNull());
    ASSERT_EQ(m.protokoll.size(), 1u);
    EXPECT_TRUE(m.protokoll[0].text.contains("nicht gefunden"));
    ASSERT_TRUE(gruen.save(progA + "data/pennor.png"));
    EXPECT_EQ(LadeStartBild(progA, m).pixelColor(0, 0), QColor(Qt::green));
}

TEST(FensterLogik, KeysNeedExactlyTheirModifiers)
{
    EXPECT_EQ(TasteAuswerten(Qt::Key_Left, Qt::ControlModifier), FensterTaste::ScrollLinks);
    EXPECT_EQ(TasteAuswerten(Qt::Key_Down, Qt::ControlModifier | Qt::KeypadModifier), FensterTaste::ScrollRunter);
    EXPECT_EQ(TasteAuswerten(Qt::Key_Left, Qt::ControlModifier | Qt::ShiftModifier), FensterTaste::Keine);
    EXPECT_EQ(TasteAuswerten(Qt::Key_Left, Qt::NoModifier), FensterTaste::Keine);
    EXPECT_EQ(TasteAuswerten(Qt::Key_Plus, Qt::ControlModifier | Qt::KeypadModifier), FensterTaste::ZoomRein);
    EXPECT_EQ(TasteAuswerten(Qt::Key_Minus, Qt::ControlModifier | Qt::KeypadModifier), FensterTaste::ZoomRaus);
    EXPECT_EQ(TasteAuswerten(Qt::Key_Plus, Qt::ControlModifier), FensterTaste::Keine); // not the keypad
    EXPECT_EQ(TasteAuswerten(Qt::Key_G, Qt::ShiftModifier | Qt::AltModifier), FensterTaste::Geometrie1024);
    EXPECT_EQ(TasteAuswerten(Qt::Key_G, Qt::ShiftModifier | Qt::AltModifier | Qt::ControlModifier),
              FensterTaste::Keine);
}

TEST(FensterLogik, WindowModeCentresWithIntegerDivision)
{
    EXPECT_EQ(FensterRechteck(QSize(800, 600)), QRect(-50, -25, 900, 650));
    EXPECT_EQ(FensterRechteck(QSize(1280, 1024)), QRect(190, 187, 900, 650));
}

TEST(FensterLogik, SmallScreensGetAWindowInsideTheirFreeArea)
{
    const struct
    {
        QRect frei, fenster;
    } faelle[] = {
        {{0, 0, 960, 540}, {30, 0, 900, 540}},        // full HD at 200 %: as high as the area
        {{0, 24, 960, 516}, {30, 24, 900, 516}},      // below a panel, never above it
        {{0, 0, 800, 600}, {0, 0, 800, 600}},         // narrower and lower than the window
        {{100, 0, 1280, 1024}, {290, 187, 900, 650}}, // large enough: centred as before
    };
    for (const auto &f : faelle) {
        const QRect r = FensterRechteckIn(f.frei);
        EXPECT_EQ(r, f.fenster) << f.frei.width() << "x" << f.frei.height();
        EXPECT_TRUE(f.frei.contains(r));
    }
}

TEST(StartBild, PictureWithTwicePixelsIsOptionalAndMustFit)
{
    QTemporaryDir dir;
    const QString prog = dir.path() + "/";
    QDir(prog).mkdir("data");
    TestMeldungen m;
    const QSize einfach(8, 6);
    // None there: nothing to report, the normal picture serves.
    EXPECT_TRUE(LadeStartBild2x(prog, einfach, m).isNull());
    const struct
    {
        QSize groesse;
        bool genommen;
    } faelle[] = {{{16, 12}, true}, {{15, 12}, false}, {{8, 6}, false}};
    for (const auto &f : faelle) {
        QImage bild(f.groesse, QImage::Format_RGB32);
        bild.fill(Qt::red);
        ASSERT_TRUE(bild.save(StartBild2xPfad(prog)));
        EXPECT_EQ(!LadeStartBild2x(prog, einfach, m).isNull(), f.genommen) << f.groesse.width();
    }
    EXPECT_TRUE(m.protokoll.empty());
    // A damaged one is reported and not used.
    QFile kaputt(StartBild2xPfad(prog));
    ASSERT_TRUE(kaputt.open(QIODevice::WriteOnly | QIODevice::Truncate));
    kaputt.write("\x89PNG\r\n\x1a\nkaputt");
    kaputt.close();
    EXPECT_TRUE(LadeStartBild2x(prog, einfach, m).isNull());
    ASSERT_EQ(m.protokoll.size(), 1u);
    EXPECT_TRUE(m.protokoll[0].text.contains("kann nicht gelesen werden"));
}

TEST(FensterLogik, NetworkFilesOfTheChannelAreDeleted)
{
    QTemporaryDir tmp;
    const QString kom = tmp.path() + "/";
    for (const char *n : {"TVL-2-tvlnetzuebung.tvl", "TVL-2-tvlnetzuebung.okx", "TVL-1-tvlnetzuebung.dat"}) {
        QFile f(kom + n);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    NetzDateienLoeschen(kom, "TVL-2"); // the .dat of TVL-2 is missing: skipped silently
    EXPECT_FALSE(QFile::exists(kom + "TVL-2-tvlnetzuebung.tvl"));
    EXPECT_FALSE(QFile::exists(kom + "TVL-2-tvlnetzuebung.okx"));
    EXPECT_TRUE(QFile::exists(kom + "TVL-1-tvlnetzuebung.dat"));
}

TEST(OeffneExtern, OnlyWebAddressesAndHarmlessFiles)
{
    QTemporaryDir tmp;
    const QString seite = tmp.path() + "/index.html";
    const QString programm = tmp.path() + "/los.sh";
    const QString starter = tmp.path() + "/x.desktop";
    for (const QString &p : {seite, programm, starter}) {
        QFile f(p);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    QFile(programm).setPermissions(QFile::ReadOwner | QFile::ExeOwner);

    EXPECT_TRUE(ZielErlaubt("https://pennoria.example.org/"));
    EXPECT_TRUE(ZielErlaubt("mailto:lehrer@example.org"));
    EXPECT_TRUE(ZielErlaubt("file://" + seite));
    EXPECT_TRUE(ZielErlaubt(seite));
    EXPECT_FALSE(ZielErlaubt("file://" + programm));
    EXPECT_FALSE(ZielErlaubt(starter));
    EXPECT_FALSE(ZielErlaubt("file://" + tmp.path() + "/fehlt.html"));
    EXPECT_FALSE(ZielErlaubt("javascript:alert(1)"));
    EXPECT_FALSE(ZielErlaubt("smb://server/share"));

    TestMeldungen m;
    TestOeffner o;
    EXPECT_FALSE(OeffneExtern(o, m, programm));
    EXPECT_TRUE(o.geoeffnet.isEmpty()); // never handed to the desktop
    ASSERT_EQ(m.protokoll.size(), 1u);
    EXPECT_EQ(m.protokoll[0].text, "Die Datei \"" + programm
                                       + "\" kann nicht geöffnet werden. Sie benötigen einen Webbrowser, um dieses "
                                         "Dokument anzusehen.");
    o.ergebnis = false; // the desktop reports failure
    m.Leeren();
    EXPECT_FALSE(OeffneExtern(o, m, "https://pennoria.example.org/"));
    EXPECT_EQ(m.protokoll.size(), 1u);
}

TEST(OeffneExtern, FailureReportedAfterTheLaunchShowsTheMessage)
{
    // The opener's exit status comes after OeffneExtern has returned: no
    // message before, the message when it reports failure, none on success.
    TestMeldungen m;
    TestOeffner o;
    o.spaeter = true;
    EXPECT_TRUE(OeffneExtern(o, m, "https://pennoria.example.org/"));
    EXPECT_TRUE(OeffneExtern(o, m, "https://example.org/hilfe"));
    ASSERT_EQ(o.offen.size(), 2u);
    EXPECT_TRUE(m.protokoll.empty());
    o.offen[0](false);
    ASSERT_EQ(m.protokoll.size(), 1u);
    EXPECT_EQ(m.protokoll[0].art, "Fehler");
    EXPECT_EQ(m.protokoll[0].text, OeffnenFehlerText("https://pennoria.example.org/"));
    o.offen[1](true);
    EXPECT_EQ(m.protokoll.size(), 1u);
}

TEST(FensterLogik, MainKeyboardZoomOnlyWithTheExtendedFunctions)
{
    const struct
    {
        int key, mods;
        FensterTaste aus, an;
    } faelle[] = {
        {Qt::Key_Plus, Qt::ControlModifier, FensterTaste::Keine, FensterTaste::ZoomRein},
        {Qt::Key_Plus, Qt::ControlModifier | Qt::ShiftModifier, FensterTaste::Keine, FensterTaste::ZoomRein},
        {Qt::Key_Equal, Qt::ControlModifier, FensterTaste::Keine, FensterTaste::ZoomRein},
        {Qt::Key_Minus, Qt::ControlModifier, FensterTaste::Keine, FensterTaste::ZoomRaus},
        // The keypad's keys as before, and nothing without Ctrl or with Alt.
        {Qt::Key_Plus, Qt::ControlModifier | Qt::KeypadModifier, FensterTaste::ZoomRein, FensterTaste::ZoomRein},
        {Qt::Key_Minus, Qt::ControlModifier | Qt::KeypadModifier, FensterTaste::ZoomRaus, FensterTaste::ZoomRaus},
        {Qt::Key_Plus, Qt::NoModifier, FensterTaste::Keine, FensterTaste::Keine},
        {Qt::Key_Minus, Qt::ControlModifier | Qt::ShiftModifier, FensterTaste::Keine, FensterTaste::Keine},
        {Qt::Key_Equal, Qt::ControlModifier | Qt::AltModifier, FensterTaste::Keine, FensterTaste::Keine},
        {Qt::Key_Left, Qt::ControlModifier, FensterTaste::ScrollLinks, FensterTaste::ScrollLinks},
    };
    for (const auto &f : faelle) {
        EXPECT_EQ(TasteAuswerten(f.key, f.mods, false), f.aus) << f.key << " " << f.mods;
        EXPECT_EQ(TasteAuswerten(f.key, f.mods, true), f.an) << f.key << " " << f.mods;
    }
}

// What a failed open says: a folder asks for no browser, and no message
// names a browser the desktop may not have.
TEST(OeffneExtern, FehlerTextPasstZumZiel)
{
    QTemporaryDir tmp;
    const struct
    {
        QString ziel;
        const char *anfang;
    } faelle[] = {
        {tmp.path(), "Der Ordner \""},
        {"file://" + tmp.path(), "Der Ordner \""},
        {tmp.path() + "/Europa.tvl", "Die Datei \""},
        {"https://pennoria.example.org/", "Die Datei \""},
        {"file://" + tmp.path() + "/hilfe/index.html", "Die Datei \""},
    };
    for (const auto &f : faelle) {
        const QString text = OeffnenFehlerText(f.ziel);
        EXPECT_TRUE(text.startsWith(QString::fromUtf8(f.anfang) + f.ziel + "\" kann nicht geöffnet werden."))
            << text.toStdString();
        EXPECT_FALSE(text.contains("Internet Explorer")) << text.toStdString();
        EXPECT_EQ(text.contains("Webbrowser"), QString::fromUtf8(f.anfang).startsWith("Die Datei"))
            << text.toStdString();
    }
}
