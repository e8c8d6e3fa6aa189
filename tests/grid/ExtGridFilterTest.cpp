#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "DataOpsSupport.h"
#include "GridOnFormFixture.h"
#include "grid/ExtGrid.h"
#include "grid/ExtGridFooter.h"
#include "platform/Messages.h"
#include "platform/TestHooks.h"

using namespace grid;
namespace pt = plat::test;

namespace {

using Column = std::vector<std::string>;

// Column 1 holds a fruit, column 2 a price; one fixed row.
void Fill(TExtStringGrid& g) {
    const Column fruit = {"apple", "Pear", "apple pie", "fig"};
    const Column price = {"$12", "$3", "$40", "7"};
    g.SetColCount(3);
    g.SetRowCount(5);
    g.SetFixedRows(1);
    g.SetFixedRowAlways(true);  // a filter that hides every row keeps the header
    for (int i = 0; i < 4; ++i) {
        g.SetCells(1, i + 1, fruit[i]);
        g.SetCells(2, i + 1, price[i]);
    }
}

Column Shown(TExtStringGrid& g, int col = 1) {
    Column out;
    for (int r = g.FixedRows(); r < g.RowCount(); ++r) out.push_back(g.Cells(col, r));
    return out;
}

}  // namespace

TEST(ExtGridFilter, ConditionsAndTheirCombination) {
    const struct {
        const char* name;
        std::function<void(TFilter&)> build;
        Column shown;
    } cases[] = {
        {"empty accepts all", [](TFilter&) {}, {"apple", "Pear", "apple pie", "fig"}},
        {"contains", [](TFilter& f) { f.Add().Condition = "*pie*"; f.Items(0).Column = 1; }, {"apple pie"}},
        {"and of two columns",
         [](TFilter& f) {
             TFilterData& a = f.Add();
             a.Column = 1;
             a.Condition = "apple*";
             TFilterData& b = f.Add();
             b.Column = 2;
             b.Condition = "$1*";
         },
         {"apple"}},
        {"short stops before an or",
         [](TFilter& f) {
             TFilterData& a = f.Insert(0);
             a.Column = 1;
             a.Condition = "fig";
             TFilterData& b = f.Add();
             b.Column = 1;
             b.Condition = "apple";
             b.Operation = foOR;
         },
         {"fig"}},
        {"literal keeps case",
         [](TFilter& f) {
             TFilterData& a = f.Add();
             a.Column = 1;
             a.Condition = "pear";
             a.Method = fmLiteral;
             a.CaseSensitive = false;
         },
         {}},
        {"prefix taken off",
         [](TFilter& f) {
             TFilterData& a = f.Add();
             a.Column = 2;
             a.Prefix = "$";
             a.Condition = ">10";
         },
         {"apple", "apple pie"}},
        {"whole row", [](TFilter& f) { TFilterData& a = f.Add(); a.Data = fcRow; a.Condition = "$3"; }, {"Pear"}},
    };
    for (const auto& c : cases) {
        TExtStringGrid g(nullptr);
        Fill(g);
        c.build(g.Filter());
        g.SetFilterActive(true);
        EXPECT_EQ(Shown(g), c.shown) << c.name;
        g.SetFilterActive(false);
        EXPECT_EQ(Shown(g), (Column{"apple", "Pear", "apple pie", "fig"})) << c.name;
    }
}

TEST(ExtGridFilter, InsertHonoursItsIndex) {
    TExtStringGrid g(nullptr);
    g.Filter().Add().Condition = "first";
    g.Filter().Add().Condition = "second";
    g.Filter().Insert(1).Condition = "between";
    ASSERT_EQ(g.Filter().Count(), 3);
    EXPECT_EQ(g.Filter().Items(1).Condition, "between");
    EXPECT_EQ(g.Filter().Items(1).Operation, foSHORT);
    EXPECT_EQ(g.Filter().Items(0).Operation, foNONE);
    EXPECT_EQ(g.Filter().Items(2).Operation, foAND);
}

TEST(ExtGridFilter, LevelsComeBackLastFirst) {
    TExtStringGrid g(nullptr);
    Fill(g);
    EXPECT_FALSE(g.RemoveLastFilter());
    g.NarrowDown("a", 1);
    g.NarrowDown("ap", 1);
    EXPECT_EQ(Shown(g), (Column{"apple", "apple pie"}));
    EXPECT_EQ(g.FilterLevel(), 2);
    g.NarrowDown("a", 1);
    EXPECT_EQ(Shown(g), (Column{"apple", "Pear", "apple pie"}));
    EXPECT_EQ(g.FilterLevel(), 1);
    g.NarrowDown("", 1);
    EXPECT_EQ(Shown(g), (Column{"apple", "Pear", "apple pie", "fig"}));
    EXPECT_EQ(g.FilterLevel(), 0);
    // Two words, typed at once or one character after the other.
    g.NarrowDown("e p", 1);
    EXPECT_EQ(g.Filter().Items(0).Condition, "\"*e p*\"");
    EXPECT_EQ(Shown(g), (Column{"apple pie"}));
}

TEST(ExtGridFilter, DistinctValuesOfTheDropDown) {
    TExtStringGrid g(nullptr);
    Fill(g);
    g.SetCells(1, 4, "apple");
    g.SetFilterDropDownAuto(true);
    ASSERT_TRUE(g.GetColumnFilter(1));
    EXPECT_EQ(g.FilterList().Items(), (Column{"(All)", "apple", "apple pie=\"apple pie\"", "Pear"}));
    g.SetFilterDropDownRow(1);  // not a fixed row: ignored
    EXPECT_EQ(g.FilterDropDownRow(), 0);
    g.ClearRepaintLog();
    plat::TBitmap glyph(16, 16);
    g.FilterDropDown().SetGlyph(glyph);
    EXPECT_GT(g.InvalidateCount(), 0);
}

class GridFilterDropDown : public GridOnForm {};

TEST_F(GridFilterDropDown, PickAValueThenAllWithRealKeys) {
    ShowGrid(3, 5, false);
    Fill(*grid);
    grid->SetFilterDropDownAuto(true);
    pt::ProcessEvents();
    const plat::TRect header = grid->CellRect(1, 0);
    pt::ClickAt(*grid, header.Right - 6, header.Top + 6);
    TDropList* list = grid->FilterDropList();
    ASSERT_TRUE(list->Visible());
    EXPECT_EQ(grid->FilterOpenColumn(), 1);
    std::string friendly;
    grid->OnFilterSelect = [&](TObject*, int, int, const std::string& f, std::string&) { friendly = f; };
    list->SetItemIndex(2);  // "apple pie" shown by its friendly name
    pt::SendKey(*list, plat::VK_RETURN);
    EXPECT_FALSE(list->Visible());
    EXPECT_EQ(friendly, "apple pie");
    EXPECT_EQ(Shown(*grid), (Column{"apple pie"}));
    EXPECT_EQ(grid->FilterOpenColumn(), -1);

    pt::ClickAt(*grid, header.Right - 6, header.Top + 6);
    list->SetItemIndex(0);  // "(All)"
    pt::SendKey(*list, plat::VK_RETURN);
    EXPECT_EQ(Shown(*grid), (Column{"apple", "Pear", "apple pie", "fig"}));
    EXPECT_FALSE(grid->Filter().HasFilter(1));
}

TEST_F(GridFilterDropDown, CheckedValuesAreOred) {
    ShowGrid(3, 5, false);
    Fill(*grid);
    grid->SetFilterDropDownAuto(true);
    grid->SetFilterDropDownCheck(true);
    pt::ProcessEvents();
    const plat::TRect header = grid->CellRect(1, 0);
    pt::ClickAt(*grid, header.Right - 6, header.Top + 6);
    TDropCheckList* list = grid->FilterCheckList();
    ASSERT_TRUE(list->Visible());
    list->SetItemIndex(4);
    pt::SendKey(*list, plat::VK_SPACE);  // Pear
    list->SetItemIndex(3);
    pt::SendKey(*list, plat::VK_SPACE);  // fig
    ASSERT_EQ(grid->Filter().Count(), 2);
    EXPECT_EQ(grid->Filter().Items(0).Operation, foNONE);
    EXPECT_EQ(grid->Filter().Items(1).Operation, foOR);
    EXPECT_EQ(Shown(*grid), (Column{"Pear", "fig"}));
    EXPECT_EQ(grid->Filter().Items(0).Condition, "fig");
}

// Group headers stay while their rows are filtered, unless the filter is
// told to test every row.
TEST(ExtGridFilter, NodeRowsStayUnlessEveryRowIsTested) {
    for (const bool normalOnly : {true, false}) {
        TExtStringGrid g(nullptr);
        GroupKindsAndValues(g, {{"A", "5"}, {"A", "6"}, {"B", "3"}}, true);
        g.GroupSum(1);
        g.SetFilterNormalCellsOnly(normalOnly);
        TFilterData& f = g.Filter().Add();
        f.Column = 1;
        f.Method = fmLiteral;
        f.Condition = "6";
        g.SetFilterActive(true);
        EXPECT_EQ(Shown(g), normalOnly ? (Column{"A", "6", "11.00", "B", "3.00"}) : (Column{"6"})) << normalOnly;
        g.SetFilterActive(false);
        EXPECT_EQ(Shown(g), (Column{"A", "5", "6", "11.00", "B", "3", "3.00"})) << normalOnly;
    }
}

// The footer totals what the filter leaves when hidden rows are not
// counted, and follows every change of the filter.
TEST(ExtGridFilter, FooterFollowsTheFilter) {
    TExtStringGrid g(nullptr);
    Fill(g);
    g.SetRowCount(6);  // the last row is the footer's
    g.FloatingFooter().SetVisible(true);
    g.FloatingFooter().SetCalculateHiddenRows(false);
    g.FloatingFooter().SetColumnCalc(2, acSUM);
    const auto total = [&] { return g.Cells(2, g.RowCount() - 1); };
    EXPECT_EQ(total(), "62.00");
    g.Filter().Add().Column = 1;
    g.Filter().Items(0).Condition = "apple*";
    g.SetFilterActive(true);
    EXPECT_EQ(Shown(g), (Column{"apple", "apple pie", ""}));
    EXPECT_EQ(total(), "52.00");
    g.SetFilterActive(false);
    EXPECT_EQ(total(), "62.00");
    g.SetFilterActive(true);
    EXPECT_EQ(total(), "52.00");
    EXPECT_FALSE(g.RemoveLastFilter());
    EXPECT_EQ(total(), "62.00");
    // Setting the filter to what it is still totals again.
    g.SetCells(2, 1, "$20");
    g.SetFilterActive(false);
    EXPECT_EQ(total(), "70.00");
    // Narrowing down is a filter too.
    g.NarrowDown("pie", 1);
    EXPECT_EQ(total(), "40.00");
    g.NarrowDown("", 1);
    EXPECT_EQ(total(), "70.00");
}
