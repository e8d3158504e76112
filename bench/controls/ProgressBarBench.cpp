// One redraw's drawing steps for the two styles the windows use, at their real sizes. The
// splash redraws on every name loaded, so this runs thousands of times during start-up.
#include "controls/ProgressBarDrawing.h"
#include "controls/ProgressBarModel.h"

#include <benchmark/benchmark.h>

namespace {

void redraw(benchmark::State& state, int style, int w, int h, sv::ColorValue c) {
    sv::ProgressBarModel m;
    m.setScrolling(style);
    m.setColor(c);
    m.setMax(2031);
    int v = 0;
    for (auto _ : state) {
        m.setValue(v);
        v = (v + 7) % 2032;
        auto ops = sv::drawProgressBar(m, w, h, {});
        benchmark::DoNotOptimize(ops.data());
    }
}

void BM_SplashStyle5(benchmark::State& state) {
    redraw(state, 5, 549, 14, 0x00C000);
}
void BM_BitmapStyle4(benchmark::State& state) {
    redraw(state, 4, 194, 12, 0x404040);
}
void BM_Segmented0(benchmark::State& state) {
    redraw(state, 0, 549, 20, 0xC06020);
}

} // namespace

BENCHMARK(BM_SplashStyle5);
BENCHMARK(BM_BitmapStyle4);
BENCHMARK(BM_Segmented0);
BENCHMARK_MAIN();
