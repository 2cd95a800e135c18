// The editor's costs: placing the 200th label on a photo (the step with its
// undo record) and the redraw of the picture that shows it.
#include "Bearbeitung.h"
#include "BuntesBild.h"
#include "NeuesDokument.h"
#include "Nummerierung.h"
#include "Szene.h"

#include <cmath>

#include <benchmark/benchmark.h>

namespace {

// A labelling document with 199 labels on a large photo, and the scene
// over a copy of it as the editor's picture draws it.
struct Bildflaeche
{
    Dokument dok;
    Bearbeitung bearbeitung{dok};
    DokumentZustand kopie;
    Szene szene{kopie, Dienste{}};

    Bildflaeche()
    {
        dok = NeuesDokumentAnlegen({DokArt::Bildbeschriftung, BuntesBild(), "Bank", "", ""});
        for (int i = 0; i < 199; ++i) {
            const double x = 0.05 + std::fmod(0.015 * i, 0.85), y = 0.1 + std::fmod(0.013 * i, 0.8);
            bearbeitung.BeschriftungAnlegen({x, y}, {x + 0.05, y - 0.02}, QString("Beschriftung %1").arg(i));
        }
        szene.SteuerGroesse = QSize(870, 650);
        szene.LernansichtSichtbar = true;
        Zeichnen();
    }
    void Zeichnen()
    {
        kopie.Dok = dok;
        for (DokObjekt &o : kopie.Dok.Objekte)
            o.Abdeckung = AbdeckungsArt::Aufgedeckt;
        szene.SzeneAufbauen();
    }
};

// One label placed (command, history record, numbering count) and the
// picture drawn anew with it; undone outside the timing.
void BM_Label200Platzieren(benchmark::State &state)
{
    Bildflaeche f;
    for (auto _ : state) {
        f.bearbeitung.BeschriftungAnlegen({0.5, 0.5}, {0.6, 0.45}, QStringLiteral("Die zweihundertste"));
        f.Zeichnen();
        benchmark::DoNotOptimize(f.szene.AnzeigeBild.constBits());
        state.PauseTiming();
        f.bearbeitung.Stapel.undo();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_Label200Platzieren)->Unit(benchmark::kMillisecond);

// The step alone, without the redraw.
void BM_Label200Befehl(benchmark::State &state)
{
    Bildflaeche f;
    for (auto _ : state) {
        f.bearbeitung.BeschriftungAnlegen({0.5, 0.5}, {0.6, 0.45}, QStringLiteral("Die zweihundertste"));
        state.PauseTiming();
        f.bearbeitung.Stapel.undo();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_Label200Befehl)->Unit(benchmark::kMicrosecond);

} // namespace
