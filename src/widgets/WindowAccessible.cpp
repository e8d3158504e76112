#include "widgets/WindowAccessible.h"

#include <QAccessibleWidget>
#include <QMenu>

namespace sv {

namespace {

class WindowAccessible : public QAccessibleWidget {
public:
    explicit WindowAccessible(QWidget* window) : QAccessibleWidget(window) {}

    int childCount() const override {
        return QAccessibleWidget::childCount() + static_cast<int>(openMenus().size());
    }
    QAccessibleInterface* child(int index) const override {
        const int own = QAccessibleWidget::childCount();
        if (index < own) {
            return QAccessibleWidget::child(index);
        }
        const QList<QMenu*> menus = openMenus();
        return index - own < menus.size()
                   ? QAccessible::queryAccessibleInterface(menus[index - own])
                   : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        const int own = QAccessibleWidget::indexOfChild(child);
        if (own >= 0 || child == nullptr) {
            return own;
        }
        const auto at = openMenus().indexOf(qobject_cast<QMenu*>(child->object()));
        return at < 0 ? -1 : QAccessibleWidget::childCount() + static_cast<int>(at);
    }

private:
    QList<QMenu*> openMenus() const {
        QList<QMenu*> menus = widget()->findChildren<QMenu*>(Qt::FindDirectChildrenOnly);
        menus.removeIf([](const QMenu* m) { return !m->isVisible(); });
        return menus;
    }
};

QAccessibleInterface* windowFactory(const QString& className, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget == nullptr || !widget->isWindow() || widget->windowType() == Qt::Popup ||
        !className.startsWith(QLatin1String("sv::"))) {
        return nullptr;
    }
    return new WindowAccessible(widget);
}

} // namespace

void installWindowAccessibility() {
    QAccessible::installFactory(windowFactory); // a second install is ignored
}

} // namespace sv
