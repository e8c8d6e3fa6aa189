// Structure operations of the string grid: moving columns and rows,
// inserting and removing rows and columns, controls placed over cells and
// the sorted and original views of the cells.

#include <algorithm>

#include "grid/ExtGrid.h"
#include "grid/ExtGridStructState.h"

namespace grid {

namespace {

int CountBelow(const std::vector<int>& Ascending, int Value) {
    return static_cast<int>(std::lower_bound(Ascending.begin(), Ascending.end(), Value) - Ascending.begin());
}

}  // namespace

TExtStringGrid::TStructState& TExtStringGrid::St() const { return *FStruct; }

// ----------------------------------------------------------- cell controls

TControlList& TExtStringGrid::CellControlList() { return St().CellControls; }

int TExtStringGrid::NumCellControls() const { return St().CellControls.Count(); }

plat::TControl* TExtStringGrid::CellControls(int ACol, int ARow) const {
    const TCellProperties* p = PropsOf(ACol, ARow);
    return p ? p->Control() : nullptr;
}

void TExtStringGrid::SetCellControls(int ACol, int ARow, plat::TControl* Value) {
    TControlList& list = St().CellControls;
    const int realRow = RealRowIndex(ARow);
    const int at = list.ControlIndex(ACol, realRow);
    if (at >= 0) list.RemoveControl(at);
    TCellProperties* p = PropsOf(ACol, ARow);
    if (!Value) {
        if (p) p->SetControl(nullptr);
        return;
    }
    list.AddControl(ACol, realRow, Value);
    GetCellProperties(ACol, ARow)->SetControl(Value);
    Value->SetParent(this);
    const plat::TRect r = CellRect(DisplColIndex(ACol), ARow);
    // One pixel over the grid lines on the left and top, so that the
    // control covers the whole cell face.
    if (r.Right > r.Left && r.Bottom > r.Top)
        Value->SetBounds(r.Left - 1, r.Top - 1, r.Right - r.Left + 1, r.Bottom - r.Top + 1);
}

void TExtStringGrid::RealRowsRemoved(const std::vector<int>& RemovedReal) {
    if (RemovedReal.empty()) return;
    for (TGridItem& item : FGridItems) item.Idx -= CountBelow(RemovedReal, item.Idx);
    TControlList& list = St().CellControls;
    for (int i = list.Count() - 1; i >= 0; --i) {
        TControlItem& c = list.Control(i);
        if (std::binary_search(RemovedReal.begin(), RemovedReal.end(), c.Y)) {
            // The row is gone; its control stays the caller's and is hidden.
            if (c.Control) c.Control->SetVisible(false);
            list.RemoveControl(i);
            continue;
        }
        c.Y -= CountBelow(RemovedReal, c.Y);
    }
}

void TExtStringGrid::RealRowsInserted(int AtReal, int Count) {
    for (TGridItem& item : FGridItems)
        if (item.Idx >= AtReal) item.Idx += Count;
    TControlList& list = St().CellControls;
    for (int i = 0; i < list.Count(); ++i)
        if (list.Control(i).Y >= AtReal) list.Control(i).Y += Count;
}

void TExtStringGrid::ControlColumnsShifted(int ACol, int Delta) {
    TControlList& list = St().CellControls;
    for (int i = list.Count() - 1; i >= 0; --i) {
        TControlItem& c = list.Control(i);
        if (c.X < ACol) continue;
        c.X += Delta;
        if (c.X < ACol) {
            if (c.Control) c.Control->SetVisible(false);
            list.RemoveControl(i);
        }
    }
}

// ----------------------------------------------------------- moving

void TExtStringGrid::MoveColumn(int FromIndex, int ToIndex) {
    if (FromIndex == ToIndex || FromIndex < 0 || ToIndex < 0 || FromIndex >= ColCount() || ToIndex >= ColCount())
        return;
    if (FColumnOrder.empty()) SetColumnOrder();
    // Not the framework's own move: the notification moves the cells, the
    // order, the hidden rows' cells, and with them the width and the cursor.
    ColumnMoved(FromIndex, ToIndex);
    TControlList& list = St().CellControls;
    for (int i = 0; i < list.Count(); ++i) list.Control(i).X = MovedPlace(list.Control(i).X, FromIndex, ToIndex);
    CellControlsUpdate(false);
}

void TExtStringGrid::MoveRow(int FromIndex, int ToIndex) {
    if (FromIndex == ToIndex || FromIndex < 0 || ToIndex < 0 || FromIndex >= RowCount() || ToIndex >= RowCount())
        return;
    RowMoved(FromIndex, ToIndex);
    TControlList& list = St().CellControls;
    for (int i = 0; i < list.Count(); ++i) list.Control(i).Y = MovedPlace(list.Control(i).Y, FromIndex, ToIndex);
    CellControlsUpdate(false);
}

void TExtStringGrid::MoveRows(int FromIndex, int ToIndex, int Count) {
    if (FromIndex == ToIndex || Count <= 0 || FromIndex < 0 || FromIndex >= RowCount()) return;
    Count = std::min(Count, RowCount() - FromIndex);
    std::vector<TStoredRow> block;
    block.reserve(static_cast<size_t>(Count));
    for (int k = 0; k < Count; ++k) block.push_back(TakeRowCells(FromIndex + k));
    // The controls of the block travel with it rather than being dropped
    // with the rows it leaves.
    struct TCarried {
        int Offset;
        int X;
        plat::TControl* Control;
    };
    std::vector<TCarried> carried;
    TControlList& list = St().CellControls;
    for (int k = 0; k < Count; ++k) {
        const int real = RealRowIndex(FromIndex + k);
        for (int i = list.Count() - 1; i >= 0; --i)
            if (list.Control(i).Y == real) {
                carried.push_back({k, list.Control(i).X, list.Control(i).Control});
                list.RemoveControl(i);
            }
    }
    if (FromIndex + Count < ToIndex) ToIndex -= Count;
    ToIndex = std::clamp(ToIndex, 0, RowCount() - Count);
    RemoveRowsEx(FromIndex, Count);
    InsertRows(ToIndex, Count);
    for (int k = 0; k < Count; ++k) PutRowCells(ToIndex + k, std::move(block[static_cast<size_t>(k)]));
    for (const TCarried& c : carried) list.AddControl(c.X, RealRowIndex(ToIndex + c.Offset), c.Control);
    CellControlsUpdate(false);
}

// ----------------------------------------------------------- rows

void TExtStringGrid::RemoveRowsEx(int ARow, int Count) {
    const int n = RowCount();
    if (ARow < 0 || Count <= 0 || ARow >= n) return;
    Count = std::min(Count, n - ARow);
    BeforeRowsRemoved(ARow, Count);
    std::vector<int> removedReal;
    for (int k = 0; k < Count; ++k) {
        removedReal.push_back(RealRowIndex(ARow + k));
        // Taken out and dropped at once: the rows' properties and cell
        // graphics are freed with them, unless they are not the grid's.
        for (TStoredCell& cell : TakeRowCells(ARow + k)) DropCellProps(cell.Props);
    }
    RemoveRowsInternal(ARow, Count);
    RealRowsRemoved(removedReal);
    CellControlsUpdate(false);
    AfterRowsRemoved(ARow, Count);
}

void TExtStringGrid::InsertRows(int ARow, int Count) {
    if (ARow < 0 || Count <= 0) return;
    ARow = BeforeRowsInserted(std::min(ARow, RowCount()), Count);
    const int atReal = RealRowIndex(ARow);
    InsertRowsInternal(ARow, Count);
    RealRowsInserted(atReal, Count);
    CellControlsUpdate(false);
    AfterRowsInserted(ARow, Count);
}

void TExtStringGrid::HideRowsEx(int FromRow, int ToRow) {
    if (IsHiddenRow(FromRow)) return;
    HideRows(FromRow, ToRow);
}

// ----------------------------------------------------------- columns

struct TExtStringGrid::TColumnSlot {
    bool Visible = true;
    int Width = 0;
};

void TExtStringGrid::ApplyColumnSlots(const std::vector<TColumnSlot>& Slots) {
    int visible = 0;
    FVisibleCol.assign(Slots.size(), true);
    FAllColWidths.assign(Slots.size(), 0);
    for (size_t k = 0; k < Slots.size(); ++k) {
        FVisibleCol[k] = Slots[k].Visible;
        if (Slots[k].Visible) ++visible;
        else FAllColWidths[k] = Slots[k].Width;
    }
    FNumHidden = static_cast<int>(Slots.size()) - visible;
    SetColCount(visible);
    int d = 0;
    for (const TColumnSlot& s : Slots)
        if (s.Visible) SetColWidths(d++, s.Width);
    Invalidate();
}

void TExtStringGrid::InsertCols(int ColIndex, int CCount) {
    const int total = TotalColCount();
    if (CCount <= 0 || ColIndex < 0 || ColIndex > total) return;
    std::vector<TColumnSlot> slots;
    for (int k = 0; k < total; ++k) slots.push_back({!IsHiddenColumn(k), AllColWidths(k)});
    slots.insert(slots.begin() + ColIndex, static_cast<size_t>(CCount), TColumnSlot{true, DefaultColWidth()});
    const int displAt = DisplColIndex(ColIndex);

    ShiftStoreColumns(ColIndex, CCount);
    for (TGridItem& item : FGridItems)
        if (ColIndex < static_cast<int>(item.Items.size()))
            for (int k = 0; k < CCount; ++k) item.Items.insert(item.Items.begin() + ColIndex, TStoredCell{});
    ControlColumnsShifted(ColIndex, CCount);
    if (displAt < static_cast<int>(FColSelect.size()))
        FColSelect.insert(FColSelect.begin() + displAt, static_cast<size_t>(CCount), false);

    ApplyColumnSlots(slots);
}

void TExtStringGrid::RemoveCols(int ColIndex, int CCount) {
    const int total = TotalColCount();
    if (CCount <= 0 || ColIndex < 0 || ColIndex >= total) return;
    CCount = std::min(CCount, total - ColIndex);
    std::vector<TColumnSlot> slots;
    for (int k = 0; k < total; ++k) slots.push_back({!IsHiddenColumn(k), AllColWidths(k)});
    int removedVisible = 0;
    for (int k = ColIndex; k < ColIndex + CCount; ++k)
        if (slots[static_cast<size_t>(k)].Visible) ++removedVisible;
    // The grid keeps one displayed column, as hiding does.
    if (ColCount() - removedVisible < 1) return;
    const int displAt = DisplColIndex(ColIndex);
    slots.erase(slots.begin() + ColIndex, slots.begin() + ColIndex + CCount);

    for (int r = 0; r < RowCount(); ++r)
        for (int c = ColIndex; c < ColIndex + CCount; ++c) {
            TOwnedCellProps dropped(PropsOf(c, r));
            SetGridObject(c, r, nullptr);
            DropCellProps(dropped);
            SetGridCell(c, r, "");
        }
    ShiftStoreColumns(ColIndex + CCount, -CCount);
    for (TGridItem& item : FGridItems) {
        const int size = static_cast<int>(item.Items.size());
        if (ColIndex < size)
            item.Items.erase(item.Items.begin() + ColIndex, item.Items.begin() + std::min(size, ColIndex + CCount));
    }
    ControlColumnsShifted(ColIndex + CCount, -CCount);
    if (displAt < static_cast<int>(FColSelect.size()))
        FColSelect.erase(FColSelect.begin() + displAt,
                         FColSelect.begin() + std::min(static_cast<int>(FColSelect.size()), displAt + removedVisible));

    ApplyColumnSlots(slots);
}

// ----------------------------------------------------------- sorted and original views

std::vector<int>& TExtStringGrid::SortXRef() { return St().SortXRef; }

namespace {
// The row that stood at ARow before sorting, as the cross reference says.
int UnsortedPlace(const std::vector<int>& XRef, int ARow) {
    if (XRef.empty() || static_cast<int>(XRef.size()) < ARow) return ARow;
    const auto it = std::find(XRef.begin(), XRef.end(), ARow);
    return static_cast<int>(it - XRef.begin());
}
}  // namespace

std::string TExtStringGrid::UnSortedCells(int ACol, int ARow) {
    return Cells(ACol, UnsortedPlace(St().SortXRef, ARow));
}

void TExtStringGrid::SetUnSortedCells(int ACol, int ARow, const std::string& Value) {
    SetCells(ACol, UnsortedPlace(St().SortXRef, ARow), Value);
}

int TExtStringGrid::SortedRowIndex(int ARow) const {
    const std::vector<int>& xref = St().SortXRef;
    const int r = (ARow >= 0 && ARow < static_cast<int>(xref.size())) ? xref[static_cast<size_t>(ARow)] : ARow;
    return RealRowIndex(r);
}

int TExtStringGrid::UnSortedRowIndex(int ARow) const {
    const std::vector<int>& xref = St().SortXRef;
    if (xref.empty()) return ARow;
    return static_cast<int>(std::find(xref.begin(), xref.end(), ARow) - xref.begin());
}

std::string TExtStringGrid::OriginalCells(int ACol, int ARow) {
    const int p = ColumnPosition(ACol);
    return Cells(p == -1 ? ACol : p, ARow);
}

void TExtStringGrid::SetOriginalCells(int ACol, int ARow, const std::string& Value) {
    const int p = ColumnPosition(ACol);
    SetCells(p == -1 ? ACol : p, ARow, Value);
}

void TExtStringGrid::ResetColumnOrder() {
    UnHideColumnsAll();
    if (FColumnOrder.empty()) {
        SetColumnOrder();
        return;
    }
    // Each pass moves every column that stands right of its recorded place
    // back to it; the moves keep the order list in step. The passes are
    // bounded so that an order list out of step cannot loop for ever.
    const int n = std::min(ColCount(), static_cast<int>(FColumnOrder.size()));
    for (int pass = 0; pass <= n; ++pass) {
        bool moved = false;
        for (int i = 0; i < n && i < static_cast<int>(FColumnOrder.size()); ++i) {
            const int target = FColumnOrder[static_cast<size_t>(i)];
            if (target < i && target >= 0) {
                MoveColumn(i, target);
                moved = true;
            }
        }
        if (!moved) break;
    }
}

}  // namespace grid
