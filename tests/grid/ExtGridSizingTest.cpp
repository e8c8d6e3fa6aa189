#include <gtest/gtest.h>

#include "grid/ExtGrid.h"
#include "platform/Forms.h"

using namespace grid;

TEST(ExtGridSizing, StretchFillsTheFreeWidth) {
    TExtStringGrid g(nullptr);
    g.SetColCount(3);
    g.SetWidth(300);
    g.ColumnSize().SetStretch(true);
    g.ApplyColumnStretch(-1);
    EXPECT_EQ(g.ColWidths(2), 300 - 128 - 1);
    // A later width change of another column stretches again.
    g.SetColWidths(0, 100);
    EXPECT_EQ(g.ColWidths(2), 300 - 164 - 1);
}

TEST(ExtGridSizing, BadStretchColumnIsIgnored) {
    plat::TForm form(nullptr);
    auto* gp = new TExtStringGrid(&form);
    TExtStringGrid& g = *gp;
    g.SetParent(&form);
    g.SetColCount(3);
    g.ColumnSize().SetStretchColumn(3);
    EXPECT_NO_THROW(g.ColumnSize().SetStretch(true));
    EXPECT_NO_THROW(g.SetColWidths(1, 80));
    EXPECT_NO_THROW(g.ApplyColumnStretch(7));
    EXPECT_EQ(g.ColWidths(2), 64);
    g.SetColCount(5);
    g.ColumnSize().SetStretchColumn(3);
    g.ApplyColumnStretch(3);
    EXPECT_GT(g.ColWidths(3), 64) << "valid once the grid has the column";
}

TEST(ExtGridSizing, AutoSizeColFitsTheWidestText) {
    TExtStringGrid g(nullptr);
    g.SetCells(1, 0, "x");
    g.SetCells(1, 2, "a much longer text than the header");
    g.AutoSizeCol(1);
    const int fitted = g.ColWidths(1);
    EXPECT_EQ(fitted, g.CellTextWidth(1, 2) + 2 * 2 + 2 + 2);
    g.AutoSizeCol(1, 5);
    EXPECT_EQ(g.ColWidths(1), fitted + 5);

    g.SetCells(2, 1, "");
    g.AutoSizeCol(2);
    EXPECT_EQ(g.ColWidths(2), 8) << "an empty column keeps room for padding and lines";

    g.SetSizeGrowOnly(true);
    g.SetColWidths(3, 200);
    g.SetCells(3, 1, "ab");
    g.AutoSizeCol(3);
    EXPECT_EQ(g.ColWidths(3), 200);
}

TEST(ExtGridSizing, AutoSizeColUsesTheRealColumnAndLimits) {
    TExtStringGrid g(nullptr);
    g.SetColCount(4);
    g.SetCells(3, 1, "a rather long cell text");
    g.HideColumn(2);
    g.SetMaxColWidth(50);
    g.AutoSizeCol(2);
    EXPECT_EQ(g.ColWidths(2), 50);
}

// A title merged over two columns belongs to both: fitting the first column
// measures the cells below it, not the whole title.
TEST(ExtGridSizing, MergedTitleDoesNotWidenItsFirstColumn) {
    TExtStringGrid g(nullptr);
    g.SetColCount(4);
    g.SetCells(1, 0, "A title far wider than any cell below it");
    g.MergeCells(1, 0, 2, 1);
    g.SetCells(1, 1, "ab");
    g.SetCells(1, 2, "abcd");
    g.AutoSizeCol(1);
    EXPECT_EQ(g.ColWidths(1), g.CellTextWidth(1, 2) + 2 * 2 + 2 + 2);
    g.SplitCells(1, 0);
    g.AutoSizeCol(1);
    EXPECT_EQ(g.ColWidths(1), g.CellTextWidth(1, 0) + 2 * 2 + 2 + 2) << "on its own the title sets the width";
}

// The room around the text is the cell padding: twice the offset, or once
// when the offset applies at the top and left only, where a row gets two
// pixels more.
TEST(ExtGridSizing, FittingAddsTheCellPadding) {
    const struct {
        bool topLeftOnly;
        int extraWidth, extraHeight;
    } cases[] = {{false, 2 * 3 + 2 + 2, 2 * 3 + 2}, {true, 3 + 2 + 2, 3 + 2 + 2}};
    for (const auto& c : cases) {
        TExtStringGrid g(nullptr);
        g.SetXYOffset({3, 3});
        g.SetXYOffsetTopLeftOnly(c.topLeftOnly);
        g.SetCells(1, 1, "some text");
        g.AutoSizeCol(1);
        EXPECT_EQ(g.ColWidths(1), g.CellTextWidth(1, 1) + c.extraWidth) << c.topLeftOnly;
        g.AutoSizeRow(1);
        EXPECT_EQ(g.RowHeights(1), g.GetCellTextSize(1, 1, false, false).Y + c.extraHeight) << c.topLeftOnly;
    }
}

// A graphic that fills its cell follows the row's height rather than
// setting it: a tall row with one shrinks to a plain row, or to its text.
TEST(ExtGridSizing, FullHeightGraphicDoesNotHoldTheRow) {
    TExtStringGrid g(nullptr);
    g.SetRowHeights(1, 100);
    TCellGraphic* graphic = g.CreateCellGraphic(1, 1);
    graphic->SetCellType(ctProgress);
    graphic->SetCellVAlign(vaFull);
    g.AutoSizeRow(1);
    EXPECT_EQ(g.RowHeights(1), g.DefaultRowHeight() + 2 * 2 + 2);
    g.SetRowHeights(1, 100);
    g.SetCells(1, 1, "50");
    g.AutoSizeRow(1);
    EXPECT_EQ(g.RowHeights(1), g.GetCellTextSize(1, 1, false, false).Y + 2 * 2 + 2);
}
