#include "palette/SwatchGrid.h"

#include "color/ColorSelection.h"
#include "palette/NamedColors.h"
#include "palette/PaletteModel.h"
#include "widgets/Artwork.h"
#include "widgets/DragColor.h"
#include "widgets/FocusFrame.h"
#include "widgets/QtColor.h"

#include <QApplication>
#include <QDrag>
#include <QDropEvent>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QPaintEvent>
#include <QPainter>
#include <QPixmap>
#include <QToolTip>

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

SwatchGrid::SwatchGrid(QWidget* container, PaletteModel& model, const ColorSelection& selection,
                       SwatchMask mask)
    : QWidget(container), model_(model), selection_(selection), mask_(mask) {
    installCellTableAccessibility();
    setGeometry(kMargin, kMargin, kGridSize, kGridSize);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true); // tool tips follow the pointer from cell to cell
    setAcceptDrops(true);
    setCursor(appCursor(AppCursor::Brush));
    setAccessibleName(tr("Palette"));
    cellMasks_.fill(mask);
    connect(&model_, &PaletteModel::swatchChanged, this, &SwatchGrid::onSwatchChanged);
}

int SwatchGrid::indexAt(QPoint pos) const {
    if (pos.x() < 0 || pos.y() < 0 || pos.x() >= kGridSize || pos.y() >= kGridSize) {
        return 0;
    }
    return pos.y() / kSwatchSize * Palette::kColumns + pos.x() / kSwatchSize + 1;
}

QRect SwatchGrid::cellRect(int index) const {
    if (!Palette::validIndex(index)) {
        return {};
    }
    const int row = (index - 1) / Palette::kColumns;
    const int column = (index - 1) % Palette::kColumns;
    return {column * kSwatchSize, row * kSwatchSize, kSwatchSize, kSwatchSize};
}

const QImage& SwatchGrid::maskImage(SwatchMask mask) {
    QImage& cached = maskCache_[static_cast<std::size_t>(mask) - 1];
    if (cached.isNull()) {
        cached = maskPicture(mask);
    }
    return cached;
}

QImage SwatchGrid::cellPicture(int index) const {
    if (!Palette::validIndex(index) || !model_.isEmpty(index)) {
        return {};
    }
    return const_cast<SwatchGrid*>(this)->maskImage(cellMasks_[std::size_t(index - 1)]);
}

QString SwatchGrid::cellToolTip(int index) const {
    const auto c = model_.color(index);
    return c ? QLatin1Char('#') + QString::fromStdString(toRgbHex(*c)) : QString();
}

void SwatchGrid::setMask(SwatchMask mask) {
    mask_ = mask;
}

void SwatchGrid::onSwatchChanged(int index) {
    if (model_.isEmpty(index)) {
        cellMasks_[std::size_t(index - 1)] = mask_;
    }
    update(cellRect(index));
    announceCellChanged(this, index);
}

QString SwatchGrid::tableCellName(int cell) const {
    return tr("Swatch %1").arg(cell);
}

QString SwatchGrid::tableCellDescription(int cell) const {
    const QString tip = cellToolTip(cell);
    return tip.isEmpty() ? tr("empty") : tip;
}

void SwatchGrid::setFocusCell(int index) {
    index = std::clamp(index, 1, Palette::kSize);
    if (index == focusCell_) {
        return;
    }
    const int old = focusCell_;
    focusCell_ = index;
    update(cellRect(old));
    update(cellRect(index));
    if (hasFocus()) {
        announceFocusCell(this, index);
    }
    emit focusCellChanged(index);
}

void SwatchGrid::activate(int index, Qt::MouseButton button) {
    if (!Palette::validIndex(index)) {
        return;
    }
    const bool left = button == Qt::LeftButton;
    if (model_.isEmpty(index)) {
        model_.setColor(index, left ? selection_.current() : selection_.previous());
    } else if (left) {
        emit colorPicked(*model_.color(index));
    } else {
        model_.emptySwatch(index);
    }
}

bool SwatchGrid::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const int index = indexAt(help->pos());
        const QString tip = cellToolTip(index);
        if (tip.isEmpty()) {
            QToolTip::hideText();
        } else {
            QToolTip::showText(help->globalPos(), tip, this, cellRect(index));
        }
        return true;
    }
    return QWidget::event(event);
}

void SwatchGrid::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    const QColor face = palette().color(QPalette::Button);
    for (int index = 1; index <= Palette::kSize; ++index) {
        const QRect cell = cellRect(index);
        if (!event->rect().intersects(cell)) {
            continue;
        }
        const auto c = model_.color(index);
        p.fillRect(cell, c ? toQColor(*c) : face);
        if (!c) {
            p.drawImage(cell.topLeft(), cellPicture(index));
        }
    }
    if (hasFocus()) {
        drawFocusFrame(p, cellRect(focusCell_));
    }
}

void SwatchGrid::mousePressEvent(QMouseEvent* event) {
    const int index = indexAt(event->position().toPoint());
    if (index == 0) {
        return;
    }
    setFocusCell(index);
    // Only a colour held before the press can be dragged away: a press on an empty swatch
    // stores one.
    dragIndex_ = event->button() == Qt::LeftButton && !model_.isEmpty(index) ? index : 0;
    dragFrom_ = event->position().toPoint();
    activate(index, event->button());
}

void SwatchGrid::mouseMoveEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    setToolTip(cellToolTip(indexAt(pos)));
    if (dragIndex_ == 0 || !(event->buttons() & Qt::LeftButton) ||
        (pos - dragFrom_).manhattanLength() < QApplication::startDragDistance()) {
        return;
    }
    const int index = dragIndex_;
    dragIndex_ = 0;
    const auto c = model_.color(index);
    if (!c) {
        return;
    }
    auto* drag = new QDrag(this);
    drag->setMimeData(makeColorDrag(*c, DragSource::Swatch));
    QPixmap picture(kSwatchSize, kSwatchSize);
    picture.fill(toQColor(*c));
    drag->setPixmap(picture);
    draggingFrom_ = index; // not dropped back on itself
    drag->exec(Qt::CopyAction);
    draggingFrom_ = 0;
}

void SwatchGrid::keyPressEvent(QKeyEvent* event) {
    const bool ctrl = event->modifiers() & Qt::ControlModifier;
    const bool shift = event->modifiers() & Qt::ShiftModifier;
    const int column = (focusCell_ - 1) % Palette::kColumns;
    const int rowStart = focusCell_ - column;
    switch (event->key()) {
    case Qt::Key_Left:
        setFocusCell(focusCell_ - 1);
        break;
    case Qt::Key_Right:
        setFocusCell(focusCell_ + 1);
        break;
    case Qt::Key_Up:
        setFocusCell(focusCell_ > Palette::kColumns ? focusCell_ - Palette::kColumns : focusCell_);
        break;
    case Qt::Key_Down:
        setFocusCell(focusCell_ + Palette::kColumns <= Palette::kSize
                         ? focusCell_ + Palette::kColumns
                         : focusCell_);
        break;
    case Qt::Key_Home:
        setFocusCell(ctrl ? 1 : rowStart);
        break;
    case Qt::Key_End:
        setFocusCell(ctrl ? Palette::kSize : rowStart + Palette::kColumns - 1);
        break;
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        activate(focusCell_, shift ? Qt::RightButton : Qt::LeftButton);
        break;
    case Qt::Key_Delete:
        if (!model_.isEmpty(focusCell_)) {
            model_.emptySwatch(focusCell_);
        }
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

void SwatchGrid::focusInEvent(QFocusEvent* event) {
    announceFocusCell(this, focusCell_);
    QWidget::focusInEvent(event);
}

int SwatchGrid::dropTarget(const QDropEvent* event) const {
    const int index = indexAt(event->position().toPoint());
    if (index == 0 || (event->source() == this && index == draggingFrom_)) {
        return 0;
    }
    return droppedColor(event->mimeData()) ? index : 0;
}

void SwatchGrid::dragEnterEvent(QDragEnterEvent* event) {
    // Accepted over the whole grid; each swatch is judged as the drag moves over it.
    if (droppedColor(event->mimeData())) {
        event->acceptProposedAction();
    } else {
        event->ignore();
    }
}

void SwatchGrid::dragMoveEvent(QDragMoveEvent* event) {
    if (dropTarget(event) != 0) {
        event->acceptProposedAction();
    } else {
        event->ignore(cellRect(indexAt(event->position().toPoint())));
    }
}

void SwatchGrid::dropEvent(QDropEvent* event) {
    const int index = dropTarget(event);
    if (index == 0) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    model_.setColor(index, *droppedColor(event->mimeData()));
}

} // namespace sv
