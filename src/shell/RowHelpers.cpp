#include "shell/RowHelpers.h"

#include "base/StrUtils.h"
#include "platform/Dialogs.h"
#include "shell/Comon.h"

namespace shell {

namespace {

int Last_Col(const grid::TExtStringGrid& Grid) { return Grid.ColCount() + Grid.NumHiddenColumns() - 1; }

bool Is_Data_Check_Column(grid::TExtColumnGrid& Grid, int Col) {
    return Col < Grid.Columns().Count() && Grid.Columns().Items(Col).Editor() == grid::edDataCheckBox;
}

// The paste checks shared by both families; false after the error box.
bool Paste_Allowed(const grid::TExtStringGrid& Grid, bool Permitted) {
    if (!Permitted) {
        plat::MessageDlg(Lang_Texts[1502], plat::mtError, plat::mbOK);
        return false;
    }
    // A row copied from a table of another shape would land in wrong columns.
    if (Last_Col(Grid) != Row_Copy_Buffer.Count()) {
        plat::MessageDlg(Lang_Texts[1501], plat::mtError, plat::mbOK);
        return false;
    }
    return true;
}

bool Overwrite_Confirmed(bool Used) {
    return !Used || plat::MessageDlg(Lang_Texts[1500], plat::mtConfirmation, plat::mbYesNo) == plat::mrYes;
}

// Shifting rows down drops the last row; its values must not vanish unasked.
bool Drop_Confirmed(bool Used) {
    return !Used ||
           plat::MessageDlg(Lang_Texts[Insert_Drops_Used_Row_Text], plat::mtConfirmation, plat::mbYesNo) ==
               plat::mrYes;
}

bool Check_State(grid::TExtStringGrid& Grid, int Col, int Row) {
    bool state = false;
    Grid.GetCheckBoxState(Col, Row, state);
    return state;
}

void Move_Cell_Check(grid::TExtStringGrid& Grid, int Col, int From, int To) {
    if (Grid.HasCheckBox(Col, From))
        Grid.SetCheckBoxState(Col, To, Check_State(Grid, Col, From));
    else
        Grid.SetCells(Col, To, Grid.Cells(Col, From));
    Grid.SetReadOnly(Col, To, Grid.ReadOnly(Col, From));
}

void Empty_Row_Check(grid::TExtStringGrid& Grid, int Row, bool Mark) {
    for (int c = 1; c <= Last_Col(Grid); ++c) {
        if (Grid.HasCheckBox(c, Row))
            Grid.SetCheckBoxState(c, Row, c == 1 && Mark);
        else
            Grid.SetCells(c, Row, "");
        Grid.SetReadOnly(c, Row, false);
    }
}

}  // namespace

bool Grid_Row_Used(grid::TExtColumnGrid& Grid, int Row) {
    for (int c = 1; c <= Last_Col(Grid); ++c)
        if (!Is_Data_Check_Column(Grid, c) && !base::Trim(Grid.Cells(c, Row)).empty()) return true;
    return false;
}

bool Grid_Row_Used_Check(grid::TExtStringGrid& Grid, int Row) {
    for (int c = 1; c <= Last_Col(Grid); ++c)
        if (!Grid.HasCheckBox(c, Row) && !Grid.Cells(c, Row).empty()) return true;
    return false;
}

void Grid_Delete_Row(int Row, grid::TExtColumnGrid& Grid) {
    const int last = Grid.RowCount() - 1;
    for (int r = Row; r < last; ++r)
        for (int c = 1; c <= Last_Col(Grid); ++c) Grid.SetCells(c, r, Grid.Cells(c, r + 1));
    for (int c = 1; c <= Last_Col(Grid); ++c) Grid.SetCells(c, last, "");
}

bool Grid_Insert_Row(int Row, grid::TExtColumnGrid& Grid, bool Mark) {
    const int last = Grid.RowCount() - 1;
    if (!Drop_Confirmed(Grid_Row_Used(Grid, last))) return false;
    for (int r = last - 1; r >= Row; --r)
        for (int c = 1; c <= Last_Col(Grid); ++c) Grid.SetCells(c, r + 1, Grid.Cells(c, r));
    for (int c = 1; c <= Last_Col(Grid); ++c) Grid.SetCells(c, Row, c == 1 && Mark ? "Y" : "");
    return true;
}

void Grid_Copy_Row(grid::TExtColumnGrid& Grid, int Row) {
    Row_Copy_Buffer.Clear();
    for (int c = 1; c <= Last_Col(Grid); ++c) Row_Copy_Buffer.Add(Grid.Cells(c, Row));
}

void Grid_Paste_Row(grid::TExtColumnGrid& Grid, int Row, bool Permitted) {
    if (!Paste_Allowed(Grid, Permitted)) return;
    if (!Overwrite_Confirmed(Grid_Row_Used(Grid, Row))) return;
    for (int c = 1; c <= Last_Col(Grid); ++c) Grid.SetCells(c, Row, Row_Copy_Buffer[c - 1]);
}

void Grid_Delete_Row_Check(int Row, grid::TExtStringGrid& Grid, bool Mark) {
    const int last = Grid.RowCount() - 1;
    for (int r = Row; r < last; ++r)
        for (int c = 1; c <= Last_Col(Grid); ++c) Move_Cell_Check(Grid, c, r + 1, r);
    Empty_Row_Check(Grid, last, Mark);
}

bool Grid_Insert_Row_Check(int Row, grid::TExtStringGrid& Grid, bool Mark) {
    const int last = Grid.RowCount() - 1;
    if (!Drop_Confirmed(Grid_Row_Used_Check(Grid, last))) return false;
    for (int r = last - 1; r >= Row; --r)
        for (int c = 1; c <= Last_Col(Grid); ++c) Move_Cell_Check(Grid, c, r, r + 1);
    Empty_Row_Check(Grid, Row, Mark);
    return true;
}

void Grid_Copy_Row_Check(grid::TExtStringGrid& Grid, int Row) {
    Row_Copy_Buffer.Clear();
    Row_Copy_Checks.assign(static_cast<std::size_t>(Last_Col(Grid)), false);
    for (int c = 1; c <= Last_Col(Grid); ++c) {
        if (Grid.HasCheckBox(c, Row)) {
            Row_Copy_Buffer.Add(Check_State(Grid, c, Row) ? "Y" : "N");
            Row_Copy_Checks[static_cast<std::size_t>(c - 1)] = true;
        } else {
            Row_Copy_Buffer.Add(Grid.Cells(c, Row));
        }
    }
}

void Grid_Paste_Row_Check(grid::TExtStringGrid& Grid, int Row, bool Permitted) {
    if (!Paste_Allowed(Grid, Permitted)) return;
    if (!Overwrite_Confirmed(Grid_Row_Used_Check(Grid, Row))) return;
    for (int c = 1; c <= Last_Col(Grid); ++c) {
        const auto i = static_cast<std::size_t>(c - 1);
        // A buffer filled by the plain copy has no check entries: all texts.
        const bool isCheck = i < Row_Copy_Checks.size() && Row_Copy_Checks[i];
        if (isCheck)
            Grid.SetCheckBoxState(c, Row, Row_Copy_Buffer[c - 1] == "Y");  // no-op on a plain cell
        else
            Grid.SetCells(c, Row, Row_Copy_Buffer[c - 1]);
    }
}

void Grid_Enter_Next_Cell(grid::TExtColumnGrid& Grid, char32_t& Key) {
    if (!Opt_Jump_Field_Tables || Key != U'\r') return;
    if (Grid.Col() > 0 && Grid.Row() > 0) {
        if (Grid.Col() < Grid.ColCount() - 1) {
            Grid.SetCol(Grid.Col() + 1);
        } else {
            Grid.SetCol(1);
            Grid.SetRow(Grid.Row() < Grid.RowCount() - 1 ? Grid.Row() + 1 : 1);
        }
    }
    Key = 0;
}

void Grid_DblClick_AutoSize(grid::TExtStringGrid& Grid, int ARow, int ACol) {
    if (Opt_DblClick_Auto_Size && ARow == 0) Grid.AutoSizeCol(ACol, 0);
}

}  // namespace shell
