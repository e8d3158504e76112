#include "gradient/PaletteGradient.h"
#include "gradient/ColorGridLayout.h"
#include "gradient/StyleSheet.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <random>
#include <string>

namespace sv {
namespace {

constexpr GradientComponents kRed{255, 0, 0};
constexpr GradientComponents kBlue{0, 0, 255};

ColorValue at(const std::vector<SwatchWrite>& writes, int index) {
    for (const SwatchWrite& w : writes) {
        if (w.index == index) {
            return w.color;
        }
    }
    ADD_FAILURE() << "swatch " << index << " not written";
    return -1;
}

TEST(PaletteGradient, WholePaletteRunsEvenlyFromStartToEnd) {
    const auto writes = wholePaletteGradient(kRed, kBlue);
    ASSERT_EQ(writes.size(), 256u);
    EXPECT_EQ(at(writes, 1), rgb(255, 0, 0));
    EXPECT_EQ(at(writes, 129), rgb(127, 0, 128));
    EXPECT_EQ(at(writes, 256), rgb(0, 0, 255));

    std::mt19937 random(7);
    std::uniform_int_distribution<int> component(-300, 300);
    for (int run = 0; run < 500; ++run) {
        auto pick = [&] {
            return GradientComponents{static_cast<std::int16_t>(component(random)),
                                      static_cast<std::int16_t>(component(random)),
                                      static_cast<std::int16_t>(component(random))};
        };
        const GradientComponents from = pick();
        const GradientComponents to = pick();
        auto shown = [](const GradientComponents& c) {
            return rgb(std::abs(c.red), std::abs(c.green), std::abs(c.blue));
        };
        const auto w = wholePaletteGradient(from, to);
        ASSERT_EQ(w.front().color, shown(from));
        ASSERT_EQ(w.back().color, shown(to));
        // Step 255 of the arithmetic lands on the end too, so the last step is an even one.
        ASSERT_EQ(gradientStep(from, to, kSwatchInnerTwips, 255), shown(to));
    }
}

TEST(PaletteGradient, RowKeepsItsEndsAndStopsShortBeforeTheLast) {
    const auto writes = rowGradient(2, kRed, kBlue);
    ASSERT_EQ(writes.size(), 16u);
    EXPECT_EQ(writes.front().index, 17);
    EXPECT_EQ(writes.back().index, 32);
    EXPECT_EQ(at(writes, 17), rgb(255, 0, 0));
    EXPECT_EQ(at(writes, 31), rgb(31, 0, 224));
    EXPECT_EQ(at(writes, 32), rgb(0, 0, 255));
    EXPECT_TRUE(rowGradient(0, kRed, kBlue).empty());
    EXPECT_TRUE(rowGradient(17, kRed, kBlue).empty());
}

TEST(PaletteGradient, OddComponentsCountByMagnitudeAndAbove255AsFull) {
    const GradientComponents grey{90, 90, 90};
    for (const SwatchWrite& w : wholePaletteGradient(grey, grey)) {
        ASSERT_EQ(w.color, rgb(90, 90, 90));
    }
    const auto writes = wholePaletteGradient({-100, 400, 0}, {-100, 400, 32767});
    EXPECT_EQ(writes.front().color, rgb(100, 255, 0));
    EXPECT_EQ(at(writes, 2), rgb(100, 255, 128)); // 32767 / 255 = 128.5 → 128
    EXPECT_EQ(writes.back().color, rgb(100, 255, 255));
    // The widest 16-bit span does not overflow on its way.
    const auto wide = wholePaletteGradient({-32768, 0, 0}, {32767, 0, 0});
    EXPECT_EQ(at(wide, 129), rgb(128, 0, 0)); // -32768 + 128 × 257
}

TEST(ColorGridLayout, CellsFollowTheWindowsProportions) {
    const GridMetrics m = gridMetrics(12000, 9000);
    EXPECT_EQ(m.cellWidth, 678);
    EXPECT_EQ(m.cellHeight, 468);
    EXPECT_EQ(m.gapX, 54);
    EXPECT_EQ(m.gapY, 32); // 31.5, halves to even
    EXPECT_EQ(cellBox(m, 1), (TwipBox{180, 180, 678, 468}));
    EXPECT_EQ(cellBox(m, 18), (TwipBox{180 + 732, 180 + 500, 678, 468}));
    EXPECT_EQ(cellBox(m, 256).left + 678, 180 + 16 * 678 + 15 * 54);

    const GridMetrics tiny = gridMetrics(100, 100);
    EXPECT_EQ(tiny.cellWidth, 6);
    EXPECT_EQ(tiny.gapY, 0);
    EXPECT_EQ(gridMetrics(1e9f, 1e9f).cellWidth, 32767);
}

const std::string kCrLf = "\r\n";
const std::string kSeparator =
    kCrLf + "<!-- ------------------------------------------------------ -->" + kCrLf;

std::string block(const std::string& rule) {
    return "<style type=\"text/css\">" + kCrLf + "<!--" + kCrLf + rule + kCrLf + "-->" + kCrLf +
           "</style>";
}

TEST(StyleSheet, EachRuleWritesItsBlockForTheColour) {
    const ColorValue red = rgb(255, 0, 0);
    StyleSheetWriter w;
    EXPECT_EQ(w.nextBlock(StyleRule::Body, red, 0), block("body {background-color: #FF0000}"));
    EXPECT_EQ(w.nextBlock(StyleRule::Link, red, 0),
              block("a:link { " + kCrLf + " font: 12px Arial, Helvetica; " + kCrLf +
                    " color: #000000; " + kCrLf + " text-decoration: none} " + kCrLf +
                    " a:hover { " + kCrLf + " font: 12px Arial, Helvetica; " + kCrLf +
                    " color: #FF0000; " + kCrLf + " text-decoration: underline}"));
    EXPECT_EQ(w.nextBlock(StyleRule::Border, red, 0),
              block("p " + kCrLf + " {border: medium double #FF0000}"));
    EXPECT_EQ(w.nextBlock(StyleRule::Column, red, 0),
              block(".Column1{ " + kCrLf + " width:80%; " + kCrLf + " margin-left:9%; " + kCrLf +
                    " border:1px solid #000000; " + kCrLf + "  background-color: #FF0000}"));
    EXPECT_EQ(w.nextBlock(StyleRule::TextClass, rgb(1, 2, 171), 0),
              block(".Class1 { " + kCrLf + " font-size: 12px; " + kCrLf +
                    " font-family: Tahoma, Arial, Helvetica; " + kCrLf + " color: #0102AB;}"));
    EXPECT_STREQ(styleRuleCaption(StyleRule::TextClass), "New Style - Cass");
}

TEST(StyleSheet, SeparatorOnlyAfterMoreThanTwoCharactersAndCountersRestart) {
    StyleSheetWriter w;
    for (std::size_t existing : {0u, 1u, 2u}) {
        EXPECT_EQ(w.nextBlock(StyleRule::Body, 0, existing).rfind("<style", 0), 0u);
    }
    EXPECT_EQ(w.nextBlock(StyleRule::Body, 0, 3).rfind(kSeparator + "<style", 0), 0u);

    EXPECT_NE(w.nextBlock(StyleRule::Column, 0, 0).find(".Column1{"), std::string::npos);
    EXPECT_NE(w.nextBlock(StyleRule::Column, 0, 0).find(".Column2{"), std::string::npos);
    EXPECT_NE(w.nextBlock(StyleRule::TextClass, 0, 0).find(".Class1 {"), std::string::npos);
    w.restartCounters();
    EXPECT_NE(w.nextBlock(StyleRule::Column, 0, 0).find(".Column1{"), std::string::npos);
    EXPECT_NE(w.nextBlock(StyleRule::TextClass, 0, 0).find(".Class1 {"), std::string::npos);
}

} // namespace
} // namespace sv
