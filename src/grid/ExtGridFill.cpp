// Running the cell checker over ranges of cells and filling ranges with a
// text, a formatted position, random numbers or position labels.

#include <random>
#include <regex>
#include <string>

#include "base/StrUtils.h"
#include "grid/EsgCheck.h"
#include "grid/ExtGrid.h"

namespace grid {

bool TExtStringGrid::CheckCells(int FromCol, int FromRow, int ToCol, int ToRow) {
    TCellCheckTarget target;
    target.GetCell = [this](int c, int r) { return Cells(c, r); };
    target.SetCell = [this](int c, int r, const std::string& s) { SetCells(c, r, s); };
    target.Unmark = [](const std::string& s) { return UnMarkText(s); };
    target.GetCurrentCell = [this](int& c, int& r) {
        c = Col();
        r = Row();
    };
    target.SetCurrentCell = [this](int c, int r) { MoveCurrentCell(c, r); };
    return CheckCellRange(CellChecker(), target, FromCol, FromRow, ToCol, ToRow);
}

bool TExtStringGrid::CheckCell(int ACol, int ARow) { return CheckCells(ACol, ARow, ACol, ARow); }

bool TExtStringGrid::CheckCol(bool DoFixed, int ACol) {
    return CheckCells(ACol, DoFixed ? 0 : FixedRows(), ACol, RowCount() - 1 - (DoFixed ? 0 : FFixedFooters));
}

bool TExtStringGrid::CheckRow(bool DoFixed, int ARow) {
    return CheckCells(DoFixed ? 0 : FixedCols(), ARow, ColCount() - 1 - (DoFixed ? 0 : FFixedRightCols), ARow);
}

bool TExtStringGrid::CheckGrid(bool DoFixed) {
    return CheckCells(DoFixed ? 0 : FixedCols(), DoFixed ? 0 : FixedRows(),
                      ColCount() - 1 - (DoFixed ? 0 : FFixedRightCols), RowCount() - 1 - (DoFixed ? 0 : FFixedFooters));
}

void TExtStringGrid::FillRange(bool DoFixed, const std::function<std::string(int, int)>& Text) {
    const int top = DoFixed ? 0 : FixedRows();
    const int bottom = RowCount() - 1 - (DoFixed ? 0 : FFixedFooters);
    const int left = DoFixed ? 0 : FixedCols();
    const int right = ColCount() - 1 - (DoFixed ? 0 : FFixedRightCols);
    for (int r = top; r <= bottom; ++r)
        for (int c = left; c <= right; ++c) SetCells(c, r, Text(c, r));
    AfterBulkChange();
}

void TExtStringGrid::TextFill(bool DoFixed, const std::string& Txt) {
    FillRange(DoFixed, [&](int, int) { return Txt; });
}

void TExtStringGrid::FormatFill(bool DoFixed, const std::string& Fmt) {
    // The format comes from the caller and goes to the formatter with two
    // integers: one that would read anything else (a string, a third
    // argument) is refused before any cell changes.
    static const std::regex two("^([^%]|%%)*%[-+ 0#]{0,5}[0-9]{0,3}[di]([^%]|%%)*%[-+ 0#]{0,5}[0-9]{0,3}[di]([^%]|%%)*$");
    if (!std::regex_match(Fmt, two))
        throw EExtGridError("Format '" + Fmt + "' invalid or incompatible with argument");
    FillRange(DoFixed, [&](int c, int r) { return base::Format(Fmt.c_str(), c, r); });
}

void TExtStringGrid::RandomFill(bool DoFixed, int Rnd) {
    if (Rnd <= 0) throw EExtGridError("Random range must be positive");
    static std::mt19937 engine{std::random_device{}()};
    std::uniform_int_distribution<int> pick(0, Rnd - 1);
    FillRange(DoFixed, [&](int, int) { return std::to_string(pick(engine)); });
}

void TExtStringGrid::LinearFill(bool DoFixed) {
    FillRange(DoFixed, [](int c, int r) { return std::to_string(c) + ":" + std::to_string(r); });
}

}  // namespace grid
