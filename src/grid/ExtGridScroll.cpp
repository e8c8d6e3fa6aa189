#include "grid/ExtGridScroll.h"

#include "grid/ExtGrid.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace grid {

namespace {
constexpr int kScrollRange = 127;

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
    const int count = ColCount();
    for (int c = FixedCols(); c < count; ++c) {
        const int w = ColWidths(c);
        if (c < static_cast<int>(FSeenColWidths.size()) && FSeenColWidths[static_cast<size_t>(c)] == w) continue;
        int limited = w;
        DoUpdateColumnSize(RealColIndex(c), limited);
        if (limited != w && limited > 0) TBaseGrid::SetColWidths(c, limited);
    }
    FSeenColWidths.assign(static_cast<size_t>(count), 0);
    for (int c = 0; c < count; ++c) FSeenColWidths[static_cast<size_t>(c)] = ColWidths(c);
    FInSizeFollowUp = false;
}

}  // namespace grid
