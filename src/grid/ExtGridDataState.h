#pragma once
// What the grid's data operations keep between calls: the sort settings
// and index, the row filter with its levels, the filter drop-down and its
// lists, the state of find and the search footer's panel.

#include <string>
#include <vector>

#include "grid/ExtGrid.h"
#include "grid/ExtGridCompare.h"
#include "grid/ExtGridSearchFooter.h"

namespace grid {

struct TExtStringGrid::TDataOpsState {
    explicit TDataOpsState(TExtStringGrid& Grid) : SortSettings(&Grid), Filter(&Grid) {
        MergedColumns.OnChange = [&Grid](TObject*, int, int) { Grid.MergedColumnsChanged(); };
    }

    TSortSettings SortSettings;
    TSortIndexList SortIndexes;
    TSortScratch SortScratch;
    // Columns whose runs of equal cells stay merged: a change re-merges
    // them, and so does a header-click sort with AutoColumnMerge.
    TIntList MergedColumns{-1, -1};

    TFilter Filter;
    int FilterFixedRows = -1;  // FixedRows when the filter was applied
    std::string LastNarrowDown;

    TFilterDropDown FilterDropDown;
    TDropList* DropList = nullptr;        // owned by the grid (component)
    TDropCheckList* CheckList = nullptr;  // likewise
    int OpenColumn = -1;                  // column whose list is open

    // find
    plat::TPoint SearchCell{-1, -1};
    std::string FindText;  // as prepared for the last search
    TFindParams FindParams;
    int PresetCol = -1;
    int PresetRow = -1;

    TSearchPanel* SearchPanel = nullptr;  // owned by the grid (component)
};

}  // namespace grid
