#pragma once
// The header and footer bars of a drop-down's pop-up: their look and
// button descriptions (kept by the drop-down and by the grid's look), the
// bar controls the pop-up builds from them, and the flat buttons on them.

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "controls/DropDownDraw.h"
#include "platform/Forms.h"

namespace ctl {

class TExtCustomDropDown;
class IHtmlImageList;

enum TButtonAlignment { baLeft, baRight };

// Colours, font and gradient of the bar buttons. The normal face runs from
// Color to ColorTo in the direction of Gradient; the hot, pressed and
// checked faces take their first colour alone. A copy (Assign) takes the
// colours and the gradient but keeps the font.
struct TExtButtonAppearance {
    TExtButtonAppearance();
    void Assign(const TExtButtonAppearance& Source);
    plat::TColor Color = plat::clNone, ColorTo = plat::clNone, BorderColor = plat::clNone;
    plat::TColor ColorHot = 0xF5F0E1, ColorHotTo = 0xF9D2B2, BorderColorHot = 0x808080;
    plat::TColor ColorDown = 0xF5D8CA, ColorDownTo = 0xF9BDA0, BorderColorDown = 0x800000;
    plat::TColor ColorDisabled = 0xF2F2F2, ColorDisabledTo = plat::clNone, BorderColorDisabled = 0x808080;
    // The hot colours darkened by a tenth in red and green.
    plat::TColor ColorChecked = 0xF5D8CA, ColorCheckedTo = 0xF9BDA0, BorderColorChecked = 0xFF0000;
    plat::TFont Font;
    TGradientDirection Gradient = gdVertical;
};

struct TBarButtonItem {
    std::string Caption;
    bool Enabled = true;
    int Width = 0;   // 0 = sized to its caption
    int Height = 0;  // 0 = the bar's button area
    plat::TModalResult ModalResult = plat::mrNone;  // footer buttons only
    int ImageIndex = -1;  // of the drop-down's Images, before the caption
};

// Look and buttons of a header or footer bar. The caption may hold the
// cells' HTML markup (bold, colours, inline images of the drop-down's
// Images).
struct TBarAppearance {
    // The colours, the font and the gradient direction of Source.
    void AssignColors(const TBarAppearance& Source);
    plat::TColor Color = 0xC0C0C0;
    plat::TColor ColorTo = 0xFFFFFF;
    plat::TColor BorderColor = plat::clBlack;
    plat::TFont Font;
    int BorderWidth = 1;
    TGradientDirection GradientDirection = gdVertical;
    std::string Caption;
    int ImageIndex = -1;  // of the drop-down's Images, before the caption
    int Height = 22;
    bool Visible = true;
    bool SizeGrip = true;  // footer only
    TButtonAlignment ButtonAlignment = baRight;
    std::vector<TBarButtonItem> Buttons;
};

using TGetTextEvent = std::function<void(plat::TObject* Sender, std::string& Text)>;
using TDrawBackGroundEvent = std::function<void(plat::TObject* Sender, plat::TCanvas& ACanvas, plat::TRect ARect)>;

// A list whose reads and writes check the index and say which of the two
// went out of bounds.
template <class T>
class TDbgList {
public:
    int Count() const { return static_cast<int>(FItems.size()); }
    T GetItemsEx(int Index) const {
        if (Index < 0 || Index >= Count()) throw std::out_of_range("Index out of bounds in list read access");
        return FItems[static_cast<size_t>(Index)];
    }
    void SetItemsEx(int Index, T Value) {
        if (Index < 0 || Index >= Count()) throw std::out_of_range("Index out of bounds in list write access");
        FItems[static_cast<size_t>(Index)] = Value;
    }
    void Add(T Value) { FItems.push_back(Value); }
    void Clear() { FItems.clear(); }
    // Clears the list, then adds every item of ListA in order.
    void AssignList(const TDbgList& ListA) { FItems = ListA.FItems; }
    bool Empty() const { return FItems.empty(); }
    T Last() const { return GetItemsEx(Count() - 1); }
    typename std::vector<T>::const_iterator begin() const { return FItems.begin(); }
    typename std::vector<T>::const_iterator end() const { return FItems.end(); }

private:
    std::vector<T> FItems;
};

enum TExtButtonStyle { tasButton, tasCheck };

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
// closes the pop-up. A check button (tasCheck) stays down after a click
// until the next one; buttons that share a GroupIndex other than 0 work as
// radio buttons, one down at a time, and AllowAllUp lets a click raise the
// one that is down.
class TExtBarButton : public THotTrackButton {
public:
    TExtBarButton(plat::TComponent* AOwner, TExtCustomDropDown* DropDown, bool Footer, int Index);
    const TBarButtonItem& Item() const { return FItem; }
    void SetItem(const TBarButtonItem& Value);
    int Index() const { return FIndex; }
    void Click() override;

    TExtButtonStyle Style() const { return FStyle; }
    void SetStyle(TExtButtonStyle Value);
    // Checked (a check button, or the button of its group that is down).
    bool Down() const { return FDown; }
    void SetDown(bool Value);
    int GroupIndex() const { return FGroupIndex; }
    void SetGroupIndex(int Value) { FGroupIndex = Value; }
    bool AllowAllUp() const { return FAllowAllUp; }
    void SetAllowAllUp(bool Value) { FAllowAllUp = Value; }
    // Pressed by the mouse that is still over it.
    bool Pressed() const { return FPressed && FMouseInside; }

protected:
    void Paint() override;
    // The face by the state, the image and the caption.
    virtual void DrawButton(plat::TCanvas& Canvas);
    void MouseDown(plat::TMouseButton Button, plat::TShiftState Shift, int X, int Y) override;
    void MouseMove(plat::TShiftState Shift, int X, int Y) override;
    void MouseUp(plat::TMouseButton Button, plat::TShiftState Shift, int X, int Y) override;
    // Enter and Space press the button as a click does.
    void KeyDown(unsigned short& Key, plat::TShiftState Shift) override;

private:
    // Another button of the group went down: this one goes up.
    void GroupButtonDown(TExtBarButton& Sender);
    TExtCustomDropDown* FDropDown;
    bool FFooter;
    int FIndex;
    TBarButtonItem FItem;
    TExtButtonStyle FStyle = tasButton;
    bool FDown = false;
    int FGroupIndex = 0;
    bool FAllowAllUp = false;
    bool FPressed = false;       // the left button went down on it and is held
    bool FMouseInside = false;   // while pressed: the pointer is over it
};

// The header (Footer false) or footer bar of the pop-up.
class TExtBar : public plat::TCustomControl {
public:
    TExtBar(plat::TComponent* AOwner, TExtCustomDropDown* DropDown, bool Footer);
    bool IsFooter() const { return FFooter; }
    const TBarAppearance& Appearance() const { return FAppearance; }
    // Takes a copy of the drop-down's appearance and rebuilds the buttons.
    void Relink();
    int ButtonCount() const { return FButtons.Count(); }
    TExtBarButton* Buttons(int Index) const { return FButtons.GetItemsEx(Index); }
    plat::TRect ButtonArea() const;
    bool GripShows() const;
    // Where the caption was last drawn (empty when none was).
    plat::TRect CaptionRect() const { return FCaptionRect; }

    // Paints the whole bar instead of its own painting.
    TDrawBackGroundEvent OnDrawBackGround;
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
    TDbgList<TExtBarButton*> FButtons;
    plat::TRect FCaptionRect{};
    bool FSizing = false;
    plat::TPoint FSizeFrom{};       // screen point where the drag began
    int FStartWidth = 0, FStartHeight = 0;
};

}  // namespace ctl
