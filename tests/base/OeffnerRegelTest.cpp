// Tests of which files and addresses may be opened externally.
#include "BildDatei.h"
#include "OeffneExtern.h"
#include "Sonderdateien.h"
#include "TestDienste.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {
QString Datei(const QTemporaryDir &dir, const QString &name, const QByteArray &inhalt)
{
    const QString pfad = dir.filePath(name);
    QFile f(pfad);
    if (!f.open(QIODevice::WriteOnly) || f.write(inhalt) != inhalt.size())
        return {};
    return pfad;
}

// The head of an OpenDocument text: a zip whose first entry, stored, is
// "mimetype".
QByteArray OdtKopf()
{
    QByteArray b("PK\x03\x04", 4);
    b += QByteArray(22, '\0');
    b += QByteArray("\x08\x00\x00\x00", 4); // name length 8, no extra field
    b += "mimetypeapplication/vnd.oasis.opendocument.text";
    return b + QByteArray(200, '\0');
}
} // namespace

// Links of pupils' documents become clickable: only what a browser or an
// office program shows may be opened, whatever the file is called.
TEST(OeffnerRegel, DateienNachInhaltNichtNachName)
{
    QTemporaryDir dir;
    QImage bild(8, 8, QImage::Format_RGB32);
    bild.fill(Qt::blue);
    ASSERT_TRUE(PngSchreibenDatei(dir.filePath("bild.png"), bild));
    ASSERT_TRUE(PngSchreibenDatei(dir.filePath("bild-ohne-endung"), bild));
    const QByteArray starter = "[Desktop Entry]\nType=Application\nName=x\nExec=sh -c 'rm -rf ~'\n";
    const QByteArray skript = "#!/bin/sh\necho hallo\n";
    QFile png(dir.filePath("bild.png"));
    ASSERT_TRUE(png.open(QIODevice::ReadOnly));
    const QByteArray pngBytes = png.readAll();

    const QStringList erlaubt{
        dir.filePath("bild.png"),
        dir.filePath("bild-ohne-endung"),
        Datei(dir, "blatt.pdf", "%PDF-1.4\n1 0 obj\n<<>>\nendobj\ntrailer\n<<>>\n%%EOF\n"),
        Datei(dir, "notiz.txt", "Hauptstädte Europas\n"),
        Datei(dir, "seite.html", "<!DOCTYPE html>\n<html><head><title>x</title></head><body>x</body></html>\n"),
        Datei(dir, "aufgabe.odt", OdtKopf()),
        Datei(dir, "aufgabe.docx", QByteArray("PK\x03\x04", 4) + QByteArray(300, 'x')),
        Datei(dir, "leer.html", ""), // nothing to judge but the name
        dir.path(),                  // a folder opens in the file manager
    };
    for (const QString &p : erlaubt) {
        ASSERT_FALSE(p.isEmpty());
        EXPECT_TRUE(ZielErlaubt(p)) << qPrintable(p);
        EXPECT_TRUE(ZielErlaubt("file://" + p)) << qPrintable(p);
    }

    const QString ausfuehrbar = Datei(dir, "notiz2.txt", "nur Text\n");
    QFile(ausfuehrbar).setPermissions(QFile::ReadOwner | QFile::ExeOwner);
    const QStringList abgelehnt{
        Datei(dir, "evil.desktop ", starter), // trailing blank
        Datei(dir, "ohne-endung", starter),
        Datei(dir, "skript.sh", skript), // not executable, still a program
        Datei(dir, "skript", skript),
        Datei(dir, "text.desktop", "nur Text\n"), // the opener goes by the name
        Datei(dir, "bild.sh", pngBytes),          // a picture by content, a script by name
        Datei(dir, "prog",
              QByteArray("\x7f"
                         "ELF\x02\x01\x01",
                         7)
                  + QByteArray(100, '\0')),
        Datei(dir, "leer.sh", ""),
        Datei(dir, "leer", ""),
        ausfuehrbar,
    };
    for (const QString &p : abgelehnt) {
        ASSERT_FALSE(p.isEmpty());
        EXPECT_FALSE(ZielErlaubt(p)) << qPrintable(p);
        EXPECT_FALSE(ZielErlaubt("file://" + p)) << qPrintable(p);
    }

    // A FIFO is refused without waiting for a writer.
    const QString fifo = dir.filePath("rohr.txt");
    ASSERT_TRUE(FifoAnlegen(fifo));
    bool ok = true;
    EXPECT_TRUE(KehrtZurueck(fifo, [&] { ok = ZielErlaubt(fifo); }));
    EXPECT_FALSE(ok);
}

TEST(OeffnerRegel, NurWebadressenUndSchlichteMails)
{
    EXPECT_TRUE(ZielErlaubt("http://pennoria.example.org/karte"));
    EXPECT_TRUE(ZielErlaubt("HTTPS://pennoria.example.org/"));
    EXPECT_TRUE(ZielErlaubt("mailto:lehrer@example.org"));
    EXPECT_TRUE(ZielErlaubt("mailto:lehrer@example.org?subject=Quiz&body=Hallo%20Welt"));
    EXPECT_TRUE(ZielErlaubt("mailto:lehrer@example.org?Subject=Quiz"));

    EXPECT_FALSE(ZielErlaubt("mailto:lehrer@example.org?attach=/home/lehrer/.ssh/id_rsa"));
    EXPECT_FALSE(ZielErlaubt("mailto:lehrer@example.org?subject=x&ATTACH=/etc/passwd"));
    EXPECT_FALSE(ZielErlaubt("mailto:lehrer@example.org?attachment=file:///etc/passwd"));
    EXPECT_FALSE(ZielErlaubt("mailto:lehrer@example.org?cc=fremd@example.org"));
    EXPECT_FALSE(ZielErlaubt("http://"));
    EXPECT_FALSE(ZielErlaubt("ftp://server/datei"));
    EXPECT_FALSE(ZielErlaubt("javascript:alert(1)"));

    // Refused targets get the usual message and never reach the desktop.
    TestMeldungen m;
    TestOeffner o;
    const QString ziel = "mailto:a@example.org?attach=/etc/passwd";
    EXPECT_FALSE(OeffneExtern(o, m, ziel));
    EXPECT_TRUE(o.geoeffnet.isEmpty());
    ASSERT_EQ(m.protokoll.size(), 1u);
    EXPECT_EQ(m.protokoll[0].text, OeffnenFehlerText(ziel));
}
