#include "shell/ShellControls.h"

#include <string>

#include "base/Resources.h"
#include "controls/FltButton.h"
#include "platform/Layout.h"

namespace shell {

using namespace plat;
using ctl::TFltButton;

namespace {

template <class F>
void ButtonProp(const std::string& name, F set) {
    RegisterLayoutProperty("TFltButton", name, [set](TComponent& c, const TLayoutValue& v, TLayoutContext&) {
        set(static_cast<TFltButton&>(c), v);
    });
}

void Register_Flat_Button() {
    RegisterLayoutClass("TFltButton", "TCustomControl",
                        [](TComponent* owner) { return new TFltButton(owner); });
    ButtonProp("Caption", [](TFltButton& b, const TLayoutValue& v) { b.SetCaption(LayoutText(v)); });
    ButtonProp("Cancel", [](TFltButton& b, const TLayoutValue& v) { b.SetCancel(LayoutBool(v)); });
    ButtonProp("Style", [](TFltButton& b, const TLayoutValue& v) {
        b.SetStyle(ctl::TFltButtonStyle(LayoutEnum(v, {{"bsNormal", ctl::bsNormal},
                                                       {"bsEncarta", ctl::bsEncarta},
                                                       {"bsModern", ctl::bsModern},
                                                       {"bsOld", ctl::bsOld},
                                                       {"bsShape", ctl::bsShape},
                                                       {"bsQuicken", ctl::bsQuicken}})));
    });
    ButtonProp("Layout", [](TFltButton& b, const TLayoutValue& v) {
        b.SetLayout(ctl::TFltButtonLayout(LayoutEnum(v, {{"blGlyphLeft", ctl::blGlyphLeft},
                                                         {"blGlyphRight", ctl::blGlyphRight},
                                                         {"blGlyphTop", ctl::blGlyphTop},
                                                         {"blGlyphBottom", ctl::blGlyphBottom}})));
    });
    ButtonProp("ModalResult", [](TFltButton& b, const TLayoutValue& v) { b.SetModalResult(LayoutInt(v)); });
    ButtonProp("Alignment", [](TFltButton& b, const TLayoutValue& v) {
        b.SetAlignment(TAlignment(LayoutEnum(
            v,
            {{"taLeftJustify", taLeftJustify}, {"taRightJustify", taRightJustify}, {"taCenter", taCenter}})));
    });
    ButtonProp("LightColor", [](TFltButton& b, const TLayoutValue& v) { b.SetLightColor(LayoutColor(v)); });
    ButtonProp("ShadowColor", [](TFltButton& b, const TLayoutValue& v) { b.SetShadowColor(LayoutColor(v)); });
    ButtonProp("ColorWhenDown",
               [](TFltButton& b, const TLayoutValue& v) { b.SetColorWhenDown(LayoutColor(v)); });
    ButtonProp("HotTrackColor",
               [](TFltButton& b, const TLayoutValue& v) { b.SetHotTrackColor(LayoutColor(v)); });
    ButtonProp("UseHotTrackFont",
               [](TFltButton& b, const TLayoutValue& v) { b.SetUseHotTrackFont(LayoutBool(v)); });
    ButtonProp("NumGlyphs", [](TFltButton& b, const TLayoutValue& v) { b.SetNumGlyphs(LayoutInt(v)); });
    // The picture is a compiled-in resource, so the window needs no file.
    ButtonProp("Glyph", [](TFltButton& b, const TLayoutValue& v) {
        const std::string name = LayoutText(v);
        TBitmap glyph;
        if (!glyph.LoadFromResource(name)) throw ELayoutError("no readable picture resource '" + name + "'");
        b.SetGlyph(&glyph);
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
