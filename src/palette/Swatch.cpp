#include "palette/Swatch.h"

#include "widgets/DragColor.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QMouseEvent>

namespace sv {

namespace {

bool acceptableDrag(const QMimeData* data) {
    // Only the colour-names strip and the colour grid's cells drop colours here.
    return dragSource(data).has_value() && dragColor(data).has_value();
}

} // namespace

Swatch::Swatch(int index, QWidget* parent) : ColorBox(parent), index_(index) {
    setAcceptDrops(true);
    setAccessibleName(QStringLiteral("Swatch %1").arg(index));
}

void Swatch::fill(ColorValue c) {
    empty_ = false;
    setPicture(QImage());
    setBackColor(c);
    updateToolTip();
}

void Swatch::makeEmpty(const QImage& mask) {
    empty_ = true;
    setBackColor(kButtonFace);
    setPicture(mask);
    updateToolTip();
}

void Swatch::updateToolTip() {
    const QString code = QLatin1Char('#') + QString::fromStdString(toRgbHex(backColor()));
    setToolTip(empty_ ? QString() : code);
    setAccessibleDescription(empty_ ? QStringLiteral("empty") : code);
}

void Swatch::mouseMoveEvent(QMouseEvent* event) {
    updateToolTip();
    ColorBox::mouseMoveEvent(event);
}

void Swatch::dragEnterEvent(QDragEnterEvent* event) {
    if (acceptableDrag(event->mimeData())) {
        event->acceptProposedAction();
    } else {
        event->ignore();
    }
}

void Swatch::dragMoveEvent(QDragMoveEvent* event) {
    if (acceptableDrag(event->mimeData())) {
        event->acceptProposedAction();
    } else {
        event->ignore();
    }
}

void Swatch::dropEvent(QDropEvent* event) {
    const QMimeData* data = event->mimeData();
    if (!acceptableDrag(data)) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    emit colorDropped(index_, *dragColor(data));
}

} // namespace sv
