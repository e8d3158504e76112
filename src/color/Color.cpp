#include "color/Color.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <iterator>

namespace sv {

namespace {

std::string hexOf(ColorValue c) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%X", static_cast<unsigned>(c));
    return buf;
}

std::string twoHex(int component) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%02X", static_cast<unsigned>(component) & 0xFFu);
    return buf;
}

} // namespace

Components splitColor(ColorValue c) {
    const std::int64_t v = c;
    const std::int64_t lowCleared =
        static_cast<std::int32_t>(static_cast<std::uint32_t>(c) & ~0xFFu);
    return Components{static_cast<int>(v % 256), static_cast<int>((lowCleared / 256) % 256),
                      static_cast<int>((v & 0xFF0000) / 65536)};
}

std::string corParaHex(ColorValue c) {
    const Components k = splitColor(c);
    return twoHex(k.red) + twoHex(k.green) + twoHex(k.blue);
}

int componenteCor(double colour, int index) {
    if (index < 1 || index > 3 || colour <= -1.0 || colour >= 16777216.0) {
        return -1;
    }
    // Rounded (halves to even) before the byte is taken, as the design states.
    const auto whole = static_cast<std::int64_t>(std::nearbyint(colour));
    std::int64_t divisor = 1;
    for (int i = 1; i < index; ++i) {
        divisor *= 256;
    }
    return static_cast<int>((whole / divisor) & 255);
}

std::string inverteTexto(std::string_view text) {
    return std::string(text.rbegin(), text.rend());
}

std::string tiraHifen(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    std::copy_if(text.begin(), text.end(), std::back_inserter(out),
                 [](char ch) { return ch != '-'; });
    return out;
}

Notations makeNotations(ColorValue c) {
    const Components k = splitColor(c);
    const std::string hex = hexOf(c);
    std::string vb = "00000000" + hex;
    vb = vb.substr(vb.size() - 8);
    std::string six = hex;
    while (six.size() < 6) {
        six.insert(six.begin(), '0');
    }
    const std::string rrggbb = corParaHex(c);
    return Notations{
        "&H" + vb, "#" + rrggbb, std::to_string(c), "0x00" + six, "$00" + six, "0x" + rrggbb,
        rrggbb,    k.red,        k.green,           k.blue};
}

std::optional<ColorValue> parseVbHex(std::string_view text) {
    if (text.size() < 3 || text[0] != '&' || (text[1] != 'H' && text[1] != 'h')) {
        return std::nullopt;
    }
    text.remove_prefix(2);
    if (text.size() > 8) {
        return std::nullopt;
    }
    std::uint32_t value = 0;
    for (char ch : text) {
        int digit = -1;
        if (ch >= '0' && ch <= '9') {
            digit = ch - '0';
        } else if (ch >= 'A' && ch <= 'F') {
            digit = ch - 'A' + 10;
        } else if (ch >= 'a' && ch <= 'f') {
            digit = ch - 'a' + 10;
        } else {
            return std::nullopt;
        }
        value = value * 16 + static_cast<std::uint32_t>(digit);
    }
    return static_cast<ColorValue>(value);
}

} // namespace sv
