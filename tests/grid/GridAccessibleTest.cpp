// A grid as a screen reader meets it, read through the toolkit's
// accessibility interface: a table with its headers, cells and check
// boxes, a current cell that follows the keys and that a reader can move.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "grid/ExtGrid.h"
#include "platform/Messages.h"
#include "platform/TestHooks.h"

#include "GridOnFormFixture.h"

namespace pt = plat::test;

namespace {

class GridAccessible : public GridOnForm {
protected:
    // A small device list: a number column, a check box, two text columns.
    void SetUp() override {
        ShowGrid(4, 4, true);
        const char* headers[] = {"N", "Enable", "Device EUI", "Name"};
        for (int c = 0; c < 4; ++c) grid->SetCells(c, 0, headers[c]);
        for (int r = 1; r < 4; ++r) grid->SetCells(0, r, std::to_string(r));
        grid->AddCheckBox(1, 1, true, false);
        grid->AddCheckBox(1, 2, false, false);
        grid->SetCells(2, 1, "70B3D57ED0001234");
        grid->SetCells(3, 1, "Pompe \xC3\xA9\xE2\x82\xAC\xCE\xA9");
        grid->SetCells(3, 2, "<b>Boiler</b> room");
        Select(2, 1);
        pt::ProcessEvents();
    }
};

TEST_F(GridAccessible, ReportsATableWithHeadersCellsAndCheckBoxes) {
    const pt::TAccessibleTableView table = pt::AccessibleTableOf(*grid);
    ASSERT_TRUE(table.IsTable);
    EXPECT_EQ(pt::AccessibleRoleOf(*grid), "table");
    EXPECT_EQ(table.Rows, 3);
    EXPECT_EQ(table.Cols, 4);
    EXPECT_EQ(table.Children, 12);
    EXPECT_EQ(table.ColumnHeaders, (std::vector<std::string>{"N", "Enable", "Device EUI", "Name"}));
    EXPECT_EQ(pt::AccessibleRowHeaderOf(*grid, 1), "2");

    const struct {
        int col, row;
        const char* name;
        const char* role;
        bool checkable, checked;
    } cases[] = {
        {2, 0, "70B3D57ED0001234", "cell", false, false},
        {3, 0, "Pompe \xC3\xA9\xE2\x82\xAC\xCE\xA9", "cell", false, false},
        {3, 1, "Boiler room", "cell", false, false},  // read as shown, without its markup
        {1, 0, "", "check box", true, true},
        {1, 1, "", "check box", true, false},
        {2, 2, "", "cell", false, false},
    };
    for (const auto& c : cases) {
        const pt::TAccessibleCellView cell = pt::AccessibleCellOf(*grid, c.col, c.row);
        ASSERT_TRUE(cell.Valid) << c.col << "," << c.row;
        EXPECT_EQ(cell.Name, c.name) << c.col << "," << c.row;
        EXPECT_EQ(cell.Role, c.role) << c.col << "," << c.row;
        EXPECT_EQ(cell.Checkable, c.checkable) << c.col << "," << c.row;
        EXPECT_EQ(cell.Checked, c.checked) << c.col << "," << c.row;
        EXPECT_EQ(cell.Col, c.col);
        EXPECT_EQ(cell.Row, c.row);
    }
    EXPECT_EQ(pt::AccessibleCellOf(*grid, 2, 0).Description, "Device EUI");
    EXPECT_FALSE(pt::AccessibleCellOf(*grid, 0, 3).Valid);

    // What the user changes, the reader hears next time it asks.
    Select(1, 2);
    pt::SendKey(*grid, plat::VK_SPACE);
    pt::ProcessEvents();
    EXPECT_TRUE(pt::AccessibleCellOf(*grid, 1, 1).Checked);
    grid->SetCells(2, 3, "new");
    EXPECT_EQ(pt::AccessibleCellOf(*grid, 2, 2).Name, "new");
}

// The current cell is the table's selected and focused cell; the keys move
// it and the reader is told each time; a reader can move it itself.
TEST_F(GridAccessible, CurrentCellFollowsTheKeysAndTheReader) {
    pt::TAccessibleListener listener;
    pt::TAccessibleTableView table = pt::AccessibleTableOf(*grid);
    ASSERT_EQ(table.Current.size(), 1u);
    EXPECT_EQ(table.Current[0].Col, 2);
    EXPECT_EQ(table.Current[0].Row, 0);
    EXPECT_TRUE(table.Current[0].Selected);
    EXPECT_TRUE(table.FocusChild.Valid);
    EXPECT_TRUE(table.FocusChild.Focused);
    EXPECT_EQ(table.FocusChild.Name, "70B3D57ED0001234");

    pt::SendKey(*grid, plat::VK_RIGHT);
    pt::SendKey(*grid, plat::VK_DOWN);
    ASSERT_EQ(listener.Focused().size(), 2u);
    EXPECT_EQ(listener.Focused()[0].Name, "Pompe \xC3\xA9\xE2\x82\xAC\xCE\xA9");
    EXPECT_EQ(listener.Focused()[1].Name, "Boiler room");
    EXPECT_EQ(listener.Focused()[1].Description, "Name");
    EXPECT_TRUE(listener.Focused()[1].Focused);

    ASSERT_TRUE(pt::AccessibleSelectRow(*grid, 0));
    EXPECT_EQ(grid->Row(), 1);
    EXPECT_EQ(grid->Col(), 3);
    table = pt::AccessibleTableOf(*grid);
    ASSERT_EQ(table.Current.size(), 1u);
    EXPECT_EQ(table.Current[0].Row, 0);
    EXPECT_FALSE(pt::AccessibleSelectRow(*grid, 3));

    // Away from the grid, no cell has the focus.
    other->SetFocus();
    pt::ProcessEvents();
    EXPECT_FALSE(pt::AccessibleTableOf(*grid).FocusChild.Valid);
    EXPECT_FALSE(pt::AccessibleCellOf(*grid, 3, 0).Focused);
}

}  // namespace
