// Rows dropped by a smaller RowCount take their cell graphics with them.

#include <gtest/gtest.h>

#include "grid/ExtGrid.h"

namespace {

TEST(ExtGridShrink, DroppedRowsFreeTheirGraphics) {
    grid::TExtStringGrid g(nullptr);
    g.SetRowCount(10);
    g.SetColCount(4);
    for (int r = 1; r < 10; ++r) {
        g.AddCheckBox(1, r, true, false);
        g.AddProgress(2, r, plat::clBlue, plat::clWhite);
        g.AddBalloon(3, r, "t", "text", grid::TExtStringGrid::biInfo);
    }
    g.SetRowCount(3);
    EXPECT_TRUE(g.HasCheckBox(1, 2));
    g.SetRowCount(10);
    EXPECT_FALSE(g.HasCheckBox(1, 5)) << "a grown row starts empty";
}

}  // namespace
