#pragma once
// The program options: their keys, groups, defaults and choices, and how a stored text counts.

#include <array>
#include <string_view>

namespace sv {

enum class OptionKey {
    StopCapture = 0,
    CreateGradient = 1,
    Zoom = 2,
    IndexPicMask = 3,
    SampleSize = 4, // the side of the square a pick averages: 1, 3, 5 or 9 device pixels
    Loupe = 5,      // 1: a loupe follows the pointer while a pick runs; 0: the crosshair alone
};

// What ends a magnifier capture: the press or the release of a mouse button.
enum class StopCapture { OnPress = 1, OnRelease = 2 };
// When the gradient strips follow a pick: once it ends, or with every colour while it runs.
enum class CreateGradient { AfterPick = 1, WhilePicking = 2 };
// The magnifier's enlargement: "Zoom 5x", "Zoom 10x", "Zoom 20x".
enum class ZoomLevel { Times5 = 1, Times10 = 2, Times20 = 3 };
// The picture an empty palette swatch shows.
enum class SwatchMask { Mask1 = 1, Mask2, Mask3, Mask4, Mask5 };
inline constexpr int kMaskCount = 5;

struct OptionSpec {
    OptionKey key;
    std::string_view group; // the settings group: the first four keep their own, "OPTIONS"
    std::string_view name;  // the settings key in that group
    int defaultValue;
    int minValue; // choices run from this to maxValue
    int maxValue;
};

inline constexpr std::array<OptionSpec, 6> kOptionSpecs{{
    {OptionKey::StopCapture, "OPTIONS", "StopCapture", 1, 1, 2},
    {OptionKey::CreateGradient, "OPTIONS", "CreateGradient", 1, 1, 2},
    {OptionKey::Zoom, "OPTIONS", "Zoom", 2, 1, 3},
    {OptionKey::IndexPicMask, "OPTIONS", "IndexPicMask", 1, 1, 5},
    {OptionKey::SampleSize, "Pick", "SampleSize", 1, 1, 9},
    {OptionKey::Loupe, "Pick", "Loupe", 1, 0, 1},
}};

constexpr const OptionSpec& optionSpec(OptionKey key) {
    return kOptionSpecs[static_cast<int>(key)];
}

// Whether a value is one of the option's choices.
bool isOptionChoice(OptionKey key, int value);

// A stored text as the option's value: missing, empty, not a whole number or outside the
// option's choices all count as the default.
int optionFromText(OptionKey key, std::string_view storedText);

} // namespace sv
