#include "color/DragPayload.h"

#include <cstdint>
#include <cstring>

namespace sv {

namespace {

constexpr std::size_t kColorPayloadBytes = 4 * sizeof(std::uint16_t);

std::uint16_t wide(int component) {
    return static_cast<std::uint16_t>(component * 257);
}

// The nearest 8-bit value; writers that scale through floating point land one below k × 257.
int narrow(std::uint16_t value) {
    return static_cast<int>((std::uint32_t(value) * 255 + 32767) / 65535);
}

} // namespace

std::string colorPayload(ColorValue c) {
    const Components parts = splitColor(c);
    const std::uint16_t words[4] = {wide(parts.red), wide(parts.green), wide(parts.blue), 0xFFFF};
    std::string bytes(kColorPayloadBytes, '\0');
    std::memcpy(bytes.data(), words, kColorPayloadBytes);
    return bytes;
}

std::optional<ColorValue> readColorPayload(std::string_view bytes) {
    if (bytes.size() != kColorPayloadBytes) {
        return std::nullopt;
    }
    std::uint16_t words[4];
    std::memcpy(words, bytes.data(), kColorPayloadBytes);
    return rgb(narrow(words[0]), narrow(words[1]), narrow(words[2]));
}

std::optional<int> readNumberPayload(std::string_view bytes, int min, int max) {
    // As this program writes them: no sign, no blank, no leading zero.
    if (bytes.empty() || bytes.size() > 9 || (bytes.size() > 1 && bytes.front() == '0')) {
        return std::nullopt;
    }
    int value = 0;
    for (const char ch : bytes) {
        if (ch < '0' || ch > '9') {
            return std::nullopt;
        }
        value = value * 10 + (ch - '0');
    }
    if (value < min || value > max) {
        return std::nullopt;
    }
    return value;
}

} // namespace sv
