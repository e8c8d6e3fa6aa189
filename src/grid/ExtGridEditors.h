#pragma once
// The string grid's in-place editors and the state of an edit. The text
// editor is the framework's, taught to end the edit when it loses the
// focus; the combo editor is one list control the grid moves over the cell
// being edited.

#include <memory>
#include <string>

#include "grid/EditMask.h"
#include "grid/EsgCheck.h"
#include "grid/ExtGrid.h"
#include "grid/ExtGridHint.h"
#include "grid/ExtGridSpecialEditors.h"
#include "platform/Grids.h"
#include "platform/StdCtrls.h"

namespace grid {

// What an editor does with a typed character under a kind's rules.
enum TCharVerdict { cvAccept, cvDrop, cvBeep };

// The character rules of the text kinds (edNumeric, edFloat, the case
// kinds, edValidChars...). Text is the editor's text, SelStart and SelLen
// its selection in characters. Key may come back changed (upper case).
TCharVerdict CheckEditChar(TEditorType Kind, char32_t& Key, const std::string& Text, int SelStart, int SelLen,
                           const std::string& ValidChars);

// Completes the text before the caret from the grid's lookup items; the
// completed tail is selected, so typing on replaces it.
void LookupComplete(TExtStringGrid& Grid, plat::TEdit& Edit);
// Pastes into an editor under the rules of a text kind, checked as a
// whole: a text the kind refuses, one beyond the length limit, or one
// holding what no key types into the cell (tabs; line breaks unless the
// editor shows lines) leaves the editor as it was and answers false. A
// single line loses a trailing line end.
bool PasteChecked(TExtStringGrid& Grid, plat::TEdit& Edit, TEditorType Kind, const std::string& Pasted);
// Whether a key types a line break into an editor of Kind in Grid: Enter
// where the grid takes it so, Ctrl+Enter where it allows it (a wrapping
// grid). Pasted line breaks are taken exactly where typed ones are.
bool TypesLineBreak(const TExtStringGrid& Grid, TEditorType Kind, bool Ctrl);
// The same, with the warning sound when the paste is refused.
void PasteOrBeep(TExtStringGrid& Grid, plat::TEdit& Edit, TEditorType Kind, const std::string& Pasted);
// The caret after the last character, nothing selected.
void CaretToEnd(plat::TEdit& Edit);
// With CaretPositioning, the caret of an editor a left click opened goes
// to the character under the click, nothing selected.
void PlaceCaretByClick(TExtStringGrid& Grid, plat::TEdit& Edit);
// The value the text editor stores (its text, or its masked value).
std::string InplaceEditValue(plat::TInplaceEdit& Editor);
// Adds an edited text to the lookup items when the grid keeps a history.
void LookupRemember(TExtStringGrid& Grid, const std::string& Text);

class TExtInplaceEdit : public plat::TInplaceEdit {
public:
    explicit TExtInplaceEdit(TExtStringGrid* AGrid);
    // The value the edit stores: the text, or under an edit mask the
    // text without its blanks (and without its literals where the mask
    // says so).
    std::string EditValue() const;
    bool Masked() const { return FMask && !FMask->Empty(); }

protected:
    void DoEnter() override;
    void DoExit() override;
    void KeyPress(char32_t& Key) override;
    void KeyDown(unsigned short& Key, plat::TShiftState Shift) override;
    void KeyUp(unsigned short& Key, plat::TShiftState Shift) override;
    void UpdateContents() override;
    // The editor's menu pastes and deletes by the cell's rules, as the keys do.
    void Dispatch(plat::TMessage& Message) override;

private:
    friend struct TExtStringGrid::TEditState;
    // Pastes the clipboard text under the kind's rules; a text the kind
    // refuses leaves the editor as it was.
    void PasteText(const std::string& Pasted);
    // Multi-line editing: the editor shows lines for word-wrapped cells,
    // for grids that take Enter as a line break and for texts that hold
    // line breaks (one line would lose them).
    void ChooseLines();
    // Up, Down and Enter as the lines see them; true when the key is done.
    bool LinesKeyDown(unsigned short& Key, plat::TShiftState Shift);
    // The caret at the character a click that opened the editor hit.
    void CaretToClick();
    // Rows and columns that grow with the text while it is typed.
    void SizeWhileTyping();
    TExtStringGrid* FExtGrid;
    std::shared_ptr<TEditMaskText> FMask;  // the cell's mask, none when empty
    bool FGotFocus = false;
    bool FTyped = false;  // the key going up typed a character
};

class TGridCombo : public plat::TComboBox {
public:
    explicit TGridCombo(TExtStringGrid* AGrid);

protected:
    void KeyDown(unsigned short& Key, plat::TShiftState Shift) override;
    void KeyPress(char32_t& Key) override;
    void DoExit() override;

private:
    friend struct TExtStringGrid::TEditState;
    TExtStringGrid* FGrid;
};

struct TExtStringGrid::TEditState {
    TEditorType EditControl = edNormal;
    bool EditMode = false;
    bool Editing = false;       // an opened edit not yet validated
    bool EditDisable = false;   // goEditing taken away for a read-only cell
    bool EditChange = false;    // goEditing was switched by the grid itself
    bool SpecialEditor = false; // a control other than the text editor shows
    bool Validating = false;
    bool Finishing = false;     // FinishEdit runs: focus moves are no new end
    bool EditWithTags = false;
    bool AlwaysValidate = false;
    std::string CellCache;      // the text the editor opened with
    int EditCol = -1;           // real column of the cell being edited
    int EditRow = -1;
    int LastComboIndex = -1;
    // The list opened on an entry the cell does not hold (its first one) and
    // the user has not chosen yet: leaving keeps the cell as it was.
    bool ComboUnpicked = false;
    std::string OpenText;       // what the editor showed when it opened
    TGridCombo* Combo = nullptr;
    TExtInplaceEdit* Editor = nullptr;
    // The special editors, made on first use; EditCtrl is the one showing.
    plat::TWinControl* EditCtrl = nullptr;
    TGridSpin* Spin = nullptr;
    TGridEditBtn* EditBtn = nullptr;
    TGridUnitEditBtn* UnitEditBtn = nullptr;
    TGridCheckBox* Check = nullptr;
    TGridButton* Button = nullptr;
    TGridDatePicker* Date = nullptr;
    TGridDatePicker* DateTime = nullptr;
    TEditLink* Link = nullptr;
    std::string ValidChars;
    bool Lookup = false;
    bool LookupCaseSensitive = false;
    bool LookupHistory = false;
    plat::TStrings LookupItems;
    int ComboIdx = -1;          // item to open a list on when the text is not listed
    base::TDateTime OriginalDateTime = 0;
    char32_t StartEditChar = 0;  // the character that opened the editor by typing
    plat::TNotifyEvent LinkExit; // the link control's own exit handler, while it edits
    bool HintSaved = false;
    std::string BaseHint;  // the grid's own hint, for cells without one
    TCheckerLink Checker;
    std::unique_ptr<plat::TBalloonWindow> InvalidTip;

    TEditState() = default;
    TEditState(const TEditState&) = delete;
    TEditState& operator=(const TEditState&) = delete;
    // The editors outlive the grid's own members while the grid goes; they
    // must not call back into it then.
    ~TEditState();
};

}  // namespace grid
