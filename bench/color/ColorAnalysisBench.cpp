// Everything the colour analyst works out for one colour as a pick shows it: the passing text
// and background colours for the six targets, the four simulations of the pair, the five
// harmonies. Worst case: the colour on itself, where every target fails both ways.

#include "color/ContrastSuggestion.h"
#include "color/Harmony.h"
#include "color/VisionSimulation.h"

#include <benchmark/benchmark.h>

#include <array>

namespace {

using namespace sv;

void analyse(ColorValue current, ColorValue previous) {
    benchmark::DoNotOptimize(passingColors(current, previous, MovedColor::Text));
    benchmark::DoNotOptimize(passingColors(current, previous, MovedColor::Background));
    for (const Vision v : kVisions) {
        benchmark::DoNotOptimize(simulateVision(current, v));
        benchmark::DoNotOptimize(simulateVision(previous, v));
    }
    for (const Harmony h : kHarmonies) {
        benchmark::DoNotOptimize(harmonyColors(current, h));
    }
}

// A spread of colours a pick meets, each on white (the usual case) or on itself.
constexpr std::array<ColorValue, 6> kColors = {rgb(10, 90, 90),   rgb(255, 0, 0),
                                               rgb(0, 0, 255),    rgb(128, 128, 128),
                                               rgb(200, 150, 30), rgb(119, 119, 119)};

void BM_AnalyseOneColor(benchmark::State& state) {
    const bool onItself = state.range(0) == 1;
    std::size_t i = 0;
    for (auto _ : state) {
        const ColorValue c = kColors[i++ % kColors.size()];
        analyse(c, onItself ? c : kWhite);
    }
}
BENCHMARK(BM_AnalyseOneColor)->ArgName("on_itself")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

} // namespace
BENCHMARK_MAIN();
