#pragma once
// The one place where the 0x00BBGGRR colour value meets Qt's 0xAARRGGBB.

#include "color/Color.h"

#include <QColor>
#include <QPalette>

namespace sv {

inline QColor toQColor(ColorValue c) {
    const Components k = splitColor(c);
    return QColor(k.red & 255, k.green & 255, k.blue & 255);
}

// The colour a filled area shows: the system button face follows the widget's palette.
inline QColor paintedColor(ColorValue c, const QPalette& palette) {
    return c == kButtonFace ? palette.color(QPalette::Button) : toQColor(c);
}

inline ColorValue fromQRgb(QRgb v) {
    return rgb(qRed(v), qGreen(v), qBlue(v));
}
inline ColorValue fromQColor(const QColor& c) {
    return rgb(c.red(), c.green(), c.blue());
}

} // namespace sv
