// Keys of the string grid: Enter, Esc and Space on top of the framework's
// movement, Tab leaving the grid unless the grid keeps it, and the move
// after Enter.

#include "controls/FocusNext.h"
#include "grid/ExtGridEditors.h"
#include "platform/Messages.h"

namespace grid {

void TExtStringGrid::KeyDown(unsigned short& Key, plat::TShiftState Shift) {
    TEditState& e = Ed();
    switch (Key) {
        case plat::VK_ESCAPE:
            if (e.EditMode) {
                FinishEdit(true);
                Key = 0;
                return;
            }
            break;
        case plat::VK_SPACE:
            if (!e.EditMode && !(Shift & (plat::ssCtrl | plat::ssAlt))) {
                const int rc = RealColIndex(Col());
                if (HasCheckBox(rc, Row())) {
                    if (ToggleCellCheck(rc, Row(), true)) {
                        bool state = false;
                        GetCheckBoxState(rc, RealRowIndex(Row()), state);
                        DoCheckBoxClick(Col(), Row(), state);
                    }
                    Key = 0;
                    return;
                }
            }
            break;
        case plat::VK_DOWN:
            if (FNavigation.AppendOnArrowDown() && !(Shift & plat::ssCtrl) && FFixedFooters == 0 &&
                Row() == RowCount() - 1) {
                if (e.EditMode && !FinishEdit(false)) {
                    Key = 0;
                    return;
                }
                // A new row to type into, as a list that grows at its end.
                AppendRow();
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
    TBaseGrid::KeyDown(Key, Shift);
}

void TExtStringGrid::TabToCell(bool Backwards) {
    const int firstCol = FixedCols(), lastCol = ColCount() - 1 - FFixedRightCols;
    const int firstRow = FixedRows(), lastRow = RowCount() - 1 - FFixedFooters;
    if (firstCol > lastCol || firstRow > lastRow) return;
    const bool editing = Options().Contains(plat::goEditing) || Ed().EditDisable;
    int c = Col(), r = Row();
    const long cells = static_cast<long>(lastCol - firstCol + 1) * (lastRow - firstRow + 1);
    // Row by row, skipping cells that cannot be edited while the grid
    // edits; every cell is looked at once at most.
    for (long n = 0; n < cells; ++n) {
        if (Backwards) {
            if (c > firstCol) --c;
            else {
                c = lastCol;
                r = r > firstRow ? r - 1 : lastRow;
            }
        } else if (c < lastCol) ++c;
        else {
            if (r == lastRow && FNavigation.TabToNextAtEnd()) {
                ctl::FocusNextControl(*this);
                return;
            }
            c = firstCol;
            r = r < lastRow ? r + 1 : firstRow;
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
    TBaseGrid::KeyPress(Key);
}

void TExtStringGrid::AdvanceCell(int ACol, int ARow, bool Force, bool Forward) {
    if (!FNavigation.AdvanceOnEnter() && !Force) return;
    const int firstCol = FixedCols(), lastCol = ColCount() - 1 - FFixedRightCols;
    const int firstRow = FixedRows(), lastRow = RowCount() - 1 - FFixedFooters;
    if (firstCol > lastCol || firstRow > lastRow) return;
    const TAdvanceDirection dir = FNavigation.AdvanceDirection();
    const bool byRow = dir == adLeftRight || dir == adLeftRightInRow;
    const bool inLine = dir == adLeftRightInRow || dir == adTopBottomInCol;
    const bool loop = FNavigation.AdvanceOnEnterLoop();
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
        if (!step(c, r)) break;
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
