#include "grid/ExtObj.h"

namespace grid {

// --- TSearchFooter -------------------------------------------------------------
TSearchFooter::TSearchFooter(plat::TComponent* AOwner, bool InitDesign) {
    (void)AOwner;
    if (InitDesign) {
        FFindNextCaption = "Find &next";
        FFindPrevCaption = "Find &previous";
        FHighLightCaption = "Highlight";
        FHintClose = "Close";
        FHintFindNext = "Find next occurrence";
        FHintFindPrev = "Find previous occurrence";
        FHintHighlight = "Highlight occurrences";
        FMatchCaseCaption = "Match case";
    }
}

void TSearchFooter::Changed() {
    if (OnChange) OnChange(this);
}

void TSearchFooter::SetColor(TColor Value) { FColor = Value; Changed(); }
void TSearchFooter::SetColorTo(TColor Value) { FColorTo = Value; Changed(); }
void TSearchFooter::SetFindNextCaption(const std::string& Value) { FFindNextCaption = Value; Changed(); }
void TSearchFooter::SetFindPrevCaption(const std::string& Value) { FFindPrevCaption = Value; Changed(); }
void TSearchFooter::SetFont(const plat::TFont& Value) { FFont.Assign(Value); Changed(); }
void TSearchFooter::SetHighLightCaption(const std::string& Value) { FHighLightCaption = Value; Changed(); }
void TSearchFooter::SetHintClose(const std::string& Value) { FHintClose = Value; Changed(); }
void TSearchFooter::SetHintFindNext(const std::string& Value) { FHintFindNext = Value; Changed(); }
void TSearchFooter::SetHintFindPrev(const std::string& Value) { FHintFindPrev = Value; Changed(); }
void TSearchFooter::SetHintHighlight(const std::string& Value) { FHintHighlight = Value; Changed(); }
void TSearchFooter::SetMatchCaseCaption(const std::string& Value) { FMatchCaseCaption = Value; Changed(); }
void TSearchFooter::SetShowClose(bool Value) { FShowClose = Value; Changed(); }
void TSearchFooter::SetAutoThemeAdapt(bool Value) { FAutoThemeAdapt = Value; Changed(); }

void TSearchFooter::SetShowFindNext(bool Value) {
    if (Value == FShowFindNext) return;
    FShowFindNext = Value;
    Changed();
}

void TSearchFooter::SetShowFindPrev(bool Value) {
    if (Value == FShowFindPrev) return;
    FShowFindPrev = Value;
    Changed();
}

void TSearchFooter::SetShowHighLight(bool Value) {
    if (Value == FShowHighLight) return;
    FShowHighLight = Value;
    Changed();
}

void TSearchFooter::SetShowMatchCase(bool Value) {
    if (Value == FShowMatchCase) return;
    FShowMatchCase = Value;
    Changed();
}

void TSearchFooter::SetVisible(bool Value) {
    if (Value == FVisible) return;
    FVisible = Value;
    Changed();
}

void TSearchFooter::Assign(const plat::TObject& Source) {
    const auto* s = dynamic_cast<const TSearchFooter*>(&Source);
    if (!s) return;
    // AutoSearch and SearchFixedCells stay as they are: they belong to the
    // grid that owns the footer, not to its look.
    FAlwaysHighLight = s->FAlwaysHighLight;
    FColor = s->FColor;
    FColorTo = s->FColorTo;
    FFindNextCaption = s->FFindNextCaption;
    FFindPrevCaption = s->FFindPrevCaption;
    FFont.Assign(s->FFont);
    FHighLightCaption = s->FHighLightCaption;
    FHintClose = s->FHintClose;
    FHintFindNext = s->FHintFindNext;
    FHintFindPrev = s->FHintFindPrev;
    FHintHighlight = s->FHintHighlight;
    FMatchCaseCaption = s->FMatchCaseCaption;
    FSearchActiveColumnOnly = s->FSearchActiveColumnOnly;
    FSearchColumn = s->FSearchColumn;
    FSearchMatchStart = s->FSearchMatchStart;
    FSearchHiddenRows = s->FSearchHiddenRows;
    FSearchDirection = s->FSearchDirection;
    FShowClose = s->FShowClose;
    FShowFindNext = s->FShowFindNext;
    FShowFindPrev = s->FShowFindPrev;
    FShowHighLight = s->FShowHighLight;
    FShowMatchCase = s->FShowMatchCase;
    FVisible = s->FVisible;
}

// --- TNavigation -------------------------------------------------------------------
void TNavigation::SetAdvanceInsert(bool Value) {
    if (Value == FAdvanceInsert) return;
    FAdvanceInsert = Value;
    if (OnChange) OnChange(this);
}

void TNavigation::SetAdvanceDirection(TAdvanceDirection Value) {
    if (Value == FAdvanceDirection) return;
    FAdvanceDirection = Value;
    if (OnChange) OnChange(this);
}

void TNavigation::SetAdvanceAuto(bool Value) {
    FAdvanceAuto = Value;
    if (Value) FAdvanceOnEnter = true;
}

void TNavigation::Assign(const plat::TObject& Source) {
    const auto* s = dynamic_cast<const TNavigation*>(&Source);
    if (!s) return;
    // Every published value travels; KeepScrollOnSort stays with the grid.
    FAllowInsertRow = s->FAllowInsertRow;
    FAllowDeleteRow = s->FAllowDeleteRow;
    FAlwaysEdit = s->FAlwaysEdit;
    FAdvanceOnEnter = s->FAdvanceOnEnter;
    FAdvanceOnEnterLoop = s->FAdvanceOnEnterLoop;
    FAdvanceInsert = s->FAdvanceInsert;
    FAdvanceAutoEdit = s->FAdvanceAutoEdit;
    FAdvanceSkipReadOnlyCells = s->FAdvanceSkipReadOnlyCells;
    FAutoGotoWhenSorted = s->FAutoGotoWhenSorted;
    FAutoGotoIncremental = s->FAutoGotoIncremental;
    FAutoComboDropSize = s->FAutoComboDropSize;
    FAdvanceDirection = s->FAdvanceDirection;
    FAllowClipboardShortCuts = s->FAllowClipboardShortCuts;
    FAllowCtrlEnter = s->FAllowCtrlEnter;
    FAllowSmartClipboard = s->FAllowSmartClipboard;
    FAllowRTFClipboard = s->FAllowRTFClipboard;
    FAllowFmtClipboard = s->FAllowFmtClipboard;
    FAllowClipboardAlways = s->FAllowClipboardAlways;
    FAllowClipboardRowGrow = s->FAllowClipboardRowGrow;
    FAllowClipboardColGrow = s->FAllowClipboardColGrow;
    FAdvanceAuto = s->FAdvanceAuto;
    FAppendOnArrowDown = s->FAppendOnArrowDown;
    FEditSelectAll = s->FEditSelectAll;
    FInsertPosition = s->FInsertPosition;
    FClipboardPasteAction = s->FClipboardPasteAction;
    FComboGetUpDown = s->FComboGetUpDown;
    FCursorAdvance = s->FCursorAdvance;
    FCursorWalkEditor = s->FCursorWalkEditor;
    FCursorWalkAlwaysEdit = s->FCursorWalkAlwaysEdit;
    FCursorMoveRows = s->FCursorMoveRows;
    FMoveRowOnSort = s->FMoveRowOnSort;
    FMoveScrollOnly = s->FMoveScrollOnly;
    FImproveMaskSel = s->FImproveMaskSel;
    FLeftRightRowSelect = s->FLeftRightRowSelect;
    FCopyHTMLTagsToClipboard = s->FCopyHTMLTagsToClipboard;
    FKeepHorizScroll = s->FKeepHorizScroll;
    FLineFeedOnEnter = s->FLineFeedOnEnter;
    FHomeEndKey = s->FHomeEndKey;
    FSkipFixedCells = s->FSkipFixedCells;
    FSkipDisabledRows = s->FSkipDisabledRows;
    FTabToNextAtEnd = s->FTabToNextAtEnd;
    FTabAdvanceDirection = s->FTabAdvanceDirection;
}

// --- TMouseActions -------------------------------------------------------------------
bool TMouseActions::Designing() {
    bool designing = false;
    if (OnIsDesigning) OnIsDesigning(this, designing);
    return designing;
}

void TMouseActions::SetDisjunctRowSelect(bool Value) {
    FDisjunctRowSelect = Value;
    if (Value && Designing()) {
        FDisjunctColSelect = false;
        FDisjunctCellSelect = false;
    }
}

void TMouseActions::SetDisjunctColSelect(bool Value) {
    FDisjunctColSelect = Value;
    if (Value && Designing()) {
        FDisjunctRowSelect = false;
        FDisjunctCellSelect = false;
    }
}

void TMouseActions::SetDisjunctCellSelect(bool Value) {
    FDisjunctCellSelect = Value;
    if (Value && Designing()) {
        FDisjunctRowSelect = false;
        FDisjunctColSelect = false;
    }
}

void TMouseActions::SetEditOnDblClickOnly(bool Value) {
    FEditOnDblClickOnly = Value;
    if (Value && OnDisableEdit) OnDisableEdit(this);
}

void TMouseActions::SetHotmailRowSelect(bool Value) {
    FHotmailRowSelect = Value;
    if (Value) {
        FDisjunctRowSelect = true;
        FCheckAllCheck = true;
    }
    if (OnInvalidate) OnInvalidate(this);
}

void TMouseActions::SetWheelAction(TWheelAction Value) {
    if (Value == FWheelAction) return;
    FWheelAction = Value;
    if (OnChange) OnChange(this);
}

void TMouseActions::Assign(const plat::TObject& Source) {
    const auto* s = dynamic_cast<const TMouseActions*>(&Source);
    if (!s) return;
    FAllColumnSize = s->FAllColumnSize;
    FAllRowSize = s->FAllRowSize;
    FAllSelect = s->FAllSelect;
    FAutoSizeColOnDblClick = s->FAutoSizeColOnDblClick;
    FCaretPositioning = s->FCaretPositioning;
    FCheckAllCheck = s->FCheckAllCheck;
    FColSelect = s->FColSelect;
    FDirectComboClose = s->FDirectComboClose;
    FDirectComboDrop = s->FDirectComboDrop;
    FDirectDateClose = s->FDirectDateClose;
    FDirectDateDrop = s->FDirectDateDrop;
    FDirectEdit = s->FDirectEdit;
    FDisjunctRowSelect = s->FDisjunctRowSelect;
    FDisjunctRowSelectNoCtrl = s->FDisjunctRowSelectNoCtrl;
    FDisjunctColSelect = s->FDisjunctColSelect;
    FDisjunctCellSelect = s->FDisjunctCellSelect;
    FFixedRowsEdit = s->FFixedRowsEdit;
    FFixedRowsEditor = s->FFixedRowsEditor;
    FFixedColsEditor = s->FFixedColsEditor;
    FFixedColsEdit = s->FFixedColsEdit;
    FMoveRowOnNodeClick = s->FMoveRowOnNodeClick;
    FNoAutoRangeScroll = s->FNoAutoRangeScroll;
    FNodeAllExpandContract = s->FNodeAllExpandContract;
    FNoScrollOnPartialRow = s->FNoScrollOnPartialRow;
    FPreciseCheckBoxCheck = s->FPreciseCheckBoxCheck;
    FPreciseNodeClick = s->FPreciseNodeClick;
    FRangeSelectAndEdit = s->FRangeSelectAndEdit;
    FRowSelect = s->FRowSelect;
    FRowSelectPersistent = s->FRowSelectPersistent;
    FSelectOnRightClick = s->FSelectOnRightClick;
    FSizeFixedCol = s->FSizeFixedCol;
    FWheelIncrement = s->FWheelIncrement;
    FWheelAction = s->FWheelAction;
}

// --- TBands ---------------------------------------------------------------------------
void TBands::ChangedWhileActive() {
    if (FActive && OnChange) OnChange(this);
}

void TBands::SetActive(bool Value) {
    if (Value == FActive) return;
    FActive = Value;
    if (OnChange) OnChange(this);
}

void TBands::SetPrimaryColor(TColor Value) {
    if (Value == FPrimaryColor) return;
    FPrimaryColor = Value;
    ChangedWhileActive();
}

void TBands::SetSecondaryColor(TColor Value) {
    if (Value == FSecondaryColor) return;
    FSecondaryColor = Value;
    ChangedWhileActive();
}

void TBands::SetPrimaryLength(int Value) {
    if (Value == FPrimaryLength) return;
    FPrimaryLength = Value;
    FTotalLength = FPrimaryLength + FSecondaryLength;
    ChangedWhileActive();
}

void TBands::SetSecondaryLength(int Value) {
    if (Value == FSecondaryLength) return;
    FSecondaryLength = Value;
    FTotalLength = FPrimaryLength + FSecondaryLength;
    ChangedWhileActive();
}

void TBands::Assign(const plat::TObject& Source) {
    const auto* s = dynamic_cast<const TBands*>(&Source);
    if (!s) return;
    FActive = s->FActive;
    FPrimaryColor = s->FPrimaryColor;
    FSecondaryColor = s->FSecondaryColor;
    FPrimaryLength = s->FPrimaryLength;
    FSecondaryLength = s->FSecondaryLength;
    FPrint = s->FPrint;
    FTotalLength = FPrimaryLength + FSecondaryLength;
}

// --- TSyncGrid --------------------------------------------------------------------------
void TSyncGrid::SetGrid(plat::TObject* Value) {
    if (Value && Value == FOwnerGrid) return;
    FGrid = Value;
}

void TSyncGrid::Assign(const plat::TObject& Source) {
    const auto* s = dynamic_cast<const TSyncGrid*>(&Source);
    if (!s) return;
    SetGrid(s->FGrid);
    FScrollVertical = s->FScrollVertical;
    FScrollHorizontal = s->FScrollHorizontal;
    FSelectionColumn = s->FSelectionColumn;
    FSelectionRow = s->FSelectionRow;
    FMoveColumn = s->FMoveColumn;
    FMoveRow = s->FMoveRow;
}

// --- TFocusHelper -------------------------------------------------------------------------
void TFocusHelper::Assign(const plat::TObject& Source) {
    if (const auto* s = dynamic_cast<const TFocusHelper*>(&Source)) FEnabled = s->FEnabled;
}

}  // namespace grid
