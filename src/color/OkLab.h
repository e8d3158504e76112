#pragma once
// OKLab (Ottosson, 2020) and its polar form OKLCH, with the full-precision matrices of CSS
// Color 4, both ways. The way back gives the sRGB colour of a lightness, chroma and hue, with
// the chroma reduced as little as needed where sRGB cannot show it.

#include "color/Color.h"

#include <array>

namespace sv {

struct OkLab {
    double lightness; // 0 .. 1
    double a;
    double b;
};

struct OkLch {
    double lightness; // 0 .. 1
    double chroma;    // 0 .. about 0.37 inside sRGB
    double hue;       // degrees, 0 .. 360; 0 for greys
};

OkLab toOkLab(ColorValue c);
OkLch toOkLch(ColorValue c);
// Euclidean distance in OKLab: how different two colours look.
double okLabDistance(ColorValue x, ColorValue y);

// Linear-light sRGB red, green and blue, unclamped: outside 0 .. 1 where sRGB cannot show it.
std::array<double, 3> linearRgbFromOkLab(OkLab lab);

// The colour at the lightness and hue, with the largest chroma up to the one asked that sRGB
// shows (a lightness of 0 or less is black, 1 or more white), each component rounded to the
// nearest 8-bit value.
ColorValue fromOkLch(OkLch lch);

// The colour turned round the OKLCH hue circle by degrees, keeping lightness and chroma (the
// chroma reduced where sRGB needs it). A grey stays itself.
ColorValue rotateHue(ColorValue c, double degrees);

} // namespace sv
