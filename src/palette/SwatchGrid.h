#pragma once
// The palette grid of the main window: one widget painting the palette model's 256 swatches,
// 16 by 16, row-major, touching each other, the first at (6, 6) inside the container panel.
//
// A left click on an empty swatch stores the current colour there, any other button the last
// colour; a left click on a filled swatch picks its colour, any other button empties it. The
// keyboard does the same on a focus cell: arrows, Home/End (Ctrl: the first/last swatch) move
// it, Space or Enter is a left click, Shift+Space or Shift+Enter another button's, Delete
// empties. A filled swatch can be dragged away; colours from anywhere can be dropped on one.

#include "color/Color.h"
#include "palette/MaskPictures.h"
#include "palette/Palette.h"
#include "widgets/CellTable.h"

#include <QImage>
#include <QWidget>
#include <array>
#include <optional>

namespace sv {

class ColorSelection;
class PaletteModel;

class SwatchGrid : public QWidget, public CellTable {
    Q_OBJECT
public:
    static constexpr int kSwatchSize = 21; // 315 twips
    static constexpr int kMargin = 6;      // 90 twips from the container's edge
    static constexpr int kGridSize = Palette::kColumns * kSwatchSize;

    // Shows model inside container; empty swatches show the given mask picture.
    SwatchGrid(QWidget* container, PaletteModel& model, const ColorSelection& selection,
               SwatchMask mask = SwatchMask::Mask1);

    PaletteModel& model() const { return model_; }

    // 1 .. 256 at a point of the widget; 0 outside every swatch.
    int indexAt(QPoint pos) const;
    // Swatch index's place in the widget; empty outside 1 .. 256.
    QRect cellRect(int index) const;
    // The mask picture an empty swatch shows; null for a filled one.
    QImage cellPicture(int index) const;
    // The tool tip swatch index shows: its colour as "#RRGGBB", nothing when empty.
    QString cellToolTip(int index) const;

    // The swatch the keyboard acts on (1 .. 256).
    int focusCell() const { return focusCell_; }
    void setFocusCell(int index);

    // The mask picture that the swatches emptied from now on show.
    void setMask(SwatchMask mask);

    // What a click with button does on swatch index.
    void activate(int index, Qt::MouseButton button);

    // To screen readers: a table of "Swatch N" cells described by "#RRGGBB" or "empty".
    int tableCellCount() const override { return Palette::kSize; }
    int tableColumnCount() const override { return Palette::kColumns; }
    QString tableCellName(int cell) const override;
    QString tableCellDescription(int cell) const override;
    QRect tableCellRect(int cell) const override { return cellRect(cell); }
    int tableCellAt(QPoint pos) const override { return indexAt(pos); }
    int tableFocusCell() const override { return focusCell_; }
    void setTableFocusCell(int cell) override { setFocusCell(cell); }
    void pressTableCell(int cell) override { activate(cell, Qt::LeftButton); }

signals:
    // A filled swatch was clicked (or its key pressed): its colour should become current.
    void colorPicked(sv::ColorValue c);
    // The keyboard's focus cell moved.
    void focusCellChanged(int index);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // Tells screen readers which cell has the focus (QWidget repaints on its own).
    void focusInEvent(QFocusEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void onSwatchChanged(int index);
    const QImage& maskImage(SwatchMask mask);
    // The swatch a drag over pos may drop on; 0 when it may not.
    int dropTarget(const QDropEvent* event) const;

    PaletteModel& model_;
    const ColorSelection& selection_;
    SwatchMask mask_;
    std::array<SwatchMask, Palette::kSize> cellMasks_{}; // the mask each empty swatch got
    std::array<QImage, kMaskCount> maskCache_;
    int focusCell_ = 1;
    int dragIndex_ = 0; // a filled swatch pressed with the left button, until the drag starts
    QPoint dragFrom_;
    int draggingFrom_ = 0; // the swatch a drag from this grid carries, while it runs
};

} // namespace sv
