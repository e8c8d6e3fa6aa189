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

// A row leaving the store takes its entry along whole: the texts move, and
// an object in a cell goes with it as that cell's properties. The row keeps
// one slot per column of the grid, so that its cells line up with the
// columns while it is away.
TStoredRow TExtStringGrid::TakeRowCells(int ARow) {
    std::vector<TStoreCell> taken = TakeStoreCells(ARow);
    const size_t total = static_cast<size_t>(std::max(TotalColCount(), 0));
    TStoredRow cells(total);
    for (size_t c = 0; c < std::min(total, taken.size()); ++c) {
        cells[c].Text = std::move(taken[c].text);
        cells[c].Props.reset(dynamic_cast<TCellProperties*>(taken[c].object));
    }
    return cells;
}

void TExtStringGrid::PutRowCells(int ARow, TStoredRow&& Cells) {
    std::vector<TStoreCell> row(Cells.size());
    for (size_t c = 0; c < Cells.size(); ++c) {
        TStoredCell& cell = Cells[c];
        row[c].text = std::move(cell.Text);
        if (cell.Props) {
            cell.Props->SetOwnerCol(static_cast<int>(c));
            cell.Props->SetOwnerRow(ARow);
        }
        row[c].object = cell.Props.release();
    }
    PutStoreCells(ARow, std::move(row));
    if (ARow < RowCount()) InvalidateRow(ARow);
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
    std::vector<int> rows;
    rows.reserve(static_cast<size_t>(std::min(ToRow, AllRowCount()) - FromRow + 1));
    for (int r = FromRow; r <= ToRow && r < AllRowCount(); ++r) rows.push_back(r);
    HideRealRows(rows, 0);
}

// Hiding and showing many rows costs one pass over the grid whatever their
// number: the store moves whole row entries once, and the hidden-row list
// is merged, never inserted into row by row.
void TExtStringGrid::HideRealRows(const std::vector<int>& RealRows, int Level) {
    const int count = RowCount();
    std::vector<int> displ;
    std::vector<TGridItem> items;
    size_t k = 0;
    for (int real : RealRows) {
        while (k < FGridItems.size() && FGridItems[k].Idx < real) ++k;
        if (k < FGridItems.size() && FGridItems[k].Idx == real) continue;  // hidden already
        const int d = real - static_cast<int>(k);
        if (d < 0 || d >= count || (!displ.empty() && displ.back() >= d)) continue;
        displ.push_back(d);
        TGridItem item;
        item.Idx = real;
        item.Height = RowHeights(d);
        item.Level = Level;
        item.Items = TakeRowCells(d);
        items.push_back(std::move(item));
    }
    if (displ.empty()) {
        CellControlsUpdate(false);
        return;
    }
    CloseUpRows(displ);
    std::vector<TGridItem> merged;
    merged.reserve(FGridItems.size() + items.size());
    std::merge(std::make_move_iterator(FGridItems.begin()), std::make_move_iterator(FGridItems.end()),
               std::make_move_iterator(items.begin()), std::make_move_iterator(items.end()),
               std::back_inserter(merged), [](const TGridItem& a, const TGridItem& b) { return a.Idx < b.Idx; });
    FGridItems = std::move(merged);
    CellControlsUpdate(false);
}

void TExtStringGrid::CloseUpRows(const std::vector<int>& Gone) {
    // The rows that stay close up in order; the emptied ones go to the end
    // and leave with the row count.
    const int count = RowCount();
    std::vector<int> order;
    order.reserve(static_cast<size_t>(count));
    std::vector<int> heights;
    heights.reserve(static_cast<size_t>(count));
    size_t j = 0;
    for (int r = 0; r < count; ++r) {
        if (j < Gone.size() && Gone[j] == r) {
            ++j;
            continue;
        }
        order.push_back(r);
        heights.push_back(RowHeights(r));
    }
    order.insert(order.end(), Gone.begin(), Gone.end());
    PermuteStoreRows(0, order);
    for (int r = 0; r < static_cast<int>(heights.size()); ++r)
        if (RowHeights(r) != heights[static_cast<size_t>(r)]) TBaseGrid::SetRowHeights(r, heights[static_cast<size_t>(r)]);
    SetTextAndRowCount(count - static_cast<int>(Gone.size()));
}

void TExtStringGrid::ShowHiddenItems(const std::function<bool(const TGridItem&)>& Which) {
    std::vector<TGridItem> back, stay;
    for (TGridItem& item : FGridItems) (Which(item) ? back : stay).push_back(std::move(item));
    FGridItems = std::move(stay);
    if (back.empty()) return;
    // A row coming back lands below every shown row whose real index is
    // smaller: its real index less the rows that stay hidden above it.
    std::vector<int> target(back.size());
    size_t k = 0;
    for (size_t i = 0; i < back.size(); ++i) {
        while (k < FGridItems.size() && FGridItems[k].Idx < back[i].Idx) ++k;
        target[i] = back[i].Idx - static_cast<int>(k);
    }
    const int oldCount = RowCount();
    const int newCount = oldCount + static_cast<int>(back.size());
    std::vector<int> heights(static_cast<size_t>(oldCount));
    for (int r = 0; r < oldCount; ++r) heights[static_cast<size_t>(r)] = RowHeights(r);
    SetTextAndRowCount(newCount);
    std::vector<int> order(static_cast<size_t>(newCount));
    std::vector<int> newHeights(static_cast<size_t>(newCount));
    size_t i = 0;
    int shown = 0, fresh = oldCount;
    for (int t = 0; t < newCount; ++t) {
        if (i < back.size() && target[i] == t) {
            order[static_cast<size_t>(t)] = fresh++;
            newHeights[static_cast<size_t>(t)] = back[i].Height;
            ++i;
        } else {
            order[static_cast<size_t>(t)] = shown;
            newHeights[static_cast<size_t>(t)] = shown < oldCount ? heights[static_cast<size_t>(shown)] : DefaultRowHeight();
            ++shown;
        }
    }
    PermuteStoreRows(0, order);
    i = 0;
    for (int t = 0; t < newCount; ++t) {
        if (i < back.size() && target[i] == t) PutRowCells(t, std::move(back[i++].Items));
        if (RowHeights(t) != newHeights[static_cast<size_t>(t)]) TBaseGrid::SetRowHeights(t, newHeights[static_cast<size_t>(t)]);
    }
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
    std::vector<int> displ;
    for (int r : RowList)
        if (r >= 0 && r < RowCount()) displ.push_back(r);
    std::sort(displ.begin(), displ.end());
    displ.erase(std::unique(displ.begin(), displ.end()), displ.end());
    HideDisplayedRows(displ, FFilterLevel);
    ++FFilterLevel;
}

void TExtStringGrid::UnHideRowList() {
    if (Row() >= RowCount()) FocusCell(FixedCols(), FixedRows());
    // Rows hidden by other means (contracted nodes, HideRows at another
    // level) stay hidden: only this level's rows come back.
    const int level = FFilterLevel - 1;
    ShowHiddenItems([level](const TGridItem& item) { return item.Level == level; });
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
