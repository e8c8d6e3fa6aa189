#include "grid/ObjStringGrid.h"

#include <algorithm>

namespace grid {

TObjStringGrid::TObjStringGrid(plat::TComponent* AOwner) : plat::TCustomGrid(AOwner) {
    SetTabStop(true);
    SetAccessibleRole(plat::arTable);
}

TObjStringGrid::~TObjStringGrid() = default;

std::string TObjStringGrid::GetGridCell(int ACol, int ARow) const {
    const auto it = FCells.find({ARow, ACol});
    return it == FCells.end() ? std::string() : it->second.text;
}

void TObjStringGrid::SetGridCell(int ACol, int ARow, const std::string& Value) {
    // Negative indices name no cell: writes to them are dropped.
    if (ACol < 0 || ARow < 0) return;
    auto& cell = FCells[{ARow, ACol}];
    cell.text = Value;
    if (cell.text.empty() && !cell.object) FCells.erase({ARow, ACol});
    if (ACol < ColCount() && ARow < RowCount()) InvalidateCell(ACol, ARow);
}

plat::TObject* TObjStringGrid::GetGridObject(int ACol, int ARow) const {
    const auto it = FCells.find({ARow, ACol});
    return it == FCells.end() ? nullptr : it->second.object;
}

void TObjStringGrid::SetGridObject(int ACol, int ARow, plat::TObject* Value) {
    if (ACol < 0 || ARow < 0) return;
    auto& cell = FCells[{ARow, ACol}];
    cell.object = Value;
    if (cell.text.empty() && !cell.object) FCells.erase({ARow, ACol});
}

std::vector<std::pair<int, int>> TObjStringGrid::CellsWithObjects() const {
    std::vector<std::pair<int, int>> r;
    for (const auto& [key, cell] : FCells)
        if (cell.object) r.emplace_back(key.second, key.first);
    return r;
}

void TObjStringGrid::SetRowCount(int Value) {
    plat::TCustomGrid::SetRowCount(Value);
    FCells.erase(FCells.lower_bound({RowCount(), -1}), FCells.end());
}

std::string TObjStringGrid::GetEditText(int ACol, int ARow) { return GetGridCell(ACol, ARow); }

void TObjStringGrid::SetEditText(int ACol, int ARow, const std::string& Value) { SetGridCell(ACol, ARow, Value); }

}  // namespace grid
