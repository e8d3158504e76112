#pragma once
// RIFF palettes, the other common kind of ".pal" file: a RIFF form of type "PAL " whose "data"
// chunk holds a version word, a colour count word, then four bytes per colour: red, green,
// blue and flags (little-endian words). Read only; the program writes JASC-PAL.

#include "color/Color.h"

#include <string_view>
#include <vector>

namespace sv {

// Whether the bytes start like a RIFF palette ("RIFF", a size, "PAL ").
bool isRiffPalette(std::string_view bytes);

// The colours of a RIFF palette, in order, at most 256. Never reads past the bytes given: a
// chunk or a count larger than the data yields only the colours that are there. Empty when the
// bytes are not a RIFF palette or hold no colour.
std::vector<ColorValue> readRiffPalette(std::string_view bytes);

} // namespace sv
