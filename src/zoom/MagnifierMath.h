#pragma once
// The magnifier's arithmetic: which screen square it enlarges, how the square is stretched over
// the view, the shade strips of a picked colour and the states the window moves between.

#include "color/Color.h"
#include "settings/OptionValues.h"

#include <cstdint>
#include <vector>

namespace sv {

// The view's size in pixels.
inline constexpr int kMagnifierViewWidth = 344;
inline constexpr int kMagnifierViewHeight = 264;

// Side of the enlarged screen square: the view height × 30, 20 or 10 (5x, 10x, 20x) / 200,
// halves to even: 40, 26 and 13 for the 264-pixel view.
int sourceSide(int viewHeight, ZoomLevel zoom);

struct PixelPoint {
    int x = 0;
    int y = 0;
    bool operator==(const PixelPoint&) const = default;
};

// Top-left of the square of a side centred on the pointer's pixel: round(c - side / 2) + 1,
// halves to even, on both axes. Not clipped to the screen.
PixelPoint sourceCorner(PixelPoint pointer, int side);

// The source pixel that view pixel v (0 .. viewSize - 1) shows: floor(v × side / viewSize).
constexpr int sourceIndex(int v, int side, int viewSize) {
    return static_cast<int>(static_cast<std::int64_t>(v) * side / viewSize);
}

// Stretches a side × side square (rows packed) over a width × height view, nearest neighbour
// by sourceIndex on each axis. Pixels are whatever 32-bit values the caller keeps.
void stretchSquare(const std::uint32_t* square, int side, std::uint32_t* view, int width,
                   int height);

// The colours of a shade strip widthTwips wide (15 twips to the pixel), one per pixel column:
// lines are drawn at x = 1 .. widthTwips from the picked colour towards end, each component
// round(start + x × (end - start) / widthTwips) in single precision, and each pixel keeps the
// last line drawn into it. The last pixel's line lies within a twip of the end, so it shows
// the end colour exactly.
std::vector<ColorValue> shadeColumns(ColorValue picked, ColorValue end, int widthTwips);

enum class MagnifierState { Idle, Capturing, Inspecting, Locked };
enum class MagnifierEvent {
    StartPressed, // the start button
    F10,
    ButtonPressed,  // a mouse button pressed anywhere on the screen
    ButtonReleased, // and released
    ViewClicked,    // a click on the frozen view
};

// Where an event takes the magnifier; Escape and closing are handled apart (they keep the
// state, or end the window).
MagnifierState nextState(MagnifierState state, MagnifierEvent event, StopCapture stop);

} // namespace sv
