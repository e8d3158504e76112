#include "gradient/GradientStrip.h"

#include "color/Numeric.h"
#include "widgets/Artwork.h"
#include "widgets/QtColor.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace sv {

GradientStrip::GradientStrip(const QString& objectName, QWidget* parent) : QWidget(parent) {
    setObjectName(objectName);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void GradientStrip::setBackColor(ColorValue c) {
    backColor_ = c;
    rowDirty_ = true;
    update();
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
    return x < columns_.size() ? columns_[x] : backColor_;
}

void GradientStrip::paintEvent(QPaintEvent*) {
    const int w = width();
    if (rowDirty_ || row_.width() != w) {
        row_ = QImage(std::max(w, 1), 1, QImage::Format_RGB32);
        auto* line = reinterpret_cast<QRgb*>(row_.scanLine(0));
        for (int x = 0; x < row_.width(); ++x) {
            const auto k = static_cast<std::size_t>(x);
            line[x] = toQColor(k < columns_.size() ? columns_[k] : backColor_).rgb();
        }
        rowDirty_ = false;
    }
    QPainter p(this);
    p.drawImage(QRect(0, 0, w, height()), row_);
}

void GradientStrip::mousePressEvent(QMouseEvent* event) {
    emit pressed(event->button(), event->position().toPoint());
}

void GradientStrip::mouseMoveEvent(QMouseEvent* event) {
    // The pointing hand is set again on every move.
    setCursor(appCursor(AppCursor::Hand101));
    emit moved(event->position().toPoint());
}

} // namespace sv
