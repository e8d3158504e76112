#include "widgets/ToolPlacement.h"

#include <gtest/gtest.h>

namespace sv {
namespace {

const TwipRect kMain{1000, 1000, 11340, 6990};

TEST(ToolPlacement, ToolWindowsSitInsideTheRightEdgeLevelWithThePalette) {
    const TwipPoint tool = toolWindowPlacement(kMain, 3900);
    EXPECT_DOUBLE_EQ(tool.left, 1000 + 11340 - 3900 - 100);
    EXPECT_DOUBLE_EQ(tool.top, 1000 + 705 - 60);
    const TwipPoint zoom = toolWindowPlacement(kMain, 5400, kMagnifierInset);
    EXPECT_DOUBLE_EQ(zoom.left, 6740);
    EXPECT_DOUBLE_EQ(zoom.top, 1645);
}

TEST(ToolPlacement, TheDetailsOpenBesideTheMainWindowWhereTheScreenHasRoom) {
    // 1920 × 1080 pixels; the main window at (1000, 1000) twips is 756 pixels wide.
    const TwipRect screen{0, 0, 1920 * 15, 1080 * 15};
    const TwipPoint right = besideWindowPlacement(kMain, 6000, 9000, screen);
    EXPECT_DOUBLE_EQ(right.left, 1000 + 11340 + 90);
    EXPECT_DOUBLE_EQ(right.top, 1000);
    // No room on the right: on the left, kept on the screen vertically.
    const TwipRect atRight{28800 - 11340, 12000, 11340, 6990};
    const TwipPoint left = besideWindowPlacement(atRight, 6000, 9000, screen);
    EXPECT_DOUBLE_EQ(left.left, 28800 - 11340 - 90 - 6000);
    EXPECT_DOUBLE_EQ(left.top, 1080 * 15 - 9000);
    // Room on neither side: inside the main window's right edge, as the other tools.
    const TwipRect narrow{0, 0, 12000, 16200};
    const TwipPoint inside = besideWindowPlacement(kMain, 6000, 9000, narrow);
    EXPECT_DOUBLE_EQ(inside.left, toolWindowPlacement(kMain, 6000).left);
    // A window wider than the main window, with room on neither side, stays on the screen.
    const TwipRect mainAtLeft{0, 0, 9750, 7000};
    const TwipRect small{0, 0, 1366 * 15, 768 * 15};
    const TwipPoint wide = besideWindowPlacement(mainAtLeft, 13500, 7000, small);
    EXPECT_DOUBLE_EQ(wide.left, 0);
    EXPECT_GE(wide.top, 0);
}

TEST(ToolPlacement, AboutNearTheBottomRightCorner) {
    const TwipPoint about = aboutWindowPlacement(kMain, 5600, 3990);
    EXPECT_DOUBLE_EQ(about.top, 2670);
    EXPECT_DOUBLE_EQ(about.left, 3940);
    // Floating point: a third of a height that is not a multiple of 3 is kept.
    const TwipPoint odd = aboutWindowPlacement({0, 0, 1000, 1000}, 301, 100);
    EXPECT_DOUBLE_EQ(odd.left, 1000 - 301 - 150.5);
    EXPECT_NEAR(odd.top, 1000 - 100 - 33.333333, 1e-5);
}

} // namespace
} // namespace sv
