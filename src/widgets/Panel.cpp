#include "widgets/Panel.h"

#include <QMouseEvent>

namespace sv {

Panel::Panel(QWidget* parent) : QFrame(parent) {
    setFrameShape(QFrame::StyledPanel);
    setFrameShadow(QFrame::Raised);
    setAutoFillBackground(true);
}

void Panel::mousePressEvent(QMouseEvent* event) {
    if (movable_ && parentWidget() != nullptr) {
        dragging_ = true;
        grabOffset_ = event->position().toPoint();
    }
}

void Panel::mouseMoveEvent(QMouseEvent* event) {
    if (dragging_) {
        move(mapToParent(event->position().toPoint()) - grabOffset_);
    }
}

void Panel::mouseReleaseEvent(QMouseEvent* event) {
    // The drag lasts while any button is still held.
    dragging_ = dragging_ && event->buttons() != Qt::NoButton;
}

} // namespace sv
