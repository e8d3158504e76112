#include "palette/PaletteModel.h"

namespace sv {

std::optional<ColorValue> PaletteModel::color(int index) const {
    if (!Palette::validIndex(index) || palette_.isEmpty(index)) {
        return std::nullopt;
    }
    return palette_.color(index);
}

void PaletteModel::replace(int index, const Palette& from) {
    if (from.isEmpty(index)) {
        palette_.emptySwatch(index);
        emit swatchChanged(index); // emptied anew: views show the mask picture of now
        return;
    }
    const bool changed = palette_.isEmpty(index) || palette_.color(index) != from.color(index);
    palette_.setColor(index, from.color(index));
    if (changed) {
        emit swatchChanged(index);
    }
}

void PaletteModel::setColor(int index, ColorValue c) {
    if (!Palette::validIndex(index)) {
        return;
    }
    Palette one;
    one.setColor(index, c);
    replace(index, one);
}

void PaletteModel::emptySwatch(int index) {
    if (Palette::validIndex(index)) {
        replace(index, Palette());
    }
}

void PaletteModel::emptyAll() {
    setPalette(Palette());
}

void PaletteModel::setPalette(const Palette& p) {
    for (int i = 1; i <= Palette::kSize; ++i) {
        replace(i, p);
    }
}

void PaletteModel::applyPalette(const Palette& p, const std::bitset<Palette::kSize>& which) {
    for (int i = 1; i <= Palette::kSize; ++i) {
        if (which.test(std::size_t(i - 1))) {
            replace(i, p);
        }
    }
}

} // namespace sv
