#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "platform/Application.h"
#include "platform/Messages.h"
#include "platform/TestHooks.h"
#include "protocols/BACnet_Eng_Unit.h"
#include "shell/Comon.h"
#include "shell/Language.h"

using namespace plat;
using proto::TFBACnet_Eng_Unit;

namespace {

class EngUnitWindow : public ::testing::Test {
protected:
    void SetUp() override {
        shell::Load_Default_Texts();
        shell::SW_Code = "QP4A902";
        InitApplication();
        dlg = std::make_unique<TFBACnet_Eng_Unit>(nullptr);
        dlg->DoCreate();
    }
    void TearDown() override { dlg.reset(); }

    // Picks an entry the way the user does, with the keyboard.
    static void Pick(TComboBox& list, int index) {
        list.SetItemIndex(index == 0 ? 1 : 0);
        test::SendKey(list, index == 0 ? VK_UP : VK_DOWN);
        for (int i = 1; i < index; ++i) test::SendKey(list, VK_DOWN);
        ASSERT_EQ(list.ItemIndex(), index);
    }
    static int IndexOf(TComboBox& list, const std::string& text) {
        for (int i = 0; i < list.Items().Count(); ++i)
            if (list.Items()[i] == text) return i;
        return -1;
    }

    std::unique_ptr<TFBACnet_Eng_Unit> dlg;
};

}  // namespace

TEST_F(EngUnitWindow, PicksByCategoryAndHandsTheNumberBack) {
    const struct {
        const char* category;
        const char* unit;
        const char* number;
        const char* label;
    } cases[] = {{"Electrical", "ohms-meters", "172", "-> ohm-meters"},
                 {"Other", "per-mille", "207", "-> unknown"},
                 {"Temperature", "degrees-Celsius", "62", "-> degrees-Celsius"}};
    for (const auto& c : cases) {
        std::string cell = "5";
        test::TScriptedUi ui;
        ui.OnModal([&](TForm&) {
            EXPECT_EQ(dlg->Label5->Caption(), "-> volts");
            Pick(*dlg->CB_Select_Type, IndexOf(*dlg->CB_Select_Type, c.category));
            Pick(*dlg->CB_Select_Unit, IndexOf(*dlg->CB_Select_Unit, c.unit));
            test::ClickAt(*dlg->Btn_Select_Eng_Unit);
            EXPECT_EQ(dlg->E_Selected_EU->Text(), c.number) << c.unit;
            EXPECT_EQ(dlg->Label5->Caption(), c.label) << c.unit;
            if (std::string(c.unit) == "degrees-Celsius")
                EXPECT_TRUE(
                    test::SaveScreenshot(*dlg, std::string(VASTRIMO_TEST_OUT) + "/TFBACnet_Eng_Unit.png"));
            test::ClickAt(*dlg->Btn_OK);
            return mrNone;
        });
        EXPECT_TRUE(dlg->Edit_Cell(cell)) << c.unit;
        EXPECT_EQ(cell, c.number) << c.unit;
    }
}

TEST_F(EngUnitWindow, KeepsTheCategoryAndLeavesTheCellOnCancel) {
    EXPECT_EQ(dlg->Caption(), "Select the BACnet Engineering Unit");
    std::string cell = "abc";
    test::TScriptedUi ui;
    ui.OnModal([&](TForm&) {
        EXPECT_EQ(dlg->Label5->Caption(), "-> unknown");
        // The first showing starts at "Acceleration", with its one unit.
        EXPECT_EQ(dlg->CB_Select_Unit->Items().Count(), 1);
        Pick(*dlg->CB_Select_Type, 16);
        test::TypeText(*dlg->E_Selected_EU, "1");
        test::ClickAt(*dlg->Btn_Cancel);
        return mrNone;
    });
    EXPECT_FALSE(dlg->Edit_Cell(cell));
    EXPECT_EQ(cell, "abc");

    // Typed text goes back unchecked; the category chosen before is listed.
    ui.OnModal([&](TForm&) {
        EXPECT_EQ(dlg->CB_Select_Type->ItemIndex(), 16);
        EXPECT_EQ(dlg->CB_Select_Unit->Items()[0], "degrees-Celsius");
        dlg->E_Selected_EU->SetText("");
        test::TypeText(*dlg->E_Selected_EU, "300");
        test::ClickAt(*dlg->Btn_OK);
        return mrNone;
    });
    EXPECT_TRUE(dlg->Edit_Cell(cell));
    EXPECT_EQ(cell, "300");
}
