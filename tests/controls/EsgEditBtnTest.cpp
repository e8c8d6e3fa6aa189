#include "controls/EsgEditBtn.h"

#include <gtest/gtest.h>

#include "platform/Forms.h"
#include "platform/GuiApp.h"
#include "platform/Messages.h"
#include "platform/TestHooks.h"

namespace {

using namespace ctl;

class EditBtn : public ::testing::Test {
protected:
    void SetUp() override {
        plat::EnsureGuiApplication();
        form = std::make_unique<plat::TForm>(nullptr);
        form->SetBounds(0, 0, 300, 200);
        edit = new TEsgUnitEditBtn(form.get());
        edit->SetParent(form.get());
        edit->SetBounds(10, 10, 120, 24);
        edit->OnClickBtn = [this](plat::TObject* s) { senders.push_back(s); };
    }
    std::unique_ptr<plat::TForm> form;
    TEsgUnitEditBtn* edit = nullptr;
    std::vector<plat::TObject*> senders;
};

TEST_F(EditBtn, F4AndTheButtonRaiseOnClickBtn) {
    plat::test::SendKey(*edit, plat::VK_F4);
    plat::test::SendKey(*edit, plat::VK_F4, plat::ssCtrl);
    plat::test::SendKey(*edit, plat::VK_F4, plat::ssAlt);
    ASSERT_EQ(senders.size(), 1u);
    EXPECT_EQ(senders[0], edit);

    TEsgEditBtn plain(form.get());
    plain.SetParent(form.get());
    std::vector<plat::TObject*> plainSenders;
    plain.OnClickBtn = [&](plat::TObject* s) { plainSenders.push_back(s); };
    TExtSpeedButton* b = plain.Button()->Button();
    plat::test::MouseDown(*b, plat::mbLeft, 2, 2);
    EXPECT_TRUE(plainSenders.empty());  // acted on at the release
    plat::test::MouseUp(*b, plat::mbLeft, 200, 200);
    ASSERT_EQ(plainSenders.size(), 1u);
    EXPECT_EQ(plainSenders[0], plain.Button());
    plat::test::MouseDown(*b, plat::mbRight, 2, 2);
    plat::test::MouseUp(*b, plat::mbRight, 2, 2);
    EXPECT_EQ(plainSenders.size(), 1u);
}

TEST_F(EditBtn, EditorDisabledIgnoresTyping) {
    edit->SetText("");
    plat::test::TypeText(*edit, "ab");
    EXPECT_EQ(edit->Text(), "ab");
    edit->SetEditorEnabled(false);
    plat::test::TypeText(*edit, "cd");
    EXPECT_EQ(edit->Text(), "ab");
    plat::test::SendKey(*edit, plat::VK_F4);
    EXPECT_EQ(senders.size(), 1u);
}

TEST_F(EditBtn, TextAndUnit) {
    EXPECT_EQ(edit->UnitSpace(), 20);
    EXPECT_TRUE(edit->RightAlign());
    edit->SetUnits({"m", "mm"});
    const struct {
        const char* value;
        const char* text;
        const char* unit;
    } cases[] = {
        {"12mm", "12", "mm"},  // "m" occurs before the end, so it does not match
        {"5m", "5", "m"},
        {"7kg", "5", "m"},     // no unit matches: nothing changes
        {"7km", "7k", "m"},
        {"mm", "", "mm"},
    };
    for (const auto& c : cases) {
        edit->SetTextAndUnit(c.value);
        EXPECT_EQ(edit->Text(), c.text) << c.value;
        EXPECT_EQ(edit->UnitID(), c.unit) << c.value;
    }
    EXPECT_EQ(edit->TextAndUnit(), "mm");
}

TEST_F(EditBtn, UnitCommands) {
    edit->SetUnits({"m", "mm"});
    std::vector<std::string> changes;
    edit->OnUnitChanged = [&](plat::TObject*, const std::string& u) { changes.push_back(u); };
    edit->UnitCommand(2);
    edit->UnitCommand(2);  // the same unit again
    edit->UnitCommand(3);  // outside the list
    edit->UnitCommand(1);
    EXPECT_EQ(changes, (std::vector<std::string>{"mm", "m"}));
    EXPECT_EQ(edit->UnitID(), "m");
}

}  // namespace
