#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "GridOnFormFixture.h"
#include "grid/ExtGrid.h"
#include "grid/ExtGridFooter.h"

using namespace grid;

namespace {

using Table = std::vector<std::vector<std::string>>;

// One fixed row (captions) and one fixed column; rows are given from
// column 1 on.
void Fill(TExtStringGrid& g, const std::vector<std::string>& captions, const Table& rows) {
    g.SetColCount(static_cast<int>(captions.size()) + 1);
    g.SetRowCount(static_cast<int>(rows.size()) + 1);
    for (size_t c = 0; c < captions.size(); ++c) {
        g.SetCells(static_cast<int>(c) + 1, 0, captions[c]);
        g.SetColWidths(static_cast<int>(c) + 1, 50 + 5 * static_cast<int>(c));
    }
    for (size_t r = 0; r < rows.size(); ++r)
        for (size_t c = 0; c < rows[r].size(); ++c)
            g.SetCells(static_cast<int>(c) + 1, static_cast<int>(r) + 1, rows[r][c]);
}

// Every stored cell of every row and column, fixed ones included.
Table Snapshot(TExtStringGrid& g) {
    Table out;
    for (int r = 0; r < g.RowCount(); ++r) {
        out.emplace_back();
        for (int c = 0; c < g.AllColCount(); ++c) out.back().push_back(g.GetGridCell(c, r));
    }
    return out;
}

std::vector<int> Widths(TExtStringGrid& g) {
    std::vector<int> out;
    for (int c = 0; c < g.ColCount(); ++c) out.push_back(g.ColWidths(c));
    return out;
}

const std::vector<std::string> kCaptions = {"Name", "Kind", "Value"};
const Table kRows = {{"n1", "A", "1"}, {"n2", "A", "2"}, {"n3", "B", "4"}};

}  // namespace

TEST(ExtGridGrouping, HeadersBeforeEachRunAndTheColumnLeaves) {
    TExtStringGrid g(nullptr);
    Fill(g, kCaptions, kRows);
    g.Group(2);
    EXPECT_EQ(g.GroupColumn(), 2);
    ASSERT_EQ(g.RowCount(), 6);
    EXPECT_EQ(g.ColCount(), 3);
    // header A, two A rows, header B, the B row; the value stands in column 1.
    const struct {
        int row;
        bool node;
        int span;
        std::string col1, col2;
    } expect[] = {{1, true, 3, "A", ""}, {2, false, -1, "n1", "1"}, {3, false, -1, "n2", "2"},
                  {4, true, 2, "B", ""},  {5, false, -1, "n3", "4"}};
    for (const auto& e : expect) {
        EXPECT_EQ(g.IsNode(e.row), e.node) << e.row;
        EXPECT_EQ(g.GetNodeSpan(e.row), e.span) << e.row;
        EXPECT_EQ(g.GetGridCell(1, e.row), e.col1) << e.row;
        EXPECT_EQ(g.GetGridCell(2, e.row), e.col2) << e.row;
    }
    EXPECT_EQ(g.GetGridCell(2, 0), "Value");
    EXPECT_EQ(g.Row(), 1);
}

TEST(ExtGridGrouping, SummaryRowFollowsEveryGroup) {
    TExtStringGrid g(nullptr);
    Fill(g, kCaptions, kRows);
    g.Grouping().Summary = true;
    g.Group(2);
    ASSERT_EQ(g.RowCount(), 8);
    const std::vector<int> nodes = {1, 5}, summaries = {4, 7};
    for (int r = 1; r < 8; ++r) {
        EXPECT_EQ(g.IsNode(r), std::count(nodes.begin(), nodes.end(), r) == 1) << r;
        EXPECT_EQ(g.IsSummary(r), std::count(summaries.begin(), summaries.end(), r) == 1) << r;
    }
    EXPECT_EQ(g.GetNodeSpan(1), 3);
    EXPECT_EQ(g.GetNodeSpan(5), 2);
    EXPECT_EQ(g.GetGridCell(1, 6), "n3");
}

TEST(ExtGridGrouping, ByColumnOneShowsTheValueInColumnOne) {
    TExtStringGrid g(nullptr);
    Fill(g, kCaptions, {{"x", "1"}, {"x", "2"}, {"y", "3"}});
    g.Group(1);
    ASSERT_EQ(g.RowCount(), 6);
    EXPECT_EQ(g.GetGridCell(1, 1), "x");
    EXPECT_EQ(g.GetGridCell(1, 2), "1");
    EXPECT_EQ(g.GetGridCell(1, 4), "y");
    EXPECT_EQ(g.GetGridCell(1, 0), "Kind");
}

TEST(ExtGridGrouping, ColumnZeroWithoutFixedColumnIsRefused) {
    // Column 0 carries the nodes: grouping by it would take the node column
    // and the values out of the grid for good.
    TExtStringGrid g(nullptr);
    Fill(g, kCaptions, kRows);
    g.SetFixedCols(0);
    for (int r = 1; r < g.RowCount(); ++r) g.SetCells(0, r, r == 3 ? "k2" : "k1");
    const Table rows = Snapshot(g);
    g.Group(0);
    EXPECT_EQ(g.GroupColumn(), -1);
    EXPECT_FALSE(g.HasNodes());
    EXPECT_EQ(Snapshot(g), rows);
}

TEST(ExtGridGrouping, UnGroupRestoresTheGridExactly) {
    const struct {
        const char* name;
        bool summary, mergeHeader, mergeSummary, expandOne;
        int column;
        plat::TColor color;
    } cases[] = {
        {"plain", false, false, false, false, 2, plat::clNone},
        {"summary", true, false, false, false, 2, plat::clNone},
        {"merged", true, true, true, false, 3, plat::clYellow},
        {"coloured, one open", false, false, false, true, 1, plat::clAqua},
    };
    const Table rows = {{"n4", "B", "4"}, {"n1", "A", "1"}, {"n2", "A", "2"}, {"n3", "C", "3"}, {"n5", "A", "5"}};
    for (const auto& c : cases) {
        TExtStringGrid g(nullptr);
        Fill(g, kCaptions, rows);
        g.SortSettings().SetAutoSortForGrouping(false);
        g.Grouping().Summary = c.summary;
        g.Grouping().MergeHeader = c.mergeHeader;
        g.Grouping().MergeSummary = c.mergeSummary;
        g.Grouping().HeaderColor = c.color;
        g.Grouping().SummaryColor = c.color;
        g.CellNode().SetExpandOne(c.expandOne);
        const Table before = Snapshot(g);
        const std::vector<int> widths = Widths(g);
        g.Group(c.column);
        EXPECT_NE(Snapshot(g), before) << c.name;
        g.UnGroup();
        EXPECT_EQ(g.GroupColumn(), -1) << c.name;
        EXPECT_FALSE(g.HasNodes()) << c.name;
        EXPECT_EQ(g.NumHiddenRows(), 0) << c.name;
        EXPECT_EQ(Snapshot(g), before) << c.name;
        EXPECT_EQ(Widths(g), widths) << c.name;
        EXPECT_EQ(g.CellNode().ExpandOne(), c.expandOne) << c.name;
        for (int r = 1; r < g.RowCount(); ++r)
            for (int col = 1; col < g.ColCount(); ++col) {
                EXPECT_EQ(g.Colors(col, r), plat::clNone) << c.name << " " << col << "," << r;
                EXPECT_FALSE(g.IsMergedCell(col, r)) << c.name << " " << col << "," << r;
            }
    }
}

TEST(ExtGridGrouping, ExpandOneLeavesOnlyTheFirstGroupOpen) {
    TExtStringGrid g(nullptr);
    Fill(g, kCaptions, {{"n1", "A", "1"}, {"n2", "A", "2"}, {"n3", "B", "3"}, {"n4", "C", "4"}});
    g.CellNode().SetExpandOne(true);
    g.Group(2);
    // header A with its two rows, then the closed headers B and C.
    ASSERT_EQ(g.RowCount(), 6);
    EXPECT_FALSE(g.GetNodeState(1));
    EXPECT_TRUE(g.GetNodeState(4));
    EXPECT_TRUE(g.GetNodeState(5));
}

TEST(ExtGridGrouping, CalculationsPerGroup) {
    const Table rows = {{"n1", "A", "1"}, {"n2", "A", "2"}, {"n3", "A", "4"}, {"n4", "B", "10"}};
    {
        // Without summary rows the headers take the results.
        TExtStringGrid g(nullptr);
        Fill(g, kCaptions, rows);
        g.Group(2);
        g.GroupSum(2);
        EXPECT_DOUBLE_EQ(g.Floats(2, 1), 7);
        EXPECT_DOUBLE_EQ(g.Floats(2, 5), 10);
        g.GroupCount(2);
        EXPECT_EQ(g.GetGridCell(2, 1), "3");
        EXPECT_EQ(g.GetGridCell(2, 5), "1");
        g.GroupMax(2);
        EXPECT_DOUBLE_EQ(g.Floats(2, 1), 4);
    }
    {
        // With them, the summary rows do; a closed group gets nothing.
        TExtStringGrid g(nullptr);
        Fill(g, kCaptions, rows);
        g.Grouping().Summary = true;
        g.Group(2);
        g.ContractNode(6);
        ASSERT_TRUE(g.IsSummary(5));
        g.GroupSum(2);
        EXPECT_DOUBLE_EQ(g.Floats(2, 5), 7);
        EXPECT_EQ(g.GetGridCell(2, 1), "");
        EXPECT_EQ(g.GetGridCell(2, 7), "");
    }
}

// With the footer bar shown, a group calculation makes the footer total
// the column the same way, over the data rows only.
TEST(ExtGridGrouping, GroupCalculationSetsTheFooterTotal) {
    using GroupOp = void (TExtStringGrid::*)(int);
    const struct {
        const char* name;
        GroupOp op;
        TColumnCalcType calc;
        const char* total;
    } cases[] = {
        {"sum", &TExtStringGrid::GroupSum, acSUM, "14.00"},
        {"average", &TExtStringGrid::GroupAvg, acAVG, "4.67"},
        {"minimum", &TExtStringGrid::GroupMin, acMIN, "3.00"},
        {"maximum", &TExtStringGrid::GroupMax, acMAX, "6.00"},
        {"count", &TExtStringGrid::GroupCount, acCOUNT, "3"},
        {"distinct", &TExtStringGrid::GroupDistinct, acNONE, ""},
        {"deviation", &TExtStringGrid::GroupStdDev, acNONE, ""},
        {"custom", &TExtStringGrid::GroupCustomCalc, acNONE, ""},
    };
    const Table rows = {{"n1", "A", "5"}, {"n2", "A", "6"}, {"n3", "B", "3"}, {"", "", ""}};
    for (const auto& c : cases) {
        TExtStringGrid g(nullptr);
        Fill(g, kCaptions, rows);
        g.FloatingFooter().SetVisible(true);
        g.Group(2);
        (g.*c.op)(2);
        EXPECT_EQ(g.FloatingFooter().ColumnCalc(2), c.calc) << c.name;
        EXPECT_EQ(g.Cells(2, g.RowCount() - 1), c.total) << c.name;
    }
    // A hidden footer is left alone.
    TExtStringGrid g(nullptr);
    Fill(g, kCaptions, rows);
    g.Group(2);
    g.GroupSum(2);
    EXPECT_EQ(g.FloatingFooter().ColumnCalc(2), acNONE);
}

TEST(ExtGridGrouping, HeaderShowsItsCount) {
    const struct {
        std::string format;
        std::string shown;
    } cases[] = {
        {"", "A (3)"},
        {" [%d]", "A [3]"},
        {" %d%%", "A 3%"},
        // A user's format is text, never a printf format.
        {" %s%n%x", "A %s%n%x"},
    };
    for (const auto& c : cases) {
        TExtStringGrid g(nullptr);
        Fill(g, kCaptions, {{"n1", "A", "1"}, {"n2", "A", "2"}, {"n3", "A", "3"}, {"n4", "B", "4"}});
        g.Grouping().ShowGroupCount = true;
        g.Grouping().GroupCountFormat = c.format;
        g.Group(2);
        EXPECT_EQ(g.Cells(1, 1), c.shown) << c.format;
        EXPECT_EQ(g.GetGridCell(1, 1), "A") << c.format;
        EXPECT_EQ(g.Cells(1, 2), "n1") << c.format;
    }
}

TEST(ExtGridGrouping, GroupSortMovesOnlyRowsWithinTheirGroups) {
    TExtStringGrid g(nullptr);
    Fill(g, kCaptions,
         {{"c", "A", "3"}, {"a", "A", "1"}, {"b", "A", "2"}, {"z", "B", "9"}, {"y", "C", "8"}, {"x", "C", "7"}});
    g.SortSettings().SetAutoSortForGrouping(false);
    g.Group(2);
    // Rows: 1 A, 2-4 c a b, 5 B, 6 z, 7 C, 8-9 y x.
    g.ContractNode(g.RealRowIndex(7));
    g.SortSettings().SetColumn(1);
    g.QSortGroup();
    const std::vector<std::string> shown = {"A", "a", "b", "c", "B", "z", "C"};
    for (size_t i = 0; i < shown.size(); ++i) EXPECT_EQ(g.GetGridCell(1, static_cast<int>(i) + 1), shown[i]) << i;
    g.ExpandNode(g.RealRowIndex(7));
    // The closed group was left as it stood.
    EXPECT_EQ(g.GetGridCell(1, 8), "y");
    EXPECT_EQ(g.GetGridCell(1, 9), "x");
}

TEST(ExtGridGrouping, SubGroupAndBackAgain) {
    TExtStringGrid g(nullptr);
    const Table rows = {{"n1", "A", "p"}, {"n2", "A", "p"}, {"n3", "A", "q"}, {"n4", "B", "p"}};
    Fill(g, kCaptions, rows);
    g.SortSettings().SetAutoSortForGrouping(false);
    const Table before = Snapshot(g);
    g.Group(2);
    g.SubGroup(2);
    // A: sub p (n1 n2), sub q (n3); B: sub p (n4).
    ASSERT_EQ(g.RowCount(), 10);
    EXPECT_EQ(g.GetNodeSpan(1), 6);
    EXPECT_EQ(g.GetNodeSpan(2), 3);
    // The grid has no column after the sub-grouping column: the value
    // stands in the sub-header's own cell of that column.
    EXPECT_EQ(g.GetGridCell(2, 2), "p");
    EXPECT_EQ(g.GetGridCell(2, 5), "q");
    EXPECT_EQ(g.GetGridCell(1, 3), "n1");
    EXPECT_EQ(g.GetGridCell(2, 3), "");
    EXPECT_EQ(g.GetNodeLevel(2), 2);
    g.SubUnGroup(2);
    g.UnGroup();
    EXPECT_EQ(Snapshot(g), before);
}

// Sub-groups inside groups with summary rows: a summary row ends the
// sub-runs of its group, the group counts its sub-headers apart from its
// data rows, and taking both levels away restores the grid exactly. A grid
// grouped without summary rows gets the closing one when sub-grouped with
// Summary set.
TEST(ExtGridGrouping, SubGroupBesideSummaryRows) {
    struct TRowShape {
        std::string name, value;
        int span;  // node span, 0 for no node, -1 for a summary row
    };
    using Shape = std::vector<TRowShape>;
    const struct {
        const char* name;
        bool summaryOnGroup, summaryOnSubGroup;
        Shape rows;
    } cases[] = {
        {"summary rows",
         true,
         true,
         {{"A", "", 6}, {"", "p", 3}, {"n1", "", 0}, {"n2", "", 0}, {"", "q", 2}, {"n3", "", 0}, {"", "", -1},
          {"B", "", 3}, {"", "p", 2}, {"n4", "", 0}, {"", "", -1}}},
        {"no summary",
         false,
         false,
         {{"A", "", 6}, {"", "p", 3}, {"n1", "", 0}, {"n2", "", 0}, {"", "q", 2}, {"n3", "", 0}, {"B", "", 3},
          {"", "p", 2}, {"n4", "", 0}}},
        {"closing summary",
         false,
         true,
         {{"A", "", 6}, {"", "p", 3}, {"n1", "", 0}, {"n2", "", 0}, {"", "q", 2}, {"n3", "", 0}, {"B", "", 3},
          {"", "p", 2}, {"n4", "", 0}, {"", "", -1}}},
    };
    for (const auto& c : cases) {
        TExtStringGrid g(nullptr);
        Fill(g, kCaptions, {{"n1", "A", "p"}, {"n2", "A", "p"}, {"n3", "A", "q"}, {"n4", "B", "p"}});
        g.SortSettings().SetAutoSortForGrouping(false);
        const Table before = Snapshot(g);
        g.Grouping().Summary = c.summaryOnGroup;
        g.Group(2);
        g.Grouping().Summary = c.summaryOnSubGroup;
        g.Grouping().ShowGroupCount = true;
        g.SubGroup(2);
        ASSERT_EQ(g.RowCount(), static_cast<int>(c.rows.size()) + 1) << c.name;
        for (size_t i = 0; i < c.rows.size(); ++i) {
            const int r = static_cast<int>(i) + 1;
            const TRowShape& want = c.rows[i];
            EXPECT_EQ(g.GetGridCell(1, r), want.name) << c.name << " row " << r;
            EXPECT_EQ(g.GetGridCell(2, r), want.value) << c.name << " row " << r;
            EXPECT_EQ(g.GetNodeSpan(r), want.span > 0 ? want.span : -1) << c.name << " row " << r;
            EXPECT_EQ(g.IsSummary(r), want.span == -1) << c.name << " row " << r;
        }
        EXPECT_EQ(g.NodeCount(), 5) << c.name;
        EXPECT_EQ(g.GetSubNodeCount(1), 2) << c.name;
        EXPECT_EQ(g.Cells(1, 1), "A (3)") << c.name;
        EXPECT_EQ(g.GetNodeLevel(2), 2) << c.name;
        g.SubUnGroup(2);
        EXPECT_EQ(g.NodeCount(), 2) << c.name;
        EXPECT_EQ(g.GetNodeSpan(1), 4) << c.name;
        EXPECT_EQ(g.GetSubNodeCount(1), 0) << c.name;
        g.Grouping().ShowGroupCount = false;
        g.UnGroup();
        EXPECT_EQ(Snapshot(g), before) << c.name;
        EXPECT_EQ(g.NodeCount(), 0) << c.name;
    }
}

TEST(ExtGridGrouping, SettingsAssignCopiesTheLookOnly) {
    TGrouping from, to;
    from.Summary = true;
    from.MergeHeader = true;
    from.HeaderColor = plat::clRed;
    from.HeaderLineWidth = 5;
    from.GroupCountFormat = "(%d)";
    to.Assign(&from);
    EXPECT_TRUE(to.MergeHeader);
    EXPECT_EQ(to.HeaderColor, plat::clRed);
    EXPECT_EQ(to.GroupCountFormat, "(%d)");
    EXPECT_FALSE(to.Summary);
    EXPECT_EQ(to.HeaderLineWidth, 2);
    plat::TObject other;
    to.Assign(&other);
    to.Assign(nullptr);
    EXPECT_TRUE(to.MergeHeader);
}

TEST(ExtGridGrouping, GroupedGridPicture) {
    GridOnHiddenForm<> f({0, 0, 400, 260}, {0, 0, 380, 240}, 4, 5);
    Fill(*f.g, kCaptions, {{"n1", "A", "1"}, {"n2", "A", "2"}, {"n3", "B", "3"}, {"n4", "B", "4"}});
    f.g->Grouping().Summary = true;
    f.g->Grouping().HeaderColor = plat::clYellow;
    f.g->Group(2);
    f.g->ContractNode(f.g->RealRowIndex(5));
    const plat::TBitmap shot = f.Shot("grouped_grid.png");
    // The open header row is filled with its colour; the closed group's
    // rows are gone from the picture.
    const plat::TRect header = f.g->CellRect(2, 1);
    EXPECT_EQ(shot.Pixel(header.Right - 3, (header.Top + header.Bottom) / 2), plat::clYellow);
    EXPECT_EQ(f.g->RowCount(), 7);
}
