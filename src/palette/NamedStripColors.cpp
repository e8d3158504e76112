#include "palette/NamedStripColors.h"

#include "color/Numeric.h"

#include <cstdlib>

namespace sv {

std::array<ColorValue, kNamedStripCells> namedStripColors(ColorValue start, ColorValue end) {
    const Components a = splitColor(start);
    const Components b = splitColor(end);
    const double dR = static_cast<double>(b.red - a.red) / kNamedStripDivisor;
    const double dG = static_cast<double>(b.green - a.green) / kNamedStripDivisor;
    const double dB = static_cast<double>(b.blue - a.blue) / kNamedStripDivisor;

    // Past cell 196 a falling component turns back up (its sign is dropped) and a rising one
    // stops at 255 (rgb clamps).
    auto step = [](int from, double delta, int i) {
        return std::abs(static_cast<int>(roundEven(from + i * delta)));
    };
    std::array<ColorValue, kNamedStripCells> cells{};
    cells[0] = rgb(a.red, a.green, a.blue);
    for (int i = 1; i < kNamedStripCells; ++i) {
        cells[static_cast<std::size_t>(i)] =
            rgb(step(a.red, dR, i), step(a.green, dG, i), step(a.blue, dB, i));
    }
    return cells;
}

} // namespace sv
