#include "widgets/ColorBox.h"

#include "widgets/QtColor.h"

#include <QMouseEvent>
#include <QPainter>

namespace sv {

ColorBox::ColorBox(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
}

void ColorBox::setBackColor(ColorValue c) {
    if (c == backColor_) {
        return;
    }
    backColor_ = c;
    update();
}

void ColorBox::setPicture(const QImage& image) {
    picture_ = image;
    update();
}

QColor ColorBox::paintColor() const {
    return paintedColor(backColor_, palette());
}

bool ColorBox::event(QEvent* event) {
    if (event->type() == QEvent::ToolTipChange &&
        (nameFromToolTip_ || accessibleName().isEmpty())) {
        nameFromToolTip_ = true;
        setAccessibleName(toolTip().trimmed());
    }
    return QWidget::event(event);
}

void ColorBox::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), paintColor());
    if (!picture_.isNull()) {
        p.drawImage(0, 0, picture_);
    }
}

void ColorBox::mousePressEvent(QMouseEvent* event) {
    emit pressed(event->button(), event->position().toPoint());
}

void ColorBox::mouseReleaseEvent(QMouseEvent* event) {
    emit released(event->button(), event->position().toPoint());
}

void ColorBox::mouseMoveEvent(QMouseEvent* event) {
    emit moved(event->position().toPoint());
}

} // namespace sv
