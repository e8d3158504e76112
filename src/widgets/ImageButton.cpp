#include "widgets/ImageButton.h"

#include "widgets/PlainText.h"

#include <algorithm>

#include <QKeyEvent>
#include <QPainter>

namespace sv {

namespace {

constexpr int kTextMargin = 2;             // pixels between the caption and the frame's inside
constexpr double kSmallestPointSize = 6.0; // a caption is never drawn smaller

} // namespace

ImageButton::ImageButton(QWidget* parent) : QAbstractButton(parent) {
    setCursor(Qt::PointingHandCursor);
    // Tab reaches it, a click does not take the focus from the field the user is in.
    setFocusPolicy(Qt::TabFocus);
}

void ImageButton::keyPressEvent(QKeyEvent* event) {
    // Space is the button's own key; Enter presses it too.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        animateClick();
        event->accept();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}

bool ImageButton::event(QEvent* event) {
    if (event->type() == QEvent::ToolTipChange) {
        setAccessibleName(toolTipText(toolTip()).trimmed());
    }
    return QAbstractButton::event(event);
}

QSize ImageButton::sizeHint() const {
    // As wide as its caption needs, with a little room either side.
    const int textWidth = text().isEmpty() ? 0 : fontMetrics().horizontalAdvance(text()) + 12;
    return {std::max(24, textWidth), 24};
}

void ImageButton::enterEvent(QEnterEvent* event) {
    hovered_ = true;
    update();
    QAbstractButton::enterEvent(event);
}

void ImageButton::leaveEvent(QEvent* event) {
    hovered_ = false;
    update();
    QAbstractButton::leaveEvent(event);
}

void ImageButton::setPictures(const QImage& normal, const QImage& hover, const QImage& checked,
                              const QColor& back) {
    normal_ = normal;
    hover_ = hover;
    checked_ = checked;
    back_ = back;
    update();
}

void ImageButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (!normal_.isNull()) {
        const QImage& shown = isChecked() && !checked_.isNull() ? checked_
                              : hovered_ && !hover_.isNull()    ? hover_
                                                                : normal_;
        p.fillRect(rect(), back_);
        p.drawImage(0, 0, shown);
        return;
    }
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
    if (hasFocus()) {
        QPen focus(QColor(0x2A, 0x5C, 0xA8), 1, Qt::DotLine);
        p.setPen(focus);
        p.drawRect(r.adjusted(2, 2, -2, -2));
    }
    if (!icon().isNull()) {
        const QSize s = iconSize().boundedTo(inner.size());
        icon().paint(&p, QRect(inner.center() - QPoint(s.width() / 2, s.height() / 2), s),
                     Qt::AlignCenter, isEnabled() ? QIcon::Normal : QIcon::Disabled);
    } else {
        // A caption wider than the button (a longer word in another language) is drawn
        // smaller rather than cut or pressed against the frame.
        QFont fitted = font();
        while (QFontMetrics(fitted).horizontalAdvance(text()) > inner.width() - 2 * kTextMargin &&
               fitted.pointSizeF() > kSmallestPointSize) {
            fitted.setPointSizeF(fitted.pointSizeF() - 0.5);
        }
        p.setFont(fitted);
        p.setPen(isEnabled() ? QColor(0x20, 0x20, 0x20) : QColor(0x90, 0x90, 0x90));
        p.drawText(inner, Qt::AlignCenter, text());
    }
}

} // namespace sv
