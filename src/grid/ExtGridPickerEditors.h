#pragma once
// The drop-down pickers as cell editors: a thin wrapper over each picker
// that reports its changes and typed keys to the grid and closes, commits
// and moves by the same key rule as the other special editors. The picker
// keeps its own pop-up; the grid fills the wrapper from the cell and takes
// its text back when the edit ends.

#include <string>

#include "controls/ExtCalculator.h"
#include "controls/ExtTrackMemo.h"
#include "grid/ExtGrid.h"
#include "grid/ExtGridSpecialEditors.h"

namespace grid {

// One key rule for every picker: Enter, Up and Down commit (a refused value
// keeps the editor open on the value validation settled on), Tab commits
// and moves on, Esc leaves the cell as it was. While the pop-up is open a
// closing key takes the picked value and leaves the grid where it is; Alt
// with Down and, while it is closed, End stay with the picker.
template <class TPicker>
class TGridPickerEditor : public TPicker, public TGridEditorRef {
public:
    explicit TGridPickerEditor(TExtStringGrid* AGrid);
    // Shows a cell's text; the value is read back by EditorValue.
    virtual void LoadText(const std::string& Text) { this->SetPlainText(Text); }
    virtual std::string EditorValue() const { return this->GetText(); }

protected:
    // Runs before Enter commits the value.
    virtual void BeforeCommit() {}
    void Dispatch(plat::TMessage& Message) override;
    void KeyDown(unsigned short& Key, plat::TShiftState Shift) override;
    void KeyPress(char32_t& Key) override;
    void DoEnter() override;
    void DoExit() override;
};

class TGridTrackbarDropDown : public TGridPickerEditor<ctl::TExtTrackBarDropDown> {
public:
    explicit TGridTrackbarDropDown(TExtStringGrid* AGrid) : TGridPickerEditor(AGrid) {}
    // The track bar reads the text as its position.
    void LoadText(const std::string& Text) override { SetText(Text); }
};

class TGridMemoDropDown : public TGridPickerEditor<ctl::TExtMemoDropDown> {
public:
    explicit TGridMemoDropDown(TExtStringGrid* AGrid) : TGridPickerEditor(AGrid) {}
};

class TGridCalculatorDropDown : public TGridPickerEditor<ctl::TExtCalculatorDropdown> {
public:
    explicit TGridCalculatorDropDown(TExtStringGrid* AGrid) : TGridPickerEditor(AGrid) {}
    void LoadText(const std::string& Text) override;

protected:
    // "12+3" then Enter stores 15, not the last operand.
    void BeforeCommit() override { CalcResult(); }
};

// The kinds whose editor the grid opens through OpenPickerEditor: the
// pickers and the rich text editor.
bool IsPickerKind(TEditorType Kind);

}  // namespace grid
