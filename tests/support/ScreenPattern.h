#pragma once
// A window of known 1-pixel patterns on a real X server, and the X server's own pointer and
// keys (xdotool), for tests that pick from the screen as a person does: a pick one pixel off
// reads a different colour everywhere in it.

#include <QImage>
#include <QProcess>
#include <QRect>
#include <QStringList>

namespace sv::test {

inline const QRect kPattern(100, 100, 300, 300);
inline constexpr QRgb kGrey = 0xFF808080;
inline constexpr QRgb kRed = 0xFFFF0000;
inline constexpr QRgb kDark = 0xFF102030;
inline constexpr QRgb kLight = 0xFFF0E0D0;

// Desktop columns up to 249: every pixel a colour of its own (its coordinates, and a blue that
// alternates pixel by pixel); 250 to 289: a 1-pixel checkerboard of two colours; from 290: grey
// with a 1-pixel red line down column 300.
inline QRgb patternColour(int x, int y) {
    if (x < 250) {
        return qRgb(x & 0xFF, y & 0xFF, (x + y) % 2 == 0 ? 40 : 200);
    }
    if (x < 290) {
        return (x + y) % 2 == 0 ? kDark : kLight;
    }
    return x == 300 ? kRed : kGrey;
}

inline QImage patternImage() {
    QImage image(kPattern.size(), QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            image.setPixel(x, y, patternColour(kPattern.x() + x, kPattern.y() + y));
        }
    }
    return image;
}

inline QRgb patternAt(int x, int y) {
    static const QImage image = patternImage();
    return image.pixel(x - kPattern.x(), y - kPattern.y());
}

inline bool xdotool(const QStringList& args) {
    return QProcess::execute(QStringLiteral("xdotool"), args) == 0;
}
inline bool pointAt(int x, int y) {
    return xdotool({QStringLiteral("mousemove"), QString::number(x), QString::number(y)});
}

} // namespace sv::test
