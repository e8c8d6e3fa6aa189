// Hidden columns and rows and the maps between real and displayed indexes.
// A hidden column keeps its cells in the store under its real index and only
// leaves the displayed count; a hidden row leaves the store and lives in a
// TGridItem until it is shown again.

#include <algorithm>

#include "grid/ExtGrid.h"
#include "grid/ExtGridStructState.h"

namespace grid {

// ----------------------------------------------------------- columns

void TExtStringGrid::GrowColumnMap(int Count) {
    if (static_cast<int>(FVisibleCol.size()) >= Count) return;
    FVisibleCol.resize(static_cast<size_t>(Count), true);
    FAllColWidths.resize(static_cast<size_t>(Count), 0);
}

bool TExtStringGrid::IsHiddenColumn(int ColIndex) const {
    if (ColIndex < 0 || ColIndex >= static_cast<int>(FVisibleCol.size())) return false;
    return !FVisibleCol[static_cast<size_t>(ColIndex)];
}

int TExtStringGrid::RealColIndex(int ACol) const {
    if (FNumHidden == 0 || ACol < 0) return ACol;
    // Past the map every column is visible: the answer is ACol plus the
    // hidden columns, all of which lie in the map.
    int visible = 0;
    const int size = static_cast<int>(FVisibleCol.size());
    for (int k = 0; k < size; ++k) {
        if (!FVisibleCol[static_cast<size_t>(k)]) continue;
        if (visible == ACol) return k;
        ++visible;
    }
    return ACol + FNumHidden;
}

int TExtStringGrid::DisplColIndex(int ACol) const {
    if (FNumHidden == 0 || ACol < 0) return ACol;
    int hiddenBelow = 0;
    const int size = std::min(ACol, static_cast<int>(FVisibleCol.size()));
    for (int k = 0; k < size; ++k)
        if (!FVisibleCol[static_cast<size_t>(k)]) ++hiddenBelow;
    return ACol - hiddenBelow;
}

void TExtStringGrid::HideColumns(int FromCol, int ToCol) {
    GrowColumnMap(std::min(ToCol, ColCount() + FNumHidden - 1) + 1);
    for (int k = std::max(FromCol, 0); k <= ToCol && k < static_cast<int>(FVisibleCol.size()); ++k) {
        // The grid never loses its last displayed column.
        if (!FVisibleCol[static_cast<size_t>(k)] || k >= ColCount() + FNumHidden || ColCount() <= 1) continue;
        const int d = DisplColIndex(k);
        FAllColWidths[static_cast<size_t>(k)] = ColWidths(d);
        for (int i = d + 1; i < ColCount(); ++i) SetColWidths(i - 1, ColWidths(i));
        ++FNumHidden;
        FVisibleCol[static_cast<size_t>(k)] = false;
        if (Col() == ColCount() - 1) SetCol(Col() - 1);
        SetColCount(ColCount() - 1);
    }
    Invalidate();
}

void TExtStringGrid::UnHideColumns(int FromCol, int ToCol) {
    for (int k = std::max(FromCol, 0); k <= ToCol && k < static_cast<int>(FVisibleCol.size()); ++k) {
        if (FVisibleCol[static_cast<size_t>(k)]) continue;
        --FNumHidden;
        FVisibleCol[static_cast<size_t>(k)] = true;
        SetColCount(ColCount() + 1);
        const int d = DisplColIndex(k);
        for (int i = ColCount() - 1; i > d; --i) SetColWidths(i, ColWidths(i - 1));
        SetColWidths(d, FAllColWidths[static_cast<size_t>(k)]);
    }
    Invalidate();
}

void TExtStringGrid::UnHideColumnsAll() { UnHideColumns(0, ColCount() + NumHiddenColumns()); }

int TExtStringGrid::AllColWidths(int ACol) const {
    if (IsHiddenColumn(ACol)) return FAllColWidths[static_cast<size_t>(ACol)];
    return ColWidths(DisplColIndex(ACol));
}

void TExtStringGrid::SetAllColWidths(int ACol, int Value) {
    if (ACol < 0) return;
    if (IsHiddenColumn(ACol)) FAllColWidths[static_cast<size_t>(ACol)] = Value;
    else SetColWidths(DisplColIndex(ACol), Value);
}

bool TExtStringGrid::IsIgnoredColumn(int ACol) const {
    return std::find(FIgnoreColumns.begin(), FIgnoreColumns.end(), ACol) != FIgnoreColumns.end();
}

// ----------------------------------------------------------- row store

TStoredRow TExtStringGrid::TakeRowCells(int ARow) {
    TStoredRow cells(static_cast<size_t>(TotalColCount()));
    for (int c = 0; c < TotalColCount(); ++c) {
        TStoredCell& cell = cells[static_cast<size_t>(c)];
        cell.Text = GetGridCell(c, ARow);
        cell.Props.reset(PropsOf(c, ARow));
        SetGridObject(c, ARow, nullptr);
        SetGridCell(c, ARow, "");
    }
    return cells;
}

void TExtStringGrid::PutRowCells(int ARow, TStoredRow&& Cells) {
    for (int c = 0; c < static_cast<int>(Cells.size()); ++c) {
        TStoredCell& cell = Cells[static_cast<size_t>(c)];
        SetGridCell(c, ARow, cell.Text);
        if (cell.Props) {
            cell.Props->SetOwnerCol(c);
            cell.Props->SetOwnerRow(ARow);
        }
        SetGridObject(c, ARow, cell.Props.release());
    }
}

void TExtStringGrid::MoveRowSlots(int From, int To) {
    for (int c = 0; c < TotalColCount(); ++c) {
        plat::TObject* obj = GetGridObject(c, From);
        if (auto* p = dynamic_cast<TCellProperties*>(obj)) p->SetOwnerRow(To);
        SetGridCell(c, To, GetGridCell(c, From));
        SetGridObject(c, To, obj);
        SetGridObject(c, From, nullptr);
        SetGridCell(c, From, "");
    }
    TBaseGrid::SetRowHeights(To, RowHeights(From));
}

void TExtStringGrid::SetTextAndRowCount(int Value) {
    TBaseGrid::SetRowCount(Value);
    FNormalRowCount = RowCount();
}

void TExtStringGrid::RemoveRowsInternal(int ARow, int Count) {
    // The rows' cells have been taken out already; what lies below moves up
    // with its properties and heights.
    const int n = RowCount();
    if (ARow < 0 || Count <= 0 || ARow >= n) return;
    Count = std::min(Count, n - ARow);
    if (ARow + Count < n) ShiftRowHeights(ARow + Count, -Count);
    ShiftStoreRows(ARow + Count, -Count);
    SetTextAndRowCount(n - Count);
}

void TExtStringGrid::InsertRowsInternal(int ARow, int Count) {
    if (ARow < 0 || Count <= 0) return;
    const int n = RowCount();
    SetTextAndRowCount(n + Count);
    ShiftStoreRows(ARow, Count);
    ShiftRowHeights(ARow, Count);
}

// ----------------------------------------------------------- rows

namespace {
auto ItemBefore = [](const TGridItem& item, int row) { return item.Idx < row; };
}

TGridItem* TExtStringGrid::FindHiddenRow(int RealRow) {
    return const_cast<TGridItem*>(static_cast<const TExtStringGrid*>(this)->FindHiddenRow(RealRow));
}

const TGridItem* TExtStringGrid::FindHiddenRow(int RealRow) const {
    if (FGridItems.empty()) return nullptr;
    auto it = std::lower_bound(FGridItems.begin(), FGridItems.end(), RealRow, ItemBefore);
    return (it != FGridItems.end() && it->Idx == RealRow) ? &*it : nullptr;
}

int TExtStringGrid::HiddenRowsBelow(int RealRow) const {
    auto it = std::lower_bound(FGridItems.begin(), FGridItems.end(), RealRow, ItemBefore);
    return static_cast<int>(it - FGridItems.begin());
}

bool TExtStringGrid::IsHiddenRow(int RowIndex) const { return FindHiddenRow(RowIndex) != nullptr; }

int TExtStringGrid::RealRowIndex(int ARow) const {
    // Each hidden row at or below the running answer pushes it one further.
    int r = ARow;
    for (const TGridItem& item : FGridItems) {
        if (item.Idx > r) break;
        ++r;
    }
    return r;
}

int TExtStringGrid::DisplRowIndex(int ARow) const {
    if (FGridItems.empty()) return ARow;
    return ARow - HiddenRowsBelow(ARow);
}

void TExtStringGrid::HideRows(int FromRow, int ToRow) {
    if (FromRow < 0 || ToRow < FromRow) return;
    const int displFrom = DisplRowIndex(FromRow);
    if (!IsHiddenRow(FromRow) && displFrom < RowCount())
        if (plat::TControl* c = CellControls(1, displFrom)) c->SetVisible(false);
    int shown = 0;
    for (int r = FromRow; r <= ToRow; ++r) {
        if (IsHiddenRow(r)) continue;
        // The rows of the range that are still shown stand one below the
        // other from FromRow's displayed place.
        const int d = displFrom + shown;
        if (d >= RowCount()) break;
        TGridItem item;
        item.Idx = r;
        item.Height = RowHeights(d);
        item.Items = TakeRowCells(d);
        const auto at = std::lower_bound(FGridItems.begin(), FGridItems.end(), r, ItemBefore);
        FGridItems.insert(at, std::move(item));
        ++shown;
    }
    if (shown > 0) RemoveRowsInternal(displFrom, shown);
    CellControlsUpdate(false);
}

void TExtStringGrid::UnHideRow(int RowIndex) {
    auto it = std::lower_bound(FGridItems.begin(), FGridItems.end(), RowIndex, ItemBefore);
    if (it == FGridItems.end() || it->Idx != RowIndex) return;
    const int d = RowIndex - static_cast<int>(it - FGridItems.begin());
    InsertRowsInternal(d, 1);
    PutRowCells(d, std::move(it->Items));
    SetRowHeights(d, it->Height);
    FGridItems.erase(it);
    TControlList& list = St().CellControls;
    for (int i = 0; i < list.Count(); ++i)
        if (list.Control(i).Y == RowIndex && list.Control(i).Control) list.Control(i).Control->SetVisible(true);
    CellControlsUpdate(false);
}

void TExtStringGrid::UnHideRows(int FromRow, int ToRow) {
    if (!IsHiddenRow(FromRow)) return;
    auto first = std::lower_bound(FGridItems.begin(), FGridItems.end(), FromRow, ItemBefore);
    auto last = std::lower_bound(first, FGridItems.end(), ToRow + 1, ItemBefore);
    const int displFrom = FromRow - static_cast<int>(first - FGridItems.begin());
    InsertRowsInternal(displFrom, static_cast<int>(last - first));
    // Every row of the range before an item is shown once this pass ends,
    // so the item goes back at its distance from FromRow.
    for (auto it = first; it != last; ++it) {
        const int d = displFrom + (it->Idx - FromRow);
        PutRowCells(d, std::move(it->Items));
        SetRowHeights(d, it->Height);
    }
    FGridItems.erase(first, last);
    if (plat::TControl* c = CellControls(1, displFrom)) c->SetVisible(true);
    CellControlsUpdate(false);
}

void TExtStringGrid::UnHideRowsAll() {
    while (!FGridItems.empty()) {
        const int from = FGridItems.front().Idx;
        int to = from;
        for (size_t i = 1; i < FGridItems.size() && FGridItems[i].Idx == to + 1; ++i) ++to;
        UnHideRows(from, to);
    }
}

// ----------------------------------------------------------- filter levels

void TExtStringGrid::HideRowList(const std::vector<int>& RowList) {
    std::vector<bool> listed(static_cast<size_t>(RowCount()), false);
    int n = 0;
    for (int r : RowList) {
        if (r < 0 || r >= RowCount() || listed[static_cast<size_t>(r)]) continue;
        listed[static_cast<size_t>(r)] = true;
        ++n;
        TGridItem item;
        item.Idx = r;
        item.Height = RowHeights(r);
        item.Level = FFilterLevel;
        item.Items = TakeRowCells(r);
        const auto at = std::upper_bound(FGridItems.begin(), FGridItems.end(), r,
                                         [](int row, const TGridItem& it) { return row < it.Idx; });
        FGridItems.insert(at, std::move(item));
    }
    ++FFilterLevel;
    int w = 0;
    const int count = RowCount();
    for (int r = 0; r < count; ++r) {
        if (listed[static_cast<size_t>(r)]) continue;
        if (w != r) MoveRowSlots(r, w);
        ++w;
    }
    SetTextAndRowCount(count - n);
    CellControlsUpdate(false);
}

void TExtStringGrid::UnHideRowList() {
    std::vector<TGridItem> level;
    for (auto it = FGridItems.begin(); it != FGridItems.end();) {
        if (it->Level + 1 == FFilterLevel) {
            level.push_back(std::move(*it));
            it = FGridItems.erase(it);
        } else {
            ++it;
        }
    }
    if (Row() >= RowCount()) FocusCell(FixedCols(), FixedRows());
    const int oldCount = RowCount();
    SetTextAndRowCount(oldCount + static_cast<int>(level.size()));
    // Merge from the bottom: each row either is an item of this level
    // coming back, or a shown row moving down to make room.
    int s = oldCount - 1;
    auto k = static_cast<int>(level.size()) - 1;
    for (int t = RowCount() - 1; t >= 0; --t) {
        if (k >= 0 && level[static_cast<size_t>(k)].Idx == t) {
            PutRowCells(t, std::move(level[static_cast<size_t>(k)].Items));
            TBaseGrid::SetRowHeights(t, level[static_cast<size_t>(k)].Height);
            --k;
        } else {
            if (s < t && s >= 0) MoveRowSlots(s, t);
            --s;
        }
    }
    if (FFilterLevel < 2) FGridItems.clear();
    CellControlsUpdate(false);
}

void TExtStringGrid::ScrollInView(int ColIndex, int RowIndex) {
    if (ColIndex >= ColCount() || RowIndex >= RowCount()) return;
    const int visCols = VisibleColCount();
    const int visRows = VisibleRowCount();
    int left = LeftCol();
    int top = TopRow();
    if (ColIndex < LeftCol() || ColIndex >= LeftCol() + visCols) {
        SetCol(ColIndex);
        left = std::max(ColIndex - visCols / 2, FixedCols());
    }
    if (RowIndex < TopRow() || RowIndex >= TopRow() + visRows) {
        SetRow(RowIndex);
        top = std::max(RowIndex - visRows / 2, FixedRows());
    }
    left = std::min(left, ColCount() - visCols + 1);
    if (FixedCols() + visCols < ColCount()) SetLeftCol(left);
    if (FixedRows() + visRows >= RowCount()) return;
    TBaseGrid::SetTopRow(std::min(top, RowCount() - visRows + 1));
}

// ----------------------------------------------------------- selection highlight

void TExtStringGrid::HideSelection() {
    FSavedSelection = Selection();
    TBaseGrid::SetSelection({ColCount(), RowCount(), ColCount(), RowCount()});
    FSelectionHidden = true;
}

void TExtStringGrid::UnHideSelection() {
    FSelectionHidden = false;
    if (FSavedSelection.Top < RowCount() && FSavedSelection.Left < ColCount()) {
        TBaseGrid::SetSelection(FSavedSelection);
        return;
    }
    int c = FixedCols();
    int r = FixedRows();
    if (FFixedColAlways && c >= ColCount()) c = 0;
    if (FFixedRowAlways && r >= RowCount()) r = 0;
    TBaseGrid::SetSelection({c, r, c, r});
}

}  // namespace grid
