#pragma once
// The clipboard and drag-and-drop state a grid keeps
// (ExtGridClipboard.cpp, ExtGridDragDrop.cpp).

#include <memory>

#include "grid/ExtGrid.h"
#include "grid/ExtGridDragDrop.h"

namespace grid {

struct TExtStringGrid::TClipboardState {
    plat::TPoint ClipTopLeft{-1, -1};
    TClipOperation ClipLastOp = coCopy;
    bool PasteAll = false;
    // What a cell stream on the clipboard names as its grid, so that a
    // paste knows a block of its own; unique in the process.
    int StreamID = 0;

    std::unique_ptr<TDragDropSettings> DragDrop;
    std::unique_ptr<TGridDropTarget> DropTarget;
    bool TargetRegistered = false;
    TGridRect DropSelection{-1, -1, -1, -1};
    // A left press that may start a drag, and where it was.
    bool Armed = false;
    plat::TPoint ArmPoint;
    plat::TGridCoord ArmCell{-1, -1};
    bool Dragging = false;
    plat::TForm* CellPicture = nullptr;
    // The column header that follows the pointer in a column drag without
    // the cell picture.
    plat::TForm* HeaderButton = nullptr;
};

}  // namespace grid
