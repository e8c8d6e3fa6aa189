#pragma once
// The push button of every window: a self-painted face in one of six
// styles, a glyph from a strip of equal cells, a hot colour that follows the
// pointer (with an optional slow fade back), a modal result for its form,
// and ready-made kinds and colour schemes.

#include <memory>
#include <string>

#include "controls/FltButtons.h"
#include "platform/Bitmap.h"
#include "platform/Controls.h"
#include "platform/ExtCtrls.h"
#include "platform/Actions.h"
#include "platform/Forms.h"
#include "platform/Menus.h"

namespace ctl {

class TFltButton : public plat::TCustomControl {
public:
    explicit TFltButton(plat::TComponent* AOwner);
    ~TFltButton() override;

    plat::TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(plat::TAlignment Value);
    void SetCaption(const std::string& Value);
    const std::string& Caption() const { return plat::TCustomControl::Caption(); }
    // Presets write their colours and read back as lcsCustom.
    TFltColorStyle ColorStyle() const { return FDummyStyle; }
    void SetColorStyle(TFltColorStyle Value);
    plat::TColor ColorWhenDown() const { return FColorWhenDown; }
    void SetColorWhenDown(plat::TColor Value) { FColorWhenDown = Value; }
    bool Default() const { return FDefault; }
    void SetDefault(bool Value) { FDefault = Value; }
    bool Cancel() const { return FCancel; }
    void SetCancel(bool Value) { FCancel = Value; }
    bool Flat() const { return FFlat; }
    void SetFlat(bool Value);
    const plat::TBitmap& Glyph() const { return *FGlyph; }
    // A null glyph empties it; NumGlyphs becomes width div height.
    void SetGlyph(const plat::TBitmap* Value);
    plat::TColor HotTrackColor() const { return FHotTrackColor; }
    void SetHotTrackColor(plat::TColor Value) { FHotTrackColor = Value; }
    const plat::TFont& HotTrackFont() const { return FHTFont; }
    void SetHotTrackFont(const plat::TFont& Value) { FHTFont.Assign(Value); }
    TFltButtonKind Kind() const { return FKind; }
    void SetKind(TFltButtonKind Value);
    TFltButtonLayout Layout() const { return FLayout; }
    void SetLayout(TFltButtonLayout Value);
    plat::TColor LightColor() const { return FLightColor; }
    void SetLightColor(plat::TColor Value);
    int ModalResult() const { return FModalResult; }
    void SetModalResult(int Value);
    int NumGlyphs() const { return FNumGlyphs; }
    void SetNumGlyphs(int Value);
    plat::TColor ShadowColor() const { return FShadowColor; }
    void SetShadowColor(plat::TColor Value);
    bool SlowDecease() const { return FSlowDecease; }
    void SetSlowDecease(bool Value);
    TFltButtonStyle Style() const { return FStyle; }
    void SetStyle(TFltButtonStyle Value);
    bool UseHotTrackFont() const { return FUseHTFont; }
    void SetUseHotTrackFont(bool Value) { FUseHTFont = Value; }
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool Value);
    bool HasPopupMenu() const { return FHasPopupMenu; }
    void SetHasPopupMenu(bool Value) { FHasPopupMenu = Value; Invalidate(); }
    // Opened below the button's lower-left corner after each click; the
    // button does not own it.
    plat::TPopupMenu* PopupMenu() const { return FPopupMenu; }
    void SetPopupMenu(plat::TPopupMenu* Value) { FPopupMenu = Value; }
    // The action a click runs (after OnClick); a button without a glyph
    // shows the action's picture. The button does not own it.
    plat::TAction* Action() const { return FAction; }
    void SetAction(plat::TAction* Value);
    void SetEnabled(bool Value) override;

    // State, for the window's own checks.
    bool Pressed() const { return bDown; }
    bool CursorOnButton() const { return bCursorOnButton; }
    bool Hot() const;
    int HotTrackStep() const { return FHotTrackStep; }
    // True while the slow fade back to the base colour is running.
    bool Fading() const;
    // One fade step, as the fade timer calls it every 30 ms.
    void FadeTick();

    // Fired after OnMouseLeave when the pointer left an enabled button.
    plat::TNotifyEvent OnMouseExit;

    void Click() override;

protected:
    void Paint() override;
    void WndProc(plat::TMessage& Message) override;
    void MouseDown(plat::TMouseButton Button, plat::TShiftState Shift, int X, int Y) override;
    void MouseUp(plat::TMouseButton Button, plat::TShiftState Shift, int X, int Y) override;
    void KeyDown(unsigned short& Key, plat::TShiftState Shift) override;
    void KeyUp(unsigned short& Key, plat::TShiftState Shift) override;
    void CMMouseEnter(plat::TMessage& Message) override;
    void CMMouseLeave(plat::TMessage& Message) override;
    void DoEnter() override;
    void DoExit() override;

private:
    void ClickAction();
    void PaintNow();
    bool ParentShowing() const;
    bool IsAccel(unsigned Char) const;
    TFltButtonFace MakeFace(int W, int H) const;
    void CopyActionImage();

    plat::TAlignment FAlignment = plat::taCenter;
    plat::TColor FShadowColor = plat::clGray;
    plat::TColor FColorWhenDown = plat::clNone;
    bool FFlat = false;
    bool FWordWrap = false;
    std::unique_ptr<plat::TBitmap> FGlyph;
    plat::TColor FHotTrackColor = plat::clNone;
    plat::TFont FHTFont;
    TFltButtonKind FKind = bkCustom;
    TFltButtonLayout FLayout = blGlyphLeft;
    plat::TColor FLightColor = plat::clWhite;
    int FModalResult = 0;
    int FNumGlyphs = 0;
    bool FUseHTFont = false;
    TFltColorStyle FDummyStyle = lcsCustom;
    TFltButtonStyle FStyle = bsNormal;
    bool FDefault = false;
    bool FCancel = false;
    bool FSlowDecease = false;
    bool bDown = false;
    bool bCursorOnButton = false;
    // The fade runs on the user-interface thread from this timer; a
    // stopped timer costs nothing, so every button keeps one.
    plat::TTimer* FFadeTimer = nullptr;
    int FHotTrackStep = 0;
    bool FHasPopupMenu = false;
    plat::TPopupMenu* FPopupMenu = nullptr;
    bool FDestroyingButton = false;
    plat::TAction* FAction = nullptr;
    int FActionLink = 0;
};

}  // namespace ctl
