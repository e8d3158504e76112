#pragma once
// A widget that paints a table of cells itself (the palette, the colour grid) shows them to
// screen readers through this: each cell is a table cell with a name, a description, a place
// on the screen, the focused state of the keyboard's cell, and a press action (a left click).
// Cells are counted from 1, row by row as they lie on the screen.

#include <QRect>
#include <QString>

class QWidget;

namespace sv {

class CellTable {
public:
    virtual ~CellTable() = default;

    virtual int tableCellCount() const = 0;
    virtual int tableColumnCount() const = 0;
    virtual QString tableCellName(int cell) const = 0;
    virtual QString tableCellDescription(int cell) const = 0;
    // In the widget's coordinates.
    virtual QRect tableCellRect(int cell) const = 0;
    // The cell at a point of the widget, 0 for none.
    virtual int tableCellAt(QPoint pos) const = 0;
    virtual int tableFocusCell() const = 0;
    virtual void setTableFocusCell(int cell) = 0;
    virtual void pressTableCell(int cell) = 0;
};

// Makes Qt's accessibility show every widget that is a CellTable as a table of its cells.
void installCellTableAccessibility();

// Tells screen readers that the keyboard's cell moved, or that a cell's description changed.
void announceFocusCell(QWidget* table, int cell);
void announceCellChanged(QWidget* table, int cell);

} // namespace sv
