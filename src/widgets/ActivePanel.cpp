#include "widgets/ActivePanel.h"

#include <QMouseEvent>

namespace sv {

ActivePanel::ActivePanel(const QString& objectName, QWidget* parent) : QFrame(parent) {
    setObjectName(objectName);
    setFrameShape(QFrame::StyledPanel);
    setFrameShadow(QFrame::Raised);
    setAutoFillBackground(true);
}

void ActivePanel::mousePressEvent(QMouseEvent* event) {
    emit mouseDown(event->button());
    if (movable_ && event->button() == Qt::LeftButton && parentWidget() != nullptr) {
        dragging_ = true;
        grabOffset_ = event->position().toPoint();
    }
}

void ActivePanel::mouseMoveEvent(QMouseEvent* event) {
    if (!dragging_) {
        return;
    }
    const QPoint inParent = mapToParent(event->position().toPoint()) - grabOffset_;
    move(inParent);
}

void ActivePanel::mouseReleaseEvent(QMouseEvent*) {
    dragging_ = false;
}

} // namespace sv
