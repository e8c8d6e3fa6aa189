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

// Only an empty cell or a lone dash reads as 0: a word is no number. The
// summaries that skip what they cannot read leave it out; the deviation and
// the first cell of a minimum raise and name the cell.
TEST(ExtGridCalc, AWordIsNoNumber) {
    using Op = double (TExtStringGrid::*)(int, int, int);
    const struct {
        const char* name;
        Op op;
        std::vector<std::string> values;
        double expected;
    } cases[] = {
        {"minimum skips the word", &TExtStringGrid::ColumnMin, {"5", "abc", "7"}, 5},
        {"minimum skips a euro word", &TExtStringGrid::ColumnMin, {"5", "\xE2\x82\xAC", "7"}, 5},
        {"maximum skips a negative word", &TExtStringGrid::ColumnMax, {"-5", "-abc", "-7"}, -5},
        {"sum", &TExtStringGrid::ColumnSum, {"5", "(abc)", "7"}, 12},
        {"average still divides by every row", &TExtStringGrid::ColumnAvg, {"5", "abc", "7"}, 4},
        {"an empty cell is 0", &TExtStringGrid::ColumnMin, {"5", "", "7"}, 0},
        {"a dash is 0", &TExtStringGrid::ColumnMin, {"5", " - ", "7"}, 0},
    };
    for (const auto& c : cases) {
        TExtStringGrid g(nullptr);
        Fill(g, c.values, false);
        EXPECT_DOUBLE_EQ((g.*c.op)(1, 1, 3), c.expected) << c.name;
    }

    const struct {
        const char* name;
        Op op;
        std::vector<std::string> values;
        int row;
    } raising[] = {
        {"deviation", &TExtStringGrid::ColumnStdDev, {"5", "abc", "7"}, 2},
        {"first cell of a minimum", &TExtStringGrid::ColumnMin, {"Ω", "5", "7"}, 1},
        {"first cell of a maximum", &TExtStringGrid::ColumnMax, {"abc", "5", "7"}, 1},
    };
    for (const auto& c : raising) {
        TExtStringGrid g(nullptr);
        Fill(g, c.values, false);
        try {
            (void)(g.*c.op)(1, 1, 3);
            ADD_FAILURE() << "no error: " << c.name;
        } catch (const EExtGridError& e) {
            EXPECT_STREQ(e.what(), "Cell does not contain a float value") << c.name;
            EXPECT_EQ(e.Col(), 1) << c.name;
            EXPECT_EQ(e.Row(), c.row) << c.name;
        }
    }
}
