#include "controls/Slider.h"

#include "controls/SliderMath.h"
#include "widgets/FocusFrame.h"
#include "widgets/QtColor.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace sv {

Slider::Slider(Qt::Orientation orientation, QWidget* parent)
    : QAbstractSlider(parent), thumb_(builtInThumb()) {
    setOrientation(orientation);
    setRange(0, kSliderMaximum);
    setPageStep(kPageStep);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    setToolTip(QString::fromStdString(sliderToolTip(value())));
}

QImage Slider::builtInThumb() {
    static const QImage thumb = paintBuiltInThumb(); // shared by every slider
    return thumb;
}

QImage Slider::paintBuiltInThumb() {
    // A raised round knob with a small grip, lit from the top left.
    QImage image(16, 16, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient body(0, 0, 16, 16);
    body.setColorAt(0.0, QColor(250, 250, 250));
    body.setColorAt(1.0, QColor(150, 150, 150));
    p.setPen(QPen(QColor(70, 70, 70), 1.0));
    p.setBrush(body);
    p.drawRoundedRect(QRectF(1.5, 1.5, 13, 13), 4, 4);
    p.setPen(QPen(QColor(90, 90, 90), 1.0));
    for (int x : {6, 8, 10}) {
        p.drawLine(QPointF(x + 0.5, 5), QPointF(x + 0.5, 11));
    }
    return image;
}

void Slider::sliderChange(SliderChange change) {
    if (change == SliderValueChange) {
        setToolTip(QString::fromStdString(sliderToolTip(value())));
    }
    QAbstractSlider::sliderChange(change);
}

void Slider::setTrackColor(const QColor& color) {
    trackColor_ = color;
    update();
}

void Slider::setFillStartColor(const QColor& color) {
    fillColors_[0] = color;
    update();
}

void Slider::setFillMiddleColor(const QColor& color) {
    fillColors_[1] = color;
    update();
}

void Slider::setFillEndColor(const QColor& color) {
    fillColors_[2] = color;
    update();
}

void Slider::setFillColor(const QColor& color) {
    std::fill(std::begin(fillColors_), std::end(fillColors_), color);
    update();
}

void Slider::setSegmented(bool on) {
    segmented_ = on;
    update();
}

void Slider::setSegmentSize(int size) {
    segmentSize_ = std::clamp(size, 2, 5);
    update();
}

void Slider::setThumb(const QImage& thumb) {
    thumb_ = thumb.isNull() ? builtInThumb() : thumb;
    updateGeometry();
    update();
}

QSize Slider::sizeHint() const {
    if (orientation() == Qt::Vertical) {
        return {thumb_.width(), 104};
    }
    return {135, thumb_.height()};
}

float Slider::track() const {
    // A slider smaller than its thumb has no track to move along.
    const int length =
        orientation() == Qt::Vertical ? height() - thumb_.height() : width() - thumb_.width();
    return static_cast<float>(std::max(length, 0));
}

QPoint Slider::thumbTopLeft() const {
    const float offset = sliderThumbOffset(value(), track());
    if (orientation() == Qt::Vertical) {
        return {0, qRound(track() - offset)};
    }
    return {qRound(offset), 0};
}

SliderFill Slider::fill() const {
    const QColor track = trackColor_.isValid() ? trackColor_ : palette().color(QPalette::Button);
    auto fillColor = [this](const QColor& c) {
        return fromQColor(c.isValid() ? c : palette().color(QPalette::ButtonText));
    };
    return {fillColor(fillColors_[0]), fillColor(fillColors_[1]), fillColor(fillColors_[2]),
            segmented_ ? segmentSize_ : 0, fromQColor(track)};
}

void Slider::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const SliderFill colors = fill();
    p.fillRect(rect(), toQColor(colors.gap));
    const bool vertical = orientation() == Qt::Vertical;
    const std::vector<ColorValue> lines =
        sliderFillLines(value(), vertical ? height() : width(), colors);
    // Line i is column i across the track's middle, or row H − i upwards.
    int i = 1;
    for (const ColorValue line : lines) {
        const QRect r =
            vertical ? QRect(2, height() - i, width() - 4, 1) : QRect(i, 2, 1, height() - 4);
        p.fillRect(r, toQColor(line));
        ++i;
    }
    p.drawImage(thumbTopLeft(), thumb_);
    if (hasFocus()) {
        drawFocusFrame(p, rect());
    }
}

void Slider::dragTo(QPointF pos) {
    const float t = track();
    float offset = 0.0f;
    if (orientation() == Qt::Vertical) {
        const float top = std::clamp(static_cast<float>(pos.y() - grab_.y()), 0.0f, t);
        offset = t - top;
    } else {
        offset = std::clamp(static_cast<float>(pos.x() - grab_.x()), 0.0f, t);
    }
    setSliderPosition(sliderValueAt(offset, t));
}

void Slider::mousePressEvent(QMouseEvent* event) {
    event->accept(); // no press falls through to the window behind
    if (event->button() != Qt::LeftButton) {
        return;
    }
    dragging_ = true;
    const QRect thumbRect(thumbTopLeft(), thumb_.size());
    const QPointF pos = event->position();
    if (thumbRect.contains(pos.toPoint())) {
        grab_ = pos - thumbRect.topLeft();
    } else {
        // The thumb jumps to centre on the press point and follows from there.
        grab_ = QPointF(thumb_.width() / 2.0, thumb_.height() / 2.0);
        dragTo(pos);
    }
    setSliderDown(true);
}

void Slider::mouseMoveEvent(QMouseEvent* event) {
    if (dragging_) {
        dragTo(event->position());
    }
}

void Slider::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    if (event->button() == Qt::LeftButton && dragging_) {
        dragging_ = false;
        setSliderDown(false);
        emit valueChosen(value());
    }
}

void Slider::keyPressEvent(QKeyEvent* event) {
    QAbstractSlider::keyPressEvent(event);
    const bool step = event->key() == Qt::Key_Left || event->key() == Qt::Key_Right ||
                      event->key() == Qt::Key_Up || event->key() == Qt::Key_Down ||
                      event->key() == Qt::Key_PageUp || event->key() == Qt::Key_PageDown ||
                      event->key() == Qt::Key_Home || event->key() == Qt::Key_End;
    if (step && event->isAccepted()) {
        emit valueChosen(value());
    }
}

void Slider::wheelEvent(QWheelEvent* event) {
    event->ignore();
}

void setChannelColors(Slider& slider, const QColor& fill) {
    slider.setTrackColor(QColor(0xE0, 0xE0, 0xE0));
    slider.setFillColor(fill);
}

} // namespace sv
