// One full redraw of the main window's two gradient strips: compute both, paint both.

#include "gradient/GradientMath.h"
#include "gradient/GradientPainter.h"
#include "gradient/GradientStrip.h"

#include <QApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

namespace {

void BM_GradientColumnsOnly(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(sv::gradientColumns("255", "128", "0", 0x804000, 4065.0f));
        benchmark::DoNotOptimize(sv::spectrumColumns(sv::kWhite, 5490));
    }
}
BENCHMARK(BM_GradientColumnsOnly);

void BM_RedrawBothStrips(benchmark::State& state) {
    sv::GradientStrip grad1("picGrad1");
    sv::GradientStrip grad2("picGrad2");
    grad1.resize(271, 30);
    grad2.resize(366, 30);
    grad1.setBackColor(0xE0E0E0);
    grad2.setBackColor(0xC0C0C0);
    QImage target(366, 30, QImage::Format_RGB32);
    int last = 0;
    for (auto _ : state) {
        // A different colour each time, as while the pointer samples the screen.
        last = (last + 0x010203) & 0xFFFFFF;
        sv::updateGradientStrips(grad1, grad2, "255", "128", "0", last);
        grad1.render(&target);
        grad2.render(&target);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_RedrawBothStrips)->Unit(benchmark::kMicrosecond);

} // namespace
