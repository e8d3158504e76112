#pragma once
// The named colour nearest a colour, by Euclidean distance in OKLab; ties go to the earlier
// entry of the table.

#include "color/Color.h"

#include <string>

namespace sv {

struct NearestName {
    int index;       // 1 .. 2031
    double distance; // 0 when exact
};
NearestName nearestNamedColor(ColorValue c);
// "ΔE 0.006", three decimals; "exact" when the distance is 0.
std::string distanceText(double distance);

} // namespace sv
