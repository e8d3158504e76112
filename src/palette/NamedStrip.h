#pragma once
// The 256 cells (1 .. 256) of the colour-names panel, laid out as a 16 by 16 block of
// 12-pixel cells, row-major (cell 1 top left, cell 17 under it), so the strip fits the panel
// beside its two lists. A click makes a cell's colour current; with dragging on, a cell is
// dragged onto the palette instead.

#include "color/Color.h"
#include "palette/NamedStripColors.h"
#include "widgets/StripAccessible.h"

#include <QWidget>
#include <array>
#include <optional>

class QMimeData;

namespace sv {

class NamedStrip : public QWidget, public WalkableStrip {
    Q_OBJECT
public:
    static constexpr int kColumns = 16;
    static constexpr int kCellSize = 12;

    explicit NamedStrip(QWidget* parent = nullptr);

    // Fills the cells with the gradient from start to end (end reached at cell 196).
    void paintStrip(ColorValue start, ColorValue end);

    // Cell index 1 .. 256; empty before the strip is painted or outside the range.
    std::optional<ColorValue> cellColor(int index) const;
    QRect cellRect(int index) const;
    // The cell under a point of this widget, 0 when none.
    int cellAt(QPoint pos) const;

    // Cells drag onto the palette (grab pointer) or are clicked (paint-drop pointer).
    void setDragEnabled(bool on);
    bool dragEnabled() const { return dragEnabled_; }

    // What dragging cell index carries: its colour, from the named-colour strip.
    QMimeData* dragData(int index) const;

    QSize sizeHint() const override;

    // The cell the keyboard acts on (1 .. 256); Enter takes its colour as a click does.
    int focusCell() const { return focusCell_; }

    int stripPlace() const override { return focusCell_ - 1; }
    int lastStripPlace() const override { return kNamedStripCells - 1; }
    std::optional<ColorValue> stripColor() const override { return cellColor(focusCell_); }

signals:
    void cellClicked(sv::ColorValue color);

protected:
    void paintEvent(QPaintEvent* event) override;
    // Arrows move the focus cell (Up/Down by a row), Home/End to the first/last cell; Enter
    // or Space clicks it.
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    std::optional<std::array<ColorValue, kNamedStripCells>> cells_;
    bool dragEnabled_ = false;
    int pressedCell_ = 0;
    QPoint pressPos_;
    int focusCell_ = 1;
};

} // namespace sv
