#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "DataOpsSupport.h"
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

namespace {
// A 5, A 6, B 3 grouped by kind.
void GroupedValues(TExtStringGrid& g, bool summary) {
    GroupKindsAndValues(g, {{"A", "5"}, {"A", "6"}, {"B", "3"}}, summary);
}
}  // namespace

// The header and summary rows of a grouped grid carry the groups' results:
// a total over the column counts the data rows 5, 6 and 3 only.
TEST(ExtGridCalc, GroupedColumnCountsItsDataRowsOnly) {
    using Op = double (TExtStringGrid::*)(int, int, int);
    using GroupOp = void (TExtStringGrid::*)(int);
    const double deviation = std::sqrt((1.0 / 9 + 16.0 / 9 + 25.0 / 9) / 3);
    const struct {
        const char* name;
        bool summary;
        GroupOp group;
        Op op;
        double expected;
    } cases[] = {
        {"sum under group sums", false, &TExtStringGrid::GroupSum, &TExtStringGrid::ColumnSum, 14},
        {"sum beside summary rows", true, &TExtStringGrid::GroupSum, &TExtStringGrid::ColumnSum, 14},
        {"average", false, &TExtStringGrid::GroupSum, &TExtStringGrid::ColumnAvg, 14.0 / 3},
        {"average beside summary rows", true, &TExtStringGrid::GroupSum, &TExtStringGrid::ColumnAvg, 14.0 / 3},
        {"maximum under group sums", false, &TExtStringGrid::GroupSum, &TExtStringGrid::ColumnMax, 6},
        {"minimum under group counts", false, &TExtStringGrid::GroupCount, &TExtStringGrid::ColumnMin, 3},
        {"deviation", false, &TExtStringGrid::GroupSum, &TExtStringGrid::ColumnStdDev, deviation},
        {"distinct texts", true, &TExtStringGrid::GroupSum, &TExtStringGrid::ColumnDistinct, 3},
    };
    for (const auto& c : cases) {
        TExtStringGrid g(nullptr);
        GroupedValues(g, c.summary);
        (g.*c.group)(1);
        EXPECT_NEAR((g.*c.op)(1, -1, -1), c.expected, 1e-9) << c.name;
    }
}

TEST(ExtGridCalc, HiddenRowsAndUngroupedNodesCount) {
    {
        // The issue's own figures: 1, 2 and 4 grouped into A (1, 2) and B (4).
        TExtStringGrid g(nullptr);
        GroupKindsAndValues(g, {{"A", "1"}, {"A", "2"}, {"B", "4"}}, false);
        g.GroupSum(1);
        EXPECT_DOUBLE_EQ(g.ColumnSum(1, -1, -1), 7);
        // A contracted group shows its header only; read by real row, its
        // hidden rows count and the shown headers still do not.
        g.ContractNode(1);
        EXPECT_DOUBLE_EQ(g.ColumnSum(1, -1, -1), 4);
        EXPECT_DOUBLE_EQ(g.ColumnSum(1, 1, g.RowCount() + g.NumHiddenRows() - 1), 7);
    }
    {
        // Nodes of a grid that is not grouped are rows like any other.
        TExtStringGrid g(nullptr);
        Fill(g, {"10", "1", "2"}, false);
        g.AddNode(1, 3);
        EXPECT_DOUBLE_EQ(g.ColumnSum(1, -1, -1), 13);
    }
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

TEST(ExtGridCalc, SumReportsItsProgress) {
    TProgressGrid g(nullptr);
    Fill(g, {"1", "2", "3"}, false);
    g.MergeCells(1, 2, 1, 2);  // row 3 lies under row 2
    EXPECT_DOUBLE_EQ(g.ColumnSum(1, 1, 3), 3);
    using P = std::pair<TGridExportState, int>;
    EXPECT_EQ(g.Log, (std::vector<P>{{esExportStart, 1}, {esExportNextRow, 1}, {esExportNextRow, 2}, {esExportDone, -1}}));
}
