#include "color/OkLab.h"

#include "color/Srgb.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace sv {

namespace {

using Matrix = std::array<std::array<double, 3>, 3>;
using Vector = std::array<double, 3>;

constexpr Vector times(const Matrix& m, const Vector& v) {
    return {m[0][0] * v[0] + m[0][1] * v[1] + m[0][2] * v[2],
            m[1][0] * v[0] + m[1][1] * v[1] + m[1][2] * v[2],
            m[2][0] * v[0] + m[2][1] * v[1] + m[2][2] * v[2]};
}

constexpr Matrix product(const Matrix& a, const Matrix& b) {
    Matrix out{};
    for (std::size_t i = 0; i < 3; ++i) {
        for (std::size_t j = 0; j < 3; ++j) {
            out[i][j] = a[i][0] * b[0][j] + a[i][1] * b[1][j] + a[i][2] * b[2][j];
        }
    }
    return out;
}

constexpr Matrix inverse(const Matrix& m) {
    const double c00 = m[1][1] * m[2][2] - m[1][2] * m[2][1];
    const double c01 = m[1][2] * m[2][0] - m[1][0] * m[2][2];
    const double c02 = m[1][0] * m[2][1] - m[1][1] * m[2][0];
    const double det = m[0][0] * c00 + m[0][1] * c01 + m[0][2] * c02;
    return {{{c00 / det, (m[0][2] * m[2][1] - m[0][1] * m[2][2]) / det,
              (m[0][1] * m[1][2] - m[0][2] * m[1][1]) / det},
             {c01 / det, (m[0][0] * m[2][2] - m[0][2] * m[2][0]) / det,
              (m[0][2] * m[1][0] - m[0][0] * m[1][2]) / det},
             {c02 / det, (m[0][1] * m[2][0] - m[0][0] * m[2][1]) / det,
              (m[0][0] * m[1][1] - m[0][1] * m[1][0]) / det}}};
}

// CSS Color 4's conversion: linear sRGB to XYZ (D65), to the cone responses, their cube roots
// to OKLab. The rounded one-step matrix of the original OKLab post differs from it in the
// last shown digit of oklch() for some colours.
constexpr Matrix kToXyz = {{{506752.0 / 1228815.0, 87881.0 / 245763.0, 12673.0 / 70218.0},
                            {87098.0 / 409605.0, 175762.0 / 245763.0, 12673.0 / 175545.0},
                            {7918.0 / 409605.0, 87881.0 / 737289.0, 1001167.0 / 1053270.0}}};
constexpr Matrix kXyzToCones = {{{0.8190224379967030, 0.3619062600528904, -0.1288737815209879},
                                 {0.0329836539323885, 0.9292868615863434, 0.0361446663506424},
                                 {0.0481771893596242, 0.2642395317527308, 0.6335478284694309}}};
constexpr Matrix kConesToOkLab = {{{0.2104542683093140, 0.7936177747023054, -0.0040720430116193},
                                   {1.9779985324311684, -2.4285922420485799, 0.4505937096174110},
                                   {0.0259040424655478, 0.7827717124575296, -0.8086757549230774}}};
constexpr Matrix kToCones = product(kXyzToCones, kToXyz);
constexpr Matrix kFromCones = inverse(kToCones);
constexpr Matrix kOkLabToCones = inverse(kConesToOkLab);

// A colour counts as shown when each linear component rounds to an 8-bit value without
// clamping: from half a step below 0 to half a step above 1. Exact bounds would count as
// outside the colours a hair beside the blue primary's edge, where OKLab bends the sRGB
// boundary back and forth by less than that.
constexpr double kLowestShown = -0.5 / 255.0 / 12.92;
const double kHighestShown = unitToLinear(1.0 + 0.5 / 255.0);

bool inGamut(const Vector& rgb) {
    for (const double v : rgb) {
        if (v < kLowestShown || v > kHighestShown) {
            return false;
        }
    }
    return true;
}

// The sRGB colour of linear components, clamped, each rounded to nearest: the byte whose
// half-step bounds hold the value, found among bounds worked out once instead of with a
// power per component.
int linearToByte(double value) {
    static const std::array<double, 255> bounds = [] {
        std::array<double, 255> b{};
        for (std::size_t k = 0; k < b.size(); ++k) {
            b[k] = unitToLinear((static_cast<double>(k) + 0.5) / 255.0);
        }
        return b;
    }();
    return static_cast<int>(std::upper_bound(bounds.begin(), bounds.end(), value) - bounds.begin());
}

ColorValue fromLinear(const Vector& rgb) {
    return sv::rgb(linearToByte(rgb[0]), linearToByte(rgb[1]), linearToByte(rgb[2]));
}

// Linear sRGB of a lightness and chroma along a hue given by its cosine and sine.
Vector linearAlong(double lightness, double chroma, double cosine, double sine) {
    return linearRgbFromOkLab({lightness, chroma * cosine, chroma * sine});
}

} // namespace

OkLab toOkLab(ColorValue c) {
    const auto [r, g, b] = splitColor(c);
    Vector cones = times(kToCones, {srgbToLinear(r), srgbToLinear(g), srgbToLinear(b)});
    for (double& cone : cones) {
        cone = std::cbrt(cone);
    }
    const Vector lab = times(kConesToOkLab, cones);
    return {lab[0], lab[1], lab[2]};
}

OkLch toOkLch(ColorValue c) {
    const OkLab lab = toOkLab(c);
    const double chroma = std::hypot(lab.a, lab.b);
    double hue = std::atan2(lab.b, lab.a) * 180.0 / std::numbers::pi;
    if (hue < 0.0) {
        hue += 360.0;
    }
    return {lab.lightness, chroma, hue};
}

double okLabDistance(ColorValue x, ColorValue y) {
    const OkLab p = toOkLab(x);
    const OkLab q = toOkLab(y);
    return std::hypot(p.lightness - q.lightness, p.a - q.a, p.b - q.b);
}

std::array<double, 3> linearRgbFromOkLab(OkLab lab) {
    Vector cones = times(kOkLabToCones, {lab.lightness, lab.a, lab.b});
    for (double& cone : cones) {
        cone = cone * cone * cone;
    }
    return times(kFromCones, cones);
}

ColorValue fromOkLch(OkLch lch) {
    if (!(lch.lightness > 0.0)) {
        return kBlack;
    }
    if (lch.lightness >= 1.0) {
        return kWhite;
    }
    const double angle = lch.hue * std::numbers::pi / 180.0;
    const double cosine = std::cos(angle);
    const double sine = std::sin(angle);
    const Vector asked = linearAlong(lch.lightness, lch.chroma, cosine, sine);
    if (inGamut(asked)) {
        return fromLinear(asked);
    }
    // Each linear component is a cubic in the chroma along this lightness and hue: its four
    // coefficients once, then the boundary is halved towards on the cubics alone. The greys
    // (chroma 0) lie inside; 13 halvings come within 0.37 / 8192 of the boundary, well
    // inside one 8-bit step.
    Vector at0{};
    Vector slope{};
    for (std::size_t j = 0; j < 3; ++j) {
        at0[j] = kOkLabToCones[j][0] * lch.lightness;
        slope[j] = kOkLabToCones[j][1] * cosine + kOkLabToCones[j][2] * sine;
    }
    std::array<Vector, 4> cubic{}; // cubic[k][i]: component i's coefficient of chroma^k
    for (std::size_t j = 0; j < 3; ++j) {
        const double a = at0[j];
        const double u = slope[j];
        const Vector terms{a * a * a, 3.0 * a * a * u, 3.0 * a * u * u};
        for (std::size_t i = 0; i < 3; ++i) {
            for (std::size_t k = 0; k < 3; ++k) {
                cubic[k][i] += kFromCones[i][j] * terms[k];
            }
            cubic[3][i] += kFromCones[i][j] * u * u * u;
        }
    }
    auto shown = [&](double c) {
        Vector v{};
        for (std::size_t i = 0; i < 3; ++i) {
            v[i] = ((cubic[3][i] * c + cubic[2][i]) * c + cubic[1][i]) * c + cubic[0][i];
        }
        return inGamut(v);
    };
    double inside = 0.0;
    double outside = lch.chroma;
    for (int i = 0; i < 13; ++i) {
        const double middle = (inside + outside) / 2.0;
        (shown(middle) ? inside : outside) = middle;
    }
    return fromLinear(linearAlong(lch.lightness, inside, cosine, sine));
}

ColorValue rotateHue(ColorValue c, double degrees) {
    const OkLch lch = toOkLch(c);
    if (lch.chroma < 1e-6) { // a grey has no hue to turn
        return c;
    }
    return fromOkLch({lch.lightness, lch.chroma, std::fmod(lch.hue + degrees + 360.0, 360.0)});
}

} // namespace sv
