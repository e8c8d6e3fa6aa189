#include "grid/GridAccessible.h"

#include <algorithm>

#include "controls/ExtUtil.h"
#include "controls/HtmlText.h"
#include "grid/ExtGrid.h"

namespace grid {

int TGridAccessible::AccessibleRowCount() const { return std::max(0, FGrid.RowCount() - FGrid.FixedRows()); }

int TGridAccessible::AccessibleColCount() const { return FGrid.ColCount(); }

std::string TGridAccessible::ShownText(int Col, int GridRow) const {
    std::string text = FGrid.Cells(Col, GridRow);
    if (ctl::GetCellTextKind(text, FGrid.EnableHTML()) == ctl::ctkHtml) text = ctl::HtmlToPlainText(text);
    return text;
}

std::string TGridAccessible::AccessibleColumnHeader(int Col) const {
    if (FGrid.FixedRows() == 0 || Col < 0 || Col >= FGrid.ColCount()) return {};
    return ShownText(Col, FGrid.FixedRows() - 1);
}

std::string TGridAccessible::AccessibleRowHeader(int Row) const {
    if (FGrid.FixedCols() == 0 || Row < 0 || Row >= AccessibleRowCount()) return {};
    return ShownText(0, Row + FGrid.FixedRows());
}

std::string TGridAccessible::AccessibleCellText(int Col, int Row) const {
    if (Col < 0 || Row < 0 || Col >= AccessibleColCount() || Row >= AccessibleRowCount()) return {};
    // A check box is read by its state; the "Y" or "N" behind it is no word.
    if (AccessibleCellCheck(Col, Row) != plat::acNoCheck) return {};
    return ShownText(Col, Row + FGrid.FixedRows());
}

plat::TAccessibleCheck TGridAccessible::AccessibleCellCheck(int Col, int Row) const {
    const int r = Row + FGrid.FixedRows();
    if (Col < 0 || Row < 0 || Col >= AccessibleColCount() || Row >= AccessibleRowCount() || !FGrid.HasCheckBox(Col, r))
        return plat::acNoCheck;
    bool state = false;
    if (!FGrid.GetCheckBoxState(Col, r, state)) return plat::acNoCheck;
    return state ? plat::acChecked : plat::acUnchecked;
}

plat::TRect TGridAccessible::AccessibleCellRect(int Col, int Row) const {
    if (Col < 0 || Row < 0 || Col >= AccessibleColCount() || Row >= AccessibleRowCount()) return {};
    return FGrid.GridCellRect(Col, Row + FGrid.FixedRows());
}

bool TGridAccessible::AccessibleCurrentCell(int& Col, int& Row) const {
    if (FGrid.Row() < FGrid.FixedRows() || FGrid.Col() < 0) return false;
    Col = FGrid.Col();
    Row = FGrid.Row() - FGrid.FixedRows();
    return true;
}

void TGridAccessible::AccessibleSelectCell(int Col, int Row) {
    // Header columns hold no cell a user edits: the current cell stays in
    // the first column after them.
    FGrid.SetCol(std::max(Col, FGrid.FixedCols()));
    FGrid.SetRow(Row + FGrid.FixedRows());
}

}  // namespace grid
