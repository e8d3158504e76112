#pragma once
// Column arithmetic of the two gradient strips and of showing a picked colour. Pure
// functions: the widgets paint what these return.

#include "color/Color.h"

#include <optional>
#include <string_view>
#include <vector>

namespace sv {

// The blend strip: from the colour of the three editor texts (left end) to the last colour
// (right end). One line is computed per twip of the strip, x = widthTwips down to 0, each one
// pixel wide at pixel x / 15. Lines are drawn right to left, so each pixel column keeps the
// last line drawn into it: the one at x = 15 × pixel. Returns those pixel colours from the
// left edge; the last entry may lie beyond the strip's right edge (drawing clips it).
//
// A text that is not a 16-bit number gives 0 for its component. A zero (or unusable) width
// yields a single column with the start colour.
std::vector<ColorValue> gradientColumns(std::string_view red, std::string_view green,
                                        std::string_view blue, ColorValue last, float widthTwips);

// The spectrum strip: the last colour fading to black by 2 per column and channel, then a
// walk red → yellow → green → cyan → blue → magenta → white, one column per pixel
// (x = 0, 15, ... up to widthTwips). The walk stops after its first white column; columns
// after that are not drawn, so the result is shorter than the strip and the rest of the strip
// keeps its background.
std::vector<ColorValue> spectrumColumns(ColorValue last, int widthTwips);

// The colour a swatch takes from a picked colour: nothing for exactly -1 (no colour, as a
// point query outside a picture answers), otherwise the colour rebuilt from its components.
std::optional<ColorValue> mostraCor(double colour);
inline std::optional<ColorValue> mostraCor(std::optional<ColorValue> colour) {
    return mostraCor(colour ? static_cast<double>(*colour) : -1.0);
}

} // namespace sv
