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
    int skippedLines = 0;           // lines that hold no colour and were passed over
};

// Whether the bytes start with the "GIMP Palette" line.
bool isGimpPalette(std::string_view bytes);

// The colours of a GIMP palette, read as GIMP reads them: a colour line starts with three
// numbers, each read as far as it is a whole number ("10.5" is 10) and held within 0 .. 255;
// a line that is neither that, blank, a comment nor a header line is passed over and counted.
PaletteColors readGimpPalette(std::string_view bytes);

// The filled swatches in order, each named "Swatch N" after its place; empty swatches cannot
// be held and are left out, and a comment line says how many were.
std::string writeGimpPalette(const Palette& palette, std::string_view name);

// "3 empty swatches skipped" (the note every format that cannot hold an empty place carries);
// empty when none was.
std::string skippedSwatchesNote(const Palette& palette);

} // namespace sv
