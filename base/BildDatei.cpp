// PNG reading and writing through libpng, JPEG writing through libjpeg.
#include "BildDatei.h"
#include "SichereDatei.h"

#include <QFile>
#include <QIODevice>
#include <QSaveFile>

#include <csetjmp>
#include <cstdio>
#include <fcntl.h>
#include <jpeglib.h>
#include <png.h>
#include <unistd.h>
#include <vector>

namespace {

// Deflate cannot compress better than about 1032:1; a picture whose raw rows
// exceed that bound for the bytes left is certainly truncated or damaged.
constexpr qint64 kDeflateHoechstVerhaeltnis = 1032;
constexpr png_uint_32 kHoechstSeite = 32768;
// The decoded bitmap has 4 bytes per pixel whatever the stored depth, so a
// 1-bit picture grows 32-fold beyond its raw rows; this bounds it absolutely
// (64 Mpixel, 256 MB), far above any picture a document or flag needs.
constexpr qint64 kHoechstPixel = qint64(1) << 26;

struct LeseKontext
{
    QIODevice *dev;
};

void PngLeseFn(png_structp png, png_bytep data, size_t len)
{
    auto *k = static_cast<LeseKontext *>(png_get_io_ptr(png));
    qint64 gelesen = 0;
    while (gelesen < qint64(len)) {
        const qint64 n = k->dev->read(reinterpret_cast<char *>(data) + gelesen, qint64(len) - gelesen);
        if (n <= 0)
            png_error(png, "kurz");
        gelesen += n;
    }
}

void PngFehlerFn(png_structp png, png_const_charp)
{
    png_longjmp(png, 1);
}

void PngWarnFn(png_structp, png_const_charp) {}

struct SchreibKontext
{
    QIODevice *dev;
    bool ok = true;
};

void PngSchreibFn(png_structp png, png_bytep data, size_t len)
{
    auto *k = static_cast<SchreibKontext *>(png_get_io_ptr(png));
    if (k->ok && k->dev->write(reinterpret_cast<const char *>(data), qint64(len)) != qint64(len))
        k->ok = false;
}

void PngFlushFn(png_structp) {}

} // namespace

bool PngLesen(QIODevice &dev, QImage &bild, qint64 maxBytes)
{
    LeseKontext kontext{&dev};
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, PngFehlerFn, PngWarnFn);
    if (!png)
        return false;
    png_infop info = png_create_info_struct(png);
    if (!info) {
        png_destroy_read_struct(&png, nullptr, nullptr);
        return false;
    }
    // Declared before setjmp so that a longjmp leaves them in a defined state.
    QImage ergebnis;
    std::vector<png_bytep> zeilen;
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_read_struct(&png, &info, nullptr);
        return false;
    }
    png_set_read_fn(png, &kontext, PngLeseFn);
    png_set_user_limits(png, kHoechstSeite, kHoechstSeite);
    png_set_chunk_malloc_max(png, 8 * 1024 * 1024);
    // A bad CRC is not fatal: critical chunks are used as they are, since
    // zlib's own checksum still refuses damaged picture data, and ancillary
    // chunks with bad CRCs are skipped.
    png_set_crc_action(png, PNG_CRC_QUIET_USE, PNG_CRC_DEFAULT);
    png_read_info(png, info);

    png_uint_32 w = 0, h = 0;
    int tiefe = 0, farbtyp = 0, interlace = 0;
    png_get_IHDR(png, info, &w, &h, &tiefe, &farbtyp, &interlace, nullptr, nullptr);
    if (qint64(w) * h > kHoechstPixel)
        png_error(png, "zu gross");
    if (maxBytes >= 0) {
        const qint64 roh = qint64(h) * (qint64(png_get_rowbytes(png, info)) + 1);
        if (roh > maxBytes * kDeflateHoechstVerhaeltnis)
            png_error(png, "zu gross");
    }

    const bool hatAlpha = (farbtyp & PNG_COLOR_MASK_ALPHA) || png_get_valid(png, info, PNG_INFO_tRNS);
    if (farbtyp == PNG_COLOR_TYPE_PALETTE)
        png_set_palette_to_rgb(png);
    if (farbtyp == PNG_COLOR_TYPE_GRAY || farbtyp == PNG_COLOR_TYPE_GRAY_ALPHA) {
        if (tiefe < 8)
            png_set_expand_gray_1_2_4_to_8(png);
        png_set_gray_to_rgb(png);
    }
    if (png_get_valid(png, info, PNG_INFO_tRNS))
        png_set_tRNS_to_alpha(png);
    if (tiefe == 16)
        png_set_strip_16(png);
    // Plain 8-bit RGB rows are taken as they are and widened by Qt's
    // vectorised converter afterwards: libpng's own filler and byte swap work
    // pixel by pixel and cost more than the whole inflating.
    const bool rgb24 = farbtyp == PNG_COLOR_TYPE_RGB && tiefe == 8 && !hatAlpha;
    if (!rgb24) {
        if (!hatAlpha)
            png_set_filler(png, 0xff, PNG_FILLER_AFTER);
        // QImage's 32-bit formats are 0xAARRGGBB words, that is B, G, R, A bytes here.
        png_set_bgr(png);
    }
    png_set_interlace_handling(png);
    png_read_update_info(png, info);

    ergebnis = QImage(int(w), int(h),
                      rgb24      ? QImage::Format_RGB888
                      : hatAlpha ? QImage::Format_ARGB32
                                 : QImage::Format_RGB32);
    if (ergebnis.isNull())
        png_error(png, "Speicher");
    zeilen.resize(h);
    for (png_uint_32 y = 0; y < h; ++y)
        zeilen[y] = ergebnis.scanLine(int(y));
    png_read_image(png, zeilen.data());
    png_read_end(png, nullptr);
    png_destroy_read_struct(&png, &info, nullptr);

    // Resolution and format are set while ergebnis is the pixels' only owner:
    // changing a shared image would detach it and copy every pixel.
    ergebnis.setDotsPerMeterX(3780);
    ergebnis.setDotsPerMeterY(3780);
    if (hatAlpha)
        ergebnis.convertTo(QImage::Format_ARGB32_Premultiplied); // in place, same depth
    else if (rgb24)
        ergebnis.convertTo(QImage::Format_RGB32);
    if (ergebnis.isNull())
        return false; // out of memory while widening
    bild = std::move(ergebnis);
    return true;
}

bool PngLesenDatei(const QString &pfad, QImage &bild)
{
    // Flag and start images: a FIFO under their name must not hang us.
    const int h = RegulaerOeffnen(pfad, O_RDONLY);
    if (h < 0)
        return false;
    QFile f;
    if (!f.open(h, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(h);
        return false;
    }
    return PngLesen(f, bild, f.size());
}

bool PngSchreiben(QIODevice &dev, const QImage &bild, int zlibLevel)
{
    if (bild.isNull())
        return false;
    const bool alpha = bild.hasAlphaChannel();
    const QImage quelle = bild.convertToFormat(alpha ? QImage::Format_RGBA8888 : QImage::Format_RGB888);
    SchreibKontext kontext{&dev};
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, PngFehlerFn, PngWarnFn);
    if (!png)
        return false;
    png_infop info = png_create_info_struct(png);
    if (!info) {
        png_destroy_write_struct(&png, nullptr);
        return false;
    }
    std::vector<png_bytep> zeilen(size_t(quelle.height()));
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return false;
    }
    png_set_write_fn(png, &kontext, PngSchreibFn, PngFlushFn);
    png_set_compression_level(png, zlibLevel);
    png_set_IHDR(png, info, png_uint_32(quelle.width()), png_uint_32(quelle.height()), 8,
                 alpha ? PNG_COLOR_TYPE_RGB_ALPHA : PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int y = 0; y < quelle.height(); ++y)
        zeilen[size_t(y)] = const_cast<png_bytep>(quelle.constScanLine(y));
    png_write_image(png, zeilen.data());
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    return kontext.ok;
}

bool PngSchreibenDatei(const QString &pfad, const QImage &bild, int zlibLevel)
{
    if (!SpeicherzielErlaubt(pfad))
        return false;
    QSaveFile f(pfad);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    // The file buffers small writes; a full disk shows only when the
    // buffer goes out, and commit() does not report that.
    if (!PngSchreiben(f, bild, zlibLevel) || !f.flush()) {
        f.cancelWriting();
        return false;
    }
    return f.commit();
}

namespace {
struct JpegFehler
{
    jpeg_error_mgr pub;
    std::jmp_buf sprung;
};

void JpegFehlerExit(j_common_ptr cinfo)
{
    auto *f = reinterpret_cast<JpegFehler *>(cinfo->err);
    std::longjmp(f->sprung, 1);
}
} // namespace

bool JpegSchreibenDatei(const QString &pfad, const QImage &bild, int qualitaet)
{
    if (bild.isNull())
        return false;
    if (!SpeicherzielErlaubt(pfad))
        return false;
    const QImage quelle = bild.convertToFormat(QImage::Format_RGB888);
    QSaveFile datei(pfad);
    if (!datei.open(QIODevice::WriteOnly))
        return false;

    unsigned char *puffer = nullptr;
    unsigned long groesse = 0;
    jpeg_compress_struct cinfo;
    JpegFehler fehler;
    cinfo.err = jpeg_std_error(&fehler.pub);
    fehler.pub.error_exit = JpegFehlerExit;
    if (setjmp(fehler.sprung)) {
        jpeg_destroy_compress(&cinfo);
        free(puffer);
        datei.cancelWriting();
        return false;
    }
    jpeg_create_compress(&cinfo);
    jpeg_mem_dest(&cinfo, &puffer, &groesse);
    cinfo.image_width = JDIMENSION(quelle.width());
    cinfo.image_height = JDIMENSION(quelle.height());
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, qualitaet, TRUE);
    cinfo.density_unit = 1;
    cinfo.X_density = 96;
    cinfo.Y_density = 96;
    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW zeile = const_cast<JSAMPROW>(quelle.constScanLine(int(cinfo.next_scanline)));
        jpeg_write_scanlines(&cinfo, &zeile, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    const bool ok = datei.write(reinterpret_cast<const char *>(puffer), qint64(groesse)) == qint64(groesse)
                    && datei.flush();
    free(puffer);
    if (!ok) {
        datei.cancelWriting();
        return false;
    }
    return datei.commit();
}
