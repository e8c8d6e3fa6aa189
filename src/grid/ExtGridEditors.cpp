// The editors' side of the editing cycle: they hand the end of an edit
// (focus lost, Enter, Esc) to the grid, which validates and reports it.

#include "grid/ExtGridEditors.h"

#include "platform/Messages.h"

namespace grid {

TExtStringGrid::TEditState::~TEditState() {
    if (Combo) Combo->FGrid = nullptr;
    if (Editor) Editor->FExtGrid = nullptr;
}

TExtInplaceEdit::TExtInplaceEdit(TExtStringGrid* AGrid) : plat::TInplaceEdit(AGrid), FExtGrid(AGrid) {}

void TExtInplaceEdit::DoEnter() {
    FGotFocus = true;
    plat::TInplaceEdit::DoEnter();
}

void TExtInplaceEdit::DoExit() {
    plat::TInplaceEdit::DoExit();
    if (!FGotFocus) return;
    FGotFocus = false;
    // Leaving the editor for another control ends the edit as Enter does;
    // a refused value keeps the editor open, so it takes the focus back.
    if (FExtGrid && FExtGrid->EditMode() && !FExtGrid->FinishEdit(false) && CanFocus()) SetFocus();
}

TGridCombo::TGridCombo(TExtStringGrid* AGrid) : plat::TComboBox(AGrid), FGrid(AGrid) {
    SetVisible(false);
    SetParent(AGrid);
}

void TGridCombo::KeyDown(unsigned short& Key, plat::TShiftState Shift) {
    if (FGrid && (Key == plat::VK_RETURN || Key == plat::VK_ESCAPE) && !DroppedDown()) {
        const bool restore = Key == plat::VK_ESCAPE;
        Key = 0;
        FGrid->FinishEdit(restore);
        return;
    }
    plat::TComboBox::KeyDown(Key, Shift);
}

void TGridCombo::KeyPress(char32_t& Key) {
    // Enter and Esc end the edit in KeyDown; their characters must not
    // reach the grid's own handling as well.
    if (Key == 13 || Key == 27) {
        Key = 0;
        return;
    }
    plat::TComboBox::KeyPress(Key);
}

void TGridCombo::DoExit() {
    plat::TComboBox::DoExit();
    if (FGrid && FGrid->EditMode()) FGrid->FinishEdit(false);
}

}  // namespace grid
