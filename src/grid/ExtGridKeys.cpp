// Keys of the string grid: Enter, Esc and Space on top of the framework's
// movement, Home and End as the navigation settings choose, wrapping
// arrows, Ctrl+A and the clipboard shortcuts, Tab leaving the grid unless
// the grid keeps it, and the move after Enter. Every key that changes the
// selection reports it once.

#include <algorithm>

#include "controls/FocusNext.h"
#include "grid/ExtGridEditors.h"
#include "grid/ExtGridInput.h"
#include "platform/Messages.h"

namespace grid {

void TExtStringGrid::KeyDown(unsigned short& Key, plat::TShiftState Shift) {
    // Reports the selection once the key is done, whichever way it ends.
    struct TReport {
        TExtStringGrid& Grid;
        TGridRect Before;
        ~TReport() { Grid.ReportSelection(Before); }
    } report{*this, Selection()};
    TEditState& e = Ed();
    const bool ctrl = (Shift & plat::ssCtrl) != 0;
    const int lastRow = RowCount() - FFixedFooters - 1;
    if (FNavigation.MoveScrollOnly() && !e.EditMode &&
        (Key == plat::VK_PRIOR || Key == plat::VK_NEXT || Key == plat::VK_END || Key == plat::VK_HOME ||
         Key == plat::VK_UP || Key == plat::VK_DOWN)) {
        // The view moves; the current cell stays where the user left it.
        const int vis = VisibleRowCount();
        switch (Key) {
            case plat::VK_PRIOR: SetTopRow(vis + FixedRows() < TopRow() ? TopRow() - vis : FixedRows()); break;
            case plat::VK_NEXT:
                if (TopRow() + vis < RowCount()) SetTopRow(std::min(TopRow() + vis, RowCount() - vis));
                break;
            case plat::VK_END: SetTopRow(std::max(FixedRows(), RowCount() - vis)); break;
            case plat::VK_HOME: SetTopRow(FixedRows()); break;
            case plat::VK_UP:
                if (TopRow() > FixedRows()) SetTopRow(TopRow() - 1);
                break;
            default:
                if (TopRow() + vis < RowCount()) SetTopRow(TopRow() + 1);
                break;
        }
        Key = 0;
        return;
    }
    if (!e.EditMode && (Key == plat::VK_HOME || Key == plat::VK_END) && HomeEndKey(Key, Shift)) {
        Key = 0;
        return;
    }
    if (!e.EditMode && ClipboardKey(Key, Shift)) {
        Key = 0;
        return;
    }
    if (!e.EditMode && RowKey(Key, Shift)) {
        Key = 0;
        return;
    }
    switch (Key) {
        case plat::VK_ESCAPE:
            if (e.EditMode) {
                FinishEdit(true);
                Key = 0;
                return;
            }
            break;
        case 'A':
            if (ctrl && !e.EditMode &&
                (Options().Contains(plat::goRowSelect) || Options().Contains(plat::goRangeSelect))) {
                SelectAllCells();
                Key = 0;
                return;
            }
            break;
        case plat::VK_SPACE:
            if (!e.EditMode && !(Shift & (plat::ssCtrl | plat::ssAlt))) {
                const int rc = RealColIndex(Col());
                if (HasCheckBox(rc, Row())) {
                    if (ToggleCellCheck(rc, Row(), true)) {
                        if (FShowModified.Enabled()) {
                            SetRowModified(Row(), true);
                            RepaintCell(0, Row());
                        }
                        bool state = false;
                        GetCheckBoxState(rc, RealRowIndex(Row()), state);
                        DoCheckBoxClick(Col(), Row(), state);
                    }
                    Key = 0;
                    return;
                }
                if (HasRadioButton(rc, Row())) {
                    if (ToggleCellRadio(rc, Row(), true) && OnRadioButtonClick) OnRadioButtonClick(this, rc, Row());
                    Key = 0;
                    return;
                }
                if (FMouseActions.DisjunctRowSelect()) {
                    const int r = FMouseActions.RowSelectPersistent() ? RealRowIndex(Row()) : Row();
                    SetRowSelect(r, !GetRowSelect(r));
                    Key = 0;
                    return;
                }
            }
            break;
        case plat::VK_DOWN:
            if (FNavigation.AppendOnArrowDown() && !ctrl && FFixedFooters == 0 && Row() == RowCount() - 1) {
                if (e.EditMode && !FinishEdit(false)) {
                    Key = 0;
                    return;
                }
                // A new row to type into, as a list that grows at its end.
                bool allow = true;
                if (OnCanAddRow) OnCanAddRow(this, allow);
                if (allow) {
                    AppendRow();
                    if (OnAutoAddRow) OnAutoAddRow(this, RowCount() - FFixedFooters - 1);
                }
            }
            break;
        case plat::VK_TAB:
            if (!Options().Contains(plat::goTabs) && !(Shift & plat::ssAlt)) {
                // The grid does not keep Tab: it moves on to the next
                // control, and an open edit ends on the way.
                if (e.EditMode && !FinishEdit(false)) {
                    Key = 0;
                    return;
                }
                Key = 0;
                ctl::FocusNextControl(*this);
                return;
            }
            if (Options().Contains(plat::goTabs) && !(Shift & plat::ssAlt) && !Options().Contains(plat::goRowSelect)) {
                if (e.EditMode && !FinishEdit(false)) {
                    Key = 0;
                    return;
                }
                Key = 0;
                TabToCell((Shift & plat::ssShift) != 0);
                return;
            }
            break;
        default: break;
    }
    // Cells the window declares fixed inside the table are stepped over.
    if (FNavigation.SkipFixedCells() && !e.EditMode && !ctrl && !(Shift & plat::ssShift)) {
        int dc = 0, dr = 0;
        if (ReadingKey(Key) == plat::VK_LEFT) dc = -1;
        if (ReadingKey(Key) == plat::VK_RIGHT) dc = 1;
        if (!Options().Contains(plat::goRowSelect)) {
            if (Key == plat::VK_UP) dr = -1;
            if (Key == plat::VK_DOWN) dr = 1;
        }
        if (dc != 0 || dr != 0) {
            const int lo = dc != 0 ? FixedCols() : FixedRows();
            const int hi = dc != 0 ? ColCount() - FFixedRightCols - 1 : lastRow;
            int c = Col() + dc, r = Row() + dr;
            int& v = dc != 0 ? c : r;
            if (v >= lo && v <= hi && IsFixed(c, r)) {
                while (v >= lo && v <= hi && IsFixed(c, r)) v += dc + dr;
                if (v >= lo && v <= hi) MoveColRow(c, r, true, true);
                Key = 0;
                return;
            }
        }
    }
    const plat::TPoint from{Col(), Row()};
    const unsigned short key = Key;
    TBaseGrid::KeyDown(Key, Shift);
    if (e.EditMode) return;
    // Ctrl+Up and Ctrl+Down carry the selected rows one place.
    if (ctrl && FNavigation.CursorMoveRows() && (key == plat::VK_UP || key == plat::VK_DOWN)) {
        const TGridRect s = Selection();
        const int top = std::min(s.Top, s.Bottom), bottom = std::max(s.Top, s.Bottom);
        if (key == plat::VK_DOWN && bottom < lastRow) MoveRow(bottom + 1, top);
        if (key == plat::VK_UP && top > FixedRows()) MoveRow(top - 1, bottom);
        return;
    }
    if (FMouseActions.DisjunctRowSelect() && key >= plat::VK_PRIOR && key <= plat::VK_DOWN) {
        // The rows the keys pass become the row selection; with Shift the
        // whole range, otherwise the row reached.
        if (!(Shift & (plat::ssShift | plat::ssCtrl))) ClearRowSelect();
        if (Shift & plat::ssShift) SelectionToRowSelect(true);
        else SetRowSelect(FMouseActions.RowSelectPersistent() ? RealRowIndex(Row()) : Row(), true);
    }
    // Footer rows sum up the table; the cursor never lands on them.
    if (FFixedFooters > 0 && Row() > lastRow && lastRow >= FixedRows())
        MoveColRow(Col(), lastRow, !(Shift & plat::ssShift), true);
    const TCursorAdvance advance = FNavigation.CursorAdvance();
    if (advance == caDefault || ctrl || (Shift & plat::ssShift)) return;
    // Wrapping arrows: at an edge of the normal cells the cursor goes round
    // to the other side (with caSnake one row or column on).
    const int lastCol = ColCount() - FFixedRightCols - 1;
    const bool snake = advance == caSnake;
    if (Col() != from.X || Row() != from.Y) return;
    switch (ReadingKey(key)) {
        case plat::VK_LEFT:
            if (from.X == FixedCols())
                MoveColRow(lastCol, snake && from.Y > FixedRows() ? from.Y - 1 : from.Y, true, true);
            break;
        case plat::VK_RIGHT:
            if (from.X == lastCol) MoveColRow(FixedCols(), snake && from.Y < lastRow ? from.Y + 1 : from.Y, true, true);
            break;
        case plat::VK_UP:
            if (from.Y == FixedRows())
                MoveColRow(snake && from.X > FixedCols() ? from.X - 1 : from.X, lastRow, true, true);
            break;
        case plat::VK_DOWN:
            if (from.Y == lastRow) MoveColRow(snake && from.X < lastCol ? from.X + 1 : from.X, FixedRows(), true, true);
            break;
        default: break;
    }
}

bool TExtStringGrid::IsOnLastNormalRow() const { return Row() + 1 == RowCount() - FFixedFooters; }

// Home and End by Navigation.HomeEndKey; false leaves the key to the
// framework (Ctrl+End, and the column keys in row-select mode).
bool TExtStringGrid::HomeEndKey(unsigned short Key, plat::TShiftState Shift) {
    const bool home = Key == plat::VK_HOME;
    const bool ctrl = (Shift & plat::ssCtrl) != 0, shift = (Shift & plat::ssShift) != 0;
    const int lastRow = RowCount() - FFixedFooters - 1;
    if (lastRow < FixedRows() || FixedCols() >= ColCount()) return false;
    const THomeEndAction mode = FNavigation.HomeEndKey();
    const bool single = FFixedRowAlways && RowCount() == 1;
    const bool framework = mode == heFirstLastCell   ? ctrl
                           : mode == heFirstLastRow ? ctrl || single
                                                    : !ctrl && (Options().Contains(plat::goRowSelect) || single);
    if (framework) return false;
    if (OnKeyDown) {
        unsigned short k = Key;
        OnKeyDown(this, k, Shift);
        if (k == 0) return true;
    }
    switch (mode) {
        case heFirstLastCell:
            MoveColRow(home ? FixedCols() : ColCount() - 1, home ? FixedRows() : lastRow, true, true);
            return true;
        case heFirstLastRow: {
            const int to = home ? FixedRows() : lastRow;
            if (shift) SetSelection({0, Row(), ColCount() - 1, to});
            else MoveColRow(Col(), to, true, true);
            return true;
        }
        case heFirstLastColumn:
        default:
            if (ctrl) {
                if (!home) {
                    // The last cell of the table, footers excepted.
                    MoveColRow(ColCount() - 1, lastRow, true, true);
                    return true;
                }
                MoveColRow(FixedCols(), FixedRows(), true, true);
                SetLeftCol(FixedCols());
                return true;
            }
            if (shift) {
                SetSelection({Col(), Row(), home ? FixedCols() : ColCount() - FFixedRightCols - 1, Row()});
                return true;
            }
            MoveColRow(home ? FixedCols() : ColCount() - 1, Row(), true, true);
            SetLeftCol(home ? FixedCols() : std::max(FixedCols(), ColCount() - VisibleColCount()));
            return true;
    }
}

bool TExtStringGrid::ClipboardKey(unsigned short Key, plat::TShiftState Shift) {
    if (!FNavigation.AllowClipboardShortCuts()) return false;
    const bool ctrl = (Shift & plat::ssCtrl) != 0, shift = (Shift & plat::ssShift) != 0;
    enum { none, cut, copy, paste } what = none;
    if ((ctrl && Key == 'X') || (shift && Key == plat::VK_DELETE)) what = cut;
    else if ((ctrl && Key == 'V') || (shift && Key == plat::VK_INSERT)) what = paste;
    else if (ctrl && (Key == 'C' || Key == plat::VK_INSERT)) what = copy;
    if (what == none) return false;
    bool allow = true;
    switch (what) {
        case cut:
            if (OnClipboardCut) OnClipboardCut(this, allow);
            if (allow) CutSelectionToClipboard();
            break;
        case paste:
            if (OnClipboardPaste) OnClipboardPaste(this, allow);
            if (allow) PasteSelectionFromClipboard();
            break;
        default:
            if (OnClipboardCopy) OnClipboardCopy(this, allow);
            if (allow) CopySelectionToClipboard();
            break;
    }
    return true;
}

namespace {

// While a row is inserted or deleted by key the filter is off, so that the
// row goes in at its real place among all rows; afterwards the filter is
// applied again.
class TFilterPause {
public:
    explicit TFilterPause(TExtStringGrid& Grid) : FGrid(Grid), FWasActive(Grid.FilterActive()) {
        if (!FWasActive) return;
        const int real = FGrid.RealRowIndex(FGrid.Row());
        FGrid.SetFilterActive(false);
        if (real < FGrid.RowCount()) FGrid.SetRow(real);
    }
    ~TFilterPause() {
        if (FWasActive) FGrid.SetFilterActive(true);
    }
    TFilterPause(const TFilterPause&) = delete;
    TFilterPause& operator=(const TFilterPause&) = delete;

private:
    TExtStringGrid& FGrid;
    bool FWasActive;
};

}  // namespace

// Insert adds a row at (or after) the current one, Delete removes the
// current row; the only row of a table is emptied instead, so the table
// keeps a row to type into. Both go through the grid's node-aware row
// operations, so that a row typed inside a group joins it.
bool TExtStringGrid::RowKey(unsigned short Key, plat::TShiftState Shift) {
    const bool alt = (Shift & plat::ssAlt) != 0;
    if (Key == plat::VK_INSERT && FNavigation.AllowInsertRow() && !alt && !(Shift & (plat::ssCtrl | plat::ssShift))) {
        bool allow = true;
        if (OnCanInsertRow) OnCanInsertRow(this, Row(), allow);
        if (!allow) return true;
        int real;
        {
            TFilterPause pause(*this);
            const bool normalRows = RowCount() - FixedRows() - FFixedFooters > 0;
            int at = FNavigation.InsertPosition() == pInsertAfter && normalRows ? Row() + 1 : Row();
            at = std::clamp(at, FixedRows(), RowCount() - FFixedFooters);
            real = RealRowIndex(at);
            AutoInsertRow(real);
            if (OnAutoInsertRow) OnAutoInsertRow(this, real);
        }
        const int shown = DisplRowIndex(real);
        if (shown >= FixedRows() && shown < RowCount() - FFixedFooters) MoveColRow(Col(), shown, true, true);
        CalcFooter(-1);
        return true;
    }
    if (Key == plat::VK_DELETE && FNavigation.AllowDeleteRow() && !alt) {
        const int normal = RowCount() - FixedRows() - FFixedFooters;
        if (normal < 1 || Row() < FixedRows() || Row() >= RowCount() - FFixedFooters) return true;
        {
            TFilterPause pause(*this);
            const int real = RealRowIndex(Row());
            bool allow = true;
            if (OnCanDeleteRow) OnCanDeleteRow(this, real, allow);
            if (!allow) return true;
            AutoDeleteRow(real);
        }
        const int last = RowCount() - FFixedFooters - 1;
        if (last >= FixedRows()) MoveColRow(Col(), std::clamp(Row(), FixedRows(), last), true, true);
        CalcFooter(-1);
        return true;
    }
    return false;
}

void TExtStringGrid::SelectAllCells() {
    TGridRect all{FixedCols(), FixedRows(), ColCount() - FFixedRightCols - 1, RowCount() - FFixedFooters - 1};
    if (all.Right < all.Left || all.Bottom < all.Top) return;
    if (FMouseActions.DisjunctRowSelect()) SelectRows(all.Top, all.Bottom - all.Top + 1);
    SelectAllHook(all);
    SetSelection(all);
}

void TExtStringGrid::ReportSelection(const TGridRect& Before) {
    const TGridRect now = Selection();
    if (now != Before) SelectionChanged(now.Left, now.Top, now.Right, now.Bottom);
}

void TExtStringGrid::SelectionChanged(int ALeft, int ATop, int ARight, int ABottom) {
    if (OnSelectionChanged) OnSelectionChanged(this, ALeft, ATop, ARight, ABottom);
}

void TExtStringGrid::TabToCell(bool Backwards) {
    const int firstCol = FixedCols(), lastCol = ColCount() - 1 - FFixedRightCols;
    const int firstRow = FixedRows(), lastRow = RowCount() - 1 - FFixedFooters;
    if (firstCol > lastCol || firstRow > lastRow) return;
    const bool editing = Options().Contains(plat::goEditing) || Ed().EditDisable;
    // Along the row, or down the column for any other direction.
    const bool byRow = FNavigation.TabAdvanceDirection() == adLeftRight;
    int c = Col(), r = Row();
    const long cells = static_cast<long>(lastCol - firstCol + 1) * (lastRow - firstRow + 1);
    // Skipping cells that cannot be edited while the grid edits; every
    // cell is looked at once at most.
    for (long n = 0; n < cells; ++n) {
        if (!Backwards && c == lastCol && r == lastRow) {
            // Past the last cell: on to the next control, a new row, or
            // round to the first cell.
            if (FNavigation.TabToNextAtEnd()) {
                ctl::FocusNextControl(*this);
                return;
            }
            if (FNavigation.AdvanceInsert() && FFixedFooters == 0) {
                bool allow = true;
                if (OnCanAddRow) OnCanAddRow(this, allow);
                if (allow) {
                    AppendRow();
                    const int added = RowCount() - 1;
                    MoveColRow(firstCol, added, true, true);
                    if (OnAutoAddRow) OnAutoAddRow(this, added);
                    if (FNavigation.AdvanceAutoEdit() && Row() == added && IsEditable(RealColIndex(Col()), added))
                        ShowEditor();
                    return;
                }
            }
            c = firstCol;
            r = firstRow;
        } else if (byRow) {
            if (Backwards) {
                if (c > firstCol) --c;
                else {
                    c = lastCol;
                    r = r > firstRow ? r - 1 : lastRow;
                }
            } else if (c < lastCol) ++c;
            else {
                c = firstCol;
                ++r;
            }
        } else if (Backwards) {
            if (r > firstRow) --r;
            else {
                r = lastRow;
                c = c > firstCol ? c - 1 : lastCol;
            }
        } else if (r < lastRow) ++r;
        else {
            r = firstRow;
            ++c;
        }
        if (c == Col() && r == Row()) return;
        if (!editing || IsEditable(RealColIndex(c), r)) break;
    }
    MoveColRow(c, r, true, true);
    if (FNavigation.AdvanceAutoEdit() && Col() == c && Row() == r && !IsControlCell(RealColIndex(c), r) &&
        IsEditable(RealColIndex(c), r))
        ShowEditor();
}

void TExtStringGrid::KeyPress(char32_t& Key) {
    TEditState& e = Ed();
    if (Key == 27) {
        if (e.EditMode) FinishEdit(true);
        if (OnKeyPress) OnKeyPress(this, Key);
        Key = 0;
        return;
    }
    if (Key == 13) {
        if (e.EditMode) {
            const bool ended = FinishEdit(false);
            if (OnKeyPress) OnKeyPress(this, Key);
            Key = 0;
            if (ended && FNavigation.AdvanceOnEnter()) AdvanceCell(Col(), Row(), false, true);
            return;
        }
        if (!IsEditable(RealColIndex(Col()), Row())) {
            if (OnKeyPress) OnKeyPress(this, Key);
            Key = 0;
            return;
        }
    }
    IncrementalSearchKey(Key);
    TBaseGrid::KeyPress(Key);
}

void TExtStringGrid::AdvanceCell(int ACol, int ARow, bool Force, bool Forward) {
    if (!FNavigation.AdvanceOnEnter() && !Force) return;
    const int firstCol = FixedCols(), firstRow = FixedRows();
    int lastCol = ColCount() - 1 - FFixedRightCols, lastRow = RowCount() - 1 - FFixedFooters;
    if (firstCol > lastCol || firstRow > lastRow) return;
    const TAdvanceDirection dir = FNavigation.AdvanceDirection();
    const bool byRow = dir == adLeftRight || dir == adLeftRightInRow;
    const bool inLine = dir == adLeftRightInRow || dir == adTopBottomInCol;
    const bool loop = FNavigation.AdvanceOnEnterLoop();
    // Past the end of the table a list that grows takes a new row (or,
    // down the columns, a new column) instead of going round.
    const bool grows = Forward && !inLine && FNavigation.AdvanceInsert();
    bool appended = false, dead = false;
    // One step along the direction; false when the table ends here.
    auto step = [&](int& c, int& r) {
        if (byRow) {
            if (Forward ? c < lastCol : c > firstCol) {
                c += Forward ? 1 : -1;
                return true;
            }
            if (inLine) {
                if (!loop || !Forward) return false;
                c = firstCol;
                return true;
            }
            if (grows && r == lastRow && FFixedFooters == 0 && !appended) {
                bool can = true;
                if (OnCanAddRow) OnCanAddRow(this, can);
                c = firstCol;
                if (!can) return true;  // the start of the last row
                AppendRow();
                lastRow = RowCount() - 1 - FFixedFooters;
                r = lastRow;
                appended = true;
                if (OnAutoAddRow) OnAutoAddRow(this, lastRow);
                // A row the window made read-only throughout is no place
                // to move to.
                dead = true;
                for (int dc = FixedCols(); dc < ColCount() && dead; ++dc)
                    if (IsEditable(RealColIndex(dc), lastRow)) dead = false;
                return true;
            }
            if (Forward ? r < lastRow : r > firstRow) r += Forward ? 1 : -1;
            else if (loop || !Forward) r = Forward ? firstRow : lastRow;
            else return false;
            c = Forward ? firstCol : lastCol;
            return true;
        }
        if (Forward ? r < lastRow : r > firstRow) {
            r += Forward ? 1 : -1;
            return true;
        }
        if (inLine) {
            if (!loop || !Forward) return false;
            r = firstRow;
            return true;
        }
        if (grows && c == lastCol && FFixedRightCols == 0 && !appended) {
            SetColCount(ColCount() + 1);
            lastCol = ColCount() - 1 - FFixedRightCols;
            c = lastCol;
            r = firstRow;
            appended = true;
            if (OnAutoInsertCol) OnAutoInsertCol(this, lastCol);
            return true;
        }
        if (Forward ? c < lastCol : c > firstCol) c += Forward ? 1 : -1;
        else if (loop || !Forward) c = Forward ? firstCol : lastCol;
        else return false;
        r = Forward ? firstRow : lastRow;
        return true;
    };
    int c = ACol, r = ARow;
    bool found = false;
    // Every cell is visited at most once: a table without an editable cell
    // ends the search where it started instead of running round forever.
    const long cells = static_cast<long>(lastCol - firstCol + 1) * (lastRow - firstRow + 1);
    for (long n = 0; n < cells; ++n) {
        if (!step(c, r) || dead) break;
        if (c == ACol && r == ARow) break;
        bool can = true;
        CanEditCell(RealColIndex(c), r, can);
        if (can || !FNavigation.AdvanceSkipReadOnlyCells()) {
            found = true;
            break;
        }
    }
    if (!found) return;
    bool allow = true;
    if (OnAutoAdvance) OnAutoAdvance(this, ARow, ACol, r, c, allow);
    if (!allow) return;
    MoveColRow(c, r, true, true);
    if (FNavigation.AdvanceAutoEdit() && Col() == c && Row() == r && IsEditable(RealColIndex(c), r)) ShowEditor();
}

}  // namespace grid
