#pragma once
// The kinds of palette file the program reads and writes, and which one a file is.

#include "palette/Palette.h"
#include "palette/PaletteText.h"

#include <string>
#include <string_view>

namespace sv {

enum class PaletteFormat {
    Jasc,          // ".pal", JASC-PAL text: read and written
    Riff,          // ".pal", RIFF palette: read only
    Gimp,          // ".gpl": read and written
    AdobeSwatches, // ".ase": read and written
    Css,           // ".css" custom properties: written only
};

// The kind a name's extension asks for (letter case aside), Jasc for ".pal"; otherwise
// fallback (what the user picked in the save dialog).
PaletteFormat formatForFileName(std::string_view fileName, PaletteFormat fallback);

// What the file holds, decided by its content, never by its name: GIMP and swatch exchange
// files by their signature, a RIFF palette by its header, anything else as JASC-PAL text.
PaletteFormat detectPaletteFormat(std::string_view bytes);

// The palette as a file of the given kind (Riff writes JASC-PAL). name goes where the kind
// keeps a palette's name.
std::string writePaletteAs(const Palette& palette, PaletteFormat format, std::string_view name);

// The swatches as CSS custom properties: ":root {" with one "--swatch-N: #rrggbb;" per filled
// swatch, "}". A comment above says how many empty swatches were left out.
std::string writeCssPalette(const Palette& palette);

// A palette file's bytes applied to an existing palette. JASC-PAL text as readPaletteText
// does; a RIFF, GIMP or swatch exchange file's colour j goes to swatch j (the first 256), and
// swatches past its colours keep what they hold, as for a short JASC-PAL file. Nothing written
// means the bytes hold no palette.
PaletteReadResult readPaletteFile(std::string_view bytes, Palette& palette);

} // namespace sv
