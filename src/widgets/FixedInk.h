#pragma once
// Texts whose colour is fixed (a heading's dark blue, a link's blue) stay readable whatever the
// desktop theme: when the background the theme gives is too close to the ink, they bring their
// own light face behind them.

#include "color/Contrast.h"
#include "widgets/QtColor.h"

#include <QColor>
#include <optional>

namespace sv {

// The light face of the program's own panels, kept behind fixed inks on dark themes.
inline const QColor kFixedInkFace(0xF0, 0xF0, 0xF0);

// The face to paint behind ink over background; empty when the theme's background will do
// (a contrast of 4.5:1 or more).
inline std::optional<QColor> faceForInk(const QColor& ink, const QColor& background) {
    if (wcagContrastRatio(fromQColor(ink), fromQColor(background)) >= 4.5) {
        return std::nullopt;
    }
    return kFixedInkFace;
}

} // namespace sv
