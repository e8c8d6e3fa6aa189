// Numeric summaries of a column or row range: sum, average, minimum,
// maximum, deviation, distinct texts and the owner's own calculation.

#include <cmath>
#include <set>

#include "base/StrUtils.h"
#include "grid/ExtGrid.h"

namespace grid {

namespace {

void NormalRows(TExtStringGrid& G, int& FromRow, int& ToRow) {
    if (FromRow == -1 || ToRow == -1) {
        FromRow = G.FixedRows();
        ToRow = G.RowCount() - G.FixedFooters() - 1;
    }
}

// Reads the counted cells of the range: a range that reaches beyond the
// displayed rows is read by real row, hidden rows included. Rows past the
// last one are never read.
template <typename F>
void ForCountedRows(TExtStringGrid& G, int ACol, int FromRow, int ToRow, F&& Use) {
    const bool real = ToRow > G.RowCount();
    const int last = real ? G.RowCount() + G.NumHiddenRows() - 1 : G.RowCount() - 1;
    for (int r = std::max(FromRow, 0); r <= ToRow && r <= last; ++r) {
        const int shown = real ? G.DisplRowIndex(r) : r;
        if (shown >= 0 && shown < G.RowCount() && !G.IsBaseCell(ACol, shown)) continue;
        try {
            Use(real ? G.AllFloats(ACol, r) : G.Floats(ACol, r));
        } catch (const EExtGridError&) {
            // A text that is no number is left out of the summary.
        }
    }
}

// The base cells of a row range, numbers only.
template <typename F>
void ForRowCells(TExtStringGrid& G, int ARow, int FromCol, int ToCol, F&& Use) {
    const int last = G.ColCount() + G.NumHiddenColumns() - 1;
    for (int c = std::max(FromCol, 0); c <= ToCol && c <= last; ++c) {
        if (!G.IsBaseCell(c, ARow)) continue;
        try {
            Use(G.Floats(c, ARow));
        } catch (const EExtGridError&) {
            // As in the column sums: a text that is no number is left out.
        }
    }
}

}  // namespace

double TExtStringGrid::ColumnSum(int ACol, int FromRow, int ToRow) {
    NormalRows(*this, FromRow, ToRow);
    double sum = 0;
    ForCountedRows(*this, ACol, FromRow, ToRow, [&](double v) { sum += v; });
    return sum;
}

double TExtStringGrid::ColumnAvg(int ACol, int FromRow, int ToRow) {
    NormalRows(*this, FromRow, ToRow);
    if (ToRow < FromRow) return 0;
    return ColumnSum(ACol, FromRow, ToRow) / (ToRow - FromRow + 1);
}

double TExtStringGrid::ColumnMin(int ACol, int FromRow, int ToRow) {
    NormalRows(*this, FromRow, ToRow);
    double m = Floats(ACol, FromRow);
    ForCountedRows(*this, ACol, FromRow, ToRow, [&](double v) { m = std::min(m, v); });
    return m;
}

double TExtStringGrid::ColumnMax(int ACol, int FromRow, int ToRow) {
    NormalRows(*this, FromRow, ToRow);
    double m = Floats(ACol, FromRow);
    ForCountedRows(*this, ACol, FromRow, ToRow, [&](double v) { m = std::max(m, v); });
    return m;
}

double TExtStringGrid::ColumnStdDev(int ACol, int FromRow, int ToRow) {
    NormalRows(*this, FromRow, ToRow);
    // An empty range has no spread (rather than the 0 / 0 it would divide).
    if (ToRow < FromRow) return 0;
    const double avg = ColumnAvg(ACol, FromRow, ToRow);
    double sq = 0;
    for (int r = FromRow; r <= ToRow && r < RowCount(); ++r) {
        const double d = Floats(ACol, r) - avg;
        sq += d * d;
    }
    return std::sqrt(sq / (ToRow - FromRow + 1));
}

double TExtStringGrid::ColumnDistinct(int ACol, int FromRow, int ToRow) {
    NormalRows(*this, FromRow, ToRow);
    std::set<std::string> seen;
    for (int r = std::max(FromRow, 0); r <= ToRow && r < RowCount(); ++r) seen.insert(base::UpperCase(Cells(ACol, r)));
    return static_cast<double>(seen.size());
}

double TExtStringGrid::ColumnCustomCalc(int ACol, int FromRow, int ToRow) {
    double res = 0;
    if (OnColumnCalc) OnColumnCalc(this, ACol, FromRow, ToRow, res);
    return res;
}

double TExtStringGrid::GroupCustomCalc(int ACol, int FromRow, int ToRow) {
    double res = 0;
    if (OnGroupCalc) OnGroupCalc(this, ACol, FromRow, ToRow, res);
    return res;
}

double TExtStringGrid::RowSum(int ARow, int FromCol, int ToCol) {
    double sum = 0;
    ForRowCells(*this, ARow, FromCol, ToCol, [&](double v) { sum += v; });
    return sum;
}

double TExtStringGrid::RowAvg(int ARow, int FromCol, int ToCol) {
    // An empty range averages to 0 rather than to 0 / 0.
    if (ToCol < FromCol) return 0;
    return RowSum(ARow, FromCol, ToCol) / (ToCol - FromCol + 1);
}

double TExtStringGrid::RowMin(int ARow, int FromCol, int ToCol) {
    double m = Floats(FromCol, ARow);
    ForRowCells(*this, ARow, FromCol, ToCol, [&](double v) { m = std::min(m, v); });
    return m;
}

double TExtStringGrid::RowMax(int ARow, int FromCol, int ToCol) {
    double m = Floats(FromCol, ARow);
    ForRowCells(*this, ARow, FromCol, ToCol, [&](double v) { m = std::max(m, v); });
    return m;
}

}  // namespace grid
