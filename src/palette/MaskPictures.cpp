#include "palette/MaskPictures.h"

#include <QPainter>

namespace sv {

namespace {

constexpr QRgb kWhite = 0xFFFFFFFF;
constexpr QRgb kLine = 0xFFC8BDB9; // red 200, green 189, blue 185

QImage drawMask(int index) {
    QImage img(18, 18, QImage::Format_RGB32);
    img.fill(kWhite);
    switch (index) {
    case 2: // diagonal hatch
        for (int y = 0; y < 18; ++y) {
            for (int x = 0; x < 18; ++x) {
                if ((x + y) % 6 == 0) {
                    img.setPixel(x, y, kLine);
                }
            }
        }
        break;
    case 3: // dots
        for (int y = 0; y < 18; y += 3) {
            for (int x = 0; x < 18; x += 3) {
                img.setPixel(x, y, kLine);
            }
        }
        break;
    case 4: // cross
        for (int i = 0; i < 18; ++i) {
            img.setPixel(i, i, kLine);
            img.setPixel(17 - i, i, kLine);
        }
        break;
    case 5: // 4 × 4 white squares between 2-pixel lines, inside a 1-pixel border
        for (int y = 0; y < 18; ++y) {
            for (int x = 0; x < 18; ++x) {
                const bool border = x == 0 || y == 0 || x == 17 || y == 17;
                const bool line = ((x - 1) % 6 >= 4) || ((y - 1) % 6 >= 4);
                if (border || line) {
                    img.setPixel(x, y, kLine);
                }
            }
        }
        break;
    default: // plain frame
        for (int i = 0; i < 18; ++i) {
            img.setPixel(i, 17, kLine);
            img.setPixel(17, i, kLine);
        }
        break;
    }
    // A light dot in the corner and a dark one below the top edge, on every mask.
    img.setPixel(1, 1, kWhite);
    img.setPixel(6, 3, kLine);
    return img;
}

} // namespace

QImage maskPicture(SwatchMask mask) {
    return drawMask(static_cast<int>(mask));
}

} // namespace sv
