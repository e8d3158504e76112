#pragma once
// The gradient generator's arithmetic: a gradient from a start to an end colour written across
// the whole palette or one row of it. Components are 16-bit numbers as the user typed them; a
// negative component counts by its magnitude and one above 255 as 255.

#include "color/Color.h"

#include <array>
#include <cstdint>
#include <vector>

namespace sv {

struct GradientComponents {
    std::int16_t red = 0;
    std::int16_t green = 0;
    std::int16_t blue = 0;
};

// A colour written into a palette swatch (1 .. 256).
struct SwatchWrite {
    int index;
    ColorValue color;
};

// The palette is 256 swatches, 16 to a row.
inline constexpr int kGradientSwatches = 256;
inline constexpr int kGradientRowLength = 16;

// The steps are measured in twips of a swatch's inner width: 255 for a 21-pixel swatch with
// its two-pixel sunken border.
inline constexpr float kSwatchInnerTwips = 255.0f;

// Colour of step k of a gradient whose per-step increments are the differences over divisor.
ColorValue gradientStep(const GradientComponents& start, const GradientComponents& end,
                        float divisor, int k);

// All 256 swatches: the first holds the start, the last the end, 255 even steps of
// innerTwips between.
std::vector<SwatchWrite> wholePaletteGradient(const GradientComponents& start,
                                              const GradientComponents& end,
                                              float innerTwips = kSwatchInnerTwips);

// The 16 swatches of row 1 .. 16: start first, end last, and between them steps 1 .. 14 of
// innerTwips / 16, so the end is reached with a jump from 224/255 of the way.
std::vector<SwatchWrite> rowGradient(int row, const GradientComponents& start,
                                     const GradientComponents& end,
                                     float innerTwips = kSwatchInnerTwips);

} // namespace sv
