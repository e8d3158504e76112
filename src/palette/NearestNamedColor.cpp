#include "palette/NearestNamedColor.h"

#include "color/ColorFormats.h"
#include "color/Translatable.h"
#include "palette/NamedColors.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>

namespace sv {

NearestName nearestNamedColor(ColorValue c) {
    // Every entry's OKLab coordinates, worked out once.
    static const std::array<OkLab, kNamedColorCount> table = [] {
        std::array<OkLab, kNamedColorCount> lab{};
        for (int i = 1; i <= kNamedColorCount; ++i) {
            lab[std::size_t(i - 1)] = toOkLab(namedColorValue(i));
        }
        return lab;
    }();
    const OkLab target = toOkLab(c);
    NearestName best{1, INFINITY};
    double bestSquare = INFINITY;
    for (int i = 1; i <= kNamedColorCount; ++i) {
        const OkLab& e = table[std::size_t(i - 1)];
        const double dl = e.lightness - target.lightness;
        const double da = e.a - target.a;
        const double db = e.b - target.b;
        const double square = dl * dl + da * da + db * db;
        if (square < bestSquare) {
            bestSquare = square;
            best.index = i;
        }
    }
    best.distance = std::sqrt(bestSquare);
    return best;
}

std::string distanceText(double distance) {
    if (distance == 0.0) {
        return QT_TRANSLATE_NOOP("sv::ColorDetailsWindow", "exact");
    }
    // Written with a point in every language, as every other number the program shows: the C
    // library's printf would follow the desktop's locale.
    char digits[32];
    const auto [end, error] =
        std::to_chars(digits, digits + sizeof digits, distance, std::chars_format::fixed, 3);
    return "\u0394E " + (error == std::errc() ? std::string(digits, end) : std::string("?"));
}

} // namespace sv
