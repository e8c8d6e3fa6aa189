#include "grid/EsgCheck.h"

#include <map>
#include <vector>

#include <gtest/gtest.h>

namespace {

// A 3 x 2 table whose error marks are square brackets.
struct Table {
    std::map<std::pair<int, int>, std::string> cells;
    int col = 0, row = 0;
    std::vector<std::pair<int, int>> visited;
    grid::TCellCheckTarget Target() {
        grid::TCellCheckTarget t;
        t.GetCell = [this](int c, int r) { return cells[{c, r}]; };
        t.SetCell = [this](int c, int r, const std::string& s) { cells[{c, r}] = s; };
        t.Unmark = [](const std::string& s) {
            std::string out;
            for (char ch : s)
                if (ch != '[' && ch != ']') out += ch;
            return out;
        };
        t.GetCurrentCell = [this](int& c, int& r) { c = col, r = row; };
        t.SetCurrentCell = [this](int c, int r) {
            col = c, row = r;
            visited.push_back({c, r});
        };
        return t;
    }
};

class UpperChecker : public grid::TExtStringGridCheck {
public:
    int starts = 0, stops = 0;
    std::string Correct(int, int, const std::string& s) override {
        std::string out = s;
        for (char& c : out) c = char(toupper(c));
        return out;
    }
    std::string MarkError(int, int, const std::string& s) override {
        return s.find('x') != std::string::npos ? "[" + s + "]" : s;
    }
    void StartCheck() override { ++starts; }
    void StopCheck() override { ++stops; }
};

TEST(CellChecker, BaseCheckerPassesAndRemovesMarks) {
    Table t;
    t.cells = {{{0, 0}, "[a]"}, {{1, 0}, "b"}};
    grid::TExtStringGridCheck base;
    base.UseCorrect = base.UseMarkError = true;
    EXPECT_TRUE(grid::CheckCellRange(&base, t.Target(), 0, 0, 1, 0));
    EXPECT_EQ(t.cells[std::make_pair(0, 0)], "a");
    EXPECT_TRUE(grid::CheckCellRange(nullptr, t.Target(), 0, 0, 1, 0));
}

TEST(CellChecker, CorrectionMakesTheCellIncorrectAndStays) {
    Table t;
    t.cells = {{{0, 0}, "A"}, {{1, 0}, "b"}, {{0, 1}, "C"}};
    UpperChecker c;
    c.UseCorrect = true;
    EXPECT_FALSE(grid::CheckCellRange(&c, t.Target(), 0, 0, 1, 1));
    EXPECT_EQ(t.cells[std::make_pair(1, 0)], "B");
    EXPECT_EQ(c.starts, 1);
    EXPECT_EQ(c.stops, 1);
    t.cells[std::make_pair(1, 0)] = "B";
    EXPECT_TRUE(grid::CheckCellRange(&c, t.Target(), 0, 0, 1, 1));
}

TEST(CellChecker, MarkingWinsAndGotoCellVisitsRowByRow) {
    Table t;
    t.cells = {{{0, 0}, "x"}, {{1, 0}, "y"}, {{0, 1}, "z"}, {{1, 1}, "w"}};
    t.col = 5, t.row = 7;
    UpperChecker c;
    c.UseCorrect = c.UseMarkError = c.GotoCell = true;
    EXPECT_FALSE(grid::CheckCellRange(&c, t.Target(), 0, 0, 1, 1));
    EXPECT_EQ(t.cells[std::make_pair(0, 0)], "[x]");  // marked from the unmarked text, not the corrected one
    EXPECT_EQ(t.cells[std::make_pair(1, 0)], "y");
    const std::vector<std::pair<int, int>> order{{0, 0}, {1, 0}, {0, 1}, {1, 1}, {5, 7}};
    EXPECT_EQ(t.visited, order);
}

}  // namespace
