#pragma once
// An analog clock face: hour, minute and (in auto mode) second hands, hour
// and minute marks, hour numbers and an AM/PM box. In manual mode the user
// sets the time with the mouse: a click inside the face picks the hour, a
// click outside it the minute, a click on the AM/PM box switches the half
// of the day. Keys come from the time picker's pop-up (WatchKeyDown).

#include <string>

#include "platform/Controls.h"

namespace ctl {

enum TWatchShape { wsCircle, wsRect, wsRoundRect };
enum TPointerStyle { psLine, psShortLine, psPointer, psLineArrow };
enum TTickMarks { tmAll, tmHours, tmQuartHours, tmNone };

struct TWatchAppearance {
    int Size = 0;  // face diameter; 0 = smaller client side minus 20
    TWatchShape Shape = wsCircle;
    plat::TColor BackgroundColor = plat::clWhite;
    plat::TColor BackgroundColorTo = plat::clNone;
    plat::TColor BorderColor = plat::clBlack;
    int BorderWidth = 4;
    plat::TColor HourColor = plat::clBlack;
    int HourMarkLength = 0, HourMarkWidth = 1;
    plat::TColor MinuteColor = plat::clGray;
    int MinuteMarkLength = 0, MinuteMarkWidth = 1;
    TTickMarks TickMarks = tmAll;
    plat::TColor HourPointer = plat::clBlack, HourPointerShadow = plat::clBtnShadow;
    int HourPointerSize = 4;
    plat::TColor MinutePointer = plat::clBlack, MinutePointerShadow = plat::clBtnShadow;
    int MinutePointerSize = 3;
    plat::TColor SecondPointer = plat::clRed;
    int SecondPointerSize = 1;
    TPointerStyle PointerStyle = psLine;
    int CenterPointSize = 4;
    plat::TColor CenterPointColor = plat::clBlack;
    plat::TColor AMPMColor = plat::clWhite, AMPMBorderColor = plat::clBlack;
};

class TExtWatch : public plat::TCustomControl {
public:
    explicit TExtWatch(plat::TComponent* AOwner);
    TWatchAppearance& Appearance() { return FAppearance; }
    // The shown time of day in seconds (0 .. 86399).
    int Time() const { return FTime; }
    void SetTime(int Seconds);
    bool ShowAMPM() const { return FShowAMPM; }
    void SetShowAMPM(bool Value) { FShowAMPM = Value; Invalidate(); }
    bool ShowNumbers() const { return FShowNumbers; }
    void SetShowNumbers(bool Value) { FShowNumbers = Value; Invalidate(); }
    bool AM() const { return FAM; }
    int Hour() const { return FTime / 3600; }
    int Minute() const { return FTime / 60 % 60; }
    // Value 0..23; a change fires OnChange.
    void SetHour(int Value);
    // Value 0..59; 60 or more is refused with "Invalid time". Going from
    // past the half hour to 0 advances the hour.
    void SetMinute(int Value);
    void WatchKeyDown(unsigned short Key);

    plat::TRect FaceRect() const;
    plat::TRect AMPMRect();
    int MinuteAtPoint(int X, int Y) const;
    int HourAtPoint(int X, int Y) const;

    plat::TNotifyEvent OnChange;

protected:
    void Paint() override;
    void MouseUp(plat::TMouseButton Button, plat::TShiftState Shift, int X, int Y) override;
    void Dispatch(plat::TMessage& Message) override;

private:
    void DrawHand(plat::TCanvas& c, double Angle, double From, double To, plat::TColor Color, int Width, int Dx,
                  int Dy);
    void DrawKite(plat::TCanvas& c, double Angle, double Tip, plat::TColor Color, int Dx, int Dy);
    TWatchAppearance FAppearance;
    int FTime = 0;
    bool FShowAMPM = true, FShowNumbers = true, FAM = true;
    int FMinuteFrom = 0;
};

}  // namespace ctl
