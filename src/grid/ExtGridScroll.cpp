#include "grid/ExtGridScroll.h"

#include "grid/ExtGrid.h"
#include "grid/ExtGridCellLook.h"
#include "grid/ExtGridScrollBars.h"
#include "grid/ExtGridView.h"
#include "platform/Application.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace grid {

namespace {
constexpr int kScrollRange = 127;
constexpr int kSearchFooterHeight = 32;

int MulDiv(int a, int b, int c) {
    if (c == 0) return -1;
    // 64 bits: a grid of 100,000 rows times a position must not overflow.
    const std::int64_t p = std::int64_t(a) * b;
    const std::int64_t q = (p >= 0 ? p + c / 2 : p - c / 2) / c;
    return static_cast<int>(q);
}
}  // namespace

int Nearest(double Value) { return static_cast<int>(std::nearbyint(Value)); }

int ThumbToCell(int Pos, int Count, int VisibleCount, int FixedCount) {
    // A grid that shows all its rows has nowhere to scroll to.
    return FixedCount + std::max(0, MulDiv(Pos, Count - VisibleCount - FixedCount, kScrollRange));
}

std::string ScrollHintText(bool Vertical, int Cell) {
    return std::string(Vertical ? "Row : " : "Col : ") + std::to_string(Cell);
}

int FlatThumbPosition(int Pos, int VisibleCount, int Count) {
    if (Count <= 0) return Pos;
    const int c = Nearest(double(VisibleCount) * 128.0 / Count);
    if (c == 128) return Pos;
    return Nearest(double(Pos) * 127.0 / (128 - c));
}

TIndicatorThumb IndicatorThumb(int ControlLength, int TrackStart, int TrackLength, int First, int Count,
                               int VisibleCount, int FixedCount) {
    TIndicatorThumb t;
    if (Count <= 0 || Count - FixedCount <= 0) return t;
    const double visibleRatio = double(VisibleCount) / Count;
    const double positionRatio = double(First - FixedCount) / (Count - FixedCount);
    t.Position = TrackStart + Nearest(TrackLength * positionRatio);
    t.Size = std::max(20, Nearest(TrackLength * visibleRatio));
    if (t.Position + t.Size > ControlLength) t.Position = ControlLength - t.Size;
    t.Shown = Count - FixedCount > VisibleCount;
    return t;
}

TProportionalRange ProportionalRange(const std::vector<int>& FixedSizes, const std::vector<int>& NormalSizes,
                                     int Above, int LineWidth, int ControlLength, int CurrentPosition,
                                     bool Horizontal) {
    TProportionalRange r;
    int F = LineWidth, T = LineWidth, A = LineWidth;
    for (int s : FixedSizes) F += LineWidth + s;
    for (size_t i = 0; i < NormalSizes.size(); ++i) {
        T += LineWidth + NormalSizes[i];
        if (static_cast<int>(i) < Above) A += LineWidth + NormalSizes[i];
    }
    if (T == 0) return r;
    if (Horizontal && F + T - ControlLength < 5) return r;
    const float e = float(ControlLength - F) / float(T);
    if (e >= 0.9999f) return r;
    r.Set = true;
    r.Max = static_cast<int>(std::trunc((e + 127.0f) / (1.0f - e)));
    r.Page = r.Max - 126;
    if (ControlLength < T)
        r.Position = static_cast<int>(std::trunc(double(A) / double(T - ControlLength) * 128.0));
    else
        r.Position = Horizontal ? CurrentPosition : 127;
    return r;
}

int DragScrollDirection(int X, int Y, int Width, int Height, const TDragScrollMargins& Margins) {
    int d = 0;
    if (Y < Margins.Top) d |= dsdUp;
    else if (Y > Height - Margins.Bottom) d |= dsdDown;
    if (X < Margins.Left) d |= dsdLeft;
    else if (X > Width - Margins.Right) d |= dsdRight;
    return d;
}

void DragScrollStep(int Directions, int& TopRow, int& LeftCol, int FixedRows, int FixedCols, int RowCount,
                    int ColCount, int VisibleRows, int VisibleCols) {
    if ((Directions & dsdUp) && TopRow > FixedRows) --TopRow;
    if ((Directions & dsdDown) && TopRow + VisibleRows < RowCount) ++TopRow;
    if ((Directions & dsdLeft) && LeftCol > FixedCols) --LeftCol;
    if ((Directions & dsdRight) && VisibleCols + LeftCol < ColCount) ++LeftCol;
}

void ScaleOtherSizes(std::vector<int>& Sizes, int First, int Sized, int OldSize) {
    if (OldSize <= 0 || Sized < 0 || Sized >= static_cast<int>(Sizes.size())) return;
    const double factor = double(Sizes[static_cast<size_t>(Sized)]) / OldSize;
    for (int i = std::max(First, 0); i < static_cast<int>(Sizes.size()); ++i)
        if (i != Sized) Sizes[static_cast<size_t>(i)] = Nearest(Sizes[static_cast<size_t>(i)] * factor);
}

// ----------------------------------------------------------------- the grid's follow-up
void TExtStringGrid::ColumnSizeFollowUp() {
    if (FInSizeFollowUp || FLoading || FDestroying) return;
    FInSizeFollowUp = true;
    TViewState& v = View();
    const int count = ColCount();
    const int sized = v.ColClicked;
    v.ColClicked = -1;
    // The user sized one column with all-column sizing on: the others
    // follow by the same factor.
    if (sized >= FixedCols() && sized < count && FMouseActions.AllColumnSize() && v.ColClickedSize > 0) {
        std::vector<int> widths(static_cast<size_t>(count));
        for (int c = 0; c < count; ++c) widths[static_cast<size_t>(c)] = ColWidths(c);
        ScaleOtherSizes(widths, FixedCols(), sized, v.ColClickedSize);
        for (int c = FixedCols(); c < count; ++c)
            if (c != sized) TBaseGrid::SetColWidths(c, widths[static_cast<size_t>(c)]);
    }
    if (sized >= 0 && OnEndColumnSize) OnEndColumnSize(this, sized);
    for (int c = FixedCols(); c < count; ++c) {
        const int w = ColWidths(c);
        if (c < static_cast<int>(FSeenColWidths.size()) && FSeenColWidths[static_cast<size_t>(c)] == w) continue;
        int limited = w;
        DoUpdateColumnSize(RealColIndex(c), limited);
        if (limited != w && limited > 0) TBaseGrid::SetColWidths(c, limited);
    }
    FSeenColWidths.assign(static_cast<size_t>(count), 0);
    for (int c = 0; c < count; ++c) FSeenColWidths[static_cast<size_t>(c)] = ColWidths(c);
    if (sized >= 0) v.RowClicked = -1;
    CellControlsUpdate(false);
    FInSizeFollowUp = false;
}

void TExtStringGrid::NoteUserSizing(bool Column, int Index, int StartSize) {
    TViewState& v = View();
    if (Column) {
        v.ColClicked = Index;
        v.ColClickedSize = StartSize;
    } else {
        v.RowClicked = Index;
        v.RowClickedSize = StartSize;
    }
}

void TExtStringGrid::RowHeightsChanged() {
    TBaseGrid::RowHeightsChanged();
    TViewState& v = View();
    if (v.InRowFollowUp || FLoading || FDestroying) return;
    v.InRowFollowUp = true;
    const int sized = v.RowClicked;
    v.RowClicked = -1;
    const int count = RowCount();
    if (sized >= FixedRows() && sized < count && FMouseActions.AllRowSize() && v.RowClickedSize > 0) {
        std::vector<int> heights(static_cast<size_t>(count));
        for (int r = 0; r < count; ++r) heights[static_cast<size_t>(r)] = RowHeights(r);
        ScaleOtherSizes(heights, FixedRows(), sized, v.RowClickedSize);
        for (int r = FixedRows(); r < count; ++r)
            if (r != sized) SetRowHeights(r, heights[static_cast<size_t>(r)]);
    }
    if (sized >= 0) {
        if (OnEndRowSize) OnEndRowSize(this, sized);
        v.ColClicked = -1;
    }
    CellControlsUpdate(false);
    v.InRowFollowUp = false;
}

void TExtStringGrid::SizeChanged(int OldColCount, int OldRowCount) {
    if (!Parent() || FLoading || FDestroying) {
        TBaseGrid::SizeChanged(OldColCount, OldRowCount);
        return;
    }
    if (FColumnSize.Stretch()) ApplyColumnStretch(FColumnSize.StretchColumn());
    TBaseGrid::SizeChanged(OldColCount, OldRowCount);
}

void TExtStringGrid::StretchRightColumn() { ApplyColumnStretch(-1); }

int TExtStringGrid::OldTopRow() { return View().OldTopRow; }
int TExtStringGrid::OldLeftCol() { return View().OldLeftCol; }

// ----------------------------------------------------------------- scrolled
void TExtStringGrid::TopLeftChanged() {
    TBaseGrid::TopLeftChanged();
    TViewState& v = View();
    // A special editor stays where it was opened; it closes with its value
    // kept rather than float over other cells.
    if (EditMode() && EditControl() != edNormal) HideInplaceEdit();
    // A tiled picture or a gradient runs across the whole grid: every cell
    // shows a new part of it after a scroll.
    const TBackGround& bg = BackGround();
    const bool gradient = bg.Display() == bdGradientHorz || bg.Display() == bdGradientVert;
    if ((!bg.Bitmap().Empty() && bg.Display() == bdTile) || (gradient && bg.ColorTo() != plat::clNone)) Invalidate();
    CellControlsUpdate(false);
    v.OldLeftCol = LeftCol();
    v.OldTopRow = TopRow();
    plat::TObject* synced = v.SyncGrid.Grid();
    auto* other = TViewState::IsLive(synced) ? dynamic_cast<TExtStringGrid*>(synced) : nullptr;
    if (other && other != this) {
        if (v.SyncGrid.ScrollVertical()) other->SetTopRow(TopRow());
        if (v.SyncGrid.ScrollHorizontal()) other->SetLeftCol(LeftCol());
    }
    if (v.VScroll) v.VScroll->Invalidate();
    if (v.HScroll) v.HScroll->Invalidate();
}

// ----------------------------------------------------------------- scroll messages
bool TExtStringGrid::ScrollSynch() { return View().ScrollSynch; }
void TExtStringGrid::SetScrollSynch(bool Value) { View().ScrollSynch = Value; }
bool TExtStringGrid::ScrollHintShowing() { return View().ScrollHintShowing; }

std::string TExtStringGrid::ScrollHintCaption() {
    const TViewState& v = View();
    return v.ScrollHint ? v.ScrollHint->Caption() : std::string();
}

void TExtStringGrid::WMHScroll(plat::TMessage& Message) { ScrollMessage(false, Message); }

void TExtStringGrid::WMVScroll(plat::TMessage& Message) { ScrollMessage(true, Message); }

void TExtStringGrid::ScrollMessage(bool Vertical, plat::TMessage& Message) {
    TViewState& v = View();
    const unsigned code = plat::LoWord(Message.WParam);
    int pos = plat::HiWordSigned(Message.WParam);
    const bool hints = FScrollHints == shBoth || FScrollHints == (Vertical ? shVertical : shHorizontal);
    const int count = Vertical ? RowCount() : ColCount();
    const int visible = Vertical ? VisibleRowCount() : VisibleColCount();
    const int fixed = Vertical ? FixedRows() : FixedCols();
    if (hints) {
        if (code == plat::SB_ENDSCROLL) {
            if (v.ScrollHint) v.ScrollHint->ReleaseHandle();
            v.ScrollHintShowing = false;
        } else if (code == plat::SB_THUMBTRACK) {
            const int cell = ThumbToCell(pos, count, visible, fixed);
            std::string hint = ScrollHintText(Vertical, cell);
            if (OnScrollHint) OnScrollHint(this, cell, hint);
            if (!v.ScrollHint) v.ScrollHint = new THTMLHintWindow(this);
            v.ScrollHint->SetColor(FHintColor);
            const plat::TRect need = v.ScrollHint->CalcHintRect(100, hint);
            const plat::TPoint mouse = ScreenToClient(plat::Mouse->CursorPos());
            plat::TRect r = need;
            plat::OffsetRect(r, mouse.X + 10, mouse.Y);
            v.ScrollHint->ActivateHint(r, hint, *this);
            v.ScrollHintShowing = true;
        }
    }
    if (code == plat::SB_THUMBTRACK && v.ScrollSynch) {
        const int target = ThumbToCell(pos, count, visible, fixed);
        if (Vertical) SetTopRow(target);
        else SetLeftCol(target);
    }
    if (!Vertical && FixedCols() == 0 && Col() <= ThumbToCell(pos, count, visible, fixed) && EditMode())
        HideInplaceEdit();
    // A visible search footer covers the bottom of the client area: the
    // grid scrolls so far that its last row shows above the footer.
    const int panel = Vertical && SearchFooter().Visible() ? kSearchFooterHeight : 0;
    const bool downward = code == plat::SB_ENDSCROLL || code == plat::SB_LINEDOWN;
    if (panel > 0 && downward && LastRowBottom() >= 0 && TopRow() + VisibleRowCount() >= RowCount() - 1 &&
        LastRowBottom() < ClientHeight() - (panel - 2)) {
        Message.Result = 1;
        return;
    }
    if (Vertical) TBaseGrid::WMVScroll(Message);
    else TBaseGrid::WMHScroll(Message);
    if (panel > 0 && TopRow() == RowCount() - VisibleRowCount()) {
        if (code == plat::SB_LINEUP) SetTopRow(TopRow() - 1);
        else if (downward) ScrollAboveSearchFooter(panel);
    }
    // A mirrored merged block scrolls as pieces measured from the right
    // edge; once the scroll ends, the whole grid is drawn again.
    if (code == plat::SB_ENDSCROLL && (ColCount() == 1 || (UseRightToLeftAlignment() && MergeCount() > 0)))
        Invalidate();
}

int TExtStringGrid::LastRowBottom() {
    // Summed from the top row on; a last row far below the view answers -1
    // rather than walking a long table.
    int y = FixedRowsHeight();
    for (int r = TopRow(); r < RowCount(); ++r) {
        y += RowHeights(r);
        if (y > 4 * ClientHeight() + 1000) return -1;
    }
    return y;
}

void TExtStringGrid::ScrollAboveSearchFooter(int Panel) {
    while (ClientHeight() > DefaultRowHeight() + Panel && Row() >= 0 && Row() < RowCount() &&
           TopRow() < RowCount()) {
        const int bottom = LastRowBottom();
        if (bottom < 0 || bottom <= ClientHeight() - Panel + 2) break;
        const int top = TopRow();
        SetTopRow(top + 1);
        if (TopRow() == top) break;
    }
}

// ----------------------------------------------------------------- drag scrolling
TExtStringGrid::TDragScrollOptions& TExtStringGrid::DragScrollOptions() { return View().DragScroll; }

namespace {
void StopTimer(plat::TTimer*& Timer) {
    delete Timer;
    Timer = nullptr;
}
}  // namespace

void TExtStringGrid::DragOver(TObject* /*Source*/, int X, int Y, TDragState State, bool& /*Accept*/) {
    TViewState& v = View();
    const TDragScrollOptions& o = v.DragScroll;
    if (!o.Active) {
        StopTimer(v.DragTimer);
        return;
    }
    const bool wasEmpty = v.DragDirections == 0;
    v.DragDirections = 0;
    if (State == dsDragLeave) {
        StopTimer(v.DragTimer);
        return;
    }
    v.DragDirections = DragScrollDirection(X, Y, Width(), Height(), {o.TopMargin, o.BottomMargin, o.LeftMargin,
                                                                    o.RightMargin});
    if (v.DragDirections == 0) {
        StopTimer(v.DragTimer);
        return;
    }
    if (!v.DragTimer) {
        v.DragTimer = new plat::TTimer(this);
        v.DragTimer->SetInterval(o.InitialDelay);
        v.DragTimer->OnTimer = [this](TObject*) { DragScrollTimer(); };
        v.DragTimer->SetEnabled(true);
    } else if (!wasEmpty) {
        v.DragTimer->SetInterval(o.InitialDelay);
    }
}

void TExtStringGrid::DragScrollTimer() {
    TViewState& v = View();
    if (!v.DragScroll.Active) {
        // Not freed from inside its own tick: switched off instead.
        if (v.DragTimer) v.DragTimer->SetEnabled(false);
        return;
    }
    if (v.DragTimer) v.DragTimer->SetInterval(v.DragScroll.RepeatDelay);
    int dirs = v.DragDirections;
    if (OnDragScroll) {
        bool canScroll = true;
        OnDragScroll(this, TopRow(), LeftCol(), dirs, canScroll);
        if (!canScroll) return;
    }
    int top = TopRow(), left = LeftCol();
    DragScrollStep(dirs, top, left, FixedRows(), FixedCols(), RowCount(), ColCount(), VisibleRowCount(),
                   VisibleColCount());
    if (top != TopRow()) SetTopRow(top);
    if (left != LeftCol()) SetLeftCol(left);
}

bool TExtStringGrid::DragScrollTimerRunning() {
    const TViewState& v = View();
    return v.DragTimer && v.DragTimer->Enabled();
}

int TExtStringGrid::DragScrollInterval() {
    const TViewState& v = View();
    return v.DragTimer ? v.DragTimer->Interval() : 0;
}

}  // namespace grid
