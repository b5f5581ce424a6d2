// The place search as the dialog runs it at every key press: the typed text
// folded and matched against every place, the best 200 sorted. Goal: well
// under 50 ms, so that typing never waits. The list itself is read once per
// run, on a thread of its own, before the first search.
#include "site/Ortsverzeichnis.h"

#include <benchmark/benchmark.h>

namespace {

void Suche(benchmark::State& state, const char* anfrage) {
    const auto& verzeichnis = skiora::site::Ortsverzeichnis::Datenbank();
    for (auto _ : state) {
        auto e = verzeichnis.Suchen(anfrage, 200);
        benchmark::DoNotOptimize(e.orte.data());
    }
}

// Typing "Berlin" and "São Paulo" key by key; a query with three words; one
// that finds nothing and asks for close names, as the command line does.
BENCHMARK_CAPTURE(Suche, B, "B")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Suche, Be, "Be")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Suche, Ber, "Ber")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Suche, Berlin, "Berlin")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Suche, Sao_Paulo, "São Pau")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Suche, drei_Worte, "sydney new south wales")->Unit(benchmark::kMillisecond);

void Aehnliche(benchmark::State& state) {
    const auto& verzeichnis = skiora::site::Ortsverzeichnis::Datenbank();
    for (auto _ : state) {
        auto e = verzeichnis.Aehnliche("Berlinn", 5);
        benchmark::DoNotOptimize(e.data());
    }
}
BENCHMARK(Aehnliche)->Unit(benchmark::kMillisecond);

} // namespace
