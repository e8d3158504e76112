// One tick of the frozen-frame pick: the pixel under a moving pointer read from the held
// screenshot, shown by the main window's views, painted as the event loop would.

#include "app/FrozenFramePick.h"
#include "app/MainWindow.h"
#include "app/ScreenSampler.h"
#include "settings/Options.h"
#include "support/TemporarySettings.h"

#include <QApplication>
#include <QWidget>

#include <benchmark/benchmark.h>

namespace {

// The held screenshot, with a pointer that moves one pixel every tick.
class WalkingFrozenScreen : public sv::FrozenScreen {
public:
    QPoint cursorPos() const override { return {100 + ++ticks_ % 1000, 500}; }

private:
    mutable int ticks_ = 0;
};

void BM_FrozenFrameTick(benchmark::State& state) {
    QImage shot(1920, 1080, QImage::Format_RGB32);
    for (int x = 0; x < shot.width(); ++x) {
        for (int y = 0; y < shot.height(); ++y) {
            shot.setPixel(x, y, qRgb(x % 256, y % 256, (x + y) % 256));
        }
    }
    WalkingFrozenScreen frozen;
    frozen.setFrame(shot, QRect(0, 0, 1920, 1080));
    sv::QtScreenReader unused;
    sv::test::TemporarySettings settings;
    sv::Options options(settings.store);
    sv::MainWindow window(unused, options);
    window.show();
    QApplication::processEvents();
    QWidget grabber;
    sv::ScreenSampler sampler(frozen, window.selection(), &grabber);
    sampler.start();
    for (auto _ : state) {
        sampler.tick();
        if (state.range(0) == 1) {
            QApplication::processEvents();
        }
    }
    sampler.stop();
}
BENCHMARK(BM_FrozenFrameTick)->Arg(0)->Arg(1)->ArgName("paint")->Unit(benchmark::kMicrosecond);

} // namespace
