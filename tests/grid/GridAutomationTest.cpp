#include <gtest/gtest.h>

#include "grid/ExtGrid.h"
#include "grid/GridAutomation.h"

using namespace grid;

TEST(GridAutomation, ColumnLettersAndUsedRanges) {
    EXPECT_EQ(XlsColumnLetters(26), "Z");
    EXPECT_EQ(XlsColumnLetters(30), "AD");
    EXPECT_EQ(XlsColumnLetters(52), "AZ");
    EXPECT_EQ(XlsColumnLetters(1), "A");
    const struct {
        const char* address;
        bool ok;
        TXlsRange range;
    } cases[] = {
        {"$B$2:$D$5", true, {2, 2, 4, 5}}, {"$A$1", true, {1, 1, 1, 1}},   {"$3:$9", true, {1, 3, 256, 9}},
        {"A1", true, {1, 1, 1, 1}},         {"$AB$7:$AC$9", true, {28, 7, 29, 9}}, {"$B$x:$D$5", false, {}},
    };
    for (const auto& c : cases) {
        TXlsRange r;
        EXPECT_EQ(ParseXlsUsedRange(c.address, r), c.ok) << c.address;
        if (c.ok) EXPECT_EQ(r, c.range) << c.address;
    }
}

TEST(GridAutomation, OfficeServersAreNotFound) {
    TExtStringGrid g(nullptr);
    g.SetCells(1, 1, "kept");
    const struct {
        const char* name;
        std::function<void()> call;
        const char* message;
    } cases[] = {
        {"sheets", [&] { g.GetXLSSheets("a.xls"); }, "Spreadsheet automation server not found"},
        {"load", [&] { g.LoadFromXLS("a.xls"); }, "Spreadsheet automation server not found"},
        {"save", [&] { g.SaveToXLS("a.xls"); }, "Spreadsheet automation server not found"},
        {"doc", [&] { g.SaveToDOC("a.doc"); }, "Word processor automation server not found"},
        {"append", [&] { g.AppendToDoc("a.doc", "b"); }, "Word processor automation server not found"},
    };
    for (const auto& c : cases) {
        try {
            c.call();
            ADD_FAILURE() << c.name;
        } catch (const EExtGridError& e) {
            EXPECT_STREQ(e.what(), c.message) << c.name;
        }
    }
    EXPECT_THROW(g.LoadFromMDBTable("a.mdb", "t"), std::runtime_error);
    EXPECT_EQ(g.Cells(1, 1), "kept");
}
