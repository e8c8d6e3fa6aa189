#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "GridOnFormFixture.h"
#include "grid/ExtGrid.h"
#include "grid/ExtGridSearchFooter.h"
#include "platform/Messages.h"
#include "platform/TestHooks.h"

using namespace grid;
namespace pt = plat::test;

class GridSearchFooter : public GridOnForm {
protected:
    void SetUp() override {
        ShowGrid(4, 6, false);
        const char* cells[5][3] = {
            {"red", "blue", "green"}, {"navy", "red", "teal"}, {"lime", "olive", "maroon"},
            {"gray", "silver", "red"}, {"aqua", "fuchsia", "white"}};
        for (int r = 0; r < 5; ++r)
            for (int c = 0; c < 3; ++c) grid->SetCells(c + 1, r + 1, cells[r][c]);
        grid->SearchFooter().SetVisible(true);
        pt::ProcessEvents();
        panel = grid->SearchPanel();
        edit = panel->Edit();
        edit->SetFocus();
    }
    void Erase(int n) {
        for (int i = 0; i < n; ++i) pt::SendKey(*edit, plat::VK_BACK);
    }
    TSearchPanel* panel = nullptr;
    TRetEdit* edit = nullptr;
};

TEST_F(GridSearchFooter, TypingSearchesAndColoursTheEdit) {
    ASSERT_TRUE(panel->Visible());
    EXPECT_EQ(panel->Height(), 32);
    EXPECT_FALSE(panel->ForwardButton()->Enabled());
    pt::TypeText(*edit, "lim");
    std::filesystem::create_directories(VASTRIMO_TEST_OUT);
    EXPECT_TRUE(pt::SaveScreenshot(*form, std::string(VASTRIMO_TEST_OUT) + "/GridSearchFooter.png"));
    EXPECT_EQ(grid->Col(), 1);
    EXPECT_EQ(grid->Row(), 3);
    EXPECT_EQ(edit->Color(), plat::clWindow);
    EXPECT_TRUE(panel->ForwardButton()->Enabled());
    pt::TypeText(*edit, "q");
    EXPECT_EQ(edit->Color(), plat::clRed);
    Erase(4);
    EXPECT_EQ(edit->Text(), "");
    EXPECT_EQ(edit->Color(), plat::clWindow);
    EXPECT_FALSE(panel->ForwardButton()->Enabled());
    EXPECT_FALSE(panel->HighlightButton()->Enabled());
}

TEST_F(GridSearchFooter, EnterAndCtrlEnterStepThroughTheHits) {
    std::vector<TSearchFooterAction> actions;
    grid->OnSearchFooterAction = [&](TObject*, const std::string&, int, int, TSearchFooterAction a) {
        actions.push_back(a);
    };
    pt::TypeText(*edit, "red");  // columns first: (1,1), then (2,2), then (3,4)
    EXPECT_EQ(grid->Row(), 1);
    pt::SendKey(*edit, plat::VK_RETURN);
    EXPECT_EQ(grid->Col(), 2);
    EXPECT_EQ(grid->Row(), 2);
    pt::SendKey(*edit, plat::VK_RETURN);
    EXPECT_EQ(grid->Col(), 3);
    EXPECT_EQ(grid->Row(), 4);
    pt::SendKey(*edit, plat::VK_RETURN, plat::ssCtrl);
    EXPECT_EQ(grid->Col(), 2);
    EXPECT_EQ(grid->Row(), 2);
    EXPECT_EQ(edit->Text(), "red");  // no line break went in
    ASSERT_GE(actions.size(), 3u);
    EXPECT_EQ(actions.back(), saFindPrevious);
}

TEST_F(GridSearchFooter, WithoutAutoSearchTheButtonsStartOver) {
    grid->SearchFooter().SetAutoSearch(false);
    pt::TypeText(*edit, "red");
    EXPECT_EQ(grid->Row(), 0 + grid->FixedRows());  // typing moved nothing
    pt::ClickAt(*panel->ForwardButton());
    EXPECT_EQ(grid->Row(), 1);
    pt::ClickAt(*panel->ForwardButton());
    EXPECT_EQ(grid->Row(), 2);
    Erase(3);
    pt::TypeText(*edit, "lime");
    pt::ClickAt(*panel->ForwardButton());
    EXPECT_EQ(grid->Row(), 3);
}

TEST_F(GridSearchFooter, SearchColumnAndHighlight) {
    grid->SearchFooter().SetSearchColumn(2);
    pt::TypeText(*edit, "red");
    EXPECT_EQ(grid->Col(), 2);
    pt::ClickAt(*panel->HighlightButton());
    EXPECT_TRUE(panel->HighlightButton()->Down());
    EXPECT_EQ(grid->Cells(2, 2), "<hi>red</hi>");
    EXPECT_EQ(grid->Cells(1, 1), "red");
    pt::ClickAt(*panel->HighlightButton());
    EXPECT_EQ(grid->Cells(2, 2), "red");
}

TEST_F(GridSearchFooter, CloseHidesTheFooterAfterTellingTheOwner) {
    bool visibleWhenTold = false;
    grid->OnSearchFooterClose = [&](TObject*) { visibleWhenTold = grid->SearchFooter().Visible(); };
    pt::ClickAt(*panel->CloseButton());
    EXPECT_TRUE(visibleWhenTold);
    EXPECT_FALSE(grid->SearchFooter().Visible());
    EXPECT_FALSE(panel->Visible());
}
