#include "widgets/CellTable.h"

#include <QAccessibleWidget>
#include <QPointer>
#include <QWidget>
#include <vector>

namespace sv {

namespace {

// One cell: it owns no QObject, so it asks its table (which may be gone) for everything.
class CellAccessible : public QAccessibleInterface,
                       public QAccessibleTableCellInterface,
                       public QAccessibleActionInterface {
public:
    CellAccessible(QWidget* widget, CellTable* table, int index)
        : grid_(widget), table_(table), index_(index) {}

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
            return table_->tableCellName(index_);
        case QAccessible::Description:
            return table_->tableCellDescription(index_);
        default:
            return {};
        }
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        if (!grid_) {
            return {};
        }
        const QRect cell = table_->tableCellRect(index_);
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
        s.focused = grid_->hasFocus() && table_->tableFocusCell() == index_;
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
    int columnIndex() const override { return (index_ - 1) % table_->tableColumnCount(); }
    int rowIndex() const override { return (index_ - 1) / table_->tableColumnCount(); }
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
            table_->setTableFocusCell(index_);
            table_->pressTableCell(index_);
        } else if (name == setFocusAction()) {
            grid_->setFocus(Qt::OtherFocusReason);
            table_->setTableFocusCell(index_);
        }
    }
    QStringList keyBindingsForAction(const QString& name) const override {
        return name == pressAction() ? QStringList{QStringLiteral("Space")} : QStringList();
    }

private:
    QPointer<QWidget> grid_;
    CellTable* table_; // the same object as grid_, used only while grid_ lives
    int index_;
};

class GridAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    GridAccessible(QWidget* widget, CellTable* table)
        : QAccessibleWidget(widget, QAccessible::Table), table_(table),
          cells_(std::size_t(table->tableCellCount()), 0) {}
    ~GridAccessible() override {
        for (const QAccessible::Id id : cells_) {
            if (id != 0) {
                QAccessible::deleteAccessibleInterface(id);
            }
        }
    }

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TableInterface) {
            return static_cast<QAccessibleTableInterface*>(this);
        }
        return QAccessibleWidget::interface_cast(type);
    }
    int childCount() const override { return table_->tableCellCount(); }
    QAccessibleInterface* child(int i) const override {
        if (i < 0 || i >= childCount()) {
            return nullptr;
        }
        QAccessible::Id& id = cells_[std::size_t(i)];
        if (id == 0) {
            id = QAccessible::registerAccessibleInterface(
                new CellAccessible(widget(), table_, i + 1));
        }
        return QAccessible::accessibleInterface(id);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        for (int i = 0; i < childCount(); ++i) {
            if (cells_[std::size_t(i)] != 0 &&
                QAccessible::accessibleInterface(cells_[std::size_t(i)]) == child) {
                return i;
            }
        }
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        const int index = table_->tableCellAt(widget()->mapFromGlobal(QPoint(x, y)));
        return index != 0 ? child(index - 1) : nullptr;
    }
    QAccessibleInterface* focusChild() const override {
        return widget()->hasFocus() ? child(table_->tableFocusCell() - 1) : nullptr;
    }

    // Table
    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override {
        if (row < 0 || column < 0 || row >= rowCount() || column >= columnCount()) {
            return nullptr;
        }
        return child(row * columnCount() + column);
    }
    int columnCount() const override { return table_->tableColumnCount(); }
    int rowCount() const override { return table_->tableCellCount() / columnCount(); }
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
    CellTable* table_;
    mutable std::vector<QAccessible::Id> cells_; // made as screen readers ask for them
};

QAccessibleInterface* tableFactory(const QString&, QObject* object) {
    if (object == nullptr || !object->isWidgetType()) {
        return nullptr;
    }
    auto* table = dynamic_cast<CellTable*>(object);
    return table != nullptr ? new GridAccessible(static_cast<QWidget*>(object), table) : nullptr;
}

void announce(QWidget* table, int cell, QAccessible::Event type) {
    QAccessibleEvent event(table, type);
    event.setChild(cell - 1);
    QAccessible::updateAccessibility(&event);
}

} // namespace

void installCellTableAccessibility() {
    QAccessible::installFactory(tableFactory); // a second install is ignored
}

void announceFocusCell(QWidget* table, int cell) {
    announce(table, cell, QAccessible::Focus);
}

void announceCellChanged(QWidget* table, int cell) {
    announce(table, cell, QAccessible::DescriptionChanged);
}

} // namespace sv
