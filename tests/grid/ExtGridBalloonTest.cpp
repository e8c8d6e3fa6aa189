#include <gtest/gtest.h>

#include "GridOnFormFixture.h"

#include <memory>
#include <string>

#include "grid/ExtGrid.h"
#include "grid/ExtGridHint.h"
#include "grid/ExtGridPaint.h"
#include "platform/Forms.h"
#include "platform/GuiApp.h"
#include "platform/StdCtrls.h"

using namespace grid;
using Grid = TExtStringGrid;

namespace {

struct SmallGrid : GridOnHiddenForm<> {
    SmallGrid() : GridOnHiddenForm({0, 0, 420, 260}, {0, 0, 400, 240}, 5, 8) {}
};

}  // namespace

TEST(ExtGridBalloon, OnEmptyCellAndOnCheckBox) {
    SmallGrid t;
    Grid& g = *t.g;
    g.AddBalloon(1, 1, "Port", "The UDP port of the server", Grid::biWarning);
    std::string title, text;
    Grid::TBalloonIcon icon = Grid::biNone;
    ASSERT_TRUE(g.IsBalloon(1, 1, title, text, icon));
    EXPECT_EQ(title, "Port");
    EXPECT_EQ(text, "The UDP port of the server");
    EXPECT_EQ(icon, Grid::biWarning);
    EXPECT_TRUE(g.HasBalloon(1, 1));
    // A second balloon on the same cell changes nothing.
    g.AddBalloon(1, 1, "Other", "other", Grid::biError);
    ASSERT_TRUE(g.IsBalloon(1, 1, title, text, icon));
    EXPECT_EQ(title, "Port");

    // On a check box the balloon rides on the box's own graphic.
    g.AddCheckBox(2, 2, true, false);
    g.AddBalloon(2, 2, "Enable", "Switches the rule on", Grid::biInfo);
    EXPECT_TRUE(g.IsBalloon(2, 2, title, text, icon));
    EXPECT_EQ(text, "Switches the rule on");
    EXPECT_FALSE(g.HasBalloon(2, 2));
    // A new balloon replaces the attached one (the old list is freed).
    g.AddBalloon(2, 2, "Enable", "On or off", Grid::biInfo);
    EXPECT_TRUE(g.IsBalloon(2, 2, title, text, icon));
    EXPECT_EQ(text, "On or off");
    g.RemoveBalloon(2, 2);
    EXPECT_FALSE(g.IsBalloon(2, 2, title, text, icon));
    EXPECT_TRUE(g.HasCheckBox(2, 2)) << "the check box stays";
    bool state = false;
    EXPECT_TRUE(g.GetCheckBoxState(2, 2, state));
    EXPECT_TRUE(state);

    g.RemoveBalloon(1, 1);
    EXPECT_FALSE(g.HasBalloon(1, 1));
    // Balloons left in cells go with the grid (the leak checker watches).
    g.AddBalloon(3, 3, "Left", "in the grid", Grid::biNone);
    g.AddCheckBox(4, 4, false, false);
    g.AddBalloon(4, 4, "Left", "on a box", Grid::biNone);
}

TEST(ExtGridBalloon, TooltipTextOfTheCellUnderThePointer) {
    SmallGrid t;
    Grid& g = *t.g;
    g.SetCells(2, 3, "\t\r\nPort\t<B>502</B>");
    const plat::TRect r = g.CellRect(2, 3);
    std::string title, text;
    int icon = 0;
    ASSERT_TRUE(g.GetBalloonText(r.Left + 3, r.Top + 3, title, text, icon));
    EXPECT_EQ(text, "Port 502");
    EXPECT_EQ(title, " ");
    EXPECT_EQ(icon, 1);
    EXPECT_EQ(g.BalloonCell(), (plat::TPoint{2, 3}));

    g.AddBalloon(2, 3, "Title", "Balloon text", Grid::biError);
    g.OnCellBalloon = [](plat::TObject*, int, int, std::string& ATitle, std::string&, int&) {
        ATitle = std::string(150, 'T');
    };
    ASSERT_TRUE(g.GetBalloonText(r.Left + 3, r.Top + 3, title, text, icon));
    EXPECT_EQ(text, "Balloon text");
    EXPECT_EQ(icon, Grid::biError);
    EXPECT_EQ(title, std::string(97, 'T') + "...");
    EXPECT_FALSE(g.GetBalloonText(399, 239, title, text, icon)) << "below the last row";
}

TEST(ExtGridBalloon, PlainTextCuts) {
    const struct {
        const char* name;
        std::string in, out;
    } cases[] = {
        {"tabs", "a\tb", "a b"},
        {"leading breaks", "\r\n\r\nline", "line"},
        {"html", "<I>x</I> y", "x y"},
        {"2048 kept", std::string(2048, 'x'), std::string(2048, 'x')},
        {"3000 cut", std::string(3000, 'x'), std::string(2045, 'x') + "..."},
        {"cut on a character", std::string(2047, 'x') + "\xC3\xA9\xC3\xA9", std::string(2045, 'x') + "..."},
    };
    for (const auto& c : cases) EXPECT_EQ(BalloonPlainText(c.in, true), c.out) << c.name;
    EXPECT_EQ(BalloonTitle(std::string(100, 't')), std::string(100, 't'));
}

TEST(ExtGridBalloon, TooltipSetUpOnceShownAndDown) {
    SmallGrid t;
    Grid& g = *t.g;
    g.SetCells(1, 1, "a < b");
    const plat::TRect r = g.CellRect(1, 1);
    EXPECT_FALSE(g.ShowBalloon(r.Left + 2, r.Top + 2)) << "balloons are off";
    EXPECT_FALSE(g.BalloonReady());
    g.Balloon().SetEnable(true);  // sets the tooltip up
    EXPECT_TRUE(g.BalloonReady());
    g.BalloonInit();
    ASSERT_TRUE(g.ShowBalloon(r.Left + 2, r.Top + 2));
    EXPECT_EQ(g.BalloonCell(), (plat::TPoint{1, 1}));
    EXPECT_FALSE(g.ShowBalloon(r.Left + 2, g.CellRect(1, 2).Top + 2)) << "an empty cell shows none";
    g.Balloon().SetEnable(false);
    EXPECT_FALSE(g.BalloonReady());
    EXPECT_FALSE(g.ShowBalloon(r.Left + 2, r.Top + 2));
}

// A cell's balloon shows in a real balloon: its title, text and icon, the
// grid's balloon colours and transparency, the tail just below the pointer.
TEST(ExtGridBalloon, ShowsInABalloonWindow) {
    SmallGrid t;
    Grid& g = *t.g;
    t.form->Show();
    g.AddBalloon(1, 1, "Port", "The UDP port\nof the server", Grid::biWarning);
    g.SetCells(2, 1, "plain text");
    g.Balloon().SetBackgroundColor(plat::RGB(230, 255, 230));
    g.Balloon().SetTransparency(55);
    g.Balloon().SetEnable(true);
    const struct {
        const char* what;
        int col;
        const char* title;
        const char* text;
        plat::TBalloonKind icon;
    } cases[] = {
        {"balloon of the cell", 1, "Port", "The UDP port\nof the server", plat::bkWarning},
        {"text of the cell", 2, "", "plain text", plat::bkInfo},
    };
    for (const auto& c : cases) {
        const plat::TRect r = g.CellRect(c.col, 1);
        ASSERT_TRUE(g.ShowBalloon(r.Left + 5, r.Top + 3)) << c.what;
        plat::TBalloonWindow* b = g.BalloonWindow();
        ASSERT_NE(b, nullptr);
        EXPECT_TRUE(b->Visible()) << c.what;
        EXPECT_EQ(b->Title(), c.title) << c.what;
        EXPECT_EQ(b->Text(), c.text) << c.what;
        EXPECT_EQ(b->Icon(), c.icon) << c.what;
        EXPECT_EQ(b->Alpha(), 200) << c.what;
        EXPECT_EQ(b->TipPoint(), g.ClientToScreen({r.Left + 5, r.Top + 3 + 16})) << c.what;
    }
    plat::TBalloonWindow* b = g.BalloonWindow();
    const plat::test::TPicture pic = plat::test::PictureOf(*b);
    EXPECT_EQ(pic.At(pic.Width - 6, pic.Height - 6), (plat::test::TRgb{230, 255, 230}));
    EXPECT_TRUE(plat::test::SaveScreenshot(*b, std::string(VASTRIMO_TEST_OUT) + "/grid_balloon.png"));
    g.HideBalloon();
    EXPECT_FALSE(b->Visible());
}

TEST(ExtGridRadio, GroupsAndCycling) {
    SmallGrid t;
    Grid& g = *t.g;
    Grid::TCellStrings* options = g.CreateRadio(1, 1, 1, 2);
    options->Add("A");
    options->Add("B");
    options->Add("C");
    g.SetCells(1, 1, "C");
    EXPECT_TRUE(g.IsRadio(1, 1));
    EXPECT_EQ(g.GetRadioStrings(1, 1), options);
    const struct {
        const char* name;
        int index;
        const char* text;
        int wantIndex;
        const char* wantText;
    } cases[] = {{"after the last", 2, "C", 0, "A"},
                 {"from the text", -1, "B", 2, "C"},
                 {"text no option", -1, "Z", 0, "A"},
                 {"not stored", -2, "A", -2, "B"}};
    for (const auto& c : cases) {
        g.SetRadioIdx(1, 1, c.index);
        g.SetCells(1, 1, c.text);
        EXPECT_FALSE(g.CycleRadioCell(1, 1, false));
        int idx = 99;
        EXPECT_TRUE(g.GetRadioIdx(1, 1, idx));
        EXPECT_EQ(idx, c.wantIndex) << c.name;
        EXPECT_EQ(g.Cells(1, 1), c.wantText) << c.name;
    }
    g.SetRadioIdx(1, 1, -1);
    EXPECT_EQ(g.Cells(1, 1), "") << "no selection clears the text";

    // A caller's list stays the caller's.
    Grid::TCellStrings mine;
    mine.Add("X");
    g.AddRadio(2, 2, 0, 0, &mine);
    EXPECT_EQ(g.GetRadioStrings(2, 2), &mine);
    g.RemoveRadio(2, 2);
    EXPECT_FALSE(g.IsRadio(2, 2));
    EXPECT_EQ(mine.Count(), 1);

    // A read-only cell keeps its selection when the check is asked for.
    g.SetRadioIdx(1, 1, 0);
    g.OnCanEditCell = [](plat::TObject*, int, int, bool& can) { can = false; };
    g.CycleRadioCell(1, 1, true);
    int idx = -5;
    g.GetRadioIdx(1, 1, idx);
    EXPECT_EQ(idx, 0);
    int untouched = 7;
    EXPECT_FALSE(g.GetRadioIdx(3, 3, untouched));
    EXPECT_EQ(untouched, 7);
}

TEST(ExtGridRotated, AngleAndText) {
    SmallGrid t;
    Grid& g = *t.g;
    const struct {
        int angle, stored;
    } cases[] = {{-90, 270}, {45, 45}, {360, 360}, {450, 90}};
    for (const auto& c : cases) {
        g.AddRotated(1, 1, static_cast<std::int16_t>(c.angle), "Rx");
        int angle = -1;
        ASSERT_TRUE(g.IsRotated(1, 1, angle));
        EXPECT_EQ(angle, c.stored) << c.angle;
        EXPECT_EQ(g.Cells(1, 1), "Rx");
    }
    g.RemoveRotated(1, 1);
    int angle = -1;
    EXPECT_FALSE(g.IsRotated(1, 1, angle));
}

TEST(ExtGridRotated, TurnedTextNeedsTheWholeBox) {
    const struct {
        int w, h, angle, wantW, wantH;
    } cases[] = {{40, 10, 0, 52, 22}, {40, 10, 90, 22, 52}, {20, 20, 45, 40, 40}, {40, 10, 180, 52, 22}};
    for (const auto& c : cases) {
        const plat::TPoint s = RotatedTextSize(c.w, c.h, c.angle);
        EXPECT_EQ(s.X, c.wantW) << c.angle;
        EXPECT_EQ(s.Y, c.wantH) << c.angle;
    }
}

TEST(ExtGridControls, FollowTheirCellsWhenScrolled) {
    SmallGrid t;
    Grid& g = *t.g;
    g.SetRowCount(100);
    auto* edit = new plat::TEdit(t.form.get());
    edit->SetParent(&g);
    g.GetCellProperties(2, 5)->SetControl(edit);
    g.CellControlsUpdate(true);
    EXPECT_EQ(g.NumCellControls(), 1);
    const plat::TRect r = g.CellRect(2, 5);
    EXPECT_TRUE(edit->Visible());
    EXPECT_EQ(edit->Left(), r.Left - 1);
    EXPECT_EQ(edit->Top(), r.Top - 1);
    EXPECT_EQ(edit->Width(), r.Width() + 1);
    g.SetTopRow(40);  // the follow-up of the scroll places it again
    EXPECT_FALSE(edit->Visible());
    g.SetTopRow(3);
    EXPECT_TRUE(edit->Visible());
    EXPECT_EQ(edit->Top(), g.CellRect(2, 5).Top - 1);
    g.GetCellProperties(2, 5)->SetControl(nullptr);
}

TEST(ExtGridSelectionPicture, EitherCornerFirstGivesOnePicture) {
    SmallGrid t;
    Grid& g = *t.g;
    for (int r = 1; r < 8; ++r) g.SetCells(1, r, "row " + std::to_string(r));
    plat::TForm* a = g.SelectionToForm({1, 2, 3, 4});
    plat::TForm* b = g.SelectionToForm({3, 4, 1, 2});
    ASSERT_TRUE(a && b);
    EXPECT_FALSE(a->Visible());
    EXPECT_EQ(a->ClientWidth(), b->ClientWidth());
    EXPECT_EQ(a->ClientHeight(), b->ClientHeight());
    EXPECT_EQ(a->ClientWidth(), 3 * g.DefaultColWidth() + 1);
    delete a;
    delete b;
}

TEST(ExtGridEllipsis, ClickEventMayChangeTheText) {
    SmallGrid t;
    Grid& g = *t.g;
    std::string result;
    g.DoEllipsClick("abc", result);
    EXPECT_EQ(result, "abc");
    int seenCol = -1;
    g.OnEllipsClick = [&](plat::TObject*, int c, int, std::string& s) {
        seenCol = c;
        s += "!";
    };
    g.HideColumn(0);
    g.SetCol(1);
    g.DoEllipsClick("abc", result);
    EXPECT_EQ(result, "abc!");
    EXPECT_EQ(seenCol, 2) << "the real column";
}

TEST(ExtGridHint, KeptInsideTheArea) {
    const plat::TRect area{0, 0, 800, 600};
    const struct {
        const char* name;
        plat::TRect in, out;
    } cases[] = {{"fits", {10, 10, 110, 30}, {10, 10, 110, 30}},
                 {"too far right", {750, 10, 850, 30}, {698, 10, 798, 30}},
                 {"too low", {10, 590, 110, 610}, {10, 578, 110, 598}}};
    for (const auto& c : cases) {
        const plat::TRect r = FitHintRect(c.in, area);
        EXPECT_EQ(r.Left, c.out.Left) << c.name;
        EXPECT_EQ(r.Top, c.out.Top) << c.name;
        EXPECT_EQ(r.Right, c.out.Right) << c.name;
        EXPECT_EQ(r.Bottom, c.out.Bottom) << c.name;
    }
}

TEST(ExtGridHint, ShownBesideTheAskedPlaceOnTheForm) {
    SmallGrid t;
    auto* hint = new THTMLHintWindow(t.g);
    const plat::TRect need = hint->CalcHintRect(100, "Row : 120");
    EXPECT_GT(need.Width(), 20);
    EXPECT_GT(need.Height(), 5);
    hint->ActivateHint({30, 40, 30, 40}, "Row : 120", *t.g);
    EXPECT_TRUE(hint->Visible());
    EXPECT_EQ(hint->Parent(), t.form.get());
    EXPECT_EQ(hint->Left(), 30);
    EXPECT_EQ(hint->Width(), hint->TextWidth() + 16);
    // Near the form's right edge it moves left to stay whole.
    hint->ActivateHint({410, 40, 410, 40}, "Row : 120", *t.g);
    EXPECT_EQ(hint->Left() + hint->Width(), t.form->ClientWidth() - 2);
    hint->ReleaseHandle();
    EXPECT_FALSE(hint->Visible());
}

// A pointer resting on a cell brings its balloon after the initial delay;
// moving on hides it and the next comes after the reshow delay; it goes
// by itself after the auto-hide delay, and when the pointer leaves.
TEST(ExtGridBalloon, RestingPointerBringsTheBalloon) {
    namespace pt = plat::test;
    SmallGrid t;
    Grid& g = *t.g;
    t.form->Show();
    g.SetCells(1, 1, "first");
    g.SetCells(2, 1, "second");
    g.Balloon().SetInitialDelay(60);
    g.Balloon().SetReshowDelay(20);
    g.Balloon().SetAutoHideDelay(400);
    g.Balloon().SetEnable(true);
    plat::TBalloonWindow* b = g.BalloonWindow();
    ASSERT_NE(b, nullptr);
    // Timers may run late on a busy machine: wait for the state, bounded.
    auto waitFor = [&](bool Shown) {
        for (int i = 0; i < 300 && b->Visible() != Shown; ++i) pt::Wait(10);
        return b->Visible() == Shown;
    };
    const plat::TRect r1 = g.CellRect(1, 1), r2 = g.CellRect(2, 1);
    pt::MouseMove(g, r1.Left + 5, r1.Top + 5);
    EXPECT_FALSE(b->Visible()) << "not at once";
    ASSERT_TRUE(waitFor(true)) << "after the initial delay";
    EXPECT_EQ(b->Text(), "first");
    pt::MouseMove(g, r1.Left + 8, r1.Top + 6);
    EXPECT_TRUE(b->Visible()) << "moving within the cell keeps it";
    pt::MouseMove(g, r2.Left + 5, r2.Top + 5);
    EXPECT_FALSE(b->Visible()) << "another cell hides it";
    ASSERT_TRUE(waitFor(true)) << "and shows its own after the reshow delay";
    EXPECT_EQ(b->Text(), "second");
    EXPECT_TRUE(waitFor(false)) << "gone after the auto-hide delay";
    pt::MouseMove(g, r1.Left + 5, r1.Top + 5);
    pt::MouseLeave(g);
    pt::Wait(200);
    EXPECT_FALSE(b->Visible()) << "leaving the grid cancels it";
    g.Balloon().SetEnable(false);
    pt::MouseMove(g, r2.Left + 5, r2.Top + 5);
    pt::Wait(200);
    EXPECT_EQ(g.BalloonWindow() == nullptr || !g.BalloonWindow()->Visible(), true) << "off: none";
}
