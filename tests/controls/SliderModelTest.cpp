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

TEST(SliderValue, AnnouncesChangesAndTheEndsInOrder) {
    SliderModel m = horizontal();
    EXPECT_EQ(m.setValue(100), (SliderEvents{E::ValueChanged, E::ToolTipChanged}));
    EXPECT_EQ(m.setValue(255),
              (SliderEvents{E::ValueChanged, E::ToolTipChanged, E::MaximumReached}));
    EXPECT_EQ(m.setValue(0), (SliderEvents{E::ValueChanged, E::ToolTipChanged, E::MinimumReached}));
    EXPECT_TRUE(m.setValue(0).empty());
    EXPECT_TRUE(m.setValue(300).empty());
    EXPECT_TRUE(m.setValue(-1).empty());
    EXPECT_EQ(m.requestedValue(), 0);
    EXPECT_EQ(m.value(), 0);
}

TEST(SliderValue, ThumbFollowsTheValueAndReadsItBack) {
    SliderModel h = horizontal();
    SliderModel v = vertical();
    EXPECT_EQ(v.surfaceWidth(), 16); // a vertical slider is as wide as its thumb
    for (int value = 0; value <= 255; ++value) {
        h.setValue(value);
        v.setValue(value);
        ASSERT_NEAR(h.thumbLeft(), 119.0 * value / 255.0, 1e-4);
        ASSERT_NEAR(v.thumbTop(), 88.0 - 88.0 * value / 255.0, 1e-4);
        ASSERT_EQ(h.value(), value);
        ASSERT_EQ(v.value(), value);
    }
    // A resize keeps the value.
    h.setValue(128);
    h.resize(200, 16);
    EXPECT_EQ(h.value(), 128);
}

TEST(SliderValue, ToolTipTexts) {
    EXPECT_EQ(sliderToolTip(0), "0 > ");
    EXPECT_EQ(sliderToolTip(255), " < 255");
    EXPECT_EQ(sliderToolTip(17), " < 17 > ");
}

TEST(SliderMouse, DragRoundsHalvesToEvenAndPinsAtTheEnds) {
    SliderModel m = horizontal(526); // a 510-pixel track: 2 pixels per value
    EXPECT_EQ(m.press(kLeftButton, 8, 8), (SliderEvents{E::Pressed, E::HostWrite}));
    EXPECT_TRUE(m.dragging());
    m.move(13, 8); // thumb at 5 px: 2.5
    EXPECT_EQ(m.currentValue(), 2);
    m.move(15, 8); // 3.5
    EXPECT_EQ(m.currentValue(), 4);
    EXPECT_FLOAT_EQ(m.thumbLeft(), 8.0f); // snapped onto the value
    EXPECT_EQ(m.move(-100, 8),
              (SliderEvents{E::ValueChanged, E::ToolTipChanged, E::MinimumReached}));
    EXPECT_FLOAT_EQ(m.thumbLeft(), 0.0f);
    EXPECT_EQ(m.move(2000, 8),
              (SliderEvents{E::ValueChanged, E::ToolTipChanged, E::MaximumReached}));
    EXPECT_FLOAT_EQ(m.thumbLeft(), 510.0f);
    EXPECT_EQ(m.release(kLeftButton, 520, 8),
              (SliderEvents{E::Clicked, E::Released, E::HostWrite}));
    EXPECT_FALSE(m.dragging());
    EXPECT_TRUE(m.move(100, 8).empty());
}

TEST(SliderMouse, PressBesideTheThumbCentresItThere) {
    SliderModel m = horizontal();
    EXPECT_EQ(m.press(kLeftButton, 60, 8),
              (SliderEvents{E::ValueChanged, E::ToolTipChanged, E::Pressed, E::HostWrite}));
    EXPECT_EQ(m.currentValue(), 111); // 52 / 119 × 255
    EXPECT_NEAR(m.thumbLeft() + 8.0f, 60.0f, 0.5f);
    m.move(70, 8); // follows, keeping the centre grab
    EXPECT_NEAR(m.thumbLeft() + 8.0f, 70.0f, 0.5f);

    SliderModel v = vertical();
    v.press(kLeftButton, 8, 20);
    EXPECT_NEAR(v.thumbTop() + 8.0f, 20.0f, 0.5f);
    v.move(8, -50);
    EXPECT_EQ(v.currentValue(), 255);
    EXPECT_FLOAT_EQ(v.thumbTop(), 0.0f);
    v.move(8, 500);
    EXPECT_EQ(v.currentValue(), 0);
    EXPECT_FLOAT_EQ(v.thumbTop(), 88.0f);
}

TEST(SliderMouse, OnlyAnEnabledLeftPressDragsButEveryPressWritesTheHost) {
    SliderModel m = horizontal();
    EXPECT_EQ(m.press(kRightButton, 60, 8), (SliderEvents{E::HostWrite}));
    EXPECT_FALSE(m.dragging());
    EXPECT_EQ(m.release(kRightButton, 60, 8), (SliderEvents{E::HostWrite}));
    m.setEnabled(false);
    EXPECT_EQ(m.press(kLeftButton, 60, 8), (SliderEvents{E::HostWrite}));
    EXPECT_EQ(m.release(kLeftButton, 60, 8), (SliderEvents{E::Clicked, E::HostWrite}));
    EXPECT_EQ(m.currentValue(), 0);
}

TEST(SliderMouse, ValueWrittenDuringADragLeavesTheThumbToThePointer) {
    SliderModel m = horizontal();
    m.press(kLeftButton, 8, 8);
    m.setValue(200);
    EXPECT_EQ(m.requestedValue(), 200);
    EXPECT_FLOAT_EQ(m.thumbLeft(), 0.0f);
}

TEST(SliderFill, TableRunsEndExactlyOnMidAndEndColours) {
    const ColorValue start = rgb(0, 255, 0);
    const ColorValue mid = rgb(255, 255, 0);
    const ColorValue end = rgb(255, 0, 0);
    const auto table = sliderColorTable(start, mid, end, 135); // runs of 68 and 67
    ASSERT_EQ(table.size(), 135u);
    EXPECT_NE(table[0], start);
    EXPECT_EQ(table[67], mid);
    EXPECT_EQ(table.back(), end);
    EXPECT_EQ(sliderColorTable(start, mid, end, 104)[51], mid); // runs of 52 and 52
    // Steps of 0.5 round halves to even: 0.5 1 1.5 2 2.5 3.
    const auto ties = sliderColorTable(0, 3, 3, 12);
    const std::vector<ColorValue> firstRun(ties.begin(), ties.begin() + 6);
    EXPECT_EQ(firstRun, (std::vector<ColorValue>{0, 1, 2, 2, 2, 3}));
    EXPECT_TRUE(sliderColorTable(start, mid, end, 5).empty());
    EXPECT_EQ(sliderColorTable(start, mid, end, 6).size(), 6u);
}

TEST(SliderFill, LineCountFollowsTheRequestedValue) {
    SliderModel m = horizontal();
    m.setUseGradient(true);
    EXPECT_TRUE(m.fillLines().empty());
    m.setValue(128);
    EXPECT_EQ(m.fillLines().size(), 68u); // 128 / 255 × 135 = 67.8
    m.setValue(255);
    const auto lines = m.fillLines();
    ASSERT_EQ(lines.size(), 135u);
    EXPECT_EQ(lines.back(), m.gradientEndColor());
    m.setOrientation(7);
    EXPECT_TRUE(m.fillLines().empty());
}

TEST(SliderFill, SolidAndSegmented) {
    SliderModel m = horizontal();
    m.setForeColor(0x00C000);
    m.setBackColor(0xE0E0E0);
    m.setValue(255);
    auto lines = m.fillLines();
    EXPECT_EQ(std::count(lines.begin(), lines.end(), 0x00C000), 135);

    m.setUseGradient(true);
    m.setGradientStartColor(0x0000FF);
    m.setGradientMidColor(0x0000FF);
    m.setGradientEndColor(0x0000FF);
    lines = m.fillLines();
    EXPECT_EQ(std::count(lines.begin(), lines.end(), 0x0000FF), 135);

    m.setSegmented(true);
    lines = m.fillLines();
    for (std::size_t i = 0; i < lines.size(); ++i) {
        ASSERT_EQ(lines[i], (i + 1) % 3 == 0 ? 0xE0E0E0 : 0x0000FF) << i;
    }
    m.setSegmentSize(9);
    EXPECT_EQ(m.segmentSize(), 5);
    m.setSegmentSize(0);
    EXPECT_EQ(m.segmentSize(), 2);
    lines = m.fillLines();
    EXPECT_EQ(lines[0], 0x0000FF);
    EXPECT_EQ(lines[1], 0xE0E0E0);
}

TEST(SliderFill, ShortTrackDrawsNoFill) {
    SliderModel m = horizontal(5);
    m.setValue(255);
    EXPECT_TRUE(m.fillLines().empty());
}

TEST(SliderProperties, NewControlSavesItsDifferencesFromTheAbsentDefaults) {
    SliderModel m;
    PropertyBag bag;
    m.save(bag);
    EXPECT_EQ(bag.read("Segmented", "?"), "0");
    EXPECT_EQ(bag.read("UseGradient", "?"), "0");
    EXPECT_TRUE(bag.contains("ForeColor"));
    for (const char* key :
         {"BackColor", "Enabled", "GradientEndColor", "GradientMidColor", "GradientStartColor",
          "Orientation", "SegmentSize", "Value", "Max", "Min"}) {
        EXPECT_FALSE(bag.contains(key)) << key;
    }
}

TEST(SliderProperties, MissingKeysLoadTheAbsentDefaults) {
    SliderModel m;
    m.setBackColor(1);
    m.setSegmentSize(5);
    m.load(PropertyBag{});
    EXPECT_TRUE(m.segmented());
    EXPECT_TRUE(m.useGradient());
    EXPECT_EQ(m.foreColor(), 65280);
    EXPECT_EQ(m.backColor(), kButtonFace);
    EXPECT_EQ(m.gradientStartColor(), 65280);
    EXPECT_EQ(m.gradientMidColor(), 65535);
    EXPECT_EQ(m.gradientEndColor(), 255);
    EXPECT_EQ(m.segmentSize(), 3);
    EXPECT_EQ(m.orientation(), 0);
    EXPECT_EQ(m.requestedValue(), 0);
    EXPECT_EQ(m.max(), 255);
    EXPECT_EQ(m.min(), 0);
    EXPECT_TRUE(m.enabled());
}

TEST(SliderProperties, SaveThenLoadRestoresEverything) {
    SliderModel a;
    a.setOrientation(SliderModel::kVertical);
    a.resize(16, 104);
    a.setValue(200);
    a.setBackColor(0xE0E0E0);
    a.setForeColor(0x123456);
    a.setEnabled(false);
    a.setGradientStartColor(0x00C000);
    a.setGradientMidColor(0x00C000);
    a.setGradientEndColor(0x00C000);
    a.setSegmented(true);
    a.setSegmentSize(4);
    a.setUseGradient(false);
    a.setMax(-5);
    a.setMin(7);
    PropertyBag bag;
    a.save(bag);

    SliderModel b;
    b.resize(16, 104);
    b.load(bag);
    EXPECT_EQ(b.orientation(), SliderModel::kVertical);
    EXPECT_EQ(b.currentValue(), 200);
    EXPECT_EQ(b.value(), 200);
    EXPECT_FLOAT_EQ(b.thumbTop(), a.thumbTop());
    EXPECT_EQ(b.backColor(), 0xE0E0E0);
    EXPECT_EQ(b.foreColor(), 0x123456);
    EXPECT_FALSE(b.enabled());
    EXPECT_EQ(b.gradientStartColor(), 0x00C000);
    EXPECT_EQ(b.gradientMidColor(), 0x00C000);
    EXPECT_EQ(b.gradientEndColor(), 0x00C000);
    EXPECT_TRUE(b.segmented());
    EXPECT_EQ(b.segmentSize(), 4);
    EXPECT_FALSE(b.useGradient());
    EXPECT_EQ(b.max(), -5);
    EXPECT_EQ(b.min(), 7);
}

TEST(SliderProperties, UnusableSavedValuesFallBack) {
    PropertyBag bag;
    bag.write("Value", "999", "0");
    bag.write("Max", "70000", "255");
    bag.write("SegmentSize", "12", "3");
    SliderModel m;
    m.load(bag);
    EXPECT_EQ(m.requestedValue(), 0);
    EXPECT_EQ(m.max(), 255);
    EXPECT_EQ(m.segmentSize(), 5);
}

TEST(SliderLayout, EmptyLengthsTakeTheThumbs) {
    SliderModel m;
    EXPECT_EQ(m.fittedSize(0, 16), (std::pair<int, int>{16, 16}));
    EXPECT_EQ(m.fittedSize(135, 16), (std::pair<int, int>{135, 16}));
    m.setOrientation(SliderModel::kVertical);
    EXPECT_EQ(m.fittedSize(40, 0), (std::pair<int, int>{16, 16}));
    EXPECT_EQ(m.fittedSize(40, 104), (std::pair<int, int>{16, 104}));
}

} // namespace
} // namespace sv
