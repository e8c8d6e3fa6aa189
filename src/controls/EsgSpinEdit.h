#pragma once
// A single-line edit with a pair of arrow buttons that steps an integer, a
// floating-point number, a date or a time; the base of the grid's spin
// cell editor. Keys and typed characters are filtered so the text stays a
// value of the chosen kind.

#include <memory>

#include "base/DateTime.h"
#include "controls/EsgButtonColors.h"
#include "platform/Controls.h"
#include "platform/ExtCtrls.h"
#include "platform/StdCtrls.h"

namespace ctl {

enum TEsgSpinType { sptNormal, sptFloat, sptDate, sptTime };
enum TSpinDirection { spVertical, spHorizontal };
enum TEditAlign { eaLeft, eaRight, eaCenter };
enum TButtonDirection { bdLeft, bdRight, bdUp, bdDown };
enum TTimeBtnStateItem { tbFocusRect, tbAllowTimer };
using TTimeBtnState = plat::TSet<TTimeBtnStateItem>;

class TEsgSpinButton;

// One arrow button that repeats its click while held: at the press, after
// 400 ms, then every 100 ms until released.
class TExtTimerSpeedButton : public plat::TCustomControl {
public:
    explicit TExtTimerSpeedButton(plat::TComponent* AOwner);
    TTimeBtnState TimeBtnState() const { return FTimeBtnState; }
    void SetTimeBtnState(TTimeBtnState Value) { FTimeBtnState = Value; }
    TButtonDirection ButtonDirection() const { return FButtonDirection; }
    void SetButtonDirection(TButtonDirection Value);
    bool Pressed() const { return FPressed; }
    bool HasMouse() const { return FHasMouse; }
    void SetIsBevelLook(bool Value) { FIsBevelLook = Value; }
    void SetFlat(bool Value) { FFlat = Value; Invalidate(); }
    void SetTransparent(bool Value) { FTransparent = Value; Invalidate(); }
    void SetSpinOwner(TEsgSpinButton* Value) { FSpinOwner = Value; }
    void Press() { DoClick(); }

protected:
    void MouseDown(plat::TMouseButton Button, plat::TShiftState Shift, int X, int Y) override;
    void MouseUp(plat::TMouseButton Button, plat::TShiftState Shift, int X, int Y) override;
    void CMMouseEnter(plat::TMessage& Message) override;
    void CMMouseLeave(plat::TMessage& Message) override;
    void Paint() override;

private:
    void DoClick();
    void TimerExpired(plat::TObject* Sender);

    plat::TTimer* FRepeatTimer = nullptr;
    TTimeBtnState FTimeBtnState;
    TButtonDirection FButtonDirection = bdUp;
    bool FIsBevelLook = false;
    bool FHasMouse = false;
    bool FPressed = false;
    bool FFlat = false;
    bool FTransparent = false;
    TEsgSpinButton* FSpinOwner = nullptr;
};

class TEsgSpinButton : public plat::TCustomControl, public TEsgButtonColors {
public:
    explicit TEsgSpinButton(plat::TComponent* AOwner);
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

    TExtTimerSpeedButton* UpButton() const { return FUpButton; }
    TExtTimerSpeedButton* DownButton() const { return FDownButton; }
    TExtTimerSpeedButton* FocusedButton() const { return FFocusedButton; }
    void SetFocusBtn(TExtTimerSpeedButton* Btn);
    plat::TWinControl* FocusControl() const { return FFocusControl; }
    void SetFocusControl(plat::TWinControl* Value) { FFocusControl = Value; }
    TSpinDirection Direction() const { return FDirection; }
    void SetDirection(TSpinDirection Value);
    void SetIsBevelLook(bool Value);


    plat::TNotifyEvent OnUpClick;
    plat::TNotifyEvent OnDownClick;

protected:
    void KeyDown(unsigned short& Key, plat::TShiftState Shift) override;

private:
    friend class TExtTimerSpeedButton;
    void AdjustSize(int& W, int& H);
    void BtnClick(TExtTimerSpeedButton* Sender);
    void BtnMouseDown(TExtTimerSpeedButton* Sender);

    TExtTimerSpeedButton* FUpButton = nullptr;
    TExtTimerSpeedButton* FDownButton = nullptr;
    TExtTimerSpeedButton* FFocusedButton = nullptr;
    plat::TWinControl* FFocusControl = nullptr;
    TSpinDirection FDirection = spVertical;
    bool FIsBevelLook = false;
};

class TEsgSpinEdit : public plat::TEdit {
public:
    explicit TEsgSpinEdit(plat::TComponent* AOwner);

    int Value() const;
    void SetValue(int NewValue);
    double FloatValue() const;
    void SetFloatValue(double NewValue);
    base::TDateTime DateValue() const;
    void SetDateValue(base::TDateTime NewValue);
    base::TDateTime TimeValue() const;
    void SetTimeValue(base::TDateTime NewValue);

    TEsgSpinType SpinType() const { return FSpinType; }
    void SetSpinType(TEsgSpinType Value);
    int Precision() const { return FPrecision; }
    void SetPrecision(int Value);
    TSpinDirection Direction() const { return FDirection; }
    void SetDirection(TSpinDirection Value);
    bool EditorEnabled() const { return FEditorEnabled; }
    void SetEditorEnabled(bool Value) { FEditorEnabled = Value; }
    TEditAlign EditAlign() const { return FEditAlign; }
    void SetEditAlign(TEditAlign Value) { FEditAlign = Value; }
    bool ShowSeconds() const { return FShowSeconds; }
    void SetShowSeconds(bool Value) { FShowSeconds = Value; }
    void SetSpinFlat(bool Value);
    void SetSpinTransparent(bool Value);
    void SetIsBevelLook(bool Value);
    TEsgSpinButton* Button() const { return FButton; }

    int MinValue = 0;
    int MaxValue = 100;
    double MinFloatValue = 0.0;
    double MaxFloatValue = 100.0;
    base::TDateTime MinDateValue = 0;
    base::TDateTime MaxDateValue = 0;
    int Increment = 1;
    double IncrementFloat = 0.1;
    double IncrementFloatPage = 1.0;
    int IncrementSeconds = 1;
    int IncrementMinutes = 1;
    int IncrementHours = 1;
    bool ReturnIsTab = false;
    bool SpreadsheetStyleDecimalSeparator = false;
    bool AllowEmptyValue = false;
    bool SpinFlat = false;
    bool SpinTransparent = false;

    virtual void StepUp(bool Page);
    virtual void StepDown(bool Page);
    virtual bool IsValidChar(char32_t& Key);
    virtual void UpClick(plat::TObject* Sender);
    virtual void DownClick(plat::TObject* Sender);

protected:
    void KeyDown(unsigned short& Key, plat::TShiftState Shift) override;
    void KeyPress(char32_t& Key) override;
    void DoExit() override;
    void WMSize(plat::TMessage& Message) override;

private:
    void Step(bool Up, bool Page);
    void PlaceButton();

    base::TDateTime FDateValue = 0;
    base::TDateTime FTimeValue = 0;
    TEsgSpinButton* FButton = nullptr;
    bool FEditorEnabled = true;
    TSpinDirection FDirection = spVertical;
    TEsgSpinType FSpinType = sptNormal;
    int FPrecision = 0;
    bool FIsBevelLook = false;
    bool FUsDates = false;
    bool FShowSeconds = true;
    TEditAlign FEditAlign = eaLeft;
    bool FKeypadDecimal = false;
};

}  // namespace ctl
