#pragma once
// The owner-drawn check box beside the grid's panel buttons (the search
// footer's "Match case").

#include <memory>
#include <string>

#include "platform/Bitmap.h"
#include "platform/Controls.h"
#include "platform/StdCtrls.h"

namespace grid {

enum TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };

class TExtCheckBox : public plat::TCustomControl {
public:
    explicit TExtCheckBox(plat::TComponent* AOwner);

    plat::TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(plat::TAlignment Value);
    plat::TTextLayout ButtonVertAlign() const { return FButtonVertAlign; }
    void SetButtonVertAlign(plat::TTextLayout Value);
    bool Ellipsis() const { return FEllipsis; }
    void SetEllipsis(bool Value);
    TCheckBoxState State() const { return FState; }
    void SetState(TCheckBoxState Value);
    bool Checked() const { return FState == cbChecked; }
    void SetChecked(bool Value) { SetState(Value ? cbChecked : cbUnchecked); Invalidate(); }
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool Value);
    bool Down() const { return FDown; }
    void SetDown(bool Value) { FDown = Value; }
    bool Hot() const { return FHot; }

    bool ReadOnly = false;
    bool ReturnIsTab = false;
    bool TransparentChaching = false;

    virtual void Toggle();

protected:
    void MouseDown(plat::TMouseButton Button, plat::TShiftState Shift, int X, int Y) override;
    void MouseMove(plat::TShiftState Shift, int X, int Y) override;
    void MouseUp(plat::TMouseButton Button, plat::TShiftState Shift, int X, int Y) override;
    void KeyDown(unsigned short& Key, plat::TShiftState Shift) override;
    void KeyUp(unsigned short& Key, plat::TShiftState Shift) override;
    void CMMouseEnter(plat::TMessage& Message) override;
    void CMMouseLeave(plat::TMessage& Message) override;
    void CMEnabledChanged(plat::TMessage& Message) override;
    void WMSetFocus(plat::TMessage& Message) override;
    void WMKillFocus(plat::TMessage& Message) override;
    void Paint() override;

private:
    plat::TAlignment FAlignment = plat::taLeftJustify;
    plat::TTextLayout FButtonVertAlign = plat::tlTop;
    bool FEllipsis = false;
    TCheckBoxState FState = cbUnchecked;
    bool FTransparent = false;
    bool FDown = false;
    bool FHot = false;
    bool FFocused = false;
    bool FPressed = false;
};

}  // namespace grid
