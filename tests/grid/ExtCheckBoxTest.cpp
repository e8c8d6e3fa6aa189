#include "grid/ExtCheckBox.h"

#include <gtest/gtest.h>

#include "platform/Forms.h"
#include "platform/GuiApp.h"
#include "platform/Messages.h"
#include "platform/StdCtrls.h"
#include "platform/TestHooks.h"

namespace {

using namespace grid;

class CheckBox : public ::testing::Test {
protected:
    void SetUp() override {
        plat::EnsureGuiApplication();
        form = std::make_unique<plat::TForm>(nullptr);
        form->SetBounds(0, 0, 300, 200);
        box = new TExtCheckBox(form.get());
        box->SetParent(form.get());
        box->SetLeft(100);
        box->SetTabStop(true);
        box->OnClick = [this](plat::TObject*) { ++clicks; };
        form->Show();
        plat::test::ProcessEvents();
    }
    std::unique_ptr<plat::TForm> form;
    TExtCheckBox* box = nullptr;
    int clicks = 0;
};

TEST_F(CheckBox, Defaults) {
    EXPECT_EQ(box->Caption(), "TExtCheckBox");
    EXPECT_EQ(box->Width(), 98);
    EXPECT_EQ(box->Height(), 20);
    EXPECT_FALSE(box->Checked());
}

TEST_F(CheckBox, ToggleFromEachState) {
    const struct {
        TCheckBoxState from;
        bool readOnly;
        TCheckBoxState to;
    } cases[] = {
        {cbUnchecked, false, cbChecked},
        {cbChecked, false, cbUnchecked},
        {cbGrayed, false, cbChecked},
        {cbUnchecked, true, cbUnchecked},
    };
    for (const auto& c : cases) {
        box->SetState(c.from);
        box->ReadOnly = c.readOnly;
        box->Toggle();
        EXPECT_EQ(box->State(), c.to) << c.from << " " << c.readOnly;
    }
}

TEST_F(CheckBox, SpaceAndClicksToggle) {
    plat::test::SendKey(*box, plat::VK_SPACE);
    EXPECT_TRUE(box->Checked());
    EXPECT_EQ(clicks, 1);
    plat::test::ClickAt(*box, 5, 5);
    EXPECT_FALSE(box->Checked());
    EXPECT_EQ(clicks, 2);
    // Released outside: no toggle, no click.
    plat::test::MouseDown(*box, plat::mbLeft, 5, 5);
    EXPECT_TRUE(box->Down());
    plat::test::MouseMove(*box, 150, 5, plat::ssLeft);
    EXPECT_FALSE(box->Down());
    plat::test::MouseUp(*box, plat::mbLeft, 150, 5);
    EXPECT_FALSE(box->Checked());
    EXPECT_EQ(clicks, 2);
}

TEST_F(CheckBox, ReadOnlyStillClicks) {
    box->ReadOnly = true;
    plat::test::SendKey(*box, plat::VK_SPACE);
    plat::test::ClickAt(*box, 5, 5);
    EXPECT_FALSE(box->Checked());
    EXPECT_EQ(clicks, 2);
}

TEST_F(CheckBox, ReturnMovesOnLikeTab) {
    auto* next = new plat::TEdit(form.get());
    next->SetParent(form.get());
    next->SetTabStop(true);
    box->SetFocus();
    plat::test::ProcessEvents();
    box->ReturnIsTab = true;
    plat::test::SendKey(*box, plat::VK_RETURN);
    plat::test::ProcessEvents();
    EXPECT_TRUE(next->Focused());
    EXPECT_FALSE(box->Checked());
}

TEST_F(CheckBox, PaintsTheMarkWhenChecked) {
    auto darkInBox = [&] {
        box->Repaint();
        plat::test::ProcessEvents();
        int n = 0;
        for (int y = 6; y < 15; ++y)
            for (int x = 2; x < 11; ++x) {
                const auto p = plat::test::PixelAt(*box, x, y);
                n += p.R < 80 && p.G < 80 && p.B < 80;
            }
        return n;
    };
    const int clear = darkInBox();
    box->SetChecked(true);
    EXPECT_GT(darkInBox(), clear);
}

}  // namespace
