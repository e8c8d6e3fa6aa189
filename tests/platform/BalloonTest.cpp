#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "platform/Application.h"
#include "platform/Balloon.h"
#include "platform/Forms.h"
#include "platform/TestHooks.h"

using namespace plat;

namespace {

class BalloonTest : public ::testing::Test {
protected:
    void SetUp() override {
        InitApplication();
        form = std::make_unique<TForm>(nullptr);
        form->SetBounds(40, 40, 300, 200);
        form->Show();
        test::ProcessEvents();
    }
    void TearDown() override { form.reset(); }

    // Pixels of the shown balloon that match.
    int Count(TBalloonWindow& b, const std::function<bool(const test::TRgb&)>& match) {
        const test::TPicture p = test::PictureOf(b);
        int n = 0;
        for (int y = 0; y < p.Height; ++y)
            for (int x = 0; x < p.Width; ++x)
                if (p.AlphaAt(x, y) > 200 && match(p.At(x, y))) ++n;
        return n;
    }
    static bool Dark(const test::TRgb& c) { return c.R + c.G + c.B < 3 * 90; }

    std::unique_ptr<TForm> form;
};

}  // namespace

// The balloon is a rounded box with a tail whose point sits on the asked
// spot; around the outline the window is see-through.
TEST_F(BalloonTest, RoundedBoxWithATailOnTheSpot) {
    TBalloonWindow b;
    b.SetTitle("Port");
    b.SetText("1 to 65535");
    b.SetColor(RGB(255, 255, 200));
    b.SetIcon(bkError);
    b.ShowAt(*form, 50, 60);
    test::ProcessEvents();
    ASSERT_TRUE(b.Visible());
    EXPECT_TRUE(test::SaveScreenshot(b, std::string(VASTRIMO_TEST_OUT) + "/balloon.png"));
    const TPoint spot = form->ClientToScreen({50, 60});
    const TRect r = b.BoundsRect();
    EXPECT_EQ(b.TipPoint(), spot);
    EXPECT_EQ(r.Top, spot.Y) << "below the spot, its tail pointing up";
    const int tipX = spot.X - r.Left;
    const int w = r.Right - r.Left, h = r.Bottom - r.Top;
    const struct {
        const char* where;
        int x, y;
        bool solid;
    } points[] = {
        {"top left corner", 0, 0, false},
        {"bottom left corner", 0, h - 1, false},
        {"bottom right corner", w - 1, h - 1, false},
        {"beside the tail", tipX + 30, 2, false},
        {"tail near its point", tipX + 1, 4, true},
        {"middle of the box", w / 2, h - 6, true},
    };
    const test::TPicture pic = test::PictureOf(b);
    ASSERT_EQ(pic.Width, w);
    for (const auto& p : points) EXPECT_EQ(pic.AlphaAt(p.x, p.y) > 128, p.solid) << p.where;
    EXPECT_EQ(pic.At(w - 6, h / 2 + 6), (test::TRgb{255, 255, 200})) << "filled with its colour";
    b.Hide();
    EXPECT_FALSE(b.Visible());

    // Left floating, it would stay behind where its window was.
    const struct {
        const char* what;
        std::function<void()> act;
    } leaves[] = {
        {"window moves", [&] { form->SetLeft(form->Left() + 20); }},
        {"window hides", [&] { form->Hide(); }},
    };
    for (const auto& l : leaves) {
        form->Show();
        b.ShowAt(*form, 50, 60);
        test::ProcessEvents();
        ASSERT_TRUE(b.Visible()) << l.what;
        l.act();
        test::ProcessEvents();
        EXPECT_FALSE(b.Visible()) << l.what;
    }
}

// Each kind shows its own icon beside the title; a balloon without one
// shows none.
TEST_F(BalloonTest, IconOfEachKind) {
    const auto red = [](const test::TRgb& c) { return c.R > 150 && c.G < 90 && c.B < 90; };
    const auto blue = [](const test::TRgb& c) { return c.B > 150 && c.R < 90; };
    const auto yellow = [](const test::TRgb& c) { return c.R > 200 && c.G > 150 && c.B < 60; };
    const struct {
        TBalloonKind kind;
        int red, blue, yellow;  // whether each colour shows
    } cases[] = {
        {bkNone, 0, 0, 0}, {bkInfo, 0, 1, 0}, {bkWarning, 0, 0, 1}, {bkError, 1, 0, 0}};
    for (const auto& c : cases) {
        TBalloonWindow b;
        b.SetColor(RGB(255, 255, 255));
        b.SetTitle("Title");
        b.SetText("text");
        b.SetIcon(c.kind);
        b.ShowAt(*form, 20, 20);
        test::ProcessEvents();
        EXPECT_EQ(Count(b, red) > 20, c.red != 0) << c.kind;
        EXPECT_EQ(Count(b, blue) > 20, c.blue != 0) << c.kind;
        EXPECT_EQ(Count(b, yellow) > 20, c.yellow != 0) << c.kind;
    }
}

// The title is set in bold: the same words take more ink as a title than
// as text. Long text wraps at the maximum width.
TEST_F(BalloonTest, BoldTitleAndWrappedText) {
    TBalloonWindow title, text;
    title.SetTitle("Mmmm Wwww");
    text.SetText("Mmmm Wwww");
    for (TBalloonWindow* b : {&title, &text}) {
        b->SetColor(RGB(255, 255, 255));
        b->SetTextColor(RGB(0, 0, 0));
        b->ShowAt(*form, 20, 20);
    }
    test::ProcessEvents();
    EXPECT_GT(Count(title, Dark), Count(text, Dark) + 10);

    TBalloonWindow wide;
    wide.SetMaxWidth(120);
    std::string words;
    for (int i = 0; i < 30; ++i) words += "word ";
    wide.SetText(words);
    wide.ShowAt(*form, 20, 20);
    const TRect r = wide.BoundsRect();
    EXPECT_LE(r.Right - r.Left, 120 + 40) << "wrapped near its maximum width";
    EXPECT_GT(r.Bottom - r.Top, title.BoundsRect().Bottom - title.BoundsRect().Top);
}

// Near the bottom of the screen the balloon goes above the spot, its tail
// pointing down at it; it never leaves the screen sideways.
TEST_F(BalloonTest, StaysOnTheScreen) {
    const TMonitorRect area = Screen->WorkAreaRect();
    TBalloonWindow b;
    b.SetText("a balloon with some text");
    form->SetBounds(area.Right - 200, area.Bottom - 150, 200, 150);
    test::ProcessEvents();
    const TPoint spot = form->ClientToScreen({form->ClientWidth() - 2, form->ClientHeight() - 2});
    b.ShowAt(*form, form->ClientWidth() - 2, form->ClientHeight() - 2);
    const TRect r = b.BoundsRect();
    EXPECT_EQ(r.Bottom - 1, spot.Y) << "above the spot";
    EXPECT_LE(r.Right, area.Right);
    const test::TPicture pic = test::PictureOf(b);
    EXPECT_EQ(pic.AlphaAt(0, pic.Height - 1), 0) << "beside the tail";
    EXPECT_GT(pic.AlphaAt(b.TipPoint().X - r.Left + 1, pic.Height - 3), 0) << "the tail's point";
    EXPECT_LE(spot.X - b.TipPoint().X, 30) << "the tail as near the spot as the screen lets it";
    b.SetAlpha(200);
    EXPECT_EQ(b.Alpha(), 200);
}
