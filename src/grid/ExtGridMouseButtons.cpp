// Cells of the string grid that behave as buttons under the mouse: fixed
// cells that look pushed while the button is held on them.

#include <algorithm>
#include <cstdlib>
#include <memory>

#include "controls/ExtUtil.h"
#include "grid/ExtGrid.h"

namespace grid {

struct TExtStringGrid::TMouseButtonsState {
    bool FixedAsButtons = false;
    plat::TPoint PushedFixed{-1, -1};
    plat::TPoint HoverButton{-1, -1};
    bool URLUnderlineOnHover = false;
    plat::TPoint HoverLink{-1, -1};  // the link cell under the pointer
    int SizingCol = -1, SizingRow = -1;  // the fixed column (row) being sized
    int SizingStart = 0;                 // pointer position that gives size 0
    bool Resizing = false;               // the selection resizer is held
    TGridRect DropSelection{};           // the selection at its press
};

TExtStringGrid::TMouseButtonsState& TExtStringGrid::Mb() {
    if (!FMouseButtons) FMouseButtons = std::make_shared<TMouseButtonsState>();
    return *FMouseButtons;
}

bool TExtStringGrid::FixedAsButtons() const { return FMouseButtons && FMouseButtons->FixedAsButtons; }

void TExtStringGrid::SetFixedAsButtons(bool Value) { Mb().FixedAsButtons = Value; }

plat::TPoint TExtStringGrid::PushedFixedCell() const {
    return FMouseButtons ? FMouseButtons->PushedFixed : plat::TPoint{-1, -1};
}

void TExtStringGrid::FixedButtonPress(int ACol, int ARow, bool FixedArea, int X) {
    if (!FixedAsButtons() || !(FixedArea || IsFixed(ACol, ARow))) return;
    // The pushed look needs the lines around the cell and a raised face to
    // sink: a flat grid or one without fixed lines has no edge to invert.
    const plat::TGridOptions opts = Options();
    if (!opts.Contains(plat::goFixedVertLine) || !opts.Contains(plat::goFixedHorzLine) || Flat()) return;
    // The node glyph of a node row opens or closes the node; it is no button.
    if (ACol == 0 && IsNode(ARow) && IsOnNodeGlyph(ARow, X)) return;
    Mb().PushedFixed = {ACol, ARow};
    RepaintCell(ACol, ARow);
}

void TExtStringGrid::FixedButtonRelease() {
    if (!FMouseButtons || FMouseButtons->PushedFixed.X < 0) return;
    const plat::TPoint pushed = FMouseButtons->PushedFixed;
    FMouseButtons->PushedFixed = {-1, -1};
    RepaintCell(pushed.X, pushed.Y);
}

void TExtStringGrid::DrawPushedFixedCell(plat::TCanvas& Canvas, int ACol, int ARow, plat::TRect R) {
    const plat::TPoint pushed = PushedFixedCell();
    if (pushed.X != ACol || pushed.Y != ARow) return;
    plat::TRect edge = R;
    Canvas.DrawEdge(edge, plat::BDR_SUNKENINNER, plat::BF_BOTTOMRIGHT);
    edge = R;
    Canvas.DrawEdge(edge, plat::BDR_SUNKENINNER, plat::BF_TOPLEFT);
}

plat::TPoint TExtStringGrid::HoverButton() const {
    return FMouseButtons ? FMouseButtons->HoverButton : plat::TPoint{-1, -1};
}

bool TExtStringGrid::URLUnderlineOnHover() const { return FMouseButtons && FMouseButtons->URLUnderlineOnHover; }

void TExtStringGrid::SetURLUnderlineOnHover(bool Value) {
    if (URLUnderlineOnHover() == Value) return;
    Mb().URLUnderlineOnHover = Value;
    Invalidate();
}

bool TExtStringGrid::LinkUnderlined(int RCol, int ARow) {
    if (!URLUnderlineOnHover()) return true;
    return FMouseButtons->HoverLink == plat::TPoint{DisplColIndex(RCol), ARow};
}

// Follows the pointer to (X, Y); a point outside the cells (-1, -1 when
// the pointer left the grid) lights nothing.
void TExtStringGrid::ButtonHover(int X, int Y) {
    if (!FMouseButtons && X < 0) return;
    const plat::TGridCoord at = X < 0 ? plat::TGridCoord{-1, -1} : MouseCoord(X, Y);
    const bool hit = at.X >= 0 && at.Y >= 0 && at.X < ColCount() && at.Y < RowCount();
    plat::TPoint button{-1, -1}, link{-1, -1};
    if (hit) {
        const int rc = RealColIndex(at.X);
        const plat::TRect box = HasButton(rc, at.Y)   ? GetCellButtonRect(at.X, at.Y)
                                : HasExpand(rc, at.Y) ? GetExpandButtonRect(rc, at.Y)
                                                      : plat::TRect{};
        if (box.Right > box.Left && plat::PtInRect(box, {X, Y})) button = {at.X, at.Y};
        if (URLShow() && URLUnderlineOnHover() && ctl::IsUrlText(Cells(rc, at.Y))) link = {at.X, at.Y};
    }
    TMouseButtonsState& st = Mb();
    auto follow = [this](plat::TPoint& held, plat::TPoint now) {
        if (held == now) return;
        const plat::TPoint old = held;
        held = now;
        if (old.X >= 0 && old.X < ColCount() && old.Y < RowCount()) RepaintCell(old.X, old.Y);
        if (now.X >= 0) RepaintCell(now.X, now.Y);
    };
    follow(st.HoverButton, button);
    follow(st.HoverLink, link);
}

void TExtStringGrid::MouseButtonsMove(int X, int Y) {
    ButtonHover(X, Y);
    if (FMouseButtons && FMouseButtons->Resizing) {
        // The stretched selection keeps the pressed one's top-left corner
        // and never shrinks below it.
        const plat::TGridCoord at = MouseCoord(X, Y);
        const TGridRect from = FMouseButtons->DropSelection;
        TGridRect to = from;
        if (at.X >= FixedCols() && at.X < ColCount()) to.Right = std::max(from.Right, at.X);
        if (at.Y >= FixedRows() && at.Y < RowCount()) to.Bottom = std::max(from.Bottom, at.Y);
        if (!(to == Selection())) SetSelection(to);
        SetOwnCursor(crAllSelect);
        return;
    }
    if (OnSelectionResizer(X, Y)) return;  // the pointer follows the gesture forecast
    if (FMouseButtons && (FMouseButtons->SizingCol >= 0 || FMouseButtons->SizingRow >= 0)) {
        // The column follows the pointer as it goes, so the user sees the
        // width the release will leave.
        const TMouseButtonsState& st = *FMouseButtons;
        if (st.SizingCol >= 0)
            SetColWidths(st.SizingCol,
                         std::max(1, UseRightToLeftAlignment() ? st.SizingStart - X : X - st.SizingStart));
        if (st.SizingRow >= 0) SetRowHeights(st.SizingRow, std::max(1, Y - st.SizingStart));
        SetCursor(st.SizingCol >= 0 ? plat::crSizeWE : plat::crSizeNS);
        return;
    }
    int col = -1, row = -1;
    if (FixedBorderAt(X, Y, col, row)) SetCursor(col >= 0 ? plat::crSizeWE : plat::crSizeNS);
}

// True when (X, Y) lies on a cell less than 3 pixels from the right edge
// of a fixed column (Col) or the bottom edge of a fixed row (Row); the
// column wins where both meet.
bool TExtStringGrid::FixedBorderAt(int X, int Y, int& Col, int& Row) {
    Col = Row = -1;
    if (!FMouseActions.SizeFixedCol() && !FMouseActions.SizeFixedRow()) return false;
    if (GridState() != plat::gsNormal) return false;
    const plat::TGridCoord at = MouseCoord(X, Y);
    if (at.X < 0 || at.Y < 0 || at.X >= ColCount() || at.Y >= RowCount()) return false;
    // A mirrored grid has a column's far edge at its left.
    if (FMouseActions.SizeFixedCol())
        for (int c = 0; c < FixedCols(); ++c) {
            const plat::TRect r = CellRect(c, at.Y);
            if (std::abs(X - (UseRightToLeftAlignment() ? r.Left : r.Right)) < 3) Col = c;
        }
    if (Col < 0 && FMouseActions.SizeFixedRow())
        for (int r = 0; r < FixedRows(); ++r)
            if (std::abs(Y - CellRect(at.X, r).Bottom) < 3) Row = r;
    return Col >= 0 || Row >= 0;
}

bool TExtStringGrid::FixedSizingPress(int X, int Y) {
    int col = -1, row = -1;
    if (!FixedBorderAt(X, Y, col, row)) return false;
    if (EditMode()) FinishEdit(false);
    TMouseButtonsState& st = Mb();
    st.SizingCol = col;
    st.SizingRow = row;
    // Measured from the press, so taking the border a pixel off its line
    // does not make the column jump.
    st.SizingStart = col < 0                     ? Y - RowHeights(row)
                     : UseRightToLeftAlignment() ? X + ColWidths(col)
                                                 : X - ColWidths(col);
    SetMouseCapture(true);
    return true;
}

bool TExtStringGrid::FixedSizingRelease(int X, int Y) {
    if (!FMouseButtons || (FMouseButtons->SizingCol < 0 && FMouseButtons->SizingRow < 0)) return false;
    MouseButtonsMove(X, Y);
    FMouseButtons->SizingCol = FMouseButtons->SizingRow = -1;
    SetMouseCapture(false);
    SetCursor(plat::crDefault);
    return true;
}

bool TExtStringGrid::OnSelectionResizer(int X, int Y) {
    if (!SelectionResizer() || !SelectionRectangle()) return false;
    const TGridRect s = Selection();
    const plat::TRect r = CellRect(s.Right, s.Bottom);
    if (r.Right <= r.Left) return false;  // the corner is scrolled out of sight
    if (Y < r.Bottom - 6 || Y > r.Bottom) return false;
    // The selection's far corner: bottom-left in a mirrored grid.
    return UseRightToLeftAlignment() ? X >= r.Left && X <= r.Left + 6 : X >= r.Right - 6 && X <= r.Right;
}

bool TExtStringGrid::ResizerPress(int X, int Y) {
    if (!OnSelectionResizer(X, Y)) return false;
    if (EditMode()) FinishEdit(false);
    TMouseButtonsState& st = Mb();
    st.DropSelection = Selection();
    CopySelectionToClipboard();
    st.Resizing = true;
    SetMouseCapture(true);
    return true;
}

bool TExtStringGrid::SelectionResizing() const { return FMouseButtons && FMouseButtons->Resizing; }

bool TExtStringGrid::ResizerRelease() {
    if (!FMouseButtons || !FMouseButtons->Resizing) return false;
    TMouseButtonsState& st = *FMouseButtons;
    st.Resizing = false;
    SetMouseCapture(false);
    SetCursor(plat::crDefault);
    const TGridRect from = st.DropSelection, to = Selection();
    if (from == to) return true;  // let go where it was taken: nothing to fill
    if (OnSelectionResize) OnSelectionResize(this, from, to);
    PasteSelectionFromClipboard();
    if (OnSelectionResized) OnSelectionResized(this, from, to);
    return true;
}

}  // namespace grid
