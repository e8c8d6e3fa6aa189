#include "shell/RowHelpers.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/StrUtils.h"
#include "platform/TestHooks.h"
#include "shell/Comon.h"
#include "shell/Language.h"

using namespace shell;

namespace {

// Restores the program-wide options and copy buffer a test changes.
class RowHelpers : public ::testing::Test {
protected:
    void SetUp() override {
        Load_Default_Texts();
        Row_Copy_Buffer.Clear();
        Row_Copy_Checks.clear();
        savedJump = Opt_Jump_Field_Tables;
        savedSize = Opt_DblClick_Auto_Size;
    }
    void TearDown() override {
        Row_Copy_Buffer.Clear();
        Row_Copy_Checks.clear();
        Opt_Jump_Field_Tables = savedJump;
        Opt_DblClick_Auto_Size = savedSize;
    }
    bool savedJump = false;
    bool savedSize = false;
};

// A column grid: column 1 an "Enable" data check box, then text columns;
// the last real column is hidden, as the tables keep ids there.
void Shape(grid::TExtColumnGrid& g, int rows, int cols) {
    g.SetRowCount(rows);
    g.SetColCount(cols);
    g.Columns().Items(1).SetEditor(grid::edDataCheckBox);
    g.HideColumn(cols - 1);
}

void FillRow(grid::TExtStringGrid& g, int row, const std::string& tag) {
    for (int c = 2; c < g.ColCount() + g.NumHiddenColumns(); ++c) g.SetCells(c, row, tag + std::to_string(c));
}

std::vector<std::string> RowTexts(grid::TExtStringGrid& g, int row) {
    std::vector<std::string> out;
    for (int c = 1; c < g.ColCount() + g.NumHiddenColumns(); ++c) out.push_back(g.Cells(c, row));
    return out;
}

}  // namespace

TEST_F(RowHelpers, UsedRowRulesOfBothFamilies) {
    struct Case {
        const char* name;
        const char* check;  // column 1
        const char* text;   // column 2
        bool usedPlain;     // column grid: blank after trimming is unused
        bool usedCheck;     // cell check boxes: only empty is unused
    };
    const Case cases[] = {
        {"empty", "", "", false, false},
        {"ticked check box only", "Y", "", false, false},
        {"blanks only", "", "  ", false, true},
        {"one text", "N", "x", true, true},
    };
    for (const Case& c : cases) {
        grid::TExtColumnGrid g(nullptr);
        Shape(g, 4, 4);
        g.SetCells(1, 2, c.check);
        g.SetCells(2, 2, c.text);
        EXPECT_EQ(Grid_Row_Used(g, 2), c.usedPlain) << c.name;

        grid::TExtStringGrid s(nullptr);
        s.SetRowCount(4);
        s.SetColCount(3);
        s.AddCheckBox(1, 2, std::string(c.check) == "Y", false);
        s.SetCells(2, 2, c.text);
        EXPECT_EQ(Grid_Row_Used_Check(s, 2), c.usedCheck) << c.name;
    }
    grid::TExtColumnGrid g(nullptr);
    Shape(g, 4, 4);
    g.SetCells(3, 1, "hidden");
    EXPECT_TRUE(Grid_Row_Used(g, 1)) << "hidden columns count";
}

TEST_F(RowHelpers, DeleteMovesRowsUpAndEmptiesTheLast) {
    grid::TExtColumnGrid g(nullptr);
    const int rows = 1025;
    Shape(g, rows, 5);
    for (int r = 1; r < rows; ++r) {
        g.SetCells(1, r, r % 2 ? "Y" : "N");
        FillRow(g, r, "r" + std::to_string(r) + "c");
    }
    const auto second = RowTexts(g, 2);
    Grid_Delete_Row(1, g);
    EXPECT_EQ(RowTexts(g, 1), second);
    EXPECT_EQ(g.Cells(4, rows - 2), "r1024c4") << "hidden column moves too";
    EXPECT_EQ(RowTexts(g, rows - 1), std::vector<std::string>(4, ""));

    FillRow(g, rows - 1, "z");
    const auto before = RowTexts(g, rows - 2);
    Grid_Delete_Row(rows - 1, g);
    EXPECT_EQ(RowTexts(g, rows - 1), std::vector<std::string>(4, ""));
    EXPECT_EQ(RowTexts(g, rows - 2), before);
}

TEST_F(RowHelpers, InsertShiftsDownAndMarksTheNewRow) {
    plat::test::TScriptedUi ui;
    grid::TExtColumnGrid g(nullptr);
    Shape(g, 5, 4);
    FillRow(g, 1, "a");
    FillRow(g, 2, "b");
    const auto a = RowTexts(g, 1);
    const auto b = RowTexts(g, 2);
    EXPECT_TRUE(Grid_Insert_Row(1, g, true));
    EXPECT_EQ(RowTexts(g, 1), (std::vector<std::string>{"Y", "", ""}));
    EXPECT_EQ(RowTexts(g, 2), a);
    EXPECT_EQ(RowTexts(g, 3), b);
    EXPECT_TRUE(Grid_Insert_Row(2, g, false));
    EXPECT_EQ(RowTexts(g, 2), (std::vector<std::string>{"", "", ""}));
    EXPECT_TRUE(ui.Boxes().empty()) << "an empty last row goes without asking";
}

TEST_F(RowHelpers, InsertAsksBeforeDroppingAUsedLastRow) {
    for (int at : {1, 3}) {  // a row above the last, and the last row itself
        for (auto answer : {plat::mrNo, plat::mrYes}) {
            plat::test::TScriptedUi ui;
            ui.AnswerBox(answer);
            grid::TExtColumnGrid g(nullptr);
            Shape(g, 4, 4);
            FillRow(g, 1, "a");
            FillRow(g, 3, "last");
            const auto lastBefore = RowTexts(g, 3);
            const auto firstBefore = RowTexts(g, 1);
            EXPECT_EQ(Grid_Insert_Row(at, g, false), answer == plat::mrYes);
            ASSERT_EQ(ui.Boxes().size(), 1u);
            EXPECT_EQ(ui.Boxes()[0].Text, Lang_Texts[Insert_Drops_Used_Row_Text]);
            EXPECT_EQ(ui.Boxes()[0].Buttons, plat::mbYesNo);
            if (answer == plat::mrNo) {
                EXPECT_EQ(RowTexts(g, 3), lastBefore) << at;
                EXPECT_EQ(RowTexts(g, 1), firstBefore) << at;
            } else {
                EXPECT_EQ(RowTexts(g, at), std::vector<std::string>(3, "")) << at;
            }
        }
    }
}

TEST_F(RowHelpers, InsertQuestionHasItsOwnText) {
    const std::string& q = Lang_Texts[Insert_Drops_Used_Row_Text];
    EXPECT_NE(base::Trim(q), "");
    for (int n : {1500, 1501, 1502, 1503, 1504, 1505}) EXPECT_NE(q, Lang_Texts[n]) << n;
}

TEST_F(RowHelpers, PasteChecksPermissionShapeAndUse) {
    struct Case {
        const char* name;
        bool permitted;
        int copyCols;  // columns of the table copied from
        bool usedTarget;
        plat::TModalResult answer;  // for the confirmation, when asked
        const char* boxText;        // expected box, nullptr for none
        bool pasted;
    };
    const Case cases[] = {
        {"no permitted copy", false, 5, false, plat::mrNone, "Error!!! Copy a valid row before Paste it", false},
        {"other table shape", true, 6, false, plat::mrNone,
         "Error in the Copy values!!! Copy a valid row before Paste it", false},
        {"free row", true, 5, false, plat::mrNone, nullptr, true},
        {"used row, No", true, 5, true, plat::mrNo, "Row Already used. Do you want to overwrite the values?", false},
        {"used row, Yes", true, 5, true, plat::mrYes, "Row Already used. Do you want to overwrite the values?", true},
    };
    for (const Case& c : cases) {
        plat::test::TScriptedUi ui;
        if (c.answer != plat::mrNone) ui.AnswerBox(c.answer);
        grid::TExtColumnGrid from(nullptr);
        Shape(from, 3, c.copyCols);
        from.SetCells(1, 1, "Y");
        FillRow(from, 1, "s");
        Grid_Copy_Row(from, 1);

        grid::TExtColumnGrid to(nullptr);
        Shape(to, 3, 5);
        to.SetCells(1, 2, "Y");  // a ticked check box alone does not make the row used
        if (c.usedTarget) to.SetCells(3, 2, "old");
        const auto before = RowTexts(to, 2);
        Grid_Paste_Row(to, 2, c.permitted);

        if (c.boxText) {
            ASSERT_EQ(ui.Boxes().size(), 1u) << c.name;
            EXPECT_EQ(ui.Boxes()[0].Text, c.boxText) << c.name;
        } else {
            EXPECT_TRUE(ui.Boxes().empty()) << c.name;
        }
        EXPECT_EQ(RowTexts(to, 2), c.pasted ? RowTexts(from, 1) : before) << c.name;
    }
}

TEST_F(RowHelpers, CheckFamilyMovesStatesAndReadOnlyFlags) {
    plat::test::TScriptedUi ui;
    grid::TExtStringGrid g(nullptr);
    g.SetRowCount(5);
    g.SetColCount(4);
    for (int r = 1; r < 5; ++r) g.AddCheckBox(1, r, false, false);
    g.SetCheckBoxState(1, 1, true);
    g.SetCells(2, 1, "one");
    g.SetReadOnly(2, 1, true);
    g.SetCells(3, 2, "two");

    ASSERT_TRUE(Grid_Insert_Row_Check(1, g, true));
    EXPECT_TRUE(g.IsChecked(1, 1)) << "marked";
    EXPECT_EQ(g.Cells(2, 1), "");
    EXPECT_FALSE(g.ReadOnly(2, 1));
    EXPECT_TRUE(g.IsChecked(1, 2));
    EXPECT_EQ(g.Cells(2, 2), "one");
    EXPECT_TRUE(g.ReadOnly(2, 2));
    EXPECT_EQ(g.Cells(3, 3), "two");

    Grid_Delete_Row_Check(1, g, false);
    EXPECT_TRUE(g.IsChecked(1, 1));
    EXPECT_EQ(g.Cells(2, 1), "one");
    EXPECT_TRUE(g.ReadOnly(2, 1));
    EXPECT_EQ(g.Cells(3, 2), "two");
    EXPECT_FALSE(g.IsChecked(1, 4));
    EXPECT_EQ(g.Cells(3, 4), "");

    g.SetCells(2, 4, "kept?");
    ui.AnswerBox(plat::mrNo);
    EXPECT_FALSE(Grid_Insert_Row_Check(1, g, false));
    EXPECT_EQ(g.Cells(2, 4), "kept?");
    EXPECT_EQ(g.Cells(2, 1), "one");
}

TEST_F(RowHelpers, CheckFamilyCopyAndPaste) {
    plat::test::TScriptedUi ui;
    grid::TExtStringGrid g(nullptr);
    g.SetRowCount(4);
    g.SetColCount(4);
    for (int r = 1; r < 4; ++r) g.AddCheckBox(1, r, false, false);
    g.SetCheckBoxState(1, 1, true);
    g.SetCells(2, 1, "a");
    g.SetCells(3, 1, "b");
    Grid_Copy_Row_Check(g, 1);
    EXPECT_EQ(Row_Copy_Checks, (std::vector<bool>{true, false, false}));
    EXPECT_EQ(Row_Copy_Buffer[0], "Y");

    Grid_Paste_Row_Check(g, 2, true);
    EXPECT_TRUE(ui.Boxes().empty()) << "row 2 is free";
    EXPECT_TRUE(g.IsChecked(1, 2));
    EXPECT_EQ(g.Cells(2, 2), "a");
    EXPECT_EQ(g.Cells(3, 2), "b");

    // A check-box entry onto a plain cell changes nothing.
    Row_Copy_Checks = {false, true, false};
    g.SetCells(2, 3, "");
    Grid_Paste_Row_Check(g, 3, true);
    EXPECT_EQ(g.Cells(2, 3), "");

    g.SetCheckBoxState(1, 2, false);
    ui.AnswerBox(plat::mrNo);
    Grid_Copy_Row_Check(g, 1);
    Grid_Paste_Row_Check(g, 2, true);
    ASSERT_EQ(ui.Boxes().size(), 1u);
    EXPECT_EQ(ui.Boxes()[0].Text, Lang_Texts[1500]);
    EXPECT_FALSE(g.IsChecked(1, 2)) << "No leaves the row";
}

TEST_F(RowHelpers, EnterMovesToTheNextCellAndWraps) {
    struct Case {
        bool on;
        int col, row;
        int wantCol, wantRow;
        char32_t wantKey;
    };
    // 4 displayed columns (one more hidden), rows 1..3.
    const Case cases[] = {
        {true, 1, 1, 2, 1, 0},   {true, 3, 1, 1, 2, 0},    {true, 3, 3, 1, 1, 0},
        {true, 0, 2, 0, 2, 0},   {false, 3, 3, 3, 3, U'\r'},
    };
    for (const Case& c : cases) {
        Opt_Jump_Field_Tables = c.on;
        grid::TExtColumnGrid g(nullptr);
        Shape(g, 4, 5);
        g.SetFixedCols(0);
        g.SetCol(c.col);
        g.SetRow(c.row);
        char32_t key = U'\r';
        Grid_Enter_Next_Cell(g, key);
        EXPECT_EQ(g.Col(), c.wantCol) << c.col << "," << c.row;
        EXPECT_EQ(g.Row(), c.wantRow) << c.col << "," << c.row;
        EXPECT_EQ(key, c.wantKey) << c.col << "," << c.row;
    }
    Opt_Jump_Field_Tables = true;
    grid::TExtColumnGrid g(nullptr);
    char32_t key = U'a';
    Grid_Enter_Next_Cell(g, key);
    EXPECT_EQ(key, U'a') << "other keys are left to the grid";
}

TEST_F(RowHelpers, HeaderDoubleClickFitsOnlyWhenOn) {
    for (bool on : {false, true}) {
        Opt_DblClick_Auto_Size = on;
        grid::TExtColumnGrid g(nullptr);
        g.SetCells(1, 2, "a much longer text than the column is wide");
        const int width = g.ColWidths(1);
        Grid_DblClick_AutoSize(g, 1, 1);
        EXPECT_EQ(g.ColWidths(1), width) << "a data cell never fits";
        Grid_DblClick_AutoSize(g, 0, 1);
        if (on)
            EXPECT_GT(g.ColWidths(1), width);
        else
            EXPECT_EQ(g.ColWidths(1), width);
    }
}
