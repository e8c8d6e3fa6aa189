#pragma once
// What nodes and grouping keep between calls (ExtGridNodes.cpp,
// ExtGridGrouping.cpp).

#include <string>

#include "grid/ExtGrid.h"

namespace grid {

struct TExtStringGrid::TNodeState {
    TGrouping Grouping;
    // The header's node flag: which way the next click on the fixed node
    // cell goes.
    bool AllContracted = false;
    // The expand button under the last press (displayed cell), or -1.
    int PressedExpandCol = -1, PressedExpandRow = -1;
    // The grouping column while grouped (the grid's FGroupColumn), with
    // what leaves the grid together with it.
    int GroupWidth = 0;
    std::string GroupCaption;
    std::string GroupFooter;
    bool InProgress = false;
    // Set while the keys add or remove a data row inside a node: the row
    // changes the node's span but is no sub-header, so the count of
    // sub-headers (and the group count shown from it) stays.
    bool DataChild = false;
};

}  // namespace grid
