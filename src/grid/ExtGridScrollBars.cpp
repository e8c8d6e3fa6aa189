#include "grid/ExtGridScrollBars.h"

#include <algorithm>

#include "grid/ExtGridView.h"

namespace grid {

TScrollControl::TScrollControl(plat::TComponent* AOwner) : plat::TCustomControl(AOwner) {
    SetTabStop(false);
    SetAccessibleRole(plat::arClient);
}

TExtStringGrid* TScrollControl::Grid() const { return dynamic_cast<TExtStringGrid*>(Parent()); }

void TScrollControl::SetThumbColor(TColor Value) {
    if (Value == FColor) return;
    FColor = Value;
    Invalidate();
}

void TScrollControl::SetScrollWidth(int Value) {
    FScrollWidth = Value;
    Invalidate();
}

void TScrollControl::SetDirection(TScrollDirection Value) {
    FDirection = Value;
    Invalidate();
}

TIndicatorThumb TScrollControl::Thumb() const {
    TExtStringGrid* g = Grid();
    if (!g) return {};
    if (FDirection == sdVertical) {
        int start = 0, footers = 0;
        for (int r = 0; r < g->FixedRows(); ++r) start += g->RowHeights(r);
        for (int r = std::max(0, g->RowCount() - g->FixedFooters()); r < g->RowCount(); ++r)
            footers += g->RowHeights(r);
        return IndicatorThumb(Height(), start, Height() - start - footers, g->TopRow(), g->RowCount(),
                              g->VisibleRowCount(), g->FixedRows());
    }
    int start = 0, right = 0;
    for (int c = 0; c < g->FixedCols(); ++c) start += g->ColWidths(c);
    for (int c = std::max(0, g->ColCount() - g->FixedRightCols()); c < g->ColCount(); ++c) right += g->ColWidths(c);
    return IndicatorThumb(Width(), start, Width() - start - right, g->LeftCol(), g->ColCount(), g->VisibleColCount(),
                          g->FixedCols());
}

void TScrollControl::Paint() {
    plat::TCanvas& c = Canvas();
    // The grid shows through around the thumb: the control paints only it.
    if (TExtStringGrid* g = Grid()) {
        c.Brush().SetColor(g->Color());
        c.FillRect({0, 0, Width(), Height()});
    }
    const TIndicatorThumb t = Thumb();
    if (!t.Shown) return;
    c.Pen().SetColor(FColor);
    c.Brush().SetColor(FColor);
    if (FDirection == sdVertical) c.Rectangle(0, t.Position, FScrollWidth, t.Position + t.Size);
    else c.Rectangle(t.Position, 0, t.Position + t.Size, FScrollWidth);
}

void TScrollControl::MouseDown(plat::TMouseButton Button, plat::TShiftState Shift, int X, int Y) {
    plat::TCustomControl::MouseDown(Button, Shift, X, Y);
    TExtStringGrid* g = Grid();
    if (!g) return;
    const TIndicatorThumb t = Thumb();
    const bool vertical = FDirection == sdVertical;
    const int at = vertical ? Y : X;
    const int first = vertical ? g->TopRow() : g->LeftCol();
    const int fixed = vertical ? g->FixedRows() : g->FixedCols();
    const int visible = vertical ? g->VisibleRowCount() : g->VisibleColCount();
    const int count = vertical ? g->RowCount() : g->ColCount();
    int target = first;
    if (at < t.Position) {
        target = std::max(fixed, first - visible);
    } else if (at > t.Position + t.Size) {
        target = std::min(first + visible, count - visible);
    } else {
        FDownOnScroller = true;
        FDownPos = at;
        FDownRow = first;
        return;
    }
    if (vertical) g->SetTopRow(target);
    else g->SetLeftCol(target);
}

void TScrollControl::MouseMove(plat::TShiftState Shift, int X, int Y) {
    plat::TCustomControl::MouseMove(Shift, X, Y);
    TExtStringGrid* g = Grid();
    if (!g || !FDownOnScroller) return;
    const bool vertical = FDirection == sdVertical;
    const int length = vertical ? Height() - g->RowHeights(0) : Width() - g->ColWidths(0);
    if (length <= 0) return;
    const int count = vertical ? g->RowCount() : g->ColCount();
    const int visible = vertical ? g->VisibleRowCount() : g->VisibleColCount();
    const int fixed = vertical ? g->FixedRows() : g->FixedCols();
    const int moved = Nearest(double((vertical ? Y : X) - FDownPos) / length * count);
    const int target = std::max(fixed, std::min(moved + FDownRow, count - visible));
    if (vertical) g->SetTopRow(target);
    else g->SetLeftCol(target);
}

void TScrollControl::MouseUp(plat::TMouseButton Button, plat::TShiftState Shift, int X, int Y) {
    plat::TCustomControl::MouseUp(Button, Shift, X, Y);
    FDownOnScroller = false;
}

// ----------------------------------------------------------------- the grid's scroll bar styles
void TExtStringGrid::SetScrollType(TScrollType Value) {
    if (Value == FScrollType) return;
    FScrollType = Value;
    // Flat and encarta bars need the platform's flat scroll bars, which our
    // window layer does not have: the normal bars stay, as on a system
    // without them.
    TViewState& v = View();
    if (!Parent()) return;
    if (Value == ssTile) {
        // The bars go first: the indicators align inside what is left.
        SetScrollBars(plat::ssNone);
        if (!v.VScroll) {
            v.VScroll = new TScrollControl(this);
            v.VScroll->SetDirection(sdVertical);
            v.VScroll->SetParent(this);
            v.VScroll->SetWidth(6);
            v.VScroll->SetAlign(plat::alRight);
        }
        if (!v.HScroll) {
            v.HScroll = new TScrollControl(this);
            v.HScroll->SetDirection(sdHorizontal);
            v.HScroll->SetParent(this);
            v.HScroll->SetHeight(6);
            v.HScroll->SetAlign(plat::alBottom);
        }
    } else if (v.VScroll || v.HScroll) {
        delete v.VScroll;
        delete v.HScroll;
        v.VScroll = v.HScroll = nullptr;
        SetScrollBars(plat::ssBoth);
    }
}

bool TExtStringGrid::ScrollProportional() { return View().ScrollProportional; }

void TExtStringGrid::SetScrollProportional(bool Value) { View().ScrollProportional = Value; }

void TExtStringGrid::SetScrollBarAlways(TScrollBarAlways Value) { FScrollBarAlways = Value; }

plat::TCustomControl* TExtStringGrid::VertScrollControl() { return View().VScroll; }
plat::TCustomControl* TExtStringGrid::HorzScrollControl() { return View().HScroll; }

}  // namespace grid
