#include "gradient/ColorGridLayout.h"

#include "color/Numeric.h"

#include <limits>

namespace sv {

namespace {

std::int16_t share(float size, float fraction) {
    constexpr auto kMax = std::numeric_limits<std::int16_t>::max();
    return toInt16(size * fraction).value_or(size > 0 ? kMax : std::int16_t{0});
}

} // namespace

GridMetrics gridMetrics(float windowWidthTwips, float windowHeightTwips) {
    return {share(windowWidthTwips, 0.0565f), share(windowHeightTwips, 0.052f),
            share(windowWidthTwips, 0.0045f), share(windowHeightTwips, 0.0035f)};
}

TwipBox cellBox(const GridMetrics& m, int cell) {
    const int row = (cell - 1) / kGridColumns;
    const int column = (cell - 1) % kGridColumns;
    return {kGridOrigin + column * (m.cellWidth + m.gapX),
            kGridOrigin + row * (m.cellHeight + m.gapY), m.cellWidth, m.cellHeight};
}

} // namespace sv
