#pragma once
// A colour read back from text another program hands over (a drop, a paste): any notation the
// colour details window shows, and the short "#rgb". Strict: the whole text (blanks around it
// aside) must be one colour, with every number in its range, or it is not a colour.

#include "color/Color.h"

#include <optional>
#include <string_view>

namespace sv {

// Accepts, for example, "#0a5a5a", "#0AF", "rgb(10 90 90)", "rgb(10, 90, 90)",
// "hsl(180 80% 19.6%)", "hwb(180 3.9% 64.7%)", "oklch(42.48% 0.0694 194.86)",
// "QColor(10, 90, 90)", "0xFF0A5A5A", "Color(red: 0.039, green: 0.353, blue: 0.353)" and
// "Color.FromArgb(10, 90, 90)". CSS function names are read without regard to case. Alpha,
// where a notation carries it, is not part of a colour and is dropped. An oklch() colour
// outside sRGB is clamped to it.
std::optional<ColorValue> parseColorText(std::string_view text);

} // namespace sv
