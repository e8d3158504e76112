#pragma once
// Palette files in the JASC-PAL text format: three header lines, then one line
// "red green blue" per swatch, swatch 1 first.

#include "palette/Palette.h"

#include <bitset>
#include <cstddef>
#include <string>
#include <string_view>

namespace sv {

inline constexpr int kPaletteHeaderLines = 3;
inline constexpr int kPaletteFileLines = kPaletteHeaderLines + Palette::kSize; // 259
// A line longer than this cannot be a colour line; it leaves its swatch unchanged.
inline constexpr std::size_t kMaxPaletteLineLength = 256;
// Exactly 259 lines, each ended by CR LF: "JASC-PAL", "0100", "256", then each swatch's red,
// green and blue in decimal separated by one space. An empty swatch is written from the
// button-face value and so reads "-241 0 0".
std::string writePaletteText(const Palette& palette);

struct PaletteReadResult {
    int lines = 0;                         // lines taken from the text (at most 259)
    std::bitset<Palette::kSize> written{}; // bit j - 1: swatch j was set or emptied
    int colorsInFile = 0; // colours a RIFF, GIMP or swatch exchange file lists (may pass 256)
    int skippedLines = 0; // lines of a GIMP palette that hold no colour
};

// Applies a palette text to an existing palette. The first three lines are skipped unread;
// line 3 + j goes to swatch j; lines after the 259th are ignored and swatches without a line
// keep what they hold. CR, LF and CR LF all end a line. A colour line is split by takeToken at
// single spaces into three 16-bit numbers: any negative one empties the swatch, otherwise the
// swatch takes red + 256 green + 65536 blue with values above 255 counting as 255. A line whose
// three parts are not all numbers within the 16-bit range leaves its swatch unchanged.
PaletteReadResult readPaletteText(std::string_view text, Palette& palette);

} // namespace sv
