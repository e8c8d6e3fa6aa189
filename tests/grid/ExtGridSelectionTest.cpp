#include <gtest/gtest.h>

#include "grid/ExtGrid.h"

using namespace grid;

TEST(ExtGridSelection, SelectRowsSelectsTheNormalWidth) {
    const struct {
        int row, count;
        TGridRect sel;
    } cases[] = {
        {5, 1, {1, 5, 9, 5}},
        {8, 5, {1, 8, 9, 9}},
        {2, 3, {1, 2, 9, 4}},
    };
    for (const auto& c : cases) {
        TExtStringGrid g(nullptr);
        g.SetColCount(10);
        g.SelectRows(c.row, c.count);
        EXPECT_EQ(g.Selection(), c.sel) << c.row << "+" << c.count;
        EXPECT_EQ(g.Col(), 9);
        EXPECT_EQ(g.Row(), c.sel.Bottom);
        EXPECT_EQ(g.SelectedRowCount(), c.sel.Bottom - c.sel.Top + 1);
        EXPECT_EQ(g.GetSelectedRow(0), c.row);
        EXPECT_EQ(g.GetSelectedRow(c.sel.Bottom - c.sel.Top + 1), -1);
        EXPECT_TRUE(g.GetRowSelect(c.row));
        EXPECT_FALSE(g.GetRowSelect(c.row - 1));
    }
}

TEST(ExtGridSelection, DisjunctRowsAreKeptOnceAndReportedEachTime) {
    TExtStringGrid g(nullptr);
    g.MouseActions().SetDisjunctRowSelect(true);
    int asked = 0, told = 0;
    g.OnRowDisjunctSelect = [&](TObject*, int, bool, bool&) { ++asked; };
    g.OnRowDisjunctSelected = [&](TObject*, int) { ++told; };
    g.SetRowSelect(2, true);
    g.SetRowSelect(3, true);
    g.ClearRepaintLog();
    g.SetRowSelect(3, true);
    EXPECT_TRUE(g.RepaintLog().empty()) << "an unchanged row is not repainted";
    EXPECT_EQ(asked, 2);
    EXPECT_EQ(told, 3);
    EXPECT_EQ(g.SelectedRowCount(), 2);
    EXPECT_EQ(g.RowSelectCount(), 2);
    EXPECT_EQ(g.GetSelectedRow(1), 3);
    g.SetRowSelect(2, false);
    EXPECT_EQ(g.SelectedRowCount(), 1);
    EXPECT_EQ(g.GetSelectedRow(0), 3);

    g.OnRowDisjunctSelect = [](TObject*, int, bool, bool& allow) { allow = false; };
    g.SetRowSelect(5, true);
    EXPECT_FALSE(g.GetRowSelect(5));

    g.OnRowDisjunctSelect = nullptr;
    g.SelectRows(6, 2);
    EXPECT_TRUE(g.GetRowSelect(6));
    EXPECT_TRUE(g.GetRowSelect(7));
    g.ClearRowSelect();
    EXPECT_EQ(g.SelectedRowCount(), 0);
}

TEST(ExtGridSelection, OutOfRangeRowsAndColumnsRaise) {
    TExtStringGrid g(nullptr);
    g.MouseActions().SetDisjunctRowSelect(true);
    const struct {
        const char* name;
        std::function<void()> call;
        const char* message;
    } cases[] = {
        {"get -1", [&] { (void)g.GetRowSelect(-1); }, "Invalid row -1 accessed"},
        {"get RowCount", [&] { (void)g.GetRowSelect(10); }, "Invalid row 10 accessed"},
        {"set -1", [&] { g.SetRowSelect(-1, true); }, "Invalid row accessed"},
        {"set RowCount", [&] { g.SetRowSelect(10, true); }, "Invalid row accessed"},
        {"col get", [&] { (void)g.GetColSelect(g.ColCount()); }, "Invalid column accessed"},
        {"col set", [&] { g.SetColSelect(-1, true); }, "Invalid column accessed"},
    };
    for (const auto& c : cases) {
        try {
            c.call();
            ADD_FAILURE() << c.name;
        } catch (const EExtGridError& e) {
            EXPECT_STREQ(e.what(), c.message) << c.name;
        }
    }
    EXPECT_NO_THROW(g.SetRowSelect(9, true));
}

TEST(ExtGridSelection, RowWithNoNormalRowsAcceptsAnyRow) {
    TExtStringGrid g(nullptr);
    g.SetFixedRowAlways(true);
    g.SetRowCount(1);
    EXPECT_NO_THROW(g.SetRowSelect(3, true));
}

TEST(ExtGridSelection, DisjunctCellsArePackedByRowAndColumn) {
    TExtStringGrid g(nullptr);
    g.MouseActions().SetDisjunctCellSelect(true);
    g.SetSelectedCells(3, 7, true);
    g.SetSelectedCells(3, 7, true);
    EXPECT_EQ(g.SelectedCellsCount(), 1);
    EXPECT_EQ(g.GetSelectedCell(0), (plat::TPoint{3, 7}));
    EXPECT_TRUE(g.GetSelectedCells(3, 7));
    EXPECT_FALSE(g.GetSelectedCells(7, 3));
    g.SetSelectedCells(3, 7, false);
    EXPECT_EQ(g.SelectedCellsCount(), 0);
}

TEST(ExtGridSelection, RangeCellCount) {
    TExtStringGrid g(nullptr);
    g.SetSelection({1, 2, 3, 3});
    EXPECT_EQ(g.SelectedCellsCount(), 6);
    EXPECT_TRUE(g.GetSelectedCells(2, 3));
    EXPECT_FALSE(g.GetSelectedCells(4, 3));
    g.FocusCell(2, 2);
    EXPECT_EQ(g.SelectedCellsCount(), 1);
}

TEST(ExtGridSelection, Columns) {
    TExtStringGrid g(nullptr);
    g.SelectCols(2, 2);
    EXPECT_EQ(g.Selection(), (TGridRect{2, 1, 3, 9}));
    EXPECT_EQ(g.ColSelectCount(), 2);
    g.MouseActions().SetDisjunctColSelect(true);
    g.SelectCols(1, 10);
    EXPECT_EQ(g.ColSelectCount(), 4);
    g.UnSelectCols(2, 1);
    EXPECT_FALSE(g.GetColSelect(2));
    g.ClearColSelect();
    EXPECT_EQ(g.ColSelectCount(), 0);
}

TEST(ExtGridSelection, DisablingTheCurrentRowMovesToTheNextEnabledRow) {
    TExtStringGrid g(nullptr);
    g.SetRow(1);
    g.SetRowEnabled(2, false);
    g.SetRowEnabled(1, false);
    EXPECT_EQ(g.Row(), 3);
    EXPECT_FALSE(g.GetRowEnabled(1));
    EXPECT_TRUE(g.GetRowEnabled(40));

    TExtStringGrid single(nullptr);
    single.SetRowCount(2);
    single.SetRowEnabled(1, false);
    EXPECT_EQ(single.Row(), 1) << "no other enabled row: the current row stays";
}

TEST(ExtGridSelection, ModifiedRows) {
    TExtStringGrid g(nullptr);
    g.SetRowModified(4, true);
    g.SetRowModified(6, true);
    g.SetRowModified(4, false);
    EXPECT_EQ(g.ModifiedRowCount(), 1);
    EXPECT_TRUE(g.GetRowModified(6));
    EXPECT_FALSE(g.GetRowModified(60));
    g.ClearModifiedRows();
    EXPECT_EQ(g.ModifiedRowCount(), 0);
}

TEST(ExtGridSelection, ColumnByHeaderFindsHiddenColumns) {
    TExtStringGrid g(nullptr);
    g.SetColumnHeaders({"#", "A", "B", "C"});
    g.HideColumn(2);
    EXPECT_EQ(g.ColumnByHeader("B"), 2);
    EXPECT_EQ(g.ColumnByHeader("C"), 3);
    EXPECT_EQ(g.ColumnByHeader("b"), -1);
}

TEST(ExtGridSelection, SwapCellsExchangesTextsAndObjects) {
    TExtStringGrid g(nullptr);
    plat::TObject tag;
    g.SetCells(1, 1, "a");
    g.SetObjects(1, 1, &tag);
    g.SetCells(2, 3, "b");
    g.SwapCells({1, 1}, {2, 3});
    EXPECT_EQ(g.Cells(1, 1), "b");
    EXPECT_EQ(g.Cells(2, 3), "a");
    EXPECT_EQ(g.Objects(2, 3), &tag);
}
