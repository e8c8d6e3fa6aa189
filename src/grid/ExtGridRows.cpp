// Row insertion and removal beyond the store: the per-row lists, merged
// blocks, current row and floating footer kept in step, and the bulk row
// removals (checked, duplicate, selected rows) and the keyboard's row
// insert and delete.

#include <algorithm>
#include <string>
#include <unordered_set>
#include <vector>

#include "base/StrUtils.h"
#include "grid/ExtGrid.h"
#include "grid/ExtGridFooter.h"
#include "grid/ExtGridNodeState.h"
#include "grid/ExtGridRowsState.h"
#include "grid/GridExchangeState.h"

namespace grid {

TExtStringGrid::TRowsState& TExtStringGrid::Rw() {
    if (!FRowsState) FRowsState = std::make_shared<TRowsState>(this);
    return *FRowsState;
}

bool TExtStringGrid::ObjectsNotOwned() { return FRowsState && FRowsState->ObjectsNotOwned; }

void TExtStringGrid::SetObjectsNotOwned(bool Value) { Rw().ObjectsNotOwned = Value; }

void TExtStringGrid::DropCellProps(TOwnedCellProps& Props) {
    if (ObjectsNotOwned()) (void)Props.release();
    else Props.reset();
}

void TExtStringGrid::NotifyCellsChanged(int ACol1, int ARow1, int ACol2, int ARow2) {
    if (FDestroying || !OnCellsChanged) return;
    OnCellsChanged(this, TGridRect{ACol1, ARow1, ACol2, ARow2});
}

namespace {

using TBlock = TMergedBlock;

// The merged blocks that have a cell in rows First..Last, each once.
std::vector<TBlock> BlocksInRows(TBaseGrid& Grid, int TotalCols, int First, int Last) {
    std::vector<TBlock> blocks;
    for (int r = First; r <= Last; ++r)
        for (int c = 0; c < TotalCols; ++c) {
            if (!Grid.IsMergedCell(c, r)) continue;
            const plat::TPoint b = Grid.BaseCell(c, r);
            const plat::TPoint s = Grid.CellSpan(c, r);
            const bool seen = std::any_of(blocks.begin(), blocks.end(),
                                          [&](const TBlock& k) { return k.Col == b.X && k.Row == b.Y; });
            if (!seen) blocks.push_back({b.X, b.Y, s.X, s.Y});
            c = std::max(c, b.X + s.X);
        }
    return blocks;
}

// Rows of a per-row list indexed by position: Count entries at At are
// added (value Fill) or removed; a list that does not reach At stays.
template <typename T, typename V>
void InsertEntries(std::vector<T>& List, int At, int Count, V Fill) {
    if (At < 0 || At > static_cast<int>(List.size())) return;
    List.insert(List.begin() + At, static_cast<size_t>(Count), static_cast<T>(Fill));
}

template <typename T>
void EraseEntries(std::vector<T>& List, int At, int Count) {
    const int size = static_cast<int>(List.size());
    if (At < 0 || At >= size) return;
    List.erase(List.begin() + At, List.begin() + std::min(size, At + Count));
}

}  // namespace

// A merged block wholly above or below a row change moves with its rows
// and needs nothing, since its cells know only their offsets from its
// base; one the change cuts through is made again with its new height.
int TExtStringGrid::BeforeRowsInserted(int ARow, int Count) {
    // The footer row stays the last row: rows asked for after it go in
    // before it.
    if (FHideLastRow && RowCount() > FixedRows()) ARow = std::min(ARow, RowCount() - 1);
    std::vector<TBlock> cut;
    if (MergeCount() > 0 && ARow < RowCount()) {
        for (const TBlock& b : BlocksInRows(*this, TotalColCount(), ARow, ARow))
            if (b.Row < ARow) {
                SplitCells(b.Col, b.Row);
                cut.push_back(b);
            }
    }
    (void)Count;
    Rw().PendingBlocks.push_back(std::move(cut));
    return ARow;
}

void TExtStringGrid::AfterRowsInserted(int ARow, int Count) {
    std::vector<TBlock> cut = std::move(Rw().PendingBlocks.back());
    Rw().PendingBlocks.pop_back();
    for (const TBlock& b : cut) MergeCells(b.Col, b.Row, b.SpanX + 1, b.SpanY + 1 + Count);

    const bool persistent = FMouseActions.RowSelectPersistent();
    const int at = persistent ? RealRowIndex(ARow) : ARow;
    if (FShowModified.Enabled()) InsertEntries(FModifiedRows, ARow, Count, 0);
    InsertEntries(FEnabledRows, ARow, Count, 0);
    if (FMouseActions.DisjunctRowSelect() && at <= static_cast<int>(FRowSelect.size())) {
        FRowSelect.insert(FRowSelect.begin() + at, static_cast<size_t>(Count), false);
        for (int& r : FSelectedRows)
            if (r >= at) r += Count;
    }
    if (FHideLastRow) CalcFooter(-1);
    NotifyCellsChanged(0, ARow, ColCount() - 1, ARow + Count);
}

void TExtStringGrid::BeforeRowsRemoved(int ARow, int Count) {
    // A node leaves with its row: the count must follow, or column 0 keeps
    // drawing as the node column of a grid without nodes.
    if (HasNodes())
        for (int r = ARow; r < ARow + Count; ++r)
            if (IsNode(r)) Ex().NodeCount = std::max(Ex().NodeCount - 1, 0);
    std::vector<TBlock> cut;
    if (MergeCount() > 0) {
        cut = BlocksInRows(*this, TotalColCount(), ARow, ARow + Count - 1);
        for (const TBlock& b : cut) SplitCells(b.Col, b.Row);
    }
    Rw().PendingBlocks.push_back(std::move(cut));

    if (FShowModified.Enabled()) EraseEntries(FModifiedRows, ARow, Count);
    EraseEntries(FEnabledRows, ARow, Count);
    if (FMouseActions.DisjunctRowSelect() && !FRowSelect.empty()) {
        // Real rows with persistent selection: the removed rows need not
        // lie together there, so each goes by itself, the last first.
        std::vector<int> gone;
        for (int k = 0; k < Count; ++k)
            gone.push_back(FMouseActions.RowSelectPersistent() ? RealRowIndex(ARow + k) : ARow + k);
        std::sort(gone.begin(), gone.end());
        if (!FMouseActions.RowSelectPersistent()) {
            EraseEntries(FRowSelect, ARow, Count);
        } else {
            for (auto it = gone.rbegin(); it != gone.rend(); ++it) EraseEntries(FRowSelect, *it, 1);
        }
        std::vector<int> kept;
        for (int r : FSelectedRows) {
            if (std::binary_search(gone.begin(), gone.end(), r)) continue;
            kept.push_back(r - static_cast<int>(std::lower_bound(gone.begin(), gone.end(), r) - gone.begin()));
        }
        FSelectedRows = std::move(kept);
    }
}

void TExtStringGrid::AfterRowsRemoved(int ARow, int Count) {
    std::vector<TBlock> cut = std::move(Rw().PendingBlocks.back());
    Rw().PendingBlocks.pop_back();
    const int lastGone = ARow + Count - 1;
    for (const TBlock& b : cut) {
        const int top = b.Row, bottom = b.Row + b.SpanY;
        const int overlap = std::max(0, std::min(bottom, lastGone) - std::max(top, ARow) + 1);
        const int rows = b.SpanY + 1 - overlap;
        const int newTop = top < ARow ? top : ARow;
        if (rows <= 0) continue;
        if (rows > 1 || b.SpanX > 0) MergeCells(b.Col, newTop, b.SpanX + 1, rows);
    }

    FMaxRowCount = std::max(RowCount(), FMaxRowCount - Count);
    // The current row stays where it was while it still lies before the
    // footer rows; otherwise the last row before them takes over.
    const int lastNormal = RowCount() - FFixedFooters - 1;
    if (Row() > lastNormal && lastNormal >= FixedRows()) MoveCurrentCell(Col(), lastNormal);
    if (TopRow() >= RowCount() + FixedRows() - VisibleRowCount() - 2 && RowCount() - VisibleRowCount() - 1 > 0)
        SetTopRow(RowCount() + FixedRows() - VisibleRowCount() - 2);
    if (FHideLastRow) CalcFooter(-1);
    NotifyCellsChanged(0, ARow, ColCount() - 1, ARow + Count);
}

void TExtStringGrid::AddRow() {
    if (FHideLastRow) {
        InsertRows(RowCount() - 1, 1);
        ClearRows(RowCount() - 2, 1);
        return;
    }
    InsertRows(RowCount(), 1);
    ClearRows(RowCount() - 1, 1);
}

// ----------------------------------------------------------- bulk removals

void TExtStringGrid::RemoveCheckedRows(int CheckBoxColumn, bool RemoveChecked) {
    std::vector<int> rows;
    for (int r = FixedRows(); r < RowCount(); ++r) {
        bool state = false;
        if (GetCheckBoxState(CheckBoxColumn, RealRowIndex(r), state) && state == RemoveChecked) rows.push_back(r);
    }
    BeginUpdate();
    RemoveRowList(rows);
    EndUpdate();
}

void TExtStringGrid::RemoveDuplicates(int ACol, bool DoCase) {
    const int real = RealColIndex(ACol);
    // Seen texts are hashed so that a long table is scanned once, and the
    // repeats are removed together, so nothing here grows with the square
    // of the row count.
    std::unordered_set<std::string> seen;
    std::vector<int> dup;
    const int end = RowCount() - FFixedFooters;
    for (int r = FixedRows(); r < end; ++r) {
        std::string text = Cells(real, r);
        if (!DoCase) text = base::UpperCase(text);
        if (!seen.insert(std::move(text)).second) dup.push_back(r);
    }
    BeginUpdate();
    RemoveRowList(dup);
    EndUpdate();
}

void TExtStringGrid::RemoveRowList(const std::vector<int>& Rows) {
    if (Rows.empty()) return;
    const int first = Rows.front();
    const int n = RowCount() - first;
    const int gone = static_cast<int>(Rows.size());
    // Without hidden rows, merged blocks or cell controls nothing is keyed
    // by a real row that a reorder would disturb: the kept rows move up
    // over the removed ones in one pass, and the removed ones go from the
    // end in one removal.
    if (gone > 1 && NumHiddenRows() == 0 && MergeCount() == 0 && NumCellControls() == 0) {
        std::vector<int> order;
        order.reserve(static_cast<size_t>(n));
        size_t j = 0;
        for (int r = first; r < RowCount(); ++r) {
            if (j < Rows.size() && Rows[j] == r) {
                ++j;
                continue;
            }
            order.push_back(r - first);
        }
        for (int r : Rows) order.push_back(r - first);
        PermuteStoreRows(first, order);
        std::vector<int> heights(static_cast<size_t>(n));
        for (int i = 0; i < n; ++i) heights[static_cast<size_t>(i)] = RowHeights(first + i);
        for (int i = 0; i < n; ++i)
            if (heights[static_cast<size_t>(order[static_cast<size_t>(i)])] != heights[static_cast<size_t>(i)])
                SetRowHeights(first + i, heights[static_cast<size_t>(order[static_cast<size_t>(i)])]);
        const auto permute = [&](auto& flags) {
            if (static_cast<int>(flags.size()) <= first) return;
            flags.resize(static_cast<size_t>(first + n));
            std::vector<typename std::decay_t<decltype(flags)>::value_type> old(flags.begin() + first, flags.end());
            for (int i = 0; i < n; ++i)
                flags[static_cast<size_t>(first + i)] = old[static_cast<size_t>(order[static_cast<size_t>(i)])];
        };
        permute(FModifiedRows);
        permute(FEnabledRows);
        permute(FRowSelect);
        std::vector<int> placeOf(static_cast<size_t>(n));
        for (int i = 0; i < n; ++i) placeOf[static_cast<size_t>(order[static_cast<size_t>(i)])] = i;
        for (int& r : FSelectedRows)
            if (r >= first && r < first + n) r = first + placeOf[static_cast<size_t>(r - first)];
        RemoveRows(RowCount() - gone, gone);
        return;
    }
    // Runs of adjacent rows go in one removal, the bottom run first so the
    // indexes above stay valid.
    for (size_t i = Rows.size(); i > 0;) {
        size_t k = i - 1;
        while (k > 0 && Rows[k - 1] == Rows[k] - 1) --k;
        RemoveRows(Rows[k], static_cast<int>(i - k));
        i = k;
    }
}

void TExtStringGrid::RemoveSelectedRows() {
    BeginUpdate();
    if (FMouseActions.DisjunctRowSelect()) {
        const bool persistent = FMouseActions.RowSelectPersistent();
        std::vector<int> rows;
        for (int r = FixedRows(); r < RowCount() - FFixedFooters; ++r)
            if (GetRowSelect(persistent ? RealRowIndex(r) : r)) rows.push_back(r);
        RemoveRowList(rows);
        ClearRowSelect();
    } else {
        const TGridRect s = Selection();
        const int top = std::min(s.Top, s.Bottom), bottom = std::max(s.Top, s.Bottom);
        RemoveRows(top, bottom - top + 1);
    }
    EndUpdate();
}

void TExtStringGrid::RemoveUnSelectedRows() {
    BeginUpdate();
    const bool persistent = FMouseActions.RowSelectPersistent();
    std::vector<int> rows;
    for (int r = FixedRows(); r < RowCount() - FFixedFooters; ++r)
        if (!GetRowSelect(persistent && FMouseActions.DisjunctRowSelect() ? RealRowIndex(r) : r)) rows.push_back(r);
    RemoveRowList(rows);
    if (persistent) SelectRows(FixedRows(), RowCount() - FixedRows());
    else ClearRowSelect();
    EndUpdate();
}

void TExtStringGrid::HideSelectedRows() {
    BeginUpdate();
    const bool persistent = FMouseActions.RowSelectPersistent() && FMouseActions.DisjunctRowSelect();
    for (int r = RowCount() - 1; r >= FixedRows(); --r)
        if (GetRowSelect(persistent ? RealRowIndex(r) : r)) HideRow(RealRowIndex(r));
    EndUpdate();
}

void TExtStringGrid::HideUnSelectedRows() {
    BeginUpdate();
    const bool persistent = FMouseActions.RowSelectPersistent() && FMouseActions.DisjunctRowSelect();
    int r = FixedRows();
    while (r < RowCount()) {
        const int real = RealRowIndex(r);
        if (GetRowSelect(persistent ? real : r)) {
            ++r;
            continue;
        }
        const int before = RowCount();
        HideRow(real);
        if (RowCount() == before) ++r;  // refused: pass it
    }
    EndUpdate();
}

// ----------------------------------------------------------- keyboard rows

// Marks the rows the keys add or remove inside a node as data rows for
// the length of the operation, also when it fails.
class TExtStringGrid::TDataChildRun {
public:
    explicit TDataChildRun(TExtStringGrid& Grid) : FGrid(Grid) { FGrid.Nd().DataChild = true; }
    ~TDataChildRun() { FGrid.Nd().DataChild = false; }
    TDataChildRun(const TDataChildRun&) = delete;
    TDataChildRun& operator=(const TDataChildRun&) = delete;

private:
    TExtStringGrid& FGrid;
};

// ARow is real: rows hidden by contracted nodes or by hand keep their
// place, and the row goes where the user saw it.
void TExtStringGrid::AutoInsertRow(int ARow) {
    if (!HasNodes()) {
        InsertRows(DisplRowIndex(ARow), 1);
        return;
    }
    // Inside a node the new row is one of its children, so the node and
    // every node holding it grow by one; outside any node it is a plain row.
    if (GetParentRow(DisplRowIndex(ARow)) == -1) {
        InsertNormalRow(ARow);
        return;
    }
    TDataChildRun child(*this);
    InsertChildRow(ARow, 0);
}

void TExtStringGrid::AutoDeleteRow(int ARow) {
    if (HasNodes()) {
        // A node row takes its node along first: its rows come back into
        // view and leave its span, and the grid's node count stays true.
        if (IsNode(DisplRowIndex(ARow))) RemoveNode(DisplRowIndex(ARow));
        if (GetParentRow(DisplRowIndex(ARow)) == -1) {
            RemoveNormalRow(DisplRowIndex(ARow));
        } else {
            TDataChildRun child(*this);
            RemoveChildRow(ARow);
        }
    } else if (RowCount() - FixedRows() - FFixedFooters == 1 && !FFixedRowAlways) {
        ClearRows(DisplRowIndex(ARow), 1);
    } else {
        RemoveRows(DisplRowIndex(ARow), 1);
    }
    if (OnAutoDeleteRow) OnAutoDeleteRow(this, ARow);
}

void TExtStringGrid::ChangeScale(int M, int D) {
    if (M == D || D == 0) return;
    // Rounded to the nearest point, as the window's own fonts are.
    const auto scaled = [&](int Size) {
        const long long p = static_cast<long long>(Size) * M;
        return static_cast<int>((p >= 0 ? p + D / 2 : p - D / 2) / D);
    };
    FFixedFont.SetSize(scaled(FFixedFont.Size()));
    FActiveCellFont.SetSize(scaled(FActiveCellFont.Size()));
}

}  // namespace grid
