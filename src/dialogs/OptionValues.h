#pragma once
// The four program options: their keys, defaults and ranges, and how a stored text counts.

#include <array>
#include <string_view>

namespace sv {

enum class OptionKey { StopCapture = 0, CreateGradient = 1, Zoom = 2, IndexPicMask = 3 };

// What ends a magnifier capture: the press or the release of a mouse button.
enum class StopCapture { OnPress = 1, OnRelease = 2 };
// When the gradient strips follow a pick: once it ends, or with every colour while it runs.
enum class CreateGradient { AfterPick = 1, WhilePicking = 2 };
// The magnifier's enlargement: "Zoom 5x", "Zoom 10x", "Zoom 20x".
enum class ZoomLevel { Times5 = 1, Times10 = 2, Times20 = 3 };

struct OptionSpec {
    OptionKey key;
    std::string_view name; // the settings key under "OPTIONS"
    int defaultValue;
    int maxValue; // choices run from 1 to this
};

inline constexpr std::array<OptionSpec, 4> kOptionSpecs{{
    {OptionKey::StopCapture, "StopCapture", 1, 2},
    {OptionKey::CreateGradient, "CreateGradient", 1, 2},
    {OptionKey::Zoom, "Zoom", 2, 3},
    {OptionKey::IndexPicMask, "IndexPicMask", 1, 5},
}};

constexpr const OptionSpec& optionSpec(OptionKey key) {
    return kOptionSpecs[static_cast<int>(key)];
}

// A stored text as the option's value: missing, empty, not a whole number or outside the
// option's choices all count as the default.
int optionFromText(OptionKey key, std::string_view storedText);

} // namespace sv
