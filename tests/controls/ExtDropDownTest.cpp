#include "controls/ExtDropDown.h"

#include <gtest/gtest.h>

#include "controls/EsgHTMLE.h"
#include "base/StrUtils.h"
#include "controls/ExtUtil.h"
#include "controls/LocaleText.h"
#include "platform/Bitmap.h"
#include "platform/Forms.h"
#include "platform/GuiApp.h"
#include "platform/Clipboard.h"
#include "platform/ExtCtrls.h"
#include "platform/Menus.h"
#include "platform/Messages.h"
#include "platform/Process.h"
#include "platform/TestHooks.h"

#include "DropDownOnForm.h"
#include "PickerTestSupport.h"

namespace {

using namespace ctl;
using plat::test::SendKey;
using plat::test::TypeText;

class DropDown : public DropDownOnForm<TExtCustomDropDown> {
protected:
    void SetUp() override {
        DropDownOnForm::SetUp();
        dd->SetBounds(100, 40, 160, 22);
        Show();
    }
    // Opens the edit's menu by a right click and chooses the entry.
    void PickFromEditMenu(const std::string& Entry) {
        plat::test::ContextMenuAt(*dd, 5, 5);
        plat::TPopupMenu* menu = plat::TPopupMenu::Showing();
        ASSERT_NE(menu, nullptr);
        for (size_t i = 0; i < menu->Items().size(); ++i)
            if (menu->Items()[i].Caption == Entry) return menu->Pick(static_cast<int>(i));
        FAIL() << "no entry " << Entry;
    }
};

// Typing rules of the edit kinds, each case typed key by key into a fresh
// text; the caret starts at the end unless given.
TEST_F(DropDown, TypingRulesByEditKind) {
    const char ds = GetDecimalSeparator();
    ASSERT_EQ(ds, '.');  // the cases below are written for a point
    const struct {
        TDropDownEditType kind;
        int precision;
        bool isSigned;
        const char* start;
        int caret;  // -1 = end
        const char* typed;
        const char* shown;
    } cases[] = {
        {etNumeric, 0, false, "", -1, "12a3-", "123"},
        {etNumeric, 0, true, "25", 1, "-", "-25"},
        {etNumeric, 0, true, "25", 1, "--", "25"},
        {etFloat, 2, false, "12.34", -1, "5", "12.34"},   // the fraction is full
        {etFloat, 2, false, "12.34", 3, "9", "12.94"},    // a digit replaces the next one
        {etFloat, 2, false, "", 0, ".5", "0.5"},
        {etFloat, 2, false, "1.5", -1, ".", "1.5"},       // a second separator is refused
        {etFloat, 0, false, "", -1, "7x.", "7"},
        {etMoney, 2, false, "", -1, "1234", "1,234"},
        {etMoney, 2, false, "", -1, "1234.5", "1,234.5"},
        {etHex, 0, false, "", -1, "1fZ9", "1f9"},
        {etAlphaNumeric, 0, false, "", -1, "a1-b_2", "a1b2"},
        {etRange, 0, false, "", -1, "1--5;7", "1-5;7"},
        {etRange, 0, false, "", -1, "-1", "1"},           // no separator at the start
        {etUppercase, 0, false, "", -1, "abC", "ABC"},
        {etLowerCase, 0, false, "", -1, "AbC", "abc"},
        {etUppercase, 0, false, "", -1, "éàωжß", "ÉÀΩЖß"},  // the locale's letters, not ASCII only
        {etLowerCase, 0, false, "", -1, "ÉÀΩЖ", "éàωж"},
        {etString, 0, false, "", -1, "x-y", "x-y"},
        {etMixedCase, 0, false, "", -1, "jOHN o'neil", "John O'Neil"},
        {etMixedCase, 0, false, "smith", 0, "a ", "A Smith"},  // the caret stays after what was typed
    };
    for (const auto& c : cases) {
        dd->SetEditType(etString);
        dd->SetPrecision(0);
        dd->SetPlainText(c.start);
        dd->SetEditType(c.kind);
        dd->SetPrecision(c.precision);
        dd->SetSigned(c.isSigned);
        dd->SetPlainText(c.start);
        dd->SetSelStart(c.caret < 0 ? static_cast<int>(std::string(c.start).size()) : c.caret);
        dd->SetSelLength(0);
        TypeText(*dd, c.typed);
        EXPECT_EQ(dd->Text(), c.shown) << c.kind << " '" << c.start << "' + '" << c.typed << "'";
    }
}

// The caret counts characters, so a prefix or suffix of letters longer in
// bytes (€, ²) guards the same places as plain ones.
TEST_F(DropDown, PrefixAndSuffixGuardTheCaret) {
    for (const auto& [prefix, suffix] : {std::pair<std::string, std::string>{"$", " kg"}, {"€", " m²"}}) {
        dd->SetPrefix(prefix);
        dd->SetSuffix(suffix);
        const struct {
            unsigned short key;
            int caretBefore;
            int caretAfter;
            const char* plain;
        } cases[] = {
            {plat::VK_HOME, 3, 1, "12"},
            {plat::VK_END, 1, 3, "12"},
            {plat::VK_LEFT, 1, 1, "12"},   // cannot step into the prefix
            {plat::VK_RIGHT, 3, 3, "12"},  // nor into the suffix
            {plat::VK_BACK, 1, 1, "12"},
            {plat::VK_DELETE, 3, 3, "12"},
            {plat::VK_BACK, 2, 1, "2"},
        };
        for (const auto& c : cases) {
            dd->SetText("12");
            ASSERT_EQ(dd->Text(), prefix + "12" + suffix);
            dd->SetSelStart(c.caretBefore);
            dd->SetSelLength(0);
            SendKey(*dd, c.key, 0, c.key == plat::VK_BACK ? "\b" : "");
            EXPECT_EQ(dd->SelStart(), c.caretAfter) << prefix << " " << c.key << " at " << c.caretBefore;
            EXPECT_EQ(dd->Text(), prefix + c.plain + suffix) << prefix << " " << c.key << " at " << c.caretBefore;
        }
        EXPECT_EQ(dd->GetText(), "2");
    }
}

// A click in the prefix selects the text after it; a click in the suffix
// puts the caret at the end of the text, never inside the suffix.
TEST_F(DropDown, ClickInPrefixOrSuffixKeepsTheCaretOnTheText) {
    dd->SetPrefix("€ ");
    dd->SetSuffix(" m²");
    dd->SetText("12");
    ASSERT_EQ(dd->Text(), "€ 12 m²");
    const int h = dd->Height() / 2;
    const struct {
        const char* where;
        int x;  // the prefix's first letter, or past the end of the text
        int selStart, selLength;
    } cases[] = {
        {"prefix", 3, 2, 2},
        {"suffix", 110, 4, 0},
    };
    for (const auto& c : cases) {
        dd->SetSelStart(3);
        plat::test::ClickAt(*dd, c.x, h);
        EXPECT_EQ(dd->SelStart(), c.selStart) << c.where;
        EXPECT_EQ(dd->SelLength(), c.selLength) << c.where;
        TypeText(*dd, "5");
        EXPECT_EQ(dd->GetText(), std::string(c.where) == "prefix" ? "5" : "125") << c.where;
        dd->SetText("12");
    }
}

// A suffix that was typed over is not there any more: cutting its length
// off blindly would eat the user's digits.
TEST_F(DropDown, GetTextCutsOnlyARealSuffix) {
    dd->SetSuffix(" kg");
    dd->SetPlainText("1234");
    EXPECT_EQ(dd->GetText(), "1234");
    dd->SetPlainText("12 kg");
    EXPECT_EQ(dd->GetText(), "12");
}

TEST_F(DropDown, NumericTextsAndConversions) {
    const struct {
        const char* text;
        int code;
    } classes[] = {{"", 2}, {"123", 0}, {"-12", 0}, {"1.5", 1}, {"1,234.5", 1}, {"1A", 5}, {"1..2", 2}, {"--1", 2},
                   {"x", 2}};
    for (const auto& c : classes) EXPECT_EQ(CheckNumericText(c.text), c.code) << c.text;
    EXPECT_EQ(HexToInt("1F"), 31);
    EXPECT_EQ(HexToInt("zz"), 0);
    EXPECT_EQ(TExtCustomDropDown::TextToFloat("abc"), 0);
    EXPECT_EQ(TExtCustomDropDown::TextToFloat("1,234.5"), 1234.5);
    dd->SetEditType(etFloat);
    dd->SetPrecision(2);
    dd->SetText("");
    EXPECT_EQ(dd->Text(), "0.00");
    dd->SetEditType(etNumeric);
    dd->SetPlainText("");
    form->SetFocus();
    dd->Perform(plat::WM_KILLFOCUS);
    EXPECT_EQ(dd->Text(), "0");
}

TEST(DropDownPlacement, ScreenEdges) {
    const plat::TMonitorRect work{0, 0, 1000, 760};
    const struct {
        plat::TPoint p;
        int w, h;
        TDropPosition pos;
        plat::TPoint at;
    } cases[] = {
        {{100, 100}, 200, 150, dpAuto, {100, 121}},   // room below
        {{100, 650}, 200, 150, dpAuto, {100, 500}},   // 650 + 150 = screen height: above
        {{100, 649}, 200, 150, dpAuto, {100, 670}},   // one pixel less: below
        {{100, 100}, 200, 150, dpUp, {100, -50}},
        {{100, 700}, 200, 150, dpDown, {100, 721}},   // the bottom is not clamped
        {{900, 100}, 200, 150, dpAuto, {800, 121}},   // shifted back from the right edge
        {{-50, 100}, 200, 150, dpAuto, {-50, 121}},   // the left side is not clamped
    };
    for (const auto& c : cases) {
        const plat::TPoint at = PlaceDropDown(c.p, 22, c.w, c.h, c.pos, 800, work);
        EXPECT_EQ(at.X, c.at.X) << c.p.X << "," << c.p.Y;
        EXPECT_EQ(at.Y, c.at.Y) << c.p.X << "," << c.p.Y;
    }
}

TEST_F(DropDown, KeyboardOpensAndClosesWithFocusBackOnTheEdit) {
    const struct {
        unsigned short key;
        plat::TShiftState shift;
        bool openBefore;
        bool openAfter;
        bool cancelled;
    } cases[] = {
        {plat::VK_DOWN, plat::ssAlt, false, true, false},
        {plat::VK_DOWN, plat::ssAlt, true, false, false},
        {plat::VK_UP, plat::ssAlt, true, false, false},
        {plat::VK_F4, 0, false, true, false},
        {plat::VK_F4, 0, true, false, false},
        {plat::VK_ESCAPE, 0, true, false, true},
        {plat::VK_RETURN, 0, true, false, false},
        {plat::VK_DOWN, 0, false, false, false},
    };
    for (const auto& c : cases) {
        int dropUps = 0;
        bool wasCancelled = false;
        dd->OnDropUp = [&](plat::TObject*, bool Cancelled) { ++dropUps, wasCancelled = Cancelled; };
        dd->SetText("old");
        if (c.openBefore) dd->ShowDropDown();
        ASSERT_EQ(dd->DroppedDown(), c.openBefore);
        dd->SetPlainText("new");
        SendKey(*dd, c.key, c.shift);
        EXPECT_EQ(dd->DroppedDown(), c.openAfter) << c.key;
        EXPECT_EQ(dd->DropDownForm()->Visible(), c.openAfter) << c.key;
        if (c.openBefore && !c.openAfter) {
            EXPECT_EQ(dropUps, 1) << c.key;
            EXPECT_EQ(wasCancelled, c.cancelled) << c.key;
            EXPECT_EQ(dd->Text(), c.cancelled ? "old" : "new") << c.key;
            EXPECT_TRUE(dd->Focused()) << c.key;
        }
        dd->HideDropDown(false);
    }
}

// Counts the steps the wheel asks of a picker.
class TStepCounter : public TExtCustomDropDown {
public:
    using TExtCustomDropDown::TExtCustomDropDown;
    void SelectNextItem() override { ++next; }
    void SelectPreviousItem() override { ++previous; }
    int next = 0, previous = 0;
};

class DropDownWheel : public DropDownOnForm<TStepCounter> {
protected:
    void SetUp() override {
        DropDownOnForm::SetUp();
        TBarAppearance footer = dd->DropDownFooter();
        footer.Buttons = {{"OK", true, 0, 0, plat::mrNone}};
        dd->SetDropDownFooter(footer);
        Show();
    }
};

// The wheel turned down steps to the next entry and up to the previous
// one, over the closed edit and over any part of the open pop-up.
TEST_F(DropDownWheel, StepsTheEntryOverTheEditAndThePopUp) {
    const struct {
        const char* where;
        bool open;
        int delta;
        int next, previous;
    } cases[] = {
        {"edit", false, -120, 1, 0},
        {"edit", false, 120, 0, 1},
        {"arrow", false, -120, 1, 0},
        {"header", true, -120, 1, 0},
        {"header", true, 120, 0, 1},
        {"footer button", true, -120, 1, 0},
        {"pop-up", true, 120, 0, 1},
    };
    for (const auto& c : cases) {
        if (c.open) dd->ShowDropDown();
        ASSERT_EQ(dd->DroppedDown(), c.open) << c.where;
        dd->next = dd->previous = 0;
        const std::string where = c.where;
        TDropDownForm* f = dd->DropDownForm();
        if (where == "edit") plat::test::Wheel(*dd, c.delta, 10, 10);
        else if (where == "arrow") plat::test::Wheel(*dd->Button()->Button(), c.delta, 4, 4);
        else if (where == "header") plat::test::Wheel(*f->Header(), c.delta, 5, 5);
        else if (where == "footer button") plat::test::Wheel(*f->Footer()->Buttons(0), c.delta, 3, 3);
        else plat::test::Wheel(*f->Client(), c.delta, 0, f->Client()->Height() / 2);
        EXPECT_EQ(dd->next, c.next) << c.where << " " << c.delta;
        EXPECT_EQ(dd->previous, c.previous) << c.where << " " << c.delta;
        dd->HideDropDown(false);
    }
}

// An edit that takes no typing opens its pop-up from a click on its text;
// one that takes typing only places the caret there.
TEST_F(DropDown, ClickOnTheTextOpensAnEditThatTakesNoTyping) {
    for (bool editorEnabled : {true, false}) {
        dd->SetEditorEnabled(editorEnabled);
        dd->SetText("abc");
        plat::test::ClickAt(*dd, 10, dd->Height() / 2);
        EXPECT_EQ(dd->DroppedDown(), !editorEnabled) << editorEnabled;
        dd->HideDropDown(false);
        dd->DropDownForm()->SetDeActivateTime(0);
    }
}

TEST_F(DropDown, KeysTypedInThePopUpReachTheEdit) {
    dd->SetText("ab");
    dd->ShowDropDown();
    ASSERT_TRUE(dd->DroppedDown());
    dd->SetSelStart(2);
    TypeText(*dd->DropDownForm(), "c");
    EXPECT_EQ(dd->Text(), "abc");
    SendKey(*dd->DropDownForm(), plat::VK_ESCAPE);
    EXPECT_FALSE(dd->DroppedDown());
    EXPECT_EQ(dd->Text(), "ab");
    EXPECT_TRUE(dd->Focused());
}

// Letters typed while the pop-up is open reach the edit whatever their
// alphabet, by the edit's rules, where the caret stands.
TEST_F(DropDown, AccentedLettersTypedInThePopUpReachTheEdit) {
    const struct {
        TDropDownEditType kind;
        const char* start;
        int at;             // caret before typing, -1 = at the end
        const char* typed;  // "\b" = Backspace
        const char* shown;
        int caret;
    } cases[] = {
        {etString, "ab", -1, "é€Ω", "abé€Ω", 5},
        {etUppercase, "AB", -1, "éω", "ABÉΩ", 4},
        {etLowerCase, "ab", -1, "ÉΩ", "abéω", 4},
        {etString, "abé", -1, "\b", "ab", 2},
        {etString, "aéb", 2, "ü", "aéüb", 3},
    };
    for (const auto& c : cases) {
        dd->SetEditType(etString);
        dd->SetEditType(c.kind);
        dd->SetText(c.start);
        dd->ShowDropDown();
        ASSERT_TRUE(dd->DroppedDown());
        dd->SetSelStart(c.at < 0 ? Utf8Length(c.start) : c.at);
        dd->SetSelLength(0);
        if (std::string(c.typed) == "\b") SendKey(*dd->DropDownForm(), plat::VK_BACK);
        else TypeText(*dd->DropDownForm(), c.typed);
        EXPECT_EQ(dd->Text(), c.shown) << c.kind << " " << c.typed;
        EXPECT_EQ(dd->SelStart(), c.caret) << c.kind << " " << c.typed;
        EXPECT_TRUE(dd->DroppedDown());
        dd->HideDropDown(false);
    }
}

// Esc on the closed edit selects its text (not the prefix) and drops the
// modified mark, unless CanUndo is off.
TEST_F(DropDown, EscapeSelectsTheTextAndClearsModified) {
    const struct {
        const char* prefix;
        bool canUndo;
        int selStart, selLength;
        bool modified;
    } cases[] = {
        {"", true, 0, 5, false},
        {"€ ", true, 2, 5, false},
        {"", false, 5, 0, true},
    };
    for (const auto& c : cases) {
        dd->SetPrefix(c.prefix);
        dd->SetCanUndo(c.canUndo);
        dd->SetText("");
        dd->SetSelStart(Utf8Length(c.prefix));
        TypeText(*dd, "héllo");
        ASSERT_TRUE(dd->IsModified());
        SendKey(*dd, plat::VK_ESCAPE);
        EXPECT_EQ(dd->SelStart(), c.selStart) << c.prefix << c.canUndo;
        EXPECT_EQ(dd->SelLength(), c.selLength) << c.prefix << c.canUndo;
        EXPECT_EQ(dd->IsModified(), c.modified) << c.prefix << c.canUndo;
    }
}

// With ExcelStyleDecimalSeparator the keypad's decimal key types the
// locale's separator; the main block's keys type what they show.
TEST_F(DropDown, KeypadDecimalKeyTypesTheLocaleSeparator) {
    const char oldDecimal = base::DecimalSeparator();
    base::SetDecimalSeparator(',');
    const struct {
        bool excel;
        bool keypad;
        const char* shown;
    } cases[] = {
        {true, true, "1,"},
        {false, true, "1."},
        {true, false, "1."},
    };
    for (const auto& c : cases) {
        dd->SetExcelStyleDecimalSeparator(c.excel);
        dd->SetPlainText("1");
        dd->SetSelStart(1);
        if (c.keypad) SendKey(*dd, plat::VK_DECIMAL, 0, ".");
        else TypeText(*dd, ".");
        EXPECT_EQ(dd->Text(), c.shown) << c.excel << c.keypad;
    }
    base::SetDecimalSeparator(oldDecimal);
}

TEST_F(DropDown, ArrowClickAfterDeactivationDoesNotReopen) {
    dd->ShowDropDown();
    ASSERT_TRUE(dd->DroppedDown());
    bool cancelled = false;
    dd->OnDropUp = [&](plat::TObject*, bool c) { cancelled = c; };
    // Clicking the arrow first activates the edit's window: the pop-up loses
    // activation and closes cancelled.
    dd->DropDownForm()->Perform(plat::CM_DEACTIVATE);
    EXPECT_FALSE(dd->DroppedDown());
    EXPECT_TRUE(cancelled);
    plat::test::ClickAt(*dd->Button()->Button());
    EXPECT_FALSE(dd->DroppedDown());
    dd->DropDownForm()->SetDeActivateTime(plat::TickCountMs() - 251);
    plat::test::ClickAt(*dd->Button()->Button());
    EXPECT_TRUE(dd->DroppedDown());
}

TEST_F(DropDown, VetoedOpeningStaysClosed) {
    bool before = false;
    dd->OnBeforeDropDown = [&](plat::TObject*) { before = true; };
    dd->OnDropDown = [](plat::TObject*, bool& accept) { accept = false; };
    SendKey(*dd, plat::VK_F4);
    EXPECT_TRUE(before);
    EXPECT_FALSE(dd->DroppedDown());
    EXPECT_FALSE(dd->DropDownForm()->Visible());
    dd->OnDropDown = nullptr;
    dd->SetReadOnly(true);
    dd->ShowDropDown();
    EXPECT_FALSE(dd->DroppedDown());
}

TEST_F(DropDown, PopUpSizeAndUserSize) {
    dd->DropDownHeader().Visible = false;
    dd->DropDownFooter().Visible = false;
    dd->ShowDropDown();
    EXPECT_EQ(dd->DropDownForm()->Width(), 160);
    EXPECT_EQ(dd->DropDownForm()->Height(), 50);  // never smaller than 80 x 50
    dd->DropDownForm()->SetBounds(dd->DropDownForm()->Left(), dd->DropDownForm()->Top(), 300, 120);
    dd->HideDropDown(false);
    dd->ShowDropDown();
    EXPECT_EQ(dd->DropDownForm()->Width(), 300);
    EXPECT_EQ(dd->DropDownForm()->Height(), 120);
    dd->HideDropDown(false);
    dd->SetDropDownWidth(250);  // forgets the remembered width only
    dd->ShowDropDown();
    EXPECT_EQ(dd->DropDownForm()->Width(), 250);
    EXPECT_EQ(dd->DropDownForm()->Height(), 120);
}

TEST_F(DropDown, FooterGripDragResizesThePopUp) {
    for (bool sizeable : {false, true}) {
        dd->SetDropDownSizeable(sizeable);
        dd->SetDropDownWidth(200);
        dd->SetDropDownHeight(100);
        dd->ShowDropDown();
        TDropDownForm* f = dd->DropDownForm();
        TExtBar* footer = f->Footer();
        ASSERT_NE(footer, nullptr);
        const int x = footer->Width() - 4, y = footer->Height() - 4;
        EXPECT_EQ(footer->InGrip(x, y), sizeable);
        plat::test::MouseDown(*footer, plat::mbLeft, x, y);
        plat::test::MouseMove(*footer, x + 60, y + 40, plat::ssLeft);
        plat::test::MouseUp(*footer, plat::mbLeft, x + 60, y + 40);
        EXPECT_EQ(f->Width(), sizeable ? 260 : 200) << sizeable;
        EXPECT_EQ(f->Height(), sizeable ? 140 : 100) << sizeable;
        dd->HideDropDown(false);
        dd->ShowDropDown();
        EXPECT_EQ(f->Width(), sizeable ? 260 : 200) << "the user's size is kept";
        dd->HideDropDown(false);
    }
    // Dragged smaller than the smallest pop-up, it stops there.
    dd->SetDropDownSizeable(true);
    dd->SetDropDownWidth(120);
    dd->ShowDropDown();
    TExtBar* footer = dd->DropDownForm()->Footer();
    const int x = footer->Width() - 4, y = footer->Height() - 4;
    plat::test::MouseDown(*footer, plat::mbLeft, x, y);
    plat::test::MouseMove(*footer, x - 200, y - 200, plat::ssLeft);
    plat::test::MouseUp(*footer, plat::mbLeft, x - 200, y - 200);
    EXPECT_EQ(dd->DropDownForm()->Width(), 80);
    EXPECT_EQ(dd->DropDownForm()->Height(), 50);
}

// Two 10 x 8 images filled with one colour each.
class TwoImages : public IHtmlImageList {
public:
    TwoImages() {
        for (int i = 0; i < 2; ++i) {
            bmp[i].SetSize(10, 8);
            bmp[i].Canvas().Brush().SetColor(i == 0 ? plat::clLime : plat::clFuchsia);
            bmp[i].Canvas().FillRect(plat::Rect(0, 0, 10, 8));
        }
    }
    int Count() const override { return 2; }
    int Width() const override { return 10; }
    int Height() const override { return 8; }
    void Draw(plat::TCanvas& c, int x, int y, int i) const override { c.Draw(x, y, bmp[i]); }
    void GetBitmap(int i, plat::TBitmap& out) const override { out = bmp[i]; }
    plat::TBitmap bmp[2];
};

TEST_F(DropDown, BarsAndButtonsShowTheirImages) {
    TwoImages images;
    dd->SetImages(&images);
    TBarAppearance header = dd->DropDownHeader();
    header.Visible = true;
    header.Caption = "Pick";
    header.ImageIndex = 0;
    header.Buttons = {{"", true, 0, 0, plat::mrNone, 1}, {"Text", true, 0, 0, plat::mrNone, 7}};
    dd->SetDropDownHeader(header);
    dd->ShowDropDown();
    TExtBar* bar = dd->DropDownForm()->Header();
    plat::test::ProcessEvents();
    const plat::TRect cap = bar->CaptionRect();
    EXPECT_EQ(cap.Left, bar->Appearance().BorderWidth + 10 + 8 + 2) << "the caption follows the image";
    const int iy = (bar->Height() - 8) / 2;
    EXPECT_EQ(plat::test::PixelAt(*bar, bar->Appearance().BorderWidth + 4 + 5, iy + 4), (plat::test::TRgb{0, 255, 0}));
    TExtBarButton* imageOnly = bar->Buttons(0);
    EXPECT_EQ(imageOnly->Width(), 10 + 8) << "sized to its image";
    EXPECT_EQ(plat::test::PixelAt(*imageOnly, imageOnly->Width() / 2, imageOnly->Height() / 2),
              (plat::test::TRgb{255, 0, 255}));
    // An index the list does not have draws nothing and keeps the caption.
    EXPECT_GT(bar->Buttons(1)->Width(), 0);
    EXPECT_TRUE(plat::test::SaveScreenshot(*dd->DropDownForm(),
                                           TestOutFile("DropDown_bar_images.png")));
    dd->HideDropDown(false);
    dd->SetImages(nullptr);
}

TEST(DropDownItemStyle, StylesLoadTheItemColours) {
    const struct {
        TKeloStyle style;
        plat::TColor hot, selected, border, edge, selectedText;
    } cases[] = {
        {tsSuiteABlue, 0xEBFDFF, 0xAAD9FF, 0x42AEFE, plat::clNone, plat::clBlack},
        {tsSuiteBAzure, 0xEBFDFF, 0xAAD9FF, 0x42AEFE, 0xC3D9DF, plat::clBlack},
        {tsBevel, 0xEFD3C6, plat::clHighlight, plat::clHighlight, plat::clNone, plat::clHighlightText},
        {tsGlass, 0xFDFBFA, 0xFCEBDC, 0xCEA27D, 0xE0C5AE, plat::clBlack},
        {tsSuiteCBlack, 0xD9F9FD, 0x7BEEFF, 0x308AC2, plat::clNone, plat::clBlack},
    };
    for (const auto& c : cases) {
        TItemAppearance a;
        a.BorderColorHot = plat::clRed;
        SetItemAppearanceStyle(&a, c.style);
        EXPECT_EQ(a.ColorHot, c.hot) << c.style;
        EXPECT_EQ(a.ColorSelected, c.selected) << c.style;
        EXPECT_EQ(a.BorderColor, c.border) << c.style;
        EXPECT_EQ(a.EdgeColor, c.edge) << c.style;
        EXPECT_EQ(a.ColorSelectedText, c.selectedText) << c.style;
        EXPECT_EQ(a.BorderColorHot, plat::clNone) << c.style;
    }
    TItemAppearance custom;
    custom.ColorHot = plat::clRed;
    SetItemAppearanceStyle(&custom, tsCustom);
    EXPECT_EQ(custom.ColorHot, plat::clRed);
    SetItemAppearanceStyle(nullptr, tsGlass);  // nothing to load into
}

TEST_F(DropDown, FooterButtonsCloseByTheirResult) {
    TBarAppearance footer = dd->DropDownFooter();
    footer.Buttons = {{"Cancel", true, 0, 0, plat::mrCancel}, {"Retry", true, 0, 0, plat::mrRetry},
                      {"OK", true, 0, 0, plat::mrOk}};
    dd->SetDropDownFooter(footer);
    std::vector<int> clicked;
    dd->OnDropDownFooterButtonClick = [&](plat::TObject*, int i) { clicked.push_back(i); };
    const struct {
        int index;
        bool closes;
        bool cancelled;
    } cases[] = {{0, true, true}, {1, false, false}, {2, true, false}};
    for (const auto& c : cases) {
        dd->SetText("old");
        dd->ShowDropDown();
        dd->SetPlainText("new");
        bool cancelled = false;
        dd->OnDropUp = [&](plat::TObject*, bool x) { cancelled = x; };
        TExtBar* bar = dd->DropDownForm()->Footer();
        ASSERT_NE(bar, nullptr);
        ASSERT_EQ(bar->ButtonCount(), 3);
        plat::test::ClickAt(*bar->Buttons(c.index));
        EXPECT_EQ(dd->DroppedDown(), !c.closes) << c.index;
        if (c.closes) EXPECT_EQ(cancelled, c.cancelled) << c.index;
        EXPECT_EQ(clicked.back(), c.index);
        dd->HideDropDown(false);
    }
    // The first item stands rightmost, left of the size grip.
    dd->ShowDropDown();
    TExtBar* bar = dd->DropDownForm()->Footer();
    EXPECT_EQ(bar->Buttons(0)->Left() + bar->Buttons(0)->Width(), bar->Width() - 14);
    EXPECT_LT(bar->Buttons(1)->Left(), bar->Buttons(0)->Left());
}

TEST_F(DropDown, StylesColourPopUpBarsAndButtons) {
    dd->SetComponentStyle(tsSuiteABlue);
    EXPECT_EQ(dd->DropDownHeader().BorderColor, 0x000000u);
    EXPECT_EQ(dd->DropDownFooter().BorderColor, 0x962D00u);
    EXPECT_EQ(dd->ButtonAppearance().Color, 0xFCE1CBu);
    dd->SetComponentStyle(tsFrost);
    EXPECT_EQ(dd->DropDownFooter().Color, 0xFFFAF0u);  // the header's colours swapped
    EXPECT_EQ(dd->DropDownFooter().ColorTo, 0xFFFDF9u);
    EXPECT_EQ(dd->DropDownBorderColor(), 0x979797u);
    const plat::TColor before = dd->DropDownColor();
    dd->SetComponentStyle(tsCustom);
    EXPECT_EQ(dd->GetComponentStyle(), tsCustom);
    EXPECT_EQ(dd->DropDownColor(), before);
    EXPECT_EQ(dd->DropDownFooter().Color, 0xFFFAF0u);
    dd->SetSelectionColorStyle(scGlass);
    dd->SetSelectionColorStyle(scCustom);
    EXPECT_EQ(dd->SelectionColor(), 0xFCEBDCu);
    EXPECT_EQ(dd->SelectionColorTo(), 0xFCDBC1u);
    TColorTones tones;
    tones.Background = {0x112233, 0x445566, 0};
    tones.Hover.BrushColor = 0x778899;
    tones.Selected.BrushColor = 0xAABBCC;
    dd->SetColorTones(tones);
    EXPECT_EQ(dd->Button()->ButtonColorHot, 0x778899u);
    EXPECT_EQ(dd->BorderColor(), 0x445566u);
}

TEST_F(DropDown, FrameFollowsFocus) {
    dd->SetFocusBorderColor(plat::clRed);
    EXPECT_EQ(dd->FrameColor(), plat::clRed);
    form->SetFocus();
    auto* other = new plat::TEdit(form.get());
    other->SetParent(form.get());
    other->SetFocus();
    plat::test::ProcessEvents();
    EXPECT_EQ(dd->FrameColor(), plat::clNone);
    dd->SetEnabled(false);
    EXPECT_EQ(dd->FrameColor(), 0xC0C0C0u);
}

// The frame as it shows: the colours set, the focus colour while the edit
// holds the focus, the disabled grey and the flat look, read from the
// edit's pixels on all four sides.
TEST_F(DropDown, FrameShowsItsColoursInEveryState) {
    auto* other = new plat::TEdit(form.get());
    other->SetParent(form.get());
    other->SetBounds(20, 120, 80, 22);
    form->SetColor(0x80FF80);
    const plat::TColor none = plat::clNone;
    const struct {
        const char* name;
        plat::TColor border, focusBorder;
        bool flat, focused, enabled, disabledBorder;
        plat::TColor outer;  // the colour of the outermost line
        plat::TColor inner;  // the line inside it (none = not checked)
        plat::TColor outerFar = plat::clNone;  // right and bottom, when they differ
    } cases[] = {
        {"border", plat::clRed, none, false, false, true, true, plat::clRed, none},
        {"border, focused", plat::clRed, none, false, true, true, true, plat::clRed, none},
        {"focus colour wins while focused", plat::clRed, plat::clBlue, false, true, true, true, plat::clBlue, none},
        {"border colour when not focused", plat::clRed, plat::clBlue, false, false, true, true, plat::clRed, none},
        {"focus colour alone", none, plat::clBlue, false, true, true, true, plat::clBlue, none},
        {"disabled", plat::clRed, none, false, false, false, true, 0xC0C0C0, none},
        {"disabled, no disabled border", plat::clRed, none, false, false, false, false, plat::clRed, none},
        {"flat", none, none, true, false, true, true, 0x80FF80, 0x80FF80},
        {"flat, focused", none, none, true, true, true, true, plat::clBtnShadow, plat::clBtnFace, plat::clBtnHighlight},
        {"flat under a colour", plat::clRed, none, true, false, true, true, plat::clRed, none},
    };
    for (const auto& c : cases) {
        dd->SetEnabled(true);
        dd->SetBorderColor(c.border);
        dd->SetFocusBorderColor(c.focusBorder);
        dd->SetFlat(c.flat);
        dd->SetDisabledBorder(c.disabledBorder);
        if (c.focused) dd->SetFocus();
        else other->SetFocus();
        dd->SetEnabled(c.enabled);
        plat::test::ProcessEvents();
        ASSERT_EQ(dd->Focused(), c.focused) << c.name;
        const int w = dd->Width(), h = dd->Height();
        const plat::test::TRgb outer = ctltest::Rgb(plat::ColorToRGB(c.outer));
        const plat::test::TRgb far = ctltest::Rgb(plat::ColorToRGB(c.outerFar != none ? c.outerFar : c.outer));
        EXPECT_EQ(plat::test::PixelAt(*dd, 0, h / 2), outer) << c.name << ": left";
        EXPECT_EQ(plat::test::PixelAt(*dd, w / 3, 0), outer) << c.name << ": top";
        EXPECT_EQ(plat::test::PixelAt(*dd, w - 1, h / 2), far) << c.name << ": right";
        EXPECT_EQ(plat::test::PixelAt(*dd, w / 3, h - 1), far) << c.name << ": bottom";
        if (c.inner != none)
            EXPECT_EQ(plat::test::PixelAt(*dd, 1, h / 2), ctltest::Rgb(plat::ColorToRGB(c.inner))) << c.name;
    }
    // The focus colour alone shows nothing of its own while unfocused: the
    // toolkit's frame is back.
    dd->SetEnabled(true);
    dd->SetBorderColor(none);
    dd->SetFlat(false);
    other->SetFocus();
    plat::test::ProcessEvents();
    EXPECT_NE(plat::test::PixelAt(*dd, 0, dd->Height() / 2), ctltest::Rgb(plat::clBlue));
    // The flat edit sinks while the mouse is over it.
    dd->SetFocusBorderColor(none);
    dd->SetFlat(true);
    plat::test::MouseEnter(*dd);
    plat::test::ProcessEvents();
    EXPECT_EQ(plat::test::PixelAt(*dd, 0, dd->Height() / 2), ctltest::Rgb(plat::ColorToRGB(plat::clBtnShadow)));
    plat::test::MouseLeave(*dd);
    plat::test::ProcessEvents();
    EXPECT_EQ(plat::test::PixelAt(*dd, 0, dd->Height() / 2), ctltest::Rgb(0x80FF80));
}

TEST_F(DropDown, ButtonContainerKeepsItsWidth) {
    EXPECT_EQ(dd->Button()->Width(), 16);
    EXPECT_EQ(dd->DropDownButtonWidth(), 17);
    dd->Button()->SetBounds(0, 0, 40, 20);
    EXPECT_EQ(dd->Button()->Width(), 16);
    dd->SetDropDownButtonWidth(20);
    EXPECT_EQ(dd->Button()->Width(), 20);
    EXPECT_EQ(dd->Button()->Left() + 20, dd->Width() - 2);
}

TEST_F(DropDown, CaptionLabelPositions) {
    dd->SetLabelPosition(lpTopRight);
    EXPECT_EQ(dd->CaptionLabel(), nullptr);  // no label before a caption
    dd->SetLabelCaption("Weight");
    plat::TLabel* label = dd->CaptionLabel();
    ASSERT_NE(label, nullptr);
    const int lw = label->Width(), lh = label->Height();
    EXPECT_EQ(label->Left(), 100 + 160 - lw);
    EXPECT_EQ(label->Top(), 40 - lh - 4);
    dd->SetLabelPosition(lpLeftTopLeft);
    dd->SetLabelMargin(60);
    EXPECT_EQ(label->Left(), 40);
    dd->SetVisible(false);
    EXPECT_FALSE(label->Visible());
}

// The caption is lettered like the edit while the edit takes its window's
// font, and in LabelFont once the edit has a font of its own.
TEST_F(DropDown, CaptionLabelFontFollowsParentFont) {
    plat::TFont labelFont;
    labelFont.SetName("Courier New");
    labelFont.SetSize(14);
    dd->SetLabelFont(labelFont);
    dd->SetLabelCaption("Weight");
    plat::TLabel* label = dd->CaptionLabel();
    ASSERT_NE(label, nullptr);
    ASSERT_TRUE(dd->ParentFont());
    EXPECT_TRUE(label->Font().SameAs(dd->Font())) << "the edit's font, not LabelFont";
    form->Font().SetSize(12);  // the window's font reaches edit and label
    EXPECT_EQ(dd->Font().Size(), 12);
    EXPECT_EQ(label->Font().Size(), 12);
    dd->LabelFont().SetSize(20);  // LabelFont is not in use yet
    EXPECT_EQ(label->Font().Size(), 12);

    plat::TFont own;
    own.SetName("Arial");
    own.SetSize(9);
    dd->SetFont(own);  // ends ParentFont
    ASSERT_FALSE(dd->ParentFont());
    EXPECT_EQ(label->Font().Name(), "Courier New");
    EXPECT_EQ(label->Font().Size(), 20);
    dd->LabelFont().SetSize(16);  // changed in place: shows at once
    EXPECT_EQ(label->Font().Size(), 16);
    dd->Font().SetSize(11);
    EXPECT_EQ(label->Font().Size(), 16) << "the edit's own font is not the label's";
    dd->SetParentFont(true);
    EXPECT_TRUE(label->Font().SameAs(dd->Font()));
    EXPECT_EQ(label->Font().Size(), 12);
}

TEST_F(DropDown, CaptionLabelEnabledWithTheEditAndReportsClicks) {
    int clicks = 0, doubles = 0;
    dd->OnLabelClick = [&](plat::TObject* s) { clicks += s == dd; };
    dd->OnLabelDblClick = [&](plat::TObject* s) { doubles += s == dd; };
    dd->SetLabelCaption("Weight");
    plat::TLabel* label = dd->CaptionLabel();
    dd->SetEnabled(false);
    EXPECT_FALSE(label->Enabled());
    dd->SetLabelAlwaysEnabled(true);
    EXPECT_TRUE(label->Enabled());
    dd->SetEnabled(true);
    dd->SetLabelAlwaysEnabled(false);
    dd->SetLabelTransparent(true);
    EXPECT_TRUE(label->Transparent());
    plat::test::ClickAt(*label);
    EXPECT_EQ(clicks, 1);
    plat::test::DoubleClickAt(*label, 2, 2);
    EXPECT_EQ(doubles, 1);
}

TEST_F(DropDown, AccessibleNamesAndScreenshot) {
    EXPECT_EQ(plat::test::AccessibleNameOf(*dd->Button()->Button()), "Open");
    EXPECT_EQ(plat::test::AccessibleRoleOf(*dd->Button()->Button()), "button");
    dd->SetComponentStyle(tsSuiteBAzure);
    dd->DropDownHeader().Caption = "Header caption";
    dd->DropDownFooter().Buttons = {{"OK", true, 0, 0, plat::mrOk}};
    dd->SetDropDownHeight(120);
    dd->ShowDropDown();
    plat::test::ProcessEvents();
    TDropDownForm* f = dd->DropDownForm();
    EXPECT_EQ(plat::test::AccessibleNameOf(*f->Client()), "Drop-down");
    EXPECT_EQ(plat::test::AccessibleNameOf(*f->Footer()->Buttons(0)), "OK");
    EXPECT_EQ(plat::test::AccessibleRoleOf(*f->Footer()->Buttons(0)), "button");
    EXPECT_TRUE(plat::test::SaveScreenshot(*f, TestOutFile("DropDown_open.png")));
    dd->HideDropDown(false);
    // A 3-pixel red frame with the bars inside it.
    dd->SetDropDownBorderColor(plat::clRed);
    dd->SetDropDownBorderWidth(3);
    dd->ShowDropDown();
    plat::test::ProcessEvents();
    EXPECT_EQ(plat::test::PixelAt(*f->Client(), 2, 60), (plat::test::TRgb{255, 0, 0}));
    EXPECT_NE(plat::test::PixelAt(*f->Client(), 3, 60), (plat::test::TRgb{255, 0, 0}));
    EXPECT_EQ(f->Header()->Left(), 3);
    EXPECT_EQ(f->Header()->Top(), 3);
    EXPECT_TRUE(plat::test::SaveScreenshot(*f, TestOutFile("DropDown_open_framed.png")));
}

TEST(DropDownDraw, GradientStaysInsideItsRectangle) {
    plat::EnsureGuiApplication();
    plat::TBitmap bmp;
    bmp.SetSize(110, 20);
    plat::TCanvas& c = bmp.Canvas();
    c.Brush().SetColor(plat::clRed);
    c.FillRect(plat::Rect(0, 0, 110, 20));
    DrawGradient(c, plat::clBlack, plat::clWhite, 2, plat::Rect(0, 0, 100, 20), true);
    EXPECT_EQ(c.Pixels(10, 5), plat::clBlack);
    EXPECT_EQ(c.Pixels(50, 5), 0x808080u);
    EXPECT_EQ(c.Pixels(99, 5), 0x808080u);
    EXPECT_EQ(c.Pixels(100, 5), plat::clRed);  // the neighbour column is left alone
    DrawGradient(c, plat::clBlue, plat::clWhite, 0, plat::Rect(0, 0, 100, 20), false);
    EXPECT_EQ(c.Pixels(0, 19), plat::clBlue);
}

TEST(DropDownDraw, ColourRoutines) {
    EXPECT_EQ(BlendColor(0x000000, 0xFFFFFF, 20), 0xCCCCCCu);
    EXPECT_EQ(BlendColor(0x123456, 0xFFFFFF, 100), 0x123456u);
    EXPECT_EQ(BlendColor(0x123456, 0xFFFFFF, 0), 0xFFFFFFu);
    const struct {
        plat::TColor in;
        int p;
        plat::TColor out;
    } tones[] = {{0x000000, 20, 0x141414}, {0x000000, -10, 0x000000}, {0xF5F0E1, -10, 0xF5D8CA},
                 {0xF9D2B2, -10, 0xF9BDA0}};
    for (const auto& t : tones) {
        const int b = t.in == 0xF5F0E1 || t.in == 0xF9D2B2 ? 0 : t.p;
        EXPECT_EQ(AdjustColorTone(t.in, t.p, t.p, b), t.out) << std::hex << t.in;
    }
    plat::TCanvas measure;
    EXPECT_EQ(TruncateText(measure, "fits", 500, true), "fits");
    const std::string cut = TruncateText(measure, "a rather long caption text", 60, true);
    EXPECT_LT(measure.TextWidth(cut), 60);
    EXPECT_EQ(cut.substr(cut.size() - 3), "...");
    EXPECT_EQ(GetTextSize(measure, "").cx, 0);
}

namespace {
plat::TBitmap Filled(int w, int h, plat::TColor colour) {
    plat::TBitmap b(w, h);
    b.Canvas().Brush().SetColor(colour);
    b.Canvas().FillRect(plat::Rect(0, 0, w, h));
    return b;
}
}  // namespace

// An image and a text: the image 4 pixels in, the text 8 pixels after it,
// or centred when there is no image; a glyph's corner colour shows the
// background.
TEST(DropDownDraw, ImageAndTextAndTransparentGlyph) {
    plat::EnsureGuiApplication();
    ctltest::TSquareImages images(2, 10, {plat::clRed, plat::clLime});
    plat::TBitmap page = Filled(120, 20, plat::clWhite);
    page.Canvas().Font().SetColor(plat::clBlue);
    DrawImageAndText(page.Canvas(), plat::Rect(0, 0, 120, 20), "Ωé", &images, 1);
    EXPECT_EQ(page.Pixel(3, 10), plat::clWhite);
    EXPECT_EQ(page.Pixel(4, 10), plat::clLime);
    EXPECT_EQ(page.Pixel(13, 10), plat::clLime);
    int firstInk = -1;
    for (int x = 0; x < 120 && firstInk < 0; ++x)
        for (int y = 0; y < 20; ++y)
            if (page.Pixel(x, y) != plat::clWhite && page.Pixel(x, y) != plat::clLime) firstInk = x;
    EXPECT_GE(firstInk, 22) << "the text starts 8 pixels after the image";
    EXPECT_LT(firstInk, 30);
    plat::TBitmap centred = Filled(120, 20, plat::clWhite);
    DrawImageAndText(centred.Canvas(), plat::Rect(0, 0, 120, 20), "Ωé", nullptr, 1);
    int left = -1, right = -1;
    for (int x = 0; x < 120; ++x)
        for (int y = 0; y < 20; ++y)
            if (centred.Pixel(x, y) != plat::clWhite) {
                if (left < 0) left = x;
                right = x;
            }
    EXPECT_NEAR(left + right, 120, 4) << "centred without an image";

    plat::TBitmap glyph = Filled(6, 6, plat::clRed);
    glyph.Canvas().SetPixels(0, 0, plat::clFuchsia);
    glyph.Canvas().SetPixels(5, 5, plat::clFuchsia);
    plat::TBitmap target = Filled(20, 20, plat::clWhite);
    DrawTransparentGlyph(target.Canvas(), glyph, plat::clYellow, plat::Rect(2, 2, 6, 6));
    EXPECT_EQ(target.Pixel(2, 2), plat::clYellow);
    EXPECT_EQ(target.Pixel(3, 3), plat::clRed);
    EXPECT_EQ(target.Pixel(6, 6), plat::clWhite) << "only the rectangle's size is copied";
}

// Assign copies the pop-up, text-rule, bar, button and selection settings,
// so the copy behaves as the original; the text stays its own.
TEST_F(DropDown, AssignCopiesTheSettings) {
    TExtCustomDropDown& source = *new TExtCustomDropDown(form.get());
    source.SetEditType(etMoney);
    source.SetPrecision(2);
    source.SetPrefix("€ ");
    source.SetForceShadow(true);
    source.SetDropDownEnabled(true);
    source.SetDropDownColor(plat::clYellow);
    source.SetDropDownColorTo(plat::clNone);
    source.SetDropDownBorderWidth(3);
    source.SetDropDownWidth(230);
    source.SetDropDownHeight(120);
    source.SetDropDownButtonWidth(22);
    source.SetDropDownButtonHint("Öffnen");
    source.SetFlat(true);
    source.SetEtched(true);
    source.SetExcelStyleDecimalSeparator(true);
    source.SetSelectionColorStyle(scCustom);
    source.SetSelectionColor(plat::clAqua);
    source.ButtonAppearance().ColorHot = plat::clRed;
    source.ButtonAppearance().Font.SetName("Courier New");
    source.DropDownHeader().Caption = "Zone é";
    source.SetPlainText("source");
    dd->SetPlainText("mine");
    dd->Assign(source);
    EXPECT_EQ(dd->Text(), "mine");
    EXPECT_TRUE(dd->ForceShadow());
    EXPECT_TRUE(dd->DropDownEnabled());
    EXPECT_TRUE(dd->Etched());
    EXPECT_TRUE(dd->ExcelStyleDecimalSeparator());
    EXPECT_EQ(dd->DropDownButtonHint(), "Öffnen");
    EXPECT_EQ(dd->SelectionColor(), plat::clAqua);
    EXPECT_EQ(dd->ButtonAppearance().ColorHot, plat::clRed);
    EXPECT_NE(dd->ButtonAppearance().Font.Name(), "Courier New") << "the button font is not copied";
    EXPECT_EQ(dd->Button()->Width(), 22);
    // The copy types by the money rules behind the prefix.
    dd->SetPlainText("€ ");
    dd->SetSelStart(2);
    TypeText(*dd, "1234");
    EXPECT_EQ(dd->Text(), "€ 1,234");
    // Its pop-up opens in the copied size and colour with the copied header.
    dd->ShowDropDown();
    plat::test::ProcessEvents();
    EXPECT_EQ(dd->DropDownForm()->Width(), 230);
    EXPECT_EQ(dd->DropDownForm()->Header()->Appearance().Caption, "Zone é");
    EXPECT_EQ(plat::test::PixelAt(*dd->DropDownForm()->Client(), 115, 60), ctltest::Rgb(plat::clYellow));
}

// The arrow button's hint, its glyph in place of the arrow, and its caption
// face (bsButton) with glyph and caption.
TEST_F(DropDown, ArrowButtonHintGlyphAndCaption) {
    TExtDropDownSpeedButton& arrow = *dd->Button()->Button();
    plat::test::TShownHint hint;
    EXPECT_FALSE(plat::test::HintAt(arrow, 4, 4, hint));
    dd->SetDropDownButtonHint("Öffnen");
    ASSERT_TRUE(plat::test::HintAt(arrow, 4, 4, hint));
    EXPECT_EQ(hint.Text, "Öffnen");
    plat::test::HideHint();

    // Two pictures side by side: up (lime) and disabled (blue); the corner
    // colour shows the button face.
    plat::TBitmap glyph = Filled(16, 8, plat::clLime);
    glyph.Canvas().Brush().SetColor(plat::clBlue);
    glyph.Canvas().FillRect(plat::Rect(8, 0, 16, 8));
    glyph.Canvas().SetPixels(0, 0, plat::clFuchsia);
    dd->SetDropDownButtonGlyph(glyph);
    dd->Button()->SetNumGlyphs(2);
    plat::test::ProcessEvents();
    EXPECT_EQ(plat::test::PixelAt(arrow, 4, 4), ctltest::Rgb(plat::clLime));
    EXPECT_EQ(plat::test::CountPixels(arrow, ctltest::Rgb(plat::clBlue)), 0);
    dd->SetReadOnly(true);
    arrow.Invalidate();
    plat::test::ProcessEvents();
    EXPECT_EQ(plat::test::PixelAt(arrow, 4, 4), ctltest::Rgb(plat::clBlue)) << "the disabled picture";
    dd->SetReadOnly(false);

    // The caption face: a push button with the glyph and the caption.
    dd->SetDropDownButtonWidth(40);
    dd->Button()->SetNumGlyphs(1);
    plat::TBitmap red = Filled(6, 6, plat::clRed);
    red.Canvas().SetPixels(0, 0, plat::clFuchsia);
    dd->SetDropDownButtonGlyph(red);
    arrow.SetButtonStyle(bsButton);
    dd->Button()->SetButtonCaption("Ω");
    plat::test::ProcessEvents();
    EXPECT_EQ(plat::test::CountPixels(arrow, ctltest::Rgb(plat::clRed)), 35) << "the glyph less its corner colour";
    EXPECT_EQ(plat::test::CountPixels(arrow, ctltest::Rgb(plat::clFuchsia)), 0);
    dd->SetDropDownButtonGlyph(plat::TBitmap());
    plat::test::ProcessEvents();
    EXPECT_GT(plat::test::CountPixels(arrow, ctltest::Rgb(plat::clBlack)), 0) << "the caption";
    // Flat and etched: the etched edge's outer shadow line at the top.
    arrow.SetFlat(true);
    arrow.SetEtched(true);
    plat::test::ProcessEvents();
    EXPECT_EQ(plat::test::PixelAt(arrow, arrow.Width() / 2, 0), ctltest::Rgb(plat::ColorToRGB(plat::clBtnShadow)));
    // Clicking it still opens the pop-up.
    plat::test::ClickAt(arrow);
    EXPECT_TRUE(dd->DroppedDown());
}

// FocusControl takes the focus when the pop-up opens and is forgotten when
// it goes; ForceShadow still opens the pop-up in its size.
TEST_F(DropDown, FocusControlAndForceShadow) {
    auto* inner = new plat::TEdit(dd);
    dd->SetControl(inner);
    inner->SetBounds(0, 0, 150, 40);
    dd->SetFocusControl(inner);
    dd->SetForceShadow(true);
    dd->ShowDropDown();
    plat::test::ProcessEvents();
    EXPECT_TRUE(inner->Focused());
    EXPECT_TRUE(dd->DropDownForm()->Visible());
    EXPECT_GT(dd->DropDownForm()->Height(), 40);
    dd->HideDropDown(false);
    delete inner;
    EXPECT_EQ(dd->FocusControl(), nullptr);
    EXPECT_EQ(dd->Control(), nullptr);
    dd->ShowDropDown();
    EXPECT_TRUE(dd->DroppedDown());
}

// The edit is never lower than a line of its text and a quarter.
TEST_F(DropDown, EditKeepsItsMinimumHeight) {
    const struct {
        int fontSize;
        int asked;
        bool grows;
    } cases[] = {{8, 6, true}, {8, 30, false}, {20, 22, true}};
    for (const auto& c : cases) {
        dd->Font().SetSize(c.fontSize);
        dd->SetBounds(100, 40, 160, c.asked);
        plat::TCanvas measure;
        measure.SetFont(dd->Font());
        const int line = measure.TextHeight("Wg");
        EXPECT_GE(dd->Height(), line) << c.fontSize << " " << c.asked;
        EXPECT_EQ(dd->Height() > c.asked, c.grows) << c.fontSize << " " << c.asked;
        EXPECT_EQ(dd->Button()->Height(), dd->Height() - 2);
    }
}

TEST_F(DropDown, PasteFollowsTheEditKind) {
    const struct {
        TDropDownEditType kind;
        int precision;
        bool isSigned;
        const char* start;
        int selStart, selLength;
        const char* clip;
        const char* shown;
        int caret;  // after the paste; -1: the pasted text is selected
    } cases[] = {
        {etString, 0, false, "abcd", 2, 0, "XY", "abXYcd", 4},
        {etString, 0, false, "abcd", 1, 2, "XY", "aXYd", -1},
        {etNumeric, 0, false, "12", 2, 0, "34", "1234", 4},
        {etNumeric, 0, false, "12", 2, 0, "x", "12", 2},        // not a number: nothing changes
        {etNumeric, 0, false, "12", 0, 0, "-", "12", 0},        // no sign without Signed
        {etNumeric, 0, true, "12", 0, 0, "-", "-12", 1},
        {etFloat, 2, false, "1", 1, 0, ".5", "1.50", 3},        // formatted to the precision
        {etFloat, 0, false, "1", 1, 0, ".5", "1", 1},           // no fraction without a precision
        {etHex, 0, false, "1F", 2, 0, "A", "1F", 2},             // typed only
        {etRange, 0, false, "1-5", 3, 0, ";7", "1-5", 3},
        {etUppercase, 0, false, "AB", 2, 0, "cd", "ABCD", 4},
        {etMixedCase, 0, false, "", 0, 0, "jane doe", "Jane Doe", 8},
        {etAlphaNumeric, 0, false, "a", 1, 0, "b2", "ab2", 3},
        {etAlphaNumeric, 0, false, "a", 1, 0, "b-2", "a", 1},
        {etUppercase, 0, false, "AB", 2, 0, "éaω", "ABÉAΩ", 5},
        {etLowerCase, 0, false, "ab", 2, 0, "ÉAΩ", "abéaω", 5},
        {etString, 0, false, "éa", 1, 0, "€", "é€a", 2},     // the caret counts characters
        {etString, 0, false, "aéb", 1, 1, "Ω€", "aΩ€b", -1},
    };
    for (const auto& c : cases) {
        dd->SetEditType(etString);
        dd->SetPrecision(0);
        dd->SetEditType(c.kind);
        dd->SetPrecision(c.precision);
        dd->SetSigned(c.isSigned);
        dd->SetPlainText(c.start);
        dd->SetSelStart(c.selStart);
        dd->SetSelLength(c.selLength);
        plat::Clipboard().SetAsText(c.clip);
        SendKey(*dd, 'V', plat::ssCtrl);
        EXPECT_EQ(dd->Text(), c.shown) << c.kind << " '" << c.start << "' + '" << c.clip << "'";
        if (c.caret >= 0) {
            EXPECT_EQ(dd->SelStart(), c.caret) << c.kind << " '" << c.start << "' + '" << c.clip << "'";
        } else {
            EXPECT_EQ(dd->SelStart(), c.selStart);
            EXPECT_EQ(dd->SelLength(), Utf8Length(c.clip));
        }
        // The edit's menu pastes by the same rules.
        const std::string byKeys = dd->Text();
        dd->SetPlainText(c.start);
        dd->SetSelStart(c.selStart);
        dd->SetSelLength(c.selLength);
        PickFromEditMenu("Paste");
        EXPECT_EQ(dd->Text(), byKeys) << "menu: " << c.kind << " '" << c.start << "' + '" << c.clip << "'";
    }
    // A paste beyond MaxLength changes nothing.
    dd->SetEditType(etString);
    dd->SetMaxLength(5);
    dd->SetPlainText("abcd");
    dd->SetSelStart(4);
    plat::Clipboard().SetAsText("xy");
    SendKey(*dd, plat::VK_INSERT, plat::ssShift);
    EXPECT_EQ(dd->Text(), "abcd");
}

// A paste the edit kind refuses leaves the text and is heard, as a refused
// key is; one it takes is not.
TEST_F(DropDown, RefusedPasteBeeps) {
    const struct {
        TDropDownEditType kind;
        const char* start;
        const char* clip;
        bool refused;
    } cases[] = {
        {etHex, "1F", "A", true},
        {etRange, "1-5", ";7", true},
        {etNumeric, "12", "x", true},
        {etAlphaNumeric, "a", "b-2", true},
        {etValidChars, "a", "aé", false},
        {etValidChars, "a", "ab", true},
        {etString, "a", "é", false},
        {etNumeric, "12", "3", false},
    };
    for (const auto& c : cases) {
        dd->SetEditType(etString);
        dd->SetEditType(c.kind);
        dd->SetValidChars("aé€");
        dd->SetPlainText(c.start);
        dd->SetSelStart(Utf8Length(c.start));
        plat::Clipboard().SetAsText(c.clip);
        const int beeps = plat::test::BeepCount();
        SendKey(*dd, 'V', plat::ssCtrl);
        EXPECT_EQ(plat::test::BeepCount() - beeps, c.refused ? 1 : 0) << c.kind << " + " << c.clip;
        EXPECT_EQ(dd->Text() == c.start, c.refused) << c.kind << " + " << c.clip;
    }
}

// ValidChars holds characters, not bytes: an accented letter in it is typed.
TEST_F(DropDown, ValidCharsTakeAccentedLetters) {
    dd->SetEditType(etValidChars);
    dd->SetValidChars("aé€");
    dd->SetPlainText("");
    TypeText(*dd, "aébè€x");
    EXPECT_EQ(dd->Text(), "aé€");
}

TEST_F(DropDown, ClipboardEventsMayRefuse) {
    std::vector<std::string> seen;
    bool allow = false;
    dd->OnClipboardCopy = [&](plat::TObject*, const std::string& v, bool& a) { seen.push_back("copy " + v); a = allow; };
    dd->OnClipboardCut = [&](plat::TObject*, const std::string& v, bool& a) { seen.push_back("cut " + v); a = allow; };
    dd->OnClipboardPaste = [&](plat::TObject*, const std::string& v, bool& a) { seen.push_back("paste " + v); a = allow; };
    dd->SetPlainText("hello");
    dd->SetSelStart(1);
    dd->SetSelLength(3);
    plat::Clipboard().SetAsText("before");
    SendKey(*dd, 'C', plat::ssCtrl);
    SendKey(*dd, 'X', plat::ssCtrl);
    SendKey(*dd, 'V', plat::ssCtrl);
    EXPECT_EQ(seen, (std::vector<std::string>{"copy ell", "cut ell", "paste hbeforeo"}));
    EXPECT_EQ(plat::Clipboard().AsText(), "before");
    EXPECT_EQ(dd->Text(), "hello");
    allow = true;
    seen.clear();
    SendKey(*dd, 'X', plat::ssCtrl);
    EXPECT_EQ(seen, (std::vector<std::string>{"cut ell"})) << "a cut asks once";
    EXPECT_EQ(plat::Clipboard().AsText(), "ell");
    EXPECT_EQ(dd->Text(), "ho");
    // The edit's menu asks the same events.
    allow = false;
    seen.clear();
    dd->SetPlainText("hello");
    dd->SetSelStart(1);
    dd->SetSelLength(3);
    for (const char* entry : {"Copy", "Cut", "Paste"}) PickFromEditMenu(entry);
    EXPECT_EQ(seen, (std::vector<std::string>{"copy ell", "cut ell", "paste hello"}));
    EXPECT_EQ(dd->Text(), "hello");
}

TEST_F(DropDown, EnterAndEscapeRules) {
    auto* panel = new plat::TPanel(form.get());
    panel->SetParent(form.get());
    panel->SetBounds(10, 100, 300, 80);
    std::vector<unsigned short> panelKeys;
    panel->OnKeyDown = [&](plat::TObject*, unsigned short& k, plat::TShiftState) { panelKeys.push_back(k); };
    dd->SetParent(panel);
    dd->SetBounds(10, 10, 120, 22);
    auto* next = new plat::TEdit(form.get());
    next->SetParent(panel);
    next->SetBounds(150, 10, 100, 22);
    auto* ok = new plat::TButton(form.get());
    ok->SetParent(form.get());
    ok->SetBounds(10, 200, 80, 25);
    ok->SetDefault(true);
    int okClicks = 0;
    ok->OnClick = [&](plat::TObject*) { ++okClicks; };
    plat::test::ProcessEvents();

    dd->SetFocus();
    SendKey(*dd, plat::VK_RETURN, 0, "\r");
    EXPECT_EQ(okClicks, 1) << "by default Enter reaches the form's default button";

    dd->SetDefaultHandling(false);
    dd->SetFocus();
    SendKey(*dd, plat::VK_RETURN, 0, "\r");
    SendKey(*dd, plat::VK_ESCAPE, 0, "\x1b");
    plat::test::ProcessEvents();
    EXPECT_EQ(okClicks, 1);
    EXPECT_EQ(panelKeys, (std::vector<unsigned short>{plat::VK_RETURN, plat::VK_ESCAPE}));

    dd->SetReturnIsTab(true);
    dd->SetFocus();
    SendKey(*dd, plat::VK_RETURN, 0, "\r");
    plat::test::ProcessEvents();
    EXPECT_TRUE(next->Focused()) << "Enter moved on as Tab";
    EXPECT_EQ(okClicks, 1);
    // With the pop-up open Enter still closes it.
    dd->SetFocus();
    dd->ShowDropDown();
    SendKey(*dd, plat::VK_RETURN, 0, "\r");
    EXPECT_FALSE(dd->DroppedDown());
}

TEST_F(DropDown, BarButtonsTakeEnterAndSpace) {
    TBarAppearance footer = dd->DropDownFooter();
    footer.Buttons = {{"Cancel", true, 0, 0, plat::mrCancel}, {"Apply", true, 0, 0, plat::mrNone}};
    dd->SetDropDownFooter(footer);
    std::vector<int> clicked;
    dd->OnDropDownFooterButtonClick = [&](plat::TObject*, int i) { clicked.push_back(i); };
    dd->ShowDropDown();
    TExtBar* bar = dd->DropDownForm()->Footer();
    SendKey(*bar->Buttons(1), plat::VK_SPACE, 0, " ");
    EXPECT_TRUE(dd->DroppedDown());
    SendKey(*bar->Buttons(0), plat::VK_RETURN, 0, "\r");
    EXPECT_FALSE(dd->DroppedDown());
    EXPECT_EQ(clicked, (std::vector<int>{1, 0}));
}


// A header with a plain white background and no buttons, open.
class DropDownBars : public DropDown {
protected:
    TExtBar* OpenHeader(const std::string& Caption) {
        TBarAppearance h = dd->DropDownHeader();
        h.Caption = Caption;
        h.Color = plat::clWhite;
        h.ColorTo = plat::clNone;
        h.BorderColor = plat::clNone;
        h.Font.SetColor(plat::clBlack);
        dd->SetDropDownHeader(h);
        dd->HideDropDown(false);
        dd->ShowDropDown();
        plat::test::ProcessEvents();
        return dd->DropDownForm()->Header();
    }
    // The columns of the bar where anything but white is drawn.
    static std::pair<int, int> InkColumns(TExtBar& Bar) {
        int first = -1, last = -1;
        for (int x = 0; x < Bar.Width(); ++x)
            for (int y = 0; y < Bar.Height(); ++y)
                if (plat::test::PixelAt(Bar, x, y) != plat::test::TRgb{255, 255, 255}) {
                    if (first < 0) first = x;
                    last = x;
                    break;
                }
        return {first, last};
    }
};

// The caption is the cells' HTML: tags take effect and are not shown.
TEST_F(DropDownBars, CaptionIsHtml) {
    TExtBar* bar = OpenHeader("B");
    const auto [plainFirst, plainLast] = InkColumns(*bar);
    ASSERT_GE(plainFirst, 0);
    bar = OpenHeader("<b>B</b>");
    const auto [boldFirst, boldLast] = InkColumns(*bar);
    EXPECT_EQ(boldFirst, plainFirst);
    EXPECT_LE(boldLast - boldFirst, 2 * (plainLast - plainFirst) + 2) << "the tags are not drawn as text";
    bar = OpenHeader("<font color=\"#FF0000\">R</font>é");
    EXPECT_GT(plat::test::CountPixels(*bar, {255, 0, 0}), 0);
}

// The bars and their buttons draw in their own font, and their gradients
// run top to bottom unless told otherwise.
TEST_F(DropDownBars, FontsAndGradients) {
    TBarAppearance h = dd->DropDownHeader();
    EXPECT_EQ(h.GradientDirection, gdVertical);
    EXPECT_EQ(h.Font.Name(), "Tahoma");
    h.Caption = "Ω";
    h.Color = plat::clBlack;
    h.ColorTo = plat::clWhite;
    h.BorderColor = plat::clNone;
    h.Font.SetColor(plat::clBlue);
    h.Buttons = {{"X", true, 30, 0, plat::mrNone}};
    dd->SetDropDownHeader(h);
    TExtButtonAppearance& b = dd->ButtonAppearance();
    EXPECT_EQ(b.Gradient, gdVertical);
    b.Color = plat::clBlack;
    b.ColorTo = plat::clWhite;
    b.BorderColor = plat::clNone;
    b.Gradient = gdHorizontal;
    b.Font.SetColor(plat::clRed);
    dd->ShowDropDown();
    plat::test::ProcessEvents();
    TExtBar* bar = dd->DropDownForm()->Header();
    EXPECT_GT(plat::test::CountPixels(*bar, {0, 0, 255}), 0) << "the header's font";
    const int bh = bar->Height();
    EXPECT_EQ(plat::test::PixelAt(*bar, 3, 1), plat::test::PixelAt(*bar, 40, 1)) << "the same along a row";
    EXPECT_NE(plat::test::PixelAt(*bar, 3, 1), plat::test::PixelAt(*bar, 3, bh - 2)) << "darker at the top";
    TExtBarButton* button = bar->Buttons(0);
    const int w = button->Width();
    EXPECT_GT(plat::test::CountPixels(*button, {255, 0, 0}), 0) << "the button's font";
    EXPECT_NE(plat::test::PixelAt(*button, 2, 3), plat::test::PixelAt(*button, w - 3, 3)) << "left to right";
    // The style leaves the button's gradient and font as they are.
    dd->SetComponentStyle(tsGlass);
    EXPECT_EQ(dd->ButtonAppearance().Gradient, gdHorizontal);
    EXPECT_EQ(dd->ButtonAppearance().Font.Color(), plat::clRed);
}

// Check buttons stay down until clicked again; buttons of one group are
// down one at a time, and AllowAllUp lets a click raise the one down. The
// checked face shows in the checked colour.
TEST_F(DropDownBars, CheckAndGroupButtons) {
    TBarAppearance h = dd->DropDownHeader();
    h.Buttons = {{"A", true, 24, 0, plat::mrNone}, {"B", true, 24, 0, plat::mrNone}, {"C", true, 24, 0, plat::mrNone}};
    dd->SetDropDownHeader(h);
    dd->ButtonAppearance().ColorChecked = plat::clLime;
    dd->ShowDropDown();
    TExtBar* bar = dd->DropDownForm()->Header();
    TExtBarButton *a = bar->Buttons(0), *b = bar->Buttons(1), *c = bar->Buttons(2);
    a->SetStyle(tasCheck);
    b->SetGroupIndex(1);
    c->SetGroupIndex(1);
    std::vector<int> clicked;
    dd->OnDropDownHeaderButtonClick = [&](plat::TObject*, int i) { clicked.push_back(i); };
    const struct {
        TExtBarButton* button;
        bool allowAllUp;
        bool a, b, c;  // down after the click
    } steps[] = {
        {a, false, true, false, false},
        {b, false, true, true, false},
        {c, false, true, false, true},
        {c, false, true, false, true},  // the group's one down stays down
        {a, false, false, false, true},
        {c, true, false, false, false},  // AllowAllUp: it goes up
    };
    for (const auto& st : steps) {
        c->SetAllowAllUp(st.allowAllUp);
        plat::test::MouseMove(*st.button, 5, 5);
        plat::test::ClickAt(*st.button);
        plat::test::MouseLeave(*st.button);
        plat::test::ProcessEvents();
        EXPECT_EQ(a->Down(), st.a);
        EXPECT_EQ(b->Down(), st.b);
        EXPECT_EQ(c->Down(), st.c);
        for (TExtBarButton* x : {a, b, c})
            EXPECT_EQ(plat::test::PixelAt(*x, x->Width() / 2, 2) == ctltest::Rgb(plat::clLime), x->Down());
    }
    EXPECT_EQ(clicked.size(), 6u);
    // A plain button outside a group never stays down.
    TExtBarButton* plain = a;
    plain->SetStyle(tasButton);
    plain->SetDown(true);
    EXPECT_FALSE(plain->Down());
    // A press dragged off the button and released there neither checks nor clicks.
    a->SetStyle(tasCheck);
    plat::test::MouseDown(*a, plat::mbLeft, 5, 5);
    plat::test::MouseMove(*a, 60, 5, plat::ssLeft);
    EXPECT_FALSE(a->Pressed());
    plat::test::MouseUp(*a, plat::mbLeft, 60, 5);
    EXPECT_FALSE(a->Down());
    EXPECT_EQ(clicked.size(), 6u);
}

// Reading a bar button past the end fails with the list's own message; a
// disabled button shows the grey disabled border.
TEST_F(DropDownBars, ButtonListAndDisabledBorder) {
    TBarAppearance f = dd->DropDownFooter();
    f.Buttons = {{"Off", false, 30, 0, plat::mrNone}};
    dd->SetDropDownFooter(f);
    dd->ShowDropDown();
    TExtBar* bar = dd->DropDownForm()->Footer();
    try {
        bar->Buttons(1);
        ADD_FAILURE() << "no error";
    } catch (const std::out_of_range& e) {
        EXPECT_STREQ(e.what(), "Index out of bounds in list read access");
    }
    EXPECT_THROW(bar->Buttons(-1), std::out_of_range);
    TDbgList<int> list;
    list.Add(1);
    EXPECT_THROW(list.SetItemsEx(1, 2), std::out_of_range);
    TExtBarButton* off = bar->Buttons(0);
    plat::test::ProcessEvents();
    EXPECT_EQ(plat::test::PixelAt(*off, 0, off->Height() / 2), (plat::test::TRgb{0x80, 0x80, 0x80}));
}

// OnDrawHeader and OnDrawFooter paint the bars in place of their own look.
TEST_F(DropDownBars, DrawEventsPaintTheBars) {
    std::vector<plat::TObject*> senders;
    auto paint = [&](plat::TColor colour) {
        return [&senders, colour](plat::TObject* Sender, plat::TCanvas& Canvas, plat::TRect R) {
            senders.push_back(Sender);
            Canvas.Brush().SetColor(colour);
            Canvas.FillRect(R);
        };
    };
    dd->OnDrawHeader = paint(plat::clLime);
    dd->OnDrawFooter = paint(plat::clFuchsia);
    dd->ShowDropDown();
    plat::test::ProcessEvents();
    TDropDownForm* f = dd->DropDownForm();
    EXPECT_EQ(plat::test::PixelAt(*f->Header(), 10, 5), (plat::test::TRgb{0, 255, 0}));
    EXPECT_EQ(plat::test::PixelAt(*f->Footer(), 10, 5), (plat::test::TRgb{255, 0, 255}));
    ASSERT_FALSE(senders.empty());
    EXPECT_TRUE(senders.front() == f->Header() || senders.front() == f->Footer());
}

}  // namespace
