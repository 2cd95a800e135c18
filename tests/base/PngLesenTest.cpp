// Tests of the PNG reader: every colour type and depth, cut and huge pictures.
#include "BildDatei.h"

#include <QBuffer>
#include <QtEndian>

#include <gtest/gtest.h>
#include <png.h>
#include <vector>

namespace {

// A PNG of our own making with libpng, so every colour type, depth and
// chunk the reader must understand can be produced.
struct PngAuftrag
{
    int w = 4, h = 3;
    int farbtyp = PNG_COLOR_TYPE_RGB;
    int tiefe = 8;
    bool interlace = false;
    std::vector<png_color> palette;
    std::vector<png_byte> trnsIndex; // palette alpha
    bool trnsFarbe = false;
    png_color_16 trnsWert{};
    bool zusatzChunks = false;
    // Packed rows as PNG stores them (big-endian 16-bit samples).
    std::vector<std::vector<png_byte>> zeilen;
};

void Schreib(png_structp png, png_bytep data, size_t len)
{
    auto *ziel = static_cast<QByteArray *>(png_get_io_ptr(png));
    ziel->append(reinterpret_cast<const char *>(data), qsizetype(len));
}

void Flush(png_structp) {}

QByteArray Erzeugen(const PngAuftrag &a)
{
    QByteArray ergebnis;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        ADD_FAILURE() << "libpng could not write the test picture";
        return {};
    }
    png_set_write_fn(png, &ergebnis, Schreib, Flush);
    png_set_IHDR(png, info, png_uint_32(a.w), png_uint_32(a.h), a.tiefe, a.farbtyp,
                 a.interlace ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    if (!a.palette.empty())
        png_set_PLTE(png, info, a.palette.data(), int(a.palette.size()));
    if (!a.trnsIndex.empty())
        png_set_tRNS(png, info, a.trnsIndex.data(), int(a.trnsIndex.size()), nullptr);
    if (a.trnsFarbe)
        png_set_tRNS(png, info, nullptr, 0, const_cast<png_color_16 *>(&a.trnsWert));
    png_text text[2] = {};
    png_unknown_chunk privat = {};
    if (a.zusatzChunks) {
        text[0].compression = PNG_TEXT_COMPRESSION_NONE;
        text[0].key = const_cast<char *>("Title");
        text[0].text = const_cast<char *>("Flagge");
        text[1].compression = PNG_TEXT_COMPRESSION_zTXt;
        text[1].key = const_cast<char *>("Comment");
        text[1].text = const_cast<char *>("ein etwas längerer komprimierter Kommentar, ein etwas längerer");
        png_set_text(png, info, text, 2);
        png_set_gAMA(png, info, 1.0 / 2.2);
        png_set_pHYs(png, info, 3780, 3780, PNG_RESOLUTION_METER);
        png_set_sRGB(png, info, PNG_sRGB_INTENT_PERCEPTUAL);
        std::memcpy(privat.name, "prIv", 5);
        static png_byte daten[] = {1, 2, 3, 4, 5};
        privat.data = daten;
        privat.size = sizeof daten;
        privat.location = PNG_HAVE_IHDR;
        png_set_keep_unknown_chunks(png, PNG_HANDLE_CHUNK_ALWAYS, nullptr, 0);
        png_set_unknown_chunks(png, info, &privat, 1);
        png_time zeit{2026, 12, 7, 10, 0, 0};
        png_set_tIME(png, info, &zeit);
    }
    png_write_info(png, info);
    std::vector<png_bytep> zeiger;
    for (const auto &z : a.zeilen)
        zeiger.push_back(const_cast<png_bytep>(z.data()));
    png_write_image(png, zeiger.data());
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    return ergebnis;
}

bool Lesen(const QByteArray &bytes, QImage &bild, qint64 *pos = nullptr)
{
    QBuffer buf;
    buf.setData(bytes);
    buf.open(QIODevice::ReadOnly);
    const bool ok = PngLesen(buf, bild, bytes.size());
    if (pos)
        *pos = buf.pos();
    return ok;
}

// Grey levels of a sample of the given depth, spread over 0..255.
int GrauWert(int stufe, int tiefe)
{
    return stufe * 255 / ((1 << tiefe) - 1);
}

} // namespace

TEST(PngLesen, GreyOfEveryDepth)
{
    for (int tiefe : {1, 2, 4, 8, 16}) {
        PngAuftrag a;
        a.w = 8;
        a.h = 2;
        a.farbtyp = PNG_COLOR_TYPE_GRAY;
        a.tiefe = tiefe;
        const int stufen = tiefe == 16 ? 256 : (1 << tiefe);
        for (int y = 0; y < a.h; ++y) {
            std::vector<png_byte> zeile((a.w * tiefe + 7) / 8);
            for (int x = 0; x < a.w; ++x) {
                const int stufe = (x + y * a.w) % stufen;
                if (tiefe == 16) {
                    zeile[2 * x] = png_byte(stufe);
                    zeile[2 * x + 1] = png_byte(stufe);
                } else {
                    const int bit = x * tiefe;
                    zeile[bit / 8] |= png_byte(stufe << (8 - tiefe - bit % 8));
                }
            }
            a.zeilen.push_back(zeile);
        }
        QImage bild;
        ASSERT_TRUE(Lesen(Erzeugen(a), bild)) << tiefe;
        ASSERT_EQ(bild.size(), QSize(8, 2));
        EXPECT_FALSE(bild.hasAlphaChannel());
        for (int y = 0; y < a.h; ++y)
            for (int x = 0; x < a.w; ++x) {
                const int stufe = (x + y * a.w) % stufen;
                const int g = tiefe == 16 ? stufe : GrauWert(stufe, tiefe);
                EXPECT_EQ(bild.pixel(x, y), qRgb(g, g, g)) << "depth " << tiefe << " at " << x << "," << y;
            }
    }
}

TEST(PngLesen, PaletteWithTransparency)
{
    for (int tiefe : {1, 2, 4, 8}) {
        PngAuftrag a;
        a.w = 2;
        a.h = 1;
        a.farbtyp = PNG_COLOR_TYPE_PALETTE;
        a.tiefe = tiefe;
        a.palette = {{255, 0, 0}, {0, 0, 255}};
        // Index 0 then index 1, packed from the high bits.
        if (tiefe == 8)
            a.zeilen = {{0, 1}};
        else
            a.zeilen = {{png_byte(1 << (8 - 2 * tiefe))}};
        QImage bild;
        ASSERT_TRUE(Lesen(Erzeugen(a), bild)) << tiefe;
        EXPECT_EQ(bild.pixel(0, 0), qRgb(255, 0, 0));
        EXPECT_EQ(bild.pixel(1, 0), qRgb(0, 0, 255));

        a.trnsIndex = {0};
        ASSERT_TRUE(Lesen(Erzeugen(a), bild)) << tiefe;
        EXPECT_TRUE(bild.hasAlphaChannel());
        EXPECT_EQ(qAlpha(bild.pixel(0, 0)), 0);
        EXPECT_EQ(bild.pixel(1, 0), qRgba(0, 0, 255, 255));
    }
}

TEST(PngLesen, ColourKeyTransparencyOfRgbAndGrey)
{
    PngAuftrag a;
    a.w = 2;
    a.h = 1;
    a.zeilen = {{10, 20, 30, 40, 50, 60}};
    a.trnsFarbe = true;
    a.trnsWert.red = 10;
    a.trnsWert.green = 20;
    a.trnsWert.blue = 30;
    QImage bild;
    ASSERT_TRUE(Lesen(Erzeugen(a), bild));
    EXPECT_EQ(qAlpha(bild.pixel(0, 0)), 0);
    EXPECT_EQ(bild.pixel(1, 0), qRgba(40, 50, 60, 255));

    PngAuftrag g;
    g.w = 2;
    g.h = 1;
    g.farbtyp = PNG_COLOR_TYPE_GRAY;
    g.zeilen = {{7, 200}};
    g.trnsFarbe = true;
    g.trnsWert.gray = 7;
    ASSERT_TRUE(Lesen(Erzeugen(g), bild));
    EXPECT_EQ(qAlpha(bild.pixel(0, 0)), 0);
    EXPECT_EQ(bild.pixel(1, 0), qRgba(200, 200, 200, 255));
}

TEST(PngLesen, SixteenBitRgbaAndGreyAlpha)
{
    PngAuftrag a;
    a.w = 2;
    a.h = 1;
    a.farbtyp = PNG_COLOR_TYPE_RGB_ALPHA;
    a.tiefe = 16;
    a.zeilen = {{0x12, 0x12, 0x34, 0x34, 0x56, 0x56, 0xff, 0xff, 0x80, 0x80, 0x40, 0x40, 0x20, 0x20, 0x00, 0x00}};
    QImage bild;
    ASSERT_TRUE(Lesen(Erzeugen(a), bild));
    EXPECT_EQ(bild.format(), QImage::Format_ARGB32_Premultiplied);
    EXPECT_EQ(bild.pixel(0, 0), qRgba(0x12, 0x34, 0x56, 0xff));
    EXPECT_EQ(qAlpha(bild.pixel(1, 0)), 0);

    PngAuftrag g;
    g.w = 1;
    g.h = 1;
    g.farbtyp = PNG_COLOR_TYPE_GRAY_ALPHA;
    g.zeilen = {{90, 255}};
    ASSERT_TRUE(Lesen(Erzeugen(g), bild));
    EXPECT_EQ(bild.pixel(0, 0), qRgba(90, 90, 90, 255));
}

TEST(PngLesen, InterlacedWithAncillaryChunksStopsRightAfterIend)
{
    PngAuftrag a;
    a.w = 13;
    a.h = 11;
    a.interlace = true;
    a.zusatzChunks = true;
    for (int y = 0; y < a.h; ++y) {
        std::vector<png_byte> zeile;
        for (int x = 0; x < a.w; ++x) {
            zeile.push_back(png_byte(x * 19));
            zeile.push_back(png_byte(y * 23));
            zeile.push_back(png_byte(x * y));
        }
        a.zeilen.push_back(zeile);
    }
    const QByteArray png = Erzeugen(a);
    ASSERT_TRUE(png.contains("prIv"));
    ASSERT_TRUE(png.contains("zTXt"));
    QImage bild;
    qint64 pos = 0;
    ASSERT_TRUE(Lesen(png + "danach", bild, &pos));
    EXPECT_EQ(pos, png.size());
    ASSERT_EQ(bild.size(), QSize(13, 11));
    for (int y = 0; y < a.h; ++y)
        for (int x = 0; x < a.w; ++x)
            ASSERT_EQ(bild.pixel(x, y), qRgb(x * 19 % 256, y * 23 % 256, x * y % 256)) << x << "," << y;
}

TEST(PngLesen, WrittenPicturesReadBack)
{
    QImage opak(5, 4, QImage::Format_RGB32);
    opak.fill(qRgb(1, 2, 3));
    opak.setPixel(4, 3, qRgb(250, 251, 252));
    QBuffer buf;
    buf.open(QIODevice::WriteOnly);
    ASSERT_TRUE(PngSchreiben(buf, opak, 5));
    QImage bild;
    ASSERT_TRUE(Lesen(buf.data(), bild));
    EXPECT_EQ(bild.format(), QImage::Format_RGB32);
    EXPECT_EQ(bild, opak);
}

TEST(PngLesen, CutOrOversizedStreamsAreRefused)
{
    PngAuftrag a;
    a.w = 40;
    a.h = 30;
    for (int y = 0; y < a.h; ++y)
        a.zeilen.push_back(std::vector<png_byte>(size_t(a.w) * 3, png_byte(y * 7)));
    const QByteArray png = Erzeugen(a);
    QImage bild;
    for (qsizetype n = 0; n < png.size(); n += 7)
        EXPECT_FALSE(Lesen(png.left(n), bild)) << n;
    EXPECT_FALSE(Lesen(png.chopped(1), bild));

    // Within a bound far too small for the claimed rows, nothing is decoded.
    QBuffer buf;
    buf.setData(png);
    buf.open(QIODevice::ReadOnly);
    EXPECT_FALSE(PngLesen(buf, bild, 3));
    EXPECT_FALSE(Lesen("keine PNG-Datei", bild));
}

TEST(PngLesen, DamagedPictureDataIsRefused)
{
    PngAuftrag a;
    a.w = 16;
    a.h = 8;
    for (int y = 0; y < a.h; ++y) {
        a.zeilen.emplace_back();
        for (int x = 0; x < a.w * 3; ++x)
            a.zeilen.back().push_back(png_byte(x * 5 + y * 11));
    }
    const QByteArray png = Erzeugen(a);
    QImage gut;
    ASSERT_TRUE(Lesen(png, gut));
    const qsizetype idat = png.indexOf("IDAT");
    ASSERT_GT(idat, 4);
    const qsizetype laenge = qFromBigEndian<quint32>(png.constData() + idat - 4);
    ASSERT_GT(laenge, 6);
    // Chunk CRCs are not checked, so a changed bit of the compressed data or
    // of its checksum must be caught while inflating. Only the unused bits
    // after the stream's last code may change without harm: the picture read
    // is then the same, never a silently different one.
    int abgelehnt = 0, versuche = 0;
    for (qsizetype i = 0; i < laenge; ++i) {
        for (const int bit : {0x01, 0x20, 0x80}) {
            QByteArray kaputt = png;
            kaputt[idat + 4 + i] = char(kaputt[idat + 4 + i] ^ bit);
            QImage bild;
            const bool gelesen = Lesen(kaputt, bild);
            ++versuche;
            abgelehnt += !gelesen;
            if (gelesen) {
                EXPECT_EQ(bild, gut) << i << " " << bit;
            }
        }
    }
    EXPECT_GE(abgelehnt, versuche - 3);
}

TEST(PngLesen, HugeBitmapsFromHighlyCompressedPicturesAreRefused)
{
    // 1-bit 20000 x 20000: 50 MB of raw rows compress to about 50 KB, but the
    // 32-bit bitmap would take 1.6 GB.
    PngAuftrag a;
    a.w = 20000;
    a.h = 20000;
    a.farbtyp = PNG_COLOR_TYPE_GRAY;
    a.tiefe = 1;
    a.zeilen.assign(size_t(a.h), std::vector<png_byte>(size_t(a.w / 8), 0));
    const QByteArray png = Erzeugen(a);
    ASSERT_LT(png.size(), 200000);
    QImage bild;
    EXPECT_FALSE(Lesen(png, bild));
    // Also without a byte bound, where only the pixel bound can refuse it.
    QBuffer buf;
    buf.setData(png);
    buf.open(QIODevice::ReadOnly);
    EXPECT_FALSE(PngLesen(buf, bild, -1));
    EXPECT_TRUE(bild.isNull());
}

TEST(PngLesen, PlainRgbRowsOfOddWidthsComeOutAsOpaqueWordsWithTheirResolution)
{
    // Plain RGB rows are widened after reading: every width (vector tails
    // included), every channel in its place, the resolution kept.
    for (const int w : {1, 3, 15, 16, 17, 257}) {
        PngAuftrag a;
        a.w = w;
        a.h = 2;
        for (int y = 0; y < a.h; ++y) {
            std::vector<png_byte> zeile;
            for (int x = 0; x < w; ++x) {
                zeile.push_back(png_byte(x * 7 + y));
                zeile.push_back(png_byte(255 - x));
                zeile.push_back(png_byte(x * 3 + 100 * y));
            }
            a.zeilen.push_back(zeile);
        }
        QImage bild;
        ASSERT_TRUE(Lesen(Erzeugen(a), bild)) << w;
        ASSERT_EQ(bild.format(), QImage::Format_RGB32) << w;
        ASSERT_EQ(bild.size(), QSize(w, 2)) << w;
        EXPECT_EQ(bild.dotsPerMeterX(), 3780);
        EXPECT_EQ(bild.dotsPerMeterY(), 3780);
        for (int y = 0; y < a.h; ++y)
            for (int x = 0; x < w; ++x)
                ASSERT_EQ(bild.pixel(x, y), qRgb((x * 7 + y) % 256, (255 - x) % 256, (x * 3 + 100 * y) % 256))
                    << w << ": " << x << "," << y;
    }
}
