// Mouse of the string grid: what a press, release, double or right click
// does on the cell under it (check boxes, radio buttons, cell buttons,
// links), the click events the windows answer, the end of a column sizing,
// the hover row, and the wheel moving the current row (with Ctrl: zooming).

#include <algorithm>
#include <cmath>

#include "base/StrUtils.h"
#include "controls/EsgHTMLE.h"
#include "controls/ExtUtil.h"
#include "controls/HtmlText.h"
#include "grid/ExtGridEditors.h"
#include "grid/ExtGridInput.h"
#include "platform/Application.h"
#include "platform/ShellOpen.h"

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

bool InRect(const plat::TRect& R, int X, int Y) {
    return R.Right > R.Left && X >= R.Left && X < R.Right && Y >= R.Top && Y < R.Bottom;
}

}  // namespace

TExtStringGrid::TInputState& TExtStringGrid::In() {
    if (!FInput) FInput = std::make_shared<TInputState>();
    return *FInput;
}

void TExtStringGrid::MouseDown(plat::TMouseButton Button, plat::TShiftState Shift, int X, int Y) {
    NoteEditorClick(Button, X, Y);
    if (FixedEditMouseDown(Button, Shift, X, Y) || (Button == plat::mbLeft && EditorButtonMouseDown(X, Y))) return;
    if (Button == plat::mbLeft && (Shift & plat::ssDouble)) {
        DoubleClickCell(X, Y);
        return;
    }
    if (Button == plat::mbLeft && FixedDropDownPress(X, Y)) return;
    if (Button == plat::mbLeft) {
        if (NodeMouseDown(X, Y)) return;
        if (OleDragMouseDown(Shift, X, Y)) return;
        if (LeftButtonDown(Shift, X, Y)) return;
        // A press on a header border starts a sizing; its release reports
        // the column.
        TInputState& in = In();
        in.SizingClick = false;
        in.SizingCol = -1;
        plat::TGridState state = plat::gsNormal;
        int index = -1, pos = 0, ofs = 0;
        CalcSizingState(X, Y, state, index, pos, ofs);
        const plat::TGridCoord cell = MouseCoord(X, Y);
        if (state == plat::gsNormal) HeaderSelection(cell.X, cell.Y, X, Shift);
        // Disjunct selection: a plain press starts anew, Ctrl adds to what
        // is selected (or takes a selected row or column out at the
        // release), Shift extends the range.
        const bool ctrl = (Shift & plat::ssCtrl) || FMouseActions.DisjunctRowSelectNoCtrl();
        const bool hit = cell.X >= 0 && cell.Y >= 0 && cell.X < ColCount() && cell.Y < RowCount();
        in.DisjunctRows = FMouseActions.DisjunctRowSelect() && hit && cell.Y >= FixedRows() &&
                          !(cell.X == 0 && FMouseActions.HotmailRowSelect());
        in.DisjunctCols = FMouseActions.DisjunctColSelect() && hit && cell.X >= FixedCols();
        in.DeselectRow = in.DeselectCol = -1;
        if (in.DisjunctRows && !(Shift & plat::ssShift)) {
            const int rr = FMouseActions.RowSelectPersistent() ? RealRowIndex(cell.Y) : cell.Y;
            if (ctrl) {
                if (GetRowSelect(rr)) in.DeselectRow = rr;
            } else if (!(Shift & plat::ssAlt)) {
                ClearRowSelect();
            }
        }
        if (in.DisjunctCols && !(Shift & plat::ssShift)) {
            if (Shift & plat::ssCtrl) {
                if (GetColSelect(cell.X)) in.DeselectCol = cell.X;
            } else {
                ClearColSelect();
            }
        }
        // A press on a merged block makes its base cell current, not the
        // covered cell under the pointer, whose text nobody sees: the
        // framework gets the press just inside the base cell's near corner
        // (top-right when mirrored). A window with its own OnMouseDown hears
        // the press where it really was, so then it stays there.
        int downX = X, downY = Y;
        if (hit && !OnMouseDown && cell.X >= FixedCols() && cell.Y >= FixedRows() &&
            IsMergedCell(cell.X, cell.Y) && !IsFixed(cell.X, cell.Y)) {
            const plat::TPoint b = BaseCell(cell.X, cell.Y);
            const plat::TRect base = GridCellRect(b.X, b.Y);
            if (base.Right > base.Left) {
                downX = UseRightToLeftAlignment() ? base.Right - 3 : base.Left + 2;
                downY = base.Top + 2;
            }
        }
        TBaseGrid::MouseDown(Button, Shift, downX, downY);
        // The window may keep a column or row in its place: a refused
        // move leaves the press a plain one.
        if (GridState() == plat::gsColMoving || GridState() == plat::gsRowMoving) {
            const bool cols = GridState() == plat::gsColMoving;
            bool allow = true;
            if (cols && OnColumnMove) OnColumnMove(this, cell.X, allow);
            if (!cols && OnRowMove) OnRowMove(this, cell.Y, allow);
            if (!allow) SetGridState(plat::gsNormal);
            else MoveFeedbackStart(cols ? cell.X : cell.Y, X, Y);
        }
        in.SizingRow = -1;
        if (GridState() == plat::gsColSizing || GridState() == plat::gsRowSizing) {
            in.SizingClick = true;
            if (state == plat::gsColSizing) in.SizingCol = index;
            if (state == plat::gsRowSizing) in.SizingRow = index;
            in.SizingStart = state == plat::gsColSizing ? X : Y;
            in.SizingSize = index < 0                       ? 0
                            : state == plat::gsColSizing ? ColWidths(index)
                                                         : RowHeights(index);
        }
        // A press on a header border is a sizing, not a click on the
        // header cell.
        bool sizingClick = in.SizingClick;
        if (!sizingClick && cell.Y >= 0 && cell.Y < FixedRows() && cell.X >= 0 &&
            Options().Contains(plat::goColSizing)) {
            const plat::TRect r = GridCellRect(cell.X, cell.Y);
            sizingClick = X - r.Left < 4 || r.Right - X < 4;
        }
        if (sizingClick) return;
        // The click lands on the base cell of a merged block.
        const plat::TPoint b = BaseCell(cell.X, cell.Y);
        if (OnClickCell) OnClickCell(this, b.Y, b.X);
        // With DirectEdit the first click into an editable cell opens its
        // editor; a click near the cell's side edges only selects, so the
        // user can still reach a column border.
        if (FMouseActions.DirectEdit() && !EditMode() && b.X >= FixedCols() && b.Y >= FixedRows() &&
            b.X == Col() && b.Y == Row() && !IsFixed(b.X, b.Y)) {
            const int rc = RealColIndex(b.X);
            const plat::TRect r = GridCellRect(b.X, b.Y);
            if (X - r.Left >= 4 && r.Right - X >= 4 && !IsControlCell(rc, b.Y) && IsEditable(rc, b.Y))
                ShowInplaceEdit();
        }
        return;
    }
    if (Button == plat::mbRight) {
        RightClickCell(X, Y);
        return;
    }
    if (Button == plat::mbMiddle && In().Panning) return;  // the press that started panning
    TBaseGrid::MouseDown(Button, Shift, X, Y);
}

// A press on a header cell selects what the mouse actions offer there:
// everything from the corner, a row from its header, a column from its
// header (with Shift up to the selection there was).
void TExtStringGrid::HeaderSelection(int ACol, int ARow, int X, plat::TShiftState Shift) {
    (void)X;
    if (ACol < 0 || ARow < 0 || ACol >= ColCount() || ARow >= RowCount()) return;
    const bool range = Options().Contains(plat::goRangeSelect);
    const bool shift = (Shift & plat::ssShift) != 0;
    const TGridRect old = Selection();
    const int lastCol = ColCount() - 1, lastRow = RowCount() - 1;
    if (lastCol < FixedCols() || lastRow < FixedRows()) return;
    TGridRect to;
    if (ACol < FixedCols() && ARow < FixedRows()) {
        if (!FMouseActions.AllSelect() || !range) return;
        to = {FixedCols(), FixedRows(), lastCol, lastRow};
    } else if (ACol < FixedCols()) {
        if (!FMouseActions.RowSelect()) return;
        const int other = shift ? old.Top : ARow;
        to = {FixedCols(), std::min(ARow, other), lastCol, std::max(ARow, other)};
    } else if (ARow < FixedRows()) {
        if (!FMouseActions.ColSelect() || !range) return;
        int from = ACol, until = ACol;
        if (shift) {
            if (ACol < old.Left) until = old.Right;
            else from = old.Left;
        }
        to = {from, FixedRows(), until, lastRow};
    } else {
        return;
    }
    if (EditMode() && !FinishEdit(false)) return;
    SetSelection(to);
    // Dragging on from a row or column header extends the selection.
    In().MouseSelectStart = ACol < FixedCols() && ARow >= FixedRows()   ? ARow
                            : ARow < FixedRows() && ACol >= FixedCols() ? ACol
                                                                       : -1;
    In().MouseSelectRows = ACol < FixedCols();
}

// The left press up to the point where the framework takes over (moving
// the current cell, selecting, sizing); true when it handled the press on
// its own.
bool TExtStringGrid::LeftButtonDown(plat::TShiftState Shift, int X, int Y) {
    TInputState& in = In();
    in.DoOnClick = true;
    in.MouseSelectStart = -1;
    in.PushedButton = {-1, -1};
    in.DblClkFitted = false;
    CancelCellHint();
    plat::TGridCoord cell = MouseCoord(X, Y);
    bool allow = true;
    if (OnCanClickCell) OnCanClickCell(this, cell.Y, cell.X, allow);
    if (!allow) return true;  // refused: not even selected
    if (CellSelectorMode() && !OnSelectionResizer(X, Y)) {
        CellSelectorClick(cell.X, cell.Y);
        return true;
    }
    if (FixedSizingPress(X, Y)) return true;
    if (ResizerPress(X, Y)) return true;
    if (CellScrollBarPress(X, Y)) return true;
    if (FHoverFixedCells != hfNone && cell.X >= 0 && cell.Y >= 0 && cell.X < ColCount() && cell.Y < RowCount() &&
        HoverFixedCellAllowed(cell.X, cell.Y)) {
        TFixedCellHover pressed;
        pressed.Col = cell.X;
        pressed.Row = cell.Y;
        pressed.Pressed = true;
        SetFixedCellHover(pressed);
    }

    if (cell.X < 0 || cell.Y < 0 || cell.X >= ColCount() || cell.Y >= RowCount()) {
        if (EditMode()) FinishEdit(false);
        if (!FFixedRowAlways) TBaseGrid::MouseDown(plat::mbLeft, Shift, X, Y);
        return true;
    }
    {
        const plat::TPoint b = BaseCell(cell.X, cell.Y);
        cell = {b.X, b.Y};
    }
    const int rc = RealColIndex(cell.X);
    const bool fixedArea = cell.Y < FixedRows() || cell.X < FixedCols();
    const plat::TRect r = GridCellRect(cell.X, cell.Y);
    FixedButtonPress(cell.X, cell.Y, fixedArea, X);

    // A cell button is pushed here and clicked at the release over it.
    if (HasButton(rc, cell.Y)) {
        if (EditMode() && !FinishEdit(false)) return true;
        if (!IsFixed(cell.X, cell.Y)) MoveColRow(cell.X, cell.Y, true, true);
        if (InRect(GetCellButtonRect(cell.X, cell.Y), X, Y)) {
            PushButton(cell.X, cell.Y, true);
            in.PushedButton = {cell.X, cell.Y};
            SetMouseCapture(true);
            if (OnClickCell) OnClickCell(this, cell.Y, cell.X);
            return true;
        }
    }

    if (RatingPress(cell.X, cell.Y, X)) return true;

    // A radio group changes where the cell may be edited (or the look says
    // always); the click never edits it as text.
    if (IsRadio(rc, cell.Y) && (IsEditable(rc, cell.Y) || FControlLook.RadioAlwaysActive())) {
        if (EditMode() && !FinishEdit(false)) return true;
        RadioClick(rc, cell.Y, X - r.Left, Y - r.Top);
        if (CanFocus()) SetFocus();
        return true;
    }

    if (ClickOnLink(cell.X, cell.Y, X, Y)) return true;

    // Check boxes and single radio buttons change on their glyph only,
    // and only where the cell may be edited (or the look says always).
    if (HasCheckBox(rc, cell.Y) || HasRadioButton(rc, cell.Y)) {
        bool can = Options().Contains(plat::goEditing) || FMouseActions.RangeSelectAndEdit() || Ed().EditDisable;
        CanEditCell(rc, cell.Y, can);
        const bool radio = HasRadioButton(rc, cell.Y);
        const bool always = radio ? FControlLook.RadioAlwaysActive() : FControlLook.CheckAlwaysActive();
        TCellGraphic* g = GetCellGraphic(rc, cell.Y);
        const int size = radio ? FControlLook.RadioSize() : FControlLook.CheckSize();
        // The glyph is found where it is drawn: mirrored within the cell
        // when the grid is.
        const int glyphX = UseRightToLeftAlignment() ? r.Left + r.Right - 1 - X : X;
        if ((can || always) && g && InCheckGlyph(r, g->CellHAlign(), FXYOffset.X, size, glyphX)) {
            if (EditMode() && !FinishEdit(false)) return true;
            if (CanFocus()) SetFocus();
            if (radio) {
                if (ToggleCellRadio(rc, cell.Y, true)) {
                    if (!FNavigation.AlwaysEdit() && !fixedArea) MoveColRow(cell.X, cell.Y, true, true);
                    if (OnRadioButtonClick) OnRadioButtonClick(this, rc, cell.Y);
                }
            } else if (ToggleCellCheck(rc, cell.Y, true)) {
                if (FShowModified.Enabled()) {
                    SetRowModified(cell.Y, true);
                    RepaintCell(0, cell.Y);
                }
                bool state = false;
                GetCheckBoxState(rc, RealRowIndex(cell.Y), state);
                if (!FNavigation.AlwaysEdit() && !fixedArea) MoveColRow(cell.X, cell.Y, true, true);
                DoCheckBoxClick(cell.X, cell.Y, state);
            }
            // The click is the toggle: it neither starts an edit nor a
            // range selection, and it is no click on the cell.
            if (OnMouseDown) OnMouseDown(this, plat::mbLeft, plat::KeyboardShiftState(), X, Y);
            return true;
        }
    }

    // A normal cell the application declares fixed is clicked, never
    // selected.
    if (!fixedArea && IsFixed(cell.X, cell.Y)) {
        if (OnClickCell) OnClickCell(this, cell.Y, cell.X);
        return true;
    }
    return false;
}

TExtStringGrid::THtmlHit TExtStringGrid::HtmlHitAt(int ACol, int ARow, int X, int Y) {
    THtmlHit hit;
    const std::string text = Cells(RealColIndex(ACol), ARow);
    if (ctl::GetCellTextKind(text, FEnableHTML) != ctl::ctkHtml) {
        if (FURLShow && ctl::IsUrlText(text)) hit.Anchor = text;
        return hit;
    }
    // The text lies where the painter puts it: inside the cell's offsets,
    // right of a check box.
    plat::TRect r = GridCellRect(ACol, ARow);
    r.Left += FXYOffset.X + 1;
    r.Right -= FXYOffset.X;
    r.Top += FXYOffset.Y + 1;
    if (HasCheckBox(RealColIndex(ACol), ARow)) r.Left += FControlLook.CheckSize();
    ctl::THtmlRenderArgs args;
    args.X = X;
    args.Y = Y;
    args.CheckOnly = true;
    ctl::THtmlRenderResult res;
    Canvas().Font() = ARow < FixedRows() || ACol < FixedCols() ? FFixedFont : Font();
    if (!ctl::RenderHtmlText(Canvas(), text, r, args, res)) return hit;
    if (!res.ControlType.empty()) {
        hit.CtrlType = base::UpperCase(res.ControlType);
        hit.CtrlId = res.ControlID;
        hit.CtrlValue = res.ControlValue;
    } else {
        hit.Anchor = res.AnchorVal;
    }
    return hit;
}

void TExtStringGrid::RadioClick(int ACol, int ARow, int XOffset, int YOffset) {
    const plat::TPoint b = BaseCell(DisplColIndex(ACol), ARow);
    const int rc = RealColIndex(b.X), row = b.Y;
    TCellGraphic* g = GetCellGraphic(rc, row);
    const TCellStrings* options = g ? dynamic_cast<const TCellStrings*>(g->CellBitmap()) : nullptr;
    if (!g || g->CellType() != ctRadio || !options) return;
    if (!IsFixed(b.X, row)) MoveColRow(b.X, row, true, true);
    // The options are measured in the cell's own font, as they are painted.
    Canvas().Font() = GetCellFont(rc, row);
    const int spacing = FControlLook.ControlStyle() >= csWinXP ? 16 : FControlLook.RadioSize();
    const bool across = g->CellBoolean();
    int chosen = -1, end = 0;
    for (int i = 0; i < options->Count(); ++i) {
        const int before = end;
        end += across ? Canvas().TextWidth(options->Strings(i)) + spacing
                      : std::max(spacing, Canvas().TextHeight("gh"));
        const int at = across ? XOffset : YOffset;
        if (before < at && at < end) {
            chosen = i;
            break;
        }
    }
    if (chosen < 0) return;
    if (g->CellIndex() == -1) SetCells(rc, row, options->Strings(chosen));
    else g->SetCellIndex(chosen);
    SetCells(rc, row, Cells(rc, row));  // the change notices of a written cell
    SetRadioIdx(rc, row, chosen);
    if (OnRadioClick) OnRadioClick(this, rc, row, chosen);
}

// An anchor under the point, in a link text or in the cell's HTML: the
// application may handle it; otherwise a "cell://RxCy" anchor moves to that
// cell and any other is opened by the shell. Inline controls of the text
// change by the click where the cell may be edited.
bool TExtStringGrid::ClickOnLink(int ACol, int ARow, int X, int Y) {
    const std::string text = Cells(RealColIndex(ACol), ARow);
    const bool html = ctl::GetCellTextKind(text, FEnableHTML) == ctl::ctkHtml;
    if (!html && !FURLShow) return false;
    const THtmlHit hit = HtmlHitAt(ACol, ARow, X, Y);
    if (!hit.CtrlType.empty()) return ClickOnHtmlControl(ACol, ARow, hit.CtrlId, hit.CtrlType, hit.CtrlValue);
    if (hit.Anchor.empty()) {
        if (!html || base::UpperCase(text).find("<CONTROL") == std::string::npos) return false;
        // Beside the controls of a form cell: the cell is clicked and
        // selected, never edited as text.
        if (OnClickCell) OnClickCell(this, ARow, ACol);
        if (EditMode() && !FinishEdit(false)) return true;
        MoveColRow(ACol, ARow, true, true);
        return true;
    }
    const std::string anchor = hit.Anchor;
    bool autoHandle = true;
    if (OnAnchorClick) OnAnchorClick(this, ARow, ACol, anchor, autoHandle);
    if (!autoHandle) return true;
    const std::string upper = base::UpperCase(anchor);
    if (upper.rfind("CELL://", 0) == 0) {
        int c = 0, r = 0;
        // A reference outside the table leads nowhere; it must not move the
        // cursor onto a fixed or missing cell.
        if (ctl::ParseRowColRef(std::string_view(anchor).substr(7), c, r) && c >= FixedCols() && c < ColCount() &&
            r >= FixedRows() && r < RowCount()) {
            MoveColRow(c, r, true, true);
            ScrollInView(c, r);
        }
        return true;
    }
    plat::ShellOpen(anchor);
    return true;
}

// A click on an inline control: a check control flips, a radio control
// becomes the one set of its cell; the window hears of it with the value
// before the click. A control the cell may not edit swallows the click.
bool TExtStringGrid::ClickOnHtmlControl(int ACol, int ARow, const std::string& Id, const std::string& Type,
                                        const std::string& Value) {
    const int rc = RealColIndex(ACol);
    bool can = (Options().Contains(plat::goEditing) || Ed().EditDisable) && !ReadOnly(rc, ARow);
    if (!Id.empty()) DoCanEditCell(rc, ARow, can);
    if (Id.empty() || !can) return true;
    if (EditMode() && !FinishEdit(false)) return true;
    std::string text = Cells(rc, ARow);
    if (Type == "CHECK") {
        ctl::SetHtmlControlValue(text, Id, base::UpperCase(Value) == "TRUE" ? "FALSE" : "TRUE");
        SetCells(rc, ARow, text);
    } else if (Type == "RADIO") {
        text = ctl::ClearRadioControls(text);
        ctl::SetHtmlControlValue(text, Id, "TRUE");
        SetCells(rc, ARow, text);
    }
    RepaintCell(ACol, ARow);
    if (OnControlClick) OnControlClick(this, ARow, ACol, Id, Type, Value);
    ShowHtmlControlEditor(ACol, ARow, Id, Type, Value);
    return true;
}

void TExtStringGrid::MouseUp(plat::TMouseButton Button, plat::TShiftState Shift, int X, int Y) {
    if (Button != plat::mbLeft) {
        TBaseGrid::MouseUp(Button, Shift, X, Y);
        return;
    }
    FixedButtonRelease();
    if (FixedSizingRelease(X, Y)) return;
    if (ResizerRelease()) return;
    if (CellScrollBarRelease()) return;
    if (ExpandMouseUp(X, Y)) return;
    TInputState& in = In();
    in.DoOnClick = false;
    in.MouseSelectStart = -1;
    if (FixedCellHover().Pressed) {
        TFixedCellHover released = FixedCellHover();
        released.Pressed = false;
        SetFixedCellHover(released);
    }
    const plat::TGridCoord cell = MouseCoord(X, Y);
    const bool onCell = cell.X >= 0 && cell.Y >= 0 && cell.X < ColCount() && cell.Y < RowCount();
    if (in.PushedButton.X >= 0) {
        const plat::TPoint pushed = in.PushedButton;
        in.PushedButton = {-1, -1};
        SetMouseCapture(false);
        PushButton(pushed.X, pushed.Y, false);
        const int rc = RealColIndex(pushed.X);
        bool enabled = true;
        CanEditCell(rc, pushed.Y, enabled);
        enabled = enabled && !IsFixed(pushed.X, pushed.Y);
        const bool onButton = onCell && InRect(GetCellButtonRect(pushed.X, pushed.Y), X, Y);
        if (enabled && onButton && OnButtonClick) OnButtonClick(this, pushed.X, pushed.Y);
        // The release belongs to the button: no selection ends here.
        if (onButton) return;
    }
    if (in.SizingClick) {
        in.SizingClick = false;
        CloseSizeHint();
        // A sizing released beyond the grid is dropped, as the user dragged
        // the border out of reach.
        const bool pastEnd = UseRightToLeftAlignment() ? X < 0 : X > Width();
        if ((GridState() == plat::gsColSizing && pastEnd) ||
            (GridState() == plat::gsRowSizing && Y > Height())) {
            SetGridState(plat::gsNormal);
            Invalidate();
            return;
        }
        // The size follow-up holds the new size to its limits and reports
        // the end of the sizing once the framework has applied it.
        if (in.SizingCol >= 0) NoteUserSizing(true, in.SizingCol, in.SizingSize);
        if (in.SizingRow >= 0) NoteUserSizing(false, in.SizingRow, in.SizingSize);
        in.SizingCol = in.SizingRow = -1;
        TBaseGrid::MouseUp(Button, Shift, X, Y);
        return;
    }
    // A column or row dragged by the mouse is moved by the framework, which
    // takes widths, heights and the current cell along itself.
    RefuseMoveAtRelease();
    in.FrameworkMove = GridState() == plat::gsColMoving || GridState() == plat::gsRowMoving;
    const bool moving = in.FrameworkMove;
    TBaseGrid::MouseUp(Button, Shift, X, Y);
    in.FrameworkMove = false;
    // A release on a header opens its filter list or sorts on its column.
    if (onCell && !moving && !in.DblClkFitted && HeaderRelease(cell.X, cell.Y, X, Y, Shift)) return;
    if (in.DisjunctRows) {
        in.DisjunctRows = false;
        SelectionToRowSelect(false);
        if (in.DeselectRow >= 0) SetRowSelect(in.DeselectRow, false);
    }
    if (in.DisjunctCols) {
        in.DisjunctCols = false;
        SelectionToColSelect(false);
        if (in.DeselectCol >= 0) SetColSelect(in.DeselectCol, false);
    }
    if (!onCell || cell.X < FixedCols() || !OnCheckBoxMouseUp) return;
    const int rc = RealColIndex(cell.X);
    if (HasCheckBox(rc, cell.Y)) {
        bool state = false;
        GetCheckBoxState(rc, RealRowIndex(cell.Y), state);
        OnCheckBoxMouseUp(this, rc, cell.Y, state);
    }
}

void TExtStringGrid::DoubleClickCell(int X, int Y) {
    TInputState& in = In();
    plat::TGridCoord cell = MouseCoord(X, Y);
    if (cell.X < 0 && cell.Y >= 0) {
        if (FFixedRowAlways) {
            TBaseGrid::MouseDown(plat::mbLeft, plat::ssDouble, X, Y);
            return;
        }
        // Right of the last column: taken as the last header cell, so its
        // right border can still be fitted.
        cell = {ColCount() - 1, 0};
    }
    if (cell.X < 0 || cell.Y < 0 || cell.X >= ColCount() || cell.Y >= RowCount()) return;
    // A double click on the border of a header cell fits the column left
    // of that border to its content.
    if (cell.Y < FixedRows() && Options().Contains(plat::goColSizing) && FMouseActions.AutoSizeColOnDblClick()) {
        const plat::TRect r = ComputeCellRect(cell.X, cell.Y);
        // The border before the cell (its left one, its right one when the
        // grid is mirrored) belongs to the column before it.
        const bool rtl = UseRightToLeftAlignment();
        const bool nearBorder = std::abs(X - (rtl ? r.Right : r.Left)) < 4;
        const bool farBorder = std::abs((rtl ? r.Left : r.Right) - X) < 4;
        int fit = -1;
        if (nearBorder) {
            if (cell.X - 1 >= FixedCols()) fit = cell.X - 1;
        } else if (farBorder && cell.X >= FixedCols()) {
            fit = cell.X;
        }
        if (fit >= 0 || nearBorder) {
            SetGridState(plat::gsNormal);
            in.SizingClick = false;
            in.DblClkFitted = true;
            if (fit >= 0) {
                bool allow = true;
                if (OnColumnSize) OnColumnSize(this, fit, allow);
                if (allow) {
                    NoteUserSizing(true, fit, ColWidths(fit));
                    AutoSizeCol(fit, 0);
                }
            }
            return;
        }
    }
    const int rc = RealColIndex(cell.X);
    if (HasButton(rc, cell.Y) && InRect(GetCellButtonRect(cell.X, cell.Y), X, Y)) return;
    TBaseGrid::MouseDown(plat::mbLeft, plat::ssDouble, X, Y);
    if (IsControlCell(rc, cell.Y)) return;
    const plat::TPoint b = BaseCell(cell.X, cell.Y);
    if (OnDblClickCell) OnDblClickCell(this, b.Y, b.X);
    // Grids that edit only on a double click (or select ranges with single
    // clicks) open the editor here.
    if (!FMouseActions.EditOnDblClickOnly() && !FMouseActions.RangeSelectAndEdit()) return;
    if (EditMode() || b.X < FixedCols() || b.Y < FixedRows() || IsFixed(b.X, b.Y)) return;
    if (b.X != Col() || b.Y != Row()) return;  // a handler moved elsewhere
    const int brc = RealColIndex(b.X);
    const bool range = FMouseActions.RangeSelectAndEdit();
    FMouseActions.SetRangeSelectAndEdit(true);
    bool can = true;
    CanEditCell(brc, b.Y, can);
    FMouseActions.SetRangeSelectAndEdit(range);
    if (!can || HasNoEditor(brc, b.Y)) return;
    SetOptions(Options() + plat::TGridOptions{plat::goEditing});
    ShowInplaceEdit();
}

void TExtStringGrid::RightClickCell(int X, int Y) {
    TBaseGrid::MouseDown(plat::mbRight, plat::KeyboardShiftState(), X, Y);
    const plat::TGridCoord cell = MouseCoord(X, Y);
    if (cell.X < 0 || cell.Y < 0 || cell.X >= ColCount() || cell.Y >= RowCount()) return;
    // The right click acts on the cell under the mouse, as a context menu
    // for it expects.
    if (FMouseActions.SelectOnRightClick() && !IsFixed(cell.X, cell.Y) && !IsControlCell(RealColIndex(cell.X), cell.Y)) {
        const plat::TPoint b = BaseCell(cell.X, cell.Y);
        MoveColRow(b.X, b.Y, true, true);
    }
    if (OnRightClickCell) OnRightClickCell(this, cell.Y, cell.X);
}

void TExtStringGrid::MouseMove(plat::TShiftState Shift, int X, int Y) {
    if (OleDragMouseMove(Shift, X, Y)) return;
    if (CellScrollBarMove(X, Y)) return;
    TInputState& in = In();
    in.LastMouse = {X, Y};
    in.MouseInside = true;
    BalloonHover(X, Y);
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
    if (in.SizingClick && GridState() == plat::gsColSizing && in.SizingCol >= 0 && OnColumnSizing)
        OnColumnSizing(this, in.SizingCol, in.SizingSize + SizingDeltaX(X));
    if (in.SizingClick && GridState() == plat::gsRowSizing && in.SizingRow >= 0 && OnRowSizing)
        OnRowSizing(this, in.SizingRow, in.SizingSize + Y - in.SizingStart);
    if (in.MouseSelectStart >= 0 && (Shift & plat::ssLeft)) {
        const plat::TGridCoord cell = MouseCoord(X, Y);
        if (in.MouseSelectRows && cell.Y >= 0 && cell.Y < RowCount() - FFixedFooters) {
            const int to = std::max(FixedRows(), cell.Y);
            SetSelection({FixedCols(), std::min(to, in.MouseSelectStart), ColCount() - 1, std::max(to, in.MouseSelectStart)});
        } else if (!in.MouseSelectRows && cell.X >= 0) {
            const int to = std::max(FixedCols(), cell.X);
            SetSelection({std::min(to, in.MouseSelectStart), FixedRows(), std::max(to, in.MouseSelectStart), RowCount() - 1});
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
    TrackLinkUnderMouse(X, Y);
    MouseButtonsMove(X, Y);
    MouseFeedback(X, Y);
    // The header cell under the pointer shows its hover face (pressed
    // while the left button holds it).
    if (FHoverFixedCells != hfNone) {
        const plat::TGridCoord cell = MouseCoord(X, Y);
        TFixedCellHover hover;
        if (cell.X >= 0 && cell.Y >= 0 && cell.X < ColCount() && cell.Y < RowCount() &&
            HoverFixedCellAllowed(cell.X, cell.Y)) {
            hover.Col = cell.X;
            hover.Row = cell.Y;
            const TFixedCellHover now = FixedCellHover();
            hover.Pressed = (Shift & plat::ssLeft) && now.Pressed && now.Col == cell.X && now.Row == cell.Y;
        }
        if (!(hover == FixedCellHover())) SetFixedCellHover(hover);
    }
}

int TExtStringGrid::SizingDeltaX(int X) {
    const int moved = X - In().SizingStart;
    return UseRightToLeftAlignment() ? -moved : moved;
}

// Over an anchor the pointer becomes the link hand and the window hears
// when the mouse comes onto an anchor and when it leaves it.
void TExtStringGrid::TrackLinkUnderMouse(int X, int Y) {
    TInputState& in = In();
    const plat::TGridCoord cell = MouseCoord(X, Y);
    std::string anchor;
    if (GridState() == plat::gsNormal && cell.X >= 0 && cell.Y >= 0 && cell.X < ColCount() && cell.Y < RowCount()) {
        const plat::TPoint b = BaseCell(cell.X, cell.Y);
        anchor = HtmlHitAt(b.X, b.Y, X, Y).Anchor;
    }
    if (!anchor.empty()) {
        // The framework has set the pointer for this place already; a
        // sizing border keeps its own.
        if (Cursor() == plat::crDefault) SetCursor(plat::crHandPoint);
        if (anchor != in.Anchor && OnAnchorEnter) OnAnchorEnter(this, cell.Y, cell.X, anchor);
        in.Anchor = anchor;
    } else if (!in.Anchor.empty()) {
        in.Anchor.clear();
        if (OnAnchorExit) OnAnchorExit(this, cell.Y, cell.X, "");
    }
}

void TExtStringGrid::CMMouseLeave(plat::TMessage& Message) {
    TBaseGrid::CMMouseLeave(Message);
    In().MouseInside = false;
    BalloonLeave();
    ButtonHover(-1, -1);
    SelectModePointer({-1, -1}, false, -1, -1);
    if (FixedCellHover().Col >= 0) SetFixedCellHover({});
    if (HoverRow() && FHoverRowIdx >= 0) {
        if (FHoverRowIdx < RowCount()) InvalidateRow(FHoverRowIdx);
        FHoverRowIdx = -1;
    }
}

std::string TExtStringGrid::BuildCellHint(int X, int Y) {
    TEditState& e = Ed();
    std::string hint = e.HintSaved ? e.BaseHint : Hint();
    const plat::TGridCoord at = MouseCoord(X, Y);
    if (at.X < 0 || at.Y < 0 || at.X >= ColCount() || at.Y >= RowCount()) return hint;
    // A merged block has one hint, its base cell's.
    const plat::TPoint base = BaseCell(at.X, at.Y);
    const plat::TGridCoord cell{base.X, base.Y};
    const bool normal = cell.X >= FixedCols() && cell.Y >= FixedRows() && cell.X < ColCount() - FFixedRightCols &&
                        cell.Y < RowCount() - FFixedFooters;
    std::string comment;
    if (IsComment(RealColIndex(cell.X), cell.Y, comment)) hint = comment;
    if (FHintShowCells && normal) {
        // Tags come off only a text the grid paints as HTML.
        hint = Cells(RealColIndex(cell.X), cell.Y);
        if (ctl::GetCellTextKind(hint, FEnableHTML) == ctl::ctkHtml) hint = ctl::HtmlToPlainText(hint);
    }
    RichCellHint(cell.X, cell.Y, X, Y, hint);
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
    const TGridRect before = Selection();
    int n = FMouseActions.WheelIncrement();
    if (n < 1) n = lines;
    // A window that set its own wheel step, or selects rows one by one,
    // hears of every step.
    auto notify = [&] {
        if (FMouseActions.WheelIncrement() == 0 && !FMouseActions.DisjunctRowSelect()) return;
        const bool disjunct = FMouseActions.DisjunctRowSelect();
        bool handled = false;
        const plat::TShiftState s = disjunct ? plat::KeyboardShiftState() : plat::TShiftState{};
        const plat::TPoint p = disjunct ? MousePos : plat::TPoint{0, 0};
        if (towards && OnMouseWheelDown) OnMouseWheelDown(this, s, p, handled);
        if (!towards && OnMouseWheelUp) OnMouseWheelUp(this, s, p, handled);
    };
    if (FMouseActions.WheelAction() == waScroll) {
        if (towards) {
            if (TopRow() < RowCount() - VisibleRowCount()) SetTopRow(std::min(TopRow() + n, RowCount() - VisibleRowCount()));
        } else {
            SetTopRow(std::max(FixedRows(), TopRow() - n));
        }
        notify();
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
    notify();
    ReportSelection(before);
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
