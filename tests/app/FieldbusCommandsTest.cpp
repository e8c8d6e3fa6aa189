// The main window's PROFINET GSDML and PROFIBUS GSD commands, driven through
// the hidden buttons with the dialogs answered as a user would.

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

#include "MainWindowFixture.h"
#include "platform/TestHooks.h"
#include "protocols/EtherNetIP_Master_Access.h"
#include "protocols/KNXAccess.h"
#include "protocols/ProfinetFileName.h"
#include "protocols/S7_Protocol_Set_Access.h"

namespace fs = std::filesystem;
using namespace plat;
using apptest::ReadText;
using apptest::SettingsXml;
using apptest::WriteText;

namespace {

const std::string Data = (fs::path(VASTRIMO_TEST_DATA).parent_path().parent_path() / "protocols/data").string();
// 8 January 2026, 10:00 UTC.
constexpr const char* Start_Date = "1767866400";
constexpr const char* Default_Name = "GSDML-V2.25-Vekrun-_Line4-20260108.xml";

class FieldbusCommands : public apptest::MainWindowTest {
protected:
    void Open_Plant(const std::string& Name, const std::string& ParGen = {}) {
        Start(Name, [&](const std::string& d) {
            fs::create_directories(d + "/PROJECTS/Plant");
            if (!ParGen.empty()) WriteText(d + "/PROJECTS/Plant/ParGen.xml", ParGen);
            WriteText(d + "/Vastrimo.xml", SettingsXml("Plant"));
        });
        conf = dir + "/PROJECTS/Plant";
        ::setenv("SOURCE_DATE_EPOCH", Start_Date, 1);
        fileName = std::make_unique<proto::TFProfinetFileName>(nullptr);
        proto::FProfinetFileName = fileName.get();
        fileName->DoCreate();
    }
    void TearDown() override {
        fileName.reset();
        ::unsetenv("SOURCE_DATE_EPOCH");
        apptest::MainWindowTest::TearDown();
    }
    // The file-name dialog: the user part typed, then OK clicked.
    void Type_User_Part(test::TScriptedUi& ui, const std::string& Text) {
        ui.OnModal([this, Text](TForm&) {
            test::ProcessEvents();
            fileName->E_XML_User->SetFocus();
            test::TypeText(*fileName->E_XML_User, Text);
            test::ClickAt(*fileName->Btn_OK);
            return mrNone;
        });
    }

    std::string conf;
    std::unique_ptr<proto::TFProfinetFileName> fileName;
};

TEST_F(FieldbusCommands, GsdmlIsWrittenUnderTheBuiltNameInTheChosenFolder) {
    Open_Plant("gsdml_command");
    test::TScriptedUi ui;
    Type_User_Part(ui, "Line4");
    // The name typed in the save dialog is not used: the file keeps the built name.
    ui.AnswerFileDialog(conf + "/other.xml");
    main->Btn_Click(main->Button("Btn_PROFINET_XML"));
    EXPECT_EQ(fileName->Name_File_XML, Default_Name);
    ASSERT_EQ(ui.FileDialogs().size(), 1u);
    EXPECT_EQ(ui.FileDialogs()[0].InitialDir, conf);
    EXPECT_EQ(ui.FileDialogs()[0].Filter, std::string("PROFINET XML (*.xml)|") + Default_Name);
    EXPECT_EQ(ui.FileDialogs()[0].FileName, Default_Name);
    EXPECT_TRUE(ui.Boxes().empty());
    EXPECT_FALSE(fs::exists(conf + "/other.xml"));
    EXPECT_EQ(ReadText(conf + "/" + Default_Name), ReadText(Data + "/gsdml/default/expected.xml"));
}

TEST_F(FieldbusCommands, GsdmlUserPartWithASeparatorIsRefused) {
    Open_Plant("gsdml_refused");
    test::TScriptedUi ui;
    Type_User_Part(ui, "../up");
    main->Btn_Click(main->Button("Btn_PROFINET_XML"));
    ASSERT_EQ(ui.Boxes().size(), 1u);
    EXPECT_EQ(ui.Boxes()[0].Text, shell::Lang_Texts[4809]);
    EXPECT_EQ(ui.Boxes()[0].Type, mtError);
    EXPECT_TRUE(ui.FileDialogs().empty());
}

TEST_F(FieldbusCommands, GsdmlAsksBeforeReplacingAFile) {
    Open_Plant("gsdml_replace");
    WriteText(conf + "/" + Default_Name, "old");
    test::TScriptedUi ui;
    Type_User_Part(ui, "Line4");
    ui.AnswerFileDialog(conf + "/x.xml");
    ui.AnswerBox(mrNo);
    main->Btn_Click(main->Button("Btn_PROFINET_XML"));
    ASSERT_EQ(ui.Boxes().size(), 1u);
    EXPECT_EQ(ui.Boxes()[0].Text, "File already exists! Do you want to overwrite the file?");
    EXPECT_EQ(ReadText(conf + "/" + Default_Name), "old");
}

TEST_F(FieldbusCommands, FileNameDialogScreenshot) {
    Open_Plant("gsdml_screenshot");
    const fs::path out = fs::path(VASTRIMO_TEST_OUT) / "screenshots";
    fs::create_directories(out);
    fileName->E_XML_User->SetText("Line4");
    fileName->Show();
    test::ProcessEvents();
    EXPECT_EQ(fileName->L_XML_Fix2->Caption(), "-20260108.xml");
    const std::string path = (out / "profinet_file_name.png").string();
    EXPECT_TRUE(test::SaveScreenshot(*fileName, path));
    EXPECT_TRUE(fs::exists(path));
    fileName->Hide();
}

TEST_F(FieldbusCommands, GsdWritesTheWorkedExampleUnderTheNameWithItsExtension) {
    Open_Plant("gsd_command", ReadText(Data + "/gsd/worked/ParGen.xml"));
    test::TScriptedUi ui;
    ui.AnswerFileDialog(conf + "/Gateway");
    main->Btn_Click(main->Button("Btn_PROFIBUS_GSD"));
    ASSERT_EQ(ui.FileDialogs().size(), 1u);
    EXPECT_EQ(ui.FileDialogs()[0].InitialDir, conf);
    EXPECT_EQ(ui.FileDialogs()[0].Filter, "Generic Station Description (*.gsd)|*.gsd");
    EXPECT_TRUE(ui.Boxes().empty());
    EXPECT_EQ(ReadText(conf + "/Gateway.gsd"), ReadText(Data + "/gsd/worked/expected.gsd"));
}

TEST_F(FieldbusCommands, GsdRefusals) {
    const struct {
        const char* name;
        std::string parGen;  // empty: no file
        std::string message;
    } cases[] = {
        {"gsd_no_pargen", "", "Error! Please set the Set Communication Parameter before to create the GSD file"},
        {"gsd_broken_pargen", "<Par_Gen><PROFINET_NB_IN>", "ParGen.xml"},
    };
    for (const auto& c : cases) {
        Open_Plant(c.name, c.parGen);
        test::TScriptedUi ui;
        ui.AnswerFileDialog(conf + "/out.gsd");
        main->Btn_Click(main->Button("Btn_PROFIBUS_GSD"));
        ASSERT_EQ(ui.Boxes().size(), 1u) << c.name;
        EXPECT_NE(ui.Boxes()[0].Text.find(c.message), std::string::npos) << ui.Boxes()[0].Text;
        EXPECT_TRUE(ui.FileDialogs().empty()) << c.name;
        EXPECT_FALSE(fs::exists(conf + "/out.gsd")) << c.name;
        TearDown();
    }
}

TEST_F(FieldbusCommands, GsdNoToReplacingKeepsTheFile) {
    Open_Plant("gsd_replace", ReadText(Data + "/gsd/worked/ParGen.xml"));
    WriteText(conf + "/gw.GSD", "old");
    test::TScriptedUi ui;
    ui.AnswerFileDialog(conf + "/gw.GSD");
    ui.AnswerBox(mrNo);
    main->Btn_Click(main->Button("Btn_PROFIBUS_GSD"));
    ASSERT_EQ(ui.Boxes().size(), 1u);
    EXPECT_EQ(ui.Boxes()[0].Text, shell::Lang_Texts[1503]);
    EXPECT_EQ(ReadText(conf + "/gw.GSD"), "old");
}

// The hidden scanner, S7 and KNX buttons open their windows through the
// window table.
TEST_F(FieldbusCommands, HiddenButtonsOpenTheTableWindows) {
    Open_Plant("fieldbus_buttons");
    auto scanner = std::make_unique<proto::TFEtherNetIP_Master_Access>(nullptr);
    auto s7 = std::make_unique<proto::TFS7_Protocol_Set_Access>(nullptr);
    auto knx = std::make_unique<proto::TFKNXAccess>(nullptr);
    proto::FEtherNetIP_Master_Access = scanner.get();
    proto::FS7_Protocol_Set_Access = s7.get();
    proto::FKNXAccess = knx.get();
    const struct {
        const char* button;
        TForm* window;
        const char* caption;
    } cases[] = {{"Btn_EtherNetIP_Access", scanner.get(), "Set EtherNet/IP Slaves Access"},
                 {"Btn_S7_Protocol_Access", s7.get(), "S7comm Access"},
                 {"Btn_KNX_Access", knx.get(), "KNX Set Access"}};
    for (const auto& c : cases) {
        c.window->DoCreate();
        EXPECT_EQ(Shown_By(c.button), c.window) << c.button;
        EXPECT_EQ(c.window->Caption(), c.caption) << c.button;
    }
}

}  // namespace
