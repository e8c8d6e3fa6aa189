// Keys on the string grid: movement, Enter/F2/typing to edit, Tab leaving
// the grid unless the grid keeps it, and the move after Enter.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "grid/ExtGrid.h"
#include "platform/Forms.h"
#include "platform/GuiApp.h"
#include "platform/Messages.h"
#include "platform/StdCtrls.h"
#include "platform/TestHooks.h"

#include "GridOnFormFixture.h"

using namespace grid;
namespace pt = plat::test;

namespace {

class GridKeys : public GridOnForm {
protected:
    void SetUp() override {
        ShowGrid(6, 40, true);
        pt::ProcessEvents();
    }
};

TEST_F(GridKeys, MovementKeys) {
    const struct {
        unsigned short key;
        plat::TShiftState shift;
        int col, row;
    } cases[] = {
        {plat::VK_DOWN, 0, 3, 6},      {plat::VK_UP, 0, 3, 4},   {plat::VK_LEFT, 0, 2, 5},
        {plat::VK_RIGHT, 0, 4, 5},     {plat::VK_HOME, 0, 1, 5}, {plat::VK_END, 0, 5, 5},
        {plat::VK_HOME, plat::ssCtrl, 1, 1}, {plat::VK_END, plat::ssCtrl, 5, 39},
    };
    for (const auto& c : cases) {
        Select(3, 5);
        pt::SendKey(*grid, c.key, c.shift);
        EXPECT_EQ(grid->Col(), c.col) << c.key;
        EXPECT_EQ(grid->Row(), c.row) << c.key;
        EXPECT_FALSE(grid->EditMode()) << c.key;
    }
    Select(3, 5);
    pt::SendKey(*grid, plat::VK_NEXT);
    EXPECT_GT(grid->Row(), 5);
    const int down = grid->Row();
    pt::SendKey(*grid, plat::VK_PRIOR);
    EXPECT_LT(grid->Row(), down);
}

TEST_F(GridKeys, EnterF2AndTypingOpenTheEditor) {
    const struct {
        unsigned short key;
        const char* text;
        const char* editorText;
    } cases[] = {
        {plat::VK_RETURN, "", "cell"},
        {plat::VK_F2, "", "cell"},
        {'K', "k", "k"},
    };
    for (const auto& c : cases) {
        grid->SetCells(2, 2, "cell");
        Select(2, 2);
        pt::SendKey(*grid, c.key, 0, c.text);
        ASSERT_TRUE(grid->EditMode()) << c.key;
        EXPECT_EQ(grid->InplaceEditor()->Text(), c.editorText) << c.key;
        pt::SendKey(*grid->InplaceEditor(), plat::VK_ESCAPE);
        EXPECT_EQ(grid->Cells(2, 2), "cell");
    }
}

TEST_F(GridKeys, TabLeavesTheGridUnlessItKeepsTabs) {
    Select(2, 2);
    pt::TypeText(*grid, "t");
    ASSERT_TRUE(grid->EditMode());
    pt::SendKey(*grid->InplaceEditor(), plat::VK_TAB);
    pt::ProcessEvents();
    EXPECT_FALSE(grid->EditMode());
    EXPECT_EQ(grid->Cells(2, 2), "t");
    EXPECT_TRUE(other->Focused());
    EXPECT_EQ(grid->Col(), 2);

    grid->SetFocus();
    grid->SetOptions(grid->Options() + plat::TGridOptions{plat::goTabs});
    pt::SendKey(*grid, plat::VK_TAB);
    EXPECT_EQ(grid->Col(), 3);
    EXPECT_FALSE(other->Focused());
}

TEST_F(GridKeys, TabsKeptByTheGridWalkTheEditableCells) {
    grid->SetOptions(grid->Options() + plat::TGridOptions{plat::goTabs});
    grid->SetRowCount(3);
    grid->SetColCount(4);
    grid->OnCanEditCell = [](plat::TObject*, int, int col, bool& can) { can = col != 2; };
    const struct {
        int col, row;
        plat::TShiftState shift;
        int toCol, toRow;
    } cases[] = {
        {1, 1, 0, 3, 1},             // past the read-only column
        {3, 1, 0, 1, 2},             // on to the next row
        {3, 2, 0, 1, 1},             // round to the first row
        {3, 1, plat::ssShift, 1, 1}, // backwards past the read-only column
        {1, 2, plat::ssShift, 3, 1}, // back to the row above
    };
    for (const auto& c : cases) {
        Select(c.col, c.row);
        pt::SendKey(*grid, plat::VK_TAB, c.shift);
        EXPECT_EQ(grid->Col(), c.toCol) << c.col << "," << c.row;
        EXPECT_EQ(grid->Row(), c.toRow) << c.col << "," << c.row;
        EXPECT_TRUE(grid->EditMode()) << "the editor opens in the new cell";
        pt::SendKey(*grid->InplaceEditor(), plat::VK_ESCAPE);
    }
    grid->Navigation().SetTabToNextAtEnd(true);
    Select(3, 2);
    pt::SendKey(*grid, plat::VK_TAB);
    EXPECT_TRUE(other->Focused());
}

TEST_F(GridKeys, DownOnTheLastRowAppendsOnlyWhenAsked) {
    Select(2, 39);
    pt::SendKey(*grid, plat::VK_DOWN);
    EXPECT_EQ(grid->RowCount(), 40);
    EXPECT_EQ(grid->Row(), 39);
    grid->Navigation().SetAppendOnArrowDown(true);
    pt::TypeText(*grid, "e");
    pt::SendKey(*grid->InplaceEditor(), plat::VK_DOWN);
    EXPECT_EQ(grid->RowCount(), 41);
    EXPECT_EQ(grid->Row(), 40);
    EXPECT_EQ(grid->Cells(2, 39), "e");
    pt::SendKey(*grid, plat::VK_UP);  // going back appends nothing
    EXPECT_EQ(grid->RowCount(), 41);
}

TEST_F(GridKeys, EnterAdvancesPastReadOnlyCells) {
    grid->Navigation().SetAdvanceOnEnter(true);
    grid->OnCanEditCell = [](plat::TObject*, int, int col, bool& can) { can = col != 3; };
    Select(2, 1);
    pt::TypeText(*grid, "a");
    pt::SendKey(*grid->InplaceEditor(), plat::VK_RETURN);
    EXPECT_EQ(grid->Cells(2, 1), "a");
    EXPECT_EQ(grid->Col(), 4);
    EXPECT_EQ(grid->Row(), 1);
    EXPECT_TRUE(grid->EditMode()) << "the editor reopens in the new cell";
    pt::SendKey(*grid->InplaceEditor(), plat::VK_ESCAPE);

    Select(5, 1);  // the end of the row goes on in the next one
    pt::TypeText(*grid, "b");
    pt::SendKey(*grid->InplaceEditor(), plat::VK_RETURN);
    EXPECT_EQ(grid->Col(), 1);
    EXPECT_EQ(grid->Row(), 2);
}

TEST_F(GridKeys, EnterAtTheLastCellAddsARowOrAColumnWhenAsked) {
    grid->Navigation().SetAdvanceOnEnter(true);
    grid->Navigation().SetAdvanceInsert(true);
    grid->SetRowCount(3);
    grid->SetColCount(4);
    bool allow = false;
    std::vector<int> added, inserted;
    grid->OnCanAddRow = [&](plat::TObject*, bool& can) { can = allow; };
    grid->OnAutoAddRow = [&](plat::TObject*, int row) { added.push_back(row); };
    grid->OnAutoInsertCol = [&](plat::TObject*, int col) { inserted.push_back(col); };
    auto enterAt = [&](int col, int row, const char* text) {
        Select(col, row);
        pt::TypeText(*grid, text);
        pt::SendKey(*grid->InplaceEditor(), plat::VK_RETURN);
        if (grid->EditMode()) pt::SendKey(*grid->InplaceEditor(), plat::VK_ESCAPE);
    };
    enterAt(3, 2, "a");
    EXPECT_EQ(grid->RowCount(), 3) << "the window refused the row";
    EXPECT_EQ(grid->Col(), 1);
    EXPECT_EQ(grid->Row(), 2);
    allow = true;
    enterAt(3, 2, "b");
    EXPECT_EQ(grid->Cells(3, 2), "b");
    EXPECT_EQ(grid->RowCount(), 4);
    EXPECT_EQ(added, std::vector<int>{3});
    EXPECT_EQ(grid->Col(), 1);
    EXPECT_EQ(grid->Row(), 3);

    grid->Navigation().SetAdvanceDirection(adTopBottom);  // down the columns: a new column
    enterAt(3, 3, "c");
    EXPECT_EQ(grid->ColCount(), 5);
    EXPECT_EQ(inserted, std::vector<int>{4});
    EXPECT_EQ(grid->Col(), 4);
    EXPECT_EQ(grid->Row(), 1);
    EXPECT_EQ(added.size(), 1u);
}

TEST_F(GridKeys, AdvanceStopsWhenNoOtherCellIsEditable) {
    grid->Navigation().SetAdvanceOnEnter(true);
    grid->SetRowCount(3);
    grid->SetColCount(3);
    Select(1, 1);
    grid->OnCanEditCell = [](plat::TObject*, int row, int col, bool& can) { can = col == 1 && row == 1; };
    pt::TypeText(*grid, "z");
    pt::SendKey(*grid->InplaceEditor(), plat::VK_RETURN);  // must come back
    EXPECT_EQ(grid->Col(), 1);
    EXPECT_EQ(grid->Row(), 1);
    EXPECT_EQ(grid->Cells(1, 1), "z");
}

TEST_F(GridKeys, TabDownTheColumnsAndAddingRowsAtTheEnd) {
    grid->SetOptions(grid->Options() + plat::TGridOptions{plat::goTabs});
    grid->SetRowCount(3);
    grid->SetColCount(4);
    grid->Navigation().SetTabAdvanceDirection(adTopBottom);
    const struct {
        int col, row;
        plat::TShiftState shift;
        int toCol, toRow;
    } cases[] = {
        {1, 1, 0, 1, 2},             // down the column
        {1, 2, 0, 2, 1},             // on at the top of the next one
        {3, 2, 0, 1, 1},             // round to the first cell
        {2, 1, plat::ssShift, 1, 2}, // backwards: the bottom of the column before
    };
    for (const auto& c : cases) {
        Select(c.col, c.row);
        pt::SendKey(*grid, plat::VK_TAB, c.shift);
        EXPECT_EQ(grid->Col(), c.toCol) << c.col << "," << c.row;
        EXPECT_EQ(grid->Row(), c.toRow) << c.col << "," << c.row;
        if (grid->EditMode()) pt::SendKey(*grid->InplaceEditor(), plat::VK_ESCAPE);
    }

    grid->Navigation().SetTabAdvanceDirection(adLeftRight);
    grid->Navigation().SetAdvanceInsert(true);
    bool allow = false;
    std::vector<int> added;
    grid->OnCanAddRow = [&](plat::TObject*, bool& can) { can = allow; };
    grid->OnAutoAddRow = [&](plat::TObject*, int row) { added.push_back(row); };
    Select(3, 2);
    pt::SendKey(*grid, plat::VK_TAB);
    EXPECT_EQ(grid->RowCount(), 3) << "the window refused the row";
    EXPECT_EQ(grid->Row(), 1);
    if (grid->EditMode()) pt::SendKey(*grid->InplaceEditor(), plat::VK_ESCAPE);
    allow = true;
    Select(3, 2);
    pt::SendKey(*grid, plat::VK_TAB);
    EXPECT_EQ(grid->RowCount(), 4);
    EXPECT_EQ(added, std::vector<int>{3});
    EXPECT_EQ(grid->Row(), 3);
    EXPECT_EQ(grid->Col(), 1);
    EXPECT_TRUE(grid->EditMode()) << "ready to type into the new row";
}

TEST_F(GridKeys, DownAppendsOnlyWhatTheWindowAllows) {
    grid->Navigation().SetAppendOnArrowDown(true);
    bool allow = false;
    std::vector<int> added;
    grid->OnCanAddRow = [&](plat::TObject*, bool& can) { can = allow; };
    grid->OnAutoAddRow = [&](plat::TObject*, int row) { added.push_back(row); };
    Select(2, 39);
    pt::SendKey(*grid, plat::VK_DOWN);
    EXPECT_EQ(grid->RowCount(), 40);
    allow = true;
    pt::SendKey(*grid, plat::VK_DOWN);
    EXPECT_EQ(grid->RowCount(), 41);
    EXPECT_EQ(added, std::vector<int>{40});
    EXPECT_EQ(grid->Row(), 40);
}

}  // namespace
