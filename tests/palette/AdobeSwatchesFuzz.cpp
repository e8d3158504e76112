// Fuzz entry point for the swatch exchange reader: whatever the bytes, reading never looks
// past them, ends, gives at most 256 colours in 0 .. 0xFFFFFF, and what it read writes and reads
// back unchanged.

#include "palette/AdobeSwatches.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace sv;
    // A copy of exactly the bytes given, so AddressSanitizer sees any read past them.
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const PaletteColors read = readAdobeSwatches(bytes);
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
    if (readAdobeSwatches(writeAdobeSwatches(palette, bytes.substr(0, 40))).colors != read.colors) {
        std::abort();
    }
    return 0;
}
