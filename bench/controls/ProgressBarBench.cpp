// One whole repaint of each progress bar look at the size its window uses. The splash repaints
// on every name loaded, so this runs thousands of times during start-up.
#include "controls/ProgressBar.h"

#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

namespace {

void repaint(benchmark::State& state, sv::ProgressBar::Look look, QSize size, QColor color) {
    sv::ProgressBar bar(look);
    bar.resize(size);
    bar.setColor(color);
    bar.setMaximum(2031);
    QImage target(size, QImage::Format_RGB32);
    int v = 0;
    for (auto _ : state) {
        bar.setValue(v);
        v = (v + 7) % 2032;
        bar.render(&target);
        benchmark::DoNotOptimize(target.constBits());
    }
}

void BM_SplashGlow(benchmark::State& state) {
    repaint(state, sv::ProgressBar::Look::Glow, {549, 14}, QColor(0, 0xC0, 0));
}
void BM_PictureColorsEtched(benchmark::State& state) {
    repaint(state, sv::ProgressBar::Look::Etched, {194, 12}, QColor(0x40, 0x40, 0x40));
}

} // namespace

BENCHMARK(BM_SplashGlow);
BENCHMARK(BM_PictureColorsEtched);
