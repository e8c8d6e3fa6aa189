#include "controls/ExtWatch.h"

#include <cmath>
#include <numbers>
#include <stdexcept>

#include "controls/DropDownDraw.h"
#include "platform/Messages.h"

namespace ctl {

using namespace plat;

namespace {
double Rad(double Deg) { return Deg * std::numbers::pi / 180; }
}  // namespace

TExtWatch::TExtWatch(TComponent* AOwner) : TCustomControl(AOwner) {
    SetAccessibleName("Clock");
    SetAccessibleRole(arClient);
    SetBounds(0, 0, 180, 180);
}

void TExtWatch::SetTime(int Seconds) {
    Seconds = ((Seconds % 86400) + 86400) % 86400;
    if (Seconds == FTime) return;
    FTime = Seconds;
    FAM = Hour() < 12;
    Invalidate();
}

void TExtWatch::SetHour(int Value) {
    if (Value < 0 || Value > 23 || Value == Hour()) return;
    SetTime(Value * 3600 + FTime % 3600);
    if (OnChange) OnChange(this);
}

void TExtWatch::SetMinute(int Value) {
    if (Value >= 60 || Value < 0) throw std::invalid_argument("Invalid time");
    if (Value == Minute()) return;
    FMinuteFrom = Minute();
    int h = Hour();
    if (Value == 0 && FMinuteFrom > 30) h = (h + 1) % 24;
    SetTime(h * 3600 + Value * 60 + FTime % 60);
    if (OnChange) OnChange(this);
}

void TExtWatch::WatchKeyDown(unsigned short Key) {
    const int h = Hour(), m = Minute();
    switch (Key) {
        case 'A': if (h > 11) SetHour(h - 12); break;
        case 'P': if (h < 12) SetHour(h + 12); break;
        case VK_PRIOR: SetHour(h <= 22 ? h + 1 : 0); break;
        case VK_NEXT: SetHour(h > 0 ? h - 1 : 23); break;
        case VK_HOME: SetHour(12); break;
        case VK_LEFT:
            if (m > 0) SetMinute(m - 1);
            else SetTime((h == 0 ? 23 : h - 1) * 3600 + 59 * 60 + FTime % 60);
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
    const TRect f = FaceRect();
    const double cx = (f.Left + f.Right) / 2.0, cy = (f.Top + f.Bottom) / 2.0, r = f.Width() / 2.0;
    const double nx = (X - cx) / r, ny = (Y - cy) / r;
    if (nx * nx + ny * ny > 1) {
        SetMinute(MinuteAtPoint(X, Y));
        return;
    }
    const TRect ap = AMPMRect();
    if (X >= ap.Left && X < ap.Right && Y >= ap.Top && Y < ap.Bottom) {
        SetHour(Hour() < 12 ? Hour() + 12 : Hour() - 12);
        return;
    }
    SetHour(HourAtPoint(X, Y));
}

void TExtWatch::Dispatch(TMessage& Message) {
    if (Message.Msg == WM_GETDLGCODE) {
        Message.Result = TabStop() ? 5 : 0;
        return;
    }
    TCustomControl::Dispatch(Message);
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

void TExtWatch::Paint() {
    TCanvas& c = Canvas();
    const TWatchAppearance& a = FAppearance;
    const TRect client = Rect(0, 0, Width(), Height());
    c.Brush().SetColor(Color());
    c.FillRect(client);
    const TRect f = FaceRect();
    const double cx = (f.Left + f.Right) / 2.0, cy = (f.Top + f.Bottom) / 2.0, R = f.Width() / 2.0;
    // Face.
    if (a.BackgroundColor != clNone) {
        c.Brush().SetColor(a.BackgroundColor);
        c.Pen().SetColor(a.BackgroundColor);
        if (a.Shape == wsCircle) c.Ellipse(f);
        else if (a.Shape == wsRoundRect) c.RoundRect(client, 20, 20);
        else c.FillRect(client);
    }
    if (a.BorderColor != clNone && a.BorderWidth > 0) {
        c.Brush().SetStyle(bsClear);
        c.Pen().SetColor(a.BorderColor);
        c.Pen().SetWidth(a.BorderWidth);
        if (a.Shape == wsCircle) c.Ellipse(f);
        else if (a.Shape == wsRoundRect) c.RoundRect(client, 20, 20);
        else c.Rectangle(client);
        c.Pen().SetWidth(1);
    }
    // Marks, measured clockwise from 3 o'clock.
    if (a.TickMarks != tmNone) {
        const double q = R - a.BorderWidth / 2;
        const double r = a.HourMarkLength > 0 ? q - a.HourMarkLength : 0.9 * q;
        const double r2 = a.MinuteMarkLength > 0 ? q - a.MinuteMarkLength : 0.95 * q;
        for (int i = 0; i < 60; ++i) {
            const bool hour = i % 5 == 0, quarter = i % 15 == 0;
            if (!quarter && a.TickMarks == tmQuartHours) continue;
            if (!hour && a.TickMarks != tmAll) continue;
            const double ang = Rad(i * 6);
            const double from = hour ? r : r2;
            c.Pen().SetColor(hour ? a.HourColor : a.MinuteColor);
            c.Pen().SetWidth(hour ? a.HourMarkWidth : a.MinuteMarkWidth);
            c.MoveTo(RoundHalfEven(cx + from * std::cos(ang)), RoundHalfEven(cy + from * std::sin(ang)));
            c.LineTo(RoundHalfEven(cx + q * std::cos(ang)), RoundHalfEven(cy + q * std::sin(ang)));
        }
        c.Pen().SetWidth(1);
    }
    // Hour numbers.
    if (FShowNumbers && a.TickMarks != tmNone && a.TickMarks != tmHours) {
        const double r0 = R - a.BorderWidth / 2;
        const int b = a.HourMarkLength > 0 ? a.HourMarkLength : RoundHalfEven(r0 - 0.9 * r0) + 2;
        c.Brush().SetStyle(bsClear);
        c.Font().SetColor(a.HourColor);
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
    // AM/PM box.
    if (FShowAMPM) {
        const TRect ap = AMPMRect();
        if (a.AMPMColor != clNone || a.AMPMBorderColor != clNone) {
            if (a.AMPMColor != clNone) c.Brush().SetColor(a.AMPMColor);
            else c.Brush().SetStyle(bsClear);
            c.Pen().SetColor(a.AMPMBorderColor != clNone ? a.AMPMBorderColor : a.AMPMColor);
            c.Rectangle(ap);
        }
        c.Brush().SetStyle(bsClear);
        c.Font().SetColor(clBlack);
        TRect tr = ap;
        c.DrawText(FAM ? "AM" : "PM", tr, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
    // Hands. The two styles that have no shape of their own draw line
    // hands rather than none at all.
    const int h = Hour() % 12, m = Minute();
    const double hourAngle = 30 * h + m / 2.0, minuteAngle = 6 * m;
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
    if (a.CenterPointSize > 0 && a.CenterPointColor != clNone) {
        const int z = a.CenterPointSize;
        const int l = RoundHalfEven(cx - z / 2.0), t = RoundHalfEven(cy - z / 2.0);
        c.Brush().SetColor(a.CenterPointColor);
        c.Pen().SetColor(a.CenterPointColor);
        c.Ellipse(l, t, l + z, t + z);
    }
}

}  // namespace ctl
