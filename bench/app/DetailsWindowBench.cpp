// The colour details window following a pick: one new colour shown in every line (the notations,
// two own formats, contrast, nearest name, samples) and the whole window painted, as each pick
// tick does while it is open.

#include "color/ColorSelection.h"
#include "dialogs/ColorDetailsWindow.h"
#include "settings/Options.h"
#include "settings/OwnFormats.h"

#include <QApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

using namespace sv;

void BM_DetailsWindowUpdateAndRepaint(benchmark::State& state) {
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.path()));
    (void)settingsFile().change([](SettingsMap& s) {
        storeOwnFormats(s, {{"Tailwind", "rgb({r} {g} {b} / 1)"}, {"Hex", "0x{HEX}"}});
    });
    QWidget main;
    main.show();
    ColorSelection selection;
    ColorDetailsWindow details(&main, selection, sv::settingsFile());
    details.show();
    QApplication::processEvents();
    int step = 0;
    for (auto _ : state) {
        step = (step + 7919) & 0xFFFFFF;
        selection.setCurrent(step);
        if (state.range(0) == 1) {
            // What the program does: the lines that changed are painted at the next turn of
            // the event loop.
            QApplication::processEvents();
        } else if (state.range(0) == 2) {
            details.repaint(); // the whole window, for comparison
        }
    }
    state.counters["own formats"] = double(details.ownFormats().size());
}
BENCHMARK(BM_DetailsWindowUpdateAndRepaint)
    ->ArgName("none0_changed1_whole2")
    ->Arg(0)
    ->Arg(1)
    ->Arg(2)
    ->Unit(benchmark::kMicrosecond);

} // namespace
