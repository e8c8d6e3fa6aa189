// The scroll bar inside a cell whose text is taller than the cell: drawn
// at the cell's right edge, clicked and dragged with the mouse, it scrolls
// the cell's text.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "grid/ExtGrid.h"
#include "platform/TestHooks.h"

#include "GridOnFormFixture.h"

using namespace grid;
namespace pt = plat::test;

namespace {

class GridCellScrollBar : public GridOnForm {
protected:
    void SetUp() override {
        ShowGrid(5, 8, false);
        grid->SetColWidths(2, 140);
        std::string text;
        for (int i = 1; i <= 12; ++i) text += "line " + std::to_string(i) + (i < 12 ? "\n" : "");
        grid->SetCells(2, 3, text);
        grid->AddScrollBar(2, 3, false);
        grid->SetScrollProp(2, 3, {20, 200});
        grid->OnScrollCell = [this](plat::TObject*, int col, int row, int pos, int min, int max) {
            events.push_back(std::to_string(col) + "," + std::to_string(row) + " " + std::to_string(pos) + " " +
                             std::to_string(min) + ".." + std::to_string(max));
        };
        pt::ProcessEvents();
    }
    // The cell's pixels left of its bar, as the screen shows them.
    std::vector<pt::TRgb> TextPixels() {
        pt::ProcessEvents();
        const plat::TRect bar = grid->CellScrollBarRect(2, 3);
        const plat::TRect r = grid->CellRect(2, 3);
        std::vector<pt::TRgb> out;
        for (int y = r.Top; y < r.Bottom; ++y)
            for (int x = r.Left; x < bar.Left; x += 2) out.push_back(pt::PixelAt(*grid, x, y));
        return out;
    }
    void Click(int x, int y) {
        pt::MouseDown(*grid, plat::mbLeft, x, y);
        pt::MouseUp(*grid, plat::mbLeft, x, y);
    }
    std::vector<std::string> events;
};

TEST_F(GridCellScrollBar, ClicksOnTheBarScrollTheCellText) {
    const plat::TRect bar = grid->CellScrollBarRect(2, 3);
    ASSERT_GT(bar.Width(), 0);
    EXPECT_EQ(bar.Right, grid->CellRect(2, 3).Right);
    const int midX = (bar.Left + bar.Right) / 2;
    const struct {
        const char* name;
        int start;
        int y;  // where the press lands on the bar
        int want;
        bool reported;
    } cases[] = {
        {"down arrow steps 10", 0, bar.Bottom - 2, 10, true},
        {"up arrow steps back", 30, bar.Top + 1, 20, true},
        {"up arrow at the top does nothing", 0, bar.Top + 1, 0, false},
        // The thumb fills most of a short track: the track past it pages.
        {"down arrow stops at the last line", 175, bar.Bottom - 2, 180, true},
    };
    for (const auto& c : cases) {
        grid->SetScrollPosition(2, 3, c.start);
        events.clear();
        Click(midX, c.y);
        EXPECT_EQ(grid->GetScrollPosition(2, 3), c.want) << c.name;
        const std::vector<std::string> want =
            c.reported ? std::vector<std::string>{"2,3 " + std::to_string(c.want) + " 0..200"} : std::vector<std::string>{};
        EXPECT_EQ(events, want) << c.name;
    }
    // The click on the bar is the bar's: the current cell stays.
    EXPECT_NE(grid->Row(), 3);
}

TEST_F(GridCellScrollBar, TrackPagesAndTheThumbFollowsThePointer) {
    // A taller cell gives the track room beside the thumb.
    grid->SetRowHeights(3, 120);
    grid->SetScrollProp(2, 3, {40, 400});
    pt::ProcessEvents();
    const plat::TRect bar = grid->CellScrollBarRect(2, 3);
    const int midX = (bar.Left + bar.Right) / 2;
    const int arrow = std::min(bar.Width(), bar.Height() / 2);
    events.clear();
    Click(midX, bar.Bottom - arrow - 2);  // on the track below the thumb
    EXPECT_EQ(grid->GetScrollPosition(2, 3), 100);
    Click(midX, bar.Top + arrow + 1);  // above the thumb now
    EXPECT_EQ(grid->GetScrollPosition(2, 3), 0);
    EXPECT_EQ(events.size(), 2u);
    // The thumb taken at its top and dragged to the track's end scrolls to
    // the last line; back to the start scrolls to the first.
    const int thumbTop = bar.Top + arrow;
    pt::MouseDown(*grid, plat::mbLeft, midX, thumbTop + 1);
    pt::MouseMove(*grid, midX, bar.Bottom + 30, plat::ssLeft);
    EXPECT_EQ(grid->GetScrollPosition(2, 3), 360);
    pt::MouseMove(*grid, midX, bar.Top - 30, plat::ssLeft);
    EXPECT_EQ(grid->GetScrollPosition(2, 3), 0);
    pt::MouseUp(*grid, plat::mbLeft, midX, bar.Top - 30);
    // Released, the pointer no longer drives the bar.
    pt::MouseMove(*grid, midX, bar.Bottom + 30, plat::ssLeft);
    EXPECT_EQ(grid->GetScrollPosition(2, 3), 0);
}

TEST_F(GridCellScrollBar, BarIsDrawnAndTheTextMovesUp) {
    const plat::TRect bar = grid->CellScrollBarRect(2, 3);
    const std::vector<pt::TRgb> before = TextPixels();
    // The arrows' glyphs are black on the button face.
    const int arrow = std::min(bar.Width(), bar.Height() / 2);
    const int cx = (bar.Left + bar.Right) / 2;
    EXPECT_EQ(pt::PixelAt(*grid, cx, bar.Top + arrow / 2), (pt::TRgb{0, 0, 0}));
    EXPECT_EQ(pt::PixelAt(*grid, cx, bar.Bottom - arrow / 2), (pt::TRgb{0, 0, 0}));
    grid->SetScrollPosition(2, 3, 16);
    EXPECT_NE(TextPixels(), before);
    std::filesystem::create_directories(VASTRIMO_TEST_OUT);
    EXPECT_TRUE(pt::SaveScreenshot(*grid, std::string(VASTRIMO_TEST_OUT) + "/grid_cell_scrollbar.png"));
    grid->SetScrollPosition(2, 3, 0);
    EXPECT_EQ(TextPixels(), before);
    // Text that fits has no bar, and the whole cell is its text's.
    grid->SetScrollProp(2, 3, {40, 40});
    EXPECT_EQ(grid->CellScrollBarRect(2, 3).Width(), 0);
}

TEST_F(GridCellScrollBar, AutomaticRangeFollowsTheText) {
    grid->SetCells(1, 5, "one line");
    grid->AddScrollBar(1, 5, true);
    EXPECT_EQ(grid->CellScrollBarRect(1, 5).Width(), 0);
    grid->SetCells(1, 5, "one\ntwo\nthree\nfour\nfive");
    const TScrollProp prop = grid->GetScrollProp(1, 5);
    EXPECT_EQ(prop.PageSize, grid->RowHeights(5));
    EXPECT_GT(prop.Range, prop.PageSize);
    EXPECT_GT(grid->CellScrollBarRect(1, 5).Width(), 0);
}

}  // namespace
