// One sampling tick in which the pointer moved: a real one-pixel screen read through the
// X server, and every view of the main window following the new colour. Run under Xvfb.

#include "app/MainWindow.h"
#include "app/ScreenSampler.h"
#include "dialogs/Options.h"
#include "widgets/ScreenReader.h"

#include <QApplication>
#include <benchmark/benchmark.h>

namespace {

// The real screen, with a pointer that moves one pixel every tick.
class MovingPointerReader : public sv::QtScreenReader {
public:
    QPoint cursorPos() const override { return {100 + (++ticks_ % 200), 100}; }

private:
    mutable int ticks_ = 0;
};

void BM_SamplingTick(benchmark::State& state) {
    MovingPointerReader screen;
    sv::Options options;
    options.set(sv::OptionKey::CreateGradient, static_cast<int>(state.range(0)));
    sv::MainWindow window(screen, options);
    window.show();
    QApplication::processEvents();
    sv::ScreenSampler* sampler = window.sampler();
    sampler->start();
    for (auto _ : state) {
        sampler->tick();
        // Let the window paint what the tick changed, as the event loop would.
        QApplication::processEvents();
    }
    sampler->stop();
}
BENCHMARK(BM_SamplingTick)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

} // namespace
