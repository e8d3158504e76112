// One sampling tick in which the pointer moved, and one in which it rests: a real one-pixel screen
// read through the X server, and every view of the main window following the new colour. Run under
// Xvfb. Arguments: the CreateGradient option (1 strips after the pick, 2 strips at every colour),
// and whether the pointer walks over one colour (0) or a new colour at every pixel (1).

#include "app/MainWindow.h"
#include "app/ScreenSampler.h"
#include "settings/Options.h"
#include "support/TemporarySettings.h"
#include "widgets/ScreenReader.h"

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <benchmark/benchmark.h>

namespace {

constexpr QPoint kWalkStart{100, 100};
constexpr int kWalkLength = 200;

// The real screen, with a pointer that moves one pixel every tick.
class MovingPointerReader : public sv::QtScreenReader {
public:
    QPoint cursorPos() const override { return kWalkStart + QPoint(++ticks_ % kWalkLength, 0); }
    QPoint pointerDevicePos() const override { return cursorPos(); }

private:
    mutable int ticks_ = 0;
};

void BM_SamplingTick(benchmark::State& state) {
    // A strip of distinct colours under the pointer's walk.
    QImage colours(kWalkLength, 4, QImage::Format_RGB32);
    for (int x = 0; x < kWalkLength; ++x) {
        for (int y = 0; y < 4; ++y) {
            colours.setPixel(x, y, qRgb(x, 255 - x, (x * 7) % 256));
        }
    }
    QLabel strip(nullptr, Qt::FramelessWindowHint | Qt::X11BypassWindowManagerHint);
    strip.setPixmap(QPixmap::fromImage(colours));
    strip.setGeometry(QRect(kWalkStart - QPoint(0, 2), colours.size()));
    if (state.range(1) == 1) {
        strip.show();
    }

    MovingPointerReader screen;
    sv::test::TemporarySettings settings;
    sv::Options options(settings.store);
    options.set(sv::OptionKey::CreateGradient, static_cast<int>(state.range(0)));
    sv::MainWindow window(screen, options);
    window.move(400, 300);
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
BENCHMARK(BM_SamplingTick)
    ->ArgsProduct({{1, 2}, {0, 1}})
    ->ArgNames({"gradient", "colours"})
    ->Unit(benchmark::kMicrosecond);

// A tick of a pick whose pointer rests on one pixel: the pixel is still read (what lies under a
// resting pointer can change), but nothing is redrawn while it stays the same.
void BM_RestingPickTick(benchmark::State& state) {
    sv::QtScreenReader screen;
    sv::test::TemporarySettings settings;
    sv::Options options(settings.store);
    sv::MainWindow window(screen, options);
    window.move(400, 300);
    window.show();
    QApplication::processEvents();
    sv::ScreenSampler* sampler = window.sampler();
    sampler->start();
    sampler->tick();
    for (auto _ : state) {
        sampler->tick();
        QApplication::processEvents();
    }
    sampler->stop();
}
BENCHMARK(BM_RestingPickTick)->Unit(benchmark::kMicrosecond);

} // namespace
