#pragma once
// The five 18 × 18 mask pictures that mark an empty palette swatch. Each has white at (1, 1)
// and colour 12172744 (red 200, green 189, blue 185) at (6, 3), the probe pixels.

#include <QImage>

namespace sv {

inline constexpr int kMaskCount = 5;

// The picture an empty swatch shows, chosen in the Options window.
enum class SwatchMask { Mask1 = 1, Mask2, Mask3, Mask4, Mask5 };

QImage maskPicture(SwatchMask mask);

} // namespace sv
