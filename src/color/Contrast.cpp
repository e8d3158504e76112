#include "color/Contrast.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>

namespace sv {

namespace {

// Each 8-bit component's value once, not a power per component per pair: suggestions judge
// many pairs for each colour a pick shows.
using ComponentTable = std::array<double, 256>;

template <typename F> ComponentTable tabulate(F f) {
    ComponentTable table{};
    for (std::size_t v = 0; v < table.size(); ++v) {
        table[v] = f(static_cast<double>(v) / 255.0);
    }
    return table;
}

// A component as an index; a value outside 0 .. 255 (only the empty-swatch value splits so)
// counts as the nearest end.
std::size_t slot(int component) {
    return static_cast<std::size_t>(std::clamp(component, 0, 255));
}

double wcagLuminance(ColorValue c) {
    static const ComponentTable linear = tabulate(
        [](double s) { return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4); });
    const auto [r, g, b] = splitColor(c);
    return 0.2126 * linear[slot(r)] + 0.7152 * linear[slot(g)] + 0.0722 * linear[slot(b)];
}

// APCA's screen luminance: a plain 2.4 power, with a soft clamp near black.
double apcaLuminance(ColorValue c) {
    constexpr double kBlackThreshold = 0.022;
    constexpr double kBlackClamp = 1.414;
    static const ComponentTable screen = tabulate([](double s) { return std::pow(s, 2.4); });
    const auto [r, g, b] = splitColor(c);
    double y =
        0.2126729 * screen[slot(r)] + 0.7151522 * screen[slot(g)] + 0.0721750 * screen[slot(b)];
    if (y < kBlackThreshold) {
        y += std::pow(kBlackThreshold - y, kBlackClamp);
    }
    return y;
}

} // namespace

double wcagContrastRatio(ColorValue text, ColorValue background) {
    const double a = wcagLuminance(text);
    const double b = wcagLuminance(background);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

std::string wcagRatioText(double ratio) {
    // A hair's allowance: 21 computes as 20.999999999999996.
    const long long hundredths = static_cast<long long>(std::floor(ratio * 100.0 + 1e-9));
    char text[32];
    std::snprintf(text, sizeof text, "%lld.%02lld:1", hundredths / 100, hundredths % 100);
    return text;
}

WcagVerdicts wcagVerdicts(double ratio) {
    return {ratio >= 4.5, ratio >= 7.0, ratio >= 3.0, ratio >= 4.5, ratio >= 3.0};
}

double apcaContrast(ColorValue text, ColorValue background) {
    const double yText = apcaLuminance(text);
    const double yBack = apcaLuminance(background);
    if (std::abs(yBack - yText) < 0.0005) {
        return 0.0;
    }
    constexpr double kScale = 1.14;
    constexpr double kOffset = 0.027;
    constexpr double kLowClip = 0.1;
    if (yBack > yText) { // dark text on a light background
        const double sapc = (std::pow(yBack, 0.56) - std::pow(yText, 0.57)) * kScale;
        return sapc < kLowClip ? 0.0 : (sapc - kOffset) * 100.0;
    }
    const double sapc = (std::pow(yBack, 0.65) - std::pow(yText, 0.62)) * kScale;
    return sapc > -kLowClip ? 0.0 : (sapc + kOffset) * 100.0;
}

std::string apcaText(double lc) {
    const long long tenths = std::llround(lc * 10.0);
    const long long magnitude = tenths < 0 ? -tenths : tenths;
    char text[32];
    std::snprintf(text, sizeof text, "Lc %s%lld.%lld", tenths < 0 ? "-" : "", magnitude / 10,
                  magnitude % 10);
    return text;
}

} // namespace sv
