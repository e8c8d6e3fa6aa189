#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "grid/ExtGrid.h"

using namespace grid;

namespace {

using Column = std::vector<std::string>;

// A grid with one fixed row and the given texts in column 1 (rows 1..n),
// the row's number in column 0 and a tag in column 2.
void Fill(TExtStringGrid& g, const Column& texts) {
    g.SetColCount(3);
    g.SetRowCount(static_cast<int>(texts.size()) + 1);
    g.SetFixedRows(1);
    for (int i = 0; i < static_cast<int>(texts.size()); ++i) {
        g.SetCells(0, i + 1, std::to_string(i + 1));
        g.SetCells(1, i + 1, texts[i]);
        g.SetCells(2, i + 1, "t" + std::to_string(i + 1));
    }
}

Column Read(TExtStringGrid& g, int col) {
    Column out;
    for (int r = g.FixedRows(); r < g.RowCount() - g.FixedFooters(); ++r) out.push_back(g.Cells(col, r));
    return out;
}

}  // namespace

TEST(ExtGridSort, ComparisonRulesOfTheStyles) {
    const struct {
        const char* name;
        TSortStyle style;
        bool ignoreCase;
        std::string prefix;
        Column in;
        Column ascending;
    } cases[] = {
        {"numbers", ssAutomatic, false, "", {"10", "9", "100"}, {"9", "10", "100"}},
        {"ordinal text", ssAutomatic, false, "", {"apple", "Banana", "cherry"}, {"Banana", "apple", "cherry"}},
        {"text without case", ssAutomatic, true, "", {"cherry", "Banana", "apple"}, {"apple", "Banana", "cherry"}},
        {"dates", ssAutomatic, false, "", {"3/10/2020", "12/1/2019", "1/2/2021"},
         {"12/1/2019", "3/10/2020", "1/2/2021"}},
        {"separator late is text", ssAutomatic, false, "", {"2020/1/5", "123/4", "1999/12"},
         {"123/4", "1999/12", "2020/1/5"}},
        {"separator as last character is text", ssAutomatic, false, "", {"3/", "12/"}, {"12/", "3/"}},
        {"prefix", ssNumeric, false, "$", {"$40", "$5", "$12"}, {"$5", "$12", "$40"}},
        {"financial", ssFinancial, false, "", {"1,200", "950", "10"}, {"10", "950", "1,200"}},
        {"empty sorts first", ssAlphabetic, false, "", {"b", "", "a"}, {"", "a", "b"}},
        {"custom without event keeps order", ssCustom, false, "", {"b", "c", "a"}, {"b", "c", "a"}},
        {"alpha-numeric", ssAlphaNumeric, false, "", {"b", "a", "c"}, {"a", "b", "c"}},
        {"mixed numbers and words", ssAutomatic, false, "", {"7", "x", "3"}, {"3", "7", "x"}},
    };
    for (const auto& c : cases) {
        TExtStringGrid g(nullptr);
        Fill(g, c.in);
        g.SortSettings().SetIgnoreCase(c.ignoreCase);
        g.OnGetFormat = [&](TObject*, int, TSortStyle& s, std::string& p, std::string&) {
            if (c.style != ssAutomatic) s = c.style;
            p = c.prefix;
        };
        g.Sort(1, sdAscending);
        EXPECT_EQ(Read(g, 1), c.ascending) << c.name;
    }
}

TEST(ExtGridSort, BlanksStayWhereBlankPosPutsThem) {
    const struct {
        TSortBlankPosition pos;
        TSortDirection dir;
        Column expected;
    } cases[] = {
        {blLast, sdAscending, {"a", "b", "", ""}},
        {blLast, sdDescending, {"b", "a", "", ""}},
        {blFirst, sdAscending, {"", "", "a", "b"}},
        {blFirst, sdDescending, {"", "", "b", "a"}},
    };
    for (const auto& c : cases) {
        TExtStringGrid g(nullptr);
        Fill(g, {"", "b", "", "a"});
        g.SortSettings().SetIgnoreBlanks(true);
        g.SortSettings().SetBlankPos(c.pos);
        g.Sort(1, c.dir);
        EXPECT_EQ(Read(g, 1), c.expected) << c.pos << " " << c.dir;
    }
}

TEST(ExtGridSort, CheckBoxesSortUncheckedFirst) {
    TExtStringGrid g(nullptr);
    Fill(g, {"", "", ""});
    g.AddCheckBox(1, 1, true, false);
    g.AddCheckBox(1, 2, false, false);
    g.AddCheckBox(1, 3, true, false);
    g.Sort(1, sdAscending);
    EXPECT_EQ(Read(g, 2), (Column{"t2", "t1", "t3"}));
}

TEST(ExtGridSort, StableAndRowsMoveWhole) {
    TExtStringGrid g(nullptr);
    Fill(g, {"b", "a", "b", "a"});
    g.SortSettings().SetFull(false);
    g.Sort(1, sdAscending);
    EXPECT_EQ(Read(g, 2), (Column{"t2", "t4", "t1", "t3"}));
    g.Sort(1, sdDescending);
    EXPECT_EQ(Read(g, 2), (Column{"t1", "t3", "t2", "t4"}));
}

// A column the sort can read in one pass (all numbers, or all plain texts)
// must come out as the cell-by-cell comparison orders it: ties broken by
// the next column in the sort's direction, equal lines in their old order,
// the shown text (not the stored one) when a display event rewrites it,
// and cells with properties read through the grid.
TEST(ExtGridSort, OnePassOrderIsTheComparisonsOrder) {
    const struct {
        const char* name;
        Column in;
        bool ignoreCase = false;
        bool shown = false;   // a display event puts "~" before every text
        bool props = false;   // row 2's cell carries cell properties
        bool full = true;
    } cases[] = {
        {"integers with ties", {"5", "3", "5", "-2", "3", "40"}},
        {"short and long numbers",
         {"0.1", "0.10000000000000001", "1e3", "12345678901234567", "-0", "0", "0.123456789012345", "2.50", "2.5",
          "-3.25", "999999999999999", "1000000000000000"}},
        {"equal numbers keep their order", {"2", "1", "2", "1"}, false, false, false, false},
        {"texts with case", {"b", "B", "a", "A", "ab", "aB", "b"}},
        {"texts without case", {"b", "B", "a", "A", "ab", "aB", "b"}, true},
        {"shared first eight bytes", {"abcdefgh2", "abcdefgh10", "abcdefgh", "abcdefgh1", "abcdefgh2"}},
        {"bytes above ASCII", {"\xC3\xA9", "e", "z", "\xC3\xA0"}},
        {"shown text decides", {"9", "10", "b", "a"}, false, true},
        {"cell with properties", {"3", "1", "2"}, false, false, true},
        {"numbers and words mixed", {"7", "x", "3", "10"}},
    };
    for (const auto& c : cases) {
        for (const TSortDirection dir : {sdAscending, sdDescending}) {
            TExtStringGrid g(nullptr);
            Fill(g, c.in);
            g.SortSettings().SetIgnoreCase(c.ignoreCase);
            g.SortSettings().SetFull(c.full);
            g.SortSettings().SetDirection(dir);
            if (c.shown)
                g.OnGetDisplText = [](TObject*, int ACol, int, std::string& Value) {
                    if (ACol == 1) Value = "~" + Value;
                };
            if (c.props) g.GetCellProperties(1, 2);
            const int n = static_cast<int>(c.in.size());
            std::vector<int> rows(n);
            for (int i = 0; i < n; ++i) rows[i] = i + 1;
            const int sign = dir == sdDescending ? -1 : 1;
            std::stable_sort(rows.begin(), rows.end(),
                             [&](int a, int b) { return g.CompareLine(1, a, b) * sign < 0; });
            Column want;
            for (const int r : rows) want.push_back(g.GetGridCell(2, r));
            g.Sort(1, dir);
            EXPECT_EQ(Read(g, 2), want) << c.name << (dir == sdDescending ? " descending" : " ascending");
        }
    }
}

TEST(ExtGridSort, ShownTextIsWhatSorts) {
    TExtStringGrid g(nullptr);
    Fill(g, {"a", "b", "c"});
    const std::map<std::string, std::string> shown = {{"a", "30"}, {"b", "100"}, {"c", "4"}};
    g.OnGetDisplText = [&](TObject*, int ACol, int ARow, std::string& Value) {
        if (ACol == 1 && ARow > 0) Value = shown.at(Value);
    };
    g.Sort(1, sdAscending);
    EXPECT_EQ(Read(g, 2), (Column{"t3", "t1", "t2"}));
}

TEST(ExtGridSort, UnsortRestoresRowsPropertiesAndHiddenRows) {
    TExtStringGrid g(nullptr);
    Fill(g, {"B", "A", "D", "C"});
    g.SetColors(2, 1, 0x0000FF);  // the "B" row carries a colour
    g.SetRowHeights(2, 40);       // and the "A" row its height
    g.HideRow(3);                 // "D" leaves the view
    g.Sort(1, sdAscending);
    EXPECT_EQ(Read(g, 1), (Column{"A", "B", "C"}));
    EXPECT_EQ(g.Colors(2, 2), 0x0000FFu);
    EXPECT_EQ(g.RowHeights(1), 40);
    g.Sort(1, sdDescending);
    EXPECT_EQ(Read(g, 1), (Column{"C", "B", "A"}));
    g.QUnSort();
    g.UnHideRowsAll();
    EXPECT_EQ(Read(g, 1), (Column{"B", "A", "D", "C"}));
    EXPECT_EQ(g.Colors(2, 1), 0x0000FFu);
    EXPECT_EQ(g.RowHeights(2), 40);
}

TEST(ExtGridSort, HiddenColumnsFooterAndFixedColumnStay) {
    TExtStringGrid g(nullptr);
    Fill(g, {"c", "a", "b", "total"});
    g.SetFixedFooters(1);
    g.HideColumn(2);  // the tags move with their rows though not shown
    g.SetFixedCols(1);
    g.SortSettings().SetNormalCellsOnly(true);
    g.Sort(1, sdAscending);
    EXPECT_EQ(Read(g, 1), (Column{"a", "b", "c"}));
    EXPECT_EQ(g.Cells(1, 4), "total");
    EXPECT_EQ(g.Cells(2, 1), "t2");  // real column 2, hidden
    EXPECT_EQ(Read(g, 0), (Column{"1", "2", "3"}));
}

TEST(ExtGridSort, SingleColumnMovesOnlyThatColumn) {
    TExtStringGrid g(nullptr);
    Fill(g, {"b", "c", "a"});
    g.SortSettings().SetSingleColumn(true);
    g.Sort(1, sdAscending);
    EXPECT_EQ(Read(g, 1), (Column{"a", "b", "c"}));
    EXPECT_EQ(Read(g, 2), (Column{"t1", "t2", "t3"}));
    g.QUnSort();
    EXPECT_EQ(Read(g, 1), (Column{"b", "c", "a"}));
}

TEST(ExtGridSort, CurrentRowFollowsOnlyWithMoveRowOnSort) {
    for (const bool follow : {false, true}) {
        TExtStringGrid g(nullptr);
        Fill(g, {"c", "a", "b"});
        g.SetRow(1);
        g.Navigation().SetMoveRowOnSort(follow);
        g.Sort(1, sdAscending);
        EXPECT_EQ(g.Row(), follow ? 3 : 1) << follow;
    }
}

TEST(ExtGridSort, FailedSortLeavesTheGridAsItWas) {
    TExtStringGrid g(nullptr);
    Fill(g, {"b", "a", "c"});
    g.OnGetFormat = [](TObject*, int, TSortStyle& s, std::string&, std::string&) { s = ssCustom; };
    g.OnCustomCompare = [](TObject*, const std::string&, const std::string&, int&) {
        throw std::runtime_error("comparison failed");
    };
    EXPECT_THROW(g.Sort(1, sdAscending), std::runtime_error);
    EXPECT_EQ(g.RowCount(), 4);
    EXPECT_EQ(g.ColCount(), 3);
    EXPECT_EQ(g.UpdateCount(), 0);
    EXPECT_EQ(Read(g, 1), (Column{"b", "a", "c"}));
}

TEST(ExtGridSort, IndexedSortAndItsErrors) {
    TExtStringGrid g(nullptr);
    Fill(g, {"x", "y", "x", "y"});
    EXPECT_THROW(g.QSortIndexed(), EExtGridError);
    g.SortIndexes().AddIndex(1, false);
    g.SortIndexes().AddIndex(2, true);
    g.QSortIndexed();
    EXPECT_EQ(Read(g, 2), (Column{"t2", "t4", "t1", "t3"}));
}

TEST(ExtGridSort, AddedRowMakesTheCurrentOrderTheOneToRestore) {
    TExtStringGrid g(nullptr);
    Fill(g, {"b", "a"});
    g.Sort(1, sdAscending);
    g.SetRowCount(g.RowCount() + 1);
    g.SetCells(1, 3, "0");
    g.Sort(1, sdAscending);
    g.QUnSort();
    EXPECT_EQ(Read(g, 1), (Column{"a", "b", "0"}));
}

TEST(ExtGridSortSettings, StateTextAndItsErrors) {
    TExtStringGrid g(nullptr);
    Fill(g, {"b", "c", "a"});
    TSortSettings& ss = g.SortSettings();
    EXPECT_EQ(ss.Column(), -1);
    EXPECT_TRUE(ss.Full());
    EXPECT_TRUE(ss.SortOnVirtualCells());
    EXPECT_EQ(ss.IndexColor(), 0x0000FFFFu);
    ss.SetColumn(3);
    ss.SetDirection(sdDescending);
    EXPECT_EQ(ss.SaveToString(), "d3");
    ss.SetIndexShow(true);
    g.SortIndexes().AddIndex(2, true);
    g.SortIndexes().AddIndex(5, false);
    EXPECT_EQ(ss.SaveToString(), "i;u2;d5");

    const struct {
        std::string text;
        bool throws;
        int column;
        TSortDirection dir;
        Column rows;
    } cases[] = {
        {"u1", false, 1, sdAscending, {"a", "b", "c"}},
        {"x1", false, 1, sdDescending, {"c", "b", "a"}},
        {"uA", false, -1, sdAscending, {"b", "c", "a"}},
        {"u", true, -1, sdAscending, {"b", "c", "a"}},
    };
    for (const auto& c : cases) {
        TExtStringGrid h(nullptr);
        Fill(h, {"b", "c", "a"});
        if (c.throws) {
            EXPECT_THROW(h.SortSettings().LoadFromString(c.text), std::runtime_error) << c.text;
        } else {
            h.SortSettings().LoadFromString(c.text);
        }
        EXPECT_TRUE(h.SortSettings().Show()) << c.text;
        EXPECT_EQ(h.SortSettings().Column(), c.column) << c.text;
        EXPECT_EQ(h.SortSettings().Direction(), c.dir) << c.text;
        EXPECT_EQ(Read(h, 1), c.rows) << c.text;
    }
    EXPECT_THROW(ss.SetRow(1), std::runtime_error);
    EXPECT_NO_THROW(ss.SetRow(0));

    TSortSettings other(nullptr);
    other.SetIgnoreCase(true);
    other.SetSortOnVirtualCells(false);
    other.SetColumn(7);
    ss.Assign(other);
    EXPECT_EQ(ss.Column(), 7);
    EXPECT_FALSE(ss.IgnoreCase());
    EXPECT_TRUE(ss.SortOnVirtualCells());
}
