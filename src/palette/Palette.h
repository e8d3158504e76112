#pragma once
// The 256 swatches of a palette, indexed 1 .. 256 in row-major order (16 by 16). A swatch
// holds a colour or is empty; an empty swatch's colour reads as the system button face, which
// is also what a palette file stores for it.

#include "color/Color.h"

#include <array>

namespace sv {

class Palette {
public:
    static constexpr int kSize = 256;
    static constexpr int kColumns = 16;

    static constexpr bool validIndex(int index) { return index >= 1 && index <= kSize; }

    // A new palette has every swatch empty.
    Palette() = default;

    bool isEmpty(int index) const;
    // The swatch's colour: kButtonFace for an empty swatch (and for an index outside 1 .. 256).
    ColorValue color(int index) const;

    // The swatch holds c (used as given; no rounding or conversion).
    void setColor(int index, ColorValue c);
    // Empties swatch index (an index outside 1 .. 256 is ignored).
    void emptySwatch(int index);
    void emptyAll();

    friend bool operator==(const Palette&, const Palette&) = default;

private:
    struct Swatch {
        ColorValue color = kButtonFace;
        bool empty = true;
        friend bool operator==(const Swatch&, const Swatch&) = default;
    };
    std::array<Swatch, kSize> swatches_{};
};

} // namespace sv
