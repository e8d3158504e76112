// OKLCH, passing-colour suggestions, colour-vision simulation and harmonies, judged by the
// reference written from the published definitions (tests/support/ColorReference.h).

#include "color/Contrast.h"
#include "color/ContrastSuggestion.h"
#include "color/Harmony.h"
#include "color/OkLab.h"
#include "color/VisionSimulation.h"

#include "../support/ColorReference.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace sv {
namespace {

namespace ref = reference;

// Greys, the primaries and secondaries, and colours of every kind between.
std::vector<ColorValue> testColors() {
    std::vector<ColorValue> out = {
        kBlack,           kWhite,          rgb(128, 128, 128), rgb(255, 0, 0),
        rgb(0, 255, 0),   rgb(0, 0, 255),  rgb(0, 255, 255),   rgb(255, 0, 255),
        rgb(255, 255, 0), rgb(10, 90, 90), rgb(119, 119, 119)};
    for (int r = 0; r < 256; r += 51) {
        for (int g = 0; g < 256; g += 85) {
            for (int b = 0; b < 256; b += 51) {
                out.push_back(rgb(r, g, b + (r + g) % 7));
            }
        }
    }
    return out;
}

// How far off a hue a colour of this chroma lies, as a distance in OKLab: 8-bit rounding
// moves a colour by up to about 0.004, which turns the hue of a weak colour a long way.
double hueShift(double chroma, double hue, double wanted) {
    return chroma * ref::hueGap(hue, wanted) * std::numbers::pi / 180.0;
}

TEST(OkLch, AgreesWithCssColor4BothWays) {
    // The reference itself against oklch() values CSS Color 4 tools print.
    const ref::Vec3 red = ref::oklch(rgb(255, 0, 0));
    EXPECT_NEAR(red[0], 0.62796, 1e-4);
    EXPECT_NEAR(red[1], 0.25768, 1e-4);
    EXPECT_NEAR(red[2], 29.2339, 1e-3);
    for (const ColorValue c : testColors()) {
        const OkLch lch = toOkLch(c);
        const ref::Vec3 expected = ref::oklch(c);
        EXPECT_NEAR(lch.lightness, expected[0], 1e-9) << c;
        EXPECT_NEAR(lch.chroma, expected[1], 1e-9) << c;
        if (expected[1] > 1e-4) {
            EXPECT_NEAR(ref::hueGap(lch.hue, expected[2]), 0.0, 1e-6) << c;
        }
        // The way back lands on the colour itself.
        EXPECT_EQ(fromOkLch(lch), c);
        const auto linear = linearRgbFromOkLab(toOkLab(c));
        const ref::Vec3 back = ref::linearFromOklch(expected[0], expected[1], expected[2]);
        for (std::size_t i = 0; i < 3; ++i) {
            EXPECT_NEAR(linear[i], back[i], 1e-9) << c;
        }
    }
}

TEST(OkLch, ReducesOnlyTheChromaSrgbCannotShow) {
    // Outside sRGB at every hue: the colour keeps lightness and hue, and its chroma is the
    // largest sRGB shows there (a little more is outside).
    for (double lightness : {0.15, 0.3, 0.62, 0.9, 0.99}) {
        for (double hue = 0.0; hue < 360.0; hue += 22.5) {
            const ColorValue c = fromOkLch({lightness, 0.4, hue});
            const ref::Vec3 got = ref::oklch(c);
            EXPECT_NEAR(got[0], lightness, 0.004) << lightness << ' ' << hue;
            EXPECT_LT(hueShift(got[1], got[2], hue), 0.006) << lightness << ' ' << hue;
            EXPECT_FALSE(ref::inSrgb(ref::linearFromOklch(lightness, got[1] + 0.004, hue)))
                << lightness << ' ' << hue;
        }
    }
    EXPECT_EQ(fromOkLch({1.2, 0.1, 40.0}), kWhite);
    EXPECT_EQ(fromOkLch({-0.1, 0.1, 40.0}), kBlack);
}

// A target as the reference judges it.
bool referencePasses(ContrastTarget target, ColorValue text, ColorValue background) {
    const double ratio = ref::wcagRatio(text, background);
    const double lc = std::abs(ref::apcaLc(text, background));
    switch (target) {
    case ContrastTarget::WcagAA:
        return ratio >= 4.5;
    case ContrastTarget::WcagAAA:
        return ratio >= 7.0;
    case ContrastTarget::WcagAALarge:
        return ratio >= 3.0;
    case ContrastTarget::ApcaBody:
        return lc >= 60.0;
    case ContrastTarget::ApcaFluent:
        return lc >= 75.0;
    case ContrastTarget::ApcaAny:
        return lc >= 90.0;
    }
    return false;
}

// The figure a window shows, as a number.
double shownFigure(const std::string& figure) {
    return std::abs(std::stod(
        figure.substr(figure.rfind(' ') == std::string::npos ? 0 : figure.rfind(' ') + 1)));
}

double targetValue(ContrastTarget target) {
    constexpr double kValues[] = {4.5, 7.0, 3.0, 60.0, 75.0, 90.0};
    return kValues[static_cast<int>(target)];
}

TEST(PassingColor, PassesShowsItAndMovesOnlyLightnessAsLittleAsNeeded) {
    const std::vector<ColorValue> colors = testColors();
    int suggested = 0;
    for (std::size_t i = 0; i < colors.size(); i += 3) {
        for (std::size_t j = 1; j < colors.size(); j += 5) {
            for (const MovedColor moved : {MovedColor::Text, MovedColor::Background}) {
                const ColorValue text = colors[i];
                const ColorValue background = colors[j];
                const PassingColors passing = passingColors(text, background, moved);
                for (const ContrastTarget target : kContrastTargets) {
                    const auto c = passing[std::size_t(target)];
                    const bool failing = !referencePasses(target, text, background);
                    const ColorValue from = moved == MovedColor::Text ? text : background;
                    auto pair = [&](ColorValue x) {
                        return moved == MovedColor::Text ? std::pair{x, background}
                                                         : std::pair{text, x};
                    };
                    if (!failing) {
                        EXPECT_FALSE(c) << "a pair that passes needs no suggestion";
                        continue;
                    }
                    const auto [blackText, blackBack] = pair(kBlack);
                    const auto [whiteText, whiteBack] = pair(kWhite);
                    const bool reachable = referencePasses(target, blackText, blackBack) ||
                                           referencePasses(target, whiteText, whiteBack);
                    ASSERT_EQ(c.has_value(), reachable) << text << " on " << background;
                    if (!c) {
                        continue;
                    }
                    ++suggested;
                    const auto [t, b] = pair(*c);
                    EXPECT_TRUE(referencePasses(target, t, b)) << text << " on " << background;
                    EXPECT_GE(shownFigure(targetFigure(target, t, b)), targetValue(target));
                    // Hue kept where there is one; the lightness just past where it starts to
                    // pass: a step of 0.01 back towards the colour fails.
                    const ref::Vec3 before = ref::oklch(from);
                    const ref::Vec3 after = ref::oklch(*c);
                    if (after[0] > 0.2) { // nearer black, 8-bit steps are too coarse for a hue
                        EXPECT_LT(hueShift(after[1], after[2], before[2]), 0.006) << from;
                    }
                    EXPECT_LE(after[1], before[1] + 0.004);
                    const double back = after[0] > before[0] ? -0.01 : 0.01;
                    const ColorValue nearer = fromOkLch({after[0] + back, before[1], before[2]});
                    const auto [nt, nb] = pair(nearer);
                    if (std::abs(after[0] - before[0]) > 0.015) {
                        EXPECT_FALSE(referencePasses(target, nt, nb))
                            << from << " -> " << *c << " on/under "
                            << (moved == MovedColor::Text ? background : text);
                    }
                }
            }
        }
    }
    EXPECT_GT(suggested, 500);
}

std::optional<ColorValue> passingColor(ContrastTarget target, ColorValue text,
                                       ColorValue background, MovedColor moved) {
    return passingColors(text, background, moved)[std::size_t(target)];
}

TEST(PassingColor, ChoosesTheNearerSideAndTheExactThreshold) {
    // #777777 on white is 4.48:1; #767676 is the lightest grey that passes AA (4.54:1).
    EXPECT_EQ(passingColor(ContrastTarget::WcagAA, rgb(119, 119, 119), kWhite, MovedColor::Text),
              rgb(118, 118, 118));
    // #808080 as background reaches AA only with darker text: white text stops at 3.95:1.
    const auto darker = passingColor(ContrastTarget::WcagAA, rgb(0x77, 0x77, 0x77),
                                     rgb(128, 128, 128), MovedColor::Text);
    ASSERT_TRUE(darker);
    EXPECT_LT(ref::luminance(*darker), ref::luminance(rgb(0x77, 0x77, 0x77)));
    // Nothing reaches 7:1 on mid grey, in either direction.
    EXPECT_FALSE(passingColor(ContrastTarget::WcagAAA, rgb(120, 120, 120), rgb(128, 128, 128),
                              MovedColor::Text));
    // A colour on itself: both ways reach AA; the nearer one in OKLab wins.
    const ColorValue teal = rgb(10, 90, 90);
    const auto self = passingColor(ContrastTarget::WcagAA, teal, teal, MovedColor::Text);
    ASSERT_TRUE(self);
    for (const ColorValue end : {kBlack, kWhite}) {
        const ColorValue other = fromOkLch({end == kWhite ? 0.999 : 0.001, 0.0, 0.0});
        EXPECT_LE(ref::oklabDistance(*self, teal), ref::oklabDistance(other, teal));
    }
    // A pair that just passes is left alone.
    EXPECT_FALSE(
        passingColor(ContrastTarget::WcagAA, rgb(118, 118, 118), kWhite, MovedColor::Background));
}

TEST(VisionSimulation, MatchesMachadoAndLuminanceExactly) {
    for (const ColorValue c : testColors()) {
        EXPECT_EQ(simulateVision(c, Vision::Protanopia), ref::seenWith(ref::kProtanopia, c)) << c;
        EXPECT_EQ(simulateVision(c, Vision::Deuteranopia), ref::seenWith(ref::kDeuteranopia, c))
            << c;
        EXPECT_EQ(simulateVision(c, Vision::Tritanopia), ref::seenWith(ref::kTritanopia, c)) << c;
        EXPECT_EQ(simulateVision(c, Vision::Achromatopsia), ref::seenAsGrey(c)) << c;
        EXPECT_EQ(simulateVision(c, Vision::Typical), c);
    }
    // Whites and greys look the same to everyone; red does not.
    for (const Vision v : kVisions) {
        EXPECT_EQ(simulateVision(kWhite, v), kWhite) << visionName(v);
        EXPECT_EQ(simulateVision(kBlack, v), kBlack) << visionName(v);
    }
    EXPECT_NE(simulateVision(rgb(255, 0, 0), Vision::Protanopia), rgb(255, 0, 0));
    // An empty swatch's value is not a colour and passes untouched.
    EXPECT_EQ(simulateVision(kButtonFace, Vision::Protanopia), kButtonFace);
}

TEST(VisionSimulation, ImagesKeepAlphaAndMatchTheColours) {
    std::vector<std::uint32_t> pixels;
    std::vector<ColorValue> colors = testColors();
    for (std::size_t i = 0; i < colors.size(); ++i) {
        const auto [r, g, b] = splitColor(colors[i]);
        const std::uint32_t rgb32 = (std::uint32_t(r) << 16) | (std::uint32_t(g) << 8) | b;
        pixels.push_back((std::uint32_t(i * 37 % 256) << 24) | rgb32);
        pixels.push_back((std::uint32_t(i * 37 % 256) << 24) | rgb32); // runs of one colour
    }
    for (const Vision v : kVisions) {
        std::vector<std::uint32_t> seen = pixels;
        simulateVision(seen.data(), seen.size(), v);
        for (std::size_t i = 0; i < seen.size(); ++i) {
            const ColorValue expected = simulateVision(colors[i / 2], v);
            const auto [r, g, b] = splitColor(expected);
            EXPECT_EQ(seen[i], (pixels[i] & 0xFF000000u) | (std::uint32_t(r) << 16) |
                                   (std::uint32_t(g) << 8) | std::uint32_t(b))
                << visionName(v) << ' ' << i;
        }
    }
}

TEST(Harmony, TurnsTheHueKeepingLightnessAndChroma) {
    const double expectedTurns[][3] = {{180}, {-150, 150}, {-120, 120}, {-30, 30}, {90, 180, 270}};
    const std::size_t sizes[] = {2, 3, 3, 3, 4};
    for (const ColorValue c : {rgb(10, 90, 90), rgb(200, 120, 40), rgb(90, 60, 200)}) {
        const ref::Vec3 base = ref::oklch(c);
        for (const Harmony h : kHarmonies) {
            const HarmonySet set = harmonyColors(c, h);
            const auto index = static_cast<std::size_t>(h);
            ASSERT_EQ(set.size, sizes[index]) << harmonyName(h);
            EXPECT_EQ(set.colors[0], c);
            for (std::size_t k = 1; k < set.size; ++k) {
                const ref::Vec3 turned = ref::oklch(set.colors[k]);
                const double wanted =
                    std::fmod(base[2] + expectedTurns[index][k - 1] + 360.0, 360.0);
                EXPECT_LT(hueShift(turned[1], turned[2], wanted), 0.006) << harmonyName(h);
                EXPECT_NEAR(turned[0], base[0], 0.005) << harmonyName(h);
                EXPECT_LE(turned[1], base[1] + 0.003) << harmonyName(h);
            }
        }
    }
    // Blue's complement cannot keep blue's chroma at blue's lightness: it is reduced into
    // sRGB and keeps the lightness; a grey has no hue and stays itself.
    const ColorValue blue = rgb(0, 0, 255);
    const ColorValue opposite = harmonyColors(blue, Harmony::Complementary).colors[1];
    EXPECT_LT(ref::oklch(opposite)[1], ref::oklch(blue)[1] - 0.1);
    EXPECT_NEAR(ref::oklch(opposite)[0], ref::oklch(blue)[0], 0.005);
    for (const ColorValue turned : harmonyColors(rgb(77, 77, 77), Harmony::Tetradic)) {
        EXPECT_EQ(turned, rgb(77, 77, 77));
    }
}

} // namespace
} // namespace sv
