#pragma once
// A time-of-day drop-down: the edit shows HH:MM:SS (or HH:MM) with the
// regional time separator, Up and Down step the field under the caret, and
// the pop-up shows the analog clock, optionally with a time picker below
// it. The value flows between the edit, the clock and the time picker.

#include <string>

#include "base/DateTime.h"
#include "controls/DateTimePicker.h"
#include "controls/ExtDropDown.h"
#include "controls/ExtWatch.h"
#include "platform/ExtCtrls.h"

namespace ctl {

class TExtTimePickerDropDown : public TExtCustomDropDown {
public:
    explicit TExtTimePickerDropDown(plat::TComponent* AOwner);
    ~TExtTimePickerDropDown() override;

    // Only the time of day counts.
    base::TDateTime Time() const { return FTime; }
    void SetTime(base::TDateTime Value);
    bool ShowSeconds() const { return FShowSeconds; }
    void SetShowSeconds(bool Value);
    bool ShowTimePicker() const { return FShowTimePicker; }
    void SetShowTimePicker(bool Value) { FShowTimePicker = Value; }
    TWatchAppearance& WatchAppearance() { return FWatchAppearance; }
    void SetWatchAppearance(const TWatchAppearance& Value) { FWatchAppearance = Value; }
    TWatchSettings& WatchSettings() { return FWatchSettings; }
    void SetWatchSettings(const TWatchSettings& Value) { FWatchSettings = Value; }
    bool ShowWatchAMPM() const { return FShowWatchAMPM; }
    void SetShowWatchAMPM(bool Value) { FShowWatchAMPM = Value; }
    bool ShowWatchNumbers() const { return FShowWatchNumbers; }
    void SetShowWatchNumbers(bool Value) { FShowWatchNumbers = Value; }
    bool Animation() const { return FAnimation; }
    void SetAnimation(bool Value) { FAnimation = Value; }
    int AnimationFactor() const { return FAnimationFactor; }
    void SetAnimationFactor(int Value) { FAnimationFactor = Value; }

    TExtWatch* Watch() const { return FWatch; }
    plat::TPanel* PanelCtrl() const { return FPanelCtrl; }
    // Made on the first opening with ShowTimePicker.
    TDateTimePicker* TimePicker() const { return FDateTimePicker; }
    // The edit text for a time: two digits per field joined by the separator.
    std::string FormatTime(base::TDateTime Value) const;

    void SetComponentStyle(TKeloStyle AStyle) override;
    void BeforeDropDown() override;
    void DoHideDropDown(bool Cancelled) override;
    void FormKeyDown(unsigned short& Key, plat::TShiftState Shift) override;
    void ControlKeyDown(unsigned short& Key, plat::TShiftState Shift) override;
    void ControlKeyPress(char32_t& Key) override;

    // Up/Down in the edit, and the clock or the time picker in the pop-up.
    plat::TNotifyEvent OnTimeChange;

protected:
    void CreateDropDownForm() override;
    void DropDownFormHide() override;
    void KeyDown(unsigned short& Key, plat::TShiftState Shift) override;
    void Change() override;

private:
    void WriteText();
    void WatchChanged();
    void PickerChanged();
    void SetField(int Field, int Value);
    bool ParseText(const std::string& Text, base::TDateTime& Value) const;
    bool FShowTimePicker = false;
    TExtWatch* FWatch = nullptr;
    TDateTimePicker* FDateTimePicker = nullptr;
    plat::TPanel* FPanelCtrl = nullptr;
    TWatchAppearance FWatchAppearance;
    bool FShowWatchAMPM = true, FShowWatchNumbers = true, FAnimation = true;
    int FAnimationFactor = 10;
    base::TDateTime FTime = 0;
    base::TDateTime FTimeAtOpen = 0;
    TWatchSettings FWatchSettings;
    bool FInternalCall = false;
    bool FShowSeconds = true;
};

}  // namespace ctl
