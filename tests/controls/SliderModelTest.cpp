#include "controls/SliderModel.h"

#include <gtest/gtest.h>

namespace sv {
namespace {

using E = SliderEvent;

// The main window's slider: 135 × 16 with a 16 × 16 thumb, a track of 119 pixels.
SliderModel horizontal(int w = 135) {
    SliderModel m;
    m.resize(w, 16);
    return m;
}

SliderModel vertical() {
    SliderModel m;
    m.setOrientation(SliderModel::kVertical);
    const auto [w, h] = m.fittedSize(30, 104);
    m.resize(w, h);
    return m;
}

TEST(SliderValue, AnnouncesChangesAndTheEndsAndReadsBackWhatWasSet) {
    SliderModel m = horizontal();
    EXPECT_EQ(m.setValue(100), (SliderEvents{E::ValueUpdated, E::ToolTipChanged}));
    EXPECT_EQ(m.setValue(255),
              (SliderEvents{E::ValueUpdated, E::ToolTipChanged, E::MaximumReached}));
    EXPECT_EQ(m.setValue(0), (SliderEvents{E::ValueUpdated, E::ToolTipChanged, E::MinimumReached}));
    EXPECT_TRUE(m.setValue(0).empty());
    EXPECT_TRUE(m.setValue(300).empty());
    EXPECT_EQ(sliderToolTip(17), " < 17 > ");

    SliderModel v = vertical();
    EXPECT_EQ(v.surfaceWidth(), 16); // a vertical slider is as wide as its thumb
    for (int value = 0; value <= 255; ++value) {
        m.setValue(value);
        v.setValue(value);
        ASSERT_NEAR(m.thumbLeft(), 119.0 * value / 255.0, 1e-4);
        ASSERT_NEAR(v.thumbTop(), 88.0 - 88.0 * value / 255.0, 1e-4);
        ASSERT_EQ(m.value(), value);
        ASSERT_EQ(v.value(), value);
    }
    m.setValue(128);
    m.resize(200, 16); // a resize keeps the value
    EXPECT_EQ(m.value(), 128);
}

TEST(SliderMouse, DragRoundsHalvesToEvenAndPinsAtTheEnds) {
    SliderModel m = horizontal(526); // a 510-pixel track: 2 pixels per value
    EXPECT_EQ(m.press(kLeftButton, 8, 8), (SliderEvents{E::Pressed, E::HostWrite}));
    m.move(13, 8); // thumb at 5 px: 2.5
    EXPECT_EQ(m.currentValue(), 2);
    m.move(15, 8); // 3.5
    EXPECT_EQ(m.currentValue(), 4);
    EXPECT_FLOAT_EQ(m.thumbLeft(), 8.0f); // snapped onto the value
    EXPECT_EQ(m.move(2000, 8),
              (SliderEvents{E::ValueUpdated, E::ToolTipChanged, E::MaximumReached}));
    EXPECT_FLOAT_EQ(m.thumbLeft(), 510.0f);
    EXPECT_EQ(m.release(kLeftButton, 520, 8),
              (SliderEvents{E::Clicked, E::Released, E::HostWrite}));
    EXPECT_TRUE(m.move(100, 8).empty());

    // A press beside the thumb centres it there, vertical ones too.
    SliderModel h = horizontal();
    h.press(kLeftButton, 60, 8);
    EXPECT_EQ(h.currentValue(), 111); // 52 / 119 × 255
    SliderModel v = vertical();
    v.press(kLeftButton, 8, 20);
    EXPECT_NEAR(v.thumbTop() + 8.0f, 20.0f, 0.5f);
    v.move(8, -50);
    EXPECT_EQ(v.currentValue(), 255);
}

TEST(SliderMouse, OnlyAnEnabledLeftPressDragsButEveryPressWritesTheHost) {
    SliderModel m = horizontal();
    EXPECT_EQ(m.press(kRightButton, 60, 8), (SliderEvents{E::HostWrite}));
    EXPECT_FALSE(m.dragging());
    m.setEnabled(false);
    EXPECT_EQ(m.press(kLeftButton, 60, 8), (SliderEvents{E::HostWrite}));
    EXPECT_EQ(m.release(kLeftButton, 60, 8), (SliderEvents{E::Clicked, E::HostWrite}));
    EXPECT_EQ(m.currentValue(), 0);
}

TEST(SliderFill, TableAndLines) {
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

    SliderModel m = horizontal();
    m.setUseGradient(true);
    EXPECT_TRUE(m.fillLines().empty());
    m.setValue(128);
    EXPECT_EQ(m.fillLines().size(), 68u); // 128 / 255 × 135 = 67.8
    m.setBackColor(0xE0E0E0);
    m.setGradientStartColor(0x0000FF);
    m.setGradientMidColor(0x0000FF);
    m.setGradientEndColor(0x0000FF);
    m.setSegmented(true);
    const auto lines = m.fillLines();
    for (std::size_t i = 0; i < lines.size(); ++i) {
        ASSERT_EQ(lines[i], (i + 1) % 3 == 0 ? 0xE0E0E0 : 0x0000FF) << i;
    }
    m.setSegmentSize(9);
    EXPECT_EQ(m.segmentSize(), 5);
}

} // namespace
} // namespace sv
