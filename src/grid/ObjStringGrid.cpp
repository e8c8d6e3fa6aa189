#include "grid/ObjStringGrid.h"

#include <algorithm>
#include <stdexcept>

namespace grid {

TObjStringGrid::TObjStringGrid(plat::TComponent* AOwner) : plat::TCustomGrid(AOwner) {
    SetTabStop(true);
    SetAccessibleRole(plat::arTable);
}

TObjStringGrid::~TObjStringGrid() = default;

namespace {

// Widens a row to hold column ACol. A row filled from the left would
// otherwise grow one step per cell: once a row takes a second cell, room is
// made for the whole row. Its first cell gets only what it needs, since many
// rows never hold more than their number in the fixed column.
template <class TCells>
void Make_Room(TCells& cells, int ACol, int ColCount) {
    const size_t col = static_cast<size_t>(ACol);
    if (col < cells.size()) return;
    if (cells.capacity() <= col && !cells.empty())
        cells.reserve(std::max(col + 1, static_cast<size_t>(std::max(ColCount, 0))));
    cells.resize(col + 1);
}

}  // namespace

TObjStringGrid::TStoreRow* TObjStringGrid::StoreRow(int ARow) {
    if (static_cast<size_t>(ARow) >= FRows.size()) FRows.resize(static_cast<size_t>(ARow) + 1);
    return &FRows[static_cast<size_t>(ARow)];
}

const TObjStringGrid::Cell* TObjStringGrid::FindCell(int ACol, int ARow) const {
    if (ACol < 0 || ARow < 0 || static_cast<size_t>(ARow) >= FRows.size()) return nullptr;
    const TStoreRow& row = FRows[static_cast<size_t>(ARow)];
    return static_cast<size_t>(ACol) < row.cells.size() ? &row.cells[static_cast<size_t>(ACol)] : nullptr;
}

void TObjStringGrid::SetRowObjects(TStoreRow& Row, int Objects) {
    FObjectRows += (Objects > 0) - (Row.objects > 0);
    Row.objects = Objects;
}

void TObjStringGrid::ForgetRows(size_t First, size_t Last) {
    for (size_t y = First; y < std::min(Last, FRows.size()); ++y)
        if (FRows[y].objects > 0) --FObjectRows;
}

void TObjStringGrid::TrimRow(int ARow) {
    // A row keeps no empty cells at its end, so that its width says how far
    // its data reaches, and the store no empty rows at its end.
    TStoreRow& row = FRows[static_cast<size_t>(ARow)];
    while (!row.cells.empty() && row.cells.back().text.empty() && !row.cells.back().object) row.cells.pop_back();
    TrimStore();
}

void TObjStringGrid::TrimStore() {
    while (!FRows.empty() && FRows.back().cells.empty()) FRows.pop_back();
}

std::string TObjStringGrid::GetGridCell(int ACol, int ARow) const {
    const Cell* cell = FindCell(ACol, ARow);
    return cell ? cell->text : std::string();
}

void TObjStringGrid::SetGridCell(int ACol, int ARow, const std::string& Value) {
    // Negative indices name no cell: writes to them are dropped.
    if (ACol < 0 || ARow < 0) return;
    if (Value.empty()) {
        if (!FindCell(ACol, ARow)) return;
        FRows[static_cast<size_t>(ARow)].cells[static_cast<size_t>(ACol)].text.clear();
        TrimRow(ARow);
    } else {
        TStoreRow* row = StoreRow(ARow);
        Make_Room(row->cells, ACol, ColCount());
        row->cells[static_cast<size_t>(ACol)].text = Value;
    }
    if (ACol < ColCount() && ARow < RowCount()) InvalidateCell(ACol, ARow);
}

plat::TObject* TObjStringGrid::GetGridObject(int ACol, int ARow) const {
    const Cell* cell = FindCell(ACol, ARow);
    return cell ? cell->object : nullptr;
}

void TObjStringGrid::SetGridObject(int ACol, int ARow, plat::TObject* Value) {
    if (ACol < 0 || ARow < 0) return;
    if (!Value && !FindCell(ACol, ARow)) return;
    TStoreRow* row = StoreRow(ARow);
    Make_Room(row->cells, ACol, ColCount());
    Cell& cell = row->cells[static_cast<size_t>(ACol)];
    SetRowObjects(*row, row->objects + (Value != nullptr) - (cell.object != nullptr));
    cell.object = Value;
    if (!Value) TrimRow(ARow);
}

std::vector<std::pair<int, int>> TObjStringGrid::CellsWithObjects() const {
    std::vector<std::pair<int, int>> r;
    for (size_t y = 0; y < FRows.size(); ++y) {
        if (FRows[y].objects == 0) continue;
        for (size_t x = 0; x < FRows[y].cells.size(); ++x)
            if (FRows[y].cells[x].object) r.emplace_back(static_cast<int>(x), static_cast<int>(y));
    }
    return r;
}

std::vector<TObjStringGrid::TStoreCell> TObjStringGrid::TakeStoreCells(int ARow) {
    if (ARow < 0 || static_cast<size_t>(ARow) >= FRows.size()) return {};
    TStoreRow& row = FRows[static_cast<size_t>(ARow)];
    std::vector<TStoreCell> cells = std::move(row.cells);
    row.cells.clear();
    SetRowObjects(row, 0);
    TrimStore();
    return cells;
}

void TObjStringGrid::PutStoreCells(int ARow, std::vector<TStoreCell>&& Cells) {
    if (ARow < 0 || Cells.empty()) return;
    TStoreRow& row = *StoreRow(ARow);
    if (row.cells.empty()) {
        row.cells = std::move(Cells);
        int objects = 0;
        for (const TStoreCell& c : row.cells) objects += c.object != nullptr;
        SetRowObjects(row, objects);
    } else {
        if (row.cells.size() < Cells.size()) row.cells.resize(Cells.size());
        int objects = row.objects;
        for (size_t x = 0; x < Cells.size(); ++x) {
            TStoreCell& at = row.cells[x];
            objects += (Cells[x].object != nullptr) - (at.object != nullptr);
            at = std::move(Cells[x]);
        }
        SetRowObjects(row, objects);
    }
    TrimRow(ARow);
}

void TObjStringGrid::SetRowCount(int Value) {
    plat::TCustomGrid::SetRowCount(Value);
    if (FRows.size() > static_cast<size_t>(RowCount())) {
        ForgetRows(static_cast<size_t>(RowCount()), FRows.size());
        FRows.resize(static_cast<size_t>(RowCount()));
    }
    TrimStore();
}

void TObjStringGrid::ReportObjectsInRows(int First, int Last) {
    if (FObjectRows == 0) return;
    First = std::max(First, 0);
    Last = std::min(Last, static_cast<int>(FRows.size()) - 1);
    for (int y = First; y <= Last; ++y) {
        const TStoreRow& row = FRows[static_cast<size_t>(y)];
        if (row.objects == 0) continue;
        for (size_t x = 0; x < row.cells.size(); ++x)
            if (row.cells[x].object) StoreObjectMoved(row.cells[x].object, static_cast<int>(x), y);
    }
}

void TObjStringGrid::PermuteStoreRows(int First, const std::vector<int>& Order) {
    const int n = static_cast<int>(Order.size());
    if (n == 0 || First < 0) return;
    // An order naming a row twice would lose the other row (and send the
    // cycles below round for ever): it is refused before anything moves.
    std::vector<bool> placed(static_cast<size_t>(n));
    for (const int from : Order) {
        if (from < 0 || from >= n || placed[static_cast<size_t>(from)])
            throw std::invalid_argument("row order is not a permutation");
        placed[static_cast<size_t>(from)] = true;
    }
    placed.assign(static_cast<size_t>(n), false);
    if (FRows.size() < static_cast<size_t>(First + n)) FRows.resize(static_cast<size_t>(First + n));
    // The rows move along the cycles of the permutation, each held once:
    // no second table of rows is needed, and a big store is not copied.
    TStoreRow* rows = FRows.data() + First;
    for (int i = 0; i < n; ++i) {
        if (placed[static_cast<size_t>(i)] || Order[static_cast<size_t>(i)] == i) continue;
        TStoreRow held = std::move(rows[i]);
        int at = i;
        for (;;) {
            placed[static_cast<size_t>(at)] = true;
            const int from = Order[static_cast<size_t>(at)];
            if (from == i) {
                rows[at] = std::move(held);
                break;
            }
            rows[at] = std::move(rows[from]);
            at = from;
        }
    }
    for (int i = 0; i < n; ++i)
        if (Order[static_cast<size_t>(i)] != i) ReportObjectsInRows(First + i, First + i);
    TrimStore();
    Invalidate();
}

int MovedPlace(int I, int From, int To) {
    if (I == From) return To;
    if (From < To && I > From && I <= To) return I - 1;
    if (To < From && I >= To && I < From) return I + 1;
    return I;
}

void TObjStringGrid::StoreObjectMoved(plat::TObject*, int, int) {}

void TObjStringGrid::ColumnMoved(int FromIndex, int ToIndex) {
    if (FromIndex != ToIndex && FromIndex >= 0 && ToIndex >= 0) {
        const int lo = std::min(FromIndex, ToIndex);
        const int hi = std::max(FromIndex, ToIndex);
        for (size_t y = 0; y < FRows.size(); ++y) {
            TStoreRow& row = FRows[y];
            if (row.cells.size() <= static_cast<size_t>(lo)) continue;
            if (row.cells.size() <= static_cast<size_t>(hi)) row.cells.resize(static_cast<size_t>(hi) + 1);
            const auto first = row.cells.begin() + lo, last = row.cells.begin() + hi + 1;
            if (FromIndex < ToIndex) std::rotate(first, first + 1, last);
            else std::rotate(first, last - 1, last);
            if (row.objects > 0)
                for (int x = lo; x <= hi; ++x)
                    if (plat::TObject* o = row.cells[static_cast<size_t>(x)].object)
                        StoreObjectMoved(o, x, static_cast<int>(y));
            TrimRow(static_cast<int>(y));
        }
        Invalidate();
    }
}

void TObjStringGrid::RowMoved(int FromIndex, int ToIndex) {
    if (FromIndex != ToIndex && FromIndex >= 0 && ToIndex >= 0) {
        const int lo = std::min(FromIndex, ToIndex);
        const int hi = std::max(FromIndex, ToIndex);
        if (FRows.size() > static_cast<size_t>(lo)) {
            if (FRows.size() <= static_cast<size_t>(hi)) FRows.resize(static_cast<size_t>(hi) + 1);
            const auto first = FRows.begin() + lo, last = FRows.begin() + hi + 1;
            if (FromIndex < ToIndex) std::rotate(first, first + 1, last);
            else std::rotate(first, last - 1, last);
            ReportObjectsInRows(lo, hi);
            TrimStore();
        }
        Invalidate();
    }
}

void TObjStringGrid::ShiftStoreColumns(int FirstCol, int Delta) {
    if (Delta == 0) return;
    FirstCol = std::max(FirstCol, 0);
    for (size_t y = 0; y < FRows.size(); ++y) {
        TStoreRow& row = FRows[y];
        if (row.cells.size() <= static_cast<size_t>(FirstCol)) continue;
        if (Delta > 0) {
            row.cells.insert(row.cells.begin() + FirstCol, static_cast<size_t>(Delta), Cell{});
        } else {
            // The cells moved over are dropped, and so are those that would
            // land left of column 0.
            const int from = std::max(FirstCol + Delta, 0);
            const int to = std::min(std::max(FirstCol, -Delta), static_cast<int>(row.cells.size()));
            int objects = row.objects;
            for (int x = from; x < to; ++x)
                if (row.cells[static_cast<size_t>(x)].object) --objects;
            SetRowObjects(row, objects);
            row.cells.erase(row.cells.begin() + from, row.cells.begin() + to);
        }
        if (row.objects > 0)
            for (size_t x = static_cast<size_t>(std::max(FirstCol + Delta, 0)); x < row.cells.size(); ++x)
                if (row.cells[x].object) StoreObjectMoved(row.cells[x].object, static_cast<int>(x), static_cast<int>(y));
        TrimRow(static_cast<int>(y));
        if (y >= FRows.size()) break;
    }
    Invalidate();
}

void TObjStringGrid::ShiftStoreRows(int FirstRow, int Delta) {
    if (Delta == 0) return;
    FirstRow = std::max(FirstRow, 0);
    if (FRows.size() <= static_cast<size_t>(FirstRow)) {
        // Nothing stands at or below FirstRow; moving up still drops the
        // rows moved over.
        if (Delta < 0 && FRows.size() > static_cast<size_t>(std::max(FirstRow + Delta, 0))) {
            ForgetRows(static_cast<size_t>(std::max(FirstRow + Delta, 0)), FRows.size());
            FRows.resize(static_cast<size_t>(std::max(FirstRow + Delta, 0)));
        }
    } else if (Delta > 0) {
        FRows.insert(FRows.begin() + FirstRow, static_cast<size_t>(Delta), TStoreRow{});
        ReportObjectsInRows(FirstRow + Delta, static_cast<int>(FRows.size()) - 1);
    } else {
        // The rows moved over are dropped (their objects are not freed), and
        // so are those that would land above row 0.
        const int from = std::max(FirstRow + Delta, 0);
        const int to = std::max(FirstRow, -Delta);
        const int last = std::min(to, static_cast<int>(FRows.size()));
        ForgetRows(static_cast<size_t>(from), static_cast<size_t>(last));
        FRows.erase(FRows.begin() + from, FRows.begin() + last);
        ReportObjectsInRows(from, static_cast<int>(FRows.size()) - 1);
    }
    TrimStore();
    Invalidate();
}

std::string TObjStringGrid::GetEditText(int ACol, int ARow) { return GetGridCell(ACol, ARow); }

void TObjStringGrid::SetEditText(int ACol, int ARow, const std::string& Value) { SetGridCell(ACol, ARow, Value); }

}  // namespace grid
