// The string grid's own messages: middle-button panning, the grid timer
// (blinking cells, hover focus), painting under the update lock and the
// stretch column following a resize.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "grid/ExtGrid.h"
#include "platform/Messages.h"
#include "platform/TestHooks.h"

#include "GridOnFormFixture.h"

using namespace grid;
namespace pt = plat::test;

namespace {

class GridMessages : public GridOnForm {
protected:
    void SetUp() override {
        ShowGrid(6, 60, false);
        pt::ProcessEvents();
    }
    void Tick(int id) { grid->Perform(plat::WM_TIMER, id); }
};

TEST(GridPan, CursorShowsTheDirection) {
    const struct {
        int dx, dy;
        TIntelliPan pan;
        int cursor;
    } cases[] = {
        {0, 0, ipBoth, 8000},   {5, -5, ipBoth, 8000},  {6, 0, ipBoth, 8003},    {-6, 0, ipBoth, 8002},
        {0, 6, ipBoth, 8001},   {0, -6, ipBoth, 8004},  {-6, -6, ipBoth, 8006},  {6, -6, ipBoth, 8005},
        {-6, 6, ipBoth, 8008},  {6, 6, ipBoth, 8007},   {6, 6, ipVertical, 8001}, {6, 6, ipHorizontal, 8003},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TExtStringGrid::PanCursorFor(c.dx, c.dy, c.pan), c.cursor) << c.dx << "," << c.dy;
}

TEST_F(GridMessages, MiddleButtonPansUntilAnyPress) {
    Select(2, 10);
    pt::MouseDown(*grid, plat::mbMiddle, 100, 100);
    pt::MouseUp(*grid, plat::mbMiddle, 100, 100);
    ASSERT_TRUE(grid->IsPanning());
    Tick(TExtStringGrid::PanTimerID);
    EXPECT_EQ(grid->Row(), 10) << "at rest inside the dead zone";
    pt::MouseMove(*grid, 100, 120);
    Tick(TExtStringGrid::PanTimerID);
    Tick(TExtStringGrid::PanTimerID);
    EXPECT_EQ(grid->Row(), 12) << "one row per step below the origin";
    pt::MouseMove(*grid, 160, 120);  // vertical panning ignores the sideways part
    Tick(TExtStringGrid::PanTimerID);
    EXPECT_EQ(grid->Row(), 13);
    EXPECT_EQ(grid->Col(), 2);
    pt::SendKey(*grid, plat::VK_DOWN);
    EXPECT_FALSE(grid->IsPanning());
    EXPECT_EQ(grid->Row(), 14) << "the key that ends panning is handled as usual";
    Tick(TExtStringGrid::PanTimerID);
    EXPECT_EQ(grid->Row(), 14);
    EXPECT_EQ(grid->Cursor(), plat::crDefault);
}

TEST_F(GridMessages, PanningStopsAtTheTableEdgeAndNeedsTheSetting) {
    Select(2, 58);
    pt::MouseDown(*grid, plat::mbMiddle, 100, 100);
    pt::MouseMove(*grid, 100, 140);
    for (int i = 0; i < 5; ++i) Tick(TExtStringGrid::PanTimerID);
    EXPECT_EQ(grid->Row(), 59);
    pt::MouseDown(*grid, plat::mbLeft, 100, 140);
    pt::MouseUp(*grid, plat::mbLeft, 100, 140);
    EXPECT_FALSE(grid->IsPanning());
    grid->SetIntelliPan(ipNone);
    pt::MouseDown(*grid, plat::mbMiddle, 100, 100);
    EXPECT_FALSE(grid->IsPanning());
}

TEST_F(GridMessages, BlinkTickRepaintsOnlyBlinkingVisibleCells) {
    grid->SetCells(2, 3, "<blink>alarm</blink>");
    grid->SetCells(3, 50, "<BLINK>out of view</BLINK>");
    grid->SetCells(4, 4, "steady");
    grid->ClearRepaintLog();
    Tick(TExtStringGrid::GridTimerID);
    EXPECT_TRUE(grid->RepaintLog().empty()) << "blinking is off";
    EXPECT_FALSE(grid->GridBlink());
    grid->SetEnableBlink(true);
    Tick(TExtStringGrid::GridTimerID);
    EXPECT_TRUE(grid->GridBlink());
    EXPECT_EQ(grid->RepaintLog(), (std::vector<TExtStringGrid::TRepaint>{{2, 3}}));
    Tick(TExtStringGrid::GridTimerID);
    EXPECT_FALSE(grid->GridBlink());
    EXPECT_EQ(grid->TimerTicks(), 3);
}

TEST_F(GridMessages, HoveringMovesTheCurrentCellUnderTheRestingPointer) {
    Select(1, 1);
    const plat::TRect r = grid->GridCellRect(3, 4);
    pt::MouseMove(*grid, r.Left + 5, r.Top + 5);
    Tick(TExtStringGrid::GridTimerID);
    EXPECT_EQ(grid->Row(), 1) << "hover focus is a setting";
    grid->SetHovering(true);
    Tick(TExtStringGrid::GridTimerID);
    EXPECT_EQ(grid->Row(), 4);
    EXPECT_EQ(grid->Col(), 3);
    const plat::TRect head = grid->GridCellRect(2, 0);
    pt::MouseMove(*grid, head.Left + 5, head.Top + 5);
    Tick(TExtStringGrid::GridTimerID);
    EXPECT_EQ(grid->Row(), 4) << "a header cell is not taken";
    pt::MouseMove(*grid, r.Left + 5, r.Bottom + 5);
    pt::MouseLeave(*grid);
    Tick(TExtStringGrid::GridTimerID);
    EXPECT_EQ(grid->Row(), 4) << "a pointer that left the grid is not followed";
}

TEST_F(GridMessages, NoPaintUnderTheUpdateLock) {
    grid->Repaint();
    const int painted = grid->PaintID();
    grid->BeginUpdate();
    grid->SetCells(2, 2, "changed");
    grid->Repaint();
    EXPECT_EQ(grid->PaintID(), painted);
    grid->EndUpdate();
    grid->Repaint();
    EXPECT_GT(grid->PaintID(), painted);
}

TEST_F(GridMessages, StretchColumnFollowsTheGridSize) {
    grid->SetColCount(4);
    for (int c = 0; c < 4; ++c) grid->SetColWidths(c, 60);
    grid->ColumnSize().SetStretch(true);
    int resized = 0;
    grid->OnGridResize = [&](plat::TObject*) { ++resized; };
    pt::ProcessEvents();
    const int before = grid->ColWidths(3);
    grid->SetWidth(grid->Width() + 100);
    pt::ProcessEvents();
    EXPECT_EQ(grid->ColWidths(3), before + 100);
    for (int c = 0; c < 3; ++c) EXPECT_EQ(grid->ColWidths(c), 60) << c;
    EXPECT_GE(resized, 1);
}

TEST_F(GridMessages, MovedColumnTakesItsCellsAlong) {
    for (int c = 0; c < 6; ++c) grid->SetCells(c, 3, "c" + std::to_string(c));
    grid->AddCheckBox(2, 4, true, false);
    grid->SetColumnOrder();
    grid->HideRow(5);  // its cells wait aside and must move too
    grid->SetCells(2, 5, "");
    std::vector<std::pair<int, int>> moved;
    grid->OnColumnMoved = [&](plat::TObject*, int from, int to) { moved.push_back({from, to}); };
    Select(4, 3);
    grid->MoveColumn(2, 5);
    EXPECT_EQ(moved, (std::vector<std::pair<int, int>>{{2, 5}}));
    const char* expected[] = {"c0", "c1", "c3", "c4", "c5", "c2"};
    for (int c = 0; c < 6; ++c) EXPECT_EQ(grid->Cells(c, 3), expected[c]) << c;
    EXPECT_TRUE(grid->HasCheckBox(5, 4));
    EXPECT_FALSE(grid->HasCheckBox(2, 4));
    EXPECT_EQ(grid->Col(), 3) << "the current column stays with its cells";
    EXPECT_EQ(grid->ColumnAtPosition(5), 2);
    grid->MoveColumn(5, 2);
    for (int c = 0; c < 6; ++c) EXPECT_EQ(grid->Cells(c, 3), "c" + std::to_string(c)) << c;
    EXPECT_TRUE(grid->HasCheckBox(2, 4));
}

TEST_F(GridMessages, MovedRowTakesItsCellsAlong) {
    for (int r = 1; r < 8; ++r) grid->SetCells(2, r, "r" + std::to_string(r));
    grid->SetReadOnly(3, 2, true);
    std::vector<std::pair<int, int>> moved;
    grid->OnRowMoved = [&](plat::TObject*, int from, int to) { moved.push_back({from, to}); };
    grid->MoveRow(2, 6);
    EXPECT_EQ(moved, (std::vector<std::pair<int, int>>{{2, 6}}));
    const char* expected[] = {"r1", "r3", "r4", "r5", "r6", "r2", "r7"};
    for (int r = 1; r < 8; ++r) EXPECT_EQ(grid->Cells(2, r), expected[r - 1]) << r;
    EXPECT_TRUE(grid->ReadOnly(3, 6));
    EXPECT_FALSE(grid->ReadOnly(3, 2));
}

TEST_F(GridMessages, ColumnsFollowTheGridWidthInProportion) {
    grid->SetColCount(4);
    const int widths[] = {30, 100, 150, 50};
    for (int c = 0; c < 4; ++c) grid->SetColWidths(c, widths[c]);
    grid->ColumnSize().SetSynchWithGrid(true);
    grid->SetWidth(grid->Width() + 1);  // the widths of now are the reference
    pt::ProcessEvents();
    const int base = grid->ClientWidth();
    for (int c = 0; c < 4; ++c) grid->SetColWidths(c, widths[c]);
    grid->SetWidth(grid->Width() + base);  // twice as wide
    pt::ProcessEvents();
    for (int c = 0; c < 4; ++c) EXPECT_NEAR(grid->ColWidths(c), 2 * widths[c], 1) << c;
    grid->SetWidth(grid->Width() - base);  // back: no drift
    pt::ProcessEvents();
    for (int c = 0; c < 4; ++c) EXPECT_NEAR(grid->ColWidths(c), widths[c], 1) << c;
    grid->ColumnSize().SetSynchNormalCellsOnly(true);
    grid->SetWidth(grid->Width() + base);
    pt::ProcessEvents();
    EXPECT_EQ(grid->ColWidths(0), widths[0]) << "the fixed column keeps its width";
    EXPECT_NEAR(grid->ColWidths(2), 2 * widths[2], 1);
}

}  // namespace
