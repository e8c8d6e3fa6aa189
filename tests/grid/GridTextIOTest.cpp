#include <gtest/gtest.h>

#include <sstream>

#include "ExchangeTestSupport.h"
#include "grid/GridTextIO.h"

using namespace grid;
using namespace exchange_test;

namespace {

void FillSixLineGrid(TExtStringGrid& g) {
    g.SetColCount(3);
    g.SetRowCount(2);
    g.SetCells(1, 1, "x");
    g.SetCells(2, 1, "a\r\nb");
}

}  // namespace

TEST(GridTextFile, SavesTheStoredSixLineFile) {
    TExtStringGrid g(nullptr);
    FillSixLineGrid(g);
    const std::string path = Scratch("six.txt");
    g.SaveToFile(path);
    EXPECT_EQ(ReadBytes(path), Stored("six-lines.txt"));
}

TEST(GridTextFile, MultilineCellsDecideWhatALoadKeeps) {
    const std::string path = Scratch("six.txt");
    WriteBytes(path, Stored("six-lines.txt"));
    for (bool multi : {false, true}) {
        TExtStringGrid g(nullptr);
        g.SetMultilinecells(multi);
        g.LoadFromFile(path);
        EXPECT_EQ(g.ColCount(), 3);
        EXPECT_EQ(g.RowCount(), 2);
        EXPECT_EQ(g.Cells(1, 1), "x");
        EXPECT_EQ(g.Cells(2, 1), multi ? "a\r\nb" : "a");
    }
}

TEST(GridTextFile, RoundTripsAwkwardTexts) {
    const std::vector<std::string> texts = {"1,2,3", "caf\xC3\xA9", "two\r\nlines", "tab\there", "\"q\""};
    for (bool unicode : {false, true}) {
        TExtStringGrid g(nullptr);
        g.SetMultilinecells(true);
        g.SetColCount(int(texts.size()));
        for (int i = 0; i < int(texts.size()); ++i) g.SetCells(i, 2, texts[size_t(i)]);
        g.SetColWidths(3, 90);
        const std::string path = Scratch(unicode ? "u.txt" : "a.txt");
        g.SaveToFile(path, unicode);
        TExtStringGrid back(nullptr);
        back.SetMultilinecells(true);
        back.LoadFromFile(path);
        EXPECT_EQ(CellsOf(back), CellsOf(g)) << unicode;
        EXPECT_EQ(back.ColWidths(3), 90);
    }
}

TEST(GridTextFile, ALoneLineBreakNeverSplitsTheCellLine) {
    TExtStringGrid g(nullptr);
    g.SetMultilinecells(true);
    g.SetCells(1, 1, "a\nb");
    g.SetCells(2, 1, "c\rd");
    const std::string path = Scratch("lone.txt");
    g.SaveToFile(path);
    TExtStringGrid back(nullptr);
    back.SetMultilinecells(true);
    back.LoadFromFile(path);
    EXPECT_EQ(back.Cells(1, 1), "a\r\nb");
    EXPECT_EQ(back.Cells(2, 1), "c\r\nd");
}

TEST(GridTextFile, RefusesBadSizesBeforeAnythingChanges) {
    const struct {
        const char* name;
        const char* text;
    } cases[] = {
        {"empty", ""}, {"zero columns", "0,3\r\n1,1,x\r\n"}, {"negative rows", "3,-2\r\n"},
        {"no rows", "3\r\n"}, {"huge", "99999999,99999999\r\n"},
    };
    for (const auto& c : cases) {
        TExtStringGrid g(nullptr);
        g.SetCells(1, 1, "kept");
        const std::string path = Scratch("bad.txt");
        WriteBytes(path, c.text);
        try {
            g.LoadFromFile(path);
            ADD_FAILURE() << c.name;
        } catch (const EExtGridError& e) {
            EXPECT_EQ(std::string(e.what()), "File contains no data or corrupt file " + path) << c.name;
        }
        EXPECT_EQ(g.ColCount(), 5) << c.name;
        EXPECT_EQ(g.RowCount(), 10) << c.name;
        EXPECT_EQ(g.Cells(1, 1), "kept") << c.name;
    }
}

TEST(GridTextFile, LenientNumbersAndSkippedPositions) {
    EXPECT_EQ(LenientGridNumber("  12abc"), 12);
    EXPECT_EQ(LenientGridNumber("$1F"), 31);
    EXPECT_EQ(LenientGridNumber("0x10"), 16);
    EXPECT_EQ(LenientGridNumber("-4"), -4);
    EXPECT_EQ(LenientGridNumber("x"), 0);
    TExtStringGrid g(nullptr);
    const std::string path = Scratch("skip.txt");
    WriteBytes(path, "2,2\r\n9,9,out\r\n1,1,in\r\nbare\r\n");
    g.LoadFromFile(path);
    EXPECT_EQ(g.Cells(1, 1), "in");
    EXPECT_EQ(g.Cells(0, 0), "bare");
}

TEST(GridTextStream, TwoGridsFollowOneAnother) {
    TExtStringGrid a(nullptr), b(nullptr);
    a.SetCells(1, 1, "first");
    a.SetCells(2, 3, "x,y");
    b.SetColCount(3);
    b.SetCells(2, 2, "second");
    std::stringstream s;
    a.SaveToStream(s);
    b.SaveToStream(s);
    TExtStringGrid ra(nullptr), rb(nullptr);
    s.seekg(0);
    ra.LoadFromStream(s);
    rb.LoadFromStream(s);
    EXPECT_EQ(CellsOf(ra), CellsOf(a));
    EXPECT_EQ(CellsOf(rb), CellsOf(b));
}

TEST(GridTextStream, StrictNumbersRefuseWithoutChange) {
    const auto utf16 = [](const std::string& s) {
        std::string r;
        for (char c : s) r += {c, '\0'};
        return r;
    };
    const struct {
        const char* text;
        const char* error;
    } cases[] = {
        {"2,x\r\n", "'x' is not a valid integer value"},
        {"2,2\r\ncw 7,10\r\n", "Grid index out of range"},
        {"2,2\r\n5,1,z\r\n", "Grid index out of range"},
    };
    for (const auto& c : cases) {
        TExtStringGrid g(nullptr);
        g.SetCells(1, 1, "kept");
        std::istringstream in(utf16(c.text));
        try {
            g.LoadFromStream(in);
            ADD_FAILURE() << c.text;
        } catch (const EExtGridError& e) {
            EXPECT_STREQ(e.what(), c.error);
        }
        EXPECT_EQ(g.ColCount(), 5);
        EXPECT_EQ(g.Cells(1, 1), "kept");
    }
}
