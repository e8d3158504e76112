#include "gradient/GradientMath.h"

#include "color/Numeric.h"

#include <cmath>
#include <cstdint>
#include <limits>

namespace sv {

namespace {

constexpr int kInt16Min = std::numeric_limits<std::int16_t>::min();
constexpr int kInt16Max = std::numeric_limits<std::int16_t>::max();

bool fitsInt16(std::int64_t v) {
    return v >= kInt16Min && v <= kInt16Max;
}

// The sign is dropped by writing the number as text without its "-"; the one value whose
// magnitude does not fit back into 32 bits stays as it was.
std::int32_t dropMinus(std::int32_t v) {
    return v == std::numeric_limits<std::int32_t>::min() ? v : (v < 0 ? -v : v);
}

} // namespace

float componentIncrement(int to, int from, float divisor) {
    if (divisor == 0.0f || !std::isfinite(divisor)) {
        return 0.0f;
    }
    const float d = static_cast<float>(to - from) / divisor;
    return std::isfinite(d) ? d : 0.0f;
}

std::optional<std::int32_t> componentAtStep(int k, float increment, int start) {
    const float product = static_cast<float>(k) * increment;
    const float sum = product + static_cast<float>(start);
    const auto rounded = toInt32(sum);
    if (!rounded) {
        return std::nullopt;
    }
    return dropMinus(*rounded);
}

std::vector<ColorValue> gradientColumns(ColorValue current, ColorValue last, float widthTwips) {
    const auto [r1, g1, b1] = splitColor(current);
    const Components end = splitColor(last);

    const float dR = componentIncrement(end.red, r1, widthTwips);
    const float dG = componentIncrement(end.green, g1, widthTwips);
    const float dB = componentIncrement(end.blue, b1, widthTwips);

    const int iMax = toInt16(widthTwips).value_or(0);
    if (iMax < 0) {
        return {};
    }
    std::vector<ColorValue> columns(static_cast<std::size_t>(iMax / kTwipsPerPixel) + 1, 0);

    // A step that cannot be computed keeps the value of the previous column.
    std::int32_t r = 0;
    std::int32_t g = 0;
    std::int32_t b = 0;
    ColorValue colour = 0;
    auto step = [](int i, float d, int start, std::int32_t previous) {
        return componentAtStep(i, d, start).value_or(previous);
    };
    for (int i = iMax; i >= 0; --i) {
        r = step(i, dR, r1, r);
        g = step(i, dG, g1, g);
        b = step(i, dB, b1, b);
        if (fitsInt16(r) && fitsInt16(g) && fitsInt16(b)) {
            colour = rgb(r, g, b);
        }
        // Columns are drawn right to left: the smallest twip of each pixel is painted last.
        columns[static_cast<std::size_t>(i / kTwipsPerPixel)] = colour;
    }
    return columns;
}

std::vector<ColorValue> spectrumColumns(ColorValue last, int widthTwips) {
    const Components start = splitColor(last);
    int fadeR = start.red;
    int fadeG = start.green;
    int fadeB = start.blue;
    int cR = 0;
    int cG = 0;
    int cB = 0;
    int incR = 5; // red climbs more gently than the other channels
    int incG = 0;
    int incB = 0;

    std::vector<ColorValue> columns;
    for (std::int64_t x = 0; x <= widthTwips; x += kTwipsPerPixel) {
        if (fadeR > 0 || fadeG > 0 || fadeB > 0) {
            // A channel that has reached 0 keeps its last drawn value.
            if (fadeR > 0) {
                cR = fadeR;
                fadeR -= 2;
            }
            if (fadeG > 0) {
                cG = fadeG;
                fadeG -= 2;
            }
            if (fadeB > 0) {
                cB = fadeB;
                fadeB -= 2;
            }
        } else {
            if (cR == 255 && cG == 255 && cB == 255) {
                break;
            }
            // Each test may set the increment of a later channel for this same column.
            cR += incR;
            if (cR > 255) {
                incR = 0;
                cR = 255;
                incG = 8;
            } else if (cR < 0) {
                incR = 0;
                cR = 0;
                incB = 8;
            }
            cG += incG;
            if (cG > 255) {
                incG = 0;
                cG = 255;
                incR = -8;
            } else if (cG < 0) {
                incG = 0;
                cG = 0;
                incR = 8;
            }
            cB += incB;
            if (cB > 255) {
                incB = 0;
                cB = 255;
                incG = -8;
            }
        }
        columns.push_back(rgb(cR, cG, cB));
    }
    return columns;
}

} // namespace sv
