#pragma once
// The header and footer bars of a drop-down's pop-up: their look and
// button descriptions (kept by the drop-down and by the grid's look), the
// bar controls the pop-up builds from them, and the flat buttons on them.

#include <functional>
#include <string>
#include <vector>

#include "controls/DropDownDraw.h"
#include "platform/Forms.h"

namespace ctl {

class TExtCustomDropDown;
class IHtmlImageList;

enum TButtonAlignment { baLeft, baRight };

// Colours of the bar buttons.
struct TExtButtonAppearance {
    plat::TColor Color = 0xFFEFE3, ColorTo = 0xFFDDC4, BorderColor = plat::clNone;
    plat::TColor ColorHot = 0xEBFDFF, ColorHotTo = 0xACECFF, BorderColorHot = 0x99CEDB;
    plat::TColor ColorDown = 0xAAD9FF, ColorDownTo = 0x6EBBFF, BorderColorDown = 0x42AEFE;
    plat::TColor ColorDisabled = 0xF2F2F2, ColorDisabledTo = 0xB6B6B6, BorderColorDisabled = plat::clNone;
    plat::TColor ColorChecked = 0x76AFF1, ColorCheckedTo = 0x4190F3, BorderColorChecked = 0x45667B;
};

struct TBarButtonItem {
    std::string Caption;
    bool Enabled = true;
    int Width = 0;   // 0 = sized to its caption
    int Height = 0;  // 0 = the bar's button area
    plat::TModalResult ModalResult = plat::mrNone;  // footer buttons only
    int ImageIndex = -1;  // of the drop-down's Images, before the caption
};

// Look and buttons of a header or footer bar.
struct TBarAppearance {
    plat::TColor Color = 0xC0C0C0;
    plat::TColor ColorTo = 0xFFFFFF;
    plat::TColor BorderColor = plat::clBlack;
    plat::TColor FontColor = plat::clWindowText;
    int BorderWidth = 1;
    TGradientDirection GradientDirection = gdHorizontal;
    std::string Caption;
    int ImageIndex = -1;  // of the drop-down's Images, before the caption
    int Height = 22;
    bool Visible = true;
    bool SizeGrip = true;  // footer only
    TButtonAlignment ButtonAlignment = baRight;
    std::vector<TBarButtonItem> Buttons;
};

using TGetTextEvent = std::function<void(plat::TObject* Sender, std::string& Text)>;

// A custom-drawn button that tracks the pointer over it.
class THotTrackButton : public plat::TCustomControl {
public:
    explicit THotTrackButton(plat::TComponent* AOwner);
    bool Hot() const { return FHot; }

protected:
    // The wheel is the parent's business (the bar's, the edit's).
    void Dispatch(plat::TMessage& Message) override;
    void CMMouseEnter(plat::TMessage& Message) override;
    void CMMouseLeave(plat::TMessage& Message) override;
    bool FHot = false;
};

// A flat button of a bar; a footer button with a closing modal result
// closes the pop-up.
class TExtBarButton : public THotTrackButton {
public:
    TExtBarButton(plat::TComponent* AOwner, TExtCustomDropDown* DropDown, bool Footer, int Index);
    const TBarButtonItem& Item() const { return FItem; }
    void SetItem(const TBarButtonItem& Value);
    int Index() const { return FIndex; }
    void Click() override;

protected:
    void Paint() override;
    void MouseDown(plat::TMouseButton Button, plat::TShiftState Shift, int X, int Y) override;
    void MouseUp(plat::TMouseButton Button, plat::TShiftState Shift, int X, int Y) override;
    // Enter and Space press the button as a click does.
    void KeyDown(unsigned short& Key, plat::TShiftState Shift) override;

private:
    TExtCustomDropDown* FDropDown;
    bool FFooter;
    int FIndex;
    TBarButtonItem FItem;
    bool FDown = false;
};

// The header (Footer false) or footer bar of the pop-up.
class TExtBar : public plat::TCustomControl {
public:
    TExtBar(plat::TComponent* AOwner, TExtCustomDropDown* DropDown, bool Footer);
    bool IsFooter() const { return FFooter; }
    const TBarAppearance& Appearance() const { return FAppearance; }
    // Takes a copy of the drop-down's appearance and rebuilds the buttons.
    void Relink();
    int ButtonCount() const { return static_cast<int>(FButtons.size()); }
    TExtBarButton* Buttons(int Index) const { return FButtons.at(static_cast<size_t>(Index)); }
    plat::TRect ButtonArea() const;
    bool GripShows() const;
    // Where the caption was last drawn (empty when none was).
    plat::TRect CaptionRect() const { return FCaptionRect; }

    std::function<void(plat::TObject* Sender, plat::TCanvas& ACanvas, plat::TRect ARect)> OnDrawBackGround;
    TGetTextEvent OnGetText;

    // The size grip's corner of the footer.
    bool InGrip(int X, int Y) const;

protected:
    void Paint() override;
    void WMSize(plat::TMessage& Message) override;
    // The wheel goes on to the pop-up, which steps the picker's entry.
    void Dispatch(plat::TMessage& Message) override;
    // A drag from the size grip resizes the pop-up.
    void MouseDown(plat::TMouseButton Button, plat::TShiftState Shift, int X, int Y) override;
    void MouseMove(plat::TShiftState Shift, int X, int Y) override;
    void MouseUp(plat::TMouseButton Button, plat::TShiftState Shift, int X, int Y) override;
    void CMMouseLeave(plat::TMessage& Message) override;

private:
    void ClearButtons();
    void BuildButtons();
    void ArrangeButtons();
    TExtCustomDropDown* FDropDown;
    bool FFooter;
    TBarAppearance FAppearance;
    std::vector<TExtBarButton*> FButtons;
    plat::TRect FCaptionRect{};
    bool FSizing = false;
    plat::TPoint FSizeFrom{};       // screen point where the drag began
    int FStartWidth = 0, FStartHeight = 0;
};

}  // namespace ctl
