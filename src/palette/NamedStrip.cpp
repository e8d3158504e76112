#include "palette/NamedStrip.h"

#include "widgets/Artwork.h"
#include "widgets/DragColor.h"
#include "widgets/FocusFrame.h"
#include "widgets/QtColor.h"

#include <QApplication>
#include <QDrag>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <algorithm>

namespace sv {

namespace {
constexpr int kRows = kNamedStripCells / NamedStrip::kColumns;
}

NamedStrip::NamedStrip(QWidget* parent) : QWidget(parent) {
    installStripAccessibility();
    setMouseTracking(true);
    setFixedSize(sizeHint());
    setCursor(appCursor(AppCursor::Brush));
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(tr("Colour names strip"));
}

QSize NamedStrip::sizeHint() const {
    return {kColumns * kCellSize, kRows * kCellSize};
}

void NamedStrip::paintStrip(ColorValue start, ColorValue end) {
    cells_ = namedStripColors(start, end);
    update();
}

std::optional<ColorValue> NamedStrip::cellColor(int index) const {
    if (!cells_ || index < 1 || index > kNamedStripCells) {
        return std::nullopt;
    }
    return (*cells_)[static_cast<std::size_t>(index - 1)];
}

QRect NamedStrip::cellRect(int index) const {
    if (index < 1 || index > kNamedStripCells) {
        return {};
    }
    return {((index - 1) % kColumns) * kCellSize, ((index - 1) / kColumns) * kCellSize, kCellSize,
            kCellSize};
}

int NamedStrip::cellAt(QPoint pos) const {
    if (pos.x() < 0 || pos.y() < 0) {
        return 0;
    }
    const int column = pos.x() / kCellSize;
    const int row = pos.y() / kCellSize;
    if (column >= kColumns || row >= kRows) {
        return 0;
    }
    return row * kColumns + column + 1;
}

void NamedStrip::setDragEnabled(bool on) {
    dragEnabled_ = on;
    setCursor(appCursor(on ? AppCursor::OpenHand : AppCursor::Brush));
}

QMimeData* NamedStrip::dragData(int index) const {
    return makeColorDrag(cellColor(index).value_or(kBlack), DragSource::NamedColorStrip);
}

void NamedStrip::paintEvent(QPaintEvent*) {
    QPainter p(this);
    for (int i = 1; i <= kNamedStripCells; ++i) {
        const auto c = cellColor(i);
        p.fillRect(cellRect(i), c ? toQColor(*c) : palette().color(QPalette::Button));
    }
    if (hasFocus()) {
        drawFocusFrame(p, cellRect(focusCell_));
    }
}

void NamedStrip::keyPressEvent(QKeyEvent* event) {
    int cell = focusCell_;
    switch (event->key()) {
    case Qt::Key_Left:
        --cell;
        break;
    case Qt::Key_Right:
        ++cell;
        break;
    case Qt::Key_Up:
        cell -= cell > kColumns ? kColumns : 0;
        break;
    case Qt::Key_Down:
        cell += cell + kColumns <= kNamedStripCells ? kColumns : 0;
        break;
    case Qt::Key_Home:
        cell = 1;
        break;
    case Qt::Key_End:
        cell = kNamedStripCells;
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (const auto c = cellColor(focusCell_)) {
            emit cellClicked(*c);
        }
        return;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    const int old = focusCell_;
    focusCell_ = std::clamp(cell, 1, kNamedStripCells);
    update(cellRect(old));
    update(cellRect(focusCell_));
    stripPlaceMoved(this);
}

void NamedStrip::mousePressEvent(QMouseEvent* event) {
    const int cell = cellAt(event->position().toPoint());
    if (!cellColor(cell)) {
        return;
    }
    if (!dragEnabled_) {
        emit cellClicked(*cellColor(cell));
        return;
    }
    // The drag starts once the pointer moves; a press released in place still picks the cell.
    pressedCell_ = cell;
    pressPos_ = event->position().toPoint();
}

void NamedStrip::mouseMoveEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    const int cell = cellAt(pos);
    const auto colour = cellColor(cell);
    setToolTip(colour ? QLatin1Char('#') + QString::fromStdString(toRgbHex(*colour)) : QString());
    if (!dragEnabled_ || pressedCell_ == 0 || !(event->buttons() & Qt::LeftButton) ||
        (pos - pressPos_).manhattanLength() < QApplication::startDragDistance()) {
        return;
    }
    const int dragged = pressedCell_;
    pressedCell_ = 0;
    auto* drag = new QDrag(this);
    drag->setMimeData(dragData(dragged));
    QPixmap swatch(kCellSize * 2, kCellSize * 2);
    swatch.fill(toQColor(cellColor(dragged).value_or(kBlack)));
    drag->setPixmap(swatch);
    drag->setDragCursor(appCursor(AppCursor::OpenHand).pixmap(), Qt::CopyAction);
    drag->exec(Qt::CopyAction);
}

void NamedStrip::mouseReleaseEvent(QMouseEvent* event) {
    if (pressedCell_ != 0 && cellAt(event->position().toPoint()) == pressedCell_) {
        emit cellClicked(cellColor(pressedCell_).value_or(kBlack));
    }
    pressedCell_ = 0;
}

} // namespace sv
