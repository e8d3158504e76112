#include "widgets/StripAccessible.h"

#include "widgets/ColorBox.h"

#include <QAccessibleWidget>

namespace sv {

namespace {

class StripAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    StripAccessible(QWidget* widget, const WalkableStrip& strip)
        : QAccessibleWidget(widget, QAccessible::Slider), strip_(strip) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::ValueInterface ? static_cast<QAccessibleValueInterface*>(this)
                                                   : QAccessibleWidget::interface_cast(type);
    }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Description) {
            const auto c = strip_.stripColor();
            return c ? colorText(*c) : QString();
        }
        return QAccessibleWidget::text(t);
    }

    QVariant currentValue() const override { return strip_.stripPlace(); }
    void setCurrentValue(const QVariant&) override {} // moved by its keys only
    QVariant maximumValue() const override { return strip_.lastStripPlace(); }
    QVariant minimumValue() const override { return 0; }
    QVariant minimumStepSize() const override { return 1; }

private:
    const WalkableStrip& strip_;
};

QAccessibleInterface* stripFactory(const QString&, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    const auto* strip = dynamic_cast<const WalkableStrip*>(object);
    return widget != nullptr && strip != nullptr ? new StripAccessible(widget, *strip) : nullptr;
}

} // namespace

void installStripAccessibility() {
    QAccessible::installFactory(stripFactory); // a second install is ignored
}

void stripPlaceMoved(QWidget* strip) {
    const auto* walkable = dynamic_cast<const WalkableStrip*>(strip);
    if (walkable == nullptr) {
        return;
    }
    QAccessibleValueChangeEvent moved(strip, walkable->stripPlace());
    QAccessible::updateAccessibility(&moved);
    QAccessibleEvent described(strip, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&described);
}

} // namespace sv
