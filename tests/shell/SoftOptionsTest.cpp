#include "shell/SoftOptions.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <string>
#include <vector>

#include "ShellWindowFixture.h"
#include "platform/Bitmap.h"
#include "platform/TestHooks.h"
#include "shell/VersionServer.h"

namespace fs = std::filesystem;
using namespace plat;

namespace {

void WriteFlag(const std::string& path) {
    TBitmap flag;
    flag.SetSize(12, 8);
    ASSERT_TRUE(flag.SaveToFile(path));
}

TEST(SoftOptionsLogic, LanguageFilesAreEveryLngFileSortedWithoutCase) {
    const std::string dir = shelltest::FreshFolder("lang_files");
    for (const char* f : {"Zulu.lng", "deutsch.lng", "English.LNG", "Italiano.lng", "notes.txt", "lng"})
        shelltest::WriteBytes(dir + "/" + f, "STR1 = x");
    fs::create_directories(dir + "/Folder.lng");
    // Shipped languages may be read-only; they are languages all the same.
    ASSERT_EQ(::chmod((dir + "/Italiano.lng").c_str(), 0444), 0);
    EXPECT_EQ(shell::Language_Files(dir),
              (std::vector<std::string>{"deutsch.lng", "English.LNG", "Italiano.lng", "Zulu.lng"}));
    EXPECT_TRUE(shell::Language_Files(dir + "/missing").empty());
}

TEST(SoftOptionsLogic, PagesOfSixSlots) {
    const struct {
        int files, page, pages, slots;
    } cases[] = {
        {0, 1, 0, 0}, {1, 1, 1, 1}, {6, 1, 1, 6}, {7, 1, 2, 6}, {7, 2, 2, 1}, {12, 2, 2, 6}, {13, 3, 3, 1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(shell::Lang_Page_Count(c.files), c.pages) << c.files;
        EXPECT_EQ(shell::Lang_Slots_On_Page(c.files, c.page), c.slots) << c.files << " page " << c.page;
    }
}

TEST(SoftOptionsLogic, FlagPictureFallsBackToTheDefaultFlag) {
    const std::string dir = shelltest::FreshFolder("lang_flags");
    EXPECT_EQ(shell::Flag_Picture_Path(dir, "Deutsch"), "");
    shelltest::WriteBytes(dir + "/DefaultFlag.bmp", "x");
    EXPECT_EQ(shell::Flag_Picture_Path(dir, "Deutsch"), dir + "/DefaultFlag.bmp");
    shelltest::WriteBytes(dir + "/Deutsch.bmp", "x");
    EXPECT_EQ(shell::Flag_Picture_Path(dir, "Deutsch"), dir + "/Deutsch.bmp");
}

class SoftOptionsWindow : public shelltest::ShellWindowTest {
protected:
    void WriteLanguages(const std::vector<std::string>& names) {
        for (const std::string& n : names)
            shelltest::WriteBytes(shell::Language_Dir + "/" + n + ".lng", "STR 15 = " + n + " new\r\n");
    }
};

TEST_F(SoftOptionsWindow, SevenLanguagesMakeTwoPages) {
    UseProgramFolder("options_pages");
    WriteLanguages({"A1", "B2", "C3", "D4", "E5", "F6", "G7"});
    WriteFlag(shell::Language_Dir + "/A1.bmp");
    WriteFlag(shell::Language_Dir + "/DefaultFlag.bmp");
    auto dlg = Make<shell::TFSoftOptions>();
    dlg->Show();
    EXPECT_EQ(dlg->PC_Options->ActivePage(), dlg->TS_Language);
    EXPECT_EQ(dlg->L_Page_Lang->Caption(), "Page 1 / 2");
    EXPECT_EQ(dlg->L_Sel_Lang->Caption(), "Selected Language : English");
    EXPECT_FALSE(dlg->Btn_Prev->Visible());
    EXPECT_TRUE(dlg->Btn_Next->Visible());
    for (int k = 0; k < 6; ++k) {
        EXPECT_TRUE(dlg->L_L[k]->Visible()) << k;
        EXPECT_TRUE(dlg->I_L[k]->Visible()) << k;
    }
    EXPECT_EQ(dlg->L_L[0]->Caption(), "A1");
    EXPECT_EQ(dlg->I_L[0]->Picture().Width(), 12);

    test::ClickAt(*dlg->Btn_Next);
    EXPECT_EQ(dlg->Show_Page, 2);
    EXPECT_EQ(dlg->L_Page_Lang->Caption(), "Page 2 / 2");
    EXPECT_TRUE(dlg->Btn_Prev->Visible());
    EXPECT_FALSE(dlg->Btn_Next->Visible());
    EXPECT_TRUE(dlg->L_L[0]->Visible());
    EXPECT_EQ(dlg->L_L[0]->Caption(), "G7");
    for (int k = 1; k < 6; ++k) EXPECT_FALSE(dlg->L_L[k]->Visible()) << k;

    test::ClickAt(*dlg->Btn_Prev);
    EXPECT_EQ(dlg->Show_Page, 1);
    dlg->Hide();
}

// After a language change the page label still names the page shown.
TEST_F(SoftOptionsWindow, LanguageChangeKeepsThePageLabel) {
    UseProgramFolder("options_relabel_page");
    WriteLanguages({"A1", "B2", "C3", "D4", "E5", "F6", "G7"});
    shelltest::WriteBytes(shell::Language_Dir + "/G7.lng", "STR305 = \u00b6Seite \u00b6\r\n");
    auto dlg = Make<shell::TFSoftOptions>();
    dlg->Change_Language = [&] { dlg->Set_Lang(); };
    test::TScriptedUi ui;
    ui.AnswerBox(mrYes);
    dlg->Show();
    test::ClickAt(*dlg->Btn_Next);
    test::ClickAt(*dlg->L_L[0]);
    EXPECT_EQ(dlg->L_Page_Lang->Caption(), "Seite 2 / 2");
    EXPECT_EQ(dlg->L_Sel_Lang->Caption(), "Selected Language : G7");
    EXPECT_TRUE(dlg->L_L[0]->Visible());
    EXPECT_FALSE(dlg->L_L[1]->Visible());
    dlg->Hide();
}

TEST_F(SoftOptionsWindow, NoLanguageFilesShowNoSlot) {
    UseProgramFolder("options_none");
    auto dlg = Make<shell::TFSoftOptions>();
    dlg->Show();
    EXPECT_EQ(dlg->L_Page_Lang->Caption(), "Page 1 / 0");
    EXPECT_TRUE(dlg->Btn_Next->Visible());
    for (int k = 0; k < 6; ++k) EXPECT_FALSE(dlg->L_L[k]->Visible()) << k;
    test::ClickAt(*dlg->Btn_Next);
    EXPECT_EQ(dlg->Show_Page, 1);
    dlg->Hide();
}

// A language change asks first; Yes changes the texts at once and re-labels
// the windows, but the setting changes only with OK.
TEST_F(SoftOptionsWindow, PickingALanguageAsksThenRelabels) {
    UseProgramFolder("options_pick");
    WriteLanguages({"Deutsch"});
    auto dlg = Make<shell::TFSoftOptions>();
    int relabelled = 0;
    dlg->Change_Language = [&] {
        ++relabelled;
        dlg->Set_Lang();
    };
    const std::string english15 = shell::Lang_Texts[15];

    {
        test::TScriptedUi ui;
        ui.AnswerBox(mrNo);
        dlg->Show();
        test::ClickAt(*dlg->L_L[0]);
        ASSERT_EQ(ui.Boxes().size(), 1u);
        EXPECT_EQ(ui.Boxes()[0].Text, "Do you want to change the Language from English to Deutsch?");
        EXPECT_EQ(ui.Boxes()[0].Buttons, mbYesNo);
        EXPECT_EQ(shell::Lang_Texts[15], english15);
        EXPECT_EQ(relabelled, 0);
        dlg->Hide();
    }
    {
        test::TScriptedUi ui;
        ui.AnswerBox(mrYes);
        dlg->Show();
        test::ClickAt(*dlg->I_L[0]);  // the picture answers like the name
        EXPECT_EQ(ui.Boxes().size(), 1u);
        EXPECT_EQ(shell::Lang_Texts[15], "Deutsch new");
        EXPECT_EQ(relabelled, 1);
        EXPECT_EQ(shell::Language_Name, "English");
        EXPECT_EQ(dlg->L_Sel_Lang->Caption(), "Selected Language : Deutsch");
        dlg->Hide();
    }
    // Cancel keeps the old setting.
    {
        test::TScriptedUi ui;
        ui.OnModal([&](TForm&) {
            test::ClickAt(*dlg->Btn_Cancel);
            return mrNone;
        });
        EXPECT_EQ(dlg->ShowModal(), mrCancel);
        EXPECT_EQ(shell::Language_Name, "English");
    }
    // OK makes the choice the setting.
    {
        test::TScriptedUi ui;
        ui.AnswerBox(mrYes);
        ui.OnModal([&](TForm&) {
            test::ClickAt(*dlg->L_L[0]);
            test::ClickAt(*dlg->Btn_OK);
            return mrNone;
        });
        EXPECT_EQ(dlg->ShowModal(), mrOk);
        EXPECT_EQ(shell::Language_Name, "Deutsch");
    }
}

TEST_F(SoftOptionsWindow, SwitchesFollowEachOtherAndSetTheTimer) {
    UseProgramFolder("options_switches");
    shell::Opt_Enable_Internet = true;
    shell::Opt_Enable_Update = true;
    auto dlg = Make<shell::TFSoftOptions>();
    TTimer timer(nullptr);
    timer.SetEnabled(true);
    dlg->Timer_Update = &timer;

    test::TScriptedUi ui;
    bool updateEnabledBefore = false, checkEnabledBefore = false;
    bool updateEnabledAfter = true, checkEnabledAfter = true;
    ui.OnModal([&](TForm&) {
        updateEnabledBefore = dlg->CB_Update->Enabled();
        checkEnabledBefore = dlg->Btn_Check_Update->Enabled();
        dlg->CB_En_Con->SetChecked(false);
        updateEnabledAfter = dlg->CB_Update->Enabled();
        checkEnabledAfter = dlg->Btn_Check_Update->Enabled();
        dlg->CB_Soft_Set_Jump_Table->SetChecked(true);
        test::ClickAt(*dlg->Btn_OK);
        return mrNone;
    });
    EXPECT_EQ(dlg->ShowModal(), mrOk);
    EXPECT_TRUE(updateEnabledBefore);
    EXPECT_TRUE(checkEnabledBefore);
    EXPECT_FALSE(updateEnabledAfter);
    EXPECT_FALSE(checkEnabledAfter);
    EXPECT_FALSE(shell::Opt_Enable_Internet);
    // The box keeps its tick while disabled, and the flag takes it.
    EXPECT_TRUE(shell::Opt_Enable_Update);
    EXPECT_TRUE(shell::Opt_Jump_Field_Tables);
    EXPECT_FALSE(shell::Opt_DblClick_Auto_Size);
    EXPECT_FALSE(timer.Enabled());
}

TEST_F(SoftOptionsWindow, ManualCheckShowsTheLinkOrNoUpdate) {
    UseProgramFolder("options_check");
    shelltest::VersionServer server;
    shelltest::WebHostOverride host(server.Host());
    auto dlg = Make<shell::TFSoftOptions>();
    const struct {
        const char* reply;
        std::string shown;
    } cases[] = {
        {"VER. 1.001", "<a href=\"" + server.Host() + "/Home/download/download.asp#KV4C840\">" +
                           "New Version Available. Click Here for more Details</a>"},
        {"VER. 1.000", "No Update Available"},
        {"VER. 0.000", "No Update Available"},
        {"", "No Update Available"},
    };
    for (const auto& c : cases) {
        server.ReplyBody(c.reply);
        dlg->Show();
        EXPECT_FALSE(dlg->LL_Check_Update->Visible());
        dlg->CB_En_Con->SetChecked(true);
        dlg->CB_Update->SetChecked(true);
        test::ClickAt(*dlg->Btn_Check_Update);
        EXPECT_TRUE(dlg->LL_Check_Update->Visible()) << c.reply;
        EXPECT_EQ(dlg->LL_Check_Update->Caption(), c.shown) << c.reply;
        dlg->Hide();
    }
}


// A check that could not be made says so: it must not read as "no update".
TEST_F(SoftOptionsWindow, FailedCheckIsNotShownAsNoUpdate) {
    UseProgramFolder("options_check_failed");
    auto dlg = Make<shell::TFSoftOptions>();
    const std::string failed = "The check for updates could not be made: the web site did not answer";
    auto check = [&] {
        dlg->Show();
        dlg->CB_En_Con->SetChecked(true);
        dlg->CB_Update->SetChecked(true);
        test::ClickAt(*dlg->Btn_Check_Update);
        const std::string shown = dlg->LL_Check_Update->Caption();
        dlg->Hide();
        return shown;
    };
    std::string closedHost;
    {
        shelltest::VersionServer server;
        shelltest::WebHostOverride host(server.Host());
        server.Reply("HTTP/1.0 500 Internal Server Error\r\nContent-Length: 10\r\n\r\nVER. 9.999");
        EXPECT_EQ(check(), failed);
        closedHost = server.Host();
    }
    shelltest::WebHostOverride host(closedHost);  // nobody listens any more
    EXPECT_EQ(check(), failed);
}

}  // namespace
