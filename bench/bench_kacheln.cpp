// The full-size tiles of a dial with a = 1 m at 1:1 on A4 (goal: the whole
// PDF in under 2 s), and the layout sheet of the default dial. Needs Qt's
// PDF writer; the pages and their count are the plain layers'.
#include <benchmark/benchmark.h>

#if __has_include(<QPdfWriter>)
#include "core/Sonnenuhr.h"
#include "draw/Kacheln.h"
#include "report/Absteckplan.h"
#include "report/qt/SeitenPdf.h"

#include <QGuiApplication>

#include <cstdlib>

static skiora::Sonnenuhr Uhr(double halb) {
    skiora::Sonnenuhr uhr;
    uhr.p.Halb = halb;
    uhr.Modusumschaltung();
    uhr.opt.Bereit = true;
    uhr.btGoClick();
    return uhr;
}

static void KachelnEinMeter(benchmark::State& state) {
    const skiora::Sonnenuhr uhr = Uhr(1.0);
    std::size_t seiten = 0, bytes = 0;
    for (auto _ : state) {
        const auto modell = skiora::modell::DialModell(uhr);
        const auto plan = skiora::draw::KachelnPlanen(modell, {});
        const auto satz = skiora::draw::KachelSeiten(modell, plan, 1, "Kacheln");
        const auto pdf = skiora::report::SeitenAlsPdf(satz, "Kacheln");
        seiten = static_cast<std::size_t>(satz.seiten);
        bytes = pdf ? pdf->size() : 0;
        benchmark::DoNotOptimize(bytes);
    }
    state.counters["pages"] = static_cast<double>(seiten);
    state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(KachelnEinMeter)->Unit(benchmark::kMillisecond);

static void Absteckplan(benchmark::State& state) {
    const skiora::Sonnenuhr uhr = Uhr(2.75);
    for (auto _ : state) {
        const auto satz = skiora::report::AbsteckplanSeiten(uhr, skiora::report::Einheit::Meter);
        benchmark::DoNotOptimize(skiora::report::SeitenAlsPdf(satz, "Absteckplan"));
    }
}
BENCHMARK(Absteckplan)->Unit(benchmark::kMillisecond);

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
