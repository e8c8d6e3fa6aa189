#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "grid/ExtGrid.h"

using namespace grid;

namespace {
// Column 1 from row 1 on; one fixed row and one footer row.
void Fill(TExtStringGrid& g, const std::vector<std::string>& values, bool footer) {
    g.SetColCount(3);
    g.SetRowCount(static_cast<int>(values.size()) + 1 + (footer ? 1 : 0));
    g.SetFixedRows(1);
    g.SetFixedFooters(footer ? 1 : 0);
    for (int i = 0; i < static_cast<int>(values.size()); ++i) g.SetCells(1, i + 1, values[i]);
    if (footer) g.SetCells(1, g.RowCount() - 1, "1000");
}
}  // namespace

TEST(ExtGridCalc, ColumnSummaries) {
    using Op = double (TExtStringGrid::*)(int, int, int);
    const struct {
        const char* name;
        Op op;
        std::vector<std::string> values;
        int from, to;
        double expected;
    } cases[] = {
        {"sum of normal rows", &TExtStringGrid::ColumnSum, {"1", "2", "3"}, -1, -1, 6},
        {"dash is 0, word skipped", &TExtStringGrid::ColumnSum, {"5", "-", "1.2.3"}, -1, -1, 5},
        {"average over the whole range", &TExtStringGrid::ColumnAvg, {"2", "", "4"}, 1, 3, 2},
        {"average of nothing", &TExtStringGrid::ColumnAvg, {"2"}, 2, 1, 0},
        {"minimum", &TExtStringGrid::ColumnMin, {"4", "-2", "7"}, 1, 3, -2},
        {"maximum", &TExtStringGrid::ColumnMax, {"4", "-2", "7"}, 1, 3, 7},
        {"deviation", &TExtStringGrid::ColumnStdDev, {"2", "4", "4", "4", "5", "5", "7", "9"}, 1, 8, 2},
        {"deviation of nothing", &TExtStringGrid::ColumnStdDev, {"2"}, 2, 1, 0},
        {"distinct without case", &TExtStringGrid::ColumnDistinct, {"a", "A", "b", ""}, 1, 4, 3},
        {"custom without event", &TExtStringGrid::ColumnCustomCalc, {"1"}, 1, 1, 0},
        {"range up to the row after the last", &TExtStringGrid::ColumnSum, {"1", "2"}, 1, 4, 1003},
    };
    for (const auto& c : cases) {
        TExtStringGrid g(nullptr);
        Fill(g, c.values, true);
        EXPECT_DOUBLE_EQ((g.*c.op)(1, c.from, c.to), c.expected) << c.name;
    }
}

TEST(ExtGridCalc, StartCellAndDeviationRaiseOnWords) {
    TExtStringGrid g(nullptr);
    Fill(g, {"1.2.3", "2"}, false);
    EXPECT_THROW(g.ColumnMin(1, 1, 2), EExtGridError);
    EXPECT_THROW(g.ColumnStdDev(1, 1, 2), EExtGridError);
    EXPECT_DOUBLE_EQ(g.ColumnMax(1, 2, 2), 2);
}

TEST(ExtGridCalc, RowSummariesAndMergedCells) {
    TExtStringGrid g(nullptr);
    g.SetColCount(5);
    g.SetRowCount(2);
    for (int c = 0; c < 5; ++c) g.SetCells(c, 1, std::to_string(c + 1));
    g.MergeCells(3, 1, 2, 1);  // column 4 lies under column 3
    EXPECT_DOUBLE_EQ(g.RowSum(1, 0, 4), 1 + 2 + 3 + 4);
    EXPECT_DOUBLE_EQ(g.RowAvg(1, 0, 3), 10.0 / 4);
    EXPECT_DOUBLE_EQ(g.RowAvg(1, 3, 2), 0);
    EXPECT_DOUBLE_EQ(g.RowMin(1, 1, 4), 2);
    EXPECT_DOUBLE_EQ(g.RowMax(1, 0, 4), 4);
    g.OnColumnCalc = [](TObject*, int, int, int, double& res) { res = 42; };
    EXPECT_DOUBLE_EQ(g.ColumnCustomCalc(1, 0, 1), 42);
}
