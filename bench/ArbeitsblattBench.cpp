// Worksheet costs: building the page of a 60-object labelling document
// with a 1600 x 1000 picture and of a 200-question document (goal: 30 ms
// each), and writing each file format.
#include "ArbeitsblattErstellen.h"
#include "BlattExport.h"
#include "BuntesBild.h"
#include "Einzelfragen.h"
#include "Szene.h"

#include <benchmark/benchmark.h>

namespace {

struct Aufbau
{
    DokumentZustand zustand;
    Dienste dienste;
    Szene szene{zustand, dienste};

    void Beschriftung()
    {
        zustand.Dok.BasisBild = BuntesBild();
        for (int i = 0; i < 60; ++i) {
            DokObjekt o;
            o.Typ = ObjektTyp::Beschriftung;
            o.Ebene = 1;
            o.Sx = 0.05 + 0.015 * i;
            o.Sy = 0.1 + 0.013 * i;
            o.Kx = o.Sx + 0.05;
            o.Ky = o.Sy - 0.02;
            o.Sline = 1;
            o.Cap = QString("Beschriftung %1").arg(i);
            zustand.Dok.Objekte << o;
        }
        szene.SteuerGroesse = QSize(870, 650);
        szene.SzeneAufbauen();
    }

    // 200 flag questions over the shipped flags, as the flag quizzes are.
    void Fragen()
    {
        QStringList z;
        const char *flaggen[] = {"de", "fr", "it", "es", "pl", "at", "ch", "nl", "be", "dk"};
        for (int i = 0; i < 200; ++i)
            z << QString("<@flaggenfrage><@img=%1.png>//Land %2").arg(flaggen[i % 10]).arg(i);
        zustand.Dok.Fragentext = z.join("\r\n");
        EinzelfragenAufbauen(zustand.Dok);
        szene.ProgOrdner = QStringLiteral(PENNORIA_QUELLE) + "/content/";
    }
};

ArbeitsblattOptionen Loesung()
{
    ArbeitsblattOptionen o;
    o.Titel = "Titel";
    o.Art = BlattArt::Loesungsblatt;
    return o;
}

void BM_SeiteBeschriftung(benchmark::State &state)
{
    Aufbau a;
    a.Beschriftung();
    for (auto _ : state)
        benchmark::DoNotOptimize(ArbeitsblattErstellen(Loesung(), a.szene));
}
BENCHMARK(BM_SeiteBeschriftung)->Unit(benchmark::kMillisecond);

void BM_Seite200Fragen(benchmark::State &state)
{
    Aufbau a;
    a.Fragen();
    for (auto _ : state)
        benchmark::DoNotOptimize(ArbeitsblattErstellen(Loesung(), a.szene));
}
BENCHMARK(BM_Seite200Fragen)->Unit(benchmark::kMillisecond);

void BM_Schreiben(benchmark::State &state)
{
    Aufbau a;
    if (state.range(1) == 0)
        a.Beschriftung();
    else
        a.Fragen();
    const Blatt blatt = ArbeitsblattErstellen(Loesung(), a.szene);
    const auto format = static_cast<BlattFormat>(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(BlattDaten(blatt, format));
}
// Formats: 1 EMF, 2 WMF, 3 PDF, 4 SVG, 5 PNG; second value: 0 labelling, 1 questions.
BENCHMARK(BM_Schreiben)
    ->ArgsProduct({{1, 2, 3, 4, 5}, {0, 1}})
    ->ArgNames({"format", "fragen"})
    ->Unit(benchmark::kMillisecond);

} // namespace
