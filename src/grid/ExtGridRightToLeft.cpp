// What a change of reading order moves beyond the cells themselves: the
// special editors' place over a mirrored cell and the search footer's row
// of controls.

#include "grid/ExtGrid.h"

namespace grid {

plat::TRect TExtStringGrid::EditorCellRect(int ACol, int ARow) const {
    plat::TRect r = GridCellRect(ACol, ARow);
    if (UseRightToLeftAlignment()) {
        ++r.Left;
        ++r.Right;
    }
    return r;
}

void TExtStringGrid::CMBiDiModeChanged(plat::TMessage& Message) {
    TBaseGrid::CMBiDiModeChanged(Message);
    SearchFooterChanged();
}

}  // namespace grid
