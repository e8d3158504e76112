#pragma once
// The current colour in today's notations beside the seven classic ones: CSS (hex, rgb, hsl,
// hwb, oklch) and the colour constructors of Qt, Android/Flutter, SwiftUI and .NET, plus the
// OKLab coordinates they rest on. Numbers are rounded half away from zero to the decimals each
// notation shows and printed without trailing zeros ("80%", not "80.0%").

#include "color/Color.h"
#include "color/OkLab.h"

#include <string>
#include <string_view>

namespace sv {

enum class ColorFormat {
    CssHex,      // #0a5a5a
    CssRgb,      // rgb(10 90 90)
    CssRgbComma, // rgb(10, 90, 90)
    CssHsl,      // hsl(180 80% 19.6%)
    CssHwb,      // hwb(180 3.9% 64.7%)
    CssOklch,    // oklch(42.48% 0.0694 194.86)
    Qt,          // QColor(10, 90, 90)
    AndroidArgb, // 0xFF0A5A5A
    SwiftUi,     // Color(red: 0.039, green: 0.353, blue: 0.353)
    DotNet,      // Color.FromArgb(10, 90, 90)
};
inline constexpr int kColorFormatCount = 10;

// The notation's name as a list shows it ("CSS hsl").
const char* colorFormatName(ColorFormat format);
std::string formatColor(ColorValue c, ColorFormat format);

// Hue (degrees, 0 for greys), saturation and lightness (percent), exact as fractions allow:
// each as the text hsl() shows.
struct HslText {
    std::string hue;
    std::string saturation;
    std::string lightness;
};
HslText hslText(ColorValue c);

// Why a template or a format cannot be used: a sentence in which %1 stands for the placeholder
// at fault (windows translate the sentence before filling it in); an empty sentence when it can.
struct TemplateProblem {
    std::string sentence;
    std::string placeholder;  // "{q}"
    std::string text() const; // the sentence filled in
};

// A user's own format: text with placeholders {r} {g} {b} (0 .. 255), {rf} {gf} {bf} (0 .. 1,
// three decimals), {hex} (rrggbb), {HEX} (RRGGBB) and {h} {s} {l} (as hsl() shows them).
TemplateProblem templateProblem(std::string_view text);
// Why a template cannot be used, as a sentence; empty when it can.
std::string templateError(std::string_view text);
// The template with every placeholder replaced; a template with an error gives "".
std::string expandTemplate(std::string_view text, ColorValue c);

} // namespace sv
