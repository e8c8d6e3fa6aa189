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

}  // namespace grid
