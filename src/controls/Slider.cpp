#include "controls/Slider.h"

#include "widgets/FocusFrame.h"
#include "widgets/QtColor.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <limits>

namespace sv {

namespace {

int buttonCode(Qt::MouseButton button) {
    switch (button) {
    case Qt::LeftButton:
        return kLeftButton;
    case Qt::RightButton:
        return kRightButton;
    case Qt::MiddleButton:
        return kMiddleButton;
    default:
        return 0;
    }
}

bool fitsInt16(int v) {
    return v >= std::numeric_limits<std::int16_t>::min() &&
           v <= std::numeric_limits<std::int16_t>::max();
}

} // namespace

namespace {

// Screen readers see a slider with its value and its range.
class SliderAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit SliderAccessible(Slider* s) : QAccessibleWidget(s, QAccessible::Slider) {}

    void* interface_cast(QAccessible::InterfaceType t) override {
        return t == QAccessible::ValueInterface ? static_cast<QAccessibleValueInterface*>(this)
                                                : QAccessibleWidget::interface_cast(t);
    }
    QVariant currentValue() const override { return slider()->value(); }
    void setCurrentValue(const QVariant& value) override { slider()->setValue(value.toInt()); }
    QVariant maximumValue() const override { return 255; }
    QVariant minimumValue() const override { return 0; }
    QVariant minimumStepSize() const override { return 1; }

private:
    Slider* slider() const { return static_cast<Slider*>(widget()); }
};

QAccessibleInterface* sliderAccessible(const QString& className, QObject* object) {
    if (className == QLatin1String("sv::Slider") && object != nullptr && object->isWidgetType()) {
        return new SliderAccessible(static_cast<Slider*>(object));
    }
    return nullptr;
}

} // namespace

Slider::Slider(QWidget* parent) : QWidget(parent), icon_(builtInIcon()) {
    static const bool registered = [] {
        QAccessible::installFactory(sliderAccessible);
        return true;
    }();
    Q_UNUSED(registered);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    model_.setThumbSize(icon_.width(), icon_.height());
}

QImage Slider::builtInIcon() {
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

void Slider::syncSize() const {
    if (model_.surfaceWidth() != width() || model_.surfaceHeight() != height()) {
        model_.resize(width(), height());
    }
}

void Slider::fitSize() {
    const auto [w, h] = model_.fittedSize(width(), height());
    if (w != width() || h != height()) {
        resize(w, h);
    }
    model_.resize(width(), height());
    update();
}

int Slider::value() const {
    syncSize();
    return model_.value();
}

void Slider::setValue(int v) {
    syncSize();
    const SliderEvents events = model_.setValue(v);
    if (!events.empty()) {
        update();
    }
    announce(events, 0);
}

void Slider::setHostField(QLineEdit* field) {
    host_ = field;
}

QLineEdit* Slider::hostField() const {
    return host_;
}

void Slider::setMax(int v) {
    if (fitsInt16(v)) {
        model_.setMax(static_cast<std::int16_t>(v));
    }
}

void Slider::setMin(int v) {
    if (fitsInt16(v)) {
        model_.setMin(static_cast<std::int16_t>(v));
    }
}

void Slider::setBackColor(int c) {
    model_.setBackColor(c);
    update();
}

void Slider::setForeColor(int c) {
    model_.setForeColor(c);
    update();
}

void Slider::setGradientStartColor(int c) {
    model_.setGradientStartColor(c);
    update();
}

void Slider::setGradientMidColor(int c) {
    model_.setGradientMidColor(c);
    update();
}

void Slider::setGradientEndColor(int c) {
    model_.setGradientEndColor(c);
    update();
}

void Slider::setOrientation(int o) {
    syncSize();
    model_.setOrientation(o);
    updateGeometry();
    fitSize();
}

void Slider::setSegmented(bool on) {
    model_.setSegmented(on);
    update();
}

void Slider::setSegmentSize(int size) {
    model_.setSegmentSize(size);
    update();
}

void Slider::setUseGradient(bool on) {
    model_.setUseGradient(on);
    update();
}

void Slider::setSliderIcon(const QImage& icon) {
    customIcon_ = !icon.isNull();
    icon_ = customIcon_ ? icon : builtInIcon();
    syncSize();
    model_.setThumbSize(icon_.width(), icon_.height());
    updateGeometry();
    fitSize();
}

QSize Slider::sizeHint() const {
    if (model_.orientation() == SliderModel::kVertical) {
        return {model_.thumbWidth(), 104};
    }
    return {135, model_.thumbHeight()};
}

void Slider::announce(const SliderEvents& events, int button) {
    // The value announced is the one this step reached, even if a handler changes it again.
    const int announced = model_.currentValue();
    for (const SliderEvent event : events) {
        switch (event) {
        case SliderEvent::Clicked:
            emit clicked();
            break;
        case SliderEvent::MinimumReached:
            emit minimumReached();
            break;
        case SliderEvent::MaximumReached:
            emit maximumReached();
            break;
        case SliderEvent::ValueUpdated:
            emit valueChanged(value());
            break;
        case SliderEvent::Pressed:
            emit pressed(button);
            break;
        case SliderEvent::Released:
            emit released(button);
            break;
        case SliderEvent::ToolTipChanged:
            setToolTip(QString::fromStdString(sliderToolTip(announced)));
            break;
        case SliderEvent::HostWrite:
            if (host_) {
                host_->setText(QString::number(model_.requestedValue()));
            }
            break;
        }
    }
}

QColor Slider::paintColor(ColorValue c) const {
    if (c == kButtonFace) {
        return palette().color(QPalette::Button);
    }
    if (c == kButtonText) {
        return palette().color(QPalette::ButtonText);
    }
    return toQColor(c);
}

void Slider::paintEvent(QPaintEvent*) {
    syncSize();
    QPainter p(this);
    p.fillRect(rect(), paintColor(model_.backColor()));

    const std::vector<ColorValue> lines = model_.fillLines();
    const int w = width();
    const int h = height();
    int i = 1;
    for (const ColorValue line : lines) {
        if (model_.orientation() == SliderModel::kHorizontal) {
            p.fillRect(QRect(i, 2, 1, h - 4), paintColor(line));
        } else {
            p.fillRect(QRect(2, h - i, w - 4, 1), paintColor(line));
        }
        ++i;
    }
    p.drawImage(QPoint(qRound(model_.thumbLeft()), qRound(model_.thumbTop())), icon_);
    if (hasFocus()) {
        drawFocusFrame(p, rect());
    }
}

void Slider::keyPressEvent(QKeyEvent* event) {
    // Each key acts as a drag released at the new value.
    const int v = requestedValue();
    int target = v;
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Down:
        target = v - 1;
        break;
    case Qt::Key_Right:
    case Qt::Key_Up:
        target = v + 1;
        break;
    case Qt::Key_PageDown:
        target = v - kPageStep;
        break;
    case Qt::Key_PageUp:
        target = v + kPageStep;
        break;
    case Qt::Key_Home:
        target = 0;
        break;
    case Qt::Key_End:
        target = SliderModel::kMaxValue;
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
    syncSize();
    announce(model_.setValue(std::clamp(target, 0, int(SliderModel::kMaxValue))), kLeftButton);
    update();
    announce({SliderEvent::HostWrite, SliderEvent::Released}, kLeftButton);
}

void Slider::resizeEvent(QResizeEvent*) {
    fitSize();
}

void Slider::mousePressEvent(QMouseEvent* event) {
    syncSize();
    const int button = buttonCode(event->button());
    const QPointF pos = event->position();
    const SliderEvents events =
        model_.press(button, static_cast<float>(pos.x()), static_cast<float>(pos.y()));
    update();
    announce(events, button);
}

void Slider::mouseMoveEvent(QMouseEvent* event) {
    if (!model_.dragging()) {
        return;
    }
    syncSize();
    const QPointF pos = event->position();
    const SliderEvents events =
        model_.move(static_cast<float>(pos.x()), static_cast<float>(pos.y()));
    update();
    announce(events, 0);
}

void Slider::mouseReleaseEvent(QMouseEvent* event) {
    syncSize();
    const int button = buttonCode(event->button());
    const QPointF pos = event->position();
    const SliderEvents events =
        model_.release(button, static_cast<float>(pos.x()), static_cast<float>(pos.y()));
    update();
    announce(events, button);
}

void setChannelColors(Slider& slider, ColorValue fill) {
    slider.setBackColor(0xE0E0E0);
    slider.setGradientStartColor(fill);
    slider.setGradientMidColor(fill);
    slider.setGradientEndColor(fill);
    slider.setForeColor(fill);
    slider.setUseGradient(true);
}

} // namespace sv
