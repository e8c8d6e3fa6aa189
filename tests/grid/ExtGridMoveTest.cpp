#include <gtest/gtest.h>

#include <memory>

#include "base/StrUtils.h"
#include "grid/ExtGrid.h"
#include "grid/GridLists.h"
#include "platform/ExtCtrls.h"

using namespace grid;

namespace {
// Every cell holds "col:row", so that a moved cell shows where it came from.
void Label(TExtStringGrid& g) {
    for (int r = 0; r < g.RowCount(); ++r)
        for (int c = 0; c < g.TotalColCount(); ++c) g.SetCells(c, r, base::Format("%d:%d", c, r));
}

std::vector<std::string> Row(TExtStringGrid& g, int r) {
    std::vector<std::string> texts;
    for (int c = 0; c < g.TotalColCount(); ++c) texts.push_back(g.Cells(c, r));
    return texts;
}

std::vector<std::string> Column(TExtStringGrid& g, int c) {
    std::vector<std::string> texts;
    for (int r = 0; r < g.RowCount(); ++r) texts.push_back(g.Cells(c, r));
    return texts;
}
}  // namespace

TEST(ExtGridMove, MoveColumnCarriesCellsPropertiesAndControls) {
    const struct {
        int from, to;
        std::vector<std::string> row1;
    } cases[] = {
        {1, 3, {"0:1", "2:1", "3:1", "1:1", "4:1"}},
        {3, 1, {"0:1", "3:1", "1:1", "2:1", "4:1"}},
        {2, 2, {"0:1", "1:1", "2:1", "3:1", "4:1"}},
    };
    for (const auto& c : cases) {
        TExtStringGrid g(nullptr);
        Label(g);
        g.SetColors(c.from, 1, plat::clRed);
        plat::TPanel control(nullptr);
        g.SetCellControls(c.from, 2, &control);
        g.MoveColumn(c.from, c.to);
        EXPECT_EQ(Row(g, 1), c.row1) << c.from << "->" << c.to;
        EXPECT_EQ(g.Colors(c.to, 1), plat::clRed) << c.from << "->" << c.to;
        EXPECT_EQ(g.CellControls(c.to, 2), &control);
        ASSERT_EQ(g.CellControlList().Count(), 1);
        EXPECT_EQ(g.CellControlList().Control(0).X, c.to);
        g.SetCellControls(c.to, 2, nullptr);
    }
}

TEST(ExtGridMove, MoveRowCarriesTheRowAndItsControl) {
    TExtStringGrid g(nullptr);
    Label(g);
    plat::TPanel control(nullptr);
    g.SetCellControls(2, 6, &control);
    g.MoveRow(6, 2);
    EXPECT_EQ(Column(g, 1), (std::vector<std::string>{"1:0", "1:1", "1:6", "1:2", "1:3", "1:4", "1:5", "1:7",
                                                      "1:8", "1:9"}));
    EXPECT_EQ(g.CellControls(2, 2), &control);
    EXPECT_EQ(g.CellControlList().Control(0).Y, 2);
    g.SetCellControls(2, 2, nullptr);
}

TEST(ExtGridMove, MoveRowsPutsTheBlockBeforeTheTargetRow) {
    const struct {
        int from, to, count;
        std::vector<std::string> col1;
    } cases[] = {
        // Rows 2 to 4 moved down start at row 5.
        {2, 8, 3, {"1:0", "1:1", "1:5", "1:6", "1:7", "1:2", "1:3", "1:4", "1:8", "1:9"}},
        {6, 1, 2, {"1:0", "1:6", "1:7", "1:1", "1:2", "1:3", "1:4", "1:5", "1:8", "1:9"}},
        {4, 4, 2, {"1:0", "1:1", "1:2", "1:3", "1:4", "1:5", "1:6", "1:7", "1:8", "1:9"}},
        {4, 7, 0, {"1:0", "1:1", "1:2", "1:3", "1:4", "1:5", "1:6", "1:7", "1:8", "1:9"}},
    };
    for (const auto& c : cases) {
        TExtStringGrid g(nullptr);
        Label(g);
        g.SetRowHeights(2, 40);
        g.MoveRows(c.from, c.to, c.count);
        EXPECT_EQ(Column(g, 1), c.col1) << c.from << "->" << c.to << " x" << c.count;
        EXPECT_EQ(g.RowCount(), 10);
        if (c.count == 3) {
            // Heights stay with their places; the moved rows take the default.
            EXPECT_EQ(g.RowHeights(5), g.DefaultRowHeight());
        }
    }
}

TEST(ExtGridMove, MoveRowsKeepsPropertiesAndControlsWithTheBlock) {
    TExtStringGrid g(nullptr);
    Label(g);
    g.SetColors(2, 3, plat::clBlue);
    plat::TPanel control(nullptr);
    g.SetCellControls(1, 3, &control);
    g.MoveRows(2, 8, 3);
    EXPECT_EQ(g.Cells(2, 6), "2:3");
    EXPECT_EQ(g.Colors(2, 6), plat::clBlue);
    EXPECT_EQ(g.Colors(2, 3), plat::clNone);
    EXPECT_EQ(g.CellControls(1, 6), &control);
    ASSERT_EQ(g.CellControlList().Count(), 1);
    EXPECT_EQ(g.CellControlList().Control(0).Y, 6);
    EXPECT_EQ(g.NumCellControls(), 1);
    g.SetCellControls(1, 6, nullptr);
    EXPECT_EQ(g.NumCellControls(), 0);
}

TEST(ExtGridMove, RemovingAndInsertingRowsKeepsHiddenRowsOnTheirOwnRows) {
    TExtStringGrid g(nullptr);
    Label(g);
    g.HideRow(7);
    g.RemoveRowsEx(2, 2);  // real rows 2 and 3
    EXPECT_EQ(g.RowCount(), 7);
    EXPECT_TRUE(g.IsHiddenRow(5));
    EXPECT_EQ(g.AllCells(1, 5), "1:7");
    g.InsertRows(1, 3);
    EXPECT_EQ(g.RowCount(), 10);
    EXPECT_EQ(g.Cells(1, 1), "");
    EXPECT_TRUE(g.IsHiddenRow(8));
    g.UnHideRowsAll();
    EXPECT_EQ(Column(g, 1), (std::vector<std::string>{"1:0", "", "", "", "1:1", "1:4", "1:5", "1:6", "1:7",
                                                      "1:8", "1:9"}));
}

TEST(ExtGridMove, RemovingARowDropsAndHidesItsControl) {
    TExtStringGrid g(nullptr);
    Label(g);
    plat::TPanel gone(nullptr), below(nullptr);
    g.SetCellControls(2, 3, &gone);
    g.SetCellControls(2, 6, &below);
    gone.SetVisible(true);
    g.RemoveRowsEx(3, 1);
    EXPECT_FALSE(gone.Visible());
    EXPECT_EQ(g.NumCellControls(), 1);
    ASSERT_EQ(g.CellControlList().Count(), 1);
    EXPECT_EQ(g.CellControlList().Control(0).Control, &below);
    EXPECT_EQ(g.CellControlList().Control(0).Y, 5);
    EXPECT_EQ(g.CellControls(2, 5), &below);
    g.SetCellControls(2, 5, nullptr);
}

TEST(ExtGridMove, HideRowsExLeavesARangeStartingAtAHiddenRow) {
    TExtStringGrid g(nullptr);
    Label(g);
    g.HideRow(3);
    g.HideRowsEx(3, 5);
    EXPECT_EQ(g.NumHiddenRows(), 1);
    g.HideRowsEx(4, 5);
    EXPECT_EQ(g.NumHiddenRows(), 3);
    EXPECT_EQ(g.AllCells(1, 5), "1:5");
    EXPECT_EQ(g.Cells(1, 3), "1:6");
}

TEST(ExtGridMove, InsertColsShiftsCellsWidthsAndTheHiddenMap) {
    TExtStringGrid g(nullptr);
    g.SetColCount(6);
    for (int c = 0; c < 6; ++c) g.SetColWidths(c, 40 + c);
    Label(g);
    g.HideColumn(4);
    g.HideRow(8);
    g.InsertCols(2, 2);
    EXPECT_EQ(g.TotalColCount(), 8);
    EXPECT_EQ(g.ColCount(), 7);
    EXPECT_TRUE(g.IsHiddenColumn(6));
    EXPECT_FALSE(g.IsHiddenColumn(4));
    EXPECT_EQ(Row(g, 1), (std::vector<std::string>{"0:1", "1:1", "", "", "2:1", "3:1", "4:1", "5:1"}));
    EXPECT_EQ(g.AllCells(6, 8), "4:8");
    EXPECT_EQ(g.AllColWidths(2), g.DefaultColWidth());
    EXPECT_EQ(g.AllColWidths(4), 42);
    EXPECT_EQ(g.AllColWidths(7), 45);
    g.UnHideColumn(6);
    EXPECT_EQ(g.AllColWidths(6), 44);
    EXPECT_EQ(g.Cells(6, 1), "4:1");
}

TEST(ExtGridMove, AddColumnAppendsAnEmptyDefaultColumn) {
    TExtStringGrid g(nullptr);
    Label(g);
    g.AddColumn();
    EXPECT_EQ(g.ColCount(), 6);
    EXPECT_EQ(g.ColWidths(5), g.DefaultColWidth());
    EXPECT_EQ(g.Cells(5, 1), "");
    EXPECT_EQ(g.Cells(4, 1), "4:1");
}

TEST(ExtGridMove, RemoveColsCutsAtTheLastStoredColumn) {
    const struct {
        int at, count;
        std::vector<std::string> row2;
        int colCount, hidden;
    } cases[] = {
        {1, 2, {"0:2", "3:2", "4:2", "5:2"}, 3, 1},
        {4, 10, {"0:2", "1:2", "2:2", "3:2"}, 4, 0},  // reaches past the end: up to the last column
        {3, 1, {"0:2", "1:2", "2:2", "4:2", "5:2"}, 4, 1},
    };
    for (const auto& c : cases) {
        TExtStringGrid g(nullptr);
        g.SetColCount(6);
        for (int k = 0; k < 6; ++k) g.SetColWidths(k, 40 + k);
        Label(g);
        g.SetColors(5, 2, plat::clRed);
        g.HideColumn(4);
        g.RemoveCols(c.at, c.count);
        EXPECT_EQ(Row(g, 2), c.row2) << c.at << "+" << c.count;
        EXPECT_EQ(g.ColCount(), c.colCount) << c.at << "+" << c.count;
        EXPECT_EQ(g.NumHiddenColumns(), c.hidden) << c.at << "+" << c.count;
        // The hidden column keeps its saved width wherever it went.
        if (c.hidden == 1) {
            const int k = c.at < 4 ? 4 - c.count : 4;
            EXPECT_TRUE(g.IsHiddenColumn(k));
            EXPECT_EQ(g.AllColWidths(k), 44);
            EXPECT_EQ(g.Colors(k + 1, 2), plat::clRed);
        }
    }
}

TEST(ExtGridMove, RemoveColsNeverRemovesTheLastDisplayedColumn) {
    TExtStringGrid g(nullptr);
    g.SetColCount(2);
    g.HideColumn(1);
    g.RemoveCols(0, 1);
    EXPECT_EQ(g.ColCount(), 1);
    EXPECT_EQ(g.TotalColCount(), 2);
}

TEST(ExtGridMove, SortedAndUnsortedViews) {
    TExtStringGrid g(nullptr);
    Label(g);
    // Rows 1..3 as sorted: row 1 shows what was row 3, and so on.
    g.SortXRef() = {0, 3, 1, 2};
    EXPECT_EQ(g.UnSortedRowIndex(3), 1);
    EXPECT_EQ(g.UnSortedRowIndex(7), 4);  // not in the cross reference: its count
    EXPECT_EQ(g.SortedRowIndex(1), 3);
    EXPECT_EQ(g.SortedRowIndex(6), 6);
    EXPECT_EQ(g.UnSortedCells(2, 3), "2:1");
    EXPECT_EQ(g.UnSortedCells(2, 9), "2:9");  // more rows than the reference holds
    g.SetUnSortedCells(2, 1, "x");
    EXPECT_EQ(g.Cells(2, 2), "x");
    g.SortXRef().clear();
    EXPECT_EQ(g.UnSortedCells(2, 3), "2:3");
    EXPECT_EQ(g.UnSortedRowIndex(3), 3);
}

TEST(ExtGridMove, IntegralHeightKeepsWholeRows) {
    TExtStringGrid g(nullptr);
    g.SetColCount(2);
    g.SetDefaultRowHeight(20);
    g.SetIntegralHeight(true);
    g.SetHeight(105);
    EXPECT_EQ(g.Height(), 100);
    g.SetIntegralHeight(false);
    g.SetHeight(105);
    EXPECT_EQ(g.Height(), 105);
}

TEST(ExtGridMove, CellControlsAreCountedOncePerCell) {
    TExtStringGrid g(nullptr);
    plat::TPanel a(nullptr), b(nullptr);
    g.SetCellControls(2, 2, &a);
    g.SetCellControls(2, 2, &b);
    EXPECT_EQ(g.NumCellControls(), 1);
    EXPECT_EQ(g.CellControlList().Count(), 1);
    EXPECT_EQ(g.CellControls(2, 2), &b);
    EXPECT_EQ(b.Parent(), &g);
    g.SetCellControls(2, 2, nullptr);
    g.SetCellControls(2, 2, nullptr);
    EXPECT_EQ(g.NumCellControls(), 0);
    EXPECT_EQ(g.CellControlList().Count(), 0);
    b.SetParent(nullptr);
    a.SetParent(nullptr);
}

TEST(ExtGridMove, HidingARowHidesItsControlAndShowingPlacesItAgain) {
    TExtStringGrid g(nullptr);
    Label(g);
    plat::TPanel control(nullptr);
    g.SetCellControls(1, 4, &control);
    control.SetVisible(true);
    g.HideRow(4);
    EXPECT_FALSE(control.Visible());
    EXPECT_EQ(g.CellControlList().Control(0).Y, 4) << "listed by its real row";
    g.UnHideRow(4);
    EXPECT_TRUE(control.Visible());
    const plat::TRect r = g.CellRect(1, 4);
    EXPECT_EQ(control.Left(), r.Left - 1);
    EXPECT_EQ(control.Top(), r.Top - 1);
    g.SetCellControls(1, 4, nullptr);
}
