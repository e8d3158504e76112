#pragma once
// The colour value and its seven code notations.
//
// A colour is a 32-bit signed integer laid out 0x00BBGGRR (red in the low byte), valid from
// 0 to 16777215. Convert to Qt's 0xAARRGGBB only where something is painted.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace sv {

using ColorValue = std::int32_t;

inline constexpr ColorValue kWhite = 0xFFFFFF;
inline constexpr ColorValue kBlack = 0;
// The system button-face colour, as an empty palette swatch holds it.
inline constexpr ColorValue kButtonFace = static_cast<ColorValue>(0x8000000Fu);

// red + 256 × green + 65536 × blue; a component above 255 counts as 255, one below 0 as 0.
constexpr ColorValue rgb(int r, int g, int b) {
    auto clamp = [](int c) { return c > 255 ? 255 : (c < 0 ? 0 : c); };
    return clamp(r) + 256 * clamp(g) + 65536 * clamp(b);
}

// The three components of a value: red = value mod 256, green = ((value with its low byte
// cleared) / 256) mod 256, blue = (value & 0xFF0000) / 65536. Division and remainder truncate
// toward zero, so the empty-swatch value 0x8000000F splits into -241, 0, 0 (what palette files
// store for an empty swatch).
struct Components {
    int red;
    int green;
    int blue;
};
Components splitColor(ColorValue c);

// Six upper-case hexadecimal digits RRGGBB.
std::string toRgbHex(ColorValue c);

enum class Channel { Red = 1, Green = 2, Blue = 3 };

// The seven code notations, in the order of the copy buttons.
enum class Notation { VisualBasic, Long, Cpp, Delphi, Java, Photoshop, Html };
inline constexpr int kNotationCount = 7;

// The seven notations, in the order the main window writes them, plus the components.
struct Notations {
    std::string vb;        // &H + 8 hex digits, BBGGRR
    std::string html;      // #RRGGBB
    std::string longText;  // decimal
    std::string cpp;       // 0x00 + at least 6 hex digits, BBGGRR
    std::string delphi;    // $00 + at least 6 hex digits, BBGGRR
    std::string java;      // 0xRRGGBB
    std::string photoshop; // RRGGBB
    int red;
    int green;
    int blue;
};
Notations makeNotations(ColorValue c);
const std::string& notationText(const Notations& n, Notation which);

} // namespace sv
