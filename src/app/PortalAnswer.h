#pragma once
// What the desktop portal's answers hold, read strictly: a picked colour as three numbers from
// 0 to 1, and a screenshot as a file:// URI naming a file on this machine.

#include "color/Color.h"

#include <optional>
#include <string>
#include <string_view>

namespace sv {

// The colour of three components from 0 to 1 (each to the nearest of 0 .. 255, halves to
// even); empty when any is outside that range or not a number.
std::optional<ColorValue> portalColor(double red, double green, double blue);

// The local path a file:// URI names ("file:///home/a%20b.png" -> "/home/a b.png"; the host may
// be empty or "localhost"); empty for any other scheme or host, a query or fragment, a path
// that is not absolute, a bad %-escape or an escaped NUL.
std::optional<std::string> localPathOfFileUri(std::string_view uri);

} // namespace sv
