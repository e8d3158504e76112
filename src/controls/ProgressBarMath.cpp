#include "controls/ProgressBarMath.h"

#include "color/Numeric.h"

#include <algorithm>
#include <array>

namespace sv {

namespace {

std::array<int, 3> channels(ColorValue c) {
    return {static_cast<int>(c & 255), static_cast<int>(truncDiv(c, 256) & 255),
            static_cast<int>(truncDiv(c & 0xFF0000, 65536))};
}

} // namespace

int progressPercent(std::int64_t value, std::int32_t maximum) {
    if (maximum == 0) {
        return 0; // an empty scale shows an empty bar
    }
    const double percent = roundEven(static_cast<double>(value) * 100.0 / maximum);
    return static_cast<int>(std::clamp(percent, 0.0, 100.0));
}

ColorValue lighten(ColorValue color, int amount) {
    const auto k = channels(color);
    auto up = [amount](int c) {
        const auto v = truncDiv(static_cast<std::int64_t>(255 - amount) * c, 255) + amount;
        return static_cast<int>(std::min<std::int64_t>(v, 255));
    };
    return rgb(up(k[0]), up(k[1]), up(k[2]));
}

ColorValue shadeLine(ColorValue a, ColorValue b, int i, int steps) {
    const auto from = channels(a);
    const auto to = channels(b);
    std::array<int, 3> c{};
    for (std::size_t k = 0; k < 3; ++k) {
        const float step =
            steps == 0 ? 0.0f : static_cast<float>(static_cast<double>(to[k] - from[k]) / steps);
        c[k] =
            static_cast<int>(roundEven(static_cast<float>(from[k]) + step * static_cast<float>(i)));
    }
    return rgb(c[0], c[1], c[2]);
}

} // namespace sv
