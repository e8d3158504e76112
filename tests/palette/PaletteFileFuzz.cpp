// Fuzz entry point for the palette file layer: the bytes are written to a file and opened as
// the Open command opens it. Whatever they hold, the load must end; a failed load leaves every
// swatch as it was, a good one leaves only empty swatches and colours.

#include "color/ColorSelection.h"
#include "palette/PaletteFiles.h"
#include "palette/PaletteModel.h"
#include "palette/SwatchGrid.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>

namespace {

struct World {
    int argc = 1;
    char name[8] = "fuzz";
    char* argv[2] = {name, nullptr};
    QApplication app{argc, argv};
    QTemporaryDir folder;
    QString path = QDir(folder.path()).filePath(QStringLiteral("input.pal"));
    QWidget container;
    sv::ColorSelection selection;
    sv::PaletteModel model;
    sv::SwatchGrid grid{&container, model, selection}; // the view follows every change
};

World* world = nullptr;

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    world = new World;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (world == nullptr) {
        LLVMFuzzerInitialize(nullptr, nullptr);
    }
    {
        QFile file(world->path);
        if (!file.open(QIODevice::WriteOnly)) {
            std::abort();
        }
        file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    }
    sv::Palette before;
    before.setColor(7, sv::rgb(1, 2, 3));
    world->model.setPalette(before);
    const QString error = sv::loadPalette(world->path, world->model);
    const sv::Palette after = world->model.palette();
    if (!error.isEmpty() && !(after == before)) {
        std::abort();
    }
    for (int i = 1; i <= sv::Palette::kSize; ++i) {
        const sv::ColorValue c = after.color(i);
        if (!after.isEmpty(i) && (c < 0 || c > 0xFFFFFF)) {
            std::abort();
        }
    }
    return 0;
}
