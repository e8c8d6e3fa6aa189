#include "controls/ExtWatch.h"

#include <cmath>
#include <numbers>
#include <stdexcept>

#include <gtest/gtest.h>

#include "platform/Forms.h"
#include "platform/GuiApp.h"
#include "platform/Messages.h"
#include "platform/TestHooks.h"

namespace {

using namespace ctl;
using plat::test::TRgb;

class Watch : public ::testing::Test {
protected:
    void SetUp() override {
        plat::EnsureGuiApplication();
        form = std::make_unique<plat::TForm>(nullptr);
        form->SetBounds(100, 100, 300, 300);
        watch = new TExtWatch(form.get());
        watch->SetParent(form.get());
        watch->SetBounds(10, 10, 180, 180);
        TWatchAppearance& a = watch->Appearance();
        a.HourPointer = plat::clRed;
        a.MinutePointer = plat::clBlue;
        a.HourPointerShadow = plat::clNone;
        a.MinutePointerShadow = plat::clNone;
        a.TickMarks = tmNone;
        form->Show();
        plat::test::ProcessEvents();
    }
    // The colour at distance D (in radii) from the centre at an angle in
    // degrees clockwise from 12 o'clock.
    TRgb At(double Angle, double D) {
        const double r = 80, cx = 90, cy = 90, a = Angle * std::numbers::pi / 180;
        return plat::test::PixelAt(*watch, static_cast<int>(std::lround(cx + D * r * std::sin(a))),
                                   static_cast<int>(std::lround(cy - D * r * std::cos(a))));
    }
    std::unique_ptr<plat::TForm> form;
    TExtWatch* watch = nullptr;
};

const TRgb kRed{255, 0, 0}, kBlue{0, 0, 255}, kWhite{255, 255, 255};

TEST_F(Watch, HandsPointAtTheTime) {
    const struct {
        int h, m;
        double hourAngle, minuteAngle;
    } cases[] = {
        {3, 0, 90, 0}, {9, 30, 285, 180}, {6, 15, 187.5, 90}, {12, 45, 22.5, 270}, {17, 20, 160, 120},
    };
    for (TPointerStyle style : {psLine, psPointer, psShortLine, psLineArrow}) {
        watch->Appearance().PointerStyle = style;
        for (const auto& c : cases) {
            watch->SetTime(c.h * 3600 + c.m * 60);
            watch->Invalidate();
            plat::test::ProcessEvents();
            EXPECT_EQ(At(c.hourAngle, 0.35), kRed) << style << " " << c.h << ":" << c.m;
            EXPECT_EQ(At(c.minuteAngle, 0.6), kBlue) << style << " " << c.h << ":" << c.m;
            // Nothing drawn half-way towards the opposite side of either hand's tip.
            EXPECT_EQ(At(c.minuteAngle + 180, 0.6), kWhite) << style << " " << c.h << ":" << c.m;
        }
    }
    watch->Appearance().PointerStyle = psLine;
    watch->Appearance().TickMarks = tmAll;
    watch->SetTime(10 * 3600 + 10 * 60);
    watch->Invalidate();
    plat::test::ProcessEvents();
    EXPECT_TRUE(plat::test::SaveScreenshot(*watch, std::string(VASTRIMO_TEST_OUT) + "/Clock_10_10.png"));
    EXPECT_EQ(plat::test::AccessibleNameOf(*watch), "Clock");
}

TEST_F(Watch, FaceAndPointGeometry) {
    const plat::TRect f = watch->FaceRect();
    EXPECT_EQ(f.Left, 10);
    EXPECT_EQ(f.Top, 10);
    EXPECT_EQ(f.Width(), 160);
    EXPECT_EQ(watch->MinuteAtPoint(90, 90), 23);  // the centre counts as lower right
    const struct {
        int x, y, minute;
    } points[] = {{170, 90, 15}, {90, 170, 30}, {10, 90, 45}, {91, 5, 0}, {150, 30, 7}};
    for (const auto& p : points) EXPECT_EQ(watch->MinuteAtPoint(p.x, p.y), p.minute) << p.x << "," << p.y;
    EXPECT_EQ(watch->HourAtPoint(90, 90), 5);
    watch->SetTime(13 * 3600);
    EXPECT_EQ(watch->HourAtPoint(90, 90), 17);
}

TEST_F(Watch, MouseSetsHourMinuteAndHalfOfDay) {
    watch->SetTime(10 * 3600 + 50 * 60);
    int changes = 0;
    watch->OnChange = [&](plat::TObject*) { ++changes; };
    plat::test::ClickAt(*watch, 90, 2);  // outside the face at 12: minute 0
    EXPECT_EQ(watch->Hour(), 11);        // past the half hour: the hour moves on
    EXPECT_EQ(watch->Minute(), 0);
    plat::test::ClickAt(*watch, 130, 90);  // inside at 3 o'clock
    EXPECT_EQ(watch->Hour(), 3);
    const plat::TRect ap = watch->AMPMRect();
    plat::test::ClickAt(*watch, (ap.Left + ap.Right) / 2, (ap.Top + ap.Bottom) / 2);
    EXPECT_EQ(watch->Hour(), 15);
    EXPECT_FALSE(watch->AM());
    EXPECT_EQ(changes, 3);
}

TEST_F(Watch, KeyCommands) {
    const struct {
        int h, m;
        unsigned short key;
        int rh, rm;
    } cases[] = {
        {23, 10, plat::VK_PRIOR, 0, 10}, {0, 10, plat::VK_NEXT, 23, 10}, {0, 0, plat::VK_LEFT, 23, 59},
        {5, 59, plat::VK_RIGHT, 6, 0},   {14, 5, 'A', 2, 5},             {2, 5, 'P', 14, 5},
        {8, 30, plat::VK_HOME, 12, 30},  {8, 30, plat::VK_END, 8, 0},
    };
    for (const auto& c : cases) {
        watch->SetTime(c.h * 3600 + c.m * 60);
        watch->WatchKeyDown(c.key);
        EXPECT_EQ(watch->Hour(), c.rh) << c.h << ":" << c.m << " " << c.key;
        EXPECT_EQ(watch->Minute(), c.rm) << c.h << ":" << c.m << " " << c.key;
    }
    EXPECT_THROW(watch->SetMinute(60), std::invalid_argument);
}

}  // namespace
