#pragma once
// Colour harmonies: the colours a turn round the OKLCH hue circle gives, keeping lightness
// and chroma (the chroma reduced where sRGB needs it).

#include "color/Color.h"

#include <array>
#include <cstddef>

namespace sv {

enum class Harmony { Complementary, SplitComplementary, Triadic, Analogous, Tetradic };
inline constexpr std::array kHarmonies = {Harmony::Complementary, Harmony::SplitComplementary,
                                          Harmony::Triadic, Harmony::Analogous, Harmony::Tetradic};

// "Complementary" and so on (windows translate the name).
const char* harmonyName(Harmony harmony);

// The colour itself first, then the turned ones in the order of their turns.
struct HarmonySet {
    std::array<ColorValue, 4> colors{};
    std::size_t size = 0;
    const ColorValue* begin() const { return colors.data(); }
    const ColorValue* end() const { return colors.data() + size; }
};
HarmonySet harmonyColors(ColorValue c, Harmony harmony);

} // namespace sv
