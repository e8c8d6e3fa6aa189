// The special editors of the string grid: opening one over the current
// cell, reading its value back when the edit ends, and the controls' own
// key handling. The grid's FinishEdit (ExtGridEdit.cpp) validates and
// reports; this file only knows each kind's control and value.

#include "grid/ExtGridSpecialEditors.h"

#include <algorithm>
#include <cctype>
#include <cmath>

#include "base/StrUtils.h"
#include "base/TextCodec.h"
#include "controls/ExtUtil.h"
#include "controls/FocusNext.h"
#include "grid/ExtCGrid.h"
#include "grid/ExtGridEditors.h"
#include "grid/ExtGridPickerEditors.h"
#include "platform/Clipboard.h"
#include "platform/Messages.h"

namespace grid {

namespace {

bool IsSpinKind(TEditorType K) {
    return K == edSpinEdit || K == edFloatSpinEdit || K == edTimeSpinEdit || K == edDateSpinEdit;
}
bool IsEditBtnKind(TEditorType K) {
    return K == edEditBtn || K == edNumericEditBtn || K == edFloatEditBtn || K == edMaskEditBtn;
}
bool IsUnitKind(TEditorType K) {
    return K == edUnitEditBtn || K == edNumericUnitEditBtn || K == edFloatUnitEditBtn;
}
bool IsDateKind(TEditorType K) { return K == edDateEdit || K == edDateEditUpDown || K == edTimeEdit; }

// A date or time read from a cell; the present moment when the text is
// empty or no date, so that the picker always opens on a value.
base::TDateTime ReadDateTime(const std::string& Text, bool Date, bool Time) {
    base::TDateTime v = 0;
    const std::string t = base::Trim(Text);
    if (!t.empty()) {
        if (Date && Time && base::TryStrToDateTime(t, v)) return v;
        if (Date && !Time && base::TryStrToDate(t, v)) return v;
        if (Date && !Time && base::TryStrToDateTime(t, v)) return v;
        if (!Date && Time && base::TryStrToTime(t, v)) return v;
    }
    return base::Now();
}

// Leaving a special editor commits it, as Enter would; a refused value
// keeps the editor, which takes the focus back.
void CommitOnExit(TExtStringGrid* Grid, plat::TWinControl& Control) {
    if (Grid == nullptr || !Grid->EditMode() || Grid->EditCtrl() != &Control) return;
    if (!Grid->FinishEdit(false) && Control.CanFocus()) Control.SetFocus();
}

// Hands a closing key to the grid: the edit ends as leaving the cell with
// that key would, and the key goes no further.
void CloseWithKey(TExtStringGrid* Grid, unsigned short& Key, plat::TShiftState Shift) {
    const unsigned short k = Key;
    Key = 0;
    if (Grid != nullptr) Grid->DoneInplaceEdit(k, Shift);
}

// Ctrl+V and Shift+Insert: a paste would pass by the character filters.
bool IsPasteKey(unsigned short Key, plat::TShiftState Shift) {
    return (Key == 'V' && (Shift & plat::ssCtrl) && !(Shift & plat::ssAlt)) ||
           (Key == plat::VK_INSERT && (Shift & plat::ssShift) && !(Shift & plat::ssCtrl));
}

bool IsEditCloseKey(unsigned short Key) {
    return Key == plat::VK_TAB || Key == plat::VK_RETURN || Key == plat::VK_ESCAPE || Key == plat::VK_UP ||
           Key == plat::VK_DOWN;
}

// The typed character replaces the selection, as in any edit. Caret and
// selection count UTF-16 units, as the edit control does.
void TypeInto(plat::TEdit& Edit, char32_t Ch) {
    std::u16string text = base::Utf8ToUtf16(Edit.Text());
    const int size = static_cast<int>(text.size());
    const int start = std::clamp(Edit.SelStart(), 0, size);
    const int len = std::clamp(Edit.SelLength(), 0, size - start);
    std::u16string typed;
    if (Ch >= 0x10000) {
        typed += static_cast<char16_t>(0xD800 + ((Ch - 0x10000) >> 10));
        typed += static_cast<char16_t>(0xDC00 + ((Ch - 0x10000) & 0x3FF));
    } else {
        typed += static_cast<char16_t>(Ch);
    }
    text.replace(static_cast<size_t>(start), static_cast<size_t>(len), typed);
    Edit.SetText(base::Utf16ToUtf8(text));
    Edit.SetSelStart(start + static_cast<int>(typed.size()));
    Edit.SetSelLength(0);
}

}  // namespace

// ----------------------------------------------------------------- grid side

plat::TWinControl* TExtStringGrid::EditCtrl() const { return FEdit ? FEdit->EditCtrl : nullptr; }

TGridSpin* TExtStringGrid::SpinEdit() {
    TEditState& e = Ed();
    if (!e.Spin) {
        e.Spin = new TGridSpin(this);
        e.Spin->SetParent(this);
        e.Spin->SetVisible(false);
        e.Spin->SetEnabled(false);
    }
    return e.Spin;
}

TGridEditBtn* TExtStringGrid::EditBtn() {
    TEditState& e = Ed();
    if (!e.EditBtn) {
        e.EditBtn = new TGridEditBtn(this);
        e.EditBtn->SetParent(this);
        e.EditBtn->SetVisible(false);
        e.EditBtn->SetEnabled(false);
    }
    return e.EditBtn;
}

TGridUnitEditBtn* TExtStringGrid::UnitEditBtn() {
    TEditState& e = Ed();
    if (!e.UnitEditBtn) {
        e.UnitEditBtn = new TGridUnitEditBtn(this);
        e.UnitEditBtn->SetParent(this);
        e.UnitEditBtn->SetVisible(false);
        e.UnitEditBtn->SetEnabled(false);
    }
    return e.UnitEditBtn;
}

TGridCheckBox* TExtStringGrid::EditCheck() {
    TEditState& e = Ed();
    if (!e.Check) {
        e.Check = new TGridCheckBox(this);
        e.Check->SetParent(this);
        e.Check->SetVisible(false);
        e.Check->SetEnabled(false);
    }
    return e.Check;
}

TGridButton* TExtStringGrid::GridButton() {
    TEditState& e = Ed();
    if (!e.Button) {
        e.Button = new TGridButton(this);
        e.Button->SetParent(this);
        e.Button->SetVisible(false);
        e.Button->SetEnabled(false);
    }
    return e.Button;
}

TGridDatePicker* TExtStringGrid::DateTimePicker() {
    TEditState& e = Ed();
    if (!e.Date) {
        e.Date = new TGridDatePicker(this, false);
        e.Date->SetParent(this);
        e.Date->SetVisible(false);
        e.Date->SetEnabled(false);
    }
    return e.Date;
}

TGridDatePicker* TExtStringGrid::DateAndTimePicker() {
    TEditState& e = Ed();
    if (!e.DateTime) {
        e.DateTime = new TGridDatePicker(this, true);
        e.DateTime->SetParent(this);
        e.DateTime->SetVisible(false);
        e.DateTime->SetEnabled(false);
    }
    return e.DateTime;
}

TEditLink* TExtStringGrid::EditLink() const { return FEdit ? FEdit->Link : nullptr; }

void TExtStringGrid::SetEditLink(TEditLink* Value) {
    TEditState& e = Ed();
    if (e.Link == Value) return;
    if (e.Link && e.Link->FGrid == this) e.Link->FGrid = nullptr;
    e.Link = Value;
    if (Value) Value->FGrid = this;
}

const std::string& TExtStringGrid::ValidChars() const {
    static const std::string none;
    return FEdit ? FEdit->ValidChars : none;
}

void TExtStringGrid::SetValidChars(const std::string& Value) { Ed().ValidChars = Value; }
bool TExtStringGrid::Lookup() const { return FEdit && FEdit->Lookup; }
void TExtStringGrid::SetLookup(bool Value) { Ed().Lookup = Value; }
bool TExtStringGrid::LookupCaseSensitive() const { return FEdit && FEdit->LookupCaseSensitive; }
void TExtStringGrid::SetLookupCaseSensitive(bool Value) { Ed().LookupCaseSensitive = Value; }
bool TExtStringGrid::LookupHistory() const { return FEdit && FEdit->LookupHistory; }
void TExtStringGrid::SetLookupHistory(bool Value) { Ed().LookupHistory = Value; }
plat::TStrings& TExtStringGrid::LookupItems() { return Ed().LookupItems; }

bool TExtStringGrid::RemoveComboString(const std::string& S) {
    plat::TStrings& items = EditCombo()->Items();
    const int i = items.IndexOf(S);
    if (i < 0) return false;
    items.Delete(i);
    return true;
}

bool TExtStringGrid::SetComboSelectionString(const std::string& S) {
    const int i = EditCombo()->Items().IndexOf(S);
    if (i < 0) return false;
    Ed().ComboIdx = i;
    return true;
}

void TExtStringGrid::SetComboSelection(int Idx) { Ed().ComboIdx = Idx; }

void TExtStringGrid::SetComboIndex(int ACol, int ARow, int Value) {
    if (OnGetEditorProp) OnGetEditorProp(this, ACol, ARow, EditLink());
    plat::TStrings& items = EditCombo()->Items();
    if (Value < 0 || Value >= items.Count()) throw EExtGridError("List index out of bounds");
    SetCells(ACol, ARow, items.Strings(Value));
}

int TExtStringGrid::GetComboIndex(int ACol, int ARow) {
    if (OnGetEditorProp) OnGetEditorProp(this, ACol, ARow, EditLink());
    return EditCombo()->Items().IndexOf(Cells(ACol, ARow));
}

void TExtStringGrid::ShowCellEdit() {
    unsigned short key = plat::VK_F2;
    KeyDown(key, 0);
}

void TExtStringGrid::HideCellEdit() { CloseSpecialEditor(Col(), Row()); }
int TExtStringGrid::GetComboCount() { return EditCombo()->Items().Count(); }

std::string TExtStringGrid::EllipsClick(const std::string& S) {
    std::string text;
    DoEllipsClick(S, text);
    return text;
}

void TExtStringGrid::WriteCellValue(int ACol, int ARow, const std::string& Value) { SetCells(ACol, ARow, Value); }

void TExtStringGrid::DoCellChanging(int ACol, int ARow, bool& Allow) {
    if (ARow != Row() && OnRowChanging) OnRowChanging(this, Row(), ARow, Allow);
    if (ACol != Col() && OnColChanging) OnColChanging(this, Col(), ACol, Allow);
    if ((ARow != Row() || ACol != Col()) && OnCellChanging) OnCellChanging(this, Row(), Col(), ARow, ACol, Allow);
}

void TExtStringGrid::ShowSpecialEditor(int ACol, int ARow) {
    TEditState& e = Ed();
    const std::string text = GetEditText(ACol, ARow);
    plat::TWinControl* ctrl = OpenSpecialControl(e.EditControl, ACol, ARow, text);
    if (ctrl == nullptr) {
        // A kind without a control here (or a custom cell without a link)
        // opens nothing; the cell stays as it was.
        e.StartEditChar = 0;
        return;
    }
    e.SpecialEditor = true;
    e.Editing = true;
    e.EditMode = true;
    e.OpenText = text;
    e.EditCtrl = ctrl;
    if (ctrl->CanFocus()) ctrl->SetFocus();
    const char32_t start = e.StartEditChar;
    e.StartEditChar = 0;
    // The character that opened the editor is typed into it, where the kind
    // takes characters at all.
    if (start != 0 && (IsSpinKind(e.EditControl) || IsEditBtnKind(e.EditControl) || IsUnitKind(e.EditControl) ||
                       IsDateKind(e.EditControl) || e.EditControl == edDateTimeEdit || IsPickerKind(e.EditControl))) {
        char32_t ch = start;
        plat::TMessage m{plat::WM_CHAR, static_cast<intptr_t>(ch), 0, 0};
        ctrl->WndProc(m);
        ch = static_cast<char32_t>(m.WParam);
        if (ch >= 32)
            if (auto* edit = dynamic_cast<plat::TEdit*>(ctrl)) TypeInto(*edit, ch);
    } else if (start != 0 && e.EditControl == edCustom && e.Link && e.Link->GetEditControl()) {
        plat::TMessage m{plat::WM_CHAR, static_cast<intptr_t>(start), 0, 0};
        e.Link->GetEditControl()->WndProc(m);
        if (m.WParam >= 32)
            if (auto* edit = dynamic_cast<plat::TEdit*>(e.Link->GetEditControl()))
                TypeInto(*edit, static_cast<char32_t>(m.WParam));
    }
}

plat::TWinControl* TExtStringGrid::OpenSpecialControl(TEditorType Kind, int ACol, int ARow, const std::string& Text) {
    TEditState& e = Ed();
    if (IsPickerKind(Kind)) return OpenPickerEditor(Kind, ACol, ARow, Text);
    const int rc = RealColIndex(ACol);
    // The control keeps clear of the cell's grid line: the right one, or in
    // a mirrored grid the left one.
    const plat::TRect R = EditorCellRect(ACol, ARow);
    const int W = std::max(R.Width() - 1, 8), H = std::max(R.Height() - 1, 8);
    const TColor cellColor = Colors(rc, ARow) != plat::clNone ? Colors(rc, ARow) : Color();
    auto place = [&](plat::TWinControl* c) {
        c->SetBounds(R.Left, R.Top, W, H);
        c->SetColor(cellColor);
        c->SetEnabled(true);
        c->SetVisible(true);
        if (OnGetEditorProp) OnGetEditorProp(this, rc, ARow, e.Link);
    };
    if (IsSpinKind(Kind)) {
        TGridSpin* s = SpinEdit();
        // A column grid's spin takes its column's limits (equal ones mean
        // none) and step, every time: one spin serves every column.
        if (auto* cg = dynamic_cast<TExtColumnGrid*>(this); cg && rc < cg->Columns().Count()) {
            const TGridColumnItem& item = cg->Columns().Items(rc);
            s->MinValue = item.SpinMin();
            s->MaxValue = item.SpinMax();
            s->Increment = item.SpinStep() > 0 ? item.SpinStep() : 1;
        }
        place(s);
        LoadSpecialEditor(Text);
        s->SelectAll();
        return s;
    }
    if (IsEditBtnKind(Kind)) {
        TGridEditBtn* b = EditBtn();
        b->SetMaxLength(GetEditLimit());
        place(b);
        b->LoadText(Text, Kind == edMaskEditBtn ? GetEditMask(ACol, ARow) : std::string());
        b->SelectAll();
        return b;
    }
    if (IsUnitKind(Kind)) {
        TGridUnitEditBtn* u = UnitEditBtn();
        u->SetMaxLength(GetEditLimit());
        place(u);
        u->LoadValue(Text);
        u->SelectAll();
        return u;
    }
    if (Kind == edCheckBox) {
        TGridCheckBox* c = EditCheck();
        place(c);
        c->SetCaption(Text);
        c->SetChecked(false);
        return c;
    }
    if (Kind == edButton) {
        TGridButton* b = GridButton();
        b->SetBounds(R.Left - 1, R.Top - 1, W + 2, H + 2);
        b->SetEnabled(true);
        b->SetVisible(true);
        b->SetCaption(Text);
        if (OnGetEditorProp) OnGetEditorProp(this, rc, ARow, e.Link);
        return b;
    }
    if (IsDateKind(Kind)) {
        TGridDatePicker* d = DateTimePicker();
        d->SetKind(Kind == edTimeEdit ? ctl::dtkTime : ctl::dtkDate);
        d->SetDateMode(Kind == edDateEditUpDown ? dmUpDown : dmComboBox);
        place(d);
        LoadSpecialEditor(Text);
        return d;
    }
    if (Kind == edDateTimeEdit) {
        TGridDatePicker* d = DateAndTimePicker();
        place(d);
        LoadSpecialEditor(Text);
        e.OriginalDateTime = d->DateTime();
        return d;
    }
    if (Kind == edCustom && e.Link) {
        TEditLink* link = e.Link;
        link->FGrid = this;
        link->FEditCell = {rc, ARow};
        plat::TRect place = R;
        if (link->EditStyle == esPopup) {
            if (link->AutoPopupWidth) link->PopupWidth = R.Width();
            if (link->FPopupForm == nullptr) {
                auto* f = new plat::TForm(link);
                f->SetName("gridform");
                f->SetBorderStyle(plat::bsNone);
                f->OnDeactivate = [link](plat::TObject* Sender) { link->FormExit(Sender); };
                link->FPopupForm = f;
            }
            const plat::TPoint at = link->PopupLeft != -1 && link->PopupTop != -1
                                        ? plat::TPoint{link->PopupLeft, link->PopupTop}
                                        : ClientToScreen(plat::TPoint{R.Left, R.Top});
            link->FPopupForm->SetBounds(at.X, at.Y, link->PopupWidth, link->PopupHeight);
            link->FPopupForm->Show();
            if (link->GetEditControl() == nullptr) link->CreateEditor(link->FPopupForm);
            place = plat::Rect(0, 0, link->PopupWidth, link->PopupHeight);
        } else if (link->GetEditControl() == nullptr) {
            link->CreateEditor(this);
        }
        plat::TWinControl* c = link->GetEditControl();
        if (c == nullptr) {
            if (link->FPopupForm) link->FPopupForm->Hide();
            return nullptr;
        }
        link->SetRect(place);
        link->SetVisible(true);
        c->SetEnabled(true);
        link->SetCellProps(cellColor, Font());
        link->SetProperties();
        if (OnGetEditorProp) OnGetEditorProp(this, rc, ARow, link);
        link->SetEditorValue(Text);
        // Leaving the link's control ends the edit as leaving any editor
        // does; its own exit handler still runs first.
        plat::TNotifyEvent previous = c->OnExit;
        e.LinkExit = previous;
        c->OnExit = [this, previous, c](plat::TObject* Sender) {
            // The link's handler may end the edit, which puts its own
            // handler back in place of this one and frees what this one
            // holds: work on copies from here.
            TExtStringGrid* const grid = this;
            plat::TWinControl* const control = c;
            const plat::TNotifyEvent own = previous;
            if (own) own(Sender);
            CommitOnExit(grid, *control);
        };
        link->SetFocus(true);
        return c;
    }
    return nullptr;
}

void TExtStringGrid::LoadSpecialEditor(const std::string& Text) {
    TEditState& e = Ed();
    const TEditorType k = e.EditControl;
    if (LoadPickerEditor(k, Text)) return;
    if (IsSpinKind(k)) {
        TGridSpin* s = SpinEdit();
        switch (k) {
            case edSpinEdit: {
                s->SetSpinType(ctl::sptNormal);
                int v = 0;
                // A text that is no number opens on 0, whatever the limits.
                if (!base::TryStrToInt(base::Trim(Text), v)) v = 0;
                s->SetText(base::IntToStr(v));
                break;
            }
            case edFloatSpinEdit: {
                s->SetSpinType(ctl::sptFloat);
                double v = 0;
                if (!base::TryStrToFloat(ctl::NormalizeNumberText(Text), v)) v = 0;
                s->SetText(base::FloatToStr(v));
                break;
            }
            case edTimeSpinEdit:
                s->SetText(Text);
                s->SetSpinType(ctl::sptTime);
                break;
            default:
                s->SetDateValue(ReadDateTime(Text, true, false));
                s->SetSpinType(ctl::sptDate);
                break;
        }
    } else if (IsEditBtnKind(k)) {
        EditBtn()->LoadText(Text, k == edMaskEditBtn ? GetEditMask(Col(), Row()) : std::string());
    } else if (IsUnitKind(k)) {
        UnitEditBtn()->LoadValue(Text);
    } else if (IsDateKind(k)) {
        TGridDatePicker* d = DateTimePicker();
        base::TDateTime v = 0;
        if (k != edTimeEdit && OnCustomStrToDate) {
            v = base::Now();
            OnCustomStrToDate(this, Text, v);
        } else {
            v = ReadDateTime(Text, k != edTimeEdit, k == edTimeEdit);
        }
        if (k != edTimeEdit) {
            // A date beyond the limits opens just inside them.
            if (d->MaxDate() != 0 && v > d->MaxDate()) v = d->MaxDate() - 1;
            if (d->MinDate() != 0 && v <= d->MinDate()) v = d->MinDate() + 1;
        }
        d->SetChecked(true);
        d->SetFieldIndex(0);
        d->SetDateTime(v);
    } else if (k == edDateTimeEdit) {
        TGridDatePicker* d = DateAndTimePicker();
        d->SetChecked(true);
        d->SetFieldIndex(0);
        d->SetDateTime(ReadDateTime(Text, true, true));
    } else if (k == edCustom && e.Link) {
        e.Link->SetEditorValue(Text);
    } else if (k == edCheckBox) {
        EditCheck()->SetCaption(Text);
    }
}

std::string TExtStringGrid::SpecialEditorValue(bool& Write) {
    TEditState& e = Ed();
    Write = true;
    const TEditorType k = e.EditControl;
    if (std::string v; PickerEditorValue(k, v)) return v;
    if (IsSpinKind(k)) {
        TGridSpin* s = SpinEdit();
        if (s->AllowEmptyValue && base::Trim(s->Text()).empty()) return "";
        switch (k) {
            case edSpinEdit: return base::IntToStr(s->Value());
            case edFloatSpinEdit: return base::FormatFloat(GetFloatFormat(RealColIndex(Col()), Row()), s->FloatValue());
            case edTimeSpinEdit: return s->Text();
            default: return base::DateToStr(s->DateValue());
        }
    }
    if (IsEditBtnKind(k)) return EditBtn()->EditValue();
    if (IsUnitKind(k)) return UnitEditBtn()->TextAndUnit();
    if (IsDateKind(k)) {
        TGridDatePicker* d = DateTimePicker();
        return d->Checked() ? d->Text() : std::string();
    }
    if (k == edDateTimeEdit) {
        TGridDatePicker* d = DateAndTimePicker();
        return d->Checked() ? d->Text() : std::string();
    }
    if (k == edCustom && e.Link) {
        std::string v;
        e.Link->GetEditorValue(v);
        return v;
    }
    Write = false;  // check box and button editors store nothing
    return std::string();
}

void TExtStringGrid::HideSpecialControl() {
    TEditState& e = Ed();
    plat::TWinControl* c = e.EditCtrl;
    e.EditCtrl = nullptr;
    if (c == nullptr) return;
    const bool hadFocus = c->Focused();
    if (e.EditControl == edCustom && e.Link && c == e.Link->GetEditControl()) {
        c->OnExit = e.LinkExit;
        e.LinkExit = nullptr;
        if (e.Link->EditStyle == esPopup) {
            // The window and its control stay for the next edit, out of
            // sight. The control is not destroyed here: the close may run
            // inside the control's own key handling.
            if (e.Link->FPopupForm) e.Link->FPopupForm->Hide();
            c->SetEnabled(false);
            if (CanFocus()) SetFocus();
            return;
        }
        e.Link->SetVisible(false);
    } else {
        c->SetVisible(false);
    }
    c->SetEnabled(false);
    if (hadFocus && CanFocus()) SetFocus();
}

void TExtStringGrid::CloseSpecialEditor(int ACol, int ARow) {
    (void)ACol;
    (void)ARow;
    if (EditMode() && FEdit->SpecialEditor) FinishEdit(false);
}

void TExtStringGrid::WalkFromEditor(bool Forward) {
    if (EditMode() && !FinishEdit(false)) return;
    if (CanFocus()) SetFocus();
    // The walk goes along the row whatever the Enter direction, and opens
    // the editor again as the walk setting says, not the Enter one.
    const TAdvanceDirection dir = FNavigation.AdvanceDirection();
    const bool autoEdit = FNavigation.AdvanceAutoEdit();
    FNavigation.SetAdvanceDirection(adLeftRight);
    FNavigation.SetAdvanceAutoEdit(FNavigation.CursorWalkAlwaysEdit());
    AdvanceCell(Col(), Row(), true, Forward);
    FNavigation.SetAdvanceDirection(dir);
    FNavigation.SetAdvanceAutoEdit(autoEdit);
}

bool TExtStringGrid::DoneInplaceEdit(unsigned short Key, plat::TShiftState Shift) {
    TEditState& e = Ed();
    if (e.EditMode && !FinishEdit(Key == plat::VK_ESCAPE)) return false;
    if (CanFocus()) SetFocus();
    switch (Key) {
        case plat::VK_TAB:
        case plat::VK_LEFT:
        case plat::VK_RIGHT:
        case plat::VK_UP:
        case plat::VK_DOWN: {
            unsigned short k = Key;
            KeyDown(k, Shift);
            break;
        }
        case plat::VK_RETURN:
            if (FNavigation.AdvanceOnEnter()) AdvanceCell(Col(), Row(), false, (Shift & plat::ssShift) == 0);
            break;
        default: break;
    }
    return true;
}

// ----------------------------------------------------------------- spin

TGridSpin::TGridSpin(TExtStringGrid* AGrid) : ctl::TEsgSpinEdit(AGrid), TGridEditorRef(AGrid) {
    MaxValue = 100;
    MinValue = 0;
    Increment = 1;
    OnChange = [this](plat::TObject*) {
        if (FGrid && FGrid->EditMode() && FGrid->OnEditChange) FGrid->OnEditChange(FGrid, FGrid->Col(), FGrid->Row(), Text());
    };
}

void TGridSpin::ReportClick(bool Up) {
    if (!FGrid) return;
    const int c = FGrid->Col(), r = FGrid->Row();
    switch (SpinType()) {
        case ctl::sptNormal:
            if (FGrid->OnSpinClick) FGrid->OnSpinClick(FGrid, c, r, Value(), Up);
            break;
        case ctl::sptFloat:
            if (FGrid->OnFloatSpinClick) FGrid->OnFloatSpinClick(FGrid, c, r, FloatValue(), Up);
            break;
        case ctl::sptDate:
            if (FGrid->OnDateSpinClick) FGrid->OnDateSpinClick(FGrid, c, r, DateValue(), Up);
            break;
        case ctl::sptTime:
            if (FGrid->OnTimeSpinClick) FGrid->OnTimeSpinClick(FGrid, c, r, TimeValue(), Up);
            break;
    }
}

void TGridSpin::UpClick(plat::TObject* Sender) {
    ctl::TEsgSpinEdit::UpClick(Sender);
    ReportClick(true);
}

void TGridSpin::DownClick(plat::TObject* Sender) {
    ctl::TEsgSpinEdit::DownClick(Sender);
    ReportClick(false);
}

void TGridSpin::KeyDown(unsigned short& Key, plat::TShiftState Shift) {
    if (IsEditCloseKey(Key)) {
        CloseWithKey(FGrid, Key, Shift);
        return;
    }
    const bool number = SpinType() == ctl::sptNormal || SpinType() == ctl::sptFloat;
    if (number && (Key == plat::VK_PRIOR || Key == plat::VK_NEXT || Key == plat::VK_HOME || Key == plat::VK_END)) {
        const bool up = Key == plat::VK_PRIOR || Key == plat::VK_HOME;
        // A page step that would pass a limit is not taken at all; equal
        // limits mean none, so every step is taken and Home and End, which
        // go to the limits, do nothing.
        if (SpinType() == ctl::sptNormal) {
            const bool limited = MinValue != MaxValue;
            if (Key == plat::VK_PRIOR && (!limited || Value() + Increment <= MaxValue)) SetValue(Value() + Increment);
            if (Key == plat::VK_NEXT && (!limited || Value() - Increment >= MinValue)) SetValue(Value() - Increment);
            if (Key == plat::VK_HOME && limited) SetValue(MaxValue);
            if (Key == plat::VK_END && limited) SetValue(MinValue);
        } else {
            const bool limited = MinFloatValue != MaxFloatValue;
            if (Key == plat::VK_PRIOR && (!limited || FloatValue() + IncrementFloat <= MaxFloatValue))
                SetFloatValue(FloatValue() + IncrementFloat);
            if (Key == plat::VK_NEXT && (!limited || FloatValue() - IncrementFloat >= MinFloatValue))
                SetFloatValue(FloatValue() - IncrementFloat);
            if (Key == plat::VK_HOME && limited) SetFloatValue(MaxFloatValue);
            if (Key == plat::VK_END && limited) SetFloatValue(MinFloatValue);
        }
        if (FGrid && FGrid->OnSpinClick) FGrid->OnSpinClick(FGrid, FGrid->Col(), FGrid->Row(), Value(), up);
        Key = 0;
        return;
    }
    ctl::TEsgSpinEdit::KeyDown(Key, Shift);
}

void TGridSpin::KeyPress(char32_t& Key) {
    if (Key == 27 || Key == 13 || Key == 9) {
        Key = 0;
        return;
    }
    ctl::TEsgSpinEdit::KeyPress(Key);
}

void TGridSpin::DoExit() {
    ctl::TEsgSpinEdit::DoExit();
    CommitOnExit(FGrid, *this);
}

// ----------------------------------------------------------------- edit with button

TGridEditBtn::TGridEditBtn(TExtStringGrid* AGrid) : ctl::TEsgEditBtn(AGrid), TGridEditorRef(AGrid) {
    SetButtonCaption("...");
    OnChange = [this](plat::TObject*) {
        if (FGrid && FGrid->EditMode() && FGrid->OnEditChange) FGrid->OnEditChange(FGrid, FGrid->Col(), FGrid->Row(), Text());
    };
}

void TGridEditBtn::LoadText(const std::string& Value, const std::string& Mask) {
    FMask = Mask.empty() ? nullptr : std::make_shared<TEditMaskText>(Mask);
    if (FMask && FMask->Empty()) FMask = nullptr;
    if (FMask) SetMaxLength(0);
    SetText(FMask ? base::Utf16ToUtf8(FMask->Display(Value)) : Value);
}

std::string TGridEditBtn::EditValue() const { return FMask ? FMask->Value(base::Utf8ToUtf16(Text())) : Text(); }

void TGridEditBtn::DoClickBtn(plat::TObject* Sender) {
    ctl::TEsgEditBtn::DoClickBtn(Sender);
    if (!FGrid) return;
    SetText(FGrid->EllipsClick(Text()));
    SelectAll();
    if (StopEditAfterClick) FGrid->DoneInplaceEdit(0, 0);
}

void TGridEditBtn::KeyDown(unsigned short& Key, plat::TShiftState Shift) {
    if (IsEditCloseKey(Key) || Key == plat::VK_PRIOR || Key == plat::VK_NEXT) {
        CloseWithKey(FGrid, Key, Shift);
        return;
    }
    // The window sees the keys typed into the cell as if the grid had them.
    if (FGrid && FGrid->OnKeyDown) FGrid->OnKeyDown(FGrid, Key, Shift);
    if (Key != 0 && FMask && !(Shift & (plat::ssCtrl | plat::ssAlt)) && MaskEraseKey(*this, *FMask, Key)) {
        Key = 0;
        return;
    }
    if (Key != 0 && FGrid && IsPasteKey(Key, Shift)) {
        Key = 0;
        const TEditorType kind = FGrid->EditControl();
        if (plat::Clipboard().HasText())
            PasteOrBeep(*FGrid, *this,
                         kind == edNumericEditBtn ? edNumeric : kind == edFloatEditBtn ? edFloat : edNormal,
                         plat::Clipboard().AsText());
        return;
    }
    if (Key != 0) ctl::TEsgEditBtn::KeyDown(Key, Shift);
}

void TGridEditBtn::KeyPress(char32_t& Key) {
    if (FGrid && FGrid->OnKeyPress) FGrid->OnKeyPress(FGrid, Key);
    if (Key == 13 || Key == 9) {
        Key = 0;
        return;
    }
    if (FMask && Key >= 32) {
        MaskTypeChar(*this, *FMask, Key);
        Key = 0;
        return;
    }
    if (FGrid) {
        TEditorType kind = FGrid->EditControl();
        // The numeric kinds take the numeric kinds' rules of the text editor.
        if (kind == edNumericEditBtn) kind = edNumeric;
        else if (kind == edFloatEditBtn) kind = edFloat;
        if (kind == edNumeric || kind == edFloat) {
            if (CheckEditChar(kind, Key, Text(), SelStart(), SelLength(), FGrid->ValidChars()) != cvAccept) {
                Key = 0;
                return;
            }
        }
    }
    ctl::TEsgEditBtn::KeyPress(Key);
    FTyped = Key >= 32;
}

void TGridEditBtn::KeyUp(unsigned short& Key, plat::TShiftState Shift) {
    ctl::TEsgEditBtn::KeyUp(Key, Shift);
    if (FTyped && FGrid && FGrid->EditMode()) LookupComplete(*FGrid, *this);
    FTyped = false;
}

void TGridEditBtn::DoExit() {
    ctl::TEsgEditBtn::DoExit();
    if (FGrid && FGrid->EditCtrl() == this) LookupRemember(*FGrid, Text());
    CommitOnExit(FGrid, *this);
}

// ----------------------------------------------------------------- value with unit

TGridUnitEditBtn::TGridUnitEditBtn(TExtStringGrid* AGrid) : ctl::TEsgUnitEditBtn(AGrid), TGridEditorRef(AGrid) {
    SetButtonCaption("...");
    OnChange = [this](plat::TObject*) {
        if (FGrid && FGrid->EditMode() && FGrid->OnEditChange) FGrid->OnEditChange(FGrid, FGrid->Col(), FGrid->Row(), Text());
    };
}

void TGridUnitEditBtn::LoadValue(const std::string& Value) {
    SetText("");
    SetUnitID("");
    SetTextAndUnit(Value);
    if (!Text().empty() || !UnitID().empty() || Value.empty()) return;
    // No known unit ends the value: the number is what reads as one, the
    // unit the rest. Losing the value on a unit the list does not have
    // would clear the cell when the editor closes.
    size_t n = 0;
    while (n < Value.size() && (std::isdigit(static_cast<unsigned char>(Value[n])) || Value[n] == '-' ||
                                Value[n] == '+' || Value[n] == '.' || Value[n] == ',' || Value[n] == ' '))
        ++n;
    std::string number = Value.substr(0, n);
    while (!number.empty() && number.back() == ' ') number.pop_back();
    SetText(number);
    SetUnitID(Value.substr(number.size()));
}

void TGridUnitEditBtn::DoClickBtn(plat::TObject* Sender) {
    ctl::TEsgUnitEditBtn::DoClickBtn(Sender);
    if (!FGrid) return;
    SetText(FGrid->EllipsClick(Text()));
    SelectAll();
}

void TGridUnitEditBtn::KeyDown(unsigned short& Key, plat::TShiftState Shift) {
    if (IsEditCloseKey(Key) || Key == plat::VK_PRIOR || Key == plat::VK_NEXT) {
        CloseWithKey(FGrid, Key, Shift);
        return;
    }
    if (FGrid && IsPasteKey(Key, Shift)) {
        Key = 0;
        const TEditorType kind = FGrid->EditControl();
        if (plat::Clipboard().HasText())
            PasteOrBeep(*FGrid, *this,
                         kind == edNumericUnitEditBtn ? edNumeric : kind == edFloatUnitEditBtn ? edFloat : edNormal,
                         plat::Clipboard().AsText());
        return;
    }
    ctl::TEsgUnitEditBtn::KeyDown(Key, Shift);
}

void TGridUnitEditBtn::KeyPress(char32_t& Key) {
    if (Key == 13 || Key == 9) {
        Key = 0;
        return;
    }
    if (FGrid) {
        const TEditorType kind = FGrid->EditControl();
        const TEditorType rule = kind == edNumericUnitEditBtn ? edNumeric : kind == edFloatUnitEditBtn ? edFloat : edNormal;
        if (rule != edNormal &&
            CheckEditChar(rule, Key, Text(), SelStart(), SelLength(), FGrid->ValidChars()) != cvAccept) {
            Key = 0;
            return;
        }
    }
    ctl::TEsgUnitEditBtn::KeyPress(Key);
}

void TGridUnitEditBtn::DoExit() {
    ctl::TEsgUnitEditBtn::DoExit();
    CommitOnExit(FGrid, *this);
}

// ----------------------------------------------------------------- check box

TGridCheckBox::TGridCheckBox(TExtStringGrid* AGrid) : plat::TCheckBox(AGrid), TGridEditorRef(AGrid) {}

void TGridCheckBox::KeyDown(unsigned short& Key, plat::TShiftState Shift) {
    switch (Key) {
        case plat::VK_RETURN:
        case plat::VK_ESCAPE:
        case plat::VK_PRIOR:
        case plat::VK_NEXT:
        case plat::VK_END:
        case plat::VK_LEFT:
        case plat::VK_RIGHT:
        case plat::VK_UP:
        case plat::VK_DOWN: CloseWithKey(FGrid, Key, Shift); return;
        case plat::VK_HOME:
            // The box has no use for Home, and the grid must not take it
            // from the open editor and move.
            Key = 0;
            return;
        default: break;
    }
    plat::TCheckBox::KeyDown(Key, Shift);
}

void TGridCheckBox::DoExit() {
    plat::TCheckBox::DoExit();
    CommitOnExit(FGrid, *this);
}

// ----------------------------------------------------------------- push button

TGridButton::TGridButton(TExtStringGrid* AGrid) : plat::TButton(AGrid), TGridEditorRef(AGrid) {}

void TGridButton::Click() {
    plat::TButton::Click();
    if (!FGrid || !FGrid->EditMode()) return;
    const std::string text = FGrid->EllipsClick(Caption());
    SetCaption(text);
    FGrid->SetCurrentCell(text);
}

void TGridButton::KeyDown(unsigned short& Key, plat::TShiftState Shift) {
    switch (Key) {
        case plat::VK_ESCAPE:
        case plat::VK_LEFT:
        case plat::VK_RIGHT:
        case plat::VK_UP:
        case plat::VK_DOWN: CloseWithKey(FGrid, Key, Shift); return;
        default: break;
    }
    plat::TButton::KeyDown(Key, Shift);
}

void TGridButton::DoExit() {
    plat::TButton::DoExit();
    CommitOnExit(FGrid, *this);
}

// ----------------------------------------------------------------- date and time

TGridDatePicker::TGridDatePicker(TExtStringGrid* AGrid, bool WithTime)
    : ctl::TEsgDateTimePicker(AGrid), TGridEditorRef(AGrid), FWithTime(WithTime) {
    SetTabStop(true);
}

std::string TGridDatePicker::ActiveFormat() const {
    if (!FFormat.empty()) return FFormat;
    const base::TFormatSettings& fs = base::FormatSettings();
    if (FWithTime) return fs.shortDateFormat + " " + fs.shortTimeFormat;
    return Kind() == ctl::dtkTime ? fs.longTimeFormat : fs.shortDateFormat;
}

std::string TGridDatePicker::Text() const { return base::FormatDateTime(ActiveFormat(), DateTime()); }

void TGridDatePicker::SetFormat(const std::string& Value) {
    FFormat = Value;
    FField = 0;
    Invalidate();
}

std::vector<TGridDatePicker::TPart> TGridDatePicker::Fields() const {
    std::vector<TPart> parts;
    const std::string f = ActiveFormat();
    char quote = 0;
    char last = 0;
    for (char ch : f) {
        if (quote) {
            if (ch == quote) quote = 0;
            continue;
        }
        if (ch == '\'' || ch == '"') {
            quote = ch;
            last = 0;
            continue;
        }
        const char c = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
        TPart p;
        switch (c) {
            case 'd': p = ctl::fpDay; break;
            case 'm': p = ctl::fpMonth; break;
            case 'y': p = ctl::fpYear; break;
            case 'h': p = ctl::fpHour24; break;
            case 'n': p = ctl::fpMinute; break;
            case 's': p = ctl::fpSecond; break;
            default: last = 0; continue;
        }
        if (c != last) parts.push_back(p);
        last = c;
    }
    return parts;
}

void TGridDatePicker::SetFieldIndex(int Value) {
    const int n = FieldCount();
    FField = n == 0 ? 0 : std::clamp(Value, 0, n - 1);
    FTyped.clear();
    Invalidate();
}

void TGridDatePicker::SetDateTime(base::TDateTime Value) {
    ctl::TEsgDateTimePicker::SetDateTime(Value);
    if (FGrid && FGrid->EditMode() && FGrid->EditCtrl() == this && FGrid->OnEditChange)
        FGrid->OnEditChange(FGrid, FGrid->Col(), FGrid->Row(), Text());
}

void TGridDatePicker::Store(const ctl::TDateFields& Value) {
    base::TDateTime v = Value.Encode();
    if (FMaxDate != 0 && v > FMaxDate) v = FMaxDate;
    if (FMinDate != 0 && v < FMinDate) v = FMinDate;
    SetDateTime(v);
}

void TGridDatePicker::StepField(int Delta) {
    const std::vector<TPart> parts = Fields();
    if (parts.empty()) return;
    ctl::TDateFields f(DateTime());
    f.Step(parts[static_cast<size_t>(std::clamp(FField, 0, static_cast<int>(parts.size()) - 1))], Delta);
    FTyped.clear();
    Store(f);
}

void TGridDatePicker::TypeDigit(int Digit) {
    const std::vector<TPart> parts = Fields();
    if (parts.empty()) return;
    const TPart part = parts[static_cast<size_t>(std::clamp(FField, 0, static_cast<int>(parts.size()) - 1))];
    FTyped += static_cast<char>('0' + Digit);
    const int v = std::stoi(FTyped);
    ctl::TDateFields f(DateTime());
    int maxValue = 59;
    size_t digits = 2;
    switch (part) {
        case ctl::fpDay: maxValue = 31; break;
        case ctl::fpMonth: maxValue = 12; break;
        case ctl::fpYear: maxValue = 9999; digits = 4; break;
        case ctl::fpHour24: maxValue = 23; break;
        default: break;
    }
    const bool lowOk = part == ctl::fpHour24 || part == ctl::fpMinute || part == ctl::fpSecond || v > 0;
    if (lowOk && v <= maxValue) {
        switch (part) {
            case ctl::fpDay: f.Day = v; break;
            case ctl::fpMonth: f.Month = v; break;
            case ctl::fpYear: f.Year = FTyped.size() <= 2 ? 2000 + v : v; break;
            case ctl::fpHour24: f.Hour = v; break;
            case ctl::fpMinute: f.Minute = v; break;
            case ctl::fpSecond: f.Second = v; break;
            default: break;
        }
        Store(f);
    }
    // A part is complete when it has all its digits or no further digit
    // could follow; then the next part is typed, except after the last.
    const bool complete = FTyped.size() >= digits || v * 10 > maxValue;
    if (complete) {
        FTyped.clear();
        if (FField + 1 < static_cast<int>(parts.size())) ++FField;
    }
    Invalidate();
}

bool TGridDatePicker::HasMonthView() const { return Kind() == ctl::dtkDate && FDateMode == dmComboBox && !FWithTime; }

bool TGridDatePicker::DroppedDown() const { return FMonthView != nullptr && FMonthView->DroppedDown(); }

plat::TMonthCalendar* TGridDatePicker::Calendar() const { return FMonthView ? FMonthView->Calendar() : nullptr; }

plat::TForm* TGridDatePicker::CalendarForm() const { return FMonthView ? FMonthView->Form() : nullptr; }

void TGridDatePicker::CloseUp(bool Accept) {
    if (FMonthView != nullptr) FMonthView->Close(Accept);
}

void TGridDatePicker::DropDown() {
    if (!Enabled() || !HasMonthView() || DroppedDown()) return;
    if (FMonthView == nullptr) {
        FMonthView = new ctl::TMonthDropDown(this);
        FMonthView->OnPick = [this](int Year, int Month, int Day) {
            // The day changes; the time of day stays as it was.
            ctl::TDateFields f(DateTime());
            f.Year = Year;
            f.Month = Month;
            f.Day = Day;
            FTyped.clear();
            SetChecked(true);
            Store(f);
        };
        FMonthView->OnCloseUp = [this]() {
            if (FGrid == nullptr || !FGrid->EditMode() || FGrid->EditCtrl() != this) return;
            if (FGrid->OnDatePickerCloseUp) FGrid->OnDatePickerCloseUp(FGrid, FGrid->Row(), FGrid->Col());
            // The edit may have ended in the handler.
            if (FGrid->EditMode() && FGrid->EditCtrl() == this && FGrid->MouseActions().DirectDateClose())
                FGrid->HideInplaceEdit();
        };
    }
    FTyped.clear();
    FMonthView->OnPrepare = [this](plat::TMonthCalendar& C) {
        C.SetWeekNumbers(FWeeknumbers);
        C.SetShowToday(FShowToday);
        C.SetShowTodayCircle(FShowTodayCircle);
    };
    FMonthView->Open(DateTime());
    if (DroppedDown() && FGrid && FGrid->OnDatePickerDropDown)
        FGrid->OnDatePickerDropDown(FGrid, FGrid->Row(), FGrid->Col());
}

void TGridDatePicker::MouseDown(plat::TMouseButton Button, plat::TShiftState Shift, int X, int Y) {
    ctl::TEsgDateTimePicker::MouseDown(Button, Shift, X, Y);
    if (Button == plat::mbLeft && HasMonthView() && X >= ClientWidth() - ButtonWidth()) DropDown();
}

void TGridDatePicker::KeyDown(unsigned short& Key, plat::TShiftState Shift) {
    if (Key == plat::VK_F4 || ((Shift & plat::ssAlt) && Key == plat::VK_DOWN)) {
        DropDown();
        Key = 0;
        return;
    }
    switch (Key) {
        case plat::VK_LEFT: SetFieldIndex(FField - 1); Key = 0; return;
        case plat::VK_RIGHT: SetFieldIndex(FField + 1); Key = 0; return;
        case plat::VK_UP: StepField(1); Key = 0; return;
        case plat::VK_DOWN: StepField(-1); Key = 0; return;
        case plat::VK_RETURN:
        case plat::VK_TAB:
        case plat::VK_ESCAPE:
        case plat::VK_PRIOR:
        case plat::VK_NEXT:
        case plat::VK_END:
            FTyped.clear();
            CloseWithKey(FGrid, Key, Shift);
            return;
        case plat::VK_HOME:
        case plat::VK_INSERT:
        case plat::VK_DELETE:
        case plat::VK_BACK:
            // Keys the picker has no use for stay with it: passed on they
            // would move the grid under the open editor.
            Key = 0;
            return;
        default: break;
    }
    ctl::TEsgDateTimePicker::KeyDown(Key, Shift);
}

void TGridDatePicker::KeyPress(char32_t& Key) {
    if (Key >= U'0' && Key <= U'9') {
        TypeDigit(static_cast<int>(Key - U'0'));
        Key = 0;
    }
    if (FGrid && FGrid->OnKeyPress) FGrid->OnKeyPress(FGrid, Key);
    Key = 0;
}

void TGridDatePicker::DoExit() {
    ctl::TEsgDateTimePicker::DoExit();
    FTyped.clear();
    // The month view taking the focus is still the edit.
    if (DroppedDown()) return;
    CommitOnExit(FGrid, *this);
}

void TGridDatePicker::Paint() {
    plat::TCanvas& c = Canvas();
    c.SetFont(Font());
    c.Brush().SetColor(Color());
    c.FillRect(plat::Rect(0, 0, ClientWidth(), ClientHeight()));
    c.Brush().SetStyle(plat::bsClear);
    const int button = FDateMode == dmComboBox && !FWithTime ? ButtonWidth() : 0;
    plat::TRect r = plat::Rect(3, 0, ClientWidth() - button, ClientHeight());
    c.DrawText(FChecked ? Text() : std::string(), r,
               plat::DT_SINGLELINE | plat::DT_VCENTER | plat::DT_NOPREFIX);
}

// ----------------------------------------------------------------- edit link

TEditLink::TEditLink(plat::TComponent* AOwner) : plat::TComponent(AOwner), TGridEditorRef(nullptr) {}

TEditLink::~TEditLink() {
    if (FGrid && FGrid->EditLink() == this) FGrid->SetEditLink(nullptr);
}

void TEditLink::SetFocus(bool Value) {
    plat::TWinControl* c = GetEditControl();
    if (Value && c) {
        if (!c->Visible()) c->SetVisible(true);
        if (!c->Enabled()) c->SetEnabled(true);
        if (c->CanFocus()) c->SetFocus();
    } else if (!Value && FGrid && FGrid->CanFocus()) {
        FGrid->SetFocus();
    }
}

void TEditLink::SetRect(plat::TRect R) {
    if (plat::TWinControl* c = GetEditControl()) c->SetBounds(R.Left, R.Top, R.Width() - 1, R.Height() - 1);
}

void TEditLink::SetVisible(bool Value) {
    if (plat::TWinControl* c = GetEditControl()) c->SetVisible(Value);
}

void TEditLink::GetCellValue(std::string& S) {
    S = FGrid ? FGrid->Cells(FGrid->RealColIndex(FGrid->Col()), FGrid->Row()) : std::string();
}

void TEditLink::SetCellValue(const std::string& S) {
    if (FGrid) FGrid->SetCells(FGrid->RealColIndex(FGrid->Col()), FGrid->Row(), S);
}

void TEditLink::HideEditor() {
    if (FGrid) FGrid->HideInplaceEdit();
}

plat::TWinControl* TEditLink::GetParent() const {
    if (EditStyle == esPopup && FPopupForm) return FPopupForm;
    return FGrid;
}

void TEditLink::EditExit(plat::TObject*) {
    // The grid's close writes the value back and hides a popup window.
    HideEditor();
}

void TEditLink::FormExit(plat::TObject* Sender) {
    // Only an open edit of this link ends; a window hidden by the close
    // itself finds the edit over already.
    if (!FGrid || !FGrid->EditMode() || FGrid->EditCtrl() == nullptr || FGrid->EditCtrl() != GetEditControl())
        return;
    EditExit(Sender);
}

void TEditLink::EditKeyDown(plat::TObject*, unsigned short& Key, plat::TShiftState Shift) {
    bool closes = false;
    switch (Key) {
        case plat::VK_TAB: closes = !WantTabs; break;
        case plat::VK_RETURN: closes = !WantKeyReturn; break;
        case plat::VK_ESCAPE: closes = !WantKeyEscape; break;
        case plat::VK_PRIOR:
        case plat::VK_NEXT: closes = !WantKeyPriorNext; break;
        case plat::VK_END: closes = !WantKeyHomeEnd; break;
        case plat::VK_LEFT:
        case plat::VK_RIGHT: closes = !WantKeyLeftRight; break;
        case plat::VK_UP:
        case plat::VK_DOWN: closes = !WantKeyUpDown; break;
        default: closes = (Shift & plat::ssAlt) != 0 && Key != plat::VK_MENU; break;
    }
    if (!closes || !FGrid) return;
    if (Key == plat::VK_TAB) {
        // Tab moves on only where the grid's navigation says so, and then
        // edits the cell it reached; otherwise it ends the edit in place.
        Key = 0;
        if (!FGrid->Navigation().TabToNextAtEnd()) {
            FGrid->DoneInplaceEdit(0, Shift);
            return;
        }
        const int col = FGrid->Col(), row = FGrid->Row();
        if (!FGrid->DoneInplaceEdit(plat::VK_TAB, Shift)) return;
        if ((FGrid->Col() != col || FGrid->Row() != row) && FGrid->Focused() &&
            !FGrid->IsControlCell(FGrid->RealColIndex(FGrid->Col()), FGrid->Row()))
            FGrid->ShowInplaceEdit();
        return;
    }
    CloseWithKey(FGrid, Key, Shift);
}

}  // namespace grid
