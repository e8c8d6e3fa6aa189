#include <gtest/gtest.h>

#include "GridOnFormFixture.h"

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
struct BigGrid : GridOnHiddenForm<TExtColumnGrid> {
    BigGrid() : GridOnHiddenForm({0, 0, 500, 320}, {0, 0, 480, 300}, 30, 100000) {}
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

// ------------------------------------------------------------------ the grid's own scroll handling

namespace {
intptr_t ScrollCode(unsigned code, int pos) { return plat::MakeLParam(static_cast<int>(code), pos); }
}  // namespace

TEST(ExtGridScroll, HintShowsTheRowTheThumbStandsFor) {
    BigGrid t;
    TExtColumnGrid& g = *t.g;
    // Off by default, and the horizontal setting leaves the vertical bar alone.
    for (TScrollHintType kind : {shNone, shHorizontal}) {
        g.SetScrollHints(kind);
        g.Perform(plat::WM_VSCROLL, ScrollCode(plat::SB_THUMBTRACK, 64), 0);
        EXPECT_FALSE(g.ScrollHintShowing()) << kind;
    }
    g.SetScrollHints(shVertical);
    const int top = g.TopRow();
    g.Perform(plat::WM_VSCROLL, ScrollCode(plat::SB_THUMBTRACK, 64), 0);
    EXPECT_TRUE(g.ScrollHintShowing());
    const int row = ThumbToCell(64, g.RowCount(), g.VisibleRowCount(), g.FixedRows());
    EXPECT_EQ(g.ScrollHintCaption(), "Row : " + std::to_string(row));
    EXPECT_EQ(g.TopRow(), top) << "without live scrolling the grid waits for the release";
    g.Perform(plat::WM_VSCROLL, ScrollCode(plat::SB_ENDSCROLL, 0), 0);
    EXPECT_FALSE(g.ScrollHintShowing());

    g.SetScrollHints(shBoth);
    g.OnScrollHint = [](plat::TObject*, int c, std::string& hint) { hint = "Column " + std::to_string(c); };
    g.Perform(plat::WM_HSCROLL, ScrollCode(plat::SB_THUMBTRACK, 127), 0);
    EXPECT_EQ(g.ScrollHintCaption(),
              "Column " + std::to_string(ThumbToCell(127, g.ColCount(), g.VisibleColCount(), g.FixedCols())));
}

TEST(ExtGridScroll, LiveThumbScrollsWhileDragged) {
    BigGrid t;
    TExtColumnGrid& g = *t.g;
    g.SetScrollSynch(true);
    const struct {
        bool vertical;
        int pos;
    } cases[] = {{true, 100}, {true, 3}, {false, 127}, {false, 0}};
    for (const auto& c : cases) {
        g.Perform(c.vertical ? plat::WM_VSCROLL : plat::WM_HSCROLL, ScrollCode(plat::SB_THUMBTRACK, c.pos), 0);
        if (c.vertical)
            EXPECT_EQ(g.TopRow(), ThumbToCell(c.pos, g.RowCount(), g.VisibleRowCount(), g.FixedRows()));
        else
            EXPECT_EQ(g.LeftCol(), ThumbToCell(c.pos, g.ColCount(), g.VisibleColCount(), g.FixedCols()));
        EXPECT_EQ(g.OldTopRow(), g.TopRow());
        EXPECT_EQ(g.OldLeftCol(), g.LeftCol());
    }
}

TEST(ExtGridScroll, SynchronisedGridFollows) {
    BigGrid a, b;
    a.g->SyncGrid().SetGrid(b.g);
    a.g->SyncGrid().SetScrollVertical(true);
    a.g->SetTopRow(5000);
    a.g->SetLeftCol(7);
    EXPECT_EQ(b.g->TopRow(), 5000);
    EXPECT_EQ(b.g->LeftCol(), b.g->FixedCols()) << "only the set direction follows";
}

TEST(ExtGridScroll, DragOverTheEdgesScrollsOnATimer) {
    BigGrid t;
    TExtColumnGrid& g = *t.g;
    bool accept = true;
    g.SetTopRow(3);
    g.DragOver(nullptr, 200, 10, TExtStringGrid::dsDragMove, accept);
    EXPECT_FALSE(g.DragScrollTimerRunning()) << "switched off by default";
    g.DragScrollOptions().Active = true;
    g.DragOver(nullptr, 200, 10, TExtStringGrid::dsDragMove, accept);
    ASSERT_TRUE(g.DragScrollTimerRunning());
    EXPECT_EQ(g.DragScrollInterval(), 1000);
    g.DragScrollTimer();
    EXPECT_EQ(g.TopRow(), 2);
    EXPECT_EQ(g.DragScrollInterval(), 250);
    g.DragScrollTimer();
    g.DragScrollTimer();
    EXPECT_EQ(g.TopRow(), g.FixedRows()) << "stops at the first scrollable row";
    // A handler may hold one tick back.
    g.SetTopRow(10);
    g.OnDragScroll = [](plat::TObject*, int, int, int&, bool& can) { can = false; };
    g.DragScrollTimer();
    EXPECT_EQ(g.TopRow(), 10);
    g.OnDragScroll = nullptr;
    // Bottom-right corner: down and right together.
    g.DragOver(nullptr, g.Width() - 5, g.Height() - 5, TExtStringGrid::dsDragMove, accept);
    const int left = g.LeftCol();
    g.DragScrollTimer();
    EXPECT_EQ(g.TopRow(), 11);
    EXPECT_EQ(g.LeftCol(), left + 1);
    // Back in the middle, or leaving: the timer goes.
    g.DragOver(nullptr, 200, 150, TExtStringGrid::dsDragMove, accept);
    EXPECT_FALSE(g.DragScrollTimerRunning());
    g.DragOver(nullptr, 200, 10, TExtStringGrid::dsDragMove, accept);
    g.DragOver(nullptr, 200, 10, TExtStringGrid::dsDragLeave, accept);
    EXPECT_FALSE(g.DragScrollTimerRunning());
}

TEST(ExtGridScroll, UserSizingWithAllColumnsAndRows) {
    BigGrid t;
    TExtColumnGrid& g = *t.g;
    g.SetRowCount(20);
    for (int c = 1; c < 5; ++c) g.SetColWidths(c, 40);
    std::vector<int> ended;
    g.OnEndColumnSize = [&](plat::TObject*, int c) { ended.push_back(c); };
    g.MouseActions().SetAllColumnSize(true);
    g.NoteUserSizing(true, 2, 40);
    g.SetColWidths(2, 60);
    EXPECT_EQ(g.ColWidths(1), 60);
    EXPECT_EQ(g.ColWidths(3), 60);
    EXPECT_EQ(g.ColWidths(0), 64) << "fixed columns keep their width";
    EXPECT_EQ(ended, std::vector<int>{2});
    g.SetColWidths(3, 30);  // not a user sizing: nothing follows
    EXPECT_EQ(g.ColWidths(1), 60);
    EXPECT_EQ(ended.size(), 1u);

    std::vector<int> rowsEnded;
    g.OnEndRowSize = [&](plat::TObject*, int r) { rowsEnded.push_back(r); };
    g.MouseActions().SetAllRowSize(true);
    const int start = g.RowHeights(3);
    g.NoteUserSizing(false, 3, start);
    g.SetRowHeights(3, start * 3 / 2);
    EXPECT_EQ(g.RowHeights(1), start * 3 / 2);
    EXPECT_EQ(g.RowHeights(19), start * 3 / 2);
    EXPECT_EQ(rowsEnded, std::vector<int>{3});
    // A starting size of 0 scales nothing.
    g.NoteUserSizing(false, 4, 0);
    g.SetRowHeights(4, 50);
    EXPECT_EQ(g.RowHeights(5), start * 3 / 2);
}

TEST(ExtGridScroll, MixerFactorIsKeptInRange) {
    TExtStringGrid g(nullptr);
    const struct {
        int in, out;
    } cases[] = {{150, 100}, {-5, 0}, {40, 40}};
    for (const auto& c : cases) {
        g.SetSelectionColorMixerFactor(c.in);
        EXPECT_EQ(g.SelectionColorMixerFactor(), c.out) << c.in;
    }
}

#include "grid/ExtGridScrollBars.h"

TEST(ExtGridScroll, TileIndicatorsReplaceTheBars) {
    BigGrid t;
    TExtColumnGrid& g = *t.g;
    g.SetScrollType(ssTile);
    auto* v = dynamic_cast<TScrollControl*>(g.VertScrollControl());
    auto* h = dynamic_cast<TScrollControl*>(g.HorzScrollControl());
    ASSERT_TRUE(v && h);
    EXPECT_EQ(v->Width(), 6);
    EXPECT_EQ(v->Left() + v->Width(), g.ClientWidth());
    EXPECT_EQ(h->Height(), 6);
    EXPECT_EQ(g.ScrollBars(), plat::ssNone);
    // 100,000 rows: the thumb keeps its least size.
    EXPECT_EQ(v->Thumb().Size, 20);
    EXPECT_TRUE(v->Thumb().Shown);
    // A click below the thumb pages down.
    const int top = g.TopRow();
    v->Perform(plat::WM_LBUTTONDOWN, plat::MK_LBUTTON, plat::MakeLParam(2, v->Height() - 3));
    v->Perform(plat::WM_LBUTTONUP, 0, plat::MakeLParam(2, v->Height() - 3));
    EXPECT_EQ(g.TopRow(), top + g.VisibleRowCount());
    g.SetScrollType(ssNormal);
    EXPECT_EQ(g.VertScrollControl(), nullptr);
    EXPECT_EQ(g.HorzScrollControl(), nullptr);
    EXPECT_EQ(g.ScrollBars(), plat::ssBoth);
    // Flat bars need what our window layer lacks: the normal bars stay.
    g.SetScrollType(ssFlat);
    EXPECT_EQ(g.ScrollBars(), plat::ssBoth);
}

// A mirrored grid with merged blocks is drawn whole once a scroll ends: its
// blocks scroll as pieces measured from the right edge. Without merges, or
// read left to right, the end of a scroll draws nothing more.
TEST(ExtGridScroll, EndOfScrollRedrawsAMirroredGridWithMerges) {
    const struct {
        bool mirrored, merged;
        int redraws;
    } cases[] = {{true, true, 1}, {true, false, 0}, {false, true, 0}};
    for (const auto& c : cases) {
        GridOnHiddenForm<TExtColumnGrid> t({0, 0, 500, 320}, {0, 0, 480, 300}, 8, 200);
        TExtColumnGrid& g = *t.g;
        if (c.mirrored) g.SetBiDiMode(plat::bdRightToLeft);
        if (c.merged) g.MergeCells(1, 2, 2, 2);
        g.ClearRepaintLog();
        g.Perform(plat::WM_HSCROLL, ScrollCode(plat::SB_ENDSCROLL, 0), 0);
        EXPECT_EQ(g.InvalidateCount(), c.redraws) << c.mirrored << c.merged;
    }
}
