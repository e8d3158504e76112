#pragma once
// Where the colour grid window puts its 256 cells: 16 by 16, sized in proportion to the window,
// the first cell 180 twips from the top-left corner. Sizes are in twips.

#include <cstdint>

namespace sv {

struct GridMetrics {
    std::int16_t cellWidth = 0;
    std::int16_t cellHeight = 0;
    std::int16_t gapX = 0; // between columns
    std::int16_t gapY = 0; // between rows
};

struct TwipBox {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    bool contains(int x, int y) const {
        return x >= left && x < left + width && y >= top && y < top + height;
    }
    bool operator==(const TwipBox&) const = default;
};

inline constexpr int kGridCells = 256;
inline constexpr int kGridColumns = 16;
inline constexpr int kGridOrigin = 180;

// Cell size and gaps for a window of the given outer size: 5.65 % and 5.2 % of it for a cell,
// 0.45 % and 0.35 % for a gap, each rounded halves to even (single precision). A size too
// large for 16 bits is taken as the largest that fits.
GridMetrics gridMetrics(float windowWidthTwips, float windowHeightTwips);

// The place of cell 1 .. 256 in row-major order.
TwipBox cellBox(const GridMetrics& m, int cell);

} // namespace sv
