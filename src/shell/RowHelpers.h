#pragma once
// The row buttons shared by every table window (delete, insert, copy and
// paste of a row), Enter-key navigation and header double-click fitting.
// Windows call these with the grid and the row they act on; the windows keep
// the paste permission of their tables, the copied cells live in
// Row_Copy_Buffer / Row_Copy_Checks.
//
// Two families: the plain one for column grids whose check-box columns hold
// "Y"/"N" texts, and the _Check one for grids with cell check boxes and
// per-cell read-only flags. "Every column" means columns 1 up to the last
// real column, hidden columns included; column 0 holds the row numbers.

#include "grid/ExtCGrid.h"
#include "grid/ExtGrid.h"

namespace shell {

// Text number of the question asked before an insert pushes a used last row
// out of the table.
inline constexpr int Insert_Drops_Used_Row_Text = 1506;

// A used row holds a non-blank text in a column that is not a data check box.
bool Grid_Row_Used(grid::TExtColumnGrid& Grid, int Row);
// A used row holds a non-empty text in a cell without a check box.
bool Grid_Row_Used_Check(grid::TExtStringGrid& Grid, int Row);

void Grid_Delete_Row(int Row, grid::TExtColumnGrid& Grid);
// Returns false when the user declined to lose the used last row; the grid
// is then unchanged.
bool Grid_Insert_Row(int Row, grid::TExtColumnGrid& Grid, bool Mark);
void Grid_Copy_Row(grid::TExtColumnGrid& Grid, int Row);
void Grid_Paste_Row(grid::TExtColumnGrid& Grid, int Row, bool Permitted);

void Grid_Delete_Row_Check(int Row, grid::TExtStringGrid& Grid, bool Mark);
bool Grid_Insert_Row_Check(int Row, grid::TExtStringGrid& Grid, bool Mark);
void Grid_Copy_Row_Check(grid::TExtStringGrid& Grid, int Row);
void Grid_Paste_Row_Check(grid::TExtStringGrid& Grid, int Row, bool Permitted);

// For a table's key-press handler: with Opt_Jump_Field_Tables on, a carriage
// return moves to the next cell (wrapping to row 1 after the last cell) and
// is consumed (Key becomes 0).
void Grid_Enter_Next_Cell(grid::TExtColumnGrid& Grid, char32_t& Key);
// For a table's cell double-click handler: with Opt_DblClick_Auto_Size on, a
// double click on the header row fits that column to its content.
void Grid_DblClick_AutoSize(grid::TExtStringGrid& Grid, int ARow, int ACol);

}  // namespace shell
