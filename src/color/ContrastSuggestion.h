#pragma once
// When a text colour is not readable enough on a background: the nearest colour that is. The
// colour that moves keeps its OKLCH hue and chroma and changes lightness as little as needed,
// lighter or darker, whichever lies nearer in OKLab; where sRGB cannot show that chroma at
// that lightness, the chroma is reduced until it can.

#include "color/Color.h"

#include <array>
#include <optional>
#include <string>

namespace sv {

enum class ContrastTarget {
    WcagAA,      // 4.5:1, normal text
    WcagAAA,     // 7:1
    WcagAALarge, // 3:1, large text
    ApcaBody,    // |Lc| 60
    ApcaFluent,  // |Lc| 75
    ApcaAny,     // |Lc| 90
};
inline constexpr std::array kContrastTargets = {
    ContrastTarget::WcagAA,   ContrastTarget::WcagAAA,    ContrastTarget::WcagAALarge,
    ContrastTarget::ApcaBody, ContrastTarget::ApcaFluent, ContrastTarget::ApcaAny};

// "AA 4.5:1", "APCA Lc 60": how a window names the target (it translates the name).
const char* contrastTargetName(ContrastTarget target);

// On the exact figures: a pair that passes shows at least the target, as the ratio's text is
// truncated and never rounded up.
bool meetsTarget(ContrastTarget target, ColorValue text, ColorValue background);
// What the pair reaches, in the target's own figure: "4.52:1" or "Lc -61.3".
std::string targetFigure(ContrastTarget target, ColorValue text, ColorValue background);

enum class MovedColor { Text, Background };

// For each target in kContrastTargets' order, the nearest colour for the moved one (the other
// stays) with which the pair meets it; empty where the pair meets it already or no lightness
// does.
using PassingColors = std::array<std::optional<ColorValue>, kContrastTargets.size()>;
PassingColors passingColors(ColorValue text, ColorValue background, MovedColor moved);

} // namespace sv
