#include "palette/SwatchGridAccessible.h"

#include "palette/PaletteModel.h"
#include "palette/SwatchGrid.h"

#include <QAccessibleWidget>
#include <QPointer>
#include <vector>

namespace sv {

namespace {

class GridAccessible;

// One swatch: it owns no QObject, so it asks its grid (which may be gone) for everything.
class CellAccessible : public QAccessibleInterface,
                       public QAccessibleTableCellInterface,
                       public QAccessibleActionInterface {
public:
    CellAccessible(SwatchGrid* grid, int index) : grid_(grid), index_(index) {}

    bool isValid() const override { return !grid_.isNull(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return grid_ ? grid_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override {
        return grid_ ? QAccessible::queryAccessibleInterface(grid_) : nullptr;
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* focusChild() const override { return nullptr; }

    QString text(QAccessible::Text t) const override {
        if (!grid_) {
            return {};
        }
        switch (t) {
        case QAccessible::Name:
            return QStringLiteral("Swatch %1").arg(index_);
        case QAccessible::Description: {
            const QString tip = grid_->cellToolTip(index_);
            return tip.isEmpty() ? QStringLiteral("empty") : tip;
        }
        default:
            return {};
        }
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        if (!grid_) {
            return {};
        }
        const QRect cell = grid_->cellRect(index_);
        return {grid_->mapToGlobal(cell.topLeft()), cell.size()};
    }
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QAccessible::State state() const override {
        QAccessible::State s;
        if (!grid_) {
            s.invalid = true;
            return s;
        }
        s.invisible = !grid_->isVisible();
        s.focusable = true;
        s.focused = grid_->hasFocus() && grid_->focusCell() == index_;
        return s;
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TableCellInterface) {
            return static_cast<QAccessibleTableCellInterface*>(this);
        }
        if (type == QAccessible::ActionInterface) {
            return static_cast<QAccessibleActionInterface*>(this);
        }
        return nullptr;
    }

    // Table cell
    bool isSelected() const override { return false; }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return (index_ - 1) % Palette::kColumns; }
    int rowIndex() const override { return (index_ - 1) / Palette::kColumns; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return parent(); }

    // Action: pressing is a left click; focusing moves the keyboard's cell here.
    QStringList actionNames() const override { return {pressAction(), setFocusAction()}; }
    void doAction(const QString& name) override {
        if (!grid_) {
            return;
        }
        if (name == pressAction()) {
            grid_->setFocusCell(index_);
            grid_->activate(index_, Qt::LeftButton);
        } else if (name == setFocusAction()) {
            grid_->setFocus(Qt::OtherFocusReason);
            grid_->setFocusCell(index_);
        }
    }
    QStringList keyBindingsForAction(const QString& name) const override {
        return name == pressAction() ? QStringList{QStringLiteral("Space")} : QStringList();
    }

private:
    QPointer<SwatchGrid> grid_;
    int index_;
};

class GridAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit GridAccessible(SwatchGrid* grid)
        : QAccessibleWidget(grid, QAccessible::Table), cells_(Palette::kSize, 0) {}
    ~GridAccessible() override {
        for (const QAccessible::Id id : cells_) {
            if (id != 0) {
                QAccessible::deleteAccessibleInterface(id);
            }
        }
    }

    SwatchGrid* grid() const { return static_cast<SwatchGrid*>(widget()); }

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TableInterface) {
            return static_cast<QAccessibleTableInterface*>(this);
        }
        return QAccessibleWidget::interface_cast(type);
    }
    int childCount() const override { return Palette::kSize; }
    QAccessibleInterface* child(int i) const override {
        if (i < 0 || i >= Palette::kSize) {
            return nullptr;
        }
        QAccessible::Id& id = cells_[std::size_t(i)];
        if (id == 0) {
            id = QAccessible::registerAccessibleInterface(new CellAccessible(grid(), i + 1));
        }
        return QAccessible::accessibleInterface(id);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        for (int i = 0; i < Palette::kSize; ++i) {
            if (cells_[std::size_t(i)] != 0 &&
                QAccessible::accessibleInterface(cells_[std::size_t(i)]) == child) {
                return i;
            }
        }
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        const int index = grid()->indexAt(grid()->mapFromGlobal(QPoint(x, y)));
        return index != 0 ? child(index - 1) : nullptr;
    }
    QAccessibleInterface* focusChild() const override {
        return grid()->hasFocus() ? child(grid()->focusCell() - 1) : nullptr;
    }

    // Table
    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override {
        if (row < 0 || column < 0 || row >= Palette::kColumns || column >= Palette::kColumns) {
            return nullptr;
        }
        return child(row * Palette::kColumns + column);
    }
    int columnCount() const override { return Palette::kColumns; }
    int rowCount() const override { return Palette::kSize / Palette::kColumns; }
    QString columnDescription(int) const override { return {}; }
    QString rowDescription(int) const override { return {}; }
    int selectedCellCount() const override { return 0; }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    QList<QAccessibleInterface*> selectedCells() const override { return {}; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

private:
    mutable std::vector<QAccessible::Id> cells_; // made as screen readers ask for them
};

QAccessibleInterface* gridFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("sv::SwatchGrid") && object != nullptr &&
        object->isWidgetType()) {
        return new GridAccessible(static_cast<SwatchGrid*>(object));
    }
    return nullptr;
}

} // namespace

void installSwatchGridAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(gridFactory);
        return true;
    }();
    (void)installed;
}

} // namespace sv
