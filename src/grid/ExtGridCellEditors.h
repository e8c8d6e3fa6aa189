#pragma once
// Editors the grid lays over cells that are not its normal ones: the edit
// and combo of fixed cells, the rich text editor and the editors of a
// cell's inline form controls.

#include <memory>
#include <string>
#include <vector>

#include "grid/EditMask.h"
#include "grid/ExtGrid.h"
#include "grid/ExtGridSpecialEditors.h"
#include "platform/StdCtrls.h"

namespace grid {

// The fixed-cell editors store their text when they lose the focus; a
// value the grid's OnCellValidate refuses keeps them open and focused.
class TGridTransEdit : public plat::TEdit, public TGridEditorRef {
public:
    explicit TGridTransEdit(TExtStringGrid* AGrid);
    int Col = -1;  // the fixed cell being edited (real column)
    int Row = -1;
    // Validates and stores the text; false (the editor stays) when refused.
    bool StopEdit();

protected:
    void KeyPress(char32_t& Key) override;
    void DoExit() override;
};

class TGridTransCombo : public plat::TComboBox, public TGridEditorRef {
public:
    explicit TGridTransCombo(TExtStringGrid* AGrid);
    int Col = -1;
    int Row = -1;
    bool StopEdit();

protected:
    void KeyPress(char32_t& Key) override;
    void DoExit() override;
};

// The editor of rich text cells. The platform's edit carries plain text
// only, so the editor edits a cell's text as plain text; the vertical
// offset of characters (sub- and superscript) is kept beside the text, one
// value per character, for the selection operations.
class TExtRichEdit : public plat::TEdit, public TGridEditorRef {
public:
    explicit TExtRichEdit(TExtStringGrid* AGrid);
    // A cell's text in and out, as the other editors over cells take it.
    void LoadText(const std::string& Value) {
        Lock();
        SetText(Value);
        Unlock();
    }
    std::string EditorValue() const { return Text(); }
    void SelNormal() { SetSelOffset(0); }
    void SelSubscript() { SetSelOffset(-40); }
    void SelSuperscript() { SetSelOffset(40); }
    bool IsSelNormal() const { return SelOffsetIs(0); }
    bool IsSelSubscript() const { return SelOffsetIs(-40); }
    bool IsSelSuperscript() const { return SelOffsetIs(40); }
    // The grid locks the editor while it loads a cell into it: a size
    // request then is not the user typing.
    void Lock() { FLocked = true; }
    void Unlock() { FLocked = false; }
    bool Locked() const { return FLocked; }
    int ReqWidth() const { return FReqWidth; }
    int ReqHeight() const { return FReqHeight; }
    // The editor asks for a height for its text (in pixels): with the
    // grid's SizeWhileTyping.Height the row grows to hold it.
    void RequestSize(int Width, int Height);

protected:
    void Dispatch(plat::TMessage& Message) override;
    void KeyDown(unsigned short& Key, plat::TShiftState Shift) override;
    void DoExit() override;

private:
    void SetSelOffset(int Twips);
    bool SelOffsetIs(int Twips) const;
    void SyncOffsets();
    std::vector<int> FOffsets;  // per UTF-16 unit of the text
    std::u16string FOffsetText;
    bool FLocked = false;
    int FReqWidth = 0, FReqHeight = 0;
};

// The editors of a cell's inline EDIT, PASSWORD, MASK and COMBO controls.
// Enter ends the edit; Tab ends it and goes on to the cell's next form
// control (or the next cell with Navigation.AdvanceAuto).
class TControlEdit : public plat::TEdit, public TGridEditorRef {
public:
    explicit TControlEdit(TExtStringGrid* AGrid);
    // Enter or Tab typed into a form control's editor.
    static void FormKey(TExtStringGrid* Grid, char32_t& Key);
    // A MASK control's mask (PROP); none for the other kinds.
    void SetMask(const std::string& Mask);
    // The text, or under a mask the value without blanks.
    std::string EditValue() const;

protected:
    void Dispatch(plat::TMessage& Message) override;
    void KeyDown(unsigned short& Key, plat::TShiftState Shift) override;
    void KeyPress(char32_t& Key) override;
    void DoExit() override;

private:
    std::shared_ptr<TEditMaskText> FMask;
};

class TControlCombo : public plat::TComboBox, public TGridEditorRef {
public:
    explicit TControlCombo(TExtStringGrid* AGrid);

protected:
    void Dispatch(plat::TMessage& Message) override;
    void KeyDown(unsigned short& Key, plat::TShiftState Shift) override;
    void KeyPress(char32_t& Key) override;
    void DoExit() override;
};

}  // namespace grid
