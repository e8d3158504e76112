#pragma once
// The 256 cells of the colour grid window, painted from a model of (colour, place) pairs rather
// than as child widgets. Cell i always shows palette swatch i; dragging a cell onto another
// swaps their places until the next layout, and a cell dragged onto the main window's palette
// stores its colour there.

#include "color/Color.h"
#include "color/VisionSimulation.h"
#include "gradient/ColorGridLayout.h"
#include "widgets/CellTable.h"

#include <QWidget>
#include <array>
#include <optional>

class QMimeData;

namespace sv {

class ColorGridView : public QWidget, public CellTable {
    Q_OBJECT
public:
    explicit ColorGridView(QWidget* parent = nullptr);

    // Puts every cell at its row-major place for the metrics.
    void layOut(const GridMetrics& metrics);
    // Paints the cells as people with this vision see them; the colours they give (drags,
    // style sheets, screen readers) stay their own.
    void setVision(Vision vision);
    Vision vision() const { return vision_; }
    // Colours of cells 1 .. 256, without moving them.
    void setColors(const std::array<ColorValue, kGridCells>& colors);

    // Cell 1 .. 256 under a point of the view, if any.
    std::optional<int> cellAt(QPoint pos) const;
    // Where cell 1 .. 256 is painted, in the view's pixels.
    QRect cellRect(int cell) const;
    ColorValue cellColor(int cell) const;
    // The colour shown under the pointer at its last move over (or press on) a cell.
    ColorValue colorUnderPointer() const { return underPointer_; }

    // What a drag of cell 1 .. 256 carries.
    QMimeData* makeCellDrag(int cell) const;
    // Swaps the places of two cells.
    void swapCells(int a, int b);

    // The cell the keyboard acts on. Arrows move it from place to place as the cells lie now;
    // Ctrl+arrow swaps it with its neighbour (the keyboard's drag); the Menu key or Shift+F10
    // asks for the style menu on it.
    int focusCell() const { return cellAtPlace_[std::size_t(focusPlace_ - 1)]; }

    // To screen readers: a table of "Cell N" cells, row by row as they lie now, described by
    // their colour; pressing one asks for its style menu.
    int tableCellCount() const override { return kGridCells; }
    int tableColumnCount() const override { return kGridColumns; }
    QString tableCellName(int place) const override;
    QString tableCellDescription(int place) const override;
    QRect tableCellRect(int place) const override;
    int tableCellAt(QPoint pos) const override;
    int tableFocusCell() const override { return focusPlace_; }
    void setTableFocusCell(int place) override;
    void pressTableCell(int place) override;

signals:
    // The right button was pressed on a cell.
    void menuRequested(QPoint globalPos);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // Tells screen readers which cell has the focus (QWidget repaints on its own).
    void focusInEvent(QFocusEvent* event) override;

private:
    // The row-major place a cell lies in now, 1 .. 256.
    int placeOf(int cell) const;
    std::size_t slot(int cell) const { return static_cast<std::size_t>(cell - 1); }
    void notePointer(QPoint pos);
    void startDrag(int cell);

    std::array<TwipBox, kGridCells> places_{};
    std::array<ColorValue, kGridCells> colors_{};
    ColorValue underPointer_ = kBlack;
    std::array<int, kGridCells> cellAtPlace_{}; // place - 1 -> the cell lying there
    int focusPlace_ = 1;
    Vision vision_ = Vision::Typical;
    std::optional<int> pressedCell_;
    QPoint pressPos_;
};

} // namespace sv
