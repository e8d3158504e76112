#include "controls/SliderMath.h"

#include <gtest/gtest.h>

namespace sv {
namespace {

TEST(SliderMath, ThumbAndValueMapBothWaysAndRoundHalvesToEven) {
    // The main window's slider: 135 pixels with a 16-pixel thumb, a track of 119.
    for (int value = 0; value <= 255; ++value) {
        const float offset = sliderThumbOffset(value, 119.0f);
        ASSERT_NEAR(offset, 119.0 * value / 255.0, 1e-4);
        ASSERT_EQ(sliderValueAt(offset, 119.0f), value);
    }
    // A 510-pixel track holds 2 pixels per value: 2.5 goes down to 2, 3.5 up to 4.
    EXPECT_EQ(sliderValueAt(5.0f, 510.0f), 2);
    EXPECT_EQ(sliderValueAt(7.0f, 510.0f), 4);
    EXPECT_EQ(sliderValueAt(-3.0f, 510.0f), 0);
    EXPECT_EQ(sliderValueAt(900.0f, 510.0f), 255);
    EXPECT_EQ(sliderValueAt(5.0f, 0.0f), 0); // a slider no longer than its thumb
    EXPECT_EQ(sliderToolTip(0), "0 > ");
    EXPECT_EQ(sliderToolTip(17), " < 17 > ");
    EXPECT_EQ(sliderToolTip(255), " < 255");
}

TEST(SliderMath, ColourTableRunsEndOnTheirColours) {
    const ColorValue start = rgb(0, 255, 0);
    const ColorValue mid = rgb(255, 255, 0);
    const ColorValue end = rgb(255, 0, 0);
    const auto table = sliderColorTable(start, mid, end, 135); // runs of 68 and 67
    ASSERT_EQ(table.size(), 135u);
    EXPECT_EQ(table[67], mid);
    EXPECT_EQ(table.back(), end);
    // Steps of 0.5 round halves to even: 0.5 1 1.5 2 2.5 3.
    const auto ties = sliderColorTable(0, 3, 3, 12);
    EXPECT_EQ(std::vector<ColorValue>(ties.begin(), ties.begin() + 6),
              (std::vector<ColorValue>{0, 1, 2, 2, 2, 3}));
    EXPECT_TRUE(sliderColorTable(start, mid, end, 5).empty());
}

TEST(SliderMath, FillLinesFollowTheValueWithGapsEverySegment) {
    SliderFill solid{0x0000FF, 0x0000FF, 0x0000FF, 0, 0xE0E0E0};
    EXPECT_TRUE(sliderFillLines(0, 135, solid).empty());
    EXPECT_EQ(sliderFillLines(128, 135, solid).size(), 68u); // 128 / 255 × 135 = 67.8
    EXPECT_EQ(sliderFillLines(255, 135, solid).size(), 135u);
    EXPECT_TRUE(sliderFillLines(255, 4, solid).empty()); // too short for a table

    SliderFill segments = solid;
    segments.segmentSize = 3;
    const auto lines = sliderFillLines(128, 135, segments);
    ASSERT_EQ(lines.size(), 68u);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        ASSERT_EQ(lines[i], (i + 1) % 3 == 0 ? 0xE0E0E0 : 0x0000FF) << i;
    }
}

} // namespace
} // namespace sv
