#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "grid/BaseGrid.h"
#include "platform/Bitmap.h"
#include "platform/Forms.h"
#include "platform/GuiApp.h"
#include "platform/StdCtrls.h"
#include "platform/TestHooks.h"

using namespace grid;
using plat::RGB;
using plat::TColor;

namespace {

// A grid whose cell look a test sets, as the string grid fills it from its
// settings and events.
class LookGrid : public TBaseGrid {
public:
    using TBaseGrid::TBaseGrid;
    std::function<void(int, int, plat::TBrush&, TColor&, TColor&, TColor&, TCellGradientDirection&)> Look;
    void GetVisualProperties(int ACol, int ARow, TGridDrawState&, bool, bool, bool, plat::TBrush& ABrush,
                             TColor& AColorTo, TColor& AMirrorColor, TColor& AMirrorColorTo, plat::TFont&,
                             plat::TAlignment&, TVAlignment&, bool&, TCellGradientDirection& GD) override {
        if (Look) Look(ACol, ARow, ABrush, AColorTo, AMirrorColor, AMirrorColorTo, GD);
    }
};

// Columns are 64 pixels wide and rows 24 high: cell (c, r) covers
// x 64c..64c+63 and y 24r..24r+23, its grid lines on the last of each.
class BaseGridPaint : public ::testing::Test {
protected:
    void SetUp() override {
        plat::EnsureGuiApplication();
        form = std::make_unique<plat::TForm>(nullptr);
        form->SetBounds(0, 0, 400, 200);
        grid = new LookGrid(form.get());
        grid->SetParent(form.get());
        grid->SetBounds(0, 0, 320, 120);
        grid->SetColor(plat::clWhite);
        grid->SetColCount(5);
        grid->SetRowCount(5);
        // Another control of the form is active, so the grid's current
        // cell shows as selected rather than focused.
        auto* other = new plat::TEdit(form.get());
        other->SetParent(form.get());
        other->SetBounds(0, 150, 50, 20);
        form->SetActiveControl(other);
    }
    TColor At(int x, int y) {
        const auto p = plat::test::PixelAt(*grid, x, y);
        return RGB(p.R, p.G, p.B);
    }
    static TColor Sys(TColor c) { return plat::ColorToRGB(c); }
    std::unique_ptr<plat::TForm> form;
    LookGrid* grid = nullptr;
};

}  // namespace

TEST_F(BaseGridPaint, DefaultLinesBackgroundsAndSelection) {
    const struct { const char* what; int x, y; TColor want; } cases[] = {
        {"normal cell inside", 150, 60, plat::clWhite},
        {"normal cell bottom line", 150, 71, plat::clSilver},
        {"normal cell right line", 191, 60, plat::clSilver},
        {"fixed cell inside", 30, 60, Sys(plat::clBtnFace)},
        {"fixed cell bottom line", 30, 71, plat::clGray},
        {"fixed cell right line", 63, 60, plat::clGray},
        {"selected current cell", 96, 36, Sys(plat::clHighlight)},
    };
    for (const auto& c : cases) EXPECT_EQ(At(c.x, c.y), c.want) << c.what;

    grid->SetCells(2, 2, "Cell");
    grid->SetCells(0, 2, "2");
    grid->MergeCells(2, 3, 2, 1);
    grid->SetCells(3, 3, "Merged");
    std::filesystem::create_directories(VASTRIMO_TEST_OUT);
    EXPECT_TRUE(plat::test::SaveScreenshot(*grid, std::string(VASTRIMO_TEST_OUT) + "/basegrid.png"));
}

TEST_F(BaseGridPaint, ZeroLineWidthLeavesTheWholeCellToItsBackground) {
    grid->SetGridLineWidth(0);
    EXPECT_EQ(At(150, 71), plat::clWhite);
    EXPECT_EQ(At(191, 60), plat::clWhite);
}

TEST_F(BaseGridPaint, GradientBandsRunAcrossTheCell) {
    grid->Look = [](int c, int r, plat::TBrush& brush, TColor& to, TColor&, TColor&, TCellGradientDirection& gd) {
        if (r != 3) return;
        brush.SetColor(RGB(255, 0, 0));
        to = RGB(0, 0, 255);
        gd = c == 3 ? GradientVertical : GradientHorizontal;
    };
    // Vertical in cell (3, 3): 24 rows give 23 steps, one band per row.
    EXPECT_EQ(At(220, 72), RGB(255, 0, 0));
    EXPECT_EQ(At(220, 94), RGB(11, 0, 244));
    EXPECT_EQ(At(210, 83), At(230, 83));  // a band is one colour across
    // Horizontal in cell (2, 3).
    EXPECT_EQ(At(128, 80), RGB(255, 0, 0));
    EXPECT_EQ(At(190, 80), RGB(4, 0, 251));  // the last band lies under the grid line
}

TEST_F(BaseGridPaint, MirrorBackgroundSplitsTopAndBottom) {
    grid->Look = [](int c, int r, plat::TBrush& brush, TColor& to, TColor& mirror, TColor& mirrorTo,
                    TCellGradientDirection&) {
        if (c != 3 || r != 2) return;
        brush.SetColor(RGB(200, 0, 0));
        to = RGB(200, 0, 0);
        mirror = RGB(0, 0, 200);
        mirrorTo = RGB(0, 0, 200);
    };
    EXPECT_EQ(At(220, 50), RGB(200, 0, 0));
    EXPECT_EQ(At(220, 68), RGB(0, 0, 200));
}

TEST_F(BaseGridPaint, RoundedSelectionLookFollowsTheFocus) {
    grid->SetSelectionStyle(ssGlass);
    grid->SetSelection({2, 3, 2, 3});
    // Without the focus every style shows the unfocused face.
    EXPECT_EQ(At(160, 72), RGB(0xD9, 0xD9, 0xD9));  // border
    EXPECT_EQ(At(160, 73), RGB(0xFA, 0xFA, 0xFB));  // inner top line
    EXPECT_EQ(At(160, 74), RGB(0xF8, 0xF8, 0xF8));  // first band of the fill
    grid->SetOptions(grid->Options() + TGridOptions{goDrawFocusSelected});
    EXPECT_EQ(At(160, 72), RGB(0x7D, 0xA2, 0xCE));  // the focused Glass border
    EXPECT_EQ(At(160, 74), RGB(0xDC, 0xEB, 0xFC));
}

TEST_F(BaseGridPaint, HoverRowSparesFixedCells) {
    grid->SetHoverRow(true);
    grid->SetHoverRowColor(plat::clYellow);
    grid->FHoverRowIdx = 2;
    EXPECT_EQ(At(220, 60), plat::clYellow);
    EXPECT_EQ(At(30, 60), Sys(plat::clBtnFace));
    EXPECT_EQ(At(220, 84), plat::clWhite);
}

TEST_F(BaseGridPaint, ActiveRowKeepsTheCurrentCellsLook) {
    grid->SetActiveRowShow(true);
    grid->SetActiveRowColor(RGB(0, 200, 0));
    EXPECT_EQ(At(96, 36), Sys(plat::clHighlight));   // current cell (1, 1)
    EXPECT_EQ(At(220, 36), RGB(0, 200, 0));          // the rest of its row
    EXPECT_EQ(At(30, 36), Sys(plat::clBtnFace));     // its fixed column
    EXPECT_EQ(At(220, 60), plat::clWhite);           // another row
}

TEST_F(BaseGridPaint, HiddenLastRowShowsOnlyTheBackground) {
    grid->FHideLastRow = true;
    EXPECT_EQ(At(150, 110), plat::clWhite);
    EXPECT_EQ(At(150, 119), plat::clWhite);
    EXPECT_EQ(At(30, 110), plat::clWhite);
    EXPECT_EQ(At(150, 95), plat::clSilver);  // the row above keeps its line
}

TEST_F(BaseGridPaint, MergedBlockIsPaintedAsOneCell) {
    grid->Look = [](int c, int r, plat::TBrush& brush, TColor&, TColor&, TColor&, TCellGradientDirection&) {
        if (c == 2 && r == 3) brush.SetColor(RGB(0, 128, 0));  // the base cell's look covers the block
    };
    grid->MergeCells(2, 3, 2, 1);
    EXPECT_EQ(At(191, 80), RGB(0, 128, 0));  // no line between the two columns
    EXPECT_EQ(At(250, 80), RGB(0, 128, 0));
    EXPECT_EQ(At(255, 80), plat::clSilver);  // the block's right edge
    const int before = grid->PaintID();
    (void)At(0, 0);
    EXPECT_EQ(grid->PaintID(), before + 1);
}

TEST_F(BaseGridPaint, PaintCellExtDrawsTheActiveRowLookWithoutContent) {
    grid->SetActiveRowColor(RGB(0, 200, 0));
    grid->SetCells(2, 2, "WWWWWWWW");
    // Painted where the cell lies: anything left of the fixed column is
    // clipped away, as for a block scrolled under it.
    plat::TBitmap bmp(320, 120);
    grid->PaintCellExt(bmp.Canvas(), 2, 2, {128, 48, 192, 72}, TGridDrawState{gdSelected});
    EXPECT_EQ(bmp.Pixel(160, 59), RGB(0, 200, 0));
    EXPECT_EQ(bmp.Pixel(148, 59), RGB(0, 200, 0));
    EXPECT_EQ(bmp.Pixel(160, 71), plat::clSilver);

    // The full paint of the same cell draws its text.
    plat::TBitmap full(320, 120);
    grid->PaintCell(full.Canvas(), 2, 2, {128, 48, 192, 72}, TGridDrawState{});
    int dark = 0;
    for (int x = 129; x < 190; ++x)
        if (full.Pixel(x, 59) != plat::clWhite) ++dark;
    EXPECT_GT(dark, 0);

    plat::TBitmap clipped(320, 120);
    clipped.Canvas().Brush().SetColor(plat::clWhite);
    clipped.Canvas().FillRect({0, 0, 320, 120});
    grid->PaintCellExt(clipped.Canvas(), 2, 2, {0, 0, 64, 24}, TGridDrawState{gdSelected});
    EXPECT_EQ(clipped.Pixel(32, 11), plat::clWhite);
}

TEST_F(BaseGridPaint, BlockScrolledUnderTheFixedColumnIsClipped) {
    grid->Look = [](int c, int r, plat::TBrush& brush, TColor&, TColor&, TColor&, TCellGradientDirection&) {
        if (c == 1 && r == 2) brush.SetColor(RGB(0, 128, 0));
    };
    grid->MergeCells(1, 2, 2, 1);
    grid->SetLeftCol(2);  // the block's base column scrolls out of view
    EXPECT_EQ(At(30, 60), Sys(plat::clBtnFace));  // the fixed column stays
    EXPECT_EQ(At(62, 60), Sys(plat::clBtnFace));
    EXPECT_EQ(At(100, 60), RGB(0, 128, 0));       // the visible part of the block
    EXPECT_EQ(At(127, 60), plat::clSilver);
}
