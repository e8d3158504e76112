#pragma once
// The progress bar's arithmetic, free of any widget: the percentage it shows and the colours
// of its shading.

#include "color/Color.h"

#include <cstdint>

namespace sv {

// round(value × 100 / maximum), halves to even, within 0 .. 100; 0 for a maximum of 0.
int progressPercent(std::int64_t value, std::int32_t maximum);

// Moves each channel towards white: c' = ((255 - amount) × c) \ 255 + amount, at most 255.
ColorValue lighten(ColorValue color, int amount);

// Line i of a shade from a (line 0) to b (line steps), each channel a + (b − a) / steps × i in
// single precision, halves to even. With no steps every line is a.
ColorValue shadeLine(ColorValue a, ColorValue b, int i, int steps);

} // namespace sv
