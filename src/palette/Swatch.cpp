#include "palette/Swatch.h"

#include "palette/NamedColors.h"
#include "widgets/DragColor.h"

#include <QApplication>
#include <QDrag>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPixmap>

namespace sv {

namespace {

// A colour from this program or another: "application/x-color", else text holding one colour
// in a notation the program writes or a colour name it knows. Anything else is refused.
std::optional<ColorValue> droppedColor(const QMimeData* data) {
    if (data == nullptr) {
        return std::nullopt;
    }
    if (data->hasFormat(QStringLiteral("application/x-color"))) {
        return dragColor(data); // a malformed colour is not rescued by the text beside it
    }
    return data->hasText() ? colorFromText(data->text().toStdString()) : std::nullopt;
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

void Swatch::mousePressEvent(QMouseEvent* event) {
    // Only a colour held before the press can be dragged away: a press on an empty swatch
    // stores one.
    dragFrom_ = event->button() == Qt::LeftButton && !empty_
                    ? std::optional(event->position().toPoint())
                    : std::nullopt;
    ColorBox::mousePressEvent(event);
}

void Swatch::mouseMoveEvent(QMouseEvent* event) {
    updateToolTip();
    ColorBox::mouseMoveEvent(event);
    if (!dragFrom_ || !(event->buttons() & Qt::LeftButton) ||
        (event->position().toPoint() - *dragFrom_).manhattanLength() <
            QApplication::startDragDistance()) {
        return;
    }
    dragFrom_.reset();
    auto* drag = new QDrag(this);
    drag->setMimeData(makeColorDrag(backColor(), DragSource::Swatch));
    QPixmap picture(size());
    picture.fill(paintColor());
    drag->setPixmap(picture);
    drag->exec(Qt::CopyAction);
}

void Swatch::dragEnterEvent(QDragEnterEvent* event) {
    if (event->source() != this && droppedColor(event->mimeData())) {
        event->acceptProposedAction();
    } else {
        event->ignore();
    }
}

void Swatch::dragMoveEvent(QDragMoveEvent* event) {
    if (event->source() != this && droppedColor(event->mimeData())) {
        event->acceptProposedAction();
    } else {
        event->ignore();
    }
}

void Swatch::dropEvent(QDropEvent* event) {
    const auto color = event->source() != this ? droppedColor(event->mimeData()) : std::nullopt;
    if (!color) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    emit colorDropped(index_, *color);
}

} // namespace sv
