// The main of the benchmarks that draw: Google Benchmark inside an offscreen Qt application.
#include <QApplication>

#include <benchmark/benchmark.h>

int main(int argc, char **argv)
{
    // Fonts, painting and widgets need an application object but never a
    // display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
