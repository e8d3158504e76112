#include "gradient/GradientStrip.h"

#include "color/Numeric.h"
#include "widgets/Artwork.h"
#include "widgets/FocusFrame.h"
#include "widgets/QtColor.h"

#include <QKeyEvent>
#include <QPainter>

#include <algorithm>

namespace sv {

GradientStrip::GradientStrip(QWidget* parent) : ColorBox(parent) {
    installStripAccessibility();
    setAttribute(Qt::WA_OpaquePaintEvent);
    setCursor(appCursor(AppCursor::PointingHand));
    setFocusPolicy(Qt::StrongFocus);
}

void GradientStrip::setColumns(std::vector<ColorValue> columns) {
    columns_ = std::move(columns);
    rowDirty_ = true;
    update();
}

float GradientStrip::widthTwips() const {
    return static_cast<float>(width() * kTwipsPerPixel);
}

std::optional<ColorValue> GradientStrip::colorAt(QPoint pos) const {
    if (!rect().contains(pos)) {
        return std::nullopt;
    }
    const auto x = static_cast<std::size_t>(pos.x());
    return x < columns_.size() ? columns_[x] : backColor();
}

void GradientStrip::paintEvent(QPaintEvent*) {
    const int w = width();
    if (rowDirty_ || row_.width() != w || rowBackground_ != backColor()) {
        row_ = QImage(std::max(w, 1), 1, QImage::Format_RGB32);
        auto* line = reinterpret_cast<QRgb*>(row_.scanLine(0));
        for (int x = 0; x < row_.width(); ++x) {
            const auto k = static_cast<std::size_t>(x);
            line[x] = toQColor(k < columns_.size() ? columns_[k] : backColor()).rgb();
        }
        rowDirty_ = false;
        rowBackground_ = backColor();
    }
    QPainter p(this);
    p.drawImage(QRect(0, 0, w, height()), row_);
    if (hasFocus()) {
        drawFocusFrame(p, QRect(focusColumn_ - 2, 0, 5, height()));
    }
}

std::optional<ColorValue> GradientStrip::stripColor() const {
    return colorAt(QPoint(focusColumn_, height() / 2));
}

void GradientStrip::keyPressEvent(QKeyEvent* event) {
    const int last = lastStripPlace();
    int column = focusColumn_;
    switch (event->key()) {
    case Qt::Key_Left:
        --column;
        break;
    case Qt::Key_Right:
        ++column;
        break;
    case Qt::Key_PageDown:
        column -= 16;
        break;
    case Qt::Key_PageUp:
        column += 16;
        break;
    case Qt::Key_Home:
        column = 0;
        break;
    case Qt::Key_End:
        column = last;
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        emit pressed(Qt::LeftButton, QPoint(focusColumn_, height() / 2));
        return;
    default:
        ColorBox::keyPressEvent(event);
        return;
    }
    focusColumn_ = std::clamp(column, 0, last);
    update();
    stripPlaceMoved(this);
}

} // namespace sv
