#include "widgets/ColorPicture.h"

#include "widgets/QtColor.h"

#include <QMouseEvent>
#include <QPainter>

namespace sv {

ColorPicture::ColorPicture(const QString& objectName, QWidget* parent) : QWidget(parent) {
    setObjectName(objectName);
    setMouseTracking(true);
}

void ColorPicture::setBackColor(ColorValue c) {
    if (c == backColor_) {
        return;
    }
    backColor_ = c;
    update();
}

void ColorPicture::setPicture(const QImage& image) {
    picture_ = image;
    update();
}

void ColorPicture::paintEvent(QPaintEvent*) {
    QPainter p(this);
    // The system button face stands for "no colour" wherever the design uses it.
    p.fillRect(rect(), backColor_ == kButtonFace ? palette().color(QPalette::Button)
                                                 : toQColor(backColor_));
    if (!picture_.isNull()) {
        p.drawImage(0, 0, picture_);
    }
}

void ColorPicture::mousePressEvent(QMouseEvent* event) {
    emit pressed(event->button(), event->position().toPoint());
}

void ColorPicture::mouseReleaseEvent(QMouseEvent* event) {
    emit released(event->button(), event->position().toPoint());
}

void ColorPicture::mouseMoveEvent(QMouseEvent* event) {
    emit moved(event->position().toPoint());
}

} // namespace sv
