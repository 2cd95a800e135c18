// The topic menu: scanning and sorting a folder (only each file's header is
// read) apart from building the menu items and their first layout, at 1000
// documents and growing from 10 to 5000.
#include "Dokument.h"
#include "DokumentDatei.h"
#include "DokumentLaden.h"
#include "Ordner.h"
#include "TForm1.h"
#include "Themenliste.h"

#include <QApplication>
#include <QFile>
#include <QMenu>
#include <QSettings>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <map>
#include <memory>
#include <random>
#include <vector>

namespace {
// A folder of n topic documents, each written once per run of the binary.
// The 1000 of the fixed-size benchmarks are about 60 KB each (a 160 x 125
// picture of noise); the growth series uses a 48 x 36 picture, since a scan
// only reads each file's header. Names and titles have the same length in
// every folder, as a real folder's do not grow with its size: only the
// item numbers of the menu do.
QString ThemenOrdner(int n, int breite = 48, int hoehe = 36)
{
    static std::map<std::pair<int, int>, std::unique_ptr<QTemporaryDir>> ordner;
    auto &tmp = ordner[{n, breite}];
    if (!tmp) {
        tmp = std::make_unique<QTemporaryDir>();
        std::mt19937 gen(7);
        Dokument d;
        d.AnzFrageNummern = 20;
        d.DokTyp = DokArt::Einzelfragen;
        d.BasisBild = QImage(breite, hoehe, QImage::Format_RGB32);
        for (int y = 0; y < hoehe; ++y)
            for (int x = 0; x < breite; ++x)
                d.BasisBild.setPixel(x, y, gen() | 0xff000000u);
        // File names in a scrambled order, so the sort has work to do.
        for (int i = 0; i < n; ++i) {
            d.Titel = QString("Thema %1").arg(i, 5, 10, QChar('0'));
            QFile f(tmp->path() + QString("/t%1.tvl").arg((i * 7919) % n, 5, 10, QChar('0')));
            if (f.open(QIODevice::WriteOnly))
                DokumentSchreiben(f, d);
        }
    }
    return tmp->path() + "/";
}

QString Ordner1000()
{
    return ThemenOrdner(1000, 160, 125);
}

// The growth series time the program's single run after start-up or a
// change of folder: nothing of the folder's files, the list or the menu is
// left in the processor's caches from the run before. Without this a small
// folder would be measured warm from the previous loop and a large one cold.
void CachesLeeren(benchmark::State &state)
{
    static std::vector<char> fremd(size_t(64) << 20);
    state.PauseTiming();
    for (size_t i = 0; i < fremd.size(); i += 64)
        fremd[i] = char(fremd[i] + 1);
    benchmark::DoNotOptimize(fremd.data());
    benchmark::ClobberMemory();
    state.ResumeTiming();
}

// Runs per size of the growth series: each also empties the caches first.
constexpr int WachstumsRunden = 30;

// The folder sizes of the growth series, each timed in milliseconds.
void Wachstumsreihe(benchmark::internal::Benchmark *b)
{
    b->Arg(10)->Arg(100)->Arg(1000)->Arg(5000);
    b->Iterations(WachstumsRunden)->Unit(benchmark::kMillisecond)->Complexity();
}

QApplication &Anwendung()
{
    static int argc = 1;
    static char name[] = "bench";
    static char *argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(argc, argv);
    return app;
}

class Still : public IMeldungen
{
public:
    void Information(const QString &) override {}
    void Fehler(const QString &) override {}
    Antwort JaNein(const QString &, FrageArt) override { return Antwort::Ja; }
    Antwort JaNeinAbbrechen(const QString &) override { return Antwort::Nein; }
};

class KeinOeffner : public IOeffner
{
public:
    void Oeffnen(const QString &, std::function<void(bool)> fertig) override
    {
        if (fertig)
            fertig(false);
    }
};
}

static void BM_ThemenEinlesen(benchmark::State &state)
{
    const QString o = Ordner1000();
    for (auto _ : state) {
        auto l = ThemenEinlesen(o, [](const QString &p, QString &t) { return LeseTitel(p, t); });
        benchmark::DoNotOptimize(l);
        if (l.size() != 1000)
            state.SkipWithError("not all documents read");
    }
}
BENCHMARK(BM_ThemenEinlesen)->Unit(benchmark::kMillisecond);

static void BM_ThemenSortieren(benchmark::State &state)
{
    QList<ThemenEintrag> basis;
    for (int i = 0; i < 1000; ++i)
        basis.append({"T", "/x", QString("t%1.tvl").arg((i * 7919) % 1000, 5, 10, QChar('0'))});
    for (auto _ : state) {
        auto l = basis;
        ThemenSortieren(l);
        benchmark::DoNotOptimize(l);
    }
}
BENCHMARK(BM_ThemenSortieren)->Unit(benchmark::kMillisecond);

static void BM_TitelLesen(benchmark::State &state)
{
    const QString o = Ordner1000();
    QStringList pfade;
    for (int i = 0; i < 1000; ++i)
        pfade << o + QString("t%1.tvl").arg(i, 5, 10, QChar('0'));
    for (auto _ : state)
        for (const QString &p : pfade) {
            QString t;
            benchmark::DoNotOptimize(LeseTitel(p, t));
        }
}
BENCHMARK(BM_TitelLesen)->Unit(benchmark::kMillisecond);

// Scanning (each file's header) and sorting a folder of 10 / 100 / 1000 /
// 5000 documents: should grow linearly (n log n for the sort).
static void BM_OrdnerEinlesen(benchmark::State &state)
{
    const int n = int(state.range(0));
    const QString o = ThemenOrdner(n);
    for (auto _ : state) {
        CachesLeeren(state);
        auto l = ThemenEinlesen(o, [](const QString &p, QString &t) { return LeseTitel(p, t); });
        benchmark::DoNotOptimize(l);
        if (l.size() != n)
            state.SkipWithError("not all documents read");
    }
    state.SetComplexityN(n);
}
BENCHMARK(BM_OrdnerEinlesen)->Apply(Wachstumsreihe);

namespace {
struct Hauptfenster
{
    Still m;
    KeinOeffner oe;
    QTemporaryDir conf;
    TForm1 form{{&m, nullptr, nullptr, nullptr, &oe}, new QSettings(conf.path() + "/p.conf", QSettings::IniFormat), {}};
};

// The list of n topics as the folder gives it.
QList<ThemenEintrag> Liste(int n)
{
    const QString o = ThemenOrdner(n);
    Ordner().Ableiten(o);
    return ThemenEinlesen(o, [](const QString &p, QString &t) { return LeseTitel(p, t); });
}

// Rebuilding the items and letting go of the old ones, as re-reading the
// folder does.
void Neubauen(TForm1 &form, const QList<ThemenEintrag> &liste)
{
    form.ThemenMenueSetzen(liste, ThemenSpaltenUmbruch(int(liste.size())), int(liste.size()) / 2);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
}

// The same folder after its titles changed: every item gets a new text, so
// Qt cannot keep any of its item sizes.
QList<ThemenEintrag> Geaendert(QList<ThemenEintrag> liste)
{
    for (ThemenEintrag &e : liste)
        e.Titel += " (neu)";
    return liste;
}

// Re-reading a folder of n documents whose titles changed: the items are
// rebuilt and the open menu's first layout follows (Qt's item sizes and our
// columns), with nothing cached from before.
static void BM_ThemenMenue(benchmark::State &state)
{
    Anwendung();
    const QList<ThemenEintrag> listen[2] = {Liste(int(state.range(0))), Geaendert(Liste(int(state.range(0))))};
    Hauptfenster h;
    Neubauen(h.form, listen[1]);
    int k = 0;
    for (auto _ : state) {
        CachesLeeren(state);
        Neubauen(h.form, listen[k]);
        k = 1 - k;
        benchmark::DoNotOptimize(h.form.Menue.Auswahl1->sizeHint());
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_ThemenMenue)->Apply(Wachstumsreihe);

// The first list of a fresh window, as at start-up: every item created and
// added, then the first layout (the window's construction not timed).
static void BM_ThemenMenueErstesMal(benchmark::State &state)
{
    Anwendung();
    const auto liste = Liste(int(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        auto h = std::make_unique<Hauptfenster>();
        state.ResumeTiming();
        CachesLeeren(state);
        Neubauen(h->form, liste);
        benchmark::DoNotOptimize(h->form.Menue.Auswahl1->sizeHint());
        state.PauseTiming();
        h.reset();
        state.ResumeTiming();
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_ThemenMenueErstesMal)->Apply(Wachstumsreihe);

// The first layout alone, right after a rebuild with new texts (the
// rebuild not timed).
static void BM_ThemenMenueAnordnen(benchmark::State &state)
{
    Anwendung();
    const QList<ThemenEintrag> listen[2] = {Liste(int(state.range(0))), Geaendert(Liste(int(state.range(0))))};
    Hauptfenster h;
    int k = 0;
    for (auto _ : state) {
        state.PauseTiming();
        Neubauen(h.form, listen[k]);
        k = 1 - k;
        state.ResumeTiming();
        CachesLeeren(state);
        benchmark::DoNotOptimize(h.form.Menue.Auswahl1->sizeHint());
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_ThemenMenueAnordnen)
    ->Arg(1000)
    ->Arg(5000)
    ->Iterations(WachstumsRunden)
    ->Unit(benchmark::kMillisecond)
    ->Complexity();

BENCHMARK_MAIN();
