#include "gradient/GradientMath.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace sv {
namespace {

constexpr float kGrad1Twips = 4065.0f; // 271 pixels
constexpr int kGrad2Twips = 5490;      // 366 pixels

TEST(GradientColumns, EqualColoursGiveOneFlatColour) {
    const ColorValue c = rgb(10, 200, 30);
    const auto columns = gradientColumns(c, c, kGrad1Twips);
    ASSERT_EQ(columns.size(), 272u); // the last one lies on the right edge, clipped
    EXPECT_EQ(std::count(columns.begin(), columns.end(), c), 272);
}

TEST(GradientColumns, RunsFromCurrentToLastColourOverACoarseCube) {
    for (int r1 = 0; r1 <= 255; r1 += 85) {
        for (int g2 = 0; g2 <= 255; g2 += 51) {
            const ColorValue last = rgb(255 - r1, g2, 128);
            const auto columns = gradientColumns(rgb(r1, 77, 255), last, kGrad1Twips);
            ASSERT_EQ(columns.front(), rgb(r1, 77, 255));
            ASSERT_EQ(columns.back(), last);
        }
    }
}

TEST(GradientColumns, EachPixelShowsItsLeftmostTwipRoundedHalfToEven) {
    // 30 twips: lines at 0 .. 30, increments 8.5 per twip. Pixel 1 keeps the line at twip 15
    // (127.5, rounded to the even 128), not the later-drawn-over line at twip 29.
    const auto columns = gradientColumns(kBlack, kWhite, 30.0f);
    ASSERT_EQ(columns.size(), 3u);
    EXPECT_EQ(columns[0], kBlack);
    EXPECT_EQ(columns[1], rgb(128, 128, 128));
    EXPECT_EQ(columns[2], kWhite);
}

TEST(GradientColumns, ZeroOrUnusableWidthDrawsTheStartColumnOnly) {
    const auto zero = gradientColumns(rgb(1, 2, 3), kWhite, 0.0f);
    ASSERT_EQ(zero.size(), 1u);
    EXPECT_EQ(zero[0], rgb(1, 2, 3));
    // Wider than a 16-bit column counter: only the column at x = 0 is drawn.
    const auto wide = gradientColumns(rgb(1, 2, 3), kWhite, 40000.0f);
    ASSERT_EQ(wide.size(), 1u);
    EXPECT_EQ(wide[0], rgb(1, 2, 3));
}

TEST(SpectrumColumns, BlackStartsTheWalkAtOnce) {
    const auto columns = spectrumColumns(kBlack, kGrad2Twips);
    EXPECT_EQ(columns[0], rgb(5, 0, 0));
    EXPECT_EQ(columns[1], rgb(10, 0, 0));
    EXPECT_EQ(columns[50], rgb(255, 0, 0));
    EXPECT_EQ(columns[51], rgb(255, 8, 0)); // red overflow starts green in the same column
}

TEST(SpectrumColumns, WalkVisitsTheSpectrumAndStopsAfterFirstWhite) {
    const auto columns = spectrumColumns(kBlack, 100000);
    ASSERT_EQ(columns.size(), 241u);
    EXPECT_EQ(columns.back(), kWhite);
    EXPECT_EQ(std::count(columns.begin(), columns.end(), kWhite), 1);
    const ColorValue stops[] = {rgb(255, 0, 0),   rgb(255, 255, 0), rgb(0, 255, 8),
                                rgb(0, 255, 255), rgb(0, 0, 255),   rgb(248, 0, 255)};
    auto at = columns.begin();
    for (const ColorValue stop : stops) {
        at = std::find(at, columns.end(), stop);
        ASSERT_NE(at, columns.end()) << std::hex << stop;
    }
}

TEST(SpectrumColumns, WhiteFadesFor128ColumnsThenWalksFromOne) {
    const auto columns = spectrumColumns(kWhite, kGrad2Twips);
    ASSERT_EQ(columns.size(), 367u); // every pixel column and the edge one, cut off
    EXPECT_EQ(columns[0], kWhite);
    EXPECT_EQ(columns[1], rgb(253, 253, 253));
    EXPECT_EQ(columns[127], rgb(1, 1, 1));
    EXPECT_EQ(columns[128], rgb(6, 1, 1));
}

} // namespace
} // namespace sv
