#include "controls/ProgressBar.h"

#include "color/Numeric.h"
#include "controls/ProgressBarMath.h"
#include "widgets/QtColor.h"

#include <QPainter>

#include <cstdlib>

namespace sv {

namespace {

constexpr ColorValue kGlowLight = 0x09FFFA; // the yellow every light shade of the glow takes

// A one-pixel line from (x1, y1) towards (x2, y2), the end point not drawn; the lines drawn
// here are all level or upright.
void line(QPainter& p, int x1, int y1, int x2, int y2, ColorValue c) {
    if (y1 == y2 && x1 != x2) {
        p.fillRect(QRect(x1 < x2 ? x1 : x2 + 1, y1, std::abs(x2 - x1), 1), toQColor(c));
    } else if (x1 == x2 && y1 != y2) {
        p.fillRect(QRect(x1, y1 < y2 ? y1 : y2 + 1, 1, std::abs(y2 - y1)), toQColor(c));
    }
}

// steps + 1 upright lines x + i from y to bottom, shading from a to b.
void shadeAcross(QPainter& p, ColorValue a, ColorValue b, int x, int y, int steps, int bottom) {
    for (int i = 0; i <= steps; ++i) {
        line(p, x + i, y, x + i, bottom, shadeLine(a, b, i, steps));
    }
}

// steps + 1 level lines y + i from x to right, shading from a to b.
void shadeDown(QPainter& p, ColorValue a, ColorValue b, int x, int y, int right, int steps) {
    for (int i = 0; i <= steps; ++i) {
        line(p, x, y + i, right, y + i, shadeLine(a, b, i, steps));
    }
}

// An etched frame: a sunken border round a raised one.
void etchedFrame(QPainter& p, QRect r) {
    const QColor shadow(160, 160, 160);
    const QColor highlight(255, 255, 255);
    for (const auto& [topLeft, bottomRight] : {std::pair{shadow, highlight}, {highlight, shadow}}) {
        if (r.width() <= 0 || r.height() <= 0) {
            return;
        }
        p.fillRect(QRect(r.left(), r.top(), r.width() - 1, 1), topLeft);
        p.fillRect(QRect(r.left(), r.top(), 1, r.height() - 1), topLeft);
        p.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), bottomRight);
        p.fillRect(QRect(r.right(), r.top(), 1, r.height()), bottomRight);
        r.adjust(1, 1, -1, -1);
    }
}

int roundToInt(double v) {
    return static_cast<int>(roundEven(v));
}

} // namespace

ProgressBar::ProgressBar(Look look, QWidget* parent) : QProgressBar(parent), look_(look) {
    // Every pixel is painted on each redraw.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setTextVisible(false);
    setRange(0, 100);
    setValue(0);
}

int ProgressBar::percent() const {
    return progressPercent(value(), maximum());
}

void ProgressBar::advanceTo(int value) {
    if (value == maximum() || progressPercent(value, maximum()) != percent()) {
        setValue(value);
    }
}

void ProgressBar::setColor(const QColor& color) {
    color_ = color;
    update();
}

void ProgressBar::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    if (look_ == Look::Etched) {
        paintEtched(p);
    } else {
        paintGlow(p);
    }
}

void ProgressBar::paintEtched(QPainter& p) const {
    const ColorValue c = fromQColor(color_);
    etchedFrame(p, rect());
    const int edge = roundToInt(static_cast<double>(width() - 4) * percent() / 100.0);
    shadeAcross(p, lighten(c, 140), lighten(c, 200), 2, 2, edge, height() - 3);
}

void ProgressBar::paintGlow(QPainter& p) const {
    const ColorValue c = fromQColor(color_);
    const int w = width();
    const int h = height();
    p.setPen(toQColor(kGlowLight));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    const int edge = roundToInt(static_cast<double>(w) * percent() / 101.0);
    shadeDown(p, c, kGlowLight, 2, 2, w - 2, h - 5);
    shadeDown(p, kGlowLight, c, 3, 3, edge, h - 6);
    line(p, edge, 2, edge, h - 2, kGlowLight);
}

} // namespace sv
