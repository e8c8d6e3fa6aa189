// A grid read from right to left lays its columns out from its right edge;
// the mouse must act on what the user sees there: the cell under the
// pointer, the borders that size columns, the selection's resizer square,
// and the feedback of a dragged column or row.

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <utility>
#include <string>
#include <vector>

#include "grid/ExtGrid.h"
#include "grid/ExtGridDragDrop.h"
#include "grid/ExtGridMoveFeedback.h"
#include "grid/ExtGridSearchFooter.h"
#include "platform/Bitmap.h"
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
    // The vertical scroll bar stands at the left: the columns start at the
    // grid's right edge.
    const int cw = grid->Width();
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
    EXPECT_EQ(grid->CellRect(0, 0).Right, grid->Width());
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

// The arrow keys go where they point on the screen: Left to the column shown
// at the left, which in a mirrored grid is the next one, whatever step of the
// key handling moves the cell (plain move, merged block, wrapping at an edge).
TEST_F(GridRightToLeft, ArrowKeysMoveTheWayTheyPoint) {
    const struct {
        const char* name;
        int from;
        unsigned short key;
        int to;
    } cases[] = {{"left is the next column", 2, plat::VK_LEFT, 3},
                 {"right is the previous column", 3, plat::VK_RIGHT, 2},
                 {"left leaves a merged block past its end", 2, plat::VK_LEFT, 4},
                 {"left at the last column wraps to the first", 5, plat::VK_LEFT, 1},
                 {"right at the first column wraps to the last", 1, plat::VK_RIGHT, 5}};
    grid->Navigation().SetCursorAdvance(caLoop);
    for (const auto& c : cases) {
        const bool merged = std::string(c.name).find("merged") != std::string::npos;
        if (merged) grid->MergeCells(2, 4, 2, 1);
        Select(c.from, merged ? 4 : 2);
        const int row = grid->Row();
        pt::SendKey(*grid, c.key);
        EXPECT_EQ(grid->Col(), c.to) << c.name;
        EXPECT_EQ(grid->Row(), row) << c.name;
    }
    // Left to right the keys keep their old sense.
    grid->SetBiDiMode(plat::bdLeftToRight);
    Select(2, 2);
    pt::SendKey(*grid, plat::VK_LEFT);
    EXPECT_EQ(grid->Col(), 1);
}

// In the editor the text reads from the right: the caret leaves it towards
// the cell the key points at, and the grid then moves that way too.
TEST_F(GridRightToLeft, EditorHandsTheArrowsOnAtTheEdgeTheyPointAt) {
    grid->SetOptions(grid->Options() + plat::TGridOptions{plat::goEditing});
    Select(2, 1);
    pt::TypeText(*grid, "a");
    ASSERT_TRUE(grid->EditMode());
    pt::SendKey(*grid->InplaceEditor(), plat::VK_LEFT);  // at the text's end: out to the left
    EXPECT_EQ(grid->Col(), 3);
    EXPECT_FALSE(grid->EditMode());

    grid->Navigation().SetCursorWalkEditor(true);
    Select(2, 2);
    pt::TypeText(*grid, "b");
    pt::SendKey(*grid->InplaceEditor(), plat::VK_LEFT);  // walks on, the editor open again
    EXPECT_EQ(grid->Cells(2, 2), "b");
    EXPECT_EQ(grid->Col(), 3);
    ASSERT_TRUE(grid->EditMode());
    pt::TypeText(*grid->InplaceEditor(), "cd");
    pt::SendKey(*grid->InplaceEditor(), plat::VK_RIGHT);  // inside the text the caret moves
    EXPECT_EQ(grid->Col(), 3);
    pt::SendKey(*grid->InplaceEditor(), plat::VK_HOME);
    pt::SendKey(*grid->InplaceEditor(), plat::VK_RIGHT);  // at the text's start: back to the right
    EXPECT_EQ(grid->Cells(3, 2), "cd");
    EXPECT_EQ(grid->Col(), 2);
    EXPECT_TRUE(grid->EditMode());
}

// Editors lie over the cell shown, clear of the grid line at its left.
TEST_F(GridRightToLeft, EditorsCoverTheMirroredCell) {
    grid->SetOptions(grid->Options() + plat::TGridOptions{plat::goEditing});
    Select(3, 2);
    pt::TypeText(*grid, "x");
    ASSERT_TRUE(grid->EditMode());
    const plat::TRect r = grid->GridCellRect(3, 2);
    plat::TControl& ed = *grid->InplaceEditor();
    EXPECT_EQ(ed.Left(), r.Left);
    EXPECT_EQ(ed.Left() + ed.Width(), r.Right);
    pt::SendKey(ed, plat::VK_ESCAPE);

    grid->OnGetEditorType = [](plat::TObject*, int, int, TEditorType& k) { k = edSpinEdit; };
    grid->SetCells(3, 2, "1");
    pt::SendKey(*grid, plat::VK_RETURN);
    plat::TWinControl* c = grid->EditCtrl();
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->Left(), r.Left + 1);
    EXPECT_EQ(c->Left() + c->Width(), r.Right);
    EXPECT_EQ(c->Top(), r.Top);
    pt::ProcessEvents();
    std::filesystem::create_directories(VASTRIMO_TEST_OUT);
    EXPECT_TRUE(pt::SaveScreenshot(*form, std::string(VASTRIMO_TEST_OUT) + "/grid_right_to_left_editor.png"));
    pt::SendKey(*c, plat::VK_ESCAPE);
}

// The search footer reads from the right too: its close button at the right
// edge, the search text beside it, the buttons following leftwards; it turns
// round when the mode changes while it shows.
TEST_F(GridRightToLeft, SearchFooterControlsRunFromTheRight) {
    grid->SearchFooter().SetVisible(true);
    pt::ProcessEvents();
    TSearchPanel* panel = grid->SearchPanel();
    ASSERT_TRUE(panel->Visible());
    const int w = panel->Width();
    plat::TControl* edit = panel->Edit();
    EXPECT_EQ(edit->Left() + edit->Width(), w - 25);
    pt::ProcessEvents();
    std::filesystem::create_directories(VASTRIMO_TEST_OUT);
    EXPECT_TRUE(pt::SaveScreenshot(*form, std::string(VASTRIMO_TEST_OUT) + "/grid_right_to_left_footer.png"));

    grid->SetBiDiMode(plat::bdLeftToRight);
    EXPECT_EQ(edit->Left(), 25);
    grid->SetBiDiMode(plat::bdRightToLeft);
    EXPECT_EQ(edit->Left() + edit->Width(), w - 25);
}

namespace {

// The leftmost and rightmost x in R at which a pixel matches; {-1, -1} when none does.
std::pair<int, int> InkSpan(const plat::TBitmap& bmp, const plat::TRect& R, const std::function<bool(TColor)>& ink) {
    std::pair<int, int> span{-1, -1};
    for (int y = R.Top; y < R.Bottom; ++y)
        for (int x = R.Left; x < R.Right; ++x)
            if (ink(bmp.Pixel(x, y))) {
                if (span.first < 0 || x < span.first) span.first = x;
                span.second = std::max(span.second, x);
            }
    return span;
}

bool Dark(TColor c) {
    return (c & 0xFF) < 100 && ((c >> 8) & 0xFF) < 100 && ((c >> 16) & 0xFF) < 100;
}

}  // namespace

// Text starts at a column's leading side, the cell's right one when the grid
// is mirrored (right-aligned text goes to the left), and the sort glyph of a
// header follows the text on its far side.
TEST_F(GridRightToLeft, TextAndSortGlyphStartFromTheRight) {
    grid->SetColor(plat::clWhite);
    grid->SetFixedColor(plat::clWhite);
    grid->SetCells(2, 0, "Id");
    grid->SetCells(2, 2, "MM");
    grid->SetCells(3, 2, "MM");
    grid->OnGetAlignment = [](plat::TObject*, int, int col, plat::TAlignment& ha, TVAlignment&) {
        if (col == 3) ha = plat::taRightJustify;
    };
    grid->SortSettings().SetShow(true);
    grid->SortSettings().SetColumn(2);
    const struct {
        plat::TBiDiMode mode;
        const char* shot;
    } cases[] = {{plat::bdRightToLeft, "grid_right_to_left_text.png"}, {plat::bdLeftToRight, "grid_left_to_right_text.png"}};
    for (const auto& c : cases) {
        grid->SetBiDiMode(c.mode);
        pt::ProcessEvents();
        std::filesystem::create_directories(VASTRIMO_TEST_OUT);
        const std::string path = std::string(VASTRIMO_TEST_OUT) + "/" + c.shot;
        ASSERT_TRUE(pt::SaveScreenshot(*grid, path));
        plat::TBitmap bmp;
        ASSERT_TRUE(bmp.LoadFromFile(path)) << bmp.ErrorString();
        const bool rtl = c.mode == plat::bdRightToLeft;
        for (const int col : {2, 3}) {
            const plat::TRect r = grid->CellRect(col, 2);
            const auto [from, to] = InkSpan(bmp, {r.Left, r.Top + 1, r.Right - 1, r.Bottom - 1}, Dark);
            ASSERT_GE(from, 0) << col << rtl;
            const int mid = (r.Left + r.Right) / 2;
            const bool atRight = (col == 2) == rtl;
            if (atRight) EXPECT_GT(from, mid) << col << rtl;
            else EXPECT_LT(to, mid) << col << rtl;
        }
        const plat::TRect h = grid->CellRect(2, 0);
        const plat::TRect inner{h.Left + 1, h.Top + 1, h.Right - 1, h.Bottom - 1};
        const auto text = InkSpan(bmp, inner, Dark);
        const auto glyph = InkSpan(bmp, inner, [](TColor px) { return px == plat::clGray; });
        ASSERT_GE(text.first, 0) << rtl;
        ASSERT_GE(glyph.first, 0) << rtl;
        if (rtl) EXPECT_LT(glyph.second, text.first);
        else EXPECT_GT(glyph.first, text.second);
    }
}

// Read from the right, the grid keeps its vertical scroll bar at the left
// edge, beside the last column; the fixed column takes the right edge.
TEST_F(GridRightToLeft, VerticalScrollBarStandsAtTheLeft) {
    grid->SetColor(plat::clWhite);
    grid->SetFixedColor(plat::clWhite);
    const int bar = grid->Width() - grid->ClientWidth();
    ASSERT_GT(bar, 0) << "twenty rows need the bar";
    const int y = grid->Height() / 2;
    const pt::TRgb white{255, 255, 255};
    pt::ProcessEvents();
    std::filesystem::create_directories(VASTRIMO_TEST_OUT);
    EXPECT_TRUE(pt::SaveScreenshot(*grid, std::string(VASTRIMO_TEST_OUT) + "/grid_right_to_left_scroll_bar.png"));
    const pt::TRgb barFace = pt::PixelAt(*grid, bar / 2, y);
    const pt::TRgb fixedFace = pt::PixelAt(*grid, grid->Width() - 3, y);
    EXPECT_NE(barFace, white);
    EXPECT_NE(barFace, fixedFace);
    EXPECT_NE(pt::PixelAt(*grid, bar + 3, y), barFace) << "the grid's own area starts beside the bar";
    EXPECT_EQ(grid->MouseCoord(grid->Width() - 3, y).X, 0);

    grid->SetBiDiMode(plat::bdLeftToRight);
    pt::ProcessEvents();
    EXPECT_EQ(pt::PixelAt(*grid, 3, y), fixedFace);
    EXPECT_EQ(pt::PixelAt(*grid, grid->Width() - bar + bar / 2, y), barFace);
}

// A check box beside left-aligned text stands at the cell's right side in a
// mirrored grid, and a click there, not at the left, toggles it.
TEST_F(GridRightToLeft, CheckBoxStandsAndTogglesAtTheCellsRight) {
    grid->SetColor(plat::clWhite);
    grid->SetOptions(grid->Options() + plat::TGridOptions{plat::goEditing});
    grid->AddCheckBox(2, 3, false, false);
    Select(4, 5);
    pt::ProcessEvents();
    std::filesystem::create_directories(VASTRIMO_TEST_OUT);
    const std::string path = std::string(VASTRIMO_TEST_OUT) + "/grid_right_to_left_check.png";
    ASSERT_TRUE(pt::SaveScreenshot(*grid, path));
    plat::TBitmap bmp;
    ASSERT_TRUE(bmp.LoadFromFile(path)) << bmp.ErrorString();
    const plat::TRect r = grid->CellRect(2, 3);
    const auto [from, to] =
        InkSpan(bmp, {r.Left + 2, r.Top + 2, r.Right - 2, r.Bottom - 2}, [](TColor c) { return c != plat::clWhite; });
    ASSERT_GE(from, 0);
    EXPECT_GT(from, (r.Left + r.Right) / 2);

    const int y = (r.Top + r.Bottom) / 2;
    bool state = true;
    pt::ClickAt(*grid, r.Left + 4, y);
    ASSERT_TRUE(grid->GetCheckBoxState(2, 3, state));
    EXPECT_FALSE(state) << "the left side holds no glyph";
    pt::ClickAt(*grid, (from + to) / 2, y);
    ASSERT_TRUE(grid->GetCheckBoxState(2, 3, state));
    EXPECT_TRUE(state);
}
