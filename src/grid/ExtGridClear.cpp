// Emptying, trimming and colouring rectangles of cells, and merging runs
// of equal cells along a column or a row.

#include <algorithm>
#include <functional>
#include <string>

#include "base/StrUtils.h"
#include "grid/ExtGrid.h"
#include "grid/ExtGridDataState.h"

namespace grid {

void TExtStringGrid::ClearRect(int ACol1, int ARow1, int ACol2, int ARow2) {
    const bool mapped = FSaveHiddenCells;
    const bool textOnly = ClearTextOnly();
    const bool notOwned = ObjectsNotOwned();
    ARow1 = std::max(ARow1, 0);
    ARow2 = std::min(ARow2, RowCount() - 1);
    for (int r = ARow1; r <= ARow2; ++r)
        for (int c = ACol1; c <= ACol2; ++c) {
            const int real = mapped ? RealColIndex(c) : c;
            if (!textOnly && FHasCellProps) {
                if (notOwned) SetGridObject(real, r, nullptr);
                else FreeCellProps(real, r);
            }
            if (FDestroying || GetGridCell(real, r).empty()) continue;
            SetGridCell(real, r, "");
            RepaintCell(DisplColIndex(real), r);
        }
    if (!textOnly && ACol1 <= 0 && ARow1 <= 0 && ACol2 >= ColCount() - 1 && ARow2 >= RowCount() - 1 &&
        NumHiddenColumns() == 0)
        FHasCellProps = false;
    if (FHideLastRow && ARow2 >= RowCount() - 1 && ARow1 <= RowCount() - 1) LastRowChanged();
    NotifyCellsChanged(mapped ? RealColIndex(ACol1) : ACol1, ARow1, mapped ? RealColIndex(ACol2) : ACol2, ARow2);
}

void TExtStringGrid::ClearRows(int RowIndex, int RCount) {
    if (RowCount() <= 0 || TotalColCount() <= 0 || RCount <= 0) return;
    // Stored columns directly: hidden ones are emptied too.
    const bool mapped = FSaveHiddenCells;
    FSaveHiddenCells = false;
    ClearRect(0, RowIndex, TotalColCount() - 1, RowIndex + RCount - 1);
    FSaveHiddenCells = mapped;
}

void TExtStringGrid::ClearCols(int ColIndex, int CCount) {
    if (RowCount() <= 0 || TotalColCount() <= 0 || CCount <= 0) return;
    ClearRect(ColIndex, 0, ColIndex + CCount - 1, RowCount() - 1);
}

void TExtStringGrid::ClearNormalCols(int ColIndex, int CCount) {
    if (RowCount() <= 0 || TotalColCount() <= 0 || CCount <= 0) return;
    ClearRect(ColIndex, FixedRows(), ColIndex + CCount - 1, RowCount() - FFixedFooters - 1);
}

void TExtStringGrid::ClearNormalRows(int RowIndex, int RCount) {
    if (RowCount() <= 0 || TotalColCount() <= 0 || RCount <= 0) return;
    ClearRect(FixedCols(), RowIndex, TotalColCount() - FFixedRightCols - 1, RowIndex + RCount - 1);
}

void TExtStringGrid::ClearNormalCells() {
    // Without a fixed column the nodes live in cells being emptied: they go
    // first, so that no row stays hidden under a node that is gone.
    if (HasNodes() && FixedCols() == 0) RemoveAllNodes();
    const int normal = RowCount() - FFixedFooters - FixedRows();
    if (normal > 0) ClearNormalRows(FixedRows(), normal);
}

void TExtStringGrid::ClearSelection() {
    if (FMouseActions.DisjunctRowSelect()) {
        const bool persistent = FMouseActions.RowSelectPersistent();
        for (int r = FixedRows(); r < RowCount(); ++r)
            if (GetRowSelect(persistent ? RealRowIndex(r) : r)) ClearRows(r, 1);
    } else if (FMouseActions.DisjunctColSelect()) {
        for (int c = 0; c < ColCount(); ++c)
            if (GetColSelect(c)) ClearCols(c, 1);
    } else {
        const TGridRect s = Selection();
        ClearRect(std::min(s.Left, s.Right), std::min(s.Top, s.Bottom), std::max(s.Left, s.Right),
                  std::max(s.Top, s.Bottom));
    }
}

void TExtStringGrid::Clear() {
    if (!FDestroying && HasNodes()) RemoveAllNodes();
    ClearRows(0, RowCount());
    ClearIncrementalSearch();
    if (NumHiddenColumns() > 0) Invalidate();
}

void TExtStringGrid::ClearAll() {
    Clear();
    for (TGridItem& item : FGridItems)
        for (TStoredCell& cell : item.Items) cell.Text.clear();
}

void TExtStringGrid::TrimRect(int ACol1, int ARow1, int ACol2, int ARow2) {
    for (int r = ARow1; r <= ARow2; ++r)
        for (int c = ACol1; c <= ACol2; ++c) {
            const int real = FSaveHiddenCells ? RealColIndex(c) : c;
            const std::string text = Cells(real, r);
            const std::string trimmed = base::Trim(text);
            if (trimmed != text) SetCells(real, r, trimmed);
        }
}

void TExtStringGrid::TrimColumn(int ACol) { TrimRect(ACol, 0, ACol, RowCount() - 1); }

void TExtStringGrid::TrimRow(int ARow) { TrimRect(0, ARow, ColCount() - 1, ARow); }

void TExtStringGrid::TrimAll() { TrimRect(0, 0, ColCount() - 1, RowCount() - 1); }

void TExtStringGrid::ColorRect(int ACol1, int ARow1, int ACol2, int ARow2, TColor AColor) {
    for (int r = ARow1; r <= ARow2; ++r)
        for (int c = ACol1; c <= ACol2; ++c) SetColors(c, r, AColor);
}

// ----------------------------------------------------------- merging runs

namespace {

// One line of cells, down a column or along a row, by position on it.
struct TCellLine {
    std::function<std::string(int)> Text;
    std::function<bool(int, int)> SameBlocks;  // the two positions lie in the same blocks across
    std::function<void(int, int)> Merge;       // first position, length
    std::function<bool(int)> InBlock;          // part of a block along the line
    std::function<int(int)> BlockEnd;          // last position of that block
    std::function<void(int)> Split;
};

// Merges the runs of equal texts on positions First..End-1; a run of one
// stays as it is.
void MergeRuns(const TCellLine& L, int First, int End, bool MainMerge) {
    int start = First;
    for (int p = First + 1; p < End; ++p) {
        if (L.Text(p) == L.Text(p - 1) && (MainMerge || L.SameBlocks(p, p - 1))) continue;
        if (p - start > 1) L.Merge(start, p - start);
        start = p;
    }
    if (End - start > 1) L.Merge(start, End - start);
}

void SplitRuns(const TCellLine& L, int End) {
    int p = 0;
    while (p < End) {
        if (!L.InBlock(p)) {
            ++p;
            continue;
        }
        const int next = L.BlockEnd(p) + 1;
        L.Split(p);
        p = next;
    }
}

// Down a column: positions are rows.
TCellLine ColumnLine(TExtStringGrid& G, int ACol) {
    return {[&G, ACol](int r) { return G.Cells(ACol, r); },
            [&G](int a, int b) { return G.RowSpanIdentical(a, b); },
            [&G, ACol](int r, int n) { G.MergeCells(ACol, r, 1, n); },
            [&G, ACol](int r) { return G.IsYMergedCell(ACol, r); },
            [&G, ACol](int r) { return G.BaseCell(ACol, r).Y + G.CellSpan(ACol, r).Y; },
            [&G, ACol](int r) { G.SplitCells(ACol, r); }};
}

// Along a row: positions are columns.
TCellLine RowLine(TExtStringGrid& G, int ARow) {
    return {[&G, ARow](int c) { return G.Cells(c, ARow); },
            [&G](int a, int b) { return G.ColSpanIdentical(a, b); },
            [&G, ARow](int c, int n) { G.MergeCells(c, ARow, n, 1); },
            [&G, ARow](int c) { return G.IsXMergedCell(c, ARow); },
            [&G, ARow](int c) { return G.BaseCell(c, ARow).X + G.CellSpan(c, ARow).X; },
            [&G, ARow](int c) { G.SplitCells(c, ARow); }};
}

}  // namespace

void TExtStringGrid::SplitColumnCells(int ColIndex) { SplitRuns(ColumnLine(*this, ColIndex), RowCount() - FFixedFooters); }

void TExtStringGrid::MergeColumnCells(int ColIndex, bool MainMerge) {
    MergeRuns(ColumnLine(*this, ColIndex), FixedRows(), RowCount() - FFixedFooters, MainMerge);
}

TIntList& TExtStringGrid::MergedColumns() { return Ops().MergedColumns; }

void TExtStringGrid::SplitMergedColumns() {
    for (int c = 0; c < ColCount(); ++c) SplitColumnCells(RealColIndex(c));
}

// The first listed column merges its runs freely; every later one only
// within the blocks of the columns merged before it, so that its blocks
// nest in theirs.
void TExtStringGrid::RemergeColumns() {
    const TIntList& list = MergedColumns();
    for (int i = 0; i < list.Count(); ++i) {
        const int c = list.Items(i);
        if (c >= 0 && c < TotalColCount()) MergeColumnCells(c, i == 0);
    }
}

void TExtStringGrid::MergedColumnsChanged() {
    SplitMergedColumns();
    RemergeColumns();
}

void TExtStringGrid::SplitRowCells(int RowIndex) { SplitRuns(RowLine(*this, RowIndex), ColCount() - FFixedRightCols); }

void TExtStringGrid::MergeRowCells(int RowIndex, bool MainMerge) {
    MergeRuns(RowLine(*this, RowIndex), FixedCols(), ColCount() - FFixedRightCols, MainMerge);
}

void TExtStringGrid::SplitAllCells() {
    if (MergeCount() == 0 && !FHasCellProps) return;
    for (int r = 0; r < RowCount(); ++r)
        for (int c = 0; c < ColCount(); ++c)
            if (IsMergedCell(c, r)) SplitCells(c, r);
}

bool TExtStringGrid::IsCell(const std::string& SubStr, int& ACol, int& ARow) {
    for (int r = 0; r < RowCount(); ++r)
        for (int c = 0; c < ColCount(); ++c)
            if (GetGridCell(RealColIndex(c), r) == SubStr) {
                ACol = c;
                ARow = r;
                return true;
            }
    return false;
}

bool TExtStringGrid::IsWideCell(int ACol, int ARow) { return Cells(ACol, ARow).starts_with("|\\"); }

}  // namespace grid
