// Mouse of the string grid: check boxes toggled on their glyph, a double
// click on a header border fitting the column, the hover row, and the
// wheel moving the current row (with Ctrl: zooming).

#include <algorithm>
#include <cmath>

#include "controls/ExtUtil.h"
#include "controls/HtmlText.h"
#include "grid/ExtGridEditors.h"
#include "platform/Application.h"

namespace grid {

namespace {

// Horizontal extent of a cell's check-box glyph as the cell paints it,
// with a little room around it so a click at its edge still counts.
bool InCheckGlyph(const plat::TRect& R, TCellHAlign Align, int XOffset, int Size, int X) {
    const int slack = 2;
    switch (Align) {
        case haRight:
        case haAfterText: return X >= R.Right - XOffset - Size - slack && X < R.Right;
        case haCenter:
        case haFull: {
            const int mid = (R.Left + R.Right) / 2;
            return X >= mid - Size / 2 - slack && X <= mid + Size / 2 + slack;
        }
        default: return X >= R.Left && X <= R.Left + XOffset + Size + slack;
    }
}

}  // namespace

void TExtStringGrid::MouseDown(plat::TMouseButton Button, plat::TShiftState Shift, int X, int Y) {
    if (Button == plat::mbLeft) {
        const plat::TGridCoord cell = MouseCoord(X, Y);
        const bool inGrid = cell.X >= 0 && cell.Y >= 0 && cell.X < ColCount() && cell.Y < RowCount();
        // A double click on the border of a header cell fits the column
        // left of that border to its content.
        if (inGrid && (Shift & plat::ssDouble) && cell.Y < FixedRows() && Options().Contains(plat::goColSizing) &&
            FMouseActions.AutoSizeColOnDblClick()) {
            const plat::TRect r = GridCellRect(cell.X, cell.Y);
            int fit = -1;
            if (X - r.Left < 4 && cell.X - 1 >= FixedCols()) fit = cell.X - 1;
            else if (r.Right - X < 4 && cell.X >= FixedCols()) fit = cell.X;
            if (fit >= 0) {
                SetGridState(plat::gsNormal);
                AutoSizeCol(fit, 0);
                return;
            }
        }
        if (inGrid && !(Shift & plat::ssDouble)) {
            const int rc = RealColIndex(cell.X);
            if (HasCheckBox(rc, cell.Y)) {
                bool can = Options().Contains(plat::goEditing) || FMouseActions.RangeSelectAndEdit() ||
                           Ed().EditDisable;
                CanEditCell(rc, cell.Y, can);
                TCellGraphic* g = GetCellGraphic(rc, cell.Y);
                const plat::TRect r = GridCellRect(cell.X, cell.Y);
                if ((can || FControlLook.CheckAlwaysActive()) && g &&
                    InCheckGlyph(r, g->CellHAlign(), FXYOffset.X, FControlLook.CheckSize(), X)) {
                    if (EditMode() && !FinishEdit(false)) return;
                    if (CanFocus()) SetFocus();
                    if (ToggleCellCheck(rc, cell.Y, true)) {
                        bool state = false;
                        GetCheckBoxState(rc, RealRowIndex(cell.Y), state);
                        if (!FNavigation.AlwaysEdit() && cell.X >= FixedCols() && cell.Y >= FixedRows())
                            MoveColRow(cell.X, cell.Y, true, true);
                        DoCheckBoxClick(cell.X, cell.Y, state);
                    }
                    // The click is the toggle: it neither starts an edit nor
                    // a range selection.
                    if (OnMouseDown) OnMouseDown(this, Button, Shift, X, Y);
                    return;
                }
            }
        }
    }
    if (Button == plat::mbRight && FMouseActions.SelectOnRightClick()) {
        // The right click acts on the cell under the mouse, as a context
        // menu for it expects.
        const plat::TGridCoord cell = MouseCoord(X, Y);
        if (cell.X >= 0 && cell.Y >= 0 && cell.X < ColCount() && cell.Y < RowCount() && !IsFixed(cell.X, cell.Y) &&
            !IsControlCell(RealColIndex(cell.X), cell.Y))
            MoveColRow(cell.X, cell.Y, true, true);
    }
    TBaseGrid::MouseDown(Button, Shift, X, Y);
}

void TExtStringGrid::MouseMove(plat::TShiftState Shift, int X, int Y) {
    if (HoverRow()) {
        const plat::TGridCoord cell = MouseCoord(X, Y);
        const int row = cell.Y >= FixedRows() && cell.Y < RowCount() ? cell.Y : -1;
        if (row != FHoverRowIdx) {
            const int old = FHoverRowIdx;
            FHoverRowIdx = row;
            if (old >= 0 && old < RowCount()) InvalidateRow(old);
            if (row >= 0) InvalidateRow(row);
        }
    }
    if (GridState() == plat::gsNormal) {
        TEditState& e = Ed();
        if (!e.HintSaved) {
            e.BaseHint = Hint();
            e.HintSaved = true;
        }
        const std::string hint = BuildCellHint(X, Y);
        if (hint != Hint()) SetHint(hint);
    }
    TBaseGrid::MouseMove(Shift, X, Y);
}

std::string TExtStringGrid::BuildCellHint(int X, int Y) {
    TEditState& e = Ed();
    std::string hint = e.HintSaved ? e.BaseHint : Hint();
    const plat::TGridCoord cell = MouseCoord(X, Y);
    if (cell.X < 0 || cell.Y < 0 || cell.X >= ColCount() || cell.Y >= RowCount()) return hint;
    const bool normal = cell.X >= FixedCols() && cell.Y >= FixedRows() && cell.X < ColCount() - FFixedRightCols &&
                        cell.Y < RowCount() - FFixedFooters;
    if (FHintShowCells && normal) {
        // Tags come off only a text the grid paints as HTML.
        hint = Cells(RealColIndex(cell.X), cell.Y);
        if (ctl::GetCellTextKind(hint, FEnableHTML) == ctl::ctkHtml) hint = ctl::HtmlToPlainText(hint);
    }
    GetCellHint(cell.X, cell.Y, hint);
    return hint;
}

bool TExtStringGrid::DoMouseWheel(plat::TShiftState Shift, int WheelDelta, plat::TPoint MousePos) {
    if (WheelDelta == 0) return false;
    const bool towards = WheelDelta < 0;
    const int lines = std::max(1, plat::Mouse ? plat::Mouse->WheelScrollLines() : 3);
    if ((Shift & plat::ssCtrl) && FIntelliZoom) {
        Zoom(towards ? lines : -lines);
        return true;
    }
    if (OnMouseWheel) {
        bool handled = false;
        OnMouseWheel(this, Shift, WheelDelta, MousePos, handled);
        if (handled) return true;
    }
    if (!FEnableWheel || (FFixedRowAlways && RowCount() == 1)) return true;
    int n = FMouseActions.WheelIncrement();
    if (n < 1) n = lines;
    if (FMouseActions.WheelAction() == waScroll) {
        if (towards) {
            if (TopRow() < RowCount() - VisibleRowCount()) SetTopRow(std::min(TopRow() + n, RowCount() - VisibleRowCount()));
        } else {
            SetTopRow(std::max(FixedRows(), TopRow() - n));
        }
        return true;
    }
    const int lastRow = RowCount() - FFixedFooters - 1;
    if (lastRow < FixedRows()) return true;
    const int target = std::clamp(towards ? Row() + n : Row() - n, FixedRows(), lastRow);
    if (target != Row()) {
        MoveColRow(Col(), target, true, true);
        // A refused move still goes halfway towards the target.
        if (Row() != target) {
            const int half = static_cast<int>(std::nearbyint((target - Row()) / 2.0));
            if (half != 0) MoveColRow(Col(), Row() + half, true, true);
        }
    }
    return true;
}

void TExtStringGrid::Zoom(int x) {
    const int z = FZoomFactor + x;
    if (z > 10 || z < -10) return;
    FZoomFactor = z;
    for (int c = 0; c < ColCount(); ++c) {
        const int w = ColWidths(c);
        if (w > 0 && w + x > 0) SetColWidths(c, w + x);
    }
    for (int r = 0; r < RowCount(); ++r) {
        const int h = RowHeights(r);
        if (h > 0 && h + x > 0) SetRowHeights(r, h + x);
    }
}

}  // namespace grid
