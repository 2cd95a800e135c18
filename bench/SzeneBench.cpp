// The learning view's costs: a full rebuild of a large labelled picture at
// 200 %, one cover toggle with its block copies, one scroll step, and how a
// rebuild grows with the number of objects (10 / 100 / 1000).
#include "BuntesBild.h"
#include "Nummerierung.h"
#include "Szene.h"

#include <cmath>

#include <benchmark/benchmark.h>

namespace {

struct Aufbau
{
    DokumentZustand zustand;
    Dienste dienste;
    Szene szene{zustand, dienste};

    explicit Aufbau(int modus, int anzahl = 60)
    {
        zustand.Dok.BasisBild = BuntesBild();
        for (int i = 0; i < anzahl; ++i) {
            DokObjekt o;
            o.Typ = i % 10 == 9 ? ObjektTyp::Infopunkt : ObjektTyp::Beschriftung;
            o.Ebene = o.Typ == ObjektTyp::Infopunkt ? 2 : 1;
            // Spread over the picture; wraps around for large counts.
            o.Sx = 0.05 + std::fmod(0.015 * i, 0.85);
            o.Sy = 0.1 + std::fmod(0.013 * i, 0.8);
            o.Kx = o.Sx + 0.05;
            o.Ky = o.Sy - 0.02;
            o.Sline = 1;
            o.Cap = QString("Beschriftung %1").arg(i);
            o.Nummer = i + 1;
            zustand.Dok.Objekte << o;
        }
        szene.SteuerGroesse = QSize(870, 650);
        szene.Zustand.AnsichtModus = AnsichtArt(modus);
        szene.ZoomSetzen(4);
        szene.SzeneAufbauen();
    }
};

void BM_SzeneAufbauen(benchmark::State &state)
{
    Aufbau a(2);
    for (auto _ : state)
        a.szene.SzeneAufbauen();
}
// Smooth scaling may run on Qt's worker threads: count the whole process.
BENCHMARK(BM_SzeneAufbauen)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

// A new size every time (window resized): the picture is resampled anew.
void BM_SzeneAufbauenNeueGroesse(benchmark::State &state)
{
    Aufbau a(2);
    bool breit = false;
    for (auto _ : state) {
        breit = !breit;
        a.szene.SteuerGroesse = QSize(breit ? 870 : 860, 650);
        a.szene.SzeneAufbauen();
    }
}
BENCHMARK(BM_SzeneAufbauenNeueGroesse)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

// The same without objects: what scaling and the surface copies cost.
void BM_SzeneOhneObjekte(benchmark::State &state)
{
    Aufbau a(2, 0);
    for (auto _ : state)
        a.szene.SzeneAufbauen();
}
BENCHMARK(BM_SzeneOhneObjekte)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

// Growth with the number of labels and info points: should stay linear.
void BM_SzeneObjekte(benchmark::State &state)
{
    Aufbau a(2, int(state.range(0)));
    for (auto _ : state)
        a.szene.SzeneAufbauen();
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_SzeneObjekte)
    ->Arg(10)
    ->Arg(100)
    ->Arg(1000)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->Complexity();

void BM_AbdeckerUmschalten(benchmark::State &state)
{
    Aufbau a(2);
    const DokObjekt &o = a.zustand.Dok.Objekte[20];
    const QPoint p = a.szene.AnzeigePixel((o.Rahmen.Left + o.Rahmen.Right) / 2, (o.Rahmen.Top + o.Rahmen.Bottom) / 2);
    // Keep the object inside the visible part, as a click would.
    a.szene.Ausschnitt = {0, 0, 0.5, 0.5};
    a.szene.AnsichtZeigen();
    for (auto _ : state)
        a.szene.Klick(p);
}
BENCHMARK(BM_AbdeckerUmschalten)->Unit(benchmark::kMicrosecond)->MeasureProcessCPUTime();

void BM_Scrollschritt(benchmark::State &state)
{
    Aufbau a(3);
    double links = 0;
    for (auto _ : state) {
        links = links > 0.45 ? 0 : links + 0.01;
        a.szene.Ausschnitt.Left = links;
        a.szene.Ausschnitt.Right = links + 0.5;
        a.szene.AnsichtZeigen();
    }
}
BENCHMARK(BM_Scrollschritt)->Unit(benchmark::kMicrosecond)->MeasureProcessCPUTime();

// Ordered cover numbering of a document with many covers on few rows (ties
// everywhere): 100 000 covers within 15 times the cost of 10 000.
void BM_AbdeckerReihenfolge(benchmark::State &state)
{
    Dokument dok;
    quint32 z = 777;
    for (int i = 0; i < state.range(0); ++i) {
        z = z * 1103515245u + 12345u;
        DokObjekt o;
        o.Typ = ObjektTyp::Beschriftung;
        o.Kx = double((z >> 16) % 3) / 10;
        o.Ky = double((z >> 8) % 3) / 10;
        o.Cap = QString("L%1").arg(z % 97);
        dok.Objekte << o;
    }
    dok.GeordnetArt = state.range(1);
    for (auto _ : state)
        benchmark::DoNotOptimize(AbdeckerReihenfolge(dok, NummerierArt::Geordnet, nullptr).size());
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_AbdeckerReihenfolge)
    ->Args({10000, 0})
    ->Args({100000, 0})
    ->Args({10000, 1})
    ->Args({100000, 1})
    ->Unit(benchmark::kMillisecond);

} // namespace
