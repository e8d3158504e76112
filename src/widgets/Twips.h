#pragma once
// Layout written in twips, placed in Qt's logical pixels.

#include "color/Numeric.h"

#include <QPoint>
#include <QRect>
#include <QSize>

namespace sv {

inline QPoint pixelsFromTwips(double left, double top) {
    return {pixelsFromTwips(left), pixelsFromTwips(top)};
}

inline QSize pixelsFromTwips(const QSize& tw) {
    return {pixelsFromTwips(tw.width()), pixelsFromTwips(tw.height())};
}

inline QRect pixelsFromTwips(const QRect& tw) {
    return {pixelsFromTwips(tw.x(), tw.y()), pixelsFromTwips(tw.size())};
}

} // namespace sv
