// The special editors driven by real keys: each kind opens over the cell,
// takes keys, writes its value back in the cell's text format and closes
// on Enter, Esc or the focus leaving, as the text editor does.

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "base/DateTime.h"
#include "base/StrUtils.h"
#include "grid/ExtCGrid.h"
#include "grid/ExtGrid.h"
#include "grid/ExtGridSpecialEditors.h"
#include "platform/Clipboard.h"
#include "platform/Forms.h"
#include "platform/GuiApp.h"
#include "platform/Messages.h"
#include "platform/MonthCalendar.h"
#include "platform/StdCtrls.h"
#include "platform/TestHooks.h"

#include "EditSteps.h"
#include "GridOnFormFixture.h"

using namespace grid;
namespace pt = plat::test;

namespace {

class GridSpecialEdit : public GridOnForm {
protected:
    void SetUp() override {
        base::SetFormatSettings(base::TFormatSettings{});
        savedSeparator = base::DecimalSeparator();
        base::SetDecimalSeparator('.');
        ShowGrid(5, 6, true);
        grid->OnGetEditorType = [this](plat::TObject*, int col, int, TEditorType& kind) {
            if (col == 2) kind = kind2;
        };
        grid->OnEditCellDone = [this](plat::TObject*, int c, int r) { done.push_back({c, r}); };
        pt::ProcessEvents();
    }
    void TearDown() override { base::SetDecimalSeparator(savedSeparator); }

    // Opens the editor of cell (2, 2) with F2 and plays the steps into
    // whatever control then has the editor's place.
    void Play(const std::string& cell, const std::vector<Step>& steps) { PlayInCell(*grid, 2, 2, cell, steps); }

    TEditorType kind2 = edNormal;
    char savedSeparator = '.';
    struct Done {
        int col, row;
        friend bool operator==(const Done&, const Done&) = default;
    };
    std::vector<Done> done;
};

TEST_F(GridSpecialEdit, EachKindWritesItsValueBackInTheCellFormat) {
    const struct {
        const char* name;
        TEditorType kind;
        const char* cell;
        std::vector<Step> steps;
        const char* result;
    } cases[] = {
        {"spin: no number opens on 0", edSpinEdit, "abc", {Key(plat::VK_RETURN)}, "0"},
        {"spin: typed value", edSpinEdit, "5", {Type("42"), Key(plat::VK_RETURN)}, "42"},
        {"spin: letters are refused", edSpinEdit, "5", {Type("4x2"), Key(plat::VK_RETURN)}, "42"},
        {"spin: page up steps once", edSpinEdit, "50", {Key(plat::VK_PRIOR), Key(plat::VK_RETURN)}, "51"},
        {"spin: home is the maximum", edSpinEdit, "50", {Key(plat::VK_HOME), Key(plat::VK_RETURN)}, "100"},
        {"spin: end is the minimum", edSpinEdit, "50", {Key(plat::VK_END), Key(plat::VK_RETURN)}, "0"},
        {"spin: Esc keeps the cell", edSpinEdit, "abc", {Type("7"), Key(plat::VK_ESCAPE)}, "abc"},
        {"float spin: the grid's float format", edFloatSpinEdit, "1.5", {Key(plat::VK_RETURN)}, "1.50"},
        {"edit button: typed text", edEditBtn, "abc", {Type("xy"), Key(plat::VK_RETURN)}, "xy"},
        {"edit button: Esc", edEditBtn, "abc", {Type("xy"), Key(plat::VK_ESCAPE)}, "abc"},
        {"numeric edit button: digits and a leading minus", edNumericEditBtn, "",
         {Type("-a1-2"), Key(plat::VK_RETURN)}, "-12"},
        {"float edit button: one separator", edFloatEditBtn, "", {Type("1.5.2x"), Key(plat::VK_RETURN)}, "1.52"},
        {"unit edit: value and unit come back together", edUnitEditBtn, "12kg", {Key(plat::VK_RETURN)}, "12kg"},
        {"unit edit: new number keeps the unit", edUnitEditBtn, "12kg", {Type("30"), Key(plat::VK_RETURN)}, "30kg"},
        {"numeric unit edit: letters refused", edNumericUnitEditBtn, "5 m", {Type("7q"), Key(plat::VK_RETURN)},
         "7 m"},
        {"check box stores nothing", edCheckBox, "text", {Key(plat::VK_SPACE), Key(plat::VK_RETURN)}, "text"},
        {"button stores nothing on Esc", edButton, "go", {Key(plat::VK_ESCAPE)}, "go"},
        {"date: Up steps the day", edDateEdit, "15/03/2024", {Key(plat::VK_UP), Key(plat::VK_RETURN)}, "16/03/2024"},
        {"date: the day steps round in its month", edDateEdit, "31/03/2024", {Key(plat::VK_UP), Key(plat::VK_RETURN)},
         "01/03/2024"},
        {"date: Right then Down steps the month", edDateEdit, "15/03/2024",
         {Key(plat::VK_RIGHT), Key(plat::VK_DOWN), Key(plat::VK_RETURN)}, "15/02/2024"},
        {"date: typed parts move on, the year stays", edDateEdit, "15/03/2024",
         {Type("25"), Type("12"), Type("2030"), Key(plat::VK_RETURN)}, "25/12/2030"},
        {"date: a digit that can start no other ends its part", edDateEdit, "15/03/2024",
         {Type("4"), Type("7"), Key(plat::VK_RETURN)}, "04/07/2024"},
        {"date: Esc keeps an unreadable text", edDateEdit, "xyz", {Key(plat::VK_UP), Key(plat::VK_ESCAPE)}, "xyz"},
        {"time: minutes", edTimeEdit, "10:20:30", {Key(plat::VK_RIGHT), Key(plat::VK_UP), Key(plat::VK_RETURN)},
         "10:21:30"},
        {"time: the hour steps round", edTimeEdit, "23:00:00", {Key(plat::VK_UP), Key(plat::VK_RETURN)}, "00:00:00"},
        {"date and time: the time part", edDateTimeEdit, "15/03/2024 10:20",
         {Key(plat::VK_RIGHT), Key(plat::VK_RIGHT), Key(plat::VK_RIGHT), Key(plat::VK_UP), Key(plat::VK_RETURN)},
         "15/03/2024 11:20"},
    };
    for (const auto& c : cases) {
        kind2 = c.kind;
        done.clear();
        Play(c.cell, c.steps);
        EXPECT_FALSE(grid->EditMode()) << c.name;
        EXPECT_EQ(grid->EditCtrl(), nullptr) << c.name;
        EXPECT_EQ(grid->Cells(2, 2), c.result) << c.name;
        EXPECT_EQ(done, (std::vector<Done>{{2, 2}})) << c.name;
        EXPECT_TRUE(grid->Focused()) << c.name;
    }
}

TEST_F(GridSpecialEdit, EditorLiesOverTheCellAndTakesTheFocus) {
    const TEditorType kinds[] = {edSpinEdit, edEditBtn, edUnitEditBtn, edCheckBox, edDateEdit, edDateTimeEdit};
    for (TEditorType k : kinds) {
        kind2 = k;
        grid->SetCells(2, 2, "1");
        Select(2, 2);
        pt::SendKey(*grid, plat::VK_RETURN);
        plat::TWinControl* c = grid->EditCtrl();
        ASSERT_NE(c, nullptr) << k;
        EXPECT_TRUE(grid->EditMode()) << k;
        EXPECT_EQ(grid->EditControl(), k);
        EXPECT_TRUE(c->Visible() && c->Enabled() && c->Focused()) << k;
        const plat::TRect r = grid->GridCellRect(2, 2);
        EXPECT_EQ(c->Left(), r.Left) << k;
        EXPECT_EQ(c->Top(), r.Top) << k;
        pt::SendKey(*c, plat::VK_ESCAPE);
        EXPECT_FALSE(c->Visible()) << k;
        EXPECT_FALSE(c->Enabled()) << k;
    }
}

TEST_F(GridSpecialEdit, TheTypedCharacterThatOpensTheEditorIsItsFirst) {
    const struct {
        TEditorType kind;
        const char* typed;
        const char* result;
    } cases[] = {
        {edSpinEdit, "8", "8"},
        {edSpinEdit, "x", "5"},  // refused by the spin, the value stays
        {edEditBtn, "q", "q"},
        {edDateEdit, "2", "02/03/2024"},
    };
    for (const auto& c : cases) {
        kind2 = c.kind;
        grid->SetCells(2, 2, c.kind == edDateEdit ? "15/03/2024" : "5");
        Select(2, 2);
        pt::TypeText(*grid, c.typed);
        ASSERT_NE(grid->EditCtrl(), nullptr) << c.typed;
        pt::SendKey(*grid->EditCtrl(), plat::VK_RETURN);
        EXPECT_EQ(grid->Cells(2, 2), c.result) << c.kind << " " << c.typed;
    }
}

TEST_F(GridSpecialEdit, ArrowsCommitAndMoveTheGridFocusLossCommitsOnce) {
    kind2 = edSpinEdit;
    grid->SetCells(2, 2, "5");
    Select(2, 2);
    pt::TypeText(*grid, "9");
    pt::SendKey(*grid->EditCtrl(), plat::VK_DOWN);
    pt::ProcessEvents();
    EXPECT_EQ(grid->Cells(2, 2), "9");
    EXPECT_EQ(grid->Row(), 3);
    EXPECT_FALSE(grid->EditMode());
    EXPECT_EQ(done, (std::vector<Done>{{2, 2}}));

    done.clear();
    kind2 = edEditBtn;
    grid->SetCells(2, 4, "a");
    Select(2, 4);
    pt::SendKey(*grid, plat::VK_F2);
    pt::TypeText(*grid->EditCtrl(), "bcd");
    other->SetFocus();
    pt::ProcessEvents();
    EXPECT_FALSE(grid->EditMode());
    EXPECT_EQ(grid->Cells(2, 4), "bcd");
    EXPECT_EQ(done, (std::vector<Done>{{2, 4}}));
}

TEST_F(GridSpecialEdit, FocusLeavingAnyEditorCommitsOnce) {
    const struct {
        TEditorType kind;
        const char* cell;
        Step change;
        const char* result;
    } cases[] = {
        {edSpinEdit, "5", Type("8"), "8"},
        {edFloatSpinEdit, "5", Type("2.5"), "2.50"},
        {edEditBtn, "a", Type("b"), "b"},
        {edUnitEditBtn, "1 m", Type("2"), "2 m"},
        {edCheckBox, "c", Key(plat::VK_SPACE), "c"},
        {edDateEdit, "15/03/2024", Key(plat::VK_DOWN), "14/03/2024"},
        {edTimeEdit, "10:00:00", Key(plat::VK_UP), "11:00:00"},
        {edDateTimeEdit, "15/03/2024 10:20", Key(plat::VK_UP), "16/03/2024 10:20"},
    };
    for (const auto& c : cases) {
        kind2 = c.kind;
        Play(c.cell, {c.change});
        ASSERT_TRUE(grid->EditMode()) << c.kind;
        done.clear();
        other->SetFocus();
        pt::ProcessEvents();
        EXPECT_FALSE(grid->EditMode()) << c.kind;
        EXPECT_EQ(grid->Cells(2, 2), c.result) << c.kind;
        EXPECT_EQ(done, (std::vector<Done>{{2, 2}})) << c.kind;
        grid->SetFocus();
        pt::ProcessEvents();
    }
}

TEST_F(GridSpecialEdit, RefusedValueKeepsTheEditorOpenOnTheCellText) {
    for (TEditorType k : {edSpinEdit, edEditBtn, edDateEdit}) {
        kind2 = k;
        const std::string start = k == edDateEdit ? "15/03/2024" : "5";
        int calls = 0;
        grid->OnCellValidate = [&](plat::TObject*, int c, int r, std::string&, bool& valid) {
            ++calls;
            EXPECT_EQ(c, 2);
            EXPECT_EQ(r, 2);
            valid = false;
        };
        done.clear();
        Play(start, {k == edDateEdit ? Key(plat::VK_UP) : Type("7"), Key(plat::VK_RETURN)});
        EXPECT_EQ(calls, 1) << k;
        EXPECT_TRUE(grid->EditMode()) << k;
        ASSERT_NE(grid->EditCtrl(), nullptr) << k;
        EXPECT_TRUE(grid->EditCtrl()->Visible()) << k;
        EXPECT_EQ(grid->Cells(2, 2), start) << k;
        EXPECT_TRUE(done.empty()) << k;
        if (k == edDateEdit) EXPECT_EQ(grid->DateTimePicker()->Text(), start);
        else EXPECT_EQ(grid->EditCtrl()->Text(), start) << k;
        grid->OnCellValidate = nullptr;
        pt::SendKey(*grid->EditCtrl(), plat::VK_ESCAPE);
        pt::ProcessEvents();
        EXPECT_FALSE(grid->EditMode()) << k;
    }
}

TEST_F(GridSpecialEdit, KeysTheEditorDoesNotCloseOnLeaveItOpen) {
    const struct {
        TEditorType kind;
        unsigned short key;
        bool closes;
    } cases[] = {
        {edCheckBox, plat::VK_HOME, false}, {edCheckBox, plat::VK_END, true},   {edCheckBox, plat::VK_SPACE, false},
        {edDateEdit, plat::VK_HOME, false}, {edDateEdit, plat::VK_LEFT, false}, {edDateEdit, plat::VK_END, true},
        {edSpinEdit, plat::VK_HOME, false}, {edEditBtn, plat::VK_HOME, false},  {edEditBtn, plat::VK_NEXT, true},
    };
    for (const auto& c : cases) {
        kind2 = c.kind;
        Play("15/03/2024", {Key(c.key)});
        EXPECT_EQ(grid->EditMode(), !c.closes) << c.kind << " " << c.key;
        EXPECT_EQ(grid->Col(), 2) << c.kind << " " << c.key;
        EXPECT_EQ(grid->Row(), 2) << c.kind << " " << c.key;
        if (grid->EditCtrl()) pt::SendKey(*grid->EditCtrl(), plat::VK_ESCAPE);
        pt::ProcessEvents();
    }
}

TEST_F(GridSpecialEdit, SpinStepsReportedByTheirKind) {
    kind2 = edSpinEdit;
    std::vector<std::pair<int, bool>> clicks;
    grid->OnSpinClick = [&](plat::TObject*, int, int, int v, bool up) { clicks.push_back({v, up}); };
    grid->SetCells(2, 2, "98");
    Select(2, 2);
    pt::SendKey(*grid, plat::VK_F2);
    TGridSpin* s = grid->SpinEdit();
    s->Increment = 5;
    pt::SendKey(*s, plat::VK_PRIOR);  // 103 would pass the maximum: no step
    EXPECT_EQ(s->Text(), "98");
    pt::SendKey(*s, plat::VK_NEXT);
    EXPECT_EQ(s->Text(), "93");
    s->UpClick(s);
    EXPECT_EQ(clicks, (std::vector<std::pair<int, bool>>{{98, true}, {93, false}, {98, true}}));
    pt::SendKey(*s, plat::VK_RETURN);
    EXPECT_EQ(grid->Cells(2, 2), "98");
}

// A column grid's spin column brings its own limits and step; a column
// without limits leaves the spin free.
TEST(GridSpecialEditColumns, SpinTakesTheColumnsLimits) {
    plat::EnsureGuiApplication();
    auto form = std::make_unique<plat::TForm>(nullptr);
    form->SetBounds(0, 0, 500, 300);
    auto* grid = new TExtColumnGrid(form.get());
    grid->SetParent(form.get());
    grid->SetBounds(0, 0, 400, 200);
    grid->SetColCount(3);
    grid->SetRowCount(3);
    grid->Columns().Items(1).SetEditor(edSpinEdit);
    grid->Columns().Items(1).SetSpin(10, 20, 4);
    grid->Columns().Items(2).SetEditor(edSpinEdit);
    form->Show();
    grid->SetFocus();
    pt::ProcessEvents();
    const struct {
        int col;
        const char* cell;
        unsigned short key;
        const char* result;
    } cases[] = {
        {1, "12", plat::VK_PRIOR, "16"}, {1, "18", plat::VK_PRIOR, "18"}, {1, "12", plat::VK_HOME, "20"},
        {1, "12", plat::VK_END, "10"},   {2, "500", plat::VK_PRIOR, "501"}, {2, "-3", plat::VK_NEXT, "-4"},
    };
    for (const auto& c : cases) {
        grid->SetCells(c.col, 1, c.cell);
        grid->SetCol(c.col);
        grid->SetRow(1);
        pt::SendKey(*grid, plat::VK_F2);
        ASSERT_NE(grid->EditCtrl(), nullptr) << c.col;
        pt::SendKey(*grid->EditCtrl(), c.key);
        pt::SendKey(*grid->EditCtrl(), plat::VK_RETURN);
        EXPECT_EQ(grid->Cells(c.col, 1), c.result) << c.col << " " << c.cell << " " << c.key;
    }
}

TEST_F(GridSpecialEdit, ButtonsPassTheirTextThroughTheEllipsisHook) {
    grid->OnEllipsClick = [](plat::TObject*, int c, int r, std::string& s) {
        EXPECT_EQ(c, 2);
        EXPECT_EQ(r, 2);
        s = "<" + s + ">";
    };
    kind2 = edEditBtn;
    Play("v", {Key(plat::VK_F4), Key(plat::VK_RETURN)});
    EXPECT_EQ(grid->Cells(2, 2), "<v>");

    kind2 = edButton;
    Play("w", {});
    ASSERT_NE(grid->EditCtrl(), nullptr);
    pt::ClickAt(*grid->EditCtrl());
    EXPECT_EQ(grid->Cells(2, 2), "<w>");
    EXPECT_EQ(grid->EditCtrl()->Caption(), "<w>");
    pt::SendKey(*grid->EditCtrl(), plat::VK_DOWN);
    EXPECT_FALSE(grid->EditMode());
    EXPECT_EQ(grid->Row(), 3);
}

TEST_F(GridSpecialEdit, EditButtonCompletesFromTheLookupItems) {
    grid->SetLookup(true);
    grid->LookupItems().Add("Alpha");
    kind2 = edEditBtn;
    Play("", {Type("al"), Key(plat::VK_RETURN)});
    EXPECT_EQ(grid->Cells(2, 2), "alpha");
}

TEST_F(GridSpecialEdit, PasteIntoButtonEditorsFollowsTheirFilter) {
    const struct {
        TEditorType kind;
        const char* clip;
        const char* cell;
    } cases[] = {
        {edEditBtn, "12\r\n", "12"},
        {edNumericEditBtn, "1a", "5"},
        {edNumericEditBtn, "-7", "-7"},
        {edFloatUnitEditBtn, "2.5", "2.5kg"},
        {edNumericUnitEditBtn, "2.5", "5kg"},
    };
    for (const auto& c : cases) {
        kind2 = c.kind;
        plat::Clipboard().SetAsText(c.clip);
        const bool unit = c.kind == edFloatUnitEditBtn || c.kind == edNumericUnitEditBtn;
        Play(unit ? "5kg" : "5", {});
        ASSERT_NE(grid->EditCtrl(), nullptr);
        pt::SendKey(*grid->EditCtrl(), 'V', plat::ssCtrl);
        pt::SendKey(*grid->EditCtrl(), plat::VK_RETURN);
        EXPECT_EQ(grid->Cells(2, 2), c.cell) << c.kind << " " << c.clip;
    }
}

TEST_F(GridSpecialEdit, DatePickerOpensInsideItsLimits) {
    kind2 = edDateEdit;
    TGridDatePicker* d = grid->DateTimePicker();
    d->SetMaxDate(base::EncodeDate(2024, 6, 30));
    d->SetMinDate(base::EncodeDate(2020, 1, 1));
    const struct {
        const char* cell;
        const char* shown;
    } cases[] = {{"15/08/2024", "29/06/2024"}, {"01/01/2020", "02/01/2020"}, {"15/03/2022", "15/03/2022"}};
    for (const auto& c : cases) {
        Play(c.cell, {});
        EXPECT_EQ(d->Text(), c.shown) << c.cell;
        pt::SendKey(*d, plat::VK_ESCAPE);
        EXPECT_EQ(grid->Cells(2, 2), c.cell);
    }
    d->SetMaxDate(0);
    d->SetMinDate(0);
}

// The date cell editor drops down a month view by F4, Alt+Down or its
// button; the focus going to the view is still the edit, which ends only
// when the focus leaves the cell or a closing key reaches the editor.
TEST_F(GridSpecialEdit, DateEditorPicksADayInItsMonthView) {
    kind2 = edDateEdit;
    TGridDatePicker* d = grid->DateTimePicker();
    // What the window heard: the event, the row and the column.
    std::vector<std::string> heard;
    auto hear = [&](const char* What) {
        return [&heard, What](plat::TObject*, int ARow, int ACol) {
            heard.push_back(std::string(What) + " " + std::to_string(ARow) + " " + std::to_string(ACol));
        };
    };
    grid->OnDatePickerDropDown = hear("drop");
    grid->OnDatePickerCloseUp = hear("close");
    enum TOpen { byF4, byAltDown, byButton };
    enum TEnd { byEnter, byClickElsewhere, byDirectClose };
    const struct {
        const char* name;
        TOpen open;
        std::vector<unsigned short> keys;  // in the month view
        int clickDay;                     // a click on this day of March closes the view; 0: none
        TEnd end;                         // how the edit ends afterwards
        const char* cell;
    } cases[] = {
        {"keys and Enter", byF4, {plat::VK_RIGHT, plat::VK_DOWN, plat::VK_RETURN}, 0, byEnter, "23/03/2024"},
        {"Esc leaves the date", byAltDown, {plat::VK_LEFT, plat::VK_ESCAPE}, 0, byEnter, "15/03/2024"},
        {"a click on a day", byButton, {}, 5, byEnter, "05/03/2024"},
        {"the focus leaving commits", byF4, {plat::VK_UP, plat::VK_F4}, 0, byClickElsewhere, "08/03/2024"},
        {"closing ends the edit", byAltDown, {}, 28, byDirectClose, "28/03/2024"},
    };
    for (const auto& c : cases) {
        grid->MouseActions().SetDirectDateClose(c.end == byDirectClose);
        heard.clear();
        Play("15/03/2024", {});
        ASSERT_EQ(grid->EditCtrl(), d) << c.name;
        // A time of day the date keeps while a day is picked.
        d->SetDateTime(base::EncodeDate(2024, 3, 15) + base::EncodeTime(10, 30, 0, 0));
        if (c.open == byF4) pt::SendKey(*d, plat::VK_F4);
        else if (c.open == byAltDown) pt::SendKey(*d, plat::VK_DOWN, plat::ssAlt);
        else pt::ClickAt(*d, d->Width() - 6, d->Height() / 2);
        pt::ProcessEvents();
        ASSERT_TRUE(d->DroppedDown()) << c.name;
        EXPECT_TRUE(grid->EditMode()) << c.name << ": the view taking the focus does not end the edit";
        EXPECT_EQ(grid->EditCtrl(), d) << c.name;
        EXPECT_EQ(heard, std::vector<std::string>{"drop 2 2"}) << c.name;
        plat::TMonthCalendar* cal = d->Calendar();
        EXPECT_TRUE(cal->Focused()) << c.name;
        EXPECT_EQ(cal->Year() * 10000 + cal->Month() * 100 + cal->Day(), 20240315) << c.name;
        if (c.open == byF4 && c.end == byEnter) {
            std::filesystem::create_directories(VASTRIMO_TEST_OUT);
            EXPECT_TRUE(
                pt::SaveScreenshot(*d->CalendarForm(), std::string(VASTRIMO_TEST_OUT) + "/GridDateEditor_month_view.png"));
        }
        for (unsigned short k : c.keys) pt::SendKey(*cal, k);
        if (c.clickDay != 0) {
            int x = 0, y = 0;
            ASSERT_TRUE(cal->PointOfDay(2024, 3, c.clickDay, x, y)) << c.name;
            pt::ClickAt(*cal, x, y);
        }
        pt::ProcessEvents();
        EXPECT_FALSE(d->DroppedDown()) << c.name;
        EXPECT_EQ(heard, (std::vector<std::string>{"drop 2 2", "close 2 2"})) << c.name;
        if (c.end == byDirectClose) {
            EXPECT_FALSE(grid->EditMode()) << c.name;
        } else {
            ASSERT_TRUE(grid->EditMode()) << c.name << ": closing the view keeps the edit";
            EXPECT_TRUE(d->Focused()) << c.name << ": the focus is back on the editor";
            EXPECT_EQ(base::DecodeTime(d->DateTime()).hour, 10) << c.name << ": the time of day stays";
            EXPECT_EQ(base::DecodeTime(d->DateTime()).minute, 30) << c.name;
            EXPECT_EQ(grid->Cells(2, 2), "15/03/2024") << c.name << ": nothing written before the edit ends";
            if (c.end == byEnter) {
                pt::SendKey(*d, plat::VK_RETURN);
            } else {
                const plat::TRect r = grid->CellRect(1, 1);
                pt::ClickAt(*grid, (r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
            }
            pt::ProcessEvents();
            EXPECT_FALSE(grid->EditMode()) << c.name;
        }
        EXPECT_EQ(grid->Cells(2, 2), c.cell) << c.name;
    }
    grid->MouseActions().SetDirectDateClose(false);
    // Times and the up-down look have no month view.
    for (TEditorType k : {edTimeEdit, edDateEditUpDown}) {
        kind2 = k;
        Play(k == edTimeEdit ? "10:30:00" : "15/03/2024", {Key(plat::VK_F4)});
        EXPECT_FALSE(d->DroppedDown()) << k;
        EXPECT_TRUE(grid->EditMode()) << k;
        pt::SendKey(*d, plat::VK_ESCAPE);
    }
}

// The month view shows week numbers, the "Today:" line and the ring round
// today as the editor's settings say; a click on the line picks today.
TEST_F(GridSpecialEdit, DateEditorMonthViewShowsWhatItsSettingsSay) {
    kind2 = edDateEdit;
    TGridDatePicker* d = grid->DateTimePicker();
    const base::TDateTime today = base::Date();
    const base::TDateParts t = base::DecodeDate(today);
    const std::string todayText = base::FormatDateTime("dd/mm/yyyy", today);
    const struct {
        const char* name;
        bool weeks, todayLine, ring;
    } cases[] = {
        {"as made", false, true, true},
        {"week numbers, no line, no ring", true, false, false},
        {"week numbers and the line", true, true, false},
    };
    for (const auto& c : cases) {
        d->SetWeeknumbers(c.weeks);
        d->SetShowToday(c.todayLine);
        d->SetShowTodayCircle(c.ring);
        Play("01/01/2000", {});
        pt::SendKey(*d, plat::VK_F4);
        pt::ProcessEvents();
        ASSERT_TRUE(d->DroppedDown()) << c.name;
        plat::TMonthCalendar* cal = d->Calendar();
        EXPECT_EQ(cal->WeekNumbers(), c.weeks) << c.name;
        // Page to today's month: the ring is drawn there.
        cal->SetDate(t.year, t.month, t.day == 1 ? 2 : 1);
        pt::ProcessEvents();
        int x = 0, y = 0;
        ASSERT_TRUE(cal->PointOfDay(t.year, t.month, t.day, x, y)) << c.name;
        bool red = false;
        for (int dx = 0; dx < 30 && !red; ++dx) {
            const pt::TRgb p = pt::PixelAt(*cal, x - dx, y);
            red = p.R > 180 && p.G < 90 && p.B < 90;
        }
        EXPECT_EQ(red, c.ring) << c.name;
        int tx = 0, ty = 0;
        EXPECT_EQ(cal->TodayPoint(tx, ty), c.todayLine) << c.name;
        if (c.todayLine) {
            pt::ClickAt(*cal, tx, ty);
        } else {
            // With week numbers the days still answer to their own dates.
            const int other = t.day == 1 ? 2 : 1;
            ASSERT_TRUE(cal->PointOfDay(t.year, t.month, other, x, y)) << c.name;
            pt::ClickAt(*cal, x, y);
        }
        pt::ProcessEvents();
        EXPECT_FALSE(d->DroppedDown()) << c.name;
        pt::SendKey(*d, plat::VK_RETURN);
        pt::ProcessEvents();
        const std::string expected =
            c.todayLine ? todayText
                        : base::FormatDateTime("dd/mm/yyyy", base::EncodeDate(t.year, t.month, t.day == 1 ? 2 : 1));
        EXPECT_EQ(grid->Cells(2, 2), expected) << c.name;
    }
}

TEST_F(GridSpecialEdit, UncheckedPickerEmptiesTheCell) {
    kind2 = edDateEdit;
    Play("15/03/2024", {});
    grid->DateTimePicker()->SetChecked(false);
    pt::SendKey(*grid->EditCtrl(), plat::VK_RETURN);
    EXPECT_EQ(grid->Cells(2, 2), "");
}

TEST_F(GridSpecialEdit, CustomKindWithoutALinkOpensNothing) {
    kind2 = edCustom;
    Play("keep", {Key(plat::VK_RETURN), Type("x")});
    EXPECT_FALSE(grid->EditMode());
    EXPECT_EQ(grid->Cells(2, 2), "keep");
}

// An application's own editor: a plain edit that closes on the link's rule.
class TTestLink : public TEditLink {
public:
    using TEditLink::TEditLink;
    plat::TWinControl* GetEditControl() override { return FEdit; }
    void CreateEditor(plat::TWinControl* AParent) override {
        ++created;
        FEdit = new plat::TEdit(AParent);
        FEdit->SetParent(AParent);
        FEdit->OnKeyDown = [this](plat::TObject* s, unsigned short& k, plat::TShiftState sh) { EditKeyDown(s, k, sh); };
    }
    void GetEditorValue(std::string& S) override { S = FEdit->Text(); }
    void SetEditorValue(const std::string& S) override { FEdit->SetText(S); }
    plat::TEdit* FEdit = nullptr;
    int created = 0;
};

TEST_F(GridSpecialEdit, CustomLinkEditsThroughTheApplicationsControl) {
    kind2 = edCustom;
    TTestLink link(form.get());
    grid->SetEditLink(&link);
    std::vector<TEditLink*> props;
    grid->OnGetEditorProp = [&](plat::TObject*, int, int, TEditLink* l) { props.push_back(l); };
    Play("one", {Type("two"), Key(plat::VK_RETURN)});
    EXPECT_EQ(grid->Cells(2, 2), "onetwo");
    EXPECT_EQ(link.EditCell(), (plat::TPoint{2, 2}));
    EXPECT_EQ(props, (std::vector<TEditLink*>{&link}));
    EXPECT_FALSE(link.FEdit->Visible());

    Play("one", {Type("three"), Key(plat::VK_ESCAPE)});
    EXPECT_EQ(grid->Cells(2, 2), "one");

    // Each Want flag keeps its keys with the control; Home never closes.
    const struct {
        unsigned short key;
        bool TEditLink::*want;
    } kept[] = {
        {plat::VK_UP, &TEditLink::WantKeyUpDown},       {plat::VK_LEFT, &TEditLink::WantKeyLeftRight},
        {plat::VK_END, &TEditLink::WantKeyHomeEnd},     {plat::VK_NEXT, &TEditLink::WantKeyPriorNext},
        {plat::VK_RETURN, &TEditLink::WantKeyReturn},   {plat::VK_ESCAPE, &TEditLink::WantKeyEscape},
        {plat::VK_TAB, &TEditLink::WantTabs},           {plat::VK_HOME, nullptr},
    };
    Play("one", {});
    for (const auto& k : kept) {
        if (k.want) link.*k.want = true;
        unsigned short key = k.key;
        link.EditKeyDown(link.FEdit, key, 0);
        EXPECT_EQ(key, k.key) << k.key;
        EXPECT_TRUE(grid->EditMode()) << k.key;
        if (k.want) link.*k.want = false;
    }
    pt::SendKey(*link.FEdit, plat::VK_TAB);
    EXPECT_FALSE(grid->EditMode());
    EXPECT_EQ(link.created, 1) << "the link's control is made once";
    grid->SetEditLink(nullptr);
}

// A link whose control ends the edit itself when it loses the focus, as
// links commonly hand their control's exit to EditExit: the grid's own exit
// step runs after it and must find the edit already over, not freed state.
TEST_F(GridSpecialEdit, LinkEndingTheEditOnItsOwnExitLeavesCleanly) {
    class TExitLink : public TTestLink {
    public:
        using TTestLink::TTestLink;
        void CreateEditor(plat::TWinControl* AParent) override {
            TTestLink::CreateEditor(AParent);
            FEdit->OnExit = [this](plat::TObject* s) { EditExit(s); };
        }
    };
    kind2 = edCustom;
    TExitLink link(form.get());
    grid->SetEditLink(&link);
    for (const char* typed : {"two", "three"}) {
        Play("one", {Type(typed)});
        ASSERT_TRUE(grid->EditMode()) << typed;
        done.clear();
        other->SetFocus();
        pt::ProcessEvents();
        EXPECT_FALSE(grid->EditMode()) << typed;
        EXPECT_EQ(grid->Cells(2, 2), std::string("one") + typed);
        EXPECT_EQ(done, (std::vector<Done>{{2, 2}})) << typed;
        grid->SetFocus();
        pt::ProcessEvents();
    }
    grid->SetEditLink(nullptr);
}

TEST_F(GridSpecialEdit, PopupLinkEditsOnAWindowAtTheCell) {
    kind2 = edCustom;
    TTestLink link(form.get());
    link.EditStyle = esPopup;
    link.PopupWidth = 120;
    link.PopupHeight = 60;
    grid->SetEditLink(&link);
    Play("one", {});
    plat::TForm* popup = link.PopupForm();
    ASSERT_NE(popup, nullptr);
    EXPECT_TRUE(popup->Visible());
    EXPECT_EQ(link.FEdit->Parent(), popup);
    EXPECT_EQ(link.GetParent(), popup);
    const plat::TRect r = grid->GridCellRect(2, 2);
    const plat::TPoint at = grid->ClientToScreen(plat::TPoint{r.Left, r.Top});
    EXPECT_EQ(popup->Left(), at.X);
    EXPECT_EQ(popup->Top(), at.Y);
    EXPECT_EQ(popup->Width(), 120);
    EXPECT_EQ(popup->Height(), 60);
    pt::TypeText(*link.FEdit, "x");
    pt::SendKey(*link.FEdit, plat::VK_RETURN);
    EXPECT_EQ(grid->Cells(2, 2), "onex");
    EXPECT_FALSE(grid->EditMode());
    EXPECT_FALSE(popup->Visible());

    pt::ProcessEvents();  // the main window takes the activation back
    EXPECT_TRUE(grid->Focused());
    link.PopupTop = 200;  // one place alone does not move the window
    link.AutoPopupWidth = true;
    Play("two", {Type("y")});
    EXPECT_EQ(popup->Top(), at.Y);
    EXPECT_EQ(popup->Width(), r.Width());
    link.FormExit(popup);  // the window lost the activation: the edit ends with the value
    EXPECT_EQ(grid->Cells(2, 2), "twoy");
    EXPECT_FALSE(grid->EditMode());
    EXPECT_EQ(link.created, 1);

    pt::ProcessEvents();
    link.PopupLeft = 30;
    Play("three", {Type("z"), Key(plat::VK_ESCAPE)});
    EXPECT_EQ(popup->Left(), 30);
    EXPECT_EQ(popup->Top(), 200);
    EXPECT_EQ(grid->Cells(2, 2), "three");
    grid->SetEditLink(nullptr);
}

TEST_F(GridSpecialEdit, FreedLinkLeavesTheGrid) {
    auto link = std::make_unique<TTestLink>(nullptr);
    grid->SetEditLink(link.get());
    link.reset();
    EXPECT_EQ(grid->EditLink(), nullptr);
}

}  // namespace

namespace {

TEST_F(GridSpecialEdit, TabInALinkMovesOnlyWhereTheNavigationSaysSo) {
    kind2 = edCustom;
    TTestLink link(form.get());
    grid->SetEditLink(&link);
    grid->SetOptions(grid->Options() + plat::TGridOptions{plat::goTabs});
    const struct {
        bool tabToNext;
        int col;
        bool editing;  // the editor is open again on the cell reached
    } cases[] = {{false, 2, false}, {true, 3, true}};
    for (const auto& c : cases) {
        grid->Navigation().SetTabToNextAtEnd(c.tabToNext);
        // A plain edit lets the form take Tab; an application's control that
        // keeps it hands it to the link's rule.
        Play("one", {Type("x")});
        unsigned short tab = plat::VK_TAB;
        link.EditKeyDown(link.FEdit, tab, 0);
        EXPECT_EQ(tab, 0) << c.tabToNext;
        EXPECT_EQ(grid->Cells(2, 2), "onex") << c.tabToNext;
        EXPECT_EQ(grid->Col(), c.col) << c.tabToNext;
        EXPECT_EQ(grid->Row(), 2) << c.tabToNext;
        EXPECT_EQ(grid->EditMode(), c.editing) << c.tabToNext;
        if (grid->EditMode()) pt::SendKey(*grid->InplaceEditor(), plat::VK_ESCAPE);
    }
    grid->SetEditLink(nullptr);
}

}  // namespace
