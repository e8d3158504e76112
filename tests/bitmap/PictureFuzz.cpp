// Fuzz entry point for the picture path up to the colour table: the bytes as a picture file
// read with our size checks and Qt's decoders under the allocation limit, then the distinct-
// colour pass over what was read. Whatever the bytes, loading ends; a picture read keeps to
// the limit, and the table holds no more colours than pixels examined, each once.

#include "bitmap/ColorTable.h"
#include "bitmap/PictureFile.h"

#include <QBuffer>
#include <QGuiApplication>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <set>

namespace {

QGuiApplication* app = nullptr;

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "fuzz";
    static char* argv[] = {name, nullptr};
    app = new QGuiApplication(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace sv;
    if (app == nullptr) {
        LLVMFuzzerInitialize(nullptr, nullptr);
    }
    QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    const LoadedPicture loaded = loadPicture(buffer);
    if (loaded.image.isNull()) {
        if (loaded.error.isEmpty()) {
            std::abort();
        }
        return 0;
    }
    if (pictureTooLarge(loaded.image.size(), loaded.image.format())) {
        std::abort();
    }
    const std::size_t pixels =
        std::size_t(loaded.image.width()) * std::size_t(loaded.image.height());
    ColorTable table(examinedBytes(loaded.image), pixels);
    while (!table.scan(4096)) {
    }
    const auto& colors = table.colors();
    if (colors.size() > std::min(pixels, kMaxExaminedPixels) ||
        std::set<ColorValue>(colors.begin(), colors.end()).size() != colors.size()) {
        std::abort();
    }
    return 0;
}
