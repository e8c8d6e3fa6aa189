// The family's model without a window: reset tables, where a table ends,
// the file reader (whole, partial, rows under the root) and writer, and the
// walk of the data check with its message.

#include "protocols/AccessTable.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/XmlDom.h"
#include "shell/Language.h"
#include "shell/ProjectXmlFile.h"

namespace {

using namespace proto;

// A small member of each shape: one with sections and an optional and a
// not-stored column, one with its rows directly under the root and no
// Enable column.
const TTableDescription Sectioned = {
    .Grid = "G1",
    .Section = "Rules",
    .Columns = {Row_Number_Column(1),
                Enable_Column(2, 0),
                Text_Column(3, "Key", 50, cgAddress, 0),
                Check_Column(4, "Flag", 40, cgSwap, 0),
                {.Header = 5, .Attribute = nullptr, .Editor = grid::edDataCheckBox, .Required = false,
                 .Default = "N"},
                Text_Column(6, "Mnemonic", 80, cgMnemonic, 0)},
    .Rows = 4};

const TTableDescription Flat = {
    .Grid = "G2",
    .Columns = {Row_Number_Column(1), Text_Column(2, "Topic", 50, cgTopic, 0), Text_Column(3, "Note", 50, cgMnemonic, 0)},
    .Key_Column = 1,
    .Enable_Column = -1,
    .Rows = 3};

const TAccessFile Two_Sections = {.Root = "Top", .Tables = {Sectioned, {.Grid = "G3", .Section = "More",
                                                                        .Columns = Sectioned.Columns,
                                                                        .Rows = 2}}};
const TAccessFile Under_Root = {.Root = "Frames", .Tables = {Flat}};

TEST(AccessTable, ResetRowsHoldTheirNumberAndInitialCells) {
    const TTable t = Reset_Table(Sectioned);
    ASSERT_EQ(t.size(), 4u);
    EXPECT_EQ(t[0], (TTableRow{"1", "Y", "", "", "", ""}));
    EXPECT_EQ(t[3][0], "4");
}

TEST(AccessTable, TableEndsAtTheFirstBlankKey) {
    TTable t = Reset_Table(Sectioned);
    t[0][2] = "a";
    t[1][2] = "  ";  // blanks count as empty
    t[2][2] = "c";
    EXPECT_EQ(Used_Rows(Sectioned, t), 1);
    EXPECT_EQ(First_Row_After_End(Sectioned, t), 3);
    t[2][2] = "";
    t[2][3] = "Y";  // check boxes alone are no data
    EXPECT_EQ(First_Row_After_End(Sectioned, t), 0);
}

TEST(AccessTable, WritesUsedRowsWithStoredColumnsOnly) {
    std::vector<TTable> tables = Reset_Tables(Two_Sections);
    tables[0][0] = {"1", "N", " a ", "Y", "Y", "first"};
    tables[0][1] = {"2", "Y", "b", "N", "N", ""};
    tables[0][3] = {"4", "Y", "lost", "N", "N", ""};  // after the blank key of row 3
    EXPECT_EQ(Access_To_Xml(Two_Sections, tables),
              "<Top>\n"
              "  <Rules>\n"
              "    <row Enable=\"N\" Key=\" a \" Flag=\"Y\" Mnemonic=\"first\" />\n"
              "    <row Enable=\"Y\" Key=\"b\" Flag=\"N\" Mnemonic=\"\" />\n"
              "  </Rules>\n"
              "  <More />\n"
              "</Top>\n"
              "<!--SW_VERSION = 1.000-->\n");
}

TEST(AccessTable, ReadsRowsUnderTheRootAndFillsDefaults) {
    std::vector<TTable> tables = Reset_Tables(Under_Root);
    const TLoadReport report =
        Read_Access_Xml(Under_Root, "<Anything><row Topic=\"t1\" Note=\"x\"/><row Topic=\"t2\" Note=\"\"/></Anything>",
                        tables);
    EXPECT_TRUE(report.Clean());
    EXPECT_EQ(report.Loaded_Rows, std::vector<int>{2});
    EXPECT_EQ(tables[0][1], (TTableRow{"2", "t2", ""}));
    EXPECT_EQ(tables[0][2], (TTableRow{"3", "", ""}));
}

TEST(AccessTable, FaultsAreReportedAndTheRestIsRead) {
    const struct {
        const char* name;
        const char* xml;
        const char* error;
        std::vector<int> loaded;
        std::vector<std::string> row1;  // columns 1..5 of table 0, row 1
    } cases[] = {
        {"missing required attribute", "<Top><Rules><row Enable=\"N\" Flag=\"Y\" Mnemonic=\"m\"/>"
                                       "<row Key=\"k2\" Mnemonic=\"\"/></Rules><More/></Top>",
         "\"f.xml\": section \"Rules\": row 1 lacks the attribute \"Key\"", {2, 0}, {"N", "", "Y", "N", "m"}},
        {"optional attributes missing", "<Top><Rules><row Key=\"k\" Mnemonic=\"\"/></Rules><More/></Top>", "",
         {1, 0}, {"Y", "k", "N", "N", ""}},
        {"missing section", "<Top><More><row Enable=\"Y\" Key=\"z\" Flag=\"N\" Mnemonic=\"\"/></More></Top>",
         "\"f.xml\": the section \"Rules\" is missing", {0, 1}, {"Y", "", "", "", ""}},
        {"surplus rows", "<Top><Rules/><More><row Key=\"1\" Mnemonic=\"\"/><row Key=\"2\" Mnemonic=\"\"/>"
                         "<row Key=\"3\" Mnemonic=\"\"/></More></Top>",
         "\"f.xml\": section \"More\": holds 3 rows; the table has room for 2, the rest is not shown", {0, 2},
         {"Y", "", "", "", ""}},
    };
    for (const auto& c : cases) {
        std::vector<TTable> tables = Reset_Tables(Two_Sections);
        const TLoadReport report = Read_Access_Xml(Two_Sections, c.xml, tables, "f.xml");
        EXPECT_EQ(report.Error, c.error) << c.name;
        EXPECT_EQ(report.Clean(), std::string(c.error).empty()) << c.name;
        EXPECT_EQ(report.Loaded_Rows, c.loaded) << c.name;
        EXPECT_EQ(std::vector<std::string>(tables[0][0].begin() + 1, tables[0][0].end()), c.row1) << c.name;
    }
}

TEST(AccessTable, UnreadableFileIsPartialAndLeavesTheTables) {
    std::vector<TTable> tables = Reset_Tables(Under_Root);
    const TLoadReport report = Read_Access_Xml(Under_Root, "<Frames><row Topic=", tables, "bad.xml");
    EXPECT_FALSE(report.Clean());
    EXPECT_NE(report.Error.find("bad.xml"), std::string::npos) << report.Error;
    EXPECT_EQ(tables, Reset_Tables(Under_Root));
}

TEST(AccessTable, MissingFileLoadsNothingAndIsClean) {
    std::vector<TTable> tables = Reset_Tables(Under_Root);
    const TLoadReport report =
        Load_Access_File(Under_Root, (std::filesystem::path(VASTRIMO_TEST_OUT) / "no_such.xml").string(), tables);
    EXPECT_EQ(report.State, TLoadReport::Missing);
    EXPECT_TRUE(report.Clean());
}

TEST(AccessTable, SaveAndLoadKeepEveryCellAsTyped) {
    const std::string path = (std::filesystem::path(VASTRIMO_TEST_OUT) / "access_roundtrip.xml").string();
    std::vector<TTable> tables = Reset_Tables(Two_Sections);
    tables[0][0] = {"1", "Y", " spaced ", "Y", "N", "<&\"'>"};
    tables[1][0] = {"1", "N", "k", "N", "N", "\xC3\xA9"};
    std::string error;
    ASSERT_TRUE(Save_Access_File(Two_Sections, tables, path, &error)) << error;
    std::vector<TTable> back = Reset_Tables(Two_Sections);
    EXPECT_TRUE(Load_Access_File(Two_Sections, path, back).Clean());
    EXPECT_EQ(back, tables);
}

TEST(AccessTable, NumbersAreDecimalOrHexadecimalElseMinusOne) {
    const struct {
        const char* text;
        int value;
    } cases[] = {{"502", 502}, {"$1F6", 502}, {"0x1F6", 502}, {"-3", -3}, {"", -1}, {"7FFh", -1},
                 {"1.5", -1}, {"99999999999", -1}};
    for (const auto& c : cases) EXPECT_EQ(Cell_Number(c.text), c.value) << c.text;
}

class CheckWalk : public ::testing::Test {
protected:
    void SetUp() override { shell::Load_Default_Texts(); }
};

TEST_F(CheckWalk, StopsAtTheFirstBlankKeyAndSkipsDisabledRows) {
    TTable t = Reset_Table(Sectioned);
    t[0] = {"1", "N", "bad", "", "", ""};   // disabled: not checked
    t[1] = {"2", " y ", "ok", "", "", ""};  // enabled only when upper-cased
    t[2] = {"3", "Y", "bad", "", "", ""};
    std::vector<int> seen;
    auto check = [&](const TTableRow& row) {
        seen.push_back(std::stoi(row[0]));
        return row[2] == "bad" ? Fault(1769) : TRowFault{};
    };
    EXPECT_EQ(Check_Table(Sectioned, t, 0, check), (TCheckOutcome{0, 3, Fault(1769)}));
    EXPECT_EQ(seen, std::vector<int>{3});

    TTableDescription upper = Sectioned;
    upper.Enable_Upper = true;
    seen.clear();
    Check_Table(upper, t, 0, check);
    EXPECT_EQ(seen, (std::vector<int>{2, 3}));

    t[1][2] = "";  // the walk ends before row 3
    EXPECT_TRUE(Check_Table(Sectioned, t, 0, check).Ok());

    TTableDescription enableFirst = Sectioned;
    enableFirst.Enable_First = true;
    t[1][1] = "N";  // a disabled row with an empty key is skipped, not the end
    EXPECT_EQ(Check_Table(enableFirst, t, 0, check).Row, 3);
}

TEST_F(CheckWalk, MessageJoinsPrefixRowTextLimitAndTail) {
    EXPECT_EQ(Check_Message(1838, TCheckOutcome{0, 12, Fault(1844, 125)}),
              "Error row 12!! [Modbus Read] NPoint must be between 1 and 125");
    EXPECT_EQ(Check_Message(1768, TCheckOutcome{1, 3, Fault(1779)}),
              "Error row 3!! [Modbus Write] Slave ID must be between 1 and 247");
    EXPECT_EQ(Check_Message(1768, TCheckOutcome{1, 3, Fault(1779, 7, 1702)}),
              "Error row 3!! [Modbus Write] Slave ID must be between 1 and 2477OK");
    EXPECT_EQ(Check_Message(1768, TCheckOutcome{}), "");
}

}  // namespace

namespace {

// The same file built through the XML document, as every other window
// writes its file: the writer's text must be what the document saves.
std::string Through_Document(const TAccessFile& file, const std::vector<TTable>& tables) {
    plat::TXmlDocument doc;
    plat::TXmlNode root = shell::Begin_Project_XML(doc, file.Root);
    for (size_t t = 0; t < file.Tables.size(); ++t) {
        const TTableDescription& d = file.Tables[t];
        plat::TXmlNode parent = d.Section ? root.AddChild(d.Section) : root;
        for (int r = 0; r < Used_Rows(d, tables[t]); ++r) {
            plat::TXmlNode row = parent.AddChild("row");
            for (size_t c = 1; c < d.Columns.size(); ++c)
                if (d.Columns[c].Attribute) row.SetAttribute(d.Columns[c].Attribute, tables[t][r][c]);
        }
    }
    return doc.SaveToString();
}

TEST(AccessTable, WriterTextIsWhatTheXmlDocumentSaves) {
    std::string every_byte;
    for (int b = 1; b < 256; ++b) every_byte += static_cast<char>(b);
    const struct {
        const char* name;
        const TAccessFile* file;
        std::vector<std::vector<TTableRow>> rows;  // first rows of each table
    } cases[] = {
        // Column 4 is not stored: it reads back as its default.
        {"every byte", &Two_Sections, {{{"1", "Y", "k", "N", "N", every_byte}}, {}}},
        {"markup and blanks", &Two_Sections,
         {{{"1", "Y", " <a href=\"x\">&amp;</a> ", "Y", "N", "\r\n\t"}}, {{"1", "N", "'quoted'", "", "N", ""}}}},
        {"no rows", &Two_Sections, {{}, {}}},
        {"rows under the root", &Under_Root, {{{"1", "t", "n"}, {"2", "u", ""}}}},
        {"empty root", &Under_Root, {{}}},
    };
    for (const auto& c : cases) {
        std::vector<TTable> tables = Reset_Tables(*c.file);
        for (size_t t = 0; t < c.rows.size(); ++t)
            for (size_t r = 0; r < c.rows[t].size(); ++r) tables[t][r] = c.rows[t][r];
        EXPECT_EQ(Access_To_Xml(*c.file, tables), Through_Document(*c.file, tables)) << c.name;
        std::vector<TTable> back = Reset_Tables(*c.file);
        EXPECT_TRUE(Read_Access_Xml(*c.file, Access_To_Xml(*c.file, tables), back).Clean()) << c.name;
        EXPECT_EQ(back, tables) << c.name;
    }
}

}  // namespace
