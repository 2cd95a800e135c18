// Laying out one long cloze paragraph with the real painter canvas: a text
// without blanks (one split word) and one of ordinary words, 64 KiB to 4 MiB
// (the largest text a document may hold).
#include "Markup.h"
#include "Zeichenhilfen.h"

#include <QPainter>

#include <benchmark/benchmark.h>

namespace {

QString LangerText(qsizetype laenge, bool woerter)
{
    static const QString zeichen = QStringLiteral("abcdefghijklmnopqrstuvwxyzäöüABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789");
    QString t;
    t.reserve(laenge);
    quint32 z = 12345;
    while (t.size() < laenge) {
        z = z * 1103515245u + 12345u;
        const int n = int((z >> 16) % 10);
        if (woerter && n == 0 && !t.endsWith(' '))
            t += ' ';
        else
            t += zeichen[int((z >> 8) % zeichen.size())];
    }
    return t;
}

// As the learning view draws it: 870 pixels wide, 22 pixel Arial.
void BM_LangerAbsatz(benchmark::State &state)
{
    const QString text = LangerText(state.range(0) * 1024, state.range(1) != 0);
    QImage bild(870, 650, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter p(&bild);
        p.setFont(ArialPixel(22));
        PainterLeinwand l(p);
        MarkupUmgebung u;
        benchmark::DoNotOptimize(MarkupSchreiben(l,
                                                 {.Text = text,
                                                  .X = 30,
                                                  .Y = 6,
                                                  .Breite = 870,
                                                  .Hoehe = 650,
                                                  .Variante = MarkupVariante::Lernansicht,
                                                  .Schrifthoehe = -22},
                                                 u));
    }
    state.SetBytesProcessed(state.iterations() * text.size() * 2);
}
// Second argument: 0 without blanks, 1 with words.
BENCHMARK(BM_LangerAbsatz)->ArgsProduct({{64, 1024, 4096}, {0, 1}})->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace
