#pragma once
// How readable one colour is on another: the WCAG 2.x contrast ratio with its verdicts, and the
// APCA lightness contrast (APCA-W3 0.0.98G-4g), text colour first, background second.

#include "color/Color.h"

#include <string>

namespace sv {

// 1 .. 21, whichever colour is lighter.
double wcagContrastRatio(ColorValue text, ColorValue background);
// "8.00:1": truncated to two decimals, never rounded up, so a shown 4.50 always passes 4.5.
std::string wcagRatioText(double ratio);

struct WcagVerdicts {
    bool normalAA;  // 4.5
    bool normalAAA; // 7
    bool largeAA;   // 3
    bool largeAAA;  // 4.5
    bool interface; // 3: user-interface components
};
// On the exact ratio.
WcagVerdicts wcagVerdicts(double ratio);

// Lc: positive for dark text on a light background, negative for light on dark; about 106 for
// black on white, -108 for white on black, 0 where the two are too close to tell.
double apcaContrast(ColorValue text, ColorValue background);
// "Lc 87.3", "Lc -107.9": one decimal, halves away from zero.
std::string apcaText(double lc);

} // namespace sv
