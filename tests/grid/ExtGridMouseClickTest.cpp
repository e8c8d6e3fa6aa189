// Clicks on the string grid and the column grid: which click toggles a
// check box, which reaches the window as a cell click, double and right
// clicks, cell buttons, radio buttons, links and the end of a column
// sizing.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "controls/HtmlText.h"
#include "grid/ExtCGrid.h"
#include "grid/ExtGrid.h"
#include "platform/Forms.h"
#include "platform/GuiApp.h"
#include "platform/TestHooks.h"

#include "GridOnFormFixture.h"

using namespace grid;
namespace pt = plat::test;

namespace {

// The grid keeps these members protected; tests reach them through
// member pointers taken in a derived class.
struct TProtectedOf : TExtStringGrid {
    static auto EndColumnSize() { return &TProtectedOf::OnEndColumnSize; }
    static auto EndRowSize() { return &TProtectedOf::OnEndRowSize; }
    static void SetUrlShow(TExtStringGrid& g, bool Value) {
        void (TExtStringGrid::*set)(bool) = &TProtectedOf::SetURLShow;
        (g.*set)(Value);
    }
};

struct TCellHit {
    int row, col;
    friend bool operator==(const TCellHit&, const TCellHit&) = default;
};

class GridClicks : public GridOnForm {
protected:
    void SetUp() override {
        ShowGrid(6, 20, false);
        pt::ProcessEvents();
        grid->OnClickCell = [this](plat::TObject*, int r, int c) { clicks.push_back({r, c}); };
    }
    // A point well inside a cell, away from its borders.
    plat::TPoint Inside(int c, int r) {
        const plat::TRect rc = grid->GridCellRect(c, r);
        return {(rc.Left + rc.Right) / 2, (rc.Top + rc.Bottom) / 2};
    }
    void Click(plat::TPoint p) { pt::ClickAt(*grid, p.X, p.Y); }
    std::vector<TCellHit> clicks;
};

TEST_F(GridClicks, CellClicksReachTheWindowRowFirst) {
    grid->SetOptions(grid->Options() + plat::TGridOptions{plat::goColSizing});
    const plat::TRect head = grid->GridCellRect(3, 0);
    const struct {
        const char* name;
        plat::TPoint at;
        std::vector<TCellHit> expected;
    } cases[] = {
        {"normal cell", Inside(3, 5), {{5, 3}}},
        {"row header", Inside(0, 7), {{7, 0}}},
        {"column header", Inside(3, 0), {{0, 3}}},
        {"3 px from a header border is a sizing", {head.Right - 3, 5}, {}},
        {"5 px from it is a click", {head.Right - 5, 5}, {{0, 3}}},
        {"below the last row", {50, 290}, {}},
    };
    grid->SetRowCount(8);
    for (const auto& c : cases) {
        clicks.clear();
        Click(c.at);
        EXPECT_EQ(clicks, c.expected) << c.name;
    }
}

TEST_F(GridClicks, ClickSelectsBeforeTheWindowHearsOfIt) {
    int rowSeen = -1;
    grid->OnClickCell = [&](plat::TObject*, int, int) { rowSeen = grid->Row(); };
    Click(Inside(2, 6));
    EXPECT_EQ(rowSeen, 6);
}

TEST_F(GridClicks, RefusedClickNeitherSelectsNorClicks) {
    Select(1, 1);
    grid->OnCanClickCell = [](plat::TObject*, int r, int, bool& allow) { allow = r != 4; };
    Click(Inside(2, 4));
    EXPECT_EQ(grid->Row(), 1);
    EXPECT_TRUE(clicks.empty());
    Click(Inside(2, 5));
    EXPECT_EQ(grid->Row(), 5);
    EXPECT_EQ(clicks, (std::vector<TCellHit>{{5, 2}}));
}

TEST_F(GridClicks, MergedCellIsClickedAtItsBaseCell) {
    grid->MergeCells(2, 3, 2, 2);
    for (const plat::TBiDiMode mode : {plat::bdLeftToRight, plat::bdRightToLeft}) {
        grid->SetBiDiMode(mode);
        Select(1, 1);
        clicks.clear();
        Click(Inside(3, 4));
        EXPECT_EQ(clicks, (std::vector<TCellHit>{{3, 2}})) << mode;
        // The base cell becomes current, not the covered cell under the
        // pointer.
        EXPECT_EQ(grid->Col(), 2) << mode;
        EXPECT_EQ(grid->Row(), 3) << mode;
    }
}

// Whether a click on a check-box glyph toggles it depends on who may edit
// the cell: a string grid asks goEditing, a column grid its column.
TEST(GridCheckClicks, GlyphClickTogglesOnlyEditableCells) {
    const struct {
        const char* name;
        bool columnGrid;
        bool editing;
        bool readOnlyColumn;
        bool toggles;
    } cases[] = {
        {"string grid without editing", false, false, false, false},
        {"string grid with editing", false, true, false, true},
        {"column grid, editable column", true, false, false, true},
        {"column grid, read-only column", true, false, true, false},
    };
    plat::EnsureGuiApplication();
    for (const auto& c : cases) {
        plat::TForm form(nullptr);
        form.SetBounds(0, 0, 500, 300);
        TExtStringGrid* g = nullptr;
        if (c.columnGrid) {
            auto* cg = new TExtColumnGrid(&form);
            cg->SetColCount(4);
            cg->Columns().Items(2).SetEditor(edDataCheckBox);
            cg->Columns().Items(2).SetReadOnly(c.readOnlyColumn);
            g = cg;
        } else {
            g = new TExtStringGrid(&form);
            g->SetColCount(4);
            g->SetRowCount(6);
            g->AddCheckBoxColumn(2, false, true);
        }
        g->SetParent(&form);
        g->SetBounds(0, 0, 400, 250);
        g->SetRowCount(6);
        if (c.editing) g->SetOptions(g->Options() + plat::TGridOptions{plat::goEditing});
        g->SetCells(2, 3, "Y");
        std::vector<bool> checks;
        int cellClicks = 0;
        g->OnCheckBoxClick = [&](plat::TObject*, int col, int row, bool state) {
            EXPECT_EQ(col, 2) << c.name;
            EXPECT_EQ(row, 3) << c.name;
            checks.push_back(state);
        };
        g->OnClickCell = [&](plat::TObject*, int, int) { ++cellClicks; };
        form.Show();
        g->SetFocus();
        pt::ProcessEvents();
        const plat::TRect r = g->GridCellRect(2, 3);
        pt::ClickAt(*g, r.Left + 6, (r.Top + r.Bottom) / 2);
        EXPECT_EQ(g->Row(), 3) << c.name;
        EXPECT_EQ(g->Col(), 2) << c.name;
        EXPECT_FALSE(g->EditMode()) << c.name;
        if (c.toggles) {
            EXPECT_EQ(g->Cells(2, 3), "N") << c.name;
            EXPECT_EQ(checks, std::vector<bool>{false}) << c.name;
            EXPECT_EQ(cellClicks, 0) << c.name << ": the toggle is no cell click";
        } else {
            EXPECT_EQ(g->Cells(2, 3), "Y") << c.name;
            EXPECT_TRUE(checks.empty()) << c.name;
            EXPECT_EQ(cellClicks, 1) << c.name << ": an ordinary click";
        }
    }
}

TEST_F(GridClicks, DoubleClickReachesTheWindowOrFitsTheColumn) {
    grid->SetOptions(grid->Options() + plat::TGridOptions{plat::goColSizing});
    std::vector<TCellHit> dbl;
    grid->OnDblClickCell = [&](plat::TObject*, int r, int c) { dbl.push_back({r, c}); };
    std::vector<int> sized;
    bool allowSizing = true;
    grid->OnColumnSize = [&](plat::TObject*, int, bool& allow) { allow = allowSizing; };
    grid->*TProtectedOf::EndColumnSize() = [&](plat::TObject*, int c) { sized.push_back(c); };
    const std::string longText = "a rather long text that needs room";
    grid->SetCells(2, 4, longText);
    grid->SetColWidths(2, 30);

    const plat::TPoint cell = Inside(3, 6);
    pt::DoubleClickAt(*grid, cell.X, cell.Y);
    EXPECT_EQ(dbl, (std::vector<TCellHit>{{6, 3}}));
    EXPECT_TRUE(sized.empty());

    dbl.clear();
    allowSizing = false;
    const plat::TRect head = grid->GridCellRect(2, 0);
    pt::DoubleClickAt(*grid, head.Right - 3, 5);
    EXPECT_EQ(grid->ColWidths(2), 30) << "the window refused the fitting";
    EXPECT_TRUE(sized.empty());
    allowSizing = true;
    pt::DoubleClickAt(*grid, head.Right - 4, 5);
    EXPECT_EQ(grid->ColWidths(2), 30) << "4 px from the border is no border";
    EXPECT_EQ(dbl, (std::vector<TCellHit>{{0, 2}})) << "but a double click on the header cell";
    dbl.clear();
    pt::DoubleClickAt(*grid, head.Right - 3, 5);
    EXPECT_EQ(grid->ColWidths(2), FittedWidth(longText));
    EXPECT_EQ(sized, std::vector<int>{2});
    EXPECT_TRUE(dbl.empty()) << "a fitting is no double click on the header cell";
}

TEST_F(GridClicks, DoubleClickRightOfTheLastColumnFitsIt) {
    grid->SetOptions(grid->Options() + plat::TGridOptions{plat::goColSizing});
    grid->SetColCount(4);
    grid->SetColWidths(3, 30);
    grid->SetCells(3, 2, "a rather long text that needs room");
    const plat::TRect last = grid->GridCellRect(3, 0);
    pt::DoubleClickAt(*grid, last.Right + 2, 5);
    EXPECT_EQ(grid->ColWidths(3), FittedWidth("a rather long text that needs room"));
}

TEST_F(GridClicks, RightClickReachesTheWindow) {
    std::vector<TCellHit> right;
    grid->OnRightClickCell = [&](plat::TObject*, int r, int c) { right.push_back({r, c}); };
    Select(1, 1);
    const plat::TPoint p = Inside(4, 3);
    pt::MouseDown(*grid, plat::mbRight, p.X, p.Y);
    pt::MouseUp(*grid, plat::mbRight, p.X, p.Y);
    EXPECT_EQ(right, (std::vector<TCellHit>{{3, 4}}));
    EXPECT_EQ(grid->Row(), 1) << "selecting on a right click is a setting";
    EXPECT_TRUE(clicks.empty());
}

TEST_F(GridClicks, CellButtonClicksAtTheReleaseOverIt) {
    grid->SetOptions(grid->Options() + plat::TGridOptions{plat::goEditing});
    grid->AddButton(2, 4, 30, 18, "...", haCenter, vaCenter);
    grid->Repaint();
    pt::ProcessEvents();
    std::vector<TCellHit> buttons;  // column, row here
    grid->OnButtonClick = [&](plat::TObject*, int c, int r) { buttons.push_back({c, r}); };
    const plat::TRect b = grid->GetCellButtonRect(2, 4);
    ASSERT_GT(b.Right, b.Left);
    const int x = (b.Left + b.Right) / 2, y = (b.Top + b.Bottom) / 2;

    pt::MouseDown(*grid, plat::mbLeft, x, y);
    EXPECT_EQ(grid->Row(), 4);
    EXPECT_EQ(clicks, (std::vector<TCellHit>{{4, 2}}));
    EXPECT_TRUE(grid->GetCellGraphic(2, 4)->CellBoolean()) << "pushed";
    EXPECT_TRUE(buttons.empty()) << "nothing until the release";
    pt::MouseUp(*grid, plat::mbLeft, x, y);
    EXPECT_FALSE(grid->GetCellGraphic(2, 4)->CellBoolean());
    EXPECT_EQ(buttons, (std::vector<TCellHit>{{2, 4}}));
    EXPECT_FALSE(grid->EditMode());

    buttons.clear();
    pt::MouseDown(*grid, plat::mbLeft, x, y);
    pt::MouseUp(*grid, plat::mbLeft, b.Right + 40, y);  // slid off the button
    EXPECT_TRUE(buttons.empty());
    EXPECT_FALSE(grid->GetCellGraphic(2, 4)->CellBoolean());

    grid->SetReadOnly(2, 4, true);  // a button of a read-only cell is disabled
    pt::MouseDown(*grid, plat::mbLeft, x, y);
    pt::MouseUp(*grid, plat::mbLeft, x, y);
    EXPECT_TRUE(buttons.empty());
}

TEST_F(GridClicks, RadioButtonClickAndSpaceCheckOneOfTheColumn) {
    grid->SetOptions(grid->Options() + plat::TGridOptions{plat::goEditing});
    grid->AddRadioButtonColumn(2);
    std::vector<TCellHit> radios;  // column, row
    grid->OnRadioButtonClick = [&](plat::TObject*, int c, int r) { radios.push_back({c, r}); };
    const plat::TRect r = grid->GridCellRect(2, 3);
    pt::ClickAt(*grid, r.Left + 6, (r.Top + r.Bottom) / 2);
    EXPECT_TRUE(grid->IsRadioButtonChecked(2, 3));
    EXPECT_EQ(grid->Row(), 3);
    EXPECT_EQ(radios, (std::vector<TCellHit>{{2, 3}}));
    EXPECT_TRUE(clicks.empty());
    Select(2, 5);
    pt::SendKey(*grid, plat::VK_SPACE);
    EXPECT_TRUE(grid->IsRadioButtonChecked(2, 5));
    EXPECT_FALSE(grid->IsRadioButtonChecked(2, 3));
    EXPECT_EQ(radios.size(), 2u);
    EXPECT_FALSE(grid->EditMode());
}

TEST_F(GridClicks, LinksOpenMoveOrGoToTheWindow) {
    pt::TScriptedUi ui;
    TProtectedOf::SetUrlShow(*grid, true);
    std::vector<std::string> anchors;
    bool autoHandle = true;
    grid->OnAnchorClick = [&](plat::TObject*, int, int, const std::string& a, bool& handle) {
        anchors.push_back(a);
        handle = autoHandle;
    };
    const struct {
        const char* name;
        std::string text;
        bool handled;
        std::vector<std::string> opened;
        int toCol, toRow;
    } cases[] = {
        {"web link", "http://example.invalid/x", true, {"http://example.invalid/x"}, 2, 2},
        {"left to the window", "http://example.invalid/y", false, {}, 2, 2},
        {"cell link", "<A href=\"cell://R6C4\">go</A>", true, {}, 4, 6},
        {"cell link out of the table", "<A href=\"cell://R60C4\">go</A>", true, {}, 2, 2},
        {"plain text", "no link", true, {}, 1, 5},
    };
    size_t openedBefore = 0;
    for (const auto& c : cases) {
        anchors.clear();
        Select(2, 2);
        grid->SetCells(1, 5, c.text);
        autoHandle = c.handled;
        const plat::TRect r = grid->GridCellRect(1, 5);
        pt::ClickAt(*grid, r.Left + 6, r.Top + 8);
        const std::vector<std::string> opened(ui.OpenedLinks().begin() + static_cast<long>(openedBefore),
                                              ui.OpenedLinks().end());
        openedBefore = ui.OpenedLinks().size();
        EXPECT_EQ(opened, c.opened) << c.name;
        EXPECT_EQ(grid->Col(), c.toCol) << c.name;
        EXPECT_EQ(grid->Row(), c.toRow) << c.name;
        EXPECT_EQ(anchors.empty(), std::string(c.name) == "plain text") << c.name;
    }
}

TEST_F(GridClicks, ColumnSizingEndsWithTheReleaseInsideTheGrid) {
    grid->SetOptions(grid->Options() + plat::TGridOptions{plat::goColSizing});
    std::vector<int> ended;
    grid->*TProtectedOf::EndColumnSize() = [&](plat::TObject*, int c) { ended.push_back(c); };
    grid->OnUpdateColumnSize = [](plat::TObject*, int, int& w) { w = std::min(w, 90); };
    const int border = grid->GridCellRect(2, 0).Right;
    pt::MouseDown(*grid, plat::mbLeft, border, 5);
    pt::MouseMove(*grid, border + 60, 5, plat::ssLeft);
    pt::MouseUp(*grid, plat::mbLeft, border + 60, 5);
    EXPECT_EQ(ended, std::vector<int>{2});
    EXPECT_EQ(grid->ColWidths(2), 90) << "held to the window's limit";
    EXPECT_TRUE(clicks.empty());

    const int before = grid->ColWidths(1);
    const int border1 = grid->GridCellRect(1, 0).Right;
    pt::MouseDown(*grid, plat::mbLeft, border1, 5);
    pt::MouseMove(*grid, grid->Width() + 30, 5, plat::ssLeft);
    pt::MouseUp(*grid, plat::mbLeft, grid->Width() + 30, 5);
    EXPECT_EQ(grid->ColWidths(1), before) << "dropped beyond the grid: cancelled";
    EXPECT_EQ(ended, std::vector<int>{2});
    EXPECT_EQ(grid->GridState(), plat::gsNormal);
}

TEST_F(GridClicks, HeaderClicksSelectWhatTheMouseActionsOffer) {
    grid->SetRowCount(10);
    grid->SetOptions(grid->Options() + plat::TGridOptions{plat::goRangeSelect});
    const struct {
        const char* name;
        bool all, rows, cols;
        int col, row;
        plat::TShiftState shift;
        plat::TGridRect selected;
    } cases[] = {
        {"corner, not offered", false, true, true, 0, 0, 0, {3, 3, 3, 3}},
        {"corner", true, false, false, 0, 0, 0, {1, 1, 5, 9}},
        {"row header", false, true, false, 0, 6, 0, {1, 6, 5, 6}},
        {"row header with Shift", false, true, false, 0, 7, plat::ssShift, {1, 3, 5, 7}},
        {"row header, not offered", true, false, true, 0, 6, 0, {3, 3, 3, 3}},
        {"column header", false, false, true, 4, 0, 0, {4, 1, 4, 9}},
        {"column header with Shift, left", false, false, true, 2, 0, plat::ssShift, {2, 1, 3, 9}},
        {"column header with Shift, right", false, false, true, 5, 0, plat::ssShift, {3, 1, 5, 9}},
    };
    for (const auto& c : cases) {
        grid->MouseActions().SetAllSelect(c.all);
        grid->MouseActions().SetRowSelect(c.rows);
        grid->MouseActions().SetColSelect(c.cols);
        Select(3, 3);
        clicks.clear();
        const plat::TPoint p = Inside(c.col, c.row);
        pt::MouseDown(*grid, plat::mbLeft, p.X, p.Y, c.shift);
        pt::MouseUp(*grid, plat::mbLeft, p.X, p.Y, c.shift);
        EXPECT_EQ(grid->Selection(), c.selected) << c.name;
        EXPECT_EQ(clicks, (std::vector<TCellHit>{{c.row, c.col}})) << c.name;
    }
}

TEST_F(GridClicks, DirectEditOpensTheEditorOnTheFirstClick) {
    grid->SetOptions(grid->Options() + plat::TGridOptions{plat::goEditing});
    grid->SetCells(3, 4, "value");
    grid->OnCanEditCell = [](plat::TObject*, int, int col, bool& can) { can = col != 2; };
    Click(Inside(3, 6));
    EXPECT_FALSE(grid->EditMode()) << "a setting";
    Select(3, 4);
    Click(Inside(3, 4));
    EXPECT_TRUE(grid->EditMode()) << "a click into the current cell edits anyway";
    pt::SendKey(*grid->InplaceEditor(), plat::VK_ESCAPE);
    grid->MouseActions().SetDirectEdit(true);
    Select(1, 1);
    const plat::TRect r = grid->GridCellRect(3, 4);
    const struct {
        const char* name;
        int col, x;
        bool edits;
    } cases[] = {
        {"inside", 3, (r.Left + r.Right) / 2, true},
        {"2 px from the left edge", 3, r.Left + 2, false},
        {"read-only column", 2, (grid->GridCellRect(2, 4).Left + grid->GridCellRect(2, 4).Right) / 2, false},
    };
    for (const auto& c : cases) {
        Select(1, 1);
        pt::ClickAt(*grid, c.x, (r.Top + r.Bottom) / 2);
        EXPECT_EQ(grid->Col(), c.col) << c.name;
        EXPECT_EQ(grid->EditMode(), c.edits) << c.name;
        if (grid->EditMode()) {
            EXPECT_EQ(grid->InplaceEditor()->Text(), "value") << c.name;
            pt::SendKey(*grid->InplaceEditor(), plat::VK_ESCAPE);
        }
    }
}

TEST_F(GridClicks, LeavingTheGridClearsTheHoverRow) {
    grid->SetHoverRow(true);
    const plat::TPoint p = Inside(2, 4);
    pt::MouseMove(*grid, p.X, p.Y);
    ASSERT_EQ(grid->FHoverRowIdx, 4);
    pt::MouseLeave(*grid);
    EXPECT_EQ(grid->FHoverRowIdx, -1);
}

TEST_F(GridClicks, DoubleClickEditsWhereOnlyDoubleClicksEdit) {
    grid->MouseActions().SetEditOnDblClickOnly(true);
    grid->OnCanEditCell = [](plat::TObject*, int, int col, bool& can) { can = col != 2; };
    grid->SetCells(3, 4, "value");
    grid->SetCells(2, 4, "label");
    std::vector<TCellHit> dbl;
    grid->OnDblClickCell = [&](plat::TObject*, int r, int c) { dbl.push_back({r, c}); };
    const plat::TPoint p = Inside(3, 4);
    pt::DoubleClickAt(*grid, p.X, p.Y);
    EXPECT_EQ(dbl, (std::vector<TCellHit>{{4, 3}}));
    ASSERT_TRUE(grid->EditMode());
    EXPECT_EQ(grid->InplaceEditor()->Text(), "value");
    pt::SendKey(*grid->InplaceEditor(), plat::VK_ESCAPE);
    pt::ProcessEvents();
    const plat::TPoint q = Inside(2, 4);
    pt::DoubleClickAt(*grid, q.X, q.Y);
    EXPECT_FALSE(grid->EditMode()) << "a read-only cell";
    EXPECT_EQ(dbl.size(), 2u);
}

TEST_F(GridClicks, CheckBoxReleaseIsReportedWithTheNewState) {
    grid->SetOptions(grid->Options() + plat::TGridOptions{plat::goEditing});
    grid->AddCheckBoxColumn(2, false, true);
    std::vector<bool> ups;
    grid->OnCheckBoxMouseUp = [&](plat::TObject*, int c, int r, bool state) {
        EXPECT_EQ(c, 2);
        EXPECT_EQ(r, 5);
        ups.push_back(state);
    };
    const plat::TRect r = grid->GridCellRect(2, 5);
    pt::ClickAt(*grid, r.Left + 6, (r.Top + r.Bottom) / 2);
    EXPECT_EQ(ups, std::vector<bool>{true});
    Click(Inside(3, 5));
    EXPECT_EQ(ups.size(), 1u) << "another cell";
}

TEST_F(GridClicks, SizingIsReportedWhileTheBorderMoves) {
    grid->SetOptions(grid->Options() + plat::TGridOptions{plat::goColSizing, plat::goRowSizing});
    std::vector<std::pair<int, int>> sizing;
    grid->OnColumnSizing = [&](plat::TObject*, int c, int w) { sizing.push_back({c, w}); };
    std::vector<int> rowsEnded;
    grid->OnRowSizing = [&](plat::TObject*, int r, int h) { sizing.push_back({-r, h}); };
    grid->*TProtectedOf::EndRowSize() = [&](plat::TObject*, int r) { rowsEnded.push_back(r); };
    const int w = grid->ColWidths(2), border = grid->GridCellRect(2, 0).Right;
    pt::MouseDown(*grid, plat::mbLeft, border, 5);
    pt::MouseMove(*grid, border + 10, 5, plat::ssLeft);
    pt::MouseMove(*grid, border + 25, 5, plat::ssLeft);
    pt::MouseUp(*grid, plat::mbLeft, border + 25, 5);
    EXPECT_EQ(sizing, (std::vector<std::pair<int, int>>{{2, w + 10}, {2, w + 25}}));
    EXPECT_EQ(grid->ColWidths(2), w + 25);

    sizing.clear();
    const int h = grid->RowHeights(3), bottom = grid->GridCellRect(0, 3).Bottom;
    pt::MouseDown(*grid, plat::mbLeft, 5, bottom);
    pt::MouseMove(*grid, 5, bottom + 8, plat::ssLeft);
    pt::MouseUp(*grid, plat::mbLeft, 5, bottom + 8);
    EXPECT_EQ(sizing, (std::vector<std::pair<int, int>>{{-3, h + 8}}));
    EXPECT_EQ(rowsEnded, std::vector<int>{3});
    EXPECT_EQ(grid->RowHeights(3), h + 8);
}

TEST_F(GridClicks, DraggingOverRowHeadersSelectsTheRows) {
    grid->MouseActions().SetRowSelect(true);
    const plat::TPoint from = Inside(0, 3), to = Inside(0, 6);
    pt::MouseDown(*grid, plat::mbLeft, from.X, from.Y);
    pt::MouseMove(*grid, to.X, to.Y, plat::ssLeft);
    EXPECT_EQ(grid->Selection(), (plat::TGridRect{1, 3, 5, 6}));
    pt::MouseMove(*grid, from.X, Inside(0, 2).Y, plat::ssLeft);
    EXPECT_EQ(grid->Selection(), (plat::TGridRect{1, 2, 5, 3}));
    pt::MouseUp(*grid, plat::mbLeft, from.X, Inside(0, 2).Y);
    pt::MouseMove(*grid, to.X, to.Y);
    EXPECT_EQ(grid->Selection(), (plat::TGridRect{1, 2, 5, 3})) << "the drag ended with the release";
}

TEST_F(GridClicks, InlineControlsChangeByClickWhereTheCellMayBeEdited) {
    struct TControlHit {
        std::string id, type, value;
        bool operator==(const TControlHit&) const = default;
    };
    std::vector<TControlHit> heard;
    grid->OnControlClick = [&](plat::TObject*, int r, int c, const std::string& id, const std::string& type,
                               const std::string& value) {
        EXPECT_EQ(r, 3);
        EXPECT_EQ(c, 2);
        heard.push_back({id, type, value});
    };
    const std::string check = "<CONTROL TYPE=\"CHECK\" ID=\"c1\" VALUE=\"FALSE\" WIDTH=\"16\">on";
    const std::string radios = "<CONTROL TYPE=\"RADIO\" ID=\"r1\" VALUE=\"TRUE\" WIDTH=\"16\">"
                               "<CONTROL TYPE=\"RADIO\" ID=\"r2\" VALUE=\"FALSE\" WIDTH=\"16\">";
    const plat::TRect r = grid->GridCellRect(2, 3);
    const int y = r.Top + 3 + 6, first = r.Left + 3 + 8, second = first + 16;

    Select(1, 1);
    grid->SetCells(2, 3, check);
    pt::ClickAt(*grid, first, y);
    EXPECT_EQ(grid->Cells(2, 3), check) << "not editable: the click is swallowed";
    EXPECT_TRUE(heard.empty());
    EXPECT_EQ(grid->Row(), 1);

    grid->SetOptions(grid->Options() + plat::TGridOptions{plat::goEditing});
    pt::ClickAt(*grid, first, y);
    std::string value;
    ctl::GetHtmlControlValue(grid->Cells(2, 3), "c1", value);
    EXPECT_EQ(value, "TRUE");
    EXPECT_EQ(heard, (std::vector<TControlHit>{{"c1", "CHECK", "FALSE"}}));
    EXPECT_FALSE(grid->EditMode());

    heard.clear();
    grid->SetCells(2, 3, radios);
    pt::ClickAt(*grid, second, y);
    std::string v1, v2;
    ctl::GetHtmlControlValue(grid->Cells(2, 3), "r1", v1);
    ctl::GetHtmlControlValue(grid->Cells(2, 3), "r2", v2);
    EXPECT_EQ(v1, "FALSE");
    EXPECT_EQ(v2, "TRUE");
    EXPECT_EQ(heard, (std::vector<TControlHit>{{"r2", "RADIO", "FALSE"}}));
}

TEST_F(GridClicks, LinksUnderTheMouseShowTheHand) {
    std::vector<std::string> events;
    grid->OnAnchorEnter = [&](plat::TObject*, int, int, const std::string& a) { events.push_back("enter " + a); };
    grid->OnAnchorExit = [&](plat::TObject*, int, int, const std::string& a) { events.push_back("exit " + a); };
    grid->SetCells(2, 3, "<A href=\"cell://R5C1\">go</A>");
    grid->SetCells(3, 3, "http://example.invalid");
    const plat::TRect a = grid->GridCellRect(2, 3), u = grid->GridCellRect(3, 3);
    pt::MouseMove(*grid, a.Left + 6, a.Top + 8);
    EXPECT_EQ(grid->Cursor(), plat::crHandPoint);
    pt::MouseMove(*grid, a.Left + 7, a.Top + 8);
    pt::MouseMove(*grid, u.Left + 6, u.Top + 8);
    EXPECT_EQ(grid->Cursor(), plat::crDefault) << "a plain address is no link unless URLShow";
    TProtectedOf::SetUrlShow(*grid, true);
    pt::MouseMove(*grid, u.Left + 7, u.Top + 8);
    EXPECT_EQ(grid->Cursor(), plat::crHandPoint);
    pt::MouseMove(*grid, Inside(4, 6).X, Inside(4, 6).Y);
    EXPECT_EQ(grid->Cursor(), plat::crDefault);
    EXPECT_EQ(events, (std::vector<std::string>{"enter cell://R5C1", "exit ", "enter http://example.invalid",
                                                "exit "}));
}

TEST_F(GridClicks, ClicksBuildTheDisjunctRowSelection) {
    grid->SetOptions(grid->Options() + plat::TGridOptions{plat::goRangeSelect});
    grid->MouseActions().SetDisjunctRowSelect(true);
    auto selected = [this] {
        std::vector<int> rows;
        for (int r = 1; r < grid->RowCount(); ++r)
            if (grid->GetRowSelect(r)) rows.push_back(r);
        return rows;
    };
    auto press = [this](int row, plat::TShiftState shift) {
        const plat::TPoint p = Inside(2, row);
        pt::MouseDown(*grid, plat::mbLeft, p.X, p.Y, shift);
        pt::MouseUp(*grid, plat::mbLeft, p.X, p.Y, shift);
    };
    const struct {
        int row;
        plat::TShiftState shift;
        std::vector<int> rows;
    } steps[] = {
        {3, 0, {3}},
        {5, plat::ssCtrl, {3, 5}},
        {3, plat::ssCtrl, {5}},
        {7, 0, {7}},
        {9, plat::ssShift, {7, 8, 9}},
    };
    for (const auto& s : steps) {
        press(s.row, s.shift);
        EXPECT_EQ(selected(), s.rows) << "row " << s.row;
    }
}

TEST_F(GridClicks, HeaderCellUnderTheMouseShowsHoverAndPress) {
    auto hover = [this] {
        const TExtStringGrid::TFixedCellHover h = grid->FixedCellHover();
        return std::vector<int>{h.Col, h.Row, h.Pressed ? 1 : 0};
    };
    const plat::TPoint head = Inside(3, 0), cell = Inside(3, 4);
    pt::MouseMove(*grid, head.X, head.Y);
    EXPECT_EQ(hover(), (std::vector<int>{-1, -1, 0})) << "off by default";
    grid->SetHoverFixedCells(hfFixedRows);
    pt::MouseMove(*grid, head.X + 1, head.Y);
    EXPECT_EQ(hover(), (std::vector<int>{3, 0, 0}));
    pt::MouseMove(*grid, Inside(0, 4).X, Inside(0, 4).Y);
    EXPECT_EQ(hover(), (std::vector<int>{-1, -1, 0})) << "row headers do not take part";
    pt::MouseMove(*grid, head.X, head.Y);
    pt::MouseDown(*grid, plat::mbLeft, head.X, head.Y);
    EXPECT_EQ(hover(), (std::vector<int>{3, 0, 1}));
    pt::MouseUp(*grid, plat::mbLeft, head.X, head.Y);
    EXPECT_EQ(hover(), (std::vector<int>{3, 0, 0}));
    pt::MouseMove(*grid, cell.X, cell.Y);
    EXPECT_EQ(hover(), (std::vector<int>{-1, -1, 0}));
    pt::MouseMove(*grid, head.X, head.Y);
    pt::MouseLeave(*grid);
    EXPECT_EQ(hover(), (std::vector<int>{-1, -1, 0}));
}

TEST_F(GridClicks, RadioGroupTakesTheOptionUnderTheClick) {
    grid->SetOptions(grid->Options() + plat::TGridOptions{plat::goEditing});
    grid->SetRowHeights(3, 80);
    grid->SetColWidths(2, 250);
    for (bool across : {false, true}) {
        auto* options = grid->CreateRadio(2, 3, across ? 1 : 0, 0);
        for (const char* o : {"Off", "Slow", "Fast"}) options->Add(o);
        std::vector<int> picked;
        grid->OnRadioClick = [&](plat::TObject*, int c, int r, int idx) {
            EXPECT_EQ(c, 2);
            EXPECT_EQ(r, 3);
            picked.push_back(idx);
        };
        grid->Canvas().Font() = grid->Font();
        const int step = across ? 0 : std::max(16, grid->Canvas().TextHeight("gh"));
        const int w0 = grid->Canvas().TextWidth("Off") + 16, w1 = grid->Canvas().TextWidth("Slow") + 16;
        const plat::TRect r = grid->GridCellRect(2, 3);
        auto at = [&](int offset) {
            if (across) pt::ClickAt(*grid, r.Left + offset, r.Top + 5);
            else pt::ClickAt(*grid, r.Left + 5, r.Top + offset);
        };
        Select(1, 1);
        at(across ? w0 + 3 : step + 3);  // the second option
        at(across ? w0 + w1 + 3 : 2 * step + 3);  // the third
        at(across ? w0 + w1 + grid->Canvas().TextWidth("Fast") + 40 : 3 * step + 3);  // beyond the last
        EXPECT_EQ(picked, (std::vector<int>{1, 2})) << across;
        int idx = -1;
        grid->GetRadioIdx(2, 3, idx);
        EXPECT_EQ(idx, 2) << across;
        EXPECT_EQ(grid->Row(), 3) << across;
        EXPECT_FALSE(grid->EditMode()) << across;
        grid->RemoveRadio(2, 3);
    }
}

}  // namespace
