#include "controls/ExtDateTimePicker.h"

#include <fstream>
#include <iterator>

#include <gtest/gtest.h>

#include "base/DateTime.h"
#include "platform/Forms.h"
#include "platform/GuiApp.h"
#include "platform/Messages.h"
#include "platform/MonthCalendar.h"
#include "platform/TestHooks.h"
#include "TestOut.h"

namespace {

using namespace ctl;
using plat::test::SendKey;
using plat::test::TRgb;

// Types one key at a time and lets the posted messages of each run, as the
// event loop does between two key strokes.
void TypeSlowly(plat::TControl& Control, const std::string& Text) {
    for (char c : Text) {
        plat::test::TypeText(Control, std::string(1, c));
        plat::test::ProcessEvents();
    }
}

std::string ReadFile(const std::string& Path) {
    std::ifstream in(Path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

TRgb Rgb(plat::TColor c) { return TRgb{int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF)}; }

class DateTimePicker : public ::testing::Test {
protected:
    void SetUp() override {
        plat::EnsureGuiApplication();
        form = std::make_unique<plat::TForm>(nullptr);
        form->SetBounds(100, 100, 420, 200);
        form->SetColor(0x80FF80);
        picker = new TExtDateTimePicker(form.get());
        picker->SetParent(form.get());
        picker->SetBounds(100, 60, 220, 21);
        picker->SetDateTime(base::EncodeDate(2024, 3, 15) + base::EncodeTime(10, 30, 0, 0));
        form->Show();
        picker->SetFocus();
        plat::test::ProcessEvents();
    }
    std::unique_ptr<plat::TForm> form;
    TExtDateTimePicker* picker = nullptr;
};

TEST_F(DateTimePicker, AutoTabMovesOnWhenADigitCompletesAField) {
    const struct {
        const char* format;
        bool autoTab;
        const char* typed;
        int field;          // the date field the caret is on afterwards
        bool timeFocused;   // the caret went on to the time
    } cases[] = {
        {"dd/MM/yyyy", true, "2", 0, false},     // one digit of the day: not complete yet
        {"dd/MM/yyyy", true, "28", 1, false},
        {"dd/MM/yyyy", true, "2804", 2, false},
        {"dd/MM/yyyy", true, "28042025", 2, true},
        {"yyyy-MM-dd", true, "2025", 1, false},
        {"yyyy-MM-dd", true, "20250609", 2, true},
        {"dd/MM/yyyy", false, "2804", 0, false},  // without auto tab digits never move the caret
        {"", true, "28", 1, false},               // the regional order: day, month, year
    };
    for (const auto& c : cases) {
        // A digit that leaves a field as it was moves nothing: start each
        // entry from the same date.
        picker->SetDateTime(base::EncodeDate(2024, 3, 15) + base::EncodeTime(10, 30, 0, 0));
        picker->SetFormat(c.format);
        picker->SetAutoTab(c.autoTab);
        picker->SetFieldIndex(0);
        picker->SetFocus();
        plat::test::ProcessEvents();
        TypeSlowly(*picker, c.typed);
        EXPECT_EQ(picker->FieldIndex(), c.field) << c.format << " " << c.typed;
        EXPECT_EQ(picker->TimePicker()->Focused(), c.timeFocused) << c.format << " " << c.typed;
    }
    EXPECT_EQ(base::DecodeDate(picker->DateTime()).day, 28);
    // The embedded time picker tabs through its own fields.
    picker->TimePicker()->SetFieldIndex(0);
    picker->TimePicker()->SetFocus();
    TypeSlowly(*picker->TimePicker(), "14");
    EXPECT_EQ(picker->TimePicker()->FieldIndex(), 1);
    EXPECT_EQ(base::DecodeTime(picker->DateTime()).hour, 14);
}

TEST_F(DateTimePicker, ValueJoinsTheDateAndTheEmbeddedTime) {
    picker->SetDateTime(base::EncodeDate(2023, 12, 31) + base::EncodeTime(23, 59, 58, 750));
    EXPECT_EQ(base::DecodeTime(picker->DateTime()).msec, 0) << "milliseconds are dropped";
    EXPECT_EQ(base::DecodeTime(picker->Time()).second, 58);
    int changes = 0, timeChanges = 0;
    std::vector<std::string> order;
    picker->OnChange = [&](plat::TObject*) { ++changes; order.push_back("change"); };
    picker->OnTimeChange = [&](plat::TObject*) { ++timeChanges; order.push_back("time"); };
    // The user steps the minute in the embedded picker...
    picker->TimePicker()->SetFieldIndex(1);
    SendKey(*picker->TimePicker(), plat::VK_DOWN);
    EXPECT_EQ(order, (std::vector<std::string>{"change", "time"}));
    EXPECT_EQ(base::DecodeTime(picker->DateTime()).minute, 58);
    // ... then a date field: the time edit stays.
    picker->SetFieldIndex(0);
    SendKey(*picker, plat::VK_DOWN);
    EXPECT_EQ(base::DecodeDate(picker->DateTime()).day, 30);
    EXPECT_EQ(base::DecodeTime(picker->DateTime()).minute, 58);
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(timeChanges, 1);
    picker->SetDate(base::EncodeDate(2020, 2, 29) + 0.25);
    EXPECT_EQ(base::DecodeDate(picker->DateTime()).year, 2020);
    EXPECT_EQ(base::DecodeTime(picker->DateTime()).hour, 23) << "SetDate keeps the time of day";
    EXPECT_EQ(picker->Version(), "1.2.0.0");
}

TEST_F(DateTimePicker, KindAndCheckBoxRuleTheEmbeddedTimePicker) {
    ASSERT_NE(picker->TimePicker(), nullptr);
    EXPECT_TRUE(picker->TimePicker()->Visible());
    EXPECT_LE(picker->TimePicker()->Left() + picker->TimePicker()->Width(), picker->Width() - 20)
        << "left of the drop-down button";
    picker->SetKind(dkDate);
    EXPECT_EQ(picker->TimePicker(), nullptr);
    picker->SetKind(dkDateTime);
    ASSERT_NE(picker->TimePicker(), nullptr);
    picker->SetShowCheckbox(true);
    picker->SetChecked(false);
    EXPECT_FALSE(picker->TimePicker()->Enabled());
    picker->SetEnabled(false);
    picker->SetEnabled(true);
    EXPECT_FALSE(picker->TimePicker()->Enabled()) << "a cleared box keeps the time disabled";
    SendKey(*picker, plat::VK_SPACE, 0, " ");
    EXPECT_TRUE(picker->Checked());
    EXPECT_TRUE(picker->TimePicker()->Enabled());
    picker->SetKind(dkTime);
    picker->SetTimeFormat("HH:mm");
    EXPECT_EQ(picker->DisplayText(), "10:30");
}

TEST_F(DateTimePicker, LabelSitsBesideThePickerAndFollowsTheFocus) {
    picker->SetFocusLabel(true);
    picker->SetLabelCaption("Start");
    plat::TLabel* label = picker->PickerLabel();
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->Parent(), form.get());
    picker->SetLabelPosition(lpTopLeft);
    EXPECT_EQ(label->Left(), 100);
    EXPECT_EQ(label->Top(), 60 - label->Height() - 4);
    picker->SetLabelPosition(lpRightTop);
    EXPECT_EQ(label->Left(), 100 + 220 + 4);
    EXPECT_EQ(label->Top(), 60);
    picker->SetEnabled(false);
    EXPECT_FALSE(label->Enabled());
    picker->SetLabelAlwaysEnabled(true);
    EXPECT_TRUE(label->Enabled());
    picker->SetEnabled(true);
    picker->SetFocus();
    plat::test::ProcessEvents();
    EXPECT_TRUE(label->Font().Style().Contains(plat::fsBold));
    form->SetFocus();
    plat::test::ProcessEvents();
    EXPECT_FALSE(label->Font().Style().Contains(plat::fsBold));
}

// The caption is lettered like the picker while the picker takes its
// window's font, in LabelFont once the picker has a font of its own, and
// bold while a FocusLabel picker has the focus.
TEST_F(DateTimePicker, LabelFontFollowsParentFont) {
    picker->LabelFont().SetName("Courier New");
    picker->LabelFont().SetSize(14);
    picker->SetLabelCaption("Start");
    plat::TLabel* label = picker->PickerLabel();
    ASSERT_NE(label, nullptr);
    ASSERT_TRUE(picker->ParentFont());
    EXPECT_TRUE(label->Font().SameAs(picker->Font()));
    form->Font().SetSize(12);
    EXPECT_EQ(label->Font().Size(), 12) << "the window's font reaches the label through the picker";

    plat::TFont own;
    own.SetName("Arial");
    own.SetSize(9);
    picker->SetFont(own);
    EXPECT_EQ(label->Font().Name(), "Courier New");
    EXPECT_EQ(label->Font().Size(), 14);
    picker->LabelFont().SetSize(16);
    EXPECT_EQ(label->Font().Size(), 16);

    picker->SetFocusLabel(true);
    picker->SetFocus();
    plat::test::ProcessEvents();
    picker->SetBounds(100, 70, 220, 21);  // laid out again while focused
    EXPECT_TRUE(label->Font().Style().Contains(plat::fsBold));
    EXPECT_EQ(label->Font().Size(), 16);
}

TEST_F(DateTimePicker, FlatLook) {
    picker->SetKind(dkDate);
    // Defaults (no flat look, 3D frame): exactly the plain control.
    auto* plain = new TDateTimePicker(form.get());
    plain->SetParent(form.get());
    plain->SetBounds(100, 120, 220, 21);
    plain->SetDateTime(picker->DateTime());
    form->SetFocus();
    plat::test::ProcessEvents();
    const std::string shown = TestOutFile("DateTimePicker_default.png"), plainShown = TestOutFile("DateTimePicker_plain.png");
    ASSERT_TRUE(plat::test::SaveScreenshot(*picker, shown));
    ASSERT_TRUE(plat::test::SaveScreenshot(*plain, plainShown));
    EXPECT_EQ(ReadFile(shown), ReadFile(plainShown));

    // Without the 3D frame: an outline in the border colour, or in the
    // parent's colour without a border.
    picker->SetCtl3D(false);
    picker->SetBorderColor(plat::clRed);
    plat::test::ProcessEvents();
    EXPECT_EQ(plat::test::PixelAt(*picker, 0, 10), Rgb(plat::clRed));
    picker->SetBorderStyle(dbsNone);
    plat::test::ProcessEvents();
    EXPECT_EQ(plat::test::PixelAt(*picker, 0, 10), Rgb(0x80FF80));

    // A custom button turns hot while the mouse is over it.
    picker->SetMetroStyle(true);
    picker->SetBorderStyle(dbsSingle);
    picker->ButtonColor = plat::clBlue;
    picker->ButtonColorHot = plat::clYellow;
    picker->ButtonTextColor = plat::clWhite;
    const int bx = picker->Width() - picker->ButtonWidth() / 2 - 2, by = 6;
    plat::test::MouseMove(*picker, 20, 10);
    plat::test::ProcessEvents();
    EXPECT_FALSE(picker->ButtonHover());
    EXPECT_EQ(plat::test::PixelAt(*picker, bx + 5, by), Rgb(plat::clBlue));
    plat::test::MouseMove(*picker, bx, 10);
    plat::test::ProcessEvents();
    EXPECT_TRUE(picker->ButtonHover());
    EXPECT_EQ(plat::test::PixelAt(*picker, bx + 5, by), Rgb(plat::clYellow));
    EXPECT_TRUE(plat::test::SaveScreenshot(*picker, TestOutFile("DateTimePicker_flat.png")));
    // The focus colour replaces the border colour while the picker has the focus.
    picker->SetFocusBorderColor(plat::clFuchsia);
    picker->SetFocus();
    plat::test::ProcessEvents();
    EXPECT_EQ(plat::test::PixelAt(*picker, 0, 10), Rgb(plat::clFuchsia));
}

}  // namespace

namespace {

// The field stepping and clamping the pickers and the grid's date editor share.
TEST(DateFields, StepAndEncodeKeepEveryPartInRange) {
    const struct {
        const char* name;
        base::TDateTime from;
        ctl::TDateFieldPart part;
        int delta;
        base::TDateTime to;
    } cases[] = {
        {"day wraps within its month", base::EncodeDate(2024, 1, 31), ctl::fpDay, 1, base::EncodeDate(2024, 1, 1)},
        {"day wraps down in a leap February", base::EncodeDate(2024, 2, 1), ctl::fpDay, -1,
         base::EncodeDate(2024, 2, 29)},
        {"month wraps and the day follows its month", base::EncodeDate(2023, 1, 31), ctl::fpMonth, 1,
         base::EncodeDate(2023, 2, 28)},
        {"month wraps below January", base::EncodeDate(2023, 1, 15), ctl::fpMonth, -1, base::EncodeDate(2023, 12, 15)},
        {"year goes on", base::EncodeDate(2024, 2, 29), ctl::fpYear, 1, base::EncodeDate(2025, 2, 28)},
        {"hour wraps", base::EncodeDate(2023, 5, 5) + base::EncodeTime(23, 10, 0, 0), ctl::fpHour24, 1,
         base::EncodeDate(2023, 5, 5) + base::EncodeTime(0, 10, 0, 0)},
        {"minute wraps down", base::EncodeDate(2023, 5, 5) + base::EncodeTime(8, 0, 30, 0), ctl::fpMinute, -1,
         base::EncodeDate(2023, 5, 5) + base::EncodeTime(8, 59, 30, 0)},
        {"second wraps", base::EncodeDate(2023, 5, 5) + base::EncodeTime(8, 1, 59, 0), ctl::fpSecond, 1,
         base::EncodeDate(2023, 5, 5) + base::EncodeTime(8, 1, 0, 0)},
        {"am and pm swap", base::EncodeDate(2023, 5, 5) + base::EncodeTime(9, 0, 0, 0), ctl::fpAmPm, 1,
         base::EncodeDate(2023, 5, 5) + base::EncodeTime(21, 0, 0, 0)},
        {"a literal changes nothing", base::EncodeDate(2023, 5, 5), ctl::fpLiteral, 1, base::EncodeDate(2023, 5, 5)},
    };
    for (const auto& c : cases) {
        ctl::TDateFields f(c.from);
        f.Step(c.part, c.delta);
        EXPECT_DOUBLE_EQ(f.Encode(), c.to) << c.name;
    }
    // Parts typed out of range are brought back into it.
    ctl::TDateFields f(base::EncodeDate(2023, 4, 10));
    f.Day = 31;
    f.Hour = 30;
    EXPECT_DOUBLE_EQ(f.Encode(), base::EncodeDate(2023, 4, 30) + base::EncodeTime(23, 0, 0, 0));
}

// The date part drops down a month view: opened by F4, Alt+Down or its
// button, a day picked by keys or a click; Esc leaves the date alone.
TEST_F(DateTimePicker, MonthViewDropsDownAndPicksADay) {
    int changes = 0;
    picker->OnChange = [&](plat::TObject*) { ++changes; };
    enum TOpen { byF4, byAltDown, byButton };
    const struct {
        const char* name;
        TOpen open;
        std::vector<unsigned short> keys;  // in the month view, before it closes
        int clickDay;                     // a click on this day of the month closes it; 0: none
        int day;                          // the day afterwards
        int changes;
    } cases[] = {
        {"Enter", byF4, {plat::VK_RIGHT, plat::VK_DOWN, plat::VK_RETURN}, 0, 23, 1},
        {"Esc", byAltDown, {plat::VK_LEFT, plat::VK_ESCAPE}, 0, 15, 0},
        {"click", byButton, {}, 5, 5, 1},
        {"F4 again", byAltDown, {plat::VK_UP, plat::VK_F4}, 0, 8, 1},
    };
    for (const auto& c : cases) {
        picker->SetDateTime(base::EncodeDate(2024, 3, 15) + base::EncodeTime(10, 30, 0, 0));
        picker->SetFocus();
        changes = 0;
        if (c.open == byF4) SendKey(*picker, plat::VK_F4);
        else if (c.open == byAltDown) SendKey(*picker, plat::VK_DOWN, plat::ssAlt);
        else plat::test::ClickAt(*picker, picker->Width() - 6, picker->Height() / 2);
        plat::test::ProcessEvents();
        ASSERT_TRUE(picker->DroppedDown()) << c.name;
        plat::TMonthCalendar* cal = picker->Calendar();
        EXPECT_EQ(cal->Year() * 10000 + cal->Month() * 100 + cal->Day(), 20240315) << c.name;
        // Below the picker, over its bottom line as every pop-up of the pickers.
        EXPECT_EQ(picker->CalendarForm()->Top(), form->ClientToScreen({0, picker->Top() + picker->Height() - 1}).Y);
        EXPECT_EQ(picker->CalendarForm()->Left(), form->ClientToScreen({picker->Left(), 0}).X);
        if (c.open == byF4) {
            EXPECT_EQ(plat::test::AccessibleNameOf(*cal), "Month calendar");
            EXPECT_TRUE(plat::test::SaveScreenshot(*picker->CalendarForm(),
                                                   TestOutFile("DateTimePicker_month_view.png")));
        }
        for (unsigned short k : c.keys) SendKey(*cal, k);
        if (c.clickDay != 0) {
            int x = 0, y = 0;
            ASSERT_TRUE(cal->PointOfDay(2024, 3, c.clickDay, x, y)) << c.name;
            plat::test::ClickAt(*cal, x, y);
        }
        plat::test::ProcessEvents();
        EXPECT_FALSE(picker->DroppedDown()) << c.name;
        EXPECT_TRUE(picker->Focused()) << c.name << ": the focus is back on the picker";
        const base::TDateParts d = base::DecodeDate(picker->DateTime());
        EXPECT_EQ(d.year * 10000 + d.month * 100 + d.day, 20240300 + c.day) << c.name;
        EXPECT_EQ(base::DecodeTime(picker->DateTime()).hour, 10) << c.name << ": the time of day stays";
        EXPECT_EQ(base::DecodeTime(picker->DateTime()).minute, 30) << c.name;
        EXPECT_EQ(changes, c.changes) << c.name;
    }
    // A time has no month view.
    picker->SetKind(dkTime);
    SendKey(*picker, plat::VK_F4);
    EXPECT_FALSE(picker->DroppedDown());
}

}  // namespace
