#pragma once
// Adobe swatch exchange files (".ase"): big-endian, "ASEF" version 1.0, a block count, then
// blocks of colour entries, alone or between group-start and group-end blocks. A colour entry
// holds a UTF-16 name, a colour model ("RGB ", "Gray", "CMYK" or "LAB ") with its 32-bit
// float components, and a type (global, spot or normal).

#include "color/Color.h"
#include "palette/GimpPalette.h"
#include "palette/Palette.h"

#include <string>
#include <string_view>

namespace sv {

// Whether the bytes start like a swatch exchange file ("ASEF", version 1).
bool isAdobeSwatches(std::string_view bytes);

// The colours of a swatch exchange file, in file order: RGB exactly, Gray as three equal
// components, CMYK and LAB converted (below), each component clamped to 0 .. 255. Never reads
// past the bytes: a block that runs past them ends the reading with what came before.
PaletteColors readAdobeSwatches(std::string_view bytes);

// Naive CMYK (each 0 .. 1): component = 255 x (1 - ink) x (1 - black), halves away from zero.
ColorValue cmykToColor(double cyan, double magenta, double yellow, double black);

// CIE LAB under D50 (L 0 .. 100), adapted to D65 with the Bradford transform and encoded as
// sRGB, clamped.
ColorValue labD50ToColor(double lightness, double a, double b);

// The filled swatches as global RGB colours named "Swatch N", inside one group named after the
// palette, whose name also says how many empty swatches were left out.
std::string writeAdobeSwatches(const Palette& palette, std::string_view name);

} // namespace sv
