#include "controls/ProgressBarModel.h"
#include "controls/ProgressBarDrawing.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace sv {
namespace {

const auto kMeasure = [](const std::string& text) {
    return std::pair{static_cast<int>(text.size()) * 6, 10};
};

TEST(ProgressBarModel, PercentRoundsHalfToEvenAndNeverFails) {
    ProgressBarModel m;
    m.setMax(200);
    m.setValue(1); // 0.5 goes to the even 0
    EXPECT_EQ(m.percent(), 0);
    m.setValue(3); // 1.5 goes to 2
    EXPECT_EQ(m.percent(), 2);
    m.setMax(2031);
    EXPECT_EQ(m.percent(), 2); // Max applies at the next value
    m.setValue(1000);
    EXPECT_EQ(m.value(), 995); // 49 % of 2031, read back
    m.setMax(100);
    m.setMin(10); // added after scaling
    m.setValue(20);
    EXPECT_EQ(m.percent(), 30);
    m.setMax(0); // no division error
    m.setValue(5);
    EXPECT_EQ(m.percent(), 0);
    m.setMax(1);
    m.setMin(0);
    m.setValue(2'000'000'000);
    EXPECT_EQ(m.percent(), 2'147'483'647); // saturates
    drawProgressBar(m, 100, 12, kMeasure);
    EXPECT_EQ(m.percent(), 100); // drawing clamps it
}

TEST(ProgressBarModel, CaptionAndSystemColours) {
    ProgressBarModel m([](int index) { return index == 13 ? 0x123456 : -1; });
    EXPECT_EQ(m.color(), 0x123456); // created with the resolved highlight colour
    m.setValue(50);
    EXPECT_EQ(m.caption(), "50 %");
    m.setScrolling(2);
    EXPECT_EQ(m.caption(), "Searching..");
    m.setColor(0x404040);
    EXPECT_EQ(m.color(), 0x404040);
}

TEST(ProgressBarGradient, LinesRunFromTheFirstColourToTheSecond) {
    EXPECT_EQ(lighten(0x404040, 140), 0xA8A8A8);
    EXPECT_EQ(blendColors(0x0000FF, 0xFF0000), 0x7F007F);
    std::vector<PbDrawOp> ops;
    drawGradient(ops, 0x000000, 0x0000FF, 2, 2, 10, 9, true);
    ASSERT_EQ(ops.size(), 11U);
    EXPECT_EQ(ops.front().rect, (PbRect{2, 2, 2, 9}));
    EXPECT_EQ(ops.back().color, 0x0000FF);
    EXPECT_EQ(ops[5].color, 0x000080); // 25.5 × 5 = 127.5 halves to the even 128
    ops.clear();
    drawGradient(ops, 0, 0, 0, 0, -3, 7, true);
    EXPECT_TRUE(ops.empty());
}

TEST(ProgressBarStyles, CaptionIsCentredAndTwoToneStylesSwitchOverBehindTheFill) {
    ProgressBarModel m;
    m.setShowText(true);
    m.setValue(50);
    auto ops = drawProgressBar(m, 200, 16, kMeasure);
    ASSERT_EQ(ops.back().kind, PbDrawKind::Text);
    EXPECT_EQ(ops.back().text, "50 %");
    EXPECT_EQ(ops.back().rect, (PbRect{88, 3, 112, 13})); // 24 × 10 centred
    EXPECT_EQ(ops.back().color, 0);

    m.setScrolling(6);
    m.setValue(100); // the fill has passed the text: only the lightened copy
    ops = drawProgressBar(m, 200, 16, kMeasure);
    const auto texts = std::count_if(
        ops.begin(), ops.end(), [](const PbDrawOp& op) { return op.kind == PbDrawKind::Text; });
    EXPECT_EQ(texts, 1);
    EXPECT_EQ(ops.front().color, 0); // black background
    m.setValue(10);
    ops = drawProgressBar(m, 200, 16, kMeasure);
    EXPECT_EQ(ops[ops.size() - 2].color, 0xC0C0C0);
    EXPECT_TRUE(ops.back().clip.has_value());
}

} // namespace
} // namespace sv
