#pragma once
// Two pickers over the date-time picker control. TCustomDateTimePicker adds
// a flat look (own one-pixel frame, own drop-down button, frame colours that
// follow the mouse and the focus) and auto tab: once a digit has completed a
// field, the caret moves on to the next one by itself. TExtDateTimePicker is
// a date, time or date-and-time picker; for date and time it embeds a second
// picker for the time at its right end and keeps both as one value, and it
// can carry a caption label at one of 13 places around it.

#include <string>

#include "controls/DateTimePicker.h"
#include "controls/EsgButtonColors.h"
#include "controls/EsgCombo.h"
#include "platform/StdCtrls.h"

namespace ctl {

enum TDTPBorderStyle { dbsNone, dbsSingle };

// The message a picker posts to itself after a digit, so that the check for
// a completed field runs once the digit has been taken.
unsigned DTPShiftFocusMessage();

class TCustomDateTimePicker : public TDateTimePicker, public TEsgButtonColors {
public:
    explicit TCustomDateTimePicker(plat::TComponent* AOwner);

    TDTPBorderStyle BorderStyle() const { return FBorderStyle; }
    virtual void SetBorderStyle(TDTPBorderStyle Value);
    plat::TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(plat::TColor Value);
    plat::TColor FocusBorderColor() const { return FFocusBorderColor; }
    void SetFocusBorderColor(plat::TColor Value) { FFocusBorderColor = Value; Invalidate(); }
    bool DisabledBorder() const { return FDisabledBorder; }
    void SetDisabledBorder(bool Value) { FDisabledBorder = Value; Invalidate(); }
    bool MetroStyle() const { return FMetroStyle; }
    void SetMetroStyle(bool Value);
    bool AutoTab() const { return FAutoTab; }
    virtual void SetAutoTab(bool Value) { FAutoTab = Value; }
    int ButtonWidth() const { return FButtonWidth; }
    bool ButtonHover() const { return FButtonHover; }
    // The flat look is on (and this picker may draw it).
    bool FlatLook() const { return FMetroStyle && !NoFlatBorder(); }

protected:
    // The check for a completed field, run when the posted message arrives.
    virtual void ShiftFocus();
    // True keeps the flat look off whatever MetroStyle says (the embedded
    // time picker never draws it).
    virtual bool NoFlatBorder() const { return true; }
    // What the next digit is compared with; the date picker adds the date.
    virtual void RememberBeforeDigit();
    void PostRight();
    void KeyPress(char32_t& Key) override;
    void Dispatch(plat::TMessage& Message) override;
    void Paint() override;
    void MouseDown(plat::TMouseButton Button, plat::TShiftState Shift, int X, int Y) override;
    void MouseUp(plat::TMouseButton Button, plat::TShiftState Shift, int X, int Y) override;
    void MouseMove(plat::TShiftState Shift, int X, int Y) override;
    void CMMouseEnter(plat::TMessage& Message) override;
    void CMMouseLeave(plat::TMessage& Message) override;
    void DoEnter() override;
    void DoExit() override;
    int DropButtonWidth() const override;

    int Fh = 0, Fm = 0, Fs = 0, Fms = 0;

private:
    void DrawFlatButton(plat::TCanvas& c);
    void DrawFlatBorder(plat::TCanvas& c);
    plat::TColor ParentColor_() const;
    TDTPBorderStyle FBorderStyle = dbsNone;
    plat::TColor FBorderColor = plat::clBlack;
    plat::TColor FFocusBorderColor = plat::clNone;
    int FButtonWidth = 0;
    bool FButtonHover = false, FMouseInControl = false, FMouseHeld = false;
    bool FMetroStyle = false, FDisabledBorder = false, FHasFocus = false, FAutoTab = false;
};

enum TExtDateTimeKind { dkDate, dkTime, dkDateTime };

class TExtDateTimePicker : public TCustomDateTimePicker {
public:
    explicit TExtDateTimePicker(plat::TComponent* AOwner);
    ~TExtDateTimePicker() override;

    TExtDateTimeKind Kind() const { return FKind; }
    void SetKind(TExtDateTimeKind Value);
    // The embedded picker's time replaces the time part.
    base::TDateTime DateTime() const;
    // Milliseconds are dropped.
    void SetDateTime(base::TDateTime Value) override;
    base::TDateTime Date() const;
    void SetDate(base::TDateTime Value);
    base::TDateTime Time() const;
    void SetTime(base::TDateTime Value);
    const std::string& TimeFormat() const { return FTimeFormat; }
    void SetTimeFormat(const std::string& Value);
    void SetAutoTab(bool Value) override;
    void SetChecked(bool Value) override;
    void SetEnabled(bool Value) override;
    void SetBorderStyle(TDTPBorderStyle Value) override;
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
    void SetParent(plat::TWinControl* AParent) override;
    std::string Version() const;
    int GetVersionNr() const { return 0x01020000; }
    // Made for dkDateTime; freed at the next layout for the other kinds.
    TCustomDateTimePicker* TimePicker() const { return FTimePicker; }

    // ---- caption label
    plat::TLabel* PickerLabel() const { return FLabel; }
    std::string LabelCaption() const { return FLabel ? FLabel->Caption() : std::string(); }
    void SetLabelCaption(const std::string& Value);
    TLabelPosition LabelPosition() const { return FLabelPosition; }
    void SetLabelPosition(TLabelPosition Value);
    int LabelMargin() const { return FLabelMargin; }
    void SetLabelMargin(int Value);
    bool LabelTransparent() const { return FLabelTransparent; }
    void SetLabelTransparent(bool Value);
    bool LabelAlwaysEnabled() const { return FLabelAlwaysEnabled; }
    void SetLabelAlwaysEnabled(bool Value);
    bool FocusLabel() const { return FFocusLabel; }
    void SetFocusLabel(bool Value) { FFocusLabel = Value; }
    plat::TFont& LabelFont() { return FLabelFont; }
    void SetLabelFont(const plat::TFont& Value);

    // The embedded time picker changed (after OnChange).
    plat::TNotifyEvent OnTimeChange;
    plat::TNotifyEvent OnLabelClick;
    plat::TNotifyEvent OnLabelDblClick;

protected:
    void ShiftFocus() override;
    bool NoFlatBorder() const override { return false; }
    void RememberBeforeDigit() override;
    virtual void TimePickerKeyPress(char32_t& Key) { (void)Key; }
    void DoEnter() override;
    void DoExit() override;
    void CMColorChanged(plat::TMessage& Message) override;
    void CMVisibleChanged(plat::TMessage& Message) override;
    void CMFontChanged(plat::TMessage& Message) override;

private:
    void CreateTimePicker();
    void UpdateTimePicker();
    void UpdateLabel();
    void FocusTimePicker();
    TExtDateTimeKind FKind = dkDate;
    std::string FTimeFormat;
    int Fy = 0, Fmo = 0, Fd = 0;
    plat::TLabel* FLabel = nullptr;
    plat::TFont FLabelFont;
    TLabelPosition FLabelPosition = lpLeftTop;
    int FLabelMargin = 4;
    bool FLabelTransparent = false, FFocusLabel = false, FLabelAlwaysEnabled = false;
    TCustomDateTimePicker* FTimePicker = nullptr;
};

}  // namespace ctl
