#include "controls/ProgressBarMath.h"

#include <gtest/gtest.h>

namespace sv {
namespace {

TEST(ProgressBarMath, PercentRoundsHalvesToEvenStaysInRangeAndNeverDividesByZero) {
    EXPECT_EQ(progressPercent(1, 200), 0); // 0.5 goes to the even 0
    EXPECT_EQ(progressPercent(3, 200), 2); // 1.5 goes to 2
    EXPECT_EQ(progressPercent(1000, 2031), 49);
    EXPECT_EQ(progressPercent(2031, 2031), 100);
    EXPECT_EQ(progressPercent(5, 0), 0);
    EXPECT_EQ(progressPercent(2'000'000'000, 1), 100);
    EXPECT_EQ(progressPercent(-5, 100), 0);
}

TEST(ProgressBarMath, ShadesRunFromTheFirstColourToTheSecond) {
    EXPECT_EQ(lighten(0x404040, 140), 0xA8A8A8);
    EXPECT_EQ(lighten(0x404040, 200), 0xD5D5D5);
    EXPECT_EQ(lighten(0xFFFFFF, 10), 0xFFFFFF);
    EXPECT_EQ(shadeLine(0x000000, 0x0000FF, 0, 10), 0x000000);
    EXPECT_EQ(shadeLine(0x000000, 0x0000FF, 5, 10), 0x000080); // 127.5 halves to the even 128
    EXPECT_EQ(shadeLine(0x000000, 0x0000FF, 10, 10), 0x0000FF);
    EXPECT_EQ(shadeLine(0x123456, 0xFFFFFF, 3, 0), 0x123456);
}

} // namespace
} // namespace sv
