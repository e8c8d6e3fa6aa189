#pragma once
// The exchange formats' state a grid keeps (ExtGridExchange.cpp).

#include "grid/ExtGrid.h"
#include "grid/GridHtmlExport.h"

namespace grid {

struct TExtStringGrid::TExchangeState {
    bool SaveWithRTF = false;
    bool OemConvert = false;
    bool Multilinecells = false;
    int LastProgress = -1;
    int NodeCount = 0;
    THTMLSettings HTMLSettings;
};

// Holds the grid's update lock for a bulk load, released also when the
// load fails half way.
class TBulkUpdate {
public:
    explicit TBulkUpdate(TExtStringGrid& Grid) : FGrid(Grid) { FGrid.StartUpdate(); }
    ~TBulkUpdate() { FGrid.EndUpdate(); }
    TBulkUpdate(const TBulkUpdate&) = delete;
    TBulkUpdate& operator=(const TBulkUpdate&) = delete;

private:
    TExtStringGrid& FGrid;
};

}  // namespace grid
