// The screen reader's view of a table control: the control's widget as a
// table whose children are its cells, each with its text, its check state
// and whether it is the current cell. The answers come from the control's
// TAccessibleTable; nothing is copied, so the view follows every change.

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPointer>
#include <QWindow>
#include <map>
#include <utility>

#include "platform/Accessible.h"
#include "platform/NativeBridge.h"
#include "platform/ScriptState.h"

namespace plat {

namespace {

TAccessibleTable* TableOf(const QWidget* Widget) {
    if (Widget == nullptr) return nullptr;
    auto* control = dynamic_cast<TCustomControl*>(TNativeAccess::ControlOf(Widget));
    return control == nullptr ? nullptr : control->AccessibleTable();
}

bool IsCurrent(const TAccessibleTable& Table, int Col, int Row) {
    int c = -1, r = -1;
    return Table.AccessibleCurrentCell(c, r) && c == Col && r == Row;
}

class TCellAccessible : public QAccessibleInterface, public QAccessibleTableCellInterface {
public:
    TCellAccessible(QWidget* Widget, int Col, int Row) : FWidget(Widget), FCol(Col), FRow(Row) {}

    bool isValid() const override {
        const TAccessibleTable* t = TableOf(FWidget);
        return t != nullptr && FRow < t->AccessibleRowCount() && FCol < t->AccessibleColCount();
    }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return FWidget ? FWidget->window()->windowHandle() : nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(FWidget); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }

    QString text(QAccessible::Text Kind) const override {
        const TAccessibleTable* t = TableOf(FWidget);
        if (t == nullptr || !isValid()) return {};
        switch (Kind) {
            case QAccessible::Name: return ToQ(t->AccessibleCellText(FCol, FRow));
            // What the cell holds is said with its column, as a reader
            // walking a row needs it.
            case QAccessible::Description: return ToQ(t->AccessibleColumnHeader(FCol));
            default: return {};
        }
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        const TAccessibleTable* t = TableOf(FWidget);
        if (t == nullptr || !isValid()) return {};
        const TRect r = t->AccessibleCellRect(FCol, FRow);
        if (r.Right <= r.Left || r.Bottom <= r.Top) return {};
        return QRect(FWidget->mapToGlobal(QPoint(r.Left, r.Top)), QSize(r.Right - r.Left, r.Bottom - r.Top));
    }
    QAccessible::Role role() const override {
        const TAccessibleTable* t = TableOf(FWidget);
        return t != nullptr && isValid() && t->AccessibleCellCheck(FCol, FRow) != acNoCheck ? QAccessible::CheckBox
                                                                                            : QAccessible::Cell;
    }
    QAccessible::State state() const override {
        QAccessible::State s;
        const TAccessibleTable* t = TableOf(FWidget);
        if (t == nullptr || !isValid()) {
            s.invalid = true;
            return s;
        }
        s.focusable = true;
        s.selectable = true;
        if (IsCurrent(*t, FCol, FRow)) {
            s.selected = true;
            s.focused = FWidget->hasFocus();
        }
        const TAccessibleCheck check = t->AccessibleCellCheck(FCol, FRow);
        s.checkable = check != acNoCheck;
        s.checked = check == acChecked;
        if (rect().isEmpty()) s.offscreen = true;
        return s;
    }
    void* interface_cast(QAccessible::InterfaceType Type) override {
        return Type == QAccessible::TableCellInterface ? static_cast<QAccessibleTableCellInterface*>(this) : nullptr;
    }

    bool isSelected() const override {
        const TAccessibleTable* t = TableOf(FWidget);
        return t != nullptr && IsCurrent(*t, FCol, FRow);
    }
    // The headers are given as the column's and the row's description.
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return FCol; }
    int rowIndex() const override { return FRow; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return parent(); }

private:
    QPointer<QWidget> FWidget;
    int FCol, FRow;
};

class TTableAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit TTableAccessible(QWidget* Widget) : QAccessibleWidget(Widget, QAccessible::Table) {}
    ~TTableAccessible() override {
        for (const auto& [place, id] : FCells) QAccessible::deleteAccessibleInterface(id);
    }

    QString text(QAccessible::Text Kind) const override {
        if (Kind == QAccessible::Name) return widget()->accessibleName();
        return QAccessibleWidget::text(Kind);
    }
    int childCount() const override { return rowCount() * columnCount(); }
    QAccessibleInterface* child(int Index) const override {
        const int cols = columnCount();
        if (Index < 0 || cols == 0 || Index >= childCount()) return nullptr;
        return cellAt(Index / cols, Index % cols);
    }
    int indexOfChild(const QAccessibleInterface* Child) const override {
        if (Child == nullptr) return -1;
        for (const auto& [place, id] : FCells)
            if (QAccessible::accessibleInterface(id) == Child) return place.first * columnCount() + place.second;
        return -1;
    }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* focusChild() const override {
        const TAccessibleTable* t = TableOf(widget());
        int c = -1, r = -1;
        if (t == nullptr || !widget()->hasFocus() || !t->AccessibleCurrentCell(c, r)) return nullptr;
        return cellAt(r, c);
    }
    void* interface_cast(QAccessible::InterfaceType Type) override {
        if (Type == QAccessible::TableInterface) return static_cast<QAccessibleTableInterface*>(this);
        return QAccessibleWidget::interface_cast(Type);
    }

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int Row, int Col) const override {
        if (Row < 0 || Col < 0 || Row >= rowCount() || Col >= columnCount()) return nullptr;
        // One interface per cell for the table's life: a reader holds on to
        // the cells it was given.
        auto it = FCells.find({Row, Col});
        if (it == FCells.end())
            it = FCells.emplace(std::make_pair(Row, Col),
                                QAccessible::registerAccessibleInterface(new TCellAccessible(widget(), Col, Row)))
                     .first;
        return QAccessible::accessibleInterface(it->second);
    }
    int selectedCellCount() const override { return selectedCells().size(); }
    QList<QAccessibleInterface*> selectedCells() const override {
        const TAccessibleTable* t = TableOf(widget());
        int c = -1, r = -1;
        if (t == nullptr || !t->AccessibleCurrentCell(c, r)) return {};
        QAccessibleInterface* cell = cellAt(r, c);
        return cell == nullptr ? QList<QAccessibleInterface*>() : QList<QAccessibleInterface*>{cell};
    }
    QString columnDescription(int Col) const override {
        const TAccessibleTable* t = TableOf(widget());
        return t == nullptr || Col < 0 || Col >= columnCount() ? QString() : ToQ(t->AccessibleColumnHeader(Col));
    }
    QString rowDescription(int Row) const override {
        const TAccessibleTable* t = TableOf(widget());
        return t == nullptr || Row < 0 || Row >= rowCount() ? QString() : ToQ(t->AccessibleRowHeader(Row));
    }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override {
        const TAccessibleTable* t = TableOf(widget());
        return t == nullptr ? 0 : t->AccessibleColCount();
    }
    int rowCount() const override {
        const TAccessibleTable* t = TableOf(widget());
        return t == nullptr ? 0 : t->AccessibleRowCount();
    }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    // A reader walks the table by moving the current cell.
    bool selectRow(int Row) override { return Walk(Row, -1); }
    bool selectColumn(int Col) override { return Walk(-1, Col); }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

private:
    bool Walk(int Row, int Col) {
        TAccessibleTable* t = TableOf(widget());
        int c = 0, r = 0;
        if (t == nullptr) return false;
        t->AccessibleCurrentCell(c, r);
        if (Row >= 0) r = Row;
        if (Col >= 0) c = Col;
        if (r >= rowCount() || c >= columnCount()) return false;
        SafeCall([&] { t->AccessibleSelectCell(c, r); });
        return true;
    }

    mutable std::map<std::pair<int, int>, QAccessible::Id> FCells;
};

}  // namespace

QAccessibleInterface* NewTableAccessible(QWidget* Widget, TCustomControl*) { return new TTableAccessible(Widget); }

void NotifyTableCurrentCell(QWidget* Widget, TCustomControl* Control) {
    // Nobody listens without a screen reader: the cells are not even made.
    if ((!QAccessible::isActive() && !test::internal::AccessibilityListened()) ||
        Control->AccessibleTable() == nullptr)
        return;
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(Widget);
    QAccessibleTableInterface* cells = table == nullptr ? nullptr : table->tableInterface();
    int c = -1, r = -1;
    if (cells == nullptr || !Control->AccessibleTable()->AccessibleCurrentCell(c, r)) return;
    if (QAccessibleInterface* cell = cells->cellAt(r, c)) {
        QAccessibleEvent event(cell, QAccessible::Focus);
        if (test::internal::AccessibilityListened()) test::internal::NoteAccessibleEvent(event);
        QAccessible::updateAccessibility(&event);
    }
}

}  // namespace plat
