// Numeric summaries of a column or row range: sum, average, minimum,
// maximum, deviation, distinct texts and the owner's own calculation.

#include <cmath>
#include <set>

#include "base/StrUtils.h"
#include "grid/ExtGrid.h"
#include "grid/ExtGridFooter.h"
#include "grid/ExtGridRowsState.h"

namespace grid {

namespace {

void NormalRows(TExtStringGrid& G, int& FromRow, int& ToRow) {
    if (FromRow == -1 || ToRow == -1) {
        FromRow = G.FixedRows();
        ToRow = G.RowCount() - G.FixedFooters() - 1;
    }
}

enum class TRowUse { Data, GroupRow, Covered };

// How a summary takes row R of its range. In a grouped grid the header and
// summary rows hold the groups' results, not data: counting them would
// count every value a second time. A hidden row is out of the grid and
// cannot be told apart, so it counts. A covered cell of a merged block
// belongs to its base cell.
TRowUse RowUse(TExtStringGrid& G, int ACol, int R, bool Real, bool Grouped) {
    int shown = R;
    if (Real) {
        if (G.IsHiddenRow(R)) return TRowUse::Data;
        shown = G.DisplRowIndex(R);
    }
    if (shown < 0 || shown >= G.RowCount()) return TRowUse::Data;
    if (Grouped && (G.IsNode(shown) || G.IsSummary(shown))) return TRowUse::GroupRow;
    return G.IsBaseCell(ACol, shown) ? TRowUse::Data : TRowUse::Covered;
}

double ValueOf(TExtStringGrid& G, int ACol, int R, bool Real) {
    return Real ? G.AllFloats(ACol, R) : G.Floats(ACol, R);
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

double TExtStringGrid::ColumnTotal(TColumnCalcType Calc, int ACol, int FromRow, int ToRow, bool Real) {
    const bool grouped = FGroupColumn >= 0;
    // Rows past the last one are never read.
    const int last = std::min(ToRow, Real ? RowCount() + NumHiddenRows() - 1 : RowCount() - 1);
    const int first = std::max(FromRow, 0);
    const auto use = [&](int r) { return RowUse(*this, ACol, r, Real, grouped); };
    // The range's rows that are data; a range ending before it starts has none.
    const auto dataRows = [&] {
        int n = std::max(ToRow - FromRow + 1, 0);
        if (grouped)
            for (int r = first; r <= last; ++r)
                if (use(r) == TRowUse::GroupRow) --n;
        return n;
    };
    switch (Calc) {
        case acCOUNT: return dataRows();
        case acSUM:
        case acAVG:
        case acMIN:
        case acMAX: {
            double sum = 0, extreme = 0;
            bool have = false;
            // Minimum and maximum start from the range's first cell, which
            // must hold a number.
            if ((Calc == acMIN || Calc == acMAX) && FromRow >= 0 && FromRow <= last && use(FromRow) == TRowUse::Data) {
                extreme = ValueOf(*this, ACol, FromRow, Real);
                have = true;
            }
            ExportNotification(esExportStart, FromRow);
            for (int r = first; r <= last; ++r) {
                if (use(r) != TRowUse::Data) continue;
                ExportNotification(esExportNextRow, r);
                double v = 0;
                try {
                    v = ValueOf(*this, ACol, r, Real);
                } catch (const EExtGridError&) {
                    // A text that is no number is left out of the summary.
                    continue;
                }
                sum += v;
                if (!have || (Calc == acMIN ? v < extreme : v > extreme)) extreme = v;
                have = true;
            }
            ExportNotification(esExportDone, -1);
            if (Calc == acSUM) return sum;
            if (Calc == acMIN || Calc == acMAX) return extreme;
            const int n = dataRows();
            return n > 0 ? sum / n : 0;
        }
        case acSTDDEV: {
            // An empty range has no spread (rather than the 0 / 0 it would divide).
            const int n = dataRows();
            if (n <= 0) return 0;
            const double avg = ColumnTotal(acAVG, ACol, FromRow, ToRow, Real);
            ExportNotification(esExportStart, FromRow);
            double sq = 0;
            for (int r = first; r <= last; ++r) {
                if (use(r) == TRowUse::GroupRow) continue;
                // Every cell takes part here: a word raises.
                const double d = ValueOf(*this, ACol, r, Real) - avg;
                sq += d * d;
            }
            ExportNotification(esExportDone, -1);
            return std::sqrt(sq / n);
        }
        case acDISTINCT: {
            std::set<std::string> seen;
            ExportNotification(esExportStart, FromRow);
            for (int r = first; r <= last; ++r) {
                if (use(r) == TRowUse::GroupRow) continue;
                ExportNotification(esExportNextRow, r);
                seen.insert(base::UpperCase(Real ? AllCells(ACol, r) : Cells(ACol, r)));
            }
            ExportNotification(esExportDone, -1);
            return static_cast<double>(seen.size());
        }
        default: return 0;
    }
}

// A range that reaches past the displayed rows is read by real row, hidden
// rows included.
bool TExtStringGrid::ReadsRealRows(int ToRow) {
    const bool footer = FRowsState && FRowsState->Footer.Visible();
    return footer ? ToRow > RowCount() - 1 : ToRow > RowCount();
}

double TExtStringGrid::ColumnSum(int ACol, int FromRow, int ToRow) {
    NormalRows(*this, FromRow, ToRow);
    return ColumnTotal(acSUM, ACol, FromRow, ToRow, ReadsRealRows(ToRow));
}

double TExtStringGrid::ColumnAvg(int ACol, int FromRow, int ToRow) {
    NormalRows(*this, FromRow, ToRow);
    return ColumnTotal(acAVG, ACol, FromRow, ToRow, ReadsRealRows(ToRow));
}

double TExtStringGrid::ColumnMin(int ACol, int FromRow, int ToRow) {
    NormalRows(*this, FromRow, ToRow);
    return ColumnTotal(acMIN, ACol, FromRow, ToRow, ReadsRealRows(ToRow));
}

double TExtStringGrid::ColumnMax(int ACol, int FromRow, int ToRow) {
    NormalRows(*this, FromRow, ToRow);
    return ColumnTotal(acMAX, ACol, FromRow, ToRow, ReadsRealRows(ToRow));
}

double TExtStringGrid::ColumnStdDev(int ACol, int FromRow, int ToRow) {
    NormalRows(*this, FromRow, ToRow);
    return ColumnTotal(acSTDDEV, ACol, FromRow, ToRow, ReadsRealRows(ToRow));
}

double TExtStringGrid::ColumnDistinct(int ACol, int FromRow, int ToRow) {
    NormalRows(*this, FromRow, ToRow);
    return ColumnTotal(acDISTINCT, ACol, FromRow, ToRow, ReadsRealRows(ToRow));
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
