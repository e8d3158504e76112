#include "palette/GimpPalette.h"

#include "color/AsciiText.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <optional>

namespace sv {

namespace {

constexpr std::string_view kHeader = "GIMP Palette";

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r';
}

std::string_view trimmed(std::string_view s) {
    return trimBlanks(s, " \t\r");
}

// The whole number a word starts with, held within 0 .. 255; none when it starts with none.
std::optional<int> componentWord(std::string_view word) {
    long long value = 0;
    const char* first = word.data() + (word.starts_with('+') ? 1 : 0);
    const auto [end, error] = std::from_chars(first, word.data() + word.size(), value);
    if (end == first) {
        return std::nullopt;
    }
    if (error == std::errc::result_out_of_range) {
        return *first == '-' ? 0 : 255;
    }
    return static_cast<int>(std::clamp<long long>(value, 0, 255));
}

// Three numbers at the start of a line, separated by blanks; what follows them is the
// colour's name.
std::optional<ColorValue> colorLine(std::string_view line) {
    int parts[3] = {0, 0, 0};
    for (int& part : parts) {
        line = trimmed(line);
        std::size_t length = 0;
        while (length < line.size() && !isBlank(line[length])) {
            ++length;
        }
        const auto value = componentWord(line.substr(0, length));
        if (!value) {
            return std::nullopt;
        }
        part = *value;
        line.remove_prefix(length);
    }
    return rgb(parts[0], parts[1], parts[2]);
}

} // namespace

bool isGimpPalette(std::string_view bytes) {
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF") {
        bytes.remove_prefix(3);
    }
    const std::string_view first = bytes.substr(0, bytes.find('\n'));
    return trimmed(first) == kHeader;
}

PaletteColors readGimpPalette(std::string_view bytes) {
    if (!isGimpPalette(bytes)) {
        return {};
    }
    PaletteColors out;
    std::size_t at = bytes.find('\n');
    while (at != std::string_view::npos && at < bytes.size()) {
        const std::size_t end = bytes.find('\n', at + 1);
        const std::string_view line =
            trimmed(bytes.substr(at + 1, end == std::string_view::npos ? end : end - at - 1));
        at = end;
        if (line.empty() || line.front() == '#' || line.starts_with("Name:") ||
            line.starts_with("Columns:")) {
            continue;
        }
        const auto color = colorLine(line);
        if (!color) {
            ++out.skippedLines;
            continue;
        }
        if (out.colors.size() < static_cast<std::size_t>(Palette::kSize)) {
            out.colors.push_back(*color);
        }
        ++out.total;
    }
    return out;
}

std::string skippedSwatchesNote(const Palette& palette) {
    int skipped = 0;
    for (int i = 1; i <= Palette::kSize; ++i) {
        skipped += palette.isEmpty(i) ? 1 : 0;
    }
    if (skipped == 0) {
        return {};
    }
    return std::to_string(skipped) + (skipped == 1 ? " empty swatch" : " empty swatches") +
           " skipped";
}

std::string writeGimpPalette(const Palette& palette, std::string_view name) {
    std::string oneLine(name);
    for (char& c : oneLine) {
        c = (c == '\n' || c == '\r') ? ' ' : c;
    }
    std::string text = std::string(kHeader) + "\nName: " + oneLine +
                       "\nColumns: " + std::to_string(Palette::kColumns) + '\n';
    const std::string note = skippedSwatchesNote(palette);
    text += "# Written by Spectrivue" + (note.empty() ? std::string() : "; " + note) + '\n';
    for (int i = 1; i <= Palette::kSize; ++i) {
        if (palette.isEmpty(i)) {
            continue;
        }
        const auto [r, g, b] = splitColor(palette.color(i));
        char line[48];
        const int n = std::snprintf(line, sizeof line, "%3d %3d %3d\tSwatch %d\n", r, g, b, i);
        text.append(line, static_cast<std::size_t>(n));
    }
    return text;
}

} // namespace sv
