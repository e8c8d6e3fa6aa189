#pragma once
// State of the string grid's structure operations (moving, inserting and
// removing rows and columns, cell controls, sorted access), kept out of the
// shared grid header.

#include <array>
#include <string>
#include <vector>

#include "grid/ExtGrid.h"
#include "grid/GridLists.h"

namespace grid {

struct TExtStringGrid::TStructState {
    // Controls placed over cells: column as given, real row.
    TControlList CellControls;
    // Sorted position -> row it had before sorting.
    std::vector<int> SortXRef;

    // Published settings kept for the areas that act on them.
    bool AutoSize = false;
    bool SizeWithForm = false;
    bool FilterActive = false;
    bool FilterDropDownCheck = false;
    int FilterDropDownRow = 0;
    bool SelectionRTFKeep = false;
    bool JavaCSV = false;
    bool AlwaysQuotes = false;
    bool ExcelClipboardFormat = false;
    bool ClearTextOnly = false;

    std::string EditMask;
    // The print layout's columns, filled by the printing.
    std::array<int, 512> PrintColWidths{};
    std::array<int, 512> PrintColOffsets{};
};

}  // namespace grid
