// Fuzz entry point for the palette reader, JASC-PAL text and RIFF: whatever the bytes, reading
// them must end, leave every swatch empty or a colour in 0 .. 0xFFFFFF, and what is read must
// write and read back unchanged.

#include "palette/PaletteFormats.h"
#include "palette/PaletteText.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace sv;
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    Palette palette;
    palette.setColor(1, kWhite);
    palette.setColor(256, kBlack);
    const PaletteReadResult read = readPaletteFile(text, palette);
    if (read.lines < 0 || read.lines > kPaletteFileLines) {
        std::abort();
    }
    for (int i = 1; i <= Palette::kSize; ++i) {
        const ColorValue c = palette.color(i);
        if (!palette.isEmpty(i) && (c < 0 || c > 0xFFFFFF)) {
            std::abort();
        }
    }

    Palette back;
    const PaletteReadResult again = readPaletteText(writePaletteText(palette), back);
    if (!(back == palette) || !again.written.all()) {
        std::abort();
    }
    return 0;
}
