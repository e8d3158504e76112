#include "palette/RiffPalette.h"

#include "palette/Palette.h"

#include <algorithm>
#include <cstdint>

namespace sv {

namespace {

constexpr std::size_t kHeaderSize = 12;     // "RIFF", form size, "PAL "
constexpr std::size_t kChunkHeaderSize = 8; // id, size

std::uint32_t word32(std::string_view bytes, std::size_t at) {
    std::uint32_t v = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        v |= static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + i])) << (8 * i);
    }
    return v;
}

std::uint16_t word16(std::string_view bytes, std::size_t at) {
    return static_cast<std::uint16_t>(static_cast<unsigned char>(bytes[at]) |
                                      (static_cast<unsigned char>(bytes[at + 1]) << 8));
}

} // namespace

bool isRiffPalette(std::string_view bytes) {
    return bytes.size() >= kHeaderSize && bytes.substr(0, 4) == "RIFF" &&
           bytes.substr(8, 4) == "PAL ";
}

std::vector<ColorValue> readRiffPalette(std::string_view bytes) {
    if (!isRiffPalette(bytes)) {
        return {};
    }
    std::size_t at = kHeaderSize;
    while (bytes.size() - at >= kChunkHeaderSize) {
        const std::string_view id = bytes.substr(at, 4);
        const std::uint64_t declared = word32(bytes, at + 4);
        at += kChunkHeaderSize;
        // A chunk that claims more than the file holds ends at the end of the file.
        const std::size_t size =
            static_cast<std::size_t>(std::min<std::uint64_t>(declared, bytes.size() - at));
        if (id == "data") {
            if (size < 4) {
                return {};
            }
            const std::size_t count = std::min<std::size_t>(
                {word16(bytes, at + 2), (size - 4) / 4, static_cast<std::size_t>(Palette::kSize)});
            std::vector<ColorValue> colours;
            colours.reserve(count);
            for (std::size_t i = 0; i < count; ++i) {
                const std::size_t entry = at + 4 + 4 * i;
                colours.push_back(rgb(static_cast<unsigned char>(bytes[entry]),
                                      static_cast<unsigned char>(bytes[entry + 1]),
                                      static_cast<unsigned char>(bytes[entry + 2])));
            }
            return colours;
        }
        // Chunks are padded to an even size.
        const std::size_t next = size + (size & 1);
        if (next > bytes.size() - at) {
            break;
        }
        at += next;
    }
    return {};
}

} // namespace sv
