// Mouse on the string grid: the wheel, Ctrl+wheel zoom, a double click on
// a header border and the hover row.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "grid/ExtGrid.h"
#include "platform/Application.h"
#include "platform/Forms.h"
#include "platform/GuiApp.h"
#include "platform/TestHooks.h"

#include "GridOnFormFixture.h"

using namespace grid;
namespace pt = plat::test;

namespace {

class GridMouse : public GridOnForm {
protected:
    void SetUp() override {
        ShowGrid(5, 100, false);
        pt::ProcessEvents();
        lines = plat::Mouse->WheelScrollLines();
    }
    int lines = 3;
};

TEST_F(GridMouse, WheelMovesTheCurrentRowByTheLinesPerNotch) {
    const struct {
        int from, delta, to;
    } cases[] = {
        {10, -120, 10 + lines},
        {10, 120, 10 - lines},
        {98, -120, 99},  // held at the last row
        {2, 120, 1},     // and at the first normal row
    };
    for (const auto& c : cases) {
        grid->SetRow(c.from);
        pt::Wheel(*grid, c.delta, 100, 100);
        EXPECT_EQ(grid->Row(), c.to) << c.from << " " << c.delta;
    }
    grid->MouseActions().SetWheelIncrement(1);
    grid->SetRow(10);
    pt::Wheel(*grid, -120, 100, 100);
    EXPECT_EQ(grid->Row(), 11);
}

TEST_F(GridMouse, WheelStepIsReportedOnlyWithAStepOfTheWindow) {
    std::vector<std::string> heard;
    grid->OnMouseWheelDown = [&](plat::TObject*, plat::TShiftState, plat::TPoint, bool&) { heard.push_back("down"); };
    grid->OnMouseWheelUp = [&](plat::TObject*, plat::TShiftState, plat::TPoint, bool&) { heard.push_back("up"); };
    std::vector<int> selected;
    grid->OnSelectionChanged = [&](plat::TObject*, int, int top, int, int) { selected.push_back(top); };
    grid->SetRow(10);
    pt::Wheel(*grid, -120, 100, 100);
    EXPECT_TRUE(heard.empty());
    EXPECT_EQ(selected, std::vector<int>{10 + lines});
    grid->MouseActions().SetWheelIncrement(2);
    pt::Wheel(*grid, -120, 100, 100);
    pt::Wheel(*grid, 120, 100, 100);
    EXPECT_EQ(heard, (std::vector<std::string>{"down", "up"}));
    EXPECT_EQ(grid->Row(), 10 + lines);
}

TEST_F(GridMouse, CtrlWheelZoomsWithinTenSteps) {
    grid->SetRow(10);
    const int w = grid->ColWidths(2), h = grid->RowHeights(3);
    pt::Wheel(*grid, -120, 100, 100, plat::ssCtrl);
    EXPECT_EQ(grid->ColWidths(2), w + lines);
    EXPECT_EQ(grid->RowHeights(3), h + lines);
    EXPECT_EQ(grid->ZoomFactor(), lines);
    EXPECT_EQ(grid->Row(), 10) << "zooming does not move";
    for (int i = 0; i < 12; ++i) pt::Wheel(*grid, -120, 100, 100, plat::ssCtrl);
    EXPECT_LE(grid->ZoomFactor(), 10);
    EXPECT_GT(grid->ZoomFactor() + lines, 10);
    EXPECT_EQ(grid->ColWidths(2), w + grid->ZoomFactor());
    pt::Wheel(*grid, 120, 100, 100, plat::ssCtrl);
    EXPECT_EQ(grid->ColWidths(2), w + grid->ZoomFactor());
}

TEST_F(GridMouse, WindowKeepsAColumnOrRowInItsPlace) {
    grid->SetOptions(grid->Options() + plat::TGridOptions{plat::goColMoving, plat::goRowMoving});
    grid->OnColumnMove = [](plat::TObject*, int col, bool& allow) { allow = col != 3; };
    grid->OnRowMove = [](plat::TObject*, int row, bool& allow) { allow = row != 3; };
    const struct {
        bool cols;
        int from, to;
        bool moves;
    } cases[] = {{true, 3, 1, false}, {true, 2, 1, true}, {false, 3, 1, false}, {false, 2, 1, true}};
    for (const auto& c : cases) {
        const int tag = c.cols ? 0 : 1;
        if (c.cols) grid->SetCells(c.from, 1, "moved");
        else grid->SetCells(1, c.from, "moved");
        const plat::TRect src = c.cols ? grid->GridCellRect(c.from, 0) : grid->GridCellRect(0, c.from);
        const plat::TRect dst = c.cols ? grid->GridCellRect(c.to, 0) : grid->GridCellRect(0, c.to);
        const plat::TPoint a{(src.Left + src.Right) / 2, (src.Top + src.Bottom) / 2};
        const plat::TPoint b{(dst.Left + dst.Right) / 2, (dst.Top + dst.Bottom) / 2};
        pt::MouseDown(*grid, plat::mbLeft, a.X, a.Y);
        pt::MouseMove(*grid, b.X, b.Y, plat::ssLeft);
        pt::MouseUp(*grid, plat::mbLeft, b.X, b.Y);
        const std::string at = c.cols ? grid->Cells(c.to, 1) : grid->Cells(1, c.to);
        EXPECT_EQ(at == "moved", c.moves) << tag << " " << c.from;
        if (c.cols) grid->SetCells(c.moves ? c.to : c.from, 1, "");
        else grid->SetCells(1, c.moves ? c.to : c.from, "");
    }
}

TEST_F(GridMouse, HoverRowFollowsTheMouse) {
    grid->SetHoverRow(true);
    const plat::TRect r = grid->GridCellRect(2, 4);
    pt::MouseMove(*grid, r.Left + 3, r.Top + 3);
    EXPECT_EQ(grid->FHoverRowIdx, 4);
    const plat::TRect head = grid->GridCellRect(2, 0);
    pt::MouseMove(*grid, head.Left + 3, head.Top + 3);
    EXPECT_EQ(grid->FHoverRowIdx, -1);
}

}  // namespace

namespace {

TEST_F(GridMouse, HintOfTheHeaderCellUnderTheMouse) {
    grid->SetHint("grid");
    grid->OnGridHint = [](plat::TObject*, int row, int col, std::string& hint) {
        if (row == 0) hint = "help for column " + std::to_string(col);
    };
    const struct {
        int col, row;
        const char* hint;
    } cases[] = {{2, 0, "help for column 2"}, {3, 0, "help for column 3"}, {2, 4, "grid"}};
    for (const auto& c : cases) {
        const plat::TRect r = grid->GridCellRect(c.col, c.row);
        pt::MouseMove(*grid, r.Left + 3, r.Top + 3);
        EXPECT_EQ(grid->Hint(), c.hint) << c.col << "," << c.row;
    }
    grid->SetHintShowCells(true);
    grid->SetCells(2, 4, "<B>Valve</B> open");
    const plat::TRect r = grid->GridCellRect(2, 4);
    pt::MouseMove(*grid, r.Left + 3, r.Top + 3);
    EXPECT_EQ(grid->Hint(), "Valve open");
    grid->SetCells(2, 4, "Pump <A1>");
    pt::MouseMove(*grid, r.Left + 4, r.Top + 3);
    EXPECT_EQ(grid->Hint(), "Pump <A1>");
}

TEST_F(GridMouse, CommentAndMergedCellHints) {
    grid->SetHint("grid");
    grid->AddComment(3, 5, "checked on Monday");
    grid->MergeCells(1, 7, 2, 2);
    grid->OnGridHint = [](plat::TObject*, int row, int col, std::string& hint) {
        if (row == 7) hint = "block at " + std::to_string(col);
    };
    const struct {
        int col, row;
        const char* hint;
    } cases[] = {{3, 5, "checked on Monday"}, {3, 6, "grid"}, {2, 8, "block at 1"}, {1, 7, "block at 1"}};
    for (const auto& c : cases) {
        const plat::TRect r = grid->GridCellRect(c.col, c.row);
        pt::MouseMove(*grid, r.Left + 3, r.Top + 3);
        EXPECT_EQ(grid->Hint(), c.hint) << c.col << "," << c.row;
    }
}

}  // namespace

namespace {

TEST_F(GridMouse, RightClickSelectsOnlyWhenAsked) {
    grid->SetRow(2);
    const plat::TRect r = grid->GridCellRect(3, 5);
    pt::MouseDown(*grid, plat::mbRight, r.Left + 3, r.Top + 3);
    pt::MouseUp(*grid, plat::mbRight, r.Left + 3, r.Top + 3);
    EXPECT_EQ(grid->Row(), 2);
    grid->MouseActions().SetSelectOnRightClick(true);
    pt::MouseDown(*grid, plat::mbRight, r.Left + 3, r.Top + 3);
    pt::MouseUp(*grid, plat::mbRight, r.Left + 3, r.Top + 3);
    EXPECT_EQ(grid->Row(), 5);
    EXPECT_EQ(grid->Col(), 3);
}

}  // namespace
