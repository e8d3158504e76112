#include "widgets/ColorChip.h"

#include "widgets/DragColor.h"
#include "widgets/FocusFrame.h"
#include "widgets/QtColor.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QDrag>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

namespace sv {

namespace {

// A button to screen readers, named by what it offers; Press chooses the colour.
class ColorChipAccessible : public QAccessibleWidget {
public:
    explicit ColorChipAccessible(ColorChip* chip) : QAccessibleWidget(chip, QAccessible::Button) {}
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) {
            return static_cast<ColorChip*>(widget())->name();
        }
        return QAccessibleWidget::text(t);
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& name) override {
        if (name == pressAction() && widget()->isEnabled()) {
            static_cast<ColorChip*>(widget())->choose();
        }
    }
};

QAccessibleInterface* colorChipAccessible(const QString& className, QObject* object) {
    return className == QLatin1String("sv::ColorChip")
               ? new ColorChipAccessible(static_cast<ColorChip*>(object))
               : nullptr;
}

} // namespace

ColorChip::ColorChip(QWidget* parent) : ColorBox(parent) {
    QAccessible::installFactory(colorChipAccessible);
    setFocusPolicy(Qt::StrongFocus);
    setFixedSize(22, 22);
    setCursor(Qt::PointingHandCursor);
    // It covers its whole place: what lies beneath need not be painted first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ColorChip::showColor(ColorValue c, const QString& what) {
    if (c == backColor() && what == what_ && !clear_) {
        return;
    }
    if (std::exchange(clear_, false)) {
        setEnabled(true);
        setAttribute(Qt::WA_OpaquePaintEvent);
        update();
    }
    what_ = what;
    setBackColor(c);
    if (QAccessible::isActive()) {
        QAccessibleEvent renamed(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&renamed);
    }
}

QString ColorChip::name() const {
    return clear_ ? QString() : what_ + QStringLiteral(": ") + colorText(backColor());
}

bool ColorChip::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        const QString shown = name();
        if (shown.isEmpty()) {
            QToolTip::hideText();
        } else {
            // Our own words and a notation: nothing a tool tip could take for HTML.
            QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(),
                               QStringLiteral("  ") + shown + QStringLiteral("  "), this);
        }
        return true;
    }
    return ColorBox::event(event);
}

void ColorChip::clear() {
    if (std::exchange(clear_, true)) {
        return;
    }
    setEnabled(false);
    setAttribute(Qt::WA_OpaquePaintEvent, false); // the window's background shows through
    update();
}

void ColorChip::choose() {
    if (!clear_) {
        emit chosen(backColor());
    }
}

void ColorChip::paintEvent(QPaintEvent* event) {
    if (clear_) {
        return; // the window's background shows through
    }
    ColorBox::paintEvent(event);
    QPainter p(this);
    p.setPen(palette().color(QPalette::WindowText));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    if (hasFocus()) {
        drawFocusFrame(p, rect().adjusted(2, 2, -2, -2));
    }
}

void ColorChip::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        choose();
        event->accept();
        return;
    default:
        ColorBox::keyPressEvent(event);
    }
}

void ColorChip::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton && !clear_;
    pressPos_ = event->position().toPoint();
    ColorBox::mousePressEvent(event);
}

void ColorChip::mouseMoveEvent(QMouseEvent* event) {
    ColorBox::mouseMoveEvent(event);
    if (!pressed_ || (event->position().toPoint() - pressPos_).manhattanLength() <
                         QApplication::startDragDistance()) {
        return;
    }
    pressed_ = false; // a drag, not a click
    auto* drag = new QDrag(this);
    drag->setMimeData(makeColorDrag(backColor(), DragSource::Chip));
    QPixmap picture(size());
    picture.fill(toQColor(backColor()));
    drag->setPixmap(picture);
    drag->exec(Qt::CopyAction);
}

void ColorChip::mouseReleaseEvent(QMouseEvent* event) {
    ColorBox::mouseReleaseEvent(event);
    if (std::exchange(pressed_, false) && rect().contains(event->position().toPoint())) {
        choose();
    }
}

} // namespace sv
