#include "color/ColorText.h"

#include "color/AsciiText.h"
#include "color/Srgb.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <numbers>
#include <vector>

namespace sv {

namespace {

constexpr std::size_t kMaxArguments = 4;

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

std::string_view trim(std::string_view s) {
    return trimBlanks(s);
}

// Hex digits only, as one number; empty when any is not a digit.
std::optional<std::uint32_t> hexNumber(std::string_view digits) {
    std::uint32_t value = 0;
    for (const char c : digits) {
        const int d = hexDigitValue(c);
        if (d < 0) {
            return std::nullopt;
        }
        value = value * 16 + std::uint32_t(d);
    }
    return value;
}

// A plain decimal number: an optional minus, digits, an optional fraction. No exponent, no
// plus sign, no blanks: what the notations write.
std::optional<double> decimal(std::string_view s) {
    if (s.empty() || s.size() > 32 || s.front() == '+' || s.back() == '.' || s.front() == '.') {
        return std::nullopt;
    }
    for (const char c : s) {
        if (!((c >= '0' && c <= '9') || c == '.' || c == '-')) {
            return std::nullopt;
        }
    }
    double value = 0;
    const auto [end, error] =
        std::from_chars(s.data(), s.data() + s.size(), value, std::chars_format::fixed);
    if (error != std::errc() || end != s.data() + s.size() || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

// A number followed by '%', as a fraction of 1.
std::optional<double> percent(std::string_view s) {
    if (s.empty() || s.back() != '%') {
        return std::nullopt;
    }
    const auto value = decimal(s.substr(0, s.size() - 1));
    return value ? std::optional(*value / 100.0) : std::nullopt;
}

// "name(inside)": the inside, when the text is a call of name (case as given by exactCase).
std::optional<std::string_view> callOf(std::string_view text, std::string_view name,
                                       bool exactCase) {
    if (text.size() < name.size() + 2 || text.back() != ')') {
        return std::nullopt;
    }
    const std::string_view head = text.substr(0, name.size());
    if (!(exactCase ? head == name : sameIgnoringCase(head, name))) {
        return std::nullopt;
    }
    const std::string_view rest = trim(text.substr(name.size()));
    if (rest.size() < 2 || rest.front() != '(') {
        return std::nullopt;
    }
    return rest.substr(1, rest.size() - 2);
}

// The arguments of a call: all separated by commas, or all by blanks (never a mix).
std::optional<std::vector<std::string_view>> arguments(std::string_view inside) {
    std::vector<std::string_view> out;
    const bool commas = inside.find(',') != std::string_view::npos;
    std::size_t start = 0;
    while (start < inside.size() || (commas && start == inside.size())) {
        std::size_t end = start;
        if (commas) {
            end = std::min(inside.find(',', start), inside.size());
        } else {
            while (end < inside.size() && !isBlank(inside[end])) {
                ++end;
            }
        }
        const std::string_view item = trim(inside.substr(start, end - start));
        const bool blankInside = std::any_of(item.begin(), item.end(), isBlank);
        if ((commas && (item.empty() || blankInside)) || out.size() == kMaxArguments) {
            return std::nullopt;
        }
        if (!item.empty()) {
            out.push_back(item);
        }
        start = end + 1;
    }
    return out;
}

// A whole number 0 .. 255.
std::optional<int> byte(std::string_view s) {
    const auto value = decimal(s);
    if (!value || *value != std::floor(*value) || *value < 0 || *value > 255) {
        return std::nullopt;
    }
    return static_cast<int>(*value);
}

std::optional<ColorValue> threeBytes(const std::vector<std::string_view>& args) {
    if (args.size() != 3) {
        return std::nullopt;
    }
    const auto r = byte(args[0]);
    const auto g = byte(args[1]);
    const auto b = byte(args[2]);
    if (!r || !g || !b) {
        return std::nullopt;
    }
    return rgb(*r, *g, *b);
}

bool unitRange(double v) {
    return v >= 0.0 && v <= 1.0;
}

ColorValue fromUnits(double r, double g, double b) {
    return rgb(unitToByte(r), unitToByte(g), unitToByte(b));
}

// The fully saturated, middle-lightness colour of a hue, each component 0 .. 1.
std::array<double, 3> hueColor(double hue) {
    hue = std::fmod(hue, 360.0);
    if (hue < 0) {
        hue += 360.0;
    }
    auto channel = [hue](double n) {
        const double k = std::fmod(n + hue / 30.0, 12.0);
        return 0.5 - 0.5 * std::max(-1.0, std::min({k - 3.0, 9.0 - k, 1.0}));
    };
    return {channel(0), channel(8), channel(4)};
}

std::optional<ColorValue> hsl(const std::vector<std::string_view>& args) {
    if (args.size() != 3) {
        return std::nullopt;
    }
    const auto h = decimal(args[0]);
    const auto s = percent(args[1]);
    const auto l = percent(args[2]);
    if (!h || !s || !l || !unitRange(*s) || !unitRange(*l)) {
        return std::nullopt;
    }
    const double chroma = (1.0 - std::abs(2.0 * *l - 1.0)) * *s;
    const auto base = hueColor(*h);
    auto channel = [&](double c) { return *l + chroma * (c - 0.5); };
    return fromUnits(channel(base[0]), channel(base[1]), channel(base[2]));
}

std::optional<ColorValue> hwb(const std::vector<std::string_view>& args) {
    if (args.size() != 3) {
        return std::nullopt;
    }
    const auto h = decimal(args[0]);
    double w = percent(args[1]).value_or(-1.0);
    double k = percent(args[2]).value_or(-1.0);
    if (!h || !unitRange(w) || !unitRange(k)) {
        return std::nullopt;
    }
    if (w + k >= 1.0) {
        const double grey = w / (w + k);
        return fromUnits(grey, grey, grey);
    }
    const auto base = hueColor(*h);
    auto channel = [&](double c) { return c * (1.0 - w - k) + w; };
    return fromUnits(channel(base[0]), channel(base[1]), channel(base[2]));
}

std::optional<ColorValue> oklch(const std::vector<std::string_view>& args) {
    if (args.size() != 3) {
        return std::nullopt;
    }
    const auto lightness = percent(args[0]);
    const auto chroma = decimal(args[1]);
    const auto hue = decimal(args[2]);
    if (!lightness || !chroma || !hue || !unitRange(*lightness) || *chroma < 0) {
        return std::nullopt;
    }
    const double angle = *hue * std::numbers::pi / 180.0;
    const double a = *chroma * std::cos(angle);
    const double b = *chroma * std::sin(angle);
    const double l = std::pow(*lightness + 0.3963377774 * a + 0.2158037573 * b, 3);
    const double m = std::pow(*lightness - 0.1055613458 * a - 0.0638541728 * b, 3);
    const double s = std::pow(*lightness - 0.0894841775 * a - 1.2914855480 * b, 3);
    return rgb(linearToSrgbByte(4.0767416621 * l - 3.3077115913 * m + 0.2309699292 * s),
               linearToSrgbByte(-1.2684380046 * l + 2.6097574011 * m - 0.3413193965 * s),
               linearToSrgbByte(-0.0041960863 * l - 0.7034186147 * m + 1.7076147010 * s));
}

// SwiftUI's Color(red: r, green: g, blue: b), components 0 .. 1.
std::optional<ColorValue> swiftUi(const std::vector<std::string_view>& args) {
    static constexpr std::array<std::string_view, 3> kLabels{"red:", "green:", "blue:"};
    if (args.size() != 3) {
        return std::nullopt;
    }
    std::array<double, 3> units{};
    for (std::size_t i = 0; i < 3; ++i) {
        if (args[i].substr(0, kLabels[i].size()) != kLabels[i]) {
            return std::nullopt;
        }
        const auto value = decimal(trim(args[i].substr(kLabels[i].size())));
        if (!value || !unitRange(*value)) {
            return std::nullopt;
        }
        units[i] = *value;
    }
    return fromUnits(units[0], units[1], units[2]);
}

// Labelled arguments hold a blank after the colon, which the blank rule of arguments() must
// not see: read them from the commas alone.
std::vector<std::string_view> commaArguments(std::string_view inside) {
    std::vector<std::string_view> out;
    std::size_t start = 0;
    while (start <= inside.size() && out.size() <= kMaxArguments) {
        const std::size_t end = std::min(inside.find(',', start), inside.size());
        out.push_back(trim(inside.substr(start, end - start)));
        start = end + 1;
    }
    return out;
}

std::optional<ColorValue> hexColor(std::string_view digits) {
    const auto value = hexNumber(digits);
    if (!value) {
        return std::nullopt;
    }
    if (digits.size() == 3) {
        const int r = int(*value >> 8), g = int((*value >> 4) & 15), b = int(*value & 15);
        return rgb(r * 17, g * 17, b * 17);
    }
    if (digits.size() == 6 || digits.size() == 8) { // "#RRGGBB", or "0xAARRGGBB" without 0x
        return rgb(int((*value >> 16) & 255), int((*value >> 8) & 255), int(*value & 255));
    }
    return std::nullopt;
}

} // namespace

std::optional<ColorValue> parseColorText(std::string_view text) {
    text = trim(text);
    if (text.size() > 128) {
        return std::nullopt;
    }
    if (!text.empty() && text.front() == '#') {
        const std::string_view digits = text.substr(1);
        return digits.size() == 8 ? std::nullopt : hexColor(digits);
    }
    if (text.size() == 10 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        return hexColor(text.substr(2));
    }
    struct Call {
        std::string_view name;
        bool exactCase;
        std::optional<ColorValue> (*read)(const std::vector<std::string_view>&);
    };
    static constexpr std::array<Call, 6> kCalls{{
        {"rgb", false, threeBytes},
        {"hsl", false, hsl},
        {"hwb", false, hwb},
        {"oklch", false, oklch},
        {"QColor", true, threeBytes},
        {"Color.FromArgb", true, threeBytes},
    }};
    for (const Call& call : kCalls) {
        if (const auto inside = callOf(text, call.name, call.exactCase)) {
            const auto args = arguments(*inside);
            return args ? call.read(*args) : std::nullopt;
        }
    }
    if (const auto inside = callOf(text, "Color", true)) {
        return swiftUi(commaArguments(*inside));
    }
    return std::nullopt;
}

} // namespace sv
