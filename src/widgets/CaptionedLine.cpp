#include "widgets/CaptionedLine.h"

#include "widgets/FixedInk.h"

#include <QAccessibleWidget>

#include <QPainter>

namespace sv {

namespace {

// A heading is read out as a label, with its caption as its name.
QAccessibleInterface* headingAccessible(const QString& className, QObject* object) {
    if (className == QLatin1String("sv::CaptionedLine") && object != nullptr &&
        object->isWidgetType()) {
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::StaticText);
    }
    return nullptr;
}

} // namespace

CaptionedLine::CaptionedLine(const QString& caption, QWidget* parent)
    : QWidget(parent), caption_(caption) {
    QAccessible::installFactory(headingAccessible); // a second install is ignored
    setMinimumHeight(fontMetrics().height() + 2);
    setAccessibleName(caption.trimmed());
}

void CaptionedLine::setCaption(const QString& caption) {
    caption_ = caption;
    setAccessibleName(caption.trimmed());
    update();
}

QSize CaptionedLine::sizeHint() const {
    constexpr int kLineAfter = 20;
    const int text = caption_.isEmpty() ? 0 : fontMetrics().horizontalAdvance(caption_) + 6;
    return {text + kLineAfter, minimumHeight()};
}

void CaptionedLine::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const int y = height() / 2;
    const int textWidth = caption_.isEmpty() ? 0 : fontMetrics().horizontalAdvance(caption_) + 6;
    const QColor ink(0x20, 0x20, 0x60);
    if (const auto face = faceForInk(ink, palette().color(backgroundRole()))) {
        p.fillRect(QRect(0, 0, textWidth, height()), *face);
    }
    p.setPen(ink);
    p.drawText(QRect(0, 0, textWidth, height()), Qt::AlignLeft | Qt::AlignVCenter, caption_);
    p.setPen(QColor(0x80, 0x80, 0x80));
    p.drawLine(textWidth, y, width() - 1, y);
    p.setPen(Qt::white);
    p.drawLine(textWidth, y + 1, width() - 1, y + 1);
}

} // namespace sv
