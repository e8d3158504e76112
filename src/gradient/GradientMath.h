#pragma once
// Column arithmetic of the two gradient strips. Pure functions: the widgets paint what these
// return.

#include "color/Color.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace sv {

// Change of one component per step: (to - from) / divisor in single precision; 0 when the
// divisor is 0 or the quotient is not finite.
float componentIncrement(int to, int from, float divisor);
// One component k steps from start: k × increment + start in single precision, rounded halves to
// even, with its minus sign dropped. Empty when it does not fit 32 bits.
std::optional<std::int32_t> componentAtStep(int k, float increment, int start);

// The blend strip: from the current colour (left end) to the last colour
// (right end). One line is computed per twip of the strip, x = widthTwips down to 0, each one
// pixel wide at pixel x / 15. Lines are drawn right to left, so each pixel column keeps the
// last line drawn into it: the one at x = 15 × pixel. Returns those pixel colours from the
// left edge; the last entry may lie beyond the strip's right edge (drawing clips it).
// A zero (or unusable) width yields a single column with the start colour.
std::vector<ColorValue> gradientColumns(ColorValue current, ColorValue last, float widthTwips);

// The spectrum strip: the last colour fading to black by 2 per column and channel, then a
// walk red → yellow → green → cyan → blue → magenta → white, one column per pixel
// (x = 0, 15, ... up to widthTwips). The walk stops after its first white column; columns
// after that are not drawn, so the result is shorter than the strip and the rest of the strip
// keeps its background.
std::vector<ColorValue> spectrumColumns(ColorValue last, int widthTwips);

} // namespace sv
