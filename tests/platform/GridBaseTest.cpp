#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/Application.h"
#include "platform/Forms.h"
#include "platform/Grids.h"
#include "platform/TestHooks.h"

using namespace plat;

namespace {

// A grid with a cell store of its own, as the string grid keeps one, that
// records what it is asked to paint and to edit.
class TTestGrid : public TCustomGrid {
public:
    using TCustomGrid::TCustomGrid;
    std::map<std::pair<int, int>, std::string> cells;
    std::map<std::pair<int, int>, TGridDrawState> painted;
    std::vector<std::string> edits;
    std::vector<std::pair<int, int>> moved;
    bool refuse = false;

protected:
    void DrawCell(int c, int r, const TRect& rect, TGridDrawState state) override {
        painted[{c, r}] = state;
        Canvas().Brush().SetColor(state.Contains(gdFixed) ? clGray : state.Contains(gdSelected) ? clNavy : clWhite);
        Canvas().FillRect(rect);
    }
    bool SelectCell(int c, int r) override { return !refuse && TCustomGrid::SelectCell(c, r); }
    std::string GetEditText(int c, int r) override { return cells[{c, r}]; }
    void SetEditText(int c, int r, const std::string& v) override {
        cells[{c, r}] = v;
        edits.push_back(v);
    }
    void ColumnMoved(int from, int to) override { moved.emplace_back(from, to); }

public:
    TGridDrawState State(int c, int r) { return painted[{c, r}]; }
    std::string Cell(int c, int r) { return cells[{c, r}]; }
};

class GridTest : public ::testing::Test {
protected:
    void SetUp() override {
        InitApplication();
        form = std::make_unique<TForm>(nullptr);
        form->SetClientWidth(400);
        form->SetClientHeight(300);
        grid = new TTestGrid(form.get());
        grid->SetParent(form.get());
        grid->SetScrollBars(ssNone);
        grid->SetBounds(0, 0, 330, 130);  // 5 columns of 64 and 5 rows of 24 fit
        grid->SetColCount(10);
        grid->SetRowCount(20);
        grid->SetDefaultColWidth(64);
        grid->SetDefaultRowHeight(24);
        form->Show();
        test::ProcessEvents();
    }
    std::unique_ptr<TForm> form;
    TTestGrid* grid = nullptr;
};

}  // namespace

// Cells lie edge to edge from the fixed ones and the top-left scrolled cell;
// points map back to the cell under them, -1 beyond the last one.
TEST_F(GridTest, CellRectanglesAndHitTest) {
    grid->SetColWidths(2, 100);
    EXPECT_EQ(grid->GridCellRect(0, 0), Rect(0, 0, 64, 24));
    EXPECT_EQ(grid->GridCellRect(2, 1), Rect(128, 24, 228, 48));
    grid->SetTopRow(5);
    EXPECT_EQ(grid->GridCellRect(1, 5), Rect(64, 24, 128, 48));
    EXPECT_EQ(grid->GridCellRect(1, 2), TRect{});  // scrolled away
    EXPECT_EQ(grid->GridCellRect(1, 0), Rect(64, 0, 128, 24));  // fixed rows stay

    struct Case {
        int x, y, col, row;
    } cases[] = {
        {0, 0, 0, 0}, {63, 23, 0, 0}, {64, 24, 1, 5}, {130, 30, 2, 5}, {329, 129, 4, 9}, {330, 10, -1, 0}, {10, 130, 0, -1},
    };
    for (const auto& c : cases) {
        const TGridCoord got = grid->MouseCoord(c.x, c.y);
        EXPECT_EQ(got, (TGridCoord{c.col, c.row})) << c.x << "," << c.y;
    }
    grid->SetColCount(3);  // shorter than the client: nothing right of it
    EXPECT_EQ(grid->MouseCoord(300, 30).X, -1);
}

// Keys move the current cell inside the normal area; Shift extends a range.
TEST_F(GridTest, KeyMovement) {
    struct Case {
        const char* name;
        int col, row;
        unsigned short key;
        TShiftState shift;
        int wantCol, wantRow;
        TGridRect wantSel;
    } cases[] = {
        {"down", 2, 3, VK_DOWN, 0, 2, 4, {2, 4, 2, 4}},
        {"up stops at fixed", 2, 1, VK_UP, 0, 2, 1, {2, 1, 2, 1}},
        {"left stops at fixed", 1, 3, VK_LEFT, 0, 1, 3, {1, 3, 1, 3}},
        {"right", 8, 3, VK_RIGHT, 0, 9, 3, {9, 3, 9, 3}},
        {"home", 5, 3, VK_HOME, 0, 1, 3, {1, 3, 1, 3}},
        {"end", 5, 3, VK_END, 0, 9, 3, {9, 3, 9, 3}},
        {"ctrl home", 5, 7, VK_HOME, ssCtrl, 1, 1, {1, 1, 1, 1}},
        {"ctrl end", 5, 7, VK_END, ssCtrl, 9, 19, {9, 19, 9, 19}},
        {"page down", 2, 1, VK_NEXT, 0, 2, 5, {2, 5, 2, 5}},
        {"shift down extends", 2, 3, VK_DOWN, ssShift, 2, 4, {2, 3, 2, 4}},
        {"shift right extends", 2, 3, VK_RIGHT, ssShift, 3, 3, {2, 3, 3, 3}},
    };
    for (const auto& c : cases) {
        grid->FocusCell(c.col, c.row, true);
        test::SendKey(*grid, c.key, c.shift);
        EXPECT_EQ(grid->Col(), c.wantCol) << c.name;
        EXPECT_EQ(grid->Row(), c.wantRow) << c.name;
        EXPECT_EQ(grid->Selection(), c.wantSel) << c.name;
    }
}

// Tab moves through the columns and wraps across rows, with goTabs only.
TEST_F(GridTest, TabWrapsAcrossRows) {
    grid->FocusCell(9, 3, true);
    test::SendKey(*grid, VK_TAB);
    EXPECT_EQ(grid->Col(), 9);  // without goTabs the form moves the focus
    grid->SetOptions(grid->Options() + TGridOptions{goTabs});
    test::SendKey(*grid, VK_TAB);
    EXPECT_EQ((TGridCoord{grid->Col(), grid->Row()}), (TGridCoord{1, 4}));
    test::SendKey(*grid, VK_TAB, ssShift);
    EXPECT_EQ((TGridCoord{grid->Col(), grid->Row()}), (TGridCoord{9, 3}));
}

// Moving the current cell scrolls it into view; SelectCell can refuse a move.
TEST_F(GridTest, CurrentCellScrollsIntoViewAndCanBeRefused) {
    grid->SetRow(12);
    EXPECT_EQ(grid->TopRow(), 12 - grid->VisibleRowCount() + 1);
    EXPECT_EQ(grid->VisibleRowCount(), 4);
    grid->SetRow(2);
    EXPECT_EQ(grid->TopRow(), 2);
    grid->refuse = true;
    grid->SetRow(6);
    test::SendKey(*grid, VK_DOWN);
    EXPECT_EQ(grid->Row(), 2);
    // Setting the selection does not ask.
    grid->SetSelection({2, 3, 4, 5});
    EXPECT_EQ(grid->Col(), 4);
    EXPECT_EQ(grid->Row(), 5);
    EXPECT_EQ(grid->Selection(), (TGridRect{2, 3, 4, 5}));
}

// The scroll bar positions 0..127 stand for the first to the last top row.
TEST_F(GridTest, ScrollMessagesMoveTheTopRow) {
    const int span = grid->RowCount() - grid->VisibleRowCount() - grid->FixedRows();  // 20 - 4 - 1
    struct Case {
        unsigned code;
        int pos;
        int want;
    } cases[] = {
        {SB_LINEDOWN, 0, 2}, {SB_PAGEDOWN, 0, 6}, {SB_LINEUP, 0, 5}, {SB_THUMBPOSITION, 127, 1 + span},
        {SB_THUMBPOSITION, 64, 1 + 64 * span / 127}, {SB_TOP, 0, 1}, {SB_BOTTOM, 0, 1 + span},
    };
    for (const auto& c : cases) {
        grid->Perform(WM_VSCROLL, MakeLParam(static_cast<int>(c.code), c.pos));
        EXPECT_EQ(grid->TopRow(), c.want) << c.code << " " << c.pos;
    }
    EXPECT_EQ(grid->Row(), 1);  // scrolling leaves the current cell
}

// A click makes a cell current, Shift+click and a drag select a range, and
// the painter sees fixed, selected and focused cells as such.
TEST_F(GridTest, MouseSelectsAndPaintShowsState) {
    test::ClickAt(*grid, 70, 30);  // cell (1, 1)
    EXPECT_EQ((TGridCoord{grid->Col(), grid->Row()}), (TGridCoord{1, 1}));
    test::MouseDown(*grid, mbLeft, 140, 60, ssShift);  // (2, 2)
    test::MouseUp(*grid, mbLeft, 140, 60);
    EXPECT_EQ(grid->Selection(), (TGridRect{1, 1, 2, 2}));

    test::MouseDown(*grid, mbLeft, 70, 30);
    test::MouseMove(*grid, 270, 100, ssLeft);  // (4, 4)
    test::MouseUp(*grid, mbLeft, 270, 100);
    EXPECT_EQ(grid->Selection(), (TGridRect{1, 1, 4, 4}));
    EXPECT_EQ(grid->GridState(), gsNormal);

    grid->painted.clear();
    grid->Repaint();
    EXPECT_TRUE(grid->State(0, 3).Contains(gdFixed));
    EXPECT_TRUE(grid->State(3, 3).Contains(gdSelected));
    EXPECT_FALSE(grid->State(3, 3).Contains(gdFixed));
    EXPECT_TRUE(grid->State(4, 4).Contains(gdFocused));
    EXPECT_TRUE(grid->State(0, 0).Contains(gdFixed));
    EXPECT_TRUE(grid->State(0, 0) == TGridDrawState{gdFixed});
    EXPECT_EQ(test::PixelAt(*grid, 200, 80), (test::TRgb{0, 0, 128}));  // a selected cell
}

// Dragging a header border sizes the column; dragging a header moves the
// column with the current cell.
TEST_F(GridTest, MouseSizingAndMovingOfColumns) {
    grid->SetOptions(grid->Options() + TGridOptions{goColSizing, goColMoving});
    test::MouseDown(*grid, mbLeft, 128, 10);  // the border between 1 and 2
    EXPECT_EQ(grid->GridState(), gsColSizing);
    test::MouseMove(*grid, 150, 10, ssLeft);
    test::MouseUp(*grid, mbLeft, 150, 10);
    EXPECT_EQ(grid->ColWidths(1), 86);
    EXPECT_EQ(grid->GridState(), gsNormal);

    grid->SetColWidths(3, 40);
    grid->FocusCell(3, 2, true);
    test::MouseDown(*grid, mbLeft, 230, 10);  // header of column 3
    EXPECT_EQ(grid->GridState(), gsColMoving);
    test::MouseMove(*grid, 20 + 64 + 86 - 20, 10, ssLeft);  // over column 2
    test::MouseUp(*grid, mbLeft, 150, 10);
    ASSERT_EQ(grid->moved.size(), 1u);
    EXPECT_EQ(grid->moved[0], std::make_pair(3, 2));
    EXPECT_EQ(grid->ColWidths(2), 40);
    EXPECT_EQ(grid->ColWidths(3), 64);
    EXPECT_EQ(grid->Col(), 2);  // the current cell moved with its column
}

// The in-place editor opens on the current cell with its text, stores each
// change at once, and closes with Enter storing the text.
TEST_F(GridTest, InplaceEditorStoresEachChange) {
    grid->SetOptions(grid->Options() + TGridOptions{goEditing});
    grid->cells[{2, 3}] = "abc";
    grid->FocusCell(2, 3, true);
    test::SendKey(*grid, VK_RETURN);
    ASSERT_TRUE(grid->EditorMode());
    TInplaceEdit* ed = grid->InplaceEditor();
    ASSERT_NE(ed, nullptr);
    EXPECT_TRUE(ed->Visible());
    EXPECT_EQ(ed->Text(), "abc");
    EXPECT_EQ(ed->Left(), grid->GridCellRect(2, 3).Left);

    test::SendKey(*ed, VK_END);
    test::TypeText(*ed, "de");
    EXPECT_EQ(grid->edits, (std::vector<std::string>{"abcd", "abcde"}));
    test::SendKey(*ed, VK_RETURN);
    EXPECT_FALSE(grid->EditorMode());
    EXPECT_FALSE(ed->Visible());
    EXPECT_EQ(grid->Cell(2, 3), "abcde");

    // Typing on the grid opens the editor with that character.
    grid->edits.clear();
    test::TypeText(*grid, "7");
    EXPECT_TRUE(grid->EditorMode());
    EXPECT_EQ(ed->Text(), "7");
    EXPECT_EQ(grid->Cell(2, 3), "7");
    // An arrow in the editor goes to the grid, which closes the editor.
    test::SendKey(*ed, VK_DOWN);
    EXPECT_FALSE(grid->EditorMode());
    EXPECT_EQ(grid->Row(), 4);
    EXPECT_EQ(grid->Cell(2, 3), "7");
}

// The grid's OnKeyPress sees the characters typed into the editor first.
TEST_F(GridTest, EditorCharactersPassTheGridFirst) {
    grid->SetOptions(grid->Options() + TGridOptions{goEditing});
    grid->OnKeyPress = [](TObject*, char32_t& key) {
        if (key >= 'a' && key <= 'z') key = key - 'a' + 'A';
    };
    grid->FocusCell(1, 1, true);
    grid->ShowEditor();
    test::TypeText(*grid->InplaceEditor(), "x1");
    EXPECT_EQ(grid->Cell(1, 1), "X1");
}
