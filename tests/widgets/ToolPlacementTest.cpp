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
