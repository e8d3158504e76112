#pragma once
// The fixed table of 2031 named colours, in table order (nearly alphabetical; list positions
// depend on this order). Looked up by index only: 1 .. 2031; index 0 is the empty name and
// black, as is any index outside the table.

#include "color/Color.h"

#include <array>
#include <optional>
#include <string_view>

namespace sv {

inline constexpr int kNamedColorCount = 2031;

// The name of entry index ("" for 0 or an index outside the table).
std::string_view namedColorName(int index);
// The colour of entry index (0, black, for 0 or an index outside the table).
ColorValue namedColorValue(int index);
// The first entry spelt as name, letter case aside (CSS names are read so); 0 when there is
// none.
int namedColorIndex(std::string_view name);

// A colour given as text by another program: any notation parseColorText reads, or a name of
// the table (as namedColorIndex finds it).
std::optional<ColorValue> colorFromText(std::string_view text);

namespace detail {
struct NamedColor {
    const char* name;
    unsigned char red;
    unsigned char green;
    unsigned char blue;
};
// Generated from resources/palette/names.csv by tools/gen_named_colors.py.
extern const std::array<NamedColor, kNamedColorCount> kNamedColors;
} // namespace detail

} // namespace sv
