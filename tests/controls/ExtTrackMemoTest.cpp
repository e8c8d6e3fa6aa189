#include "controls/ExtTrackMemo.h"

#include <gtest/gtest.h>

#include "platform/Forms.h"
#include "platform/GuiApp.h"
#include "platform/Messages.h"
#include "platform/TestHooks.h"
#include "TestOut.h"

namespace {

using namespace ctl;
using plat::test::SendKey;

class Pickers : public ::testing::Test {
protected:
    void SetUp() override {
        plat::EnsureGuiApplication();
        form = std::make_unique<plat::TForm>(nullptr);
        form->SetBounds(100, 100, 400, 300);
        track = new TExtTrackBarDropDown(form.get());
        track->SetParent(form.get());
        track->SetBounds(20, 20, 160, 22);
        memo = new TExtMemoDropDown(form.get());
        memo->SetParent(form.get());
        memo->SetBounds(20, 80, 200, 22);
        form->Show();
        track->SetFocus();
        plat::test::ProcessEvents();
    }
    void TearDown() override {
        track->HideDropDown(false);
        memo->HideDropDown(false);
        form.reset();
    }
    std::unique_ptr<plat::TForm> form;
    TExtTrackBarDropDown* track = nullptr;
    TExtMemoDropDown* memo = nullptr;
};

TEST_F(Pickers, TrackBarKeysStepByFrequencyWithinTheRange) {
    const struct {
        int min, max, frequency, position;
        unsigned short key;
        int result;
    } cases[] = {
        {0, 10, 1, 10, plat::VK_DOWN, 10},  // already at Max
        {0, 10, 1, 9, plat::VK_DOWN, 10},
        {0, 10, 3, 2, plat::VK_UP, 2},      // 2 - 3 would leave the range
        {0, 10, 3, 5, plat::VK_UP, 2},
        {0, 10, 1, 5, plat::VK_LEFT, 5},    // other keys do nothing
    };
    for (const auto& c : cases) {
        track->SetMin(c.min);
        track->SetMax(c.max);
        track->SetFrequency(c.frequency);
        track->SetPosition(c.position);
        SendKey(*track, c.key);
        EXPECT_EQ(track->Position(), c.result) << c.position << " " << c.key;
        EXPECT_EQ(track->Text(), std::to_string(c.result));
    }
    int changes = 0;
    track->OnTrackChange = [&](plat::TObject*) { ++changes; };
    track->SetPosition(50);  // clamped by the track bar
    EXPECT_EQ(track->Position(), 10);
    EXPECT_EQ(changes, 1);
}

TEST_F(Pickers, TrackBarTextAndDrag) {
    track->SetMax(20);
    const struct {
        const char* text;
        int position;
    } texts[] = {{"7", 7}, {"abc", 0}, {"99", 20}, {"-4", 0}, {"", 0}};
    for (const auto& t : texts) {
        track->SetText(t.text);
        EXPECT_EQ(track->Position(), t.position) << t.text;
    }
    track->SetPosition(5);
    track->SetPageSize(2);
    plat::test::MouseDown(*track, plat::mbLeft, 40, 10);
    plat::test::MouseMove(*track, 45, 10, plat::ssLeft);  // 5 px at 2 px per step
    EXPECT_EQ(track->Position(), 7);
    plat::test::MouseMove(*track, 46, 10, plat::ssLeft);  // too small a move
    plat::test::MouseMove(*track, 47, 10, plat::ssLeft);
    EXPECT_EQ(track->Position(), 7);
    plat::test::MouseUp(*track, plat::mbLeft, 47, 10);
    track->SetPageSize(0);  // never a division by zero
    EXPECT_EQ(track->PageSize(), 1);
}

TEST_F(Pickers, TrackBarPopUpMovesTheValue) {
    track->SetMax(10);
    track->SetPosition(3);
    SendKey(*track, plat::VK_F4);
    ASSERT_TRUE(track->DroppedDown());
    TExtTrackBar* bar = track->TrackBar();
    SendKey(*bar, plat::VK_RIGHT);
    EXPECT_EQ(track->Position(), 4);
    EXPECT_EQ(track->Text(), "4");
    plat::test::ClickAt(*bar, bar->ThumbX(8), 14);
    EXPECT_EQ(track->Position(), 8);
    plat::test::ProcessEvents();
    EXPECT_EQ(plat::test::AccessibleNameOf(*bar), "Track bar");
    EXPECT_TRUE(plat::test::SaveScreenshot(*track->DropDownForm(),
                                           TestOutFile("TrackBarDropDown_open.png")));
    // Losing activation keeps the value.
    track->DropDownForm()->Perform(plat::CM_DEACTIVATE);
    EXPECT_FALSE(track->DroppedDown());
    EXPECT_EQ(track->Text(), "8");
}

TEST_F(Pickers, MemoShowsTheFirstLine) {
    memo->SetEditorEnabled(false);
    memo->SetMemoText("alpha\r\nbeta");
    EXPECT_EQ(memo->Text(), "alpha...");
    memo->SetMemoText("single");
    EXPECT_EQ(memo->Text(), "single");
    memo->SetMemoText("a very long first line that will never fit into the narrow edit box\r\nnext");
    EXPECT_EQ(memo->Text().substr(memo->Text().size() - 3), "...");
    EXPECT_LT(memo->Text().size(), 40u);
    memo->SetEditorEnabled(true);
    memo->SetMemoText("alpha\r\nbeta");
    EXPECT_NE(memo->Text().find("beta"), std::string::npos);
}

TEST_F(Pickers, MemoEscapeDiscardsAndDeactivationKeeps) {
    memo->SetEditorEnabled(false);
    memo->SetMemoText("alpha\r\nbeta");
    memo->SetFocus();
    memo->ShowDropDown();
    ASSERT_TRUE(memo->DroppedDown());
    memo->Memo()->Lines().SetText("changed");
    SendKey(*memo->Memo(), plat::VK_ESCAPE);
    EXPECT_FALSE(memo->DroppedDown());
    EXPECT_EQ(memo->Text(), "alpha...");
    EXPECT_EQ(memo->MemoText().Strings(1), "beta");
    memo->ShowDropDown();
    memo->Memo()->Lines().SetText("kept\r\nlines");
    plat::test::ProcessEvents();
    EXPECT_TRUE(plat::test::SaveScreenshot(*memo->DropDownForm(),
                                           TestOutFile("MemoDropDown_open.png")));
    memo->DropDownForm()->Perform(plat::CM_DEACTIVATE);
    EXPECT_FALSE(memo->DroppedDown());
    EXPECT_EQ(memo->Text(), "kept...");
    EXPECT_TRUE(memo->Focused());
}

}  // namespace
