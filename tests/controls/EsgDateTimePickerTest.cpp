#include "controls/EsgDateTimePicker.h"

#include <gtest/gtest.h>

#include "platform/Forms.h"
#include "platform/GuiApp.h"
#include "platform/Messages.h"
#include "platform/TestHooks.h"

namespace {

using namespace ctl;

class Picker : public ::testing::Test {
protected:
    void SetUp() override {
        plat::EnsureGuiApplication();
        form = std::make_unique<plat::TForm>(nullptr);
        form->SetBounds(0, 0, 300, 200);
        picker = new TEsgDateTimePicker(form.get());
        picker->SetParent(form.get());
        picker->SetBounds(50, 50, 120, 22);
        form->Show();
    }
    plat::test::TRgb ButtonFace() {
        plat::test::ProcessEvents();
        return plat::test::PixelAt(*picker, 120 - 6, 4);
    }
    std::unique_ptr<plat::TForm> form;
    TEsgDateTimePicker* picker = nullptr;
};

TEST_F(Picker, Version) {
    EXPECT_EQ(picker->Version(), "1.0.0.0");
    picker->SetVersion("2.0");
    EXPECT_EQ(picker->Version(), "1.0.0.0");
    EXPECT_FALSE(picker->TileStyle());
    EXPECT_EQ(picker->BorderColor(), plat::clNone);
}

TEST_F(Picker, TileButtonFollowsTheMouse) {
    picker->SetTileStyle(true);
    picker->ButtonColor = plat::clRed;
    picker->ButtonColorHot = plat::clLime;
    picker->ButtonColorDown = plat::clBlue;
    picker->Repaint();
    EXPECT_EQ(ButtonFace(), (plat::test::TRgb{255, 0, 0}));
    picker->Perform(plat::WM_MOUSEMOVE, 0, plat::MakeLParam(120 - 6, 4));
    EXPECT_TRUE(picker->ButtonHover());
    EXPECT_EQ(ButtonFace(), (plat::test::TRgb{0, 255, 0}));
    plat::test::MouseDown(*picker, plat::mbLeft, 120 - 6, 4);
    EXPECT_EQ(ButtonFace(), (plat::test::TRgb{0, 0, 255}));
    picker->Perform(plat::WM_MOUSEMOVE, 0, plat::MakeLParam(10, 4));  // away while holding
    EXPECT_EQ(ButtonFace(), (plat::test::TRgb{255, 0, 0}));
    plat::test::MouseUp(*picker, plat::mbLeft, 10, 4);

    picker->SetKind(dtkTime);  // a time-only picker keeps the plain button
    EXPECT_NE(ButtonFace(), (plat::test::TRgb{255, 0, 0}));
}

TEST_F(Picker, BorderColour) {
    picker->SetBorderColor(plat::clRed);
    EXPECT_NE(ButtonFace(), (plat::test::TRgb{255, 0, 0}));
    plat::test::ProcessEvents();
    EXPECT_NE(plat::test::PixelAt(*picker, 0, 10), (plat::test::TRgb{255, 0, 0}));  // not Tile
    picker->SetTileStyle(true);
    plat::test::ProcessEvents();
    EXPECT_EQ(plat::test::PixelAt(*picker, 0, 10), (plat::test::TRgb{255, 0, 0}));
}

}  // namespace
