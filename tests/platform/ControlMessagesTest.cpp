#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/Application.h"
#include "platform/Controls.h"
#include "platform/ExtCtrls.h"
#include "platform/Forms.h"
#include "platform/StdCtrls.h"
#include "platform/TestHooks.h"

using namespace plat;

namespace {

// A custom-drawn control that paints a known picture and records every
// message its WndProc sees, as the flat button and the grid will.
class TProbe : public TCustomControl {
public:
    explicit TProbe(TComponent* owner) : TCustomControl(owner) {
        SetTabStop(true);
        SetAccessibleRole(arButton);
    }
    std::vector<TMessage> messages;
    std::vector<std::string> calls;
    TColor face = RGB(248, 247, 237);
    bool wantTab = false;
    intptr_t wantSpecial = 0;  // the key answered on the special-key query
    std::function<void(std::string&, THintInfo&)> placeHint;

    void WndProc(TMessage& m) override {
        messages.push_back(m);
        if (m.Msg == CM_WANTSPECIALKEY && wantSpecial != 0 && m.WParam == wantSpecial) {
            m.Result = 1;
            return;
        }
        if (m.Msg == WM_GETDLGCODE && wantTab) {
            m.Result = DLGC_WANTTAB;
            return;
        }
        TCustomControl::WndProc(m);
    }
    int Count(unsigned msg) const {
        int n = 0;
        for (const auto& m : messages) n += m.Msg == msg;
        return n;
    }
    const TMessage* Last(unsigned msg) const {
        for (auto it = messages.rbegin(); it != messages.rend(); ++it)
            if (it->Msg == msg) return &*it;
        return nullptr;
    }

protected:
    void HintShowing(std::string& hint, THintInfo& info) override {
        if (placeHint) placeHint(hint, info);
    }
    void Paint() override {
        // Face in the window colour, a 10 x 10 red square at (5, 5) and a
        // one-pixel blue line along the bottom.
        Canvas().Brush().SetColor(face);
        Canvas().FillRect(Rect(0, 0, Width(), Height()));
        Canvas().Brush().SetColor(clRed);
        Canvas().FillRect(Rect(5, 5, 15, 15));
        Canvas().Pen().SetColor(clBlue);
        Canvas().MoveTo(0, Height() - 1);
        Canvas().LineTo(Width(), Height() - 1);
    }
    void KeyDown(unsigned short& key, TShiftState shift) override {
        calls.push_back("KeyDown " + std::to_string(key) + ((shift & ssShift) ? " shift" : ""));
        TCustomControl::KeyDown(key, shift);
    }
    void KeyPress(char32_t& key) override {
        calls.push_back("KeyPress " + std::to_string(static_cast<unsigned>(key)));
        TCustomControl::KeyPress(key);
    }
    void MouseDown(TMouseButton b, TShiftState s, int x, int y) override {
        calls.push_back("MouseDown " + std::to_string(b) + " " + std::to_string(x) + "," + std::to_string(y) +
                        ((s & ssDouble) ? " double" : ""));
        TCustomControl::MouseDown(b, s, x, y);
    }
    void MouseUp(TMouseButton b, TShiftState s, int x, int y) override {
        calls.push_back("MouseUp " + std::to_string(b) + " " + std::to_string(x) + "," + std::to_string(y));
        TCustomControl::MouseUp(b, s, x, y);
    }
    void CMMouseEnter(TMessage& m) override {
        calls.push_back("enter");
        TCustomControl::CMMouseEnter(m);
    }
    void CMMouseLeave(TMessage& m) override {
        calls.push_back("leave");
        TCustomControl::CMMouseLeave(m);
    }
};

class CustomControlTest : public ::testing::Test {
protected:
    void SetUp() override {
        InitApplication();
        form = std::make_unique<TForm>(nullptr);
        form->SetClientWidth(200);
        form->SetClientHeight(100);
        probe = new TProbe(form.get());
        probe->SetParent(form.get());
        probe->SetBounds(20, 10, 60, 30);
        form->Show();
        test::ProcessEvents();
    }
    std::unique_ptr<TForm> form;
    TProbe* probe = nullptr;
};

}  // namespace

// Paint draws on the control through its canvas; colours given as $BBGGRR
// come out with red, green and blue where they belong.
TEST_F(CustomControlTest, PaintsIntoTheImageWithColoursInOrder) {
    struct Case {
        int x, y;
        test::TRgb want;
    } cases[] = {
        {0, 0, {248, 247, 237}},   // face: red 248, green 247, blue 237
        {30, 20, {248, 247, 237}}, //
        {5, 5, {255, 0, 0}},       // the square's first pixel
        {14, 14, {255, 0, 0}},     // and its last
        {15, 15, {248, 247, 237}}, // right and bottom edges excluded
        {30, 29, {0, 0, 255}},     // the bottom line
    };
    for (const auto& c : cases) EXPECT_EQ(test::PixelAt(*probe, c.x, c.y), c.want) << c.x << "," << c.y;
    EXPECT_GT(probe->Count(WM_PAINT), 0);

    // A repaint after a change shows the new face.
    probe->face = RGB(255, 128, 0);
    probe->Invalidate();
    EXPECT_EQ(test::PixelAt(*probe, 30, 20), (test::TRgb{255, 128, 0}));
}

// A key reaches the control's WndProc as WM_KEYDOWN with the virtual key,
// then as WM_CHAR with the typed character, then as WM_KEYUP; the handlers
// see the shift state.
TEST_F(CustomControlTest, KeysArriveAsMessages) {
    test::SendKey(*probe, 'A', ssShift, "A");
    test::SendKey(*probe, VK_LEFT);
    ASSERT_NE(probe->Last(WM_KEYDOWN), nullptr);
    EXPECT_EQ(probe->Count(WM_KEYDOWN), 2);
    EXPECT_EQ(probe->Count(WM_KEYUP), 2);
    EXPECT_EQ(probe->Count(WM_CHAR), 1);  // an arrow types nothing
    EXPECT_EQ(probe->Last(WM_CHAR)->WParam, 'A');
    EXPECT_EQ(probe->Last(WM_KEYDOWN)->WParam, VK_LEFT);
    EXPECT_EQ(probe->calls, (std::vector<std::string>{"KeyDown 65 shift", "KeyPress 65", "KeyDown 37"}));
}

// A key that OnKeyDown swallows never becomes a character.
TEST_F(CustomControlTest, SwallowedKeyTypesNothing) {
    probe->OnKeyDown = [](TObject*, unsigned short& key, TShiftState) {
        if (key == 'Q') key = 0;
    };
    int typed = 0;
    probe->OnKeyPress = [&](TObject*, char32_t&) { ++typed; };
    test::SendKey(*probe, 'Q', 0, "q");
    test::SendKey(*probe, 'W', 0, "w");
    EXPECT_EQ(typed, 1);
}

// A click arrives as button messages with client coordinates; a press and
// release over the control is a Click, a release outside it is not.
TEST_F(CustomControlTest, MouseArrivesAsMessages) {
    int clicks = 0;
    probe->OnClick = [&](TObject* s) {
        EXPECT_EQ(s, probe);
        ++clicks;
    };
    test::ClickAt(*probe, 7, 9);
    const TMessage* down = probe->Last(WM_LBUTTONDOWN);
    ASSERT_NE(down, nullptr);
    EXPECT_EQ(LoWordSigned(down->LParam), 7);
    EXPECT_EQ(HiWordSigned(down->LParam), 9);
    EXPECT_TRUE(down->WParam & MK_LBUTTON);
    EXPECT_EQ(clicks, 1);

    test::MouseDown(*probe, mbLeft, 7, 9);
    test::MouseUp(*probe, mbLeft, 70, 9);  // released beside the control
    EXPECT_EQ(clicks, 1);

    // A control that clicks by itself (as the flat button does) turns the
    // automatic click off.
    probe->SetControlStyle(csCaptureMouse | csSetCaption);
    test::ClickAt(*probe, 7, 9);
    EXPECT_EQ(clicks, 1);

    test::MouseDown(*probe, mbRight, 3, 4);
    test::DoubleClickAt(*probe, 1, 2);
    EXPECT_EQ(probe->calls,
              (std::vector<std::string>{"MouseDown 0 7,9", "MouseUp 0 7,9", "MouseDown 0 7,9", "MouseUp 0 70,9",
                                        "MouseDown 0 7,9", "MouseUp 0 7,9", "MouseDown 1 3,4", "MouseDown 0 1,2",
                                        "MouseUp 0 1,2", "MouseDown 0 1,2 double", "MouseUp 0 1,2"}));
}

// Wheel, pointer enter and leave, and window timers reach the control as
// their messages.
TEST_F(CustomControlTest, WheelHoverAndTimerMessages) {
    test::Wheel(*probe, -120, 5, 5);
    const TMessage* wheel = probe->Last(WM_MOUSEWHEEL);
    ASSERT_NE(wheel, nullptr);
    EXPECT_EQ(HiWordSigned(wheel->WParam), -120);
    EXPECT_LT(static_cast<int32_t>(wheel->WParam), 0);  // towards the user

    test::MouseEnter(*probe);
    test::MouseLeave(*probe);
    EXPECT_EQ(probe->Count(CM_MOUSEENTER), 1);
    EXPECT_EQ(probe->Count(CM_MOUSELEAVE), 1);

    probe->SetTimer(111, 5);
    test::Wait(60);
    probe->KillTimer(111);
    const int ticks = probe->Count(WM_TIMER);
    EXPECT_GE(ticks, 2);
    EXPECT_EQ(probe->Last(WM_TIMER)->WParam, 111);
    test::Wait(30);
    EXPECT_EQ(probe->Count(WM_TIMER), ticks);
}

// Property changes arrive as component notices.
TEST_F(CustomControlTest, PropertyChangesSendNotices) {
    probe->SetEnabled(false);
    probe->SetCaption("Start");
    probe->Font().SetSize(12);
    probe->SetColor(clYellow);
    for (unsigned msg : {CM_ENABLEDCHANGED, CM_TEXTCHANGED, CM_FONTCHANGED, CM_COLORCHANGED})
        EXPECT_EQ(probe->Count(msg), 1) << std::hex << msg;
    EXPECT_EQ(probe->Perform(WM_USER + 1, 2, 3), 0);
    EXPECT_EQ(probe->Last(WM_USER + 1)->LParam, 3);
}

// Screen readers and automated checks find a custom control by its caption
// and role.
TEST_F(CustomControlTest, ReportsNameAndRoleForAccessibility) {
    probe->SetCaption("Set Communication");
    EXPECT_EQ(test::AccessibleNameOf(*probe), "Set Communication");
    EXPECT_EQ(test::AccessibleRoleOf(*probe), "button");
    probe->SetAccessibleName("Options");
    probe->SetCaption("");
    EXPECT_EQ(test::AccessibleNameOf(*probe), "Options");
    probe->SetAccessibleRole(arTable);
    EXPECT_EQ(test::AccessibleRoleOf(*probe), "table");
}

// Tab moves the focus on unless the control asks for it.
TEST_F(CustomControlTest, TabGoesToTheControlOnlyWhenItAsks) {
    test::SendKey(*probe, VK_TAB);
    EXPECT_EQ(probe->Count(WM_CHAR), 0);
    probe->wantTab = true;
    test::SendKey(*probe, VK_TAB);
    EXPECT_EQ(probe->Count(WM_CHAR), 1);
    EXPECT_EQ(probe->Last(WM_CHAR)->WParam, 9);
}

// The keyboard state follows the input that was sent.
TEST_F(CustomControlTest, KeyStateFollowsInput) {
    bool ctrlSeen = false;
    probe->OnKeyDown = [&](TObject*, unsigned short&, TShiftState) { ctrlSeen = GetKeyState(VK_CONTROL) < 0; };
    test::SendKey(*probe, 'C', ssCtrl);
    EXPECT_TRUE(ctrlSeen);
    test::SendKey(*probe, 'C', 0);
    EXPECT_FALSE(ctrlSeen);
}

// A posted message arrives after the handler that posted it has finished,
// and not at all once the control is gone.
TEST_F(CustomControlTest, PostedMessagesArriveLater) {
    const unsigned done = RegisterWindowMessage("GridEditDone");
    EXPECT_GE(done, 0xC000u);
    EXPECT_EQ(RegisterWindowMessage("GridEditDone"), done);
    EXPECT_NE(RegisterWindowMessage("DTPShiftFocus"), done);

    probe->OnClick = [&](TObject*) { probe->PostMessage(done, 3, 7); };
    test::ClickAt(*probe, 5, 5);
    EXPECT_EQ(probe->Count(done), 0);
    test::ProcessEvents();
    ASSERT_EQ(probe->Count(done), 1);
    EXPECT_EQ(probe->Last(done)->WParam, 3);
    EXPECT_EQ(probe->Last(done)->LParam, 7);

    probe->PostMessage(done);
    delete probe;
    probe = nullptr;
    test::ProcessEvents();  // the sanitizers watch the dropped message
}

// Links are opened by the desktop; under a script they are only recorded.
TEST(ShellOpen, RecordedUnderScript) {
    test::TScriptedUi ui;
    EXPECT_TRUE(ShellOpen("https://example.com/HOME/default.asp?frompg=QP4A902"));
    ASSERT_EQ(ui.OpenedLinks().size(), 1u);
    EXPECT_EQ(ui.OpenedLinks()[0], "https://example.com/HOME/default.asp?frompg=QP4A902");
}

// Typed punctuation and letters of other alphabets come with the key codes
// of their keys, never with those of the editing keys that share a number
// with their character ('.' is not Delete, '-' is not Insert).
TEST_F(CustomControlTest, TypedCharactersCarryTheirOwnKeyCodes) {
    struct Case {
        const char* text;
        intptr_t key;  // 0: no key message
        intptr_t ch;
    } cases[] = {
        {".", VK_OEM_PERIOD, '.'}, {"-", VK_OEM_MINUS, '-'}, {"a", 'A', 'a'},
        {"7", '7', '7'},           {"ä", 0, 0xE4},           {"$", '4', '$'},
    };
    for (const auto& c : cases) {
        probe->messages.clear();
        test::TypeText(*probe, c.text);
        const TMessage* down = probe->Last(WM_KEYDOWN);
        if (c.key == 0) EXPECT_EQ(down, nullptr) << c.text;
        else if (down == nullptr) ADD_FAILURE() << c.text;
        else EXPECT_EQ(down->WParam, c.key) << c.text;
        ASSERT_NE(probe->Last(WM_CHAR), nullptr) << c.text;
        EXPECT_EQ(probe->Last(WM_CHAR)->WParam, c.ch) << c.text;
    }
}

// A control may claim Enter, Esc or Tab for itself; unclaimed, Enter and
// Esc press the form's default and cancel buttons.
TEST_F(CustomControlTest, ClaimedKeysStayWithTheControl) {
    auto* ok = new TButton(form.get());
    ok->SetParent(form.get());
    ok->SetBounds(100, 60, 40, 25);
    ok->SetDefault(true);
    auto* cancel = new TButton(form.get());
    cancel->SetParent(form.get());
    cancel->SetBounds(150, 60, 40, 25);
    cancel->SetCancel(true);
    int oks = 0, cancels = 0;
    ok->OnClick = [&](TObject*) { ++oks; };
    cancel->OnClick = [&](TObject*) { ++cancels; };
    const struct {
        const char* name;
        unsigned short key;
        intptr_t claimed;
        int oks, cancels;
    } cases[] = {
        {"Enter to the form", VK_RETURN, 0, 1, 0},
        {"Enter claimed", VK_RETURN, VK_RETURN, 0, 0},
        {"Esc to the form", VK_ESCAPE, 0, 0, 1},
        {"Esc claimed", VK_ESCAPE, VK_ESCAPE, 0, 0},
        {"Esc with Enter claimed", VK_ESCAPE, VK_RETURN, 0, 1},
    };
    for (const auto& c : cases) {
        oks = cancels = 0;
        probe->wantSpecial = c.claimed;
        test::SendKey(*probe, c.key);
        test::ProcessEvents();
        EXPECT_EQ(oks, c.oks) << c.name;
        EXPECT_EQ(cancels, c.cancels) << c.name;
    }
    // A claimed Tab reaches the control as a character.
    probe->wantSpecial = VK_TAB;
    test::SendKey(*probe, VK_TAB);
    ASSERT_NE(probe->Last(WM_CHAR), nullptr);
    EXPECT_EQ(probe->Last(WM_CHAR)->WParam, 9);
}

// The control decides, as its hint is about to show, its text, place and
// colour; an empty text shows none.
TEST_F(CustomControlTest, HintShowsWhereTheControlPlacesIt) {
    probe->SetShowHint(true);
    probe->SetHint("probe");
    test::TShownHint shown;
    ASSERT_TRUE(test::HintAt(*probe, 10, 12, shown));
    EXPECT_EQ(shown.Text, "probe");
    const TPoint pointer = probe->ClientToScreen({10, 12});
    // Left alone, the hint shows below the pointer.
    EXPECT_EQ(shown.ScreenPos, (TPoint{pointer.X, pointer.Y + 16}));
    probe->placeHint = [](std::string& hint, THintInfo& info) {
        EXPECT_EQ(info.CursorPos, (TPoint{10, 12}));
        hint = "moved";
        info.HintPos = {info.HintPos.X + 40, 30};
        info.HintColor = RGB(0xFF, 0xEE, 0xCC);
    };
    ASSERT_TRUE(test::HintAt(*probe, 10, 12, shown));
    EXPECT_EQ(shown.Text, "moved");
    EXPECT_EQ(shown.ScreenPos, (TPoint{pointer.X + 40, 30}));
    EXPECT_EQ(shown.Color, (test::TRgb{0xFF, 0xEE, 0xCC}));
    // Tags are shown as they stand, not taken as markup: the tagged text
    // needs room for its tags.
    probe->placeHint = nullptr;
    probe->SetHint("bold");
    ASSERT_TRUE(test::HintAt(*probe, 10, 12, shown));
    const int plainWidth = shown.Width;
    probe->SetHint("<b>bold</b>");
    ASSERT_TRUE(test::HintAt(*probe, 10, 12, shown));
    EXPECT_EQ(shown.Text, "<b>bold</b>");
    EXPECT_GT(shown.Width, plainWidth + 20);
    probe->placeHint = [](std::string& hint, THintInfo&) { hint.clear(); };
    EXPECT_FALSE(test::HintAt(*probe, 10, 12, shown));
    // A control that shows no hints shows none.
    probe->placeHint = nullptr;
    probe->SetShowHint(false);
    EXPECT_FALSE(test::HintAt(*probe, 10, 12, shown));
    test::HideHint();
}
