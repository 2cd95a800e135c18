// Frame painting at start-up sizes: the start page's card frame and the
// title bar's frame, at the fixed 900 x 650 window and at full screen.
#include "Rahmen.h"
#include "RahmenBild.h"

#include <benchmark/benchmark.h>

namespace {
void Rahmen(benchmark::State &state, const QImage &(*kachel)(), int w, int h)
{
    const QImage &tile = kachel();
    for (auto _ : state) {
        QImage ziel(w, h, QImage::Format_RGB32);
        ZeichneRahmenBild(ziel, tile, 30);
        benchmark::DoNotOptimize(ziel.constBits());
    }
    state.SetItemsProcessed(state.iterations() * qint64(w) * h);
}
}

// The start page's card (BackTeileImg3, a centre of one colour).
BENCHMARK_CAPTURE(Rahmen, Startseite900x650, BackTeileImg3, 884, 562)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Rahmen, StartseiteVollbild, BackTeileImg3, 1264, 906)->Unit(benchmark::kMicrosecond);
// The title bar (BackTeileImg3Tit, a centre of rows of one colour each).
BENCHMARK_CAPTURE(Rahmen, Titel900x650, BackTeileImg3Tit, 716, 46)->Unit(benchmark::kMicrosecond);
