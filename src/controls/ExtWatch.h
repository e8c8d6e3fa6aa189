#pragma once
// An analog clock face: hour, minute and (in auto mode) second hands, hour
// and minute marks, hour numbers and an AM/PM box. In manual mode the user
// sets the time with the mouse: a click inside the face picks the hour, a
// click outside it the minute, a click on the AM/PM box switches the half
// of the day; the hands then move there in slowing steps when Animation is
// on. In auto mode the face follows the system clock plus an offset. Keys
// come from the time picker's pop-up (WatchKeyDown).

#include <functional>
#include <string>

#include "base/DateTime.h"
#include "controls/ExtStyleIF.h"
#include "platform/Bitmap.h"
#include "platform/Controls.h"
#include "platform/ExtCtrls.h"

namespace ctl {

enum TWatchShape { wsCircle, wsRect, wsRoundRect };
enum TPointerStyle { psLine, psShortLine, psPointer, psLineArrow };
enum TTickMarks { tmAll, tmHours, tmQuartHours, tmNone };
enum TWatchGradient { wgRadial, wgVertical, wgDiagonalForward, wgDiagonalBackward };
enum THourMarkStyle { hmsLine, hmsQuartDblLine };
enum TAMPMFrame { apRect, apRoundRect };
enum TWatchStyle {
    wsClassic, wsTower, wsFluorescent, wsEmerald, wsBlueStar, wsFuchsia, wsBlack, wsBlackWhite, wsGray,
    wsSuperNova, wsSports, wsSmooth
};

struct TWatchAppearance {
    TWatchAppearance();
    int Size = 0;  // face diameter; 0 = smaller client side minus 20
    TWatchShape Shape = wsCircle;
    plat::TColor BackgroundColor = plat::clWhite;
    plat::TColor BackgroundColorTo = plat::clNone;
    TWatchGradient BackgroundGradient = wgVertical;
    plat::TColor BorderColor = plat::clBlack;
    int BorderWidth = 4;
    // Drawn over the face, stretched to the whole control. Copying an
    // appearance copies the picture but keeps the target's OnChange.
    plat::TPicture Picture;
    plat::TColor HourColor = plat::clBlack;
    int HourMarkLength = 0, HourMarkWidth = 1;
    THourMarkStyle HourMarkStyle = hmsLine;
    plat::TColor MinuteColor = plat::clGray;
    int MinuteMarkLength = 0, MinuteMarkWidth = 1;
    TTickMarks TickMarks = tmAll;
    plat::TFont HourFont;  // "Tahoma" 8
    plat::TColor HourPointer = plat::clBlack, HourPointerShadow = plat::clBtnShadow;
    int HourPointerSize = 4;
    plat::TColor MinutePointer = plat::clBlack, MinutePointerShadow = plat::clBtnShadow;
    int MinutePointerSize = 3;
    plat::TColor SecondPointer = plat::clRed;
    int SecondPointerSize = 1;
    TPointerStyle PointerStyle = psLine;
    int CenterPointSize = 4;
    plat::TColor CenterPointColor = plat::clBlack;
    plat::TColor CenterPointBorderColor = plat::clNone, CenterPointOuterBorderColor = plat::clNone;
    plat::TFont AMPMFont;  // "Tahoma" 10
    plat::TColor AMPMColor = plat::clWhite, AMPMBorderColor = plat::clBlack;
    TAMPMFrame AMPMFrame = apRect;
};

struct TWatchSettings {
    bool Auto = false;    // follow the system clock
    bool Second = true;   // auto mode draws the second hand
    int TimeOffset = 0;   // minutes added to the system time in auto mode
};

class TExtWatch : public plat::TCustomControl, public IKeloStyle {
public:
    explicit TExtWatch(plat::TComponent* AOwner);
    // The look; after changing fields in place call Invalidate (or use
    // SetAppearance, which repaints).
    TWatchAppearance& Appearance() { return FAppearance; }
    void SetAppearance(const TWatchAppearance& Value);
    const TWatchSettings& Settings() const { return FSettings; }
    void SetSettings(const TWatchSettings& Value);
    // The manual-mode time of day in seconds (0 .. 86399). Fires no event.
    int Time() const { return FTime; }
    void SetTime(int Seconds);
    // What the face shows: the system time plus the offset in auto mode,
    // else Time.
    int DisplayTime() const;
    bool ShowAMPM() const { return FShowAMPM; }
    void SetShowAMPM(bool Value);
    bool ShowNumbers() const { return FShowNumbers; }
    void SetShowNumbers(bool Value);
    bool Animation() const { return FAnimation; }
    void SetAnimation(bool Value) { FAnimation = Value; }
    int AnimationFactor() const { return FAnimationFactor; }
    void SetAnimationFactor(int Value) { FAnimationFactor = Value; }
    TWatchStyle Style() const { return FStyle; }
    // Resets the look to its defaults and applies the preset; the current
    // style again changes nothing.
    void SetStyle(TWatchStyle Value);
    void SetComponentStyle(TKeloStyle AStyle) override;

    bool AM() const { return FAM; }
    int Hour() const { return DisplayTime() / 3600; }
    int Minute() const { return DisplayTime() / 60 % 60; }
    // Value 0..23; with Animation on the hand moves there over the next ticks.
    void SetHour(int Value);
    // Value 0..59; 60 or more is refused with "Invalid time". Going from
    // past the half hour to 0 advances the hour.
    void SetMinute(int Value);
    void WatchKeyDown(unsigned short Key);

    // One step of a running hand movement (the animation timer's tick).
    void AnimationTick();
    bool Animating() const;
    // The AM/PM box rolls to its new label one pixel per tick of its own
    // timer, so the roll never holds up the user interface.
    void RollTick();
    bool Rolling() const { return FRollLeft > 0; }
    // Where auto mode reads the time; tests put a fixed clock here.
    std::function<base::TDateTime()> SystemClock;

    plat::TRect FaceRect() const;
    plat::TRect AMPMRect();
    int MinuteAtPoint(int X, int Y) const;
    int HourAtPoint(int X, int Y) const;

    plat::TNotifyEvent OnChange;

protected:
    void Paint() override;
    void MouseUp(plat::TMouseButton Button, plat::TShiftState Shift, int X, int Y) override;
    void MouseMove(plat::TShiftState Shift, int X, int Y) override;
    void Dispatch(plat::TMessage& Message) override;

private:
    void StoreTime(int Seconds);
    void SetAM(bool Value);
    void Changed(bool AnimationEnd);
    void DrawBackground(plat::TCanvas& c);
    void DrawMarks(plat::TCanvas& c);
    void DrawNumbers(plat::TCanvas& c);
    void DrawAMPM(plat::TCanvas& c);
    void DrawPointers(plat::TCanvas& c);
    void DrawHand(plat::TCanvas& c, double Angle, double From, double To, plat::TColor Color, int Width, int Dx,
                  int Dy);
    void DrawKite(plat::TCanvas& c, double Angle, double Tip, plat::TColor Color, int Dx, int Dy);
    TWatchAppearance FAppearance;
    TWatchSettings FSettings;
    plat::TTimer* FWatchTimer = nullptr;
    plat::TTimer* FAnimationTimer = nullptr;
    plat::TTimer* FRollTimer = nullptr;
    int FRollLeft = 0;  // pixels the AM/PM label still has to roll
    int FTime = 0;
    bool FShowAMPM = true, FShowNumbers = true, FAM = true;
    bool FAnimation = true;
    int FAnimationFactor = 10;
    TWatchStyle FStyle = wsClassic;
    int FCurrentHourTo = -1, FCurrentMinuteTo = -1;
    int FMinuteFrom = 0;
    bool FHourAnimating = false;
    bool FInternalCall = false;  // set the value directly, without a moving hand
    bool FInTick = false;        // the animation timer is setting the value
};

// The time of day of a value in whole seconds (0 .. 86399), rounded.
int SecondsOfDay(base::TDateTime Value);

// The preset looks and the colour sets of the component styles.
void ApplyWatchStyle(TExtWatch& Watch, TWatchStyle Style);
void ApplyWatchColorSet(TWatchAppearance& Appearance, TKeloStyle Style);

}  // namespace ctl
