#include "platform/ExtCtrls.h"

#include <QCoreApplication>
#include <QIcon>
#include <QPixmap>
#include <QTimer>
#include <QToolButton>
#include <algorithm>

#include "platform/Application.h"
#include "platform/NativeBridge.h"

namespace plat {

// --- TPanel ----------------------------------------------------------------

TPanel::TPanel(TComponent* AOwner) : TCustomControl(AOwner) {
    SetBounds(0, 0, 185, 41);
    SetAccessibleRole(arClient);
}

void TPanel::SetBevelOuter(TBevelCut Value) {
    FBevelOuter = Value;
    Invalidate();
}
void TPanel::SetBevelInner(TBevelCut Value) {
    FBevelInner = Value;
    Invalidate();
}
void TPanel::SetBevelWidth(int Value) {
    FBevelWidth = std::max(1, Value);
    Invalidate();
}
void TPanel::SetAlignment(TAlignment Value) {
    FAlignment = Value;
    Invalidate();
}
void TPanel::SetShowCaption(bool Value) {
    FShowCaption = Value;
    Invalidate();
}

void TPanel::Paint() {
    TCanvas& c = Canvas();
    TRect r = Rect(0, 0, Width(), Height());
    auto bevel = [&](TBevelCut cut) {
        if (cut == bvNone || cut == bvSpace) {
            if (cut == bvSpace) InflateRect(r, -FBevelWidth, -FBevelWidth);
            return;
        }
        for (int i = 0; i < FBevelWidth; ++i)
            c.DrawEdge(r, cut == bvLowered ? BDR_SUNKENOUTER : BDR_RAISEDINNER, BF_RECT | BF_ADJUST);
    };
    bevel(FBevelOuter);
    bevel(FBevelInner);
    if (!FShowCaption || Caption().empty()) return;
    c.SetFont(Font());
    c.Brush().SetStyle(bsClear);
    unsigned flags = DT_VCENTER | DT_SINGLELINE;
    flags |= FAlignment == taCenter ? DT_CENTER : FAlignment == taRightJustify ? DT_RIGHT : DT_LEFT;
    c.DrawText(Caption(), r, flags);
}

// --- TShape ----------------------------------------------------------------

TShape::TShape(TComponent* AOwner) : TCustomControl(AOwner) {
    SetBounds(0, 0, 65, 65);
    // Only the shape is drawn: the parent shows through around it.
    SetControlStyle(ControlStyle() | csOpaque);
    FPen.OnChange = [this] { Invalidate(); };
    FBrush.OnChange = [this] { Invalidate(); };
}

void TShape::SetShape(TShapeType Value) {
    FShape = Value;
    Invalidate();
}

void TShape::Paint() {
    TCanvas& c = Canvas();
    c.SetPen(FPen);
    c.SetBrush(FBrush);
    // The outline lies inside the control whatever the pen width.
    const int pw = FPen.Width();
    int x = pw / 2, y = x;
    int w = Width() - pw + 1, h = Height() - pw + 1;
    if (pw == 0) {
        --w;
        --h;
    }
    if (w < h && (FShape == stSquare || FShape == stRoundSquare || FShape == stCircle)) {
        y += (h - w) / 2;
        h = w;
    } else if (h < w && (FShape == stSquare || FShape == stRoundSquare || FShape == stCircle)) {
        x += (w - h) / 2;
        w = h;
    }
    switch (FShape) {
        case stRectangle:
        case stSquare: c.Rectangle(x, y, x + w, y + h); break;
        case stRoundRect:
        case stRoundSquare: c.RoundRect(x, y, x + w, y + h, std::min(w, h) / 4, std::min(w, h) / 4); break;
        case stEllipse:
        case stCircle: c.Ellipse(x, y, x + w, y + h); break;
    }
}

// --- TImage ----------------------------------------------------------------

TImage::TImage(TComponent* AOwner) : TCustomControl(AOwner) {
    SetBounds(0, 0, 105, 105);
    SetControlStyle(ControlStyle() | csOpaque);
    FPicture.OnChange = [this] { Invalidate(); };
}

void TImage::SetStretch(bool Value) {
    FStretch = Value;
    Invalidate();
}
void TImage::SetCenter(bool Value) {
    FCenter = Value;
    Invalidate();
}
void TImage::SetProportional(bool Value) {
    FProportional = Value;
    Invalidate();
}
void TImage::SetTransparent(bool Value) {
    FTransparent = Value;
    if (FPicture.Graphic() != nullptr) FPicture.Graphic()->SetTransparent(Value);
    Invalidate();
}

void TImage::Paint() {
    TGraphic* g = FPicture.Graphic();
    if (g == nullptr || g->Empty()) return;
    int w = g->Width(), h = g->Height();
    const int cw = Width(), ch = Height();
    if (FStretch || (FProportional && (w > cw || h > ch))) {
        if (FProportional && w > 0 && h > 0) {
            // Keep the picture's shape inside the control.
            if (cw * h > ch * w) {
                w = w * ch / h;
                h = ch;
            } else {
                h = h * cw / w;
                w = cw;
            }
        } else {
            w = cw;
            h = ch;
        }
    }
    int x = 0, y = 0;
    if (FCenter) {
        x = (cw - w) / 2;
        y = (ch - h) / 2;
    }
    if (w == g->Width() && h == g->Height()) Canvas().Draw(x, y, *g);
    else Canvas().StretchDraw(Bounds(x, y, w, h), *g);
}

// --- TTimer ----------------------------------------------------------------

// The toolkit's timer is made when the timer first has to run: most timers
// of a window (a button's fade, say) are made enabled and switched off at
// once, and stay off until the window is used. A timer made enabled starts
// when the program next waits for input, which is the earliest it could
// fire anyway.
struct TTimer::TImpl {
    std::unique_ptr<QTimer> timer;
    bool queued = false;
};

namespace {

// Kept to the end of the program: a timer may outlive the program's other
// statics.
std::vector<TTimer*>& Timers_To_Start() {
    static auto* list = new std::vector<TTimer*>;
    return *list;
}

void Unqueue(TTimer* Timer) {
    std::vector<TTimer*>& queue = Timers_To_Start();
    // Mostly the newest: a timer switched off as soon as it was made.
    const auto at = std::find(queue.rbegin(), queue.rend(), Timer);
    if (at != queue.rend()) queue.erase(std::next(at).base());
}

}  // namespace

TTimer::TTimer(TComponent* AOwner) : TComponent(AOwner), FImpl(std::make_unique<TImpl>()) {
    InitApplication();
    if (!FEnabled || FInterval <= 0) return;
    static bool flushing = false;
    if (!flushing) {
        flushing = true;
        QTimer::singleShot(0, QCoreApplication::instance(), [] {
            flushing = false;
            std::vector<TTimer*> due;
            due.swap(Timers_To_Start());
            for (TTimer* t : due) {
                t->FImpl->queued = false;
                t->UpdateTimer();
            }
        });
    }
    Timers_To_Start().push_back(this);
    FImpl->queued = true;
}

TTimer::~TTimer() {
    if (FImpl->queued) Unqueue(this);
    if (FImpl->timer) FImpl->timer->stop();
}

void TTimer::SetInterval(int Value) {
    if (Value == FInterval) return;
    FInterval = Value;
    UpdateTimer();
}

void TTimer::SetEnabled(bool Value) {
    if (Value == FEnabled) return;
    FEnabled = Value;
    UpdateTimer();
}

void TTimer::UpdateTimer() {
    const bool run = FEnabled && FInterval > 0;
    if (FImpl->queued) {
        // It starts with the others once input is awaited, unless it is off.
        if (run) return;
        Unqueue(this);
        FImpl->queued = false;
    }
    if (!FImpl->timer) {
        if (!run) return;
        FImpl->timer = std::make_unique<QTimer>();
        QObject::connect(FImpl->timer.get(), &QTimer::timeout, [this] {
            SafeCall([this] {
                if (OnTimer) OnTimer(this);
            });
        });
    }
    FImpl->timer->stop();
    if (run) FImpl->timer->start(FInterval);
}

// --- TSpeedButton ----------------------------------------------------------

TSpeedButton::TSpeedButton(TComponent* AOwner) : TWinControl(AOwner) {
    auto* w = new QToolButton;
    w->setFocusPolicy(Qt::NoFocus);
    w->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    TNativeAccess::Native(*this).ApplyText = [w](const std::string& t) { w->setText(ToQ(t)); };
    QObject::connect(w, &QToolButton::clicked, w, [this] { TNativeAccess::CallClick(*this); });
    SetBounds(0, 0, 23, 22);
    TNativeAccess::Bind(*this, w);
    SetControlStyle(ControlStyle() & ~csClickEvents);
}

void TSpeedButton::SetFlat(bool Value) {
    FFlat = Value;
    static_cast<QToolButton*>(TNativeAccess::Widget(*this))->setAutoRaise(Value);
}

void TSpeedButton::SetGroupIndex(int Value) {
    FGroupIndex = Value;
    auto* w = static_cast<QToolButton*>(TNativeAccess::Widget(*this));
    w->setCheckable(Value > 0);
    w->setChecked(FDown);
}

void TSpeedButton::SetDown(bool Value) {
    if (FGroupIndex == 0) Value = false;
    FDown = Value;
    static_cast<QToolButton*>(TNativeAccess::Widget(*this))->setChecked(Value);
    if (!Value || Parent() == nullptr) return;
    // One button of a group is down at a time.
    for (int i = 0; i < Parent()->ControlCount(); ++i) {
        auto* other = dynamic_cast<TSpeedButton*>(Parent()->Controls(i));
        if (other != nullptr && other != this && other->FGroupIndex == FGroupIndex && other->FDown) {
            other->FDown = false;
            static_cast<QToolButton*>(TNativeAccess::Widget(*other))->setChecked(false);
        }
    }
}

void TSpeedButton::Click() {
    if (FGroupIndex > 0) {
        // The toolkit toggled the button; the group rules decide.
        if (FDown && FAllowAllUp) SetDown(false);
        else SetDown(true);
    }
    TWinControl::Click();
}

void TSpeedButton::SetGlyph(const TBitmap& Value) {
    auto* w = static_cast<QToolButton*>(TNativeAccess::Widget(*this));
    if (Value.Empty()) {
        w->setIcon(QIcon());
        return;
    }
    QImage img = PixelsOf(Value);
    if (Value.Transparent()) {
        QColor key = ToQColor(Value.TransparentColor());
        img = img.convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                if (img.pixelColor(x, y).rgb() == key.rgb()) img.setPixelColor(x, y, Qt::transparent);
    }
    w->setIcon(QIcon(QPixmap::fromImage(img)));
    w->setIconSize(img.size());
}

// --- TSplitter -------------------------------------------------------------

TSplitter::TSplitter(TComponent* AOwner) : TCustomControl(AOwner) {
    SetBounds(0, 0, 3, 100);
    SetAlign(alLeft);
    SetCursor(crSizeWE);
}

TControl* TSplitter::FindControl() const {
    TWinControl* p = Parent();
    if (p == nullptr) return nullptr;
    // The control aligned the same way that touches the splitter's near edge.
    for (int i = 0; i < p->ControlCount(); ++i) {
        TControl* c = p->Controls(i);
        if (c == this || c->Align() != Align() || !c->Visible()) continue;
        switch (Align()) {
            case alLeft: if (c->Left() + c->Width() == Left()) return c; break;
            case alRight: if (c->Left() == Left() + Width()) return c; break;
            case alTop: if (c->Top() + c->Height() == Top()) return c; break;
            case alBottom: if (c->Top() == Top() + Height()) return c; break;
            default: break;
        }
    }
    return nullptr;
}

void TSplitter::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TCustomControl::MouseDown(Button, Shift, X, Y);
    TControl* c = FindControl();
    if (Button != mbLeft || c == nullptr) return;
    FDragging = true;
    FDownPos = ClientToScreen({X, Y});
    FStartSize = (Align() == alLeft || Align() == alRight) ? c->Width() : c->Height();
}

void TSplitter::MouseMove(TShiftState Shift, int X, int Y) {
    TCustomControl::MouseMove(Shift, X, Y);
    if (!FDragging) return;
    TControl* c = FindControl();
    if (c == nullptr) return;
    TPoint p = ClientToScreen({X, Y});
    int delta = 0;
    switch (Align()) {
        case alLeft: delta = p.X - FDownPos.X; break;
        case alRight: delta = FDownPos.X - p.X; break;
        case alTop: delta = p.Y - FDownPos.Y; break;
        case alBottom: delta = FDownPos.Y - p.Y; break;
        default: break;
    }
    const int size = std::max(FMinSize, FStartSize + delta);
    if (Align() == alLeft || Align() == alRight) c->SetWidth(size);
    else c->SetHeight(size);
}

void TSplitter::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    FDragging = false;
    TCustomControl::MouseUp(Button, Shift, X, Y);
}

}  // namespace plat
