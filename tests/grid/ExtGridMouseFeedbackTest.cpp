// What the pointer shows while it works on the string grid: a refused
// place for a dragged column or row, the size hint of a dragged border and
// the pointer a window chooses for a cell.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "grid/ExtGrid.h"
#include "platform/Bitmap.h"
#include "platform/Menus.h"
#include "platform/TestHooks.h"

#include "GridOnFormFixture.h"

using namespace grid;
namespace pt = plat::test;

namespace {

class GridMouseFeedback : public GridOnForm {
protected:
    void SetUp() override {
        ShowGrid(6, 20, false);
        pt::ProcessEvents();
    }
    static plat::TPoint Mid(const plat::TRect& r) { return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2}; }
};

TEST_F(GridMouseFeedback, RefusedPlaceShowsNoDropAndKeepsTheColumnOrRow) {
    grid->SetOptions(grid->Options() + plat::TGridOptions{plat::goColMoving, plat::goRowMoving});
    // Place 1 is refused for both; the drag passes over an allowed place
    // first, so only the last place passed over counts.
    grid->OnColumnMoving = [](plat::TObject*, int col, bool& allow) { allow = col != 1; };
    grid->OnRowMoving = [](plat::TObject*, int row, bool& allow) { allow = row != 1; };
    const struct {
        bool cols;
        int to;
        bool moves;
    } cases[] = {{true, 1, false}, {true, 2, true}, {false, 1, false}, {false, 2, true}};
    for (const auto& c : cases) {
        const int from = 4;
        if (c.cols) grid->SetCells(from, 1, "moved");
        else grid->SetCells(1, from, "moved");
        const plat::TPoint a = Mid(c.cols ? grid->GridCellRect(from, 0) : grid->GridCellRect(0, from));
        const plat::TPoint via = Mid(c.cols ? grid->GridCellRect(3, 0) : grid->GridCellRect(0, 3));
        const plat::TPoint b = Mid(c.cols ? grid->GridCellRect(c.to, 0) : grid->GridCellRect(0, c.to));
        pt::MouseDown(*grid, plat::mbLeft, a.X, a.Y);
        pt::MouseMove(*grid, via.X, via.Y, plat::ssLeft);
        EXPECT_EQ(grid->Cursor(), plat::crDrag) << c.cols << " " << c.to;
        pt::MouseMove(*grid, b.X, b.Y, plat::ssLeft);
        EXPECT_EQ(grid->Cursor(), c.moves ? plat::crDrag : plat::crNo) << c.cols << " " << c.to;
        pt::MouseUp(*grid, plat::mbLeft, b.X, b.Y);
        EXPECT_EQ(grid->Cursor(), plat::crDefault) << c.cols << " " << c.to;
        EXPECT_EQ(grid->GridState(), plat::gsNormal);
        const int at = c.moves ? c.to : from;
        EXPECT_EQ(c.cols ? grid->Cells(at, 1) : grid->Cells(1, at), "moved") << c.cols << " " << c.to;
        if (c.cols) grid->SetCells(at, 1, "");
        else grid->SetCells(1, at, "");
    }
}

TEST_F(GridMouseFeedback, DraggedBorderShowsTheSizeItWouldGive) {
    grid->SetOptions(grid->Options() + plat::TGridOptions{plat::goColSizing, plat::goRowSizing});
    grid->SetHintColor(plat::clYellow);
    const int w = grid->ColWidths(2), h = grid->RowHeights(3);
    const struct {
        bool cols;
        bool on;
        std::string caption;
    } cases[] = {
        {true, true, "cw=<b>" + std::to_string(w + 12) + "</b>"},
        {false, true, "rh=<b>" + std::to_string(h + 7) + "</b>"},
        {true, false, ""},
    };
    for (const auto& c : cases) {
        grid->SetHintShowSizing(c.on);
        grid->SetColWidths(2, w);
        grid->SetRowHeights(3, h);
        const plat::TRect cell = c.cols ? grid->GridCellRect(2, 0) : grid->GridCellRect(0, 3);
        const plat::TPoint down = c.cols ? plat::TPoint{cell.Right, 5} : plat::TPoint{5, cell.Bottom};
        const plat::TPoint to = c.cols ? plat::TPoint{down.X + 12, 5} : plat::TPoint{5, down.Y + 7};
        pt::MouseDown(*grid, plat::mbLeft, down.X, down.Y);
        pt::MouseMove(*grid, to.X, to.Y, plat::ssLeft);
        EXPECT_EQ(grid->SizeHintShowing(), c.on) << c.caption;
        EXPECT_EQ(grid->SizeHintCaption(), c.caption);
        if (c.on) {
            const plat::TRect hint = grid->SizeHintBounds();
            EXPECT_EQ(hint.Left, cell.Left) << c.caption;
            EXPECT_EQ(hint.Top, cell.Top) << c.caption;
            pt::ProcessEvents();
            std::filesystem::create_directories(VASTRIMO_TEST_OUT);
            EXPECT_TRUE(pt::SaveScreenshot(*form, std::string(VASTRIMO_TEST_OUT) + "/grid_size_hint.png"));
        }
        pt::MouseUp(*grid, plat::mbLeft, to.X, to.Y);
        EXPECT_FALSE(grid->SizeHintShowing()) << "closed at the release";
        EXPECT_EQ(c.cols ? grid->ColWidths(2) : grid->RowHeights(3), c.cols ? w + 12 : h + 7);
    }
}

TEST_F(GridMouseFeedback, WindowChoosesThePointerOfACell) {
    grid->SetOptions(grid->Options() + plat::TGridOptions{plat::goColSizing});
    grid->OnGetCellCursor = [](plat::TObject*, int col, int row, int, int, plat::TCursor& cursor) {
        if (col == 2 && row >= 1) cursor = plat::crCross;
    };
    const struct {
        plat::TPoint at;
        plat::TCursor cursor;
    } cases[] = {
        {Mid(grid->GridCellRect(2, 4)), plat::crCross},
        {Mid(grid->GridCellRect(3, 4)), plat::crDefault},  // back to the grid's own
        {Mid(grid->GridCellRect(2, 0)), plat::crDefault},
        {{grid->GridCellRect(2, 0).Right, 5}, plat::crSizeWE},  // a border keeps its pointer
        {{2000, 5}, plat::crDefault},
    };
    for (const auto& c : cases) {
        pt::MouseMove(*grid, c.at.X, c.at.Y);
        EXPECT_EQ(grid->Cursor(), c.cursor) << c.at.X << "," << c.at.Y;
    }
}

TEST_F(GridMouseFeedback, RowIndicatorMarksTheCurrentRowInColumnZero) {
    // A red square with a magenta edge at the left and bottom: the
    // lower-left pixel makes magenta the colour left out.
    plat::TBitmap mark(12, 12);
    mark.Canvas().Brush().SetColor(plat::clFuchsia);
    mark.Canvas().FillRect({0, 0, 12, 12});
    mark.Canvas().Brush().SetColor(plat::clRed);
    mark.Canvas().FillRect({2, 0, 12, 10});
    grid->SetColWidths(0, 40);
    grid->SetRow(5);
    const auto red = [&](int row, int dx) {
        const plat::TRect r = grid->GridCellRect(0, row);
        const pt::TRgb p = pt::PixelAt(*grid, r.Left + 2 + dx, r.Top + 6);
        return p.R > 200 && p.G < 60 && p.B < 60;
    };
    const auto magenta = [&](int row) {
        const plat::TRect r = grid->GridCellRect(0, row);
        const pt::TRgb p = pt::PixelAt(*grid, r.Left + 3, r.Top + 6);
        return p.R > 200 && p.G < 60 && p.B > 200;
    };
    EXPECT_FALSE(red(5, 6)) << "no mark without a bitmap";
    grid->SetRowIndicator(mark);
    EXPECT_TRUE(red(5, 6));
    EXPECT_FALSE(magenta(5)) << "the ground of the mark is left out";
    EXPECT_FALSE(red(4, 6));
    grid->SetRow(8);
    EXPECT_TRUE(red(8, 6));
    EXPECT_FALSE(red(5, 6)) << "the mark follows the current row";
    std::filesystem::create_directories(VASTRIMO_TEST_OUT);
    EXPECT_TRUE(pt::SaveScreenshot(*grid, std::string(VASTRIMO_TEST_OUT) + "/grid_row_indicator.png"));
    grid->SetFixedCols(0);
    EXPECT_FALSE(red(8, 6)) << "only a grid with fixed columns shows it";
}

TEST_F(GridMouseFeedback, HintsForAnchorsLargeTextsAndTaggedTexts) {
    grid->SetHint("grid");
    grid->SetColWidths(2, 60);
    grid->OnAnchorHint = [](plat::TObject*, int row, int col, std::string& hint) {
        if (row == 4 && col == 2) hint = "open " + hint;
    };
    const std::string longText = "a text far too long for the cell";
    const std::string longHtml = "<b>bold</b> and a text far too long";
    const struct {
        const char* name;
        std::string text;
        bool anchorHint, largeText, htmlHint, showCells;
        std::string hint;
    } cases[] = {
        {"anchor", "<a href=\"pump\">pump</a>", true, false, false, false, "open pump"},
        {"anchor off", "<a href=\"pump\">pump</a>", false, false, false, false, "grid"},
        {"large", longText, false, true, false, false, longText},
        {"fits", "short", false, true, false, false, "grid"},
        {"large html stripped", longHtml, false, true, false, false, "bold and a text far too long"},
        {"large html tagged", longHtml, false, true, true, false, longHtml},
        {"cells tagged", "<b>V</b>", false, false, true, true, "<b>V</b>"},
        {"cells stripped", "<b>V</b>", false, false, false, true, "V"},
    };
    const plat::TRect r = grid->GridCellRect(2, 4);
    for (const auto& c : cases) {
        grid->SetAnchorHint(c.anchorHint);
        grid->SetHintShowLargeText(c.largeText);
        grid->SetHTMLHint(c.htmlHint);
        grid->SetHintShowCells(c.showCells);
        grid->SetCells(2, 4, c.text);
        pt::MouseMove(*grid, r.Left + 200, r.Top + 200);  // elsewhere first: the hint is built on a move
        pt::MouseMove(*grid, r.Left + 6, (r.Top + r.Bottom) / 2);
        EXPECT_EQ(grid->Hint(), c.hint) << c.name;
    }
}

TEST_F(GridMouseFeedback, TypedKeysFindTheRowAndTheTextExpires) {
    const char* names[] = {"Alpha", "Beta", "Bravo", "Charlie", "Brücke"};
    for (int r = 0; r < 5; ++r) grid->SetCells(1, r + 1, names[r]);
    grid->Navigation().SetAutoGotoWhenSorted(true);
    grid->Navigation().SetAutoGotoIncremental(true);
    grid->SetRow(1);
    const struct {
        const char* keys;  // typed one after the other; '<' is Backspace
        int row;
        std::string text;
    } cases[] = {
        {"b", 2, "b"},
        {"br", 3, "br"},
        {"brü", 5, "brü"},
        {"brü<", 3, "br"},  // one character off, not one byte
        {"bx", 2, ""},      // nothing found: the text goes, the row stays
    };
    for (const auto& c : cases) {
        grid->ClearIncrementalSearch();
        grid->SetRow(1);
        std::string keys = c.keys;
        for (size_t i = 0; i < keys.size();) {
            if (keys[i] == '<') {
                pt::SendKey(*grid, plat::VK_BACK, 0, "\b");
                ++i;
                continue;
            }
            const size_t n = (static_cast<unsigned char>(keys[i]) & 0xE0) == 0xC0 ? 2 : 1;
            pt::TypeText(*grid, keys.substr(i, n));
            i += n;
        }
        EXPECT_EQ(grid->Row(), c.row) << c.keys;
        EXPECT_EQ(grid->IncrementalSearchText(), c.text) << c.keys;
    }
    // The text is dropped on the fourth timer tick after the last key.
    grid->ClearIncrementalSearch();
    pt::TypeText(*grid, "b");
    for (int tick = 1; tick <= 4; ++tick) {
        EXPECT_EQ(grid->IncrementalSearchText(), "b") << tick;
        grid->Perform(plat::WM_TIMER, TExtStringGrid::GridTimerID);
    }
    EXPECT_EQ(grid->IncrementalSearchText(), "");
    pt::TypeText(*grid, "c");
    EXPECT_EQ(grid->Row(), 4);
    // Without adding up, each key searches alone; an editing grid types.
    grid->Navigation().SetAutoGotoIncremental(false);
    pt::TypeText(*grid, "ba");
    EXPECT_EQ(grid->Row(), 1);
    grid->SetOptions(grid->Options() + plat::TGridOptions{plat::goEditing});
    grid->SetRow(4);
    grid->ClearIncrementalSearch();
    grid->Navigation().SetAutoGotoIncremental(true);
    pt::TypeText(*grid, "b");
    EXPECT_EQ(grid->IncrementalSearchText(), "");
}

TEST_F(GridMouseFeedback, GridFollowsItsFormAndTheFormKeepsItsHandler) {
    int formResizes = 0;
    form->OnResize = [&](plat::TObject*) { ++formResizes; };
    grid->SetSizeWithForm(true);
    const int w = grid->Width(), h = grid->Height();
    form->SetBounds(0, 0, 760, 380);
    EXPECT_EQ(grid->Width(), w + 60);
    EXPECT_EQ(grid->Height(), h - 20);
    EXPECT_GE(formResizes, 1);
    grid->SetSizeWithForm(false);
    form->SetBounds(0, 0, 700, 400);
    EXPECT_EQ(grid->Width(), w + 60) << "no longer following";
    // A form that outlives its grid still runs its own handler.
    delete grid;
    grid = nullptr;
    const int before = formResizes;
    form->SetBounds(0, 0, 720, 420);
    EXPECT_GT(formResizes, before);
}

TEST_F(GridMouseFeedback, HeaderDropDownButtonOpensTheMenuOfItsColumn) {
    grid->SetHoverFixedCells(hfAll);
    grid->ControlLook().SetFixedDropDownButton(true);
    auto* menu = new plat::TPopupMenu(form.get());
    auto* other = new plat::TPopupMenu(form.get());
    int sorted = -1;
    menu->Items().push_back({"Sort", [&](plat::TObject* m) { sorted = static_cast<plat::TPopupMenu*>(m)->Tag(); }});
    other->Items().push_back({"Other", nullptr});
    grid->SetFixedDropDownMenu(menu);
    bool swap = false, none = false;
    grid->OnFixedDropDownClick = [&](plat::TObject*, int, int, plat::TPopupMenu*& m, bool&) {
        if (swap) m = other;
        if (none) m = nullptr;
    };
    const plat::TRect head = grid->GridCellRect(3, 0);
    const struct {
        const char* name;
        int x;
        bool swap, none;
        plat::TPopupMenu* shown;
    } cases[] = {
        {"button", head.Right - 8, false, false, menu},
        {"text of the header", head.Left + 5, false, false, nullptr},
        {"menu of the window", head.Right - 8, true, false, other},
        {"window gives none", head.Right - 8, false, true, nullptr},
    };
    for (const auto& c : cases) {
        swap = c.swap;
        none = c.none;
        pt::MouseDown(*grid, plat::mbLeft, c.x, 5);
        EXPECT_EQ(plat::TPopupMenu::Showing(), c.shown) << c.name << " at the press";
        pt::MouseUp(*grid, plat::mbLeft, c.x, 5);
        EXPECT_EQ(plat::TPopupMenu::Showing(), c.shown) << c.name;
        if (c.shown) {
            const plat::TPoint corner = grid->ClientToScreen({head.Right - 16, head.Bottom});
            EXPECT_EQ(c.shown->PopupPoint().X, corner.X) << c.name;
            EXPECT_EQ(c.shown->PopupPoint().Y, corner.Y) << c.name;
            c.shown->CloseUp();
        }
    }
    swap = none = false;
    pt::MouseDown(*grid, plat::mbLeft, head.Right - 8, 5);
    pt::MouseUp(*grid, plat::mbLeft, head.Right - 8, 5);
    ASSERT_EQ(plat::TPopupMenu::Showing(), menu);
    menu->Pick(0);
    EXPECT_EQ(sorted, 3) << "the menu knows its column";
}

TEST_F(GridMouseFeedback, ClickOnARatingSetsHalfAStarPerNinePixels) {
    grid->SetColWidths(2, 120);
    grid->AddRating(2, 3, 5, plat::clYellow, plat::clGray);
    grid->SetFloats(2, 3, 1.0);
    grid->OnRatingChange = [](plat::TObject*, int, int, double& rate, bool& allow) { allow = rate <= 2.0; };
    const struct {
        int dx;
        bool editing;
        double rate;
    } cases[] = {
        {4, true, 0.0}, {9, true, 0.5}, {40, true, 2.0},
        {60, true, 2.0},   // 3 stars refused by the window: the value stays
        {20, false, 2.0},  // a grid that does not edit keeps its rating
    };
    const plat::TRect r = grid->GridCellRect(2, 3);
    for (const auto& c : cases) {
        grid->SetOptions(c.editing ? grid->Options() + plat::TGridOptions{plat::goEditing}
                                   : grid->Options() - plat::TGridOptions{plat::goEditing});
        pt::ClickAt(*grid, r.Left + c.dx, (r.Top + r.Bottom) / 2);
        EXPECT_DOUBLE_EQ(grid->Floats(2, 3), c.rate) << c.dx << " " << c.editing;
        EXPECT_FALSE(grid->EditMode()) << "a rating never opens the editor";
    }
}

}  // namespace
