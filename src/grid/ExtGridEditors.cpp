// The editors' side of the editing cycle: they hand the end of an edit
// (focus lost, Enter, Esc) to the grid, which validates and reports it.

#include "grid/ExtGridEditors.h"

#include <algorithm>
#include <cwctype>
#include <initializer_list>

#include "base/TextCodec.h"
#include "controls/ExtUtil.h"
#include "base/StrUtils.h"
#include "platform/Application.h"
#include "platform/Clipboard.h"
#include "platform/Messages.h"

namespace grid {

TExtStringGrid::TEditState::~TEditState() {
    if (Combo) Combo->FGrid = nullptr;
    if (Editor) Editor->FExtGrid = nullptr;
    for (TGridEditorRef* ref : std::initializer_list<TGridEditorRef*>{Spin, EditBtn, UnitEditBtn, Check, Button, Date,
                                                                      DateTime, Link})
        if (ref) ref->DetachGrid();
}

namespace {

std::u16string U16(const std::string& S) { return base::Utf8ToUtf16(S); }

bool HoldsOutside(const std::u16string& Text, char16_t Ch, int SelStart, int SelLen) {
    for (size_t i = 0; i < Text.size(); ++i)
        if (Text[i] == Ch && (static_cast<int>(i) < SelStart || static_cast<int>(i) >= SelStart + SelLen)) return true;
    return false;
}

bool SelectionHolds(const std::u16string& Text, char16_t Ch, int SelStart, int SelLen) {
    for (int i = std::max(SelStart, 0); i < SelStart + SelLen && i < static_cast<int>(Text.size()); ++i)
        if (Text[static_cast<size_t>(i)] == Ch) return true;
    return false;
}

}  // namespace

TCharVerdict CheckEditChar(TEditorType Kind, char32_t& Key, const std::string& Text, int SelStart, int SelLen,
                           const std::string& ValidChars) {
    // Control characters (Backspace, Enter, the clipboard shortcuts) keep
    // working in every kind.
    if (Key < 32) return cvAccept;
    const bool digit = Key >= U'0' && Key <= U'9';
    switch (Kind) {
        case edNumeric: {
            if (digit) return cvAccept;
            if (Key != U'-') return cvBeep;
            const std::u16string t = U16(Text);
            return SelStart == 0 && t.find(u'-') == std::u16string::npos ? cvAccept : cvBeep;
        }
        case edPositiveNumeric: return digit ? cvAccept : cvBeep;
        case edFloat:
        case edPositiveFloat: {
            if (digit) return cvAccept;
            const std::u16string t = U16(Text);
            const char ds = ctl::GetDecimalSeparator(), th = ctl::GetThousandSeparator();
            if (Key == static_cast<char32_t>(ds))
                return HoldsOutside(t, static_cast<char16_t>(ds), SelStart, SelLen) ? cvDrop : cvAccept;
            if (Key == static_cast<char32_t>(th)) return cvDrop;
            if (Key == U'-' && Kind == edFloat) {
                const bool free = SelStart == 0 && t.find(u'-') == std::u16string::npos;
                return free || SelectionHolds(t, u'-', SelStart, SelLen) ? cvAccept : cvBeep;
            }
            if (Key == U',' || Key == U'.') return cvAccept;
            return cvDrop;
        }
        case edCapital:
        case edUpperCase:
            Key = static_cast<char32_t>(std::towupper(static_cast<wint_t>(Key)));
            return cvAccept;
        case edLowerCase:
            Key = static_cast<char32_t>(std::towlower(static_cast<wint_t>(Key)));
            return cvAccept;
        case edValidChars: {
            if (ValidChars.empty()) return cvAccept;
            const std::u16string valid = U16(ValidChars);
            return Key < 0x10000 && valid.find(static_cast<char16_t>(Key)) != std::u16string::npos ? cvAccept : cvBeep;
        }
        default: return cvAccept;
    }
}

TExtInplaceEdit::TExtInplaceEdit(TExtStringGrid* AGrid) : plat::TInplaceEdit(AGrid), FExtGrid(AGrid) {}

namespace {

std::u16string Folded(std::u16string S, bool CaseSensitive) {
    if (!CaseSensitive)
        for (char16_t& c : S) c = static_cast<char16_t>(std::towupper(static_cast<wint_t>(c)));
    return S;
}

}  // namespace

void LookupComplete(TExtStringGrid& Grid, plat::TEdit& Edit) {
    if (!Grid.Lookup() || Grid.LookupItems().Count() == 0 || Edit.SelLength() != 0) return;
    const std::u16string text = base::Utf8ToUtf16(Edit.Text());
    const int caret = std::clamp(Edit.SelStart(), 0, static_cast<int>(text.size()));
    if (caret == 0) return;
    const std::u16string typed = text.substr(0, static_cast<size_t>(caret));
    const std::u16string prefix = Folded(typed, Grid.LookupCaseSensitive());
    const plat::TStrings& items = Grid.LookupItems();
    for (int i = 0; i < items.Count(); ++i) {
        const std::u16string item = base::Utf8ToUtf16(items.Strings(i));
        if (item.size() <= typed.size() || Folded(item.substr(0, typed.size()), Grid.LookupCaseSensitive()) != prefix)
            continue;
        const std::u16string tail = item.substr(typed.size(), 255);
        Edit.SetText(base::Utf16ToUtf8(typed + tail));
        Edit.SetSelStart(caret);
        Edit.SetSelLength(static_cast<int>(tail.size()));
        return;
    }
}

void LookupRemember(TExtStringGrid& Grid, const std::string& Text) {
    if (Grid.LookupHistory() && !Text.empty() && Grid.LookupItems().IndexOf(Text) < 0) Grid.LookupItems().Add(Text);
}

void TExtInplaceEdit::KeyUp(unsigned short& Key, plat::TShiftState Shift) {
    plat::TInplaceEdit::KeyUp(Key, Shift);
    SizeWhileTyping();
    // Only a key that typed a character completes: after Backspace, Delete
    // or a caret move the text stays as the user left it.
    if (FTyped && FExtGrid && FExtGrid->EditMode()) LookupComplete(*FExtGrid, *this);
    FTyped = false;
}

void TExtInplaceEdit::UpdateContents() {
    if (FExtGrid) {
        const std::string& pc = FExtGrid->PasswordChar();
        SetPasswordChar(FExtGrid->EditControl() == edPassword ? (pc.empty() ? U'*' : static_cast<char32_t>(pc[0])) : 0);
    }
    plat::TInplaceEdit::UpdateContents();
    FMask.reset();
    if (!FExtGrid) return;
    const std::string mask = FExtGrid->GetEditMask(FExtGrid->Col(), FExtGrid->Row());
    if (!mask.empty()) FMask = std::make_shared<TEditMaskText>(mask);
    ChooseLines();
    if (!Masked()) return;
    // The mask sets the length; the cell shows its places.
    SetMaxLength(0);
    SetText(base::Utf16ToUtf8(FMask->Display(Text())));
}

std::string TExtInplaceEdit::EditValue() const {
    return Masked() ? FMask->Value(base::Utf8ToUtf16(Text())) : Text();
}

void TExtInplaceEdit::KeyPress(char32_t& Key) {
    const TEditorType kind = FExtGrid ? FExtGrid->EditControl() : edNormal;
    if (Masked() && Key >= 32) {
        if (FExtGrid && FExtGrid->OnKeyPress) FExtGrid->OnKeyPress(FExtGrid, Key);
        if (Key != 0) MaskTypeChar(*this, *FMask, Key);
        Key = 0;
        // A filled mask moves on by itself where the grid advances on its own.
        if (FExtGrid && FExtGrid->Navigation().AdvanceAuto() && FMask->Complete(base::Utf8ToUtf16(Text())) &&
            SelStart() >= FMask->Size()) {
            char32_t enter = 13;
            FExtGrid->KeyPress(enter);
        }
        return;
    }
    if (FExtGrid && FExtGrid->EditMode() &&
        CheckEditChar(kind, Key, Text(), SelStart(), SelLength(), FExtGrid->ValidChars()) == cvDrop) {
        Key = 0;
        return;
    }
    plat::TInplaceEdit::KeyPress(Key);
    FTyped = Key >= 32;
    if (FExtGrid && kind == edMixedCase && Key >= 32) {
        // The whole text is re-cased around the new character; the caret
        // stays just after it.
        std::u16string t = base::Utf8ToUtf16(Text());
        const int size = static_cast<int>(t.size());
        const int start = std::clamp(SelStart(), 0, size);
        const int len = std::clamp(SelLength(), 0, size - start);
        t.replace(static_cast<size_t>(start), static_cast<size_t>(len), 1, static_cast<char16_t>(Key));
        SetText(ctl::ToMixedCase(base::Utf16ToUtf8(t)));
        SetSelStart(start + 1);
        SetSelLength(0);
        Key = 0;
    }
}

void TExtInplaceEdit::Dispatch(plat::TMessage& Message) {
    unsigned short key = 0;
    plat::TShiftState shift = 0;
    if (Message.Msg == plat::WM_PASTE) key = 'V', shift = plat::ssCtrl;
    else if (Message.Msg == plat::WM_CLEAR && Masked()) key = plat::VK_DELETE;
    if (key == 0) {
        plat::TInplaceEdit::Dispatch(Message);
        return;
    }
    KeyDown(key, shift);
}

void TExtInplaceEdit::KeyDown(unsigned short& Key, plat::TShiftState Shift) {
    const bool paste = (Key == 'V' && (Shift & plat::ssCtrl) && !(Shift & plat::ssAlt)) ||
                       (Key == plat::VK_INSERT && (Shift & plat::ssShift) && !(Shift & plat::ssCtrl));
    if (paste && FExtGrid && FExtGrid->EditMode()) {
        // A paste would bypass the per-character rules: it is checked here
        // as a whole.
        Key = 0;
        // The window may refuse a paste into the cell; it hears of it from
        // the editor itself.
        bool allow = plat::Clipboard().HasText();
        std::string pasted = plat::Clipboard().AsText();
        if (FExtGrid->OnClipboardPaste) FExtGrid->OnClipboardPaste(this, allow);
        const int col = FExtGrid->Col(), row = FExtGrid->Row();
        if (allow && FExtGrid->OnClipboardBeforePasteCell)
            FExtGrid->OnClipboardBeforePasteCell(this, col, row, pasted, allow);
        if (!allow) return;
        PasteText(pasted);
        if (FExtGrid && FExtGrid->OnClipboardAfterPasteCell)
            FExtGrid->OnClipboardAfterPasteCell(this, col, row, EditValue());
        return;
    }
    if (LinesKeyDown(Key, Shift)) return;
    if (Masked() && !(Shift & (plat::ssCtrl | plat::ssAlt)) && MaskEraseKey(*this, *FMask, Key)) {
        Key = 0;
        return;
    }
    const bool plain = !(Shift & (plat::ssShift | plat::ssCtrl | plat::ssAlt));
    if (FExtGrid && FExtGrid->EditMode() && FExtGrid->Navigation().CursorWalkEditor() && plain && SelLength() == 0 &&
        ((FExtGrid->ReadingKey(Key) == plat::VK_LEFT && SelStart() == 0) ||
         (FExtGrid->ReadingKey(Key) == plat::VK_RIGHT &&
          SelStart() >= static_cast<int>(base::Utf8ToUtf16(Text()).size())))) {
        const bool forward = FExtGrid->ReadingKey(Key) == plat::VK_RIGHT;
        Key = 0;
        FExtGrid->WalkFromEditor(forward);
        return;
    }
    plat::TInplaceEdit::KeyDown(Key, Shift);
}

bool PasteChecked(TExtStringGrid& Grid, plat::TEdit& Edit, TEditorType Kind, const std::string& Pasted) {
    std::string text = Pasted;
    // A single line copied with its line end loses the line end.
    for (const char* end : {"\r\n", "\n", "\r"}) {
        const size_t at = text.rfind(end);
        if (at != std::string::npos && at + std::char_traits<char>::length(end) == text.size()) {
            text.erase(at);
            break;
        }
    }
    const std::u16string ins = base::Utf8ToUtf16(text);
    // What no key types into the cell cannot come in by the clipboard
    // either: tabs and the line breaks of copied rows would otherwise land
    // in one cell. Line breaks come in where a key types them.
    const bool breaks = Edit.MultiLine() && (TypesLineBreak(Grid, Kind, false) || TypesLineBreak(Grid, Kind, true));
    for (size_t i = 0; i < ins.size(); ++i) {
        const char16_t ch = ins[i];
        if (ch >= 32 && ch != 0x7F) continue;
        const bool lineBreak = ch == u'\n' || (ch == u'\r' && i + 1 < ins.size() && ins[i + 1] == u'\n');
        if (!(lineBreak && breaks)) return false;
    }
    std::u16string cur = base::Utf8ToUtf16(Edit.Text());
    const int size = static_cast<int>(cur.size());
    const int start = std::clamp(Edit.SelStart(), 0, size);
    const int len = std::clamp(Edit.SelLength(), 0, size - start);
    cur.replace(static_cast<size_t>(start), static_cast<size_t>(len), ins);
    std::string result = base::Utf16ToUtf8(cur);
    const int limit = Grid.GetEditLimit();
    if (limit > 0 && static_cast<int>(cur.size()) > limit) return false;
    const TEditorType kind = Kind;
    const bool minus = result.find('-') != std::string::npos;
    switch (kind) {
        case edNumeric:
        case edPositiveNumeric:
            if (ctl::ClassifyNumberText(result) != ctl::ntInteger || (kind == edPositiveNumeric && minus))
                return false;
            break;
        case edFloat:
        case edPositiveFloat: {
            const int c = ctl::ClassifyNumberText(result);
            if ((c != ctl::ntInteger && c != ctl::ntDecimal) || (kind == edPositiveFloat && minus)) return false;
            break;
        }
        case edUpperCase: result = base::UpperCase(result); break;
        case edLowerCase: result = base::LowerCase(result); break;
        case edMixedCase: result = ctl::ToMixedCase(result); break;
        case edValidChars: {
            const std::u16string valid = base::Utf8ToUtf16(Grid.ValidChars());
            if (!valid.empty())
                for (char16_t ch : ins)
                    if (valid.find(ch) == std::u16string::npos) return false;
            break;
        }
        default: break;
    }
    Edit.SetText(result);
    if (len > 0) {
        Edit.SetSelStart(start);
        Edit.SetSelLength(static_cast<int>(ins.size()));
    } else {
        Edit.SetSelStart(start + static_cast<int>(ins.size()));
        Edit.SetSelLength(0);
    }
    return true;
}

void PasteOrBeep(TExtStringGrid& Grid, plat::TEdit& Edit, TEditorType Kind, const std::string& Pasted) {
    if (!PasteChecked(Grid, Edit, Kind, Pasted)) plat::Beep();
}

void TExtInplaceEdit::PasteText(const std::string& Pasted) {
    if (Masked()) {
        // A pasted text fills the mask's places as if typed.
        for (char16_t ch : base::Utf8ToUtf16(Pasted)) MaskTypeChar(*this, *FMask, ch);
        return;
    }
    if (FExtGrid) PasteOrBeep(*FExtGrid, *this, FExtGrid->EditControl(), Pasted);
}

void TExtInplaceEdit::DoEnter() {
    FGotFocus = true;
    plat::TInplaceEdit::DoEnter();
    // A mask edit can start on its first place, one character selected,
    // so typing overwrites place by place.
    if (FExtGrid && Masked() && FExtGrid->Navigation().ImproveMaskSel()) {
        SetSelStart(0);
        SetSelLength(1);
        CaretToClick();
        return;
    }
    // Without select-all the user goes on typing after the text rather
    // than over it.
    if (FExtGrid && !FExtGrid->Navigation().EditSelectAll()) CaretToEnd(*this);
    CaretToClick();
}

std::string InplaceEditValue(plat::TInplaceEdit& Editor) {
    if (auto* e = dynamic_cast<TExtInplaceEdit*>(&Editor)) return e->EditValue();
    return Editor.Text();
}

void CaretToEnd(plat::TEdit& Edit) {
    Edit.SetSelStart(static_cast<int>(base::Utf8ToUtf16(Edit.Text()).size()));
    Edit.SetSelLength(0);
}

void TExtInplaceEdit::DoExit() {
    plat::TInplaceEdit::DoExit();
    if (FExtGrid && FGotFocus) LookupRemember(*FExtGrid, Text());
    if (!FGotFocus) return;
    FGotFocus = false;
    // Leaving the editor for another control ends the edit as Enter does;
    // a refused value keeps the editor open, so it takes the focus back.
    if (FExtGrid && FExtGrid->EditMode() && !FExtGrid->FinishEdit(false) && CanFocus()) SetFocus();
}

TGridCombo::TGridCombo(TExtStringGrid* AGrid) : plat::TComboBox(AGrid), FGrid(AGrid) {
    SetVisible(false);
    SetParent(AGrid);
    OnDropDown = [this](plat::TObject*) {
        if (FGrid) FGrid->ComboListShown(true);
    };
    OnCloseUp = [this](plat::TObject*) {
        if (FGrid) FGrid->ComboListShown(false);
    };
}

void TGridCombo::KeyDown(unsigned short& Key, plat::TShiftState Shift) {
    // Enter and Esc end the edit; so do Up and Down when the grid keeps
    // them for moving between rows rather than through the list, and Tab,
    // which the grid then handles as from any cell (the next cell with
    // goTabs): left to the toolkit it would leave the table.
    const bool leaves = Key == plat::VK_RETURN || Key == plat::VK_ESCAPE ||
                        (Key == plat::VK_TAB && !(Shift & (plat::ssAlt | plat::ssCtrl))) ||
                        ((Key == plat::VK_UP || Key == plat::VK_DOWN) && FGrid &&
                         !FGrid->Navigation().ComboGetUpDown() && !(Shift & plat::ssAlt));
    if (FGrid && leaves && !DroppedDown()) {
        const unsigned short k = Key;
        Key = 0;
        // Enter confirms the entry shown, even the one the list opened on.
        if (k == plat::VK_RETURN) FGrid->Ed().ComboUnpicked = false;
        FGrid->DoneInplaceEdit(k, Shift);
        return;
    }
    plat::TComboBox::KeyDown(Key, Shift);
}

void TGridCombo::KeyPress(char32_t& Key) {
    // Enter, Esc and Tab end the edit in KeyDown; their characters must not
    // reach the grid's own handling as well.
    if (Key == 13 || Key == 27 || Key == 9) {
        Key = 0;
        return;
    }
    plat::TComboBox::KeyPress(Key);
}

void TGridCombo::DoExit() {
    plat::TComboBox::DoExit();
    // A free text typed into the list's edit joins the list when the grid
    // keeps a history.
    if (FGrid && FGrid->LookupHistory() && Style() != plat::csDropDownList && !Text().empty() &&
        Items().IndexOf(Text()) < 0)
        Items().Add(Text());
    if (FGrid && FGrid->EditMode()) FGrid->FinishEdit(false);
}

}  // namespace grid
