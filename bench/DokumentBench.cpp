// Reading topic documents:
//  - LeseTitel over 1000 documents of 60 KB, warm (goal: at most 10 µs per file);
//  - LadeDokument of a 500-object document with a 1600 x 1000 picture, against
//    libpng decoding the same picture alone (goal: ratio at most 1.2).
#include "BildDatei.h"
#include "DokumentDatei.h"
#include "DokumentLaden.h"
#include "DokumentUmgebung.h"
#include "Meldungen.h"

#include <QBuffer>
#include <QFile>
#include <QLinearGradient>
#include <QPainter>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <png.h>
#include <vector>

namespace {

class StilleMeldungen : public IMeldungen
{
public:
    void Information(const QString &) override {}
    void Fehler(const QString &) override {}
    Antwort JaNein(const QString &, FrageArt) override { return Antwort::Nein; }
    Antwort JaNeinAbbrechen(const QString &) override { return Antwort::Abbrechen; }
};

QByteArray Bytes(const Dokument &d)
{
    QBuffer buf;
    buf.open(QIODevice::WriteOnly);
    if (!DokumentSchreiben(buf, d))
        std::abort();
    return buf.data();
}

void Schreiben(const QString &pfad, const QByteArray &b)
{
    QFile f(pfad);
    if (!f.open(QIODevice::WriteOnly) || f.write(b) != b.size())
        std::abort();
}

DokObjekt Objekt(int i)
{
    DokObjekt o;
    o.Sx = (i % 37) / 37.0;
    o.Sy = (i % 41) / 41.0;
    o.Kx = o.Sx + 0.01;
    o.Ky = o.Sy + 0.02;
    o.Cap = QString("Beschriftung Nummer %1\nzweite Zeile").arg(i);
    o.Typ = i % 3;
    o.Ebene = 1;
    o.FrageNummer = -1;
    return o;
}

// A picture like a drawn map: smooth areas, outlines and some texture.
QImage Bild(int w, int h)
{
    QImage bild(w, h, QImage::Format_RGB32);
    QPainter p(&bild);
    QLinearGradient g(0, 0, w, h);
    g.setColorAt(0, QColor(180, 210, 240));
    g.setColorAt(1, QColor(40, 90, 160));
    p.fillRect(bild.rect(), g);
    p.setRenderHint(QPainter::Antialiasing);
    QRandomGenerator zufall(7);
    for (int i = 0; i < 300; ++i) {
        p.setBrush(QColor::fromHsv(zufall.bounded(360), 80 + zufall.bounded(100), 150 + zufall.bounded(100)));
        p.setPen(QPen(Qt::black, 1.5));
        p.drawEllipse(QPointF(zufall.bounded(w), zufall.bounded(h)), 10 + zufall.bounded(90), 10 + zufall.bounded(60));
    }
    p.end();
    for (int y = 0; y < h; y += 3)
        for (int x = (y * 7) % 5; x < w; x += 5)
            bild.setPixel(x, y, bild.pixel(x, y) ^ 0x030303);
    return bild;
}

struct TitelDateien
{
    QTemporaryDir dir;
    QStringList pfade;

    TitelDateien()
    {
        Dokument d;
        d.Titel = "Titel 0000";
        d.Autor = "Autor";
        d.Bemerkung = "Bemerkung";
        QImage bild(8, 8, QImage::Format_RGB32);
        bild.fill(Qt::white);
        d.BasisBild = bild;
        for (int i = 0; i < 800; ++i)
            d.Objekte << Objekt(i);
        QByteArray vorlage = Bytes(d);
        vorlage.append(QByteArray(qMax<qsizetype>(0, 60 * 1024 - vorlage.size()), '\0'));
        const qsizetype stelle = vorlage.indexOf("Titel 0000");
        for (int i = 0; i < 1000; ++i) {
            QByteArray b = vorlage;
            b.replace(stelle, 10, QString("Titel %1").arg(i, 4, 10, QChar('0')).toLatin1());
            pfade << dir.path() + QString("/dok%1.tvl").arg(i);
            Schreiben(pfade.last(), b);
        }
    }
};

void BM_LeseTitel(benchmark::State &state)
{
    static TitelDateien dateien;
    QString titel;
    for (const QString &p : dateien.pfade) // warm the page cache
        LeseTitel(p, titel);
    for (auto _ : state) {
        for (const QString &p : dateien.pfade) {
            if (!LeseTitel(p, titel))
                state.SkipWithError("LeseTitel failed");
            benchmark::DoNotOptimize(titel);
        }
    }
    state.SetItemsProcessed(state.iterations() * dateien.pfade.size());
    // Seconds per file, printed with an SI prefix ("4.2u" is 4.2 µs).
    state.counters["s_pro_datei"] = benchmark::Counter(double(state.iterations() * dateien.pfade.size()),
                                                       benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_LeseTitel)->Unit(benchmark::kMillisecond);

struct GrossesDokument
{
    QTemporaryDir dir;
    QString pfad;
    QByteArray png;

    GrossesDokument()
    {
        Dokument d;
        d.Titel = "Großes Dokument";
        d.BasisBild = Bild(1600, 1000);
        for (int i = 0; i < 500; ++i)
            d.Objekte << Objekt(i);
        pfad = dir.path() + "/gross.tvl";
        Schreiben(pfad, Bytes(d));
        QBuffer buf;
        buf.open(QIODevice::WriteOnly);
        PngSchreiben(buf, d.BasisBild, 5);
        png = buf.data();
    }
};

GrossesDokument &Gross()
{
    static GrossesDokument g;
    return g;
}

void BM_LadeDokument(benchmark::State &state)
{
    GrossesDokument &g = Gross();
    StilleDokumentUmgebung umgebung;
    StilleMeldungen meldungen;
    for (auto _ : state) {
        DokumentZustand z;
        if (!LadeDokument(z, umgebung, meldungen, g.pfad, false))
            state.SkipWithError("LadeDokument failed");
        benchmark::DoNotOptimize(z.Dok.BasisBild.constBits());
    }
    state.counters["bytes"] = double(QFile(g.pfad).size());
}
BENCHMARK(BM_LadeDokument)->Unit(benchmark::kMillisecond);

// libpng alone, from memory, into a 32-bit bitmap.
struct Quelle
{
    const QByteArray *daten;
    qsizetype pos = 0;
};

void LeseAusSpeicher(png_structp png, png_bytep ziel, size_t n)
{
    auto *q = static_cast<Quelle *>(png_get_io_ptr(png));
    if (q->pos + qsizetype(n) > q->daten->size())
        png_error(png, "kurz");
    memcpy(ziel, q->daten->constData() + q->pos, n);
    q->pos += qsizetype(n);
}

void BM_LibpngAllein(benchmark::State &state)
{
    GrossesDokument &g = Gross();
    for (auto _ : state) {
        // A fresh bitmap each time, as every load gets one.
        QImage pixel;
        Quelle q{&g.png};
        png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
        png_infop info = png_create_info_struct(png);
        if (setjmp(png_jmpbuf(png))) {
            state.SkipWithError("libpng failed");
            break;
        }
        png_set_read_fn(png, &q, LeseAusSpeicher);
        png_read_info(png, info);
        const png_uint_32 w = png_get_image_width(png, info), h = png_get_image_height(png, info);
        png_set_filler(png, 0xff, PNG_FILLER_AFTER);
        png_set_bgr(png);
        png_read_update_info(png, info);
        pixel = QImage(int(w), int(h), QImage::Format_RGB32);
        std::vector<png_bytep> zeilen(h);
        for (png_uint_32 y = 0; y < h; ++y)
            zeilen[y] = pixel.scanLine(int(y));
        png_read_image(png, zeilen.data());
        png_read_end(png, nullptr);
        png_destroy_read_struct(&png, &info, nullptr);
        benchmark::DoNotOptimize(pixel.constBits());
    }
}
BENCHMARK(BM_LibpngAllein)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
