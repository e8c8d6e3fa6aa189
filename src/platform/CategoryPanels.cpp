#include "platform/CategoryPanels.h"

#include <QScrollBar>
#include <algorithm>

#include "platform/NativeBridge.h"

namespace plat {

namespace {

constexpr int Default_Header_Height = 24;
constexpr TColor Header_Color = 0xF0E6DCu;   // a pale blue band
constexpr TColor Header_Line = 0xB4A08Cu;
constexpr TColor Header_Text = 0x5A3C1Eu;

// The chevron of the header: pointing up while the panel is open (a click
// folds it up), down while it is folded.
void DrawChevron(TCanvas& c, int right, int headerHeight, bool collapsed) {
    const int cx = right - 14;
    const int cy = headerHeight / 2;
    c.Pen().SetColor(Header_Text);
    c.Pen().SetWidth(2);
    for (int shift : {-3, 2}) {
        const int y = cy + shift;
        if (collapsed) {
            c.MoveTo(cx - 4, y - 2);
            c.LineTo(cx, y + 2);
            c.LineTo(cx + 5, y - 3);
        } else {
            c.MoveTo(cx - 4, y + 2);
            c.LineTo(cx, y - 2);
            c.LineTo(cx + 5, y + 3);
        }
    }
    c.Pen().SetWidth(1);
}

}  // namespace

// --- TCategoryPanel ----------------------------------------------------------

TCategoryPanel::TCategoryPanel(TComponent* AOwner) : TCustomControl(AOwner) {
    SetColor(clWhite);
    SetBounds(0, 0, 200, 200);
    FExpandedHeight = Height();
}

TCategoryPanel::~TCategoryPanel() {
    if (FGroup != nullptr) FGroup->RemovePanel(this);
}

void TCategoryPanel::SetPanelGroup(TCategoryPanelGroup* Value) { SetParent(Value); }

void TCategoryPanel::SetParent(TWinControl* AParent) {
    auto* group = dynamic_cast<TCategoryPanelGroup*>(AParent);
    if (FGroup != nullptr && FGroup != group) {
        TCategoryPanelGroup* old = FGroup;
        FGroup = nullptr;
        old->RemovePanel(this);
    }
    TCustomControl::SetParent(AParent);
    if (group != nullptr && FGroup != group) {
        FGroup = group;
        group->AddPanel(this);
    }
}

int TCategoryPanel::HeaderHeight() const {
    return FGroup != nullptr ? FGroup->HeaderHeight() : Default_Header_Height;
}

void TCategoryPanel::SetCollapsed(bool Value) {
    if (Value == FCollapsed) return;
    FCollapsed = Value;
    FPlacing = true;
    TCustomControl::SetBounds(Left(), Top(), Width(), Value ? HeaderHeight() : FExpandedHeight);
    FPlacing = false;
    Invalidate();
    if (FGroup != nullptr) FGroup->Realign();
    if (Value) {
        if (OnCollapse) OnCollapse(this);
    } else if (OnExpand) {
        OnExpand(this);
    }
}

void TCategoryPanel::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
    if (FPlacing) {
        TCustomControl::SetBounds(ALeft, ATop, AWidth, AHeight);
        return;
    }
    // A height given while folded is the one to unfold to; moving a folded
    // panel passes its header height back in, which must not replace it.
    if (!FCollapsed || AHeight != Height()) FExpandedHeight = AHeight;
    if (FCollapsed) AHeight = HeaderHeight();
    const bool moved = ATop != Top() || AHeight != Height();
    TCustomControl::SetBounds(ALeft, ATop, AWidth, AHeight);
    if (moved && FGroup != nullptr) FGroup->Realign();
}

void TCategoryPanel::CMVisibleChanged(TMessage& Message) {
    TCustomControl::CMVisibleChanged(Message);
    if (FGroup != nullptr) FGroup->Realign();
}

void TCategoryPanel::CMTextChanged(TMessage& Message) {
    TCustomControl::CMTextChanged(Message);
    Invalidate();
}

void TCategoryPanel::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TCustomControl::MouseDown(Button, Shift, X, Y);
    if (Button == mbLeft && Y >= 0 && Y < HeaderHeight()) SetCollapsed(!FCollapsed);
}

void TCategoryPanel::Paint() {
    TCanvas& c = Canvas();
    const int hh = HeaderHeight();
    c.Brush().SetStyle(bsSolid);
    c.Brush().SetColor(Color());
    c.FillRect(Rect(0, hh, Width(), Height()));
    c.Brush().SetColor(Header_Color);
    c.FillRect(Rect(0, 0, Width(), hh));
    c.Pen().SetColor(Header_Line);
    c.MoveTo(0, hh - 1);
    c.LineTo(Width(), hh - 1);
    c.SetFont(Font());
    c.Font().SetStyle(TFontStyles{fsBold});
    c.Font().SetColor(Header_Text);
    c.Brush().SetStyle(bsClear);
    TRect text = Rect(8, 0, Width() - 28, hh);
    c.DrawText(Caption(), text, DT_VCENTER | DT_SINGLELINE | DT_LEFT | DT_NOPREFIX | DT_END_ELLIPSIS);
    DrawChevron(c, Width(), hh, FCollapsed);
    c.Brush().SetStyle(bsClear);
    c.Pen().SetColor(Header_Line);
    c.Rectangle(0, 0, Width(), Height());
}

// --- TCategoryPanelGroup -----------------------------------------------------

struct TCategoryPanelGroup::TImpl {
    QPointer<QScrollBar> Bar;
};

TCategoryPanelGroup::TCategoryPanelGroup(TComponent* AOwner)
    : TCustomControl(AOwner), FImpl(std::make_unique<TImpl>()) {
    SetColor(clWhite);
    auto* bar = new QScrollBar(Qt::Vertical, TNativeAccess::Widget(*this));
    bar->setTracking(FTracking);
    bar->hide();
    FImpl->Bar = bar;
    // The scroll bar goes through the same message a program sends, so
    // dragging and WM_VSCROLL move the panels alike.
    QObject::connect(bar, &QScrollBar::valueChanged, bar, [this](int value) {
        if (value != FScrollPos) SafeCall([&] { Perform(WM_VSCROLL, MakeLParam(SB_THUMBPOSITION, value)); });
    });
}

TCategoryPanelGroup::~TCategoryPanelGroup() {
    for (TCategoryPanel* p : FPanels) p->FGroup = nullptr;
    FPanels.clear();
}

void TCategoryPanelGroup::AddPanel(TCategoryPanel* Panel) {
    if (std::find(FPanels.begin(), FPanels.end(), Panel) != FPanels.end()) return;
    FPanels.push_back(Panel);
    Realign();
}

void TCategoryPanelGroup::RemovePanel(TCategoryPanel* Panel) {
    FPanels.erase(std::remove(FPanels.begin(), FPanels.end(), Panel), FPanels.end());
    if (!Destroying()) Realign();
}

void TCategoryPanelGroup::SetHeaderHeight(int Value) {
    if (Value < 1 || Value == FHeaderHeight) return;
    FHeaderHeight = Value;
    for (TCategoryPanel* p : FPanels) {
        if (!p->Collapsed()) continue;
        p->FPlacing = true;
        p->TCustomControl::SetBounds(p->Left(), p->Top(), p->Width(), Value);
        p->FPlacing = false;
    }
    Realign();
}

void TCategoryPanelGroup::SetVertScrollTracking(bool Value) {
    FTracking = Value;
    if (FImpl->Bar) FImpl->Bar->setTracking(Value);
}

int TCategoryPanelGroup::StackHeight() const {
    int h = 0;
    for (TCategoryPanel* p : FPanels)
        if (p->Visible()) h += p->Height();
    return h;
}

int TCategoryPanelGroup::VertScrollMax() const { return std::max(0, StackHeight() - Height()); }

bool TCategoryPanelGroup::VertScrollVisible() const { return StackHeight() > Height(); }

int TCategoryPanelGroup::PanelWidth() const {
    const int bar = VertScrollVisible() && FImpl->Bar ? FImpl->Bar->sizeHint().width() : 0;
    return std::max(0, Width() - bar);
}

void TCategoryPanelGroup::SetVertScrollPos(int Value) {
    Value = std::clamp(Value, 0, VertScrollMax());
    if (Value == FScrollPos) return;
    FScrollPos = Value;
    Realign();
}

void TCategoryPanelGroup::CollapseAll() {
    for (TCategoryPanel* p : std::vector<TCategoryPanel*>(FPanels)) p->Collapse();
}

void TCategoryPanelGroup::ExpandAll() {
    for (TCategoryPanel* p : std::vector<TCategoryPanel*>(FPanels)) p->Expand();
}

void TCategoryPanelGroup::Realign() {
    if (FRealigning) return;
    FRealigning = true;
    FScrollPos = std::clamp(FScrollPos, 0, VertScrollMax());
    std::vector<TCategoryPanel*> shown;
    for (TCategoryPanel* p : FPanels)
        if (p->Visible()) shown.push_back(p);
    // Whoever set the tops last decided the order; equal tops keep the order
    // in which the panels joined.
    std::stable_sort(shown.begin(), shown.end(),
                     [](const TCategoryPanel* a, const TCategoryPanel* b) { return a->Top() < b->Top(); });
    const int width = PanelWidth();
    int y = -FScrollPos;
    for (TCategoryPanel* p : shown) {
        p->FPlacing = true;
        p->TCustomControl::SetBounds(0, y, width, p->Height());
        p->FPlacing = false;
        y += p->Height();
    }
    UpdateScrollBar();
    FRealigning = false;
}

void TCategoryPanelGroup::UpdateScrollBar() {
    QScrollBar* bar = FImpl->Bar;
    if (bar == nullptr) return;
    const bool show = VertScrollVisible();
    const QSignalBlocker quiet(bar);
    bar->setRange(0, VertScrollMax());
    bar->setPageStep(std::max(1, Height()));
    bar->setSingleStep(FLineStep);
    bar->setValue(FScrollPos);
    const int w = bar->sizeHint().width();
    bar->setGeometry(Width() - w, 0, w, Height());
    bar->setVisible(show);
    if (show) bar->raise();
}

void TCategoryPanelGroup::Dispatch(TMessage& Message) {
    if (Message.Msg == WM_VSCROLL) {
        WMVScroll(Message);
        return;
    }
    TCustomControl::Dispatch(Message);
}

void TCategoryPanelGroup::WMVScroll(TMessage& Message) {
    const unsigned code = LoWord(Message.WParam);
    switch (code) {
        case SB_LINEUP: SetVertScrollPos(FScrollPos - FLineStep); break;
        case SB_LINEDOWN: SetVertScrollPos(FScrollPos + FLineStep); break;
        case SB_PAGEUP: SetVertScrollPos(FScrollPos - std::max(1, Height())); break;
        case SB_PAGEDOWN: SetVertScrollPos(FScrollPos + std::max(1, Height())); break;
        case SB_THUMBTRACK:
            if (FTracking) SetVertScrollPos(HiWordSigned(Message.WParam));
            break;
        case SB_THUMBPOSITION: SetVertScrollPos(HiWordSigned(Message.WParam)); break;
        case SB_TOP: SetVertScrollPos(0); break;
        case SB_BOTTOM: SetVertScrollPos(VertScrollMax()); break;
        default: break;  // SB_ENDSCROLL: the position is already where it ends
    }
    Message.Result = 0;
}

void TCategoryPanelGroup::WMSize(TMessage& Message) {
    TCustomControl::WMSize(Message);
    Realign();
}

void TCategoryPanelGroup::Paint() {
    TCanvas& c = Canvas();
    c.Brush().SetStyle(bsSolid);
    c.Brush().SetColor(Color());
    c.FillRect(Rect(0, 0, Width(), Height()));
}

}  // namespace plat
