#include "platform/ScrollBox.h"

#include <QPointer>
#include <QScrollBar>
#include <algorithm>

#include "platform/NativeBridge.h"

namespace plat {

namespace {
constexpr int Line_Step = 16;
constexpr int Wheel_Step = 3 * Line_Step;
}  // namespace

int TControlScrollBar::MaxPosition() const {
    const int extent = FVertical ? FOwner->ClientHeight() : FOwner->ClientWidth();
    return std::max(0, FRange - extent);
}

void TControlScrollBar::SetPosition(int Value) {
    Value = std::clamp(Value, 0, MaxPosition());
    if (Value == FPosition) return;
    const int delta = FPosition - Value;
    FPosition = Value;
    if (FVertical) FOwner->MoveChildren(0, delta);
    else FOwner->MoveChildren(delta, 0);
    FOwner->UpdateBars();
}

struct TScrollingWinControl::TImpl {
    QPointer<QScrollBar> Vert;
    QPointer<QScrollBar> Horz;
};

TScrollingWinControl::TScrollingWinControl(TComponent* AOwner)
    : TCustomControl(AOwner), FImpl(std::make_unique<TImpl>()) {
    QWidget* host = TNativeAccess::Widget(*this);
    auto make = [&](Qt::Orientation o, unsigned msg) {
        auto* bar = new QScrollBar(o, host);
        bar->hide();
        // The bar goes through the message a program sends, so dragging and
        // WM_VSCROLL / WM_HSCROLL move the content alike.
        QObject::connect(bar, &QScrollBar::valueChanged, bar, [this, msg](int value) {
            SafeCall([&] { Perform(msg, MakeLParam(SB_THUMBTRACK, value)); });
        });
        return bar;
    };
    FImpl->Vert = make(Qt::Vertical, WM_VSCROLL);
    FImpl->Horz = make(Qt::Horizontal, WM_HSCROLL);
}

TScrollingWinControl::~TScrollingWinControl() = default;

int TScrollingWinControl::BarThickness() const {
    return FImpl->Vert ? FImpl->Vert->sizeHint().width() : GetSystemMetrics(SM_CXVSCROLL);
}

int TScrollingWinControl::ClientWidth() const {
    return std::max(0, Width() - (FVert.FShown ? BarThickness() : 0));
}

int TScrollingWinControl::ClientHeight() const {
    return std::max(0, Height() - (FHorz.FShown ? BarThickness() : 0));
}

void TScrollingWinControl::SetAutoScroll(bool Value) {
    if (Value == FAutoScroll) return;
    FAutoScroll = Value;
    Realign();
}

void TScrollingWinControl::MoveChildren(int Dx, int Dy) {
    if (Dx == 0 && Dy == 0) return;
    for (int i = 0; i < ControlCount(); ++i) {
        TControl* c = Controls(i);
        c->SetBounds(c->Left() + Dx, c->Top() + Dy, c->Width(), c->Height());
    }
}

void TScrollingWinControl::Realign() {
    if (FRealigning) return;
    FRealigning = true;
    // The content's extent in content coordinates.
    int right = 0, bottom = 0;
    for (int i = 0; i < ControlCount(); ++i) {
        const TControl* c = Controls(i);
        if (!c->Visible()) continue;
        right = std::max(right, c->Left() + FHorz.FPosition + c->Width());
        bottom = std::max(bottom, c->Top() + FVert.FPosition + c->Height());
    }
    FHorz.FRange = right;
    FVert.FRange = bottom;
    // A bar that shows takes room from the other direction, which may make
    // the other one needed as well: settle in two rounds.
    FVert.FShown = FHorz.FShown = false;
    for (int round = 0; round < 2 && FAutoScroll; ++round) {
        FVert.FShown = bottom > ClientHeight();
        FHorz.FShown = right > ClientWidth();
    }
    const int v = std::clamp(FVert.FPosition, 0, FVert.FShown ? FVert.MaxPosition() : 0);
    const int h = std::clamp(FHorz.FPosition, 0, FHorz.FShown ? FHorz.MaxPosition() : 0);
    MoveChildren(FHorz.FPosition - h, FVert.FPosition - v);
    FVert.FPosition = v;
    FHorz.FPosition = h;
    UpdateBars();
    FRealigning = false;
}

void TScrollingWinControl::UpdateBars() {
    const int t = BarThickness();
    auto place = [&](QScrollBar* bar, const TControlScrollBar& b, int page, QRect geometry) {
        if (bar == nullptr) return;
        const QSignalBlocker quiet(bar);
        bar->setRange(0, b.MaxPosition());
        bar->setPageStep(std::max(1, page));
        bar->setSingleStep(Line_Step);
        bar->setValue(b.FPosition);
        bar->setGeometry(geometry);
        bar->setVisible(b.FShown);
        if (b.FShown) bar->raise();
    };
    place(FImpl->Vert, FVert, ClientHeight(), QRect(Width() - t, 0, t, ClientHeight()));
    place(FImpl->Horz, FHorz, ClientWidth(), QRect(0, Height() - t, ClientWidth(), t));
}

void TScrollingWinControl::Dispatch(TMessage& Message) {
    if (Message.Msg == WM_VSCROLL) {
        WMVScroll(Message);
        return;
    }
    if (Message.Msg == WM_HSCROLL) {
        WMHScroll(Message);
        return;
    }
    TCustomControl::Dispatch(Message);
}

void TScrollingWinControl::ScrollMessage(TControlScrollBar& Bar, TMessage& Message) {
    const int page = Bar.FVertical ? ClientHeight() : ClientWidth();
    switch (LoWord(Message.WParam)) {
        case SB_LINEUP: Bar.SetPosition(Bar.FPosition - Line_Step); break;
        case SB_LINEDOWN: Bar.SetPosition(Bar.FPosition + Line_Step); break;
        case SB_PAGEUP: Bar.SetPosition(Bar.FPosition - std::max(1, page)); break;
        case SB_PAGEDOWN: Bar.SetPosition(Bar.FPosition + std::max(1, page)); break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION: Bar.SetPosition(HiWordSigned(Message.WParam)); break;
        case SB_TOP: Bar.SetPosition(0); break;
        case SB_BOTTOM: Bar.SetPosition(Bar.MaxPosition()); break;
        default: break;
    }
    Message.Result = 0;
}

void TScrollingWinControl::WMVScroll(TMessage& Message) { ScrollMessage(FVert, Message); }
void TScrollingWinControl::WMHScroll(TMessage& Message) { ScrollMessage(FHorz, Message); }

void TScrollingWinControl::WMSize(TMessage& Message) {
    TCustomControl::WMSize(Message);
    Realign();
}

bool TScrollingWinControl::DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos) {
    if (TCustomControl::DoMouseWheel(Shift, WheelDelta, MousePos)) return true;
    if (!FVert.FShown) return false;
    FVert.SetPosition(FVert.FPosition - (WheelDelta > 0 ? Wheel_Step : -Wheel_Step));
    return true;
}

void TScrollingWinControl::Paint() {
    TCanvas& c = Canvas();
    c.Brush().SetStyle(bsSolid);
    c.Brush().SetColor(Color());
    c.FillRect(Rect(0, 0, Width(), Height()));
}

}  // namespace plat
