#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

#include "MainWindowFixture.h"
#include "platform/TestHooks.h"
#include "protocols/Set_PDO_Access.h"
#include "protocols/Set_SDO_Client_Access.h"
#include "protocols/Set_SDO_Server_Access.h"

namespace fs = std::filesystem;
using namespace plat;
using apptest::ReadText;
using apptest::SettingsXml;
using apptest::WriteText;

namespace {

class CANopenCommands : public apptest::MainWindowTest {
protected:
    void TearDown() override {
        ::unsetenv("SOURCE_DATE_EPOCH");
        apptest::MainWindowTest::TearDown();
    }
};

const char* const One_Receive_PDO =
    R"(<PDO_CANopen><Receive_PDO><row COB-ID="0x181" Dimension="2"/></Receive_PDO><Transmit_PDO/></PDO_CANopen>)";

// The command writes the open configuration's EDS under the name the user
// chose, replacing a file of that name without a question.
TEST_F(CANopenCommands, WritesTheChosenFileWithoutAsking) {
    Start("eds_command", [](const std::string& d) {
        fs::create_directories(d + "/PROJECTS/Plant");
        WriteText(d + "/PROJECTS/Plant/PDO_CANopen.xml", One_Receive_PDO);
        WriteText(d + "/PROJECTS/Plant/my gateway.eds", "old");
        WriteText(d + "/Vastrimo.xml", SettingsXml("Plant"));
    });
    ::setenv("SOURCE_DATE_EPOCH", "1741350600", 1);
    const std::string conf = dir + "/PROJECTS/Plant";
    test::TScriptedUi ui;
    ui.AnswerFileDialog(conf + "/my gateway.eds");
    main->Btn_Click(main->Button("Btn_CANopen_EDS"));
    ASSERT_EQ(ui.FileDialogs().size(), 1u);
    EXPECT_EQ(ui.FileDialogs()[0].InitialDir, conf);
    EXPECT_EQ(ui.FileDialogs()[0].Filter, "Electronic Data Sheet (*.eds)|*.eds");
    EXPECT_TRUE(ui.Boxes().empty());
    EXPECT_EQ(ReadText(conf + "/my gateway.eds"), ReadText((fs::path(__FILE__).parent_path().parent_path() /
                                                            "protocols/data/eds/one_rpdo/expected.eds")
                                                               .string()));
}

TEST_F(CANopenCommands, ARefusedConfigurationIsReportedAndNothingWritten) {
    Start("eds_refused", [](const std::string& d) {
        fs::create_directories(d + "/PROJECTS/Plant");
        WriteText(d + "/PROJECTS/Plant/SDO_Server_CANopen.xml",
                  R"(<SDO_Server_CANopen><SDO_Read><row Index="0x2000" SubIndex="1" NByte="1"/>)"
                  R"(<row Index="0x2000" SubIndex="1" NByte="2"/></SDO_Read></SDO_Server_CANopen>)");
        WriteText(d + "/PROJECTS/Plant/out.eds", "old");
        WriteText(d + "/Vastrimo.xml", SettingsXml("Plant"));
    });
    const std::string conf = dir + "/PROJECTS/Plant";
    test::TScriptedUi ui;
    ui.AnswerFileDialog(conf + "/out.eds");
    ui.AnswerBox(mrOk);
    main->Btn_Click(main->Button("Btn_CANopen_EDS"));
    ASSERT_EQ(ui.Boxes().size(), 1u);
    EXPECT_NE(ui.Boxes()[0].Text.find("sub-index 1 twice"), std::string::npos) << ui.Boxes()[0].Text;
    EXPECT_EQ(ReadText(conf + "/out.eds"), "old");
}

// The hidden CANopen buttons open their windows through the window table.
TEST_F(CANopenCommands, HiddenButtonsOpenTheCANopenWindows) {
    Start("canopen_buttons", [](const std::string& d) {
        fs::create_directories(d + "/PROJECTS/Plant");
        WriteText(d + "/Vastrimo.xml", SettingsXml("Plant"));
    });
    auto pdo = std::make_unique<proto::TFSet_PDO_Access>(nullptr);
    auto server = std::make_unique<proto::TFSet_SDO_Server_Access>(nullptr);
    auto client = std::make_unique<proto::TFSet_SDO_Client_Access>(nullptr);
    proto::FSet_PDO_Access = pdo.get();
    proto::FSet_SDO_Server_Access = server.get();
    proto::FSet_SDO_Client_Access = client.get();
    const struct {
        const char* button;
        TForm* window;
    } cases[] = {{"Btn_PDO_CANopen", pdo.get()},
                 {"Btn_SDO_Server_CANopen", server.get()},
                 {"Btn_SDO_Client_CANopen", client.get()}};
    for (const auto& c : cases) {
        c.window->DoCreate();
        EXPECT_EQ(Shown_By(c.button), c.window) << c.button;
    }
}

}  // namespace
