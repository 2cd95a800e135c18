// Cost of appending one record to a high-score list under the exclusive
// lock, of reading a list back, and of ordering a large list.
#include "BestListDatei.h"
#include "BestListSortierung.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {
BestListDatensatz Satz(int i)
{
    BestListDatensatz d;
    d.Name = QString("Teilnehmer %1").arg(i);
    d.Rechner = "rechner-01";
    d.Beginn = 46363.5;
    d.Dauer = 60000 + i;
    d.Leistung = 0.75;
    return d;
}

void BM_BestListSchreiben(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString pfad = dir.filePath("bench.hsc");
    int i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(BestListSchreiben(pfad, Satz(i++)));
}
BENCHMARK(BM_BestListSchreiben);

void BM_BestListLesen(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString pfad = dir.filePath("bench.hsc");
    for (int i = 0; i < state.range(0); ++i)
        BestListSchreiben(pfad, Satz(i));
    TBestList liste;
    for (auto _ : state) {
        BestListLesen(pfad, liste);
        benchmark::DoNotOptimize(liste.size());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_BestListLesen)->Arg(250)->Arg(8000);

// A shared list can hold any number of entries: 120 000 must order well
// under a second (few distinct values, so ties are everywhere).
void BM_BestListSortieren(benchmark::State &state)
{
    TBestList vorlage;
    quint32 z = 12345;
    for (int i = 0; i < state.range(0); ++i) {
        z = z * 1103515245u + 12345u;
        TBestListEintrag e;
        e.Name = QString::number(i);
        e.Leistung = double((z >> 16) % 5) / 4;
        e.Dauer = qint32((z >> 8) % 7) * 1000;
        vorlage.append(e);
    }
    for (auto _ : state) {
        TBestList liste = vorlage;
        BestListSortieren(liste);
        benchmark::DoNotOptimize(liste.data());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_BestListSortieren)->Arg(1000)->Arg(120000)->Unit(benchmark::kMillisecond);
} // namespace

BENCHMARK_MAIN();
