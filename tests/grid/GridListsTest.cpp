#include <gtest/gtest.h>

#include "base/StrUtils.h"
#include "grid/GridLists.h"

using namespace grid;

namespace {

struct Key {
    int col;
    bool ascending;
    friend bool operator==(const Key&, const Key&) = default;
};

std::vector<Key> Keys(const TSortIndexList& l) {
    std::vector<Key> r;
    for (int i = 0; i < l.Count(); ++i) r.push_back({l.SortColumns(i), l.SortDirections(i)});
    return r;
}

}  // namespace

TEST(SortIndexText, SaveAndLoad) {
    TSortIndexList l;
    EXPECT_EQ(l.SaveToString(), "");
    l.AddIndex(1, true);
    l.AddIndex(3, false);
    l.AddIndex(0, true);
    EXPECT_EQ(l.SaveToString(), "u1;d3;u0");

    TSortIndexList wide;
    wide.AddIndex(70000, false);  // the column is cut to 16 bits in the text
    EXPECT_EQ(wide.SaveToString(), "d4464");

    const struct { const char* text; std::vector<Key> keys; } cases[] = {
        {"", {}},
        {"u1;d3;u0", {{1, true}, {3, false}, {0, true}}},
        {"u2;;d5;", {{2, true}, {5, false}}},
        {"x7", {{7, false}}},
        {"U7", {{7, false}}},  // only a lower-case u is ascending
        {"u", {}},
        {"uabc", {{0, true}}},
        {"d12x;u3", {{12, false}, {3, true}}},
        {";;;", {}},
        {"u99999999999999", {{0, true}}},
    };
    for (const auto& c : cases) {
        TSortIndexList loaded;
        loaded.AddIndex(9, true);  // loading replaces what was there
        loaded.LoadFromString(c.text);
        if (std::string(c.text) == "u99999999999999") {
            // A damaged number must not overflow; any column is acceptable.
            EXPECT_EQ(loaded.Count(), 1);
            continue;
        }
        EXPECT_EQ(Keys(loaded), c.keys) << c.text;
    }
}

TEST(SortIndexText, KeysAndDirections) {
    TSortIndexList l;
    int changes = 0;
    l.OnChange = [&](plat::TObject*, int, int) { ++changes; };
    l.LoadFromString("u1;d3");
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(l.FindIndex(3), 1);
    EXPECT_EQ(l.FindIndex(4), -1);
    l.ToggleIndex(3);
    EXPECT_TRUE(l.SortDirections(1));
    l.SetSortColumns(0, 8);
    EXPECT_EQ(l.SaveToString(), "u8;u3");
    l.SetSortDirections(0, false);
    EXPECT_EQ(l.SaveToString(), "d8;u3");
    l.ToggleIndex(42);  // absent: nothing happens
    EXPECT_EQ(l.SaveToString(), "d8;u3");
}

TEST(IntList, ChangeEventsAndText) {
    TIntList l(2, 5);
    int changes = 0, col = -9, row = -9;
    l.OnChange = [&](plat::TObject* s, int c, int r) {
        ++changes;
        col = c;
        row = r;
        EXPECT_EQ(s, &l);
    };
    l.Add(3);
    l.Add(-1);
    l.Add(12);
    EXPECT_EQ(changes, 3);
    EXPECT_EQ(col, 2);
    EXPECT_EQ(row, 5);
    EXPECT_EQ(l.StrValue(), "3,-1,12");
    l.Insert(0, 7);  // silent
    EXPECT_EQ(changes, 3);
    l.SetItems(0, 8);
    EXPECT_EQ(changes, 4);
    l.Add(3);
    l.DeleteValue(3);  // only the first
    EXPECT_EQ(l.StrValue(), "8,-1,12,3");
    const int before = changes;
    l.DeleteValue(99);
    EXPECT_EQ(changes, before);

    changes = 0;
    l.SetStrValue("4, 5");
    EXPECT_EQ(l.StrValue(), "4,5");
    EXPECT_EQ(changes, 2);
    EXPECT_THROW(l.SetStrValue("1,x,2"), base::EConvertError);
    EXPECT_EQ(l.StrValue(), "1");  // items before the bad one stay
    EXPECT_THROW(l.Items(5), std::out_of_range);
}

TEST(FileStringList, ReadCursorAndPendingLine) {
    TFileStringList l;
    l.Write("a");
    l.Write("b");
    l.WriteLn("c");
    l.WriteLn("d");
    ASSERT_EQ(l.Count(), 2);
    std::string s;
    l.ReadLn(s);
    EXPECT_EQ(s, "abc");
    EXPECT_FALSE(l.Eof());
    l.ReadLn(s);
    EXPECT_EQ(s, "d");
    EXPECT_TRUE(l.Eof());
    EXPECT_THROW(l.ReadLn(s), std::out_of_range);
    l.Reset();
    EXPECT_FALSE(l.Eof());
}

TEST(ControlList, FindsItemsByCell) {
    TControlList l;
    l.AddControl(1, 2, nullptr);
    l.AddControl(3, 4, nullptr);
    EXPECT_EQ(l.ControlIndex(3, 4), 1);
    EXPECT_EQ(l.ControlIndex(4, 3), -1);
    l.RemoveControl(0);
    EXPECT_EQ(l.ControlIndex(3, 4), 0);
    EXPECT_FALSE(l.HasControl(nullptr));
}
