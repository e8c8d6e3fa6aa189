// Sorting of the string grid: the rows are ordered as an index permutation
// (stable, through the column keys of TSortKeys) and then moved whole in
// one step, so a sort never half-happens: a comparison that raises leaves
// every row, the row count and the column count as they were.

#include <algorithm>
#include <numeric>

#include "grid/ExtGridCompare.h"
#include "grid/ExtGridDataState.h"
#include "grid/ExtGridInput.h"

namespace grid {

TExtStringGrid::TDataOpsState& TExtStringGrid::Ops() {
    if (!FDataOps) FDataOps = std::make_shared<TDataOpsState>(*this);
    return *FDataOps;
}

TSortSettings& TExtStringGrid::SortSettings() { return Ops().SortSettings; }

void TExtStringGrid::AssignDataSettings(const TExtStringGrid& Source) {
    const TDataOpsState& from = *Source.FDataOps;
    TDataOpsState& to = Ops();
    to.SortSettings.Assign(from.SortSettings);
    to.Filter.Assign(from.Filter);
    to.FilterDropDown.Assign(from.FilterDropDown);
}
TSortIndexList& TExtStringGrid::SortIndexes() { return Ops().SortIndexes; }

int TExtStringGrid::CompareCells(int ACol, int Row1, int Row2, TSortDirection Direction) {
    TSortKeys keys(*this, std::min(Row1, Row2), std::max(Row1, Row2));
    return keys.CompareCells(ACol, Row1, Row2, Direction);
}

int TExtStringGrid::CompareLine(int ACol, int Row1, int Row2) {
    TSortKeys keys(*this, std::min(Row1, Row2), std::max(Row1, Row2));
    return keys.CompareLine(ACol, Row1, Row2);
}

int TExtStringGrid::CompareLineIndexed(int Index, int Row1, int Row2) {
    TSortKeys keys(*this, std::min(Row1, Row2), std::max(Row1, Row2));
    return keys.CompareLineIndexed(Index, Row1, Row2);
}

void TExtStringGrid::InitSortXRef() {
    std::vector<int>& xref = SortXRef();
    xref.resize(RowCount());
    std::iota(xref.begin(), xref.end(), 0);
}

namespace {

// The order of the rows First .. Last: entry i names the row (counted from
// First) that goes to First + i.
std::vector<int> SortedOrder(TExtStringGrid& Grid, int First, int Last, int Col, bool Indexed,
                             TSortScratch& Scratch) {
    std::vector<int> order(std::max(Last - First + 1, 0));
    std::iota(order.begin(), order.end(), 0);
    if (order.size() < 2) return order;
    TSortKeys keys(Grid, First, Last);
    if (Indexed) {
        std::stable_sort(order.begin(), order.end(),
                         [&](int a, int b) { return keys.CompareLineIndexed(0, First + a, First + b) < 0; });
    } else {
        const int sign = Grid.SortSettings().Direction() == sdDescending ? -1 : 1;
        if (keys.FastOrder(Col, sign, order, Scratch)) return order;
        std::stable_sort(order.begin(), order.end(),
                         [&](int a, int b) { return keys.CompareLine(Col, First + a, First + b) * sign < 0; });
    }
    return order;
}

// The first and last position of Order that takes another row; (-1, -1)
// when the order moves nothing.
std::pair<int, int> MovedSpan(const std::vector<int>& Order) {
    const int n = static_cast<int>(Order.size());
    int lo = 0, hi = n - 1;
    while (lo < n && Order[lo] == lo) ++lo;
    if (lo == n) return {-1, -1};
    while (Order[hi] == hi) --hi;
    return {lo, hi};
}

}  // namespace

// A merge record holds the offset to its base cell: moved to another row it
// would name another row's cell, so a sort splits the vertical blocks that
// reach into the rows it moves (only the sort column's with SingleColumn,
// which moves nothing else). Blocks within one row move whole with it.
bool TExtStringGrid::SplitRowMerges(int First, int Last) {
    if (MergeCount() == 0 && !FHasCellProps) return false;
    const TSortSettings& ss = SortSettings();
    const int firstCol = ss.SingleColumn() ? ss.Column() : 0;
    const int lastCol = ss.SingleColumn() ? ss.Column() : TotalColCount() - 1;
    bool split = false;
    for (int c = std::max(firstCol, 0); c <= lastCol; ++c)
        for (int r = std::max(First, 0); r <= Last && r < RowCount(); ++r)
            if (IsYMergedCell(c, r)) {
                SplitCells(c, r);
                split = true;
            }
    return split;
}

// The order of rows First..Last. When it moves rows that vertical blocks
// hold together, the blocks are split first and the order is taken again
// from the cells as they read once split, so that the rows end up sorted
// by what they show.
std::vector<int> TExtStringGrid::SortOrder(int First, int Last, int Col, bool Indexed) {
    std::vector<int> order = SortedOrder(*this, First, Last, Col, Indexed, Ops().SortScratch);
    const auto [lo, hi] = MovedSpan(order);
    if (lo >= 0 && SplitRowMerges(First + lo, First + hi))
        order = SortedOrder(*this, First, Last, Col, Indexed, Ops().SortScratch);
    return order;
}

void TExtStringGrid::ApplyRowOrder(int First, const std::vector<int>& Order) {
    const int n = static_cast<int>(Order.size());
    const auto [lo, hi] = MovedSpan(Order);
    if (lo < 0) return;
    SplitRowMerges(First + lo, First + hi);
    // The cross reference follows every row, whatever moves with it.
    std::vector<int>& xref = SortXRef();
    if (First + n <= static_cast<int>(xref.size())) {
        std::vector<int> old(xref.begin() + First, xref.begin() + First + n);
        for (int i = 0; i < n; ++i) xref[First + i] = old[Order[i]];
    }
    if (SortSettings().SingleColumn()) {
        const int c = SortSettings().Column();
        std::vector<std::pair<std::string, TObject*>> cells(n);
        for (int i = 0; i < n; ++i) cells[i] = {GetGridCell(c, First + i), GetGridObject(c, First + i)};
        for (int i = 0; i < n; ++i) {
            auto& [text, object] = cells[Order[i]];
            SetGridCell(c, First + i, text);
            SetGridObject(c, First + i, object);
            if (object) StoreObjectMoved(object, c, First + i);
        }
        return;
    }
    PermuteStoreRows(First, Order);
    std::vector<int> heights(n);
    for (int i = 0; i < n; ++i) heights[i] = RowHeights(First + i);
    for (int i = 0; i < n; ++i)
        if (heights[Order[i]] != heights[i]) SetRowHeights(First + i, heights[Order[i]]);
    // Per-row flags keyed by real row follow their rows.
    auto permuteFlags = [&](auto& flags, bool Real, auto off) {
        std::vector<int> at(n);
        for (int i = 0; i < n; ++i) at[i] = Real ? RealRowIndex(First + i) : First + i;
        const int need = *std::max_element(at.begin(), at.end()) + 1;
        if (static_cast<int>(flags.size()) < need) flags.resize(need, off);
        std::vector<typename std::decay_t<decltype(flags)>::value_type> old(n);
        for (int i = 0; i < n; ++i) old[i] = flags[at[i]];
        for (int i = 0; i < n; ++i) flags[at[i]] = old[Order[i]];
    };
    if (FShowModified.Enabled() && !FModifiedRows.empty()) permuteFlags(FModifiedRows, true, 0);
    if (FMouseActions.DisjunctRowSelect() && FNavigation.MoveRowOnSort() && !FRowSelect.empty())
        permuteFlags(FRowSelect, FMouseActions.RowSelectPersistent(), false);
}

void TExtStringGrid::SortSwapRows(int ARow1, int ARow2) {
    if (ARow1 == ARow2 || ARow1 < 0 || ARow2 < 0) return;
    const int lo = std::min(ARow1, ARow2), hi = std::max(ARow1, ARow2);
    std::vector<int> order(hi - lo + 1);
    std::iota(order.begin(), order.end(), 0);
    std::swap(order.front(), order.back());
    ApplyRowOrder(lo, order);
}

// What every sort of the normal rows shares: the column 0 that stays, the
// update lock, the current row and the top row; Sorter gives the order.
struct TExtStringGrid::TSortRun {
    TExtStringGrid& G;
    int First, Last;
    int TopRow;
    std::vector<std::pair<std::string, TObject*>> Column0;
    bool KeepCol0;

    explicit TSortRun(TExtStringGrid& Grid)
        : G(Grid), First(Grid.FixedRows()), Last(Grid.RowCount() - Grid.FixedFooters() - 1),
          TopRow(Grid.TopRow()),
          KeepCol0(Grid.SortSettings().NormalCellsOnly() && Grid.FixedCols() > 0) {
        if (static_cast<int>(G.SortXRef().size()) != G.RowCount()) G.InitSortXRef();
        if (KeepCol0)
            for (int r = 0; r < G.RowCount(); ++r) Column0.emplace_back(G.GetGridCell(0, r), G.GetGridObject(0, r));
        G.BeginUpdate();
    }
    ~TSortRun() {
        if (KeepCol0) {
            for (int r = 0; r < static_cast<int>(Column0.size()) && r < G.RowCount(); ++r) {
                G.SetGridCell(0, r, Column0[r].first);
                G.SetGridObject(0, r, Column0[r].second);
                if (Column0[r].second) G.StoreObjectMoved(Column0[r].second, 0, r);
            }
        }
        if (G.FNavigation.KeepScrollOnSort() && TopRow < G.RowCount()) G.SetTopRow(TopRow);
        G.EndUpdate();
        G.Invalidate();
    }

    void Apply(const std::vector<int>& Order, bool FollowRow, bool Notify) {
        const int oldRow = G.Row();
        int movedTo = oldRow;
        for (int i = 0; i < static_cast<int>(Order.size()); ++i)
            if (First + Order[i] == oldRow) movedTo = First + i;
        G.ApplyRowOrder(First, Order);
        if (FollowRow && G.FNavigation.MoveRowOnSort() && movedTo != oldRow) G.SetRow(movedTo);
        if (Notify && G.OnRowChanged && !G.FNavigation.MoveRowOnSort()) G.OnRowChanged(&G, movedTo, G.Row());
    }
};

void TExtStringGrid::RunSort(bool Indexed) {
    TSortRun run(*this);
    const std::vector<int> order = SortOrder(run.First, run.Last, SortSettings().Column(), Indexed);
    run.Apply(order, Indexed || !FMouseActions.DisjunctRowSelect(), !Indexed);
}

void TExtStringGrid::QSort() {
    if (SortSettings().Column() < 0) return;
    SortIndexes().Clear();
    RunSort(false);
}

void TExtStringGrid::QSortIndexed() {
    if (SortIndexes().Count() == 0) throw EExtGridError("No indexes specified for indexed sort");
    RunSort(true);
}

void TExtStringGrid::QSortGroup() { RunGroupSort(false); }

void TExtStringGrid::QSortGroupIndexed() { RunGroupSort(true); }

// Only the rows under the innermost open nodes move, each group within
// itself: headers, summary rows and outer levels keep their places.
void TExtStringGrid::RunGroupSort(bool Indexed) {
    if (Indexed && SortIndexes().Count() == 0) throw EExtGridError("No indexes specified for indexed sort");
    if (static_cast<int>(SortXRef().size()) != RowCount()) InitSortXRef();
    if (!HasNodes() || (!Indexed && SortSettings().Column() < 0)) return;
    TSortRun run(*this);
    const int last = run.Last;
    int deepest = 0;
    for (int r = run.First; r <= last; ++r)
        if (IsNode(r)) deepest = std::max(deepest, GetNodeLevel(r));
    for (int r = run.First; r <= last; ++r) {
        if (!IsNode(r) || GetNodeLevel(r) != deepest || GetNodeState(r) || GetNodeSpan(r) <= 2) continue;
        const int to = std::min(r + GetNodeSpan(r) - 1, last);
        run.First = r + 1;
        run.Apply(SortOrder(r + 1, to, SortSettings().Column(), Indexed), true, false);
    }
}

void TExtStringGrid::QUnSort() {
    std::vector<int> unsort = SortXRef();
    const int n = std::min(static_cast<int>(unsort.size()), RowCount());
    unsort.resize(n);
    std::vector<int> order(n);
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return unsort[a] < unsort[b]; });
    TSortRun run(*this);
    run.First = 0;
    run.Apply(order, false, false);
}

void TExtStringGrid::Sort(int Column, TSortDirection Direction) {
    SortSettings().SetColumn(Column);
    SortSettings().SetDirection(Direction);
    QSort();
}

void TExtStringGrid::SortByColumn(int Col) {
    if (RowCount() <= 1) return;
    SortSettings().SetColumn(Col);
    QSort();
}

void TExtStringGrid::QuickSort(int Col, int Left, int Right) {
    if (static_cast<int>(SortXRef().size()) != RowCount()) InitSortXRef();
    ApplyRowOrder(Left, SortOrder(Left, Right, Col, false));
}

void TExtStringGrid::QuickSortIndexed(int Left, int Right) {
    if (static_cast<int>(SortXRef().size()) != RowCount()) InitSortXRef();
    ApplyRowOrder(Left, SortOrder(Left, Right, -1, true));
}

bool TExtStringGrid::SortLine(int Col, int ARow1, int ARow2) {
    const int sign = SortSettings().Direction() == sdDescending ? -1 : 1;
    TSortKeys keys(*this, std::min(ARow1, ARow2), std::max(ARow1, ARow2));
    for (int c = Col; c < ColCount() + NumHiddenColumns(); ++c) {
        const int res = keys.CompareCells(c, ARow1, ARow2, SortSettings().Direction());
        if (res == sign) {
            SortSwapRows(ARow1, ARow2);
            return true;
        }
        if (res != 0) return false;
    }
    return false;
}

}  // namespace grid
