#pragma once
// Scroll and sizing arithmetic of the string grid: where a scroll-bar
// thumb points, the scroll hint, the slim indicator's thumb, the
// proportional scroll range, drag scrolling and proportional sizing of all
// columns or rows. Plain functions over numbers, so the rules hold the same
// for a window and a test, and for a grid of any length.

#include <string>
#include <vector>

#include "platform/Graphics.h"

namespace grid {

// The scroll bars run 0..127 whatever the number of rows or columns: the
// first scrollable cell that position Pos stands for.
int ThumbToCell(int Pos, int Count, int VisibleCount, int FixedCount);

// "Row : 120" / "Col : 7", the text of the scroll hint.
std::string ScrollHintText(bool Vertical, int Cell);

// A flat bar's proportional thumb position mapped back to 0..127.
int FlatThumbPosition(int Pos, int VisibleCount, int Count);

// Rounded to the nearest integer, halves to the even neighbour.
int Nearest(double Value);

// The slim indicator's thumb along its track.
struct TIndicatorThumb {
    int Position = 0;
    int Size = 0;
    bool Shown = false;  // only while there is more to scroll to
};
TIndicatorThumb IndicatorThumb(int ControlLength, int TrackStart, int TrackLength, int First, int Count,
                               int VisibleCount, int FixedCount);

// The proportional range of a window scroll bar: 0..Max with Page, at
// Position. Empty when everything fits (nothing to set).
struct TProportionalRange {
    bool Set = false;
    int Max = 0;
    int Page = 0;
    int Position = 0;
};
// FixedSizes: heights (widths) of the fixed rows; NormalSizes: of the
// others in order; Above: how many of NormalSizes lie above the top row
// (left of the left column); ControlLength: the control's height (width).
TProportionalRange ProportionalRange(const std::vector<int>& FixedSizes, const std::vector<int>& NormalSizes,
                                     int Above, int LineWidth, int ControlLength, int CurrentPosition,
                                     bool Horizontal);

// Drag scrolling: the directions a pointer at (X, Y) asks for.
enum TDragScrollDir { dsdUp = 1, dsdDown = 2, dsdLeft = 4, dsdRight = 8 };
struct TDragScrollMargins {
    int Top = 50, Bottom = 50, Left = 50, Right = 50;
};
int DragScrollDirection(int X, int Y, int Width, int Height, const TDragScrollMargins& Margins);
// One tick: the new top row and left column.
void DragScrollStep(int Directions, int& TopRow, int& LeftCol, int FixedRows, int FixedCols, int RowCount,
                    int ColCount, int VisibleRows, int VisibleCols);

// All-column (all-row) sizing: when the user sized column Sized from
// OldSize to its width now in Sizes, every other normal size from First on
// scales by the same factor. Nothing when OldSize is not positive.
void ScaleOtherSizes(std::vector<int>& Sizes, int First, int Sized, int OldSize);

}  // namespace grid
