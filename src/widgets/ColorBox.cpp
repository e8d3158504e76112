#include "widgets/ColorBox.h"

#include "widgets/QtColor.h"

#include <QAccessibleWidget>
#include <QMouseEvent>
#include <QPainter>

namespace sv {

namespace {

// Read as an image named by the box's name and described by its colour ("#0A5A5A"), so a
// screen reader can tell the current and the last colour.
class ColorBoxAccessible : public QAccessibleWidget {
public:
    explicit ColorBoxAccessible(ColorBox* box) : QAccessibleWidget(box, QAccessible::Graphic) {}
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Description || t == QAccessible::Value) {
            return colorText(static_cast<ColorBox*>(widget())->backColor());
        }
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* colorBoxAccessible(const QString& className, QObject* object) {
    return className == QLatin1String("sv::ColorBox")
               ? new ColorBoxAccessible(static_cast<ColorBox*>(object))
               : nullptr;
}

} // namespace

QString colorText(ColorValue c) {
    return QLatin1Char('#') + QString::fromStdString(toRgbHex(c));
}

ColorBox::ColorBox(QWidget* parent) : QWidget(parent) {
    QAccessible::installFactory(colorBoxAccessible); // a second install is ignored
    setMouseTracking(true);
}

void ColorBox::setBackColor(ColorValue c) {
    if (c == backColor_) {
        return;
    }
    backColor_ = c;
    update();
    QAccessibleEvent changed(this, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&changed);
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
