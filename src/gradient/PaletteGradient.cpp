#include "gradient/PaletteGradient.h"

#include "gradient/GradientMath.h"

namespace sv {

namespace {

ColorValue colorOf(const GradientComponents& c) {
    // A typed negative component counts by its magnitude, as every computed one does.
    auto magnitude = [](int v) { return v < 0 ? -v : v; };
    return rgb(magnitude(c.red), magnitude(c.green), magnitude(c.blue));
}

} // namespace

ColorValue gradientStep(const GradientComponents& start, const GradientComponents& end,
                        float divisor, int k) {
    auto component = [&](int from, int to) {
        // Any 16-bit start and step up to 255 stays far inside 32 bits.
        return componentAtStep(k, componentIncrement(to, from, divisor), from).value_or(0);
    };
    return rgb(component(start.red, end.red), component(start.green, end.green),
               component(start.blue, end.blue));
}

std::vector<SwatchWrite> wholePaletteGradient(const GradientComponents& start,
                                              const GradientComponents& end, float innerTwips) {
    std::vector<SwatchWrite> writes;
    writes.reserve(kGradientSwatches);
    writes.push_back({1, colorOf(start)});
    for (int k = 1; k < kGradientSwatches - 1; ++k) {
        writes.push_back({k + 1, gradientStep(start, end, innerTwips, k)});
    }
    writes.push_back({kGradientSwatches, colorOf(end)});
    return writes;
}

std::vector<SwatchWrite> rowGradient(int row, const GradientComponents& start,
                                     const GradientComponents& end, float innerTwips) {
    if (row < 1 || row > kGradientSwatches / kGradientRowLength) {
        return {};
    }
    const int first = (row - 1) * kGradientRowLength + 1;
    const float divisor = innerTwips / static_cast<float>(kGradientRowLength);
    std::vector<SwatchWrite> writes;
    writes.reserve(kGradientRowLength);
    writes.push_back({first, colorOf(start)});
    for (int k = 1; k < kGradientRowLength - 1; ++k) {
        writes.push_back({first + k, gradientStep(start, end, divisor, k)});
    }
    writes.push_back({first + kGradientRowLength - 1, colorOf(end)});
    return writes;
}

} // namespace sv
