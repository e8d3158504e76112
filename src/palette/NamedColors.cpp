#include "palette/NamedColors.h"

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

} // namespace sv
