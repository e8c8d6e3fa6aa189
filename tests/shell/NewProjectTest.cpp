#include "shell/NewProject.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "ShellWindowFixture.h"
#include "platform/Messages.h"
#include "platform/TestHooks.h"
#include "shell/ProjectNames.h"

namespace fs = std::filesystem;
using namespace plat;

namespace {

class NewProjectWindow : public shelltest::ShellWindowTest {};

TEST_F(NewProjectWindow, OkCreatesTheFolderOrRefusesWithItsText) {
    const struct {
        const char* name;
        const char* typed;
        int refusal;  // 0: created
        const char* created = "";  // the folder made, when it is not as typed
    } cases[] = {
        {"empty", "", 107},
        {"existing folder", "Plant", 106},
        {"existing folder in other case", "PLANT", 106},
        {"existing folder with blanks around", "  Plant ", 106},
        {"existing file", "notes", 105},
        {"path separator", "a/b", 105},
        {"parent folder", "..", 105},
        {"hidden, never listed again", ".hidden", 105},
        {"hidden after blanks", " ..more", 105},
        {"ends in a dot", "Line 3.", 105},
        {"new name", "Line 2", 0},
        {"blanks around are dropped", " Spaced ", 0, "Spaced"},
        {"non-ASCII", "Station \xC3\xA9\xE2\x82\xAC\xCE\xA9", 0},
    };
    for (const auto& c : cases) {
        UseProgramFolder("new_project");
        fs::create_directories(shell::Projects_Dir + "/Plant");
        shelltest::WriteBytes(shell::Projects_Dir + "/notes", "x");
        auto dlg = Make<shell::TFNew_Project>();

        test::TScriptedUi ui;
        ui.OnModal([&](TForm&) {
            test::TypeText(*dlg->E_New_Proj, c.typed);
            test::ClickAt(*dlg->Btn_OK);
            return mrNone;
        });
        const TModalResult result = dlg->ShowModal();

        if (c.refusal != 0) {
            EXPECT_EQ(result, mrCancel) << c.name;
            ASSERT_EQ(ui.Boxes().size(), 1u) << c.name;
            EXPECT_EQ(ui.Boxes()[0].Text, shell::Lang_Texts[c.refusal]) << c.name;
            EXPECT_EQ(ui.Boxes()[0].Type, mtError) << c.name;
            EXPECT_TRUE(shell::Conf_Path.empty()) << c.name;
            EXPECT_FALSE(fs::exists(shell::Projects_Dir + "/" + c.typed + "/bin")) << c.name;
        } else {
            EXPECT_EQ(result, mrOk) << c.name;
            EXPECT_TRUE(ui.Boxes().empty()) << c.name;
            const std::string name = *c.created != '\0' ? c.created : c.typed;
            const std::string folder = shell::Projects_Dir + "/" + name;
            EXPECT_TRUE(fs::is_directory(folder + "/bin")) << c.name;
            EXPECT_EQ(shell::Conf_Name, name) << c.name;
            // Nothing else appeared beside it: the typed name made no folder.
            EXPECT_EQ(std::distance(fs::directory_iterator(shell::Projects_Dir), fs::directory_iterator()), 3)
                << c.name;
            EXPECT_EQ(shell::Conf_Path, folder) << c.name;
            EXPECT_EQ(shell::ParGen_File, folder + "/ParGen.xml") << c.name;
        }
    }
}

TEST_F(NewProjectWindow, EnterInTheNameFieldActsAsOk) {
    UseProgramFolder("new_project_enter");
    auto dlg = Make<shell::TFNew_Project>();
    test::TScriptedUi ui;
    ui.OnModal([&](TForm&) {
        test::TypeText(*dlg->E_New_Proj, "Station");
        test::SendKey(*dlg->E_New_Proj, VK_RETURN, 0, "\r");
        return mrNone;
    });
    EXPECT_EQ(dlg->ShowModal(), mrOk);
    EXPECT_TRUE(fs::is_directory(shell::Projects_Dir + "/Station/bin"));
}

// Escape leaves the dialog as Cancel does, from the name field too.
TEST_F(NewProjectWindow, EscapeCancels) {
    UseProgramFolder("new_project_escape");
    auto dlg = Make<shell::TFNew_Project>();
    test::TScriptedUi ui;
    TModalResult byKey = mrNone;
    ui.OnModal([&](TForm&) {
        test::TypeText(*dlg->E_New_Proj, "Station");
        test::SendKey(*dlg->E_New_Proj, VK_ESCAPE);
        test::ProcessEvents();
        byKey = dlg->ModalResult();
        return mrNone;
    });
    EXPECT_EQ(dlg->ShowModal(), mrCancel);
    EXPECT_EQ(byKey, mrCancel) << "the key itself closed the dialog";
    EXPECT_FALSE(fs::exists(shell::Projects_Dir + "/Station"));
}

// Windows are made at start-up and mostly never opened: their controls wait
// until the window shows or is looked at, and it then reads as one made at
// once, with nothing set on it in the meantime lost.
TEST_F(NewProjectWindow, ControlsWaitUntilTheWindowIsNeeded) {
    UseProgramFolder("new_project_lazy");
    auto read = Make<shell::TFNew_Project>();
    EXPECT_EQ(read->ControlCount(), 0);
    EXPECT_EQ(read->Caption(), "Create New Configuration");
    EXPECT_GT(read->ControlCount(), 0);
    EXPECT_EQ(read->Label1->Caption(), "Name of the new Configuration");

    auto renamed = Make<shell::TFNew_Project>();
    renamed->SetCaption("Mine");
    EXPECT_EQ(renamed->Btn_OK->Caption(), "OK");
    EXPECT_EQ(renamed->Caption(), "Mine");

    auto shown = Make<shell::TFNew_Project>();
    ASSERT_EQ(shown->ControlCount(), 0);
    test::TScriptedUi ui;
    bool editable = false;
    ui.OnModal([&](TForm&) {
        editable = shown->E_New_Proj->Enabled() && shown->E_New_Proj->Text().empty();
        return mrCancel;
    });
    EXPECT_EQ(shown->ShowModal(), mrCancel);
    EXPECT_TRUE(editable);
}

TEST_F(NewProjectWindow, EachShowingStartsWithAnEmptyNameAndItsTexts) {
    UseProgramFolder("new_project_show");
    auto dlg = Make<shell::TFNew_Project>();
    EXPECT_EQ(dlg->Caption(), "Create New Configuration");
    EXPECT_EQ(dlg->L_SW_Code->Caption(), "QP4A902");
    EXPECT_EQ(dlg->Label1->Caption(), "Name of the new Configuration");
    EXPECT_EQ(dlg->Btn_OK->Caption(), "OK");
    EXPECT_EQ(dlg->Btn_Cancel->Hint(), "Cancel the New Configuration");
    EXPECT_EQ(dlg->ClientWidth(), 331);
    EXPECT_EQ(dlg->ClientHeight(), 162);

    dlg->E_New_Proj->SetText("left over");
    test::TScriptedUi ui;
    std::string shown = "?";
    ui.OnModal([&](TForm&) {
        shown = dlg->E_New_Proj->Text();
        test::ClickAt(*dlg->Btn_Cancel);
        return mrNone;
    });
    EXPECT_EQ(dlg->ShowModal(), mrCancel);
    EXPECT_EQ(shown, "");
    EXPECT_TRUE(shell::Conf_Path.empty());
}

}  // namespace
