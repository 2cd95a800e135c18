// Caption areas: the hover repaint of a tool button, and the first showing of a bar of panels.
#include "THoverPanel.h"

#include <QApplication>
#include <QPainter>

#include <benchmark/benchmark.h>
#include <memory>
#include <vector>

namespace {

// A translucent tool picture in plain ARGB32, as the learning bar's buttons get it.
QImage Werkzeugbild()
{
    QImage b(28, 28, QImage::Format_ARGB32);
    b.fill(Qt::transparent);
    QPainter p(&b);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(QColor(40, 90, 160));
    p.drawEllipse(QRectF(3, 3, 22, 22));
    return b;
}

// One hover change: the whole panel is repainted, bitmap and caption.
void BM_HoverNeuzeichnen(benchmark::State &state)
{
    THoverPanel p;
    p.resize(30, 30);
    p.setCaption("Stift");
    p.setBitmap(Werkzeugbild());
    QImage ziel(p.size(), QImage::Format_ARGB32_Premultiplied);
    bool drin = false;
    for (auto _ : state) {
        drin = !drin;
        drin ? p.MausBetritt() : p.MausVerlaesst();
        p.render(&ziel);
    }
}
BENCHMARK(BM_HoverNeuzeichnen);

// A bar of 16 buttons built while hidden (caption, font, padding, size, ...),
// shown and painted: each caption is fitted once (on show), then drawn.
void BM_LeisteErsteAnzeige(benchmark::State &state)
{
    for (auto _ : state) {
        auto fenster = std::make_unique<QWidget>();
        fenster->resize(900, 60);
        for (int i = 0; i < 16; ++i) {
            auto *p = new THoverPanel(fenster.get());
            p->setCaption(QStringLiteral("Schaltfl\u00e4che Nummer %1").arg(i));
            p->setFontAutoSize(true);
            p->setWordWrap(true);
            p->setPadding({2, 2, 2, 2});
            p->setBorderWidth(1);
            p->setGeometry(i * 56, 0, 54, 40);
        }
        fenster->show();
        benchmark::DoNotOptimize(fenster->grab());
        fenster->hide();
    }
}
BENCHMARK(BM_LeisteErsteAnzeige)->Unit(benchmark::kMillisecond);

} // namespace
