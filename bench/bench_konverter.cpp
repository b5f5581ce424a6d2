// HPGL to DXF on a megabyte of input, whatever it holds: the goal is well
// under a second for each kind (a blank run after PD once took minutes).
#include "export/HpglToDxf.h"

#include <benchmark/benchmark.h>

#include <random>
#include <string>

namespace {

constexpr size_t Megabyte = 1u << 20;

std::string Eingabe(int art) {
    std::string s = "IN;SP 1;PU 0 0;";
    switch (art) {
    case 0: // one pen-down command followed by blanks
        s += "PD" + std::string(Megabyte, ' ');
        break;
    case 1: // one pen-down command with a megabyte of coordinate pairs
        s += "PD ";
        for (int i = 0; s.size() < Megabyte; ++i)
            s += std::to_string(i % 16000) + "," + std::to_string((i * 7) % 11000) + ",";
        break;
    case 2: // many short commands, as our plots are made of
        while (s.size() < Megabyte)
            s += "PU 8200 6314;PD 8300 6400;CI 40, 1;LB12\x03;";
        break;
    case 3: { // bytes of every kind
        std::mt19937 zufall(14);
        while (s.size() < Megabyte)
            s += static_cast<char>(zufall() % 256);
        break;
    }
    case 4: // one label of a megabyte
        s += "LB" + std::string(Megabyte, 'x') + "\x03";
        break;
    default: // rectangles, the largest drawing a byte can give (some 60 bytes)
        s += "PD;";
        while (s.size() < Megabyte)
            s += "EA1,1;";
    }
    return s;
}

void BM_KonvertiereMegabyte(benchmark::State& state) {
    const std::string hpgl = Eingabe(static_cast<int>(state.range(0)));
    std::string dxf;
    for (auto _ : state) {
        skiora::export_::HpglToDxfWandler w;
        benchmark::DoNotOptimize(w.Konvertiere(hpgl, dxf, 1, 40));
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * hpgl.size()));
}
// 0 blanks after PD, 1 coordinate pairs, 2 short commands, 3 random bytes,
// 4 one label, 5 rectangles
BENCHMARK(BM_KonvertiereMegabyte)->DenseRange(0, 5)->Unit(benchmark::kMillisecond);

} // namespace
