#include "zoom/MagnifierMath.h"

#include <gtest/gtest.h>

#include <numeric>

namespace sv {
namespace {

TEST(MagnifierMath, SquareSideFollowsZoomAndViewHeight) {
    EXPECT_EQ(sourceSide(264, ZoomLevel::Times5), 40);
    EXPECT_EQ(sourceSide(264, ZoomLevel::Times10), 26); // 26.4
    EXPECT_EQ(sourceSide(264, ZoomLevel::Times20), 13); // 13.2
    EXPECT_EQ(sourceSide(100, ZoomLevel::Times5), 15);
    EXPECT_EQ(sourceSide(25, ZoomLevel::Times20), 1); // 1.25
    EXPECT_EQ(sourceSide(50, ZoomLevel::Times10), 5); // 5
    EXPECT_EQ(sourceSide(30, ZoomLevel::Times20), 2); // 1.5, halves to even
}

TEST(MagnifierMath, CornerCentresTheSquareAndReachesPastTheScreen) {
    EXPECT_EQ(sourceCorner({500, 400}, 40), (PixelPoint{481, 381}));
    EXPECT_EQ(sourceCorner({0, 0}, 40), (PixelPoint{-19, -19}));
    EXPECT_EQ(sourceCorner({1279, 1023}, 26), (PixelPoint{1267, 1011}));
    // Halves go to the even neighbour: two pointer pixels share a corner.
    EXPECT_EQ(sourceCorner({100, 101}, 13), (PixelPoint{95, 95}));
    EXPECT_EQ(sourceCorner({102, 103}, 13), (PixelPoint{97, 97}));
}

TEST(MagnifierMath, StretchShowsSourcePixelFloorOfScaledPosition) {
    for (const int side : {40, 26, 13}) {
        std::vector<std::uint32_t> square(std::size_t(side * side));
        std::iota(square.begin(), square.end(), 0u);
        std::vector<std::uint32_t> view(std::size_t(kMagnifierViewWidth * kMagnifierViewHeight));
        stretchSquare(square.data(), side, view.data(), kMagnifierViewWidth, kMagnifierViewHeight);
        for (int y = 0; y < kMagnifierViewHeight; ++y) {
            for (int x = 0; x < kMagnifierViewWidth; ++x) {
                const auto expected = std::uint32_t((y * side / kMagnifierViewHeight) * side +
                                                    x * side / kMagnifierViewWidth);
                ASSERT_EQ(view[std::size_t(y * kMagnifierViewWidth + x)], expected)
                    << side << " at " << x << "," << y;
            }
        }
    }
}

TEST(MagnifierMath, ShadesRunFromThePickToExactlyBlackOrWhite) {
    const ColorValue picked = rgb(200, 100, 50);
    const auto toBlack = shadeColumns(picked, kBlack, 2895);
    ASSERT_EQ(toBlack.size(), 193u);
    EXPECT_EQ(toBlack.front(), rgb(199, 100, 50)); // x = 14: 200 - 0.97, 100 - 0.48 ...
    EXPECT_EQ(toBlack[96], rgb(100, 50, 25));      // x = 1454: about half way
    EXPECT_EQ(toBlack.back(), kBlack);
    const auto toWhite = shadeColumns(picked, kWhite, 2895);
    EXPECT_EQ(toWhite.back(), kWhite);
    for (const ColorValue c : shadeColumns(kBlack, kBlack, 2895)) {
        ASSERT_EQ(c, kBlack);
    }
    EXPECT_TRUE(shadeColumns(picked, kBlack, 0).empty());
}

TEST(MagnifierMath, StateTransitions) {
    using S = MagnifierState;
    using E = MagnifierEvent;
    struct Row {
        S from;
        E event;
        StopCapture stop;
        S to;
    };
    const Row table[] = {
        {S::Idle, E::StartPressed, StopCapture::OnPress, S::Capturing},
        {S::Inspecting, E::StartPressed, StopCapture::OnPress, S::Capturing},
        {S::Locked, E::StartPressed, StopCapture::OnPress, S::Capturing},
        {S::Capturing, E::StartPressed, StopCapture::OnRelease, S::Capturing},
        {S::Locked, E::F10, StopCapture::OnPress, S::Capturing},
        {S::Capturing, E::F10, StopCapture::OnPress, S::Inspecting},
        {S::Idle, E::F10, StopCapture::OnPress, S::Capturing},
        {S::Inspecting, E::F10, StopCapture::OnPress, S::Capturing},
        {S::Capturing, E::ButtonPressed, StopCapture::OnPress, S::Inspecting},
        {S::Capturing, E::ButtonPressed, StopCapture::OnRelease, S::Capturing},
        {S::Capturing, E::ButtonReleased, StopCapture::OnRelease, S::Inspecting},
        {S::Capturing, E::ButtonReleased, StopCapture::OnPress, S::Capturing},
        {S::Inspecting, E::ButtonPressed, StopCapture::OnPress, S::Inspecting},
        {S::Idle, E::ViewClicked, StopCapture::OnPress, S::Locked},
        {S::Inspecting, E::ViewClicked, StopCapture::OnPress, S::Locked},
        {S::Capturing, E::ViewClicked, StopCapture::OnPress, S::Capturing},
        {S::Locked, E::ViewClicked, StopCapture::OnPress, S::Locked},
    };
    for (const Row& r : table) {
        EXPECT_EQ(nextState(r.from, r.event, r.stop), r.to)
            << int(r.from) << " " << int(r.event) << " " << int(r.stop);
    }
}

} // namespace
} // namespace sv
