#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TestFolders.h"
#include "platform/XmlDom.h"
#include "shell/ProjectXmlFile.h"

using shelltest::FreshFolder;
using shelltest::WriteBytes;

namespace {

// A small access table: Enable, key column IP_Address, Mnemonic, Swap.
const std::vector<shell::TXmlColumn> Columns = {
    {"Enable", "Y", true},
    {"IP_Address", "", false},
    {"Mnemonic", "", false},
    {"Swap", "N", true},
};

}  // namespace

TEST(ProjectXml, EmptyTablesWriteRootSectionsAndComment) {
    plat::TXmlDocument doc;
    doc.LoadFromString("<Old><row/></Old><!--stale-->");
    plat::TXmlNode root = shell::Begin_Project_XML(doc, "Modbus_Table");
    EXPECT_EQ(shell::Write_Project_Rows(root.AddChild("Modbus_Read"), Columns, {}, 1), 0);
    EXPECT_EQ(shell::Write_Project_Rows(root.AddChild("Modbus_Write"), Columns, {}, 1), 0);

    plat::TXmlDocument back;
    ASSERT_TRUE(back.LoadFromString(doc.SaveToString()));
    EXPECT_EQ(back.Root().Name(), "Modbus_Table");
    ASSERT_EQ(back.Root().ChildCount(), 2);
    EXPECT_EQ(back.Root().Child(0).Name(), "Modbus_Read");
    EXPECT_EQ(back.Root().Child(0).ChildCount(), 0);
    EXPECT_EQ(back.Root().Child(1).Name(), "Modbus_Write");
    EXPECT_EQ(back.TopLevelComment(0), "SW_VERSION = 1.000");
    EXPECT_EQ(back.TopLevelComment(1), "");  // the old document's comment is gone
    // The comment follows the root element in the saved text.
    const std::string text = doc.SaveToString();
    EXPECT_LT(text.find("<Modbus_Table"), text.find("SW_VERSION"));
}

TEST(ProjectXml, VersionCommentVariants) {
    const struct {
        const char* name;
        std::string comment;
    } cases[] = {{"other version", "SW_VERSION = 1.002"}, {"no comment", ""}};
    for (const auto& c : cases) {
        plat::TXmlDocument doc;
        shell::Begin_Project_XML(doc, "T", c.comment);
        plat::TXmlDocument back;
        ASSERT_TRUE(back.LoadFromString(doc.SaveToString())) << c.name;
        EXPECT_EQ(back.TopLevelComment(0), c.comment) << c.name;
    }
}

TEST(ProjectXml, RowsStopAtFirstBlankKeyAndKeepTextsAsShown) {
    const std::vector<shell::TXmlRow> rows = {
        {"Y", "10.0.0.1", " padded ", "N"},
        {"N", "$0A.0.0.2", "", "Y"},  // disabled rows are written like the others
        {"Y", "   ", "lost", "N"},    // blank key: the table ends here
        {"Y", "10.0.0.4", "after the end", "N"},
    };
    plat::TXmlDocument doc;
    plat::TXmlNode root = shell::Begin_Project_XML(doc, "Table");
    EXPECT_EQ(shell::Write_Project_Rows(root, Columns, rows, 1), 2);

    plat::TXmlDocument back;
    ASSERT_TRUE(back.LoadFromString(doc.SaveToString()));
    const plat::TXmlNode table = back.Root();
    ASSERT_EQ(table.ChildCount(), 2);
    const plat::TXmlNode first = table.Child(0);
    EXPECT_EQ(first.Name(), "row");
    ASSERT_EQ(first.AttributeCount(), 4);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(first.AttributeName(i), Columns[i].attribute);  // column order
    EXPECT_EQ(first.Attribute("Mnemonic"), " padded ");
    EXPECT_EQ(table.Child(1).Attribute("IP_Address"), "$0A.0.0.2");
    EXPECT_EQ(shell::Read_Project_Rows(table, Columns, 1024),
              (std::vector<shell::TXmlRow>{rows[0], rows[1]}));
}

TEST(ProjectXml, MissingAttributesAndSurplusRows) {
    plat::TXmlDocument doc;
    ASSERT_TRUE(doc.LoadFromString(
        "<Table><Sec>"
        "<row IP_Address=\"10.0.0.1\" Mnemonic=\"m\"/>"          // written before Enable and Swap existed
        "<row Enable=\"N\" Swap=\"Y\"/>"                          // unguarded texts missing
        "<row Enable=\"Y\" IP_Address=\"x\" Mnemonic=\"\" Swap=\"N\"/>"
        "</Sec></Table>"));
    const plat::TXmlNode section = doc.Root().FindNode("Sec");
    EXPECT_EQ(shell::Read_Project_Rows(section, Columns, 2),
              (std::vector<shell::TXmlRow>{{"Y", "10.0.0.1", "m", "N"}, {"N", "", "", "Y"}}));
    EXPECT_EQ(shell::Read_Project_Rows(section, Columns, 10).size(), 3u);
    // A missing section reads as an empty table.
    EXPECT_TRUE(shell::Read_Project_Rows(doc.Root().FindNode("Other"), Columns, 10).empty());
}

TEST(ProjectXml, LoadStates) {
    const std::string dir = FreshFolder("project_xml_load");
    const std::string path = dir + "/ModbusTCPM_SetAccess.xml";
    plat::TXmlDocument doc;
    std::string error;
    EXPECT_EQ(shell::Load_Project_XML(doc, path, &error), shell::TXmlLoad::Missing);
    EXPECT_TRUE(doc.Root().IsNull());

    WriteBytes(path, "<Table><row Enable=\"Y\"");
    EXPECT_EQ(shell::Load_Project_XML(doc, path, &error), shell::TXmlLoad::Malformed);
    EXPECT_FALSE(error.empty());
    EXPECT_TRUE(doc.Root().IsNull());

    plat::TXmlDocument out;
    plat::TXmlNode root = shell::Begin_Project_XML(out, "Table");
    shell::Write_Project_Rows(root, Columns, {{"Y", "10.0.0.1", "pump", "N"}}, 1, "Row");
    ASSERT_TRUE(out.SaveToFile(path, &error)) << error;
    EXPECT_EQ(shell::Load_Project_XML(doc, path, &error), shell::TXmlLoad::Loaded);
    EXPECT_EQ(doc.Root().Child(0).Name(), "Row");
    EXPECT_EQ(shell::Read_Project_Rows(doc.Root(), Columns, 10),
              (std::vector<shell::TXmlRow>{{"Y", "10.0.0.1", "pump", "N"}}));
}
