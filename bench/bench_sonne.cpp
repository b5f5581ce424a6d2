// The shadow reach runs in every calculation; the noon table when its window
// or file is asked for. The worst reach case: 6 date marks a month and 126
// hour points, four readers.
#include "core/Mittag.h"
#include "core/Reichweite.h"
#include "core/Sonnenuhr.h"

#include <benchmark/benchmark.h>

namespace {

void BM_ReichweiteStandarduhr(benchmark::State& state) {
    skiora::Sonnenuhr uhr;
    uhr.btGoClick();
    for (auto _ : state) {
        skiora::ReichweiteBerechnen(uhr);
        benchmark::DoNotOptimize(uhr.reichweite.ergebnis.data());
    }
}
BENCHMARK(BM_ReichweiteStandarduhr)->Unit(benchmark::kMicrosecond);

void BM_ReichweiteGroessterFall(benchmark::State& state) {
    skiora::Sonnenuhr uhr;
    uhr.p.Anzahl = 6;
    uhr.p.Lph = 6;
    uhr.opt.StdVon = 2;
    uhr.opt.StdBis = 22;
    uhr.reichweite.Hoehen = {1.0, 1.5, 2.0, 2.5};
    uhr.btGoClick();
    for (auto _ : state) {
        skiora::ReichweiteBerechnen(uhr);
        benchmark::DoNotOptimize(uhr.reichweite.ergebnis.data());
    }
}
BENCHMARK(BM_ReichweiteGroessterFall)->Unit(benchmark::kMicrosecond);

void BM_Mittagstabelle(benchmark::State& state) {
    skiora::Sonnenuhr uhr;
    for (auto _ : state)
        benchmark::DoNotOptimize(skiora::MittagsTabelle(uhr));
}
BENCHMARK(BM_Mittagstabelle)->Unit(benchmark::kMicrosecond);

} // namespace
