// Tests of saving the learning view as an image, full disks included.
#include "AnsichtAusgabe.h"
#include "BildDatei.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>

namespace {
QImage Testbild()
{
    QImage b(300, 200, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < b.height(); ++y)
        for (int x = 0; x < b.width(); ++x)
            b.setPixel(x, y, qRgb((x * 7) & 255, (y * 5) & 255, (x ^ y) & 255));
    return b;
}

QByteArray Inhalt(const QString &pfad)
{
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Files may not grow beyond a few bytes while it lives: a full disk.
struct VollePlatte
{
    rlimit alt{};
    explicit VollePlatte(rlim_t bytes)
    {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &alt);
        rlimit neu = alt;
        neu.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &neu);
    }
    ~VollePlatte() { setrlimit(RLIMIT_FSIZE, &alt); }
};
} // namespace

TEST(AnsichtAusgabe, EndungWirdKleingeschriebenGeprueft)
{
    EXPECT_EQ(FormatVonDateiname("/tmp/a.PNG"), BildFormat::Png);
    EXPECT_EQ(FormatVonDateiname("/tmp/a.png"), BildFormat::Png);
    EXPECT_EQ(FormatVonDateiname("/tmp/Bild.Jpg"), BildFormat::Jpeg);
    EXPECT_EQ(FormatVonDateiname("/tmp/x.y/Bild.BMP"), BildFormat::Bmp);
    EXPECT_EQ(FormatVonDateiname("/tmp/a.jpeg"), BildFormat::Ungueltig);
    EXPECT_EQ(FormatVonDateiname("/tmp/a.gif"), BildFormat::Ungueltig);
    EXPECT_EQ(FormatVonDateiname("/tmp/a.png.txt"), BildFormat::Ungueltig);
    EXPECT_EQ(FormatVonDateiname("/tmp/png"), BildFormat::Ungueltig);
    EXPECT_EQ(FormatVonDateiname("/tmp/a."), BildFormat::Ungueltig);
}

TEST(AnsichtAusgabe, JedesFormatWirdGeschriebenUndGelesen)
{
    QTemporaryDir tmp;
    const QImage bild = Testbild();
    const QString png = tmp.filePath("a.PNG"), bmp = tmp.filePath("a.bmp"), jpg = tmp.filePath("a.jpg");
    ASSERT_TRUE(BildSpeichern(bild, png));
    ASSERT_TRUE(BildSpeichern(bild, bmp));
    ASSERT_TRUE(BildSpeichern(bild, jpg));

    QImage gelesen;
    ASSERT_TRUE(PngLesenDatei(png, gelesen));
    EXPECT_EQ(gelesen.size(), bild.size());
    EXPECT_FALSE(gelesen.hasAlphaChannel());
    EXPECT_EQ(gelesen.convertToFormat(QImage::Format_RGB32), bild.convertToFormat(QImage::Format_RGB32));
    EXPECT_TRUE(Inhalt(png).startsWith("\x89PNG"));

    const QImage b(bmp);
    EXPECT_TRUE(Inhalt(bmp).startsWith("BM"));
    EXPECT_EQ(b.convertToFormat(QImage::Format_RGB32), bild.convertToFormat(QImage::Format_RGB32));

    const QImage j(jpg);
    EXPECT_TRUE(Inhalt(jpg).startsWith("\xFF\xD8"));
    ASSERT_EQ(j.size(), bild.size());
    // Quality 99 on a smooth picture: every channel within a few steps.
    QImage glatt(300, 200, QImage::Format_RGB32);
    for (int y = 0; y < glatt.height(); ++y)
        for (int x = 0; x < glatt.width(); ++x)
            glatt.setPixel(x, y, qRgb(x * 255 / 299, y * 255 / 199, 128));
    ASSERT_TRUE(BildSpeichern(glatt, jpg));
    const QImage jg(jpg);
    int schlimmste = 0;
    for (int y = 0; y < jg.height(); y += 3)
        for (int x = 0; x < jg.width(); x += 3) {
            const QRgb a = jg.pixel(x, y), o = glatt.pixel(x, y);
            for (int d : {qRed(a) - qRed(o), qGreen(a) - qGreen(o), qBlue(a) - qBlue(o)})
                schlimmste = qMax(schlimmste, qAbs(d));
        }
    EXPECT_LE(schlimmste, 4);

    EXPECT_FALSE(BildSpeichern(bild, tmp.filePath("a.jpeg")));
    EXPECT_FALSE(QFile::exists(tmp.filePath("a.jpeg")));
    EXPECT_FALSE(BildSpeichern(QImage(), tmp.filePath("leer.png")));
}

TEST(AnsichtAusgabe, VollePlatteMeldetFehlerUndLaesstDieAlteDateiStehen)
{
    QTemporaryDir tmp;
    const QImage bild = Testbild();
    for (const char *name : {"alt.png", "alt.bmp", "alt.jpg"}) {
        const QString pfad = tmp.filePath(name);
        QFile f(pfad);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("altes Bild");
        f.close();
        bool ok = true;
        {
            VollePlatte voll(64);
            ok = BildSpeichern(bild, pfad);
        }
        EXPECT_FALSE(ok) << name;
        EXPECT_EQ(Inhalt(pfad), QByteArray("altes Bild")) << name;
    }
    // No half-written temporary file is left beside them.
    EXPECT_EQ(QDir(tmp.path()).entryList(QDir::Files).size(), 3);
}

TEST(AnsichtAusgabe, UnerreichbaresZielMeldetFehler)
{
    QTemporaryDir tmp;
    EXPECT_FALSE(BildSpeichern(Testbild(), tmp.filePath("fehlt/a.png")));
    QDir(tmp.path()).mkdir("ordner.png");
    EXPECT_FALSE(BildSpeichern(Testbild(), tmp.filePath("ordner.png")));
    EXPECT_TRUE(QFileInfo(tmp.filePath("ordner.png")).isDir());
}

TEST(AnsichtAusgabe, FilterBestimmtDieEndungEinesNamensOhneEndung)
{
    const struct
    {
        const char *name, *filter, *erwartet;
    } faelle[] = {
        {"/tmp/bild", "JPEG (*.jpg)", "/tmp/bild.jpg"},
        {"/tmp/bild", "Bitmap (*.bmp)", "/tmp/bild.bmp"},
        {"/tmp/bild", "PNG (*.png)", "/tmp/bild.png"},
        {"/tmp/bild", "Alle Dateien (*)", "/tmp/bild.png"},
        {"/tmp/bild.", "Bitmap (*.bmp)", "/tmp/bild.bmp"},
        {"/tmp/x.y/bild", "JPEG (*.jpg)", "/tmp/x.y/bild.jpg"},
        // A name with an extension keeps it, also a wrong one.
        {"/tmp/bild.png", "JPEG (*.jpg)", "/tmp/bild.png"},
        {"/tmp/bild.jpeg", "Bitmap (*.bmp)", "/tmp/bild.jpeg"},
        {"/tmp/bild", "ohne Muster", "/tmp/bild.png"},
        {"", "JPEG (*.jpg)", ""},
    };
    for (const auto &f : faelle)
        EXPECT_EQ(EndungErgaenzen(QString::fromUtf8(f.name), QString::fromUtf8(f.filter)),
                  QString::fromUtf8(f.erwartet))
            << f.name << " " << f.filter;
    // Every filter of the dialog names an extension the writer accepts.
    const QStringList teile = QString::fromUtf8(AnsichtAusgabe::DialogFilter).split('|');
    for (int i = 0; i + 1 < teile.size(); i += 2)
        EXPECT_NE(FormatVonDateiname("a." + EndungVonFilter(teile[i])), BildFormat::Ungueltig)
            << teile[i].toStdString();
}

TEST(AnsichtAusgabe, BitmapHatZweiunddreissigBitsJePixel)
{
    QTemporaryDir tmp;
    const QImage bild = Testbild();
    const QString bmp = tmp.filePath("a.bmp");
    ASSERT_TRUE(BildSpeichern(bild, bmp));
    const QByteArray d = Inhalt(bmp);
    ASSERT_GE(d.size(), 54);
    auto wort = [&d](int pos, int bytes) {
        quint32 w = 0;
        for (int i = bytes - 1; i >= 0; --i)
            w = (w << 8) | quint8(d[pos + i]);
        return w;
    };
    EXPECT_EQ(wort(28, 2), 32u); // bits per pixel
    EXPECT_EQ(wort(30, 4), 0u);  // uncompressed
    EXPECT_EQ(wort(2, 4), quint32(d.size()));
    EXPECT_EQ(QImage(bmp).convertToFormat(QImage::Format_RGB32), bild.convertToFormat(QImage::Format_RGB32));
}
