#include "gradient/ColorGridView.h"

#include "color/DragPayload.h"
#include "color/Numeric.h"
#include "widgets/Artwork.h"
#include "widgets/DragColor.h"
#include "widgets/QtColor.h"

#include <QApplication>
#include <QDrag>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>

namespace sv {

namespace {

const QString kCellMime = QStringLiteral("application/x-spectrivue-grid-cell");

std::optional<int> draggedCell(const QMimeData* data) {
    if (dragSource(data) != DragSource::ColorGrid || !data->hasFormat(kCellMime)) {
        return std::nullopt;
    }
    const QByteArray bytes = data->data(kCellMime);
    return readNumberPayload({bytes.constData(), std::size_t(bytes.size())}, 1, kGridCells);
}

} // namespace

ColorGridView::ColorGridView(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
    setAcceptDrops(true);
    setAccessibleName(QStringLiteral("Color grid"));
    colors_.fill(kButtonFace);
}

void ColorGridView::layOut(const GridMetrics& metrics) {
    for (int cell = 1; cell <= kGridCells; ++cell) {
        places_[slot(cell)] = cellBox(metrics, cell);
    }
    update();
}

void ColorGridView::setColors(const std::array<ColorValue, kGridCells>& colors) {
    colors_ = colors;
    update();
}

std::optional<int> ColorGridView::cellAt(QPoint pos) const {
    const int x = pos.x() * kTwipsPerPixel;
    const int y = pos.y() * kTwipsPerPixel;
    for (int cell = 1; cell <= kGridCells; ++cell) {
        if (places_[slot(cell)].contains(x, y)) {
            return cell;
        }
    }
    return std::nullopt;
}

QRect ColorGridView::cellRect(int cell) const {
    const TwipBox& b = places_[slot(cell)];
    // Edges rounded separately, so neighbouring cells keep their gaps.
    const QPoint topLeft = QPoint(b.left, b.top) / kTwipsPerPixel;
    const QPoint end = QPoint(b.left + b.width, b.top + b.height) / kTwipsPerPixel;
    return {topLeft, end - QPoint(1, 1)};
}

ColorValue ColorGridView::cellColor(int cell) const {
    return colors_[slot(cell)];
}

QMimeData* ColorGridView::makeCellDrag(int cell) const {
    QMimeData* data =
        makeColorDrag(fromQColor(paintedColor(cellColor(cell), palette())), DragSource::ColorGrid);
    data->setData(kCellMime, QByteArray::number(cell));
    return data;
}

void ColorGridView::swapCells(int a, int b) {
    std::swap(places_[slot(a)], places_[slot(b)]);
    update();
}

void ColorGridView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    for (int cell = 1; cell <= kGridCells; ++cell) {
        p.fillRect(cellRect(cell), paintedColor(cellColor(cell), palette()));
    }
}

void ColorGridView::notePointer(QPoint pos) {
    if (const auto cell = cellAt(pos)) {
        underPointer_ = fromQColor(paintedColor(cellColor(*cell), palette()));
    }
}

void ColorGridView::mousePressEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    notePointer(pos);
    const auto cell = cellAt(pos);
    if (!cell) {
        return;
    }
    if (event->button() == Qt::RightButton) {
        pressedCell_.reset();
        unsetCursor();
        emit menuRequested(event->globalPosition().toPoint());
        return;
    }
    pressedCell_ = cell;
    pressPos_ = pos;
    setCursor(appCursor(AppCursor::Pega));
}

void ColorGridView::mouseMoveEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    notePointer(pos);
    if (pressedCell_ && (pos - pressPos_).manhattanLength() >= QApplication::startDragDistance()) {
        const int cell = *pressedCell_;
        pressedCell_.reset();
        startDrag(cell);
    }
}

void ColorGridView::mouseReleaseEvent(QMouseEvent*) {
    pressedCell_.reset();
    unsetCursor();
}

void ColorGridView::startDrag(int cell) {
    QPointer<ColorGridView> self(this);
    auto* drag = new QDrag(this);
    drag->setMimeData(makeCellDrag(cell));
    const QPixmap grab = appCursor(AppCursor::Pega).pixmap();
    drag->setDragCursor(grab, Qt::CopyAction);
    drag->setDragCursor(grab, Qt::MoveAction);
    drag->exec(Qt::CopyAction | Qt::MoveAction, Qt::MoveAction);
    // The window may have been closed while the drag ran.
    if (self) {
        unsetCursor();
    }
}

void ColorGridView::dragEnterEvent(QDragEnterEvent* event) {
    if (draggedCell(event->mimeData())) {
        event->acceptProposedAction();
    }
}

void ColorGridView::dragMoveEvent(QDragMoveEvent* event) {
    const bool overCell = cellAt(event->position().toPoint()).has_value();
    if (overCell && draggedCell(event->mimeData())) {
        event->acceptProposedAction();
    } else {
        event->ignore();
    }
}

void ColorGridView::dropEvent(QDropEvent* event) {
    const auto from = draggedCell(event->mimeData());
    const auto to = cellAt(event->position().toPoint());
    if (!from || !to) {
        event->ignore();
        return;
    }
    swapCells(*from, *to);
    event->acceptProposedAction();
}

} // namespace sv
