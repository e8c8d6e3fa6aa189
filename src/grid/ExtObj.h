#pragma once
// The six settings objects every string grid carries (search footer,
// navigation, mouse actions, colour bands, synchronised grid, focus helper).
// They hold switches and values only; the grid reads them. Their property
// names and initial values are what window layouts store, so they are fixed.

#include <functional>
#include <string>

#include "base/StringList.h"
#include "grid/GridTypes.h"
#include "platform/Classes.h"
#include "platform/Graphics.h"

namespace grid {

using plat::TColor;
using plat::TNotifyEvent;

#define GRID_PLAIN(Type, Name)                      \
    Type Name() const { return F##Name; }           \
    void Set##Name(Type Value) { F##Name = Value; }

class TSearchFooter : public plat::TObject {
public:
    // InitDesign: the grid is being placed in a designer, so the captions
    // and hints get their English defaults; at run time they come from the
    // window layout and a grid made by code has none.
    TSearchFooter(plat::TComponent* AOwner, bool InitDesign);
    void Assign(const plat::TObject& Source);

    GRID_PLAIN(bool, AlwaysHighLight)
    GRID_PLAIN(bool, AutoSearch)
    TColor Color() const { return FColor; }
    void SetColor(TColor Value);
    TColor ColorTo() const { return FColorTo; }
    void SetColorTo(TColor Value);
    const std::string& FindNextCaption() const { return FFindNextCaption; }
    void SetFindNextCaption(const std::string& Value);
    const std::string& FindPrevCaption() const { return FFindPrevCaption; }
    void SetFindPrevCaption(const std::string& Value);
    const plat::TFont& Font() const { return FFont; }
    void SetFont(const plat::TFont& Value);
    const std::string& HighLightCaption() const { return FHighLightCaption; }
    void SetHighLightCaption(const std::string& Value);
    const std::string& HintClose() const { return FHintClose; }
    void SetHintClose(const std::string& Value);
    const std::string& HintFindNext() const { return FHintFindNext; }
    void SetHintFindNext(const std::string& Value);
    const std::string& HintFindPrev() const { return FHintFindPrev; }
    void SetHintFindPrev(const std::string& Value);
    const std::string& HintHighlight() const { return FHintHighlight; }
    void SetHintHighlight(const std::string& Value);
    const std::string& MatchCaseCaption() const { return FMatchCaseCaption; }
    void SetMatchCaseCaption(const std::string& Value);
    GRID_PLAIN(bool, SearchActiveColumnOnly)
    GRID_PLAIN(int, SearchColumn)
    GRID_PLAIN(bool, SearchMatchStart)
    GRID_PLAIN(bool, SearchFixedCells)
    GRID_PLAIN(bool, SearchHiddenRows)
    GRID_PLAIN(TSearchDirection, SearchDirection)
    bool ShowClose() const { return FShowClose; }
    void SetShowClose(bool Value);
    bool ShowFindNext() const { return FShowFindNext; }
    void SetShowFindNext(bool Value);
    bool ShowFindPrev() const { return FShowFindPrev; }
    void SetShowFindPrev(bool Value);
    bool ShowHighLight() const { return FShowHighLight; }
    void SetShowHighLight(bool Value);
    bool ShowMatchCase() const { return FShowMatchCase; }
    void SetShowMatchCase(bool Value);
    bool Visible() const { return FVisible; }
    void SetVisible(bool Value);
    bool AutoThemeAdapt() const { return FAutoThemeAdapt; }
    void SetAutoThemeAdapt(bool Value);
    GRID_PLAIN(std::string, LastSearch)

    TNotifyEvent OnChange;

private:
    void Changed();
    bool FAlwaysHighLight = false;
    bool FAutoSearch = true;
    TColor FColor = 0xFFFFFF;
    TColor FColorTo = plat::clBtnFace;
    std::string FFindNextCaption, FFindPrevCaption;
    plat::TFont FFont;
    std::string FHighLightCaption, FHintClose, FHintFindNext, FHintFindPrev, FHintHighlight, FMatchCaseCaption;
    bool FSearchActiveColumnOnly = false;
    int FSearchColumn = -1;
    bool FSearchMatchStart = false;
    bool FSearchFixedCells = false;
    bool FSearchHiddenRows = false;
    TSearchDirection FSearchDirection = sdTopBottom;
    bool FShowClose = true, FShowFindNext = true, FShowFindPrev = true, FShowHighLight = true,
         FShowMatchCase = true;
    bool FVisible = false;
    bool FAutoThemeAdapt = false;
    std::string FLastSearch;
};

class TNavigation : public plat::TObject {
public:
    TNavigation() = default;
    void Assign(const plat::TObject& Source);

    GRID_PLAIN(bool, AllowInsertRow)
    GRID_PLAIN(bool, AllowDeleteRow)
    GRID_PLAIN(bool, AlwaysEdit)
    GRID_PLAIN(bool, AdvanceOnEnter)
    GRID_PLAIN(bool, AdvanceOnEnterLoop)
    bool AdvanceInsert() const { return FAdvanceInsert; }
    void SetAdvanceInsert(bool Value);
    GRID_PLAIN(bool, AdvanceAutoEdit)
    GRID_PLAIN(bool, AdvanceSkipReadOnlyCells)
    GRID_PLAIN(bool, AutoGotoWhenSorted)
    GRID_PLAIN(bool, AutoGotoIncremental)
    GRID_PLAIN(bool, AutoComboDropSize)
    TAdvanceDirection AdvanceDirection() const { return FAdvanceDirection; }
    void SetAdvanceDirection(TAdvanceDirection Value);
    GRID_PLAIN(bool, AllowClipboardShortCuts)
    GRID_PLAIN(bool, AllowCtrlEnter)
    GRID_PLAIN(bool, AllowSmartClipboard)
    GRID_PLAIN(bool, AllowRTFClipboard)
    GRID_PLAIN(bool, AllowFmtClipboard)
    GRID_PLAIN(bool, AllowClipboardAlways)
    GRID_PLAIN(bool, AllowClipboardRowGrow)
    GRID_PLAIN(bool, AllowClipboardColGrow)
    bool AdvanceAuto() const { return FAdvanceAuto; }
    void SetAdvanceAuto(bool Value);
    GRID_PLAIN(bool, AppendOnArrowDown)
    GRID_PLAIN(bool, EditSelectAll)
    GRID_PLAIN(TInsertPosition, InsertPosition)
    GRID_PLAIN(TClipboardPasteAction, ClipboardPasteAction)
    GRID_PLAIN(bool, ComboGetUpDown)
    GRID_PLAIN(TCursorAdvance, CursorAdvance)
    GRID_PLAIN(bool, CursorWalkEditor)
    GRID_PLAIN(bool, CursorWalkAlwaysEdit)
    GRID_PLAIN(bool, CursorMoveRows)
    GRID_PLAIN(bool, MoveRowOnSort)
    GRID_PLAIN(bool, KeepScrollOnSort)
    GRID_PLAIN(bool, MoveScrollOnly)
    GRID_PLAIN(bool, ImproveMaskSel)
    GRID_PLAIN(bool, LeftRightRowSelect)
    GRID_PLAIN(bool, CopyHTMLTagsToClipboard)
    GRID_PLAIN(bool, KeepHorizScroll)
    GRID_PLAIN(bool, LineFeedOnEnter)
    GRID_PLAIN(THomeEndAction, HomeEndKey)
    GRID_PLAIN(bool, SkipFixedCells)
    GRID_PLAIN(bool, SkipDisabledRows)
    GRID_PLAIN(bool, TabToNextAtEnd)
    GRID_PLAIN(TAdvanceDirection, TabAdvanceDirection)

    TNotifyEvent OnChange;

private:
    bool FAllowInsertRow = false, FAllowDeleteRow = false, FAlwaysEdit = false, FAdvanceOnEnter = false;
    bool FAdvanceOnEnterLoop = true, FAdvanceInsert = false, FAdvanceAutoEdit = true;
    bool FAdvanceSkipReadOnlyCells = true, FAutoGotoWhenSorted = false, FAutoGotoIncremental = false;
    bool FAutoComboDropSize = false;
    TAdvanceDirection FAdvanceDirection = adLeftRight;
    bool FAllowClipboardShortCuts = false, FAllowCtrlEnter = true, FAllowSmartClipboard = false;
    bool FAllowRTFClipboard = false, FAllowFmtClipboard = false, FAllowClipboardAlways = false;
    bool FAllowClipboardRowGrow = true, FAllowClipboardColGrow = true, FAdvanceAuto = false;
    bool FAppendOnArrowDown = false, FEditSelectAll = true;
    TInsertPosition FInsertPosition = pInsertBefore;
    TClipboardPasteAction FClipboardPasteAction = paReplace;
    bool FComboGetUpDown = true;
    TCursorAdvance FCursorAdvance = caDefault;
    bool FCursorWalkEditor = false, FCursorWalkAlwaysEdit = true, FCursorMoveRows = false;
    bool FMoveRowOnSort = false, FKeepScrollOnSort = false, FMoveScrollOnly = false, FImproveMaskSel = false;
    bool FLeftRightRowSelect = true, FCopyHTMLTagsToClipboard = true, FKeepHorizScroll = false;
    bool FLineFeedOnEnter = false;
    THomeEndAction FHomeEndKey = heFirstLastColumn;
    bool FSkipFixedCells = true, FSkipDisabledRows = true, FTabToNextAtEnd = false;
    TAdvanceDirection FTabAdvanceDirection = adLeftRight;
};

class TMouseActions : public plat::TObject {
public:
    explicit TMouseActions(plat::TComponent* AOwner = nullptr) { (void)AOwner; }
    void Assign(const plat::TObject& Source);

    GRID_PLAIN(bool, AllColumnSize)
    GRID_PLAIN(bool, AllRowSize)
    GRID_PLAIN(bool, AllSelect)
    GRID_PLAIN(bool, AutoSizeColOnDblClick)
    GRID_PLAIN(bool, CaretPositioning)
    GRID_PLAIN(bool, CheckAllCheck)
    GRID_PLAIN(bool, ColSelect)
    GRID_PLAIN(bool, DirectComboClose)
    GRID_PLAIN(bool, DirectComboDrop)
    GRID_PLAIN(bool, DirectDateClose)
    GRID_PLAIN(bool, DirectDateDrop)
    GRID_PLAIN(bool, DirectEdit)
    bool DisjunctRowSelect() const { return FDisjunctRowSelect; }
    void SetDisjunctRowSelect(bool Value);
    GRID_PLAIN(bool, DisjunctRowSelectNoCtrl)
    bool DisjunctColSelect() const { return FDisjunctColSelect; }
    void SetDisjunctColSelect(bool Value);
    bool DisjunctCellSelect() const { return FDisjunctCellSelect; }
    void SetDisjunctCellSelect(bool Value);
    bool EditOnDblClickOnly() const { return FEditOnDblClickOnly; }
    void SetEditOnDblClickOnly(bool Value);
    GRID_PLAIN(TGridFixedCellEdit, FixedRowsEdit)
    GRID_PLAIN(TGridFixedCellEditor, FixedRowsEditor)
    GRID_PLAIN(TGridFixedCellEditor, FixedColsEditor)
    GRID_PLAIN(TGridFixedCellEdit, FixedColsEdit)
    const base::TStringList& FixedComboValues() const { return FFixedComboValues; }
    void SetFixedComboValues(const base::TStringList& Value) { FFixedComboValues.Assign(Value); }
    bool HotmailRowSelect() const { return FHotmailRowSelect; }
    void SetHotmailRowSelect(bool Value);
    GRID_PLAIN(bool, MoveRowOnNodeClick)
    GRID_PLAIN(bool, NoAutoRangeScroll)
    GRID_PLAIN(bool, NodeAllExpandContract)
    GRID_PLAIN(bool, NoScrollOnPartialRow)
    GRID_PLAIN(bool, PreciseCheckBoxCheck)
    GRID_PLAIN(bool, PreciseNodeClick)
    GRID_PLAIN(bool, RangeSelectAndEdit)
    GRID_PLAIN(bool, RowSelect)
    GRID_PLAIN(bool, RowSelectPersistent)
    GRID_PLAIN(bool, SelectOnRightClick)
    GRID_PLAIN(bool, SizeFixedCol)
    GRID_PLAIN(bool, SizeFixedRow)
    GRID_PLAIN(int, WheelIncrement)
    TWheelAction WheelAction() const { return FWheelAction; }
    void SetWheelAction(TWheelAction Value);
    // The same switch as DisjunctRowSelect, without the setter's side effect.
    bool DisjunctRowSelectDirect() const { return FDisjunctRowSelect; }
    void SetDisjunctRowSelectDirect(bool Value) { FDisjunctRowSelect = Value; }

    TNotifyEvent OnChange;
    TIsDesigningEvent OnIsDesigning;
    TNotifyEvent OnInvalidate;
    TNotifyEvent OnDisableEdit;

private:
    bool Designing();
    bool FAllColumnSize = false, FAllRowSize = false, FAllSelect = false, FAutoSizeColOnDblClick = true;
    bool FCaretPositioning = false, FCheckAllCheck = false, FColSelect = false, FDirectComboClose = false;
    bool FDirectComboDrop = false, FDirectDateClose = false, FDirectDateDrop = false, FDirectEdit = false;
    bool FDisjunctRowSelect = false, FDisjunctRowSelectNoCtrl = false, FDisjunctColSelect = false;
    bool FDisjunctCellSelect = false, FEditOnDblClickOnly = false;
    TGridFixedCellEdit FFixedRowsEdit = fceNone;
    TGridFixedCellEditor FFixedRowsEditor = fceEdit;
    TGridFixedCellEditor FFixedColsEditor = fceEdit;
    TGridFixedCellEdit FFixedColsEdit = fceNone;
    base::TStringList FFixedComboValues;
    bool FHotmailRowSelect = false, FMoveRowOnNodeClick = false, FNoAutoRangeScroll = false;
    bool FNodeAllExpandContract = false, FNoScrollOnPartialRow = false, FPreciseCheckBoxCheck = false;
    bool FPreciseNodeClick = true, FRangeSelectAndEdit = false, FRowSelect = false;
    bool FRowSelectPersistent = false, FSelectOnRightClick = false, FSizeFixedCol = false;
    bool FSizeFixedRow = false;
    int FWheelIncrement = 0;
    TWheelAction FWheelAction = waMoveSelection;
};

class TBands : public plat::TObject {
public:
    TBands() = default;
    void Assign(const plat::TObject& Source);

    bool Active() const { return FActive; }
    void SetActive(bool Value);
    TColor PrimaryColor() const { return FPrimaryColor; }
    void SetPrimaryColor(TColor Value);
    int PrimaryLength() const { return FPrimaryLength; }
    void SetPrimaryLength(int Value);
    TColor SecondaryColor() const { return FSecondaryColor; }
    void SetSecondaryColor(TColor Value);
    int SecondaryLength() const { return FSecondaryLength; }
    void SetSecondaryLength(int Value);
    GRID_PLAIN(bool, Print)
    int TotalLength() const { return FTotalLength; }

    TNotifyEvent OnChange;

private:
    void ChangedWhileActive();
    bool FActive = false;
    TColor FPrimaryColor = plat::clInfoBk;
    int FPrimaryLength = 1;
    TColor FSecondaryColor = plat::clWindow;
    int FSecondaryLength = 1;
    bool FPrint = false;
    int FTotalLength = 2;
};

class TSyncGrid : public plat::TObject {
public:
    explicit TSyncGrid(plat::TObject* AOwnerGrid) : FOwnerGrid(AOwnerGrid) {}
    void Assign(const plat::TObject& Source);

    // The grid to keep in step with (not owned); never the owner itself.
    plat::TObject* Grid() const { return FGrid; }
    void SetGrid(plat::TObject* Value);
    GRID_PLAIN(bool, ScrollVertical)
    GRID_PLAIN(bool, ScrollHorizontal)
    GRID_PLAIN(bool, SelectionColumn)
    GRID_PLAIN(bool, SelectionRow)
    GRID_PLAIN(bool, MoveColumn)
    GRID_PLAIN(bool, MoveRow)

private:
    plat::TObject* FOwnerGrid;
    plat::TObject* FGrid = nullptr;
    bool FScrollVertical = false, FScrollHorizontal = false, FSelectionColumn = false;
    bool FSelectionRow = false, FMoveColumn = false, FMoveRow = false;
};

class TFocusHelper : public plat::TObject {
public:
    explicit TFocusHelper(plat::TComponent* AOwner = nullptr) { (void)AOwner; }
    void Assign(const plat::TObject& Source);
    GRID_PLAIN(bool, Enabled)

private:
    bool FEnabled = false;
};

#undef GRID_PLAIN

}  // namespace grid
