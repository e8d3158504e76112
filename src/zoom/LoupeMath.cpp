#include "zoom/LoupeMath.h"

#include "color/ChoiceSteps.h"

#include <algorithm>

namespace sv {

int stepLoupeZoom(int zoom, int steps) {
    return stepThrough(kLoupeZooms, zoom, steps, 1);
}

int loupePixelsShown(int zoom, int sampleSize) {
    const int base = zoom <= 5 ? 21 : zoom <= 10 ? 11 : 7;
    const int ringed = (std::max(sampleSize, 1) | 1) + 2;
    return std::max(base, ringed);
}

PixelRect centredSquare(PixelPoint centre, int side) {
    const int half = side / 2;
    return {centre.x - half, centre.y - half, side, side};
}

PixelPoint loupePlace(PixelPoint pointer, int loupeWidth, int loupeHeight,
                      const PixelRect& screen) {
    auto along = [](int p, int size, int low, int high) {
        const int after = p + kLoupeGap;
        const int before = p - kLoupeGap - size;
        return after + size > high && before >= low ? before : after;
    };
    return {along(pointer.x, loupeWidth, screen.x, screen.right()),
            along(pointer.y, loupeHeight, screen.y, screen.bottom())};
}

} // namespace sv
