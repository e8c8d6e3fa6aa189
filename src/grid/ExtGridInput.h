#pragma once
// What the string grid's mouse, keys and messages keep between two
// messages: the cell a button went down on, the pushed cell button, the
// panning origin and the grid timer's counters.

#include <vector>

#include "grid/ExtGrid.h"

namespace grid {

struct TExtStringGrid::TInputState {
    // Left button
    bool DoOnClick = false;        // a press that may still be a click on a fixed cell
    plat::TPoint PushedButton{-1, -1};  // cell whose cell button is held down
    bool SizingClick = false;      // the press started a column or row sizing
    int SizingCol = -1;            // the column being sized by the mouse
    bool DblClkFitted = false;     // a double click fitted a column
    int SizingRow = -1;            // the row being sized by the mouse
    int SizingStart = 0;           // X (Y) of the press that started the sizing
    int SizingSize = 0;            // the width (height) it started from
    int MouseSelectStart = -1;     // header row (column) a drag selection started at
    bool MouseSelectRows = false;  // the drag selects rows, else columns
    bool FrameworkMove = false;    // the framework is moving a column or row it dragged
    bool DisjunctRows = false;     // the press builds the disjunct row selection
    bool DisjunctCols = false;     // ... the disjunct column selection
    int DeselectRow = -1;          // a Ctrl press on a selected row (column) takes it out
    int DeselectCol = -1;

    // Middle-button panning
    bool Panning = false;
    plat::TPoint PanOrigin{0, 0};
    plat::TPoint PanMouse{0, 0};  // the pointer while panning (the grid holds the capture)
    int PanCursor = 8000;
    plat::TCursor SavedCursor = plat::crDefault;
    bool SavedShowHint = false;

    // Columns following the grid's width: the widths and the client width
    // they belong to, taken when the following started.
    std::vector<int> OrigColSizes;
    int OldSize = 0;

    // Grid timer
    bool TimerStarted = false;
    int TimerTicks = 0;
    bool Hovering = false;
    bool EnableBlink = false;
    bool GridBlink = false;
    plat::TPoint LastMouse{-1, -1};  // where the pointer last moved over the grid
    bool MouseInside = false;
    std::string Anchor;            // the anchor under the mouse at the last move
};

}  // namespace grid
