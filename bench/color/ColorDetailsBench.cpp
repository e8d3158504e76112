// Everything the colour details show for one colour: ten notations, both contrast figures
// against the last colour and the nearest of the 2031 names. It runs at every pick tick.

#include "color/ColorFormats.h"
#include "color/Contrast.h"
#include "palette/NearestNamedColor.h"

#include <benchmark/benchmark.h>

namespace {

void BM_ColorDetails(benchmark::State& state) {
    sv::ColorValue c = sv::rgb(10, 90, 90);
    (void)sv::nearestNamedColor(c); // the table's coordinates are worked out once
    for (auto _ : state) {
        for (int f = 0; f < sv::kColorFormatCount; ++f) {
            benchmark::DoNotOptimize(sv::formatColor(c, static_cast<sv::ColorFormat>(f)));
        }
        const double ratio = sv::wcagContrastRatio(c, sv::kWhite);
        benchmark::DoNotOptimize(sv::wcagRatioText(ratio));
        benchmark::DoNotOptimize(sv::apcaText(sv::apcaContrast(c, sv::kWhite)));
        benchmark::DoNotOptimize(sv::nearestNamedColor(c));
        // A new colour each time, as a moving pick gives.
        c = static_cast<sv::ColorValue>((static_cast<unsigned>(c) * 7919u + 13u) & 0xFFFFFFu);
    }
}
BENCHMARK(BM_ColorDetails)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
