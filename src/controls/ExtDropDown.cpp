#include "controls/ExtDropDown.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "controls/EsgHTMLE.h"
#include "controls/ExtDraw.h"
#include "controls/ExtUtil.h"
#include "platform/Application.h"
#include "platform/Messages.h"
#include "platform/Process.h"

namespace ctl {

using namespace plat;

namespace {

constexpr int kReopenGuardMs = 250;

bool IsNumericKind(TDropDownEditType t) { return t == etNumeric || t == etFloat || t == etMoney; }

std::string Printf(const char* fmt, double v, int prec) {
    char buf[512];
    std::snprintf(buf, sizeof buf, fmt, prec, v);
    return buf;
}

// Fixed-point text with the locale's separators, thousands grouped.
std::string FormatGrouped(double v, int decimals) {
    std::string s = Printf("%.*f", v, std::max(0, decimals));
    bool neg = !s.empty() && s[0] == '-';
    if (neg) s.erase(0, 1);
    size_t dot = s.find('.');
    std::string ip = s.substr(0, dot), fp = dot == std::string::npos ? "" : s.substr(dot + 1);
    std::string grouped;
    for (size_t i = 0; i < ip.size(); ++i) {
        if (i > 0 && (ip.size() - i) % 3 == 0) grouped += GetThousandSeparator();
        grouped += ip[i];
    }
    std::string r = (neg ? "-" : "") + grouped;
    if (!fp.empty()) r += GetDecimalSeparator() + fp;
    return r;
}

std::string LocalDecimal(std::string s) {
    for (char& c : s)
        if (c == '.') c = GetDecimalSeparator();
    return s;
}

}  // namespace

// ---------------------------------------------------------------- helpers

int CheckNumericText(const std::string& S) {
    bool isInt = !S.empty(), isDec = !S.empty(), isHex = !S.empty();
    const char ds = GetDecimalSeparator(), ts = GetThousandSeparator();
    int dsCount = 0, minus = 0, lastTs = 0;
    for (size_t k = 0; k < S.size(); ++k) {
        const char c = S[k];
        const int i = static_cast<int>(k) + 1;
        const bool digit = c >= '0' && c <= '9';
        if (c != '-' && !digit) isInt = false;
        if (c != ',' && c != '-' && c != '.' && !digit) isDec = false;
        if (c != '-' && !digit && !((c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f'))) isHex = false;
        if (c == ts) {
            if (i == 1 || (lastTs > 0 && i - lastTs < 3)) isDec = false;
            lastTs = i;
        }
        if (c == ds) ++dsCount;
        if (c == '-') ++minus;
    }
    int r = 2;
    if (isHex && !isInt) r = 5;
    if (isInt) r = 0;
    else if (isDec) r = 1;
    if (minus > 1 || dsCount > 1) r = 2;
    return r;
}

long long HexToInt(const std::string& S) {
    long long r = 0;
    for (char c : S) {
        int d = 0;
        if (c >= '0' && c <= '9') d = c - '0';
        else if (c >= 'A' && c <= 'F') d = c - 'A' + 10;
        else if (c >= 'a' && c <= 'f') d = c - 'a' + 10;
        r = r * 16 + d;
    }
    return r;
}

TPoint PlaceDropDown(TPoint P, int EditHeight, int FormWidth, int FormHeight, TDropPosition Position,
                     int ScreenHeight, const TMonitorRect& WorkArea) {
    TPoint r{P.X, P.Y + EditHeight - 1};
    if (Position == dpUp || (Position == dpAuto && P.Y + FormHeight >= ScreenHeight)) r.Y = P.Y - FormHeight;
    if (WorkArea.Left >= 0 && r.X + FormWidth > WorkArea.Right && r.X < WorkArea.Right)
        r.X = WorkArea.Right - FormWidth;
    return r;
}

// ------------------------------------------------------------- bar button

THotTrackButton::THotTrackButton(TComponent* AOwner) : TCustomControl(AOwner) {}

void THotTrackButton::CMMouseEnter(TMessage& Message) {
    TCustomControl::CMMouseEnter(Message);
    FHot = true;
    Invalidate();
}

void THotTrackButton::CMMouseLeave(TMessage& Message) {
    TCustomControl::CMMouseLeave(Message);
    FHot = false;
    Invalidate();
}

TExtBarButton::TExtBarButton(TComponent* AOwner, TExtCustomDropDown* DropDown, bool Footer, int Index)
    : THotTrackButton(AOwner), FDropDown(DropDown), FFooter(Footer), FIndex(Index) {
    SetAccessibleRole(arButton);
}

void TExtBarButton::SetItem(const TBarButtonItem& Value) {
    FItem = Value;
    SetCaption(Value.Caption);
    SetAccessibleName(Value.Caption);
    SetEnabled(Value.Enabled);
    Invalidate();
}

void TExtBarButton::Click() {
    static constexpr TModalResult kCancelling[] = {mrCancel, mrAbort, mrIgnore, mrNo, mrNoToAll};
    static constexpr TModalResult kClosing[] = {mrOk, mrYes, mrAll, mrYesToAll};
    const TModalResult mr = FItem.ModalResult;
    if (FDropDown != nullptr && mr != mrNone) {
        if (std::find(std::begin(kCancelling), std::end(kCancelling), mr) != std::end(kCancelling))
            FDropDown->HideDropDown(true);
        else if (std::find(std::begin(kClosing), std::end(kClosing), mr) != std::end(kClosing))
            FDropDown->HideDropDown(false);
    }
    if (FDropDown != nullptr) {
        auto& ev = FFooter ? FDropDown->OnDropDownFooterButtonClick : FDropDown->OnDropDownHeaderButtonClick;
        if (ev) ev(FDropDown, FIndex);
    }
    TCustomControl::Click();
}

void TExtBarButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TCustomControl::MouseDown(Button, Shift, X, Y);
    if (Button == mbLeft && Enabled()) FDown = true, Invalidate();
}

void TExtBarButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    const bool wasDown = FDown;
    FDown = false;
    Invalidate();
    TCustomControl::MouseUp(Button, Shift, X, Y);
    // A release outside the button leaves it up without a click.
    if (Button == mbLeft && wasDown && X >= 0 && Y >= 0 && X < Width() && Y < Height()) Click();
}

void TExtBarButton::KeyDown(unsigned short& Key, TShiftState Shift) {
    if ((Key == VK_RETURN || Key == VK_SPACE) && Enabled() && !(Shift & (ssCtrl | ssAlt))) {
        FDown = true;
        Repaint();
        FDown = false;
        Key = 0;
        // A key press is a click: the bar's button event fires as for the mouse.
        Click();
        return;
    }
    THotTrackButton::KeyDown(Key, Shift);
}

void TExtBarButton::Paint() {
    TCanvas& c = Canvas();
    const TExtButtonAppearance& a = FDropDown ? FDropDown->ButtonAppearance() : TExtButtonAppearance{};
    TColor from = a.Color, to = a.ColorTo, border = a.BorderColor;
    if (!Enabled()) from = a.ColorDisabled, to = a.ColorDisabledTo, border = a.BorderColorDisabled;
    else if (FDown) from = a.ColorDown, to = a.ColorDownTo, border = a.BorderColorDown;
    // The hot face is one colour only.
    else if (FHot) from = a.ColorHot, to = clNone, border = a.BorderColorHot;
    const TRect r = Rect(0, 0, Width(), Height());
    DrawItemBackground(c, r, from, to, border, 1, gdVertical);
    c.Brush().SetStyle(bsClear);
    c.Font().SetColor(Enabled() ? clBlack : clGray);
    TRect tr = r;
    const IHtmlImageList* images = FDropDown ? FDropDown->Images() : nullptr;
    if (images != nullptr && FItem.ImageIndex >= 0 && FItem.ImageIndex < images->Count()) {
        // The image leads; a caption follows it, else the image is centred.
        const int iw = images->Width(), ih = images->Height();
        const int x = Caption().empty() ? (r.Width() - iw) / 2 : r.Left + 4;
        images->Draw(c, x, (r.Height() - ih) / 2, FItem.ImageIndex);
        tr.Left = x + iw + 2;
        c.DrawText(Caption(), tr, DT_VCENTER | DT_SINGLELINE);
        return;
    }
    c.DrawText(Caption(), tr, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

// -------------------------------------------------------------------- bar

TExtBar::TExtBar(TComponent* AOwner, TExtCustomDropDown* DropDown, bool Footer)
    : TCustomControl(AOwner), FDropDown(DropDown), FFooter(Footer) {
    SetAccessibleName(Footer ? "Footer" : "Header");
    SetAccessibleRole(arStaticText);
}

bool TExtBar::InGrip(int X, int Y) const { return GripShows() && X > Width() - 12 && Y > Height() - 15; }

void TExtBar::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TCustomControl::MouseDown(Button, Shift, X, Y);
    TForm* f = ParentForm();
    if (Button != mbLeft || f == nullptr || !InGrip(X, Y)) return;
    FSizing = true;
    FSizeFrom = ClientToScreen(TPoint{X, Y});
    FStartWidth = f->Width();
    FStartHeight = f->Height();
    SetMouseCapture(true);
}

void TExtBar::MouseMove(TShiftState Shift, int X, int Y) {
    TCustomControl::MouseMove(Shift, X, Y);
    TForm* f = ParentForm();
    if (FSizing && f != nullptr) {
        const TPoint at = ClientToScreen(TPoint{X, Y});
        // Never smaller than the pop-up's own minimum.
        f->SetBounds(f->Left(), f->Top(), std::max(80, FStartWidth + at.X - FSizeFrom.X),
                     std::max(50, FStartHeight + at.Y - FSizeFrom.Y));
        return;
    }
    SetCursor(InGrip(X, Y) ? crSizeNWSE : crDefault);
}

void TExtBar::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TCustomControl::MouseUp(Button, Shift, X, Y);
    if (!FSizing) return;
    FSizing = false;
    SetMouseCapture(false);
    SetCursor(crDefault);
}

void TExtBar::CMMouseLeave(TMessage& Message) {
    TCustomControl::CMMouseLeave(Message);
    if (!FSizing) SetCursor(crDefault);
}

bool TExtBar::GripShows() const {
    return FFooter && FAppearance.SizeGrip && FDropDown != nullptr && FDropDown->DropDownSizeable();
}

TRect TExtBar::ButtonArea() const {
    if (!FFooter) return Rect(2, 2, Width() - 2, Height() - 3);
    return Rect(2, 2, Width() - (GripShows() ? 14 : 2), Height() - 2);
}

void TExtBar::Relink() {
    FAppearance = FFooter ? FDropDown->DropDownFooter() : FDropDown->DropDownHeader();
    SetHeight(FAppearance.Height);
    SetVisible(FAppearance.Visible);
    BuildButtons();
}

void TExtBar::ClearButtons() {
    for (auto it = FButtons.rbegin(); it != FButtons.rend(); ++it) delete *it;
    FButtons.clear();
}

void TExtBar::BuildButtons() {
    ClearButtons();
    const int h = std::max(0, ButtonArea().Height());
    TCanvas measure;
    for (size_t i = 0; i < FAppearance.Buttons.size(); ++i) {
        const TBarButtonItem& item = FAppearance.Buttons[i];
        auto* b = new TExtBarButton(this, FDropDown, FFooter, static_cast<int>(i));
        b->SetParent(this);
        b->SetItem(item);
        TSize sz = GetTextSize(measure, item.Caption);
        const IHtmlImageList* images = FDropDown ? FDropDown->Images() : nullptr;
        if (images != nullptr && item.ImageIndex >= 0) {
            sz.cx = item.Caption.empty() ? std::max(sz.cx, images->Width()) : sz.cx + images->Width() + 6;
            sz.cy = std::max(sz.cy, images->Height());
        }
        const int w = item.Width > 0 ? item.Width : sz.cx + 8;
        // A button is never taller than the area it sits in.
        const int bh = item.Height > 0 ? std::min(item.Height, h) : std::min(sz.cy + 4, h);
        b->SetBounds(0, 0, w, bh);
        FButtons.push_back(b);
    }
    ArrangeButtons();
}

void TExtBar::ArrangeButtons() {
    const TRect area = ButtonArea();
    int x = FAppearance.ButtonAlignment == baRight ? area.Right : area.Left;
    for (TExtBarButton* b : FButtons) {
        const int top = std::max(area.Top, (area.Bottom - b->Height()) / 2);
        if (FAppearance.ButtonAlignment == baRight) {
            x -= b->Width();
            b->SetBounds(x, top, b->Width(), b->Height());
            x -= 2;
        } else {
            b->SetBounds(x, top, b->Width(), b->Height());
            x += b->Width() + 2;
        }
    }
}

void TExtBar::WMSize(TMessage& Message) {
    TCustomControl::WMSize(Message);
    ArrangeButtons();
}

void TExtBar::Paint() {
    TCanvas& c = Canvas();
    const TRect r = Rect(0, 0, Width(), Height());
    FCaptionRect = TRect{};
    if (OnDrawBackGround) {
        OnDrawBackGround(this, c, r);
        return;
    }
    const TBarAppearance& a = FAppearance;
    if (a.ColorTo == clNone) {
        if (a.Color != clNone) {
            c.Brush().SetColor(a.Color);
            c.FillRect(r);
        }
    } else if (a.Color != clNone)
        DrawGradient(c, a.Color, a.ColorTo, 80, r, a.GradientDirection == gdHorizontal);
    if (a.BorderColor != clNone && a.BorderWidth > 0) {
        c.Pen().SetColor(a.BorderColor);
        c.Pen().SetWidth(a.BorderWidth);
        const bool framed = FDropDown != nullptr && FDropDown->DropDownBorderWidth() > 0;
        const int y = FFooter ? 0 : r.Bottom - 1;
        c.MoveTo(0, y);
        c.LineTo(r.Right, y);
        if (!framed) {
            c.Brush().SetStyle(bsClear);
            c.Rectangle(r);
        }
        c.Pen().SetWidth(1);
    }
    TRect cr = r;
    InflateRect(cr, -a.BorderWidth, -a.BorderWidth);
    const IHtmlImageList* images = FDropDown ? FDropDown->Images() : nullptr;
    if (images != nullptr && a.ImageIndex >= 0 && a.ImageIndex < images->Count()) {
        images->Draw(c, cr.Left + 4, cr.Top + (cr.Height() - images->Height()) / 2, a.ImageIndex);
        cr.Left += images->Width() + 8;
    }
    std::string text = a.Caption;
    if (OnGetText) OnGetText(this, text);
    if (!text.empty()) {
        if (!FButtons.empty() && a.ButtonAlignment == baRight) cr.Right = FButtons.back()->Left() - 2;
        cr.Left += 2;
        c.Brush().SetStyle(bsClear);
        c.Font().SetColor(a.FontColor);
        TRect tr = cr;
        c.DrawText(text, tr, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS);
        FCaptionRect = cr;
    }
    if (GripShows()) {
        // Six dots in a triangle at the bottom-right corner.
        const int gx = r.Right - a.BorderWidth - 16, gb = r.Bottom;
        c.Brush().SetColor(clGray);
        const int dots[6][2] = {{12, 4}, {8, 8}, {12, 8}, {4, 12}, {8, 12}, {12, 12}};
        for (auto& d : dots) c.FillRect(Rect(gx + d[0], gb - 16 + d[1], gx + d[0] + 2, gb - 16 + d[1] + 2));
    }
}

// ------------------------------------------------------------------ form

namespace {

// The background of the pop-up: colours, frame, and the place of the bars
// and the inner control inside the frame.
class TDropDownClient : public TCustomControl {
public:
    TDropDownClient(TComponent* AOwner, TDropDownForm* Form) : TCustomControl(AOwner), FForm(Form) {
        SetAccessibleName("Drop-down");
        SetAccessibleRole(arClient);
    }
    void Arrange() {
        TExtCustomDropDown* dd = FForm->ExtDropDown();
        if (dd == nullptr) return;
        const int b = dd->DropDownBorderWidth();
        TRect r = Rect(b, b, Width() - b, Height() - b);
        if (TExtBar* h = FForm->Header(); h != nullptr && h->Visible()) {
            h->SetBounds(r.Left, r.Top, r.Width(), h->Height());
            r.Top += h->Height();
        }
        if (TExtBar* f = FForm->Footer(); f != nullptr && f->Visible()) {
            f->SetBounds(r.Left, r.Bottom - f->Height(), r.Width(), f->Height());
            r.Bottom -= f->Height();
        }
        if (TControl* c = dd->Control(); c != nullptr && c->Parent() == this)
            c->SetBounds(r.Left, r.Top, std::max(0, r.Width()), std::max(0, r.Height()));
    }

protected:
    void WMSize(TMessage& Message) override {
        TCustomControl::WMSize(Message);
        Arrange();
    }
    void Paint() override {
        TExtCustomDropDown* dd = FForm->ExtDropDown();
        if (dd == nullptr) return;
        TCanvas& c = Canvas();
        const int b = dd->DropDownBorderWidth();
        TRect r = Rect(b, b, Width() - b, Height() - b);
        if (dd->DropDownColor() != clNone && dd->DropDownColorTo() != clNone)
            DrawGradient(c, dd->DropDownColor(), dd->DropDownColorTo(), 80, r, dd->DropDownGradient() == gdHorizontal);
        else if (dd->DropDownColor() != clNone) {
            c.Brush().SetColor(dd->DropDownColor());
            c.FillRect(r);
        }
        if (b > 0 && dd->DropDownBorderColor() != clNone) {
            c.Brush().SetColor(dd->DropDownBorderColor());
            const int w = Width(), h = Height();
            c.FillRect(Rect(0, 0, w, b));
            c.FillRect(Rect(0, h - b, w, h));
            c.FillRect(Rect(0, 0, b, h));
            c.FillRect(Rect(w - b, 0, w, h));
        }
    }

private:
    TDropDownForm* FForm;
};

}  // namespace

TDropDownForm::TDropDownForm(TComponent* AOwner) : TForm(AOwner) {
    SetBorderStyle(bsNone);
    FClient = new TDropDownClient(this, this);
    FClient->SetParent(this);
    FClient->SetAlign(alClient);
}

void TDropDownForm::InitializeAndUpdate() {
    if (FExtDropDown == nullptr) return;
    auto bar = [&](TExtBar*& b, bool footer, const TBarAppearance& a) {
        if (b == nullptr && a.Visible) {
            b = new TExtBar(this, FExtDropDown, footer);
            b->SetParent(FClient);
        }
        if (b != nullptr) b->Relink();
    };
    bar(FHeader, false, FExtDropDown->DropDownHeader());
    if (FHeader) FHeader->OnGetText = FExtDropDown->OnGetHeaderText;
    bar(FFooter, true, FExtDropDown->DropDownFooter());
    if (FFooter) FFooter->OnGetText = FExtDropDown->OnGetFooterText;
    static_cast<TDropDownClient*>(FClient)->Arrange();
}

void TDropDownForm::Dispatch(TMessage& Message) {
    TForm::Dispatch(Message);
    if (Message.Msg == CM_DEACTIVATE && !FBlockActivate && Visible()) {
        FDeActivate = TickCountMs();
        if (FExtDropDown != nullptr) FExtDropDown->DoHideDropDown(FCancelOnDeActivate);
        else Hide();
    } else if (Message.Msg == WM_SIZE) {
        static_cast<TDropDownClient*>(FClient)->Arrange();
        if (FExtDropDown != nullptr && Visible()) FExtDropDown->DropDownFormSizing();
    }
}

// --------------------------------------------------------- arrow button

TExtDropDownSpeedButton::TExtDropDownSpeedButton(TComponent* AOwner, TDropDownEditButton* Host)
    : THotTrackButton(AOwner), FHost(Host) {
    SetAccessibleName("Open");
    SetAccessibleRole(arButton);
}

void TExtDropDownSpeedButton::SetFocusedLook(bool Value) {
    if (Value == FFocused) return;
    FFocused = Value;
    Invalidate();
}

void TExtDropDownSpeedButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TCustomControl::MouseDown(Button, Shift, X, Y);
    if (Button == mbLeft) FPressed = true, Invalidate();
}

void TExtDropDownSpeedButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TCustomControl::MouseUp(Button, Shift, X, Y);
    if (Button != mbLeft) return;
    FPressed = false;
    Invalidate();
    if (FHost->OnClick) FHost->OnClick(FHost);
}

void TExtDropDownSpeedButton::Paint() {
    TCanvas& c = Canvas();
    const TRect r = Rect(0, 0, Width(), Height());
    TExtCustomDropDown* dd = FHost->DropDown();
    const bool enabled = dd == nullptr || (dd->Enabled() && !dd->ReadOnly());
    // No visual-styles binding exists here (ThemeApi().Loaded is false), so
    // the arrow takes the classic or the coloured look.
    if (FHost->ButtonColor == clNone) {
        TRect fr = r;
        c.DrawFrameControl(fr, DFC_BUTTON, DFCS_BUTTONPUSH | (FPressed && enabled ? DFCS_PUSHED : 0));
        c.Pen().SetColor(clBtnFace);
        c.MoveTo(Width() - 2, 0);
        c.LineTo(0, 0);
        c.LineTo(0, Height() - 1);
        c.Pen().SetColor(clWhite);
        c.MoveTo(Width() - 3, 1);
        c.LineTo(1, 1);
        c.LineTo(1, Height() - 2);
        const TColor ink = enabled ? clBlack : clGray;
        c.Pen().SetColor(ink);
        c.Brush().SetColor(ink);
        c.Polygon({{5, 7}, {11, 7}, {8, 10}});
        return;
    }
    TColor face = FHost->ButtonColor, ink = FHost->ButtonTextColor;
    if (FPressed) face = FHost->ButtonColorDown, ink = FHost->ButtonTextColorDown;
    else if (FHot) face = FHost->ButtonColorHot, ink = FHost->ButtonTextColorHot;
    c.Brush().SetColor(face);
    c.FillRect(r);
    if (dd != nullptr && dd->BorderColor() != clNone) {
        c.Pen().SetColor(dd->BorderColor());
        c.MoveTo(0, 0);
        c.LineTo(0, Height());
    }
    if (ink != clNone) {
        c.Pen().SetColor(ink);
        c.Brush().SetColor(ink);
        c.Polygon({{5, 7}, {11, 7}, {8, 10}});
    }
}

TDropDownEditButton::TDropDownEditButton(TComponent* AOwner, TExtCustomDropDown* DropDown)
    : TWinControl(AOwner), FDropDown(DropDown) {
    FButton = new TExtDropDownSpeedButton(this, this);
    FButton->SetParent(this);
    SetBounds(0, 0, 16, 25);
}

void TDropDownEditButton::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
    // The container keeps its own width whatever a caller asks for.
    (void)AWidth;
    if (FButton) FButton->SetBounds(0, 0, FBWidth, AHeight);
    TWinControl::SetBounds(ALeft, ATop, FBWidth, AHeight);
}

void TDropDownEditButton::SetBWidth(int Value) {
    FBWidth = Value;
    SetBounds(Left(), Top(), Value, Height());
}

// ------------------------------------------------------------- drop-down

TExtCustomDropDown::TExtCustomDropDown(TComponent* AOwner) : TEdit(AOwner) {
    TEdit::SetBounds(Left(), Top(), 200, 21);
    CreateDropDownForm();
    FButton = new TDropDownEditButton(this, this);
    FButton->SetParent(this);
    FButton->OnClick = [this](TObject* Sender) { DropDownButtonClick(Sender); };
    SetText("");
    FOldText.clear();
    SetSelectionColorStyle(scSuiteB);
    SetComponentStyle(tsSuiteBAzure);
    ResizeControl();
    FLabelFont.OnChange = [this] { UpdateLabel(); };
}

TExtCustomDropDown::~TExtCustomDropDown() {
    if (FDropDownForm != nullptr) FDropDownForm->SetExtDropDown(nullptr);
}

void TExtCustomDropDown::CreateDropDownForm() {
    if (FDropDownForm != nullptr) return;
    FDropDownForm = new TDropDownForm(this);
    FDropDownForm->SetExtDropDown(this);
    FDropDownForm->SetVisible(false);
    FDropDownForm->OnHide = [this](TObject*) { DropDownFormHide(); };
    FDropDownForm->OnKeyPress = [this](TObject*, char32_t& Key) { FormKeyPress(Key); };
    FDropDownForm->OnKeyDown = [this](TObject*, unsigned short& Key, TShiftState Shift) { FormKeyDown(Key, Shift); };
}

void TExtCustomDropDown::SetControl(TControl* Value) {
    if (Value == FControl) return;
    FControl = Value;
    PlaceDropDownControl();
}

void TExtCustomDropDown::PlaceDropDownControl() {
    if (FDropDownForm == nullptr || FControl == nullptr) return;
    FControl->SetParent(FDropDownForm->Client());
}

void TExtCustomDropDown::SetDropDownWidth(int Value) {
    if (Value != FDropDownWidth) FUserDropDownWidth = -1;
    FDropDownWidth = Value;
}

void TExtCustomDropDown::SetDropDownHeight(int Value) {
    if (Value != FDropDownHeight) FUserDropDownHeight = -1;
    FDropDownHeight = Value;
}

void TExtCustomDropDown::SetDropDownColor(TColor Value) {
    FDropDownColor = Value;
    if (FDropDownForm) FDropDownForm->Client()->Invalidate();
}

void TExtCustomDropDown::SetDropDownButtonWidth(int Value) {
    FButtonWidth = Value;
    FButton->SetBWidth(Value);
    ResizeControl();
}

void TExtCustomDropDown::SetDropDownHeader(const TBarAppearance& Value) {
    FDropDownHeader = Value;
    if (FDroppedDown) FDropDownForm->InitializeAndUpdate();
}

void TExtCustomDropDown::SetDropDownFooter(const TBarAppearance& Value) {
    FDropDownFooter = Value;
    if (FDroppedDown) FDropDownForm->InitializeAndUpdate();
}

void TExtCustomDropDown::BeforeDropDown() {
    if (OnBeforeDropDown) OnBeforeDropDown(this);
}

void TExtCustomDropDown::SizeDropDownForm() {
    if (FDropDownForm == nullptr) return;
    int w = Width(), h = 0;
    if (FDropDownWidth > 0) w = FDropDownWidth;
    else if (FControl != nullptr && FControl->Visible()) w = FControl->Width();
    if (FDropDownHeight > 0) h = FDropDownHeight;
    else {
        h = 2 * FDropDownBorderWidth;
        if (FDropDownHeader.Visible) h += FDropDownHeader.Height;
        if (FDropDownFooter.Visible) h += FDropDownFooter.Height;
        if (FControl != nullptr && FControl->Visible()) h += FControl->Height();
    }
    FDropDownForm->SetBounds(FDropDownForm->Left(), FDropDownForm->Top(), w, h);
}

void TExtCustomDropDown::DoShowDropDown() {
    if (FDropDownForm == nullptr || FDropDownForm->Visible() || !Enabled() || ReadOnly()) return;
    BeforeDropDown();
    FDropDownForm->SetShadow(FDropDownShadow);
    FDropDownForm->InitializeAndUpdate();
    SizeDropDownForm();
    PlaceDropDownControl();
    // The pop-up is never smaller than 80 x 50.
    int w = std::max(80, FDropDownForm->Width()), h = std::max(50, FDropDownForm->Height());
    if (auto* wc = dynamic_cast<TWinControl*>(FControl)) {
        wc->OnKeyDown = [this](TObject*, unsigned short& Key, TShiftState Shift) { ControlKeyDown(Key, Shift); };
        wc->OnKeyPress = [this](TObject*, char32_t& Key) { ControlKeyPress(Key); };
    }
    const TPoint p = Parent() != nullptr ? Parent()->ClientToScreen(TPoint{Left(), Top()}) : TPoint{Left(), Top()};
    TPoint at = PlaceDropDown(p, Height(), w, h, FDropPosition, GetSystemMetrics(SM_CYSCREEN), Screen->WorkAreaRect());
    bool accept = true;
    if (OnDropDown) OnDropDown(this, accept);
    if (!accept) return;
    if (FUserDropDownWidth != -1) w = FUserDropDownWidth;
    if (FUserDropDownHeight != -1) h = FUserDropDownHeight;
    AdjustDropDownHeight(h);
    FDropDownForm->SetBounds(at.X, at.Y, w, h);
    FDroppedDown = true;
    FDropDownForm->Show();
    FocusDropDownControl();
}

void TExtCustomDropDown::FocusDropDownControl() {}

void TExtCustomDropDown::DoHideDropDown(bool Cancelled) {
    if (FDropDownForm == nullptr || !FDropDownForm->Visible()) return;
    if (OnBeforeDropUp) OnBeforeDropUp(this);
    FUserDropDownWidth = FDropDownForm->Width();
    FUserDropDownHeight = FDropDownForm->Height();
    FDropDownForm->Hide();
    if (FDroppedDown) DropDownFormHide();
    if (Cancelled) SetText(FOldText);
    if (OnDropUp) OnDropUp(this, Cancelled);
}

void TExtCustomDropDown::DropDownFormHide() {
    FDroppedDown = false;
    // The edit may still be its window's focus while the pop-up's window is
    // the active one: bring its window back as well.
    if (!Destroying() && CanFocus()) SetFocus();
}

void TExtCustomDropDown::DropDownButtonClick(TObject*) {
    if (FDropDownForm == nullptr || FDropDownForm->Visible()) return;
    // A click on the arrow of an open pop-up first deactivates (and so
    // closes) it; the same click must not open it again.
    if (TickCountMs() - FDropDownForm->DeActivateTime() > kReopenGuardMs) DoShowDropDown();
}

// Keys typed in the pop-up edit the text as if typed in the edit.
void TExtCustomDropDown::FormKeyPress(char32_t& Key) {
    char32_t k = Key;
    KeyPress(k);
    if (k >= 32) {
        const std::string t = Text();
        const int s = SelStart(), l = SelLength();
        std::string ch;
        if (k < 0x80) ch = std::string(1, static_cast<char>(k));
        TEdit::SetText(t.substr(0, s) + ch + t.substr(static_cast<size_t>(s + l)));
        SetSelStart(s + static_cast<int>(ch.size()));
    }
    Key = 0;
}

void TExtCustomDropDown::FormKeyDown(unsigned short& Key, TShiftState Shift) {
    KeyDown(Key, Shift);
}

void TExtCustomDropDown::ControlKeyDown(unsigned short& Key, TShiftState Shift) { FormKeyDown(Key, Shift); }
void TExtCustomDropDown::ControlKeyPress(char32_t& Key) { FormKeyPress(Key); }

// ------------------------------------------------------------ edit area

void TExtCustomDropDown::ResizeControl() {
    if (FButton == nullptr) return;
    FButton->SetBounds(Width() - FButton->BWidth() - 2, 1, FButton->BWidth(), std::max(0, Height() - 2));
}

void TExtCustomDropDown::WMSize(TMessage& Message) {
    TEdit::WMSize(Message);
    ResizeControl();
}

void TExtCustomDropDown::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
    TEdit::SetBounds(ALeft, ATop, AWidth, AHeight);
    ResizeControl();
    UpdateLabel();
}

void TExtCustomDropDown::CMVisibleChanged(TMessage& Message) {
    TEdit::CMVisibleChanged(Message);
    if (FLabel != nullptr && !FLabelCaption.empty()) FLabel->SetVisible(Visible());
}

void TExtCustomDropDown::CMMouseEnter(TMessage& Message) {
    TEdit::CMMouseEnter(Message);
    if (Enabled()) FMouseInControl = true;
}

void TExtCustomDropDown::CMMouseLeave(TMessage& Message) {
    TEdit::CMMouseLeave(Message);
    if (Enabled()) FMouseInControl = false;
}

// ----------------------------------------------------------- styles

namespace {

struct TStyleRow {
    TKeloStyle style;
    TColor ddColor, ddColorTo, ddBorder;  // clDefault = not changed
    TColor hColor, hColorTo, hFont, hBorder, fColor, fColorTo, fFont, fBorder;
};

constexpr TColor kKeep = clDefault;

constexpr TStyleRow kStyleRows[] = {
    {tsSuiteABlue, 0xFFFFFF, clNone, kKeep, 0xFCE1CB, 0xE0A57D, 0, 0, 0xFCE1CB, 0xE0A57D, 0, 0x962D00},
    {tsSuiteASilver, 0xFFFFFF, clNone, kKeep, 0xECE2E1, 0xB39698, 0, 0x947C7C, 0xECE2E1, 0xB39698, 0, 0x947C7C},
    {tsSuiteAOlive, 0xFFFFFF, clNone, clNone, 0xCFF0EA, 0x8CC0B1, 0, 0x588060, 0xCFF0EA, 0x8CC0B1, 0, 0x588060},
    {tsSuiteAClassic, 0xF2F2F2, 0xF2F2F2, clNone, 0x808080, 0x808080, 0xFFFFFF, 0x808080, 0x808080, 0x808080,
     0xFFFFFF, 0x808080},
    {tsSuiteBAzure, 0xF3E5DA, 0xF0DED0, clNone, 0xFFEFE3, 0xFFD2AF, 0x723708, 0xFFD2AF, 0xFFEFE3, 0xFFD2AF, 0x723708,
     0xFFD2AF},
    {tsSuiteBObsidian, 0xFFFFFF, clNone, clNone, 0xF2F1F0, 0xC9C2BD, 0x433C37, 0x5C534C, 0xF2F1F0, 0xC9C2BD,
     0x433C37, 0x5C534C},
    {tsBevel, 0xFFFFFF, clNone, kKeep, 0xFFFFFF, clBtnFace, 0, 0x808080, 0xFFFFFF, clBtnFace, 0, 0x808080},
    {tsWorkbench, 0xF5F9FA, 0xF5F9FA, clNone, 0xEBEEEF, 0x7E9898, 0xFFFFFF, 0x962D00, 0xEBEEEF, 0x7E9898, 0xFFFFFF,
     0x962D00},
    {tsSuiteBSilver, 0xF8F4F1, 0xF0E8E3, clNone, 0xF8F7F6, 0xE8E0DB, 0x8B4215, 0x74706F, 0xF8F7F6, 0xE8E0DB,
     0x8B4215, 0x74706F},
    {tsFrost, 0xFFFFFF, 0xFFFFFF, 0x979797, 0xFFFDF9, 0xFFFAF0, 0, 0xFCF2DA, 0xFFFAF0, 0xFFFDF9, 0, 0xFCF2DA},
    {tsGlass, 0xFFFFFF, 0xFFFFFF, 0x979797, 0xFDFBFA, 0xFDF3EB, 0, 0xFBD6B8, 0xFDFBFA, 0xFDF3EB, 0, 0xFBD6B8},
    {tsTerminal, 0xFFFFFF, 0xFFFFFF, 0x808080, clBtnFace, clBtnFace, 0, clNone, clBtnFace, clBtnFace, 0, clNone},
    {tsSuiteCBlue, 0xFFFFFF, 0xF1EFED, 0xEDEDEC, 0xFDF6EF, 0xF0DAC7, 0x5B391E, 0xC7B29F, 0xFDF6EF, 0xF0DAC7,
     0x5B391E, 0xC7B29F},
    {tsSuiteCSilver, 0xFFFFFF, 0xF1EFED, 0xEDEDEC, 0xFFFFFF, 0xEDE5E0, 0x5B391E, 0xD2CDC8, 0xFFFFFF, 0xEDE5E0,
     0x5B391E, 0xD2CDC8},
    {tsSuiteCBlack, 0xFFFFFF, 0xF1EFED, 0xEDEDEC, 0xBFBFBF, 0x919191, 0xD7D7D6, 0x6D6D6D, 0xBFBFBF, 0x919191,
     0xD7D7D6, 0x6D6D6D},
};

bool IsSuiteGroup(TKeloStyle s) {
    return s == tsSuiteABlue || s == tsSuiteASilver || s == tsSuiteAOlive || s == tsSuiteBAzure ||
           s == tsSuiteBObsidian || s == tsWorkbench || s == tsSuiteBSilver;
}

TExtButtonAppearance ButtonLook(TKeloStyle s) {
    TExtButtonAppearance a;
    if (IsSuiteGroup(s)) {
        a.BorderColor = clNone;
        a.ColorHot = 0xEBFDFF, a.ColorHotTo = 0xACECFF, a.BorderColorHot = 0x99CEDB;
        a.ColorDown = 0xAAD9FF, a.ColorDownTo = 0x6EBBFF, a.BorderColorDown = 0x42AEFE;
        a.ColorDisabled = 0xF2F2F2, a.ColorDisabledTo = 0xB6B6B6;
        a.ColorChecked = 0x76AFF1, a.ColorCheckedTo = 0x4190F3, a.BorderColorChecked = 0x45667B;
        switch (s) {
            case tsSuiteABlue: a.Color = 0xFCE1CB, a.ColorTo = 0xE0A57D; break;
            case tsSuiteASilver: a.Color = 0xECE2E1, a.ColorTo = 0xB39698; break;
            case tsSuiteAOlive: a.Color = 0xCFF0EA, a.ColorTo = 0x8CC0B1; break;
            case tsSuiteBAzure: a.Color = 0xFFEFE3, a.ColorTo = 0xFFDDC4; break;
            case tsSuiteBObsidian: a.Color = 0xF2F1F0, a.ColorTo = 0xC9C2BD; break;
            case tsWorkbench: a.Color = 0xFFFFFF, a.ColorTo = 0xDFEDF0; break;
            default: a.Color = 0xF9F8F8, a.ColorTo = 0xE4E2DF; break;
        }
        return a;
    }
    struct R { TKeloStyle s; TColor v[14]; };
    static const R rows[] = {
        {tsSuiteAClassic, {0xFFFFFF, 0xC9D1D5, clNone, 0xD2BDB6, 0xD2BDB6, 0x808080, 0xB59285, 0xB59285, 0x808080,
                           0xD8D5D4, 0xD8D5D4, 0xD8D5D4, 0xD8D5D4, 0x808080}},
        {tsBevel, {0xFFFFFF, clBtnFace, clNone, 0xEFD3C6, 0xEFD3C6, clHighlight, clInactiveCaption, clInactiveCaption,
                   clHighlight, 0xB6B6B6, 0xB6B6B6, 0xB9D8DC, 0xB9D8DC, 0x000000}},
        {tsFrost, {0xFFFDF9, 0xFFFAF0, 0xFCF2DA, 0xFEF9F0, 0xFFFAF0, 0xFCF2DA, 0xFEF9F0, 0xFDF0D7, 0xFEDF9A, 0xFFFFFF,
                   0xFFFFFF, 0xFEF9F0, 0xFDF0D7, 0xFEDF9A}},
        {tsGlass, {0xFDFBFA, 0xFDF3EB, 0xFBD6B8, 0xFDFBFA, 0xFDF3EB, 0xFBD6B8, 0xFCEBDC, 0xFCDBC1, 0xCEA27D, 0xFFFFFF,
                   0xFFFFFF, 0xFEF9F0, 0xFCDBC1, 0xCEA27D}},
        {tsTerminal, {clBtnFace, clBtnFace, clNone, 0xC0C0C0, 0xC0C0C0, 0x808080, clHighlight, clHighlight, 0x808080,
                      clBtnFace, clBtnFace, clBtnFace, clBtnFace, clHighlight}},
        {tsSuiteCBlue, {0xFDF6EF, 0xF0DAC7, 0xC7B29F, 0x8AE3FD, clNone, 0x58CAF1, 0x6CD0FF, clNone, 0x308AC2,
                        0xF2F2F2, 0xB6B6B6, 0x45E1FE, clNone, 0x4FA0CE}},
        {tsSuiteCSilver, {0xFFFFFF, 0xEDE5E0, 0xD2CDC8, 0x8AE3FD, clNone, 0x58CAF1, 0x6CD0FF, clNone, 0x308AC2,
                          0xF2F2F2, 0xB6B6B6, 0x45E1FE, clNone, 0x4FA0CE}},
        {tsSuiteCBlack, {0xBFBFBF, 0x919191, 0xD7D7D6, 0x8AE3FD, clNone, 0x58CAF1, 0x6CD0FF, clNone, 0x308AC2,
                         0xF2F2F2, 0xB6B6B6, 0x45E1FE, clNone, 0x4FA0CE}},
    };
    for (const R& r : rows)
        if (r.s == s) {
            const TColor* v = r.v;
            a.Color = v[0], a.ColorTo = v[1], a.BorderColor = v[2], a.ColorHot = v[3], a.ColorHotTo = v[4];
            a.BorderColorHot = v[5], a.ColorDown = v[6], a.ColorDownTo = v[7], a.BorderColorDown = v[8];
            a.ColorDisabled = v[9], a.ColorDisabledTo = v[10], a.ColorChecked = v[11], a.ColorCheckedTo = v[12];
            a.BorderColorChecked = v[13];
        }
    return a;
}

}  // namespace

void TExtCustomDropDown::SetComponentStyle(TKeloStyle AStyle) {
    FKeloStyle = AStyle;
    if (AStyle == tsCustom) return;
    for (const TStyleRow& r : kStyleRows) {
        if (r.style != AStyle) continue;
        SetDropDownColor(r.ddColor);
        FDropDownColorTo = r.ddColorTo;
        if (r.ddBorder != kKeep) FDropDownBorderColor = r.ddBorder;
        FDropDownHeader.Color = r.hColor, FDropDownHeader.ColorTo = r.hColorTo;
        FDropDownHeader.FontColor = r.hFont, FDropDownHeader.BorderColor = r.hBorder;
        FDropDownFooter.Color = r.fColor, FDropDownFooter.ColorTo = r.fColorTo;
        FDropDownFooter.FontColor = r.fFont, FDropDownFooter.BorderColor = r.fBorder;
    }
    const TColor keepDisabledBorder = FButtonAppearance.BorderColorDisabled;
    FButtonAppearance = ButtonLook(AStyle);
    FButtonAppearance.BorderColorDisabled = keepDisabledBorder;
}

void TExtCustomDropDown::SetColorTones(const TColorTones& ATones) {
    FButton->ButtonColor = ATones.Background.BrushColor;
    FButton->ButtonColorHot = ATones.Hover.BrushColor;
    FButton->ButtonColorDown = ATones.Selected.BrushColor;
    FButton->ButtonBorderColor = ATones.Background.BorderColor;
    SetBorderColor(ATones.Background.BorderColor);
}

void TExtCustomDropDown::SetSelectionColorStyle(TSelectionColorStyle Value) {
    FSelectionColorStyle = Value;
    switch (Value) {
        case scSuiteB: FSelectionColor = 0xD7FFFD, FSelectionColorTo = 0x58D4FC; break;
        case scFrost: FSelectionColor = 0xFDF8F1, FSelectionColorTo = 0xFCEFD5; break;
        case scGlass: FSelectionColor = 0xFCEBDC, FSelectionColorTo = 0xFCDBC1; break;
        case scCustom: break;
    }
}

void TExtCustomDropDown::DrawSelectionBackground(TCanvas& Canvas, TRect Rect, TColor BackgroundColor, int Kind) {
    if (FSelectionColorStyle == scCustom) {
        Canvas.Brush().SetColor(FSelectionColor);
        Canvas.Pen().SetColor(FSelectionColor);
        Canvas.FillRect(Rect);
        return;
    }
    TSelectionFaceColors f{};
    f.from = FSelectionColor, f.to = FSelectionColorTo, f.background = BackgroundColor;
    switch (FSelectionColorStyle) {
        case scSuiteB:
            f.mirrorFrom = 0x58D4FC, f.mirrorTo = 0xB3F1FC, f.border = 0x8DD7D3;
            f.innerTop = 0xF4FEFF, f.innerBottom = 0xCAF8FF, f.edge = 0xC3D9DF;
            break;
        case scFrost:
            f.mirrorFrom = clNone, f.mirrorTo = clNone, f.border = 0xFDDE99;
            f.innerTop = 0xFDFBF6, f.innerBottom = 0xFDF5E7, f.edge = 0xFCEDCB;
            break;
        default:
            f.mirrorFrom = clNone, f.mirrorTo = clNone, f.border = 0xCEA27D;
            f.innerTop = 0xFDF4EB, f.innerBottom = 0xFDEADB, f.edge = 0xE0C5AE;
            break;
    }
    DrawSelectionGradientFace(Canvas, f, Rect, Kind);
}

void TExtCustomDropDown::SetBorderColor(TColor Value) {
    if (Value == FBorderColor) return;
    FBorderColor = Value;
    Invalidate();
    FButton->Button()->Invalidate();
}

TColor TExtCustomDropDown::FrameColor() const {
    if (!Enabled() && FDisabledBorder) return 0xC0C0C0;
    if (FBorderColor != clNone) return (!Focused() || FFocusBorderColor == clNone) ? FBorderColor : FFocusBorderColor;
    if (FFocusBorderColor != clNone) return Focused() ? FFocusBorderColor : clNone;
    return clNone;
}

// ------------------------------------------------------------ text

std::string TExtCustomDropDown::GetText() const {
    std::string t = Text();
    if (!FPrefix.empty() && t.compare(0, FPrefix.size(), FPrefix) == 0) t.erase(0, FPrefix.size());
    // Only a suffix that is really there is cut: a text typed over it keeps
    // its last characters.
    if (!FSuffix.empty() && t.size() >= FSuffix.size() &&
        t.compare(t.size() - FSuffix.size(), FSuffix.size(), FSuffix) == 0)
        t.erase(t.size() - FSuffix.size());
    return t;
}

void TExtCustomDropDown::SetModified(bool Value) {
    if (FEditorEnabled && !ReadOnly()) FIsModified = Value;
}

void TExtCustomDropDown::SetPlainText(const std::string& Value) { TEdit::SetText(Value); }

void TExtCustomDropDown::SetText(const std::string& Value) {
    std::string v = Value;
    if (v.empty() && (IsNumericKind(FEditType) || FEditType == etHex)) v = "0";
    if (FPrecision > 0 && !v.empty() && v != "Error") {
        if (FEditType == etMoney) v = FormatGrouped(TextToFloat(v), FPrecision);
        else if (FEditType == etFloat) v = LocalDecimal(Printf("%.*f", TextToFloat(v), FPrecision));
    }
    if (FEditType == etHex)
        for (char& c : v) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    TEdit::SetText(FPrefix + v + FSuffix);
    FOldText = v;
    FIsModified = false;
}

void TExtCustomDropDown::SetDisplay(const std::string& Plain, int Caret) {
    TEdit::SetText(FPrefix + Plain + FSuffix);
    SetSelStart(static_cast<int>(FPrefix.size()) + std::clamp(Caret, 0, static_cast<int>(Plain.size())));
    SetSelLength(0);
}

void TExtCustomDropDown::SetPrefix(const std::string& Value) {
    const std::string plain = GetText();
    FPrefix = Value;
    TEdit::SetText(FPrefix + plain + FSuffix);
}

void TExtCustomDropDown::SetSuffix(const std::string& Value) {
    const std::string plain = GetText();
    FSuffix = Value;
    TEdit::SetText(FPrefix + plain + FSuffix);
}

void TExtCustomDropDown::SelectAll() {
    const int p = static_cast<int>(FPrefix.size());
    SetSelStart(p);
    SetSelLength(static_cast<int>(GetText().size()));
}

void TExtCustomDropDown::SelectAfterDecimal() {
    const size_t d = GetText().find(GetDecimalSeparator());
    SetSelStart(static_cast<int>(FPrefix.size()) + (d == std::string::npos ? 0 : static_cast<int>(d) + 1));
    SetSelLength(0);
}

void TExtCustomDropDown::SelectBeforeDecimal() {
    const size_t d = GetText().find(GetDecimalSeparator());
    SetSelStart(static_cast<int>(FPrefix.size()) + (d == std::string::npos ? 0 : static_cast<int>(d)));
    SetSelLength(0);
}

double TExtCustomDropDown::TextToFloat(const std::string& Text) {
    std::string s;
    for (char c : Text) {
        if (c == GetThousandSeparator()) continue;
        s += c == GetDecimalSeparator() ? '.' : c;
    }
    if (s.empty()) return 0;
    char* end = nullptr;
    const double v = std::strtod(s.c_str(), &end);
    // A text that is not wholly a number gives 0.
    if (end == s.c_str() || *end != '\0' || !std::isfinite(v)) return 0;
    return v;
}

double TExtCustomDropDown::GetFloatValue() const {
    const std::string t = GetText();
    switch (FEditType) {
        case etString: return TextToFloat(t);
        case etNumeric:
        case etFloat: return (t.empty() || t == "Error" || t == "-") ? 0 : TextToFloat(t);
        case etMoney: {
            if (t.empty()) return 0;
            std::string s = t;
            if (!s.empty() && s.back() == GetDecimalSeparator()) s.pop_back();
            return (s.empty() || s == "-") ? 0 : TextToFloat(s);
        }
        case etHex: return t.empty() ? 0 : static_cast<double>(HexToInt(t));
        default: return 0;
    }
}

void TExtCustomDropDown::SetFloatValue(double Value) {
    const std::string fmt = FPrecision < 0 ? Printf("%.*g", Value, 6) : LocalDecimal(Printf("%.*f", Value, FPrecision));
    switch (FEditType) {
        case etString:
        case etFloat: SetText(fmt); break;
        case etNumeric: SetText(FPrecision < 0 ? fmt : FormatGrouped(Value, FPrecision)); break;
        case etMoney: SetText(fmt); FormatMoney(); break;
        case etHex: {
            char buf[32];
            std::snprintf(buf, sizeof buf, "%llX", static_cast<unsigned long long>(static_cast<long long>(Value)));
            SetText(buf);
            break;
        }
        default: break;
    }
    SetModified(true);
}

void TExtCustomDropDown::SetIntValue(long long Value) {
    if (FEditType == etHex) {
        char buf[32];
        std::snprintf(buf, sizeof buf, "%llX", static_cast<unsigned long long>(Value));
        SetText(buf);
    } else if (IsNumericKind(FEditType)) {
        SetText(std::to_string(Value));
        if (FEditType == etMoney) FormatMoney();
    }
    SetModified(true);
}

void TExtCustomDropDown::SetEditType(TDropDownEditType Value) {
    if (Value == FEditType) return;
    FEditType = Value;
    if (Value == etPassword) {
        SetPasswordChar('*');
        FCanUndo = false;
    } else
        SetPasswordChar(0);
    const int code = CheckNumericText(GetText());
    if (Value == etNumeric && code != 0) SetIntValue(0);
    else if ((Value == etFloat || Value == etMoney) && code > 1) SetFloatValue(0);
    else if (Value == etHex && code != 0 && code != 5) SetIntValue(0);
}

void TExtCustomDropDown::SetPrecision(int Value) {
    if (Value == FPrecision) return;
    if (FEditType != etString && FEditType != etFloat && FEditType != etMoney) return;
    FPrecision = Value;
    if (CheckNumericText(GetText()) > 1) SetFloatValue(0);
    else SetFloatValue(GetFloatValue());
}

void TExtCustomDropDown::FormatMoney() {
    std::string t = GetText();
    if (t.empty()) return;
    const int l = static_cast<int>(t.size());
    const int caret = SelStart();
    std::string sign;
    if (t[0] == '-') sign = "-", t.erase(0, 1);
    const size_t d = t.find(GetDecimalSeparator());
    const std::string fraction = d == std::string::npos ? "" : t.substr(d, 255);
    const double n = std::trunc(std::fabs(GetFloatValue()));
    const std::string ip = FAutoThousandSeparator ? FormatGrouped(n, 0) : Printf("%.*f", n, 0);
    const std::string plain = sign + ip + fraction;
    TEdit::SetText(FPrefix + plain + FSuffix);
    SetSelStart(std::max(0, caret + static_cast<int>(plain.size()) - l));
    SetSelLength(0);
}

bool TExtCustomDropDown::ThousandSepConflict(const std::string& Text, int Caret) const {
    std::string t = Text;
    const char ts = GetThousandSeparator();
    if (t.find(ts) == std::string::npos) return false;
    int p = Caret - static_cast<int>(FPrefix.size());
    int mn = static_cast<int>(t.size());
    size_t s0;
    while ((s0 = t.find(ts)) != std::string::npos) {
        const int s = static_cast<int>(s0) + 1;
        mn = std::min(mn, std::abs(s - p));
        if (std::abs(s - p) < 3) return true;
        if (p > s) p -= s;
        t.erase(0, s0 + 1);
    }
    return mn > 3;
}

bool TExtCustomDropDown::FractionFull(const std::string& T, int Caret) const {
    const int p = Caret - static_cast<int>(FPrefix.size());
    if (FPrecision <= 0) return false;
    if (static_cast<int>(T.size()) - p > FPrecision) return false;
    const size_t d = T.find(GetDecimalSeparator());
    if (d == std::string::npos) return false;
    if (p < static_cast<int>(d) + 1) return false;
    return static_cast<int>(T.size() - d - 1) >= FPrecision;
}

int TExtCustomDropDown::IntegerDigits(const std::string& T) const {
    std::string s;
    for (char c : T)
        if (c != GetThousandSeparator()) s += c;
    const size_t d = s.find(GetDecimalSeparator());
    int pos = d == std::string::npos ? static_cast<int>(s.size()) + 1 : static_cast<int>(d) + 1;
    if (FSigned && IsNumericKind(FEditType) && s.find('-') != std::string::npos) --pos;
    return pos;
}

int TExtCustomDropDown::DecimalPos() const {
    const std::string t = GetText();
    const size_t d = t.find(GetDecimalSeparator());
    const int p = static_cast<int>(FPrefix.size());
    return d == std::string::npos ? p + static_cast<int>(t.size() + FSuffix.size()) + 1 : p + static_cast<int>(d) + 1;
}

void TExtCustomDropDown::ToggleSign() {
    std::string t = GetText();
    const int caret = SelStart() - static_cast<int>(FPrefix.size());
    if (t.find('-') != std::string::npos) SetDisplay(t.substr(1), std::max(0, caret - 1));
    else SetDisplay("-" + t, caret + 1);
    SetModified(true);
}

// ------------------------------------------------------------ keys

void TExtCustomDropDown::KeyDown(unsigned short& Key, TShiftState Shift) {
    if ((Shift & ssAlt) && (Key == VK_UP || Key == VK_DOWN)) {
        if (FDroppedDown) DoHideDropDown(false);
        else DoShowDropDown();
        Key = 0;
        return;
    }
    auto popupKeys = [&] {
        if (Key == VK_RETURN || Key == VK_ESCAPE) {
            const bool was = FDroppedDown;
            DoHideDropDown(Key == VK_ESCAPE);
            if (was) Key = 0;  // the key closed the pop-up: the form's default buttons do not see it
        } else if (Key == VK_F4) {
            if (FDropDownForm != nullptr && FDropDownForm->Visible()) DoHideDropDown(false);
            else DoShowDropDown();
            Key = 0;
        }
    };
    if (!FEditorEnabled && Enabled()) {
        if (!ReadOnly() && (Key == VK_RETURN || Key == VK_ESCAPE || Key == VK_F4)) popupKeys();
        else if (Key != VK_RETURN && Key != VK_ESCAPE && Key != VK_TAB) Key = 0;
        return;
    }
    if ((Shift & ssCtrl) && (Key == VK_TAB || Key == VK_RETURN)) {
        TEdit::KeyDown(Key, Shift);
        return;
    }
    if (ClipboardKey(Key, Shift) || ReturnOrEscapeKey(Key, Shift)) {
        Key = 0;
        return;
    }
    if (MaskKeyDown(Key, Shift)) return;
    const int p = static_cast<int>(FPrefix.size());
    const int plainEnd = p + static_cast<int>(GetText().size());
    const int selEnd = SelStart() + SelLength();
    if (Key == VK_RIGHT && !FSuffix.empty() && selEnd >= plainEnd && !(Shift & ssShift)) {
        Key = 0;
        return;
    }
    if (Key == VK_DELETE && !FSuffix.empty() && selEnd >= plainEnd && SelLength() == 0) {
        Key = 0;
        return;
    }
    if (Key == VK_LEFT && !FPrefix.empty() && SelStart() <= p && SelLength() == 0) {
        Key = 0;
        return;
    }
    if (Key == VK_END && !FSuffix.empty()) {
        if (Shift & ssShift) SetSelLength(plainEnd - SelStart());
        else SetSelStart(plainEnd), SetSelLength(0);
        Key = 0;
        return;
    }
    if (Key == VK_HOME && !FPrefix.empty()) {
        if (Shift & ssShift) SetSelStart(p), SetSelLength(plainEnd - p);
        else SetSelStart(p), SetSelLength(0);
        Key = 0;
        return;
    }
    // Backspace right after the prefix would eat into it.
    if (Key == VK_BACK && !FPrefix.empty() && SelStart() <= p && SelLength() == 0) {
        Key = 0;
        return;
    }
    if (Key == VK_DELETE && SelStart() >= p && FLengthLimit > 0) {
        std::string t = GetText();
        const int s = SelStart() - p;
        const int n = SelLength() > 0 ? SelLength() : 1;
        if (s < static_cast<int>(t.size())) t.erase(static_cast<size_t>(s), static_cast<size_t>(n));
        if (IntegerDigits(t) - 1 > FLengthLimit) {
            Key = 0;
            return;
        }
    }
    if (Key == VK_DELETE || Key == VK_BACK) SetModified(true);
    TEdit::KeyDown(Key, Shift);
    popupKeys();
}

void TExtCustomDropDown::Dispatch(TMessage& Message) {
    if (ClipboardMessage(Message)) return;
    TEdit::Dispatch(Message);
    // Delete in a money edit regroups the thousands once the edit has
    // removed the character.
    if (Message.Msg == WM_KEYUP && Message.WParam == VK_DELETE && FEditType == etMoney) FormatMoney();
}

bool TExtCustomDropDown::AcceptChar(char32_t& Key) {
    const char ds = GetDecimalSeparator(), ts = GetThousandSeparator();
    const std::string plain = GetText();
    const int p = static_cast<int>(FPrefix.size());
    const int caret = SelStart();
    const bool nothingSelected = SelLength() == 0;
    const bool digit = Key >= '0' && Key <= '9';
    const bool control = Key == 8 || Key == 9 || Key == 13;
    const bool ctrlHeld = (KeyboardShiftState() & ssCtrl) != 0;
    switch (FEditType) {
        case etString:
        case etPassword: SetModified(true); return true;
        case etNumeric:
            if (Key == '-') {
                if (!nothingSelected && SelLength() >= static_cast<int>(plain.size()) && !plain.empty())
                    SetDisplay("-", 1);
                else
                    ToggleSign();
                return false;
            }
            if (control || digit) return true;
            return ctrlHeld;
        case etFloat: {
            if (Key == ',' && ds != ',' && ts != ',') return false;
            if (Key == '.' && ds != '.' && ts != '.') return false;
            if (!(control || digit || Key == ',' || Key == '-' || Key == '.')) return false;
            const std::string sel = Text().substr(static_cast<size_t>(caret), static_cast<size_t>(SelLength()));
            if (Key == static_cast<char32_t>(ds) && sel.find(ds) == std::string::npos &&
                (plain.find(ds) != std::string::npos || FPrecision == 0)) {
                if (FPrecision > 0) SelectAfterDecimal();
                return false;
            }
            if (Key == ',' && plain.find(',') != std::string::npos && sel.find(',') == std::string::npos && ts != ',')
                return false;
            if ((Key == static_cast<char32_t>(ts) || Key == static_cast<char32_t>(ds)) &&
                ThousandSepConflict(plain, caret))
                return false;
            if (FractionFull(plain, caret) && nothingSelected && (digit || Key == static_cast<char32_t>(ds))) {
                const size_t d = plain.find(ds);
                if (digit && caret - p > static_cast<int>(d) && caret - p < static_cast<int>(plain.size())) {
                    SetSelLength(1);  // the digit replaces the next one
                    return true;
                }
                return false;
            }
            if (plain.empty() && caret - p == 0 && Key == static_cast<char32_t>(ds)) {
                SetDisplay(std::string("0") + ds, 2);
                SetModified(true);
                return false;
            }
            if (Key == '-' && nothingSelected) {
                ToggleSign();
                return false;
            }
            return true;
        }
        case etMoney: {
            if (Key == static_cast<char32_t>(ds) && (plain.find(ds) != std::string::npos || FPrecision == 0)) {
                if (FPrecision > 0) SelectAfterDecimal();
                return false;
            }
            if (!(control || digit || Key == '-' || Key == static_cast<char32_t>(ds))) return false;
            if ((Key == static_cast<char32_t>(ts) || Key == static_cast<char32_t>(ds)) &&
                ThousandSepConflict(plain, caret))
                return false;
            if (plain.empty() && caret - p == 0 && Key == static_cast<char32_t>(ds)) {
                SetDisplay(std::string("0") + ds, 2);
                SetModified(true);
                return false;
            }
            if (Key == '-' && nothingSelected) {
                ToggleSign();
                return false;
            }
            if (Key == 8) return true;
            // Insert the character here so that the thousands can be regrouped.
            const std::string t = Text();
            TEdit::SetText(t.substr(0, static_cast<size_t>(caret)) + static_cast<char>(Key) +
                           t.substr(static_cast<size_t>(caret + SelLength())));
            SetSelStart(caret + 1);
            SetSelLength(0);
            const std::string now = GetText();
            if (!now.empty() && now != "-" && Key != static_cast<char32_t>(ds)) {
                SetModified(true);
                FormatMoney();
            }
            return false;
        }
        case etUppercase:
        case etLowerCase:
            if (Key < 0x80)
                Key = FEditType == etUppercase ? static_cast<char32_t>(std::toupper(static_cast<int>(Key)))
                                               : static_cast<char32_t>(std::tolower(static_cast<int>(Key)));
            return true;
        case etMixedCase: {
            // The typed character goes in first; then the whole text takes
            // its mixed-case form, with the caret after the character.
            if (control || Key >= 0x80) return true;
            const std::string plain = GetText();
            const int at = std::clamp(caret - p, 0, static_cast<int>(plain.size()));
            const int len = std::clamp(SelLength(), 0, static_cast<int>(plain.size()) - at);
            const std::string typed = plain.substr(0, static_cast<size_t>(at)) + static_cast<char>(Key) +
                                      plain.substr(static_cast<size_t>(at + len));
            SetDisplay(ToMixedCase(typed), at + 1);
            SetModified(true);
            return false;
        }
        case etRange: {
            const bool sep = Key == ',' || Key == '-' || Key == ';';
            if (!(control || digit || sep)) return false;
            SetModified(true);
            if (sep) {
                const std::string t = Text();
                auto isSep = [](char c) { return c == ',' || c == '-' || c == ';'; };
                if (caret <= p) return false;
                if (isSep(t[static_cast<size_t>(caret - 1)])) return false;
                if (caret < static_cast<int>(t.size()) && isSep(t[static_cast<size_t>(caret)])) return false;
            }
            return true;
        }
        case etHex: {
            const bool hex = (Key >= 'A' && Key <= 'F') || (Key >= 'a' && Key <= 'f');
            if (!(control || digit || hex || Key == '-')) return false;
            SetModified(true);
            return true;
        }
        case etAlphaNumeric: {
            const bool alpha = (Key >= 'A' && Key <= 'Z') || (Key >= 'a' && Key <= 'z');
            if (!(control || digit || alpha)) return false;
            SetModified(true);
            return true;
        }
        case etValidChars:
            if (Key != 8 && (Key >= 0x80 || FValidChars.find(static_cast<char>(Key)) == std::string::npos))
                return false;
            SetModified(true);
            return true;
    }
    return true;
}

void TExtCustomDropDown::KeyPress(char32_t& Key) {
    if (!FEditorEnabled) {
        Key = 0;
        return;
    }
    if (Key == 13) {
        TEdit::KeyPress(Key);
        Key = 0;
        return;
    }
    if (Key == 27 || Key == 3 || Key == 22 || Key == 24) {
        TEdit::KeyPress(Key);
        return;
    }
    if (MaskKeyPress(Key)) return;
    const int p = static_cast<int>(FPrefix.size());
    if (Key == 8 && !FPrefix.empty() && SelStart() <= p && SelLength() == 0) {
        Key = 0;
        return;
    }
    const char ds = GetDecimalSeparator();
    if (FLengthLimit > 0 && SelLength() == 0 && IntegerDigits(GetText()) > FLengthLimit && SelStart() < DecimalPos() &&
        Key != 8 && Key != static_cast<char32_t>(ds) && !(Key == '-' && FSigned && IsNumericKind(FEditType))) {
        Key = 0;
        return;
    }
    if (Key == 8) {
        SetModified(true);
        TEdit::KeyPress(Key);
        return;
    }
    if (Key == '-' && IsNumericKind(FEditType) && !FSigned) {
        Key = 0;
        return;
    }
    if (!AcceptChar(Key)) {
        Key = 0;
        return;
    }
    TEdit::KeyPress(Key);
}

void TExtCustomDropDown::WMKillFocus(TMessage& Message) {
    const std::string plain = GetText();
    const bool keep = FIsModified;
    if (FPrecision > 0 && (FEditType == etFloat || FEditType == etMoney) && (!plain.empty() || !FAllowNumericNullValue)) {
        SetFloatValue(GetFloatValue());
        FIsModified = keep;
    } else if (FEditType == etNumeric && plain.empty() && !FAllowNumericNullValue)
        SetText("0");
    else if ((FEditType == etFloat || FEditType == etMoney) && plain.empty() && !FAllowNumericNullValue)
        SetFloatValue(0);
    TEdit::WMKillFocus(Message);
}

}  // namespace ctl
