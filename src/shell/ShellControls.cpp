#include "shell/ShellControls.h"

#include "base/Resources.h"
#include "platform/Forms.h"
#include "platform/Layout.h"

namespace shell {

using namespace plat;

TShellFlatButton::TShellFlatButton(TComponent* AOwner) : TCustomControl(AOwner) {
    SetBounds(0, 0, 75, 25);
    SetTabStop(true);
    SetAccessibleRole(arButton);
}

TShellFlatButton::~TShellFlatButton() = default;

void TShellFlatButton::SetStyle(TStyle Value) {
    FStyle = Value;
    Invalidate();
}

void TShellFlatButton::SetAlignment(TAlignment Value) {
    FAlignment = Value;
    Invalidate();
}

void TShellFlatButton::SetLightColor(TColor Value) {
    FLightColor = Value;
    Invalidate();
}

void TShellFlatButton::SetShadowColor(TColor Value) {
    FShadowColor = Value;
    Invalidate();
}

void TShellFlatButton::SetGlyph(const TGraphic* Value) {
    if (Value == nullptr || Value->Empty()) {
        FGlyph.reset();
    } else {
        FGlyph = std::make_unique<TPicture>();
        FGlyph->SetGraphic(Value);
    }
    Invalidate();
}

void TShellFlatButton::Click() {
    // The form learns its result before the handler runs, so a handler may
    // still hold the form open by setting it back.
    if (FModalResult != 0)
        if (TForm* form = ParentForm()) form->SetModalResult(FModalResult);
    TCustomControl::Click();
}

void TShellFlatButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (Button == mbLeft && Enabled()) {
        // Taking the focus first lets a table store its edit before the
        // button's action reads it.
        if (CanFocus()) SetFocus();
        FDown = true;
        Invalidate();
    }
    TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TShellFlatButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (FDown) {
        FDown = false;
        Invalidate();
    }
    TCustomControl::MouseUp(Button, Shift, X, Y);
}

void TShellFlatButton::CMMouseEnter(TMessage& Message) {
    FHot = true;
    Invalidate();
    TCustomControl::CMMouseEnter(Message);
}

void TShellFlatButton::CMMouseLeave(TMessage& Message) {
    FHot = false;
    Invalidate();
    TCustomControl::CMMouseLeave(Message);
}

void TShellFlatButton::Paint() {
    TCanvas& c = Canvas();
    const int w = Width(), h = Height();
    TColor face = Color();
    if (FDown && FColorWhenDown != clNone) face = FColorWhenDown;
    else if (FHot && Enabled() && FHotTrackColor != clNone) face = FHotTrackColor;
    c.Brush().SetColor(face);
    c.FillRect(TRect{0, 0, w, h});
    c.Pen().SetColor(FDown ? FShadowColor : FLightColor);
    c.MoveTo(0, h - 1);
    c.LineTo(0, 0);
    c.LineTo(w - 1, 0);
    c.Pen().SetColor(FDown ? FLightColor : FShadowColor);
    c.LineTo(w - 1, h - 1);
    c.LineTo(0, h - 1);

    c.SetFont(Font());
    if (!Enabled()) c.Font().SetColor(clGray);
    if (FDown && FStyle == bsEncarta) c.Font().SetStyle(c.Font().Style() + TFontStyles{fsBold});
    const std::string& text = Caption();
    const int glyphW = FGlyph ? FGlyph->Width() : 0;
    const int glyphH = FGlyph ? FGlyph->Height() : 0;
    const int gap = (glyphW > 0 && !text.empty()) ? 4 : 0;
    const int textW = text.empty() ? 0 : c.TextWidth(text);
    const int contentW = glyphW + gap + textW;
    int x = FAlignment == taLeftJustify ? 6 : FAlignment == taRightJustify ? w - 6 - contentW : (w - contentW) / 2;
    if (FGlyph) {
        c.Draw(x, (h - glyphH) / 2, *FGlyph->Graphic());
        x += glyphW + gap;
    }
    if (!text.empty()) {
        c.Brush().SetStyle(bsClear);
        c.TextOut(x, (h - c.TextHeight(text)) / 2, text);
    }
}

namespace {

template <class F>
void ButtonProp(const std::string& name, F set) {
    RegisterLayoutProperty("TFltButton", name, [set](TComponent& c, const TLayoutValue& v, TLayoutContext&) {
        set(static_cast<TShellFlatButton&>(c), v);
    });
}

void Register_Flat_Button() {
    RegisterLayoutClass("TFltButton", "TCustomControl",
                        [](TComponent* owner) { return new TShellFlatButton(owner); });
    ButtonProp("Style", [](TShellFlatButton& b, const TLayoutValue& v) {
        b.SetStyle(TShellFlatButton::TStyle(LayoutEnum(
            v, {{"bsNormal", TShellFlatButton::bsNormal}, {"bsEncarta", TShellFlatButton::bsEncarta},
                {"bsModern", TShellFlatButton::bsModern}, {"bsOld", TShellFlatButton::bsOld},
                {"bsShape", TShellFlatButton::bsShape}, {"bsQuicken", TShellFlatButton::bsQuicken}})));
    });
    ButtonProp("ModalResult", [](TShellFlatButton& b, const TLayoutValue& v) { b.SetModalResult(LayoutInt(v)); });
    ButtonProp("Alignment", [](TShellFlatButton& b, const TLayoutValue& v) {
        b.SetAlignment(TAlignment(LayoutEnum(
            v, {{"taLeftJustify", taLeftJustify}, {"taRightJustify", taRightJustify}, {"taCenter", taCenter}})));
    });
    ButtonProp("LightColor", [](TShellFlatButton& b, const TLayoutValue& v) { b.SetLightColor(LayoutColor(v)); });
    ButtonProp("ShadowColor", [](TShellFlatButton& b, const TLayoutValue& v) { b.SetShadowColor(LayoutColor(v)); });
    ButtonProp("ColorWhenDown",
               [](TShellFlatButton& b, const TLayoutValue& v) { b.SetColorWhenDown(LayoutColor(v)); });
    ButtonProp("HotTrackColor",
               [](TShellFlatButton& b, const TLayoutValue& v) { b.SetHotTrackColor(LayoutColor(v)); });
    // The picture is a compiled-in resource, as for TImage.
    ButtonProp("Glyph", [](TShellFlatButton& b, const TLayoutValue& v) {
        const std::string name = LayoutText(v);
        auto bytes = base::FindResource(name);
        if (!bytes) throw ELayoutError("no picture resource '" + name + "'");
        TPicture picture;
        if (!picture.LoadFromBytes(*bytes))
            throw ELayoutError("picture '" + name + "' cannot be read: " + picture.ErrorString());
        b.SetGlyph(picture.Graphic());
    });
}

}  // namespace

void Register_Shell_Controls() {
    static bool done = false;
    if (done) return;
    done = true;
    Register_Flat_Button();
}

}  // namespace shell
