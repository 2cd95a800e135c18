// The topic menu over 1000 documents of about 60 KB: scanning and sorting
// (only each file's header is read) apart from building the menu items.
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

#include <random>

namespace {
QTemporaryDir &Ordner1000()
{
    static QTemporaryDir tmp;
    static bool fertig = false;
    if (!fertig) {
        std::mt19937 gen(7);
        Dokument d;
        d.AnzFrageNummern = 20;
        d.DokTyp = 2;
        d.BasisBild = QImage(160, 125, QImage::Format_RGB32);
        for (int y = 0; y < 125; ++y)
            for (int x = 0; x < 160; ++x)
                d.BasisBild.setPixel(x, y, gen() | 0xff000000u);
        for (int i = 0; i < 1000; ++i) {
            d.Titel = QString("Thema %1").arg(i);
            QFile f(tmp.path() + QString("/t%1.tvl").arg((i * 7919) % 1000, 4, 10, QChar('0')));
            if (f.open(QIODevice::WriteOnly))
                DokumentSchreiben(f, d);
        }
        fertig = true;
    }
    return tmp;
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
    bool Oeffnen(const QString &) override { return false; }
};
}

static void BM_ThemenEinlesen(benchmark::State &state)
{
    const QString o = Ordner1000().path() + "/";
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
        basis.append({"T", "/x", QString("t%1.tvl").arg((i * 7919) % 1000, 4, 10, QChar('0'))});
    for (auto _ : state) {
        auto l = basis;
        ThemenSortieren(l);
        benchmark::DoNotOptimize(l);
    }
}
BENCHMARK(BM_ThemenSortieren)->Unit(benchmark::kMillisecond);

static void BM_TitelLesen(benchmark::State &state)
{
    const QString o = Ordner1000().path() + "/";
    QStringList pfade;
    for (int i = 0; i < 1000; ++i)
        pfade << o + QString("t%1.tvl").arg(i, 4, 10, QChar('0'));
    for (auto _ : state)
        for (const QString &p : pfade) {
            QString t;
            benchmark::DoNotOptimize(LeseTitel(p, t));
        }
}
BENCHMARK(BM_TitelLesen)->Unit(benchmark::kMillisecond);

static void BM_ThemenMenueBauen(benchmark::State &state)
{
    static int argc = 1;
    static char name[] = "bench";
    static char *argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(argc, argv);
    const QString o = Ordner1000().path() + "/";
    Ordner().Ableiten(o);
    const auto liste = ThemenEinlesen(o, [](const QString &p, QString &t) { return LeseTitel(p, t); });
    Still m;
    KeinOeffner oe;
    QTemporaryDir conf;
    TForm1 form({&m, nullptr, nullptr, nullptr, &oe}, new QSettings(conf.path() + "/p.conf", QSettings::IniFormat), {});
    const bool anordnen = state.range(0) != 0;
    form.ThemenMenueSetzen(liste, ThemenSpaltenUmbruch(int(liste.size())), 500);
    for (auto _ : state) {
        if (anordnen) {
            // Opening the menu: Qt's item sizes and our columns.
            benchmark::DoNotOptimize(form.Menue("Auswahl1")->sizeHint());
        } else {
            form.ThemenMenueSetzen(liste, ThemenSpaltenUmbruch(int(liste.size())), 500);
        }
    }
}
// 0: building the items; 1: laying out the open menu.
BENCHMARK(BM_ThemenMenueBauen)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
