#pragma once
// The string grid the base grid stands on: the framework grid (geometry,
// scrolling, current cell, selection, keys, editor host) plus a text and one
// object slot per cell. It keeps cells at any column index (hidden columns
// of the string grid live beyond ColCount) and answers an empty text and no
// object for cells never written.

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "grid/GridTypes.h"
#include "platform/Grids.h"

namespace grid {

// Where index I goes when the entry at From moves to To and the entries in
// between shift one step towards From.
int MovedPlace(int I, int From, int To);

using plat::TGridOptions;
using plat::TGridRect;
using enum plat::TGridOption;

class TObjStringGrid : public plat::TCustomGrid {
public:
    explicit TObjStringGrid(plat::TComponent* AOwner);
    ~TObjStringGrid() override;

    // --- cell store (no redirection, no events) ---
    std::string GetGridCell(int ACol, int ARow) const;
    void SetGridCell(int ACol, int ARow, const std::string& Value);
    plat::TObject* GetGridObject(int ACol, int ARow) const;
    void SetGridObject(int ACol, int ARow, plat::TObject* Value);
    // Hands Each(row, text, object) the stored cell of column ACol for the
    // rows First .. Last in order, until Each answers false, without
    // copying a text: a sort or a
    // filter reads a whole column this way. The rows of a grid that has
    // been sorted or edited lie scattered in memory, so the walk asks for
    // the cells a few rows ahead before it needs them; otherwise every row
    // would wait on memory. The texts stay valid until the store changes.
    template <class F>
    void ForEachColumnCell(int ACol, int First, int Last, F&& Each) const;

    // Rows of the store beyond RowCount are dropped when the grid shrinks.
    void SetRowCount(int Value) override;

protected:
    // The editor reads and writes the stored text of the cell.
    std::string GetEditText(int ACol, int ARow) override;
    void SetEditText(int ACol, int ARow, const std::string& Value) override;
    // Cells whose object slot holds something, in row order.
    std::vector<std::pair<int, int>> CellsWithObjects() const;
    // The cell data follows a moved column or row: the cells of From go to
    // To and those between shift one step towards From.
    void ColumnMoved(int FromIndex, int ToIndex) override;
    void RowMoved(int FromIndex, int ToIndex) override;
    // Every cell at column FirstCol or beyond moves Delta columns; the
    // target slots must be empty.
    void ShiftStoreColumns(int FirstCol, int Delta);
    // Every cell at row FirstRow or below moves Delta rows. Moving up drops
    // what is left in the rows moved over (their objects are not freed).
    void ShiftStoreRows(int FirstRow, int Delta);
    // Puts the rows First .. First + Order.size() - 1 in a new order: the
    // row at First + i afterwards is the one that stood at First + Order[i].
    // Order must be a permutation of 0 .. size - 1. Whole rows move, hidden
    // columns and objects included, without copying a cell.
    void PermuteStoreRows(int First, const std::vector<int>& Order);
    // Told of every cell object that changed its place in the store.
    virtual void StoreObjectMoved(plat::TObject* Object, int ACol, int ARow);

    struct TStoreCell {
        std::string text;
        plat::TObject* object = nullptr;
    };
    // Moves the cells of row ARow out of the store in one go, leaving the
    // row empty: a row that leaves the grid for a while (hidden, or moved
    // elsewhere) takes its texts along without a copy and without touching
    // the store cell by cell. Objects are handed over, not freed.
    std::vector<TStoreCell> TakeStoreCells(int ARow);
    // Puts Cells into row ARow. An empty row takes the whole entry as it
    // is; a row holding cells has the first Cells.size() of them replaced
    // (objects there are dropped, not freed), as single writes would.
    void PutStoreCells(int ARow, std::vector<TStoreCell>&& Cells);

private:
    using Cell = TStoreCell;
    // One entry per row, each as wide as its last written column: inserting,
    // removing or moving rows moves row entries, never the cells in them.
    struct TStoreRow {
        std::vector<Cell> cells;
        int objects = 0;  // cells of the row whose object slot is set
    };
    TStoreRow* StoreRow(int ARow);  // grows the store to hold the row
    const Cell* FindCell(int ACol, int ARow) const;
    void TrimRow(int ARow);
    void TrimStore();  // drops empty rows at the store's end
    // Tells of every object in rows First .. Last (clamped to the store).
    void ReportObjectsInRows(int First, int Last);
    // Every change of a row's object count goes through here, and every row
    // leaving the store through ForgetRows, so that FObjectRows stays the
    // number of rows holding an object: a store without any is not walked
    // row by row each time rows move.
    void SetRowObjects(TStoreRow& Row, int Objects);
    void ForgetRows(size_t First, size_t Last);  // rows First .. Last - 1 are about to go
    std::vector<TStoreRow> FRows;
    int FObjectRows = 0;
};

template <class F>
void TObjStringGrid::ForEachColumnCell(int ACol, int First, int Last, F&& Each) const {
    static const std::string empty;
    if (ACol < 0) return;
    First = First < 0 ? 0 : First;
    const size_t col = static_cast<size_t>(ACol);
    // A cell's slot is asked for kAhead rows before it is read. A short
    // text lives in the slot itself, so this one request brings it too.
    constexpr int kAhead = 24;
    const auto slot = [&](int y) -> const Cell* {
        const TStoreRow& row = FRows[static_cast<size_t>(y)];
        return col < row.cells.size() ? row.cells.data() + col : nullptr;
    };
    for (int y = First; y <= Last; ++y) {
        const int stored = static_cast<int>(FRows.size());
        if (y + kAhead < stored) {
            if (const Cell* c = slot(y + kAhead)) __builtin_prefetch(c);
        }
        const Cell* c = y < stored ? slot(y) : nullptr;
        if (!(c ? Each(y, c->text, c->object) : Each(y, empty, static_cast<plat::TObject*>(nullptr)))) return;
    }
}

}  // namespace grid
