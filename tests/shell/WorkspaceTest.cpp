#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "TestFolders.h"
#include "shell/Comon.h"
#include "shell/ProjectNames.h"

namespace fs = std::filesystem;
using shelltest::FreshFolder;
using shelltest::WriteBytes;

namespace {

// PROJECTS with the folder "Plant", the hidden folder ".cache" and the file "notes".
std::string MakeProjects(const std::string& name) {
    const std::string root = FreshFolder(name);
    shell::Projects_Dir = root + "/PROJECTS";
    fs::create_directories(shell::Projects_Dir + "/Plant");
    fs::create_directories(shell::Projects_Dir + "/.cache");
    WriteBytes(shell::Projects_Dir + "/notes", "x");
    return root;
}

}  // namespace

TEST(Workspace, ProgramFoldersCreatedBesideTheProgram) {
    const std::string dir = FreshFolder("workspace_folders");
    fs::create_directories(dir + "/LANGUAGE");
    WriteBytes(dir + "/LANGUAGE/Italiano.lng", "STR1 = x");
    ASSERT_EQ(setenv(shell::Program_Dir_Variable, (dir + "/").c_str(), 1), 0);
    shell::Set_Program_Folders();
    unsetenv(shell::Program_Dir_Variable);

    EXPECT_EQ(shell::Exe_Dir, dir);
    EXPECT_EQ(shell::Master_Dir, dir + "/MASTER");
    EXPECT_EQ(shell::Projects_Dir, dir + "/PROJECTS");
    EXPECT_EQ(shell::Language_Dir, dir + "/LANGUAGE");
    for (const char* sub : {"MASTER", "PROJECTS", "LANGUAGE"})
        EXPECT_TRUE(fs::is_directory(dir + "/" + sub)) << sub;
    EXPECT_TRUE(fs::exists(dir + "/LANGUAGE/Italiano.lng"));  // an existing folder is left as it is
}

TEST(Workspace, ProgramFolderDefaultsToTheExecutablesFolder) {
    unsetenv(shell::Program_Dir_Variable);
    shell::Set_Program_Folders();
    EXPECT_EQ(fs::path(shell::Exe_Dir), fs::canonical("/proc/self/exe").parent_path());
}

TEST(Workspace, SetFilesGivesTheTwentyNinePathsInOrder) {
    const std::vector<std::string> expected = {
        "ParGen.xml", "LoRaWAN_Gateway.xml", "ModbusM_SetAccess.xml", "ModbusTCPM_SetAccess.xml",
        "BACnet_Master_Access.xml", "BACnet_Slave.xml", "CAN_Rec_Frames.xml", "CAN_Send_Frames.xml",
        "SDO_Server_CANopen.xml", "SDO_Client_CANopen.xml", "PDO_CANopen.xml", "DNETM_Net.xml",
        "DNETM_DefOff.xml", "DMX_Default_Values.xml", "IEC_61850_Client.xml", "TLS_Known_Cert.xml",
        "IEC61850_Variables.xml", "J1939_Rec_Frames.xml", "J1939_Send_Frames.xml",
        "MQTT_Set_Topic.xml", "NMEA_Rec_Frames.xml", "NMEA_Send_Frames.xml", "OPC_UA_Client.xml",
        "OPC_UA_Server.xml", "SNMP_Manager.xml", "SNMP_Trap.xml", "EtherNetIP_Master_Rules.xml",
        "S7_Protocol.xml", "KNX_SetAccess.xml"};
    for (const std::string confPath : {"/opt/v/PROJECTS/Plant", ""}) {
        shell::Conf_Path = confPath;
        shell::Set_Files();
        const auto& files = shell::Config_Files();
        ASSERT_EQ(files.size(), expected.size());
        for (size_t i = 0; i < files.size(); ++i) {
            EXPECT_EQ(files[i].fileName, expected[i]);
            EXPECT_EQ(*files[i].path, confPath + "/" + expected[i]);
        }
    }
    shell::Conf_Path = "/p/Plant";
    shell::Set_Files();
    EXPECT_EQ(shell::ParGen_File, "/p/Plant/ParGen.xml");
    EXPECT_EQ(shell::LoRaWAN_Gateway_File, "/p/Plant/LoRaWAN_Gateway.xml");
    EXPECT_EQ(shell::KNX_SetAccess_File, "/p/Plant/KNX_SetAccess.xml");
    // Every path variable is distinct: none is left out or assigned twice.
    for (size_t i = 0; i < shell::Config_Files().size(); ++i)
        for (size_t j = i + 1; j < shell::Config_Files().size(); ++j)
            EXPECT_NE(shell::Config_Files()[i].path, shell::Config_Files()[j].path);
}

TEST(NewProject, NamesRefusedOrCreated) {
    const struct {
        const char* name;
        std::string typed;
        int expected;
    } cases[] = {
        {"empty", "", 107},
        {"existing folder", "Plant", 106},
        {"existing folder in other case", "PLANT", 106},
        {"existing hidden folder", ".cache", 106},
        {"existing file", "notes", 105},
        {"existing file in other case", "Notes", 105},
        {"blanks only", "   ", 105},
        {"dot", ".", 105},
        {"dot dot", "..", 105},
        {"dot dot with blanks", " .. ", 105},
        {"slash", "a/b", 105},
        {"leaving by slash", "../outside", 105},
        {"backslash", "..\\outside", 105},
        {"absolute", "/tmp/outside", 105},
        {"drive", "C:outside", 105},
        {"less", "a<b", 105},
        {"greater", "a>b", 105},
        {"quote", "a\"b", 105},
        {"bar", "a|b", 105},
        {"question", "a?b", 105},
        {"star", "a*b", 105},
        {"tab", "a\tb", 105},
        {"line break", "a\nb", 105},
        {"leading dot, never listed", ".hidden", 105},
        {"dots only", "...", 105},
        {"leading dot after blanks", "  .x", 105},
        {"trailing dot", "Plant 2.", 105},
        {"trailing dot before blanks", "Plant 2. ", 105},
        {"not UTF-8", "Caf\xE9", 105},
        {"cut UTF-8", "Caff\xC3", 105},
    };
    for (const auto& c : cases) {
        const std::string root = MakeProjects("new_refused");
        shell::Conf_Name = "Before";
        shell::Conf_Path = shell::Projects_Dir + "/Before";
        EXPECT_EQ(shell::Create_New_Project(c.typed), c.expected) << c.name;
        EXPECT_EQ(shell::Conf_Name, "Before") << c.name;
        EXPECT_FALSE(fs::exists(root + "/outside")) << c.name;
        EXPECT_FALSE(fs::exists("/tmp/outside")) << c.name;
        // Nothing new appeared in PROJECTS.
        EXPECT_EQ(std::distance(fs::directory_iterator(shell::Projects_Dir), fs::directory_iterator()), 3)
            << c.name;
    }
}

TEST(NewProject, CreatesFolderWithBinAndOpensIt) {
    MakeProjects("new_created");
    const struct {
        std::string typed;
        std::string name;
    } cases[] = {
        {"New Plant", "New Plant"},
        {" lead and trail ", "lead and trail"},
        {"\tTabbed", "Tabbed"},
        {"Caff\xC3\xA8 \xE2\x82\xAC", "Caff\xC3\xA8 \xE2\x82\xAC"},
        {"v1.2", "v1.2"},
    };
    for (const auto& [typed, name] : cases) {
        EXPECT_EQ(shell::Create_New_Project(typed), 0) << name;
        const std::string folder = shell::Projects_Dir + "/" + name;
        EXPECT_TRUE(fs::is_directory(folder)) << name;
        EXPECT_TRUE(fs::is_directory(folder + "/bin")) << name;
        EXPECT_TRUE(fs::is_empty(folder + "/bin")) << name;
        EXPECT_EQ(shell::Conf_Name, name);
        EXPECT_EQ(shell::Conf_Path, folder);
        EXPECT_EQ(shell::ParGen_File, folder + "/ParGen.xml");
    }
    EXPECT_EQ(shell::Create_New_Project("new plant"), 106);
}

TEST(OpenProject, ListsFoldersOnly) {
    MakeProjects("open_list");
    fs::create_directories(shell::Projects_Dir + "/Another");
    EXPECT_EQ(shell::Load_Existing_Configuration(shell::Projects_Dir),
              (std::vector<std::string>{"Another", "Plant"}));
    const std::string empty = FreshFolder("open_list_empty");
    EXPECT_TRUE(shell::Load_Existing_Configuration(empty).empty());
    EXPECT_TRUE(shell::Load_Existing_Configuration(empty + "/missing").empty());
}

TEST(OpenProject, Preselection) {
    const std::vector<std::string> list = {"Alpha", "Plant", "Zeta"};
    const struct {
        const char* name;
        std::vector<std::string> list;
        std::string confPath;
        int expected;
    } cases[] = {
        {"open one listed", list, "/p/PROJECTS/Plant", 1},
        {"letter case differs", list, "/p/PROJECTS/pLANT", 1},
        {"open one not listed", list, "/p/PROJECTS/Gone", 0},
        {"none open", list, "", 0},
        {"empty list", {}, "/p/PROJECTS/Plant", -1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(shell::Preselect_Configuration(c.list, c.confPath, "/p/PROJECTS"), c.expected) << c.name;
    EXPECT_EQ(shell::Open_Configuration_Name("/p/PROJECTS/Plant", "/p/PROJECTS"), "Plant");
    EXPECT_EQ(shell::Open_Configuration_Name("", "/p/PROJECTS"), "");
    EXPECT_EQ(shell::Search_Open_Conf(list, "zeta"), 2);
    EXPECT_EQ(shell::Search_Open_Conf(list, ""), -1);
}

TEST(OpenProject, OpenSetsPathAndFiles) {
    shell::Projects_Dir = "/p/PROJECTS";
    const struct {
        const char* name;
        std::string chosen, confPath;
    } cases[] = {
        {"a name opens its folder", "Plant", "/p/PROJECTS/Plant"},
        {"no name closes", "", ""},
        {"a name leaving PROJECTS opens nothing", "../etc", ""},
    };
    for (const auto& c : cases) {
        shell::Conf_Path = "/p/PROJECTS/Before";
        shell::Open_Configuration(c.chosen);
        EXPECT_EQ(shell::Conf_Name, c.chosen) << c.name;
        EXPECT_EQ(shell::Conf_Path, c.confPath) << c.name;
        EXPECT_EQ(shell::ParGen_File, c.confPath + "/ParGen.xml") << c.name;
    }
}

TEST(OpenProject, ReopenAtStartUp) {
    MakeProjects("reopen");
    const struct {
        const char* name;
        std::string stored;
        bool opened;
    } cases[] = {
        {"existing folder", "Plant", true},
        {"deleted folder", "Gone", false},
        {"nothing stored", "", false},
        {"name leaving PROJECTS", "..", false},
    };
    for (const auto& c : cases) {
        shell::Conf_Name = c.stored;
        shell::Conf_Path = "stale";
        EXPECT_EQ(shell::Reopen_Last_Configuration(), c.opened) << c.name;
        EXPECT_EQ(shell::Conf_Name, c.stored) << c.name;  // kept to be written back at exit
        EXPECT_EQ(shell::Conf_Path, c.opened ? shell::Projects_Dir + "/" + c.stored : "") << c.name;
    }
}
