#pragma once
// State of the grid's row and column operations, numbering and floating
// footer, kept out of the shared grid header.

#include <memory>
#include <vector>

#include "grid/ExtGrid.h"
#include "grid/ExtGridFooter.h"
#include "grid/ExtGridSortSettings.h"
#include "platform/Forms.h"

namespace grid {

// A merged block by its base cell and extents.
struct TMergedBlock {
    int Col, Row, SpanX, SpanY;
};

struct TExtStringGrid::TRowsState {
    explicit TRowsState(TExtStringGrid* Grid) : Footer(Grid) {}
    TFloatingFooter Footer;
    int AutoNumberStart = 0;
    int AutoNumberOffset = 0;
    TSortDirection AutoNumberDirection = sdAscending;
    // Merged blocks a row insertion or removal cuts through: split before
    // the change and made again after it with their new height. A stack,
    // since a change may run inside another (a row move).
    std::vector<std::vector<TMergedBlock>> PendingBlocks;
    plat::TFormBorderStyle BorderStyle = plat::bsSingle;
    bool Ctl3D = true;
    bool ObjectsNotOwned = false;
};

}  // namespace grid
