#include "controls/ExtCalculator.h"

#include <gtest/gtest.h>

#include "platform/Forms.h"
#include "platform/GuiApp.h"
#include "platform/Messages.h"
#include "platform/TestHooks.h"
#include "TestOut.h"

namespace {

using namespace ctl;
using plat::test::SendKey;
using plat::test::TypeText;

class Calculator : public ::testing::Test {
protected:
    void SetUp() override {
        plat::EnsureGuiApplication();
        form = std::make_unique<plat::TForm>(nullptr);
        form->SetBounds(100, 100, 400, 300);
        calc = new TExtCalculatorDropdown(form.get());
        calc->SetParent(form.get());
        calc->SetBounds(20, 20, 160, 22);
        form->Show();
        calc->SetFocus();
        plat::test::ProcessEvents();
    }
    void TearDown() override {
        calc->HideDropDown(false);
        form.reset();
    }
    // Clicks the pad's keys named in Keys (separated by blanks).
    void Click(const std::string& Keys) {
        TCustomButtonPanel* pad = calc->Panel();
        size_t at = 0;
        while (at < Keys.size()) {
            size_t end = Keys.find(' ', at);
            if (end == std::string::npos) end = Keys.size();
            const std::string key = Keys.substr(at, end - at);
            at = end + 1;
            const int i = pad->IndexOf(key);
            ASSERT_GE(i, 0) << key;
            const plat::TRect r = pad->Buttons()[static_cast<size_t>(i)].Rect;
            plat::test::ClickAt(*pad, (r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
        }
    }
    std::unique_ptr<plat::TForm> form;
    TExtCalculatorDropdown* calc = nullptr;
};

TEST_F(Calculator, KeyPadExamples) {
    const struct {
        const char* keys;
        const char* shown;
    } cases[] = {
        {"2 + 3 * 4 =", "20.00"},       // left to right, no precedence
        {"2 0 0 + 1 0 % =", "220.00"},
        {"7 / 0 =", "Error"},
        {"7 / 0 = 5", "5.00"},          // the next digit starts a new number
        {"5 +/- 3", "-53.00"},
        {"1 . 5 + 1 =", "2.50"},
        {"9 sqrt", "3.00"},
        {"9 +/- sqrt", "Error"},
        {"0 1/x", "Error"},
        {"4 1/x", "0.25"},
        {"1 2 3 Back", "12.00"},
        {"1 2 + 3 Back", "3.00"},       // Back does nothing with a pending operation
        {"8 CE", "0.00"},
    };
    for (const auto& c : cases) {
        calc->SetText("0");
        calc->ButtonTag(16);  // C
        calc->ShowDropDown();
        ASSERT_TRUE(calc->DroppedDown());
        Click(c.keys);
        EXPECT_EQ(calc->Text(), c.shown) << c.keys;
        calc->HideDropDown(false);
    }
}

TEST_F(Calculator, Memory) {
    calc->ShowDropDown();
    Click("4 2 MS C MR");
    EXPECT_EQ(calc->Text(), "42.00");
    Click("M+ MR");
    EXPECT_EQ(calc->Text(), "84.00");
    Click("MC MR");
    EXPECT_EQ(calc->Text(), "0.00");
}

TEST_F(Calculator, KeysInAClosedCalculator) {
    const struct {
        const char* typed;
        const char* shown;
    } cases[] = {
        {"C1+2\r", "3.00"},
        {"C6*7=", "42.00"},
        {"C9x/3=", "3.00"},  // letters are dropped
    };
    for (const auto& c : cases) {
        TypeText(*calc, c.typed);
        EXPECT_EQ(calc->Text(), c.shown) << c.typed;
    }
}

TEST_F(Calculator, KeysInTheOpenPopUp) {
    calc->SetText("0");
    SendKey(*calc, plat::VK_F4);
    ASSERT_TRUE(calc->DroppedDown());
    TypeText(*calc->DropDownForm(), "12+30");
    EXPECT_EQ(calc->Text(), "30.00");
    SendKey(*calc->DropDownForm(), plat::VK_RETURN, 0, "\r");
    EXPECT_FALSE(calc->DroppedDown());
    EXPECT_EQ(calc->Text(), "42.00");
    EXPECT_TRUE(calc->Focused());
    // Losing activation keeps the calculated text.
    calc->ShowDropDown();
    TypeText(*calc->DropDownForm(), "*2=");
    calc->DropDownForm()->Perform(plat::CM_DEACTIVATE);
    EXPECT_FALSE(calc->DroppedDown());
    EXPECT_EQ(calc->Text(), "84.00");
}

TEST_F(Calculator, TextThatIsNoNumberCountsAsZero) {
    calc->SetPlainText("abc");
    EXPECT_EQ(calc->Value(), 0);
    calc->ShowDropDown();
    Click("+ 2 =");
    EXPECT_EQ(calc->Text(), "2.00");
    calc->SetPlainText("x");
    Click("MS");
    EXPECT_EQ(calc->Memory(), 0);
}

TEST_F(Calculator, ThousandSeparator) {
    calc->SetShowThousandSeparator(true);
    calc->ShowDropDown();
    Click("1 2 3 4");
    EXPECT_EQ(calc->Text(), "1,234.00");
    Click("MS + 1 =");
    EXPECT_EQ(calc->Memory(), 1234);
    EXPECT_EQ(calc->Text(), "1,235.00");
}

TEST_F(Calculator, KeyPadLayoutAndPress) {
    TCustomButtonPanel* pad = calc->Panel();
    ASSERT_EQ(pad->Buttons().size(), 28u);
    pad->SetBounds(0, 0, 230, 150);
    const plat::TRect seven = pad->Buttons()[static_cast<size_t>(pad->IndexOf("7"))].Rect;
    EXPECT_EQ(seven.Width(), 34);
    EXPECT_EQ(seven.Height(), 26);
    const plat::TRect c = pad->Buttons()[static_cast<size_t>(pad->IndexOf("C"))].Rect;
    const plat::TRect eq = pad->Buttons()[static_cast<size_t>(pad->IndexOf("="))].Rect;
    EXPECT_EQ(c.Right, eq.Right);
    pad->SetBounds(0, 0, 4, 4);  // no key shrinks to nothing
    EXPECT_GE(pad->Buttons()[0].Rect.Width(), 1);
    pad->SetBounds(0, 0, 230, 150);
    // Pressing a key, moving off and releasing elsewhere clicks nothing.
    int clicks = 0;
    auto saved = pad->OnButtonClick;
    pad->OnButtonClick = [&](plat::TObject*, int) { ++clicks; };
    plat::test::MouseDown(*pad, plat::mbLeft, seven.Left + 3, seven.Top + 3);
    plat::test::MouseUp(*pad, plat::mbLeft, 2, 2);
    EXPECT_EQ(clicks, 0);
    pad->OnButtonClick = saved;
    pad->Buttons().push_back({});
    pad->InitButtons();
    EXPECT_EQ(pad->Buttons().size(), 29u);
    pad->ResetButtons();
    EXPECT_EQ(pad->Buttons().size(), 28u);
}

TEST_F(Calculator, ScreenshotAndAccessibility) {
    calc->ShowDropDown();
    plat::test::ProcessEvents();
    EXPECT_EQ(plat::test::AccessibleNameOf(*calc->Panel()), "Calculator keys");
    EXPECT_TRUE(plat::test::SaveScreenshot(*calc->DropDownForm(), TestOutFile("Calculator_open.png")));
}

}  // namespace
