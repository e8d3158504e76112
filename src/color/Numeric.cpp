#include "color/Numeric.h"

#include <cctype>
#include <charconv>
#include <limits>
#include <string>

namespace sv {

namespace {

template <typename Int> std::optional<Int> toInt(double v) {
    if (!std::isfinite(v)) {
        return std::nullopt;
    }
    const double r = roundEven(v);
    if (r < static_cast<double>(std::numeric_limits<Int>::min()) ||
        r > static_cast<double>(std::numeric_limits<Int>::max())) {
        return std::nullopt;
    }
    return static_cast<Int>(r);
}

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

} // namespace

std::optional<std::int16_t> toInt16(double v) {
    return toInt<std::int16_t>(v);
}
std::optional<std::int32_t> toInt32(double v) {
    return toInt<std::int32_t>(v);
}

std::optional<double> parseNumber(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isBlank(text.back())) {
        text.remove_suffix(1);
    }
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    // Only plain decimal notation: digits, one optional point, an optional exponent.
    if (text.empty() ||
        !(std::isdigit(static_cast<unsigned char>(text.front())) || text.front() == '.')) {
        return std::nullopt;
    }
    double value = 0.0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value, std::chars_format::general);
    if (ec != std::errc() || ptr != end) {
        return std::nullopt;
    }
    return negative ? -value : value;
}

std::optional<std::int16_t> textToInt16(std::string_view text) {
    const auto v = parseNumber(text);
    return v ? toInt16(*v) : std::nullopt;
}

std::optional<std::int32_t> textToInt32(std::string_view text) {
    const auto v = parseNumber(text);
    return v ? toInt32(*v) : std::nullopt;
}

} // namespace sv
