#pragma once
// The few numeric rules the whole program shares: ties-to-even rounding, single-precision
// arithmetic, 16-bit text conversion and twips. Every window uses these and nothing else.

#include <cmath>
#include <cstdint>
#include <optional>
#include <string_view>

namespace sv {

// Layout geometry is written in twips; Qt's logical pixels are always 15 twips.
inline constexpr int kTwipsPerPixel = 15;

// Nearest integer, halves to the even neighbour (the default floating-point rounding mode).
inline double roundEven(double v) {
    return std::nearbyint(v);
}
inline float roundEven(float v) {
    return std::nearbyintf(v);
}

// Twips as whole pixels, halves to even: the one conversion every layout uses.
inline int pixelsFromTwips(double tw) {
    return static_cast<int>(roundEven(tw / kTwipsPerPixel));
}

// Rounds to a 16-bit / 32-bit integer, halves to even; empty when out of range or not finite.
std::optional<std::int16_t> toInt16(double v);
std::optional<std::int32_t> toInt32(double v);

// Decimal text (blanks around it, a sign and decimals allowed) as a number; empty when the
// text is not a number.
std::optional<double> parseNumber(std::string_view text);

// Decimal text read as a 16-bit / 32-bit integer, rounded halves to even; empty when the
// text is not a number or the value lies outside the type's range.
std::optional<std::int16_t> textToInt16(std::string_view text);
std::optional<std::int32_t> textToInt32(std::string_view text);

// Integer division that truncates toward zero, whatever the signs.
constexpr std::int64_t truncDiv(std::int64_t a, std::int64_t b) {
    return a / b;
}

} // namespace sv
