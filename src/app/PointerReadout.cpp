#include "app/PointerReadout.h"

#include "widgets/PointerMotionWatcher.h"
#include "widgets/ScreenReader.h"

namespace sv {

PointerReadout::PointerReadout(ScreenReader& screen, QWidget* parent, QPoint pos,
                               PointerMotionWatcher* watcher)
    : QObject(parent), screen_(screen), x_(new ShadowLabel(parent, QStringLiteral("0"))),
      y_(new ShadowLabel(parent, QStringLiteral("0"))), watched_(watcher != nullptr) {
    x_->move(pos);
    y_->move(yTarget());
    timer_.setInterval(kIntervalMs);
    connect(&timer_, &QTimer::timeout, this, &PointerReadout::tick);
    if (watcher != nullptr) {
        connect(watcher, &PointerMotionWatcher::moved, this, &PointerReadout::pointerMoved);
    }
    timer_.start();
}

QPoint PointerReadout::yTarget() const {
    // Right after the dark text; the shadow's extra pixel does not count.
    return {x_->x() + x_->width() - 1, x_->y()};
}

void PointerReadout::pointerMoved() {
    moved_ = true;
    if (isResting()) {
        timer_.start(kIntervalMs);
    }
}

void PointerReadout::follow(ScreenReader* screen) {
    followed_ = screen;
    pointerMoved();
    tick();
}

void PointerReadout::tick() {
    // The Y pair is placed before the captions change, so it follows the width the X text had
    // at the previous tick and settles one tick after the X text changed width.
    const QPoint yPos = yTarget();
    if (y_->pos() != yPos) {
        y_->move(yPos);
    } else if (watched_ && !moved_ && !isResting()) {
        timer_.setInterval(kRestingIntervalMs);
    }
    moved_ = false;
    const ScreenReader& screen = followed_ != nullptr ? *followed_ : screen_;
    if (!screen.knowsPointer()) {
        return; // the last place shown stands until the place is known
    }
    const QPoint pointer = screen.cursorPos();
    x_->setCaption(QStringLiteral("X=%1").arg(pointer.x()));
    y_->setCaption(QStringLiteral("Y=%1").arg(pointer.y()));
}

} // namespace sv
