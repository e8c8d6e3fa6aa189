// The editor buttons a cell shows while it is not edited (the combo and
// spin buttons kept visible by ControlLook), and the combo editor's list
// extras: dropping and closing it by the mouse settings and the objects
// that stand behind its items.

#include <algorithm>

#include "controls/ExtDrawBars.h"
#include "grid/ExtGridEditors.h"
#include "grid/ExtGridEditorsState.h"
#include "grid/ExtGridPaint.h"
#include "platform/Messages.h"

namespace grid {

namespace {
// The width a kept-visible button takes off the cell's text.
constexpr int ButtonWidth = 16;
}  // namespace

void TExtStringGrid::DrawEditorButtons(plat::TCanvas& Canvas, int ACol, int ARow, plat::TRect& R) {
    const bool combo = FControlLook.DropDownAlwaysVisible(), spin = FControlLook.SpinButtonsAlwaysVisible();
    if ((!combo && !spin) || IsFixed(ACol, ARow) || ACol < FixedCols() || ARow < FixedRows()) return;
    const int rc = RealColIndex(ACol);
    const int kind = FControlLook.FlatButton() ? 2 : 1;
    // A cell the user may not edit shows its button greyed.
    const int state = IsEditable(rc, ARow) ? 0 : 3;
    const ctl::TColorTones& tones = Painter().ColorTones();
    if (combo && HasComboBox(rc, ARow)) {
        ctl::DrawComboButton(Canvas, {R.Left - 2, R.Top - 1, R.Right + 1, R.Bottom}, kind, state, tones);
        R.Right -= ButtonWidth;
    }
    if (spin && HasSpinEdit(rc, ARow)) {
        ctl::DrawSpinButtons(Canvas, R, kind, state, tones);
        R.Right -= ButtonWidth;
    }
}

bool TExtStringGrid::EditorButtonMouseDown(int X, int Y) {
    const bool combo = FControlLook.DropDownAlwaysVisible(), spin = FControlLook.SpinButtonsAlwaysVisible();
    if (!combo && !spin) return false;
    const plat::TGridCoord cell = MouseCoord(X, Y);
    if (cell.X < FixedCols() || cell.Y < FixedRows() || cell.X >= ColCount() || cell.Y >= RowCount()) return false;
    if (IsFixed(cell.X, cell.Y)) return false;
    const int rc = RealColIndex(cell.X);
    const plat::TRect r = GridCellRect(cell.X, cell.Y);
    const bool onButton = X > r.Right - 18 && X < r.Right;
    const bool hasCombo = combo && HasComboBox(rc, cell.Y);
    const bool hasSpin = spin && !hasCombo && HasSpinEdit(rc, cell.Y);
    if (!onButton || (!hasCombo && !hasSpin) || !IsEditable(rc, cell.Y)) return false;
    if (EditMode() && !FinishEdit(false)) return true;
    if (CanFocus()) SetFocus();
    MoveColRow(cell.X, cell.Y, true, true);
    if (Col() != cell.X || Row() != cell.Y) return true;  // the move was refused
    ShowInplaceEdit();
    if (!EditMode()) return true;
    if (hasCombo && EditCtrl() == EditCombo()) {
        if (!EditCombo()->DroppedDown()) EditCombo()->SetDroppedDown(true);  // which reports itself
    } else if (hasSpin && EditCtrl() == SpinEdit()) {
        // The upper half steps up, the lower half down, as on the editor.
        if (Y < r.Top + r.Height() / 2) SpinEdit()->UpClick(SpinEdit());
        else SpinEdit()->DownClick(SpinEdit());
    }
    return true;
}

void TExtStringGrid::AfterComboOpen() {
    if (!FMouseActions.DirectComboDrop() || !EditMode() || EditCtrl() != EditCombo()) return;
    // The list tells the grid itself that it opened.
    EditCombo()->SetDroppedDown(true);
}

void TExtStringGrid::ComboPicked(int Index) {
    TEditState& e = Ed();
    if (OnComboObjectChange) {
        const std::string text = Index >= 0 ? e.Combo->Items().Strings(Index) : e.Combo->Text();
        OnComboObjectChange(this, e.EditCol, e.EditRow, Index, text, ComboObject(Index));
    }
    if (!FMouseActions.DirectComboClose() || !EditMode() || EditCtrl() != e.Combo) return;
    e.Combo->SetDroppedDown(false);
    FinishEdit(false);
}

void TExtStringGrid::AddComboStringObject(const std::string& S, plat::TObject* AObject) {
    EditCombo()->Items().Add(S);
    auto& objects = Eds().ComboObjects;
    auto it = std::find_if(objects.begin(), objects.end(), [&](const auto& p) { return p.first == S; });
    if (it != objects.end()) it->second = AObject;
    else objects.emplace_back(S, AObject);
}

plat::TObject* TExtStringGrid::ComboObject(int Index) const {
    if (!FEdit || !FEdit->Combo || !FEditors || Index < 0 || Index >= FEdit->Combo->Items().Count()) return nullptr;
    // Objects go with their item's text, so a list the window refills
    // in another order still finds them.
    const std::string& text = FEdit->Combo->Items().Strings(Index);
    for (const auto& [s, object] : FEditors->ComboObjects)
        if (s == text) return object;
    return nullptr;
}

}  // namespace grid
