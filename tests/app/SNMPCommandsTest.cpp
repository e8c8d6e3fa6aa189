// The main window's SNMP buttons: the MIB command with its save dialog and
// overwrite question, and the two hidden buttons that open the SNMP tables.

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

#include "MainWindowFixture.h"
#include "platform/TestHooks.h"
#include "protocols/SNMPManagerAccess.h"
#include "protocols/SNMP_Trap_Access.h"

namespace fs = std::filesystem;
using namespace plat;
using apptest::ReadText;
using apptest::SettingsXml;
using apptest::WriteText;

namespace {

class SNMPCommands : public apptest::MainWindowTest {
protected:
    // The configuration "Plant" open with the stored small agent table.
    std::string Open_Plant(const std::string& Name) {
        Start(Name, [](const std::string& d) {
            fs::create_directories(d + "/PROJECTS/Plant");
            fs::copy_file(Stored("SNMP_Trap.xml"), d + "/PROJECTS/Plant/SNMP_Trap.xml");
            WriteText(d + "/Vastrimo.xml", SettingsXml("Plant"));
        });
        return dir + "/PROJECTS/Plant";
    }
    static std::string Stored(const std::string& Name) {
        return (fs::path(__FILE__).parent_path().parent_path() / "protocols/data/mib/small" / Name).string();
    }
};

// A name typed without ".mib" gets it; the file is the table's module.
TEST_F(SNMPCommands, WritesTheModuleUnderTheChosenName) {
    const std::string conf = Open_Plant("mib_command");
    const struct {
        const char* typed;
        const char* written;
    } cases[] = {{"/gateway", "/gateway.mib"}, {"/Gateway.MIB", "/Gateway.MIB"}, {"/agent.v2", "/agent.v2.mib"}};
    for (const auto& c : cases) {
        test::TScriptedUi ui;
        ui.AnswerFileDialog(conf + c.typed);
        main->Btn_Click(main->Button("Btn_SNMP_MIB"));
        ASSERT_EQ(ui.FileDialogs().size(), 1u);
        EXPECT_EQ(ui.FileDialogs()[0].InitialDir, conf);
        EXPECT_EQ(ui.FileDialogs()[0].Filter, "Management Information Base (*.mib)|*.mib");
        EXPECT_TRUE(ui.Boxes().empty()) << c.typed;
        EXPECT_EQ(ReadText(conf + c.written), ReadText(Stored("expected.mib"))) << c.typed;
    }
}

TEST_F(SNMPCommands, AnExistingFileIsReplacedOnlyOnYes) {
    const std::string conf = Open_Plant("mib_overwrite");
    const std::string file = conf + "/gateway.mib";
    const struct {
        TModalResult answer;
        bool replaced;
    } cases[] = {{mrNo, false}, {mrYes, true}};
    for (const auto& c : cases) {
        WriteText(file, "old");
        test::TScriptedUi ui;
        ui.AnswerFileDialog(conf + "/gateway");
        ui.AnswerBox(c.answer);
        main->Btn_Click(main->Button("Btn_SNMP_MIB"));
        ASSERT_EQ(ui.Boxes().size(), 1u);
        EXPECT_EQ(ui.Boxes()[0].Text, "File already exists. Do you want to overwrite?");
        EXPECT_EQ(ReadText(file) == "old", !c.replaced);
    }
}

TEST_F(SNMPCommands, ARefusedTableIsReportedAndNothingWritten) {
    const std::string conf = Open_Plant("mib_refused");
    WriteText(conf + "/SNMP_Trap.xml",
              R"(<SNMP_Trap><SNMP_Trap_Read><row Enable="Y" Description="a"/></SNMP_Trap_Read>)"
              R"(<SNMP_Trap_Write><row Enable="Y" Description="a"/></SNMP_Trap_Write></SNMP_Trap>)");
    test::TScriptedUi ui;
    ui.AnswerFileDialog(conf + "/out.mib");
    ui.AnswerBox(mrOk);
    main->Btn_Click(main->Button("Btn_SNMP_MIB"));
    ASSERT_EQ(ui.Boxes().size(), 1u);
    EXPECT_NE(ui.Boxes()[0].Text.find("the object name \"a\" is already given"), std::string::npos)
        << ui.Boxes()[0].Text;
    EXPECT_FALSE(fs::exists(conf + "/out.mib"));
}

TEST_F(SNMPCommands, HiddenButtonsOpenTheSNMPWindows) {
    Open_Plant("snmp_buttons");
    auto agent = std::make_unique<proto::TFSNMP_Trap_Access>(nullptr);
    auto manager = std::make_unique<proto::TFSNMPManagerAccess>(nullptr);
    proto::FSNMP_Trap_Access = agent.get();
    proto::FSNMPManagerAccess = manager.get();
    Expect_Buttons_Open({{"Btn_SNMP_Trap", agent.get()}, {"Btn_SNMP_Manager_Access", manager.get()}});
}

}  // namespace
