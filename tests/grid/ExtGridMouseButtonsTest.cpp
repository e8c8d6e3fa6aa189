// Cells of the string grid that answer the mouse as buttons: fixed cells
// pushed while held, and the expand button of a cell.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "grid/ExtGrid.h"
#include "platform/Bitmap.h"
#include "platform/TestHooks.h"

#include "GridOnFormFixture.h"

using namespace grid;
namespace pt = plat::test;

namespace {

class GridMouseButtons : public GridOnForm {
protected:
    void SetUp() override {
        ShowGrid(5, 8, false);
        pt::ProcessEvents();
    }
    // The cell's pixels, row by row, as the screen shows them now (one
    // picture of the grid: asking pixel by pixel grabs it each time).
    std::vector<plat::TColor> Pixels(int col, int row) {
        pt::ProcessEvents();
        std::filesystem::create_directories(VASTRIMO_TEST_OUT);
        const std::string path = std::string(VASTRIMO_TEST_OUT) + "/grid_link_cell.png";
        EXPECT_TRUE(pt::SaveScreenshot(*grid, path));
        plat::TBitmap bmp;
        EXPECT_TRUE(bmp.LoadFromFile(path));
        const plat::TRect r = grid->CellRect(col, row);
        std::vector<plat::TColor> out;
        for (int y = r.Top; y < r.Bottom; ++y)
            for (int x = r.Left; x < r.Right; ++x) out.push_back(bmp.Pixel(x, y));
        return out;
    }
    plat::TColor At(int x, int y) {
        pt::ProcessEvents();
        const auto p = pt::PixelAt(*grid, x, y);
        return plat::RGB(p.R, p.G, p.B);
    }
};

TEST_F(GridMouseButtons, FixedCellLooksPushedWhileHeld) {
    const struct {
        const char* what;
        bool on, flat;
        int col, row;
        bool pushed;
    } cases[] = {
        {"row header", true, false, 0, 3, true},
        {"column header", true, false, 2, 0, true},
        {"normal cell", true, false, 2, 3, false},
        {"switched off", false, false, 0, 3, false},
        {"flat grid", true, true, 0, 3, false},
    };
    for (const auto& c : cases) {
        grid->SetFixedAsButtons(c.on);
        grid->SetFlat(c.flat);
        const plat::TRect r = grid->CellRect(c.col, c.row);
        const int midX = (r.Left + r.Right) / 2, midY = (r.Top + r.Bottom) / 2;
        // Inner edge points away from the grid's own border.
        const plat::TPoint edges[] = {{c.col > 0 ? r.Left : midX, c.col > 0 ? midY : r.Top}};
        std::vector<plat::TColor> before;
        for (const auto& e : edges) before.push_back(At(e.X, e.Y));
        pt::MouseDown(*grid, plat::mbLeft, midX, midY);
        EXPECT_EQ(grid->PushedFixedCell(), (c.pushed ? plat::TPoint{c.col, c.row} : plat::TPoint{-1, -1})) << c.what;
        if (c.pushed) {
            for (size_t i = 0; i < before.size(); ++i) EXPECT_NE(At(edges[i].X, edges[i].Y), before[i]) << c.what << i;
            std::filesystem::create_directories(VASTRIMO_TEST_OUT);
            EXPECT_TRUE(pt::SaveScreenshot(*grid, std::string(VASTRIMO_TEST_OUT) + "/grid_fixed_pushed.png"));
        }
        pt::MouseUp(*grid, plat::mbLeft, midX, midY);
        EXPECT_EQ(grid->PushedFixedCell(), (plat::TPoint{-1, -1})) << c.what;
        if (c.col == 0 || c.row == 0)
            for (size_t i = 0; i < before.size(); ++i) EXPECT_EQ(At(edges[i].X, edges[i].Y), before[i]) << c.what << i;
    }
}

TEST_F(GridMouseButtons, ExpandButtonTogglesOnlyWhenReleasedOverIt) {
    grid->SetRowHeights(2, 20);
    grid->AddExpand(1, 2, 60);
    std::vector<bool> reported;
    grid->OnExpandClick = [&](plat::TObject*, int, int, bool Expanded) { reported.push_back(Expanded); };
    const plat::TRect b = grid->GetExpandButtonRect(1, 2);
    const int x = (b.Left + b.Right) / 2, y = (b.Top + b.Bottom) / 2;
    pt::ClickAt(*grid, x, y);
    EXPECT_EQ(grid->RowHeights(2), 60);
    // A press on the button let go elsewhere changes nothing.
    const plat::TRect b2 = grid->GetExpandButtonRect(1, 2);
    pt::MouseDown(*grid, plat::mbLeft, (b2.Left + b2.Right) / 2, (b2.Top + b2.Bottom) / 2);
    pt::MouseUp(*grid, plat::mbLeft, b2.Left - 20, b2.Top);
    EXPECT_EQ(grid->RowHeights(2), 60);
    // Beside the button the cell is only selected.
    pt::ClickAt(*grid, b2.Left - 20, (b2.Top + b2.Bottom) / 2);
    EXPECT_EQ(grid->RowHeights(2), 60);
    const plat::TRect b3 = grid->GetExpandButtonRect(1, 2);
    pt::ClickAt(*grid, (b3.Left + b3.Right) / 2, (b3.Top + b3.Bottom) / 2);
    EXPECT_EQ(grid->RowHeights(2), 20);
    EXPECT_EQ(reported, (std::vector<bool>{true, false}));
}

TEST_F(GridMouseButtons, ButtonUnderThePointerLightsUp) {
    // A button of a cell that cannot be edited shows disabled, never hot.
    grid->SetOptions(grid->Options() + plat::TGridOptions{plat::goEditing});
    grid->AddButton(2, 4, 40, 18, "", haCenter, vaCenter);
    grid->AddExpand(3, 2, 60);
    pt::ProcessEvents();
    const plat::TColor face = plat::ColorToRGB(plat::clBtnFace), hot = plat::ColorToRGB(plat::clBtnHighlight);
    ASSERT_NE(face, hot);
    const struct {
        const char* what;
        int col, row;
        plat::TRect box;
    } cases[] = {
        {"cell button", 2, 4, grid->GetCellButtonRect(2, 4)},
        {"expand button", 3, 2, grid->GetExpandButtonRect(3, 2)},
    };
    for (const auto& c : cases) {
        const int x = c.box.Left + 3, y = c.box.Top + 3;  // on the face, clear of the caption or arrow
        EXPECT_EQ(At(x, y), face) << c.what;
        pt::MouseMove(*grid, (c.box.Left + c.box.Right) / 2, (c.box.Top + c.box.Bottom) / 2);
        EXPECT_EQ(grid->HoverButton(), (plat::TPoint{c.col, c.row})) << c.what;
        EXPECT_EQ(At(x, y), hot) << c.what;
        // Beside the button, in the same cell, the button is no longer hot.
        pt::MouseMove(*grid, c.box.Left - 6, (c.box.Top + c.box.Bottom) / 2);
        EXPECT_EQ(grid->HoverButton(), (plat::TPoint{-1, -1})) << c.what;
        EXPECT_EQ(At(x, y), face) << c.what;
    }
    // Leaving the grid from over a button puts it out too.
    const plat::TRect b = grid->GetCellButtonRect(2, 4);
    pt::MouseMove(*grid, b.Left + 5, b.Top + 5);
    EXPECT_EQ(At(b.Left + 3, b.Top + 3), hot);
    pt::MouseLeave(*grid);
    EXPECT_EQ(At(b.Left + 3, b.Top + 3), face);
}

TEST_F(GridMouseButtons, LinkUnderlinedOnlyUnderThePointer) {
    grid->SetURLShow(true);
    grid->SetCells(1, 2, "http://example.org");
    grid->SetCells(1, 5, "plain text");
    const plat::TRect r = grid->CellRect(1, 2);
    const auto always = Pixels(1, 2);
    grid->SetURLUnderlineOnHover(true);
    const auto quiet = Pixels(1, 2);
    EXPECT_NE(quiet, always);
    pt::MouseMove(*grid, (r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
    EXPECT_EQ(Pixels(1, 2), always);
    // Over a cell without a link the underline goes.
    const plat::TRect p = grid->CellRect(1, 5);
    pt::MouseMove(*grid, (p.Left + p.Right) / 2, (p.Top + p.Bottom) / 2);
    EXPECT_EQ(Pixels(1, 2), quiet);
    std::filesystem::create_directories(VASTRIMO_TEST_OUT);
    EXPECT_TRUE(pt::SaveScreenshot(*grid, std::string(VASTRIMO_TEST_OUT) + "/grid_link_hover.png"));
}

TEST_F(GridMouseButtons, FixedBorderSizesAlongTheWholeColumnOrRow) {
    const int w = grid->ColWidths(0), h = grid->RowHeights(0);
    const struct {
        const char* what;
        bool cols, on;
        int dragBy;
        int want;
    } cases[] = {
        {"fixed column wider", true, true, 25, w + 25},
        {"fixed column never below one pixel", true, true, -500, 1},
        {"fixed row taller", false, true, 9, h + 9},
        {"switched off", true, false, 25, w},
    };
    for (const auto& c : cases) {
        grid->SetColWidths(0, w);
        grid->SetRowHeights(0, h);
        grid->MouseActions().SetSizeFixedCol(c.cols && c.on);
        grid->MouseActions().SetSizeFixedRow(!c.cols && c.on);
        // The border is taken in a normal row (column), far from the headers.
        const plat::TRect r = c.cols ? grid->CellRect(0, 5) : grid->CellRect(3, 0);
        const int x = c.cols ? r.Right - 1 : (r.Left + r.Right) / 2;
        const int y = c.cols ? (r.Top + r.Bottom) / 2 : r.Bottom - 1;
        pt::MouseMove(*grid, x, y);
        EXPECT_EQ(grid->Cursor(), !c.on ? plat::crDefault : c.cols ? plat::crSizeWE : plat::crSizeNS) << c.what;
        pt::MouseDown(*grid, plat::mbLeft, x, y);
        const int tx = c.cols ? x + c.dragBy : x, ty = c.cols ? y : y + c.dragBy;
        pt::MouseMove(*grid, tx, ty, plat::ssLeft);
        pt::MouseUp(*grid, plat::mbLeft, tx, ty);
        EXPECT_EQ(c.cols ? grid->ColWidths(0) : grid->RowHeights(0), c.want) << c.what;
        // The press sized; it did not select the cell under it.
        if (c.on) EXPECT_EQ(grid->Row(), 1) << c.what;
    }
}

TEST_F(GridMouseButtons, ResizerStretchesTheSelection) {
    grid->SetSelectionRectangle(true);
    grid->SetSelectionResizer(true);
    // The fill repeats the row it took; it is the smart paste that repeats.
    grid->Navigation().SetAllowSmartClipboard(true);
    grid->SetCells(1, 1, "a");
    grid->SetCells(2, 1, "x");
    grid->SetSelection({1, 1, 2, 1});
    std::vector<std::string> events;
    grid->OnSelectionResize = [&](plat::TObject*, const TGridRect& from, const TGridRect& to) {
        events.push_back("resize " + std::to_string(from.Bottom) + ">" + std::to_string(to.Bottom));
    };
    grid->OnSelectionResized = [&](plat::TObject*, const TGridRect&, const TGridRect&) {
        events.push_back("resized");
    };
    pt::ProcessEvents();
    const plat::TRect corner = grid->CellRect(2, 1);
    // Beside the square the press is an ordinary one.
    EXPECT_FALSE(grid->OnSelectionResizer(corner.Right - 10, corner.Bottom - 2));
    pt::MouseMove(*grid, corner.Right - 2, corner.Bottom - 2);
    EXPECT_EQ(grid->Cursor(), TExtStringGrid::crAllSelect);
    pt::MouseDown(*grid, plat::mbLeft, corner.Right - 2, corner.Bottom - 2);
    const plat::TRect to = grid->CellRect(2, 4);
    pt::MouseMove(*grid, (to.Left + to.Right) / 2, (to.Top + to.Bottom) / 2, plat::ssLeft);
    EXPECT_EQ(grid->Selection(), (TGridRect{1, 1, 2, 4}));
    // The drag keeps the corner's pointer away from the square.
    EXPECT_EQ(grid->Cursor(), TExtStringGrid::crAllSelect);
    pt::MouseUp(*grid, plat::mbLeft, (to.Left + to.Right) / 2, (to.Top + to.Bottom) / 2);
    EXPECT_EQ(grid->Cursor(), plat::crDefault);
    EXPECT_EQ(events, (std::vector<std::string>{"resize 1>4", "resized"}));
}

}  // namespace

namespace {

// Drags the resizer square of the selection's last cell to the middle of
// cell (col, row) and lets go there.
void DragResizerTo(TExtStringGrid& g, int col, int row) {
    pt::ProcessEvents();
    const TGridRect s = g.Selection();
    const plat::TRect corner = g.CellRect(s.Right, s.Bottom);
    pt::MouseMove(g, corner.Right - 2, corner.Bottom - 2);
    pt::MouseDown(g, plat::mbLeft, corner.Right - 2, corner.Bottom - 2);
    const plat::TRect to = g.CellRect(col, row);
    const int x = (to.Left + to.Right) / 2, y = (to.Top + to.Bottom) / 2;
    pt::MouseMove(g, x, y, plat::ssLeft);
    pt::MouseUp(g, plat::mbLeft, x, y);
}

TEST_F(GridMouseButtons, ResizerFillsWhatTheSelectionGrewBy) {
    using Cells = std::vector<std::vector<std::string>>;  // rows of columns 1 to 3, rows 1 to 4
    const struct {
        const char* what;
        Cells source;
        TGridRect from;
        int toCol, toRow;
        Cells want;
    } cases[] = {
        {"one value repeats", {{"5", "", ""}}, {1, 1, 1, 1}, 1, 4,
         {{"5", "", ""}, {"5", "", ""}, {"5", "", ""}, {"5", "", ""}}},
        {"a number series goes on", {{"1", "", ""}, {"3", "", ""}}, {1, 1, 1, 2}, 1, 4,
         {{"1", "", ""}, {"3", "", ""}, {"5", "", ""}, {"7", "", ""}}},
        {"texts repeat as a pattern", {{"a", "", ""}, {"b", "", ""}}, {1, 1, 1, 2}, 1, 4,
         {{"a", "", ""}, {"b", "", ""}, {"a", "", ""}, {"b", "", ""}}},
        {"a row repeats down", {{"a", "x", ""}}, {1, 1, 2, 1}, 2, 3,
         {{"a", "x", ""}, {"a", "x", ""}, {"a", "x", ""}, {"", "", ""}}},
        {"a column repeats across", {{"a", "", ""}, {"b", "", ""}}, {1, 1, 1, 2}, 3, 2,
         {{"a", "a", "a"}, {"b", "b", "b"}, {"", "", ""}, {"", "", ""}}},
        {"a row series goes across", {{"2", "4", ""}}, {1, 1, 2, 1}, 3, 1,
         {{"2", "4", "6"}, {"", "", ""}, {"", "", ""}, {"", "", ""}}},
    };
    for (const auto& c : cases) {
        grid->ClearNormalCells();
        grid->SetSpreadSheet(true);
        for (size_t r = 0; r < c.source.size(); ++r)
            for (size_t k = 0; k < c.source[r].size(); ++k)
                grid->SetCells(int(k) + 1, int(r) + 1, c.source[r][k]);
        grid->SetSelection(c.from);
        DragResizerTo(*grid, c.toCol, c.toRow);
        Cells got;
        for (int r = 1; r <= 4; ++r) got.push_back({grid->Cells(1, r), grid->Cells(2, r), grid->Cells(3, r)});
        EXPECT_EQ(got, c.want) << c.what;
    }
}

}  // namespace
