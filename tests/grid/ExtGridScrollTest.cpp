#include <gtest/gtest.h>

#include <memory>

#include "grid/ExtCGrid.h"
#include "grid/ExtGridScroll.h"
#include "platform/Forms.h"
#include "platform/GuiApp.h"
#include "platform/Messages.h"

using namespace grid;

TEST(ExtGridScroll, ThumbPositionsOfAVeryLongGrid) {
    const struct {
        int pos, count, visible, fixed, cell;
    } cases[] = {
        {0, 100000, 20, 1, 1},
        {127, 100000, 20, 1, 100000 - 20},
        {64, 100000, 20, 1, 50384},  // 64 * 99979 / 127 = 50383.1
        {127, 10, 20, 1, 1},         // everything shows: nowhere to scroll to
        {1, 1025, 11, 1, 9},         // 1013 / 127 = 7.98 -> 8
    };
    for (const auto& c : cases) EXPECT_EQ(ThumbToCell(c.pos, c.count, c.visible, c.fixed), c.cell) << c.pos;
}

TEST(ExtGridScroll, HintTextsAndFlatThumb) {
    EXPECT_EQ(ScrollHintText(true, 120), "Row : 120");
    EXPECT_EQ(ScrollHintText(false, 7), "Col : 7");
    // 10 of 100 rows visible: the thumb takes 13 of 128, so 50 maps to 55.
    EXPECT_EQ(FlatThumbPosition(50, 10, 100), 55);
    EXPECT_EQ(FlatThumbPosition(50, 100, 100), 50);
}

TEST(ExtGridScroll, NearestRoundsHalvesToEven) {
    const struct {
        double in;
        int out;
    } cases[] = {{0.5, 0}, {1.5, 2}, {2.5, 2}, {2.6, 3}, {-1.5, -2}};
    for (const auto& c : cases) EXPECT_EQ(Nearest(c.in), c.out) << c.in;
}

TEST(ExtGridScroll, IndicatorThumb) {
    // 1000 rows, 20 visible: 2 % of a 400-pixel track is 8, raised to 20.
    TIndicatorThumb t = IndicatorThumb(424, 24, 400, 1, 1000, 20, 1);
    EXPECT_EQ(t.Size, 20);
    EXPECT_EQ(t.Position, 24);
    EXPECT_TRUE(t.Shown);
    // At the end the thumb stays inside the control.
    t = IndicatorThumb(424, 24, 400, 981, 1000, 20, 1);
    EXPECT_EQ(t.Position, 424 - 20);
    // Nothing to scroll to: no thumb.
    EXPECT_FALSE(IndicatorThumb(424, 24, 400, 1, 10, 20, 1).Shown);
}

TEST(ExtGridScroll, ProportionalRange) {
    // Everything fits: the bar is left alone.
    EXPECT_FALSE(ProportionalRange({24}, {24, 24, 24}, 0, 1, 300, 0, false).Set);
    EXPECT_FALSE(ProportionalRange({64}, {64, 64}, 0, 1, 400, 0, true).Set);
    // 100 rows of 24 under a header of 24 in a 300-pixel control.
    const std::vector<int> rows(100, 24);
    const TProportionalRange top = ProportionalRange({24}, rows, 0, 1, 300, 0, false);
    ASSERT_TRUE(top.Set);
    // e = (300 - 26) / 2501
    const float e = float(300 - 26) / 2501.0f;
    EXPECT_EQ(top.Max, int((e + 127.0f) / (1.0f - e)));
    EXPECT_EQ(top.Page, top.Max - 126);
    EXPECT_EQ(top.Position, 0);
    const TProportionalRange mid = ProportionalRange({24}, rows, 50, 1, 300, 0, false);
    EXPECT_EQ(mid.Position, int(double(1 + 50 * 25) / double(2501 - 300) * 128.0));
}

TEST(ExtGridScroll, DragScrolling) {
    const TDragScrollMargins m;
    EXPECT_EQ(DragScrollDirection(200, 10, 400, 300, m), dsdUp);
    EXPECT_EQ(DragScrollDirection(390, 295, 400, 300, m), dsdDown | dsdRight);
    EXPECT_EQ(DragScrollDirection(200, 150, 400, 300, m), 0);
    int top = 3, left = 1;
    DragScrollStep(dsdUp | dsdLeft, top, left, 1, 1, 100, 10, 10, 5);
    EXPECT_EQ(top, 2);
    EXPECT_EQ(left, 1) << "the left column is already the first scrollable one";
    top = 90;
    DragScrollStep(dsdDown, top, left, 1, 1, 100, 10, 10, 5);
    EXPECT_EQ(top, 90) << "the last rows already show";
}

TEST(ExtGridScroll, AllColumnSizingScalesTheOthers) {
    std::vector<int> widths{40, 30, 100, 64, 33};
    ScaleOtherSizes(widths, 1, 2, 50);  // column 2 went from 50 to 100
    EXPECT_EQ(widths, (std::vector<int>{40, 60, 100, 128, 66}));
    std::vector<int> same{40, 30, 100};
    ScaleOtherSizes(same, 1, 2, 0);
    EXPECT_EQ(same, (std::vector<int>{40, 30, 100}));
}

namespace {
struct BigGrid {
    std::unique_ptr<plat::TForm> form;
    TExtColumnGrid* g = nullptr;
    BigGrid() {
        plat::EnsureGuiApplication();
        form = std::make_unique<plat::TForm>(nullptr);
        form->SetBounds(0, 0, 500, 320);
        g = new TExtColumnGrid(form.get());
        g->SetParent(form.get());
        g->SetBounds(0, 0, 480, 300);
        g->SetColCount(30);
        g->SetRowCount(100000);
    }
};
}  // namespace

TEST(ExtGridScroll, TopRowAndLeftColumnFollowTheCurrentCell) {
    BigGrid t;
    TExtColumnGrid& g = *t.g;
    const struct {
        int col, row;
    } cases[] = {{1, 99999}, {29, 50000}, {3, 2}, {15, 70000}};
    for (const auto& c : cases) {
        g.MoveCurrentCell(c.col, c.row);  // FocusCell alone does not scroll
        EXPECT_EQ(g.Row(), c.row);
        EXPECT_LE(g.TopRow(), c.row);
        EXPECT_GE(g.TopRow() + g.VisibleRowCount() - 1, c.row) << c.row;
        EXPECT_LE(g.LeftCol(), c.col);
        EXPECT_GE(g.LeftCol() + g.VisibleColCount() - 1, c.col) << c.col;
    }
}

TEST(ExtGridScroll, ThumbScrollsAVeryLongGrid) {
    BigGrid t;
    TExtColumnGrid& g = *t.g;
    const struct {
        int pos;
    } cases[] = {{127}, {64}, {0}, {1}};
    for (const auto& c : cases) {
        g.Perform(plat::WM_VSCROLL, (c.pos << 16) | plat::SB_THUMBPOSITION, 0);
        EXPECT_EQ(g.TopRow(), ThumbToCell(c.pos, g.RowCount(), g.VisibleRowCount(), g.FixedRows())) << c.pos;
    }
    g.Perform(plat::WM_VSCROLL, (127 << 16) | plat::SB_THUMBPOSITION, 0);
    EXPECT_EQ(g.TopRow() + g.VisibleRowCount(), g.RowCount()) << "the last row shows at the bottom";
}

TEST(ExtGridScroll, ColumnNeverGrowsPastItsMaxSize) {
    BigGrid t;
    TExtColumnGrid& g = *t.g;
    g.SetOptions(g.Options() + TGridOptions{goColSizing});
    g.Columns().Items(2).SetMaxSize(80);
    g.Columns().Items(2).SetMinSize(30);
    const struct {
        int width, want;
    } cases[] = {{300, 80}, {60, 60}, {10, 30}, {80, 80}};
    for (const auto& c : cases) {
        g.SetColWidths(2, c.width);
        EXPECT_EQ(g.ColWidths(2), c.want) << c.width;
    }
    // The user drags the column's right edge far to the right.
    g.SetColWidths(2, 64);
    const int edge = g.ColWidths(0) + g.ColWidths(1) + g.ColWidths(2) - 1;
    g.Perform(plat::WM_LBUTTONDOWN, plat::MK_LBUTTON, (5 << 16) | edge);
    g.Perform(plat::WM_MOUSEMOVE, plat::MK_LBUTTON, (5 << 16) | (edge + 200));
    g.Perform(plat::WM_LBUTTONUP, 0, (5 << 16) | (edge + 200));
    EXPECT_EQ(g.ColWidths(2), 80);
    // Auto sizing keeps to the column's auto limits.
    g.Columns().Items(3).SetAutoMaxSize(90);
    g.SetCells(3, 1, "a text far wider than ninety pixels in any font we have");
    g.AutoSizeCol(3);
    EXPECT_EQ(g.ColWidths(3), 90);
}
