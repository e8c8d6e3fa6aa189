// Every label of the windows a user meets shows its whole text, in each
// language the program ships and in a translation longer than the English:
// no label runs past its window's edge or under another control, and no
// check box's caption is cut by the box's width.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "MainWindowFixture.h"
#include "controls/FltButton.h"
#include "platform/ExtCtrls.h"
#include "platform/StdCtrls.h"
#include "platform/TestHooks.h"
#include "shell/Language.h"

namespace fs = std::filesystem;
using namespace plat;

namespace {

bool Shown(const TControl& c) {
    for (const TControl* p = &c; p != nullptr; p = p->Parent())
        if (!p->Visible()) return false;
    return true;
}

bool Overlap(const TControl& a, const TControl& b) {
    return a.Left() < b.Left() + b.Width() && b.Left() < a.Left() + a.Width() && a.Top() < b.Top() + b.Height() &&
           b.Top() < a.Top() + a.Height();
}

// "name: caption" of every label or check box of the window that does not
// show its whole text.
std::vector<std::string> CutTexts(TWinControl& Parent) {
    std::vector<std::string> cut;
    for (int i = 0; i < Parent.ControlCount(); ++i) {
        TControl& c = *Parent.Controls(i);
        if (!Shown(c)) continue;
        if (auto* w = dynamic_cast<TWinControl*>(&c)) {
            const std::vector<std::string> inner = CutTexts(*w);
            cut.insert(cut.end(), inner.begin(), inner.end());
        }
        const bool label = dynamic_cast<TLabel*>(&c) != nullptr;
        auto* box = dynamic_cast<TCheckBox*>(&c);
        if ((!label && box == nullptr) || c.Caption().empty()) continue;
        const std::string what = c.Name() + ": " + c.Caption();
        // How far the text reaches: a label is as wide as its text, a box's
        // text ends where the toolkit would end it.
        int textWidth = c.Width();
        if (box != nullptr) {
            textWidth = test::ToolkitSizeHint(*box).X;
            if (textWidth > box->Width()) {
                cut.push_back(what + " (wider than its box)");
                continue;
            }
        }
        // A label placed wholly outside shows nothing and is no cut text.
        const bool outside = c.Left() >= Parent.ClientWidth() || c.Left() + textWidth <= 0;
        if (!outside && (c.Left() < 0 || c.Left() + textWidth > Parent.ClientWidth())) {
            cut.push_back(what + " (past the edge)");
            continue;
        }
        for (int j = 0; j < Parent.ControlCount(); ++j) {
            TControl& other = *Parent.Controls(j);
            if (&other == &c || !Shown(other) || dynamic_cast<TShape*>(&other) != nullptr) continue;
            // A panel behind the label is its background, not a cover.
            if (auto* panel = dynamic_cast<TPanel*>(&other); panel != nullptr && panel->ControlCount() == 0) continue;
            if (Overlap(c, other)) {
                cut.push_back(what + " (under " + other.Name() + ")");
                break;
            }
        }
    }
    return cut;
}

class LabelFit : public apptest::MainWindowTest {
protected:
    // The windows of this gateway's workflow, each as it shows.
    void ExpectWholeTexts(const std::string& language) {
        auto check = [&](TForm& form, const std::string& name) {
            form.Show();
            test::ProcessEvents();
            for (const std::string& cut : CutTexts(form)) ADD_FAILURE() << language << ", " << name << ": " << cut;
            form.Hide();
        };
        check(*main, "main window");
        check(*newProject, "new configuration");
        check(*openConf, "open configuration");
        check(*options, "options");
        check(*parGen, "parameters");
        check(*loRaWAN, "LoRaWAN");
        boot->Form_Type = gw::Boot_Ethernet;
        check(*boot, "update");
    }
};

TEST_F(LabelFit, EveryLanguageShippedShowsWholeLabels) {
    Start("label_fit", [](const std::string& d) {
        fs::create_directories(d + "/PROJECTS/Plant");
        apptest::WriteText(d + "/Vastrimo.xml", apptest::SettingsXml("Plant"));
    });
    ExpectWholeTexts("English");
}

// A translation longer than the English in the step column: the column takes
// the longest label, and what stands right of it moves over.
TEST_F(LabelFit, LongTranslationWidensTheStepColumn) {
    Start("label_fit_long", [](const std::string& d) {
        fs::create_directories(d + "/PROJECTS/Plant");
        fs::create_directories(d + "/LANGUAGE");
        apptest::WriteText(d + "/LANGUAGE/Long.lng",
                           "STR0 = Begin-English\nSTR1 = Schritt eins von vier\nSTR2 = \xC3\x89tape deux\n"
                           "STR3 = Step 3 \xE2\x82\xAC\xCE\xA9\nSTR4 = Step 4\n");
        std::string settings = apptest::SettingsXml("Plant");
        settings.replace(settings.find("English"), 7, "Long");
        apptest::WriteText(d + "/Vastrimo.xml", settings);
    });
    ASSERT_EQ(main->L_Begin->Caption(), "Begin-English");
    ASSERT_EQ(main->L_Step[0]->Caption(), "Schritt eins von vier");
    ExpectWholeTexts("long step labels");
    // The buttons keep their order and spacing, the window its margins.
    ctl::TFltButton& newButton = *main->Button("Btn_New");
    EXPECT_GT(newButton.Left(), main->L_Step[0]->Left() + main->L_Step[0]->Width());
    EXPECT_EQ(main->Button("Btn_Open")->Left() - newButton.Left(), 258 - 80);
    EXPECT_EQ(main->Button("Btn_Prm_Gen")->Left(), newButton.Left());
    EXPECT_EQ(main->ClientWidth() - main->Button("Btn_Close")->Left(), 694 - 632);
    main->Show();
    test::ProcessEvents();
    fs::create_directories(VASTRIMO_TEST_OUT);
    EXPECT_TRUE(test::SaveScreenshot(*main, std::string(VASTRIMO_TEST_OUT) + "/main_window_long_labels.png"));
    main->Hide();
}

}  // namespace
