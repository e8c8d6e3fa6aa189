#pragma once
// Standard controls: labels, edits, memo, buttons, check and radio buttons,
// combo and list boxes, group box. Each is a toolkit widget behind our
// properties; keys typed into them pass OnKeyDown and OnKeyPress first.

#include <string>
#include <vector>

#include "platform/Controls.h"

namespace plat {

enum TTextLayout { tlTop, tlCenter, tlBottom };

class TLabel : public TControl {
public:
    explicit TLabel(TComponent* AOwner);
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment Value);
    TTextLayout Layout() const { return FLayout; }
    void SetLayout(TTextLayout Value);
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool Value);
    // An auto-sized label takes the size of its text.
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool Value);
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool Value);

protected:
    void CMTextChanged(TMessage& Message) override;
    void CMFontChanged(TMessage& Message) override;
    void MeasureBounds() override;

private:
    // Measures now when the label shows, else when its size is next needed.
    void AdjustBounds();
    TAlignment FAlignment = taLeftJustify;
    TTextLayout FLayout = tlTop;
    bool FWordWrap = false;
    bool FAutoSize = true;
    bool FTransparent = false;
};

enum TSysLinkType { sltURL, sltID };
using TSysLinkEvent = std::function<void(TObject* Sender, const std::string& Link, TSysLinkType LinkType)>;

// A label whose caption may hold <a href="...">anchors</a>; a click on one
// fires OnLinkClick with its target.
class TLinkLabel : public TControl {
public:
    explicit TLinkLabel(TComponent* AOwner);
    TSysLinkEvent OnLinkClick;
};

class TPopupMenu;

enum TEditCharCase { ecNormal, ecUpperCase, ecLowerCase };

class TEdit : public TWinControl {
public:
    explicit TEdit(TComponent* AOwner);
    // 0 = no limit (in characters).
    int MaxLength() const { return FMaxLength; }
    void SetMaxLength(int Value);
    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool Value);
    TEditCharCase CharCase() const { return FCharCase; }
    void SetCharCase(TEditCharCase Value);
    // Shows this character instead of each typed one (0 = plain text).
    char32_t PasswordChar() const { return FPasswordChar; }
    void SetPasswordChar(char32_t Value);
    int SelStart() const;
    void SetSelStart(int Value);
    int SelLength() const;
    void SetSelLength(int Value);
    void SelectAll();
    // Replaces the selection (or inserts at the caret) with Value; the
    // caret ends after it.
    void SetSelText(const std::string& Value);
    void Clear() { SetText(""); }

    // A multi-line edit shows the line breaks of its text ("\r\n" in Text)
    // and scrolls vertically; with WordWrap it wraps long lines at its
    // width instead of scrolling sideways. Positions (SelStart...) count a
    // line break as the two characters it is in Text.
    bool MultiLine() const { return FMultiLine; }
    void SetMultiLine(bool Value);
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool Value);
    // The position of the character boundary nearest the client point
    // (X, Y), the caret a click there would give.
    int CharFromPos(int X, int Y) const;
    // The line shown (wrapped lines counted as shown, 0 first) that holds
    // position Index.
    int LineFromChar(int Index) const;
    // The edit's own menu (a right click, the menu key): Undo, Cut, Copy,
    // Paste, Delete and Select All. Each entry sends its message (WM_UNDO,
    // WM_CUT, WM_COPY, WM_PASTE, WM_CLEAR) to the edit, so an edit with
    // rules of its own handles them as it handles the keys.
    void PopupEditMenu(TPoint ScreenPoint);

    TNotifyEvent OnChange;
    // Runs before a paste (Ctrl+V, Shift+Insert, the menu's Paste) puts the
    // clipboard's text in. A handler that takes the paste itself, typing it
    // under the edit's own rules or refusing it, sets Handled.
    std::function<void(TObject* Sender, const std::string& Text, bool& Handled)> OnPaste;

protected:
    // Runs on every change of the text, typed or set; fires OnChange. An
    // edit that reacts to typing itself overrides it and still calls it.
    virtual void Change();
    // The clipboard messages do what the edit does by itself.
    void Dispatch(TMessage& Message) override;
    // An edit that draws over what the toolkit drew (a frame in colours of
    // its own) turns this on; PaintOver then runs after every paint of the
    // edit, with Canvas on its whole surface, the toolkit's frame included.
    bool PaintsOver() const { return FPaintsOver; }
    void SetPaintsOver(bool Value);
    virtual void PaintOver(TCanvas& Canvas) { (void)Canvas; }
    // The paste keys go the way of the menu's Paste while OnPaste is set.
    void KeyDown(unsigned short& Key, TShiftState Shift) override;

private:
    friend class TEditWidget;
    bool FPaintsOver = false;
    TPopupMenu* FEditMenu = nullptr;
    int FMaxLength = 0;
    bool FReadOnly = false;
    TEditCharCase FCharCase = ecNormal;
    char32_t FPasswordChar = 0;
    bool FMultiLine = false;
    bool FWordWrap = false;
    bool FSyncing = false;
};

enum TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };

class TMemo : public TWinControl {
public:
    explicit TMemo(TComponent* AOwner);
    ~TMemo() override;
    // The lines; changing them changes the text shown.
    TStrings& Lines() { return FLines; }
    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool Value);
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool Value);
    TScrollStyle ScrollBars() const { return FScrollBars; }
    void SetScrollBars(TScrollStyle Value);
    int MaxLength() const { return FMaxLength; }
    void SetMaxLength(int Value);
    void Clear() { FLines.Clear(); }

    TNotifyEvent OnChange;

private:
    friend struct TNativeAccess;
    std::string JoinedLines() const;
    TStrings FLines;
    bool FReadOnly = false;
    bool FWordWrap = true;
    TScrollStyle FScrollBars = ssNone;
    int FMaxLength = 0;
    bool FSyncing = false;
};

// A push button with the toolkit's own face; Default answers Enter and Cancel
// Escape on its form, and ModalResult closes a modal form.
class TButton : public TWinControl {
public:
    explicit TButton(TComponent* AOwner);
    int ModalResult() const { return FModalResult; }
    void SetModalResult(int Value) { FModalResult = Value; }
    bool Default() const { return FDefault; }
    void SetDefault(bool Value) { FDefault = Value; }
    bool Cancel() const { return FCancel; }
    void SetCancel(bool Value) { FCancel = Value; }

protected:
    void Click() override;
    void Dispatch(TMessage& Message) override;

private:
    int FModalResult = 0;
    bool FDefault = false;
    bool FCancel = false;
};

// Changing Checked, by the user or by code, fires OnClick.
class TCheckBox : public TWinControl {
public:
    explicit TCheckBox(TComponent* AOwner);
    bool Checked() const { return FChecked; }
    void SetChecked(bool Value);

private:
    friend struct TNativeAccess;
    bool FChecked = false;
};

// Radio buttons with the same parent form one group: checking one unchecks
// the others.
class TRadioButton : public TWinControl {
public:
    explicit TRadioButton(TComponent* AOwner);
    bool Checked() const { return FChecked; }
    void SetChecked(bool Value);

private:
    friend struct TNativeAccess;
    bool FChecked = false;
};

enum TComboBoxStyle { csDropDown, csSimple, csDropDownList };

class TComboBox : public TWinControl {
public:
    explicit TComboBox(TComponent* AOwner);
    ~TComboBox() override;
    TStrings& Items() { return FItems; }
    int ItemIndex() const { return FItemIndex; }
    void SetItemIndex(int Value);
    TComboBoxStyle Style() const { return FStyle; }
    void SetStyle(TComboBoxStyle Value);
    int DropDownCount() const { return FDropDownCount; }
    void SetDropDownCount(int Value);
    int MaxLength() const { return FMaxLength; }
    void SetMaxLength(int Value);
    bool DroppedDown() const;
    void SetDroppedDown(bool Value);
    bool Sorted() const { return FSorted; }
    void SetSorted(bool Value);
    // The width of the dropped list: at least the control's width, wider
    // when set so (0 = the control's width).
    int DroppedWidth() const;
    void SetDroppedWidth(int Value);

    // OnDropDown and OnCloseUp fire when the list opens and closes, by
    // the user or by code.
    TNotifyEvent OnDropDown;
    TNotifyEvent OnCloseUp;
    // OnChange fires when the user edits the text, and when the user picks
    // an item while no OnSelect is set; OnSelect fires when the user picks
    // an item. Setting ItemIndex or Text by code fires neither.
    TNotifyEvent OnChange;
    TNotifyEvent OnSelect;

private:
    friend struct TNativeAccess;
    void SyncItems();
    TStrings FItems;
    int FItemIndex = -1;
    TComboBoxStyle FStyle = csDropDown;
    int FDropDownCount = 8;
    int FMaxLength = 0;
    bool FSorted = false;
    bool FSyncing = false;
    int FDroppedWidth = 0;
};

class TListBox : public TWinControl {
public:
    explicit TListBox(TComponent* AOwner);
    ~TListBox() override;
    TStrings& Items() { return FItems; }
    int ItemIndex() const { return FItemIndex; }
    void SetItemIndex(int Value);
    bool MultiSelect() const { return FMultiSelect; }
    void SetMultiSelect(bool Value);
    bool Selected(int Index) const;
    void SetSelected(int Index, bool Value);
    int SelCount() const;
    bool Sorted() const { return FSorted; }
    void SetSorted(bool Value);

protected:
    // Entries with check boxes (see TCheckListBox); states stay with the
    // entry's position when the entries change.
    void SetCheckBoxes(bool Value);
    bool ItemChecked(int Index) const;
    void SetItemChecked(int Index, bool Value);
    // The user flipped an entry's box (a click on it, or Space).
    virtual void CheckClicked(int Index) { (void)Index; }

private:
    friend struct TNativeAccess;
    void SyncItems();
    void SyncCheck(int Index);
    TStrings FItems;
    int FItemIndex = -1;
    bool FMultiSelect = false;
    bool FSorted = false;
    bool FSyncing = false;
    bool FCheckBoxes = false;
    std::vector<bool> FChecked;
};

// A list whose entries carry check boxes. A click on an entry's box or Space
// on the current entry flips it and fires OnClickCheck; a click on the text
// only selects. Setting Checked from code fires nothing.
class TCheckListBox : public TListBox {
public:
    explicit TCheckListBox(TComponent* AOwner);
    bool Checked(int Index) const { return ItemChecked(Index); }
    void SetChecked(int Index, bool Value) { SetItemChecked(Index, Value); }
    TNotifyEvent OnClickCheck;

protected:
    virtual void ClickCheck();
    void CheckClicked(int Index) override;
};

class TGroupBox : public TWinControl {
public:
    explicit TGroupBox(TComponent* AOwner);
};

}  // namespace plat
