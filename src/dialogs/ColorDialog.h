#pragma once
// The system colour dialog: Qt's own, modal over the main window, starting on the current
// colour. Its 16 custom colours are QColorDialog's, kept for the whole run; the first dialog of
// a run starts them all near-white (254, 254, 254).

#include "color/Color.h"

#include <optional>

class QWidget;

namespace sv {

inline constexpr ColorValue kFirstCustomColor = 0xFEFEFE;

// The chosen colour; empty when the user cancels.
std::optional<ColorValue> chooseSystemColor(QWidget* owner, ColorValue current);

} // namespace sv
