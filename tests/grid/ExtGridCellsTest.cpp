#include <gtest/gtest.h>

#include "base/StrUtils.h"
#include "grid/ExtGrid.h"

using namespace grid;

TEST(ExtGridCells, IntsAcceptedAndRefusedTexts) {
    const struct {
        const char* text;
        bool ok;
        int value;
    } cases[] = {
        {"42", true, 42},     {"  -7 ", true, -7}, {"", true, 0},       {" - ", true, 0},
        {"$1F", true, 31},    {"<b>12</b>", true, 12}, {"1.5", false, 0}, {"abc", false, 0},
        {"99999999999", false, 0},
    };
    TExtStringGrid g(nullptr);
    for (const auto& c : cases) {
        g.SetCells(1, 1, c.text);
        if (c.ok) {
            EXPECT_EQ(g.Ints(1, 1), c.value) << c.text;
        } else {
            try {
                (void)g.Ints(1, 1);
                ADD_FAILURE() << "no error for " << c.text;
            } catch (const EExtGridError& e) {
                EXPECT_STREQ(e.what(), "Cell does not contain integer value") << c.text;
            }
            EXPECT_EQ(g.Cells(1, 1), c.text) << "the cell stays as it was";
        }
    }
}

TEST(ExtGridCells, FloatsAcceptedAndRefusedTexts) {
    const struct {
        const char* text;
        bool ok;
        double value;
    } cases[] = {
        {"3.25", true, 3.25}, {"(1,234.50)", true, -1234.5}, {"", true, 0}, {"-", true, 0},
        {"# 12.5", true, 12.5}, {"1.2.3", false, 0}, {"abc", false, 0}, {"-abc", false, 0},
        {"(abc)", false, 0}, {"\xE2\x82\xAC 12", true, 12}, {"\xCE\xA9", false, 0},
    };
    TExtStringGrid g(nullptr);
    for (const auto& c : cases) {
        g.SetCells(2, 2, c.text);
        if (c.ok) {
            EXPECT_DOUBLE_EQ(g.Floats(2, 2), c.value) << c.text;
        } else {
            try {
                (void)g.Floats(2, 2);
                ADD_FAILURE() << "no error for " << c.text;
            } catch (const EExtGridError& e) {
                EXPECT_STREQ(e.what(), "Cell does not contain a float value") << c.text;
                EXPECT_EQ(e.Col(), 2) << c.text;
                EXPECT_EQ(e.Row(), 2) << c.text;
            }
        }
    }
}

TEST(ExtGridCells, TypedWritesUseTheFloatFormat) {
    TExtStringGrid g(nullptr);
    g.SetFloats(1, 1, 3.14159);
    EXPECT_EQ(g.Cells(1, 1), "3.14");
    g.SetFloatFormat("%.3f");
    g.SetFloats(1, 1, 2.5);
    EXPECT_EQ(g.Cells(1, 1), "2.500");
    g.SetInts(2, 1, -15);
    EXPECT_EQ(g.Cells(2, 1), "-15");
    g.SetAllInts(3, 4, 8);
    EXPECT_EQ(g.AllInts(3, 4), 8);
}

TEST(ExtGridCells, DatesRoundTrip) {
    TExtStringGrid g(nullptr);
    const base::TDateTime d = base::EncodeDate(2026, 12, 10);
    g.SetDates(1, 1, d);
    EXPECT_DOUBLE_EQ(g.Dates(1, 1), d);
    g.SetCells(1, 2, "not a date");
    EXPECT_THROW((void)g.Dates(1, 2), base::EConvertError);
}

TEST(ExtGridCells, AllCellsWithHiddenColumnAndRow) {
    TExtStringGrid g(nullptr);
    g.SetColCount(6);
    for (int r = 0; r < g.RowCount(); ++r)
        for (int c = 0; c < 6; ++c) g.SetCells(c, r, base::Format("%d:%d", c, r));
    g.HideColumn(2);
    // Cells and AllCells take the real column.
    EXPECT_EQ(g.Cells(3, 5), "3:5");
    EXPECT_EQ(g.AllCells(3, 5), "3:5");
    g.ClearRepaintLog();
    g.SetAllCells(3, 5, "x");
    EXPECT_EQ(g.RepaintLog(), (std::vector<TExtStringGrid::TRepaint>{{2, 5}}));

    g.HideRow(4);
    EXPECT_EQ(g.AllCells(1, 4), "1:4");
    EXPECT_EQ(g.AllCells(1, 5), g.Cells(1, 4));
    EXPECT_EQ(g.AllCells(-1, 4), "");
    g.SetAllCells(7, 4, "pad");
    EXPECT_EQ(g.AllCells(7, 4), "pad");
    EXPECT_EQ(g.AllCells(6, 4), "");
}

TEST(ExtGridCells, RawWriteBeyondAHiddenRowsEntriesPads) {
    TExtStringGrid g(nullptr);
    g.SetCells(1, 3, "a");
    g.HideRow(3);
    g.SetAllGridCells(9, 3, "far");
    EXPECT_EQ(g.AllGridCells(9, 3), "far");
    EXPECT_EQ(g.AllGridCells(1, 3), "a");
    g.UnHideRow(3);
    EXPECT_EQ(g.Cells(9, 3), "far");
}

TEST(ExtGridCells, ObjectsSurviveHidingARow) {
    TExtStringGrid g(nullptr);
    plat::TObject tag;
    g.SetObjects(2, 3, &tag);
    g.HideRow(3);
    EXPECT_EQ(g.AllObjects(2, 3), &tag);
    g.UnHideRow(3);
    EXPECT_EQ(g.Objects(2, 3), &tag);
}

TEST(ExtGridCells, ColumnAndRowHeaders) {
    TExtStringGrid g(nullptr);
    g.SetCells(3, 0, "old");
    g.SetColumnHeaders({"#", "Name", "Two\\nlines"});
    EXPECT_EQ(g.Cells(1, 0), "Name");
    EXPECT_EQ(g.Cells(2, 0), "Two\rlines");
    EXPECT_EQ(g.Cells(3, 0), "") << "headers clear row 0 first";
    g.ColumnHeaders().Add("Later");
    EXPECT_EQ(g.Cells(3, 0), "Later");

    g.SetCells(0, 4, "kept");
    g.SetRowHeaders({"", "r1"});
    EXPECT_EQ(g.Cells(0, 1), "r1");
    EXPECT_EQ(g.Cells(0, 4), "kept") << "row headers do not clear column 0 at run time";
}

TEST(ExtGridCells, UsedCellsAndSaveRange) {
    TExtStringGrid g(nullptr);
    EXPECT_EQ(g.GetUsedCells(), (TGridRect{0, 0, 0, 0}));
    g.SetCells(2, 3, "x");
    EXPECT_EQ(g.GetUsedCells(), (TGridRect{2, 3, 2, 3}));
    g.SetSaveFixedCells(false);
    g.SetFixedFooters(1);
    EXPECT_EQ(g.SaveEndRow(), g.RowCount() - 2);
    EXPECT_EQ(g.SaveStartRow(), 1);
    EXPECT_EQ(g.SaveRowCount(), g.RowCount() - 2);
    g.SetSaveFixedCells(true);
    EXPECT_EQ(g.SaveEndRow(), g.RowCount() - 1);
}

TEST(ExtGridCells, CellPropertiesReadDefaultsWithoutCreating) {
    TExtStringGrid g(nullptr);
    EXPECT_EQ(g.Colors(1, 1), plat::clNone);
    EXPECT_EQ(g.FontColors(1, 1), plat::clNone);
    EXPECT_EQ(g.FontSizes(1, 1), 0);
    EXPECT_FALSE(g.ReadOnly(1, 1));
    EXPECT_FALSE(g.HasCellProps(1, 1));
    g.SetReadOnly(1, 1, true);
    EXPECT_TRUE(g.ReadOnly(1, 1));
}

TEST(ExtGridCells, RowColorNoneClearsOnlyTheBrush) {
    TExtStringGrid g(nullptr);
    g.SetFontNames(2, 3, "Verdana");
    g.SetAlignments(2, 3, plat::taCenter);
    g.SetRowColor(3, plat::clRed);
    EXPECT_EQ(g.Colors(2, 3), plat::clRed);
    EXPECT_EQ(g.Colors(4, 3), plat::clRed);
    g.SetRowColor(3, plat::clNone);
    EXPECT_EQ(g.Colors(2, 3), plat::clNone);
    EXPECT_EQ(g.FontNames(2, 3), "Verdana");
    EXPECT_EQ(g.Alignments(2, 3), plat::taCenter);
}

TEST(ExtGridCells, RowFontColorNoneKeepsCheckBoxes) {
    TExtStringGrid g(nullptr);
    g.AddCheckBox(2, 3, true, false);
    g.SetRowFontColor(3, plat::clBlue);
    g.SetRowFontColor(3, plat::clNone);
    bool state = false;
    EXPECT_TRUE(g.GetCheckBoxState(2, 3, state));
    EXPECT_TRUE(state);
    EXPECT_EQ(g.FontColors(2, 3), plat::clNone);
}

TEST(ExtGridCells, DisplayTextHookAndLinks) {
    TExtStringGrid g(nullptr);
    g.OnGetDisplText = [](TObject*, int c, int, std::string& t) {
        if (c == 1) t = "<" + t + ">";
    };
    g.SetCells(1, 1, "a");
    EXPECT_EQ(g.Cells(1, 1), "<a>");
    EXPECT_EQ(g.GetGridCell(1, 1), "a");
    g.OnGetDisplText = nullptr;
    g.SetURLShowInText(true);
    g.SetCells(2, 1, "see www.example.org now");
    EXPECT_NE(g.Cells(2, 1).find("<a href=\"www.example.org\">"), std::string::npos) << g.Cells(2, 1);
}

TEST(ExtGridCells, HighlightAndRemoveItAgain) {
    TExtStringGrid g(nullptr);
    g.SetCells(1, 1, "a<b and B");
    g.SetCells(2, 1, "nothing");
    g.HilightInRange("b", "hi", 1, 1, 2, 1, false);
    EXPECT_EQ(g.Cells(1, 1), "a&lt;<hi>b</hi> and <hi>B</hi>");
    EXPECT_EQ(g.Cells(2, 1), "nothing");
    g.UnHilightInRange("hi", 1, 1, 2, 1);
    EXPECT_EQ(g.Cells(1, 1), "a<b and B");
}

TEST(ExtGridCells, ControlValuesOfHtmlFormControls) {
    TExtStringGrid g(nullptr);
    g.SetCells(1, 1, "<CONTROL TYPE=\"EDIT\" ID=\"e1\" VALUE=\"old\">");
    EXPECT_EQ(g.ControlValues(1, 1, "e1"), "old");
    g.SetControlValues(1, 1, "e1", "new");
    EXPECT_EQ(g.ControlValues(1, 1, "e1"), "new");
    const std::string before = g.Cells(1, 1);
    g.SetControlValues(1, 1, "missing", "x");
    EXPECT_EQ(g.Cells(1, 1), before);
    EXPECT_EQ(g.ControlValues(2, 2, "e1"), "");
}

TEST(ExtGridCells, CellFontFallsBackToTheGridFont) {
    TExtStringGrid g(nullptr);
    EXPECT_EQ(g.GetCellFont(1, 1).Name(), g.Font().Name());
    plat::TFont f;
    f.SetName("Verdana");
    f.SetStyle({plat::fsItalic});
    g.SetCellFont(1, 1, f);
    EXPECT_EQ(g.GetCellFont(1, 1).Name(), "Verdana");
    EXPECT_TRUE(g.GetCellFont(1, 1).Style().Contains(plat::fsItalic));
    EXPECT_EQ(g.FontNames(1, 1), "Verdana");
}

TEST(ExtGridCells, TypedWritesRepaintTheDisplayedCellOfAHiddenLayout) {
    const struct {
        const char* name;
        bool hide;
        std::vector<TExtStringGrid::TRepaint> extra;
    } cases[] = {
        {"no hidden columns", false, {}},
        {"column 1 hidden", true, {{2, 4}}},
    };
    for (const auto& c : cases) {
        TExtStringGrid g(nullptr);
        if (c.hide) g.HideColumn(1);
        g.ClearRepaintLog();
        g.SetInts(3, 4, 12);
        EXPECT_EQ(g.Cells(3, 4), "12") << c.name;
        EXPECT_EQ(g.RepaintLog(), c.extra) << c.name;
    }
}
