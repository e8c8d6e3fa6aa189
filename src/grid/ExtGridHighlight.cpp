// Highlight ("hi") and mark ("e") tags around every occurrence of a text in
// the grid's cells, over one cell, a column, a row or the whole grid.

#include "controls/HtmlText.h"
#include "grid/ExtGrid.h"

namespace grid {

std::string TExtStringGrid::HilightText(bool DoCase, const std::string& S, const std::string& Text) {
    return ctl::InsertHighlightTags(S, Text, "hi", DoCase);
}

std::string TExtStringGrid::UnHilightText(const std::string& S) { return ctl::RemoveHighlightTags(S, "hi"); }

std::string TExtStringGrid::MarkText(bool DoCase, const std::string& S, const std::string& Text) {
    return ctl::InsertHighlightTags(S, Text, "e", DoCase);
}

std::string TExtStringGrid::UnMarkText(const std::string& S) { return ctl::RemoveHighlightTags(S, "e"); }

void TExtStringGrid::HiliteRange(const std::string& Tag, bool DoCase, int FromCol, int FromRow, int ToCol, int ToRow,
                                 const std::string& HiText) {
    HilightInRange(HiText, Tag, FromCol, FromRow, ToCol, ToRow, DoCase);
}

void TExtStringGrid::UnHiliteRange(const std::string& Tag, int FromCol, int FromRow, int ToCol, int ToRow) {
    UnHilightInRange(Tag, FromCol, FromRow, ToCol, ToRow);
}

namespace {
struct TRange {
    int FromCol, FromRow, ToCol, ToRow;
};
TRange ColRange(TExtStringGrid& G, bool DoFixed, int Col) {
    return DoFixed ? TRange{Col, 0, Col, G.RowCount() - 1}
                   : TRange{Col, G.FixedRows(), Col, G.RowCount() - G.FixedFooters() - 1};
}
TRange RowRange(TExtStringGrid& G, bool DoFixed, int Row, int Extra) {
    return DoFixed ? TRange{0, Row, G.ColCount() - 1 + Extra, Row}
                   : TRange{G.FixedCols(), Row, G.ColCount() - G.FixedRightCols() - 1 + Extra, Row};
}
TRange GridRange(TExtStringGrid& G, bool DoFixed, int Extra) {
    return DoFixed ? TRange{0, 0, G.ColCount() - 1 + (Extra ? G.NumHiddenColumns() : 0), G.RowCount() - 1}
                   : TRange{G.FixedCols(), G.FixedRows(), G.ColCount() - G.FixedRightCols() - 1 + Extra,
                            G.RowCount() - G.FixedFooters() - 1};
}
}  // namespace

void TExtStringGrid::HilightInCell(bool DoCase, int Col, int Row, const std::string& HiText) {
    HiliteRange("hi", DoCase, Col, Row, Col, Row, HiText);
}
void TExtStringGrid::MarkInCell(bool DoCase, int Col, int Row, const std::string& HiText) {
    HiliteRange("e", DoCase, Col, Row, Col, Row, HiText);
}
void TExtStringGrid::HilightInCol(bool DoFixed, bool DoCase, int Col, const std::string& HiText) {
    const TRange r = ColRange(*this, DoFixed, Col);
    HiliteRange("hi", DoCase, r.FromCol, r.FromRow, r.ToCol, r.ToRow, HiText);
}
void TExtStringGrid::MarkInCol(bool DoFixed, bool DoCase, int Col, const std::string& HiText) {
    const TRange r = ColRange(*this, DoFixed, Col);
    HiliteRange("e", DoCase, r.FromCol, r.FromRow, r.ToCol, r.ToRow, HiText);
}
void TExtStringGrid::HilightInRow(bool DoFixed, bool DoCase, int Row, const std::string& HiText) {
    const TRange r = RowRange(*this, DoFixed, Row, 0);
    HiliteRange("hi", DoCase, r.FromCol, r.FromRow, r.ToCol, r.ToRow, HiText);
}
void TExtStringGrid::MarkInRow(bool DoFixed, bool DoCase, int Row, const std::string& HiText) {
    const TRange r = RowRange(*this, DoFixed, Row, 0);
    HiliteRange("e", DoCase, r.FromCol, r.FromRow, r.ToCol, r.ToRow, HiText);
}
void TExtStringGrid::HilightInGrid(bool DoFixed, bool DoCase, const std::string& HiText) {
    const TRange r = GridRange(*this, DoFixed, DoFixed ? 0 : NumHiddenColumns());
    HiliteRange("hi", DoCase, r.FromCol, r.FromRow, r.ToCol, r.ToRow, HiText);
}
void TExtStringGrid::MarkInGrid(bool DoFixed, bool DoCase, const std::string& HiText) {
    const TRange r = GridRange(*this, DoFixed, 0);
    HiliteRange("e", DoCase, r.FromCol, r.FromRow, r.ToCol, r.ToRow, HiText);
}
void TExtStringGrid::UnHilightInCell(int Col, int Row) { UnHiliteRange("hi", Col, Row, Col, Row); }
void TExtStringGrid::UnMarkInCell(int Col, int Row) { UnHiliteRange("e", Col, Row, Col, Row); }
void TExtStringGrid::UnHilightInCol(bool DoFixed, int Col) {
    const TRange r = ColRange(*this, DoFixed, Col);
    UnHiliteRange("hi", r.FromCol, r.FromRow, r.ToCol, r.ToRow);
}
void TExtStringGrid::UnMarkInCol(bool DoFixed, int Col) {
    const TRange r = ColRange(*this, DoFixed, Col);
    UnHiliteRange("e", r.FromCol, r.FromRow, r.ToCol, r.ToRow);
}
void TExtStringGrid::UnHilightInRow(bool DoFixed, int Row) {
    const TRange r = RowRange(*this, DoFixed, Row, NumHiddenColumns());
    UnHiliteRange("hi", r.FromCol, r.FromRow, r.ToCol, r.ToRow);
}
void TExtStringGrid::UnMarkInRow(bool DoFixed, int Row) {
    const TRange r = RowRange(*this, DoFixed, Row, NumHiddenColumns());
    UnHiliteRange("e", r.FromCol, r.FromRow, r.ToCol, r.ToRow);
}
void TExtStringGrid::UnHilightInGrid(bool DoFixed) {
    const TRange r = GridRange(*this, DoFixed, NumHiddenColumns());
    UnHiliteRange("hi", r.FromCol, r.FromRow, r.ToCol, r.ToRow);
}
void TExtStringGrid::UnMarkInGrid(bool DoFixed) {
    const TRange r = GridRange(*this, DoFixed, NumHiddenColumns());
    UnHiliteRange("e", r.FromCol, r.FromRow, r.ToCol, r.ToRow);
}

}  // namespace grid
