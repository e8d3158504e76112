#include "dialogs/MaskChoice.h"

#include "palette/MaskPictures.h"
#include "widgets/Artwork.h"
#include "widgets/FocusFrame.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace sv {

namespace {

// Read as a radio button, checked while it is the chosen mask; pressing it chooses it.
class MaskChoiceAccessible : public QAccessibleWidget {
public:
    explicit MaskChoiceAccessible(MaskChoice* choice)
        : QAccessibleWidget(choice, QAccessible::RadioButton) {}
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.checkable = true;
        s.checked = choice()->bordered();
        return s;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& name) override {
        if (name == pressAction()) {
            emit choice()->clicked(choice()->mask());
        }
    }

private:
    MaskChoice* choice() const { return static_cast<MaskChoice*>(widget()); }
};

QAccessibleInterface* maskChoiceAccessible(const QString& className, QObject* object) {
    return className == QLatin1String("sv::MaskChoice")
               ? new MaskChoiceAccessible(static_cast<MaskChoice*>(object))
               : nullptr;
}

} // namespace

MaskChoice::MaskChoice(SwatchMask mask, QWidget* parent)
    : QWidget(parent), mask_(mask), picture_(maskPicture(mask)) {
    QAccessible::installFactory(maskChoiceAccessible); // a second install is ignored
    setFixedSize(sizeHint());
    setCursor(appCursor(AppCursor::PointingHand));
    setFocusPolicy(Qt::TabFocus);
    setAccessibleName(tr("Mask %1").arg(static_cast<int>(mask)));
}

void MaskChoice::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space || event->key() == Qt::Key_Return ||
        event->key() == Qt::Key_Enter) {
        emit clicked(mask_);
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

void MaskChoice::setBordered(bool on) {
    if (bordered_ != on) {
        bordered_ = on;
        update();
        QAccessible::State changed;
        changed.checked = true;
        QAccessibleStateChangeEvent event(this, changed);
        QAccessible::updateAccessibility(&event);
    }
}

void MaskChoice::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawImage(QPoint(1, 1), picture_);
    if (bordered_) {
        p.setPen(QPen(Qt::black, 0));
        p.setBrush(Qt::NoBrush);
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
    if (hasFocus()) {
        drawFocusFrame(p, rect());
    }
}

void MaskChoice::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit clicked(mask_);
    }
}

} // namespace sv
