// Reading and setting the selection, running numbers down a column or
// along a row, and exchanging two columns or two rows with what belongs
// to them.

#include <algorithm>
#include <string>
#include <utility>

#include "base/StrUtils.h"
#include "controls/ExtUtil.h"
#include "grid/ExtGrid.h"
#include "grid/ExtGridDragDrop.h"
#include "grid/ExtGridRowsState.h"
#include "grid/ExtGridStructState.h"

namespace grid {

void TExtStringGrid::SelectCells(int FromCol, int FromRow, int ToCol, int ToRow) {
    SetSelection({FromCol, FromRow, ToCol, ToRow});
}

TGridRect TExtStringGrid::EntireRowsSelection() {
    TGridRect s = Selection();
    if (Options().Contains(plat::goRowSelect) && DragDropSettings().OleEntireRows()) {
        s.Left = 0;
        s.Right = ColCount() - 1;
    }
    return s;
}

std::string TExtStringGrid::SelectedText() {
    const TGridRect s = EntireRowsSelection();
    const int left = std::min(s.Left, s.Right), right = std::max(s.Left, s.Right);
    const int top = std::min(s.Top, s.Bottom), bottom = std::max(s.Top, s.Bottom);
    std::vector<int> rows;
    if (FMouseActions.DisjunctRowSelect()) {
        const bool persistent = FMouseActions.RowSelectPersistent();
        for (int r = FixedRows(); r < RowCount(); ++r)
            if (GetRowSelect(persistent ? RealRowIndex(r) : r)) rows.push_back(r);
    } else {
        for (int r = top; r <= bottom; ++r) rows.push_back(r);
    }
    const bool quote = ExcelClipboardFormat();
    std::string text;
    for (size_t i = 0; i < rows.size(); ++i) {
        const int r = rows[i];
        for (int c = left; c <= right; ++c) {
            std::string cell = Cells(RealColIndex(c), r);
            if (quote && ctl::CountTextLines(cell, Multilinecells()) > 1) cell = ctl::QuoteMultilineField(cell);
            text += cell;
            if (c < right) text += '\t';
        }
        // No line break after the last row, so that pasting the text into
        // a single cell does not add an empty row.
        if (i + 1 < rows.size()) text += "\r\n";
    }
    return text;
}

bool TExtStringGrid::IsSelected(int ACol, int ARow) {
    if (ACol < FixedCols() || ARow < FixedRows()) return false;
    if (FMouseActions.DisjunctCellSelect()) return GetSelectedCells(ACol, ARow);
    if (FMouseActions.DisjunctRowSelect())
        return GetRowSelect(FMouseActions.RowSelectPersistent() ? RealRowIndex(ARow) : ARow);
    if (FMouseActions.DisjunctColSelect()) return GetColSelect(ACol);
    const TGridRect s = Selection();
    return ACol >= std::min(s.Left, s.Right) && ACol <= std::max(s.Left, s.Right) &&
           ARow >= std::min(s.Top, s.Bottom) && ARow <= std::max(s.Top, s.Bottom);
}

// ----------------------------------------------------------- numbering

int TExtStringGrid::AutoNumberStart() const { return FRowsState ? FRowsState->AutoNumberStart : 0; }
void TExtStringGrid::SetAutoNumberStart(int Value) { Rw().AutoNumberStart = Value; }
int TExtStringGrid::AutoNumberOffset() const { return FRowsState ? FRowsState->AutoNumberOffset : 0; }
void TExtStringGrid::SetAutoNumberOffset(int Value) { Rw().AutoNumberOffset = Value; }
TSortDirection TExtStringGrid::AutoNumberDirection() const {
    return FRowsState ? FRowsState->AutoNumberDirection : sdAscending;
}
void TExtStringGrid::SetAutoNumberDirection(TSortDirection Value) { Rw().AutoNumberDirection = Value; }

void TExtStringGrid::AutoNumberCol(int ACol) {
    if (RowCount() <= 0) return;
    const int last = RowCount() - FFixedFooters - 1;
    const bool down = AutoNumberDirection() == sdAscending;
    for (int k = AutoNumberStart(); k <= last - FixedRows(); ++k)
        SetInts(ACol, down ? FixedRows() + k : last - k, k + AutoNumberOffset() + 1);
}

void TExtStringGrid::AutoNumberRow(int ARow) {
    if (ColCount() <= 0) return;
    const int last = ColCount() - FFixedRightCols - 1;
    const bool right = AutoNumberDirection() == sdAscending;
    for (int k = AutoNumberStart(); k <= last - FixedCols(); ++k)
        SetInts(right ? FixedCols() + k : last - k, ARow, k + AutoNumberOffset() + 1);
}

// ----------------------------------------------------------- swapping

void TExtStringGrid::SwapColumns(int ACol1, int ACol2) {
    if (ACol1 == ACol2 || ACol1 < 0 || ACol2 < 0 || ACol1 >= TotalColCount() || ACol2 >= TotalColCount()) return;
    for (int r = 0; r < RowCount(); ++r) {
        std::string t1 = GetGridCell(ACol1, r), t2 = GetGridCell(ACol2, r);
        TObject* o1 = GetGridObject(ACol1, r);
        TObject* o2 = GetGridObject(ACol2, r);
        SetGridObject(ACol1, r, nullptr);
        SetGridObject(ACol2, r, nullptr);
        SetGridCell(ACol1, r, t2);
        SetGridCell(ACol2, r, t1);
        SetGridObject(ACol1, r, o2);
        SetGridObject(ACol2, r, o1);
        if (auto* p = dynamic_cast<TCellProperties*>(o1)) p->SetOwnerCol(ACol2);
        if (auto* p = dynamic_cast<TCellProperties*>(o2)) p->SetOwnerCol(ACol1);
    }
    // Hidden rows keep their cells apart from the store; they swap too so
    // that a row shown again still lines up with its headers.
    for (TGridItem& item : FGridItems) {
        const auto need = static_cast<size_t>(std::max(ACol1, ACol2)) + 1;
        if (item.Items.size() < need) item.Items.resize(need);
        std::swap(item.Items[static_cast<size_t>(ACol1)], item.Items[static_cast<size_t>(ACol2)]);
    }
    const int w1 = AllColWidths(ACol1), w2 = AllColWidths(ACol2);
    SetAllColWidths(ACol1, w2);
    SetAllColWidths(ACol2, w1);
    TSortSettings& sort = SortSettings();
    if (sort.Column() == ACol1) sort.SetColumn(ACol2);
    else if (sort.Column() == ACol2) sort.SetColumn(ACol1);
    TControlList& list = St().CellControls;
    for (int i = 0; i < list.Count(); ++i) {
        int& x = list.Control(i).X;
        if (x == ACol1) x = ACol2;
        else if (x == ACol2) x = ACol1;
    }
    CellControlsUpdate(false);
    Invalidate();
}

void TExtStringGrid::SwapRows(int ARow1, int ARow2) {
    if (ARow1 == ARow2 || ARow1 < 0 || ARow2 < 0 || ARow1 >= RowCount() || ARow2 >= RowCount()) return;
    TStoredRow r1 = TakeRowCells(ARow1);
    TStoredRow r2 = TakeRowCells(ARow2);
    PutRowCells(ARow1, std::move(r2));
    PutRowCells(ARow2, std::move(r1));
    const int h1 = RowHeights(ARow1), h2 = RowHeights(ARow2);
    SetRowHeights(ARow1, h2);
    SetRowHeights(ARow2, h1);
    const int real1 = RealRowIndex(ARow1), real2 = RealRowIndex(ARow2);
    TControlList& list = St().CellControls;
    for (int i = 0; i < list.Count(); ++i) {
        int& y = list.Control(i).Y;
        if (y == real1) y = real2;
        else if (y == real2) y = real1;
    }
    CellControlsUpdate(false);
    RepaintRow(ARow1);
    RepaintRow(ARow2);
}

// ----------------------------------------------------------- columns

void TExtStringGrid::RemoveSelectedCols() {
    if (FMouseActions.DisjunctColSelect()) {
        for (int c = ColCount() - 1; c >= FixedCols(); --c)
            if (GetColSelect(c)) RemoveCols(RealColIndex(c), 1);
        ClearColSelect();
        return;
    }
    const TGridRect s = Selection();
    const int left = std::min(s.Left, s.Right), right = std::max(s.Left, s.Right);
    RemoveCols(RealColIndex(left), RealColIndex(right) - RealColIndex(left) + 1);
}

void TExtStringGrid::RemoveUnSelectedCols() {
    if (FMouseActions.DisjunctColSelect()) {
        for (int c = ColCount() - 1; c >= FixedCols(); --c)
            if (!GetColSelect(c)) RemoveCols(RealColIndex(c), 1);
    } else {
        const TGridRect s = Selection();
        const int left = std::min(s.Left, s.Right), right = std::max(s.Left, s.Right);
        if (right + 1 < ColCount()) RemoveCols(RealColIndex(right + 1), TotalColCount() - RealColIndex(right + 1));
        if (left > FixedCols()) RemoveCols(RealColIndex(FixedCols()), RealColIndex(left) - RealColIndex(FixedCols()));
    }
    ClearColSelect();
}

void TExtStringGrid::MergeCols(int ColIndex1, int ColIndex2, const std::string& Separator) {
    if (ColIndex1 == ColIndex2) return;
    for (int r = FixedRows(); r < RowCount(); ++r)
        SetCells(ColIndex1, r, base::Trim(Cells(ColIndex1, r) + Separator + Cells(ColIndex2, r)));
    RemoveCols(ColIndex2, 1);
}

}  // namespace grid
