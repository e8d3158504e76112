#pragma once
// The frame that shows a keyboard user which cell or control has the focus: black outside,
// white inside, so it stands out on any colour the cell may hold.

#include <QPainter>
#include <QRect>

namespace sv {

inline void drawFocusFrame(QPainter& p, const QRect& r) {
    p.save();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::black, 1));
    p.drawRect(r.adjusted(0, 0, -1, -1));
    p.setPen(QPen(Qt::white, 1));
    p.drawRect(r.adjusted(1, 1, -2, -2));
    p.restore();
}

} // namespace sv
