// Fuzz entry point for the GIMP palette reader: whatever the bytes, reading ends, gives at most
// 256 colours in 0 .. 0xFFFFFF, and what it read writes and reads back unchanged.

#include "palette/GimpPalette.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace sv;
    const PaletteColors read =
        readGimpPalette(std::string_view(reinterpret_cast<const char*>(data), size));
    if (read.colors.size() > std::size_t(Palette::kSize) || read.total < int(read.colors.size())) {
        std::abort();
    }
    Palette palette;
    for (std::size_t i = 0; i < read.colors.size(); ++i) {
        if (read.colors[i] < 0 || read.colors[i] > 0xFFFFFF) {
            std::abort();
        }
        palette.setColor(int(i) + 1, read.colors[i]);
    }
    if (readGimpPalette(writeGimpPalette(palette, "fuzz")).colors != read.colors) {
        std::abort();
    }
    return 0;
}
