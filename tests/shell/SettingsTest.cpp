#include <gtest/gtest.h>

#include <string>

#include "TestFolders.h"
#include "platform/XmlDom.h"
#include "shell/Comon.h"
#include "shell/Settings.h"

using shelltest::FreshFolder;
using shelltest::WriteBytes;

namespace {

std::string SettingsXml(const std::string& inner) { return "<Conf_Settings>" + inner + "</Conf_Settings>"; }

const std::string AllValues =
    "<lastproj><projectname>Plant A</projectname></lastproj>"
    "<lastipadd><ipaddress>10.0.0.7</ipaddress></lastipadd>"
    "<lastlang><language>Italiano</language></lastlang>";

}  // namespace

TEST(Settings, RoundTripIsExact) {
    shell::TSettings allOn;
    allOn.Conf_Name = "Plant A";
    allOn.Last_IP_Address = "10.0.0.7";
    allOn.Language_Name = "Italiano";
    allOn.Opt_Enable_Internet = allOn.Opt_Enable_Update = true;
    allOn.Opt_Jump_Field_Tables = allOn.Opt_DblClick_Auto_Size = true;
    shell::TSettings mixed;
    mixed.Conf_Name = " blanks kept ";
    mixed.Last_IP_Address = "";
    mixed.Language_Name = "Fran\xC3\xA7" "ais & <co>";
    mixed.Opt_Enable_Update = true;
    mixed.Opt_DblClick_Auto_Size = true;
    shell::TSettings blanksOnly;
    blanksOnly.Conf_Name = "  ";
    blanksOnly.Last_IP_Address = "\t";
    const struct {
        const char* name;
        shell::TSettings settings;
    } cases[] = {{"defaults", shell::TSettings{}},
                 {"all on", allOn},
                 {"mixed", mixed},
                 {"blanks only", blanksOnly}};

    const std::string dir = FreshFolder("settings_roundtrip");
    for (const auto& c : cases) {
        shell::TSettings back;
        EXPECT_TRUE(shell::Parse_Settings(shell::Settings_To_Xml(c.settings), back)) << c.name;
        EXPECT_EQ(back, c.settings) << c.name;

        const std::string path = dir + "/Vastrimo.xml";
        std::string error;
        ASSERT_TRUE(shell::Save_Settings(path, c.settings, &error)) << c.name << error;
        shell::TSettings loaded;
        EXPECT_TRUE(shell::Load_Settings(path, loaded, &error)) << c.name << error;
        EXPECT_EQ(loaded, c.settings) << c.name;
    }
}

TEST(Settings, WrittenTreeHasFixedShape) {
    shell::TSettings s;
    s.Opt_Enable_Update = true;
    const std::string xml = shell::Settings_To_Xml(s);
    EXPECT_EQ(xml.rfind("<Conf_Settings", 0), 0u);  // the root is the first node: no declaration
    plat::TXmlDocument doc;
    ASSERT_TRUE(doc.LoadFromString(xml));
    EXPECT_EQ(doc.TopLevelComment(0), "");  // no comment, only the root
    const plat::TXmlNode root = doc.Root();
    EXPECT_EQ(root.Name(), "Conf_Settings");
    const char* groups[] = {"lastproj", "lastipadd", "lastlang", "lastinternet"};
    ASSERT_EQ(root.ChildCount(), 4);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(root.Child(i).Name(), groups[i]);
    const plat::TXmlNode options = root.Child(3);
    const char* flags[] = {"enable_internet", "enable_update", "enable_jump_field_tables",
                           "Double_Click_Auto_Size"};
    const char* values[] = {"0", "1", "0", "0"};
    ASSERT_EQ(options.ChildCount(), 4);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(options.Child(i).Name(), flags[i]);
        EXPECT_EQ(options.Child(i).Text(), values[i]);
    }
    EXPECT_EQ(root.Child(1).FindNode("ipaddress").Text(), "192.168.2.205");
}

// A settings file written by another tool may start with an XML declaration
// (and a byte-order mark): its values are read, not replaced by defaults.
TEST(Settings, LeadingXmlDeclarationIsRead) {
    for (const std::string lead : {"<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n",
                                   "\xEF\xBB\xBF<?xml version=\"1.0\" standalone=\"yes\"?>\r\n"}) {
        shell::TSettings s;
        std::string error;
        ASSERT_TRUE(shell::Parse_Settings(lead + SettingsXml(AllValues), s, &error)) << error;
        EXPECT_EQ(s.Conf_Name, "Plant A");
        EXPECT_EQ(s.Last_IP_Address, "10.0.0.7");
        EXPECT_EQ(s.Language_Name, "Italiano");
    }
}

TEST(Settings, ValuesFallBackOneByOne) {
    const struct {
        const char* name;
        std::string xml;
        std::string confName, ip, language;
        bool internet, update, jump, dblClick;
    } cases[] = {
        {"all values, no options", SettingsXml(AllValues), "Plant A", "10.0.0.7", "Italiano",
         false, false, false, false},
        {"only 1 is true",
         SettingsXml(AllValues +
                     "<lastinternet><enable_internet>true</enable_internet><enable_update>yes</enable_update>"
                     "<enable_jump_field_tables> 1</enable_jump_field_tables>"
                     "<Double_Click_Auto_Size>1</Double_Click_Auto_Size></lastinternet>"),
         "Plant A", "10.0.0.7", "Italiano", false, false, false, true},
        {"empty elements give empty texts",
         SettingsXml("<lastproj><projectname/></lastproj><lastipadd><ipaddress></ipaddress></lastipadd>"
                     "<lastlang><language/></lastlang>"),
         "", "", "", false, false, false, false},
        {"missing elements give defaults",
         SettingsXml("<lastproj/><lastlang><lang>x</lang></lastlang>"), "", "192.168.2.205", "English",
         false, false, false, false},
        {"element content instead of text gives the default",
         SettingsXml("<lastipadd><ipaddress><b>1.2.3.4</b></ipaddress></lastipadd>"), "",
         "192.168.2.205", "English", false, false, false, false},
        {"names are case-sensitive",
         SettingsXml("<LastIpAdd><ipaddress>1.2.3.4</ipaddress></LastIpAdd>"
                     "<lastinternet><double_click_auto_size>1</double_click_auto_size></lastinternet>"),
         "", "192.168.2.205", "English", false, false, false, false},
        {"root read by position", "<Other>" + AllValues + "</Other>", "Plant A", "10.0.0.7",
         "Italiano", false, false, false, false},
    };
    for (const auto& c : cases) {
        shell::TSettings s;
        EXPECT_TRUE(shell::Parse_Settings(c.xml, s)) << c.name;
        EXPECT_EQ(s.Conf_Name, c.confName) << c.name;
        EXPECT_EQ(s.Last_IP_Address, c.ip) << c.name;
        EXPECT_EQ(s.Language_Name, c.language) << c.name;
        EXPECT_EQ(s.Opt_Enable_Internet, c.internet) << c.name;
        EXPECT_EQ(s.Opt_Enable_Update, c.update) << c.name;
        EXPECT_EQ(s.Opt_Jump_Field_Tables, c.jump) << c.name;
        EXPECT_EQ(s.Opt_DblClick_Auto_Size, c.dblClick) << c.name;
    }
}

TEST(Settings, BadFilesGiveDefaults) {
    const std::string dir = FreshFolder("settings_bad");
    const struct {
        const char* name;
        const char* content;  // nullptr: no file
        bool ok;
    } cases[] = {
        {"missing file", nullptr, true},
        {"empty file", "", false},
        {"not xml", "lastproj=Plant", false},
        {"truncated", "<Conf_Settings><lastproj><projectname>Plant", false},
    };
    for (const auto& c : cases) {
        const std::string path = dir + "/Vastrimo.xml";
        std::remove(path.c_str());
        if (c.content != nullptr)
            WriteBytes(path, c.content);
        shell::TSettings s;
        s.Conf_Name = "stale";
        std::string error;
        EXPECT_EQ(shell::Load_Settings(path, s, &error), c.ok) << c.name;
        EXPECT_EQ(s, shell::TSettings{}) << c.name;
        if (!c.ok) {
            EXPECT_FALSE(error.empty()) << c.name;
        }
    }
}

TEST(Settings, ProgramValuesWrittenAndReadBack) {
    shell::Exe_Dir = FreshFolder("settings_program");
    shell::Conf_Name = "Gone";  // a deleted configuration's name is kept
    shell::Conf_Path = shell::Projects_Dir + "/Gone";
    shell::Last_IP_Address = "10.1.2.3";
    shell::Language_Name = "Italiano";
    shell::Opt_Enable_Internet = true;
    shell::Opt_Jump_Field_Tables = true;
    ASSERT_TRUE(shell::Save_Setting());

    shell::Conf_Name = "x";
    shell::Last_IP_Address = "x";
    shell::Language_Name = "x";
    shell::Opt_Enable_Internet = shell::Opt_Jump_Field_Tables = false;
    shell::Opt_Enable_Update = shell::Opt_DblClick_Auto_Size = true;
    EXPECT_TRUE(shell::Read_Setting());
    EXPECT_EQ(shell::Conf_Name, "Gone");
    EXPECT_EQ(shell::Conf_Path, "");
    EXPECT_EQ(shell::Last_IP_Address, "10.1.2.3");
    EXPECT_EQ(shell::Language_Name, "Italiano");
    EXPECT_TRUE(shell::Opt_Enable_Internet);
    EXPECT_FALSE(shell::Opt_Enable_Update);
    EXPECT_TRUE(shell::Opt_Jump_Field_Tables);
    EXPECT_FALSE(shell::Opt_DblClick_Auto_Size);

    // A folder that cannot take the file: the values in memory stay in force.
    shell::Exe_Dir += "/no/such/folder";
    std::string error;
    EXPECT_FALSE(shell::Save_Setting(&error));
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(shell::Language_Name, "Italiano");
}
