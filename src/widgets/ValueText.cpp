#include "widgets/ValueText.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPainter>

namespace sv {

namespace {

class ValueTextAccessible : public QAccessibleWidget {
public:
    explicit ValueTextAccessible(ValueText* line)
        : QAccessibleWidget(line, QAccessible::StaticText) {}
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value) {
            return static_cast<ValueText*>(widget())->text();
        }
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* valueTextAccessible(const QString& className, QObject* object) {
    return className == QLatin1String("sv::ValueText")
               ? new ValueTextAccessible(static_cast<ValueText*>(object))
               : nullptr;
}

constexpr int kPadding = 4;

} // namespace

ValueText::ValueText(const QString& name, int characters, QWidget* parent) : QWidget(parent) {
    QAccessible::installFactory(valueTextAccessible);
    setAccessibleName(name);
    setFixedSize(fontMetrics().horizontalAdvance(QString(characters, u'0')) + 2 * kPadding,
                 fontMetrics().height() + 2 * kPadding);
}

void ValueText::setText(const QString& text) {
    if (text == text_) {
        return;
    }
    text_ = text;
    update();
    if (QAccessible::isActive()) {
        QAccessibleValueChangeEvent changed(this, text_);
        QAccessible::updateAccessibility(&changed);
    }
}

void ValueText::setColors(const QColor& text, const QColor& back) {
    if (text == textColor_ && back == backColor_) {
        return;
    }
    textColor_ = text;
    backColor_ = back;
    setAttribute(Qt::WA_OpaquePaintEvent, back.isValid());
    update();
}

void ValueText::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (backColor_.isValid()) {
        p.fillRect(rect(), backColor_);
    }
    p.setPen(textColor_.isValid() ? textColor_ : palette().color(QPalette::WindowText));
    p.drawText(rect().adjusted(kPadding, 0, -kPadding, 0), Qt::AlignLeft | Qt::AlignVCenter, text_);
}

} // namespace sv
