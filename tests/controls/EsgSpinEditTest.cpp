#include "controls/EsgSpinEdit.h"

#include <gtest/gtest.h>

#include "base/DateTime.h"
#include "base/StrUtils.h"
#include "platform/Forms.h"
#include "platform/GuiApp.h"
#include "platform/Messages.h"
#include "platform/TestHooks.h"

namespace {

using namespace ctl;

class SpinEdit : public ::testing::Test {
protected:
    void SetUp() override {
        plat::EnsureGuiApplication();
        oldDecimal = base::DecimalSeparator();
        oldFs = base::FormatSettings();
        base::SetDecimalSeparator('.');
        form = std::make_unique<plat::TForm>(nullptr);
        form->SetBounds(0, 0, 300, 200);
        edit = new TEsgSpinEdit(form.get());
        edit->SetParent(form.get());
        edit->SetBounds(10, 10, 120, 24);
    }
    void TearDown() override {
        form.reset();
        base::SetDecimalSeparator(oldDecimal);
        base::SetFormatSettings(oldFs);
    }
    void Type(const std::string& text) { plat::test::TypeText(*edit, text); }
    void Key(unsigned short key) { plat::test::SendKey(*edit, key); }
    void Caret(int pos) {
        edit->SetSelStart(pos);
        edit->SetSelLength(0);
    }

    std::unique_ptr<plat::TForm> form;
    TEsgSpinEdit* edit = nullptr;
    char oldDecimal = '.';
    base::TFormatSettings oldFs;
};

TEST_F(SpinEdit, IntegerLimits) {
    EXPECT_EQ(edit->Text(), "0");
    edit->SetValue(150);
    EXPECT_EQ(edit->Text(), "100");
    edit->SetValue(-5);
    EXPECT_EQ(edit->Text(), "0");
    edit->MinValue = edit->MaxValue = 0;
    edit->SetValue(150);
    EXPECT_EQ(edit->Text(), "150");
    edit->SetText("abc");
    edit->MinValue = 7;
    EXPECT_EQ(edit->Value(), 7);
    edit->SetText("  ");
    EXPECT_EQ(edit->Value(), 0);
}

TEST_F(SpinEdit, IntegerKeysAndTyping) {
    edit->SetText("");
    Type("1a2.,:/-3");
    EXPECT_EQ(edit->Text(), "123");
    Caret(0);
    Type("-");
    EXPECT_EQ(edit->Text(), "-123");
    Caret(0);
    Type("-");  // a second minus is refused unless the first is selected
    EXPECT_EQ(edit->Text(), "-123");
    edit->SetSelStart(0);
    edit->SetSelLength(1);
    Type("-");
    EXPECT_EQ(edit->Text(), "-123");
    Caret(2);
    Type("-");  // only at the start
    EXPECT_EQ(edit->Text(), "-123");

    edit->MinValue = edit->MaxValue = 0;
    edit->SetValue(5);
    Key(plat::VK_UP);
    EXPECT_EQ(edit->Text(), "6");
    edit->Increment = 10;
    Key(plat::VK_DOWN);
    Key(plat::VK_NEXT);  // Page makes no difference for integers
    EXPECT_EQ(edit->Text(), "-14");
    Key(plat::VK_PRIOR);
    EXPECT_EQ(edit->Text(), "-4");
}

TEST_F(SpinEdit, FloatPrecisionAndSeparator) {
    base::SetDecimalSeparator(',');
    edit->SetSpinType(sptFloat);
    edit->SetPrecision(2);
    edit->SetText("1,25");
    Caret(4);
    Type("7");  // two decimals already
    EXPECT_EQ(edit->Text(), "1,25");
    Caret(0);
    Type("3");  // before the separator
    EXPECT_EQ(edit->Text(), "31,25");
    Caret(5);
    Type(",.");  // a second separator and the thousand separator are refused
    EXPECT_EQ(edit->Text(), "31,25");
    edit->MaxFloatValue = 1000;
    Key(plat::VK_UP);
    EXPECT_EQ(edit->Text(), "31,35");
    Key(plat::VK_PRIOR);
    EXPECT_EQ(edit->Text(), "32,35");
    edit->SetFloatValue(5000);
    EXPECT_EQ(edit->Text(), "1000,00");
    edit->SetPrecision(0);
    edit->SetFloatValue(0.5);
    EXPECT_EQ(edit->Text(), "0,5");
}

TEST_F(SpinEdit, KeypadDecimalTypesTheRegionalSeparator) {
    base::SetDecimalSeparator(',');
    edit->SetSpinType(sptFloat);
    edit->SpreadsheetStyleDecimalSeparator = true;
    char32_t seen = 0;
    edit->OnKeyPress = [&](plat::TObject*, char32_t& k) { seen = k; };
    edit->Perform(plat::WM_KEYDOWN, plat::VK_DECIMAL);
    edit->Perform(plat::WM_CHAR, '.');
    EXPECT_EQ(seen, U',');
    seen = 0;
    edit->Perform(plat::WM_KEYDOWN, '1');
    edit->Perform(plat::WM_CHAR, '.');  // the main keyboard's full stop stays
    EXPECT_EQ(seen, 0u);                // and, being no separator here, is refused
}

TEST_F(SpinEdit, DateStepsThePartUnderTheCaret) {
    base::TFormatSettings fs;
    fs.shortDateFormat = "mm/dd/yyyy";
    base::SetFormatSettings(fs);
    edit->SetSpinType(sptDate);
    const struct {
        int caret;
        unsigned short key;
        const char* expected;
    } cases[] = {
        {0, plat::VK_UP, "02/29/2024"},    // month, day limited to the month
        {3, plat::VK_UP, "02/01/2024"},    // day
        {7, plat::VK_UP, "01/31/2025"},    // year
        {1, plat::VK_DOWN, "12/31/2023"},  // month back over the year
    };
    for (const auto& c : cases) {
        edit->SetDateValue(base::EncodeDate(2024, 1, 31));
        Caret(c.caret);
        Key(c.key);
        EXPECT_EQ(edit->Text(), c.expected) << c.caret;
    }
    edit->SetDateValue(base::EncodeDate(2024, 2, 29));
    Caret(8);
    Key(plat::VK_UP);  // 29 February 2025 does not exist
    EXPECT_EQ(edit->Text(), "02/29/2024");
    edit->SetText("0");
    EXPECT_NEAR(edit->DateValue(), base::Now(), 1.0 / 24);
}

TEST_F(SpinEdit, TimeWrapsAtMidnight) {
    edit->SetSpinType(sptTime);
    edit->SetTimeValue(base::EncodeTime(0, 0, 30, 0));
    EXPECT_EQ(edit->Text(), "00:00:30");
    Caret(4);
    Key(plat::VK_DOWN);
    EXPECT_EQ(edit->Text(), "23:59:30");
    Caret(0);
    Key(plat::VK_UP);
    EXPECT_EQ(edit->Text(), "00:59:30");
    Caret(7);
    Key(plat::VK_UP);
    EXPECT_EQ(edit->Text(), "00:59:31");
    Caret(8);
    Type(":");  // two time separators already
    EXPECT_EQ(edit->Text(), "00:59:31");
}

TEST_F(SpinEdit, EditorDisabledRefusesTyping) {
    edit->SetEditorEnabled(false);
    Caret(1);
    Type("5");
    Key(plat::VK_BACK);
    EXPECT_EQ(edit->Text(), "0");
    Key(plat::VK_UP);  // the arrows still step
    EXPECT_EQ(edit->Text(), "1");
    edit->SetReadOnly(true);
    Key(plat::VK_UP);
    EXPECT_EQ(edit->Text(), "1");
}

TEST_F(SpinEdit, LeavingLimitsTheValue) {
    edit->SetText("250");
    edit->Perform(plat::CM_EXIT);
    EXPECT_EQ(edit->Text(), "100");
    edit->SetSpinType(sptFloat);
    edit->SetText("-3.5");
    edit->Perform(plat::CM_EXIT);
    EXPECT_EQ(edit->Text(), "0");
}

TEST_F(SpinEdit, ReturnMovesOnLikeTab) {
    auto* next = new plat::TEdit(form.get());
    next->SetParent(form.get());
    next->SetTabStop(true);
    form->Show();
    edit->SetFocus();
    plat::test::ProcessEvents();
    ASSERT_TRUE(edit->Focused());
    Key(plat::VK_RETURN);
    EXPECT_TRUE(edit->Focused());
    edit->ReturnIsTab = true;
    Key(plat::VK_RETURN);
    plat::test::ProcessEvents();
    EXPECT_TRUE(next->Focused());
}

TEST_F(SpinEdit, HeldButtonRepeats) {
    form->Show();
    TExtTimerSpeedButton* up = edit->Button()->UpButton();
    plat::test::MouseDown(*up, plat::mbLeft, 3, 3);
    EXPECT_EQ(edit->Text(), "1");  // at the press
    plat::test::Wait(100);
    EXPECT_EQ(edit->Text(), "1");  // the first repeat waits 400 ms
    plat::test::Wait(700);         // then one every 100 ms
    EXPECT_GE(edit->Value(), 3);
    plat::test::MouseUp(*up, plat::mbLeft, 3, 3);
    const int released = edit->Value();
    plat::test::Wait(300);
    EXPECT_EQ(edit->Value(), released);
    plat::test::MouseDown(*edit->Button()->DownButton(), plat::mbLeft, 3, 3);
    plat::test::MouseUp(*edit->Button()->DownButton(), plat::mbLeft, 3, 3);
    EXPECT_EQ(edit->Value(), released - 1);
}

}  // namespace

namespace {

TEST(SpinButton, LayoutAndKeys) {
    plat::EnsureGuiApplication();
    plat::TForm form(nullptr);
    auto* pair = new ctl::TEsgSpinButton(&form);
    pair->SetParent(&form);
    pair->SetBounds(0, 0, 10, 25);  // narrower than allowed
    EXPECT_EQ(pair->Width(), 15);
    EXPECT_EQ(pair->UpButton()->Height(), 12);
    EXPECT_EQ(pair->DownButton()->Top(), 11);  // the halves overlap by a pixel
    EXPECT_EQ(pair->DownButton()->Height(), 14);
    pair->SetDirection(ctl::spHorizontal);
    EXPECT_EQ(pair->Width(), 20);
    EXPECT_EQ(pair->UpButton()->ButtonDirection(), ctl::bdRight);
    EXPECT_EQ(pair->DownButton()->Left(), 0);
    EXPECT_EQ(pair->UpButton()->Left(), 11);

    int up = 0, down = 0;
    pair->OnUpClick = [&](plat::TObject*) { ++up; };
    pair->OnDownClick = [&](plat::TObject*) { ++down; };
    pair->Perform(plat::WM_KEYDOWN, plat::VK_SPACE);  // the focused (up) button
    pair->Perform(plat::WM_KEYDOWN, plat::VK_DOWN);
    pair->Perform(plat::WM_KEYDOWN, plat::VK_UP);
    EXPECT_EQ(up, 2);
    EXPECT_EQ(down, 1);
}

}  // namespace
