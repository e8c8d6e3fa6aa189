#include <gtest/gtest.h>

#include "ExchangeTestSupport.h"
#include "grid/GridFixedWidth.h"

using namespace grid;
using namespace exchange_test;

TEST(GridFixedWidth, LinesCutAndPadToTheWidths) {
    EXPECT_EQ(WriteFixedLine({"abcd", "x"}, {2, 3}), "abx  ");
    EXPECT_EQ(WriteFixedLine({"\xC3\xA9t\xC3\xA9", ""}, {2, 1}), "\xC3\xA9t ");
    const struct {
        std::vector<int> pos;
        bool trim;
        std::vector<std::string> fields;
    } cases[] = {
        {{1, 4, 6}, true, {"abc", "de"}},
        {{1, 4, 12}, true, {"abc", "defgh"}},
        {{1, 3}, false, {"ab"}},
        {{1}, true, {}},
    };
    for (const auto& c : cases) EXPECT_EQ(ReadFixedLine("abcdefgh", c.pos, c.trim), c.fields);
    EXPECT_EQ(ReadFixedLine(" a \t b", {1, 4, 7}, true), (std::vector<std::string>{"a", "b"}));
}

TEST(GridFixedWidth, SavesTheStoredFileWithWidthsFromTheTexts) {
    TExtStringGrid g(nullptr);
    g.SetColCount(2);
    g.SetRowCount(2);
    g.SetCells(0, 0, "a");
    g.SetCells(1, 0, "bb");
    g.SetCells(0, 1, "abcd");
    g.SetCells(1, 1, "cc");
    TIntList widths(-1, -1);
    widths.Add(4);
    const std::string path = Scratch("fixed.txt");
    g.SaveToFixed(path, widths);
    EXPECT_EQ(ReadBytes(path), Stored("fixed.txt"));
    EXPECT_EQ(widths.StrValue(), "4,3") << "the missing width is appended";
}

TEST(GridFixedWidth, LoadsBetweenSortedPositions) {
    const std::string path = Scratch("in.txt");
    WriteBytes(path, "abcdefgh\r\n12345678\r\nxyz\r\n");
    for (int maxRows : {-1, 0, 1}) {
        TExtStringGrid g(nullptr);
        TIntList pos(-1, -1);
        for (int p : {6, 1, 4}) pos.Add(p);
        g.LoadFromFixed(path, pos, true, maxRows);
        EXPECT_EQ(pos.StrValue(), "1,4,6");
        EXPECT_EQ(g.ColCount(), 3);
        EXPECT_EQ(g.Cells(0, 0), "abc");
        EXPECT_EQ(g.Cells(1, 0), "de");
        EXPECT_EQ(g.Cells(0, 1), maxRows == -1 ? "123" : "") << maxRows;
        EXPECT_EQ(g.Cells(0, 2), maxRows == -1 ? "xyz" : "") << maxRows;
    }
    TExtStringGrid g(nullptr);
    TIntList pos(-1, -1);
    try {
        g.LoadFromFixed(Scratch("missing.txt"), pos);
        ADD_FAILURE();
    } catch (const EExtGridError& e) {
        EXPECT_EQ(std::string(e.what()), "File " + Scratch("missing.txt") + " not found");
    }
}

TEST(GridFixedWidth, AFailedSaveKeepsTheColumnCount) {
    TExtStringGrid g(nullptr);
    g.SetSaveHiddenCells(true);
    g.HideColumn(2);
    const int cols = g.ColCount();
    TIntList pos(-1, -1);
    EXPECT_THROW(g.SaveToFixed("/nonexistent-folder/x/out.txt", pos), EExtGridError);
    EXPECT_EQ(g.ColCount(), cols);
}

TEST(GridAsciiExport, AlignsAndContinuesMultiLineCells) {
    TExtStringGrid g(nullptr);
    g.SetColCount(2);
    g.SetRowCount(2);
    g.SetMultilinecells(true);
    g.SetCells(0, 0, "ab");
    g.SetCells(1, 0, "x\r\nyy");
    g.SetCells(0, 1, "a");
    g.SetCells(1, 1, "abc");
    g.SetAlignments(1, 1, plat::taRightJustify);
    const std::string path = Scratch("ascii.txt");
    g.SaveToASCII(path);
    EXPECT_EQ(ReadBytes(path), "ab x   \r\n   yy\r\na  abc \r\n");
    const auto rows = WriteAsciiRow({{"a", TAsciiAlign::Right}, {"b", TAsciiAlign::Center}}, {3, 4}, false);
    EXPECT_EQ(rows, (std::vector<std::string>{"  a   b  "}));
}
