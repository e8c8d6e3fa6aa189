#include "controls/ExtTimePickerDropDown.h"

#include <gtest/gtest.h>

#include "base/DateTime.h"
#include "platform/Clipboard.h"
#include "platform/Forms.h"
#include "platform/GuiApp.h"
#include "platform/Menus.h"
#include "platform/Messages.h"
#include "platform/TestHooks.h"
#include "TestOut.h"

namespace {

using namespace ctl;
using plat::test::SendKey;

base::TDateTime At(int h, int m, int s) { return base::EncodeTime(h, m, s, 0); }

class TimePicker : public ::testing::Test {
protected:
    void SetUp() override {
        plat::EnsureGuiApplication();
        form = std::make_unique<plat::TForm>(nullptr);
        form->SetBounds(100, 100, 400, 320);
        picker = new TExtTimePickerDropDown(form.get());
        picker->SetParent(form.get());
        picker->SetBounds(20, 20, 120, 22);
        picker->SetAnimation(false);
        picker->OnTimeChange = [this](plat::TObject*) { ++timeChanges; };
        form->Show();
        picker->SetFocus();
        plat::test::ProcessEvents();
    }
    void TearDown() override {
        picker->HideDropDown(false);
        form.reset();
    }
    std::unique_ptr<plat::TForm> form;
    TExtTimePickerDropDown* picker = nullptr;
    int timeChanges = 0;
};

TEST_F(TimePicker, TextFollowsTheTimeAndTheSecondsSwitch) {
    EXPECT_EQ(picker->Text(), "00:00:00");
    picker->SetTime(At(9, 30, 15));
    EXPECT_EQ(picker->Text(), "09:30:15");
    picker->SetShowSeconds(false);
    EXPECT_EQ(picker->Text(), "09:30");
    picker->SetShowSeconds(true);
    EXPECT_EQ(picker->Text(), "09:30:15") << "the seconds were kept";
    EXPECT_EQ(timeChanges, 0) << "setting the time is no user change";
}

TEST_F(TimePicker, UpAndDownStepTheFieldUnderTheCaret) {
    picker->SetEditorEnabled(true);
    const struct {
        int h, m, s;
        bool seconds;
        int caret;
        unsigned short key;
        const char* result;
    } cases[] = {
        {9, 30, 15, true, 3, plat::VK_UP, "09:29:15"},    // just before the 3
        {9, 30, 15, true, 6, plat::VK_DOWN, "09:30:16"},  // just after the second separator
        {0, 30, 15, true, 0, plat::VK_UP, "23:30:15"},    // hours wrap
        {23, 59, 59, true, 7, plat::VK_DOWN, "23:59:00"}, // seconds wrap, nothing else moves
        {9, 30, 0, false, 4, plat::VK_DOWN, "09:31"},     // without seconds the last field is the minute
        {9, 30, 0, false, 1, plat::VK_DOWN, "10:30"},
    };
    for (const auto& c : cases) {
        picker->SetShowSeconds(c.seconds);
        picker->SetTime(At(c.h, c.m, c.s));
        picker->SetSelStart(c.caret);
        SendKey(*picker, c.key);
        EXPECT_EQ(picker->Text(), c.result) << c.result;
        EXPECT_EQ(picker->SelStart(), c.caret) << c.result;
    }
    EXPECT_EQ(timeChanges, 6);
    // Milliseconds survive a step.
    picker->SetShowSeconds(true);
    picker->SetTime(base::EncodeTime(8, 0, 0, 250));
    picker->SetSelStart(0);
    SendKey(*picker, plat::VK_DOWN);
    EXPECT_EQ(base::DecodeTime(picker->Time()).msec, 250);
    EXPECT_EQ(base::DecodeTime(picker->Time()).hour, 9);
}

TEST_F(TimePicker, TypedTextIsParsedOnlyWhenItIsACompleteValidTime) {
    picker->SetEditorEnabled(true);
    picker->SetTime(At(7, 0, 0));
    const struct {
        bool seconds;
        const char* text;
        int h, m, s;
        const char* shown;
    } cases[] = {
        {true, "12:34:56", 12, 34, 56, "12:34:56"},  // a full entry with seconds counts
        {true, "25:00:00", 12, 34, 56, "25:00:00"},  // no such hour: the value stays
        {true, "12:61:00", 12, 34, 56, "12:61:00"},
        {true, "1 :02:03", 10, 2, 3, "10:02:03"},    // a blank is a zero
        {true, "12:3", 10, 2, 3, "12:3"},            // not complete yet
        {false, "08:15", 8, 15, 0, "08:15"},
        {false, "08:15:00", 8, 15, 0, "08:15:00"},   // a seconds field where none is shown
        {false, "ab:cd", 8, 15, 0, "ab:cd"},
    };
    for (const auto& c : cases) {
        picker->SetShowSeconds(c.seconds);
        picker->SetPlainText(c.text);  // as typed: the change handler parses it
        const base::TTimeParts t = base::DecodeTime(picker->Time());
        EXPECT_EQ(t.hour * 3600 + t.minute * 60 + t.second, c.h * 3600 + c.m * 60 + c.s) << c.text;
        EXPECT_EQ(picker->Text(), c.shown) << c.text;
    }
    EXPECT_EQ(timeChanges, 0);
}

// Typing goes through the time mask: digits fill the places, the
// separators stay where they are, anything else is refused.
TEST_F(TimePicker, TypingFillsTheMaskPlaces) {
    const struct {
        bool seconds;
        const char* start;
        int caret, selLength;
        const char* keys;  // typed characters; '<' Backspace, '>' Delete
        const char* shown;
        int h, m, s;  // the value afterwards
        int caretAfter;
    } cases[] = {
        {true, "00:00:00", 0, 0, "1234", "12:34:00", 12, 34, 0, 6},  // the caret steps over the separators
        {true, "12:34:00", 0, 0, "a", "12:34:00", 12, 34, 0, 0},      // letters are refused
        {true, "12:34:00", 0, 0, ":", "12:34:00", 12, 34, 0, 0},      // so is a separator typed into a digit
        {true, "12:34:56", 8, 0, "7", "12:34:56", 12, 34, 56, 8},     // nothing beyond the last place
        {true, "12:34:56", 0, 0, "99", "99:34:56", 12, 34, 56, 3},    // no such hour: shown, the value stays
        {true, "12:34:56", 3, 0, "<", "10:34:56", 10, 34, 56, 1},     // Backspace empties a place, blank is 0
        {true, "12:34:56", 3, 0, ">", "12:04:56", 12, 4, 56, 3},      // Delete too
        {true, "12:34:56", 0, 8, "7", "7 :  :  ", 12, 34, 56, 1},     // typing over a selection empties it
        {false, "12:34", 3, 0, "59", "12:59", 12, 59, 0, 5},
    };
    picker->SetEditorEnabled(true);
    for (const auto& c : cases) {
        picker->SetShowSeconds(c.seconds);
        picker->SetPlainText(c.start);
        picker->SetSelStart(c.caret);
        picker->SetSelLength(c.selLength);
        for (const char* k = c.keys; *k != 0; ++k) {
            if (*k == '<') SendKey(*picker, plat::VK_BACK);
            else if (*k == '>') SendKey(*picker, plat::VK_DELETE);
            else plat::test::TypeText(*picker, std::string(1, *k));
        }
        EXPECT_EQ(picker->Text(), c.shown) << c.start << " + " << c.keys;
        EXPECT_EQ(SecondsOfDay(picker->Time()), c.h * 3600 + c.m * 60 + c.s) << c.start << " + " << c.keys;
        EXPECT_EQ(picker->SelStart(), c.caretAfter) << c.start << " + " << c.keys;
    }
    // Without EditorEnabled (the default) the text takes no typing at all.
    picker->SetEditorEnabled(false);
    picker->SetShowSeconds(true);
    picker->SetTime(At(8, 0, 0));
    picker->SetSelStart(0);
    plat::test::TypeText(*picker, "1");
    SendKey(*picker, plat::VK_DELETE);
    EXPECT_EQ(picker->Text(), "08:00:00");
    EXPECT_EQ(timeChanges, 0);
}

// The edit's menu pastes under the mask as typing does.
TEST_F(TimePicker, MenuPasteFillsTheMask) {
    picker->SetEditorEnabled(true);
    picker->SetTime(At(1, 2, 3));
    picker->SetSelStart(0);
    plat::Clipboard().SetAsText("1x5");
    plat::test::ContextMenuAt(*picker, 5, 5);
    plat::TPopupMenu* menu = plat::TPopupMenu::Showing();
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(menu->Items().at(3).Caption, "Paste");
    menu->Pick(3);
    EXPECT_EQ(picker->Text(), "15:02:03") << "the letter found no place";
    EXPECT_EQ(SecondsOfDay(picker->Time()), 15 * 3600 + 2 * 60 + 3);
}

TEST_F(TimePicker, ClockInThePopUpSetsTheTime) {
    picker->SetTime(At(10, 50, 0));
    int onChange = 0;
    picker->OnChange = [&](plat::TObject*) { ++onChange; };
    SendKey(*picker, plat::VK_F4);
    ASSERT_TRUE(picker->DroppedDown());
    TExtWatch* clock = picker->Watch();
    EXPECT_EQ(clock->Time(), 10 * 3600 + 50 * 60);
    const plat::TRect face = clock->FaceRect();
    const int cx = (face.Left + face.Right) / 2;
    plat::test::ClickAt(*clock, cx + 1, face.Top - 3);  // outside the face at 12: minute 0, the hour moves on
    EXPECT_EQ(picker->Text(), "11:00:00") << "the edit follows while the pop-up is open";
    EXPECT_GE(onChange, 1);
    SendKey(*picker->DropDownForm(), plat::VK_PRIOR);  // the clock's hour up
    EXPECT_EQ(picker->Text(), "12:00:00");
    plat::test::ProcessEvents();
    EXPECT_EQ(plat::test::AccessibleNameOf(*clock), "Clock");
    EXPECT_TRUE(plat::test::SaveScreenshot(*picker->DropDownForm(),
                                           TestOutFile("TimePickerDropDown_open.png")));
    // Clicking outside keeps what was picked.
    picker->DropDownForm()->Perform(plat::CM_DEACTIVATE);
    EXPECT_FALSE(picker->DroppedDown());
    EXPECT_EQ(picker->Text(), "12:00:00");
}

TEST_F(TimePicker, CancelGivesBackTheTimeItOpenedWith) {
    picker->SetTime(At(6, 20, 0));
    SendKey(*picker, plat::VK_F4);
    ASSERT_TRUE(picker->DroppedDown());
    const plat::TRect face = picker->Watch()->FaceRect();
    const int cy = (face.Top + face.Bottom) / 2;
    plat::test::ClickAt(*picker->Watch(), face.Right - 20, cy);  // inside at 3 o'clock
    EXPECT_EQ(picker->Text(), "03:20:00");
    SendKey(*picker->DropDownForm(), plat::VK_ESCAPE);
    EXPECT_FALSE(picker->DroppedDown());
    EXPECT_EQ(picker->Text(), "06:20:00");
    EXPECT_EQ(picker->Time(), At(6, 20, 0));
    SendKey(*picker, plat::VK_F4);
    EXPECT_EQ(picker->Watch()->Time(), 6 * 3600 + 20 * 60) << "the clock opens on the restored time";
}

TEST_F(TimePicker, TimePickerBelowTheClockFollowsIt) {
    picker->SetShowTimePicker(true);
    picker->SetShowSeconds(false);
    picker->SetTime(At(14, 5, 0));
    SendKey(*picker, plat::VK_F4);
    TDateTimePicker* tp = picker->TimePicker();
    ASSERT_NE(tp, nullptr);
    EXPECT_EQ(tp->DisplayText(), "14:05");
    EXPECT_EQ(tp->Top() + tp->Height(), picker->PanelCtrl()->Height()) << "below the clock";
    EXPECT_LE(picker->Watch()->Top() + picker->Watch()->Height(), tp->Top());
    // The clock moves the picker and reports the change.
    picker->Watch()->WatchKeyDown(plat::VK_RIGHT);
    EXPECT_EQ(tp->DisplayText(), "14:06");
    EXPECT_EQ(picker->Text(), "14:06");
    EXPECT_EQ(timeChanges, 1);
    // The picker moves the clock: Up on its minute field.
    tp->SetFieldIndex(1);
    SendKey(*tp, plat::VK_UP);
    EXPECT_EQ(picker->Watch()->Minute(), 7);
    EXPECT_EQ(picker->Text(), "14:07");
    plat::test::ProcessEvents();
    EXPECT_TRUE(plat::test::SaveScreenshot(*picker->DropDownForm(),
                                           TestOutFile("TimePickerDropDown_picker.png")));
    SendKey(*tp, plat::VK_RETURN);
    EXPECT_FALSE(picker->DroppedDown());
    EXPECT_EQ(picker->Text(), "14:07");
}

TEST_F(TimePicker, ComponentStyleColoursTheClock) {
    picker->SetComponentStyle(tsSuiteABlue);
    EXPECT_EQ(picker->WatchAppearance().BackgroundColor, 0xFFD2AFu);
    picker->ShowDropDown();
    EXPECT_EQ(picker->Watch()->Appearance().BackgroundColor, 0xFFD2AFu) << "copied at every opening";
}

}  // namespace
