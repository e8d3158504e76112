#include "widgets/SMButton.h"

#include <QPainter>

namespace sv {

SMButton::SMButton(const QString& objectName, QWidget* parent) : QAbstractButton(parent) {
    setObjectName(objectName);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::NoFocus);
}

QSize SMButton::sizeHint() const {
    return {48, 24};
}

void SMButton::enterEvent(QEnterEvent* event) {
    hovered_ = true;
    update();
    QAbstractButton::enterEvent(event);
}

void SMButton::leaveEvent(QEvent* event) {
    hovered_ = false;
    update();
    QAbstractButton::leaveEvent(event);
}

void SMButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRect r = rect().adjusted(0, 0, -1, -1);
    const bool down = isDown();
    QColor face = isEnabled() ? QColor(0xEC, 0xEC, 0xEC) : QColor(0xD8, 0xD8, 0xD8);
    if (hovered_ && isEnabled()) {
        face = QColor(0xDD, 0xE8, 0xF6);
    }
    p.fillRect(r, down ? face.darker(110) : face);
    p.setPen(hovered_ ? QColor(0x5A, 0x7E, 0xB0) : QColor(0xA0, 0xA0, 0xA0));
    p.drawRect(r);
    const QRect inner = r.adjusted(2, 2, -1, -1).translated(down ? 1 : 0, down ? 1 : 0);
    if (!icon().isNull()) {
        const QSize s = iconSize().boundedTo(inner.size());
        icon().paint(&p, QRect(inner.center() - QPoint(s.width() / 2, s.height() / 2), s),
                     Qt::AlignCenter, isEnabled() ? QIcon::Normal : QIcon::Disabled);
    } else {
        p.setPen(isEnabled() ? QColor(0x20, 0x20, 0x20) : QColor(0x90, 0x90, 0x90));
        p.drawText(inner, Qt::AlignCenter, text());
    }
}

} // namespace sv
