// Emptying, trimming and colouring rectangles of cells, and merging runs
// of equal cells along a column or a row.

#include <algorithm>
#include <string>

#include "base/StrUtils.h"
#include "grid/ExtGrid.h"

namespace grid {

void TExtStringGrid::ClearRect(int ACol1, int ARow1, int ACol2, int ARow2) {
    const bool mapped = FSaveHiddenCells;
    const bool textOnly = ClearTextOnly();
    ARow1 = std::max(ARow1, 0);
    ARow2 = std::min(ARow2, RowCount() - 1);
    for (int r = ARow1; r <= ARow2; ++r)
        for (int c = ACol1; c <= ACol2; ++c) {
            const int real = mapped ? RealColIndex(c) : c;
            if (!textOnly && FHasCellProps) FreeCellProps(real, r);
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
    ClearRows(0, RowCount());
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

void TExtStringGrid::SplitColumnCells(int ColIndex) {
    int r = 0;
    while (r < RowCount() - FFixedFooters) {
        if (IsYMergedCell(ColIndex, r)) {
            const plat::TPoint b = BaseCell(ColIndex, r);
            const plat::TPoint span = CellSpan(ColIndex, r);
            SplitCells(ColIndex, r);
            r = b.Y + span.Y + 1;
        } else {
            ++r;
        }
    }
}

void TExtStringGrid::MergeColumnCells(int ColIndex, bool MainMerge) {
    const int end = RowCount() - FFixedFooters;
    int start = FixedRows();
    const auto close = [&](int Stop) {
        if (Stop - start > 1) MergeCells(ColIndex, start, 1, Stop - start);
    };
    for (int r = FixedRows() + 1; r < end; ++r) {
        if (Cells(ColIndex, r) == Cells(ColIndex, r - 1) && (MainMerge || RowSpanIdentical(r, r - 1))) continue;
        close(r);
        start = r;
    }
    close(end);
}

void TExtStringGrid::SplitRowCells(int RowIndex) {
    int c = 0;
    while (c < ColCount() - FFixedRightCols) {
        if (IsXMergedCell(c, RowIndex)) {
            const plat::TPoint b = BaseCell(c, RowIndex);
            const plat::TPoint span = CellSpan(c, RowIndex);
            SplitCells(c, RowIndex);
            c = b.X + span.X + 1;
        } else {
            ++c;
        }
    }
}

void TExtStringGrid::MergeRowCells(int RowIndex, bool MainMerge) {
    const int end = ColCount() - FFixedRightCols;
    int start = FixedCols();
    const auto close = [&](int Stop) {
        if (Stop - start > 1) MergeCells(start, RowIndex, Stop - start, 1);
    };
    for (int c = FixedCols() + 1; c < end; ++c) {
        if (Cells(c, RowIndex) == Cells(c - 1, RowIndex) && (MainMerge || ColSpanIdentical(c, c - 1))) continue;
        close(c);
        start = c;
    }
    close(end);
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
