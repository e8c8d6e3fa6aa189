#pragma once
// A grid as a screen reader reads it: the cells below the header rows, the
// header row's texts as column headers, the row-number column's texts as
// row headers, each cell's text as painted (no markup) or its check state,
// and the current cell, which a reader may move.

#include "platform/Accessible.h"

namespace grid {

class TExtStringGrid;

class TGridAccessible : public plat::TAccessibleTable {
public:
    explicit TGridAccessible(TExtStringGrid& Grid) : FGrid(Grid) {}

    int AccessibleRowCount() const override;
    int AccessibleColCount() const override;
    std::string AccessibleColumnHeader(int Col) const override;
    std::string AccessibleRowHeader(int Row) const override;
    std::string AccessibleCellText(int Col, int Row) const override;
    plat::TAccessibleCheck AccessibleCellCheck(int Col, int Row) const override;
    plat::TRect AccessibleCellRect(int Col, int Row) const override;
    bool AccessibleCurrentCell(int& Col, int& Row) const override;
    void AccessibleSelectCell(int Col, int Row) override;

private:
    std::string ShownText(int Col, int GridRow) const;
    TExtStringGrid& FGrid;
};

}  // namespace grid
