#pragma once
// The flat, gradient or classic push and toggle button of the grid's own
// panels (the search footer's find, close and highlight buttons).

#include <string>

#include "grid/GridTypes.h"
#include "platform/Bitmap.h"
#include "platform/Controls.h"
#include "platform/ExtCtrls.h"
#include "platform/Menus.h"

namespace grid {

enum TButtonState { bsUp, bsDisabled, bsDown, bsExclusive };

// Draws 16 horizontal bands from `from` towards `to` (the last band one
// step short of it), then an outline in border unless it is clNone.
void DrawGridButtonGradient(plat::TCanvas& Canvas, plat::TColor From, plat::TColor To, plat::TColor Border,
                            const plat::TRect& R);

class TExtGridButton : public plat::TCustomControl {
public:
    explicit TExtGridButton(plat::TComponent* AOwner);

    bool AllowAllUp() const { return FAllowAllUp; }
    void SetAllowAllUp(bool Value);
    int GroupIndex() const { return FGroupIndex; }
    void SetGroupIndex(int Value);
    bool Down() const { return FDown; }
    void SetDown(bool Value);
    TExtGridButtonStyle Style() const { return FStyle; }
    void SetStyle(TExtGridButtonStyle Value) { FStyle = Value; Invalidate(); }
    bool Flat() const { return FFlat; }
    void SetFlat(bool Value);
    plat::TButtonLayout Layout() const { return FLayout; }
    void SetLayout(plat::TButtonLayout Value);
    int Margin() const { return FMargin; }
    void SetMargin(int Value);
    int Spacing() const { return FSpacing; }
    void SetSpacing(int Value);
    bool ShowCaption() const { return FShowCaption; }
    void SetShowCaption(bool Value);
    bool Rounded() const { return FRounded; }
    void SetRounded(bool Value) { FRounded = Value; Invalidate(); }
    bool Shaded() const { return FShaded; }
    void SetShaded(bool Value);
    bool DropDownButton() const { return FDropDownButton; }
    void SetDropDownButton(bool Value) { FDropDownButton = Value; Invalidate(); }
    // Opened below the button's lower-left corner by a press on the arrow
    // part; the button does not own it.
    plat::TPopupMenu* DropDownMenu() const { return FDropDownMenu; }
    void SetDropDownMenu(plat::TPopupMenu* Value) { FDropDownMenu = Value; }
    bool AutoThemeAdapt() const { return FAutoThemeAdapt; }
    void SetAutoThemeAdapt(bool Value);
    int Look() const { return FLook; }
    void SetLook(int Value);
    TButtonState State() const { return FState; }
    bool MouseIn() const { return FMouseIn; }

    const plat::TBitmap& Glyph() const { return FGlyph; }
    void SetGlyph(const plat::TBitmap& Value);
    const plat::TBitmap& GlyphHot() const { return FGlyphHot; }
    void SetGlyphHot(const plat::TBitmap& Value) { FGlyphHot = Value; }
    const plat::TBitmap& GlyphDown() const { return FGlyphDown; }
    void SetGlyphDown(const plat::TBitmap& Value) { FGlyphDown = Value; }
    const plat::TBitmap& GlyphDisabled() const { return FGlyphDisabled; }
    void SetGlyphDisabled(const plat::TBitmap& Value) { FGlyphDisabled = Value; }
    const plat::TBitmap& ShadeBitmap() const { return FShade; }

    // Where the layout rule puts the glyph and the caption.
    void GlyphAndCaptionPos(plat::TPoint& GlyphPos, plat::TRect& CaptionRect) const;

    plat::TColor BorderColor = plat::clNone;
    plat::TColor BorderDownColor = plat::clNone;
    plat::TColor BorderHotColor = plat::clNone;
    plat::TColor ColorTo = plat::clNone;
    plat::TColor ColorDown = 0xD8D3D2;
    plat::TColor ColorDownTo = plat::clNone;
    plat::TColor ColorHot = 0xCAC7C7;
    plat::TColor ColorHotTo = plat::clNone;
    plat::TColor ColorChecked = 0x808080;
    plat::TColor ColorCheckedTo = plat::clNone;
    bool AutoXPStyle = false;
    plat::TNotifyEvent OnDropDown;

    // Applies the preset that fits the platform's colour scheme.
    void ThemeAdapt();

protected:
    void MouseDown(plat::TMouseButton Button, plat::TShiftState Shift, int X, int Y) override;
    void MouseMove(plat::TShiftState Shift, int X, int Y) override;
    void MouseUp(plat::TMouseButton Button, plat::TShiftState Shift, int X, int Y) override;
    void CMMouseEnter(plat::TMessage& Message) override;
    void CMMouseLeave(plat::TMessage& Message) override;
    void CMEnabledChanged(plat::TMessage& Message) override;
    void DblClick() override;
    void Paint() override;

private:
    void UpdateExclusive();
    void BuildShade();
    void PaintFace(plat::TRect& R);
    const plat::TBitmap& ChosenGlyph(TButtonState S) const;

    bool FAllowAllUp = false;
    int FGroupIndex = 0;
    bool FDown = false;
    TExtGridButtonStyle FStyle = tasButton;
    bool FFlat = true;
    plat::TButtonLayout FLayout = plat::blGlyphLeft;
    int FMargin = -1;
    int FSpacing = 4;
    bool FShowCaption = true;
    bool FRounded = false;
    bool FShaded = true;
    bool FDropDownButton = false;
    plat::TPopupMenu* FDropDownMenu = nullptr;
    bool FAutoThemeAdapt = false;
    int FLook = 0;
    TButtonState FState = bsUp;
    bool FDragging = false;
    bool FMouseIn = false;
    plat::TBitmap FGlyph, FGlyphHot, FGlyphDown, FGlyphDisabled, FShade;
};

}  // namespace grid
