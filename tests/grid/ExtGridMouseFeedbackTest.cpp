// What the pointer shows while it works on the string grid: a refused
// place for a dragged column or row, the size hint of a dragged border and
// the pointer a window chooses for a cell.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "grid/ExtGrid.h"
#include "grid/ExtGridDragDrop.h"
#include "grid/ExtGridHint.h"
#include "platform/Bitmap.h"
#include "platform/Cursors.h"
#include "platform/Menus.h"
#include "platform/TestHooks.h"

#include "GridOnFormFixture.h"

using namespace grid;
namespace pt = plat::test;

namespace {

// The picture of the pointer the control shows now, without its hot spot.
bool PointerPictureOf(plat::TControl& Control, plat::TBitmap& Picture) {
    plat::TPoint hot;
    return pt::PointerPicture(Control, Picture, hot);
}

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

namespace {

TEST_F(GridMouseFeedback, HintShowsWhereItsKindOfTextBelongs) {
    grid->SetShowHint(true);
    grid->SetHint("grid");
    grid->SetHintColor(plat::RGB(0xC0, 0xFF, 0xC0));
    grid->SetColWidths(2, 60);
    grid->OnGridHint = [](plat::TObject*, int row, int col, std::string& hint) {
        if (row == 0) hint = "help for column " + std::to_string(col);
    };
    grid->AddComment(3, 5, "checked on Monday");
    grid->SetCells(2, 4, "a text far too long for the cell");
    grid->SetCells(4, 6, "<a href=\"pump\">pump</a>");
    grid->SetCells(1, 8, "Valve");
    enum TPlace { below, commentCorner, topLeft, besideAnchor, cellTop };
    const struct {
        const char* name;
        int col, row;
        bool largeText, anchorHint, showCells;
        std::string text;
        TPlace place;
    } cases[] = {
        {"header help", 2, 0, false, false, false, "help for column 2", below},
        {"comment", 3, 5, false, false, false, "checked on Monday", commentCorner},
        {"large text", 2, 4, true, false, false, "a text far too long for the cell", topLeft},
        {"anchor", 4, 6, false, true, false, "pump", besideAnchor},
        {"cell text", 1, 8, false, false, true, "Valve", cellTop},
    };
    for (const auto& c : cases) {
        grid->SetHintShowLargeText(c.largeText);
        grid->SetAnchorHint(c.anchorHint);
        grid->SetHintShowCells(c.showCells);
        const plat::TRect r = grid->GridCellRect(c.col, c.row);
        const plat::TPoint at{r.Left + 8, (r.Top + r.Bottom) / 2};
        pt::MouseMove(*grid, at.X, at.Y);
        pt::TShownHint shown;
        ASSERT_TRUE(pt::HintAt(*grid, at.X, at.Y, shown)) << c.name;
        EXPECT_EQ(shown.Text, c.text) << c.name;
        const plat::TPoint want = c.place == below           ? plat::TPoint{at.X, r.Bottom + 6}
                                  : c.place == commentCorner ? plat::TPoint{r.Right, r.Top}
                                  : c.place == topLeft       ? plat::TPoint{r.Left, r.Top}
                                  : c.place == besideAnchor  ? plat::TPoint{at.X + 8, at.Y - 16}
                                                             : plat::TPoint{at.X, r.Top};
        EXPECT_EQ(shown.ScreenPos, grid->ClientToScreen(want)) << c.name;
        EXPECT_EQ(shown.Color, (pt::TRgb{0xC0, 0xFF, 0xC0})) << c.name;
    }
    // A large text keeps to the ordinary place when asked to.
    grid->SetHintShowLargeText(true);
    grid->SetAnchorHint(false);
    grid->SetHintShowCells(false);
    grid->SetHintShowLargeTextPos(true);
    const plat::TRect r = grid->GridCellRect(2, 4);
    pt::TShownHint shown;
    ASSERT_TRUE(pt::HintAt(*grid, r.Left + 8, r.Top + 4, shown));
    EXPECT_EQ(shown.ScreenPos, grid->ClientToScreen({r.Left + 8, r.Bottom + 6}));
    // A hint wraps at the width the look allows.
    grid->ControlLook().SetHintMaxWidth(80);
    ASSERT_TRUE(pt::HintAt(*grid, r.Left + 8, r.Top + 4, shown));
    EXPECT_LE(shown.Width, 80);
    pt::HideHint();
}

TEST_F(GridMouseFeedback, PointerShowsTheGestureAPressWouldStart) {
    grid->SetFixedCols(1);
    grid->MouseActions().SetRowSelect(true);
    grid->MouseActions().SetColSelect(true);
    grid->MouseActions().SetAllSelect(true);
    const struct {
        const char* name;
        int col, row;
        TExtStringGrid::TMouseSelectMode mode;
        plat::TCursor cursor;
    } cases[] = {
        {"row header", 0, 3, TExtStringGrid::msRow, TExtStringGrid::crRowSelect},
        {"column header", 2, 0, TExtStringGrid::msColumn, TExtStringGrid::crColumnSelect},
        {"corner", 0, 0, TExtStringGrid::msAll, TExtStringGrid::crAllSelect},
        {"normal cell", 2, 3, TExtStringGrid::msNormal, plat::crDefault},
    };
    std::vector<plat::TBitmap> pictures(3);
    for (size_t i = 0; i < std::size(cases); ++i) {
        const auto& c = cases[i];
        const plat::TPoint at = Mid(grid->GridCellRect(c.col, c.row));
        pt::MouseMove(*grid, at.X, at.Y);
        EXPECT_EQ(grid->MouseSelectMode(), c.mode) << c.name;
        EXPECT_EQ(grid->Cursor(), c.cursor) << c.name;
        if (i < pictures.size()) {
            // A picture of the grid's own, unlike the others': the row
            // arrow, the column arrow and the corner arrow differ.
            ASSERT_TRUE(PointerPictureOf(*grid, pictures[i])) << c.name;
            for (size_t k = 0; k < i; ++k) {
                bool differ = false;
                for (int y = 0; y < 32 && !differ; ++y)
                    for (int x = 0; x < 32 && !differ; ++x) differ = pictures[i].Pixel(x, y) != pictures[k].Pixel(x, y);
                EXPECT_TRUE(differ) << c.name << " and " << cases[k].name;
            }
        }
    }
    // Switched off, the headers select nothing and keep the plain pointer.
    grid->MouseActions().SetRowSelect(false);
    const plat::TPoint at = Mid(grid->GridCellRect(0, 3));
    pt::MouseMove(*grid, at.X, at.Y);
    EXPECT_EQ(grid->MouseSelectMode(), TExtStringGrid::msNormal);
    EXPECT_EQ(grid->Cursor(), plat::crDefault);
    // Leaving the grid forgets the forecast.
    grid->MouseActions().SetRowSelect(true);
    pt::MouseMove(*grid, at.X, at.Y);
    pt::MouseLeave(*grid);
    EXPECT_EQ(grid->MouseSelectMode(), TExtStringGrid::msNormal);
}

}  // namespace

namespace {

TEST_F(GridMouseFeedback, DraggedHeaderAndArrowsFollowThePointer) {
    grid->SetFixedCols(1);
    grid->SetOptions(grid->Options() + plat::TGridOptions{plat::goColMoving, plat::goRowMoving});
    grid->DragDropSettings().SetShowCells(false);
    grid->SetCells(4, 0, "Flow");
    grid->SetCells(0, 6, "Pump 6");
    const struct {
        const char* name;
        bool cols;
        int from, to;
        std::string caption;
        int shownArrows[2];  // the two arrows that show (pointing sides)
    } cases[] = {
        {"column left", true, 4, 2, "Flow", {0, 1}},
        {"column right", true, 4, 5, "Flow", {0, 1}},
        {"row up", false, 6, 3, "Pump 6", {2, 3}},
        {"row down", false, 6, 9, "Pump 6", {2, 3}},
    };
    for (const auto& c : cases) {
        const plat::TRect fromRect = c.cols ? grid->CellRect(c.from, 0) : grid->CellRect(0, c.from);
        const plat::TRect toRect = c.cols ? grid->CellRect(c.to, 0) : grid->CellRect(0, c.to);
        const plat::TPoint down{fromRect.Left + 7, fromRect.Top + 5};
        const plat::TPoint at = Mid(toRect);
        grid->SetFocus();
        pt::MouseDown(*grid, plat::mbLeft, down.X, down.Y);
        pt::ProcessEvents();
        ASSERT_TRUE(grid->Focused()) << c.name;
        pt::MouseMove(*grid, at.X, at.Y, plat::ssLeft);
        pt::ProcessEvents();
        // The keys go to the grid's parent while the header is carried.
        EXPECT_FALSE(grid->Focused()) << c.name;
        EXPECT_TRUE(form->Focused()) << c.name;
        plat::TControl* image = grid->MoveDragImage();
        ASSERT_NE(image, nullptr) << c.name;
        EXPECT_TRUE(image->Visible()) << c.name;
        EXPECT_EQ(image->Caption(), c.caption) << c.name;
        // Where the press took it: the same offset from the pointer.
        const plat::TPoint want = form->ScreenToClient(grid->ClientToScreen({at.X - 7, at.Y - 5}));
        EXPECT_EQ((plat::TPoint{image->Left(), image->Top()}), want) << c.name;
        EXPECT_EQ(image->Width(), c.cols ? grid->ColWidths(c.from) : grid->ColWidths(0)) << c.name;
        EXPECT_EQ(image->Height(), c.cols ? grid->RowHeights(0) : grid->RowHeights(c.from)) << c.name;
        // The caption is drawn on the header face.
        std::filesystem::create_directories(VASTRIMO_TEST_OUT);
        const std::string shot = std::string(VASTRIMO_TEST_OUT) + "/grid_move_image.png";
        ASSERT_TRUE(pt::SaveScreenshot(*image, shot));
        plat::TBitmap bmp;
        ASSERT_TRUE(bmp.LoadFromFile(shot));
        bool ink = false;
        const plat::TColor face = bmp.Pixel(2, image->Height() / 2);
        for (int x = 4; x < image->Width() - 4 && !ink; ++x)
            for (int y = 3; y < image->Height() - 3 && !ink; ++y) ink = bmp.Pixel(x, y) != face;
        EXPECT_TRUE(ink) << c.name;
        // The arrows mark the landing edge: the side of the target that
        // faces the place the column (row) came from.
        const bool before = c.to < c.from;
        for (int side = 0; side < 4; ++side) {
            plat::TControl* arrow = grid->MoveArrow(side);
            ASSERT_NE(arrow, nullptr) << c.name << side;
            const bool shown = side == c.shownArrows[0] || side == c.shownArrows[1];
            EXPECT_EQ(arrow->Visible(), shown) << c.name << side;
            if (!shown) continue;
            const plat::TPoint centre =
                grid->ScreenToClient(form->ClientToScreen({arrow->Left() + arrow->Width() / 2, arrow->Top() + arrow->Height() / 2}));
            if (c.cols) EXPECT_EQ(centre.X, before ? toRect.Left : toRect.Right) << c.name << side;
            else EXPECT_EQ(centre.Y, before ? toRect.Top : toRect.Bottom) << c.name << side;
            // A black arrow on white.
            EXPECT_EQ(pt::PixelAt(*arrow, arrow->Width() / 2, arrow->Height() / 2), (pt::TRgb{0, 0, 0})) << c.name << side;
        }
        std::filesystem::create_directories(VASTRIMO_TEST_OUT);
        EXPECT_TRUE(pt::SaveScreenshot(*form, std::string(VASTRIMO_TEST_OUT) + "/grid_move_feedback.png"));
        pt::MouseUp(*grid, plat::mbLeft, at.X, at.Y);
        EXPECT_FALSE(image->Visible()) << c.name;
        for (int side = 0; side < 4; ++side) EXPECT_FALSE(grid->MoveArrow(side)->Visible()) << c.name << side;
        // The move itself happened: the caption now heads the target.
        EXPECT_EQ(c.cols ? grid->Cells(c.to, 0) : grid->Cells(0, c.to), c.caption) << c.name;
        grid->SetCells(4, 0, "Flow");
        grid->SetCells(0, 6, "Pump 6");
        if (c.cols) grid->SetCells(c.to, 0, c.to == 4 ? "Flow" : "");
        else grid->SetCells(0, c.to, c.to == 6 ? "Pump 6" : "");
    }
}

TEST_F(GridMouseFeedback, PictureOfTheDraggedCellsFollowsThePointer) {
    grid->SetFixedCols(1);
    grid->SetOptions(grid->Options() + plat::TGridOptions{plat::goColMoving});
    grid->DragDropSettings().SetShowCells(true);
    const plat::TRect fromRect = grid->CellRect(3, 0);
    const plat::TPoint at = Mid(grid->CellRect(1, 0));
    pt::MouseDown(*grid, plat::mbLeft, fromRect.Left + 5, fromRect.Top + 4);
    pt::MouseMove(*grid, at.X, at.Y, plat::ssLeft);
    plat::TForm* picture = grid->MoveCellPicture();
    ASSERT_NE(picture, nullptr);
    EXPECT_TRUE(picture->Visible());
    const plat::TPoint want = grid->ClientToScreen({at.X - 5, at.Y - 4});
    EXPECT_EQ((plat::TPoint{picture->Left(), picture->Top()}), want);
    // The whole visible column, header included.
    EXPECT_GE(picture->ClientWidth(), grid->ColWidths(3));
    EXPECT_GE(picture->ClientHeight(), grid->Height() - grid->RowHeights(0));
    // No header image besides the picture.
    EXPECT_TRUE(grid->MoveDragImage() == nullptr || !grid->MoveDragImage()->Visible());
    pt::MouseUp(*grid, plat::mbLeft, at.X, at.Y);
    EXPECT_EQ(grid->MoveCellPicture(), nullptr);
}

TEST_F(GridMouseFeedback, MovingPastTheEdgeScrollsOn) {
    grid->SetColCount(30);
    grid->SetRowCount(60);
    grid->SetFixedCols(1);
    grid->SetOptions(grid->Options() + plat::TGridOptions{plat::goColMoving, plat::goRowMoving});
    grid->DragDropSettings().SetShowCells(false);
    const struct {
        const char* name;
        bool cols;
        int start;          // left column (top row) before the drag
        bool pastFarEdge;   // past the right (bottom) edge, else over the headers
        int want;
    } cases[] = {
        {"right", true, 1, true, 2},
        {"left", true, 5, false, 4},
        {"down", false, 1, true, 2},
        {"up", false, 5, false, 4},
    };
    for (const auto& c : cases) {
        if (c.cols) grid->SetLeftCol(c.start);
        else grid->SetTopRow(c.start);
        const int moved = c.start + 1;
        const plat::TPoint down = Mid(c.cols ? grid->CellRect(moved, 0) : grid->CellRect(0, moved));
        const plat::TPoint away = c.cols ? plat::TPoint{c.pastFarEdge ? grid->Width() + 5 : 5, down.Y}
                                         : plat::TPoint{down.X, c.pastFarEdge ? grid->Height() + 5 : 3};
        pt::MouseDown(*grid, plat::mbLeft, down.X, down.Y);
        pt::MouseMove(*grid, away.X, away.Y, plat::ssLeft);
        EXPECT_EQ(c.cols ? grid->LeftCol() : grid->TopRow(), c.want) << c.name;
        pt::MouseMove(*grid, down.X, down.Y, plat::ssLeft);
        pt::MouseUp(*grid, plat::mbLeft, down.X, down.Y);
    }
}

}  // namespace

namespace {

// A grid that takes whole cells as picks, as a window picking a cell for
// a formula would.
class TPickingGrid : public TExtStringGrid {
public:
    using TExtStringGrid::TExtStringGrid;
    std::vector<plat::TPoint> picked;

protected:
    void CellSelectorClick(int ACol, int ARow) override { picked.push_back({ACol, ARow}); }
};

TEST(GridCellSelector, PressPicksTheCellAndNothingElse) {
    plat::EnsureGuiApplication();
    plat::TForm form(nullptr);
    form.SetBounds(0, 0, 500, 300);
    auto* grid = new TPickingGrid(&form);
    grid->SetParent(&form);
    grid->SetBounds(0, 0, 400, 250);
    grid->SetColCount(5);
    grid->SetRowCount(8);
    grid->SetOptions(grid->Options() + plat::TGridOptions{plat::goEditing});
    form.Show();
    grid->SetFocus();
    pt::ProcessEvents();
    bool allow = true;
    int clicks = 0;
    grid->OnCanClickCell = [&](plat::TObject*, int, int, bool& a) { a = allow; };
    grid->OnClickCell = [&](plat::TObject*, int, int) { ++clicks; };
    const struct {
        const char* name;
        bool mode, allow;
        bool picked;  // else the press selects the cell as usual
    } cases[] = {
        {"selector", true, true, true},
        {"refused by the window", true, false, false},
        {"ordinary grid", false, true, false},
    };
    for (const auto& c : cases) {
        grid->SetCellSelectorMode(c.mode);
        allow = c.allow;
        grid->picked.clear();
        clicks = 0;
        grid->SetCol(1);
        grid->SetRow(1);
        const plat::TRect r = grid->GridCellRect(3, 4);
        const plat::TPoint at{(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
        pt::MouseMove(*grid, at.X, at.Y);
        EXPECT_EQ(grid->Cursor(), c.mode ? TExtStringGrid::crCellSelector : plat::crDefault) << c.name;
        pt::ClickAt(*grid, at.X, at.Y);
        const std::vector<plat::TPoint> want = c.picked ? std::vector<plat::TPoint>{{3, 4}} : std::vector<plat::TPoint>{};
        EXPECT_EQ(grid->picked, want) << c.name;
        const bool selects = c.allow && !c.mode;
        EXPECT_EQ(grid->Col(), selects ? 3 : 1) << c.name;
        EXPECT_EQ(grid->Row(), selects ? 4 : 1) << c.name;
        EXPECT_FALSE(grid->EditMode()) << c.name;
        if (!selects) EXPECT_EQ(clicks, 0) << c.name;
    }
    // The pointer is a picture of the grid's own: a cross, white at its
    // centre, clear at the corners.
    grid->SetCellSelectorMode(true);
    const plat::TRect r = grid->GridCellRect(2, 2);
    pt::MouseMove(*grid, r.Left + 5, r.Top + 5);
    plat::TBitmap picture;
    ASSERT_TRUE(PointerPictureOf(*grid, picture));
    EXPECT_EQ(picture.Pixel(15, 15), plat::clWhite);
    // Off again, the pointer returns to the plain one at once.
    grid->SetCellSelectorMode(false);
    EXPECT_EQ(grid->Cursor(), plat::crDefault);
}

}  // namespace

namespace {

// The grid's own hint window showing on the grid's form, or null.
THTMLHintWindow* ShownOwnHint(plat::TForm& form) {
    for (int i = 0; i < form.ControlCount(); ++i)
        if (auto* w = dynamic_cast<THTMLHintWindow*>(form.Controls(i)); w && w->Visible()) return w;
    return nullptr;
}

TEST_F(GridMouseFeedback, TaggedHintIsDrawnAsTheCellDrawsIt) {
    grid->SetShowHint(true);
    grid->SetHintShowCells(true);
    grid->SetHTMLHint(true);
    const std::string tagged = "<font bgcolor=\"#FF0000\">WWWW</font>";
    grid->SetCells(2, 3, tagged);
    grid->SetCells(2, 5, "plain");
    const struct {
        const char* name;
        bool internal;
        int row;
        bool ownWindow;
        std::string plainTip;  // the text of the plain hint, when it shows
    } cases[] = {
        {"tagged, own window", true, 3, true, ""},
        {"tagged, plain hint", false, 3, false, tagged},
        {"untagged", true, 5, false, "plain"},
    };
    for (const auto& c : cases) {
        grid->SetUseInternalHintClass(c.internal);
        const plat::TRect r = grid->GridCellRect(2, c.row);
        const plat::TPoint at{r.Left + 8, (r.Top + r.Bottom) / 2};
        pt::MouseMove(*grid, at.X, at.Y);
        pt::TShownHint shown;
        EXPECT_EQ(pt::HintAt(*grid, at.X, at.Y, shown), !c.plainTip.empty()) << c.name;
        if (!c.plainTip.empty()) EXPECT_EQ(shown.Text, c.plainTip) << c.name;
        THTMLHintWindow* own = ShownOwnHint(*form);
        ASSERT_EQ(own != nullptr, c.ownWindow) << c.name;
        if (!own) continue;
        pt::ProcessEvents();
        std::filesystem::create_directories(VASTRIMO_TEST_OUT);
        EXPECT_TRUE(pt::SaveScreenshot(*form, std::string(VASTRIMO_TEST_OUT) + "/grid_html_hint.png"));
        // At the cell's top under the pointer, drawn by the cell renderer:
        // the tag's red background, not its letters.
        EXPECT_EQ(grid->ScreenToClient(form->ClientToScreen({own->Left(), own->Top()})), (plat::TPoint{at.X, r.Top}));
        bool red = false;
        for (int y = 0; y < own->Height() && !red; ++y)
            for (int x = 0; x < own->Width() && !red; ++x) {
                const pt::TRgb p = pt::PixelAt(*own, x, y);
                red = p.R > 200 && p.G < 80 && p.B < 80;
            }
        EXPECT_TRUE(red) << c.name;
        EXPECT_EQ(own->Color(), grid->HintColor()) << c.name;
        // Staying on the cell keeps it; another cell, a press or leaving
        // the grid takes it away.
        pt::MouseMove(*grid, at.X + 2, at.Y);
        EXPECT_EQ(ShownOwnHint(*form), own) << c.name;
        const plat::TRect other = grid->GridCellRect(3, c.row);
        pt::MouseMove(*grid, other.Left + 4, other.Top + 4);
        EXPECT_EQ(ShownOwnHint(*form), nullptr) << c.name;
        for (int way = 0; way < 2; ++way) {
            pt::MouseMove(*grid, at.X, at.Y);
            pt::HintAt(*grid, at.X, at.Y, shown);
            ASSERT_NE(ShownOwnHint(*form), nullptr) << c.name << way;
            if (way == 0) pt::ClickAt(*grid, at.X, at.Y);
            else pt::MouseLeave(*grid);
            EXPECT_EQ(ShownOwnHint(*form), nullptr) << c.name << way;
        }
    }
    pt::HideHint();
}

}  // namespace

namespace {

// A long tagged text in the grid's own hint window wraps at the width the
// look allows; without a limit it stays on one line up to the default
// width. The window adds 8 px of margin on each side of the text.
TEST_F(GridMouseFeedback, OwnHintWindowWrapsAtTheLooksMaximumWidth) {
    grid->SetShowHint(true);
    grid->SetHintShowCells(true);
    grid->SetHTMLHint(true);
    std::string text = "<b>Register</b>";
    for (int i = 0; i < 4; ++i) text += " holds the value of the meter";
    grid->SetCells(2, 3, text);
    const plat::TRect r = grid->GridCellRect(2, 3);
    const plat::TPoint at{r.Left + 8, (r.Top + r.Bottom) / 2};
    plat::TBitmap bmp(1, 1);
    bmp.Canvas().Font().Assign(grid->Font());
    const int lineHeight = bmp.Canvas().TextHeight("Hg");
    const int frame = 16;
    const struct {
        int maxWidth;
        int widest;      // the window is at most this wide
        int minWidth;    // and at least this wide
        int minLines, maxLines;
    } cases[] = {
        {200, 200 + frame, 150, 3, 20},
        {0, 1008 + frame, 201 + frame, 1, 1},
    };
    for (const auto& c : cases) {
        grid->ControlLook().SetHintMaxWidth(c.maxWidth);
        pt::MouseMove(*grid, at.X, at.Y);
        pt::TShownHint shown;
        pt::HintAt(*grid, at.X, at.Y, shown);
        THTMLHintWindow* own = ShownOwnHint(*form);
        ASSERT_NE(own, nullptr) << c.maxWidth;
        EXPECT_LE(own->Width(), c.widest) << c.maxWidth;
        EXPECT_GE(own->Width(), c.minWidth) << c.maxWidth;
        const int lines = own->TextHeight() / lineHeight;
        EXPECT_GE(lines, c.minLines) << c.maxWidth;
        EXPECT_LE(lines, c.maxLines) << c.maxWidth;
        EXPECT_GE(own->Height(), own->TextHeight()) << c.maxWidth;
        pt::ProcessEvents();
        if (c.maxWidth > 0) {
            std::filesystem::create_directories(VASTRIMO_TEST_OUT);
            EXPECT_TRUE(pt::SaveScreenshot(*form, std::string(VASTRIMO_TEST_OUT) + "/grid_html_hint_wrapped.png"));
            // The last line is drawn: ink in the window's lower quarter.
            bool ink = false;
            for (int y = own->Height() * 3 / 4; y < own->Height() - 3 && !ink; ++y)
                for (int x = 4; x < own->Width() - 4 && !ink; ++x) {
                    const pt::TRgb p = pt::PixelAt(*own, x, y);
                    ink = p.R < 100 && p.G < 100 && p.B < 100;
                }
            EXPECT_TRUE(ink);
        }
        pt::MouseLeave(*grid);
    }
    pt::HideHint();
}

}  // namespace
