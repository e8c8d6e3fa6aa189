#include "shell/About.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ShellWindowFixture.h"
#include "platform/Application.h"
#include "platform/TestHooks.h"
#include "shell/VersionServer.h"

using namespace plat;

namespace {

class AboutWindow : public shelltest::ShellWindowTest {};

TEST_F(AboutWindow, ShowsItsFixedTextsWhateverTheLanguage) {
    UseProgramFolder("about");
    auto about = Make<shell::TFAbout>();
    // Another language's texts must not reach the box.
    for (int i = 0; i < shell::Lang_Texts.Count(); ++i) shell::Lang_Texts.SetString(i, "xx");
    about->Show();
    EXPECT_EQ(about->Label1->Caption(), "Software Vastrimo ");
    EXPECT_EQ(about->Label2->Caption(), shell::Const_SW_Desc);
    EXPECT_EQ(about->Label3->Caption(), "Version :");
    EXPECT_EQ(about->Label10->Caption(), "1.000");
    EXPECT_EQ(about->Label6->Caption(), "Software Code : ");
    EXPECT_EQ(about->Label9->Caption(), "QP4A902");
    EXPECT_EQ(about->Label8->Caption(), "Document Code :");
    EXPECT_EQ(about->Label12->Caption(), "LM4A902");
    EXPECT_EQ(about->FltButton1->Caption(), "OK");
    EXPECT_EQ(about->ClientWidth(), 425);
    EXPECT_EQ(about->ClientHeight(), 148);
    about->Hide();
}

TEST_F(AboutWindow, PictureAndAddressOpenTheSameHomePage) {
    UseProgramFolder("about_links");
    shelltest::WebHostOverride host("http://127.0.0.1:8123");
    auto about = Make<shell::TFAbout>();
    test::TScriptedUi ui;
    about->Show();
    test::ClickAt(*about->Image2);
    test::ClickAt(*about->Label4);
    about->Hide();
    const std::string home = "http://127.0.0.1:8123/HOME/default.asp?frompg=QP4A902";
    EXPECT_EQ(ui.OpenedLinks(), (std::vector<std::string>{home, home}));
    EXPECT_EQ(about->Label4->Caption(), "127.0.0.1:8123");
}

TEST_F(AboutWindow, OkClosesTheBox) {
    UseProgramFolder("about_ok");
    auto about = Make<shell::TFAbout>();
    test::TScriptedUi ui;
    ui.OnModal([&](TForm&) {
        test::ClickAt(*about->FltButton1);
        return mrNone;
    });
    EXPECT_EQ(about->ShowModal(), mrOk);
}

}  // namespace
