#include "grid/ObjStringGrid.h"

#include <algorithm>

namespace grid {

TObjStringGrid::TObjStringGrid(plat::TComponent* AOwner) : plat::TCustomGrid(AOwner) {
    SetTabStop(true);
    SetAccessibleRole(plat::arTable);
}

TObjStringGrid::~TObjStringGrid() = default;

const TObjStringGrid::Cell* TObjStringGrid::Find(int ACol, int ARow) const {
    if (ACol < 0 || ARow < 0 || ARow >= static_cast<int>(FRows.size())) return nullptr;
    const TCellRow& row = FRows[ARow];
    return ACol < static_cast<int>(row.size()) ? &row[ACol] : nullptr;
}

TObjStringGrid::Cell& TObjStringGrid::Slot(int ACol, int ARow) {
    if (ARow >= static_cast<int>(FRows.size())) FRows.resize(ARow + 1);
    TCellRow& row = FRows[ARow];
    if (ACol >= static_cast<int>(row.size())) row.resize(ACol + 1);
    return row[ACol];
}

// An emptied last cell shortens its row, so rows keep no tail of empty slots.
void TObjStringGrid::Trim(int ACol, int ARow) {
    TCellRow& row = FRows[ARow];
    if (ACol + 1 != static_cast<int>(row.size())) return;
    while (!row.empty() && row.back().text.empty() && !row.back().object) row.pop_back();
}

std::string TObjStringGrid::GetGridCell(int ACol, int ARow) const {
    const Cell* cell = Find(ACol, ARow);
    return cell ? cell->text : std::string();
}

void TObjStringGrid::SetGridCell(int ACol, int ARow, const std::string& Value) {
    // Negative indices name no cell: writes to them are dropped.
    if (ACol < 0 || ARow < 0) return;
    if (Value.empty() && !Find(ACol, ARow)) {
        if (ACol < ColCount() && ARow < RowCount()) InvalidateCell(ACol, ARow);
        return;
    }
    Slot(ACol, ARow).text = Value;
    Trim(ACol, ARow);
    if (ACol < ColCount() && ARow < RowCount()) InvalidateCell(ACol, ARow);
}

plat::TObject* TObjStringGrid::GetGridObject(int ACol, int ARow) const {
    const Cell* cell = Find(ACol, ARow);
    return cell ? cell->object : nullptr;
}

void TObjStringGrid::SetGridObject(int ACol, int ARow, plat::TObject* Value) {
    if (ACol < 0 || ARow < 0) return;
    if (!Value && !Find(ACol, ARow)) return;
    Slot(ACol, ARow).object = Value;
    Trim(ACol, ARow);
}

std::vector<std::pair<int, int>> TObjStringGrid::CellsWithObjects() const {
    std::vector<std::pair<int, int>> r;
    for (int y = 0; y < static_cast<int>(FRows.size()); ++y)
        for (int x = 0; x < static_cast<int>(FRows[y].size()); ++x)
            if (FRows[y][x].object) r.emplace_back(x, y);
    return r;
}

void TObjStringGrid::SetRowCount(int Value) {
    plat::TCustomGrid::SetRowCount(Value);
    if (static_cast<int>(FRows.size()) > RowCount()) FRows.resize(RowCount());
}

void TObjStringGrid::RowObjectsMoved(int ARow) {
    const TCellRow& row = FRows[ARow];
    for (int x = 0; x < static_cast<int>(row.size()); ++x)
        if (row[x].object) StoreObjectMoved(row[x].object, x, ARow);
}

void TObjStringGrid::PermuteStoreRows(int First, const std::vector<int>& Order) {
    const int n = static_cast<int>(Order.size());
    if (n == 0 || First < 0) return;
    if (static_cast<int>(FRows.size()) < First + n) FRows.resize(First + n);
    std::vector<TCellRow> taken(n);
    for (int i = 0; i < n; ++i) taken[i] = std::move(FRows[First + i]);
    for (int i = 0; i < n; ++i) {
        FRows[First + i] = std::move(taken[Order[i]]);
        if (Order[i] != i) RowObjectsMoved(First + i);
    }
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
        const int hi = std::max(FromIndex, ToIndex);
        for (int y = 0; y < static_cast<int>(FRows.size()); ++y) {
            TCellRow& row = FRows[y];
            if (static_cast<int>(row.size()) <= std::min(FromIndex, ToIndex)) continue;
            if (static_cast<int>(row.size()) <= hi) row.resize(hi + 1);
            Cell moving = std::move(row[FromIndex]);
            if (FromIndex < ToIndex)
                std::move(row.begin() + FromIndex + 1, row.begin() + ToIndex + 1, row.begin() + FromIndex);
            else
                std::move_backward(row.begin() + ToIndex, row.begin() + FromIndex, row.begin() + FromIndex + 1);
            row[ToIndex] = std::move(moving);
            const int lo = std::min(FromIndex, ToIndex);
            for (int x = lo; x <= hi; ++x)
                if (row[x].object) StoreObjectMoved(row[x].object, x, y);
            Trim(static_cast<int>(row.size()) - 1, y);
        }
        Invalidate();
    }
}

void TObjStringGrid::RowMoved(int FromIndex, int ToIndex) {
    if (FromIndex != ToIndex && FromIndex >= 0 && ToIndex >= 0) {
        const int hi = std::max(FromIndex, ToIndex);
        if (static_cast<int>(FRows.size()) <= hi) FRows.resize(hi + 1);
        TCellRow moving = std::move(FRows[FromIndex]);
        if (FromIndex < ToIndex)
            std::move(FRows.begin() + FromIndex + 1, FRows.begin() + ToIndex + 1, FRows.begin() + FromIndex);
        else
            std::move_backward(FRows.begin() + ToIndex, FRows.begin() + FromIndex, FRows.begin() + FromIndex + 1);
        FRows[ToIndex] = std::move(moving);
        for (int y = std::min(FromIndex, ToIndex); y <= hi; ++y) RowObjectsMoved(y);
        Invalidate();
    }
}

void TObjStringGrid::ShiftStoreColumns(int FirstCol, int Delta) {
    if (Delta == 0) return;
    for (int y = 0; y < static_cast<int>(FRows.size()); ++y) {
        TCellRow& row = FRows[y];
        if (static_cast<int>(row.size()) <= FirstCol) continue;
        if (Delta > 0) {
            row.insert(row.begin() + FirstCol, Delta, Cell{});
        } else {
            // Moving left drops what stood in the columns moved over, and
            // cells that would land before column 0.
            const int target = FirstCol + Delta;
            const int from = std::max(target, 0), to = target >= 0 ? FirstCol : FirstCol - target;
            row.erase(row.begin() + from, row.begin() + std::min(to, static_cast<int>(row.size())));
        }
        for (int x = std::max(FirstCol + std::min(Delta, 0), 0); x < static_cast<int>(row.size()); ++x)
            if (row[x].object) StoreObjectMoved(row[x].object, x, y);
        if (!row.empty()) Trim(static_cast<int>(row.size()) - 1, y);
    }
    Invalidate();
}

void TObjStringGrid::ShiftStoreRows(int FirstRow, int Delta) {
    if (Delta == 0) return;
    if (FirstRow < static_cast<int>(FRows.size())) {
        if (Delta > 0) {
            FRows.insert(FRows.begin() + FirstRow, Delta, TCellRow{});
        } else {
            const int target = FirstRow + Delta;
            const int from = std::max(target, 0), to = target >= 0 ? FirstRow : FirstRow - target;
            FRows.erase(FRows.begin() + from, FRows.begin() + std::min(to, static_cast<int>(FRows.size())));
        }
        for (int y = std::max(FirstRow + std::min(Delta, 0), 0); y < static_cast<int>(FRows.size()); ++y)
            RowObjectsMoved(y);
    } else if (Delta < 0 && FirstRow + Delta < static_cast<int>(FRows.size())) {
        FRows.resize(std::max(FirstRow + Delta, 0));
    }
    Invalidate();
}

std::string TObjStringGrid::GetEditText(int ACol, int ARow) { return GetGridCell(ACol, ARow); }

void TObjStringGrid::SetEditText(int ACol, int ARow, const std::string& Value) { SetGridCell(ACol, ARow, Value); }

}  // namespace grid
