#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "DataOpsSupport.h"
#include "grid/ExtGrid.h"

using namespace grid;

namespace {

// 3 x 3 normal cells under one fixed row and beside one fixed column:
//        col1     col2    col3
// row1   xABCx    abc     ""
// row2   Aa       ca      abc
// row3   zzz      <b>    abc d
void Fill(TExtStringGrid& g) {
    g.SetColCount(4);
    g.SetRowCount(4);
    g.SetFixedRows(1);
    g.SetFixedCols(1);
    const char* cells[3][3] = {{"xABCx", "abc", ""}, {"Aa", "ca", "abc"}, {"zzz", "<b>", "abc d"}};
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c) g.SetCells(c + 1, r + 1, cells[r][c]);
    g.SetCells(1, 0, "abc header");
}

std::vector<plat::TPoint> AllHits(TExtStringGrid& g, const std::string& s, TFindParams p) {
    std::vector<plat::TPoint> hits;
    plat::TPoint at = g.FindFirst(s, p);
    for (int guard = 0; at.X >= 0 && guard < 20; ++guard) {
        hits.push_back(at);
        at = g.FindNext();
    }
    return hits;
}

using Hits = std::vector<plat::TPoint>;

}  // namespace

TEST(ExtGridFind, EveryOption) {
    const struct {
        const char* name;
        std::string text;
        TFindParams params;
        Hits hits;
    } cases[] = {
        {"contains, any case, column by column", "abc", {}, {{1, 1}, {2, 1}, {3, 2}, {3, 3}}},
        {"match case", "ABC", {fnMatchCase}, {{1, 1}}},
        {"match start", "abc", {fnMatchStart}, {{2, 1}, {3, 2}, {3, 3}}},
        {"whole cell", "ABC", {fnMatchFull}, {{2, 1}, {3, 2}}},
        {"row by row", "abc", {fnDirectionLeftRight}, {{1, 1}, {2, 1}, {3, 2}, {3, 3}}},
        {"backward", "abc", {fnBackward}, {{3, 3}, {3, 2}, {2, 1}, {1, 1}}},
        {"row by row backward", "a", {fnDirectionLeftRight, fnBackward},
         {{3, 3}, {3, 2}, {2, 2}, {1, 2}, {2, 1}, {1, 1}}},
        {"fixed cells too", "abc", {fnIncludeFixed, fnMatchStart}, {{1, 0}, {2, 1}, {3, 2}, {3, 3}}},
        {"empty cells", "\"\"", {}, {{3, 1}}},
        {"html tags ignored", "B", {fnIgnoreHTMLTags, fnMatchFull}, {}},
        {"expression", "abc*", {fnMatchRegular}, {{2, 1}, {3, 2}, {3, 3}}},
    };
    for (const auto& c : cases) {
        TExtStringGrid g(nullptr);
        Fill(g);
        const Hits hits = AllHits(g, c.text, c.params);
        ASSERT_EQ(hits.size(), c.hits.size()) << c.name;
        for (size_t i = 0; i < hits.size(); ++i)
            EXPECT_TRUE(hits[i] == c.hits[i]) << c.name << " hit " << i << ": " << hits[i].X << "," << hits[i].Y;
    }
}

TEST(ExtGridFind, SelectionCurrentColumnAndWrapAfterTheLastHit) {
    TExtStringGrid g(nullptr);
    Fill(g);
    g.SetSelection({2, 1, 3, 2});
    EXPECT_EQ(AllHits(g, "abc", {fnSelectedCells}).size(), 2u);
    g.SetCol(3);
    g.SetRow(1);
    EXPECT_EQ(AllHits(g, "abc", {fnFindInCurrentCol}).size(), 2u);
    // After the last hit comes a miss, and then the scan starts over.
    const plat::TPoint first = g.FindFirst("zzz", {});
    EXPECT_EQ(first.X, 1);
    EXPECT_LT(g.FindNext().X, 0);
    EXPECT_EQ(g.FindNext().X, 1);
    // Going there moves the current cell.
    g.FindFirst("ca", {fnAutoGoto});
    EXPECT_EQ(g.Col(), 2);
    EXPECT_EQ(g.Row(), 2);
}

TEST(ExtGridFind, ReplaceHonoursMatchCase) {
    const struct {
        TFindParams params;
        std::string aa, ca;
        int count;
    } cases[] = {
        {{}, "bb", "cb", 2},
        {{fnMatchCase}, "Ab", "cb", 2},
    };
    for (const auto& c : cases) {
        TExtStringGrid g(nullptr);
        Fill(g);
        g.SetCells(1, 1, "");
        g.SetCells(2, 1, "");
        g.SetCells(3, 2, "");
        g.SetCells(3, 3, "");
        EXPECT_EQ(g.Replace("a", "b", c.params), c.count);
        EXPECT_EQ(g.Cells(1, 2), c.aa);
        EXPECT_EQ(g.Cells(2, 2), c.ca);
    }
}

TEST(ExtGridFind, SearchOnTheSortColumn) {
    TExtStringGrid g(nullptr);
    Fill(g);
    g.SortSettings().SetShow(true);
    g.SortSettings().SetColumn(3);
    EXPECT_EQ(g.Search("ABC"), 2);
    EXPECT_EQ(g.Search("ABC D"), 3);
    EXPECT_EQ(g.Search("Q"), -1);
}

TEST(ExtGridHighlight, TagsAroundEveryOccurrence) {
    EXPECT_EQ(TExtStringGrid::HilightText(false, "abcabc", "b"), "a<hi>b</hi>ca<hi>b</hi>c");
    EXPECT_EQ(TExtStringGrid::UnHilightText("a<hi>b</hi>ca<hi>b</hi>c"), "abcabc");
    EXPECT_EQ(TExtStringGrid::MarkText(false, "xabcx", "ABC"), "x<e>abc</e>x");
    EXPECT_EQ(TExtStringGrid::MarkText(true, "xabcx", "ABC"), "xabcx");
}

TEST(ExtGridHighlight, UnhighlightUnescapesOnlyMarkedCells) {
    TExtStringGrid g(nullptr);
    Fill(g);
    g.SetCells(1, 3, "a<b & b");
    g.SetCells(2, 3, "&lt;typed&gt;");  // entities the user typed
    g.MergeCells(2, 1, 2, 2);  // (3, 1), (2, 2) and (3, 2) lie under (2, 1)
    ASSERT_FALSE(g.IsBaseCell(3, 2));
    g.HilightInGrid(false, false, "b");
    EXPECT_EQ(g.Cells(1, 3), "a&lt;<hi>b</hi> &amp; <hi>b</hi>");
    EXPECT_EQ(g.GetGridCell(3, 2), "abc");  // covered by the merge: untouched
    EXPECT_EQ(g.Cells(2, 3), "&lt;typed&gt;");
    g.UnHilightInGrid(false);
    EXPECT_EQ(g.Cells(1, 3), "a<b & b");
    EXPECT_EQ(g.Cells(2, 3), "&lt;typed&gt;");
    g.MarkInCol(false, false, 1, "Z");
    EXPECT_EQ(g.Cells(1, 3), "a<b & b");
    EXPECT_EQ(g.Cells(1, 1), "xABCx");
}

// A hit among hidden rows is a real row. Inside a contracted node the node
// opens and the current row becomes the hit's displayed row; a row that
// stays hidden (filtered out above) is found but not gone to.
TEST(ExtGridFind, HitInAContractedNodeOpensIt) {
    TProgressGrid g(nullptr);
    g.SetColCount(3);
    g.SetRowCount(9);
    for (int r = 1; r < 9; ++r) g.SetCells(1, r, "r" + std::to_string(r));
    g.AddNode(3, 3);  // r3 heads r4 and r5
    g.ContractNode(3);
    g.HideRows(1, 1);  // r1 is out of view as well
    ASSERT_EQ(g.Cells(1, 2), "r3");
    g.Log.clear();
    const plat::TPoint hit = g.FindFirst("r5", {fnIncludeHiddenRows, fnAutoGoto});
    EXPECT_EQ(hit.X, 1);
    EXPECT_EQ(hit.Y, 5);
    EXPECT_FALSE(g.GetNodeState(2));
    EXPECT_EQ(g.Row(), 4);
    EXPECT_EQ(g.Col(), 1);
    EXPECT_EQ(g.Cells(1, g.Row()), "r5");
    ASSERT_GE(g.Log.size(), 3u);
    using P = std::pair<TGridExportState, int>;
    EXPECT_EQ(g.Log.front(), (P{esExportStart, -1}));
    EXPECT_EQ(g.Log.back(), (P{esExportFail, -1}));
    // One new-row notice per cell tested, down column 1 to real row 5.
    EXPECT_EQ(g.Log.size(), 2u + 5u);
    EXPECT_EQ(g.Log[1], (P{esExportNewRow, 1}));

    // The row hidden by other means: found, not gone to.
    g.SetRow(6);
    EXPECT_EQ(g.FindFirst("r1", {fnIncludeHiddenRows, fnAutoGoto}).Y, 1);
    EXPECT_EQ(g.Row(), 6);
    // A miss ends as done.
    g.Log.clear();
    EXPECT_EQ(g.FindFirst("nothing", {}).X, -1);
    EXPECT_EQ(g.Log.back(), (P{esExportDone, -1}));
}
