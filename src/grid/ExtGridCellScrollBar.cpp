// The scroll bar inside a cell whose text is taller than the cell: drawn
// at the cell's right edge, it scrolls the cell's text up, and answers the
// mouse as a scroll bar does (arrows, track, dragged thumb).

#include <algorithm>
#include <memory>
#include <vector>

#include "grid/ExtGrid.h"

namespace grid {

struct TExtStringGrid::TCellScrollState {
    plat::TPoint Cell{-1, -1};  // the cell whose thumb is held (displayed)
    int GrabOffset = 0;         // the press inside the thumb
};

namespace {

// The parts of a vertical bar of height H: the two arrow buttons, the
// track between them and the thumb on it.
struct TBarParts {
    plat::TRect Up, Down, Track, Thumb;
};

TBarParts BarParts(const plat::TRect& Bar, int Pos, TScrollProp Prop) {
    TBarParts p;
    const int arrow = std::min(Bar.Width(), Bar.Height() / 2);
    p.Up = {Bar.Left, Bar.Top, Bar.Right, Bar.Top + arrow};
    p.Down = {Bar.Left, Bar.Bottom - arrow, Bar.Right, Bar.Bottom};
    p.Track = {Bar.Left, p.Up.Bottom, Bar.Right, p.Down.Top};
    const int track = p.Track.Height();
    const int range = std::max(1, Prop.Range);
    const int thumb = std::clamp(track * Prop.PageSize / range, std::min(8, track), track);
    const int travel = std::max(0, Prop.Range - Prop.PageSize);
    const int top = p.Track.Top + (travel > 0 ? (track - thumb) * std::clamp(Pos, 0, travel) / travel : 0);
    p.Thumb = {Bar.Left, top, Bar.Right, top + thumb};
    return p;
}

void ArrowGlyph(plat::TCanvas& C, const plat::TRect& R, bool Up) {
    const int cx = (R.Left + R.Right) / 2, cy = (R.Top + R.Bottom) / 2;
    C.Pen().SetColor(plat::clBlack);
    C.Brush().SetColor(plat::clBlack);
    if (Up) C.Polygon({{cx - 3, cy + 1}, {cx + 3, cy + 1}, {cx, cy - 2}});
    else C.Polygon({{cx - 3, cy - 1}, {cx + 3, cy - 1}, {cx, cy + 2}});
}

}  // namespace

TExtStringGrid::TCellScrollState& TExtStringGrid::Cs() {
    if (!FCellScroll) FCellScroll = std::make_shared<TCellScrollState>();
    return *FCellScroll;
}

// The bar of a cell drawn (or clicked) in rectangle R; empty without one.
plat::TRect TExtStringGrid::CellScrollBarIn(int ACol, int ARow, const plat::TRect& R) {
    const int rc = RealColIndex(ACol);
    if (!HasScrollBar(rc, ARow)) return {};
    const TScrollProp prop = GetScrollProp(rc, ARow);
    // Text that fits needs no bar.
    if (prop.PageSize >= prop.Range) return {};
    if (R.Width() <= CellScrollBarWidth || R.Height() <= 0) return {};
    return {R.Right - CellScrollBarWidth, R.Top, R.Right, R.Bottom};
}

plat::TRect TExtStringGrid::CellScrollBarRect(int ACol, int ARow) {
    return CellScrollBarIn(ACol, ARow, CellRect(ACol, ARow));
}

int TExtStringGrid::DrawCellScrollBar(plat::TCanvas& Canvas, int ACol, int ARow, plat::TRect& R) {
    const plat::TRect bar = CellScrollBarIn(ACol, ARow, R);
    if (bar.Right <= bar.Left) return 0;
    const int rc = RealColIndex(ACol);
    const int pos = std::max(0, GetScrollPosition(rc, ARow));
    const TBarParts p = BarParts(bar, pos, GetScrollProp(rc, ARow));
    Canvas.SaveState();
    Canvas.Brush().SetStyle(plat::bsSolid);
    Canvas.Brush().SetColor(plat::RGB(0xF0, 0xF0, 0xF0));
    Canvas.FillRect(p.Track);
    for (const plat::TRect& face : {p.Up, p.Down, p.Thumb}) {
        Canvas.Brush().SetColor(plat::clBtnFace);
        Canvas.FillRect(face);
        plat::TRect edge = face;
        Canvas.DrawEdge(edge, plat::EDGE_RAISED, plat::BF_RECT);
    }
    ArrowGlyph(Canvas, p.Up, true);
    ArrowGlyph(Canvas, p.Down, false);
    Canvas.RestoreState();
    R.Right = bar.Left;
    return pos;
}

void TExtStringGrid::CellTextChanged(int ACol, int ARow) {
    TBaseGrid::CellTextChanged(ACol, ARow);
    // An automatic bar pages by the row and ranges over the text.
    if (FDestroying || !HasAutoRangeScrollBar(ACol, ARow)) return;
    const int page = RowHeights(ARow);
    const int range = GetCellTextSize(ACol, ARow, false, false).Y;
    SetScrollProp(ACol, ARow, {page, std::max(page, range)});
}

bool TExtStringGrid::ScrollCellTo(int ACol, int ARow, int Pos) {
    const int rc = RealColIndex(ACol);
    const TScrollProp prop = GetScrollProp(rc, ARow);
    // The text scrolls no further than its last line at the cell's bottom.
    const int last = std::max(0, prop.Range - prop.PageSize);
    const int now = GetScrollPosition(rc, ARow);
    Pos = std::clamp(Pos, 0, last);
    if (Pos == now) return false;
    SetScrollPosition(rc, ARow, Pos);
    if (OnScrollCell) OnScrollCell(this, ACol, ARow, Pos, 0, prop.Range);
    return true;
}

bool TExtStringGrid::CellScrollBarPress(int X, int Y) {
    const plat::TGridCoord at = MouseCoord(X, Y);
    if (at.X < 0 || at.Y < 0 || at.X >= ColCount() || at.Y >= RowCount()) return false;
    const plat::TRect bar = CellScrollBarRect(at.X, at.Y);
    if (!plat::PtInRect(bar, {X, Y})) return false;
    const int rc = RealColIndex(at.X);
    const int pos = GetScrollPosition(rc, at.Y);
    const TBarParts p = BarParts(bar, pos, GetScrollProp(rc, at.Y));
    if (plat::PtInRect(p.Up, {X, Y})) ScrollCellTo(at.X, at.Y, pos - 10);
    else if (plat::PtInRect(p.Down, {X, Y})) ScrollCellTo(at.X, at.Y, pos + 10);
    else if (Y < p.Thumb.Top) ScrollCellTo(at.X, at.Y, pos - 100);
    else if (Y >= p.Thumb.Bottom) ScrollCellTo(at.X, at.Y, pos + 100);
    else {
        TCellScrollState& s = Cs();
        s.Cell = {at.X, at.Y};
        s.GrabOffset = Y - p.Thumb.Top;
        SetMouseCapture(true);
    }
    return true;
}

bool TExtStringGrid::CellScrollBarMove(int X, int Y) {
    (void)X;
    if (!FCellScroll || FCellScroll->Cell.X < 0) return false;
    const TCellScrollState& s = *FCellScroll;
    const plat::TRect bar = CellScrollBarRect(s.Cell.X, s.Cell.Y);
    if (bar.Right <= bar.Left) return true;
    const int rc = RealColIndex(s.Cell.X);
    const TScrollProp prop = GetScrollProp(rc, s.Cell.Y);
    const TBarParts p = BarParts(bar, 0, prop);
    const int travel = p.Track.Height() - p.Thumb.Height();
    if (travel <= 0) return true;
    const int top = std::clamp(Y - s.GrabOffset - p.Track.Top, 0, travel);
    ScrollCellTo(s.Cell.X, s.Cell.Y, (top * std::max(0, prop.Range - prop.PageSize) + travel / 2) / travel);
    return true;
}

bool TExtStringGrid::CellScrollBarRelease() {
    if (!FCellScroll || FCellScroll->Cell.X < 0) return false;
    FCellScroll->Cell = {-1, -1};
    SetMouseCapture(false);
    return true;
}

}  // namespace grid
