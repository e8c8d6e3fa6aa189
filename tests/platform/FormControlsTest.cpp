#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/Application.h"
#include "platform/Clipboard.h"
#include "platform/ComCtrls.h"
#include "platform/ExtCtrls.h"
#include "platform/Forms.h"
#include "platform/Menus.h"
#include "platform/Messages.h"
#include "platform/StdCtrls.h"
#include "platform/TestHooks.h"

using namespace plat;

namespace {

// A form to put controls on, shown offscreen for the length of a test.
class FormTest : public ::testing::Test {
protected:
    void SetUp() override {
        InitApplication();
        form = std::make_unique<TForm>(nullptr);
        form->SetClientWidth(400);
        form->SetClientHeight(300);
        form->Show();
    }
    void TearDown() override { form.reset(); }

    template <class T>
    T* Put(int left, int top, int width, int height, TWinControl* parent = nullptr) {
        auto* c = new T(form.get());
        c->SetParent(parent != nullptr ? parent : form.get());
        c->SetBounds(left, top, width, height);
        return c;
    }

    std::unique_ptr<TForm> form;
};

}  // namespace

// Every standard control takes its place and caption on the form and reads
// them back as set, also after the window has been laid out and shown.
TEST_F(FormTest, EachStandardControlKeepsItsPlace) {
    struct Case {
        const char* kind;
        std::function<TControl*()> make;
        int left, top, width, height;
    };
    const std::vector<Case> cases = {
        {"label", [&] { auto* c = Put<TLabel>(0, 0, 0, 0); c->SetAutoSize(false); return c; }, 16, 8, 120, 17},
        {"link label", [&] { return Put<TLinkLabel>(0, 0, 0, 0); }, 16, 30, 150, 17},
        {"edit", [&] { return Put<TEdit>(0, 0, 0, 0); }, 16, 50, 121, 21},
        {"memo", [&] { return Put<TMemo>(0, 0, 0, 0); }, 16, 80, 185, 60},
        {"button", [&] { return Put<TButton>(0, 0, 0, 0); }, 200, 8, 75, 25},
        {"check box", [&] { return Put<TCheckBox>(0, 0, 0, 0); }, 200, 40, 97, 17},
        {"radio button", [&] { return Put<TRadioButton>(0, 0, 0, 0); }, 200, 60, 113, 17},
        {"combo box", [&] { return Put<TComboBox>(0, 0, 0, 0); }, 200, 80, 145, 21},
        {"list box", [&] { return Put<TListBox>(0, 0, 0, 0); }, 200, 110, 121, 60},
        {"panel", [&] { return Put<TPanel>(0, 0, 0, 0); }, 16, 150, 185, 41},
        {"group box", [&] { return Put<TGroupBox>(0, 0, 0, 0); }, 16, 195, 120, 60},
        {"page control", [&] { return Put<TPageControl>(0, 0, 0, 0); }, 200, 175, 190, 100},
        {"shape", [&] { return Put<TShape>(0, 0, 0, 0); }, 140, 195, 1, 30},
        {"image", [&] { return Put<TImage>(0, 0, 0, 0); }, 150, 260, 32, 32},
        {"tree view", [&] { return Put<TTreeView>(0, 0, 0, 0); }, 300, 8, 90, 60},
        {"speed button", [&] { return Put<TSpeedButton>(0, 0, 0, 0); }, 350, 270, 23, 22},
    };
    std::vector<TControl*> made;
    for (const auto& c : cases) {
        TControl* ctl = c.make();
        ctl->SetBounds(c.left, c.top, c.width, c.height);
        ctl->SetCaption(std::string("caption of ") + c.kind);
        made.push_back(ctl);
    }
    test::ProcessEvents();
    for (size_t i = 0; i < cases.size(); ++i) {
        const auto& c = cases[i];
        TControl* ctl = made[i];
        EXPECT_EQ(ctl->Left(), c.left) << c.kind;
        EXPECT_EQ(ctl->Top(), c.top) << c.kind;
        EXPECT_EQ(ctl->Width(), c.width) << c.kind;
        EXPECT_EQ(ctl->Height(), c.height) << c.kind;
        EXPECT_EQ(ctl->Caption(), std::string("caption of ") + c.kind) << c.kind;
        EXPECT_EQ(ctl->Parent(), form.get()) << c.kind;
        EXPECT_TRUE(ctl->Showing()) << c.kind;
    }
    EXPECT_EQ(form->ComponentCount(), static_cast<int>(cases.size()));
}

// The form frees what it owns; a control freed on its own leaves its owner's
// and its parent's lists, and the owner hears of it.
TEST_F(FormTest, OwnershipFreesControlsOnce) {
    struct Owner : TForm {
        using TForm::TForm;
        std::vector<TComponent*> gone;
        void Notification(TComponent* c) override { gone.push_back(c); }
    };
    auto owner = std::make_unique<Owner>(nullptr);
    auto* panel = new TPanel(owner.get());
    panel->SetParent(owner.get());
    auto* edit = new TEdit(owner.get());
    edit->SetParent(panel);  // owned by the form, placed on the panel
    auto* label = new TLabel(owner.get());
    label->SetParent(panel);
    ASSERT_EQ(owner->ComponentCount(), 3);
    ASSERT_EQ(panel->ControlCount(), 2);

    delete label;
    EXPECT_EQ(owner->ComponentCount(), 2);
    EXPECT_EQ(panel->ControlCount(), 1);
    ASSERT_EQ(owner->gone.size(), 1u);
    EXPECT_EQ(owner->gone[0], label);

    edit->SetName("E_Name");
    EXPECT_EQ(owner->FindComponent("e_name"), edit);
    owner.reset();  // panel and edit go with the form, sanitizers watch
}

// Components made on first need are there for every way of reaching them,
// made once, and not made for a lookup of one that already exists.
TEST_F(FormTest, PendingComponentsAreMadeOnFirstNeed) {
    struct Owner : TForm {
        explicit Owner(int& made) : TForm(nullptr) {
            (new TPanel(this))->SetName("P_Made");
            SetPendingComponents([this, &made] {
                ++made;
                auto* edit = new TEdit(this);
                edit->SetName("E_Later");
                // A lookup while they are being made must not start again.
                EXPECT_EQ(FindComponent("E_Missing"), nullptr);
            });
        }
    };
    const struct {
        const char* name;
        std::function<void(TComponent&)> ask;
        bool makes;
    } cases[] = {
        {"existing name", [](TComponent& o) { EXPECT_NE(o.FindComponent("P_Made"), nullptr); }, false},
        {"pending name", [](TComponent& o) { EXPECT_NE(o.FindComponent("e_later"), nullptr); }, true},
        {"missing name", [](TComponent& o) { EXPECT_EQ(o.FindComponent("E_Missing"), nullptr); }, true},
        {"count", [](TComponent& o) { EXPECT_EQ(o.ComponentCount(), 2); }, true},
        {"list", [](TComponent& o) { EXPECT_EQ(o.Components(1)->Name(), "E_Later"); }, true},
    };
    for (const auto& c : cases) {
        int made = 0;
        Owner owner(made);
        c.ask(owner);
        EXPECT_EQ(made, c.makes ? 1 : 0) << c.name;
        EXPECT_EQ(owner.ComponentCount(), 2) << c.name;
        EXPECT_EQ(owner.FindComponent("E_Missing"), nullptr) << c.name;
        EXPECT_EQ(made, 1) << c.name;
    }
    // An owner that goes before it was ever asked never makes them.
    int made = 0;
    { Owner owner(made); }
    EXPECT_EQ(made, 0);
}

// Panels aligned to the edges share the client area in the order of their
// alignment, and follow when the form changes size.
TEST_F(FormTest, AlignedControlsFillTheClientArea) {
    auto* title = Put<TPanel>(0, 0, 10, 40);
    title->SetAlign(alTop);
    auto* buttons = Put<TPanel>(0, 0, 10, 30);
    buttons->SetAlign(alBottom);
    auto* pages = Put<TPageControl>(0, 0, 10, 10);
    pages->SetAlign(alClient);
    test::ProcessEvents();

    struct Want {
        TControl* c;
        int left, top, width, height;
    };
    auto check = [](const std::vector<Want>& wants, const char* when) {
        for (const auto& w : wants) {
            EXPECT_EQ(w.c->Left(), w.left) << when;
            EXPECT_EQ(w.c->Top(), w.top) << when;
            EXPECT_EQ(w.c->Width(), w.width) << when;
            EXPECT_EQ(w.c->Height(), w.height) << when;
        }
    };
    check({{title, 0, 0, 400, 40}, {buttons, 0, 270, 400, 30}, {pages, 0, 40, 400, 230}}, "at 400 x 300");
    form->SetClientWidth(500);
    form->SetClientHeight(200);
    check({{title, 0, 0, 500, 40}, {buttons, 0, 170, 500, 30}, {pages, 0, 40, 500, 130}}, "at 500 x 200");
}

// Fonts pass down to children that keep ParentFont; a child with a font of
// its own keeps it.
TEST_F(FormTest, FontFollowsTheParentUntilSetOwn) {
    auto* inherits = Put<TLabel>(0, 0, 50, 17);
    auto* own = Put<TLabel>(0, 20, 50, 17);
    own->Font().SetName("Courier New");
    EXPECT_FALSE(own->ParentFont());

    form->Font().SetName("Verdana");
    form->Font().SetSize(8);
    EXPECT_EQ(inherits->Font().Name(), "Verdana");
    EXPECT_EQ(inherits->Font().Size(), 8);
    EXPECT_TRUE(inherits->ParentFont());
    EXPECT_EQ(own->Font().Name(), "Courier New");

    // A control put on the form later takes the form's font too.
    auto* later = Put<TEdit>(0, 40, 50, 21);
    EXPECT_EQ(later->Font().Name(), "Verdana");
}

// Edits: text set by code and typed text read back the same, MaxLength cuts
// typing, and OnChange reports both.
TEST_F(FormTest, EditTextMaxLengthAndChange) {
    auto* edit = Put<TEdit>(10, 10, 120, 21);
    int changes = 0;
    edit->OnChange = [&](TObject* s) {
        EXPECT_EQ(s, edit);
        ++changes;
    };
    edit->SetText("abc");
    EXPECT_EQ(changes, 1);
    edit->SetText("");
    edit->SetMaxLength(4);
    test::TypeText(*edit, "123456");
    EXPECT_EQ(edit->Text(), "1234");
    EXPECT_EQ(changes, 2 + 4);

    edit->SetCharCase(ecUpperCase);
    edit->SetText("");
    test::TypeText(*edit, "ab");
    EXPECT_EQ(edit->Text(), "AB");
}

// OnKeyPress sees each typed character first: it can swallow it (set 0) or
// type another one instead.
TEST_F(FormTest, KeyPressFiltersAndReplacesCharacters) {
    auto* edit = Put<TEdit>(10, 10, 120, 21);
    edit->OnKeyPress = [](TObject*, char32_t& key) {
        if (key == '-') key = '_';  // replaced
        else if (key != 8 && (key < '0' || key > '9') && key != '_') key = 0;  // swallowed
    };
    // The replacement goes to the edit typed into, wherever the focus is.
    auto* other = Put<TEdit>(10, 40, 120, 21);
    other->SetFocus();
    test::ProcessEvents();
    test::TypeText(*edit, "1a2-3x");
    EXPECT_EQ(edit->Text(), "12_3");
    EXPECT_EQ(other->Text(), "");
    test::SendKey(*edit, VK_BACK);
    EXPECT_EQ(edit->Text(), "12_");
}

// OnKeyDown can swallow a key before the control acts on it, and with
// KeyPreview the form sees it first.
TEST_F(FormTest, KeyPreviewLetsTheFormSeeKeysFirst) {
    auto* memo = Put<TMemo>(10, 10, 200, 80);
    std::vector<std::string> seen;
    form->OnKeyDown = [&](TObject*, unsigned short& key, TShiftState) {
        seen.push_back("form " + std::to_string(key));
        if (key == 'X') key = 0;
    };
    memo->OnKeyDown = [&](TObject*, unsigned short& key, TShiftState) { seen.push_back("memo " + std::to_string(key)); };

    test::SendKey(*memo, 'A', 0, "a");
    EXPECT_EQ(seen, (std::vector<std::string>{"memo 65"}));  // no preview yet
    seen.clear();
    form->SetKeyPreview(true);
    test::SendKey(*memo, 'B', 0, "b");
    test::SendKey(*memo, 'X', 0, "x");
    EXPECT_EQ(seen, (std::vector<std::string>{"form 66", "memo 66", "form 88"}));
    EXPECT_EQ(memo->Lines().Text(), "ab\r\n");
}

// Combo boxes: items and ItemIndex by code fire nothing; in list style the
// text follows the item; a pick by the user fires OnChange.
TEST_F(FormTest, ComboBoxItemsIndexAndText) {
    auto* combo = Put<TComboBox>(10, 10, 120, 21);
    int changes = 0;
    combo->OnChange = [&](TObject*) { ++changes; };
    combo->SetStyle(csDropDownList);
    combo->Items().Add("EU868");
    combo->Items().Add("US915");
    combo->Items().Add("KR920");
    EXPECT_EQ(combo->ItemIndex(), -1);
    combo->SetItemIndex(1);
    EXPECT_EQ(combo->Text(), "US915");
    combo->SetText("KR920");
    EXPECT_EQ(combo->ItemIndex(), 2);
    EXPECT_EQ(changes, 0);

    test::SendKey(*combo, VK_UP);
    EXPECT_EQ(combo->ItemIndex(), 1);
    EXPECT_EQ(combo->Text(), "US915");
    EXPECT_EQ(changes, 1);

    combo->Items().Clear();
    EXPECT_EQ(combo->ItemIndex(), -1);

    // Edit style: typing is a change and leaves no item chosen.
    auto* edit = Put<TComboBox>(10, 40, 120, 21);
    edit->Items().Add("one");
    edit->SetItemIndex(0);
    int edits = 0;
    edit->OnChange = [&](TObject*) { ++edits; };
    test::TypeText(*edit, "x");
    EXPECT_EQ(edit->Text(), "onex");
    EXPECT_EQ(edit->ItemIndex(), -1);
    EXPECT_EQ(edits, 1);
}

// An edit-style combo box set up on a window not shown yet (as every window
// is at start-up) types on from what it was given: its item, a text of its
// own, its length limit, whether it is first shown or first typed into.
TEST_F(FormTest, ComboBoxSetUpBeforeShownTypesOnFromIt) {
    const struct {
        const char* name;
        std::function<void(TComboBox&)> setUp;
        bool show;
        std::string typed, text;
        int itemIndex;
    } cases[] = {
        {"item chosen", [](TComboBox& c) { c.SetItemIndex(1); }, true, "x", "twox", -1},
        {"text of its own", [](TComboBox& c) { c.SetText("free"); }, true, "!", "free!", -1},
        {"length limit", [](TComboBox& c) { c.SetMaxLength(4); c.SetText("abcd"); }, true, "e", "abcd", -1},
        {"typed into unshown", [](TComboBox& c) { c.SetItemIndex(0); }, false, "y", "oney", -1},
        {"list style stays a list", [](TComboBox& c) { c.SetStyle(csDropDownList); c.SetItemIndex(0); }, true,
         "t", "two", 1},
    };
    for (const auto& c : cases) {
        TForm hidden(nullptr);
        auto* combo = new TComboBox(&hidden);
        combo->SetParent(&hidden);
        combo->Items().Add("one");
        combo->Items().Add("two");
        c.setUp(*combo);
        if (c.show) hidden.Show();
        test::TypeText(*combo, c.typed);
        EXPECT_EQ(combo->Text(), c.text) << c.name;
        EXPECT_EQ(combo->ItemIndex(), c.itemIndex) << c.name;
    }
}

// Check boxes and radio buttons: a click by mouse or by code changes the
// state and fires OnClick; radio buttons on one parent exclude each other.
TEST_F(FormTest, CheckAndRadioButtons) {
    auto* check = Put<TCheckBox>(10, 10, 100, 17);
    int clicks = 0;
    check->OnClick = [&](TObject*) { ++clicks; };
    test::ClickAt(*check, 5, 8);
    EXPECT_TRUE(check->Checked());
    check->SetChecked(false);
    EXPECT_FALSE(check->Checked());
    check->SetChecked(false);  // no change, no click
    EXPECT_EQ(clicks, 2);

    auto* a = Put<TRadioButton>(10, 40, 100, 17);
    auto* b = Put<TRadioButton>(10, 60, 100, 17);
    a->SetChecked(true);
    test::ClickAt(*b, 5, 8);
    EXPECT_TRUE(b->Checked());
    EXPECT_FALSE(a->Checked());
}

// Pages: tab sheets join a page control in order; the active page changes
// by code without OnChange.
TEST_F(FormTest, PageControlWithTabSheets) {
    auto* pages = Put<TPageControl>(0, 0, 300, 200);
    auto* read = new TTabSheet(form.get());
    read->SetPageControl(pages);
    read->SetCaption("Read");
    auto* write = new TTabSheet(form.get());
    write->SetPageControl(pages);
    write->SetCaption("Write");
    int changes = 0;
    pages->OnChange = [&](TObject*) { ++changes; };

    ASSERT_EQ(pages->PageCount(), 2);
    EXPECT_EQ(pages->Pages(1), write);
    EXPECT_EQ(write->PageIndex(), 1);
    EXPECT_EQ(pages->ActivePage(), read);
    pages->SetActivePage(write);
    EXPECT_EQ(pages->ActivePageIndex(), 1);
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(write->ParentForm(), form.get());

    delete read;  // a page freed on its own leaves the control
    EXPECT_EQ(pages->PageCount(), 1);
    EXPECT_EQ(pages->Pages(0), write);
}

// Memo lines and text stay one: setting either shows in the other.
TEST_F(FormTest, MemoLinesAndText) {
    auto* memo = Put<TMemo>(0, 0, 200, 100);
    memo->Lines().Add("first");
    memo->Lines().Add("second");
    EXPECT_EQ(memo->Text(), "first\r\nsecond");
    EXPECT_EQ(memo->Lines().Text(), "first\r\nsecond\r\n");
    memo->SetText("a\nb\r\nc");
    EXPECT_EQ(memo->Lines().Count(), 3);
    EXPECT_EQ(memo->Lines()[2], "c");
    test::SendKey(*memo, VK_RETURN);  // a memo keeps Enter for itself
    EXPECT_EQ(memo->Lines().Count(), 4);
}

// A tree view keeps its nodes by parent and level.
TEST_F(FormTest, TreeViewNodes) {
    auto* tree = Put<TTreeView>(0, 0, 200, 100);
    TTreeNode* root = tree->AddChild(nullptr, "Device");
    TTreeNode* child = tree->AddChild(root, "Uplink");
    tree->AddChild(root, "Downlink");
    EXPECT_EQ(tree->TopCount(), 1);
    EXPECT_EQ(root->Count(), 2);
    EXPECT_EQ(child->Level(), 1);
    EXPECT_EQ(root->Item(1)->Index(), 1);
    TTreeNode* changed = nullptr;
    tree->OnChange = [&](TObject*, TTreeNode* n) { changed = n; };
    tree->SetSelected(child);
    EXPECT_EQ(tree->Selected(), child);
    EXPECT_EQ(changed, nullptr);  // by code: no event
    tree->Clear();
    EXPECT_EQ(tree->TopCount(), 0);
    EXPECT_EQ(tree->Selected(), nullptr);
}

// A node shows its picture and colour, and a click on its line selects it.
TEST_F(FormTest, TreeViewNodePicturesColoursAndClicks) {
    auto* tree = Put<TTreeView>(0, 0, 200, 100);
    TBitmap red(16, 16);
    red.Canvas().Brush().SetColor(clRed);
    red.Canvas().FillRect(TRect{0, 0, 16, 16});
    TTreeNode* root = tree->AddChild(nullptr, "Device");
    TTreeNode* child = tree->AddChild(root, "MMMMMMMMMM");
    child->SetImageIndex(0);
    child->SetTextColor(clBlue);
    tree->SetImages({red});  // pictures set after the nodes still show
    root->SetExpanded(true);
    TTreeNode* changed = nullptr;
    tree->OnChange = [&](TObject*, TTreeNode* n) { changed = n; };
    test::ProcessEvents();
    const TRect line = child->DisplayRect();
    ASSERT_GT(line.Height(), 0);
    bool redSeen = false, blueSeen = false;
    for (int x = line.Left; x < line.Right; ++x) {
        const test::TRgb c = test::PixelAt(*tree, x, (line.Top + line.Bottom) / 2);
        redSeen = redSeen || c == test::TRgb{255, 0, 0};
        blueSeen = blueSeen || (c.B > 150 && c.R < 80 && c.G < 80);
    }
    EXPECT_TRUE(redSeen);
    EXPECT_TRUE(blueSeen);
    test::ClickAt(*tree, line.Left + line.Width() / 2, (line.Top + line.Bottom) / 2);
    EXPECT_EQ(changed, child);
    EXPECT_EQ(tree->Selected(), child);
}

// Moving the focus fires OnExit of the control left and OnEnter of the one
// entered, and tells every control of the form which one has it now.
TEST_F(FormTest, FocusMovesWithEnterAndExit) {
    struct TWatcher : TCustomControl {
        using TCustomControl::TCustomControl;
        std::vector<TControl*> focused;
        void WndProc(TMessage& m) override {
            if (m.Msg == CM_FOCUSCHANGED) focused.push_back(reinterpret_cast<TControl*>(m.LParam));
            TCustomControl::WndProc(m);
        }
    };
    auto* watcher = Put<TWatcher>(300, 10, 20, 20);
    auto* first = Put<TEdit>(10, 10, 100, 21);
    auto* second = Put<TEdit>(10, 40, 100, 21);
    std::vector<std::string> events;
    first->OnEnter = [&](TObject*) { events.push_back("enter first"); };
    first->OnExit = [&](TObject*) { events.push_back("exit first"); };
    second->OnEnter = [&](TObject*) { events.push_back("enter second"); };
    first->SetFocus();
    test::ProcessEvents();
    if (!first->Focused()) GTEST_SKIP() << "this display gives no keyboard focus";
    second->SetFocus();
    test::ProcessEvents();
    EXPECT_TRUE(second->Focused());
    EXPECT_EQ(form->ActiveControl(), second);
    EXPECT_EQ(events, (std::vector<std::string>{"enter first", "exit first", "enter second"}));
    EXPECT_EQ(watcher->focused, (std::vector<TControl*>{first, second}));
}

// Shapes, images and panels paint themselves: pen, brush, picture and bevel
// land where they belong.
TEST_F(FormTest, ShapesImagesAndPanelsPaint) {
    form->SetColor(clWhite);
    auto* line = Put<TShape>(10, 10, 100, 1);  // the main window's separator
    line->Pen().SetColor(clGray);
    auto* box = Put<TShape>(10, 20, 40, 30);
    box->Pen().SetColor(clBlack);
    box->Brush().SetColor(clRed);
    auto* circle = Put<TShape>(60, 20, 40, 30);
    circle->SetShape(stCircle);
    circle->Brush().SetColor(clLime);
    TBitmap pic(4, 4);
    pic.Canvas().Brush().SetColor(clBlue);
    pic.Canvas().FillRect(Rect(0, 0, 4, 4));
    auto* image = Put<TImage>(110, 20, 20, 20);
    image->Picture().SetGraphic(&pic);
    auto* stretched = Put<TImage>(140, 20, 20, 20);
    stretched->SetStretch(true);
    stretched->Picture().SetGraphic(&pic);
    auto* panel = Put<TPanel>(170, 20, 40, 30);
    panel->SetColor(clYellow);
    test::ProcessEvents();

    struct Case {
        const char* what;
        int x, y;
        test::TRgb want;
    } cases[] = {
        {"separator line", 50, 10, {128, 128, 128}},
        {"box outline", 10, 20, {0, 0, 0}},
        {"box fill", 30, 35, {255, 0, 0}},
        {"circle centre", 80, 35, {0, 255, 0}},
        {"beside the circle", 61, 21, {255, 255, 255}},
        {"image pixel", 112, 22, {0, 0, 255}},
        {"beyond the image's picture", 125, 35, {255, 255, 255}},
        {"stretched picture", 158, 38, {0, 0, 255}},
        {"panel face", 190, 35, {255, 255, 0}},
    };
    for (const auto& c : cases) EXPECT_EQ(test::PixelAt(*form, c.x, c.y), c.want) << c.what;

    // Edits and lists show their colour too.
    auto* edit = Put<TEdit>(10, 60, 80, 21);
    edit->SetColor(RGB(255, 255, 128));
    auto* list = Put<TListBox>(100, 60, 80, 40);
    list->SetColor(RGB(128, 255, 255));
    test::ProcessEvents();
    EXPECT_EQ(test::PixelAt(*edit, 70, 10), (test::TRgb{255, 255, 128}));
    EXPECT_EQ(test::PixelAt(*list, 60, 30), (test::TRgb{128, 255, 255}));
}

// A disabled control must look disabled whatever colour it was given: the
// face of a disabled edit or list is the button face, its text grey.
TEST_F(FormTest, DisabledEditsAndListsLookDisabled) {
    const TColor face = ColorToRGB(clBtnFace);
    const test::TRgb want{static_cast<int>(face & 0xFF), static_cast<int>((face >> 8) & 0xFF),
                          static_cast<int>((face >> 16) & 0xFF)};
    auto* plain = Put<TEdit>(10, 10, 80, 21);
    auto* coloured = Put<TEdit>(100, 10, 80, 21);
    coloured->SetColor(RGB(255, 255, 128));
    auto* list = Put<TListBox>(190, 10, 80, 40);
    const struct {
        const char* name;
        TWinControl* control;
        test::TRgb enabled;
    } cases[] = {{"edit", plain, {255, 255, 255}},
                 {"coloured edit", coloured, {255, 255, 128}},
                 {"list", list, {255, 255, 255}}};
    for (const auto& c : cases) {
        test::ProcessEvents();
        EXPECT_EQ(test::PixelAt(*c.control, 60, 10), c.enabled) << c.name;
        c.control->SetEnabled(false);
        test::ProcessEvents();
        EXPECT_EQ(test::PixelAt(*c.control, 60, 10), want) << c.name;
        c.control->SetEnabled(true);
        test::ProcessEvents();
        EXPECT_EQ(test::PixelAt(*c.control, 60, 10), c.enabled) << c.name;
    }
}

// A font colour holds through later changes of the font, and a control
// with a colour of its own keeps it when its parent's font colour changes.
TEST_F(FormTest, FontColourHoldsThroughFontChanges) {
    const auto rgb = [](TColor c) {
        const TColor v = ColorToRGB(c);
        return test::TRgb{static_cast<int>(v & 0xFF), static_cast<int>((v >> 8) & 0xFF),
                          static_cast<int>((v >> 16) & 0xFF)};
    };
    auto* panel = Put<TPanel>(10, 10, 300, 120);
    panel->SetBevelOuter(bvNone);
    auto* follows = Put<TLabel>(10, 10, 100, 30, panel);
    auto* own = Put<TLabel>(10, 60, 100, 30, panel);
    for (TLabel* l : {follows, own}) l->SetCaption("MMMM");
    panel->Font().SetSize(16);
    own->Font().SetColor(clRed);
    own->Font().SetStyle(TFontStyles{fsBold});  // keeps the colour
    test::ProcessEvents();
    EXPECT_GT(test::CountPixels(*own, rgb(clRed)), 0);

    panel->Font().SetColor(clBlue);
    panel->Font().SetSize(18);
    test::ProcessEvents();
    EXPECT_GT(test::CountPixels(*follows, rgb(clBlue)), 0);
    EXPECT_GT(test::CountPixels(*own, rgb(clRed)), 0);
    EXPECT_EQ(test::CountPixels(*own, rgb(clBlue)), 0);

    own->Font().SetColor(clBlue);
    test::ProcessEvents();
    EXPECT_EQ(test::CountPixels(*own, rgb(clRed)), 0);
    EXPECT_GT(test::CountPixels(*own, rgb(clBlue)), 0);
}

// An auto-sized label takes the width of its text.
TEST_F(FormTest, AutoSizedLabelFollowsItsText) {
    auto* label = Put<TLabel>(16, 8, 10, 10);
    label->SetAutoSize(true);
    label->SetCaption("QP4A902");
    const int shortWidth = label->Width();
    label->SetCaption("QP4A902 EtherNet/IP Slave / LoRaWAN Gateway");
    EXPECT_GT(label->Width(), shortWidth);
    EXPECT_GT(label->Height(), 0);
    EXPECT_EQ(label->Left(), 16);
    label->SetAutoSize(false);
    label->SetCaption("x");
    EXPECT_GT(label->Width(), shortWidth);
}

// Labels of one text take one size only while everything the size depends
// on is the same: a label measured after another of its text but in another
// font, style or size, or after its own font changed, is not given the
// other's size.
TEST_F(FormTest, AutoSizedLabelsShareASizeOnlyWhenAlike) {
    const auto sized = [&](const std::function<void(TLabel&)>& setUp) {
        auto* label = Put<TLabel>(0, 0, 10, 10);
        setUp(*label);
        label->SetCaption("Diagnostic Position");
        return std::pair{label->Width(), label->Height()};
    };
    const auto plain = sized([](TLabel&) {});
    EXPECT_EQ(sized([](TLabel&) {}), plain);
    const auto bold = sized([](TLabel& l) { l.Font().SetStyle({fsBold}); });
    EXPECT_GT(bold.first, plain.first);
    const auto large = sized([](TLabel& l) { l.Font().SetSize(20); });
    EXPECT_GT(large.first, bold.first);
    EXPECT_GT(large.second, plain.second);
    // Its own font changing afterwards measures it again.
    auto* later = Put<TLabel>(0, 0, 10, 10);
    later->SetCaption("Diagnostic Position");
    later->Font().SetSize(20);
    EXPECT_EQ(std::pair(later->Width(), later->Height()), large);
}

// A label of plain text is measured without asking the toolkit for its
// size, yet takes exactly the size the toolkit would give it, whatever its
// font, text and alignment.
TEST_F(FormTest, AutoSizedLabelTakesTheToolkitsSize) {
    const std::vector<std::string> captions = {"x", "Diagnostic Position", "  Leading and trailing  ",
                                               "\xC3\x84nderung \xC3\x9F", "Tab\there", "Save && Exit",
                                               "two\nlines", "iiiiiiiiiiiiiiiiiiii"};
    const std::vector<std::function<void(TFont&)>> fonts = {
        [](TFont&) {},
        [](TFont& f) { f.SetStyle({fsBold}); },
        [](TFont& f) { f.SetSize(20); },
        [](TFont& f) { f.SetName("Verdana"), f.SetSize(8), f.SetStyle({fsItalic, fsUnderline}); },
    };
    for (const std::string& caption : captions)
        for (size_t f = 0; f < fonts.size(); ++f)
            for (TAlignment alignment : {taLeftJustify, taRightJustify, taCenter})
                for (TTextLayout layout : {tlTop, tlCenter, tlBottom}) {
                    auto* label = Put<TLabel>(100, 8, 10, 10);
                    label->SetAlignment(alignment);
                    label->SetLayout(layout);
                    fonts[f](label->Font());
                    label->SetCaption(caption);
                    const TPoint want = test::ToolkitSizeHint(*label);
                    EXPECT_EQ(label->Width(), want.X) << caption << " font " << f << " alignment " << alignment;
                    EXPECT_EQ(label->Height(), want.Y) << caption << " font " << f << " layout " << layout;
                }
}

// A label on a window not yet shown measures itself when its size is
// needed; what it reads then is what it would have read measuring at every
// change, whatever came in between.
TEST_F(FormTest, LabelOfAHiddenWindowMeasuresWhenAsked) {
    TForm hidden(nullptr);
    hidden.SetClientWidth(400);
    hidden.SetClientHeight(300);
    auto* shownLabel = Put<TLabel>(100, 8, 10, 10);
    auto* hiddenLabel = new TLabel(&hidden);
    hiddenLabel->SetParent(&hidden);
    hiddenLabel->SetBounds(100, 8, 10, 10);
    const struct {
        const char* step;
        std::function<void(TLabel&)> apply;
    } steps[] = {
        {"caption", [](TLabel& l) { l.SetCaption("Diagnostic Position"); }},
        {"right-aligned, two captions",
         [](TLabel& l) {
             l.SetAlignment(taRightJustify);
             l.SetCaption("x");
             l.SetCaption("A much longer caption");
         }},
        {"font", [](TLabel& l) { l.Font().SetSize(16); }},
        {"moved, then captioned",
         [](TLabel& l) {
             l.SetLeft(40);
             l.SetCaption("moved");
         }},
        {"sized by hand", [](TLabel& l) { l.SetBounds(20, 30, 77, 21); }},
        {"caption, then no auto size",
         [](TLabel& l) {
             l.SetCaption("kept at this size");
             l.SetAutoSize(false);
             l.SetCaption("x");
         }},
        {"wrapped",
         [](TLabel& l) {
             l.SetAutoSize(true);
             l.SetWordWrap(true);
             l.SetCaption("words that wrap at the width the label has");
         }},
    };
    for (const auto& s : steps) {
        s.apply(*shownLabel);
        s.apply(*hiddenLabel);
        const TRect want{shownLabel->Left(), shownLabel->Top(), shownLabel->Left() + shownLabel->Width(),
                         shownLabel->Top() + shownLabel->Height()};
        EXPECT_EQ(hiddenLabel->Left(), want.Left) << s.step;
        EXPECT_EQ(hiddenLabel->Top(), want.Top) << s.step;
        EXPECT_EQ(hiddenLabel->Width(), want.Width()) << s.step;
        EXPECT_EQ(hiddenLabel->Height(), want.Height()) << s.step;
    }

    // Shown without its size ever read: the widget stands where the label
    // says, and a label aligned to the top pushes what follows it down.
    auto* top = new TLabel(&hidden);
    top->SetParent(&hidden);
    top->SetAlign(alTop);
    auto* below = new TPanel(&hidden);
    below->SetParent(&hidden);
    below->SetTop(50);
    below->SetAlign(alTop);
    hiddenLabel->SetCaption("read by nobody before showing");
    top->Font().SetSize(24);
    top->SetCaption("Title");
    hidden.Show();
    test::ProcessEvents();
    const TRect shown = test::ToolkitGeometry(*hiddenLabel);
    EXPECT_EQ(shown.Width(), hiddenLabel->Width());
    EXPECT_EQ(shown.Height(), hiddenLabel->Height());
    EXPECT_GT(top->Height(), 20);
    EXPECT_EQ(test::ToolkitGeometry(*below).Top, top->Height());
}

// Clipboard text goes in and comes back out whole.
TEST(Clipboard, TextRoundTrip) {
    InitApplication();
    const std::string text = "Mnemonic\tCOB-ID\r\nÄnderung\t0x181\r\n";
    Clipboard().SetAsText(text);
    EXPECT_TRUE(Clipboard().HasText());
    EXPECT_EQ(Clipboard().AsText(), text);
    Clipboard().Clear();
    EXPECT_EQ(Clipboard().AsText(), "");
}

// The edit's own menu: each entry acts on the text and the selection as
// its key does, and the menu takes no focus from the edit (a control that
// formats itself on leaving must not do so for a right click).
TEST_F(FormTest, EditMenuActsOnTheTextAndKeepsTheFocus) {
    struct TKillWatch : TEdit {
        using TEdit::TEdit;
        int kills = 0;
        void WndProc(TMessage& m) override {
            kills += m.Msg == WM_KILLFOCUS;
            TEdit::WndProc(m);
        }
    };
    auto* edit = Put<TKillWatch>(10, 10, 120, 21);
    edit->SetFocus();
    test::ProcessEvents();
    if (!edit->Focused()) GTEST_SKIP() << "this display gives no keyboard focus";
    auto pick = [&](const std::string& entry) {
        edit->SetFocus();
        test::ProcessEvents();
        const int kills = edit->kills;
        test::ContextMenuAt(*edit, 5, 5);
        test::ProcessEvents();
        TPopupMenu* menu = TPopupMenu::Showing();
        ASSERT_NE(menu, nullptr) << entry;
        EXPECT_EQ(edit->kills, kills) << entry << ": the open menu took the focus";
        std::vector<std::string> captions;
        for (const TMenuItem& i : menu->Items()) captions.push_back(i.Caption);
        EXPECT_EQ(captions, (std::vector<std::string>{"Undo", "Cut", "Copy", "Paste", "Delete", "Select All"}));
        const auto at = std::find(captions.begin(), captions.end(), entry);
        ASSERT_NE(at, captions.end()) << entry;
        menu->Pick(static_cast<int>(at - captions.begin()));
        test::ProcessEvents();
    };
    const struct {
        const char* entry;
        int selStart, selLength;  // on a fresh "hello"; -1: as the case before left it
        const char* text;         // afterwards
        const char* clipboard;    // afterwards
    } cases[] = {
        {"Copy", 1, 3, "hello", "ell"},
        {"Cut", 1, 3, "ho", "ell"},
        {"Paste", 5, 0, "helloell", "ell"},
        {"Delete", 0, 2, "llo", "ell"},
        {"Undo", -1, 0, "hello", "ell"},
        {"Select All", 2, 0, "hello", "ell"},
    };
    for (const auto& c : cases) {
        if (c.selStart >= 0) {
            edit->SetText("hello");
            edit->SetSelStart(c.selStart);
            edit->SetSelLength(c.selLength);
        }
        pick(c.entry);
        EXPECT_EQ(edit->Text(), c.text) << c.entry;
        EXPECT_EQ(Clipboard().AsText(), c.clipboard) << c.entry;
    }
    EXPECT_EQ(edit->SelLength(), 5) << "Select All";
    // A read-only edit copies but changes nothing.
    edit->SetReadOnly(true);
    edit->SetSelStart(0);
    edit->SetSelLength(1);
    pick("Cut");
    pick("Paste");
    EXPECT_EQ(edit->Text(), "hello");
}
