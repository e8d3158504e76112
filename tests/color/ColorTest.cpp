#include "color/Color.h"

#include <gtest/gtest.h>

namespace sv {
namespace {

struct NotationCase {
    ColorValue value;
    const char* vb;
    const char* html;
    const char* longText;
    const char* cpp;
    const char* delphi;
    const char* java;
    const char* photoshop;
};

class NotationTable : public ::testing::TestWithParam<NotationCase> {};

TEST_P(NotationTable, WritesEverySevenNotations) {
    const NotationCase& c = GetParam();
    const Notations n = makeNotations(c.value);
    EXPECT_EQ(n.vb, c.vb);
    EXPECT_EQ(n.html, c.html);
    EXPECT_EQ(n.longText, c.longText);
    EXPECT_EQ(n.cpp, c.cpp);
    EXPECT_EQ(n.delphi, c.delphi);
    EXPECT_EQ(n.java, c.java);
    EXPECT_EQ(n.photoshop, c.photoshop);
}

INSTANTIATE_TEST_SUITE_P(
    KnownColours, NotationTable,
    ::testing::Values(NotationCase{255, "&H000000FF", "#FF0000", "255", "0x000000FF", "$000000FF",
                                   "0xFF0000", "FF0000"},
                      NotationCase{65280, "&H0000FF00", "#00FF00", "65280", "0x0000FF00",
                                   "$0000FF00", "0x00FF00", "00FF00"},
                      NotationCase{16711680, "&H00FF0000", "#0000FF", "16711680", "0x00FF0000",
                                   "$00FF0000", "0x0000FF", "0000FF"},
                      NotationCase{5649426, "&H00563412", "#123456", "5649426", "0x00563412",
                                   "$00563412", "0x123456", "123456"},
                      NotationCase{0, "&H00000000", "#000000", "0", "0x00000000", "$00000000",
                                   "0x000000", "000000"},
                      NotationCase{16777215, "&H00FFFFFF", "#FFFFFF", "16777215", "0x00FFFFFF",
                                   "$00FFFFFF", "0xFFFFFF", "FFFFFF"},
                      NotationCase{15, "&H0000000F", "#0F0000", "15", "0x0000000F", "$0000000F",
                                   "0x0F0000", "0F0000"}));

TEST(Notations, ComponentsAndPadding) {
    const Notations n = makeNotations(rgb(18, 52, 86));
    EXPECT_EQ(n.red, 18);
    EXPECT_EQ(n.green, 52);
    EXPECT_EQ(n.blue, 86);
    EXPECT_EQ(toRgbHex(rgb(10, 11, 12)), "0A0B0C");
}

TEST(Notations, NegativeValueKeepsAllDigits) {
    const Notations n = makeNotations(-1);
    EXPECT_EQ(n.vb, "&HFFFFFFFF");
    EXPECT_EQ(n.longText, "-1");
    EXPECT_EQ(n.cpp, "0x00FFFFFFFF");
}

TEST(Components, ComponenteCorBounds) {
    EXPECT_EQ(component(5649426, 1), 18);
    EXPECT_EQ(component(5649426, 2), 52);
    EXPECT_EQ(component(5649426, 3), 86);
    EXPECT_EQ(component(5649426, 0), -1);
    EXPECT_EQ(component(5649426, 4), -1);
    EXPECT_EQ(component(-1, 1), -1);
    EXPECT_EQ(component(16777216, 1), -1);
    EXPECT_EQ(component(16777215, 3), 255);
    // Rounded halves to even before the byte is taken.
    EXPECT_EQ(component(254.5, 1), 254);
    EXPECT_EQ(component(255.5, 1), 0);
}

TEST(Components, EmptySwatchValueSplitsAsThePaletteFileWritesIt) {
    const Components k = splitColor(kButtonFace);
    EXPECT_EQ(k.red, -241);
    EXPECT_EQ(k.green, 0);
    EXPECT_EQ(k.blue, 0);
}

TEST(Components, RgbClampsComponents) {
    EXPECT_EQ(rgb(300, 20, 5), rgb(255, 20, 5));
    EXPECT_EQ(rgb(255, 255, 255), kWhite);
}

TEST(TextHelpers, ReverseAndStripHyphens) {
    EXPECT_EQ(inverteTexto("ABC"), "CBA");
    EXPECT_EQ(inverteTexto(""), "");
    EXPECT_EQ(withoutHyphens("-12"), "12");
    EXPECT_EQ(withoutHyphens("a-b-c"), "abc");
    EXPECT_EQ(withoutHyphens("--"), "");
}

TEST(VbHex, ReadsThePreviousNotationBack) {
    EXPECT_EQ(parseVbHex("&H00563412"), 5649426);
    EXPECT_EQ(parseVbHex("&hff"), 255);
    EXPECT_FALSE(parseVbHex(""));
    EXPECT_FALSE(parseVbHex("&H"));
    EXPECT_FALSE(parseVbHex("#123456"));
    EXPECT_FALSE(parseVbHex("&H12G"));
}

// Every notation of every colour of a coarse cube reads back to the same colour.
TEST(Notations, CubeRoundTrip) {
    for (int r = 0; r < 256; r += 17) {
        for (int g = 0; g < 256; g += 15) {
            for (int b = 0; b < 256; b += 51) {
                const ColorValue c = rgb(r, g, b);
                const Notations n = makeNotations(c);
                ASSERT_EQ(parseVbHex(n.vb), c);
                ASSERT_EQ(std::stol(n.longText), c);
                ASSERT_EQ(std::stol(n.cpp.substr(2), nullptr, 16), c);
                ASSERT_EQ(std::stol(n.delphi.substr(1), nullptr, 16), c);
                const long rrggbb = std::stol(n.photoshop, nullptr, 16);
                ASSERT_EQ(rgb(int(rrggbb >> 16), int(rrggbb >> 8) & 255, int(rrggbb) & 255), c);
                ASSERT_EQ(n.html, "#" + n.photoshop);
                ASSERT_EQ(n.java, "0x" + n.photoshop);
                ASSERT_EQ(rgb(n.red, n.green, n.blue), c);
                for (int i = 1; i <= 3; ++i) {
                    ASSERT_EQ(component(c, i), i == 1 ? r : (i == 2 ? g : b));
                }
            }
        }
    }
}

} // namespace
} // namespace sv
