#pragma once
// The loupe's arithmetic: which square of device pixels it shows around the pointer, how much
// it enlarges them and where its window stands so that it never covers what it shows.

#include "zoom/MagnifierMath.h"

#include <array>

namespace sv {

// The enlargements the wheel steps through; 10 at first.
inline constexpr std::array<int, 3> kLoupeZooms{5, 10, 20};
inline constexpr int kDefaultLoupeZoom = 10;
// The loupe's place: this many logical pixels right of and below the pointer.
inline constexpr int kLoupeGap = 24;

struct PixelRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    int right() const { return x + width; } // one past the last column
    int bottom() const { return y + height; }
    bool intersects(const PixelRect& o) const {
        return x < o.right() && o.x < right() && y < o.bottom() && o.y < bottom();
    }
    bool operator==(const PixelRect&) const = default;
};

// The zoom steps notches away, held within the zooms above.
int stepLoupeZoom(int zoom, int steps);

// The pixels a side the loupe shows: an odd number, 21, 11 and 7 at 5x, 10x and 20x, and always
// the sampled square with a ring of one pixel round it.
int loupePixelsShown(int zoom, int sampleSize);

// The side × side square centred on a pixel (side odd).
PixelRect centredSquare(PixelPoint centre, int side);

// The loupe window's top-left, in logical pixels: kLoupeGap right of and below the pointer,
// flipped to the left or above where it would leave the screen the pointer is on (and where the
// other side has room). The pixels it shows lie within kLoupeGap of the pointer, so on either
// side it never covers them.
PixelPoint loupePlace(PixelPoint pointer, int loupeWidth, int loupeHeight, const PixelRect& screen);

} // namespace sv
