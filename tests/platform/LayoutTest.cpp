#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "platform/Application.h"
#include "platform/ComCtrls.h"
#include "platform/ExtCtrls.h"
#include "platform/Layout.h"
#include "platform/StdCtrls.h"

namespace {

using namespace plat;

std::unique_ptr<TForm> NewForm() {
    InitApplication();
    return std::make_unique<TForm>(nullptr);
}

TEST(Layout, BuildsNestedControlsWithTheirProperties) {
    auto form = NewForm();
    int clicks = 0;
    int ticks = 0;
    const TLayoutHandlers handlers = {
        {"Btn_OKClick", TNotifyEvent([&](TObject*) { ++clicks; })},
        {"TimerTick", TNotifyEvent([&](TObject*) { ++ticks; })},
    };
    const char* text =
        "object FSample: TSample\n"
        "  ClientWidth = 331\n"
        "  ClientHeight = 162\n"
        "  Color = $EDF7F8\n"
        "  Font.Name = 'Verdana'\n"
        "  Font.Size = 8\n"
        "  // a comment line\n"
        "  object P_Title: TPanel\n"
        "    Left = 0\n"
        "    Top = 0\n"
        "    Width = 331\n"
        "    Height = 40\n"
        "    BevelOuter = bvNone\n"
        "    object L_SW_Code: TLabel\n"
        "      Left = 16\n"
        "      Top = 8\n"
        "      Caption = 'It''s ' + #65 + 'BC' +\n"
        "        ' and more'\n"
        "      Font.Style = [fsBold, fsItalic]\n"
        "      Font.Color = clGray\n"
        "    end\n"
        "  end\n"
        "  object Btn_OK: TButton\n"
        "    Left = 8\n"
        "    Top = -4\n"
        "    Visible = False\n"
        "    OnClick = Btn_OKClick\n"
        "  end\n"
        "  object Timer_Update: TTimer\n"
        "    Enabled = False\n"
        "    Interval = 60000\n"
        "    OnTimer = TimerTick\n"
        "  end\n"
        "end\n";
    std::string error;
    ASSERT_TRUE(LoadLayout(*form, "TSample", text, "TSample.layout", handlers, &error)) << error;

    EXPECT_EQ(form->Name(), "FSample");
    EXPECT_EQ(form->ClientWidth(), 331);
    EXPECT_EQ(form->ClientHeight(), 162);
    EXPECT_EQ(form->Color(), 0xEDF7F8u);
    EXPECT_EQ(form->Font().Size(), 8);

    auto& panel = LayoutComponent<TPanel>(*form, "P_Title");
    auto& label = LayoutComponent<TLabel>(*form, "L_SW_Code");
    EXPECT_EQ(label.Parent(), &panel);
    EXPECT_EQ(label.Caption(), "It's ABC and more");
    EXPECT_TRUE(label.Font().Style().Contains(fsBold));
    EXPECT_TRUE(label.Font().Style().Contains(fsItalic));
    EXPECT_EQ(label.Font().Color(), clGray);
    EXPECT_EQ(label.Left(), 16);

    auto& button = LayoutComponent<TButton>(*form, "Btn_OK");
    EXPECT_EQ(button.Parent(), form.get());
    EXPECT_EQ(button.Top(), -4);
    EXPECT_FALSE(button.Visible());
    ASSERT_TRUE(button.OnClick);
    button.OnClick(&button);
    EXPECT_EQ(clicks, 1);

    auto& timer = LayoutComponent<TTimer>(*form, "Timer_Update");
    EXPECT_FALSE(timer.Enabled());
    EXPECT_EQ(timer.Interval(), 60000);
    ASSERT_TRUE(timer.OnTimer);
    timer.OnTimer(&timer);
    EXPECT_EQ(ticks, 1);

    EXPECT_THROW(LayoutComponent<TLabel>(*form, "Btn_OK"), ELayoutError);
    EXPECT_THROW(LayoutComponent<TLabel>(*form, "Nothing"), ELayoutError);
}

// A mistake in a layout must point at its line, or nobody finds it in a
// window of forty controls.
TEST(Layout, ReportsMistakesWithFileAndLine) {
    const struct {
        const char* name;
        const char* body;  // goes between the root object's lines, from line 2
        const char* where;
        const char* what;
    } cases[] = {
        {"unknown kind", "  object X: TNoSuchControl\n  end\n",
         ":2:", "unknown control kind 'TNoSuchControl'"},
        {"unknown property", "  object L: TLabel\n    Colour = clRed\n  end\n",
         ":3:", "unknown property 'Colour' of TLabel"},
        {"unknown handler", "  object L: TLabel\n    OnClick = NoSuchHandler\n  end\n",
         ":3:", "unknown handler 'NoSuchHandler'"},
        {"handler of another kind", "  object E: TEdit\n    OnKeyPress = Clicked\n  end\n",
         ":3:", "handler 'Clicked' does not fit"},
        {"wrong value kind", "  object L: TLabel\n    Left = 'ten'\n  end\n", ":3:", "expected a number"},
        {"bad boolean", "  object L: TLabel\n    Visible = yes\n  end\n", ":3:", "expected True or False"},
        {"bad enumeration", "  object L: TLabel\n    Alignment = middle\n  end\n",
         ":3:", "'middle' is not one of taLeftJustify"},
        {"unterminated text", "  object L: TLabel\n    Caption = 'open\n  end\n", ":3:", "unterminated text"},
        {"duplicate name", "  object L: TLabel\n  end\n  object L: TLabel\n  end\n",
         ":4:", "a second object named 'L'"},
        {"control inside a label", "  object L: TLabel\n    object M: TLabel\n    end\n  end\n",
         ":3:", "'L' cannot hold controls"},
        {"tab sheet outside a page control", "  object T: TTabSheet\n  end\n",
         ":2:", "a tab sheet belongs inside a page control"},
        {"no statement", "  Left\n", ":2:", "expected 'object', 'end' or 'Property = value'"},
        {"missing end", "  object L: TLabel\n", ":", "has no 'end'"},
    };
    const TLayoutHandlers handlers = {{"Clicked", TNotifyEvent([](TObject*) {})}};
    for (const auto& c : cases) {
        auto form = NewForm();
        const std::string text = std::string("object F: TSample\n") + c.body + "end\n";
        std::string error;
        EXPECT_FALSE(LoadLayout(*form, "TSample", text, "TSample.layout", handlers, &error)) << c.name;
        EXPECT_NE(error.find(std::string("TSample.layout") + c.where), std::string::npos)
            << c.name << ": " << error;
        EXPECT_NE(error.find(c.what), std::string::npos) << c.name << ": " << error;
    }
}

// A window that may never be opened takes its own properties at once and
// its controls only when asked: the result must be the same as one load.
TEST(Layout, InPartsGivesTheFormFirstAndItsControlsWhenAsked) {
    auto form = NewForm();
    int shows = 0;
    const TLayoutHandlers handlers = {{"FormShow", TNotifyEvent([&](TObject*) { ++shows; })}};
    const std::string text =
        "object FSample: TSample\n"
        "  Caption = 'Sample'\n"
        "  ClientWidth = 331\n"
        "  Font.Size = 9\n"
        "  OnShow = FormShow\n"
        "  object P_Title: TPanel\n"
        "    Left = 4\n"
        "    object L_SW_Code: TLabel\n"
        "      Caption = 'Code'\n"
        "    end\n"
        "  end\n"
        "  object Btn_OK: TButton\n"
        "    Top = 30\n"
        "  end\n"
        "end\n";
    const std::function<void()> controls = LoadLayoutInParts(*form, "TSample", text, "TSample.layout", handlers);
    EXPECT_EQ(form->Name(), "FSample");
    EXPECT_EQ(form->Caption(), "Sample");
    EXPECT_EQ(form->ClientWidth(), 331);
    ASSERT_TRUE(form->OnShow);
    EXPECT_EQ(form->ControlCount(), 0);
    EXPECT_EQ(form->FindComponent("Btn_OK"), nullptr);

    controls();
    auto& panel = LayoutComponent<TPanel>(*form, "P_Title");
    auto& label = LayoutComponent<TLabel>(*form, "L_SW_Code");
    EXPECT_EQ(panel.Left(), 4);
    EXPECT_EQ(label.Parent(), &panel);
    EXPECT_EQ(label.Caption(), "Code");
    EXPECT_EQ(label.Font().Size(), 9);  // the form's font, set in the first part
    EXPECT_EQ(LayoutComponent<TButton>(*form, "Btn_OK").Top(), 30);
    EXPECT_EQ(form->ControlCount(), 2);
}

// A mistake among the controls is found when they are made, and still
// points at its line of the whole layout.
TEST(Layout, InPartsReportsTheLineOfEitherPart) {
    const TLayoutHandlers handlers;
    {
        auto form = NewForm();
        const std::string text = "object F: TSample\n  Colour = clRed\nend\n";
        try {
            LoadLayoutInParts(*form, "TSample", text, "TSample.layout", handlers);
            ADD_FAILURE() << "no error";
        } catch (const ELayoutError& e) {
            EXPECT_NE(std::string(e.what()).find("TSample.layout:2:"), std::string::npos) << e.what();
        }
    }
    auto form = NewForm();
    const std::string text =
        "object F: TSample\n"
        "  Caption = 'F'\n"
        "  object L: TLabel\n"
        "  end\n"
        "  object M: TLabel\n"
        "    Left = 'ten'\n"
        "  end\n"
        "end\n";
    const std::function<void()> controls = LoadLayoutInParts(*form, "TSample", text, "TSample.layout", handlers);
    EXPECT_EQ(form->Caption(), "F");
    try {
        controls();
        ADD_FAILURE() << "no error";
    } catch (const ELayoutError& e) {
        EXPECT_NE(std::string(e.what()).find("TSample.layout:6: expected a number"), std::string::npos) << e.what();
    }
    // A layout with nothing nested in its root has nothing left to make.
    auto bare = NewForm();
    const std::string alone = "object G: TSample\n  Caption = 'G'\nend\n";
    const std::function<void()> none = LoadLayoutInParts(*bare, "TSample", alone, "TSample.layout", handlers);
    EXPECT_EQ(bare->Caption(), "G");
    none();
    EXPECT_EQ(bare->ControlCount(), 0);
}

TEST(Layout, RefusesALayoutOfAnotherWindowAndStrayEnds) {
    const struct {
        const char* name;
        const char* text;
        const char* what;
    } cases[] = {
        {"other window", "object F: TOther\nend\n", "the layout is for TOther, not for TSample"},
        {"stray end", "object F: TSample\nend\nend\n", "'end' without 'object'"},
        {"empty", "\n// nothing\n", "no object in the layout"},
    };
    for (const auto& c : cases) {
        auto form = NewForm();
        std::string error;
        EXPECT_FALSE(LoadLayout(*form, "TSample", c.text, "x.layout", {}, &error)) << c.name;
        EXPECT_NE(error.find(c.what), std::string::npos) << c.name << ": " << error;
    }
}

// An upper layer's control: registered under its kind name with a property
// of its own, it still takes the properties of the class it derives from.
class TBadge : public TCustomControl {
public:
    using TCustomControl::TCustomControl;
    int Level = 0;
};

TEST(Layout, UpperLayersRegisterTheirOwnClasses) {
    RegisterLayoutClass("TBadge", "TCustomControl", [](TComponent* owner) { return new TBadge(owner); });
    RegisterLayoutProperty("TBadge", "Level", [](TComponent& c, const TLayoutValue& v, TLayoutContext&) {
        static_cast<TBadge&>(c).Level = LayoutInt(v);
    });
    ASSERT_TRUE(LayoutClassRegistered("TBadge"));
    auto form = NewForm();
    const char* text =
        "object F: TSample\n"
        "  object P: TPageControl\n"
        "    object TS_One: TTabSheet\n"
        "      Caption = 'One'\n"
        "      object B: TBadge\n"
        "        Left = 5\n"
        "        Level = 3\n"
        "      end\n"
        "    end\n"
        "  end\n"
        "end\n";
    std::string error;
    ASSERT_TRUE(LoadLayout(*form, "TSample", text, "TSample.layout", {}, &error)) << error;
    auto& badge = LayoutComponent<TBadge>(*form, "B");
    EXPECT_EQ(badge.Level, 3);
    EXPECT_EQ(badge.Left(), 5);
    auto& pages = LayoutComponent<TPageControl>(*form, "P");
    ASSERT_EQ(pages.PageCount(), 1);
    EXPECT_EQ(pages.Pages(0)->Caption(), "One");
    EXPECT_EQ(badge.Parent(), pages.Pages(0));
}

}  // namespace

namespace {

// The reading order set on a panel reaches the controls on it that follow
// their parent; one that does not keeps its own.
TEST(Layout, ReadingOrderPassesToTheControlsThatFollowTheirParent) {
    auto form = NewForm();
    const char* text =
        "object FSample: TSample\n"
        "  object P_Body: TPanel\n"
        "    BiDiMode = bdRightToLeft\n"
        "    object E_Follows: TEdit\n"
        "    end\n"
        "    object E_Own: TEdit\n"
        "      ParentBiDiMode = False\n"
        "    end\n"
        "  end\n"
        "end\n";
    std::string error;
    ASSERT_TRUE(LoadLayout(*form, "TSample", text, "TSample.layout", {}, &error)) << error;
    auto& panel = LayoutComponent<TPanel>(*form, "P_Body");
    auto& follows = LayoutComponent<TEdit>(*form, "E_Follows");
    auto& own = LayoutComponent<TEdit>(*form, "E_Own");
    EXPECT_EQ(form->BiDiMode(), bdLeftToRight);
    EXPECT_TRUE(panel.UseRightToLeftAlignment());
    EXPECT_EQ(follows.BiDiMode(), bdRightToLeft);
    EXPECT_EQ(own.BiDiMode(), bdRightToLeft) << "taken when placed, before the property said otherwise";
    panel.SetBiDiMode(bdRightToLeftReadingOnly);
    EXPECT_EQ(follows.BiDiMode(), bdRightToLeftReadingOnly);
    EXPECT_EQ(own.BiDiMode(), bdRightToLeft) << "no longer follows";
    EXPECT_FALSE(follows.UseRightToLeftAlignment());
    EXPECT_TRUE(follows.UseRightToLeftReading());
}

}  // namespace
