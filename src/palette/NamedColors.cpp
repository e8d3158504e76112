#include "palette/NamedColors.h"

#include "color/ColorText.h"

#include <algorithm>

namespace sv {

namespace {
bool inTable(int index) {
    return index >= 1 && index <= kNamedColorCount;
}

bool sameLetters(std::string_view a, std::string_view b) {
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [&](char x, char y) { return lower(x) == lower(y); });
}

} // namespace

std::string_view namedColorName(int index) {
    return inTable(index) ? std::string_view(detail::kNamedColors[index - 1].name)
                          : std::string_view();
}

ColorValue namedColorValue(int index) {
    if (!inTable(index)) {
        return kBlack;
    }
    const detail::NamedColor& c = detail::kNamedColors[index - 1];
    return rgb(c.red, c.green, c.blue);
}

int namedColorIndex(std::string_view name) {
    for (int i = 0; i < kNamedColorCount; ++i) {
        if (sameLetters(name, detail::kNamedColors[static_cast<std::size_t>(i)].name)) {
            return i + 1;
        }
    }
    return 0;
}

std::optional<ColorValue> colorFromText(std::string_view text) {
    if (const auto color = parseColorText(text)) {
        return color;
    }
    const int index = namedColorIndex(text);
    return index != 0 ? std::optional(namedColorValue(index)) : std::nullopt;
}

} // namespace sv
