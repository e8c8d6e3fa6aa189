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
        std::vector<std::pair<std::pair<int, int>, Cell>> moved;
        for (auto it = FCells.begin(); it != FCells.end();) {
            const int c = it->first.second;
            if (c < lo || c > hi) {
                ++it;
                continue;
            }
            moved.push_back({{it->first.first, MovedPlace(c, FromIndex, ToIndex)}, std::move(it->second)});
            it = FCells.erase(it);
        }
        for (auto& [key, cell] : moved) {
            if (cell.object) StoreObjectMoved(cell.object, key.second, key.first);
            FCells.emplace(key, std::move(cell));
        }
        Invalidate();
    }
}

void TObjStringGrid::RowMoved(int FromIndex, int ToIndex) {
    if (FromIndex != ToIndex && FromIndex >= 0 && ToIndex >= 0) {
        const int lo = std::min(FromIndex, ToIndex);
        const int hi = std::max(FromIndex, ToIndex);
        // Keys sort by row first: the rows lo..hi are one range of the map.
        // Their nodes are re-keyed and put back in key order in front of
        // the first row after the range, without copying a cell.
        std::vector<decltype(FCells)::node_type> moving, others;
        for (auto it = FCells.lower_bound({lo, -1}); it != FCells.end() && it->first.first <= hi;) {
            auto node = FCells.extract(it++);
            (node.key().first == FromIndex ? moving : others).push_back(std::move(node));
        }
        std::vector<decltype(FCells)::node_type> ordered;
        ordered.reserve(moving.size() + others.size());
        auto append = [&ordered](std::vector<decltype(FCells)::node_type>& nodes) {
            for (auto& n : nodes) ordered.push_back(std::move(n));
        };
        if (FromIndex < ToIndex) {
            append(others);
            append(moving);
        } else {
            append(moving);
            append(others);
        }
        const auto next = FCells.lower_bound({hi + 1, -1});
        for (auto& node : ordered) {
            node.key().first = MovedPlace(node.key().first, FromIndex, ToIndex);
            if (node.mapped().object) StoreObjectMoved(node.mapped().object, node.key().second, node.key().first);
            FCells.insert(next, std::move(node));
        }
        Invalidate();
    }
}

void TObjStringGrid::ShiftStoreColumns(int FirstCol, int Delta) {
    if (Delta == 0) return;
    std::vector<std::pair<std::pair<int, int>, Cell>> moved;
    for (auto it = FCells.begin(); it != FCells.end();) {
        if (it->first.second < FirstCol) {
            ++it;
            continue;
        }
        moved.push_back({{it->first.first, it->first.second + Delta}, std::move(it->second)});
        it = FCells.erase(it);
    }
    for (auto& [key, cell] : moved) {
        if (key.second < 0) continue;
        if (cell.object) StoreObjectMoved(cell.object, key.second, key.first);
        FCells[key] = std::move(cell);
    }
    Invalidate();
}

void TObjStringGrid::ShiftStoreRows(int FirstRow, int Delta) {
    if (Delta == 0) return;
    if (Delta < 0) FCells.erase(FCells.lower_bound({std::max(FirstRow + Delta, 0), -1}), FCells.lower_bound({FirstRow, -1}));
    // Keys sort by row first: the moved cells are one range, re-inserted in
    // order behind everything that stays.
    std::vector<decltype(FCells)::node_type> nodes;
    for (auto it = FCells.lower_bound({FirstRow, -1}); it != FCells.end();) nodes.push_back(FCells.extract(it++));
    for (auto& node : nodes) {
        node.key().first += Delta;
        if (node.key().first < 0) continue;
        if (node.mapped().object) StoreObjectMoved(node.mapped().object, node.key().second, node.key().first);
        FCells.insert(FCells.end(), std::move(node));
    }
    Invalidate();
}

std::string TObjStringGrid::GetEditText(int ACol, int ARow) { return GetGridCell(ACol, ARow); }

void TObjStringGrid::SetEditText(int ACol, int ARow, const std::string& Value) { SetGridCell(ACol, ARow, Value); }

}  // namespace grid
