#pragma once
// The string grid's view state beyond its published properties: the hovered
// fixed cell, the hint and tooltip windows, the cell controls, scrolling
// and sizing follow-up, drag scrolling and the scroll bar styles. One record
// per grid, made on first use, so the grid's member list stays put.

#include <memory>
#include <vector>

#include "grid/ExtGrid.h"
#include "grid/ExtGridFocusGlow.h"
#include "grid/ExtGridHint.h"
#include "grid/GridLists.h"
#include "platform/ExtCtrls.h"

namespace grid {

class TScrollControl;

struct TExtStringGrid::TViewState {
    explicit TViewState(TExtStringGrid& Grid);
    ~TViewState();
    TViewState(const TViewState&) = delete;
    TViewState& operator=(const TViewState&) = delete;
    // Whether a grid is alive: a synchronised grid is a sibling whose end
    // this grid is not told of.
    static bool IsLive(const plat::TObject* Grid);

    TExtStringGrid& Owner;

    // fixed-cell hover
    TFixedCellHover HoverFixed;

    bool URLFull = false;
    TSyncGrid SyncGrid;
    TSearchFooter SearchFooter;
    TFocusHelper FocusHelper;
    std::unique_ptr<TGridFocusGlow> FocusGlow;  // made on first show

    // balloons: the balloon window lives while balloons are set up
    bool BalloonSetUp = false;
    std::unique_ptr<plat::TBalloonWindow> ToolTip;
    plat::TPoint BalloonCell{-1, -1};
    // Hovering: the balloon of the cell under a resting pointer shows after
    // a delay and goes after another.
    std::unique_ptr<plat::TTimer> BalloonShowTimer, BalloonHideTimer;
    plat::TPoint BalloonHoverCell{-1, -1};
    plat::TPoint BalloonHoverAt;

    // controls placed over cells

    // scroll hints and live scrolling
    THTMLHintWindow* ScrollHint = nullptr;  // owned by the grid (component)
    bool ScrollHintShowing = false;
    bool ScrollSynch = false;

    // drag scrolling
    TDragScrollOptions DragScroll;
    // Owned by the grid, not its parent: a tick must never reach a grid
    // that is gone.
    plat::TTimer* DragTimer = nullptr;
    int DragDirections = 0;

    // sizing follow-up; -1: no user sizing in progress
    int ColClicked = -1;
    int ColClickedSize = 0;
    int RowClicked = -1;
    int RowClickedSize = 0;
    bool InRowFollowUp = false;

    bool NoDefaultDraw = false;
    bool NoImageAndText = false;
    bool HideFocusRect = false;
    bool AutoThemeAdapt = false;
    int OleDragCol = -1;
    int OleDragIndex = -1;
    plat::TObject* OleDragList = nullptr;

    bool SelectionRectangle = false;
    bool SelectionResizer = false;
    bool SpreadSheet = false;
    std::vector<int> OrigColSizes;
    int OrigGridWidth = 0;

    // the selection the last released key left
    TGridRect KeySelection;
    bool KeySelectionKnown = false;

    int OldTopRow = -1;
    int OldLeftCol = -1;

    // scroll bar styles
    bool ScrollProportional = false;
    TScrollControl* VScroll = nullptr;  // owned by the grid (component)
    TScrollControl* HScroll = nullptr;
};

}  // namespace grid
