#include "color/ColorFormats.h"

#include "color/Srgb.h"
#include "color/Translatable.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <numbers>

namespace sv {

namespace {

// An integer count of 10^-decimals as decimal text, trailing zeros dropped ("12.50" -> "12.5").
std::string decimalText(std::int64_t scaled, int decimals) {
    const bool negative = scaled < 0;
    std::uint64_t magnitude = negative ? std::uint64_t(-scaled) : std::uint64_t(scaled);
    std::uint64_t unit = 1;
    for (int i = 0; i < decimals; ++i) {
        unit *= 10;
    }
    std::string text = std::to_string(magnitude / unit);
    std::string fraction = std::to_string(magnitude % unit);
    fraction.insert(0, std::size_t(decimals) - fraction.size(), '0');
    while (!fraction.empty() && fraction.back() == '0') {
        fraction.pop_back();
    }
    if (!fraction.empty()) {
        text += '.' + fraction;
    }
    return negative && text != "0" ? '-' + text : text;
}

// num / den (both >= 0, den > 0) to the given decimals, halves away from zero, exactly.
std::string fractionText(std::int64_t num, std::int64_t den, int decimals) {
    for (int i = 0; i < decimals; ++i) {
        num *= 10;
    }
    return decimalText((2 * num + den) / (2 * den), decimals);
}

// A real number to the given decimals, halves away from zero.
std::string realText(double value, int decimals) {
    return decimalText(std::llround(value * std::pow(10.0, decimals)), decimals);
}

std::string hex2(int v, const char* digits) {
    return {digits[v >> 4], digits[v & 15]};
}

} // namespace

HslText hslText(ColorValue c) {
    const auto [r, g, b] = splitColor(c);
    const int high = std::max({r, g, b});
    const int low = std::min({r, g, b});
    const int d = high - low;
    HslText out;
    out.lightness = fractionText(std::int64_t(high + low) * 10, 51, 1);
    if (d == 0) {
        out.hue = "0";
        out.saturation = "0";
        return out;
    }
    out.saturation = fractionText(100 * std::int64_t(d), 255 - std::abs(high + low - 255), 1);
    // The hexagonal hue, as a fraction of d.
    std::int64_t hue = 0;
    if (high == r) {
        hue = 60 * std::int64_t(g - b) + (g < b ? 360 * std::int64_t(d) : 0);
    } else if (high == g) {
        hue = 60 * std::int64_t(b - r) + 120 * std::int64_t(d);
    } else {
        hue = 60 * std::int64_t(r - g) + 240 * std::int64_t(d);
    }
    out.hue = fractionText(hue, d, 1);
    if (out.hue == "360") {
        out.hue = "0";
    }
    return out;
}

const char* colorFormatName(ColorFormat format) {
    switch (format) {
    case ColorFormat::CssHex:
        return "CSS hex";
    case ColorFormat::CssRgb:
        return "CSS rgb";
    case ColorFormat::CssRgbComma:
        return QT_TRANSLATE_NOOP("sv::ColorDetailsWindow", "CSS rgb, comma form");
    case ColorFormat::CssHsl:
        return "CSS hsl";
    case ColorFormat::CssHwb:
        return "CSS hwb";
    case ColorFormat::CssOklch:
        return "CSS oklch";
    case ColorFormat::Qt:
        return "Qt";
    case ColorFormat::AndroidArgb:
        return "Android / Flutter ARGB";
    case ColorFormat::SwiftUi:
        return "SwiftUI";
    case ColorFormat::DotNet:
        return ".NET";
    }
    return "";
}

std::string formatColor(ColorValue c, ColorFormat format) {
    const auto [r, g, b] = splitColor(c);
    const std::string rgbList =
        std::to_string(r) + ", " + std::to_string(g) + ", " + std::to_string(b);
    switch (format) {
    case ColorFormat::CssHex: {
        const char* lower = "0123456789abcdef";
        return '#' + hex2(r, lower) + hex2(g, lower) + hex2(b, lower);
    }
    case ColorFormat::CssRgb:
        return "rgb(" + std::to_string(r) + ' ' + std::to_string(g) + ' ' + std::to_string(b) + ')';
    case ColorFormat::CssRgbComma:
        return "rgb(" + rgbList + ')';
    case ColorFormat::CssHsl: {
        const HslText hsl = hslText(c);
        return "hsl(" + hsl.hue + ' ' + hsl.saturation + "% " + hsl.lightness + "%)";
    }
    case ColorFormat::CssHwb: {
        const int low = std::min({r, g, b});
        const int high = std::max({r, g, b});
        return "hwb(" + hslText(c).hue + ' ' + fractionText(20 * std::int64_t(low), 51, 1) + "% " +
               fractionText(20 * std::int64_t(255 - high), 51, 1) + "%)";
    }
    case ColorFormat::CssOklch: {
        const OkLab lab = toOkLab(c);
        const std::string chroma = realText(std::hypot(lab.a, lab.b), 4);
        double hue = std::atan2(lab.b, lab.a) * 180.0 / std::numbers::pi;
        if (hue < 0) {
            hue += 360.0;
        }
        std::string hueText = chroma == "0" ? "0" : realText(hue, 2);
        if (hueText == "360") {
            hueText = "0";
        }
        return "oklch(" + realText(lab.lightness * 100.0, 2) + "% " + chroma + ' ' + hueText + ')';
    }
    case ColorFormat::Qt:
        return "QColor(" + rgbList + ')';
    case ColorFormat::AndroidArgb: {
        const char* upper = "0123456789ABCDEF";
        return "0xFF" + hex2(r, upper) + hex2(g, upper) + hex2(b, upper);
    }
    case ColorFormat::SwiftUi:
        return "Color(red: " + fractionText(r, 255, 3) + ", green: " + fractionText(g, 255, 3) +
               ", blue: " + fractionText(b, 255, 3) + ')';
    case ColorFormat::DotNet:
        return "Color.FromArgb(" + rgbList + ')';
    }
    return {};
}

namespace {

// The placeholder's text for c; empty (with known false) for a name that is none.
std::string placeholder(std::string_view name, ColorValue c, bool& known) {
    const auto [r, g, b] = splitColor(c);
    known = true;
    if (name == "r" || name == "g" || name == "b") {
        return std::to_string(name == "r" ? r : name == "g" ? g : b);
    }
    if (name == "rf" || name == "gf" || name == "bf") {
        return fractionText(name == "rf" ? r : name == "gf" ? g : b, 255, 3);
    }
    if (name == "hex") {
        return formatColor(c, ColorFormat::CssHex).substr(1);
    }
    if (name == "HEX") {
        return toRgbHex(c);
    }
    if (name == "h" || name == "s" || name == "l") {
        const HslText hsl = hslText(c);
        return name == "h" ? hsl.hue : name == "s" ? hsl.saturation : hsl.lightness;
    }
    known = false;
    return {};
}

// Walks the template, writing the expansion into out (when given); the problem, if any.
TemplateProblem walkTemplate(std::string_view text, ColorValue c, std::string* out) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '}') {
            return {QT_TRANSLATE_NOOP("sv::OwnFormatDialog", "A \"}\" has no \"{\" before it."),
                    {}};
        }
        if (text[i] != '{') {
            if (out != nullptr) {
                *out += text[i];
            }
            continue;
        }
        const std::size_t close = text.find_first_of("{}", i + 1);
        if (close == std::string_view::npos || text[close] != '}') {
            return {QT_TRANSLATE_NOOP("sv::OwnFormatDialog", "A \"{\" is not closed."), {}};
        }
        const std::string_view name = text.substr(i + 1, close - i - 1);
        bool known = false;
        const std::string value = placeholder(name, c, known);
        if (!known) {
            return {QT_TRANSLATE_NOOP("sv::OwnFormatDialog",
                                      "%1 is not a placeholder: use {r} {g} {b} {rf} {gf} {bf} "
                                      "{hex} {HEX} {h} {s} {l}."),
                    "{" + std::string(name) + "}"};
        }
        if (out != nullptr) {
            *out += value;
        }
        i = close;
    }
    return {};
}

} // namespace

std::string TemplateProblem::text() const {
    std::string filled = sentence;
    if (const auto at = filled.find("%1"); at != std::string::npos) {
        filled.replace(at, 2, placeholder);
    }
    return filled;
}

TemplateProblem templateProblem(std::string_view text) {
    return walkTemplate(text, kBlack, nullptr);
}

std::string templateError(std::string_view text) {
    return templateProblem(text).text();
}

std::string expandTemplate(std::string_view text, ColorValue c) {
    std::string out;
    return walkTemplate(text, c, &out).sentence.empty() ? out : std::string();
}

} // namespace sv
