#pragma once
// The control kinds the shell's window layouts use beyond the window layer's
// own, registered with the layout loader.
//
// The flat button of every window is still being finished below us; until it
// lands, "TFltButton" in a layout builds the small button of this unit, which
// takes the same layout properties, so the layouts need no change when the
// real class replaces it. Windows reach their buttons as plain controls
// (caption, hint, visibility, OnClick), which both classes are.

#include <memory>
#include <string>

#include "platform/Bitmap.h"
#include "platform/Controls.h"

namespace shell {

// Safe to call more than once; every window constructor calls it.
void Register_Shell_Controls();

// The interim flat button: a self-painted face with an optional picture and
// a modal result for its form.
class TShellFlatButton : public plat::TCustomControl {
public:
    enum TStyle { bsNormal, bsEncarta, bsModern, bsOld, bsShape, bsQuicken };

    explicit TShellFlatButton(plat::TComponent* AOwner);
    ~TShellFlatButton() override;

    TStyle Style() const { return FStyle; }
    void SetStyle(TStyle Value);
    int ModalResult() const { return FModalResult; }
    void SetModalResult(int Value) { FModalResult = Value; }
    plat::TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(plat::TAlignment Value);
    plat::TColor LightColor() const { return FLightColor; }
    void SetLightColor(plat::TColor Value);
    plat::TColor ShadowColor() const { return FShadowColor; }
    void SetShadowColor(plat::TColor Value);
    plat::TColor ColorWhenDown() const { return FColorWhenDown; }
    void SetColorWhenDown(plat::TColor Value) { FColorWhenDown = Value; }
    plat::TColor HotTrackColor() const { return FHotTrackColor; }
    void SetHotTrackColor(plat::TColor Value) { FHotTrackColor = Value; }
    // A picture drawn centred (left of the caption when there is one).
    void SetGlyph(const plat::TGraphic* Value);
    bool HasGlyph() const { return FGlyph != nullptr; }

    void Click() override;

protected:
    void Paint() override;
    void MouseDown(plat::TMouseButton Button, plat::TShiftState Shift, int X, int Y) override;
    void MouseUp(plat::TMouseButton Button, plat::TShiftState Shift, int X, int Y) override;
    void CMMouseEnter(plat::TMessage& Message) override;
    void CMMouseLeave(plat::TMessage& Message) override;

private:
    TStyle FStyle = bsNormal;
    int FModalResult = 0;
    plat::TAlignment FAlignment = plat::taCenter;
    plat::TColor FLightColor = plat::clWhite;
    plat::TColor FShadowColor = plat::clGray;
    plat::TColor FColorWhenDown = plat::clNone;
    plat::TColor FHotTrackColor = plat::clNone;
    std::unique_ptr<plat::TPicture> FGlyph;
    bool FDown = false;
    bool FHot = false;
};

}  // namespace shell
