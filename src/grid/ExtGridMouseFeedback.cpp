// What the pointer shows while it works on the grid: the width or height a
// dragged border would give, whether a dragged column or row may be let go
// where it is, and the pointer a window chooses for a cell.

#include <memory>
#include <string>

#include "base/StrUtils.h"
#include "grid/ExtGridHint.h"
#include "grid/ExtGridInput.h"
#include "controls/ExtUtil.h"
#include "controls/HtmlText.h"
#include "platform/Application.h"
#include "platform/Bitmap.h"
#include "platform/Cursors.h"
#include "platform/Forms.h"
#include "platform/Menus.h"

namespace grid {

struct TExtStringGrid::TMouseFeedbackState {
    bool HintShowSizing = false;
    THTMLHintWindow* SizeHint = nullptr;  // owned by the grid (component)
    bool SizeHintShowing = false;
    bool MoveRefused = false;   // the last place passed over was refused
    bool CursorSet = false;     // the pointer is the one a move chose
    plat::TBitmap RowIndicator;
    bool AnchorHint = false, HintShowLargeText = false, HTMLHint = false, HintShowLargeTextPos = false;
    std::string SearchInc;  // the incremental search text
    int SearchTics = 0;
    TExtStringGrid* Grid = nullptr;
    plat::TForm* SizedWith = nullptr;  // the form whose resize the grid follows
    plat::TNotifyEvent FormResize;     // that form's own handler
    int PrevSizeX = 0, PrevSizeY = 0;
    plat::TPopupMenu* FixedDropDownMenu = nullptr;  // not owned
    TMouseSelectMode SelectMode = msNormal;
    bool CellSelectorMode = false;
    bool UseInternalHintClass = true;
    THTMLHintWindow* CellHint = nullptr;  // owned by the grid (component)
    plat::TPoint CellHintAt{-1, -1};       // the base cell it shows the hint of
};

namespace {

// An arrow of black with a white rim, pointing along (DX, DY), on a clear
// 32 x 32 picture; its tip is the pointer's hot spot.
void RegisterArrowCursor(plat::TCursor Id, int DX, int DY) {
    if (plat::CursorRegistered(Id)) return;
    plat::TBitmap bmp(32, 32);
    plat::TCanvas& c = bmp.Canvas();
    c.Brush().SetColor(plat::clFuchsia);
    c.FillRect({0, 0, 32, 32});
    // The arrow drawn pointing right with its tip at (22, 11), then turned.
    const std::vector<plat::TPoint> right = {{2, 9}, {14, 9}, {14, 4}, {22, 11}, {14, 18}, {14, 13}, {2, 13}};
    std::vector<plat::TPoint> shape;
    plat::TPoint tip{};
    for (const plat::TPoint& p : right) {
        const int x = p.X - 11, y = p.Y - 11;
        // (1, 0) right, (0, 1) down, (1, 1) down and right.
        const int rx = DX && DY ? (x - y) * 7 / 10 : DY ? -y : x;
        const int ry = DX && DY ? (x + y) * 7 / 10 : DY ? x : y;
        shape.push_back({rx + 12, ry + 12});
        if (p.X == 22) tip = shape.back();
    }
    c.Pen().SetColor(plat::clWhite);
    c.Brush().SetColor(plat::clBlack);
    c.Polygon(shape);
    bmp.SetTransparentColor(plat::clFuchsia);
    bmp.SetTransparent(true);
    plat::RegisterCursor(Id, bmp, plat::TPoint{tip.X, tip.Y});
}

// A broad white cross with a black rim, its centre the hot spot: the
// pointer that picks whole cells rather than text.
void RegisterCellCrossCursor(plat::TCursor Id) {
    if (plat::CursorRegistered(Id)) return;
    plat::TBitmap bmp(32, 32);
    plat::TCanvas& c = bmp.Canvas();
    c.Brush().SetColor(plat::clFuchsia);
    c.FillRect({0, 0, 32, 32});
    c.Pen().SetColor(plat::clBlack);
    c.Brush().SetColor(plat::clWhite);
    c.Polygon({{12, 4}, {19, 4}, {19, 12}, {27, 12}, {27, 19}, {19, 19}, {19, 27}, {12, 27}, {12, 19}, {4, 19},
               {4, 12}, {12, 12}});
    bmp.SetTransparentColor(plat::clFuchsia);
    bmp.SetTransparent(true);
    plat::RegisterCursor(Id, bmp, plat::TPoint{15, 15});
}

}  // namespace

TExtStringGrid::TMouseFeedbackState& TExtStringGrid::Fb() {
    if (!FMouseFeedback) FMouseFeedback = std::make_shared<TMouseFeedbackState>();
    return *FMouseFeedback;
}

bool TExtStringGrid::HintShowSizing() const { return FMouseFeedback && FMouseFeedback->HintShowSizing; }

void TExtStringGrid::SetHintShowSizing(bool Value) { Fb().HintShowSizing = Value; }

bool TExtStringGrid::SizeHintShowing() { return Fb().SizeHintShowing; }

std::string TExtStringGrid::SizeHintCaption() {
    const TMouseFeedbackState& f = Fb();
    return f.SizeHint && f.SizeHintShowing ? f.SizeHint->Caption() : std::string();
}

plat::TRect TExtStringGrid::SizeHintBounds() {
    const TMouseFeedbackState& f = Fb();
    if (!f.SizeHint || !f.SizeHintShowing || !f.SizeHint->Parent()) return {};
    const plat::TPoint tl = ScreenToClient(f.SizeHint->Parent()->ClientToScreen({f.SizeHint->Left(), f.SizeHint->Top()}));
    return {tl.X, tl.Y, tl.X + f.SizeHint->Width(), tl.Y + f.SizeHint->Height()};
}

void TExtStringGrid::CloseSizeHint() {
    TMouseFeedbackState& f = Fb();
    if (f.SizeHint) f.SizeHint->ReleaseHandle();
    f.SizeHintShowing = false;
}

bool TExtStringGrid::RefuseMoveAtRelease() {
    EndMoveFeedback();
    if (!FMouseFeedback) return false;
    TMouseFeedbackState& f = *FMouseFeedback;
    const bool moving = GridState() == plat::gsColMoving || GridState() == plat::gsRowMoving;
    const bool refused = moving && FEnhRowColMove && f.MoveRefused;
    f.MoveRefused = false;
    if (f.CursorSet) {
        f.CursorSet = false;
        SetCursor(plat::crDefault);
    }
    if (refused) {
        SetGridState(plat::gsNormal);
        Invalidate();
    }
    return refused;
}

void TExtStringGrid::MouseFeedback(int X, int Y) {
    TInputState& in = In();
    const plat::TGridCoord cell = MouseCoord(X, Y);
    const bool onCell = cell.X >= 0 && cell.Y >= 0 && cell.X < ColCount() && cell.Y < RowCount();

    // A dragged column or row: the window may refuse the place under the
    // pointer, and the pointer says which it is before the release.
    const bool cols = GridState() == plat::gsColMoving, rows = GridState() == plat::gsRowMoving;
    if ((cols || rows) && FEnhRowColMove && RowCount() > 1) {
        TMouseFeedbackState& f = Fb();
        bool allow = true;
        if (cols && cell.X >= FixedCols() && OnColumnMoving) OnColumnMoving(this, cell.X, allow);
        if (rows && cell.Y >= FixedRows() && OnRowMoving) OnRowMoving(this, cell.Y, allow);
        f.MoveRefused = !allow;
        f.CursorSet = true;
        SetCursor(allow ? plat::crDrag : plat::crNo);
        MoveFeedback(cell, X, Y);
        return;
    }

    // The size a dragged border would give, shown beside the sized cell.
    if (in.SizingClick && (GridState() == plat::gsColSizing || GridState() == plat::gsRowSizing)) {
        TMouseFeedbackState& f = Fb();
        if (!f.HintShowSizing) return;
        const bool sizingCols = GridState() == plat::gsColSizing;
        const int size = in.SizingSize + (sizingCols ? SizingDeltaX(X) : Y - in.SizingStart);
        const std::string text = std::string(sizingCols ? "cw=<b>" : "rh=<b>") + std::to_string(size) + "</b>";
        const int col = sizingCols ? (in.SizingCol >= 0 ? in.SizingCol : ColCount() - 1) : 0;
        const int row = sizingCols ? 0 : (in.SizingRow >= 0 ? in.SizingRow : RowCount() - 1);
        const plat::TRect cellRect = CellRect(col, row);
        if (!f.SizeHint) f.SizeHint = new THTMLHintWindow(this);
        f.SizeHint->SetColor(FHintColor);
        plat::TRect r = f.SizeHint->CalcHintRect(200, text);
        plat::OffsetRect(r, cellRect.Left, cellRect.Top);
        f.SizeHint->ActivateHint(r, text, *this);
        f.SizeHintShowing = true;
        return;
    }

    SelectModePointer(cell, onCell, X, Y);

    // The pointer a window chooses for a cell. The framework has put the
    // pointer back to the default on every move, or to a sizing pointer on
    // a border, which stays, as does an anchor's hand.
    if (GridState() != plat::gsNormal || !OnGetCellCursor || !onCell) return;
    if (!in.Anchor.empty() || Cursor() != plat::crDefault) return;
    plat::TCursor cursor = Cursor();
    OnGetCellCursor(this, cell.X, cell.Y, X, Y, cursor);
    if (cursor != Cursor()) SetCursor(cursor);
}

TExtStringGrid::TMouseSelectMode TExtStringGrid::MouseSelectMode() const {
    return FMouseFeedback ? FMouseFeedback->SelectMode : msNormal;
}

void TExtStringGrid::SelectModePointer(plat::TGridCoord Cell, bool OnCell, int X, int Y) {
    if (OnCell) {
        const plat::TPoint base = BaseCell(Cell.X, Cell.Y);
        CancelCellHint(base.X, base.Y);
    } else {
        CancelCellHint();
    }
    TMouseSelectMode mode = msNormal;
    // A sizing pointer the framework set for a border keeps its place.
    const bool sizing = Cursor() == plat::crSizeWE || Cursor() == plat::crSizeNS || IsOnSizingBorder(X, Y);
    if (OnSelectionResizer(X, Y)) {
        mode = msResize;
    } else if (GridState() == plat::gsNormal && OnCell && !sizing) {
        const bool rowHeader = Cell.X < FixedCols(), colHeader = Cell.Y < FixedRows();
        const int lastRow = RowCount() - 1 - FFixedFooters;
        if (rowHeader && colHeader) {
            if (FMouseActions.AllSelect()) mode = msAll;
        } else if (colHeader) {
            if (FMouseActions.ColSelect()) mode = msColumn;
        } else if (rowHeader && Cell.Y <= lastRow && FMouseActions.RowSelect() &&
                   !(IsNode(Cell.Y) && IsOnNodeGlyph(Cell.Y, X))) {
            mode = msRow;
        }
    }
    if (mode == msNormal && !FMouseFeedback) return;
    TMouseFeedbackState& f = Fb();
    const TMouseSelectMode was = f.SelectMode;
    f.SelectMode = mode;
    switch (mode) {
        case msRow: SetOwnCursor(crRowSelect); break;
        case msColumn: SetOwnCursor(crColumnSelect); break;
        case msAll:
        case msResize: SetOwnCursor(crAllSelect); break;
        default:
            // Leaving a header or the resizer gives the pointer back, unless
            // the resizer is being dragged: it keeps its pointer.
            if (was != msNormal && was != msURL && !SelectionResizing() &&
                (Cursor() == crRowSelect || Cursor() == crColumnSelect || Cursor() == crAllSelect))
                SetCursor(plat::crDefault);
            if (f.CellSelectorMode && GridState() == plat::gsNormal && Cursor() == plat::crDefault)
                SetOwnCursor(crCellSelector);
            break;
    }
}

void TExtStringGrid::SetOwnCursor(plat::TCursor Id) {
    switch (Id) {
        case crRowSelect: RegisterArrowCursor(Id, 1, 0); break;
        case crColumnSelect: RegisterArrowCursor(Id, 0, 1); break;
        case crAllSelect: RegisterArrowCursor(Id, 1, 1); break;
        case crCellSelector: RegisterCellCrossCursor(Id); break;
        default: break;
    }
    if (Cursor() != Id) SetCursor(Id);
}

bool TExtStringGrid::CellSelectorMode() const { return FMouseFeedback && FMouseFeedback->CellSelectorMode; }

void TExtStringGrid::SetCellSelectorMode(bool Value) {
    Fb().CellSelectorMode = Value;
    if (!Value && Cursor() == crCellSelector) SetCursor(plat::crDefault);
}

bool TExtStringGrid::UseInternalHintClass() const { return !FMouseFeedback || FMouseFeedback->UseInternalHintClass; }

void TExtStringGrid::SetUseInternalHintClass(bool Value) { Fb().UseInternalHintClass = Value; }

const plat::TBitmap& TExtStringGrid::RowIndicator() { return Fb().RowIndicator; }

void TExtStringGrid::SetRowIndicator(const plat::TBitmap& Value) {
    Fb().RowIndicator.Assign(Value);
    Invalidate();
}

void TExtStringGrid::DrawRowIndicator(plat::TCanvas& Canvas, int ACol, int ARow, plat::TRect& R) {
    if (!FMouseFeedback || FMouseFeedback->RowIndicator.Empty()) return;
    if (RealColIndex(ACol) != 0 || ARow != Row() || FixedCols() <= 0) return;
    // A grid of header rows only has no current row to mark.
    if (RowCount() == FixedRows() && FFixedRowAlways) return;
    plat::TBitmap& mark = FMouseFeedback->RowIndicator;
    mark.SetTransparent(true);
    const int top = FVAlignment == vtaTop      ? R.Top
                    : FVAlignment == vtaBottom ? R.Bottom - mark.Height()
                                               : R.Top + (R.Height() - mark.Height()) / 2;
    Canvas.Draw(R.Left + 2, top, mark);
    R.Left += mark.Width() + 2;
}

bool TExtStringGrid::AnchorHint() const { return FMouseFeedback && FMouseFeedback->AnchorHint; }
void TExtStringGrid::SetAnchorHint(bool Value) { Fb().AnchorHint = Value; }
bool TExtStringGrid::HintShowLargeText() const { return FMouseFeedback && FMouseFeedback->HintShowLargeText; }
void TExtStringGrid::SetHintShowLargeText(bool Value) { Fb().HintShowLargeText = Value; }
bool TExtStringGrid::HTMLHint() const { return FMouseFeedback && FMouseFeedback->HTMLHint; }
void TExtStringGrid::SetHTMLHint(bool Value) { Fb().HTMLHint = Value; }

void TExtStringGrid::RichCellHint(int ACol, int ARow, int X, int Y, std::string& Hint) {
    if (!FMouseFeedback) return;
    const TMouseFeedbackState& f = *FMouseFeedback;
    const int rcol = RealColIndex(ACol);
    const std::string text = Cells(rcol, ARow);
    const bool html = ctl::GetCellTextKind(text, FEnableHTML) == ctl::ctkHtml;
    const bool normal = ACol >= FixedCols() && ARow >= FixedRows() && ACol < ColCount() - FFixedRightCols &&
                        ARow < RowCount() - FFixedFooters;
    const bool cellText = FHintShowCells && normal;
    if (cellText && f.HTMLHint) Hint = text;
    if (f.AnchorHint && html && !cellText) {
        std::string anchor = HtmlHitAt(ACol, ARow, X, Y).Anchor;
        if (!anchor.empty()) {
            if (OnAnchorHint) OnAnchorHint(this, ARow, ACol, anchor);
            Hint = anchor;
        }
    }
    if (f.HintShowLargeText && !text.empty()) {
        const plat::TPoint size = GetCellTextSize(rcol, ARow, false, false);
        const plat::TRect r = CellRect(ACol, ARow);
        if (size.X > r.Width() || size.Y > r.Height()) Hint = html && !f.HTMLHint ? ctl::HtmlToPlainText(text) : text;
    }
}

bool TExtStringGrid::HintShowLargeTextPos() const { return FMouseFeedback && FMouseFeedback->HintShowLargeTextPos; }
void TExtStringGrid::SetHintShowLargeTextPos(bool Value) { Fb().HintShowLargeTextPos = Value; }

// The hint keeps clear of the cell it talks about: below it at the
// pointer's X, beside a comment's corner, or over the cell itself when it
// shows the cell's own text.
void TExtStringGrid::HintShowing(std::string& HintStr, plat::THintInfo& Info) {
    TBaseGrid::HintShowing(HintStr, Info);
    Info.HintColor = FHintColor;
    if (FControlLook.HintMaxWidth() > 0) Info.HintMaxWidth = FControlLook.HintMaxWidth();
    const int X = Info.CursorPos.X, Y = Info.CursorPos.Y;
    const plat::TGridCoord at = MouseCoord(X, Y);
    if (at.X < 0 || at.Y < 0 || at.X >= ColCount() || at.Y >= RowCount()) return;
    HintStr = BuildCellHint(X, Y);
    const plat::TPoint base = BaseCell(at.X, at.Y);
    const plat::TRect r = CellRect(base.X, base.Y);
    const int rcol = RealColIndex(base.X);
    const std::string text = Cells(rcol, base.Y);
    plat::TPoint pos{X, r.Bottom + 6};
    std::string comment;
    if (IsComment(rcol, base.Y, comment)) pos = {r.Right, r.Top};
    if (AnchorHint() && ctl::GetCellTextKind(text, FEnableHTML) == ctl::ctkHtml &&
        !HtmlHitAt(base.X, base.Y, X, Y).Anchor.empty())
        pos = {X + 8, Y - 16};
    const bool normal = base.X >= FixedCols() && base.Y >= FixedRows() && base.X < ColCount() - FFixedRightCols &&
                        base.Y < RowCount() - FFixedFooters;
    if (FHintShowCells && normal) pos.Y = r.Top;
    if (HintShowLargeText() && !HintShowLargeTextPos() && !text.empty()) {
        const plat::TPoint size = GetCellTextSize(rcol, base.Y, false, false);
        if (size.X > r.Width() || size.Y > r.Height()) pos = {r.Left, r.Top};
    }
    Info.HintPos = ClientToScreen(pos);

    // Tagged (or packed wide) text shows in the grid's own window, drawn as
    // the cell draws it; the plain hint would show the tags.
    const int kind = ctl::GetCellTextKind(HintStr, true);
    if (HintStr.empty() || !UseInternalHintClass() || (kind != ctl::ctkHtml && kind != ctl::ctkWide)) {
        CancelCellHint();
        return;
    }
    TMouseFeedbackState& f = Fb();
    if (!f.CellHint) f.CellHint = new THTMLHintWindow(this);
    f.CellHint->SetColor(Info.HintColor);
    f.CellHint->Font().SetName(Font().Name());
    f.CellHint->Font().SetSize(Font().Size());
    const int maxWidth = Info.HintMaxWidth > 0 ? Info.HintMaxWidth : 1008;
    plat::TRect hr = f.CellHint->CalcHintRect(maxWidth, HintStr);
    plat::OffsetRect(hr, pos.X, pos.Y);
    f.CellHint->ActivateHint(hr, HintStr, *this);
    f.CellHintAt = base;
    HintStr.clear();  // shown already: the plain hint stays away
}

void TExtStringGrid::CancelCellHint(int ACol, int ARow) {
    if (!FMouseFeedback || !FMouseFeedback->CellHint || !FMouseFeedback->CellHint->Visible()) return;
    TMouseFeedbackState& f = *FMouseFeedback;
    if (ACol >= 0 && f.CellHintAt == plat::TPoint{ACol, ARow}) return;
    if (ACol < 0 && f.CellHint->Parent()) {
        // A hint shown over its cell takes the pointer from the grid; that
        // is no leaving.
        const plat::TPoint p = f.CellHint->ScreenToClient(plat::Mouse->CursorPos());
        if (p.X >= 0 && p.Y >= 0 && p.X < f.CellHint->Width() && p.Y < f.CellHint->Height()) return;
    }
    f.CellHint->ReleaseHandle();
    f.CellHintAt = {-1, -1};
}

const std::string& TExtStringGrid::IncrementalSearchText() { return Fb().SearchInc; }

void TExtStringGrid::ClearIncrementalSearch() {
    if (FMouseFeedback) FMouseFeedback->SearchInc.clear();
}

bool TExtStringGrid::IncrementalSearchKey(char32_t Key) {
    if (Options().Contains(plat::goEditing) || !FNavigation.AutoGotoWhenSorted() || Key == 0 || Key == 13 || Key == 27)
        return false;
    TMouseFeedbackState& f = Fb();
    if (FNavigation.AutoGotoIncremental()) {
        if (Key == 8) {
            // One character off, not one byte: the text is UTF-8.
            while (!f.SearchInc.empty() && (static_cast<unsigned char>(f.SearchInc.back()) & 0xC0) == 0x80)
                f.SearchInc.pop_back();
            if (!f.SearchInc.empty()) f.SearchInc.pop_back();
        } else {
            ctl::AppendCodePoint(f.SearchInc, Key);
        }
        f.SearchTics = 0;
    } else {
        if (Key == 8) return false;
        f.SearchInc.clear();
        ctl::AppendCodePoint(f.SearchInc, Key);
    }
    const int row = f.SearchInc.empty() ? -1 : Search(base::UpperCase(f.SearchInc));
    if (row < 0) f.SearchInc.clear();
    else SetRow(row);
    return true;
}

void TExtStringGrid::IncrementalSearchTick() {
    if (!FMouseFeedback || !FNavigation.AutoGotoIncremental()) return;
    TMouseFeedbackState& f = *FMouseFeedback;
    if (++f.SearchTics >= 4) {
        f.SearchInc.clear();
        f.SearchTics = 0;
    }
}

void TExtStringGrid::FollowParentFormSize() {
    plat::TForm* form = ParentForm();
    TMouseFeedbackState& f = Fb();
    if (!form || form == f.SizedWith) return;
    f.SizedWith = form;
    f.FormResize = form->OnResize;
    f.PrevSizeX = form->Width();
    f.PrevSizeY = form->Height();
    f.Grid = this;
    // The form may outlive the grid: once the grid is gone its handler
    // only hands on to the form's own.
    std::weak_ptr<TMouseFeedbackState> state = FMouseFeedback;
    form->OnResize = [state, own = f.FormResize](TObject* Sender) {
        if (const auto live = state.lock()) live->Grid->ParentFormResize(Sender);
        else if (own) own(Sender);
    };
}

void TExtStringGrid::ParentFormResize(TObject* Sender) {
    TMouseFeedbackState& f = Fb();
    auto* form = dynamic_cast<plat::TForm*>(Sender);
    if (SizeWithForm() && form) {
        const int w = Width() + form->Width() - f.PrevSizeX, h = Height() + form->Height() - f.PrevSizeY;
        if (w > 0 && h > 0) {
            SetBounds(Left(), Top(), w, h);
            f.PrevSizeX = form->Width();
            f.PrevSizeY = form->Height();
        }
    }
    if (f.FormResize) {
        try {
            f.FormResize(Sender);
        } catch (const std::exception&) {
            // The form's handler failing must not stop the grid following
            // the form; the form stays usable either way.
        }
    }
}

plat::TPopupMenu* TExtStringGrid::FixedDropDownMenu() { return Fb().FixedDropDownMenu; }

void TExtStringGrid::SetFixedDropDownMenu(plat::TPopupMenu* Value) { Fb().FixedDropDownMenu = Value; }

bool TExtStringGrid::FixedDropDownPress(int X, int Y) {
    if (!FControlLook.FixedDropDownButton()) return false;
    const plat::TGridCoord cell = MouseCoord(X, Y);
    if (cell.X < 0 || cell.Y < 0 || cell.X >= ColCount() || cell.Y >= RowCount()) return false;
    const plat::TRect r = CellRect(cell.X, cell.Y);
    // The sizing border keeps its two pixels when columns can be sized.
    const int right = r.Right - (Options().Contains(plat::goColSizing) ? 2 : 0);
    if (X <= r.Right - 16 || X >= right || !HoverFixedCellAllowed(cell.X, cell.Y)) return false;
    plat::TPopupMenu* menu = FixedDropDownMenu();
    if (!menu && !OnFixedDropDownClick) return true;
    if (menu) menu->SetTag(cell.X);
    bool keep = false;
    if (OnFixedDropDownClick) OnFixedDropDownClick(this, cell.X, cell.Y, menu, keep);
    if (menu) {
        const plat::TPoint at = ClientToScreen({r.Right - 16, r.Bottom});
        menu->Popup(at.X, at.Y);
    }
    return true;
}

bool TExtStringGrid::RatingPress(int ACol, int ARow, int X) {
    const int rc = RealColIndex(ACol);
    if (!HasRating(rc, ARow) || !IsEditable(rc, ARow)) return false;
    if (EditMode() && !FinishEdit(false)) return true;
    double rate = static_cast<int>((X - CellRect(ACol, ARow).Left) / 9) / 2.0;
    if (DoRatingChange(rc, ARow, rate)) {
        SetFloats(rc, ARow, rate);
        RepaintCell(ACol, ARow);
    }
    return true;
}

}  // namespace grid
