#pragma once
// The grid's drop-down combo box: flat or etched look, focus colours, an
// attached caption label and a notice when its list closes.

#include <memory>
#include <string>

#include "controls/EsgButtonColors.h"
#include "platform/Graphics.h"
#include "platform/StdCtrls.h"

namespace ctl {

enum TLabelPosition {
    lpLeftTop, lpLeftCenter, lpLeftBottom, lpTopLeft, lpBottomLeft, lpLeftTopLeft, lpLeftCenterLeft,
    lpLeftBottomLeft, lpTopCenter, lpBottomCenter, lpRightTop, lpRightCenter, lpRighBottom, lpTopRight, lpBottomRight
};

// Lays a caption label out beside Owner: Left positions measure the label's
// text, the three "...Left" positions take Margin from the label's left edge.
void PlaceCaptionLabel(plat::TLabel& Label, const plat::TControl& Owner, TLabelPosition Position, int Margin);
// Letters a caption label: in Owner's font while Owner takes its parent's
// font (a control lettered like its window has its caption lettered the
// same way), else in LabelFont; Bold adds bold.
void LetterCaptionLabel(plat::TLabel& Label, const plat::TControl& Owner, const plat::TFont& LabelFont,
                        bool Bold = false);

class TEsgCustomCombo : public plat::TComboBox, public TEsgButtonColors {
public:
    explicit TEsgCustomCombo(plat::TComponent* AOwner);
    ~TEsgCustomCombo() override;

    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
    void WndProc(plat::TMessage& Message) override;

    void Init() { FNormalColor = Color(); }
    void SelectItem(const std::string& AString);

    int ButtonWidth() const { return FButtonWidth; }
    void SetButtonWidth(int Value);
    bool Flat() const { return FFlat; }
    void SetFlat(bool Value);
    bool Etched() const { return FEtched; }
    void SetEtched(bool Value);
    bool FlatParentColor() const { return FFlatParentColor; }
    void SetFlatParentColor(bool Value);
    // The colour as a stored form gives it: kept to come back to when Flat
    // goes off.
    void SetLoadedColor(plat::TColor Value) { FLoadedColor = Value; SetColor(Value); }
    int DropWidth() const { return FDropWidth; }
    void SetDropWidth(int Value) { FDropWidth = Value; }
    bool ButtonHover() const { return FButtonHover; }
    bool MouseInControl() const { return FMouseInControl; }

    std::string LabelCaption() const;
    void SetLabelCaption(const std::string& Value);
    plat::TLabel* ComboLabel() const { return FLabel; }
    TLabelPosition LabelPosition() const { return FLabelPosition; }
    void SetLabelPosition(TLabelPosition Value);
    int LabelMargin() const { return FLabelMargin; }
    void SetLabelMargin(int Value);
    bool LabelAlwaysEnabled() const { return FLabelAlwaysEnabled; }
    void SetLabelAlwaysEnabled(bool Value);
    bool LabelTransparent() const { return FLabelTransparent; }
    void SetLabelTransparent(bool Value);
    plat::TFont& LabelFont() { return FLabelFont; }
    void SetEnabled(bool Value) override;

    bool AutoFocus = false;
    bool FocusBorder = false;
    bool FocusLabel = false;
    bool DisabledBorder = true;
    bool IsBevelLook = false;
    bool IsFrost = false;
    plat::TColor FlatLineColor = plat::clNone;
    plat::TColor FocusColor = plat::clNone;
    plat::TColor FocusBorderColor = plat::clNone;
    plat::TColor BorderColor = plat::clNone;
    plat::TNotifyEvent OnDropUp;

protected:
    void MouseMove(plat::TShiftState Shift, int X, int Y) override;
    void CMMouseEnter(plat::TMessage& Message) override;
    void CMMouseLeave(plat::TMessage& Message) override;
    void DoEnter() override;
    void DoExit() override;

private:
    void UpdateLabel();
    void SetLabelBold(bool On);

    bool FFlat = false;
    bool FEtched = false;
    plat::TColor FOldColor = 0;
    plat::TColor FLoadedColor = plat::clWindow;
    bool FOldParentColor = false;
    int FButtonWidth = 19;
    bool FMouseInControl = false;
    int FDropWidth = 0;
    bool FButtonHover = false;
    bool FLabelAlwaysEnabled = false;
    bool FLabelTransparent = false;
    int FLabelMargin = 4;
    plat::TFont FLabelFont;
    TLabelPosition FLabelPosition = lpLeftTop;
    plat::TLabel* FLabel = nullptr;
    bool FFlatParentColor = true;
    plat::TColor FNormalColor = 0;
    bool FHasFocus = false;
};

using TEsgComboBox = TEsgCustomCombo;

}  // namespace ctl
