#include "palette/PaletteText.h"

#include "color/Numeric.h"
#include "palette/TakeToken.h"

#include <optional>

namespace sv {

namespace {

constexpr std::string_view kCrLf = "\r\n";

void appendLine(std::string& out, std::string_view line) {
    out += line;
    out += kCrLf;
}

// The next line of text (without its end) and the text after it; CR LF, a lone CR and a lone
// LF each end one line.
std::string_view takeLine(std::string_view& text) {
    const std::size_t end = text.find_first_of("\r\n");
    if (end == std::string_view::npos) {
        const std::string_view line = text;
        text = {};
        return line;
    }
    const std::string_view line = text.substr(0, end);
    std::size_t skip = 1;
    if (text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') {
        skip = 2;
    }
    text.remove_prefix(end + skip);
    return line;
}

struct Rgb16 {
    std::int16_t red;
    std::int16_t green;
    std::int16_t blue;
};

std::optional<Rgb16> parseColourLine(std::string_view line) {
    if (line.size() > kMaxPaletteLineLength) {
        return std::nullopt;
    }
    std::string rest(line);
    const auto r = textToInt16(takeToken(rest, " ", CompareMode::Text));
    const auto g = textToInt16(takeToken(rest, " ", CompareMode::Text));
    const auto b = textToInt16(takeToken(rest, " ", CompareMode::Text));
    if (!r || !g || !b) {
        return std::nullopt;
    }
    return Rgb16{*r, *g, *b};
}

} // namespace

std::string writePaletteText(const Palette& palette) {
    std::string out;
    out.reserve(static_cast<std::size_t>(kPaletteFileLines) * 14);
    // The standard header, as GIMP and other readers require; files written with the older
    // "JASC -PAL" / "100" still read, as the reader passes over both lines.
    appendLine(out, "JASC-PAL");
    appendLine(out, "0100");
    appendLine(out, "256");
    for (int j = 1; j <= Palette::kSize; ++j) {
        const Components k = splitColor(palette.color(j));
        appendLine(out, std::to_string(k.red) + ' ' + std::to_string(k.green) + ' ' +
                            std::to_string(k.blue));
    }
    return out;
}

PaletteReadResult readPaletteText(std::string_view text, Palette& palette) {
    PaletteReadResult result;
    while (!text.empty() && result.lines < kPaletteFileLines) {
        const std::string_view line = takeLine(text);
        ++result.lines;
        if (result.lines <= kPaletteHeaderLines) {
            continue;
        }
        const int swatch = result.lines - kPaletteHeaderLines;
        const auto c = parseColourLine(line);
        if (!c) {
            continue;
        }
        if (c->red < 0 || c->green < 0 || c->blue < 0) {
            palette.emptySwatch(swatch);
        } else {
            palette.setColor(swatch, rgb(c->red, c->green, c->blue));
        }
        result.written.set(static_cast<std::size_t>(swatch - 1));
    }
    return result;
}

} // namespace sv
