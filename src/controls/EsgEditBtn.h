#pragma once
// A single-line edit with a small button inside its right edge; the button
// and F4 raise OnClickBtn. The unit variant draws a unit beside the value
// and lets the user pick another unit.

#include <string>
#include <vector>

#include "controls/EsgButtonColors.h"
#include "platform/Bitmap.h"
#include "platform/Controls.h"
#include "platform/StdCtrls.h"

namespace ctl {

class TEsgEditButton;

class TExtSpeedButton : public plat::TCustomControl {
public:
    explicit TExtSpeedButton(plat::TComponent* AOwner);
    bool IsBevelLook() const { return FIsBevelLook; }
    void SetIsBevelLook(bool Value) { FIsBevelLook = Value; }
    bool Flat() const { return FFlat; }
    void SetFlat(bool Value) { FFlat = Value; Invalidate(); }
    bool Hot() const { return FHot; }
    bool Pressed() const { return FPressed; }
    void SetGlyph(const plat::TBitmap& Value) { FGlyph = Value; Invalidate(); }
    const plat::TBitmap& Glyph() const { return FGlyph; }
    void SetHostButton(TEsgEditButton* Value) { FHost = Value; }

protected:
    void MouseDown(plat::TMouseButton Button, plat::TShiftState Shift, int X, int Y) override;
    void MouseUp(plat::TMouseButton Button, plat::TShiftState Shift, int X, int Y) override;
    void CMMouseEnter(plat::TMessage& Message) override;
    void CMMouseLeave(plat::TMessage& Message) override;
    void Paint() override;

private:
    bool FIsBevelLook = false;
    bool FFlat = false;
    bool FHot = false;
    bool FPressed = false;
    plat::TBitmap FGlyph;
    TEsgEditButton* FHost = nullptr;
};

// The windowed host of the button, placed inside the edit.
class TEsgEditButton : public plat::TWinControl, public TEsgButtonColors {
public:
    explicit TEsgEditButton(plat::TComponent* AOwner);
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
    TExtSpeedButton* Button() const { return FButton; }
    plat::TWinControl* FocusControl() const { return FFocusControl; }
    void SetFocusControl(plat::TWinControl* Value) { FFocusControl = Value; }
    bool Flat() const { return FFlat; }
    void SetFlat(bool Value);

    plat::TNotifyEvent OnClick;

private:
    friend class TExtSpeedButton;
    void ButtonReleased();
    TExtSpeedButton* FButton = nullptr;
    plat::TWinControl* FFocusControl = nullptr;
    bool FFlat = false;
};

class TEsgEditBtn : public plat::TEdit {
public:
    explicit TEsgEditBtn(plat::TComponent* AOwner);

    TEsgEditButton* Button() const { return FButton; }
    int ButtonWidth() const { return FButtonWidth; }
    void SetButtonWidth(int Value);
    bool EditorEnabled() const { return FEditorEnabled; }
    void SetEditorEnabled(bool Value) { FEditorEnabled = Value; }
    bool RightAlign() const { return FRightAlign; }
    void SetRightAlign(bool Value) { FRightAlign = Value; }
    bool IsBevelLook() const { return FIsBevelLook; }
    void SetIsBevelLook(bool Value);
    void SetGlyph(const plat::TBitmap& Value) { FButton->Button()->SetGlyph(Value); }
    std::string ButtonCaption() const { return FButton->Button()->Caption(); }
    void SetButtonCaption(const std::string& Value) { FButton->Button()->SetCaption(Value); }

    plat::TNotifyEvent OnClickBtn;

    virtual void DoClickBtn(plat::TObject* Sender);

protected:
    void KeyDown(unsigned short& Key, plat::TShiftState Shift) override;
    void KeyPress(char32_t& Key) override;
    void WMSize(plat::TMessage& Message) override;
    void PlaceButton();

    int FUnitSize = 0;
    bool FRightAlign = false;

private:
    TEsgEditButton* FButton = nullptr;
    bool FEditorEnabled = true;
    int FButtonWidth = 0;
    bool FIsBevelLook = false;
};

using TUnitChangeEvent = std::function<void(plat::TObject* Sender, const std::string& NewUnit)>;

class TEsgUnitEditBtn : public TEsgEditBtn {
public:
    explicit TEsgUnitEditBtn(plat::TComponent* AOwner);

    const std::string& UnitID() const { return FUnitID; }
    void SetUnitID(const std::string& Value);
    const std::vector<std::string>& Units() const { return FUnits; }
    void SetUnits(const std::vector<std::string>& Value) { FUnits = Value; }
    int UnitSpace() const { return FUnitSize; }
    void SetUnitSpace(int Value);
    std::string TextAndUnit() const { return Text() + FUnitID; }
    void SetTextAndUnit(const std::string& Value);

    TUnitChangeEvent OnUnitChanged;

    void DoClickBtn(plat::TObject* Sender) override;
    // A command of the units menu: 1 for the first unit, and so on.
    void UnitCommand(int Id);

private:
    std::string FUnitID;
    std::vector<std::string> FUnits;
};

}  // namespace ctl
