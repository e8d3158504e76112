// The gradient generator filling the palette, the colour grid's layout and its style panel.

#include "color/ColorSelection.h"
#include "gradient/ColorGridView.h"
#include "gradient/ColorGridWindow.h"
#include "gradient/GradientGeneratorWindow.h"
#include "palette/PaletteModel.h"
#include "palette/SwatchGrid.h"

#include <QImage>
#include <QLineEdit>
#include <QWidget>

#include <benchmark/benchmark.h>

namespace {

// The main window's palette panel with its 256 swatches.
struct PalettePanel {
    QWidget container;
    sv::ColorSelection selection;
    sv::PaletteModel model;
    sv::SwatchGrid* grid = new sv::SwatchGrid(&container, model, selection);
    PalettePanel() { container.resize(348, 348); }
};

void BM_AllGridIntoPaletteWithRepaint(benchmark::State& state) {
    PalettePanel panel;
    sv::GradientGeneratorWindow generator(nullptr, panel.model);
    QImage target(panel.container.size(), QImage::Format_RGB32);
    int red = 0;
    for (auto _ : state) {
        // A different start each run, so every swatch really changes.
        red = (red + 1) % 256;
        generator.field(sv::GradientEnd::Start, sv::Channel::Red)->setText(QString::number(red));
        generator.createGradient();
        panel.container.render(&target);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_AllGridIntoPaletteWithRepaint)->Unit(benchmark::kMillisecond);

void BM_GridRelayoutWithRepaint(benchmark::State& state) {
    PalettePanel panel;
    sv::ColorGridWindow grid(nullptr, panel.model);
    grid.show();
    QImage target(QSize(1300, 900), QImage::Format_RGB32);
    bool wide = false;
    for (auto _ : state) {
        wide = !wide;
        const int width = wide ? 1280 : 1200;
        grid.resize(width, wide ? 880 : 800);
        grid.render(&target);
        if (grid.view()->width() != width) {
            state.SkipWithError("the resize did not lay the grid out");
            break;
        }
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_GridRelayoutWithRepaint)->Unit(benchmark::kMillisecond);

// One more block appended to a panel already holding range(0) blocks.
void BM_AppendStyleBlock(benchmark::State& state) {
    PalettePanel panel;
    sv::ColorGridWindow grid(nullptr, panel.model);
    grid.show();
    for (int i = 0; i < state.range(0); ++i) {
        grid.appendStyle(sv::StyleRule::Link);
    }
    QImage target(grid.cssField()->size(), QImage::Format_RGB32);
    for (auto _ : state) {
        grid.appendStyle(sv::StyleRule::Column);
        grid.cssField()->render(&target);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_AppendStyleBlock)->Arg(100)->Arg(1000)->Iterations(200)->Unit(benchmark::kMillisecond);

} // namespace
