// One full calculation of the default dial, as every accepted input runs it.
#include "core/Sonnenuhr.h"

#include <benchmark/benchmark.h>

namespace {

void BM_RechnungStandarduhr(benchmark::State& state) {
    skiora::Sonnenuhr uhr;
    for (auto _ : state) {
        uhr.btGoClick();
        benchmark::DoNotOptimize(uhr.tab.StrGridStd.Zelle(2, 1));
    }
}
BENCHMARK(BM_RechnungStandarduhr)->Unit(benchmark::kMicrosecond);

} // namespace
