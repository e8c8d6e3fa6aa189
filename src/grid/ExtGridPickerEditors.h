#pragma once
// The drop-down pickers as cell editors: a thin wrapper over each picker
// that reports its changes and typed keys to the grid and closes, commits
// and moves by the same key rule as the other special editors. The picker
// keeps its own pop-up; the grid fills the wrapper from the cell and takes
// its text back when the edit ends.

#include <string>

#include "controls/ColorPicker.h"
#include "controls/DetailDropDown.h"
#include "controls/ExtCalculator.h"
#include "controls/ExtTimePickerDropDown.h"
#include "controls/ExtTrackMemo.h"
#include "controls/ImagePicker.h"
#include "controls/MultiColumnDropDown.h"
#include "grid/GridDropDown.h"
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
    // Fills the picker from the cell (real column); most take its text.
    virtual void LoadCell(TExtStringGrid& Grid, int RCol, int ARow, const std::string& Text) {
        (void)Grid, (void)RCol, (void)ARow;
        LoadText(Text);
    }
    // Stores what the cell keeps beside its text, as the edit is written;
    // Value is the text about to be written and may be changed.
    virtual void StoreCell(TExtStringGrid& Grid, int RCol, int ARow, std::string& Value) {
        (void)Grid, (void)RCol, (void)ARow, (void)Value;
    }

protected:
    // Runs before Enter commits the value.
    virtual void BeforeCommit() {}
    // Esc: the grid still stores what the picker holds beside the text (a
    // colour, an image), so the picker goes back to what it loaded first.
    virtual void RevertToCell() {}
    // Pickers whose own keys would otherwise let Enter or Esc reach the
    // form (its default or cancel button) claim them for the cell.
    virtual bool ClaimsEnterAndEsc() const { return false; }
    // Whether the key rule takes Key, or leaves it to the picker (its pop-up
    // and its own keys).
    virtual bool TakesKey(unsigned short Key, bool Alt) const;
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

protected:
    bool ClaimsEnterAndEsc() const override { return true; }
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

class TGridTimepickerDropDown : public TGridPickerEditor<ctl::TExtTimePickerDropDown> {
public:
    // A cell's time is typed as well as picked. The cell is the editor's
    // whole face: a highlight over it would hide the time being edited.
    explicit TGridTimepickerDropDown(TExtStringGrid* AGrid) : TGridPickerEditor(AGrid) {
        SetEditorEnabled(true);
        SetFocusDraw(false);
    }
};

// Chooses the entry whose caption is the cell's text, so that the list
// opens on it.
class TGridDetailPickerDropDown : public TGridPickerEditor<ctl::TExtDetailDropDown> {
public:
    explicit TGridDetailPickerDropDown(TExtStringGrid* AGrid) : TGridPickerEditor(AGrid) { SetEditorEnabled(true); }
    void LoadText(const std::string& Text) override;
};

// The two list pickers choose the entry the cell's text looks up (the
// first entry for an empty cell), so that the list opens on it; the cell's
// text stays as it was until the user picks.
class TGridGridDropDown : public TGridPickerEditor<ctl::TExtMultiColumnDropDown> {
public:
    explicit TGridGridDropDown(TExtStringGrid* AGrid) : TGridPickerEditor(AGrid) { SetEditorEnabled(true); }
    void LoadText(const std::string& Text) override;
};

class TGridExtGridDropDown : public TGridPickerEditor<TCustomExtGridDropDown> {
public:
    explicit TGridExtGridDropDown(TExtStringGrid* AGrid) : TGridPickerEditor(AGrid) { SetEditorEnabled(true); }
    // The drop-down's inner grid.
    TExtStringGrid* Grid() const { return GetGrid(); }
    void LoadText(const std::string& Text) override;
};

// Picks the colour of a shape cell's shape, or else the cell's background
// colour; the cell keeps the picked colour there and its colour text as
// its value.
class TGridColorDropDown : public TGridPickerEditor<ctl::TExtColorPickerDropDown> {
public:
    explicit TGridColorDropDown(TExtStringGrid* AGrid) : TGridPickerEditor(AGrid) {}
    void LoadCell(TExtStringGrid& Grid, int RCol, int ARow, const std::string& Text) override;
    // The grid writes the value back on Esc as well, after loading the
    // cell again: a colour left as the cell had it keeps the cell's text.
    std::string EditorValue() const override {
        return SelectedColor() == FLoadedColor ? FLoadedText : SelectedColorText();
    }
    void StoreCell(TExtStringGrid& Grid, int RCol, int ARow, std::string& Value) override;

protected:
    // The arrows and page keys move in the open colour selector; Home
    // stays with the grid's rule while it is closed.
    bool TakesKey(unsigned short Key, bool Alt) const override;
    void RevertToCell() override { SetSelectedColor(FLoadedColor); }
    bool ClaimsEnterAndEsc() const override { return true; }

private:
    std::string FLoadedText;
    plat::TColor FLoadedColor = plat::clNone;
    bool FShape = false;  // the cell is a shape cell
};

// Picks an image for a cell: the image of an image-list cell, or the
// image index a data-image cell (or any other cell) holds as its value.
// On the grid's image cells the entries are the grid's images.
class TGridImageDropDown : public TGridPickerEditor<ctl::TExtImagePickerDropDown> {
public:
    explicit TGridImageDropDown(TExtStringGrid* AGrid) : TGridPickerEditor(AGrid) {}
    void LoadCell(TExtStringGrid& Grid, int RCol, int ARow, const std::string& Text) override;
    void LoadText(const std::string& Text) override;
    std::string EditorValue() const override;
    void StoreCell(TExtStringGrid& Grid, int RCol, int ARow, std::string& Value) override;

protected:
    void RevertToCell() override { SetImageIndex(FLoadedIndex); }

private:
    // The cell's value, kept while no entry is chosen.
    std::string FLoaded;
    int FLoadedIndex = -1;
    bool FImageListCell = false;  // the image is the cell's graphic, not its value
};

// The kinds whose editor the grid opens through OpenPickerEditor: the
// pickers and the rich text editor.
bool IsPickerKind(TEditorType Kind);

}  // namespace grid
