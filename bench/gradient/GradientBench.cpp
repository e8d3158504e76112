// One full redraw of the main window's two gradient strips: compute both, paint both.

#include "gradient/GradientMath.h"
#include "gradient/GradientStrips.h"

#include <QApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

namespace {

void BM_GradientColumnsOnly(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(sv::gradientColumns(0x0080FF, 0x804000, 4065.0f));
        benchmark::DoNotOptimize(sv::spectrumColumns(sv::kWhite, 5490));
    }
}
BENCHMARK(BM_GradientColumnsOnly);

void BM_RedrawBothStrips(benchmark::State& state) {
    QWidget window;
    sv::GradientStrips strips(QRect(52, 417, 271, 30), QRect(322, 417, 366, 30), &window);
    QImage target(strips.size(), QImage::Format_RGB32);
    int last = 0;
    for (auto _ : state) {
        // A different colour each time, as while the pointer samples the screen.
        last = (last + 0x010203) & 0xFFFFFF;
        strips.redraw(0x0080FF, last);
        strips.render(&target);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_RedrawBothStrips)->Unit(benchmark::kMicrosecond);

} // namespace
