// The range selection (anchor and current cell) and the grid's own disjunct
// selections of rows, columns and cells, with the row flags kept beside
// them and the repaint helpers.

#include <algorithm>
#include <cstdlib>

#include "base/StrUtils.h"
#include "grid/ExtGrid.h"

namespace grid {

namespace {
int PackCell(int ACol, int ARow) {
    return static_cast<int>(((static_cast<std::uint32_t>(ARow) & 0xFFFFu) << 16) |
                            (static_cast<std::uint32_t>(ACol) & 0xFFFFu));
}
}  // namespace

// ----------------------------------------------------------- range selection

void TExtStringGrid::MoveCurrentCell(int ACol, int ARow) { MoveColRow(ACol, ARow, true, true); }

void TExtStringGrid::SetSelection(const TGridRect& R) {
    // The framework makes (Right, Bottom) current without asking the
    // select-cell step: a selected row leaves its last column current.
    TBaseGrid::SetSelection(R);
    if (FActiveCellShow) {
        RepaintRow(0);
        RepaintCol(0);
    }
}

void TExtStringGrid::SelectRange(int FromCol, int ToCol, int FromRow, int ToRow) {
    SetRow(ToRow);
    SetCol(ToCol);
    SetSelection({FromCol, FromRow, ToCol, ToRow});
}

void TExtStringGrid::FocusCell(int ACol, int ARow) { SetSelection({ACol, ARow, ACol, ARow}); }

void TExtStringGrid::GotoCell(int ACol, int ARow) {
    SetRow(ARow);
    SetCol(ACol);
}

// ----------------------------------------------------------- disjunct rows

void TExtStringGrid::PadRowSelect(int Count) const {
    if (static_cast<int>(FRowSelect.size()) < Count) FRowSelect.resize(static_cast<size_t>(Count), false);
}

bool TExtStringGrid::GetRowSelect(int ARow) const {
    if (!FMouseActions.RowSelectPersistent() && (ARow < 0 || ARow >= RowCount() + NumHiddenRows()))
        throw EExtGridError("Invalid row " + base::IntToStr(ARow) + " accessed");
    if (FMouseActions.DisjunctRowSelect()) {
        if (ARow < 0) throw EExtGridError("Invalid row " + base::IntToStr(ARow) + " accessed");
        PadRowSelect(ARow + 1);
        return FRowSelect[static_cast<size_t>(ARow)];
    }
    const TGridRect s = Selection();
    return ARow >= std::min(s.Top, s.Bottom) && ARow <= std::max(s.Top, s.Bottom);
}

void TExtStringGrid::SetRowSelect(int ARow, bool Value) {
    if (ARow < 0 || (ARow >= RowCount() + NumHiddenRows() && RowCount() > FixedRows()))
        throw EExtGridError("Invalid row accessed");
    bool allow = true;
    if (OnRowDisjunctSelect &&
        (ARow >= static_cast<int>(FRowSelect.size()) || FRowSelect[static_cast<size_t>(ARow)] != Value))
        OnRowDisjunctSelect(this, ARow, Value, allow);
    if (!allow) return;
    PadRowSelect(ARow + 1);
    const bool was = FRowSelect[static_cast<size_t>(ARow)];
    if (Value) {
        if (!was) RepaintRow(ARow);
        FRowSelect[static_cast<size_t>(ARow)] = true;
        if (ARow >= FixedRows() && std::find(FSelectedRows.begin(), FSelectedRows.end(), ARow) == FSelectedRows.end())
            FSelectedRows.push_back(ARow);
    } else {
        if (was) RepaintRow(ARow);
        FRowSelect[static_cast<size_t>(ARow)] = false;
        std::erase(FSelectedRows, ARow);
    }
    if (OnRowDisjunctSelected) OnRowDisjunctSelected(this, ARow);
}

void TExtStringGrid::SelectRows(int RowIndex, int RCount) {
    RCount = std::min(RCount, RowCount() - RowIndex);
    if (RCount <= 0) return;
    if (!FMouseActions.DisjunctRowSelect()) {
        SetSelection({FixedCols(), RowIndex, ColCount() - 1, RowIndex + RCount - 1});
    } else {
        for (int i = 0; i < RCount; ++i) {
            int r = RowIndex + i;
            if (r >= RowCount()) break;
            if (FMouseActions.RowSelectPersistent()) r = RealRowIndex(r);
            SetRowSelect(r, true);
        }
    }
    FSelChange = false;
}

void TExtStringGrid::UnSelectRows(int RowIndex, int RCount) {
    if (!FMouseActions.DisjunctRowSelect()) return;
    for (int i = 0; i < RCount; ++i) {
        int r = RowIndex + i;
        if (r >= RowCount()) break;
        if (FMouseActions.RowSelectPersistent()) r = RealRowIndex(r);
        SetRowSelect(r, false);
    }
    FSelChange = false;
}

void TExtStringGrid::ClearRowSelect() {
    for (size_t r = 0; r < FRowSelect.size(); ++r) {
        if (!FRowSelect[r]) continue;
        RepaintRow(static_cast<int>(r));
        FRowSelect[r] = false;
    }
    FSelectedRows.clear();
}

void TExtStringGrid::SelectionToRowSelect(bool All) {
    TGridRect s = Selection();
    const int top = std::min(s.Top, s.Bottom);
    const int bottom = std::min(std::max(s.Top, s.Bottom), RowCount() - FFixedFooters - 1);
    for (int r = FixedRows(); r < RowCount(); ++r) {
        const bool inside = r >= top && r <= bottom;
        if (!inside && !All) continue;
        SetRowSelect(FMouseActions.RowSelectPersistent() ? RealRowIndex(r) : r, inside);
    }
    if (NumHiddenRows() > 0) Invalidate();
}

int TExtStringGrid::RowSelectCount() const {
    if (FMouseActions.DisjunctRowSelect()) {
        const size_t n = std::min(FRowSelect.size(), static_cast<size_t>(std::max(RowCount() + NumHiddenRows(), 0)));
        return static_cast<int>(std::count(FRowSelect.begin(), FRowSelect.begin() + static_cast<ptrdiff_t>(n), true));
    }
    const TGridRect s = Selection();
    return std::abs(s.Bottom - s.Top) + 1;
}

int TExtStringGrid::SelectedRowCount() const {
    if (FMouseActions.DisjunctRowSelect()) return static_cast<int>(FSelectedRows.size());
    const TGridRect s = Selection();
    const int bottom = std::min(s.Bottom, RowCount() - FFixedFooters - 1);
    // A merged block counts with all its rows.
    if (IsMergedCell(s.Left, s.Top)) {
        const int span = CellSpan(BaseCell(s.Left, s.Top).X, BaseCell(s.Left, s.Top).Y).Y;
        return s.Top + span > bottom ? span + 1 : std::abs(s.Top - bottom) + 1;
    }
    if (IsMergedCell(s.Left, bottom)) {
        const plat::TPoint b = BaseCell(s.Left, bottom);
        return std::abs(s.Top - bottom) + CellSpan(b.X, b.Y).Y + 1;
    }
    return std::abs(s.Top - bottom) + 1;
}

int TExtStringGrid::GetSelectedRow(int i) const {
    if (FMouseActions.DisjunctRowSelect())
        return (i >= 0 && i < static_cast<int>(FSelectedRows.size())) ? FSelectedRows[static_cast<size_t>(i)] : -1;
    const TGridRect s = Selection();
    const int r = std::min(s.Top, s.Bottom) + i;
    return r <= std::max(s.Top, s.Bottom) ? r : -1;
}

// ----------------------------------------------------------- disjunct columns

bool TExtStringGrid::GetColSelect(int ACol) {
    if (ACol < 0 || ACol >= ColCount()) throw EExtGridError("Invalid column accessed");
    if (static_cast<int>(FColSelect.size()) <= ACol) FColSelect.resize(static_cast<size_t>(ACol) + 1, false);
    return FColSelect[static_cast<size_t>(ACol)];
}

void TExtStringGrid::SetColSelect(int ACol, bool Value) {
    if (ACol < 0 || ACol >= ColCount()) throw EExtGridError("Invalid column accessed");
    if (static_cast<int>(FColSelect.size()) <= ACol) FColSelect.resize(static_cast<size_t>(ACol) + 1, false);
    if (FColSelect[static_cast<size_t>(ACol)] != Value) RepaintCol(ACol);
    FColSelect[static_cast<size_t>(ACol)] = Value;
}

void TExtStringGrid::SelectCols(int ColIndex, int CCount) {
    if (!FMouseActions.DisjunctColSelect()) {
        SetSelection({ColIndex, FixedRows(), ColIndex + CCount - 1, RowCount() - 1});
        return;
    }
    for (int c = ColIndex; c < ColIndex + CCount && c < ColCount(); ++c) SetColSelect(c, true);
}

void TExtStringGrid::UnSelectCols(int ColIndex, int CCount) {
    if (!FMouseActions.DisjunctColSelect()) return;
    for (int c = ColIndex; c < ColIndex + CCount && c < ColCount(); ++c) SetColSelect(c, false);
}

void TExtStringGrid::ClearColSelect() {
    for (size_t c = 0; c < FColSelect.size(); ++c) {
        if (!FColSelect[c]) continue;
        RepaintCol(static_cast<int>(c));
        FColSelect[c] = false;
    }
}

void TExtStringGrid::SelectionToColSelect(bool All) {
    const TGridRect s = Selection();
    for (int c = FixedCols(); c < ColCount(); ++c) {
        const bool inside = c >= s.Left && c <= s.Right;
        if (inside || All) SetColSelect(c, inside);
    }
}

int TExtStringGrid::ColSelectCount() const {
    if (FMouseActions.DisjunctColSelect()) return static_cast<int>(std::count(FColSelect.begin(), FColSelect.end(), true));
    const TGridRect s = Selection();
    return s.Right - s.Left + 1;
}

int TExtStringGrid::SelectedColCount() const {
    if (FMouseActions.DisjunctColSelect()) return static_cast<int>(FColSelect.size());
    const TGridRect s = Selection();
    if (IsMergedCell(s.Left, s.Top)) {
        const plat::TPoint b = BaseCell(s.Left, s.Top);
        const int span = CellSpan(b.X, b.Y).X;
        return s.Left + span > s.Right ? span + 1 : std::abs(s.Left - s.Right) + 1;
    }
    if (IsMergedCell(s.Right, s.Top)) {
        const plat::TPoint b = BaseCell(s.Right, s.Top);
        return std::abs(s.Left - s.Right) + CellSpan(b.X, b.Y).X + 1;
    }
    return std::abs(s.Left - s.Right) + 1;
}

// ----------------------------------------------------------- disjunct cells

bool TExtStringGrid::GetSelectedCells(int ACol, int ARow) const {
    if (FMouseActions.DisjunctCellSelect())
        return std::find(FSelectedCells.begin(), FSelectedCells.end(), PackCell(ACol, ARow)) != FSelectedCells.end();
    const TGridRect s = Selection();
    return ACol >= std::min(s.Left, s.Right) && ACol <= std::max(s.Left, s.Right) &&
           ARow >= std::min(s.Top, s.Bottom) && ARow <= std::max(s.Top, s.Bottom);
}

void TExtStringGrid::SetSelectedCells(int ACol, int ARow, bool Value) {
    const int key = PackCell(ACol, ARow);
    const auto it = std::find(FSelectedCells.begin(), FSelectedCells.end(), key);
    if (Value && it == FSelectedCells.end()) {
        FSelectedCells.push_back(key);
        RepaintCell(ACol, ARow);
    } else if (!Value && it != FSelectedCells.end()) {
        FSelectedCells.erase(it);
        RepaintCell(ACol, ARow);
    }
}

int TExtStringGrid::SelectedCellsCount() {
    if (FMouseActions.DisjunctCellSelect()) return static_cast<int>(FSelectedCells.size());
    FSelectedCells.clear();
    const TGridRect s = Selection();
    if (s.Left == s.Right && s.Top == s.Bottom) {
        FSelectedCells.push_back(PackCell(Col(), Row()));
    } else {
        for (int c = s.Left; c <= s.Right; ++c)
            for (int r = s.Top; r <= s.Bottom; ++r) FSelectedCells.push_back(PackCell(c, r));
    }
    return static_cast<int>(FSelectedCells.size());
}

plat::TPoint TExtStringGrid::GetSelectedCell(int Index) const {
    const auto key = static_cast<std::uint32_t>(FSelectedCells.at(static_cast<size_t>(Index)));
    return {static_cast<int>(key & 0xFFFFu), static_cast<int>(key >> 16)};
}

void TExtStringGrid::ClearSelectedCells() {
    SetSelection({FixedCols(), FixedRows(), FixedCols(), FixedRows()});
    FSelectedCells.clear();
    Invalidate();
}

// ----------------------------------------------------------- row flags

bool TExtStringGrid::GetRowModified(int ARow) const {
    return ARow >= 0 && ARow < static_cast<int>(FModifiedRows.size()) && FModifiedRows[static_cast<size_t>(ARow)] == 1;
}

void TExtStringGrid::SetRowModified(int ARow, bool Value) {
    if (ARow < 0) return;
    if (static_cast<int>(FModifiedRows.size()) <= ARow) FModifiedRows.resize(static_cast<size_t>(ARow) + 1, 0);
    FModifiedRows[static_cast<size_t>(ARow)] = Value ? 1 : 0;
    RepaintCell(0, ARow);
}

int TExtStringGrid::ModifiedRowCount() const {
    return static_cast<int>(std::count(FModifiedRows.begin(), FModifiedRows.end(), 1));
}

void TExtStringGrid::ClearModifiedRows() {
    FModifiedRows.clear();
    Invalidate();
}

bool TExtStringGrid::GetRowEnabled(int ARow) const {
    return ARow < 0 || ARow >= static_cast<int>(FEnabledRows.size()) || FEnabledRows[static_cast<size_t>(ARow)] == 0;
}

void TExtStringGrid::SetRowEnabled(int ARow, bool Value) {
    if (ARow < 0) return;
    if (ARow == Row()) {
        for (int r = FixedRows(); r < RowCount(); ++r) {
            if (r != ARow && GetRowEnabled(r)) {
                SetRow(r);
                break;
            }
        }
    }
    FUseEnabledRows = true;
    if (static_cast<int>(FEnabledRows.size()) <= ARow) FEnabledRows.resize(static_cast<size_t>(ARow) + 1, 0);
    FEnabledRows[static_cast<size_t>(ARow)] = Value ? 0 : 1;
    RepaintRow(ARow);
}

// ----------------------------------------------------------- repaint and order

void TExtStringGrid::RepaintRow(int ARow) { RepaintCell(-1, ARow); }

void TExtStringGrid::RepaintCol(int ACol) { RepaintCell(ACol, -1); }

void TExtStringGrid::SwapCells(plat::TPoint FromCell, plat::TPoint ToCell) {
    const std::string text = GetGridCell(FromCell.X, FromCell.Y);
    plat::TObject* obj = GetGridObject(FromCell.X, FromCell.Y);
    SetGridCell(FromCell.X, FromCell.Y, GetGridCell(ToCell.X, ToCell.Y));
    SetGridObject(FromCell.X, FromCell.Y, GetGridObject(ToCell.X, ToCell.Y));
    SetGridCell(ToCell.X, ToCell.Y, text);
    SetGridObject(ToCell.X, ToCell.Y, obj);
    for (const plat::TPoint& p : {FromCell, ToCell})
        if (auto* props = PropsOf(p.X, p.Y)) {
            props->SetOwnerCol(p.X);
            props->SetOwnerRow(p.Y);
        }
}

void TExtStringGrid::SetColumnOrder() {
    FColumnOrder.clear();
    for (int c = 0; c < ColCount(); ++c) FColumnOrder.push_back(c);
}

int TExtStringGrid::ColumnAtPosition(int P) {
    if (FColumnOrder.empty()) {
        SetColumnOrder();
        if (FColumnOrder.empty()) return P;
    }
    if (P < 0 || P >= static_cast<int>(FColumnOrder.size())) return P;
    int c = FColumnOrder[static_cast<size_t>(P)];
    if (FGroupColumn != -1 && c >= FGroupColumn) ++c;
    return c;
}

int TExtStringGrid::ColumnPosition(int ACol) const {
    if (FColumnOrder.empty()) return ACol;
    int p = ACol;
    const int n = std::min(TotalColCount(), static_cast<int>(FColumnOrder.size()));
    for (int i = 0; i < n; ++i)
        if (FColumnOrder[static_cast<size_t>(i)] == ACol) {
            p = i;
            break;
        }
    if (FGroupColumn != -1 && ACol >= FGroupColumn) --p;
    return p;
}

int TExtStringGrid::ColumnByHeader(const std::string& AValue) {
    for (int c = 0; c < TotalColCount(); ++c)
        if (AllCells(c, 0) == AValue) return c;
    return -1;
}

}  // namespace grid
