#pragma once
// The grid's special editors: controls laid over the current cell for the
// editor kinds that are not plain text or a combo list — spin, edit with a
// button, value with a unit, check box, push button, date and time pickers
// and an application's own control through an edit link. Each knows its
// grid and keeps one key rule: Enter, Up and Down commit and close (the
// arrows then move the grid), Tab commits and moves on, Esc closes and
// leaves the cell as it was, and leaving the control commits. A value the
// grid's validation refuses keeps the control open.

#include <memory>
#include <string>
#include <vector>

#include "base/DateTime.h"
#include "controls/DateTimePicker.h"
#include "controls/EsgDateTimePicker.h"
#include "controls/EsgEditBtn.h"
#include "controls/EsgSpinEdit.h"
#include "controls/MonthDropDown.h"
#include "grid/EditMask.h"
#include "grid/ExtGrid.h"
#include "platform/Forms.h"
#include "platform/StdCtrls.h"

namespace grid {

// What a special editor knows of its grid. The grid's own members go before
// the controls it owns, so it detaches itself from them first: a control
// freed later must not call back into a grid that is half gone.
class TGridEditorRef {
public:
    explicit TGridEditorRef(TExtStringGrid* AGrid) : FGrid(AGrid) {}
    TExtStringGrid* EditGrid() const { return FGrid; }
    void DetachGrid() { FGrid = nullptr; }

protected:
    TExtStringGrid* FGrid;
};

class TGridSpin : public ctl::TEsgSpinEdit, public TGridEditorRef {
public:
    explicit TGridSpin(TExtStringGrid* AGrid);
    void UpClick(plat::TObject* Sender) override;
    void DownClick(plat::TObject* Sender) override;

protected:
    void KeyDown(unsigned short& Key, plat::TShiftState Shift) override;
    void KeyPress(char32_t& Key) override;
    void DoExit() override;

private:
    void ReportClick(bool Up);
};

class TGridEditBtn : public ctl::TEsgEditBtn, public TGridEditorRef {
public:
    explicit TGridEditBtn(TExtStringGrid* AGrid);
    void DoClickBtn(plat::TObject* Sender) override;
    // Ends the edit after the button has run the ellipsis hook.
    bool StopEditAfterClick = false;
    // Shows a cell's text, under Mask when one is given (edMaskEditBtn).
    void LoadText(const std::string& Value, const std::string& Mask);
    // The text, or under a mask the value without blanks.
    std::string EditValue() const;

protected:
    void KeyDown(unsigned short& Key, plat::TShiftState Shift) override;
    void KeyPress(char32_t& Key) override;
    void KeyUp(unsigned short& Key, plat::TShiftState Shift) override;
    void DoExit() override;

private:
    bool FTyped = false;  // the key going up typed a character
    std::shared_ptr<TEditMaskText> FMask;
};

class TGridUnitEditBtn : public ctl::TEsgUnitEditBtn, public TGridEditorRef {
public:
    explicit TGridUnitEditBtn(TExtStringGrid* AGrid);
    void DoClickBtn(plat::TObject* Sender) override;
    // Splits a value-with-unit text; a unit that is not in Units is still
    // kept, taken as whatever follows the number.
    void LoadValue(const std::string& Value);

protected:
    void KeyDown(unsigned short& Key, plat::TShiftState Shift) override;
    void KeyPress(char32_t& Key) override;
    void DoExit() override;

private:
};

class TGridCheckBox : public plat::TCheckBox, public TGridEditorRef {
public:
    explicit TGridCheckBox(TExtStringGrid* AGrid);

protected:
    void KeyDown(unsigned short& Key, plat::TShiftState Shift) override;
    void DoExit() override;

private:
};

class TGridButton : public plat::TButton, public TGridEditorRef {
public:
    explicit TGridButton(TExtStringGrid* AGrid);

protected:
    void Click() override;
    void KeyDown(unsigned short& Key, plat::TShiftState Shift) override;
    void DoExit() override;

private:
};

enum TDateMode { dmComboBox, dmUpDown };

// A date, time or date-and-time field edited in place: Left and Right pick
// a part, Up and Down step it, digits type it. A part typed in full moves
// on to the next one, except the last part of the format. A date with its
// button drops down a month view (F4, Alt+Down, the button); the day picked
// there keeps the time of day.
class TGridDatePicker : public ctl::TEsgDateTimePicker, public TGridEditorRef {
public:
    explicit TGridDatePicker(TExtStringGrid* AGrid, bool WithTime = false);

    // The value shown, formatted by Format (or the regional format).
    std::string Text() const;
    void SetDateTime(base::TDateTime Value);
    bool Checked() const { return FChecked; }
    void SetChecked(bool Value) { FChecked = Value; Invalidate(); }
    const std::string& Format() const { return FFormat; }
    void SetFormat(const std::string& Value);
    base::TDateTime MinDate() const { return FMinDate; }
    void SetMinDate(base::TDateTime Value) { FMinDate = Value; }
    base::TDateTime MaxDate() const { return FMaxDate; }
    void SetMaxDate(base::TDateTime Value) { FMaxDate = Value; }
    TDateMode DateMode() const { return FDateMode; }
    void SetDateMode(TDateMode Value) { FDateMode = Value; Invalidate(); }
    bool WithTime() const { return FWithTime; }
    // The part being edited (0 = first of the format).
    int FieldIndex() const { return FField; }
    void SetFieldIndex(int Value);
    int FieldCount() const { return static_cast<int>(Fields().size()); }
    // The month view: only a date in the combo-box mode has one.
    bool HasMonthView() const;
    void DropDown();
    bool DroppedDown() const;
    void CloseUp(bool Accept);
    plat::TMonthCalendar* Calendar() const;
    plat::TForm* CalendarForm() const;
    // How the month view shows: week numbers, the "Today:" line, the ring
    // round today.
    bool Weeknumbers() const { return FWeeknumbers; }
    void SetWeeknumbers(bool Value) { FWeeknumbers = Value; }
    bool ShowToday() const { return FShowToday; }
    void SetShowToday(bool Value) { FShowToday = Value; }
    bool ShowTodayCircle() const { return FShowTodayCircle; }
    void SetShowTodayCircle(bool Value) { FShowTodayCircle = Value; }

protected:
    void KeyDown(unsigned short& Key, plat::TShiftState Shift) override;
    void KeyPress(char32_t& Key) override;
    void MouseDown(plat::TMouseButton Button, plat::TShiftState Shift, int X, int Y) override;
    void DoExit() override;
    void Paint() override;

private:
    using TPart = ctl::TDateFieldPart;
    std::string ActiveFormat() const;
    std::vector<TPart> Fields() const;
    void StepField(int Delta);
    void TypeDigit(int Digit);
    void Store(const ctl::TDateFields& Value);

    bool FWithTime;
    bool FChecked = true;
    std::string FFormat;
    base::TDateTime FMinDate = 0;
    base::TDateTime FMaxDate = 0;
    TDateMode FDateMode = dmComboBox;
    int FField = 0;
    std::string FTyped;  // digits typed into the current part so far
    ctl::TMonthDropDown* FMonthView = nullptr;  // made on the first drop-down
    bool FWeeknumbers = false;
    bool FShowToday = true;
    bool FShowTodayCircle = true;
};

enum TEditStyle { esInplace, esPopup };

// The way an application puts a control of its own into a cell (editor
// kind edCustom). A descendant creates its control and moves the value in
// and out; the grid places, shows and focuses it over the cell, or with
// esPopup on a borderless window of its own at the cell. EditKeyDown is
// the close rule a descendant gives its control as key handler.
class TEditLink : public plat::TComponent, public TGridEditorRef {
public:
    explicit TEditLink(plat::TComponent* AOwner);
    ~TEditLink() override;

    TExtStringGrid* Grid() const { return FGrid; }
    plat::TPoint EditCell() const { return FEditCell; }

    virtual void EditKeyDown(plat::TObject* Sender, unsigned short& Key, plat::TShiftState Shift);
    virtual plat::TWinControl* GetEditControl() { return nullptr; }
    virtual void CreateEditor(plat::TWinControl* AParent) { (void)AParent; }
    virtual void DestroyEditor() {}
    virtual void SetFocus(bool Value);
    virtual void SetRect(plat::TRect R);
    virtual void SetVisible(bool Value);
    virtual void SetProperties() {}
    virtual void SetCellProps(plat::TColor AColor, const plat::TFont& AFont) {
        (void)AColor;
        (void)AFont;
    }
    virtual void GetEditorValue(std::string& S) { S.clear(); }
    virtual void SetEditorValue(const std::string& S) { (void)S; }

    // The current cell's text (real column), read and written directly.
    void GetCellValue(std::string& S);
    void SetCellValue(const std::string& S);
    void HideEditor();
    // The popup window for esPopup (made on the first opening), else the grid.
    plat::TWinControl* GetParent() const;
    plat::TForm* PopupForm() const { return FPopupForm; }
    // Ends the edit, writing the value back; a popup goes out of sight.
    void EditExit(plat::TObject* Sender);
    // The popup window lost the activation: the edit ends with the value.
    void FormExit(plat::TObject* Sender);

    TEditStyle EditStyle = esInplace;
    int PopupWidth = 0;
    int PopupHeight = 0;
    bool AutoPopupWidth = false;  // the popup takes the cell's width
    int PopupLeft = -1;           // screen place; -1 in either: at the cell
    int PopupTop = -1;

    bool WantKeyLeftRight = false;
    bool WantKeyUpDown = false;
    bool WantKeyHomeEnd = false;
    bool WantKeyPriorNext = false;
    bool WantKeyReturn = false;
    bool WantKeyEscape = false;
    bool WantTabs = false;
    bool WantReturns = false;

private:
    friend class TExtStringGrid;
    plat::TPoint FEditCell{-1, -1};
    plat::TForm* FPopupForm = nullptr;  // owned by the link
};

}  // namespace grid
