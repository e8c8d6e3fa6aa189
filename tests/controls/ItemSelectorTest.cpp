#include "controls/ItemSelector.h"

#include <gtest/gtest.h>

#include <memory>

#include "PickerTestSupport.h"
#include "platform/Forms.h"
#include "platform/GuiApp.h"
#include "platform/Messages.h"
#include "platform/TestHooks.h"
#include "TestOut.h"

namespace {

using namespace ctl;
namespace pt = plat::test;

class ItemSelector : public ::testing::Test {
protected:
    void SetUp() override {
        plat::EnsureGuiApplication();
        form = std::make_unique<plat::TForm>(nullptr);
        form->SetBounds(100, 100, 400, 400);
        sel = new TExtCustomItemSelector(form.get());
        sel->SetParent(form.get());
        sel->SetBounds(10, 10, 300, 300);
        sel->OnItemSelect = [this](plat::TObject* s) {
            EXPECT_EQ(s, sel);
            ++selects;
        };
        form->Show();
        pt::ProcessEvents();
    }
    void TearDown() override { form.reset(); }
    // Fixed cells, so positions do not hang on the font.
    void FixedCells(int w, int h) {
        sel->OnItemSize = [w, h](plat::TObject*, plat::TSize& s) { s = {w, h}; };
    }
    void AddItems(std::initializer_list<const char*> captions) {
        for (const char* c : captions) sel->Items().Add()->SetCaption(c);
        sel->UpdateSelectorPanel();
    }
    std::unique_ptr<plat::TForm> form;
    TExtCustomItemSelector* sel = nullptr;
    int selects = 0;
};

TEST_F(ItemSelector, EmptySelectorDoesNothing) {
    EXPECT_EQ(sel->GetPanelSize(), (plat::TSize{100, 50}));
    EXPECT_EQ(sel->ItemIndex(), -1);
    EXPECT_EQ(sel->ItemHot(), -1);
    sel->SelectNext();
    sel->SelectPrevious();
    sel->HotNext();
    EXPECT_FALSE(sel->LookupItem("A"));
    EXPECT_EQ(sel->ItemIndex(), -1);
    EXPECT_EQ(sel->GetVisibleItemCount(), 0);
    EXPECT_EQ(selects, 0);
    EXPECT_THROW(TCustomItemSelector{form.get()}, std::invalid_argument);
}

TEST_F(ItemSelector, LaysItemsOutInRowsOfColumns) {
    FixedCells(30, 20);
    sel->SetColumns(2);
    AddItems({"a", "b", "c", "d", "e"});
    const plat::TRect expected[] = {{2, 2, 32, 22},  {32, 2, 62, 22},  {2, 22, 32, 42},
                                    {32, 22, 62, 42}, {2, 42, 32, 62}};
    for (int i = 0; i < 5; ++i) EXPECT_EQ(sel->Items().Items(i)->FRect, expected[i]) << i;
    EXPECT_EQ(sel->GetPanelSize(), (plat::TSize{2 * 30 + 4, 3 * 20 + 4}));
    for (int bad : {0, -3}) {
        sel->SetColumns(bad);
        EXPECT_EQ(sel->Columns(), 2) << bad;
    }
    // Adding alone keeps the old layout; a change of a caption lays out.
    sel->Items().Add();
    EXPECT_EQ(sel->Items().Items(5)->FRect, plat::TRect{});
    sel->Items().Items(0)->SetCaption("A");
    EXPECT_EQ(sel->Items().Items(5)->FRect, (plat::TRect{32, 42, 62, 62}));
}

TEST_F(ItemSelector, ItemSizeFollowsContentAndCaption) {
    plat::TCanvas measure;
    measure.SetFont(sel->ItemAppearance().Font);
    const plat::TPoint text = DrawHtmlCaption(measure, "Caption", plat::Rect(0, 0, 1000, 500), nullptr, false);
    ASSERT_GT(text.X, 0);
    const struct {
        TSelectorType type;
        TItemLayout layout;
        const char* caption;
        plat::TSize size;
    } cases[] = {
        {stColor, ilCaptionRight, "", {8 + 14, 8 + 14}},
        {stColor, ilCaptionRight, "Caption", {8 + 14 + 4 + text.X + 4, 8 + std::max(14, text.Y)}},
        {stColor, ilCaptionTop, "Caption", {8 + std::max(14, text.X + 4), 8 + 14 + 4 + text.Y}},
        {stImage, ilCaptionBottom, "Caption", {8 + text.X + 4, 8 + text.Y}},  // no picture at all
    };
    for (const auto& c : cases) {
        sel->Items().Clear();
        sel->SetSelectorType(c.type);
        sel->SetItemLayout(c.layout);
        AddItems({c.caption});
        const plat::TRect r = sel->Items().Items(0)->FRect;
        EXPECT_EQ((plat::TSize{r.Width(), r.Height()}), c.size) << c.type << " " << c.layout << " " << c.caption;
    }
}

TEST_F(ItemSelector, SelectionStaysWithinTheItems) {
    FixedCells(30, 20);
    AddItems({"a", "b", "c"});
    sel->Items().Items(1)->FEnabled = false;
    const struct {
        int from, to, result, fired;
    } cases[] = {
        {0, 3, 0, 0},    // past the data: refused
        {0, 99, 0, 0},
        {0, -2, 0, 0},
        {2, 1, 2, 0},    // a disabled item cannot be selected
        {0, -1, -1, 0},  // clears, reads no item
        {2, 2, 2, 1},    // the same again fires again
        {-1, 2, 2, 1},
    };
    for (const auto& c : cases) {
        sel->SetItemIndex(c.from);
        selects = 0;
        sel->SetItemIndex(c.to);
        EXPECT_EQ(sel->ItemIndex(), c.result) << c.from << " -> " << c.to;
        EXPECT_EQ(selects, c.fired) << c.from << " -> " << c.to;
    }
    const struct {
        int from;
        char move;  // next, previous, first, last
        int result;
    } moves[] = {{-1, 'n', 0}, {-1, 'p', 0}, {2, 'n', 2}, {0, 'p', 0}, {0, 'l', 2}, {2, 'f', 0}};
    for (const auto& m : moves) {
        sel->SetItemIndex(m.from);
        switch (m.move) {
            case 'n': sel->SelectNext(); break;
            case 'p': sel->SelectPrevious(); break;
            case 'f': sel->SelectFirst(); break;
            default: sel->SelectLast(); break;
        }
        EXPECT_EQ(sel->ItemIndex(), m.result) << m.from << " " << m.move;
    }
    sel->SelectLast();
    selects = 0;
    sel->SelectNext();  // at the end: not even reported again
    EXPECT_EQ(selects, 0);
}

TEST_F(ItemSelector, LookupComparesPlainUpperCasedCaptions) {
    AddItems({"<b>Red</b>", "  green", "Grey", "Blue"});
    const struct {
        const char* search;
        bool found;
        int index;
    } cases[] = {{"GR", true, 1}, {"GRE", true, 1}, {"GREY", true, 2}, {"R", true, 0}, {"B", true, 3},
                 {"X", false, 3}, {"gr", false, 3}};
    for (const auto& c : cases) {
        EXPECT_EQ(sel->LookupItem(c.search), c.found) << c.search;
        EXPECT_EQ(sel->ItemIndex(), c.index) << c.search;
    }
}

TEST_F(ItemSelector, MouseHoversAndSelects) {
    FixedCells(40, 20);
    sel->SetColumns(2);
    AddItems({"a", "b", "c"});
    sel->Items().Items(2)->SetHint("third");
    sel->Items().Items(1)->FEnabled = false;
    TCustomItemSelector& panel = *sel->Panel();
    pt::MouseMove(panel, 10, 30);  // item 2
    EXPECT_EQ(sel->ItemHot(), 2);
    EXPECT_EQ(panel.Hint(), "third");
    pt::MouseMove(panel, 50, 10);  // the disabled item
    EXPECT_EQ(sel->ItemHot(), -1);
    pt::MouseMove(panel, 10, 10);
    EXPECT_EQ(sel->ItemHot(), 0);
    pt::MouseLeave(panel);
    EXPECT_EQ(sel->ItemHot(), -1);
    pt::ClickAt(panel, 50, 10);
    EXPECT_EQ(sel->ItemIndex(), -1);
    pt::ClickAt(panel, 10, 30);
    EXPECT_EQ(sel->ItemIndex(), 2);
    EXPECT_EQ(selects, 1);
    EXPECT_EQ(pt::AccessibleNameOf(*sel), "Item selector");
    EXPECT_EQ(pt::AccessibleNameOf(panel), "Items");
}

TEST_F(ItemSelector, SelectedHotItemPaintsInTheSelectedColours) {
    sel->SetSelectorType(stColor);
    TItemAppearance& a = sel->ItemAppearance();
    a.SetColorStyle(scCustom);
    a.BorderColorTop = plat::clNone;  // plain fills: one colour per state
    a.ColorHot = plat::clLime, a.ColorHotTo = plat::clNone;
    a.ColorSelected = plat::clYellow, a.ColorSelectedTo = plat::clNone;
    a.BorderColor = plat::clNone;
    FixedCells(40, 24);
    AddItems({"", "", ""});
    sel->Items().Items(0)->SetColor(plat::clRed);
    sel->Items().Items(1)->SetColor(plat::clBlue);
    sel->SetItemIndex(1);
    pt::MouseMove(*sel->Panel(), 10, 30);  // item 1: hot as well
    pt::MouseMove(*sel->Panel(), 10, 55);  // item 2 hot, 1 still selected
    pt::MouseMove(*sel->Panel(), 10, 30);
    pt::ProcessEvents();
    TCustomItemSelector& panel = *sel->Panel();
    // Item 1 spans y 26..50: background at its right end, box at its left.
    EXPECT_EQ(pt::PixelAt(panel, 38, 40), ctltest::Rgb(plat::clYellow));
    EXPECT_EQ(pt::PixelAt(panel, 10, 38), ctltest::Rgb(plat::clBlue));
    EXPECT_EQ(pt::PixelAt(panel, 6, 30), ctltest::Rgb(plat::clBlack));  // the box's frame
    EXPECT_EQ(pt::PixelAt(panel, 38, 15), ctltest::Rgb(plat::clWhite));  // item 0 plain
    EXPECT_EQ(pt::PixelAt(panel, 10, 14), ctltest::Rgb(plat::clRed));
    EXPECT_TRUE(pt::SaveScreenshot(*sel, TestOutFile("ItemSelector_colours.png")));
}

TEST_F(ItemSelector, ScrollsTheChosenItemIntoView) {
    FixedCells(60, 20);
    sel->SetHeight(100);
    for (int i = 0; i < 30; ++i) sel->Items().Add()->SetCaption("item");
    sel->UpdateSelectorPanel();
    ASSERT_TRUE(sel->VertScrollBar().IsScrollBarVisible());
    EXPECT_EQ(sel->GetVisibleItemCount(), 5);
    for (int i : {29, 3, 17}) {
        sel->SetItemIndex(i);
        const plat::TRect r = sel->Items().Items(i)->FRect;
        const int top = sel->Panel()->Top() + r.Top, bottom = sel->Panel()->Top() + r.Bottom;
        EXPECT_GE(top, 0) << i;
        EXPECT_LE(bottom, sel->ClientHeight()) << i;
    }
    sel->SelectFirst();
    EXPECT_LE(sel->VertScrollBar().Position(), 2);  // the first cell starts 2 pixels down
}

TEST(SelectorItem, AssignCopiesEveryField) {
    plat::EnsureGuiApplication();
    TSelectorItems from(nullptr), to(nullptr);
    TSelectorItem& a = *from.Add();
    a.SetCaption("<i>caption</i>");
    a.SetColor(plat::clTeal);
    a.SetImageIndex(4);
    a.SetHint("a note");
    a.FEnabled = false;
    plat::TBitmap picture(3, 2);
    a.Image().SetGraphic(&picture);
    int changes = 0;
    to.OnChange = [&](plat::TObject*) { ++changes; };
    TSelectorItem& b = *to.Add();
    b.Assign(a);
    EXPECT_EQ(b.Caption(), "<i>caption</i>");
    EXPECT_EQ(b.Color(), plat::clTeal);
    EXPECT_EQ(b.ImageIndex(), 4);
    EXPECT_EQ(b.Hint(), "a note");
    EXPECT_FALSE(b.FEnabled);
    EXPECT_EQ(b.Image().Width(), 3);
    EXPECT_EQ(changes, 3);  // caption, colour and image index notify
}

TEST(ItemAppearance, AssignReloadsTheSourcesStyle) {
    plat::EnsureGuiApplication();
    TItemAppearance src, dst;
    src.SetColorStyle(scFrost);
    src.ColorHot = 0x123456;        // lost: the style's presets come over it
    src.ColorSelectedText = 0x0000AA;  // kept: copied after the style
    src.BorderColorHot = 0x00AA00;
    dst.Assign(src);
    EXPECT_EQ(dst.ColorStyle(), scFrost);
    EXPECT_EQ(dst.ColorHot, 0xFDF8F1u);
    EXPECT_EQ(dst.ColorSelectedText, 0x0000AAu);
    EXPECT_EQ(dst.BorderColorHot, 0x00AA00u);
    TItemAppearance same;
    same.ColorHot = 0x123456;
    dst.SetColorStyle(scSuiteB);
    dst.Assign(same);  // same style: the copied colours stay
    EXPECT_EQ(dst.ColorHot, 0x123456u);
}

TEST(ItemAppearance, ComponentStylesLoadTheirColours) {
    plat::EnsureGuiApplication();
    const struct {
        TKeloStyle style;
        plat::TColor hot, top, selectedText;
    } cases[] = {
        {tsSuiteABlue, 0xEBFDFF, plat::clNone, plat::clBlack},
        {tsSuiteBAzure, 0xEBFDFF, 0xF4FEFF, plat::clBlack},
        {tsBevel, 0xEFD3C6, plat::clNone, plat::clHighlightText},
        {tsGlass, 0xFDFBFA, 0xFDF4EB, plat::clBlack},
        {tsSuiteCBlack, 0xD9F9FD, plat::clNone, plat::clBlack},
    };
    for (const auto& c : cases) {
        TItemAppearance a;
        a.BorderColorHot = plat::clRed;
        SetItemAppearanceStyle(&a, c.style);
        EXPECT_EQ(a.ColorHot, c.hot) << c.style;
        EXPECT_EQ(a.BorderColorTop, c.top) << c.style;
        EXPECT_EQ(a.ColorSelectedText, c.selectedText) << c.style;
        EXPECT_EQ(a.BorderColorHot, plat::clNone) << c.style;
    }
    TItemAppearance custom;
    custom.ColorHot = 0x010203;
    SetItemAppearanceStyle(&custom, tsCustom);
    EXPECT_EQ(custom.ColorHot, 0x010203u);
    SetItemAppearanceStyle(nullptr, tsBevel);  // no appearance: nothing
}

}  // namespace
