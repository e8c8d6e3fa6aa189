#pragma once
// Small fixtures of the data operation tests: a grouped table of kinds and
// values, and a grid that records the progress it reports.

#include <string>
#include <utility>
#include <vector>

#include "grid/ExtGrid.h"

// Kind in column 1 and value in column 2 behind a fixed column, one row per
// pair, grouped by kind (with a summary row after each group when asked
// for): the values then stand in column 1 under the group headers.
inline void GroupKindsAndValues(grid::TExtStringGrid& g, const std::vector<std::pair<std::string, std::string>>& rows,
                                bool summary) {
    g.SetColCount(3);
    g.SetRowCount(static_cast<int>(rows.size()) + 1);
    for (size_t r = 0; r < rows.size(); ++r) {
        g.SetCells(1, static_cast<int>(r) + 1, rows[r].first);
        g.SetCells(2, static_cast<int>(r) + 1, rows[r].second);
    }
    g.Grouping().Summary = summary;
    g.Group(1);
}

// Records what the grid reports through its progress notification.
class TProgressGrid : public grid::TExtStringGrid {
public:
    using grid::TExtStringGrid::TExtStringGrid;
    void ExportNotification(grid::TGridExportState AState, int ARow) override { Log.emplace_back(AState, ARow); }
    std::vector<std::pair<grid::TGridExportState, int>> Log;
};
