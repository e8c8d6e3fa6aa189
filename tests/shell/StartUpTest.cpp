#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "TestFolders.h"
#include "base/Resources.h"
#include "shell/Comon.h"
#include "shell/Settings.h"
#include "shell/StartUp.h"

namespace fs = std::filesystem;
using shelltest::FreshFolder;
using shelltest::WriteBytes;

namespace {

class StartUp : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = FreshFolder(::testing::UnitTest::GetInstance()->current_test_info()->name());
        setenv(shell::Program_Dir_Variable, dir_.c_str(), 1);
    }
    void TearDown() override { unsetenv(shell::Program_Dir_Variable); }

    void WriteSettings(const std::string& confName, const std::string& language) {
        shell::TSettings s;
        s.Conf_Name = confName;
        s.Language_Name = language;
        ASSERT_TRUE(shell::Save_Settings(dir_ + "/Vastrimo.xml", s));
    }

    std::string dir_;
};

}  // namespace

TEST_F(StartUp, FirstStartInAnEmptyFolder) {
    shell::Row_Copy_Buffer.Add("left over");
    const shell::TStartUpReport report = shell::Start_Up_Workspace();
    EXPECT_TRUE(report.settingsRead);
    EXPECT_FALSE(report.configurationOpen);
    for (const char* sub : {"MASTER", "PROJECTS", "LANGUAGE"})
        EXPECT_TRUE(fs::is_directory(dir_ + "/" + sub)) << sub;
    base::TStringList builtIn;
    const auto table = base::FindResource("texts/default.txt");
    shell::Parse_Default_Texts(table ? *table : std::string_view(), builtIn);
    EXPECT_EQ(shell::Lang_Texts.Text(), builtIn.Text());
    EXPECT_EQ(shell::Language_Name, "English");
    EXPECT_EQ(shell::Last_IP_Address, "192.168.2.205");
    EXPECT_FALSE(shell::Opt_Enable_Internet || shell::Opt_Enable_Update);
    EXPECT_EQ(shell::Conf_Path, "");
    EXPECT_EQ(shell::SW_Code, "QP4A902");
    EXPECT_EQ(shell::SW_Desc, "EtherNet/IP Slave / LoRaWAN Gateway - Converter");
    EXPECT_TRUE(shell::Update_Read_Back);
    EXPECT_EQ(shell::Row_Copy_Buffer.Count(), 0);
}

TEST_F(StartUp, ReopensTheStoredConfiguration) {
    fs::create_directories(dir_ + "/PROJECTS/Plant");
    WriteSettings("Plant", "English");
    EXPECT_TRUE(shell::Start_Up_Workspace().configurationOpen);
    EXPECT_EQ(shell::Conf_Path, dir_ + "/PROJECTS/Plant");
    EXPECT_EQ(shell::ParGen_File, dir_ + "/PROJECTS/Plant/ParGen.xml");
}

TEST_F(StartUp, DeletedConfigurationAndMissingLanguageAreWrittenBack) {
    WriteSettings("Gone", "Klingon");
    EXPECT_FALSE(shell::Start_Up_Workspace().configurationOpen);
    EXPECT_EQ(shell::Conf_Path, "");
    EXPECT_EQ(shell::Conf_Name, "Gone");
    EXPECT_EQ(shell::Language_Name, "English");
    ASSERT_TRUE(shell::Save_Setting());
    shell::TSettings saved;
    ASSERT_TRUE(shell::Load_Settings(dir_ + "/Vastrimo.xml", saved));
    EXPECT_EQ(saved.Conf_Name, "Gone");
    EXPECT_EQ(saved.Language_Name, "English");
}

TEST_F(StartUp, UnreadableSettingsStillStart) {
    WriteBytes(dir_ + "/Vastrimo.xml", "<Conf_Settings><lastproj>");
    fs::create_directories(dir_ + "/LANGUAGE");
    WriteBytes(dir_ + "/LANGUAGE/English.lng", "STR0 = Start\n");
    const shell::TStartUpReport report = shell::Start_Up_Workspace();
    EXPECT_FALSE(report.settingsRead);
    EXPECT_FALSE(report.settingsError.empty());
    EXPECT_EQ(shell::Lang_Texts.Count(), shell::Lang_Text_Count);
    EXPECT_EQ(shell::Lang_Texts[0], "Start");
    EXPECT_EQ(shell::Conf_Name, "");
    EXPECT_EQ(shell::Last_IP_Address, "192.168.2.205");
    EXPECT_EQ(shell::ParGen_File, "/ParGen.xml");
}
