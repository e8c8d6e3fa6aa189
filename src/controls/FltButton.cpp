#include "controls/FltButton.h"

#include <cctype>

#include "platform/ImgList.h"
#include "platform/Messages.h"
#include "platform/StdCtrls.h"

namespace ctl {

using plat::TColor;

namespace {

struct TPreset {
    TFltColorStyle style;
    TColor color, light, shadow, down, hot;
    bool flat;
    TFltButtonStyle buttonStyle;
    TColor font;
};

constexpr TColor kRgb(int r, int g, int b) { return plat::RGB(r, g, b); }

const TPreset kPresets[] = {
    {lcsGold, kRgb(192, 192, 0), kRgb(255, 255, 0), kRgb(128, 128, 0), plat::clNone, kRgb(223, 223, 0), false,
     bsModern, plat::clBlack},
    {lcsChrome, kRgb(192, 192, 192), kRgb(255, 255, 255), kRgb(128, 128, 128), plat::clNone, plat::clNone, false,
     bsModern, plat::clBlack},
    {lcsBlue, kRgb(0, 128, 255), kRgb(0, 255, 255), kRgb(0, 0, 255), plat::clNone, plat::clNone, false, bsModern,
     plat::clBlack},
    {lcsRed, kRgb(255, 0, 0), kRgb(255, 192, 192), kRgb(192, 0, 0), plat::clNone, plat::clNone, false, bsModern,
     plat::clBlack},
    {lcsUltraFlat1, plat::clBtnFace, kRgb(132, 146, 181), kRgb(132, 146, 181), kRgb(132, 146, 181),
     kRgb(214, 211, 222), true, bsNormal, plat::clBlack},
    {lcsUltraFlat2, plat::clBtnFace, kRgb(0, 0, 0), kRgb(0, 0, 0), kRgb(188, 218, 36), kRgb(228, 246, 140), true,
     bsNormal, plat::clBlack},
    {lcsUltraFlatXP, kRgb(219, 216, 209), kRgb(132, 146, 181), kRgb(133, 146, 181), kRgb(133, 146, 181),
     kRgb(182, 189, 210), true, bsNormal, plat::clBlack},
    {lcsAqua, kRgb(148, 206, 236), kRgb(212, 230, 252), kRgb(0, 0, 0), plat::clNone, plat::clNone, false, bsModern,
     plat::clBlack},
    {lcsDefault, plat::clBtnFace, kRgb(255, 255, 255), kRgb(128, 128, 128), plat::clNone, plat::clNone, false,
     bsNormal, plat::clBlack},
    {lcsQuicken, kRgb(0, 48, 96), kRgb(192, 192, 192), kRgb(192, 192, 192), kRgb(41, 101, 173), kRgb(156, 174, 206),
     false, bsQuicken, kRgb(255, 255, 255)},
};

struct TKindRow {
    TFltButtonKind kind;
    int modalResult;
    const char* resource;
    const char* caption;
};

// The kinds' captions are fixed texts of the button, not of the language
// table: no window of the system uses a kind.
const TKindRow kKinds[] = {
    {bkOK, plat::mrOk, "LBOK", "OK"},
    {bkCancel, plat::mrCancel, "LBCANCEL", "Abbrechen"},
    {bkHelp, plat::mrNone, "LBHELP", "Hilfe"},
    {bkYes, plat::mrYes, "LBYES", "Ja"},
    {bkNo, plat::mrNo, "LBNO", "Nein"},
    {bkClose, plat::mrNone, "LBCLOSE", "Schließen"},
    {bkAbort, plat::mrAbort, "LBABORT", "Abbrechen"},
    {bkRetry, plat::mrRetry, "LBRETRY", "Wiederholen"},
    {bkIgnore, plat::mrIgnore, "LBIGNORE", "Ignorieren"},
    // The window layer's "all" answer, so a form closed by this button
    // compares equal to mrAll.
    {bkAll, plat::mrAll, "LBALL", "Alle"},
};

}  // namespace

TFltButton::TFltButton(plat::TComponent* AOwner)
    : plat::TCustomControl(AOwner), FGlyph(std::make_unique<plat::TBitmap>()) {
    // No click or double-click events of the control: the button clicks
    // itself on release, wherever the pointer is then.
    SetControlStyle(plat::csCaptureMouse | plat::csSetCaption);
    SetBounds(Left(), Top(), 100, 23);
    SetColor(plat::clBtnFace);
    SetTabStop(true);
    SetAccessibleRole(plat::arButton);
    FFadeTimer = new plat::TTimer(this);
    FFadeTimer->SetEnabled(false);
    FFadeTimer->SetInterval(30);
    FFadeTimer->OnTimer = [this](plat::TObject*) { FadeTick(); };
    if (auto* form = dynamic_cast<plat::TForm*>(AOwner)) FHTFont.Assign(form->Font());
}

TFltButton::~TFltButton() {
    FDestroyingButton = true;
    if (FAction) FAction->Unlink(FActionLink);
    if (FFadeTimer) {
        FFadeTimer->SetEnabled(false);
        FFadeTimer->OnTimer = nullptr;
    }
}

bool TFltButton::Hot() const { return bCursorOnButton || Focused(); }

bool TFltButton::Fading() const { return FFadeTimer && FFadeTimer->Enabled(); }

bool TFltButton::ParentShowing() const { return Parent() && Parent()->Showing(); }

void TFltButton::PaintNow() { Repaint(); }

// --- properties ------------------------------------------------------------------
void TFltButton::SetAlignment(plat::TAlignment Value) {
    FAlignment = Value;
    PaintNow();
}

void TFltButton::SetCaption(const std::string& Value) {
    plat::TCustomControl::SetCaption(Value);
    Invalidate();
}

void TFltButton::SetFlat(bool Value) {
    FFlat = Value;
    PaintNow();
}

void TFltButton::SetGlyph(const plat::TBitmap* Value) {
    if (Value) {
        FGlyph->Assign(*Value);
        FNumGlyphs = FGlyph->Height() == 0 ? 0 : FGlyph->Width() / FGlyph->Height();
    } else {
        FGlyph = std::make_unique<plat::TBitmap>();
        FNumGlyphs = 0;
    }
    FKind = bkCustom;
    Invalidate();
}

void TFltButton::SetKind(TFltButtonKind Value) {
    if (Value != bkCustom) {
        for (const auto& row : kKinds) {
            if (row.kind != Value) continue;
            FNumGlyphs = 2;
            SetModalResult(row.modalResult);
            auto glyph = std::make_unique<plat::TBitmap>();
            if (glyph->LoadFromResource(std::string("glyphs/") + row.resource + ".bmp")) FGlyph = std::move(glyph);
            plat::TCustomControl::SetCaption(row.caption);
        }
    }
    FKind = Value;
    Invalidate();
}

void TFltButton::SetLayout(TFltButtonLayout Value) {
    FLayout = Value;
    PaintNow();
}

void TFltButton::SetLightColor(TColor Value) {
    FLightColor = Value;
    PaintNow();
}

void TFltButton::SetModalResult(int Value) {
    FModalResult = Value;
    FKind = bkCustom;
}

void TFltButton::SetNumGlyphs(int Value) {
    FNumGlyphs = Value;
    Invalidate();
}

void TFltButton::SetShadowColor(TColor Value) {
    FShadowColor = Value;
    PaintNow();
}

void TFltButton::SetStyle(TFltButtonStyle Value) {
    FStyle = Value;
    Invalidate();
}

void TFltButton::SetWordWrap(bool Value) {
    FWordWrap = Value;
    PaintNow();
}

void TFltButton::SetSlowDecease(bool Value) {
    FSlowDecease = Value;
    if (Value && !FFadeTimer) {
        FFadeTimer = new plat::TTimer(this);
        FFadeTimer->SetEnabled(false);
        FFadeTimer->SetInterval(30);
        FFadeTimer->OnTimer = [this](plat::TObject*) { FadeTick(); };
    } else if (!Value && FFadeTimer) {
        FHotTrackStep = 0;
        delete FFadeTimer;
        FFadeTimer = nullptr;
    }
    Invalidate();
}

void TFltButton::SetColorStyle(TFltColorStyle Value) {
    if (Value == lcsCustom) return;
    for (const auto& p : kPresets) {
        if (p.style != Value) continue;
        FFlat = false;
        plat::TFont font = Font();
        font.SetColor(plat::clBlack);
        FLightColor = p.light;
        FShadowColor = p.shadow;
        FColorWhenDown = p.down;
        FHotTrackColor = p.hot;
        FFlat = p.flat;
        SetColor(p.color);
        font.SetColor(p.font);
        SetFont(font);
        FStyle = p.buttonStyle;
        PaintNow();
    }
}

void TFltButton::SetEnabled(bool Value) {
    plat::TCustomControl::SetEnabled(Value);
    bDown = false;
    PaintNow();
}

// --- painting -----------------------------------------------------------------------
TFltButtonFace TFltButton::MakeFace(int W, int H) const {
    TFltButtonFace f;
    f.Width = W;
    f.Height = H;
    f.Alignment = FAlignment;
    f.Caption = Caption();
    f.Layout = FLayout;
    f.Font = (Hot() && FUseHTFont) ? FHTFont : Font();
    f.ShadowColor = FShadowColor;
    f.LightColor = FLightColor;
    f.HotTrackColor = FHotTrackColor;
    f.ColorWhenDown = FColorWhenDown;
    f.Color = Color();
    f.Style = FStyle;
    f.HasPopup = FHasPopupMenu;
    f.WordWrap = FWordWrap;
    f.Flat = FFlat;
    f.Enabled = Enabled();
    f.Hot = Hot();
    f.Pressed = bDown;
    f.Glyph = FGlyph.get();
    f.NumGlyphs = FNumGlyphs;
    f.HotTrackStep = FHotTrackStep;
    return f;
}

void TFltButton::Paint() {
    if (!Visible() || FDestroyingButton || Destroying()) return;
    const int W = Width(), H = Height();
    if (W <= 0 || H <= 0) return;
    // The whole face goes to an off-screen picture first and reaches the
    // screen in one copy, so it never flickers.
    plat::TBitmap bmp(W, H);
    const bool transparent = FStyle == bsModern || FStyle == bsShape || FStyle == bsQuicken;
    if (transparent) {
        bmp.SetTransparentColor(kFltTransparentKey);
        bmp.SetTransparent(true);
        bmp.Canvas().Brush().SetColor(kFltTransparentKey);
        bmp.Canvas().FillRect({0, 0, W, H});
    }
    if (FStyle == bsOld && Focused()) {
        TFltButtonFace face = MakeFace(W - 2, H - 2);
        if (face.Pressed && face.Enabled) face.LightColor = FShadowColor;
        DrawFltButtonFace(bmp.Canvas(), face);
        plat::TBitmap copy(bmp);
        bmp.Canvas().Draw(1, 1, copy);
        bmp.Canvas().Brush().SetStyle(plat::bsClear);
        bmp.Canvas().Pen().SetColor(plat::clBlack);
        bmp.Canvas().Rectangle(0, 0, W, H);
    } else {
        DrawFltButtonFace(bmp.Canvas(), MakeFace(W, H));
    }
    Canvas().Draw(0, 0, bmp);
    if (Focused() && Enabled() && FStyle != bsShape) Canvas().DrawFocusRect({4, 4, W - 4, H - 4});
}

// --- clicking --------------------------------------------------------------------------
void TFltButton::Click() {
    bDown = true;
    const bool ran = Visible() && Enabled();
    ClickAction();
    if (ran && FAction) FAction->Execute();
}

void TFltButton::SetAction(plat::TAction* Value) {
    if (Value == FAction) return;
    if (FAction) FAction->Unlink(FActionLink);
    FAction = Value;
    FActionLink = 0;
    if (!FAction) return;
    FActionLink = FAction->Link([this](bool Gone) {
        if (Gone) FAction = nullptr;
        else CopyActionImage();
    });
    CopyActionImage();
}

// A button the window gave no glyph of its own shows its action's picture,
// on the magenta that glyphs leave clear.
void TFltButton::CopyActionImage() {
    if (!FAction || !FGlyph->Empty()) return;
    const plat::TImageList* images = FAction->Images();
    const int index = FAction->ImageIndex();
    if (!images || index < 0 || index >= images->Count()) return;
    plat::TBitmap glyph(images->Width(), images->Height());
    glyph.Canvas().Brush().SetColor(plat::clFuchsia);
    glyph.Canvas().FillRect({0, 0, images->Width(), images->Height()});
    images->Draw(glyph.Canvas(), 0, 0, index);
    FGlyph->Assign(glyph);
    FNumGlyphs = 1;
    Invalidate();
}

void TFltButton::ClickAction() {
    if (!Visible() || !Enabled() || !bDown) return;
    bDown = false;
    if (OnClick) OnClick(this);
    if (FModalResult != 0) {
        if (plat::TForm* form = ParentForm()) form->SetModalResult(FModalResult);
    }
    if (FPopupMenu) {
        const plat::TPoint at = ClientToScreen({0, Height()});
        FPopupMenu->Popup(at.X, at.Y);
    }
}

void TFltButton::MouseDown(plat::TMouseButton Button, plat::TShiftState Shift, int X, int Y) {
    plat::TCustomControl::MouseDown(Button, Shift, X, Y);
    if (Button == plat::mbLeft && Enabled()) {
        bDown = true;
        // Taking the focus first lets a table store its edit (its exit
        // event) before this button's action runs.
        if (CanFocus()) SetFocus();
        PaintNow();
    }
}

void TFltButton::MouseUp(plat::TMouseButton Button, plat::TShiftState Shift, int X, int Y) {
    plat::TCustomControl::MouseUp(Button, Shift, X, Y);
    if (bDown) Click();
    bDown = false;
    PaintNow();
}

void TFltButton::KeyDown(unsigned short& Key, plat::TShiftState Shift) {
    plat::TCustomControl::KeyDown(Key, Shift);
    // Key events reach only the control that holds the keyboard.
    if ((Key == plat::VK_RETURN || Key == plat::VK_SPACE) && Enabled()) {
        bDown = true;
        PaintNow();
    }
}

void TFltButton::KeyUp(unsigned short& Key, plat::TShiftState Shift) {
    plat::TCustomControl::KeyUp(Key, Shift);
    // Only a key that went down here clicks: the release of the Enter that
    // closed a dialog lands on the button that opened it, and must not open
    // the dialog again.
    if ((Key == plat::VK_RETURN || Key == plat::VK_SPACE) && bDown) {
        bDown = false;
        Click();
        PaintNow();
    }
}

bool TFltButton::IsAccel(unsigned Char) const {
    const std::string& c = Caption();
    for (size_t i = 0; i + 1 < c.size(); ++i) {
        if (c[i] != '&') continue;
        if (c[i + 1] == '&') {
            ++i;
            continue;
        }
        return std::toupper(static_cast<unsigned char>(c[i + 1])) == std::toupper(int(Char & 0xFF)) && Char < 256;
    }
    return false;
}

void TFltButton::WndProc(plat::TMessage& Message) {
    if (Message.Msg == plat::CM_DIALOGCHAR) {
        if (IsAccel(unsigned(Message.WParam)) && Visible() && Enabled() && ParentShowing()) {
            bDown = true;
            Click();
            Message.Result = 1;
            return;
        }
    } else if (Message.Msg == plat::CM_DIALOGKEY) {
        const unsigned short key = static_cast<unsigned short>(Message.WParam);
        const bool wanted = (key == plat::VK_RETURN && FDefault) || (key == plat::VK_ESCAPE && FCancel);
        const plat::TShiftState mods = plat::KeyboardShiftState() & (plat::ssShift | plat::ssCtrl | plat::ssAlt);
        if (wanted && mods == 0 && Visible() && Enabled()) {
            plat::TForm* form = nullptr;
            for (plat::TComponent* o = Owner(); o && !form; o = o->Owner()) form = dynamic_cast<plat::TForm*>(o);
            plat::TWinControl* active = form ? form->ActiveControl() : nullptr;
            // Another button with the focus answers Enter itself; a radio
            // button does not, so the default button still acts.
            const bool buttonFocused = active && !dynamic_cast<plat::TRadioButton*>(active) &&
                                       (dynamic_cast<TFltButton*>(active) || dynamic_cast<plat::TButton*>(active));
            if (!buttonFocused) {
                bDown = true;
                Click();
                Message.Result = 1;
                return;
            }
        }
    }
    plat::TCustomControl::WndProc(Message);
}

// --- hot tracking and fade ----------------------------------------------------------------
void TFltButton::CMMouseEnter(plat::TMessage& Message) {
    (void)Message;
    if (Enabled() && Visible() && ParentShowing()) {
        bCursorOnButton = true;
        FHotTrackStep = 8;
        PaintNow();
        if (OnMouseEnter) OnMouseEnter(this);
    }
}

void TFltButton::CMMouseLeave(plat::TMessage& Message) {
    (void)Message;
    bCursorOnButton = false;
    if (!FSlowDecease || !FFadeTimer) {
        FHotTrackStep = 0;
        PaintNow();
    } else if (!FFadeTimer->Enabled()) {
        FFadeTimer->SetEnabled(true);
    }
    if (Enabled() && Visible() && ParentShowing()) {
        if (OnMouseLeave) OnMouseLeave(this);
        if (OnMouseExit) OnMouseExit(this);
    }
}

void TFltButton::FadeTick() {
    if (FDestroyingButton || Destroying()) return;
    --FHotTrackStep;
    if (FHotTrackStep <= 0) {
        if (FFadeTimer && FFadeTimer->Enabled()) FFadeTimer->SetEnabled(false);
        FHotTrackStep = 0;
    }
    PaintNow();
}

void TFltButton::DoEnter() {
    plat::TCustomControl::DoEnter();
    PaintNow();
}

void TFltButton::DoExit() {
    plat::TCustomControl::DoExit();
    PaintNow();
}

}  // namespace ctl
