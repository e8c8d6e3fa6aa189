#include "controls/ExtWatch.h"

#include <cmath>
#include <numbers>
#include <stdexcept>
#include <vector>

#include <gtest/gtest.h>

#include "base/DateTime.h"
#include "platform/Forms.h"
#include "platform/GuiApp.h"
#include "platform/Messages.h"
#include "platform/TestHooks.h"
#include "TestOut.h"

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
        watch->SetAnimation(false);  // hands jump unless a test asks for the sweep
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
    EXPECT_TRUE(plat::test::SaveScreenshot(*watch, TestOutFile("Clock_10_10.png")));
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

// Runs the hand movement to its end and returns the number of steps.
int RunAnimation(TExtWatch& w) {
    int steps = 0;
    while (w.Animating() && steps < 1000) {
        w.AnimationTick();
        ++steps;
    }
    return steps;
}

TEST_F(Watch, AnimatedHandsSlowDownAndReportOnceAtTheEnd) {
    watch->SetAnimation(true);
    watch->SetTime(10 * 3600 + 50 * 60);
    std::vector<int> reported;
    watch->OnChange = [&](plat::TObject*) { reported.push_back(watch->Time()); };
    plat::test::ClickAt(*watch, 90, 2);  // minute 0, outside the face
    EXPECT_TRUE(watch->Animating());
    EXPECT_EQ(watch->Minute(), 50) << "the click only starts the sweep";
    std::vector<int> minutes;
    while (watch->Animating()) {
        watch->AnimationTick();
        minutes.push_back(watch->Minute());
    }
    // Forward past 12 o'clock, one tenth of the rest per tick, at least one.
    EXPECT_EQ(minutes, (std::vector<int>{51, 52, 53, 54, 55, 56, 57, 58, 59, 0}));
    EXPECT_EQ(watch->Hour(), 11);
    EXPECT_EQ(reported, (std::vector<int>{11 * 3600}));

    reported.clear();
    watch->SetAnimationFactor(2);
    watch->SetHour(1);  // 11 -> 1: 5, 3, 2, 1
    EXPECT_EQ(RunAnimation(*watch), 4);
    EXPECT_EQ(watch->Hour(), 1);
    EXPECT_EQ(reported.size(), 1u);

    // A factor of 0 or less moves by one step per tick instead of dividing by it.
    for (int factor : {0, -3}) {
        watch->SetAnimationFactor(factor);
        watch->SetTime(3 * 3600);
        watch->SetHour(6);
        EXPECT_EQ(RunAnimation(*watch), 1) << factor;
        EXPECT_EQ(watch->Hour(), 6) << factor;
    }
    // Without animation a change is at once.
    watch->SetAnimation(false);
    watch->SetMinute(20);
    EXPECT_FALSE(watch->Animating());
    EXPECT_EQ(watch->Minute(), 20);
}

TEST_F(Watch, HalfOfDayJumpsAndItsLabelRolls) {
    watch->SetAnimation(true);
    watch->SetTime(9 * 3600 + 15 * 60);
    int changes = 0;
    watch->OnChange = [&](plat::TObject*) { ++changes; };
    const plat::TRect ap = watch->AMPMRect();
    plat::test::ClickAt(*watch, (ap.Left + ap.Right) / 2, (ap.Top + ap.Bottom) / 2);
    EXPECT_EQ(watch->Hour(), 21) << "no sweep of twelve hours";
    EXPECT_FALSE(watch->Animating());
    EXPECT_EQ(changes, 1);
    EXPECT_FALSE(watch->AM());
    ASSERT_TRUE(watch->Rolling());
    watch->RollTick();
    plat::test::ProcessEvents();
    EXPECT_TRUE(plat::test::SaveScreenshot(*watch, TestOutFile("Clock_ampm_rolling.png")));
    int ticks = 1;
    while (watch->Rolling() && ticks < 100) {
        watch->RollTick();
        ++ticks;
    }
    // One pixel per tick (the roll's own timer may have taken a few meanwhile).
    EXPECT_LE(ticks, ap.Height() - 2);
    EXPECT_FALSE(watch->Rolling());
    // Set by code the label changes at once.
    watch->SetTime(3 * 3600);
    EXPECT_TRUE(watch->AM());
    EXPECT_FALSE(watch->Rolling());
}

TEST_F(Watch, AutoModeFollowsTheSystemClockWithItsOffset) {
    base::TDateTime now = base::EncodeDate(2026, 3, 1) + base::EncodeTime(14, 5, 30, 0);
    watch->SystemClock = [&] { return now; };
    watch->SetTime(9 * 3600);
    TWatchSettings s;
    s.Auto = true;
    s.TimeOffset = 90;
    watch->SetSettings(s);
    EXPECT_EQ(watch->DisplayTime(), 15 * 3600 + 35 * 60 + 30);
    now += 10.0 / 86400;
    EXPECT_EQ(watch->DisplayTime() % 60, 40);
    // The user cannot move the hands of a running clock.
    watch->WatchKeyDown(plat::VK_HOME);
    plat::test::ClickAt(*watch, 130, 90);
    EXPECT_EQ(watch->Hour(), 15);
    EXPECT_FALSE(watch->AM());
    // The second hand is drawn in auto mode: at 40 s it points at 8 o'clock.
    watch->Appearance().SecondPointer = plat::clLime;
    watch->Appearance().SecondPointerSize = 2;
    watch->Invalidate();
    plat::test::ProcessEvents();
    EXPECT_EQ(At(240, 0.8), (TRgb{0, 255, 0}));
    s.Auto = false;
    watch->SetSettings(s);
    EXPECT_EQ(watch->Hour(), 14) << "manual mode keeps the last system time";
}

TEST_F(Watch, StylesResetTheLookAndApplyTheirPreset) {
    watch->Appearance().HourColor = plat::clAqua;
    watch->SetStyle(wsClassic);  // already the style: nothing changes
    EXPECT_EQ(watch->Appearance().HourColor, plat::clAqua);
    watch->SetStyle(wsSuperNova);
    const TWatchAppearance& a = watch->Appearance();
    EXPECT_EQ(a.HourColor, plat::clBlack) << "the default came back";
    EXPECT_EQ(a.HourMarkLength, 40);    // 180 / 4.5
    EXPECT_EQ(a.MinuteMarkLength, 60);  // 180 div 3
    EXPECT_EQ(a.BorderColor, plat::clNone);
    EXPECT_FALSE(watch->ShowAMPM());
    EXPECT_FALSE(watch->ShowNumbers());
    watch->SetStyle(wsTower);
    EXPECT_EQ(watch->Appearance().AMPMColor, 0xB1F0FEu) << "copied from the background";
    EXPECT_EQ(watch->Appearance().PointerStyle, psPointer);
    EXPECT_EQ(watch->Appearance().Shape, wsRect);
    watch->SetStyle(wsClassic);
    EXPECT_EQ(watch->Appearance().HourPointerSize, 5);
    EXPECT_TRUE(watch->Appearance().HourFont.Style().Contains(plat::fsBold));
    EXPECT_TRUE(watch->ShowNumbers());

    // Every preset draws; the gradient faces are painted inside the shape.
    for (TWatchStyle st : {wsTower, wsFluorescent, wsEmerald, wsBlueStar, wsFuchsia, wsBlack, wsBlackWhite, wsGray,
                           wsSuperNova, wsSports, wsSmooth}) {
        watch->SetStyle(st);
        watch->SetTime(10 * 3600 + 10 * 60);
        plat::test::ProcessEvents();
        EXPECT_TRUE(plat::test::SaveScreenshot(*watch, TestOutFile("Clock_style_" + std::to_string(st) + ".png")));
    }
    watch->SetStyle(wsBlueStar);  // round-rect face with a left-to-right gradient
    plat::test::ProcessEvents();
    const TRgb face{0xD5, 0xD5, 0xFF};
    EXPECT_EQ(plat::test::PixelAt(*watch, 1, 90), face);  // the outline, in the face colour
    EXPECT_NE(plat::test::PixelAt(*watch, 0, 0), face) << "the corner lies outside the rounded face";
}

TEST_F(Watch, ComponentColourSets) {
    const struct {
        TKeloStyle style;
        plat::TColor background, hands, shadows;
    } cases[] = {
        {tsSuiteABlue, 0xFFD2AF, 0xD68759, plat::clWhite},
        {tsSuiteBAzure, 0xFFEFE3, 0x723708, plat::clWhite},
        {tsSuiteCSilver, plat::clWhite, 0xD2CDC8, 0xC0C0C0},
    };
    for (const auto& c : cases) {
        watch->SetComponentStyle(c.style);
        const TWatchAppearance& a = watch->Appearance();
        EXPECT_EQ(a.BackgroundColor, c.background) << c.style;
        EXPECT_EQ(a.HourPointer, c.hands) << c.style;
        EXPECT_EQ(a.MinuteColor, c.hands) << c.style;
        EXPECT_EQ(a.MinutePointerShadow, c.shadows) << c.style;
        EXPECT_EQ(a.CenterPointOuterBorderColor, plat::clBlack) << c.style;
    }
    watch->Appearance().HourFont.SetColor(plat::clRed);
    watch->Appearance().BackgroundColor = plat::clAqua;
    watch->SetComponentStyle(tsCustom);  // only the ring and the two font colours
    EXPECT_EQ(watch->Appearance().HourFont.Color(), plat::clBlack);
    EXPECT_EQ(watch->Appearance().BackgroundColor, plat::clAqua);
    watch->SetComponentStyle(tsSuiteBObsidian);
    EXPECT_EQ(watch->Appearance().HourFont.Color(), 0xF2F1F0u);
}

}  // namespace

namespace {

using namespace ctl;
using plat::test::TRgb;

// Counts its paints: a picture changed in place must ask for a paint by
// itself, with nobody calling Invalidate.
class TCountingWatch : public ctl::TExtWatch {
public:
    using TExtWatch::TExtWatch;
    int Paints = 0;

protected:
    void Paint() override {
        ++Paints;
        TExtWatch::Paint();
    }
};

// A 20 x 20 picture: white ground (its lower-left colour, so see-through)
// with a square of Color from 5 to 15.
plat::TBitmap Square(plat::TColor Color) {
    plat::TBitmap b(20, 20);
    b.Canvas().Brush().SetColor(plat::clWhite);
    b.Canvas().FillRect(plat::Rect(0, 0, 20, 20));
    b.Canvas().Brush().SetColor(Color);
    b.Canvas().FillRect(plat::Rect(5, 5, 15, 15));
    return b;
}

TEST_F(Watch, PictureLiesOverTheFaceAndRepaintsWhenChanged) {
    watch->Hide();
    auto* clock = new TCountingWatch(form.get());
    clock->SetParent(form.get());
    clock->SetBounds(10, 10, 180, 180);
    clock->SetAnimation(false);
    clock->SetShowNumbers(false);
    clock->SetShowAMPM(false);
    clock->Appearance().BackgroundColor = plat::clYellow;
    clock->Appearance().TickMarks = tmNone;
    clock->SetTime(3 * 3600);  // hands to the right and up, away from the probes
    plat::test::ProcessEvents();

    const plat::TBitmap red = Square(plat::clRed), green = Square(plat::clLime), blue = Square(plat::clBlue);
    clock->Paints = 0;
    clock->Appearance().Picture.SetGraphic(&red);
    plat::test::ProcessEvents();
    EXPECT_GT(clock->Paints, 0) << "a new picture repaints";
    // Stretched nine times over the 180 x 180 control: the square covers
    // 45..135; the white ground lets the yellow face through.
    EXPECT_EQ(plat::test::PixelAt(*clock, 60, 120), kRed);
    EXPECT_EQ(plat::test::PixelAt(*clock, 30, 90), (TRgb{255, 255, 0}));
    EXPECT_TRUE(plat::test::SaveScreenshot(*clock, TestOutFile("Clock_picture.png")));

    clock->Paints = 0;
    clock->Appearance().Picture.SetGraphic(&green);
    plat::test::ProcessEvents();
    EXPECT_GT(clock->Paints, 0) << "changed in place";
    EXPECT_EQ(plat::test::PixelAt(*clock, 60, 120), (TRgb{0, 255, 0}));

    // An appearance handed over whole (as the time picker hands its own)
    // brings its picture, and the clock still hears of later changes.
    TWatchAppearance other;
    other.Picture.SetGraphic(&blue);
    clock->SetAppearance(other);
    EXPECT_EQ(plat::test::PixelAt(*clock, 60, 120), kBlue);
    plat::test::ProcessEvents();
    clock->Paints = 0;
    clock->Appearance().Picture.SetGraphic(nullptr);
    plat::test::ProcessEvents();
    EXPECT_GT(clock->Paints, 0);
    EXPECT_EQ(plat::test::PixelAt(*clock, 60, 120), kWhite) << "no picture: the plain face";
}

}  // namespace
