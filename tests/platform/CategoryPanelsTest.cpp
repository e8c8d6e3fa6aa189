#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "platform/Application.h"
#include "platform/CategoryPanels.h"
#include "platform/Forms.h"
#include "platform/StdCtrls.h"
#include "platform/TestHooks.h"

using namespace plat;

namespace {

// A group of three panels on a shown form, 300 pixels tall, with header 24.
class CategoryPanelsTest : public ::testing::Test {
protected:
    void SetUp() override {
        InitApplication();
        form = std::make_unique<TForm>(nullptr);
        form->SetClientWidth(400);
        form->SetClientHeight(300);
        group = new TCategoryPanelGroup(form.get());
        group->SetParent(form.get());
        group->SetBounds(0, 0, 400, 300);
        for (int i = 0; i < 3; ++i) {
            auto* p = new TCategoryPanel(form.get());
            p->SetPanelGroup(group);
            p->SetCaption(std::to_string(i + 1) + ". Panel");
            p->SetHeight(100 + 20 * i);
            p->SetTop(1000 * i);
            panels.push_back(p);
        }
        form->Show();
    }
    void TearDown() override { form.reset(); }

    std::vector<int> Tops() const {
        std::vector<int> t;
        for (auto* p : panels) t.push_back(p->Visible() ? p->Top() : -1);
        return t;
    }

    std::unique_ptr<TForm> form;
    TCategoryPanelGroup* group = nullptr;
    std::vector<TCategoryPanel*> panels;
};

TEST_F(CategoryPanelsTest, StacksVisiblePanelsByTheirTops) {
    EXPECT_EQ(Tops(), (std::vector<int>{0, 100, 220}));
    // Putting the last panel above the others moves it first in the stack.
    panels[2]->SetTop(-1);
    EXPECT_EQ(Tops(), (std::vector<int>{140, 240, 0}));
    // A hidden panel leaves no gap.
    panels[2]->Hide();
    EXPECT_EQ(Tops(), (std::vector<int>{0, 100, -1}));
    EXPECT_EQ(group->StackHeight(), 220);
    EXPECT_EQ(group->PanelCount(), 3);
}

TEST_F(CategoryPanelsTest, CollapseShowsHeaderAloneAndExpandRestoresHeight) {
    int collapsed = 0, expanded = 0;
    panels[0]->OnCollapse = [&](TObject*) { ++collapsed; };
    panels[0]->OnExpand = [&](TObject*) { ++expanded; };

    panels[0]->Collapse();
    EXPECT_TRUE(panels[0]->Collapsed());
    EXPECT_EQ(panels[0]->Height(), group->HeaderHeight());
    EXPECT_EQ(Tops(), (std::vector<int>{0, 24, 144}));

    // Moving a folded panel keeps the height it unfolds to.
    panels[0]->SetTop(panels[0]->Top());
    panels[0]->SetBounds(0, 0, 300, panels[0]->Height());
    panels[0]->Expand();
    EXPECT_EQ(panels[0]->Height(), 100);
    panels[0]->Collapse();
    // A height set while folded is kept for the unfolding.
    panels[0]->SetHeight(150);
    EXPECT_EQ(panels[0]->Height(), 24);
    panels[0]->Expand();
    EXPECT_EQ(panels[0]->Height(), 150);
    EXPECT_EQ(Tops(), (std::vector<int>{0, 150, 270}));
    EXPECT_EQ(collapsed, 2);
    EXPECT_EQ(expanded, 2);
}

TEST_F(CategoryPanelsTest, ClickOnHeaderTogglesButClickBelowDoesNot) {
    test::ClickAt(*panels[1], 50, 60);
    EXPECT_FALSE(panels[1]->Collapsed());
    test::ClickAt(*panels[1], 50, 10);
    EXPECT_TRUE(panels[1]->Collapsed());
    test::ClickAt(*panels[1], 50, 10);
    EXPECT_FALSE(panels[1]->Collapsed());
}

TEST_F(CategoryPanelsTest, ScrollMessagesMoveThePanelsWithinTheRange) {
    // 360 pixels of panels in a 300-pixel group.
    EXPECT_TRUE(group->VertScrollVisible());
    EXPECT_EQ(group->VertScrollMax(), 60);
    EXPECT_LT(group->PanelWidth(), 400);

    const struct {
        unsigned code;
        int thumb;
        int pos;
    } steps[] = {
        {SB_LINEDOWN, 0, 28}, {SB_ENDSCROLL, 0, 28}, {SB_LINEDOWN, 0, 56}, {SB_LINEDOWN, 0, 60},
        {SB_LINEUP, 0, 32},   {SB_THUMBTRACK, 10, 10}, {SB_THUMBPOSITION, 500, 60}, {SB_TOP, 0, 0},
        {SB_LINEUP, 0, 0},    {SB_BOTTOM, 0, 60},
    };
    for (const auto& s : steps) {
        group->Perform(WM_VSCROLL, MakeLParam(static_cast<int>(s.code), s.thumb));
        EXPECT_EQ(group->VertScrollPos(), s.pos) << "code " << s.code;
        EXPECT_EQ(panels[0]->Top(), -s.pos) << "code " << s.code;
    }
    // Without tracking a dragged thumb moves nothing until it is let go.
    group->SetVertScrollTracking(false);
    group->Perform(WM_VSCROLL, MakeLParam(SB_THUMBTRACK, 0));
    EXPECT_EQ(group->VertScrollPos(), 60);

    // Once everything fits, the bar goes and the panels are back at the top.
    panels[2]->Collapse();
    EXPECT_FALSE(group->VertScrollVisible());
    EXPECT_EQ(group->VertScrollPos(), 0);
    EXPECT_EQ(panels[0]->Top(), 0);
    EXPECT_EQ(panels[0]->Width(), 400);
}

TEST_F(CategoryPanelsTest, ControlsOnAPanelSitBelowItsHeaderAndFoldAway) {
    auto* edit = new TEdit(form.get());
    edit->SetParent(panels[0]);
    edit->SetBounds(10, panels[0]->ClientTop() + 12, 100, 21);
    EXPECT_TRUE(edit->Showing());
    panels[0]->Collapse();
    // Folded, the panel is no taller than its header, so the edit is cut off.
    EXPECT_LE(panels[0]->Height(), edit->Top());
    EXPECT_EQ(edit->Parent(), panels[0]);
}

TEST_F(CategoryPanelsTest, ScreenshotShowsHeadersAndChevrons) {
    panels[1]->Collapse();
    test::ProcessEvents();
    std::filesystem::create_directories(VASTRIMO_TEST_OUT);
    const std::string path = std::string(VASTRIMO_TEST_OUT) + "/CategoryPanels.png";
    ASSERT_TRUE(test::SaveScreenshot(*form, path));
    // The header band of an open panel is painted, not left to the group.
    EXPECT_NE(test::PixelAt(*form, 200, 5), test::PixelAt(*form, 200, 60));
}

TEST(CategoryPanelsLifetime, PanelAndGroupMayGoInEitherOrder) {
    InitApplication();
    {
        auto group = std::make_unique<TCategoryPanelGroup>(nullptr);
        auto* panel = new TCategoryPanel(group.get());
        panel->SetPanelGroup(group.get());
        delete panel;
        EXPECT_EQ(group->PanelCount(), 0);
    }
    {
        auto owner = std::make_unique<TForm>(nullptr);
        auto* group = new TCategoryPanelGroup(nullptr);
        group->SetParent(owner.get());
        auto* panel = new TCategoryPanel(owner.get());
        panel->SetPanelGroup(group);
        delete group;
        EXPECT_EQ(panel->PanelGroup(), nullptr);
    }
}

}  // namespace
