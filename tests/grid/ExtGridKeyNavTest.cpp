// Keys on the string grid beyond plain movement: Home and End by the
// navigation setting, footer rows, wrapping arrows, scrolling without
// moving, Ctrl+A, the clipboard shortcuts and the selection report.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "grid/ExtGrid.h"
#include "platform/Clipboard.h"
#include "platform/Messages.h"
#include "platform/TestHooks.h"

#include "GridOnFormFixture.h"

using namespace grid;
namespace pt = plat::test;

namespace {

class GridNavKeys : public GridOnForm {
protected:
    void SetUp() override {
        ShowGrid(6, 40, false);
        pt::ProcessEvents();
    }
    void ExpectAt(int col, int row, const std::string& what) {
        EXPECT_EQ(grid->Col(), col) << what;
        EXPECT_EQ(grid->Row(), row) << what;
    }
};

TEST_F(GridNavKeys, HomeAndEndFollowTheSetting) {
    grid->SetFixedFooters(1);  // row 39 sums up; the cursor never goes there
    const struct {
        THomeEndAction mode;
        unsigned short key;
        plat::TShiftState shift;
        int col, row;
    } cases[] = {
        {heFirstLastColumn, plat::VK_HOME, 0, 1, 5},
        {heFirstLastColumn, plat::VK_END, 0, 5, 5},
        {heFirstLastColumn, plat::VK_HOME, plat::ssCtrl, 1, 1},
        {heFirstLastColumn, plat::VK_END, plat::ssCtrl, 5, 38},
        {heFirstLastRow, plat::VK_HOME, 0, 3, 1},
        {heFirstLastRow, plat::VK_END, 0, 3, 38},
        {heFirstLastCell, plat::VK_HOME, 0, 1, 1},
        {heFirstLastCell, plat::VK_END, 0, 5, 38},
    };
    for (const auto& c : cases) {
        grid->Navigation().SetHomeEndKey(c.mode);
        Select(3, 5);
        pt::SendKey(*grid, c.key, c.shift);
        ExpectAt(c.col, c.row, std::string(EnumName(c.mode)) + " key " + std::to_string(c.key));
    }
}

TEST_F(GridNavKeys, KeysAndClicksReportEachRowChangeOnce) {
    std::vector<std::pair<int, int>> seen;
    grid->OnRowUpdate = [&](plat::TObject*, int oldRow, int newRow) { seen.emplace_back(oldRow, newRow); };
    grid->SetRow(2);
    seen.clear();
    pt::SendKey(*grid, plat::VK_DOWN);
    pt::SendKey(*grid, plat::VK_RIGHT);  // same row: nothing to report
    const plat::TRect r = grid->GridCellRect(2, 5);
    pt::ClickAt(*grid, (r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
    grid->OnSelectCell = [](plat::TObject*, int, int, bool& can) { can = false; };
    pt::SendKey(*grid, plat::VK_DOWN);  // refused: the row stays
    EXPECT_EQ(seen, (std::vector<std::pair<int, int>>{{2, 3}, {3, 5}}));
    ExpectAt(2, 5, "after the refused move");
}

TEST_F(GridNavKeys, FooterRowsAreNeverReached) {
    grid->SetFixedFooters(2);
    const struct {
        unsigned short key;
        plat::TShiftState shift;
        int from;
    } cases[] = {{plat::VK_DOWN, 0, 37}, {plat::VK_NEXT, 0, 30}, {plat::VK_END, plat::ssCtrl, 5}};
    for (const auto& c : cases) {
        Select(2, c.from);
        pt::SendKey(*grid, c.key, c.shift);
        EXPECT_EQ(grid->Row(), 37) << c.key;
    }
}

TEST_F(GridNavKeys, ArrowsWrapWhenAsked) {
    const struct {
        TCursorAdvance mode;
        unsigned short key;
        int fromCol, fromRow, col, row;
    } cases[] = {
        {caDefault, plat::VK_RIGHT, 5, 3, 5, 3},
        {caLoop, plat::VK_RIGHT, 5, 3, 1, 3},
        {caLoop, plat::VK_LEFT, 1, 3, 5, 3},
        {caLoop, plat::VK_DOWN, 2, 39, 2, 1},
        {caLoop, plat::VK_UP, 2, 1, 2, 39},
        {caSnake, plat::VK_RIGHT, 5, 3, 1, 4},
        {caSnake, plat::VK_RIGHT, 5, 39, 1, 39},  // the last row stays the last
        {caSnake, plat::VK_LEFT, 1, 3, 5, 2},
        {caSnake, plat::VK_DOWN, 2, 39, 3, 1},
        {caSnake, plat::VK_RIGHT, 3, 3, 4, 3},  // inside the table: one step
    };
    for (const auto& c : cases) {
        grid->Navigation().SetCursorAdvance(c.mode);
        Select(c.fromCol, c.fromRow);
        pt::SendKey(*grid, c.key);
        ExpectAt(c.col, c.row, std::string(EnumName(c.mode)) + " from " + std::to_string(c.fromCol) + "," +
                                   std::to_string(c.fromRow));
    }
}

TEST_F(GridNavKeys, MoveScrollOnlyScrollsTheViewAndKeepsTheCell) {
    grid->Navigation().SetMoveScrollOnly(true);
    Select(2, 3);
    pt::SendKey(*grid, plat::VK_DOWN);
    EXPECT_EQ(grid->TopRow(), 2);
    pt::SendKey(*grid, plat::VK_END);
    EXPECT_EQ(grid->TopRow(), 40 - grid->VisibleRowCount());
    pt::SendKey(*grid, plat::VK_HOME);
    EXPECT_EQ(grid->TopRow(), 1);
    ExpectAt(2, 3, "the current cell stays");
}

TEST_F(GridNavKeys, CtrlASelectsTheNormalCellsAndReportsOnce) {
    std::vector<plat::TGridRect> reports;
    grid->OnSelectionChanged = [&](plat::TObject*, int l, int t, int r, int b) { reports.push_back({l, t, r, b}); };
    grid->SetFixedFooters(1);
    grid->SetOptions(grid->Options() - plat::TGridOptions{plat::goRangeSelect});
    Select(2, 2);
    pt::SendKey(*grid, 'A', plat::ssCtrl);
    EXPECT_EQ(grid->Selection(), (plat::TGridRect{2, 2, 2, 2})) << "no range selection in this grid";
    grid->SetOptions(grid->Options() + plat::TGridOptions{plat::goRangeSelect});
    pt::SendKey(*grid, 'A', plat::ssCtrl);
    const plat::TGridRect all{1, 1, 5, 38};
    EXPECT_EQ(grid->Selection(), all);
    EXPECT_EQ(reports, std::vector<plat::TGridRect>{all});
    pt::SendKey(*grid, 'A', plat::ssCtrl);
    EXPECT_EQ(reports.size(), 1u) << "an unchanged selection is not reported";
    pt::SendKey(*grid, plat::VK_DOWN);
    EXPECT_EQ(reports.size(), 2u);
}

TEST_F(GridNavKeys, ClipboardShortcutsOnlyWhenAllowed) {
    // Cutting and pasting change cells, so they take an editing grid.
    grid->SetOptions(grid->Options() + plat::TGridOptions{plat::goRangeSelect, plat::goEditing});
    grid->SetCells(1, 1, "a");
    grid->SetCells(2, 1, "b");
    grid->SetCells(1, 2, "c");
    grid->SetCells(2, 2, "d");
    grid->SetReadOnly(2, 2, true);
    grid->SetSelection({1, 1, 2, 2});
    plat::Clipboard().SetAsText("before");
    pt::SendKey(*grid, 'C', plat::ssCtrl);
    ASSERT_EQ(grid->Selection(), (plat::TGridRect{1, 1, 2, 2}));
    EXPECT_EQ(plat::Clipboard().AsText(), "before") << "shortcuts are off by default";

    grid->Navigation().SetAllowClipboardShortCuts(true);
    bool allowCut = false;
    grid->OnClipboardCut = [&](plat::TObject*, bool& allow) { allow = allowCut; };
    pt::SendKey(*grid, 'X', plat::ssCtrl);
    EXPECT_EQ(plat::Clipboard().AsText(), "before") << "the window refused the cut";
    EXPECT_EQ(grid->Cells(1, 1), "a");

    pt::SendKey(*grid, plat::VK_INSERT, plat::ssCtrl);
    EXPECT_EQ(plat::Clipboard().AsText(), "a\tb\r\nc\td\r\n");
    allowCut = true;
    pt::SendKey(*grid, 'X', plat::ssCtrl);
    EXPECT_EQ(grid->Cells(1, 1), "");
    EXPECT_EQ(grid->Cells(2, 2), "d") << "a read-only cell keeps its text";

    grid->SetSelection({3, 4, 3, 4});
    pt::SendKey(*grid, 'V', plat::ssCtrl);
    EXPECT_EQ(grid->Cells(3, 4), "a");
    EXPECT_EQ(grid->Cells(4, 4), "b");
    EXPECT_EQ(grid->Cells(3, 5), "c");
    EXPECT_EQ(grid->Cells(4, 5), "d");
    EXPECT_EQ(grid->Cells(3, 6), "") << "the closing line break adds no row";
    grid->SetSelection({5, 38, 5, 38});
    pt::SendKey(*grid, plat::VK_INSERT, plat::ssShift);  // pasting at the table's edge
    EXPECT_EQ(grid->Cells(5, 38), "a");
    EXPECT_EQ(grid->Cells(5, 39), "c");
    EXPECT_EQ(grid->RowCount(), 40);
}

TEST_F(GridNavKeys, ArrowsStepOverCellsTheWindowDeclaresFixed) {
    // Column 3 and row 6 are read-only labels inside the table.
    grid->OnIsFixedCell = [](plat::TObject*, int r, int c, bool& fixed) { fixed = c == 3 || r == 6; };
    const struct {
        unsigned short key;
        int fromCol, fromRow, col, row;
    } cases[] = {
        {plat::VK_RIGHT, 2, 2, 4, 2}, {plat::VK_LEFT, 4, 2, 2, 2}, {plat::VK_DOWN, 2, 5, 2, 7},
        {plat::VK_UP, 2, 7, 2, 5},    {plat::VK_RIGHT, 4, 2, 5, 2},
    };
    for (const auto& c : cases) {
        Select(c.fromCol, c.fromRow);
        pt::SendKey(*grid, c.key);
        ExpectAt(c.col, c.row, "key " + std::to_string(c.key) + " from " + std::to_string(c.fromCol) + "," +
                                   std::to_string(c.fromRow));
    }
    grid->OnIsFixedCell = [](plat::TObject*, int, int c, bool& fixed) { fixed = c >= 3; };
    Select(2, 2);
    pt::SendKey(*grid, plat::VK_RIGHT);
    ExpectAt(2, 2, "nothing but fixed cells to the right");
}

TEST_F(GridNavKeys, CtrlArrowsCarryTheSelectedRowsWhenAsked) {
    for (int r = 1; r < 8; ++r) grid->SetCells(1, r, "r" + std::to_string(r));
    Select(1, 3);
    pt::SendKey(*grid, plat::VK_DOWN, plat::ssCtrl);
    EXPECT_EQ(grid->Cells(1, 3), "r3") << "a setting";
    grid->Navigation().SetCursorMoveRows(true);
    pt::SendKey(*grid, plat::VK_DOWN, plat::ssCtrl);
    EXPECT_EQ(grid->Cells(1, 4), "r3");
    EXPECT_EQ(grid->Cells(1, 3), "r4");
    EXPECT_EQ(grid->Row(), 4) << "the cursor goes with its row";
    grid->SetOptions(grid->Options() + plat::TGridOptions{plat::goRangeSelect});
    grid->SetSelection({1, 4, 1, 5});  // r3, r5
    pt::SendKey(*grid, plat::VK_UP, plat::ssCtrl);
    const char* expected[] = {"r1", "r2", "r3", "r5", "r4", "r6", "r7"};
    for (int r = 1; r < 8; ++r) EXPECT_EQ(grid->Cells(1, r), expected[r - 1]) << r;
    EXPECT_EQ(grid->Selection(), (plat::TGridRect{1, 3, 1, 4}));
    Select(1, 1);
    pt::SendKey(*grid, plat::VK_UP, plat::ssCtrl);
    EXPECT_EQ(grid->Cells(1, 1), "r1") << "the first row stays first";
}

TEST_F(GridNavKeys, KeysBuildTheDisjunctRowSelection) {
    grid->MouseActions().SetDisjunctRowSelect(true);
    Select(2, 3);
    pt::SendKey(*grid, plat::VK_DOWN);
    EXPECT_EQ(grid->SelectedRowCount(), 1);
    EXPECT_TRUE(grid->GetRowSelect(4));
    pt::SendKey(*grid, plat::VK_DOWN, plat::ssCtrl);  // Ctrl keeps what is selected
    EXPECT_TRUE(grid->GetRowSelect(4));
    pt::SendKey(*grid, plat::VK_SPACE);
    EXPECT_FALSE(grid->GetRowSelect(grid->Row()));
    pt::SendKey(*grid, plat::VK_SPACE);
    EXPECT_TRUE(grid->GetRowSelect(grid->Row()));
    pt::SendKey(*grid, plat::VK_DOWN);
    EXPECT_EQ(grid->SelectedRowCount(), 1) << "a plain arrow starts anew";
}

TEST_F(GridNavKeys, InsertAndDeleteRowsWhenAllowed) {
    grid->SetRowCount(5);
    for (int r = 1; r < 5; ++r) grid->SetCells(1, r, "r" + std::to_string(r));
    auto column = [this] {
        std::vector<std::string> v;
        for (int r = 1; r < grid->RowCount(); ++r) v.push_back(grid->Cells(1, r));
        return v;
    };
    Select(1, 2);
    pt::SendKey(*grid, plat::VK_INSERT);
    pt::SendKey(*grid, plat::VK_DELETE);
    EXPECT_EQ(column(), (std::vector<std::string>{"r1", "r2", "r3", "r4"})) << "both are settings";

    grid->Navigation().SetAllowInsertRow(true);
    grid->Navigation().SetAllowDeleteRow(true);
    std::vector<std::string> heard;
    grid->OnAutoInsertRow = [&](plat::TObject*, int r) { heard.push_back("insert " + std::to_string(r)); };
    grid->OnAutoDeleteRow = [&](plat::TObject*, int r) { heard.push_back("delete " + std::to_string(r)); };
    pt::SendKey(*grid, plat::VK_INSERT);  // before: takes the current row's place
    EXPECT_EQ(column(), (std::vector<std::string>{"r1", "", "r2", "r3", "r4"}));
    EXPECT_EQ(grid->Row(), 2);
    grid->Navigation().SetInsertPosition(pInsertAfter);
    Select(1, 5);
    pt::SendKey(*grid, plat::VK_INSERT);  // after the last row: appended, cursor on it
    EXPECT_EQ(column(), (std::vector<std::string>{"r1", "", "r2", "r3", "r4", ""}));
    EXPECT_EQ(grid->Row(), 6);
    bool allowDelete = false;
    grid->OnCanDeleteRow = [&](plat::TObject*, int, bool& allow) { allow = allowDelete; };
    Select(1, 3);
    pt::SendKey(*grid, plat::VK_DELETE);
    EXPECT_EQ(grid->RowCount(), 7) << "refused";
    allowDelete = true;
    pt::SendKey(*grid, plat::VK_DELETE);
    EXPECT_EQ(column(), (std::vector<std::string>{"r1", "", "r3", "r4", ""}));
    EXPECT_EQ(heard, (std::vector<std::string>{"insert 2", "insert 6", "delete 3"}));

    grid->SetRowCount(2);  // the only row left is emptied, not removed
    grid->SetCells(1, 1, "last");
    Select(1, 1);
    pt::SendKey(*grid, plat::VK_DELETE);
    EXPECT_EQ(grid->RowCount(), 2);
    EXPECT_EQ(grid->Cells(1, 1), "");
}

}  // namespace
