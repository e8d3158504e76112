// Today's notations, contrast figures and the nearest name, against values worked out apart
// from this code (exact fractions for hsl, hwb and SwiftUI; the published formulas for OKLab,
// WCAG and APCA).

#include "color/ColorFormats.h"
#include "color/Contrast.h"
#include "palette/NamedColors.h"
#include "palette/NearestNamedColor.h"

#include <gtest/gtest.h>

#include <utility>

#include <array>

namespace sv {
namespace {

struct Expected {
    ColorValue color;
    const char* hex;
    const char* hsl;
    const char* hwb;
    const char* oklch;
    const char* swiftUi;
};

// Black, white, grey, the primaries, a near-black, hues either side of the wrap at 360 and
// lightness and saturation at rounding boundaries.
const std::array<Expected, 12> kExpected{{
    {rgb(10, 90, 90), "#0a5a5a", "hsl(180 80% 19.6%)", "hwb(180 3.9% 64.7%)",
     "oklch(42.48% 0.0694 194.86)", "Color(red: 0.039, green: 0.353, blue: 0.353)"},
    {rgb(0, 0, 0), "#000000", "hsl(0 0% 0%)", "hwb(0 0% 100%)", "oklch(0% 0 0)",
     "Color(red: 0, green: 0, blue: 0)"},
    {rgb(255, 255, 255), "#ffffff", "hsl(0 0% 100%)", "hwb(0 100% 0%)", "oklch(100% 0 0)",
     "Color(red: 1, green: 1, blue: 1)"},
    {rgb(128, 128, 128), "#808080", "hsl(0 0% 50.2%)", "hwb(0 50.2% 49.8%)", "oklch(59.99% 0 0)",
     "Color(red: 0.502, green: 0.502, blue: 0.502)"},
    {rgb(255, 0, 0), "#ff0000", "hsl(0 100% 50%)", "hwb(0 0% 0%)", "oklch(62.8% 0.2577 29.23)",
     "Color(red: 1, green: 0, blue: 0)"},
    {rgb(0, 255, 0), "#00ff00", "hsl(120 100% 50%)", "hwb(120 0% 0%)", "oklch(86.64% 0.2948 142.5)",
     "Color(red: 0, green: 1, blue: 0)"},
    {rgb(0, 0, 255), "#0000ff", "hsl(240 100% 50%)", "hwb(240 0% 0%)", "oklch(45.2% 0.3132 264.05)",
     "Color(red: 0, green: 0, blue: 1)"},
    {rgb(255, 255, 0), "#ffff00", "hsl(60 100% 50%)", "hwb(60 0% 0%)", "oklch(96.8% 0.211 109.77)",
     "Color(red: 1, green: 1, blue: 0)"},
    {rgb(1, 2, 3), "#010203", "hsl(210 50% 0.8%)", "hwb(210 0.4% 98.8%)",
     "oklch(8.23% 0.008 240.75)", "Color(red: 0.004, green: 0.008, blue: 0.012)"},
    {rgb(254, 1, 128), "#fe0180", "hsl(329.9 99.2% 50%)", "hwb(329.9 0.4% 0.4%)",
     "oklch(64.37% 0.2595 2.33)", "Color(red: 0.996, green: 0.004, blue: 0.502)"},
    {rgb(51, 153, 204), "#3399cc", "hsl(200 60% 50%)", "hwb(200 20% 20%)",
     "oklch(64.75% 0.1187 235.02)", "Color(red: 0.2, green: 0.6, blue: 0.8)"},
    {rgb(200, 100, 50), "#c86432", "hsl(20 60% 49%)", "hwb(20 19.6% 21.6%)",
     "oklch(61.38% 0.1423 45.08)", "Color(red: 0.784, green: 0.392, blue: 0.196)"},
}};

// Colours whose last shown digit the rounded one-step OKLab matrix gets wrong: CSS Color 4's
// own conversion (worked out apart from this code) gives these.
TEST(ColorFormats, OklchFollowsCssColor4InTheLastDigit) {
    const std::pair<ColorValue, const char*> samples[] = {
        {rgb(237, 8, 76), "oklch(60.22% 0.2386 16.42)"},
        {rgb(46, 169, 2), "oklch(64.25% 0.2084 140.5)"},
        {rgb(197, 241, 136), "oklch(90.4% 0.1408 127.59)"},
        {rgb(82, 223, 68), "oklch(79.75% 0.2282 141.83)"},
        {rgb(17, 206, 142), "oklch(75.34% 0.1635 161.77)"},
        {rgb(140, 141, 133), "oklch(64.02% 0.0117 112.51)"},
        {rgb(114, 183, 191), "oklch(73.66% 0.0706 205.15)"},
        {rgb(202, 235, 122), "oklch(89.23% 0.1446 122.76)"},
        {rgb(119, 224, 244), "oklch(85.09% 0.1011 211.49)"},
        {rgb(19, 214, 5), "oklch(76.01% 0.2562 142.29)"},
        {rgb(155, 251, 6), "oklch(89.32% 0.2469 131.96)"},
    };
    for (const auto& [color, text] : samples) {
        EXPECT_EQ(formatColor(color, ColorFormat::CssOklch), text);
    }
}

TEST(ColorFormats, EveryNotationOfKnownColours) {
    for (const Expected& e : kExpected) {
        SCOPED_TRACE(e.hex);
        EXPECT_EQ(formatColor(e.color, ColorFormat::CssHex), e.hex);
        EXPECT_EQ(formatColor(e.color, ColorFormat::CssHsl), e.hsl);
        EXPECT_EQ(formatColor(e.color, ColorFormat::CssHwb), e.hwb);
        EXPECT_EQ(formatColor(e.color, ColorFormat::CssOklch), e.oklch);
        EXPECT_EQ(formatColor(e.color, ColorFormat::SwiftUi), e.swiftUi);
    }
    const ColorValue c = rgb(10, 90, 90);
    EXPECT_EQ(formatColor(c, ColorFormat::CssRgb), "rgb(10 90 90)");
    EXPECT_EQ(formatColor(c, ColorFormat::CssRgbComma), "rgb(10, 90, 90)");
    EXPECT_EQ(formatColor(c, ColorFormat::Qt), "QColor(10, 90, 90)");
    EXPECT_EQ(formatColor(c, ColorFormat::AndroidArgb), "0xFF0A5A5A");
    EXPECT_EQ(formatColor(c, ColorFormat::DotNet), "Color.FromArgb(10, 90, 90)");
}

TEST(ColorFormats, EveryHueOfTheCubeIsFrom0ToBelow360) {
    for (int r = 0; r < 256; r += 5) {
        for (int g = 0; g < 256; g += 5) {
            for (int b = 0; b < 256; b += 5) {
                const double hue = std::stod(hslText(rgb(r, g, b)).hue);
                ASSERT_TRUE(hue >= 0 && hue < 360) << r << ' ' << g << ' ' << b;
            }
        }
    }
}

TEST(ColorFormats, OwnTemplates) {
    const ColorValue c = rgb(10, 90, 90);
    EXPECT_EQ(expandTemplate("vec3({rf}, {gf}, {bf})", c), "vec3(0.039, 0.353, 0.353)");
    EXPECT_EQ(expandTemplate("{r}/{g}/{b} #{hex} {HEX} {h} {s} {l}", c),
              "10/90/90 #0a5a5a 0A5A5A 180 80 19.6");
    EXPECT_EQ(templateError("plain text"), "");
    EXPECT_NE(templateError("{red}"), "");
    EXPECT_NE(templateError("rgb({r}, {g"), "");
    EXPECT_NE(templateError("{r{g}}"), "");
    EXPECT_NE(templateError("{r"), "");
    EXPECT_NE(templateError("r}"), "");
    EXPECT_EQ(expandTemplate("{x}", c), "");
}

TEST(Contrast, WcagRatiosAreTruncatedAndVerdictsUseTheExactRatio) {
    EXPECT_EQ(wcagRatioText(wcagContrastRatio(kBlack, kWhite)), "21.00:1");
    EXPECT_EQ(wcagRatioText(wcagContrastRatio(rgb(10, 90, 90), kWhite)), "8.00:1");
    EXPECT_EQ(wcagRatioText(wcagContrastRatio(kWhite, rgb(10, 90, 90))), "8.00:1");
    EXPECT_EQ(wcagRatioText(wcagContrastRatio(rgb(10, 90, 90), rgb(10, 90, 90))), "1.00:1");
    // 3.9985 must not show as 4.00; 4.5422 passes AA, 4.4781 does not.
    EXPECT_EQ(wcagRatioText(wcagContrastRatio(rgb(255, 0, 0), kWhite)), "3.99:1");
    const double passes = wcagContrastRatio(rgb(118, 118, 118), kWhite);
    const double fails = wcagContrastRatio(rgb(119, 119, 119), kWhite);
    EXPECT_EQ(wcagRatioText(passes), "4.54:1");
    EXPECT_EQ(wcagRatioText(fails), "4.47:1");
    EXPECT_TRUE(wcagVerdicts(passes).normalAA && wcagVerdicts(passes).largeAAA);
    EXPECT_FALSE(wcagVerdicts(passes).normalAAA);
    EXPECT_FALSE(wcagVerdicts(fails).normalAA);
    EXPECT_TRUE(wcagVerdicts(fails).largeAA && wcagVerdicts(fails).interface);
}

TEST(Contrast, ApcaReferenceValues) {
    EXPECT_EQ(apcaText(apcaContrast(kBlack, kWhite)), "Lc 106.0");
    EXPECT_EQ(apcaText(apcaContrast(kWhite, kBlack)), "Lc -107.9");
    EXPECT_EQ(apcaText(apcaContrast(rgb(10, 90, 90), kWhite)), "Lc 87.3");
    EXPECT_EQ(apcaText(apcaContrast(rgb(136, 136, 136), kWhite)), "Lc 63.1");
    EXPECT_EQ(apcaText(apcaContrast(rgb(255, 255, 0), rgb(0, 0, 128))), "Lc -98.7");
    EXPECT_EQ(apcaText(apcaContrast(rgb(10, 90, 90), rgb(10, 90, 90))), "Lc 0.0");
}

TEST(NearestName, ExactColoursTheEarliestEntryAndOthersTheNearest) {
    // White is Alabaster (8), Gray 100, Rock Salt and White: the earliest wins.
    EXPECT_EQ(nearestNamedColor(kWhite).index, 8);
    EXPECT_EQ(distanceText(nearestNamedColor(kWhite).distance), "exact");
    EXPECT_EQ(nearestNamedColor(kBlack).index, 116);
    EXPECT_EQ(namedColorName(nearestNamedColor(rgb(255, 0, 0)).index), "Red");
    const NearestName teal = nearestNamedColor(rgb(10, 90, 90));
    EXPECT_EQ(namedColorName(teal.index), "Sea Green Black");
    EXPECT_EQ(distanceText(teal.distance), "\u0394E 0.007");
    EXPECT_EQ(namedColorName(nearestNamedColor(rgb(200, 100, 50)).index), "Piper");
    EXPECT_EQ(namedColorName(nearestNamedColor(rgb(1, 2, 3)).index), "Gray 001");
}

} // namespace
} // namespace sv
