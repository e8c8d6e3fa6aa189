#include <gtest/gtest.h>

#include <memory>
#include <vector>

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

// Every switch of each settings object: its initial value and whether
// Assign carries it. Each is flipped alone in a fresh source, so a switch
// that Assign forgets, or copies into the wrong field, shows by name.
namespace {

template <typename T>
struct TSwitch {
    const char* name;
    bool (T::*get)() const;
    void (T::*set)(bool);
    bool initial;
    bool copied;
};

template <typename T, typename Make>
void CheckSwitches(const std::vector<TSwitch<T>>& switches, Make make) {
    for (const auto& s : switches) {
        auto fresh = make();
        EXPECT_EQ((fresh.get()->*s.get)(), s.initial) << s.name << " initial";
        auto src = make();
        (src.get()->*s.set)(!s.initial);
        auto dst = make();
        dst->Assign(*src);
        EXPECT_EQ((dst.get()->*s.get)(), s.copied ? !s.initial : s.initial) << s.name << " assign";
    }
}

}  // namespace

TEST(SettingsObjects, EverySwitchStartsRightAndTravelsWithAssign) {
#define SW(T, N, init, copied) TSwitch<T>{#N, &T::N, &T::Set##N, init, copied}
    CheckSwitches<TSearchFooter>(
        {SW(TSearchFooter, AlwaysHighLight, false, true), SW(TSearchFooter, AutoSearch, true, false),
         SW(TSearchFooter, SearchActiveColumnOnly, false, true), SW(TSearchFooter, SearchMatchStart, false, true),
         SW(TSearchFooter, SearchFixedCells, false, false), SW(TSearchFooter, SearchHiddenRows, false, true),
         SW(TSearchFooter, ShowClose, true, true), SW(TSearchFooter, ShowFindNext, true, true),
         SW(TSearchFooter, ShowFindPrev, true, true), SW(TSearchFooter, ShowHighLight, true, true),
         SW(TSearchFooter, ShowMatchCase, true, true), SW(TSearchFooter, Visible, false, true),
         SW(TSearchFooter, AutoThemeAdapt, false, false)},
        [] { return std::make_unique<TSearchFooter>(nullptr, false); });

    CheckSwitches<TNavigation>(
        {SW(TNavigation, AllowInsertRow, false, true), SW(TNavigation, AllowDeleteRow, false, true),
         SW(TNavigation, AlwaysEdit, false, true), SW(TNavigation, AdvanceOnEnter, false, true),
         SW(TNavigation, AdvanceOnEnterLoop, true, true), SW(TNavigation, AdvanceInsert, false, true),
         SW(TNavigation, AdvanceAutoEdit, true, true), SW(TNavigation, AdvanceSkipReadOnlyCells, true, true),
         SW(TNavigation, AutoGotoWhenSorted, false, true), SW(TNavigation, AutoGotoIncremental, false, true),
         SW(TNavigation, AutoComboDropSize, false, true), SW(TNavigation, AllowClipboardShortCuts, false, true),
         SW(TNavigation, AllowCtrlEnter, true, true), SW(TNavigation, AllowSmartClipboard, false, true),
         SW(TNavigation, AllowRTFClipboard, false, true), SW(TNavigation, AllowFmtClipboard, false, true),
         SW(TNavigation, AllowClipboardAlways, false, true), SW(TNavigation, AllowClipboardRowGrow, true, true),
         SW(TNavigation, AllowClipboardColGrow, true, true), SW(TNavigation, AdvanceAuto, false, true),
         SW(TNavigation, AppendOnArrowDown, false, true), SW(TNavigation, EditSelectAll, true, true),
         SW(TNavigation, ComboGetUpDown, true, true), SW(TNavigation, CursorWalkEditor, false, true),
         SW(TNavigation, CursorWalkAlwaysEdit, true, true), SW(TNavigation, CursorMoveRows, false, true),
         SW(TNavigation, MoveRowOnSort, false, true), SW(TNavigation, KeepScrollOnSort, false, false),
         SW(TNavigation, MoveScrollOnly, false, true), SW(TNavigation, ImproveMaskSel, false, true),
         SW(TNavigation, LeftRightRowSelect, true, true), SW(TNavigation, CopyHTMLTagsToClipboard, true, true),
         SW(TNavigation, KeepHorizScroll, false, true), SW(TNavigation, LineFeedOnEnter, false, true),
         SW(TNavigation, SkipFixedCells, true, true), SW(TNavigation, SkipDisabledRows, true, true),
         SW(TNavigation, TabToNextAtEnd, false, true)},
        [] { return std::make_unique<TNavigation>(); });

    CheckSwitches<TMouseActions>(
        {SW(TMouseActions, AllColumnSize, false, true), SW(TMouseActions, AllRowSize, false, true),
         SW(TMouseActions, AllSelect, false, true), SW(TMouseActions, AutoSizeColOnDblClick, true, true),
         SW(TMouseActions, CaretPositioning, false, true), SW(TMouseActions, CheckAllCheck, false, true),
         SW(TMouseActions, ColSelect, false, true), SW(TMouseActions, DirectComboClose, false, true),
         SW(TMouseActions, DirectComboDrop, false, true), SW(TMouseActions, DirectDateClose, false, true),
         SW(TMouseActions, DirectDateDrop, false, true), SW(TMouseActions, DirectEdit, false, true),
         SW(TMouseActions, DisjunctRowSelect, false, true), SW(TMouseActions, DisjunctRowSelectNoCtrl, false, true),
         SW(TMouseActions, DisjunctColSelect, false, true), SW(TMouseActions, DisjunctCellSelect, false, true),
         SW(TMouseActions, EditOnDblClickOnly, false, false), SW(TMouseActions, HotmailRowSelect, false, false),
         SW(TMouseActions, MoveRowOnNodeClick, false, true), SW(TMouseActions, NoAutoRangeScroll, false, true),
         SW(TMouseActions, NodeAllExpandContract, false, true), SW(TMouseActions, NoScrollOnPartialRow, false, true),
         SW(TMouseActions, PreciseCheckBoxCheck, false, true), SW(TMouseActions, PreciseNodeClick, true, true),
         SW(TMouseActions, RangeSelectAndEdit, false, true), SW(TMouseActions, RowSelect, false, true),
         SW(TMouseActions, RowSelectPersistent, false, true), SW(TMouseActions, SelectOnRightClick, false, true),
         SW(TMouseActions, SizeFixedCol, false, true), SW(TMouseActions, SizeFixedRow, false, false)},
        [] { return std::make_unique<TMouseActions>(); });

    CheckSwitches<TBands>({SW(TBands, Active, false, true), SW(TBands, Print, false, true)},
                          [] { return std::make_unique<TBands>(); });
    CheckSwitches<TSyncGrid>(
        {SW(TSyncGrid, ScrollVertical, false, true), SW(TSyncGrid, ScrollHorizontal, false, true),
         SW(TSyncGrid, SelectionColumn, false, true), SW(TSyncGrid, SelectionRow, false, true),
         SW(TSyncGrid, MoveColumn, false, true), SW(TSyncGrid, MoveRow, false, true)},
        [] { return std::make_unique<TSyncGrid>(nullptr); });
    CheckSwitches<TFocusHelper>({SW(TFocusHelper, Enabled, false, true)},
                                [] { return std::make_unique<TFocusHelper>(); });
#undef SW
}

TEST(SettingsObjects, ValuesOtherThanSwitchesTravelWithAssign) {
    TSearchFooter f(nullptr, false), g(nullptr, false);
    f.SetColor(1);
    f.SetFindNextCaption("n");
    f.SetFindPrevCaption("p");
    f.SetHighLightCaption("h");
    f.SetHintClose("c");
    f.SetHintFindNext("hn");
    f.SetHintHighlight("hh");
    f.SetMatchCaseCaption("m");
    g.Assign(f);
    EXPECT_EQ(g.Color(), 1u);
    EXPECT_EQ(g.FindNextCaption() + g.FindPrevCaption() + g.HighLightCaption() + g.HintClose() + g.HintFindNext() +
                  g.HintHighlight() + g.MatchCaseCaption(),
              "nphchnhhm");

    TNavigation n, o;
    n.SetInsertPosition(pInsertAfter);
    n.SetClipboardPasteAction(paInsert);
    o.Assign(n);
    EXPECT_EQ(o.InsertPosition(), pInsertAfter);
    EXPECT_EQ(o.ClipboardPasteAction(), paInsert);

    TMouseActions m, k;
    m.SetFixedRowsEdit(fceDblClick);
    m.SetFixedColsEdit(fceRightClick);
    m.SetFixedRowsEditor(fceComboEdit);
    m.SetWheelAction(waScroll);
    k.Assign(m);
    EXPECT_EQ(k.FixedRowsEdit(), fceDblClick);
    EXPECT_EQ(k.FixedColsEdit(), fceRightClick);
    EXPECT_EQ(k.FixedRowsEditor(), fceComboEdit);
    EXPECT_EQ(k.WheelAction(), waScroll);

    TBands b, c;
    b.SetSecondaryColor(plat::clRed);
    b.SetSecondaryLength(4);
    c.Assign(b);
    EXPECT_EQ(c.SecondaryColor(), plat::clRed);
    EXPECT_EQ(c.SecondaryLength(), 4);
    EXPECT_EQ(c.TotalLength(), 5);
}
