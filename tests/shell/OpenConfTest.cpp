#include "shell/OpenConf.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "ShellWindowFixture.h"
#include "platform/TestHooks.h"

namespace fs = std::filesystem;
using namespace plat;

namespace {

class OpenConfWindow : public shelltest::ShellWindowTest {};

// Folders only, hidden ones left out; the open configuration is preselected
// whatever its letter case, else the first one.
TEST_F(OpenConfWindow, ListsFoldersAndPreselectsTheOpenConfiguration) {
    const struct {
        const char* name;
        std::vector<const char*> folders;
        const char* open;  // Conf_Path's last part; "" for none
        std::vector<std::string> listed;
        int selected;
        const char* chosen;
    } cases[] = {
        {"open one listed", {"Alpha", "Plant"}, "Plant", {"Alpha", "Plant"}, 1, "Plant"},
        {"open one in other case", {"Alpha", "Plant"}, "PLANT", {"Alpha", "Plant"}, 1, "Plant"},
        {"none open", {"Alpha", "Plant"}, "", {"Alpha", "Plant"}, 0, "Alpha"},
        {"open one gone", {"Alpha", "Plant"}, "Gone", {"Alpha", "Plant"}, 0, "Alpha"},
        {"empty", {}, "", {}, -1, ""},
    };
    for (const auto& c : cases) {
        UseProgramFolder("open_conf");
        for (const char* f : c.folders) fs::create_directories(shell::Projects_Dir + "/" + f);
        fs::create_directories(shell::Projects_Dir + "/.hidden");
        shelltest::WriteBytes(shell::Projects_Dir + "/notes.xml", "x");
        shell::Conf_Path = *c.open ? shell::Projects_Dir + "/" + c.open : "";
        auto dlg = Make<shell::TFOpenConf>();

        test::TScriptedUi ui;
        std::vector<std::string> listed;
        int selected = -2;
        ui.OnModal([&](TForm&) {
            listed = dlg->ListBox1->Items().Items();
            selected = dlg->ListBox1->ItemIndex();
            test::ClickAt(*dlg->Btn_OK);
            return mrNone;
        });
        EXPECT_EQ(dlg->ShowModal(), mrOk) << c.name;
        EXPECT_EQ(listed, c.listed) << c.name;
        EXPECT_EQ(selected, c.selected) << c.name;
        EXPECT_EQ(dlg->Name_Conf, c.chosen) << c.name;
    }
}

TEST_F(OpenConfWindow, PickingAnEntryMakesItTheChoice) {
    UseProgramFolder("open_conf_pick");
    for (const char* f : {"Alpha", "Beta", "Gamma"}) fs::create_directories(shell::Projects_Dir + "/" + f);
    auto dlg = Make<shell::TFOpenConf>();
    test::TScriptedUi ui;
    ui.OnModal([&](TForm&) {
        test::SendKey(*dlg->ListBox1, 0x28 /* down */);
        test::SendKey(*dlg->ListBox1, 0x28);
        return mrCancel;
    });
    dlg->ShowModal();
    EXPECT_EQ(dlg->ListBox1->ItemIndex(), 2);
    EXPECT_EQ(dlg->Name_Conf, "Gamma");
}

// A double click on a configuration opens it without a trip to OK.
TEST_F(OpenConfWindow, DoubleClickOnAConfigurationOpensIt) {
    UseProgramFolder("open_conf_double_click");
    for (const char* f : {"Alpha", "Beta", "Gamma"}) fs::create_directories(shell::Projects_Dir + "/" + f);
    auto dlg = Make<shell::TFOpenConf>();
    test::TScriptedUi ui;
    ui.OnModal([&](TForm&) {
        test::ProcessEvents();
        const int rowHeight = 16;  // the middle of the second entry
        test::DoubleClickAt(*dlg->ListBox1, 30, rowHeight + rowHeight / 2);
        return mrNone;
    });
    EXPECT_EQ(dlg->ShowModal(), mrOk);
    EXPECT_EQ(dlg->Name_Conf, "Beta");
}

TEST_F(OpenConfWindow, Texts) {
    UseProgramFolder("open_conf_texts");
    auto dlg = Make<shell::TFOpenConf>();
    EXPECT_EQ(dlg->Caption(), "Open Configuration");
    EXPECT_EQ(dlg->L_SW_Desc->Caption(), "Open an Existing Configuration");
    EXPECT_EQ(dlg->Label1->Caption(), "List of Avaliable Configurations");
    EXPECT_EQ(dlg->Btn_OK->Hint(), "Open the Selected Configuration");
    EXPECT_EQ(dlg->ListBox1->Hint(), "Select from this list the configuration to open");
    EXPECT_EQ(dlg->ClientWidth(), 377);
    EXPECT_EQ(dlg->ClientHeight(), 351);
}

}  // namespace
