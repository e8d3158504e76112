#pragma once
// The bytes a dragged colour carries between controls, and between programs: read strictly,
// so a malformed drop (too short, too long, not a number) is refused instead of taken as
// black or as some cell.

#include "color/Color.h"

#include <optional>
#include <string>
#include <string_view>

namespace sv {

// "application/x-color" as the X11 desktops and Qt carry it: red, green, blue and alpha, four
// 16-bit numbers in the machine's byte order (8 bytes). Alpha is not part of a colour here.
std::string colorPayload(ColorValue c);
std::optional<ColorValue> readColorPayload(std::string_view bytes);

// A whole decimal number from min to max, with nothing else around it.
std::optional<int> readNumberPayload(std::string_view bytes, int min, int max);

} // namespace sv
