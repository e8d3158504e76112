#include "palette/PaletteFormats.h"

#include "color/AsciiText.h"
#include "color/ColorFormats.h"
#include "palette/AdobeSwatches.h"
#include "palette/GimpPalette.h"
#include "palette/RiffPalette.h"

#include <algorithm>

namespace sv {

PaletteFormat formatForFileName(std::string_view fileName, PaletteFormat fallback) {
    const std::size_t dot = fileName.rfind('.');
    if (dot == std::string_view::npos || fileName.find('/', dot) != std::string_view::npos) {
        return fallback;
    }
    std::string extension(fileName.substr(dot + 1));
    std::transform(extension.begin(), extension.end(), extension.begin(), asciiLower);
    if (extension == "pal") {
        return PaletteFormat::Jasc;
    }
    if (extension == "gpl") {
        return PaletteFormat::Gimp;
    }
    if (extension == "ase") {
        return PaletteFormat::AdobeSwatches;
    }
    if (extension == "css") {
        return PaletteFormat::Css;
    }
    return fallback;
}

PaletteFormat detectPaletteFormat(std::string_view bytes) {
    if (isGimpPalette(bytes)) {
        return PaletteFormat::Gimp;
    }
    if (isAdobeSwatches(bytes)) {
        return PaletteFormat::AdobeSwatches;
    }
    if (isRiffPalette(bytes)) {
        return PaletteFormat::Riff;
    }
    return PaletteFormat::Jasc;
}

std::string writeCssPalette(const Palette& palette) {
    const std::string note = skippedSwatchesNote(palette);
    std::string text = "/* Written by Spectrivue" + (note.empty() ? std::string() : "; " + note) +
                       " */\n:root {\n";
    for (int i = 1; i <= Palette::kSize; ++i) {
        if (!palette.isEmpty(i)) {
            text += "  --swatch-" + std::to_string(i) + ": " +
                    formatColor(palette.color(i), ColorFormat::CssHex) + ";\n";
        }
    }
    return text + "}\n";
}

std::string writePaletteAs(const Palette& palette, PaletteFormat format, std::string_view name) {
    switch (format) {
    case PaletteFormat::Gimp:
        return writeGimpPalette(palette, name);
    case PaletteFormat::AdobeSwatches:
        return writeAdobeSwatches(palette, name);
    case PaletteFormat::Css:
        return writeCssPalette(palette);
    case PaletteFormat::Jasc:
    case PaletteFormat::Riff:
        break;
    }
    return writePaletteText(palette);
}

PaletteReadResult readPaletteFile(std::string_view bytes, Palette& palette) {
    PaletteColors colors;
    switch (detectPaletteFormat(bytes)) {
    case PaletteFormat::Jasc:
    case PaletteFormat::Css:
        return readPaletteText(bytes, palette);
    case PaletteFormat::Riff:
        colors.colors = readRiffPalette(bytes);
        colors.total = static_cast<int>(colors.colors.size());
        break;
    case PaletteFormat::Gimp:
        colors = readGimpPalette(bytes);
        break;
    case PaletteFormat::AdobeSwatches:
        colors = readAdobeSwatches(bytes);
        break;
    }
    PaletteReadResult result;
    for (std::size_t i = 0; i < colors.colors.size(); ++i) {
        palette.setColor(static_cast<int>(i) + 1, colors.colors[i]);
        result.written.set(i);
    }
    result.colorsInFile = colors.total;
    result.skippedLines = colors.skippedLines;
    return result;
}

} // namespace sv
