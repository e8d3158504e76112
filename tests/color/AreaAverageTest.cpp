// The mean of a square of pixels, rounded half up, and the steps between the sample sizes.

#include "color/AreaAverage.h"

#include <gtest/gtest.h>

using namespace sv;

TEST(AreaAverageTest, EachChannelIsItsMeanRoundedHalfUp) {
    EXPECT_EQ(meanRoundedHalfUp(1, 2), 1); // 0.5 up
    EXPECT_EQ(meanRoundedHalfUp(3, 2), 2); // 1.5 up, not to even
    EXPECT_EQ(meanRoundedHalfUp(4, 9), 0); // 0.44
    EXPECT_EQ(meanRoundedHalfUp(5, 9), 1); // 0.56
    EXPECT_EQ(meanRoundedHalfUp(255 * 81, 81), 255);

    // A 1-pixel checkerboard of black and white over 3 × 3: five white, four black.
    ChannelMean checker;
    for (int i = 0; i < 9; ++i) {
        checker.add(i % 2 == 0 ? kWhite : kBlack);
    }
    EXPECT_EQ(checker.mean(), rgb(142, 142, 142)); // 1275 / 9 = 141.67

    // Channels apart: red from one pixel, blue from the other.
    ChannelMean two;
    two.add(rgb(255, 0, 1));
    two.add(rgb(0, 0, 2));
    EXPECT_EQ(two.mean(), rgb(128, 0, 2)); // 127.5 and 1.5 both go up

    EXPECT_FALSE(ChannelMean().mean().has_value());
}

TEST(AreaAverageTest, TheWheelStepsThroughTheSizesAndStopsAtTheEnds) {
    EXPECT_EQ(stepSampleSize(1, 1), 3);
    EXPECT_EQ(stepSampleSize(5, 1), 9);
    EXPECT_EQ(stepSampleSize(9, 1), 9);
    EXPECT_EQ(stepSampleSize(3, -1), 1);
    EXPECT_EQ(stepSampleSize(1, -1), 1);
    EXPECT_EQ(stepSampleSize(7, 1), 3); // not a size: counts as 1
    EXPECT_TRUE(isSampleSize(9));
    EXPECT_FALSE(isSampleSize(7));
}
