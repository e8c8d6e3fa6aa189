#include <gtest/gtest.h>

#include "base/StrUtils.h"
#include "grid/ExtGrid.h"

using namespace grid;

namespace {
// A grid of 8 real columns whose widths tell the columns apart.
void MakeEightColumns(TExtStringGrid& g) {
    g.SetColCount(8);
    for (int c = 0; c < 8; ++c) g.SetColWidths(c, 40 + c);
}
}  // namespace

TEST(ExtGridHidden, ColumnMapsWithTwoHiddenColumns) {
    TExtStringGrid g(nullptr);
    MakeEightColumns(g);
    g.HideColumn(2);
    g.HideColumn(4);
    EXPECT_EQ(g.ColCount(), 6);
    EXPECT_EQ(g.TotalColCount(), 8);
    EXPECT_EQ(g.NumHiddenColumns(), 2);
    const struct {
        int displayed;
        int real;
    } toReal[] = {{0, 0}, {1, 1}, {2, 3}, {3, 5}, {5, 7}, {6, 8}, {600, 602}};
    for (const auto& c : toReal) EXPECT_EQ(g.RealColIndex(c.displayed), c.real) << c.displayed;
    const struct {
        int real;
        int displayed;
    } toDispl[] = {{0, 0}, {3, 2}, {5, 3}, {2, 2}, {4, 3}, {7, 5}, {600, 598}};
    for (const auto& c : toDispl) EXPECT_EQ(g.DisplColIndex(c.real), c.displayed) << c.real;
    EXPECT_TRUE(g.IsHiddenColumn(2));
    EXPECT_FALSE(g.IsHiddenColumn(3));
    EXPECT_FALSE(g.IsHiddenColumn(700));
    // Displayed widths moved left over the hidden ones.
    EXPECT_EQ(g.ColWidths(2), 43);
    EXPECT_EQ(g.ColWidths(3), 45);
}

TEST(ExtGridHidden, HideAndShowRestoreWidthsExactly) {
    const struct {
        const char* name;
        std::vector<int> hide;
        std::vector<int> show;
    } cases[] = {
        {"one", {3}, {3}},
        {"two, shown in order", {2, 5}, {2, 5}},
        {"two, shown in reverse", {2, 5}, {5, 2}},
        {"neighbours", {3, 4}, {4, 3}},
        {"first and last", {0, 7}, {7, 0}},
    };
    for (const auto& c : cases) {
        TExtStringGrid g(nullptr);
        MakeEightColumns(g);
        for (int k : c.hide) g.HideColumn(k);
        for (int k : c.hide) EXPECT_EQ(g.AllColWidths(k), 40 + k) << c.name;
        for (int k : c.show) g.UnHideColumn(k);
        ASSERT_EQ(g.ColCount(), 8) << c.name;
        for (int k = 0; k < 8; ++k) EXPECT_EQ(g.ColWidths(k), 40 + k) << c.name << " column " << k;
    }
}

TEST(ExtGridHidden, HiddenColumnKeepsWidthThroughOtherChanges) {
    TExtStringGrid g(nullptr);
    MakeEightColumns(g);
    g.HideColumn(3);
    g.HideColumn(6);
    g.UnHideColumn(6);
    g.SetAllColWidths(3, 77);
    g.SetAllColWidths(5, 55);
    g.UnHideColumn(3);
    EXPECT_EQ(g.ColWidths(3), 77);
    EXPECT_EQ(g.ColWidths(5), 55);
}

TEST(ExtGridHidden, LastDisplayedColumnStays) {
    TExtStringGrid g(nullptr);
    g.SetColCount(3);
    g.HideColumns(0, 2);
    EXPECT_EQ(g.ColCount(), 1);
    EXPECT_EQ(g.NumHiddenColumns(), 2);
    EXPECT_FALSE(g.IsHiddenColumn(2));
    g.HideColumn(1);  // already hidden: nothing changes
    EXPECT_EQ(g.NumHiddenColumns(), 2);
    g.UnHideColumnsAll();
    EXPECT_EQ(g.ColCount(), 3);
}

TEST(ExtGridHidden, TableLoopReachesEveryRealColumn) {
    TExtStringGrid g(nullptr);
    MakeEightColumns(g);
    for (int c = 0; c < 8; ++c) g.SetCells(c, 1, base::IntToStr(c));
    g.HideColumns(2, 3);
    g.SetColCount(g.ColCount());  // a count write leaves hidden columns hidden
    EXPECT_EQ(g.TotalColCount(), 8);
    std::string seen;
    for (int c = 0; c < g.ColCount() + g.NumHiddenColumns(); ++c) seen += g.Cells(c, 1);
    EXPECT_EQ(seen, "01234567");
}

TEST(ExtGridHidden, RowMaps) {
    TExtStringGrid g(nullptr);
    g.HideRows(2, 3);
    g.HideRow(7);
    EXPECT_EQ(g.RowCount(), 7);
    EXPECT_EQ(g.NumHiddenRows(), 3);
    EXPECT_EQ(g.TotalRowCount(), 10);
    const struct {
        int displayed;
        int real;
    } cases[] = {{0, 0}, {1, 1}, {2, 4}, {4, 6}, {5, 8}, {6, 9}};
    for (const auto& c : cases) {
        EXPECT_EQ(g.RealRowIndex(c.displayed), c.real) << c.displayed;
        EXPECT_EQ(g.DisplRowIndex(c.real), c.displayed) << c.real;
    }
}

TEST(ExtGridHidden, HidingOverAnAlreadyHiddenRowKeepsEveryRowsText) {
    TExtStringGrid g(nullptr);
    for (int r = 0; r < 10; ++r) g.SetCells(1, r, "row" + base::IntToStr(r));
    g.SetRowHeights(3, 31);
    g.SetRowHeights(5, 35);
    g.HideRow(4);
    g.HideRows(3, 5);
    EXPECT_EQ(g.NumHiddenRows(), 3);
    EXPECT_EQ(g.AllCells(1, 3), "row3");
    EXPECT_EQ(g.AllCells(1, 4), "row4");
    EXPECT_EQ(g.AllCells(1, 5), "row5");
    EXPECT_EQ(g.Cells(1, 3), "row6");
    g.UnHideRows(3, 5);
    EXPECT_EQ(g.NumHiddenRows(), 0);
    for (int r = 0; r < 10; ++r) EXPECT_EQ(g.Cells(1, r), "row" + base::IntToStr(r));
    EXPECT_EQ(g.RowHeights(3), 31);
    EXPECT_EQ(g.RowHeights(5), 35);
}

TEST(ExtGridHidden, UnHideRowsNeedsItsFirstRowHidden) {
    TExtStringGrid g(nullptr);
    g.HideRows(4, 5);
    g.UnHideRows(3, 5);
    EXPECT_EQ(g.NumHiddenRows(), 2);
}

TEST(ExtGridHidden, UnHideAllShowsEveryRun) {
    TExtStringGrid g(nullptr);
    for (int r = 0; r < 10; ++r) g.SetCells(2, r, base::IntToStr(r));
    g.HideRows(2, 3);
    g.HideRow(7);
    g.UnHideRowsAll();
    EXPECT_EQ(g.RowCount(), 10);
    for (int r = 0; r < 10; ++r) EXPECT_EQ(g.Cells(2, r), base::IntToStr(r));
}

TEST(ExtGridHidden, HiddenRowKeepsEveryRealColumnIncludingHiddenOnes) {
    TExtStringGrid g(nullptr);
    MakeEightColumns(g);
    g.SetCells(6, 4, "six");
    g.HideColumn(6);
    g.HideRow(4);
    EXPECT_EQ(g.AllCells(6, 4), "six");
    g.UnHideRow(4);
    g.UnHideColumn(6);
    EXPECT_EQ(g.Cells(6, 4), "six");
}

TEST(ExtGridHidden, HideAndUnHideSelection) {
    TExtStringGrid g(nullptr);
    g.FocusCell(2, 3);
    g.HideSelection();
    EXPECT_TRUE(g.SelectionHidden());
    g.UnHideSelection();
    EXPECT_FALSE(g.SelectionHidden());
    EXPECT_EQ(g.Selection(), (TGridRect{2, 3, 2, 3}));
}

TEST(ExtGridHidden, FilterLevelHidesAndRestoresRowsInOrder) {
    TExtStringGrid g(nullptr);
    for (int r = 0; r < 10; ++r) g.SetCells(1, r, "r" + base::IntToStr(r));
    g.SetRowHeights(5, 40);
    g.HideRowList({2, 5, 6});
    EXPECT_EQ(g.RowCount(), 7);
    EXPECT_EQ(g.FilterLevel(), 1);
    EXPECT_EQ(g.Cells(1, 2), "r3");
    EXPECT_EQ(g.Cells(1, 4), "r7");
    EXPECT_EQ(g.AllCells(1, 5), "r5");
    g.UnHideRowList();
    g.SetFilterLevel(0);
    EXPECT_EQ(g.RowCount(), 10);
    EXPECT_EQ(g.NumHiddenRows(), 0);
    for (int r = 0; r < 10; ++r) EXPECT_EQ(g.Cells(1, r), "r" + base::IntToStr(r));
    EXPECT_EQ(g.RowHeights(5), 40);
}

TEST(ExtGridHidden, ScrollInViewLeavesAVisibleCellAlone) {
    TExtStringGrid g(nullptr);
    g.SetRowCount(100);
    g.SetCol(2);
    g.SetRow(3);
    g.ScrollInView(2, 3);
    EXPECT_EQ(g.Col(), 2);
    EXPECT_EQ(g.Row(), 3);
    EXPECT_EQ(g.TopRow(), 1);
    EXPECT_EQ(g.LeftCol(), 1);
    g.ScrollInView(2, 60);
    EXPECT_EQ(g.Row(), 60);
    EXPECT_LE(g.TopRow(), 60);
    EXPECT_GT(g.TopRow() + g.VisibleRowCount(), 60);
}
