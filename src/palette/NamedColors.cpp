#include "palette/NamedColors.h"

#include "color/AsciiText.h"
#include "color/ColorText.h"

namespace sv {

namespace {
bool inTable(int index) {
    return index >= 1 && index <= kNamedColorCount;
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
        if (sameIgnoringCase(name, detail::kNamedColors[static_cast<std::size_t>(i)].name)) {
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
