#pragma once
// The sRGB transfer curve (0.04045 threshold, exponent 2.4) both ways, shared by every notation
// and file format that passes through linear light.

#include <cmath>

namespace sv {

// An encoded component from 0 .. 1 as linear light.
inline double unitToLinear(double c) {
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

// An 8-bit component as linear light, 0 .. 1.
inline double srgbToLinear(int component) {
    return unitToLinear(component / 255.0);
}

// A component from 0 .. 1 (clamped) as the nearest 8-bit value, halves away from zero.
inline int unitToByte(double value) {
    if (!(value > 0.0)) { // NaN counts as 0
        return 0;
    }
    return value >= 1.0 ? 255 : static_cast<int>(std::lround(value * 255.0));
}

// Linear light (clamped to 0 .. 1) as an 8-bit sRGB component.
inline int linearToSrgbByte(double value) {
    if (!(value > 0.0)) {
        return 0;
    }
    const double c =
        value <= 0.0031308 ? 12.92 * value : 1.055 * std::pow(value, 1.0 / 2.4) - 0.055;
    return unitToByte(c);
}

} // namespace sv
