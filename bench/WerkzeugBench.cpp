// The learning view's drawing and output costs: one pen or highlighter step
// with the repaint of its rectangle, one pan step at 200 %, and the PNG
// export of the display bitmap against libpng alone.
#include "AnsichtAusgabe.h"
#include "LernKartBild.h"
#include "Szene.h"

#include <QApplication>
#include <QDir>
#include <QPainter>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <cstdio>
#include <png.h>
#include <unistd.h>
#include <vector>

namespace {

// A picture with soft colour fields, lines and text, as a base picture is.
QImage Vorlage(int w, int h)
{
    QImage bild(w, h, QImage::Format_RGB32);
    QPainter p(&bild);
    QLinearGradient g(0, 0, w, h);
    g.setColorAt(0, QColor(230, 240, 250));
    g.setColorAt(1, QColor(140, 180, 120));
    p.fillRect(bild.rect(), g);
    for (int i = 0; i < 40; ++i) {
        p.setPen(QPen(QColor(i * 6, 80, 200 - i * 4), 3));
        p.drawLine(i * w / 40, 0, w - i * w / 40, h);
    }
    QFont f("DejaVu Sans");
    f.setPixelSize(28);
    p.setFont(f);
    p.setPen(Qt::black);
    for (int y = 60; y < h; y += 90)
        p.drawText(40, y, "Aufbau einer Flagge: Liek, Tuch, Obereck, Flugseite");
    return bild;
}

// The learning view shown in a widget of the given size.
struct Ansicht
{
    DokumentZustand zustand;
    Dienste dienste;
    Szene szene{zustand, dienste};
    LernKartBild bild{szene};

    Ansicht(QSize steuer, QSize vorlage, int zoom)
    {
        zustand.Dok.BasisBild = Vorlage(vorlage.width(), vorlage.height());
        bild.resize(steuer);
        bild.show();
        szene.SteuerGroesse = steuer;
        szene.Zustand.AnsichtModus = AnsichtArt::Startseite;
        szene.LernansichtSichtbar = true;
        szene.ZoomSetzen(zoom);
        szene.SzeneAufbauen();
        QApplication::processEvents();
    }
};

void Zeichenschritt(benchmark::State &state, Werkzeug w)
{
    Ansicht a(QSize(1740, 1300), QSize(1740, 1300), 0);
    a.szene.WerkzeugWaehlen(w);
    a.szene.WerkzeugBewegung(QPoint(400, 400), false);
    a.szene.WerkzeugDruck(QPoint(400, 400));
    int x = 400;
    for (auto _ : state) {
        x = x >= 1300 ? 400 : x + 3; // a stroke of short mouse steps
        const WerkzeugSchritt s = a.szene.WerkzeugBewegung(QPoint(x, 400 + (x & 15)), true);
        // What the control does with the changed part, at once.
        a.bild.repaint(s.geaendert.translated(a.szene.BildVersatz()));
    }
    if (a.szene.AnzeigeBild.size() != QSize(1740, 1300))
        state.SkipWithError("display bitmap has the wrong size");
}
void BM_Stiftschritt(benchmark::State &state)
{
    Zeichenschritt(state, Werkzeug::Stift);
}
void BM_Markerschritt(benchmark::State &state)
{
    Zeichenschritt(state, Werkzeug::GelbMarker);
}
BENCHMARK(BM_Stiftschritt)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Markerschritt)->Unit(benchmark::kMicrosecond);

// One mouse move while panning at 200 %: the view moves and the control is
// painted anew.
void BM_Verschiebeschritt200(benchmark::State &state)
{
    Ansicht a(QSize(870, 650), QSize(1740, 1300), 4);
    a.szene.VerschiebenBeginnen(QPoint(400, 300));
    int x = 400;
    bool zurueck = false;
    for (auto _ : state) {
        if (x > 700 || x < 100)
            zurueck = !zurueck;
        x += zurueck ? -4 : 4;
        a.szene.Verschieben(QPoint(x, 300));
        if (state.range(0))
            a.bild.repaint();
    }
}
BENCHMARK(BM_Verschiebeschritt200)->Arg(0)->Arg(1)->ArgName("mitNeuzeichnen")->Unit(benchmark::kMicrosecond);

QImage Anzeige1740()
{
    static Ansicht *a = new Ansicht(QSize(1740, 1300), QSize(1740, 1300), 0);
    return a->szene.AnzeigeBild;
}

// The export command's writer: conversion, encoding at level 5 and the
// complete, synced file.
void BM_PngExport(benchmark::State &state)
{
    const QImage bild = Anzeige1740();
    QTemporaryDir tmp;
    const QString pfad = tmp.filePath("ansicht.png");
    for (auto _ : state)
        if (!BildSpeichern(bild, pfad))
            state.SkipWithError("write failed");
}
BENCHMARK(BM_PngExport)->Unit(benchmark::kMillisecond)->UseRealTime();

// libpng alone on the same pixels, already as RGB rows, into a FILE at
// level 5, flushed and synced like the export.
void BM_LibpngAllein(benchmark::State &state)
{
    const QImage rgb = Anzeige1740().convertToFormat(QImage::Format_RGB888);
    QTemporaryDir tmp;
    const QByteArray pfad = QFile::encodeName(tmp.filePath("libpng.png"));
    std::vector<png_const_bytep> zeilen(size_t(rgb.height()));
    for (int y = 0; y < rgb.height(); ++y)
        zeilen[size_t(y)] = rgb.constScanLine(y);
    for (auto _ : state) {
        FILE *f = std::fopen(pfad.constData(), "wb");
        png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
        png_infop info = png_create_info_struct(png);
        if (setjmp(png_jmpbuf(png))) {
            state.SkipWithError("libpng failed");
            break;
        }
        png_init_io(png, f);
        png_set_compression_level(png, 5);
        png_set_IHDR(png, info, png_uint_32(rgb.width()), png_uint_32(rgb.height()), 8, PNG_COLOR_TYPE_RGB,
                     PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
        png_write_info(png, info);
        png_write_image(png, const_cast<png_bytepp>(zeilen.data()));
        png_write_end(png, info);
        png_destroy_write_struct(&png, &info);
        std::fflush(f);
        fsync(fileno(f));
        std::fclose(f);
    }
}
BENCHMARK(BM_LibpngAllein)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
