#include "palette/Palette.h"

namespace sv {

bool Palette::isEmpty(int index) const {
    return !validIndex(index) || swatches_[static_cast<std::size_t>(index - 1)].empty;
}

ColorValue Palette::color(int index) const {
    return validIndex(index) ? swatches_[static_cast<std::size_t>(index - 1)].color : kButtonFace;
}

void Palette::setColor(int index, ColorValue c) {
    if (validIndex(index)) {
        swatches_[static_cast<std::size_t>(index - 1)] = Swatch{c, false};
    }
}

void Palette::emptySwatch(int index) {
    if (validIndex(index)) {
        swatches_[static_cast<std::size_t>(index - 1)] = Swatch{};
    }
}

void Palette::emptyAll() {
    swatches_.fill(Swatch{});
}

} // namespace sv
