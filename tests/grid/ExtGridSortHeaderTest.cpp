#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "GridOnFormFixture.h"
#include "grid/ExtGrid.h"
#include "platform/TestHooks.h"

using namespace grid;
namespace pt = plat::test;

namespace {

using Column = std::vector<std::string>;

Column Read(TExtStringGrid& g, int col) {
    Column out;
    for (int r = g.FixedRows(); r < g.RowCount(); ++r) out.push_back(g.Cells(col, r));
    return out;
}

// Whether a pixel within one of (X, Y) has the colour: a line drawn
// between two points may pass a pixel beside the exact middle.
bool NearPixel(plat::TControl& C, int X, int Y, pt::TRgb Colour) {
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            if (pt::PixelAt(C, X + dx, Y + dy) == Colour) return true;
    return false;
}

const pt::TRgb kGray{0x80, 0x80, 0x80};

}  // namespace

class GridHeaderSort : public GridOnForm {};

TEST_F(GridHeaderSort, ClicksSortBothWaysAndPaintTheGlyph) {
    ShowGrid(3, 4, false);
    grid->SetFixedCols(0);
    const Column texts = {"b", "c", "a"};
    for (int i = 0; i < 3; ++i) grid->SetCells(1, i + 1, texts[i]);
    std::vector<int> clicked;
    grid->OnClickSort = [&](TObject*, int ACol) { clicked.push_back(ACol); };
    const plat::TRect header = grid->CellRect(1, 0);
    const int x = header.Left + 10, y = header.Top + 8;  // empty, left-aligned, top-aligned header

    // Without Show a click sorts nothing.
    pt::ClickAt(*grid, header.Left + 20, header.Top + 5);
    EXPECT_EQ(Read(*grid, 1), texts);
    pt::ProcessEvents();
    EXPECT_FALSE(NearPixel(*grid, x - 2, y, kGray));

    grid->SortSettings().SetShow(true);
    pt::ClickAt(*grid, header.Left + 20, header.Top + 5);
    EXPECT_EQ(Read(*grid, 1), (Column{"a", "b", "c"}));
    pt::ProcessEvents();
    // Ascending: the grey side runs from the tip down to the left foot.
    EXPECT_TRUE(NearPixel(*grid, x - 2, y, kGray));

    pt::ClickAt(*grid, header.Left + 20, header.Top + 5);
    EXPECT_EQ(Read(*grid, 1), (Column{"c", "b", "a"}));
    pt::ProcessEvents();
    // Descending: the grey base is the top edge.
    EXPECT_TRUE(NearPixel(*grid, x, y - 4, kGray));
    // The sorted column's header takes the sort face.
    grid->SortSettings().SetHeaderColor(0x0000FF);
    pt::ProcessEvents();
    EXPECT_TRUE(pt::PixelAt(*grid, header.Right - 8, header.Bottom - 6) == (pt::TRgb{0xFF, 0, 0}));
    EXPECT_FALSE(pt::PixelAt(*grid, grid->CellRect(2, 0).Right - 8, header.Bottom - 6) == (pt::TRgb{0xFF, 0, 0}));
    std::filesystem::create_directories(VASTRIMO_TEST_OUT);
    EXPECT_TRUE(pt::SaveScreenshot(*grid, std::string(VASTRIMO_TEST_OUT) + "/GridHeaderSortDescending.png"));
    EXPECT_EQ(clicked, (std::vector<int>{1, 1}));

    // With UndoSort the click back to the first direction unsorts.
    grid->SortSettings().SetUndoSort(true);
    pt::ClickAt(*grid, header.Left + 20, header.Top + 5);
    EXPECT_EQ(Read(*grid, 1), texts);
    EXPECT_EQ(grid->SortSettings().Column(), -1);
}

TEST_F(GridHeaderSort, ShiftClickBuildsTheSortIndex) {
    ShowGrid(3, 5, false);
    grid->SetFixedCols(0);
    const Column first = {"x", "y", "x", "y"}, second = {"2", "1", "1", "2"};
    for (int i = 0; i < 4; ++i) {
        grid->SetCells(1, i + 1, first[i]);
        grid->SetCells(2, i + 1, second[i]);
    }
    grid->SortSettings().SetShow(true);
    grid->SortSettings().SetIndexShow(true);
    const plat::TRect h1 = grid->CellRect(1, 0), h2 = grid->CellRect(2, 0);
    pt::ClickAt(*grid, h1.Left + 20, h1.Top + 5);
    pt::MouseDown(*grid, plat::mbLeft, h2.Left + 20, h2.Top + 5, plat::ssShift);
    pt::MouseUp(*grid, plat::mbLeft, h2.Left + 20, h2.Top + 5, plat::ssShift);
    EXPECT_EQ(grid->SortSettings().SaveToString(), "i;u1;u2");
    EXPECT_EQ(Read(*grid, 2), (Column{"1", "2", "1", "2"}));
    EXPECT_EQ(Read(*grid, 1), (Column{"x", "x", "y", "y"}));
    pt::ProcessEvents();
    SUCCEED();
}

namespace {

// The merge record of each normal row of a column: "." for a cell on its
// own, else the block's top row and its extra rows, as "top:extra".
Column Merges(TExtStringGrid& g, int col) {
    Column out;
    for (int r = g.FixedRows(); r < g.RowCount(); ++r) {
        if (!g.IsMergedCell(col, r)) {
            out.push_back(".");
            continue;
        }
        out.push_back(std::to_string(g.BaseCell(col, r).Y) + ":" + std::to_string(g.CellSpan(col, r).Y));
    }
    return out;
}

// A grid of keys in column 1 and a second column beside them, shown with
// header-click sorting on.
class GridMergeSort : public GridOnForm {
protected:
    void ShowColumns(const Column& keys, const Column& other) {
        ShowGrid(3, static_cast<int>(keys.size()) + 1, false);
        for (int i = 0; i < static_cast<int>(keys.size()); ++i) {
            grid->SetCells(1, i + 1, keys[i]);
            grid->SetCells(2, i + 1, other[i]);
        }
        grid->SortSettings().SetShow(true);
    }
    void ClickKeyHeader() {
        const plat::TRect header = grid->CellRect(1, 0);
        pt::ClickAt(*grid, header.Left + 20, header.Top + 5);
    }
};

}  // namespace

// A block over two rows of another column must not follow the rows apart:
// it is split before the rows move, and each row keeps its own text.
TEST_F(GridMergeSort, SortSplitsTheBlocksItWouldTearApart) {
    const Column keys = {"c", "a", "d", "b"};
    ShowColumns(keys, {"x", "x", "y", ""});
    grid->SetCells(2, 0, "Header");
    grid->MergeCells(2, 1, 1, 2);
    ASSERT_EQ(Merges(*grid, 2), (Column{"1:1", "1:1", ".", "."}));
    ClickKeyHeader();
    EXPECT_EQ(Read(*grid, 1), (Column{"a", "b", "c", "d"}));
    EXPECT_EQ(Merges(*grid, 2), (Column{".", ".", ".", "."}));
    EXPECT_EQ(Read(*grid, 2), (Column{"x", "", "x", "y"}));
    EXPECT_EQ(grid->Cells(2, 0), "Header");
    // The rows come back in their first order, still without blocks.
    grid->QUnSort();
    EXPECT_EQ(Read(*grid, 1), keys);
    EXPECT_EQ(Merges(*grid, 2), (Column{".", ".", ".", "."}));
}

// With AutoColumnMerge a header click takes the listed columns apart,
// sorts, and merges their runs again in the new order.
TEST_F(GridMergeSort, AutoColumnMergeMergesTheNewRuns) {
    ShowColumns({"b", "c", "a", "d"}, {"g1", "g1", "g2", "g2"});
    grid->MergedColumns().Add(2);
    ASSERT_EQ(Merges(*grid, 2), (Column{"1:1", "1:1", "3:1", "3:1"}));
    grid->SortSettings().SetAutoColumnMerge(true);
    ClickKeyHeader();
    EXPECT_EQ(Read(*grid, 1), (Column{"a", "b", "c", "d"}));
    EXPECT_EQ(Read(*grid, 2), (Column{"g2", "g1", "g1", "g2"}));
    EXPECT_EQ(Merges(*grid, 2), (Column{".", "2:1", "2:1", "."}));
    pt::ProcessEvents();
    std::filesystem::create_directories(VASTRIMO_TEST_OUT);
    EXPECT_TRUE(pt::SaveScreenshot(*grid, std::string(VASTRIMO_TEST_OUT) + "/GridHeaderSortRemerged.png"));

    // Without it the sort only splits what it moves.
    grid->SortSettings().SetAutoColumnMerge(false);
    ClickKeyHeader();
    EXPECT_EQ(Read(*grid, 1), (Column{"d", "c", "b", "a"}));
    EXPECT_EQ(Read(*grid, 2), (Column{"g2", "g1", "g1", "g2"}));
    EXPECT_EQ(Merges(*grid, 2), (Column{".", ".", ".", "."}));
}
