#include "app/PointerReadout.h"

#include "widgets/ScreenReader.h"

namespace sv {

PointerReadout::PointerReadout(ScreenReader& screen, QWidget* parent, QPoint pos)
    : QObject(parent), screen_(screen), x_(parent, QStringLiteral("0")),
      y_(parent, QStringLiteral("0")) {
    x_.move(pos);
    y_.move({pos.x() + x_.front->width(), pos.y()});
    timer_.setInterval(kIntervalMs);
    connect(&timer_, &QTimer::timeout, this, &PointerReadout::tick);
    timer_.start();
}

void PointerReadout::tick() {
    const QPoint pointer = screen_.cursorPos();
    // The Y pair is placed before the captions change, so it follows the width the X text had
    // at the previous tick and settles one tick after the X text changed width.
    const QPoint xPos = x_.front->pos();
    const QPoint yPos(xPos.x() + x_.front->width(), xPos.y());
    if (y_.front->pos() != yPos) {
        y_.move(yPos);
    }
    x_.setText(QStringLiteral("X=%1").arg(pointer.x()));
    y_.setText(QStringLiteral("Y=%1").arg(pointer.y()));
}

} // namespace sv
