// What the string grid does after a column changed its place: the cell
// store moves the cells (and reports the move), the column order follows,
// and the cells that hidden rows keep aside move with their column. The
// width and the cursor have moved already (the framework's move runs
// first on every path).

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
    // The store keeps cells by real column: with hidden columns the move
    // is one between real columns.
    const int rFrom = RealColIndex(FromIndex), rTo = RealColIndex(ToIndex);
    if (rFrom < static_cast<int>(FColumnOrder.size()) && rTo < static_cast<int>(FColumnOrder.size()))
        MoveEntry(FColumnOrder, rFrom, rTo);
    // Hidden rows keep their cells aside, one entry per real column.
    for (TGridItem& item : FGridItems) {
        if (static_cast<int>(item.Items.size()) <= std::max(rFrom, rTo))
            item.Items.resize(static_cast<size_t>(std::max(rFrom, rTo)) + 1);
        MoveEntry(item.Items, rFrom, rTo);
    }
    if (NumHiddenColumns() == 0) TBaseGrid::ColumnMoved(FromIndex, ToIndex);
    else TBaseGrid::ColumnMoved(rFrom, rTo);
}

}  // namespace grid
