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
