// One drawing of the default dial into a 1600 x 970 picture (goal: under 8 ms,
// so that dragging the picture stays fluid). Needs the Qt adapter.
#include <benchmark/benchmark.h>

#if __has_include(<QImage>)
#include "core/Sonnenuhr.h"
#include "draw/qt/Bilder.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cstdlib>

static void ZeichneUhr1600(benchmark::State& state) {
    skiora::Sonnenuhr uhr;
    uhr.Abgeleitet();
    uhr.btGoClick();
    QImage bild(1600, 970, QImage::Format_RGB32);
    for (auto _ : state) {
        bild.fill(Qt::white);
        QPainter p(&bild);
        skiora::draw::ZeichneAufBild(uhr, p, bild.size());
        p.end();
        benchmark::DoNotOptimize(bild.constBits());
    }
}
BENCHMARK(ZeichneUhr1600)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
#else
// Built without Qt: nothing to measure.
BENCHMARK_MAIN();
#endif
