#include "controls/ExtWatch.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <stdexcept>

#include "controls/DropDownDraw.h"
#include "platform/Messages.h"

namespace ctl {

using namespace plat;

namespace {

double Rad(double Deg) { return Deg * std::numbers::pi / 180; }

// A region that covers the ellipse inscribed in R, one strip per pixel row:
// the face is clipped to it before the background is filled.
TRegion EllipseRegion(TRect R) {
    TRegion rgn;
    const double a = R.Width() / 2.0, b = R.Height() / 2.0;
    const double cx = R.Left + a, cy = R.Top + b;
    if (a <= 0 || b <= 0) return rgn;
    for (int y = R.Top; y < R.Bottom; ++y) {
        const double dy = (y + 0.5 - cy) / b;
        if (dy * dy > 1) continue;
        const double dx = a * std::sqrt(1 - dy * dy);
        rgn.Unite(Rect(static_cast<int>(std::floor(cx - dx)), y, static_cast<int>(std::ceil(cx + dx)), y + 1));
    }
    return rgn;
}

TRegion RoundRectRegion(TRect R, int Corner) {
    TRegion rgn;
    const double rad = Corner / 2.0;
    for (int y = R.Top; y < R.Bottom; ++y) {
        double inset = 0;
        const double fromTop = y + 0.5 - R.Top, fromBottom = R.Bottom - (y + 0.5);
        const double d = std::min(fromTop, fromBottom);
        if (d < rad) inset = rad - std::sqrt(std::max(0.0, rad * rad - (rad - d) * (rad - d)));
        rgn.Unite(Rect(R.Left + static_cast<int>(inset), y, R.Right - static_cast<int>(inset), y + 1));
    }
    return rgn;
}

}  // namespace

// Days before the epoch carry a positive fraction too: the time of day is
// the distance from the whole day either way.
int SecondsOfDay(base::TDateTime Value) {
    const double frac = std::abs(Value - std::trunc(Value));
    return static_cast<int>(std::floor(frac * 86400 + 0.5)) % 86400;
}

TWatchAppearance::TWatchAppearance() {
    HourFont.SetName("Tahoma");
    HourFont.SetSize(8);
    AMPMFont.SetName("Tahoma");
    AMPMFont.SetSize(10);
}

TExtWatch::TExtWatch(TComponent* AOwner) : TCustomControl(AOwner) {
    SetAccessibleName("Clock");
    SetAccessibleRole(arClient);
    SetBounds(0, 0, 180, 180);
    SystemClock = [] { return base::Now(); };
    FWatchTimer = new TTimer(this);
    FWatchTimer->SetInterval(100);
    FWatchTimer->SetEnabled(false);
    FWatchTimer->OnTimer = [this](TObject*) { Invalidate(); };
    FAnimationTimer = new TTimer(this);
    FAnimationTimer->SetInterval(1);
    FAnimationTimer->SetEnabled(false);
    FAnimationTimer->OnTimer = [this](TObject*) { AnimationTick(); };
    FRollTimer = new TTimer(this);
    FRollTimer->SetInterval(10);
    FRollTimer->SetEnabled(false);
    FRollTimer->OnTimer = [this](TObject*) { RollTick(); };
    // A picture loaded or changed in place shows at once.
    FAppearance.Picture.OnChange = [this] { Invalidate(); };
}

void TExtWatch::SetAppearance(const TWatchAppearance& Value) {
    FAppearance = Value;
    Invalidate();
}

void TExtWatch::SetSettings(const TWatchSettings& Value) {
    FSettings = Value;
    FWatchTimer->SetEnabled(FSettings.Auto);
    if (FSettings.Auto) {
        // A hand still moving towards a manual target would fight the clock.
        FAnimationTimer->SetEnabled(false);
        FTime = SecondsOfDay(SystemClock());
        FAM = FTime / 3600 < 12;
    }
    Invalidate();
}

int TExtWatch::DisplayTime() const {
    if (!FSettings.Auto) return FTime;
    return SecondsOfDay(SystemClock() + FSettings.TimeOffset / 1440.0);
}

void TExtWatch::SetShowAMPM(bool Value) {
    if (Value == FShowAMPM) return;
    FShowAMPM = Value;
    Invalidate();
}

void TExtWatch::SetShowNumbers(bool Value) {
    if (Value == FShowNumbers) return;
    FShowNumbers = Value;
    Invalidate();
}

void TExtWatch::SetStyle(TWatchStyle Value) {
    if (Value == FStyle) return;
    FStyle = Value;
    ApplyWatchStyle(*this, Value);
    Invalidate();
}

void TExtWatch::SetComponentStyle(TKeloStyle AStyle) {
    ApplyWatchColorSet(FAppearance, AStyle);
    Invalidate();
}

void TExtWatch::StoreTime(int Seconds) {
    Seconds = ((Seconds % 86400) + 86400) % 86400;
    if (Seconds == FTime) return;
    FTime = Seconds;
    FAM = FTime / 3600 < 12;
}

void TExtWatch::SetTime(int Seconds) {
    StoreTime(Seconds);
    Invalidate();
}

void TExtWatch::SetAM(bool Value) {
    if (Value == FAM) return;
    FAM = Value;
    if (FAnimation && FShowAMPM && FAppearance.AMPMColor != clNone) {
        FRollLeft = std::max(0, AMPMRect().Height() - 2);
        FRollTimer->SetEnabled(FRollLeft > 0);
    }
    Invalidate();
}

void TExtWatch::RollTick() {
    if (FRollLeft > 0) --FRollLeft;
    if (FRollLeft == 0) FRollTimer->SetEnabled(false);
    Invalidate();
}

bool TExtWatch::Animating() const { return FAnimationTimer->Enabled(); }

// A change the user made reports once: a direct change at once, a moving
// hand when it arrives, not at every step on the way.
void TExtWatch::Changed(bool AnimationEnd) {
    Invalidate();
    if (AnimationEnd && OnChange) OnChange(this);
}

void TExtWatch::SetHour(int Value) {
    if (Value < 0 || Value > 23 || Value == Hour()) return;
    if (!FAnimation || FInternalCall) {
        StoreTime(Value * 3600 + FTime % 3600);
        Changed(!FInTick || Value == FCurrentHourTo);
        return;
    }
    FCurrentHourTo = Value;
    FHourAnimating = true;
    FAnimationTimer->SetEnabled(true);
}

void TExtWatch::SetMinute(int Value) {
    if (Value >= 60 || Value < 0) throw std::invalid_argument("Invalid time");
    if (Value == Minute()) return;
    if (FAnimation && !FInternalCall) {
        FCurrentMinuteTo = Value;
        FHourAnimating = false;
        FMinuteFrom = Minute();
        FAnimationTimer->SetEnabled(true);
        return;
    }
    if (!FInTick) FMinuteFrom = Minute();
    int h = FTime / 3600;
    if (Value == 0 && FMinuteFrom > 30) {
        h = (h + 1) % 24;
        FMinuteFrom = 0;
    }
    StoreTime(h * 3600 + Value * 60 + FTime % 60);
    Changed(!FInTick || Value == FCurrentMinuteTo);
}

void TExtWatch::AnimationTick() {
    if (!FAnimationTimer->Enabled()) return;
    if (!FAnimation) {
        FAnimationTimer->SetEnabled(false);
        return;
    }
    // A factor of 0 or less would divide by zero: such a clock jumps.
    const int f = std::max(1, FAnimationFactor);
    auto stepOf = [f](int Distance) { return std::max(1, RoundHalfEven(std::abs(Distance) / double(f))); };
    const int hour = FTime / 3600, minute = FTime / 60 % 60;
    const int target = FHourAnimating ? FCurrentHourTo : FCurrentMinuteTo;
    const int now = FHourAnimating ? hour : minute;
    if (now == target) {
        FAnimationTimer->SetEnabled(false);
        return;
    }
    int next;
    if (FHourAnimating) {
        next = hour < target ? std::min(target, hour + stepOf(target - hour)) : std::max(target, hour - stepOf(target - hour));
    } else if (target == 0 && minute > 30) {
        next = minute + stepOf(60 - minute);  // forward past 12 o'clock
    } else {
        next = minute > target ? std::max(target, minute - stepOf(target - minute))
                               : std::min(target, minute + stepOf(target - minute));
    }
    if (next >= 60 && !FHourAnimating) next = 0;
    if (next == target) FAnimationTimer->SetEnabled(false);
    FInternalCall = FInTick = true;
    if (FHourAnimating) SetHour(next);
    else SetMinute(next);
    FInternalCall = FInTick = false;
}

void TExtWatch::WatchKeyDown(unsigned short Key) {
    if (FSettings.Auto) return;
    const int h = Hour(), m = Minute();
    auto direct = [this](int Hour) {
        FInternalCall = true;
        FCurrentHourTo = Hour;
        SetHour(Hour);
        FInternalCall = false;
    };
    switch (Key) {
        case 'A': if (h > 11) SetHour(h - 12); break;
        case 'P': if (h < 12) SetHour(h + 12); break;
        case VK_PRIOR: if (h <= 22) SetHour(h + 1); else direct(0); break;
        case VK_NEXT: if (h > 0) SetHour(h - 1); else direct(23); break;
        case VK_HOME: direct(12); break;
        case VK_LEFT:
            if (m > 0) SetMinute(m - 1);
            else {
                SetTime((h == 0 ? 23 : h - 1) * 3600 + 59 * 60 + FTime % 60);
                Changed(true);
            }
            break;
        case VK_RIGHT: SetMinute(m < 59 ? m + 1 : 0); break;
        case VK_END: SetMinute(0); break;
        default: break;
    }
}

TRect TExtWatch::FaceRect() const {
    const int w = Width(), h = Height();
    int s = FAppearance.Size > 0 ? std::min({FAppearance.Size, w, h}) : std::min(w, h) - 20;
    s = std::max(s, 1);
    const int l = (w - s) / 2, t = (h - s) / 2;
    return Rect(l, t, l + s, t + s);
}

TRect TExtWatch::AMPMRect() {
    if (!FShowAMPM) return Rect(-1, -1, -1, -1);
    TCanvas measure;
    measure.SetFont(FAppearance.AMPMFont);
    const TSize sz = GetTextSize(measure, "AM");
    const TRect f = FaceRect();
    const int cx = (f.Left + f.Right) / 2, cy = (f.Top + f.Bottom) / 2;
    const double r = f.Width() / 2.0;
    const int w = sz.cx + 8;
    const int top = cy + RoundHalfEven((r - sz.cy) / 3);
    return Rect(cx - w / 2, top, cx - w / 2 + w, top + sz.cy);
}

int TExtWatch::MinuteAtPoint(int X, int Y) const {
    const TRect f = FaceRect();
    const int cx = (f.Left + f.Right) / 2, cy = (f.Top + f.Bottom) / 2;
    int dy = std::abs(cy - Y), dx = std::abs(cx - X);
    if (dy == 0) dy = 1;
    if (dx == 0) dx = 1;
    const int a = RoundHalfEven(std::atan(double(dy) / dx) * 180 / std::numbers::pi / 6);
    int r;
    if (X >= cx && Y >= cy) r = 15 + a;
    else if (X <= cx && Y >= cy) r = 45 - a;
    else if (X <= cx) r = 45 + a;
    else r = 15 - a;
    return r < 0 || r > 59 ? 0 : r;
}

int TExtWatch::HourAtPoint(int X, int Y) const {
    const int c = RoundHalfEven(MinuteAtPoint(X, Y) / 5.0);
    int r = c <= 0 ? (FAM ? 0 : 12) : c + (FAM ? 0 : 12);
    return r == 24 ? 0 : r;
}

void TExtWatch::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TCustomControl::MouseUp(Button, Shift, X, Y);
    if (FSettings.Auto) return;
    const TRect f = FaceRect();
    const double cx = (f.Left + f.Right) / 2.0, cy = (f.Top + f.Bottom) / 2.0, r = f.Width() / 2.0;
    const double nx = (X - cx) / r, ny = (Y - cy) / r;
    if (nx * nx + ny * ny > 1) {
        SetMinute(MinuteAtPoint(X, Y));
        return;
    }
    const TRect ap = AMPMRect();
    if (X >= ap.Left && X < ap.Right && Y >= ap.Top && Y < ap.Bottom) {
        // The other half of the day is a jump, not a sweep of twelve hours;
        // only the label rolls over.
        const int h = Hour();
        SetAM(h >= 12);
        FCurrentHourTo = h < 12 ? h + 12 : h - 12;
        FInternalCall = true;
        SetHour(FCurrentHourTo);
        FInternalCall = false;
        return;
    }
    SetHour(HourAtPoint(X, Y));
}

void TExtWatch::MouseMove(TShiftState Shift, int X, int Y) {
    TCustomControl::MouseMove(Shift, X, Y);
    const TRect ap = AMPMRect();
    SetCursor(X >= ap.Left && X < ap.Right && Y >= ap.Top && Y < ap.Bottom ? crHandPoint : crDefault);
}

void TExtWatch::Dispatch(TMessage& Message) {
    if (Message.Msg == WM_GETDLGCODE) {
        Message.Result = TabStop() ? 5 : 0;
        return;
    }
    TCustomControl::Dispatch(Message);
}

// ------------------------------------------------------------ painting

void TExtWatch::DrawBackground(TCanvas& c) {
    const TWatchAppearance& a = FAppearance;
    const TRect client = Rect(0, 0, Width(), Height());
    const TRect f = FaceRect();
    const TRect fill = a.Shape == wsCircle ? f : client;
    if (a.Shape == wsCircle) c.SetClipRegion(EllipseRegion(Rect(f.Left - 1, f.Top - 1, f.Right + 2, f.Bottom + 2)));
    else if (a.Shape == wsRoundRect) c.SetClipRegion(RoundRectRegion(client, 20));
    if (a.BackgroundColor != clNone && a.BackgroundColorTo != clNone)
        DrawGradient(c, a.BackgroundColor, a.BackgroundColorTo, 80, fill, a.BackgroundGradient == wgRadial);
    else if (a.BackgroundColor != clNone) {
        c.Brush().SetColor(a.BackgroundColor);
        c.FillRect(fill);
    }
    c.ResetClip();
    if (a.BorderColor != clNone && a.BorderWidth > 0) {
        c.Brush().SetStyle(bsClear);
        c.Pen().SetColor(a.BorderColor);
        c.Pen().SetWidth(a.BorderWidth);
        if (a.Shape == wsCircle) c.Ellipse(f);
        else if (a.Shape == wsRoundRect) c.RoundRect(client, 20, 20);
        else c.Rectangle(client);
        c.Pen().SetWidth(1);
    }
    if (!a.Picture.Empty()) {
        // The picture's lower-left colour is see-through, so a face drawn
        // on a plain ground keeps the clock's own background around it.
        TBitmap b(a.Picture.Width(), a.Picture.Height());
        b.Canvas().Draw(0, 0, *a.Picture.Graphic());
        b.SetTransparent(true);
        c.StretchDraw(client, b);
    }
}

void TExtWatch::DrawMarks(TCanvas& c) {
    const TWatchAppearance& a = FAppearance;
    if (a.TickMarks == tmNone) return;
    const TRect f = FaceRect();
    const double cx = (f.Left + f.Right) / 2.0, cy = (f.Top + f.Bottom) / 2.0, R = f.Width() / 2.0;
    const double q = R - a.BorderWidth / 2;
    const double r = a.HourMarkLength > 0 ? q - a.HourMarkLength : 0.9 * q;
    const double r2 = a.MinuteMarkLength > 0 ? q - a.MinuteMarkLength : 0.95 * q;
    auto line = [&](double ang, double from, int ox, int oy) {
        c.MoveTo(RoundHalfEven(cx + from * std::cos(ang)) + ox, RoundHalfEven(cy + from * std::sin(ang)) + oy);
        c.LineTo(RoundHalfEven(cx + q * std::cos(ang)) + ox, RoundHalfEven(cy + q * std::sin(ang)) + oy);
    };
    for (int i = 0; i < 60; ++i) {
        const bool hour = i % 5 == 0, quarter = i % 15 == 0;
        if (!quarter && a.TickMarks == tmQuartHours) continue;
        if (!hour && a.TickMarks != tmAll) continue;
        const double ang = Rad(i * 6);
        c.Pen().SetColor(hour ? a.HourColor : a.MinuteColor);
        c.Pen().SetWidth(hour ? a.HourMarkWidth : a.MinuteMarkWidth);
        if (quarter && a.HourMarkStyle == hmsQuartDblLine) {
            // 3 and 9 o'clock marks lie across the rows, 6 and 12 across the columns.
            const bool acrossRows = i == 0 || i == 30;
            line(ang, r, acrossRows ? 0 : -2, acrossRows ? -2 : 0);
            line(ang, r, acrossRows ? 0 : 2, acrossRows ? 2 : 0);
        } else {
            line(ang, hour ? r : r2, 0, 0);
        }
    }
    c.Pen().SetWidth(1);
}

void TExtWatch::DrawNumbers(TCanvas& c) {
    const TWatchAppearance& a = FAppearance;
    if (!FShowNumbers || a.TickMarks == tmNone || a.TickMarks == tmHours) return;
    const TRect f = FaceRect();
    const double cx = (f.Left + f.Right) / 2.0, cy = (f.Top + f.Bottom) / 2.0, R = f.Width() / 2.0;
    const double r0 = R - a.BorderWidth / 2;
    const int b = a.HourMarkLength > 0 ? a.HourMarkLength : RoundHalfEven(r0 - 0.9 * r0) + 2;
    c.Brush().SetStyle(bsClear);
    c.SetFont(a.HourFont);
    for (int i = 1; i <= 12; ++i) {
        if (a.TickMarks == tmQuartHours && i % 3 != 0) continue;
        const std::string t = std::to_string(i);
        const int th = c.TextHeight(t), tw = c.TextWidth(t);
        const int k = i == 10 ? RoundHalfEven(0.2 * th) : i == 11 ? RoundHalfEven(0.15 * th) : 0;
        const double d = r0 - 2 * b - 2 + b / 2 - k;
        c.TextOut(static_cast<int>(cx) + RoundHalfEven(d * std::sin(Rad(30 * i))) - tw / 2,
                  static_cast<int>(cy) - RoundHalfEven(d * std::cos(Rad(30 * i))) - th / 2, t);
    }
}

void TExtWatch::DrawAMPM(TCanvas& c) {
    const TWatchAppearance& a = FAppearance;
    if (!FShowAMPM) return;
    const TRect ap = AMPMRect();
    if (a.AMPMColor != clNone || a.AMPMBorderColor != clNone) {
        if (a.AMPMColor != clNone) c.Brush().SetColor(a.AMPMColor);
        else c.Brush().SetStyle(bsClear);
        c.Pen().SetColor(a.AMPMBorderColor != clNone ? a.AMPMBorderColor : a.AMPMColor);
        if (a.AMPMFrame == apRoundRect) c.RoundRect(ap, 5, 5);
        else c.Rectangle(ap);
    }
    c.Brush().SetStyle(bsClear);
    c.SetFont(a.AMPMFont);
    if (FRollLeft > 0) {
        // Mid-roll the old label leaves the box as the new one comes in: AM
        // sits above PM on the strip, so going to PM the strip moves up.
        const TRect inner = Rect(ap.Left + 1, ap.Top + 1, ap.Right - 1, ap.Bottom - 1);
        const int n = inner.Height(), shift = FRollLeft;
        c.IntersectClipRect(inner);
        TRect oldR = inner, newR = inner;
        const int dir = FAM ? 1 : -1;  // the new label comes from above for AM
        OffsetRect(oldR, 0, dir * (n - shift));
        OffsetRect(newR, 0, -dir * shift);
        c.DrawText(FAM ? "PM" : "AM", oldR, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        c.DrawText(FAM ? "AM" : "PM", newR, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        c.ResetClip();
        return;
    }
    TRect tr = ap;
    c.DrawText(FAM ? "AM" : "PM", tr, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

void TExtWatch::DrawHand(TCanvas& c, double Angle, double From, double To, TColor Color, int Width, int Dx, int Dy) {
    const TRect f = FaceRect();
    const double cx = (f.Left + f.Right) / 2.0, cy = (f.Top + f.Bottom) / 2.0;
    const double s = std::sin(Rad(Angle)), co = std::cos(Rad(Angle));
    c.Pen().SetColor(Color);
    c.Pen().SetWidth(Width);
    c.MoveTo(RoundHalfEven(cx + From * s) + Dx, RoundHalfEven(cy - From * co) + Dy);
    c.LineTo(RoundHalfEven(cx + To * s) + Dx, RoundHalfEven(cy - To * co) + Dy);
    c.Pen().SetWidth(1);
}

void TExtWatch::DrawKite(TCanvas& c, double Angle, double Tip, TColor Color, int Dx, int Dy) {
    const TRect f = FaceRect();
    const double cx = (f.Left + f.Right) / 2.0, cy = (f.Top + f.Bottom) / 2.0, r = f.Width() / 2.0;
    auto at = [&](double a, double d) {
        return TPoint{RoundHalfEven(cx + d * std::sin(Rad(a))) + Dx, RoundHalfEven(cy - d * std::cos(Rad(a))) + Dy};
    };
    c.Pen().SetColor(Color);
    c.Brush().SetColor(Color);
    c.Polygon({at(Angle + 180, 0.1 * r), at(Angle + 90, 0.05 * r), at(Angle, Tip), at(Angle - 90, 0.05 * r)});
}

void TExtWatch::DrawPointers(TCanvas& c) {
    const TWatchAppearance& a = FAppearance;
    const TRect f = FaceRect();
    const double cx = (f.Left + f.Right) / 2.0, cy = (f.Top + f.Bottom) / 2.0, R = f.Width() / 2.0;
    const int t = DisplayTime();
    if (FSettings.Auto) FAM = t / 3600 < 12;
    const int h = t / 3600 % 12, m = t / 60 % 60, s = t % 60;
    const double hourAngle = 30 * h + m / 2.0, minuteAngle = 6 * m;
    // The two styles that have no shape of their own draw line hands rather
    // than none at all.
    if (a.PointerStyle == psPointer) {
        if (a.HourPointerShadow != clNone) DrawKite(c, hourAngle, 0.5 * R, a.HourPointerShadow, 1, 3);
        DrawKite(c, hourAngle, 0.5 * R, a.HourPointer, 0, 0);
        if (a.MinutePointerShadow != clNone) DrawKite(c, minuteAngle, 0.7 * R, a.MinutePointerShadow, 1, 3);
        DrawKite(c, minuteAngle, 0.7 * R, a.MinutePointer, 0, 0);
    } else {
        if (a.HourPointerShadow != clNone)
            DrawHand(c, hourAngle, -0.1 * R, 0.46 * R, a.HourPointerShadow, a.HourPointerSize, -1, 3);
        DrawHand(c, hourAngle, -0.1 * R, 0.5 * R, a.HourPointer, a.HourPointerSize, 0, 0);
        if (a.MinutePointerShadow != clNone)
            DrawHand(c, minuteAngle, -0.1 * R, 0.65 * R, a.MinutePointerShadow, a.MinutePointerSize, 0, 3);
        DrawHand(c, minuteAngle, -0.1 * R, 0.7 * R, a.MinutePointer, a.MinutePointerSize, 0, 0);
    }
    if (FSettings.Auto && FSettings.Second)
        DrawHand(c, 6.0 * s, -0.2 * R, 0.9 * R, a.SecondPointer, a.SecondPointerSize, 0, 0);
    const int z = a.CenterPointSize;
    if (z <= 0) return;
    const int l = RoundHalfEven(cx - z / 2.0), tp = RoundHalfEven(cy - z / 2.0);
    if (a.CenterPointColor != clNone) {
        c.Brush().SetColor(a.CenterPointColor);
        c.Pen().SetColor(a.CenterPointColor);
        c.Ellipse(l, tp, l + z, tp + z);
    }
    int w = 0;
    c.Brush().SetStyle(bsClear);
    if (a.CenterPointOuterBorderColor != clNone) {
        w = RoundHalfEven(0.2 * z);
        c.Pen().SetColor(a.CenterPointOuterBorderColor);
        c.Pen().SetWidth(std::max(1, w));
        c.Ellipse(l, tp, l + z, tp + z);
    }
    if (a.CenterPointBorderColor != clNone) {
        const int zi = z - w, li = RoundHalfEven(cx - zi / 2.0), ti = RoundHalfEven(cy - zi / 2.0);
        c.Pen().SetColor(a.CenterPointBorderColor);
        c.Pen().SetWidth(std::max(1, RoundHalfEven(0.1 * z)));
        c.Ellipse(li, ti, li + zi, ti + zi);
    }
    c.Pen().SetWidth(1);
}

void TExtWatch::Paint() {
    TCanvas& c = Canvas();
    c.Brush().SetColor(Color());
    c.FillRect(Rect(0, 0, Width(), Height()));
    DrawBackground(c);
    DrawMarks(c);
    DrawNumbers(c);
    DrawAMPM(c);
    DrawPointers(c);
}

}  // namespace ctl
