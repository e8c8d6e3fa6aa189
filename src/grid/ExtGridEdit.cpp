// The editing cycle of the string grid: which editor a cell gets, opening
// it, writing each change through to the cell, validating the value when
// the edit ends and reporting the end once, after the key or focus change
// that ended it has been handled (a posted "GridEditDone").

#include <algorithm>
#include <vector>

#include "base/TextCodec.h"
#include "controls/ExtUtil.h"
#include "controls/HtmlText.h"
#include "grid/ExtCGrid.h"
#include "grid/ExtGridEditors.h"
#include "grid/Undo.h"
#include "platform/Messages.h"

namespace grid {

namespace {

unsigned GridEditDoneMsg() {
    static const unsigned id = plat::RegisterWindowMessage("GridEditDone");
    return id;
}

unsigned AutoAdvanceMsg() {
    static const unsigned id = plat::RegisterWindowMessage("GridAutoAdvance");
    return id;
}

bool IsComboKind(TEditorType Kind) { return Kind == edComboEdit || Kind == edComboList; }

// The kinds the one text editor serves, each with its character rules.
bool IsTextKind(TEditorType Kind) {
    switch (Kind) {
        case edNormal:
        case edNumeric:
        case edPositiveNumeric:
        case edFloat:
        case edCapital:
        case edMixedCase:
        case edPassword:
        case edLowerCase:
        case edUpperCase:
        case edValidChars:
        case edPositiveFloat: return true;
        default: return false;
    }
}

std::vector<std::string> ItemsOf(const plat::TStrings& Items) {
    std::vector<std::string> out;
    for (int i = 0; i < Items.Count(); ++i) out.push_back(Items.Strings(i));
    return out;
}

}  // namespace

TExtStringGrid::TEditState& TExtStringGrid::Ed() {
    if (!FEdit) FEdit = std::make_shared<TEditState>();
    return *FEdit;
}

TEditorType TExtStringGrid::EditControl() const { return FEdit ? FEdit->EditControl : edNormal; }
bool TExtStringGrid::EditMode() const { return FEdit && FEdit->EditMode; }
bool TExtStringGrid::EditWithTags() const { return FEdit && FEdit->EditWithTags; }
void TExtStringGrid::SetEditWithTags(bool Value) { Ed().EditWithTags = Value; }
bool TExtStringGrid::AlwaysValidate() const { return FEdit && FEdit->AlwaysValidate; }
void TExtStringGrid::SetAlwaysValidate(bool Value) { Ed().AlwaysValidate = Value; }

plat::TComboBox* TExtStringGrid::EditCombo() {
    TEditState& e = Ed();
    if (!e.Combo) {
        e.Combo = new TGridCombo(this);
        e.Combo->OnSelect = [this](plat::TObject*) {
            TEditState& s = Ed();
            const int idx = s.Combo->ItemIndex();
            if (!s.SpecialEditor || idx == s.LastComboIndex) return;
            s.LastComboIndex = idx;
            s.ComboUnpicked = false;
            const std::string text = idx >= 0 ? s.Combo->Items().Strings(idx) : s.Combo->Text();
            SetCells(s.EditCol, s.EditRow, text);
            if (OnComboChange) OnComboChange(this, s.EditCol, s.EditRow, idx, text);
            ComboPicked(idx);
        };
        e.Combo->OnChange = [this](plat::TObject*) {
            TEditState& s = Ed();
            if (!s.SpecialEditor || s.EditControl != edComboEdit) return;
            // A typed text reports once through each event: the text event
            // with the displayed column, the list event with the real one.
            const std::string text = s.Combo->Text();
            const int idx = s.Combo->ItemIndex();
            s.LastComboIndex = idx;
            SetCells(s.EditCol, s.EditRow, text);
            if (OnEditChange) OnEditChange(this, Col(), s.EditRow, text);
            if (OnComboChange)
                OnComboChange(this, s.EditCol, s.EditRow, idx, idx >= 0 ? s.Combo->Items().Strings(idx) : text);
        };
    }
    return e.Combo;
}

void TExtStringGrid::ClearComboString() { EditCombo()->Items().Clear(); }
void TExtStringGrid::AddComboString(const std::string& S) { EditCombo()->Items().Add(S); }

bool TExtStringGrid::IsEditable(int ACol, int ARow) {
    const int dcol = DisplColIndex(ACol);
    if (ARow < 0 || ARow >= RowCount() || dcol < 0 || dcol >= ColCount()) return false;
    if (IsFixed(dcol, ARow)) return false;
    TEditState& e = Ed();
    // A grid whose editing was switched off only for the last cell still
    // edits in principle; the per-cell rules must see it that way.
    const bool lend = e.EditDisable && !Options().Contains(plat::goEditing);
    if (lend) SetOptions(Options() + plat::TGridOptions{plat::goEditing});
    bool can = Options().Contains(plat::goEditing);
    CanEditCell(ACol, ARow, can);
    if (lend) SetOptions(Options() - plat::TGridOptions{plat::goEditing});
    if (can && HasNoEditor(ACol, ARow)) can = false;
    return can;
}

bool TExtStringGrid::SelectCell(int ACol, int ARow) {
    TEditState& e = Ed();
    const bool moves = ACol != Col() || ARow != Row();
    if (moves && e.EditMode && !FinishEdit(false)) return false;
    // A disabled row cannot become current, by key, click or code.
    if (moves && ARow != Row() && FNavigation.SkipDisabledRows() && !GetRowEnabled(ARow)) return false;
    if (moves) {
        bool allow = true;
        DoCellChanging(ACol, ARow, allow);
        if (!allow) return false;
    }
    bool can = TBaseGrid::SelectCell(ACol, ARow);
    if (can && OnSelectCell) OnSelectCell(this, ACol, ARow, can);
    if (!can) return false;
    // Keys and clicks reach a new row only through here; a refused move
    // is no row change and is not reported.
    if (ARow != Row() && !FLoading) {
        const int old = FOldRow;
        FOldRow = ARow;
        if (OnRowUpdate) OnRowUpdate(this, old, ARow);
    }
    if (ACol < 0 || ARow < 0 || ACol >= ColCount() || ARow >= RowCount()) return true;
    // Most tables are stored without goEditing: it is switched on for each
    // editable cell that is selected and off again for the others.
    // With editing on double click only, selecting never makes a cell
    // editable; the double click does, and the end of the edit undoes it.
    const bool editable = IsEditable(RealColIndex(ACol), ARow) && !FMouseActions.EditOnDblClickOnly();
    const bool on = Options().Contains(plat::goEditing);
    if (editable && !on) {
        SetOptions(Options() + plat::TGridOptions{plat::goEditing});
        e.EditChange = true;
        e.EditDisable = false;
    } else if (!editable && on) {
        SetOptions(Options() - plat::TGridOptions{plat::goEditing});
        e.EditChange = true;
        e.EditDisable = true;
    }
    return true;
}

void TExtStringGrid::DoEnter() {
    TBaseGrid::DoEnter();
    TEditState& e = Ed();
    if (e.Finishing || e.EditMode) return;
    // The current cell may never have been selected (the first cell of a
    // new table): its editing switch is set as a selection would set it.
    SelectCell(Col(), Row());
    if (FNavigation.AlwaysEdit() && IsEditable(RealColIndex(Col()), Row())) ShowEditor();
}

bool TExtStringGrid::CanEditShow() {
    TEditState& e = Ed();
    if (e.Validating || e.Finishing || e.SpecialEditor) return false;
    if (!TBaseGrid::CanEditShow()) return false;
    const int rc = RealColIndex(Col()), r = Row();
    if (!IsEditable(rc, r)) return false;
    TEditorType kind = FDefaultEditor;
    std::vector<std::string> before;
    if (e.Combo) before = ItemsOf(e.Combo->Items());
    GetCellEditor(rc, r, kind);
    e.EditControl = kind;
    // Check-box cells toggle by click and Space; they open no editor.
    if (kind == edNone || kind == edDataCheckBox || HasCheckBox(rc, r)) return false;
    e.EditCol = rc;
    e.EditRow = r;
    e.CellCache = Cells(rc, r);
    if (IsComboKind(kind)) {
        plat::TComboBox* cb = EditCombo();
        // A column's own items serve unless the window filled the list
        // itself while the editor kind was asked.
        if (auto* cg = dynamic_cast<TExtColumnGrid*>(this))
            if (cg->EditComboItems().Count() > 0 && ItemsOf(cb->Items()) == before)
                cb->Items().Assign(ItemsOf(cg->EditComboItems()));
        e.SpecialEditor = true;
        e.Editing = true;
        e.EditMode = true;
        cb->SetStyle(kind == edComboList ? plat::csDropDownList : plat::csDropDown);
        cb->SetDropDownCount(FControlLook.DropDownCount());
        if (OnGetEditorProp) OnGetEditorProp(this, rc, r, e.Link);
        const std::string text = GetEditText(Col(), r);
        e.OpenText = text;
        int idx = cb->Items().IndexOf(e.CellCache);
        if (idx < 0) idx = cb->Items().IndexOf(text);
        bool report = false;
        if (idx < 0 && e.ComboIdx >= 0 && e.ComboIdx < cb->Items().Count()) {
            // The window named the item to start from for unlisted texts.
            idx = e.ComboIdx;
        } else if (idx < 0 && kind == edComboList && cb->Items().Count() > 0) {
            idx = 0;
            report = true;
        }
        cb->SetItemIndex(idx);
        if (kind == edComboEdit) cb->SetText(text);
        e.LastComboIndex = idx;
        e.ComboUnpicked = report;
        const plat::TRect rect = GridCellRect(Col(), r);
        cb->SetBounds(rect.Left, rect.Top, std::max(rect.Width(), 40), std::max(rect.Height(), 20));
        cb->SetEnabled(true);
        cb->SetVisible(true);
        e.EditCtrl = cb;
        // The character that opened an editable list starts its new text, as
        // it does in a plain text cell; a fixed list has no text to type.
        if (kind == edComboEdit && e.StartEditChar >= 32) {
            std::u16string typed;
            const char32_t ch = e.StartEditChar;
            if (ch >= 0x10000) {
                typed += static_cast<char16_t>(0xD800 + ((ch - 0x10000) >> 10));
                typed += static_cast<char16_t>(0xDC00 + ((ch - 0x10000) & 0x3FF));
            } else {
                typed += static_cast<char16_t>(ch);
            }
            cb->SetText(base::Utf16ToUtf8(typed));
        }
        e.StartEditChar = 0;
        if (cb->CanFocus()) cb->SetFocus();
        // The entry shown for an unlisted text is only where the list
        // starts: the cell takes it when the user picks it or confirms it
        // with Enter, not by being opened.
        if (report) {
            if (OnComboChange) OnComboChange(this, rc, r, idx, cb->Items().Strings(idx));
        }
        AfterComboOpen();
        return false;
    }
    if (!IsTextKind(kind)) {
        ShowSpecialEditor(Col(), r);
        return false;
    }
    e.StartEditChar = 0;
    e.Editing = true;
    e.EditMode = true;
    e.OpenText = GetEditText(Col(), r);
    return true;
}

bool TExtStringGrid::CanEditAcceptKey(char32_t Key) {
    if (!FEdit || !FEdit->Editor || FEdit->SpecialEditor) return TBaseGrid::CanEditAcceptKey(Key);
    TExtInplaceEdit* ed = FEdit->Editor;
    char32_t k = Key;
    return CheckEditChar(FEdit->EditControl, k, ed->Text(), ed->SelStart(), ed->SelLength(), FEdit->ValidChars) !=
           cvBeep;
}

plat::TInplaceEdit* TExtStringGrid::CreateEditor() {
    auto* editor = new TExtInplaceEdit(this);
    Ed().Editor = editor;
    return editor;
}

std::string TExtStringGrid::GetEditText(int ACol, int ARow) {
    std::string text = Cells(RealColIndex(ACol), ARow);
    // Only text the grid itself would paint as HTML loses its tags; a text
    // that merely holds a "<" is edited as typed.
    if (!EditWithTags() && ctl::GetCellTextKind(text, FEnableHTML) == ctl::ctkHtml) text = ctl::HtmlToPlainText(text);
    return text;
}

void TExtStringGrid::SetEditText(int ACol, int ARow, const std::string& Value) {
    if (ACol < 0 || ARow < 0 || ACol >= ColCount() || ARow >= RowCount()) return;
    // A masked editor's text shows blanks the cell must not store.
    if (FEdit && FEdit->Editor && FEdit->Editor->Masked() && Value == FEdit->Editor->Text() &&
        Value != FEdit->Editor->EditValue())
        return SetEditText(ACol, ARow, FEdit->Editor->EditValue());
    const int rc = RealColIndex(ACol);
    const bool typed = FEdit && FEdit->EditMode && !FEdit->SpecialEditor && !FEdit->Finishing;
    const bool changed = Cells(rc, ARow) != Value;
    SetCells(rc, ARow, Value);
    if (!typed || !changed) return;
    HideInvalidEntry();
    if (OnEditChange) OnEditChange(this, ACol, ARow, Value);
    // A text filled to its length limit moves on as Enter would, once the
    // key that filled it is done.
    const int limit = GetEditLimit();
    if (FNavigation.AdvanceAuto() && FNavigation.AdvanceOnEnter() && limit > 0 && FEdit->Editor &&
        static_cast<int>(base::Utf8ToUtf16(Value).size()) == limit && FEdit->Editor->SelLength() == 0)
        PostMessage(AutoAdvanceMsg());
}

void TExtStringGrid::ShowInplaceEdit() { ShowEditor(); }

void TExtStringGrid::HideInplaceEdit() {
    if (EditMode()) FinishEdit(false);
    else HideEditor();
}

plat::TBalloonWindow* TExtStringGrid::InvalidEntryBalloon() const { return FEdit ? FEdit->InvalidTip.get() : nullptr; }
TExtStringGridCheck* TExtStringGrid::CellChecker() const { return FEdit ? FEdit->Checker.Get() : nullptr; }
void TExtStringGrid::SetCellChecker(TExtStringGridCheck* Value) { Ed().Checker.Set(Value); }

void TExtStringGrid::ShowInvalidEntry() {
    TEditState& e = Ed();
    if (FInvalidEntryTitle.empty() && FInvalidEntryText.empty()) return;
    plat::TControl* at = nullptr;
    if (!e.SpecialEditor && e.EditMode) at = e.Editor;
    else at = e.EditCtrl;
    if (!at || !at->Visible()) return;
    if (!e.InvalidTip) e.InvalidTip = std::make_unique<plat::TBalloonWindow>();
    const int icon = std::clamp(static_cast<int>(FInvalidEntryIcon), 0, 3);
    e.InvalidTip->SetTitle(FInvalidEntryTitle);
    e.InvalidTip->SetText(FInvalidEntryText);
    e.InvalidTip->SetIcon(static_cast<plat::TBalloonKind>(icon));
    // Under the editor, pointing at what was typed.
    e.InvalidTip->ShowAt(*this, at->Left() + 8, at->Top() + at->Height() - 2);
}

void TExtStringGrid::HideInvalidEntry() {
    if (FEdit && FEdit->InvalidTip) FEdit->InvalidTip->Hide();
}

bool TExtStringGrid::ValidateCell(const std::string& NewValue) {
    TEditState& e = Ed();
    if (!e.Editing || e.Validating) return true;
    if (NewValue == e.OpenText && !e.AlwaysValidate) {
        e.Editing = false;
        return true;
    }
    std::string value = NewValue;
    bool valid = true;
    e.Validating = true;
    try {
        TExtStringGridCheck* checker = e.Checker.Get();
        if (checker && checker->AutoCorrect) value = checker->Correct(e.EditCol, e.EditRow, value);
        if (OnCellValidate) OnCellValidate(this, e.EditCol, e.EditRow, value, valid);
        // The checker may have gone in the handler.
        checker = e.Checker.Get();
        if (checker && checker->AutoMarkError) value = checker->MarkError(e.EditCol, e.EditRow, value);
    } catch (...) {
        e.Validating = false;
        throw;
    }
    e.Validating = false;
    if (valid) {
        HideInvalidEntry();
        e.Editing = false;
        SetCells(e.EditCol, e.EditRow, value);
        if (value != e.CellCache) {
            if (FixedCols() > 0) SetRowModified(RealRowIndex(e.EditRow), true);
            if (UndoRedo()) UndoRedo()->RegisterChange(e.EditCol, e.EditRow, e.CellCache, value);
            if (OnCellsChanged) OnCellsChanged(this, TGridRect{e.EditCol, e.EditRow, e.EditCol, e.EditRow});
        }
        if (!e.SpecialEditor && e.Editor && value != NewValue) e.Editor->SetText(value);
        return true;
    }
    // Refused: the handler's replacement, or else the text the edit
    // started from, and the editor stays open on it.
    const bool replaced = value != NewValue;
    if (e.SpecialEditor && IsComboKind(e.EditControl)) {
        if (replaced) e.Combo->SetText(value);
    } else if (e.SpecialEditor) {
        LoadSpecialEditor(replaced ? value : e.OpenText);
        if (auto* edit = dynamic_cast<plat::TEdit*>(e.EditCtrl)) {
            if (FNavigation.EditSelectAll()) edit->SelectAll();
            else CaretToEnd(*edit);
        }
    } else if (e.Editor) {
        e.Editor->SetText(replaced ? value : e.OpenText);
        if (FNavigation.EditSelectAll()) e.Editor->SelectAll();
        else CaretToEnd(*e.Editor);
    }
    SetCells(e.EditCol, e.EditRow, replaced ? value : e.CellCache);
    ShowInvalidEntry();
    return false;
}

bool TExtStringGrid::FinishEdit(bool Restore) {
    TEditState& e = Ed();
    if (!e.EditMode || e.Finishing) return true;
    e.Finishing = true;
    const int col = e.EditCol, row = e.EditRow;
    if (e.SpecialEditor && IsComboKind(e.EditControl)) {
        TGridCombo* cb = e.Combo;
        const bool unpicked = e.ComboUnpicked;
        if (unpicked) Restore = true;
        e.ComboUnpicked = false;
        const std::string text =
            e.EditControl == edComboList && cb->ItemIndex() >= 0 ? cb->Items().Strings(cb->ItemIndex()) : cb->Text();
        if (!Restore && !ValidateCell(text)) {
            e.Finishing = false;
            return false;
        }
        const bool hadFocus = cb->Focused();
        e.SpecialEditor = false;
        e.EditCtrl = nullptr;
        cb->SetVisible(false);
        cb->SetEnabled(false);
        if (hadFocus && CanFocus()) SetFocus();
        // The opening reported the entry the list started on; the cell keeps
        // its own text, and the window hears so, lest it go on by the entry.
        if (unpicked && OnComboChange) OnComboChange(this, col, row, cb->Items().IndexOf(e.CellCache), e.CellCache);
    } else if (e.SpecialEditor) {
        bool write = true;
        const std::string value = SpecialEditorValue(write);
        if (!Restore && write && !ValidateCell(value)) {
            e.Finishing = false;
            return false;
        }
        e.SpecialEditor = false;
        if (!Restore && write) StorePickerCell(e.EditControl, col, row);
        HideSpecialControl();
    } else {
        plat::TInplaceEdit* editor = InplaceEditor();
        const std::string text = editor ? InplaceEditValue(*editor) : std::string();
        if (!Restore && !ValidateCell(text)) {
            e.Finishing = false;
            return false;
        }
        HideEditor();
    }
    // An edit that changed nothing keeps the cell as it was: an HTML text
    // opened without its tags must get them back.
    if (!Restore && Cells(col, row) == e.OpenText && e.OpenText != e.CellCache) SetCells(col, row, e.CellCache);
    if (Restore) SetCells(col, row, e.CellCache);
    e.Editing = false;
    e.Finishing = false;
    HideInvalidEntry();
    // Report the end: OnEditingDone now, OnEditCellDone once the key or
    // focus change that ended the edit has been handled.
    if (OnEditingDone) OnEditingDone(this);
    e.EditMode = false;
    PostMessage(GridEditDoneMsg(), col, row);
    return true;
}

void TExtStringGrid::Dispatch(plat::TMessage& Message) {
    if (Message.Msg == plat::WM_CHAR) {
        // A character that opens an editor is kept for it: a special
        // editor types it itself once it shows.
        const char32_t ch = static_cast<char32_t>(Message.WParam);
        TEditState& e = Ed();
        if (!e.EditMode && Options().Contains(plat::goEditing) && (ch == 8 || ch > 31)) e.StartEditChar = ch;
        TBaseGrid::Dispatch(Message);
        e.StartEditChar = 0;
        return;
    }
    if (Message.Msg == AutoAdvanceMsg()) {
        if (FEdit && FEdit->EditMode && !FEdit->SpecialEditor) DoneInplaceEdit(plat::VK_RETURN, 0);
        Message.Result = 0;
        return;
    }
    if (Message.Msg == GridEditDoneMsg()) {
        if (OnEditCellDone) OnEditCellDone(this, static_cast<int>(Message.WParam), static_cast<int>(Message.LParam));
        if (FMouseActions.EditOnDblClickOnly()) {
            HideEditor();
            SetOptions(Options() - plat::TGridOptions{plat::goEditing});
        }
        Message.Result = 0;
        return;
    }
    TBaseGrid::Dispatch(Message);
}

}  // namespace grid
