#include "dialogs/MaskChoice.h"

#include "widgets/Artwork.h"

#include <QMouseEvent>
#include <QPainter>

namespace sv {

MaskChoice::MaskChoice(SwatchMask mask, QWidget* parent)
    : QWidget(parent), mask_(mask), picture_(maskPicture(mask)) {
    setFixedSize(sizeHint());
    setCursor(appCursor(AppCursor::Hand101));
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
}

void MaskChoice::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit clicked(mask_);
    }
}

} // namespace sv
