// Cost of appending one record to a high-score list under the exclusive
// lock, and of reading a list back.
#include "BestListDatei.h"

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
} // namespace

BENCHMARK_MAIN();
