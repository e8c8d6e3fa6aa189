#pragma once
// The pop-up window of a drop-down and the arrow button inside its edit.

#include "controls/ExtDropDownBars.h"
#include "platform/Application.h"
#include "platform/Bitmap.h"
#include "platform/Forms.h"

namespace ctl {

class TExtCustomDropDown;

enum TDropPosition { dpAuto, dpDown, dpUp };

// The pop-up window. Its client is filled by a background panel that paints
// the pop-up colours and frame and hosts the bars and the inner control.
class TDropDownForm : public plat::TForm {
public:
    explicit TDropDownForm(plat::TComponent* AOwner);
    TExtCustomDropDown* ExtDropDown() const { return FExtDropDown; }
    void SetExtDropDown(TExtCustomDropDown* Value) { FExtDropDown = Value; }
    bool BlockActivate() const { return FBlockActivate; }
    void SetBlockActivate(bool Value) { FBlockActivate = Value; }
    bool CancelOnDeActivate() const { return FCancelOnDeActivate; }
    void SetCancelOnDeActivate(bool Value) { FCancelOnDeActivate = Value; }
    bool Shadow() const { return FShadow; }
    void SetShadow(bool Value) { FShadow = Value; }
    long long DeActivateTime() const { return FDeActivate; }
    void SetDeActivateTime(long long Value) { FDeActivate = Value; }
    TExtBar* Header() const { return FHeader; }
    TExtBar* Footer() const { return FFooter; }
    // The panel the inner control and the bars sit on.
    plat::TCustomControl* Client() const { return FClient; }
    // Builds or refreshes the bars from the drop-down.
    void InitializeAndUpdate();
    virtual void UpdateSize() {}

protected:
    void Dispatch(plat::TMessage& Message) override;

private:
    friend class TExtCustomDropDown;
    TExtCustomDropDown* FExtDropDown = nullptr;
    TExtBar* FHeader = nullptr;
    TExtBar* FFooter = nullptr;
    plat::TCustomControl* FClient = nullptr;
    long long FDeActivate = 0;
    bool FShadow = true;
    bool FCancelOnDeActivate = true;
    bool FBlockActivate = false;
};

class TDropDownEditButton;

// bsDropDown: the arrow face (or the glyph alone when there is one);
// bsButton: a push button with the glyph and the caption.
enum TButtonStyle { bsButton, bsDropDown };

// The arrow (or caption) button inside the container.
class TExtDropDownSpeedButton : public THotTrackButton {
public:
    TExtDropDownSpeedButton(plat::TComponent* AOwner, TDropDownEditButton* Host);
    bool Pressed() const { return FPressed && !FUp; }
    bool Focused_() const { return FFocused; }
    void SetFocusedLook(bool Value);
    TButtonStyle ButtonStyle() const { return FButtonStyle; }
    void SetButtonStyle(TButtonStyle Value);
    // The caption face with Flat: an etched edge instead of a raised one.
    bool Etched() const { return FEtched; }
    void SetEtched(bool Value);
    bool Flat() const { return FFlat; }
    void SetFlat(bool Value);
    // From now on the button never shows the pressed state.
    void SetUp() { FUp = true; Invalidate(); }
    // NumGlyphs pictures side by side: up, disabled, pressed.
    const plat::TBitmap& Glyph() const { return FGlyph; }
    void SetGlyph(const plat::TBitmap& Value);
    int NumGlyphs() const { return FNumGlyphs; }
    void SetNumGlyphs(int Value);

protected:
    void Paint() override;
    void MouseDown(plat::TMouseButton Button, plat::TShiftState Shift, int X, int Y) override;
    void MouseUp(plat::TMouseButton Button, plat::TShiftState Shift, int X, int Y) override;

private:
    void PaintArrowFace(plat::TCanvas& c, bool Enabled);
    void PaintCaptionFace(plat::TCanvas& c, bool Enabled);
    // The picture of the glyph for the state (up, disabled, pressed).
    plat::TBitmap GlyphFor(bool Enabled) const;
    TDropDownEditButton* FHost;
    bool FPressed = false;
    bool FFocused = false;
    bool FUp = false;
    bool FEtched = false;
    bool FFlat = false;
    TButtonStyle FButtonStyle = bsDropDown;
    plat::TBitmap FGlyph;
    int FNumGlyphs = 1;
};

class TDropDownEditButton : public plat::TWinControl {
public:
    TDropDownEditButton(plat::TComponent* AOwner, TExtCustomDropDown* DropDown);
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
    TExtDropDownSpeedButton* Button() const { return FButton; }
    TExtCustomDropDown* DropDown() const { return FDropDown; }
    int BWidth() const { return FBWidth; }
    void SetBWidth(int Value);
    // Passed on to the button inside.
    const plat::TBitmap& Glyph() const { return FButton->Glyph(); }
    void SetGlyph(const plat::TBitmap& Value) { FButton->SetGlyph(Value); }
    int NumGlyphs() const { return FButton->NumGlyphs(); }
    void SetNumGlyphs(int Value) { FButton->SetNumGlyphs(Value); }
    const std::string& ButtonCaption() const { return FButton->Caption(); }
    void SetButtonCaption(const std::string& Value) { FButton->SetCaption(Value); }

    plat::TColor ButtonColor = plat::clNone, ButtonColorHot = plat::clNone, ButtonColorDown = plat::clNone;
    plat::TColor ButtonTextColor = plat::clNone, ButtonTextColorHot = plat::clNone,
                 ButtonTextColorDown = plat::clNone;
    plat::TColor ButtonBorderColor = plat::clNone;
    plat::TNotifyEvent OnClick;

protected:
    // The wheel over the arrow is the edit's.
    void Dispatch(plat::TMessage& Message) override;

private:
    friend class TExtDropDownSpeedButton;
    TExtCustomDropDown* FDropDown;
    TExtDropDownSpeedButton* FButton = nullptr;
    int FBWidth = 16;
};

// Where the pop-up goes: below the edit (P is its top-left on the screen),
// above it when dpUp or when dpAuto finds no room below; then shifted left
// so that it does not stick out on the right of the work area.
plat::TPoint PlaceDropDown(plat::TPoint P, int EditHeight, int FormWidth, int FormHeight, TDropPosition Position,
                           int ScreenHeight, const plat::TMonitorRect& WorkArea);

}  // namespace ctl
