// One magnifier grab tick on a real X server (run under Xvfb): read the square round the
// pointer from the X server, stretch it over the view and repaint the view, for each zoom,
// as typical vision sees it and simulated for deuteranopia.

#include "color/ColorSelection.h"
#include "settings/Options.h"
#include "support/TemporarySettings.h"
#include "widgets/ImageButton.h"
#include "widgets/ScreenReader.h"
#include "zoom/MagnifierWindow.h"

#include <QComboBox>
#include <QCursor>
#include <QGuiApplication>
#include <QTest>

#include <benchmark/benchmark.h>

namespace {

void BM_GrabTickWithRepaint(benchmark::State& state) {
    if (QGuiApplication::platformName() != QLatin1String("xcb")) {
        state.SkipWithError("needs an X server (run under xvfb-run)");
        return;
    }
    sv::QtScreenReader screen;
    sv::test::TemporarySettings settings;
    sv::Options options(settings.store);
    options.set(sv::OptionKey::Zoom, int(state.range(0)));
    sv::ColorSelection selection;
    sv::MagnifierWindow zoom(nullptr, screen, options, selection);
    zoom.move(600, 400);
    zoom.show();
    if (!QTest::qWaitForWindowExposed(&zoom)) {
        state.SkipWithError("the window did not show");
        return;
    }
    QCursor::setPos(200, 200);
    QTest::mouseClick(zoom.startButton(), Qt::LeftButton);
    zoom.visionBox()->setCurrentIndex(int(state.range(1)));
    for (auto _ : state) {
        zoom.grabTick();
        zoom.view()->repaint();
    }
    state.SetLabel("side " + std::to_string(zoom.view()->square().width()) + ", " +
                   sv::visionName(zoom.view()->vision()));
}
BENCHMARK(BM_GrabTickWithRepaint)
    ->ArgNames({"zoom", "vision"})
    ->ArgsProduct({{1, 2, 3}, {0, int(sv::Vision::Deuteranopia)}})
    ->Unit(benchmark::kMicrosecond);

} // namespace
