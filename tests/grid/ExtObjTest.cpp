#include <gtest/gtest.h>

#include "grid/ExtObj.h"

using namespace grid;

TEST(SettingsObjects, SearchFooterDefaults) {
    TSearchFooter code(nullptr, false);
    EXPECT_FALSE(code.AlwaysHighLight());
    EXPECT_TRUE(code.AutoSearch());
    EXPECT_EQ(code.Color(), 0xFFFFFFu);
    EXPECT_EQ(code.ColorTo(), plat::clBtnFace);
    for (const std::string& s : {code.FindNextCaption(), code.FindPrevCaption(), code.HighLightCaption(),
                                 code.HintClose(), code.HintFindNext(), code.HintFindPrev(), code.HintHighlight(),
                                 code.MatchCaseCaption(), code.LastSearch()})
        EXPECT_EQ(s, "");
    EXPECT_FALSE(code.SearchActiveColumnOnly());
    EXPECT_EQ(code.SearchColumn(), -1);
    EXPECT_FALSE(code.SearchMatchStart());
    EXPECT_FALSE(code.SearchFixedCells());
    EXPECT_FALSE(code.SearchHiddenRows());
    EXPECT_EQ(code.SearchDirection(), sdTopBottom);
    EXPECT_TRUE(code.ShowClose());
    EXPECT_TRUE(code.ShowFindNext());
    EXPECT_TRUE(code.ShowFindPrev());
    EXPECT_TRUE(code.ShowHighLight());
    EXPECT_TRUE(code.ShowMatchCase());
    EXPECT_FALSE(code.Visible());
    EXPECT_FALSE(code.AutoThemeAdapt());

    TSearchFooter design(nullptr, true);
    EXPECT_EQ(design.FindNextCaption(), "Find &next");
    EXPECT_EQ(design.FindPrevCaption(), "Find &previous");
    EXPECT_EQ(design.HighLightCaption(), "Highlight");
    EXPECT_EQ(design.HintClose(), "Close");
    EXPECT_EQ(design.HintFindNext(), "Find next occurrence");
    EXPECT_EQ(design.HintFindPrev(), "Find previous occurrence");
    EXPECT_EQ(design.HintHighlight(), "Highlight occurrences");
    EXPECT_EQ(design.MatchCaseCaption(), "Match case");
}

TEST(SettingsObjects, SearchFooterChangeEvents) {
    TSearchFooter f(nullptr, false);
    int changes = 0;
    f.OnChange = [&](plat::TObject*) { ++changes; };
    f.SetColor(f.Color());  // stores and tells every time
    f.SetShowClose(true);
    EXPECT_EQ(changes, 2);
    f.SetShowFindNext(true);  // only on a change
    f.SetVisible(false);
    EXPECT_EQ(changes, 2);
    f.SetVisible(true);
    f.SetSearchColumn(3);  // plain field
    EXPECT_EQ(changes, 3);
}

TEST(SettingsObjects, SearchFooterAssign) {
    TSearchFooter src(nullptr, true), dst(nullptr, false);
    src.SetColorTo(0xF0F0F0);
    src.SetAlwaysHighLight(true);
    src.SetSearchColumn(4);
    src.SetSearchDirection(sdLeftRight);
    src.SetShowMatchCase(false);
    src.SetVisible(true);
    src.SetAutoSearch(false);
    src.SetSearchFixedCells(true);
    src.SetAutoThemeAdapt(true);
    src.SetLastSearch("x");
    plat::TFont font;
    font.SetName("Tahoma");
    font.SetHeight(-11);
    src.SetFont(font);
    int changes = 0;
    dst.OnChange = [&](plat::TObject*) { ++changes; };
    dst.Assign(src);
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(dst.ColorTo(), 0xF0F0F0u);
    EXPECT_TRUE(dst.AlwaysHighLight());
    EXPECT_EQ(dst.SearchColumn(), 4);
    EXPECT_EQ(dst.SearchDirection(), sdLeftRight);
    EXPECT_FALSE(dst.ShowMatchCase());
    EXPECT_TRUE(dst.Visible());
    EXPECT_EQ(dst.HintFindPrev(), "Find previous occurrence");
    EXPECT_EQ(dst.Font().Name(), "Tahoma");
    EXPECT_EQ(dst.Font().Height(), -11);
    EXPECT_TRUE(dst.AutoSearch());         // not copied
    EXPECT_FALSE(dst.SearchFixedCells());  // not copied
    EXPECT_FALSE(dst.AutoThemeAdapt());
    EXPECT_EQ(dst.LastSearch(), "");
    TBands other;
    dst.Assign(other);  // another class: ignored
    EXPECT_TRUE(dst.Visible());
}

TEST(SettingsObjects, NavigationDefaultsAndAssign) {
    TNavigation n;
    const bool falseOnes[] = {n.AllowInsertRow(), n.AllowDeleteRow(), n.AlwaysEdit(), n.AdvanceOnEnter(),
                              n.AdvanceInsert(), n.AutoGotoWhenSorted(), n.AutoGotoIncremental(),
                              n.AutoComboDropSize(), n.AllowClipboardShortCuts(), n.AllowSmartClipboard(),
                              n.AllowRTFClipboard(), n.AllowFmtClipboard(), n.AllowClipboardAlways(),
                              n.AdvanceAuto(), n.AppendOnArrowDown(), n.CursorWalkEditor(), n.CursorMoveRows(),
                              n.MoveRowOnSort(), n.KeepScrollOnSort(), n.MoveScrollOnly(), n.ImproveMaskSel(),
                              n.KeepHorizScroll(), n.LineFeedOnEnter(), n.TabToNextAtEnd()};
    for (bool b : falseOnes) EXPECT_FALSE(b);
    const bool trueOnes[] = {n.AdvanceOnEnterLoop(), n.AdvanceAutoEdit(), n.AdvanceSkipReadOnlyCells(),
                             n.AllowCtrlEnter(), n.AllowClipboardRowGrow(), n.AllowClipboardColGrow(),
                             n.EditSelectAll(), n.ComboGetUpDown(), n.CursorWalkAlwaysEdit(),
                             n.LeftRightRowSelect(), n.CopyHTMLTagsToClipboard(), n.SkipFixedCells(),
                             n.SkipDisabledRows()};
    for (bool b : trueOnes) EXPECT_TRUE(b);
    EXPECT_EQ(n.AdvanceDirection(), adLeftRight);
    EXPECT_EQ(n.InsertPosition(), pInsertBefore);
    EXPECT_EQ(n.ClipboardPasteAction(), paReplace);
    EXPECT_EQ(n.CursorAdvance(), caDefault);
    EXPECT_EQ(n.HomeEndKey(), heFirstLastColumn);
    EXPECT_EQ(n.TabAdvanceDirection(), adLeftRight);

    int changes = 0;
    n.OnChange = [&](plat::TObject*) { ++changes; };
    n.SetAdvanceDirection(adLeftRight);
    n.SetAdvanceDirection(adTopBottom);
    n.SetAdvanceInsert(true);
    EXPECT_EQ(changes, 2);
    n.SetAdvanceAuto(true);
    EXPECT_TRUE(n.AdvanceOnEnter());

    TNavigation src;
    src.SetAdvanceDirection(adTopBottomInCol);
    src.SetTabAdvanceDirection(adLeftRightInRow);
    src.SetKeepScrollOnSort(true);
    src.SetCursorAdvance(caSnake);
    src.SetHomeEndKey(heFirstLastCell);
    src.SetAllowCtrlEnter(false);
    TNavigation dst;
    dst.Assign(src);
    EXPECT_EQ(dst.AdvanceDirection(), adTopBottomInCol);
    EXPECT_EQ(dst.TabAdvanceDirection(), adLeftRightInRow);
    EXPECT_EQ(dst.CursorAdvance(), caSnake);
    EXPECT_EQ(dst.HomeEndKey(), heFirstLastCell);
    EXPECT_FALSE(dst.AllowCtrlEnter());
    EXPECT_FALSE(dst.KeepScrollOnSort());  // not copied
}

TEST(SettingsObjects, MouseActionsDefaultsAndSideEffects) {
    TMouseActions m;
    EXPECT_TRUE(m.AutoSizeColOnDblClick());
    EXPECT_TRUE(m.PreciseNodeClick());
    EXPECT_FALSE(m.RowSelect());
    EXPECT_FALSE(m.DisjunctRowSelect());
    EXPECT_EQ(m.FixedRowsEdit(), fceNone);
    EXPECT_EQ(m.FixedColsEdit(), fceNone);
    EXPECT_EQ(m.FixedRowsEditor(), fceEdit);
    EXPECT_EQ(m.FixedColsEditor(), fceEdit);
    EXPECT_EQ(m.FixedComboValues().Count(), 0);
    EXPECT_EQ(m.WheelIncrement(), 0);
    EXPECT_EQ(m.WheelAction(), waMoveSelection);

    int invalidates = 0, disables = 0, changes = 0;
    m.OnInvalidate = [&](plat::TObject*) { ++invalidates; };
    m.OnDisableEdit = [&](plat::TObject*) { ++disables; };
    m.OnChange = [&](plat::TObject*) { ++changes; };
    m.SetHotmailRowSelect(false);  // leaves the others, still invalidates
    EXPECT_FALSE(m.DisjunctRowSelect());
    EXPECT_EQ(invalidates, 1);
    m.SetHotmailRowSelect(true);
    EXPECT_TRUE(m.DisjunctRowSelect());
    EXPECT_TRUE(m.CheckAllCheck());
    EXPECT_EQ(invalidates, 2);
    m.SetEditOnDblClickOnly(true);
    EXPECT_EQ(disables, 1);
    m.SetWheelAction(waScroll);
    m.SetWheelAction(waScroll);
    EXPECT_EQ(changes, 1);

    // At run time the three disjunct selections are independent; in a
    // designer one excludes the others.
    m.SetDisjunctColSelect(true);
    EXPECT_TRUE(m.DisjunctRowSelect());
    m.OnIsDesigning = [](plat::TObject*, bool& d) { d = true; };
    m.SetDisjunctCellSelect(true);
    EXPECT_FALSE(m.DisjunctRowSelect());
    EXPECT_FALSE(m.DisjunctColSelect());
}

TEST(SettingsObjects, MouseActionsAssignSkipsItsFourExceptions) {
    TMouseActions src, dst;
    src.SetRowSelect(true);
    src.SetWheelIncrement(3);
    src.SetFixedColsEditor(fceComboList);
    src.SetSizeFixedCol(true);
    src.SetSizeFixedRow(true);
    src.SetEditOnDblClickOnly(true);
    src.SetHotmailRowSelect(true);
    base::TStringList values;
    values.Add("a");
    src.SetFixedComboValues(values);
    int events = 0;
    dst.OnChange = dst.OnInvalidate = dst.OnDisableEdit = [&](plat::TObject*) { ++events; };
    dst.Assign(src);
    EXPECT_TRUE(dst.RowSelect());
    EXPECT_EQ(dst.WheelIncrement(), 3);
    EXPECT_EQ(dst.FixedColsEditor(), fceComboList);
    EXPECT_TRUE(dst.SizeFixedCol());
    EXPECT_TRUE(dst.DisjunctRowSelect());  // a plain value of the source
    EXPECT_FALSE(dst.SizeFixedRow());
    EXPECT_FALSE(dst.EditOnDblClickOnly());
    EXPECT_FALSE(dst.HotmailRowSelect());
    EXPECT_EQ(dst.FixedComboValues().Count(), 0);
    EXPECT_EQ(events, 0);
}

TEST(SettingsObjects, BandsLengthsAndEvents) {
    TBands b;
    EXPECT_FALSE(b.Active());
    EXPECT_EQ(b.PrimaryColor(), plat::clInfoBk);
    EXPECT_EQ(b.SecondaryColor(), plat::clWindow);
    EXPECT_EQ(b.PrimaryLength(), 1);
    EXPECT_EQ(b.SecondaryLength(), 1);
    EXPECT_EQ(b.TotalLength(), 2);
    EXPECT_FALSE(b.Print());
    int changes = 0;
    b.OnChange = [&](plat::TObject*) { ++changes; };
    b.SetPrimaryColor(plat::clRed);
    b.SetPrimaryLength(3);
    EXPECT_EQ(changes, 0);  // inactive bands tell nothing
    EXPECT_EQ(b.TotalLength(), 4);
    b.SetActive(true);
    EXPECT_EQ(changes, 1);
    b.SetSecondaryLength(2);
    b.SetSecondaryLength(2);
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(b.TotalLength(), 5);

    TBands copy;
    copy.Assign(b);
    EXPECT_TRUE(copy.Active());
    EXPECT_EQ(copy.PrimaryColor(), plat::clRed);
    EXPECT_EQ(copy.TotalLength(), 5);
}

TEST(SettingsObjects, SyncGridNeverFollowsItsOwner) {
    plat::TObject owner, other;
    TSyncGrid s(&owner);
    EXPECT_EQ(s.Grid(), nullptr);
    s.SetGrid(&other);
    s.SetGrid(&owner);
    EXPECT_EQ(s.Grid(), &other);
    TSyncGrid t(&other);
    t.Assign(s);  // the source's grid is t's owner: refused through the setter
    EXPECT_EQ(t.Grid(), nullptr);
    s.SetMoveRow(true);
    TSyncGrid u(nullptr);
    u.Assign(s);
    EXPECT_EQ(u.Grid(), &other);
    EXPECT_TRUE(u.MoveRow());

    TFocusHelper f, g;
    EXPECT_FALSE(f.Enabled());
    f.SetEnabled(true);
    g.Assign(f);
    EXPECT_TRUE(g.Enabled());
}
