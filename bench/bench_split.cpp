// The split analemma through the whole calculation driver: the heaviest
// case (method 4, fine grid, 6 dates a month, 20 + 20 hours) and the
// default split dial (method 1).
#include "core/Sonnenuhr.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

void SchwersterFall(benchmark::State& state) {
    skiora::Sonnenuhr uhr;
    uhr.p.Arten = 2;
    uhr.Modusumschaltung();
    uhr.p.Mittelwert = 4;
    uhr.p.Anzahl = 6;
    uhr.opt.Genau = true;
    uhr.opt.DefaultWerte = false;
    for (int k = 0; k < 20; ++k) {
        // 7:00 .. 11:45 and 12:45 .. 17:30: all within the day all year at 47 degrees.
        uhr.tab.StrGridEin.Setze(1, k + 1, std::to_string(7 + 0.25 * k));
        uhr.tab.StrGridEin.Setze(3, k + 1, std::to_string(12.75 + 0.25 * k));
    }
    for (auto _ : state) {
        uhr.btGoClick();
        benchmark::DoNotOptimize(uhr.erg.SplitNach2[72].x);
    }
    if (uhr.Status != 0 || uhr.erg.StundenVor[0] != 20 || uhr.erg.StundenNach[0] != 20)
        state.SkipWithError("unexpected set-up");
}
BENCHMARK(SchwersterFall)->Unit(benchmark::kMillisecond)->UseRealTime();

void DefaultSplitUhr(benchmark::State& state) {
    skiora::Sonnenuhr uhr;
    uhr.p.Arten = 2;
    uhr.Modusumschaltung();
    for (auto _ : state) {
        uhr.btGoClick();
        benchmark::DoNotOptimize(uhr.erg.SplitNach1[36].x);
    }
    if (uhr.Status != 0 || uhr.p.Mittelwert != 1) state.SkipWithError("unexpected set-up");
}
BENCHMARK(DefaultSplitUhr)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
