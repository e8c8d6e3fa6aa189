#include "controls/EsgCombo.h"

#include <gtest/gtest.h>

#include "platform/Forms.h"
#include "platform/GuiApp.h"
#include "platform/Messages.h"
#include "platform/TestHooks.h"

namespace {

using namespace ctl;

class Combo : public ::testing::Test {
protected:
    void SetUp() override {
        plat::EnsureGuiApplication();
        form = std::make_unique<plat::TForm>(nullptr);
        form->SetBounds(0, 0, 400, 300);
        combo = new TEsgComboBox(form.get());
        combo->SetParent(form.get());
        combo->SetBounds(150, 100, 120, 24);
    }
    std::unique_ptr<plat::TForm> form;
    TEsgComboBox* combo = nullptr;
};

TEST_F(Combo, ButtonWidthLimits) {
    const struct {
        int value;
        int result;
    } cases[] = {{13, 19}, {33, 19}, {14, 14}, {32, 32}};
    for (const auto& c : cases) {
        combo->SetButtonWidth(19);
        combo->SetButtonWidth(c.value);
        EXPECT_EQ(combo->ButtonWidth(), c.result) << c.value;
    }
}

TEST_F(Combo, ClosingTheListFiresDropUpOnce) {
    int dropUps = 0;
    combo->OnDropUp = [&](plat::TObject*) { ++dropUps; };
    combo->Perform(plat::WM_COMMAND, plat::MakeLParam(0, plat::CBN_DROPDOWN));
    EXPECT_EQ(dropUps, 0);
    combo->Perform(plat::WM_COMMAND, plat::MakeLParam(0, plat::CBN_CLOSEUP));
    EXPECT_EQ(dropUps, 1);
}

TEST_F(Combo, LabelPlacement) {
    combo->SetLabelCaption("Label text");
    plat::TLabel* label = combo->ComboLabel();
    ASSERT_NE(label, nullptr);
    plat::TCanvas measure;
    measure.SetFont(label->Font());
    const int w = measure.TextWidth("Label text");
    const int lh = label->Height();
    const struct {
        TLabelPosition pos;
        int left, top;
    } cases[] = {
        {lpLeftTop, 150 - w - 4, 100},
        {lpLeftTopLeft, 150 - 4, 100},
        {lpTopLeft, 150, 100 - lh - 4},
        {lpBottomLeft, 150, 124 + 4},
        {lpRightTop, 274, 100},
        {lpRighBottom, 274, 124 - lh},
        {lpLeftCenter, 150 - w - 4, 100 + (24 - lh) / 2},
    };
    for (const auto& c : cases) {
        combo->SetLabelPosition(c.pos);
        EXPECT_EQ(label->Left(), c.left) << c.pos;
        EXPECT_EQ(label->Top(), c.top) << c.pos;
    }
    combo->SetLabelPosition(lpLeftTop);
    combo->SetBounds(200, 50, 120, 24);  // the label follows the combo
    EXPECT_EQ(label->Left(), 200 - w - 4);
    EXPECT_EQ(label->Top(), 50);
    combo->SetEnabled(false);
    EXPECT_FALSE(label->Enabled());
}

TEST_F(Combo, ButtonHover) {
    // The native combo's inner edit takes the pointer events, so the
    // moves are sent as the messages the control handles.
    combo->Perform(plat::WM_MOUSEMOVE, 0, plat::MakeLParam(10, 5));
    EXPECT_FALSE(combo->ButtonHover());
    combo->Perform(plat::WM_MOUSEMOVE, 0, plat::MakeLParam(120 - 5, 5));
    EXPECT_TRUE(combo->ButtonHover());
    combo->Perform(plat::WM_MOUSEMOVE, 0, plat::MakeLParam(120 - 19, 5));  // the zone's left edge
    EXPECT_FALSE(combo->ButtonHover());
    plat::test::MouseLeave(*combo);
    EXPECT_FALSE(combo->ButtonHover());
}

TEST_F(Combo, FlatColoursAndSelectItem) {
    form->SetColor(plat::clBtnFace);
    combo->SetLoadedColor(plat::clYellow);
    combo->SetFlat(true);
    EXPECT_EQ(combo->Color(), plat::clBtnFace);
    combo->SetFlat(false);
    EXPECT_EQ(combo->Color(), plat::clYellow);

    combo->Items().Add("one");
    combo->Items().Add("two");
    combo->SelectItem("two");
    EXPECT_EQ(combo->ItemIndex(), 1);
    combo->SelectItem("none");
    EXPECT_EQ(combo->ItemIndex(), 1);
}

}  // namespace
