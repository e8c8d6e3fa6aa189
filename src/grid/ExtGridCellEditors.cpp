// The fixed-cell, rich text and form-control editors, and the grid's side
// of them: opening one at its place and storing what it edited.

#include "grid/ExtGridCellEditors.h"

#include <algorithm>

#include "base/StrUtils.h"
#include "base/TextCodec.h"
#include "controls/HtmlText.h"
#include "grid/ExtGridEditors.h"
#include "grid/ExtGridEditorsState.h"
#include "platform/Messages.h"

namespace grid {

// ----------------------------------------------------------------- fixed cells

namespace {

// Offers a fixed cell's edited text to the grid's validation; a refused
// value keeps the editor open and focused on the same cell.
template <class TControl>
bool StopFixedEdit(TExtStringGrid* Grid, TControl& Control, int Col, int Row) {
    if (!Control.Visible()) return true;
    if (Grid == nullptr) {
        Control.SetVisible(false);
        return true;
    }
    std::string value = Control.Text();
    bool valid = true;
    if (Grid->OnCellValidate) Grid->OnCellValidate(Grid, Col, Row, value, valid);
    if (!valid) {
        if (Control.CanFocus() && !Control.Focused()) Control.SetFocus();
        return false;
    }
    if (Grid->OnEditingDone) Grid->OnEditingDone(Grid);
    Grid->SetCells(Col, Row, value);
    const bool hadFocus = Control.Focused();
    Control.SetVisible(false);
    if (hadFocus && Grid->CanFocus()) Grid->SetFocus();
    return true;
}

}  // namespace

TGridTransEdit::TGridTransEdit(TExtStringGrid* AGrid) : plat::TEdit(AGrid), TGridEditorRef(AGrid) {}

bool TGridTransEdit::StopEdit() { return StopFixedEdit(FGrid, *this, Col, Row); }

void TGridTransEdit::KeyPress(char32_t& Key) {
    // Enter does nothing here: the edit ends when the focus leaves.
    if (Key == 13) Key = 0;
    plat::TEdit::KeyPress(Key);
}

void TGridTransEdit::DoExit() {
    plat::TEdit::DoExit();
    StopEdit();
}

TGridTransCombo::TGridTransCombo(TExtStringGrid* AGrid) : plat::TComboBox(AGrid), TGridEditorRef(AGrid) {}

bool TGridTransCombo::StopEdit() { return StopFixedEdit(FGrid, *this, Col, Row); }

void TGridTransCombo::KeyPress(char32_t& Key) {
    if (Key == 13) Key = 0;
    plat::TComboBox::KeyPress(Key);
}

void TGridTransCombo::DoExit() {
    plat::TComboBox::DoExit();
    StopEdit();
}

TGridTransEdit* TExtStringGrid::EditTrans() {
    TEditorsState& s = Eds();
    if (!s.TransEdit) {
        s.TransEdit = new TGridTransEdit(this);
        s.TransEdit->SetParent(this);
        s.TransEdit->SetVisible(false);
        s.TransEdit->OnChange = [this](plat::TObject*) {
            TGridTransEdit* e = FEditors->TransEdit;
            if (OnEditChange && e->Visible()) OnEditChange(this, e->Col, e->Row, e->Text());
        };
    }
    return s.TransEdit;
}

TGridTransCombo* TExtStringGrid::ComboTrans() {
    TEditorsState& s = Eds();
    if (!s.TransCombo) {
        s.TransCombo = new TGridTransCombo(this);
        s.TransCombo->SetParent(this);
        s.TransCombo->SetVisible(false);
        s.TransCombo->OnChange = [this](plat::TObject*) {
            TGridTransCombo* c = FEditors->TransCombo;
            if (OnEditChange && c->Visible()) OnEditChange(this, c->Col, c->Row, c->Text());
        };
    }
    return s.TransCombo;
}

void TExtStringGrid::EditFixedCell(int ACol, int ARow) {
    // An open fixed-cell edit ends first; a refused one stays.
    if (FEditors && FEditors->TransEdit && !FEditors->TransEdit->StopEdit()) return;
    if (FEditors && FEditors->TransCombo && !FEditors->TransCombo->StopEdit()) return;
    if (ACol < 0 || ARow < 0 || ACol >= ColCount() || ARow >= RowCount()) return;
    const int rc = RealColIndex(ACol);
    bool can = true;
    if (OnCanEditCell) OnCanEditCell(this, ARow, ACol, can);
    if (!can) return;
    if (EditMode() && !FinishEdit(false)) return;
    TGridFixedCellEditor kind = ACol == 0 ? FMouseActions.FixedColsEditor() : FMouseActions.FixedRowsEditor();
    TGridTransCombo* combo = ComboTrans();
    combo->Items().Clear();
    const base::TStringList& values = FMouseActions.FixedComboValues();
    for (int i = 0; i < values.Count(); ++i) combo->Items().Add(values.Strings(i));
    if (OnFixedEdit) OnFixedEdit(this, ACol, ARow, kind, combo->Items());
    plat::TRect r = GridCellRect(ACol, ARow);
    plat::InflateRect(r, -1, -1);
    const std::string text = Cells(rc, ARow);
    plat::TWinControl* shown = nullptr;
    if (kind == fceEdit) {
        TGridTransEdit* e = EditTrans();
        e->SetBounds(r.Left, r.Top, r.Width(), r.Height());
        e->Col = rc;
        e->Row = ARow;
        e->SetText(text);
        shown = e;
    } else {
        combo->SetStyle(kind == fceComboList ? plat::csDropDownList : plat::csDropDown);
        combo->SetBounds(r.Left - 1, r.Top - 1, r.Width() + 1, r.Height());
        combo->Col = rc;
        combo->Row = ARow;
        combo->SetItemIndex(combo->Items().IndexOf(text));
        if (kind == fceComboEdit) combo->SetText(text);
        shown = combo;
    }
    shown->SetVisible(true);
    if (shown->CanFocus()) shown->SetFocus();
}

bool TExtStringGrid::FixedEditMouseDown(plat::TMouseButton Button, plat::TShiftState Shift, int X, int Y) {
    const TGridFixedCellEdit rows = FMouseActions.FixedRowsEdit(), cols = FMouseActions.FixedColsEdit();
    if (rows == fceNone && cols == fceNone) return false;
    const plat::TGridCoord cell = MouseCoord(X, Y);
    if (cell.X < 0 || cell.Y < 0 || cell.X >= ColCount() || cell.Y >= RowCount()) return false;
    const bool inRow = cell.Y < FixedRows(), inCol = cell.X < FixedCols();
    if (!inRow && !inCol) return false;
    TGridFixedCellEdit wanted = fceNone;
    if (Button == plat::mbLeft) wanted = (Shift & plat::ssDouble) ? fceDblClick : fceLeftClick;
    else if (Button == plat::mbRight) wanted = fceRightClick;
    if (!((inRow && rows == wanted) || (inCol && cols == wanted))) return false;
    // A press near a border that sizes the columns (rows) is a sizing.
    const plat::TRect r = GridCellRect(cell.X, cell.Y);
    if (inRow && Options().Contains(plat::goColSizing) && (X - r.Left < 4 || r.Right - X < 4)) return false;
    if (inCol && Options().Contains(plat::goRowSizing) && (Y - r.Top < 4 || r.Bottom - Y < 4)) return false;
    EditFixedCell(cell.X, cell.Y);
    return true;
}

// ----------------------------------------------------------------- rich text

TExtRichEdit::TExtRichEdit(TExtStringGrid* AGrid) : plat::TEdit(AGrid), TGridEditorRef(AGrid) {}

void TExtRichEdit::Dispatch(plat::TMessage& Message) {
    plat::TEdit::Dispatch(Message);
    // Tab must reach the editor, which hands it to the grid.
    if (Message.Msg == plat::WM_GETDLGCODE) Message.Result |= plat::DLGC_WANTTAB;
}

void TExtRichEdit::SyncOffsets() {
    // Characters typed since the last look carry no offset; the offsets of
    // the text before and after an edit stay with their characters.
    const std::u16string now = base::Utf8ToUtf16(Text());
    if (now == FOffsetText) return;
    size_t head = 0;
    while (head < now.size() && head < FOffsetText.size() && now[head] == FOffsetText[head]) ++head;
    size_t tail = 0;
    while (tail < now.size() - head && tail < FOffsetText.size() - head &&
           now[now.size() - 1 - tail] == FOffsetText[FOffsetText.size() - 1 - tail])
        ++tail;
    std::vector<int> next(now.size(), 0);
    for (size_t i = 0; i < head; ++i) next[i] = FOffsets[i];
    for (size_t i = 0; i < tail; ++i) next[now.size() - 1 - i] = FOffsets[FOffsetText.size() - 1 - i];
    FOffsets = std::move(next);
    FOffsetText = now;
}

void TExtRichEdit::SetSelOffset(int Twips) {
    SyncOffsets();
    const int start = std::clamp(SelStart(), 0, static_cast<int>(FOffsets.size()));
    const int end = std::clamp(start + SelLength(), start, static_cast<int>(FOffsets.size()));
    for (int i = start; i < end; ++i) FOffsets[static_cast<size_t>(i)] = Twips;
}

bool TExtRichEdit::SelOffsetIs(int Twips) const {
    const_cast<TExtRichEdit*>(this)->SyncOffsets();
    const int size = static_cast<int>(FOffsets.size());
    const int start = std::clamp(SelStart(), 0, size);
    const int end = std::clamp(start + SelLength(), start, size);
    // Without a selection the character before the caret tells.
    if (start == end) return start == 0 ? Twips == 0 : FOffsets[static_cast<size_t>(start - 1)] == Twips;
    for (int i = start; i < end; ++i)
        if (FOffsets[static_cast<size_t>(i)] != Twips) return false;
    return true;
}

void TExtRichEdit::RequestSize(int Width, int Height) {
    if (FGrid == nullptr) return;
    if (this == FGrid->FEditors->RichHidden) {
        FReqWidth = Width;
        FReqHeight = Height;
    }
    if (this != FGrid->FEditors->RichInplace || FLocked || !FGrid->SizeWhileTyping().Height) return;
    const int row = FGrid->Row();
    const plat::TRect cell = FGrid->GridCellRect(FGrid->Col(), row);
    if (FGrid->RowHeights(row) < Height + 5 && cell.Top + Height + 5 < FGrid->ClientHeight()) {
        SetHeight(Height + 9);
        FGrid->SetRowHeights(row, Height + 10);
        if (FGrid->OnEndRowSize) FGrid->OnEndRowSize(FGrid, row);
    }
}

void TExtRichEdit::KeyDown(unsigned short& Key, plat::TShiftState Shift) {
    if (FGrid && FGrid->EditMode() && FGrid->EditCtrl() == this) {
        switch (Key) {
            case plat::VK_TAB:
            case plat::VK_RETURN:
            case plat::VK_ESCAPE: {
                const unsigned short k = Key;
                Key = 0;
                FGrid->DoneInplaceEdit(k, Shift);
                // Tab goes on editing in the cell it moved to.
                if (k == plat::VK_TAB && FGrid->Options().Contains(plat::goTabs)) FGrid->ShowInplaceEdit();
                return;
            }
            case plat::VK_UP:
            case plat::VK_DOWN: {
                // One line of text: Up and Down are the grid's.
                const unsigned short k = Key;
                Key = 0;
                FGrid->DoneInplaceEdit(k, Shift);
                return;
            }
            default: break;
        }
    }
    plat::TEdit::KeyDown(Key, Shift);
}

void TExtRichEdit::DoExit() {
    plat::TEdit::DoExit();
    if (FGrid == nullptr || !FGrid->EditMode() || FGrid->EditCtrl() != this) return;
    if (!FGrid->FinishEdit(false) && CanFocus()) SetFocus();
}

TExtRichEdit* TExtStringGrid::InplaceRichEdit() {
    TEditorsState& s = Eds();
    if (!s.RichInplace) {
        s.RichInplace = new TExtRichEdit(this);
        s.RichInplace->SetParent(this);
        s.RichInplace->SetVisible(false);
        s.RichInplace->SetEnabled(false);
        s.RichInplace->OnChange = [this](plat::TObject*) {
            TExtRichEdit* r = FEditors->RichInplace;
            if (OnEditChange && EditMode() && EditCtrl() == r) OnEditChange(this, Col(), Row(), r->Text());
        };
    }
    return s.RichInplace;
}

TExtRichEdit* TExtStringGrid::RichEdit() {
    TEditorsState& s = Eds();
    if (!s.RichHidden) {
        s.RichHidden = new TExtRichEdit(this);
        s.RichHidden->SetParent(this);
        s.RichHidden->SetVisible(false);
    }
    return s.RichHidden;
}

// ----------------------------------------------------------------- form controls

namespace {

// The type of the control with an ID in a cell's text; empty for none.
std::string ControlTypeOf(const std::string& Text, const std::string& Id) {
    const std::string upper = base::UpperCase(Text);
    size_t at = 0;
    while ((at = upper.find("<CONTROL", at)) != std::string::npos) {
        const size_t end = Text.find('>', at);
        if (end == std::string::npos) break;
        const ctl::THtmlControlTag tag = ctl::ParseControlTag(std::string_view(Text).substr(at, end - at + 1));
        if (tag.id == Id) return tag.type;
        at = end;
    }
    return {};
}

}  // namespace

TControlEdit::TControlEdit(TExtStringGrid* AGrid) : plat::TEdit(AGrid), TGridEditorRef(AGrid) {}

void TControlEdit::Dispatch(plat::TMessage& Message) {
    plat::TEdit::Dispatch(Message);
    // Tab goes on to the cell's next form control, not to the next window.
    if (Message.Msg == plat::WM_GETDLGCODE && FGrid && Parent() == FGrid) Message.Result |= plat::DLGC_WANTTAB;
}

void TControlEdit::FormKey(TExtStringGrid* Grid, char32_t& Key) {
    const bool tab = Key == 9;
    Key = 0;
    TExtStringGrid::TEditorsState& s = Grid->Eds();
    if (!s.CtrlEditing) return;
    const std::string id = s.CtrlID;
    const int col = Grid->DisplColIndex(s.CtrlCol), row = s.CtrlRow;
    Grid->HtmlControlEditDone();
    if (tab && Grid->Navigation().AdvanceAuto()) {
        if (Grid->CanFocus()) Grid->SetFocus();
        Grid->AdvanceCell(Grid->Col(), Grid->Row(), true, true);
        return;
    }
    const std::string text = Grid->Cells(s.CtrlCol, row);
    const std::string next = tab ? ctl::NextEditControlId(text, id) : std::string();
    std::string value;
    if (!next.empty() && ctl::GetHtmlControlValue(text, next, value) &&
        Grid->ShowHtmlControlEditor(col, row, next, ControlTypeOf(text, next), value))
        return;
    if (Grid->CanFocus()) Grid->SetFocus();
}

void TControlEdit::SetMask(const std::string& Mask) {
    FMask = Mask.empty() ? nullptr : std::make_shared<TEditMaskText>(Mask);
    if (FMask && FMask->Empty()) FMask = nullptr;
}

std::string TControlEdit::EditValue() const { return FMask ? FMask->Value(base::Utf8ToUtf16(Text())) : Text(); }

void TControlEdit::KeyDown(unsigned short& Key, plat::TShiftState Shift) {
    // Enter and Tab arrive as characters; the edit must not pass them on as
    // keys that move the grid's current cell.
    if (Key == plat::VK_RETURN || Key == plat::VK_TAB) return;
    if (FMask && !(Shift & (plat::ssCtrl | plat::ssAlt)) && MaskEraseKey(*this, *FMask, Key)) {
        Key = 0;
        return;
    }
    plat::TEdit::KeyDown(Key, Shift);
}

void TControlEdit::KeyPress(char32_t& Key) {
    if (FGrid && (Key == 13 || Key == 9) && Parent() == FGrid) {
        FormKey(FGrid, Key);
        return;
    }
    if (FMask && Key >= 32) {
        MaskTypeChar(*this, *FMask, Key);
        Key = 0;
        return;
    }
    plat::TEdit::KeyPress(Key);
}

void TControlEdit::DoExit() {
    plat::TEdit::DoExit();
    if (FGrid) FGrid->HtmlControlEditDone();
}

TControlCombo::TControlCombo(TExtStringGrid* AGrid) : plat::TComboBox(AGrid), TGridEditorRef(AGrid) {}

void TControlCombo::Dispatch(plat::TMessage& Message) {
    plat::TComboBox::Dispatch(Message);
    if (Message.Msg == plat::WM_GETDLGCODE && FGrid) Message.Result |= plat::DLGC_WANTTAB;
}

void TControlCombo::KeyDown(unsigned short& Key, plat::TShiftState Shift) {
    if (Key == plat::VK_RETURN || Key == plat::VK_TAB) return;
    plat::TComboBox::KeyDown(Key, Shift);
}

void TControlCombo::KeyPress(char32_t& Key) {
    if (FGrid && (Key == 13 || Key == 9)) {
        TControlEdit::FormKey(FGrid, Key);
        return;
    }
    plat::TComboBox::KeyPress(Key);
}

void TControlCombo::DoExit() {
    plat::TComboBox::DoExit();
    if (FGrid) FGrid->HtmlControlEditDone();
}

}  // namespace grid

namespace grid {

bool TExtStringGrid::ShowHtmlControlEditor(int ACol, int ARow, const std::string& CtrlID, const std::string& CtrlType,
                                           const std::string& CtrlValue) {
    const std::string type = base::UpperCase(CtrlType);
    const bool edit = type == "EDIT" || type == "PASSWORD" || type == "MASK";
    if (!edit && type != "COMBO") return false;
    if (EditMode() && !FinishEdit(false)) return true;
    TEditorsState& s = Eds();
    if (s.CtrlEditing) HtmlControlEditDone();
    const int rc = RealColIndex(ACol);
    const std::string text = Cells(rc, ARow);
    s.CtrlCol = rc;
    s.CtrlRow = ARow;
    s.CtrlID = CtrlID;
    s.CtrlType = type;
    const plat::TRect r = GridCellRect(ACol, ARow);
    const int maxLen = ctl::GetHtmlControlMaxLen(text, CtrlID);
    if (edit) {
        if (!s.CtrlEdit) s.CtrlEdit = new TControlEdit(this);
        TControlEdit* e = s.CtrlEdit;
        e->SetParent(this);
        e->SetPasswordChar(type == "PASSWORD" ? U'*' : 0);
        const std::string mask = type == "MASK" ? ctl::GetHtmlControlProp(text, CtrlID) : std::string();
        e->SetMask(mask);
        e->SetMaxLength(mask.empty() ? std::max(0, maxLen) : 0);
        e->SetText(mask.empty() ? CtrlValue : base::Utf16ToUtf8(TEditMaskText(mask).Display(CtrlValue)));
        e->SetBounds(r.Left + 1, r.Top + 1, std::max(r.Width() - 4, 8), std::max(r.Height() - 2, 14));
        s.CtrlEditing = true;
        e->SetVisible(true);
        e->BringToFront();
        if (e->CanFocus()) e->SetFocus();
        e->SelectAll();
        return true;
    }
    if (!s.CtrlCombo) {
        s.CtrlCombo = new TControlCombo(this);
        s.CtrlCombo->OnSelect = [this](plat::TObject*) {
            TEditorsState& st = Eds();
            TControlCombo* c = st.CtrlCombo;
            if (OnControlComboSelect && st.CtrlEditing)
                OnControlComboSelect(this, st.CtrlRow, st.CtrlCol, c->ItemIndex(), st.CtrlID,
                                     c->ItemIndex() >= 0 ? c->Items().Strings(c->ItemIndex()) : c->Text());
        };
    }
    TControlCombo* c = s.CtrlCombo;
    c->SetParent(this);
    c->Items().Clear();
    bool editable = true;
    int dropCount = 8;
    if (OnControlComboList) OnControlComboList(this, ARow, rc, CtrlID, type, CtrlValue, c->Items(), editable, dropCount);
    c->SetStyle(editable ? plat::csDropDown : plat::csDropDownList);
    c->SetDropDownCount(std::max(1, dropCount));
    c->SetMaxLength(std::max(0, maxLen));
    c->SetItemIndex(c->Items().IndexOf(CtrlValue));
    if (editable) c->SetText(CtrlValue);
    c->SetBounds(r.Left - 1, r.Top, r.Width(), r.Height());
    s.CtrlEditing = true;
    c->SetVisible(true);
    c->BringToFront();
    if (c->CanFocus()) c->SetFocus();
    c->SetDroppedDown(true);
    return true;
}

void TExtStringGrid::HtmlControlEditDone() {
    if (!FEditors || !FEditors->CtrlEditing) return;
    TEditorsState& s = *FEditors;
    s.CtrlEditing = false;
    plat::TWinControl* c = s.CtrlType == "COMBO" ? static_cast<plat::TWinControl*>(s.CtrlCombo) : s.CtrlEdit;
    std::string value;
    if (s.CtrlType == "COMBO") {
        TControlCombo* cb = s.CtrlCombo;
        value = cb->Style() == plat::csDropDownList && cb->ItemIndex() >= 0 ? cb->Items().Strings(cb->ItemIndex())
                                                                             : cb->Text();
    } else {
        value = s.CtrlEdit->EditValue();
    }
    std::string text = Cells(s.CtrlCol, s.CtrlRow);
    if (ctl::SetHtmlControlValue(text, s.CtrlID, value)) SetCells(s.CtrlCol, s.CtrlRow, text);
    const bool hadFocus = c->Focused();
    c->SetVisible(false);
    if (hadFocus && CanFocus()) SetFocus();
    if (OnControlEditDone) OnControlEditDone(this, s.CtrlRow, s.CtrlCol, s.CtrlID, s.CtrlType, value);
    s.CtrlType.clear();
}

}  // namespace grid
