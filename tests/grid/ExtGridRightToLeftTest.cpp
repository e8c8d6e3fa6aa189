// A grid read from right to left lays its columns out from its right edge;
// the mouse must act on what the user sees there: the cell under the
// pointer, the borders that size columns, the selection's resizer square,
// and the feedback of a dragged column or row.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "grid/ExtGrid.h"
#include "grid/ExtGridDragDrop.h"
#include "grid/ExtGridMoveFeedback.h"
#include "platform/Forms.h"
#include "platform/TestHooks.h"

#include "GridOnFormFixture.h"

using namespace grid;
namespace pt = plat::test;

namespace {

class GridRightToLeft : public GridOnForm {
protected:
    void SetUp() override {
        ShowGrid(6, 20, false);
        grid->SetBiDiMode(plat::bdRightToLeft);
        pt::ProcessEvents();
    }
    static plat::TPoint Mid(const plat::TRect& r) { return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2}; }
};

TEST_F(GridRightToLeft, ColumnsStartAtTheRightEdgeAndClicksHitWhatIsShown) {
    grid->SetColor(plat::clWhite);
    const int cw = grid->ClientWidth();
    EXPECT_EQ(grid->CellRect(0, 0).Right, cw);
    EXPECT_EQ(grid->CellRect(0, 0).Left, cw - grid->ColWidths(0));
    EXPECT_EQ(grid->CellRect(1, 0).Right, cw - grid->ColWidths(0));
    for (int c = 0; c < grid->ColCount(); ++c) {
        const plat::TRect r = grid->CellRect(c, 3);
        for (const int x : {r.Left, r.Right - 1})
            EXPECT_EQ(grid->MouseCoord(x, r.Top + 2).X, c) << c << " at " << x;
    }
    // Left of the last column lies no cell.
    EXPECT_EQ(grid->MouseCoord(grid->CellRect(5, 3).Left - 3, 40).X, -1);

    // A click selects the cell under the pointer; its hint is that cell's.
    grid->OnGridHint = [](plat::TObject*, int row, int col, std::string& hint) {
        hint = "c" + std::to_string(col) + "r" + std::to_string(row);
    };
    grid->SetShowHint(true);
    const plat::TPoint at = Mid(grid->CellRect(4, 2));
    pt::ClickAt(*grid, at.X, at.Y);
    EXPECT_EQ(grid->Col(), 4);
    EXPECT_EQ(grid->Row(), 2);
    pt::MouseMove(*grid, at.X, at.Y);
    pt::TShownHint shown;
    ASSERT_TRUE(pt::HintAt(*grid, at.X, at.Y, shown));
    EXPECT_EQ(shown.Text, "c4r2");
    EXPECT_EQ(shown.ScreenPos, grid->ClientToScreen({at.X, grid->CellRect(4, 2).Bottom + 6}));
    pt::HideHint();

    // Drawn where it is hit: the fixed column's face at the right, the data
    // cells and the empty rest at the left.
    pt::ProcessEvents();
    std::filesystem::create_directories(VASTRIMO_TEST_OUT);
    EXPECT_TRUE(pt::SaveScreenshot(*form, std::string(VASTRIMO_TEST_OUT) + "/grid_right_to_left.png"));
    const plat::TRect fixedCell = grid->CellRect(0, 5);
    const int y = fixedCell.Bottom - 5;
    const pt::TRgb face = pt::PixelAt(*grid, fixedCell.Left + 5, y);
    const plat::TRect dataCell = grid->CellRect(1, 5);
    EXPECT_EQ(pt::PixelAt(*grid, dataCell.Left + 5, y), (pt::TRgb{255, 255, 255}));
    EXPECT_NE(face, (pt::TRgb{255, 255, 255}));

    // Back to left to right, everything is where it always was.
    grid->SetBiDiMode(plat::bdLeftToRight);
    EXPECT_EQ(grid->CellRect(0, 0).Left, 0);
    EXPECT_EQ(grid->MouseCoord(2, 2).X, 0);
    pt::ProcessEvents();
    EXPECT_EQ(pt::PixelAt(*grid, 5, y), face);
    EXPECT_EQ(pt::PixelAt(*grid, grid->CellRect(1, 5).Left + 5, y), (pt::TRgb{255, 255, 255}));
}

TEST_F(GridRightToLeft, ModeComesFromTheParentUntilSetOnTheControl) {
    grid->SetParentBiDiMode(true);
    EXPECT_EQ(grid->BiDiMode(), plat::bdLeftToRight) << "the form reads left to right";
    form->SetBiDiMode(plat::bdRightToLeft);
    EXPECT_TRUE(grid->UseRightToLeftAlignment());
    EXPECT_EQ(grid->CellRect(0, 0).Right, grid->ClientWidth());
    grid->SetBiDiMode(plat::bdRightToLeftReadingOnly);
    form->SetBiDiMode(plat::bdLeftToRight);
    EXPECT_EQ(grid->BiDiMode(), plat::bdRightToLeftReadingOnly) << "set on the grid: no longer the parent's";
    EXPECT_TRUE(grid->UseRightToLeftReading());
    EXPECT_FALSE(grid->UseRightToLeftAlignment()) << "reading only: not mirrored";
    EXPECT_EQ(grid->CellRect(0, 0).Left, 0);
}

// A column's far border is its left one: dragged further left it widens
// the column, in the headers (framework sizing, with the size hint and the
// sizing event) and along a fixed column (MouseActions.SizeFixedCol).
TEST_F(GridRightToLeft, LeftBorderSizesTheColumn) {
    grid->SetOptions(grid->Options() + plat::TGridOptions{plat::goColSizing});
    grid->SetHintShowSizing(true);
    grid->MouseActions().SetSizeFixedCol(true);
    std::vector<int> sizing;
    grid->OnColumnSizing = [&](plat::TObject*, int c, int w) {
        if (c == 2) sizing.push_back(w);
    };
    const struct {
        const char* name;
        int col, row, by;
        bool hint;
    } cases[] = {
        {"header border wider", 2, 0, 20, true},
        {"header border narrower", 2, 0, -15, true},
        {"fixed column border", 0, 6, 25, false},
    };
    for (const auto& c : cases) {
        sizing.clear();
        const int w = grid->ColWidths(c.col);
        const plat::TRect r = grid->CellRect(c.col, c.row);
        const int y = Mid(r).Y;
        pt::MouseMove(*grid, r.Left, y);
        EXPECT_EQ(grid->Cursor(), plat::crSizeWE) << c.name;
        pt::MouseDown(*grid, plat::mbLeft, r.Left, y);
        pt::MouseMove(*grid, r.Left - c.by, y, plat::ssLeft);
        if (c.hint) {
            EXPECT_EQ(sizing, std::vector<int>{w + c.by}) << c.name;
            EXPECT_EQ(grid->SizeHintCaption(), "cw=<b>" + std::to_string(w + c.by) + "</b>") << c.name;
        }
        pt::MouseUp(*grid, plat::mbLeft, r.Left - c.by, y);
        EXPECT_EQ(grid->ColWidths(c.col), w + c.by) << c.name;
        // The right border stays where it was: the column grew leftwards.
        EXPECT_EQ(grid->CellRect(c.col, c.row).Right, r.Right) << c.name;
    }
    // Let go beyond the grid's far (left) side, the sizing is dropped.
    const int w = grid->ColWidths(1);
    const plat::TRect r = grid->CellRect(1, 0);
    pt::MouseDown(*grid, plat::mbLeft, r.Left, 5);
    pt::MouseMove(*grid, -30, 5, plat::ssLeft);
    pt::MouseUp(*grid, plat::mbLeft, -30, 5);
    EXPECT_EQ(grid->ColWidths(1), w);
}

TEST_F(GridRightToLeft, DoubleClickOnAHeaderBorderFitsTheColumnBeforeIt) {
    grid->SetOptions(grid->Options() + plat::TGridOptions{plat::goColSizing});
    const std::string longText = "a rather long text that needs room";
    grid->SetCells(2, 4, longText);
    grid->SetCells(3, 4, longText);
    grid->SetColWidths(2, 30);
    grid->SetColWidths(3, 30);
    // The right border of column 3 is column 2's far border.
    const plat::TRect head = grid->CellRect(3, 0);
    pt::DoubleClickAt(*grid, head.Right - 2, 5);
    EXPECT_EQ(grid->ColWidths(2), FittedWidth(longText));
    EXPECT_EQ(grid->ColWidths(3), 30);
    const plat::TRect head3 = grid->CellRect(3, 0);
    pt::DoubleClickAt(*grid, head3.Left + 2, 5);
    EXPECT_EQ(grid->ColWidths(3), FittedWidth(longText));
}

TEST_F(GridRightToLeft, ResizerSitsAtTheSelectionsBottomLeftCorner) {
    grid->SetSelectionRectangle(true);
    grid->SetSelectionResizer(true);
    grid->SetSelection({1, 1, 2, 1});
    pt::ProcessEvents();
    const plat::TRect corner = grid->CellRect(2, 1);
    EXPECT_FALSE(grid->OnSelectionResizer(corner.Right - 2, corner.Bottom - 2))
        << "the near corner is no resizer";
    EXPECT_TRUE(grid->OnSelectionResizer(corner.Left + 2, corner.Bottom - 2));
    // The square is drawn there, in the frame's colour.
    EXPECT_EQ(pt::PixelAt(*grid, corner.Left + 1, corner.Bottom - 2), (pt::TRgb{0, 0, 0}));
    pt::MouseMove(*grid, corner.Left + 2, corner.Bottom - 2);
    EXPECT_EQ(grid->Cursor(), TExtStringGrid::crAllSelect);
    pt::MouseDown(*grid, plat::mbLeft, corner.Left + 2, corner.Bottom - 2);
    const plat::TPoint to = Mid(grid->CellRect(3, 3));
    pt::MouseMove(*grid, to.X, to.Y, plat::ssLeft);
    pt::MouseUp(*grid, plat::mbLeft, to.X, to.Y);
    EXPECT_EQ(grid->Selection(), (TGridRect{1, 1, 3, 3}));
}

// The arrows mark the edge the column lands at: a target before the
// dragged column (to its right on screen) at the target's right edge.
TEST_F(GridRightToLeft, MoveArrowsAndDraggedHeaderFollowTheMirroredColumns) {
    grid->SetOptions(grid->Options() + plat::TGridOptions{plat::goColMoving, plat::goRowMoving});
    grid->DragDropSettings().SetShowCells(false);
    grid->SetCells(4, 0, "Flow");
    const struct {
        const char* name;
        int to;
        bool atRight;
    } cases[] = {{"before it", 2, true}, {"after it", 5, false}};
    for (const auto& c : cases) {
        const plat::TRect fromRect = grid->CellRect(4, 0);
        const plat::TRect toRect = grid->CellRect(c.to, 0);
        const plat::TPoint at = Mid(toRect);
        pt::MouseDown(*grid, plat::mbLeft, fromRect.Left + 7, fromRect.Top + 5);
        pt::MouseMove(*grid, at.X, at.Y, plat::ssLeft);
        plat::TControl* image = grid->MoveDragImage();
        ASSERT_NE(image, nullptr) << c.name;
        EXPECT_EQ((plat::TPoint{image->Left(), image->Top()}),
                  form->ScreenToClient(grid->ClientToScreen({at.X - 7, at.Y - 5})))
            << c.name;
        for (int side : {maUp, maDown}) {
            plat::TControl* arrow = grid->MoveArrow(side);
            ASSERT_TRUE(arrow && arrow->Visible()) << c.name << side;
            const plat::TPoint centre = grid->ScreenToClient(form->ClientToScreen(
                {arrow->Left() + arrow->Width() / 2, arrow->Top() + arrow->Height() / 2}));
            EXPECT_EQ(centre.X, c.atRight ? toRect.Right : toRect.Left) << c.name << side;
        }
        if (c.to == 2) {
            pt::ProcessEvents();
            std::filesystem::create_directories(VASTRIMO_TEST_OUT);
            EXPECT_TRUE(
                pt::SaveScreenshot(*form, std::string(VASTRIMO_TEST_OUT) + "/grid_right_to_left_move.png"));
        }
        pt::MouseUp(*grid, plat::mbLeft, at.X, at.Y);
        EXPECT_EQ(grid->Cells(c.to, 0), "Flow") << c.name;
        grid->MoveColumn(c.to, 4);
    }
}

// A row's picture spans every visible column, its header (column 0) at the
// right end: the picture's right edge goes where the header's is.
TEST_F(GridRightToLeft, PictureOfADraggedRowEndsAtItsHeader) {
    grid->SetOptions(grid->Options() + plat::TGridOptions{plat::goRowMoving});
    grid->DragDropSettings().SetShowCells(true);
    const plat::TRect fromRect = grid->CellRect(0, 5);
    const plat::TPoint at = Mid(grid->CellRect(0, 2));
    const int ofsX = fromRect.Right - 6;
    pt::MouseDown(*grid, plat::mbLeft, ofsX, fromRect.Top + 4);
    pt::MouseMove(*grid, at.X, at.Y, plat::ssLeft);
    plat::TForm* picture = grid->MoveCellPicture();
    ASSERT_NE(picture, nullptr);
    EXPECT_TRUE(picture->Visible());
    const int headerRight = at.X - (ofsX - fromRect.Left) + grid->ColWidths(0);
    EXPECT_EQ(picture->Left() + picture->Width(), grid->ClientToScreen({headerRight, 0}).X);
    EXPECT_EQ(picture->Top(), grid->ClientToScreen({0, at.Y - 4}).Y);
    EXPECT_GT(picture->Width(), grid->ColWidths(0) * 2) << "the whole row, not its header alone";
    pt::MouseUp(*grid, plat::mbLeft, at.X, at.Y);
}

}  // namespace
