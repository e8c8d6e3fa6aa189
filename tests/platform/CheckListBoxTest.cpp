#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "platform/Application.h"
#include "platform/Forms.h"
#include "platform/StdCtrls.h"
#include "platform/TestHooks.h"

using namespace plat;

namespace {

// A check list of three entries on a shown form, counting the flips the
// user makes.
class CheckListTest : public ::testing::Test {
protected:
    void SetUp() override {
        InitApplication();
        form = std::make_unique<TForm>(nullptr);
        form->SetClientWidth(300);
        form->SetClientHeight(200);
        list = new TCheckListBox(form.get());
        list->SetParent(form.get());
        list->SetBounds(10, 10, 160, 120);
        list->Items().Add("alpha");
        list->Items().Add("beta");
        list->Items().Add("gamma");
        list->OnClickCheck = [this](TObject*) { ++flips; };
        form->Show();
        test::ProcessEvents();
    }
    void TearDown() override { form.reset(); }

    // Pixels darker than mid grey in the left part of the first entry,
    // where its box is drawn.
    int DarkInFirstBox() {
        int dark = 0;
        for (int y = 2; y < 18; ++y)
            for (int x = 2; x < 22; ++x) {
                const test::TRgb c = test::PixelAt(*list, x, y);
                if (c.R + c.G + c.B < 3 * 100) ++dark;
            }
        return dark;
    }

    std::unique_ptr<TForm> form;
    TCheckListBox* list = nullptr;
    int flips = 0;
};

}  // namespace

// Clicks land where a hand would put them: on the box the entry flips and
// the list says so; on the text it is only selected.
TEST_F(CheckListTest, ClickOnTheBoxFlipsAClickOnTheTextSelects) {
    const struct {
        const char* what;
        int x;
        bool checked;
        int flips;
    } steps[] = {
        {"box", 11, true, 1},
        {"text", 100, true, 1},
        {"box again", 11, false, 2},
    };
    for (const auto& s : steps) {
        test::ClickAt(*list, s.x, 10);
        test::ProcessEvents();
        EXPECT_EQ(list->Checked(0), s.checked) << s.what;
        EXPECT_EQ(flips, s.flips) << s.what;
        EXPECT_EQ(list->ItemIndex(), 0) << s.what;
    }
    EXPECT_FALSE(list->Checked(1));
}

// Space flips the current entry only; setting a box from code reports
// nothing, keeps to its entry when entries are added and shows a tick.
TEST_F(CheckListTest, SpaceFlipsTheCurrentEntryAndCodeStaysQuiet) {
    list->SetItemIndex(2);
    test::SendKey(*list, VK_SPACE);
    EXPECT_TRUE(list->Checked(2));
    EXPECT_FALSE(list->Checked(1));
    EXPECT_EQ(flips, 1);
    test::SendKey(*list, VK_SPACE);
    EXPECT_FALSE(list->Checked(2));
    EXPECT_EQ(flips, 2);

    const int unticked = DarkInFirstBox();
    list->SetChecked(0, true);
    list->Items().Add("delta");
    test::ProcessEvents();
    EXPECT_EQ(flips, 2);
    EXPECT_TRUE(list->Checked(0));
    EXPECT_FALSE(list->Checked(3));
    EXPECT_GT(DarkInFirstBox(), unticked + 4) << "the tick shows in the box";
    EXPECT_TRUE(test::SaveScreenshot(*list, std::string(VASTRIMO_TEST_OUT) + "/check_list.png"));
    list->SetChecked(7, true);  // no such entry
    EXPECT_FALSE(list->Checked(7));
}
