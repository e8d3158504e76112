// Fuzz entry point for colour text from other programs: whatever the text, reading ends, and a
// colour read is in 0 .. 0xFFFFFF and reads back the same from its CSS hex form.

#include "color/ColorFormats.h"
#include "color/ColorText.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace sv;
    const auto color = parseColorText(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!color) {
        return 0;
    }
    if (*color < 0 || *color > 0xFFFFFF ||
        parseColorText(formatColor(*color, ColorFormat::CssHex)) != color) {
        std::abort();
    }
    return 0;
}
