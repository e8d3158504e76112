// Palette timings on the offscreen platform: a palette file into the grid, both name lists
// filled, the colour-names strip painted.

#include "color/ColorSelection.h"
#include "palette/NamedStrip.h"
#include "palette/NamesPanel.h"
#include "palette/PaletteFiles.h"
#include "palette/PaletteFormats.h"
#include "palette/PaletteModel.h"
#include "palette/PaletteText.h"
#include "palette/SwatchGrid.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

using namespace sv;

// 256 filled swatches, all different.
Palette fullPalette() {
    Palette p;
    for (int i = 1; i <= Palette::kSize; ++i) {
        p.setColor(i, rgb(i, 255 - i, i / 2));
    }
    return p;
}

// The full palette as a file of the given kind read from disk into the 256 swatches of the
// grid, as Open does.
void loadIntoGrid(benchmark::State& state, PaletteFormat format) {
    QTemporaryDir dir;
    const QString path = QDir(dir.path()).filePath(QStringLiteral("bench"));
    if (!savePalette(path, fullPalette(), format).isEmpty()) {
        state.SkipWithError("cannot write the palette file");
        return;
    }
    QWidget container;
    container.resize(348, 348);
    ColorSelection selection;
    PaletteModel model;
    SwatchGrid grid(&container, model, selection);
    container.show();
    for (auto _ : state) {
        model.emptyAll();
        benchmark::DoNotOptimize(loadPalette(path, model));
    }
}

// A 259-line JASC-PAL file.
void BM_LoadPaletteIntoGrid(benchmark::State& state) {
    loadIntoGrid(state, PaletteFormat::Jasc);
}
BENCHMARK(BM_LoadPaletteIntoGrid)->Unit(benchmark::kMicrosecond);

// A 256-colour GIMP or swatch exchange file.
void BM_LoadForeignPaletteIntoGrid(benchmark::State& state) {
    loadIntoGrid(state, static_cast<PaletteFormat>(state.range(0)));
}
BENCHMARK(BM_LoadForeignPaletteIntoGrid)
    ->ArgName("gimp2_ase3")
    ->Arg(int(PaletteFormat::Gimp))
    ->Arg(int(PaletteFormat::AdobeSwatches))
    ->Unit(benchmark::kMicrosecond);

// Reading and writing the 256 colours alone, for each kind.
void BM_ReadAndWritePaletteFormats(benchmark::State& state) {
    const auto format = static_cast<PaletteFormat>(state.range(0));
    const std::string bytes = writePaletteAs(fullPalette(), format, "Bench");
    for (auto _ : state) {
        Palette q;
        benchmark::DoNotOptimize(readPaletteFile(bytes, q));
        benchmark::DoNotOptimize(writePaletteAs(q, format, "Bench"));
    }
}
BENCHMARK(BM_ReadAndWritePaletteFormats)
    ->ArgName("jasc0_gimp2_ase3")
    ->Arg(int(PaletteFormat::Jasc))
    ->Arg(int(PaletteFormat::Gimp))
    ->Arg(int(PaletteFormat::AdobeSwatches))
    ->Unit(benchmark::kMicrosecond);

// Only the text part of the same work.
void BM_ReadPaletteText(benchmark::State& state) {
    const std::string text = writePaletteText(fullPalette());
    for (auto _ : state) {
        Palette q;
        benchmark::DoNotOptimize(readPaletteText(text, q));
    }
}
BENCHMARK(BM_ReadPaletteText)->Unit(benchmark::kMicrosecond);

// Both lists filled with the 2031 names.
void BM_FillNameLists(benchmark::State& state) {
    QWidget window;
    window.show();
    for (auto _ : state) {
        NamesPanel panel(&window);
        panel.fillNames();
    }
}
BENCHMARK(BM_FillNameLists)->Unit(benchmark::kMillisecond);

// The 256 cells computed and painted once.
void BM_PaintNamedStrip(benchmark::State& state) {
    NamedStrip strip;
    QImage target(strip.size(), QImage::Format_RGB32);
    bool flip = false;
    for (auto _ : state) {
        flip = !flip;
        strip.paintStrip(flip ? 0x00FFFF : 0x3343DC, flip ? 0x3343DC : 0x00FFFF);
        strip.render(&target); // every cell drawn, as a paint event draws them
        benchmark::DoNotOptimize(target.constBits());
    }
}
BENCHMARK(BM_PaintNamedStrip)->Unit(benchmark::kMicrosecond);

} // namespace
