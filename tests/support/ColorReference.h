#pragma once
// Colour science written straight from the published definitions, apart from the program's
// code, for tests to judge it by: CSS Color 4's OKLab and OKLCH (its sample code's matrices,
// both ways), WCAG 2.2's relative luminance and contrast ratio, APCA-W3 0.0.98G-4g, and the
// colour-vision matrices of Machado, Oliveira and Fernandes (2009) at severity 1.0.

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <numbers>

namespace reference {

using Vec3 = std::array<double, 3>;
using Mat3 = std::array<Vec3, 3>;

inline Vec3 mul(const Mat3& m, const Vec3& v) {
    Vec3 out{};
    for (std::size_t i = 0; i < 3; ++i) {
        out[i] = m[i][0] * v[0] + m[i][1] * v[1] + m[i][2] * v[2];
    }
    return out;
}

struct Rgb8 {
    int r, g, b;
};

inline Rgb8 split(std::int32_t c) {
    return {c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF};
}
inline std::int32_t join(int r, int g, int b) {
    return r | (g << 8) | (b << 16);
}

// sRGB's curve (IEC 61966-2-1 as CSS Color 4 writes it).
inline double decode(double v) {
    return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
}
inline double encode(double v) {
    return v <= 0.0031308 ? 12.92 * v : 1.055 * std::pow(v, 1.0 / 2.4) - 0.055;
}
inline Vec3 linear(std::int32_t c) {
    const Rgb8 k = split(c);
    return {decode(k.r / 255.0), decode(k.g / 255.0), decode(k.b / 255.0)};
}
// Linear light clamped to 0 .. 1, encoded and rounded to nearest.
inline std::int32_t fromLinear(const Vec3& v) {
    auto byte = [](double x) {
        return int(std::floor(encode(std::clamp(x, 0.0, 1.0)) * 255.0 + 0.5));
    };
    return join(byte(v[0]), byte(v[1]), byte(v[2]));
}

// CSS Color 4, "Sample code for color conversions".
inline const Mat3 kLinSrgbToXyz{{{506752.0 / 1228815, 87881.0 / 245763, 12673.0 / 70218},
                                 {87098.0 / 409605, 175762.0 / 245763, 12673.0 / 175545},
                                 {7918.0 / 409605, 87881.0 / 737289, 1001167.0 / 1053270}}};
inline const Mat3 kXyzToLinSrgb{{{12831.0 / 3959, -329.0 / 214, -1974.0 / 3959},
                                 {-851781.0 / 878810, 1648619.0 / 878810, 36519.0 / 878810},
                                 {705.0 / 12673, -2585.0 / 12673, 705.0 / 667}}};
inline const Mat3 kXyzToLms{{{0.8190224379967030, 0.3619062600528904, -0.1288737815209879},
                             {0.0329836539323885, 0.9292868615863434, 0.0361446663506424},
                             {0.0481771893596242, 0.2642395317527308, 0.6335478284694309}}};
inline const Mat3 kLmsToOklab{{{0.2104542683093140, 0.7936177747023054, -0.0040720430116193},
                               {1.9779985324311684, -2.4285922420485799, 0.4505937096174110},
                               {0.0259040424655478, 0.7827717124575296, -0.8086757549230774}}};
inline const Mat3 kLmsToXyz{{{1.2268798758459243, -0.5578149944602171, 0.2813910456659647},
                             {-0.0405757452148008, 1.1122868032803170, -0.0717110580655164},
                             {-0.0763729366746601, -0.4214933324022432, 1.5869240198367816}}};
inline const Mat3 kOklabToLms{{{1.0, 0.3963377773761749, 0.2158037573099136},
                               {1.0, -0.1055613458156586, -0.0638541728258133},
                               {1.0, -0.0894841775298119, -1.2914855480194092}}};

// L, a, b.
inline Vec3 oklab(std::int32_t c) {
    Vec3 lms = mul(kXyzToLms, mul(kLinSrgbToXyz, linear(c)));
    for (double& x : lms) {
        x = std::cbrt(x);
    }
    return mul(kLmsToOklab, lms);
}
// L, C, h (degrees 0 .. 360).
inline Vec3 oklch(std::int32_t c) {
    const Vec3 lab = oklab(c);
    double h = std::atan2(lab[2], lab[1]) * 180.0 / std::numbers::pi;
    return {lab[0], std::hypot(lab[1], lab[2]), h < 0 ? h + 360.0 : h};
}
// Linear sRGB, unclamped.
inline Vec3 linearFromOklch(double l, double c, double h) {
    const double rad = h * std::numbers::pi / 180.0;
    Vec3 lms = mul(kOklabToLms, {l, c * std::cos(rad), c * std::sin(rad)});
    for (double& x : lms) {
        x = x * x * x;
    }
    return mul(kXyzToLinSrgb, mul(kLmsToXyz, lms));
}
inline bool inSrgb(const Vec3& v, double slack = 1e-6) {
    return std::all_of(v.begin(), v.end(),
                       [slack](double x) { return x >= -slack && x <= 1.0 + slack; });
}
inline double oklabDistance(std::int32_t x, std::int32_t y) {
    const Vec3 p = oklab(x);
    const Vec3 q = oklab(y);
    return std::hypot(p[0] - q[0], p[1] - q[1], p[2] - q[2]);
}
// The smallest distance between two hues, 0 .. 180.
inline double hueGap(double h1, double h2) {
    const double d = std::fmod(std::abs(h1 - h2), 360.0);
    return d > 180.0 ? 360.0 - d : d;
}

// WCAG 2.2: relative luminance and contrast ratio.
inline double luminance(std::int32_t c) {
    const Vec3 v = linear(c);
    return 0.2126 * v[0] + 0.7152 * v[1] + 0.0722 * v[2];
}
inline double wcagRatio(std::int32_t x, std::int32_t y) {
    const double a = luminance(x);
    const double b = luminance(y);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

// APCA-W3 0.0.98G-4g, text first.
inline double apcaY(std::int32_t c) {
    const Rgb8 k = split(c);
    const double y = 0.2126729 * std::pow(k.r / 255.0, 2.4) +
                     0.7151522 * std::pow(k.g / 255.0, 2.4) +
                     0.0721750 * std::pow(k.b / 255.0, 2.4);
    return y > 0.022 ? y : y + std::pow(0.022 - y, 1.414);
}
inline double apcaLc(std::int32_t text, std::int32_t background) {
    const double txt = apcaY(text);
    const double bg = apcaY(background);
    if (std::abs(bg - txt) < 0.0005) {
        return 0.0;
    }
    if (bg > txt) {
        const double s = (std::pow(bg, 0.56) - std::pow(txt, 0.57)) * 1.14;
        return s < 0.1 ? 0.0 : (s - 0.027) * 100.0;
    }
    const double s = (std::pow(bg, 0.65) - std::pow(txt, 0.62)) * 1.14;
    return s > -0.1 ? 0.0 : (s + 0.027) * 100.0;
}

// Machado, Oliveira and Fernandes (2009), severity 1.0, on linear sRGB.
inline const Mat3 kProtanopia{{{0.152286, 1.052583, -0.204868},
                               {0.114503, 0.786281, 0.099216},
                               {-0.003882, -0.048116, 1.051998}}};
inline const Mat3 kDeuteranopia{{{0.367322, 0.860646, -0.227968},
                                 {0.280085, 0.672501, 0.047413},
                                 {-0.011820, 0.042940, 0.968881}}};
inline const Mat3 kTritanopia{{{1.255528, -0.076749, -0.178779},
                               {-0.078411, 0.930809, 0.147602},
                               {0.004733, 0.691367, 0.303900}}};
inline std::int32_t seenWith(const Mat3& m, std::int32_t c) {
    return fromLinear(mul(m, linear(c)));
}
inline std::int32_t seenAsGrey(std::int32_t c) {
    const double y = luminance(c);
    return fromLinear({y, y, y});
}

} // namespace reference
