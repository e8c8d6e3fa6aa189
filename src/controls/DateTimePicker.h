#pragma once
// The date-time picker control the styled pickers build on: a single line
// of date or time fields laid out by a format string (d dd M MM yyyy h hh H
// HH m mm s ss t tt and 'quoted' text), an optional check box in front and,
// for dates, a drop-down button at the right. Left and Right move between
// the fields, Up and Down step the current one round its range, digits type
// it: a field takes its new value once it is complete (all its digits typed,
// or no further digit could follow). OnChange fires for changes the user
// makes, not for values set by code.

#include <string>
#include <vector>

#include "base/DateTime.h"
#include "controls/EsgDateTimePicker.h"
#include "controls/MonthDropDown.h"
#include "platform/Controls.h"

namespace ctl {

// The parts of a date-time field format.
enum TDateFieldPart { fpLiteral, fpDay, fpMonth, fpYear, fpHour12, fpHour24, fpMinute, fpSecond, fpAmPm };

// A value taken apart for editing one part at a time, as the date-time
// fields of the pickers and the grid's date editor do.
struct TDateFields {
    explicit TDateFields(base::TDateTime Value);
    // Steps one part round its range (the day within its month); the year
    // simply goes on, and the other parts stay.
    void Step(TDateFieldPart Part, int Delta);
    // The value again, each part first brought into its range (a day past
    // the end of its month becomes the month's last day).
    base::TDateTime Encode() const;

    int Year, Month, Day, Hour, Minute, Second;
};

class TDateTimePicker : public plat::TCustomControl {
public:
    explicit TDateTimePicker(plat::TComponent* AOwner);

    TDateTimeKind Kind() const { return FKind; }
    void SetKind(TDateTimeKind Value);
    base::TDateTime DateTime() const { return FDateTime; }
    virtual void SetDateTime(base::TDateTime Value);
    // The format in effect; an empty Format takes the regional one of the kind.
    const std::string& Format() const { return FFormat; }
    void SetFormat(const std::string& Value);
    std::string ActiveFormat() const;
    bool ShowCheckbox() const { return FShowCheckbox; }
    void SetShowCheckbox(bool Value);
    bool Checked() const { return FChecked; }
    virtual void SetChecked(bool Value);
    // A date picker drops down a month view: F4, Alt+Down or a click on
    // its button opens it; a picked day (click or Enter) takes the date and
    // keeps the time of day; Esc or a click elsewhere closes it unchanged.
    bool DroppedDown() const { return FMonthView != nullptr && FMonthView->DroppedDown(); }
    void DropDown();
    void CloseUp(bool Accept) {
        if (FMonthView != nullptr) FMonthView->Close(Accept);
    }
    plat::TMonthCalendar* Calendar() const { return FMonthView ? FMonthView->Calendar() : nullptr; }
    plat::TForm* CalendarForm() const { return FMonthView ? FMonthView->Form() : nullptr; }
    // The sunken frame; off, the fields fill the whole control.
    bool Ctl3D() const { return FCtl3D; }
    void SetCtl3D(bool Value);

    // The text as shown and the field the caret is on.
    std::string DisplayText() const;
    int FieldIndex() const { return FField; }
    void SetFieldIndex(int Value);
    int FieldCount() const;
    // Left edge of the text and of the check box, for the painters above.
    int TextLeft() const { return FShowCheckbox ? 18 : 3; }
    plat::TRect CheckboxRect() const;

    plat::TNotifyEvent OnChange;

protected:
    using TPart = TDateFieldPart;
    struct TToken {
        TPart Part = fpLiteral;
        int Width = 0;      // letters of the code (dd = 2, yyyy = 4)
        std::string Text;   // the literal text
    };
    std::vector<TToken> Tokens() const;
    // The shown text in pieces; second is true for a field.
    std::vector<std::pair<std::string, bool>> Pieces() const;
    // A change the user made: stores it and fires Change.
    void UserSetDateTime(base::TDateTime Value);
    virtual void Change();
    void KeyDown(unsigned short& Key, plat::TShiftState Shift) override;
    void KeyPress(char32_t& Key) override;
    void MouseDown(plat::TMouseButton Button, plat::TShiftState Shift, int X, int Y) override;
    void Paint() override;
    void Dispatch(plat::TMessage& Message) override;
    // The area the drop-down button takes at the right (0 for times).
    virtual int DropButtonWidth() const;

private:
    void StepField(int Delta);
    void TypeDigit(int Digit);
    int FieldTokenIndex(int Field) const;
    TDateTimeKind FKind = dtkDate;
    base::TDateTime FDateTime = 0;
    std::string FFormat;
    bool FShowCheckbox = false;
    bool FChecked = true;
    bool FCtl3D = true;
    int FField = 0;
    std::string FTyped;
    TMonthDropDown* FMonthView = nullptr;  // made on the first drop-down
};

}  // namespace ctl
