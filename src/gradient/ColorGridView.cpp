#include "gradient/ColorGridView.h"

#include "color/DragPayload.h"
#include "color/Numeric.h"
#include "widgets/Artwork.h"
#include "widgets/DragColor.h"
#include "widgets/FocusFrame.h"
#include "widgets/QtColor.h"

#include <QApplication>
#include <QDrag>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <algorithm>

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
    setAccessibleName(tr("Color grid"));
    setFocusPolicy(Qt::StrongFocus);
    installCellTableAccessibility();
    colors_.fill(kButtonFace);
    for (int cell = 1; cell <= kGridCells; ++cell) {
        cellAtPlace_[slot(cell)] = cell;
    }
}

void ColorGridView::layOut(const GridMetrics& metrics) {
    for (int cell = 1; cell <= kGridCells; ++cell) {
        places_[slot(cell)] = cellBox(metrics, cell);
        cellAtPlace_[slot(cell)] = cell;
    }
    update();
}

int ColorGridView::placeOf(int cell) const {
    const auto it = std::find(cellAtPlace_.begin(), cellAtPlace_.end(), cell);
    return static_cast<int>(it - cellAtPlace_.begin()) + 1;
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
    std::swap(cellAtPlace_[std::size_t(placeOf(a) - 1)], cellAtPlace_[std::size_t(placeOf(b) - 1)]);
    update();
}

void ColorGridView::setVision(Vision vision) {
    vision_ = vision;
    update();
}

void ColorGridView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    for (int cell = 1; cell <= kGridCells; ++cell) {
        const QColor shown = paintedColor(cellColor(cell), palette());
        p.fillRect(cellRect(cell), vision_ == Vision::Typical
                                       ? shown
                                       : toQColor(simulateVision(fromQColor(shown), vision_)));
    }
    if (hasFocus()) {
        drawFocusFrame(p, cellRect(focusCell()));
    }
}

void ColorGridView::keyPressEvent(QKeyEvent* event) {
    const bool menuKey = event->key() == Qt::Key_Menu ||
                         (event->key() == Qt::Key_F10 && event->modifiers() & Qt::ShiftModifier);
    if (menuKey) {
        pressTableCell(focusPlace_);
        event->accept();
        return;
    }
    const int column = (focusPlace_ - 1) % kGridColumns;
    int place = focusPlace_;
    switch (event->key()) {
    case Qt::Key_Left:
        place -= 1;
        break;
    case Qt::Key_Right:
        place += 1;
        break;
    case Qt::Key_Up:
        place -= kGridColumns;
        break;
    case Qt::Key_Down:
        place += kGridColumns;
        break;
    case Qt::Key_Home:
        place = event->modifiers() & Qt::ControlModifier ? 1 : focusPlace_ - column;
        break;
    case Qt::Key_End:
        place = event->modifiers() & Qt::ControlModifier ? kGridCells
                                                         : focusPlace_ - column + kGridColumns - 1;
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
    if (place < 1 || place > kGridCells) {
        return;
    }
    const int moving = focusCell();
    const bool swap = (event->modifiers() & Qt::ControlModifier) && event->key() != Qt::Key_Home &&
                      event->key() != Qt::Key_End;
    if (swap) {
        swapCells(moving, cellAtPlace_[std::size_t(place - 1)]);
    }
    focusPlace_ = place;
    announceFocusCell(this, focusPlace_);
    update();
}

QString ColorGridView::tableCellName(int place) const {
    return tr("Cell %1").arg(cellAtPlace_[slot(place)]);
}

QString ColorGridView::tableCellDescription(int place) const {
    const QColor shown = paintedColor(cellColor(cellAtPlace_[slot(place)]), palette());
    return QLatin1Char('#') + QString::fromStdString(toRgbHex(fromQColor(shown)));
}

QRect ColorGridView::tableCellRect(int place) const {
    return cellRect(cellAtPlace_[slot(place)]);
}

int ColorGridView::tableCellAt(QPoint pos) const {
    const auto cell = cellAt(pos);
    return cell ? placeOf(*cell) : 0;
}

void ColorGridView::setTableFocusCell(int place) {
    focusPlace_ = std::clamp(place, 1, kGridCells);
    update();
}

void ColorGridView::pressTableCell(int place) {
    setTableFocusCell(place);
    // The style menu writes the colour "under the pointer": here, the focus cell's.
    notePointer(cellRect(focusCell()).center());
    emit menuRequested(mapToGlobal(cellRect(focusCell()).center()));
}

void ColorGridView::focusInEvent(QFocusEvent* event) {
    announceFocusCell(this, focusPlace_);
    QWidget::focusInEvent(event);
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
    setCursor(appCursor(AppCursor::OpenHand));
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
    const QPixmap grab = appCursor(AppCursor::OpenHand).pixmap();
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
