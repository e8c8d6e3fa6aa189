// Row insertion, removal and clearing on a grid that has nodes: the keys
// go through the node-aware row operations, spans follow, and clearing
// takes the nodes away with the cells.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "GridOnFormFixture.h"
#include "grid/CellProperties.h"
#include "grid/ExtGrid.h"
#include "platform/TestHooks.h"

using namespace grid;
namespace pt = plat::test;

namespace {

using Texts = std::vector<std::string>;

Texts Shown(TExtStringGrid& g) {
    Texts out;
    for (int r = 1; r < g.RowCount(); ++r) out.push_back(g.Cells(1, r));
    return out;
}

int LevelOf(TExtStringGrid& g, int row) {
    const TCellProperties* p = g.PropsOf(0, row);
    return p ? p->NodeLevel() : 0;
}

// Rows 1..7 hold r1..r7 in column 1; row 2 is a node over rows 2 to 4.
class NodeRowKeys : public GridOnForm {
protected:
    void SetUp() override {
        ShowGrid(3, 8, false);
        for (int r = 1; r < 8; ++r) grid->SetCells(1, r, "r" + std::to_string(r));
        grid->AddNode(2, 3);
        grid->Navigation().SetAllowInsertRow(true);
        grid->Navigation().SetAllowDeleteRow(true);
        pt::ProcessEvents();
    }
};

}  // namespace

TEST_F(NodeRowKeys, InsertAndDeleteKeysKeepTheNodeSpanInStep) {
    const struct {
        const char* name;
        unsigned short key;
        int row;
        Texts rows;
        int span, subNodes;
        int newLevel;  // node level of the inserted row (-1: nothing inserted)
    } cases[] = {
        // A typed row is a data row, no sub-header: a group count shown from
        // the span and the sub-headers counts it.
        {"insert inside the node", plat::VK_INSERT, 3, {"r1", "r2", "", "r3", "r4", "r5", "r6", "r7"}, 4, 0, 1},
        {"insert outside any node", plat::VK_INSERT, 6, {"r1", "r2", "r3", "r4", "r5", "", "r6", "r7"}, 3, 0, 0},
        // The node had no sub-headers: its count stays 0, not -1.
        {"delete inside the node", plat::VK_DELETE, 4, {"r1", "r2", "r3", "r5", "r6", "r7"}, 2, 0, -1},
        {"delete outside any node", plat::VK_DELETE, 6, {"r1", "r2", "r3", "r4", "r5", "r7"}, 3, 0, -1},
    };
    for (const auto& c : cases) {
        SetUp();
        std::vector<int> heard;
        grid->OnAutoInsertRow = [&](TObject*, int r) { heard.push_back(r); };
        grid->OnAutoDeleteRow = [&](TObject*, int r) { heard.push_back(-r); };
        Select(1, c.row);
        pt::SendKey(*grid, c.key);
        EXPECT_EQ(Shown(*grid), c.rows) << c.name;
        EXPECT_EQ(grid->GetNodeSpan(2), c.span) << c.name;
        EXPECT_EQ(grid->GetSubNodeCount(2), c.subNodes) << c.name;
        EXPECT_EQ(grid->NodeCount(), 1) << c.name;
        if (c.newLevel >= 0) EXPECT_EQ(LevelOf(*grid, c.row), c.newLevel) << c.name;
        EXPECT_EQ(heard, (std::vector<int>{c.key == plat::VK_INSERT ? c.row : -c.row})) << c.name;
    }
}

// Insert on a closed node row opens the node and adds the row to it: the
// node row's values move into the new child below, and the node row is
// left empty for the user to type into.
TEST_F(NodeRowKeys, InsertOnAContractedNodeRowOpensIt) {
    grid->ContractNode(2);
    EXPECT_EQ(grid->RowCount(), 6);
    Select(1, 2);
    pt::SendKey(*grid, plat::VK_INSERT);
    EXPECT_TRUE(grid->IsNode(2));
    EXPECT_FALSE(grid->GetNodeState(2));
    EXPECT_EQ(grid->GetNodeSpan(2), 4);
    EXPECT_EQ(Shown(*grid), (Texts{"r1", "", "r2", "r3", "r4", "r5", "r6", "r7"}));
    EXPECT_EQ(LevelOf(*grid, 3), 1);
}

// Deleting the node row itself takes the node along: its rows come back,
// lose their level, and the grid no longer counts a node.
TEST_F(NodeRowKeys, DeleteKeyOnAContractedNodeRowFreesItsRows) {
    grid->ContractNode(2);
    EXPECT_EQ(grid->RowCount(), 6);
    Select(1, 2);
    pt::SendKey(*grid, plat::VK_DELETE);
    EXPECT_EQ(Shown(*grid), (Texts{"r1", "r3", "r4", "r5", "r6", "r7"}));
    EXPECT_EQ(grid->NodeCount(), 0);
    EXPECT_FALSE(grid->HasNodes());
    for (int r = 1; r < grid->RowCount(); ++r) EXPECT_EQ(LevelOf(*grid, r), 0) << r;
}

TEST(ExtGridNodeRows, RemovingANodeRowDropsItFromTheNodeCount) {
    TExtStringGrid g(nullptr);
    g.SetColCount(3);
    g.SetRowCount(8);
    g.AddNode(2, 2);
    g.AddNode(5, 2);
    g.RemoveRows(2, 1);
    EXPECT_EQ(g.NodeCount(), 1);
    g.RemoveRows(1, 6);
    EXPECT_EQ(g.NodeCount(), 0);
    EXPECT_FALSE(g.HasNodes());
}

// Clearing empties every cell and removes the nodes, so that no row stays
// hidden under a node that is gone; ClearNormalCells does that only when
// the node column is among the cells it empties.
TEST(ExtGridNodeRows, ClearingRemovesTheNodes) {
    const struct {
        const char* name;
        bool all;
        int fixedCols;
        int nodesLeft;
        int rowsShown;
    } cases[] = {
        {"Clear", true, 1, 0, 8},
        {"ClearNormalCells without a fixed column", false, 0, 0, 8},
        {"ClearNormalCells with a fixed column", false, 1, 1, 6},
    };
    for (const auto& c : cases) {
        TExtStringGrid g(nullptr);
        g.SetColCount(4);
        g.SetRowCount(8);
        g.SetFixedCols(c.fixedCols);
        for (int r = 1; r < 8; ++r)
            for (int col = 0; col < 4; ++col) g.SetCells(col, r, "x");
        g.HideColumn(3);
        g.AddNode(2, 3);
        g.ContractNode(2);
        if (c.all) g.Clear();
        else g.ClearNormalCells();
        EXPECT_EQ(g.NodeCount(), c.nodesLeft) << c.name;
        EXPECT_EQ(g.RowCount(), c.rowsShown) << c.name;
        for (int r = 1; r < g.RowCount(); ++r)
            for (int col = c.fixedCols; col < g.AllColCount(); ++col)
                EXPECT_EQ(g.GetGridCell(col, r), "") << c.name << " " << col << "," << r;
    }
}

// Under an active filter the keys work on the row the user sees: the row
// goes in (or out) at its real place among all rows, and the filter holds
// again afterwards.
TEST_F(NodeRowKeys, KeysUnderAFilterWorkOnTheRowShown) {
    grid->RemoveAllNodes();
    grid->SetRowCount(5);
    const Texts all = {"a1", "b2", "a3", "b4"};
    for (int r = 1; r < 5; ++r) grid->SetCells(1, r, all[static_cast<size_t>(r - 1)]);
    TFilterData& f = grid->Filter().Add();
    f.Column = 1;
    f.Condition = "a*";
    grid->SetFilterActive(true);
    ASSERT_EQ(Shown(*grid), (Texts{"a1", "a3"}));
    Select(1, 2);  // a3, real row 3
    pt::SendKey(*grid, plat::VK_INSERT);
    EXPECT_TRUE(grid->FilterActive());
    EXPECT_EQ(Shown(*grid), (Texts{"a1", "a3"}));
    Select(1, 2);
    pt::SendKey(*grid, plat::VK_DELETE);
    EXPECT_TRUE(grid->FilterActive());
    EXPECT_EQ(Shown(*grid), (Texts{"a1"}));
    grid->SetFilterActive(false);
    EXPECT_EQ(Shown(*grid), (Texts{"a1", "b2", "", "b4"}));
}
