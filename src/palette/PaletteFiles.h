#pragma once
// Palette files on disk and the built-in palette, read into and written from the swatch grid.

#include "palette/Palette.h"
#include "palette/PaletteFormats.h"

#include <QString>
#include <QStringList>

namespace sv {

class PaletteModel;

// The built-in palette, a palette file in the program's resources.
inline constexpr const char* kBuiltInPalettePath = ":/palette/standard.pal";
// The start-up palette a user may put beside the program (the name must match in case).
inline constexpr const char* kDefaultPaletteName = "Default.pal";

// Writes the swatches to path as a file of the given kind through a save file, so a failed
// write leaves any earlier file untouched. Returns an error text, empty when it was written.
[[nodiscard]] QString savePalette(const QString& path, const Palette& palette,
                                  PaletteFormat format = PaletteFormat::Jasc);

// Reads a palette file of any kind readPaletteFile knows into the palette: only the swatches the
// file has colours for change. Returns an error text, empty when the file was read; on an error
// (missing, not a regular file, unreadable, no colour in it) no swatch changes. A file with
// more colours than the grid holds sets note to say so.
[[nodiscard]] QString loadPalette(const QString& path, PaletteModel& palette,
                                  QString* note = nullptr);

// Fills the palette at start-up: "Default.pal" from the first folder that has a usable one, else
// the built-in palette, read straight from the resources. Returns the path of the palette used.
QString loadStartPalette(PaletteModel& palette, const QStringList& folders);

} // namespace sv
