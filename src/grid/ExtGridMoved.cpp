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
    const int step = rFrom < rTo ? 1 : -1;
    for (int r = 0; r < RowCount(); ++r)
        for (int c = rFrom; c != rTo; c += step) SwapCells({c, r}, {c + step, r});
    // Hidden rows keep their cells aside, one entry per real column.
    for (TGridItem& item : FGridItems) {
        if (static_cast<int>(item.Items.size()) <= std::max(rFrom, rTo))
            item.Items.resize(static_cast<size_t>(std::max(rFrom, rTo)) + 1);
        MoveEntry(item.Items, rFrom, rTo);
    }
    Invalidate();
    if (OnColumnMoved) OnColumnMoved(this, FromIndex, ToIndex);
}

void TExtStringGrid::RowMoved(int FromIndex, int ToIndex) {
    if (FromIndex == ToIndex) return;
    const int step = FromIndex < ToIndex ? 1 : -1;
    for (int c = 0; c < TotalColCount(); ++c)
        for (int r = FromIndex; r != ToIndex; r += step) SwapCells({c, r}, {c, r + step});
    Invalidate();
    if (OnRowMoved) OnRowMoved(this, FromIndex, ToIndex);
}

}  // namespace grid
