#include <gtest/gtest.h>

#include <stdexcept>

#include "grid/ExtGrid.h"

using namespace grid;

TEST(ExtGridCellKinds, PlainCheckBoxColumnKeepsItsOwnState) {
    TExtStringGrid g(nullptr);
    g.AddCheckBoxColumn(1, false, false);
    bool state = true;
    EXPECT_FALSE(g.GetCheckBoxState(1, 0, state)) << "no box in the header row";
    for (int r = 1; r < g.RowCount(); ++r) {
        state = true;
        ASSERT_TRUE(g.GetCheckBoxState(1, r, state)) << r;
        EXPECT_FALSE(state) << r;
    }
    EXPECT_TRUE(g.SetCheckBoxState(1, 4, true));
    EXPECT_TRUE(g.IsChecked(1, 4));
    EXPECT_EQ(g.Cells(1, 4), "") << "a plain box writes no text";
    g.SetCells(1, 5, "Y");
    EXPECT_FALSE(g.IsChecked(1, 5)) << "a plain box ignores the text";
}

TEST(ExtGridCellKinds, CheckAllCheckPutsABoxInTheHeader) {
    TExtStringGrid g(nullptr);
    g.MouseActions().SetCheckAllCheck(true);
    g.AddCheckBoxColumn(2, true, false);
    EXPECT_TRUE(g.IsChecked(2, 0));
}

TEST(ExtGridCellKinds, DataCheckBoxComparesTheTextExactly) {
    const struct {
        const char* text;
        bool checked;
    } cases[] = {{"Y", true}, {"N", false}, {"y", false}, {"", false}, {"Y ", false}, {"yes", false}};
    TExtStringGrid g(nullptr);
    g.AddCheckBox(1, 1, false, true);
    for (const auto& c : cases) {
        g.SetCells(1, 1, c.text);
        bool state = !c.checked;
        ASSERT_TRUE(g.GetCheckBoxState(1, 1, state)) << c.text;
        EXPECT_EQ(state, c.checked) << "'" << c.text << "'";
    }
}

TEST(ExtGridCellKinds, AddingADataCheckBoxKeepsACheckText) {
    const struct {
        const char* before;
        bool state;
        const char* after;
    } cases[] = {{"N", true, "N"}, {"Y", false, "Y"}, {"x", true, "Y"}, {"x", false, "N"}, {"", true, "Y"}};
    for (const auto& c : cases) {
        TExtStringGrid g(nullptr);
        g.SetCells(2, 2, c.before);
        g.AddCheckBox(2, 2, c.state, true);
        EXPECT_EQ(g.Cells(2, 2), c.after) << c.before << " " << c.state;
    }
}

TEST(ExtGridCellKinds, ToggleWritesTheCheckTexts) {
    TExtStringGrid g(nullptr);
    g.AddCheckBox(1, 1, false, true);
    g.SetCells(1, 1, "y");
    std::vector<bool> changes;
    g.OnCheckBoxChange = [&](TObject*, int, int, bool s) { changes.push_back(s); };
    EXPECT_TRUE(g.ToggleCheckBox(1, 1));
    EXPECT_EQ(g.Cells(1, 1), "Y");
    EXPECT_TRUE(g.ToggleCheckBox(1, 1));
    EXPECT_EQ(g.Cells(1, 1), "N");
    EXPECT_EQ(changes, (std::vector<bool>{true, false}));

    g.SetCheckTrue("1");
    g.SetCheckFalse("0");
    g.ToggleCheckBox(1, 1);
    EXPECT_EQ(g.Cells(1, 1), "1");
    EXPECT_TRUE(g.SetCheckBoxState(1, 1, false));
    EXPECT_EQ(g.Cells(1, 1), "0");
}

TEST(ExtGridCellKinds, ToggleAsksWhetherTheCellCanBeEdited) {
    TExtStringGrid g(nullptr);
    g.AddCheckBox(1, 1, false, false);
    g.OnCanEditCell = [](TObject*, int, int, bool& can) { can = false; };
    EXPECT_FALSE(g.ToggleCellCheck(1, 1, true));
    EXPECT_FALSE(g.IsChecked(1, 1));
    EXPECT_TRUE(g.ToggleCellCheck(1, 1, false));
    EXPECT_TRUE(g.IsChecked(1, 1));
    g.ControlLook().SetCheckAlwaysActive(true);
    EXPECT_TRUE(g.ToggleCellCheck(1, 1, true));
    EXPECT_FALSE(g.IsChecked(1, 1));
}

TEST(ExtGridCellKinds, TriStateCycle) {
    TExtStringGrid g(nullptr);
    g.AddCheckBox(1, 1, cbUnchecked);
    std::vector<bool> reported;
    g.OnCheckBoxChange = [&](TObject*, int, int, bool s) { reported.push_back(s); };
    std::vector<TCheckBoxState> states;
    for (int i = 0; i < 3; ++i) {
        g.ToggleCheckBox(1, 1);
        TCheckBoxState s{};
        ASSERT_TRUE(g.GetCheckBoxState(1, 1, s));
        states.push_back(s);
    }
    EXPECT_EQ(states, (std::vector<TCheckBoxState>{cbGrayed, cbChecked, cbUnchecked}));
    EXPECT_EQ(reported, (std::vector<bool>{false, true, false}));
    bool plain = false;
    EXPECT_FALSE(g.GetCheckBoxState(1, 1, plain)) << "the Boolean form does not answer tri-state boxes";
}

TEST(ExtGridCellKinds, InvalidCellIsRefused) {
    TExtStringGrid g(nullptr);
    g.HideColumn(2);
    g.HideRow(3);
    const struct {
        int col, row;
        bool ok;
    } cases[] = {{4, 9, true}, {5, 1, false}, {1, 10, false}, {-1, 1, false}, {1, -1, false}};
    for (const auto& c : cases) {
        if (c.ok) {
            EXPECT_NO_THROW(g.AddCheckBox(c.col, c.row, true, false));
            EXPECT_NO_THROW(g.AddRadioButton(c.col, c.row, false));
            continue;
        }
        for (int kind = 0; kind < 3; ++kind) {
            try {
                if (kind == 0) g.AddCheckBox(c.col, c.row, true, false);
                if (kind == 1) g.AddCheckBox(c.col, c.row, cbChecked);
                if (kind == 2) g.AddRadioButton(c.col, c.row, true);
                ADD_FAILURE() << c.col << "," << c.row << " kind " << kind;
            } catch (const EExtGridError&) {
                ADD_FAILURE() << "the base exception is expected";
            } catch (const std::runtime_error& e) {
                EXPECT_STREQ(e.what(), "Invalid cell");
            }
        }
    }
}

TEST(ExtGridCellKinds, CheckBoxStateOnHiddenRowsByRealRow) {
    TExtStringGrid g(nullptr);
    g.AddCheckBoxColumn(1, false, false);
    g.AddCheckBoxColumn(2, false, true);
    g.SetCheckBoxState(1, 6, true);
    g.SetCheckBoxState(2, 6, true);
    g.HideRows(2, 4);
    bool s = false;
    ASSERT_TRUE(g.GetCheckBoxState(1, 6, s));
    EXPECT_TRUE(s);
    ASSERT_TRUE(g.GetCheckBoxState(2, 6, s));
    EXPECT_TRUE(s);
    EXPECT_TRUE(g.SetCheckBoxState(2, 3, true)) << "a hidden row answers from its stored cells";
    EXPECT_EQ(g.AllCells(2, 3), "Y");
}

TEST(ExtGridCellKinds, CheckAllAndUnCheckAll) {
    TExtStringGrid g(nullptr);
    g.SetColCount(6);
    g.AddCheckBoxColumn(4, false, true);
    g.HideColumn(2);
    g.ClearRepaintLog();
    g.CheckAll(4);
    for (int r = 1; r < g.RowCount(); ++r) EXPECT_EQ(g.Cells(4, r), "Y");
    const auto& log = g.RepaintLog();
    EXPECT_NE(std::find(log.begin(), log.end(), TExtStringGrid::TRepaint{3, -1}), log.end());
    g.ClearRepaintLog();
    g.UnCheckAll(4);
    for (int r = 1; r < g.RowCount(); ++r) EXPECT_EQ(g.Cells(4, r), "N");
    for (const auto& p : g.RepaintLog()) EXPECT_NE(p.Row, -1) << "no column repaint";
}

TEST(ExtGridCellKinds, RemovingCheckBoxesKeepsDataText) {
    TExtStringGrid g(nullptr);
    g.AddCheckBoxColumn(1, true, true);
    g.RemoveCheckBoxColumn(1);
    EXPECT_FALSE(g.HasCheckBox(1, 2));
    EXPECT_EQ(g.Cells(1, 2), "Y");
    EXPECT_FALSE(g.IsChecked(1, 2));
}

TEST(ExtGridCellKinds, RadioButtonsOnePerColumn) {
    TExtStringGrid g(nullptr);
    g.AddRadioButtonColumn(2);
    EXPECT_EQ(g.GetRadioButtonColumnIndex(2), -1);
    g.SetRadioButtonColumnIndex(2, 3);
    EXPECT_EQ(g.GetRadioButtonColumnIndex(2), 3);
    EXPECT_TRUE(g.ToggleCellRadio(2, 6, false));
    EXPECT_EQ(g.GetRadioButtonColumnIndex(2), 6);
    EXPECT_FALSE(g.IsRadioButtonChecked(2, 3));
    EXPECT_TRUE(g.ToggleCellRadio(2, 6, false)) << "an already checked button answers True";
    EXPECT_TRUE(g.IsRadioButtonChecked(2, 6));
    EXPECT_FALSE(g.ToggleCellRadio(1, 6, false));
}

TEST(ExtGridCellKinds, NeutralAnswersForOtherKinds) {
    TExtStringGrid g(nullptr);
    EXPECT_EQ(g.GetCellType(-1, 0), ctEmpty);
    EXPECT_EQ(g.GetCellType(0, -1), ctEmpty);
    EXPECT_EQ(g.GetCellType(1, 1), ctEmpty);
    EXPECT_EQ(g.GetShapeColor(1, 1), plat::clNone);
    EXPECT_EQ(g.GetScrollPosition(1, 1), -1);
    EXPECT_FALSE(g.IsChecked(1, 1));
    EXPECT_FALSE(g.HasCheckBox(-1, 1));
    EXPECT_EQ(g.GetButtonText(1, 1), "");
    EXPECT_FALSE(g.RemoveCellGraphic(1, 1));
}

TEST(ExtGridCellKinds, ButtonsCommentsMarkers) {
    TExtStringGrid g(nullptr);
    g.AddButton(2, 2, 60, 20, "Go", haLeft, vaCenter);
    EXPECT_TRUE(g.HasButton(2, 2));
    EXPECT_TRUE(g.IsControlCell(2, 2));
    EXPECT_EQ(g.GetCellGraphicSize(2, 2), (plat::TPoint{60, 20}));
    g.SetCells(2, 2, "text");
    EXPECT_EQ(g.GetCellGraphicSize(2, 2), (plat::TPoint{60, 0}));
    g.SetButtonText(2, 2, "Stop");
    EXPECT_EQ(g.GetButtonText(2, 2), "Stop");
    g.RemoveButton(2, 2);
    EXPECT_FALSE(g.HasButton(2, 2));

    g.SetComment(3, 3, "note");
    EXPECT_EQ(g.GetComment(3, 3), "note");
    g.SetComment(3, 3, "changed");
    EXPECT_EQ(g.GetComment(3, 3), "changed");
    g.RemoveAllComments();
    EXPECT_EQ(g.GetComment(3, 3), "");

    g.AddMarker(1, 1, 3, 4);
    int pos = 0, len = 0;
    g.GetMarker(1, 1, pos, len);
    EXPECT_EQ(pos, 3);
    EXPECT_EQ(len, 4);
    g.RemoveMarker(1, 1);
    EXPECT_EQ(g.GetCellType(1, 1), ctEmpty);
    EXPECT_EQ(g.GetCellGraphic(1, 1), nullptr);
}

TEST(ExtGridCellKinds, AngleIsBroughtIntoRange) {
    const struct {
        int in, out;
    } cases[] = {{-30, 330}, {360, 360}, {725, 5}, {0, 0}};
    for (const auto& c : cases) {
        TCellGraphic gr;
        gr.SetAngle(c.in);
        EXPECT_EQ(gr.CellAngle(), c.out) << c.in;
        EXPECT_EQ(gr.CellType(), ctRotated);
    }
}

TEST(ExtGridCellKinds, RowCheckBoxFollowsRowSelection) {
    TExtStringGrid g(nullptr);
    g.SetRowCount(3);
    g.MouseActions().SetHotmailRowSelect(true);
    g.MouseActions().SetDisjunctRowSelect(true);
    EXPECT_EQ(g.GetCellType(0, 1), ctRowCheckBox);
    EXPECT_EQ(g.GetCellGraphic(0, 1), g.GetCellGraphic(0, 2)) << "one shared graphic";
    g.SetRowSelect(1, true);
    EXPECT_EQ(g.GetCellGraphic(0, 0)->CellAngle(), 1);
    EXPECT_FALSE(g.GetCellGraphic(0, 0)->CellBoolean());
    g.SetRowSelect(2, true);
    EXPECT_EQ(g.GetCellGraphic(0, 0)->CellAngle(), 0);
    EXPECT_TRUE(g.GetCellGraphic(0, 0)->CellBoolean());
    EXPECT_FALSE(g.RemoveCellGraphic(0, 1)) << "the shared box is not the cell's";
    g.SetCells(0, 1, "1");
    g.ToggleCheckBox(0, 1);
    EXPECT_FALSE(g.GetRowSelect(1));
    EXPECT_EQ(g.Cells(0, 1), "1") << "toggling the row box leaves the row header alone";
}

TEST(ExtGridCellKinds, ButtonRectanglePlacedByThePainter) {
    TExtStringGrid g(nullptr);
    g.AddButton(2, 2, 30, 16, "b", haLeft, vaTop);
    g.GetCellGraphic(2, 2)->SetCellValue(2 + (3 << 16));
    const plat::TRect cell = g.CellRect(2, 2);
    EXPECT_EQ(g.GetCellButtonRect(2, 2),
              (plat::TRect{cell.Left + 2, cell.Top + 3, cell.Left + 32, cell.Top + 19}));
    g.GetCellGraphic(2, 2)->SetCellVAlign(vaFull);
    EXPECT_EQ(g.GetCellButtonRect(2, 2).Top, cell.Top);
    EXPECT_EQ(g.GetCellButtonRect(2, 2).Bottom, cell.Bottom);
    EXPECT_EQ(g.GetCellButtonRect(3, 3), plat::TRect{});
}
