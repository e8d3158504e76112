#include "palette/Swatch.h"

#include "widgets/DragColor.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QMouseEvent>

namespace sv {

namespace {

bool acceptableDrag(const QMimeData* data) {
    return Swatch::acceptsSource(dragSourceName(data)) && dragColor(data).has_value();
}

} // namespace

Swatch::Swatch(int index, QWidget* parent)
    : ColorPicture(QStringLiteral("piCs_%1").arg(index), parent), index_(index) {
    setAcceptDrops(true);
}

void Swatch::fill(ColorValue c) {
    empty_ = false;
    setPicture(QImage());
    setBackColor(c);
    updateToolTip();
}

void Swatch::ClearSwatch() {
    fill(kButtonFace);
}

void Swatch::makeEmpty(const QImage& mask) {
    empty_ = true;
    setBackColor(kButtonFace);
    setPicture(mask);
    updateToolTip();
}

bool Swatch::acceptsSource(const QString& sourceName) {
    return sourceName == QLatin1String("picEdit") || sourceName == QLatin1String("picMax");
}

void Swatch::updateToolTip() {
    setToolTip(empty_ ? QString()
                      : QLatin1Char('#') + QString::fromStdString(corParaHex(backColor())));
}

void Swatch::mouseMoveEvent(QMouseEvent* event) {
    updateToolTip();
    ColorPicture::mouseMoveEvent(event);
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
