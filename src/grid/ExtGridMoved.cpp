// What the string grid does after a column or row changed its place: the
// cells go with it (texts and properties, also those of hidden rows), the
// column order follows, and the window hears of the move.

#include <algorithm>

#include "grid/ExtGridInput.h"

namespace grid {

namespace {

// Rotates the entry at From to To, the ones between moving one step
// towards From.
template <typename T>
void MoveEntry(std::vector<T>& v, int From, int To) {
    if (From < 0 || To < 0 || From >= static_cast<int>(v.size()) || To >= static_cast<int>(v.size())) return;
    const auto f = v.begin() + From, t = v.begin() + To;
    if (From < To) std::rotate(f, f + 1, t + 1);
    else std::rotate(t, f, f + 1);
}

}  // namespace

void TExtStringGrid::ColumnMoved(int FromIndex, int ToIndex) {
    // From and To are displayed; the cells are stored by real column.
    const int rFrom = RealColIndex(FromIndex), rTo = RealColIndex(ToIndex);
    if (rFrom == rTo) return;
    if (rFrom < static_cast<int>(FColumnOrder.size()) && rTo < static_cast<int>(FColumnOrder.size()))
        MoveEntry(FColumnOrder, rFrom, rTo);
    TBaseGrid::ColumnMoved(rFrom, rTo);  // the store moves every row's cells at once
    // Hidden rows keep their cells aside, one entry per real column.
    for (TGridItem& item : FGridItems) {
        if (static_cast<int>(item.Items.size()) <= std::max(rFrom, rTo))
            item.Items.resize(static_cast<size_t>(std::max(rFrom, rTo)) + 1);
        MoveEntry(item.Items, rFrom, rTo);
    }
    if (!In().FrameworkMove) {
        // The grid's own move (MoveColumn) moved nothing before: the width
        // and the cursor follow the column here, as a dragged one's do.
        if (FEnhRowColMove) {
            std::vector<int> widths;
            for (int c = 0; c < ColCount(); ++c) widths.push_back(ColWidths(c));
            MoveEntry(widths, FromIndex, ToIndex);
            for (int c = std::min(FromIndex, ToIndex); c <= std::max(FromIndex, ToIndex); ++c)
                if (ColWidths(c) != widths[static_cast<size_t>(c)]) TBaseGrid::SetColWidths(c, widths[static_cast<size_t>(c)]);
        }
        const TGridRect s = Selection();
        SetSelection({MovedPlace(s.Left, FromIndex, ToIndex), s.Top, MovedPlace(s.Right, FromIndex, ToIndex),
                      s.Bottom});
    }
    Invalidate();
    if (OnColumnMoved) OnColumnMoved(this, FromIndex, ToIndex);
}

void TExtStringGrid::RowMoved(int FromIndex, int ToIndex) {
    if (FromIndex == ToIndex) return;
    TBaseGrid::RowMoved(FromIndex, ToIndex);  // the store moves the rows' cells at once
    if (!In().FrameworkMove) {
        if (FEnhRowColMove) {
            std::vector<int> heights;
            for (int r = 0; r < RowCount(); ++r) heights.push_back(RowHeights(r));
            MoveEntry(heights, FromIndex, ToIndex);
            for (int r = std::min(FromIndex, ToIndex); r <= std::max(FromIndex, ToIndex); ++r)
                if (RowHeights(r) != heights[static_cast<size_t>(r)]) TBaseGrid::SetRowHeights(r, heights[static_cast<size_t>(r)]);
        }
        // The cursor stays on the row it was on, wherever that went.
        const TGridRect s = Selection();
        SetSelection({s.Left, MovedPlace(s.Top, FromIndex, ToIndex), s.Right,
                      MovedPlace(s.Bottom, FromIndex, ToIndex)});
    }
    Invalidate();
    if (OnRowMoved) OnRowMoved(this, FromIndex, ToIndex);
}

}  // namespace grid
