// Where the loupe stands and what it shows: beside the pointer, flipped at a screen's edges,
// and never over the pixels it shows, wherever the pointer is.

#include "zoom/LoupeMath.h"

#include <gtest/gtest.h>

using namespace sv;

TEST(LoupeMathTest, ItShowsAnOddSquareRoundTheSampleAtEveryZoom) {
    EXPECT_EQ(loupePixelsShown(10, 1), 11);
    EXPECT_EQ(loupePixelsShown(5, 1), 21);
    EXPECT_EQ(loupePixelsShown(20, 1), 7);
    EXPECT_EQ(loupePixelsShown(20, 5), 7);
    EXPECT_EQ(loupePixelsShown(20, 9), 11); // the sampled square and a ring round it
    EXPECT_EQ(centredSquare({10, 20}, 11), (PixelRect{5, 15, 11, 11}));
    EXPECT_EQ(stepLoupeZoom(10, 1), 20);
    EXPECT_EQ(stepLoupeZoom(20, 1), 20);
    EXPECT_EQ(stepLoupeZoom(10, -1), 5);
    EXPECT_EQ(stepLoupeZoom(5, -1), 5);
}

TEST(LoupeMathTest, ItFlipsAtTheScreensEdgesOnEachAxisApart) {
    const PixelRect screen{1280, 0, 1280, 800}; // the second of two monitors
    EXPECT_EQ(loupePlace({1500, 300}, 112, 130, screen), (PixelPoint{1524, 324}));
    // Near the right edge only: left of the pointer, still below it.
    EXPECT_EQ(loupePlace({2500, 300}, 112, 130, screen), (PixelPoint{2500 - 24 - 112, 324}));
    // Bottom-right corner: left and above.
    EXPECT_EQ(loupePlace({2559, 799}, 112, 130, screen),
              (PixelPoint{2559 - 24 - 112, 799 - 24 - 130}));
    // At the left edge of the second monitor it stays on that monitor's side.
    EXPECT_EQ(loupePlace({1280, 0}, 112, 130, screen), (PixelPoint{1304, 24}));
}

TEST(LoupeMathTest, ItNeverCoversWhatItShowsAnywhereOnTheScreen) {
    for (const PixelRect screen : {PixelRect{0, 0, 1280, 1024}, PixelRect{0, 0, 160, 150}}) {
        for (int zoom : kLoupeZooms) {
            for (int sample : {1, 3, 5, 9}) {
                const int shown = loupePixelsShown(zoom, sample);
                const int side = shown * zoom + 2;
                for (int y = screen.y; y < screen.bottom(); y += 7) {
                    for (int x = screen.x; x < screen.right(); x += 5) {
                        const PixelPoint at = loupePlace({x, y}, side, side + 20, screen);
                        const PixelRect loupe{at.x, at.y, side, side + 20};
                        ASSERT_FALSE(loupe.intersects(centredSquare({x, y}, shown)))
                            << x << "," << y << " zoom " << zoom << " sample " << sample;
                    }
                }
            }
        }
    }
}
