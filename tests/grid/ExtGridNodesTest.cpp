#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "GridOnFormFixture.h"
#include "grid/CellProperties.h"
#include "grid/ExtGrid.h"
#include "grid/ExtGridFooter.h"
#include "platform/TestHooks.h"

using namespace grid;
namespace pt = plat::test;

namespace {

// One fixed row, rows 1.. hold "r1", "r2", ... in column 1.
void FillRows(TExtStringGrid& g, int rows) {
    g.SetColCount(3);
    g.SetRowCount(rows);
    for (int r = 1; r < rows; ++r) g.SetCells(1, r, "r" + std::to_string(r));
}

std::vector<std::string> Shown(TExtStringGrid& g) {
    std::vector<std::string> out;
    for (int r = 1; r < g.RowCount(); ++r) out.push_back(g.Cells(1, r));
    return out;
}

std::vector<std::string> AllRows(int rows) {
    std::vector<std::string> out;
    for (int r = 1; r < rows; ++r) out.push_back("r" + std::to_string(r));
    return out;
}

int LevelOf(TExtStringGrid& g, int row) {
    const TCellProperties* p = g.PropsOf(0, row);
    return p ? p->NodeLevel() : 0;
}

}  // namespace

TEST(ExtGridNodes, AddNodeMarksItsSpanAndMovesOffTheNodeColumn) {
    TExtStringGrid g(nullptr);
    FillRows(g, 10);
    g.SetCol(0);
    EXPECT_FALSE(g.HasNodes());
    g.AddNode(3, 4);
    EXPECT_TRUE(g.HasNodes());
    EXPECT_EQ(g.NodeCount(), 1);
    EXPECT_EQ(g.Col(), 1);
    EXPECT_TRUE(g.IsNode(3));
    EXPECT_EQ(g.GetNodeSpan(3), 4);
    EXPECT_EQ(g.GetNodeLevel(3), 1);
    EXPECT_FALSE(g.GetNodeState(3));
    for (int r = 3; r <= 6; ++r) EXPECT_EQ(LevelOf(g, r), 1) << r;
    EXPECT_EQ(LevelOf(g, 2), 0);
    EXPECT_EQ(LevelOf(g, 7), 0);
    // Inside the span but no node: no node level, no span.
    EXPECT_EQ(g.GetNodeLevel(4), -1);
    EXPECT_EQ(g.GetNodeSpan(4), -1);
    EXPECT_FALSE(g.IsNode(-1));
    g.RemoveNode(3);
    EXPECT_FALSE(g.IsNode(3));
    EXPECT_EQ(g.NodeCount(), 0);
    for (int r = 3; r <= 6; ++r) EXPECT_EQ(LevelOf(g, r), 0) << r;
}

TEST(ExtGridNodes, ContractAndExpandReturnTheSameRowsWithNestedNodes) {
    TExtStringGrid g(nullptr);
    FillRows(g, 12);
    g.AddNode(4, 3);  // inner first: the outer one raises its level
    g.AddNode(2, 6);
    EXPECT_EQ(g.GetNodeLevel(2), 1);
    EXPECT_EQ(g.GetNodeLevel(4), 2);
    g.ContractNode(4);
    EXPECT_TRUE(g.GetNodeState(4));
    EXPECT_EQ(Shown(g), (std::vector<std::string>{"r1", "r2", "r3", "r4", "r7", "r8", "r9", "r10", "r11"}));
    g.ContractNode(2);
    EXPECT_TRUE(g.GetNodeState(2));
    EXPECT_EQ(Shown(g), (std::vector<std::string>{"r1", "r2", "r8", "r9", "r10", "r11"}));
    EXPECT_EQ(g.NumHiddenRows(), 5);
    g.ExpandNode(2);
    EXPECT_EQ(Shown(g), AllRows(12));
    EXPECT_FALSE(g.GetNodeState(2));
    // The inner node came back open, as its rows did.
    EXPECT_FALSE(g.GetNodeState(4));
    EXPECT_EQ(g.NumHiddenRows(), 0);
}

TEST(ExtGridNodes, ContractAllAndExpandAll) {
    TExtStringGrid g(nullptr);
    FillRows(g, 12);
    g.AddNode(1, 3);
    g.AddNode(4, 2);
    g.AddNode(7, 4);
    g.ContractAll();
    EXPECT_EQ(Shown(g), (std::vector<std::string>{"r1", "r4", "r6", "r7", "r11"}));
    for (int r : {1, 2, 4}) EXPECT_TRUE(g.GetNodeState(r)) << r;
    g.ExpandAll();
    EXPECT_EQ(Shown(g), AllRows(12));
    for (int r : {1, 4, 7}) EXPECT_FALSE(g.GetNodeState(r)) << r;
}

TEST(ExtGridNodes, ExpandOneClosesTheNodeThatWasOpen) {
    TExtStringGrid g(nullptr);
    FillRows(g, 9);
    g.AddNode(1, 3);
    g.AddNode(4, 3);
    g.ContractNode(4);
    g.CellNode().SetExpandOne(true);
    // Nodes take real rows: the second node stays at real row 4.
    g.ExpandNode(4);
    EXPECT_TRUE(g.GetNodeState(1));
    EXPECT_FALSE(g.GetNodeState(2));
    EXPECT_EQ(Shown(g), (std::vector<std::string>{"r1", "r4", "r5", "r6", "r7", "r8"}));
}

TEST(ExtGridNodes, ParentRowSkipsAContractedSibling) {
    TExtStringGrid g(nullptr);
    FillRows(g, 9);
    g.AddNode(2, 3);  // S1 over 2..4
    g.AddNode(5, 2);  // S2 over 5..6
    g.AddNode(1, 7);  // P over 1..7
    g.ContractNode(2);
    // Displayed: 1 P, 2 S1 (closed), 3 S2, 4 its child, 5 the last child of P, 6 r8.
    const struct {
        int row;
        int parent;
    } cases[] = {{5, 1}, {4, 3}, {2, 1}, {3, 1}, {1, 1}, {6, -1}};
    for (const auto& c : cases) EXPECT_EQ(g.GetParentRow(c.row), c.parent) << c.row;
    TExtStringGrid plain(nullptr);
    FillRows(plain, 5);
    EXPECT_EQ(plain.GetParentRow(2), -1);
}

TEST(ExtGridNodes, ChildRowsGrowAndShrinkTheirParents) {
    TExtStringGrid g(nullptr);
    FillRows(g, 8);
    g.AddNode(1, 4);
    g.InsertChildRow(2, 1);  // below row 2
    EXPECT_EQ(g.GetNodeSpan(1), 5);
    EXPECT_EQ(g.GetSubNodeCount(1), 1);
    EXPECT_EQ(g.Cells(1, 3), "");
    EXPECT_EQ(LevelOf(g, 3), 1);
    EXPECT_EQ(g.RowCount(), 9);
    g.RemoveChildRow(3);
    EXPECT_EQ(g.GetNodeSpan(1), 4);
    EXPECT_EQ(g.GetSubNodeCount(1), 0);
    EXPECT_EQ(Shown(g), AllRows(8));
}

TEST(ExtGridNodes, SpanTypeTellsTheTreeLine) {
    TExtStringGrid g(nullptr);
    FillRows(g, 8);
    g.AddNode(1, 4);
    const struct {
        int row;
        int type;
    } cases[] = {{1, 0}, {2, 2}, {3, 2}, {4, 1}, {7, 1}};
    for (const auto& c : cases) EXPECT_EQ(g.GetNodeSpanType(c.row), c.type) << c.row;
}

TEST(ExtGridNodes, GlyphHitTest) {
    TExtStringGrid g(nullptr);
    FillRows(g, 6);
    g.AddNode(1, 2);
    const struct {
        TNodeType type;
        int x;
        bool hit;
    } cases[] = {
        {cnXP, 4, false}, {cnXP, 5, true}, {cnXP, 15, true}, {cnXP, 16, false},
        {cn3D, 0, false}, {cn3D, 1, true}, {cn3D, 17, true}, {cn3D, 18, false},
        {cnLeaf, 3, true}, {cnLeaf, 19, true}, {cnLeaf, 20, false},
    };
    for (const auto& c : cases) {
        g.CellNode().SetNodeType(c.type);
        EXPECT_EQ(g.IsOnNodeGlyph(1, c.x), c.hit) << c.type << " at " << c.x;
    }
    g.MouseActions().SetPreciseNodeClick(false);
    for (int x : {-5, 0, 100, 1000}) EXPECT_TRUE(g.IsOnNodeGlyph(1, x)) << x;
}

// Mirrored, the glyph sits at the right edge: the hit zone is counted back
// from the grid's width, two pixels wider than the glyph.
TEST(ExtGridNodes, GlyphHitTestFromTheRightWhenMirrored) {
    TExtStringGrid g(nullptr);
    FillRows(g, 6);
    g.AddNode(1, 2);
    g.SetBiDiMode(plat::bdRightToLeft);
    const int w = g.Width();
    const struct {
        TNodeType type;
        int fromRight;  // x = width - fromRight
        bool hit;
    } cases[] = {
        {cnXP, 1, true},   {cnXP, 18, true},  {cnXP, 19, false}, {cn3D, 20, true}, {cn3D, 21, false},
        {cnLeaf, 22, true}, {cnLeaf, 23, false}, {cnXP, 0, false},
    };
    for (const auto& c : cases) {
        g.CellNode().SetNodeType(c.type);
        EXPECT_EQ(g.IsOnNodeGlyph(1, w - c.fromRight), c.hit) << c.type << " at width - " << c.fromRight;
    }
    // The left-to-right zone near x = 0 is no hit in a mirrored grid.
    g.CellNode().SetNodeType(cnXP);
    EXPECT_FALSE(g.IsOnNodeGlyph(1, 5));
}

TEST(ExtGridNodes, RemovingAFilterLeavesAContractedNodeClosed) {
    TExtStringGrid g(nullptr);
    FillRows(g, 10);
    g.AddNode(2, 4);
    g.ContractNode(2);
    g.OnCustomFilter = [&](TObject*, int Row, bool& Accept) { Accept = g.Cells(1, Row) != "r8"; };
    g.SetFilterActive(true);
    EXPECT_EQ(Shown(g), (std::vector<std::string>{"r1", "r2", "r6", "r7", "r9"}));
    g.SetFilterActive(false);
    EXPECT_EQ(Shown(g), (std::vector<std::string>{"r1", "r2", "r6", "r7", "r8", "r9"}));
    g.ExpandNode(2);
    EXPECT_EQ(Shown(g), AllRows(10));
}

TEST(ExtGridNodes, ExpandButtonSwitchesTheRowHeight) {
    TExtStringGrid g(nullptr);
    FillRows(g, 4);
    g.SetRowHeights(2, 20);
    // A cell without a button: nothing to toggle, the default height.
    EXPECT_FALSE(g.ToggleExpand(1, 2));
    EXPECT_FALSE(g.GetExpandState(1, 2));
    EXPECT_EQ(g.GetExpandHeight(1, 2, true), g.DefaultRowHeight());
    g.AddExpand(1, 2, 60);
    EXPECT_TRUE(g.HasExpand(1, 2));
    std::vector<bool> reported;
    g.OnExpandClick = [&](TObject*, int, int, bool Expanded) { reported.push_back(Expanded); };
    g.ExpandClick(1, 2);
    EXPECT_EQ(g.RowHeights(2), 60);
    EXPECT_TRUE(g.GetExpandState(1, 2));
    g.ExpandClick(1, 2);
    EXPECT_EQ(g.RowHeights(2), 20);
    EXPECT_EQ(reported, (std::vector<bool>{true, false}));
    g.RemoveExpand(1, 2);
    EXPECT_FALSE(g.HasExpand(1, 2));
}

class NodeClick : public GridOnForm {};

TEST_F(NodeClick, ClickOnTheGlyphContractsAndExpands) {
    ShowGrid(3, 8, false);
    for (int r = 1; r < 8; ++r) grid->SetCells(1, r, "r" + std::to_string(r));
    grid->AddNode(2, 3);
    std::vector<std::string> events;
    grid->OnContractNode = [&](TObject*, int r, int) { events.push_back("contract " + std::to_string(r)); };
    grid->OnExpandNode = [&](TObject*, int r, int) { events.push_back("expand " + std::to_string(r)); };
    const plat::TRect cell = grid->CellRect(0, 2);
    const int y = (cell.Top + cell.Bottom) / 2;
    pt::ClickAt(*grid, cell.Left + 10, y);
    EXPECT_TRUE(grid->GetNodeState(2));
    EXPECT_EQ(grid->RowCount(), 6);
    // Beside the glyph nothing happens.
    pt::ClickAt(*grid, cell.Left + 1, y);
    EXPECT_TRUE(grid->GetNodeState(2));
    bool allow = false;
    grid->OnBeforeExpandNode = [&](TObject*, int, int, bool& Allow) { Allow = allow; };
    pt::ClickAt(*grid, cell.Left + 10, y);
    EXPECT_TRUE(grid->GetNodeState(2));
    allow = true;
    pt::ClickAt(*grid, cell.Left + 10, y);
    EXPECT_FALSE(grid->GetNodeState(2));
    EXPECT_EQ(grid->RowCount(), 8);
    EXPECT_EQ(events, (std::vector<std::string>{"contract 2", "expand 2"}));
}

// With hidden rows left out of the totals, the footer follows every node
// that a glyph click or the grid opens or closes; whole-row selection and
// the current row stay as they were.
TEST_F(NodeClick, FooterFollowsTheNodes) {
    ShowGrid(3, 9, false);
    for (int r = 1; r < 8; ++r) grid->SetCells(1, r, std::to_string(1 << (r - 1)));  // 1 .. 64; row 8 is the footer's
    grid->AddNode(2, 3);
    grid->AddNode(5, 2);
    grid->FloatingFooter().SetHeight(24);
    grid->FloatingFooter().SetVisible(true);
    grid->FloatingFooter().SetCalculateHiddenRows(false);
    grid->FloatingFooter().SetColumnCalc(1, acSUM);
    grid->SetOptions(grid->Options() + plat::TGridOptions{plat::goRowSelect});
    grid->SetRow(1);
    const auto total = [&] { return grid->Cells(1, grid->RowCount() - 1); };
    EXPECT_EQ(total(), "127.00");
    const plat::TRect cell = grid->CellRect(0, 2);
    const int y = (cell.Top + cell.Bottom) / 2;
    pt::ClickAt(*grid, cell.Left + 10, y);
    ASSERT_TRUE(grid->GetNodeState(2));
    EXPECT_EQ(total(), "115.00");
    pt::ClickAt(*grid, cell.Left + 10, y);
    ASSERT_FALSE(grid->GetNodeState(2));
    EXPECT_EQ(total(), "127.00");
    EXPECT_TRUE(grid->Options().Contains(plat::goRowSelect));
    EXPECT_EQ(grid->Row(), 1);
    EXPECT_EQ(grid->Selection().Left, grid->FixedCols());
    EXPECT_EQ(grid->Selection().Right, grid->ColCount() - 1);
    grid->ContractAll();
    EXPECT_EQ(total(), "83.00");
    grid->ExpandAll();
    EXPECT_EQ(total(), "127.00");
}
