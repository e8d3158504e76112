#pragma once
// The colours of the 256 cells of the colour-names strip: a gradient that starts at the first
// named colour and reaches the second at cell 196, then runs on past it.

#include "color/Color.h"

#include <array>

namespace sv {

inline constexpr int kNamedStripCells = 256;
// The end colour is reached after this many steps (cell 196), not after 255.
inline constexpr int kNamedStripDivisor = 195;

// Cell i (0-based here) = start + i × (end - start) / 195 per component, in double precision,
// rounded halves to even; a negative result counts by its absolute value, one above 255 as 255.
std::array<ColorValue, kNamedStripCells> namedStripColors(ColorValue start, ColorValue end);

} // namespace sv
