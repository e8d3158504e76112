#include "dialogs/MaskChoice.h"

#include "widgets/Artwork.h"
#include "widgets/FocusFrame.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace sv {

MaskChoice::MaskChoice(SwatchMask mask, QWidget* parent)
    : QWidget(parent), mask_(mask), picture_(maskPicture(mask)) {
    setFixedSize(sizeHint());
    setCursor(appCursor(AppCursor::Hand101));
    setFocusPolicy(Qt::TabFocus);
    setAccessibleName(tr("Mask %1").arg(static_cast<int>(mask)));
}

void MaskChoice::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space || event->key() == Qt::Key_Return ||
        event->key() == Qt::Key_Enter) {
        emit clicked(mask_);
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

void MaskChoice::setBordered(bool on) {
    if (bordered_ != on) {
        bordered_ = on;
        update();
    }
}

void MaskChoice::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawImage(QPoint(1, 1), picture_);
    if (bordered_) {
        p.setPen(QPen(Qt::black, 0));
        p.setBrush(Qt::NoBrush);
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
    if (hasFocus()) {
        drawFocusFrame(p, rect());
    }
}

void MaskChoice::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit clicked(mask_);
    }
}

} // namespace sv
