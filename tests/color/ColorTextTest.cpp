// Colour text handed over by other programs: every notation the details window writes reads
// back as the colour it was written from, and anything that is not exactly one colour is
// refused.

#include "color/ColorText.h"
#include "color/ColorFormats.h"
#include "palette/NamedColors.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace sv {
namespace {

TEST(ColorTextTest, TheExampleColourReadsFromEveryNotation) {
    const ColorValue teal = rgb(10, 90, 90);
    for (const char* text : {"#0a5a5a", "#0A5A5A", "rgb(10 90 90)", "rgb(10, 90, 90)",
                             "RGB( 10 ,90 , 90 )", "hsl(180 80% 19.6%)", "hwb(180 3.9% 64.7%)",
                             "oklch(42.48% 0.0694 194.86)", "QColor(10, 90, 90)", "0xFF0A5A5A",
                             "0x000a5a5a", "Color(red: 0.039, green: 0.353, blue: 0.353)",
                             "Color.FromArgb(10, 90, 90)", "  #0a5a5a\n"}) {
        EXPECT_EQ(parseColorText(text), teal) << text;
    }
    EXPECT_EQ(parseColorText("#0AF"), rgb(0, 0xAA, 0xFF));
    EXPECT_EQ(parseColorText("hsl(-180 80% 19.6%)"), teal);          // hues wrap
    EXPECT_EQ(parseColorText("hwb(0 60% 60%)"), rgb(128, 128, 128)); // whiteness + blackness > 100%
    EXPECT_EQ(parseColorText("oklch(70% 0.4 30)"), rgb(255, 0, 0));  // outside sRGB: clamped
}

// oklch() keeps 2 decimals of lightness and hue: near a component of 0, where the sRGB curve
// is steepest, that is worth up to one step of 255.
bool withinOneStep(ColorValue a, ColorValue b) {
    const auto [r1, g1, b1] = splitColor(a);
    const auto [r2, g2, b2] = splitColor(b);
    return std::abs(r1 - r2) <= 1 && std::abs(g1 - g2) <= 1 && std::abs(b1 - b2) <= 1;
}

TEST(ColorTextTest, EveryNotationWrittenReadsBackAsTheSameColour) {
    // Steps of 5 and 17 cover black, white, the primaries and colours beside rounding edges;
    // every notation but oklch() reads back exactly.
    int checked = 0;
    for (int r = 0; r < 256; r += 5) {
        for (int g = 0; g < 256; g += 17) {
            for (int b = 0; b < 256; b += (r + g) % 3 + 10) {
                const ColorValue c = rgb(r, g, b);
                for (int f = 0; f < kColorFormatCount; ++f) {
                    const auto format = static_cast<ColorFormat>(f);
                    const std::string text = formatColor(c, format);
                    const auto back = parseColorText(text);
                    ASSERT_TRUE(back.has_value()) << text;
                    if (format == ColorFormat::CssOklch) {
                        ASSERT_TRUE(withinOneStep(*back, c)) << text;
                    } else {
                        ASSERT_EQ(*back, c) << text;
                    }
                    ++checked;
                }
            }
        }
    }
    EXPECT_GT(checked, 100000);
}

TEST(ColorTextTest, AnythingButExactlyOneColourIsRefused) {
    for (const char* text : {"",
                             "#",
                             "#12345",
                             "#1234567",
                             "#12345678",
                             "#ggg",
                             "0xFF0A5A5",
                             "0xFF0A5A5AA",
                             "rgb(256 0 0)",
                             "rgb(-1 0 0)",
                             "rgb(1.5 0 0)",
                             "rgb(1 2)",
                             "rgb(1 2 3 4 5)",
                             "rgb(10 90, 90)",
                             "rgb(1,,2)",
                             "rgb(1, 2, 3",
                             "rgb 1 2 3",
                             "rgba(1 2 3)",
                             "rgb(1e2 0 0)",
                             "rgb(+1 0 0)",
                             "hsl(0 101% 50%)",
                             "hsl(0 50 50)",
                             "hwb(0 -1% 0%)",
                             "oklch(101% 0 0)",
                             "oklch(50% -0.1 0)",
                             "qcolor(1, 2, 3)",
                             "Color(1, 2, 3)",
                             "Color(red: 2, green: 0, blue: 0)",
                             "Color(green: 0, red: 0, blue: 0)",
                             "#0a5a5a #0a5a5a",
                             "red",
                             "Aero Blue"}) {
        EXPECT_FALSE(parseColorText(text).has_value()) << text;
    }
}

TEST(ColorTextTest, NamesOfTheTableReadAsTheirColourInAnyLetterCase) {
    const int index = namedColorIndex("Aero Blue");
    ASSERT_NE(index, 0);
    EXPECT_EQ(colorFromText("aero blue"), namedColorValue(index));
    EXPECT_EQ(colorFromText("AERO BLUE"), rgb(201, 255, 229));
    EXPECT_EQ(colorFromText("red"), rgb(255, 0, 0)); // a CSS name in the table
    EXPECT_EQ(colorFromText("#0a5a5a"), rgb(10, 90, 90));
    EXPECT_FALSE(colorFromText("AeroBlue").has_value());
    EXPECT_FALSE(colorFromText("no such colour").has_value());
}

} // namespace
} // namespace sv
