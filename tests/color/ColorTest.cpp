#include "color/Color.h"

#include <gtest/gtest.h>

namespace sv {
namespace {

struct NotationCase {
    ColorValue value;
    std::array<const char*, kNotationCount> texts; // in Notation order
};

class NotationTable : public ::testing::TestWithParam<NotationCase> {};

TEST_P(NotationTable, WritesEverySevenNotations) {
    const NotationCase& c = GetParam();
    const Notations n = makeNotations(c.value);
    for (int k = 0; k < kNotationCount; ++k) {
        EXPECT_EQ(notationText(n, static_cast<Notation>(k)), c.texts[std::size_t(k)]) << k;
    }
}

INSTANTIATE_TEST_SUITE_P(
    KnownColours, NotationTable,
    ::testing::Values(
        NotationCase{
            255, {"&H000000FF", "255", "0x000000FF", "$000000FF", "0xFF0000", "FF0000", "#FF0000"}},
        NotationCase{
            16711680,
            {"&H00FF0000", "16711680", "0x00FF0000", "$00FF0000", "0x0000FF", "0000FF", "#0000FF"}},
        NotationCase{
            5649426,
            {"&H00563412", "5649426", "0x00563412", "$00563412", "0x123456", "123456", "#123456"}},
        NotationCase{
            0, {"&H00000000", "0", "0x00000000", "$00000000", "0x000000", "000000", "#000000"}},
        NotationCase{
            15, {"&H0000000F", "15", "0x0000000F", "$0000000F", "0x0F0000", "0F0000", "#0F0000"}}));

TEST(Notations, NegativeValueKeepsAllDigits) {
    const Notations n = makeNotations(-1);
    EXPECT_EQ(n.vb, "&HFFFFFFFF");
    EXPECT_EQ(n.longText, "-1");
    EXPECT_EQ(n.cpp, "0x00FFFFFFFF");
}

TEST(Components, TheEmptySwatchValueAndClamping) {
    // What a palette file stores for an empty swatch.
    const Components k = splitColor(kButtonFace);
    EXPECT_EQ((std::array{k.red, k.green, k.blue}), (std::array{-241, 0, 0}));
    EXPECT_EQ(rgb(300, 20, -5), rgb(255, 20, 0));
}

// Every notation of every colour of a coarse cube reads back to the same colour.
TEST(Notations, CubeRoundTrip) {
    for (int r = 0; r < 256; r += 17) {
        for (int g = 0; g < 256; g += 15) {
            for (int b = 0; b < 256; b += 51) {
                const ColorValue c = rgb(r, g, b);
                const Notations n = makeNotations(c);
                ASSERT_EQ(std::stol(n.vb.substr(2), nullptr, 16), c);
                ASSERT_EQ(std::stol(n.longText), c);
                ASSERT_EQ(std::stol(n.cpp.substr(2), nullptr, 16), c);
                ASSERT_EQ(std::stol(n.delphi.substr(1), nullptr, 16), c);
                const long rrggbb = std::stol(n.photoshop, nullptr, 16);
                ASSERT_EQ(rgb(int(rrggbb >> 16), int(rrggbb >> 8) & 255, int(rrggbb) & 255), c);
                ASSERT_EQ(n.html, "#" + n.photoshop);
                ASSERT_EQ(n.java, "0x" + n.photoshop);
                ASSERT_EQ(rgb(n.red, n.green, n.blue), c);
            }
        }
    }
}

} // namespace
} // namespace sv
