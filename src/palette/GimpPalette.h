#pragma once
// GIMP palettes (".gpl"): a "GIMP Palette" line, optional "Name:" and "Columns:" lines, "#"
// comments, then one colour per line, "R G B" in decimal with an optional name after them.

#include "palette/Palette.h"

#include <string>
#include <string_view>
#include <vector>

namespace sv {

struct PaletteColors {
    std::vector<ColorValue> colors; // the first Palette::kSize colours, in file order
    int total = 0;                  // how many the file lists
};

// Whether the bytes start with the "GIMP Palette" line.
bool isGimpPalette(std::string_view bytes);

// The colours of a GIMP palette. A colour line must start with three whole numbers 0 .. 255;
// any other line that is neither blank, a comment nor a header line makes the file unreadable
// (an empty result), as GIMP itself refuses such a file.
PaletteColors readGimpPalette(std::string_view bytes);

// The filled swatches in order, each named "Swatch N" after its place; empty swatches cannot
// be held and are left out, and a comment line says how many were.
std::string writeGimpPalette(const Palette& palette, std::string_view name);

// "3 empty swatches skipped" (the note every format that cannot hold an empty place carries);
// empty when none was.
std::string skippedSwatchesNote(const Palette& palette);

} // namespace sv
