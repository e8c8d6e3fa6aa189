#pragma once
// A window that scrolls its children: with AutoScroll on, a vertical and a
// horizontal scroll bar appear when the children reach beyond the client
// area, and moving a bar moves every child by the same distance. Children
// keep their places in content coordinates; a child at content (x, y)
// shows at (x - HorzScrollBar().Position(), y - VertScrollBar().Position()).

#include <memory>

#include "platform/Controls.h"

namespace plat {

class TScrollingWinControl;

class TControlScrollBar {
public:
    int Position() const { return FPosition; }
    // Clamped to 0..Range - the visible extent; the children move at once.
    void SetPosition(int Value);
    // The extent of the content along the bar (set by the owner's Realign).
    int Range() const { return FRange; }
    // Pixels kept free around a control that ScrollInView brings in.
    int Margin() const { return FMargin; }
    void SetMargin(int Value) { FMargin = Value < 0 ? 0 : Value; }
    bool IsScrollBarVisible() const { return FShown; }
    // The largest position.
    int MaxPosition() const;

private:
    friend class TScrollingWinControl;
    TControlScrollBar(TScrollingWinControl* Owner, bool Vertical) : FOwner(Owner), FVertical(Vertical) {}
    TScrollingWinControl* FOwner;
    bool FVertical;
    int FPosition = 0;
    int FRange = 0;
    int FMargin = 0;
    bool FShown = false;
};

class TScrollingWinControl : public TCustomControl {
public:
    explicit TScrollingWinControl(TComponent* AOwner);
    ~TScrollingWinControl() override;

    bool AutoScroll() const { return FAutoScroll; }
    void SetAutoScroll(bool Value);
    TControlScrollBar& VertScrollBar() { return FVert; }
    TControlScrollBar& HorzScrollBar() { return FHorz; }
    const TControlScrollBar& VertScrollBar() const { return FVert; }
    const TControlScrollBar& HorzScrollBar() const { return FHorz; }
    // The client area less the scroll bars that show.
    int ClientWidth() const override;
    int ClientHeight() const override;
    // Measures the children again, shows or hides the bars and keeps the
    // positions within range. Call it after a child changed its size.
    void Realign();

protected:
    void Dispatch(TMessage& Message) override;
    void WMSize(TMessage& Message) override;
    bool DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos) override;
    void Paint() override;
    // WM_VSCROLL and WM_HSCROLL: the bar codes move the position.
    virtual void WMVScroll(TMessage& Message);
    virtual void WMHScroll(TMessage& Message);

private:
    friend class TControlScrollBar;
    struct TImpl;
    void MoveChildren(int Dx, int Dy);
    void ScrollMessage(TControlScrollBar& Bar, TMessage& Message);
    void UpdateBars();
    int BarThickness() const;
    std::unique_ptr<TImpl> FImpl;
    TControlScrollBar FVert{this, true};
    TControlScrollBar FHorz{this, false};
    bool FAutoScroll = true;
    bool FRealigning = false;
};

}  // namespace plat
