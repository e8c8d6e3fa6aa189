#pragma once
// Controls of the window layer. A control is a component with a place on its
// parent, a font, a colour, a caption and events; every input and notice
// reaches it as a TMessage through WndProc, whose default dispatch calls the
// virtual handlers below and then the events. Custom-drawn controls derive
// from TCustomControl and paint on its Canvas.

#include <memory>
#include <string>

#include "platform/Classes.h"
#include "platform/Graphics.h"
#include "platform/Messages.h"

namespace plat {

class TWinControl;
class TForm;
struct TNativeAccess;
struct TControlNative;

enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };
enum TAlignment { taLeftJustify, taRightJustify, taCenter };
enum TMouseButton { mbLeft, mbRight, mbMiddle };
// Reading order of a control. Only bdRightToLeft mirrors the control's
// layout (it starts at its right edge); the other right-to-left modes only
// read text from right to left.
enum TBiDiMode { bdLeftToRight, bdRightToLeft, bdRightToLeftNoAlign, bdRightToLeftReadingOnly };

// Mouse pointer shapes.
using TCursor = int;
constexpr TCursor crDefault = 0;
constexpr TCursor crArrow = -2;
constexpr TCursor crCross = -3;
constexpr TCursor crIBeam = -4;
constexpr TCursor crSizeNWSE = -8;
constexpr TCursor crSizeNS = -7;
constexpr TCursor crSizeWE = -9;
constexpr TCursor crHourGlass = -11;
constexpr TCursor crDrag = -12;
constexpr TCursor crNo = -18;
constexpr TCursor crHandPoint = -21;
constexpr TCursor crSizeAll = -22;

// What the default message handling does for a control.
using TControlStyle = unsigned;
constexpr TControlStyle csCaptureMouse = 1u << 0;  // the pointer stays captured while a button is down
constexpr TControlStyle csClickEvents = 1u << 1;   // a press and release over it is a Click
constexpr TControlStyle csSetCaption = 1u << 2;
constexpr TControlStyle csOpaque = 1u << 3;         // it paints its whole surface
constexpr TControlStyle csDoubleClicks = 1u << 4;  // a double press is a DblClick

// Accessibility roles reported for custom-drawn controls.
enum TAccessibleRole { arClient, arButton, arTable, arCheckButton, arStaticText, arComboBox, arList };

// What a control decides about its hint just before it shows: the place of
// the hint window's top-left corner (screen), its colour, and the width at
// which its text wraps (0: no limit). CursorPos is the pointer in client
// coordinates.
struct THintInfo {
    TPoint CursorPos;
    TPoint HintPos;
    TColor HintColor = clInfoBk;
    int HintMaxWidth = 0;
};

using TMouseEvent = std::function<void(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;
using TMouseMoveEvent = std::function<void(TObject* Sender, TShiftState Shift, int X, int Y)>;
using TKeyEvent = std::function<void(TObject* Sender, unsigned short& Key, TShiftState Shift)>;
// Key is the typed character; a handler may replace it, or set it to 0 to
// swallow it.
using TKeyPressEvent = std::function<void(TObject* Sender, char32_t& Key)>;
using TMouseWheelEvent =
    std::function<void(TObject* Sender, TShiftState Shift, int WheelDelta, TPoint MousePos, bool& Handled)>;

class TControl : public TComponent {
public:
    explicit TControl(TComponent* AOwner);
    ~TControl() override;

    TWinControl* Parent() const { return FParent; }
    virtual void SetParent(TWinControl* AParent);
    // The form this control sits on (itself for a form), or nullptr.
    TForm* ParentForm() const;

    int Left() const { return SettleBounds(), FLeft; }
    int Top() const { return SettleBounds(), FTop; }
    int Width() const { return SettleBounds(), FWidth; }
    int Height() const { return SettleBounds(), FHeight; }
    void SetLeft(int Value) { SettleBounds(), SetBounds(Value, FTop, FWidth, FHeight); }
    void SetTop(int Value) { SettleBounds(), SetBounds(FLeft, Value, FWidth, FHeight); }
    void SetWidth(int Value) { SettleBounds(), SetBounds(FLeft, FTop, Value, FHeight); }
    void SetHeight(int Value) { SettleBounds(), SetBounds(FLeft, FTop, FWidth, Value); }
    virtual void SetBounds(int ALeft, int ATop, int AWidth, int AHeight);
    virtual int ClientWidth() const { return SettleBounds(), FWidth; }
    virtual int ClientHeight() const { return SettleBounds(), FHeight; }
    virtual void SetClientWidth(int Value) { SetWidth(Value); }
    virtual void SetClientHeight(int Value) { SetHeight(Value); }
    TAlign Align() const { return FAlign; }
    void SetAlign(TAlign Value);

    bool Visible() const { return FVisible; }
    void SetVisible(bool Value);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    // Visible and every parent up to the window visible too.
    bool Showing() const;
    bool Enabled() const { return FEnabled; }
    virtual void SetEnabled(bool Value);

    // Caption and Text are the same control text.
    const std::string& Caption() const { return SettleState(), FText; }
    void SetCaption(const std::string& Value) { SetText(Value); }
    const std::string& Text() const { return SettleState(), FText; }
    void SetText(const std::string& Value);

    // Changing the font in place (Font().SetSize(10)) shows at once and,
    // like SetFont, ends ParentFont.
    TFont& Font() { return *FFont; }
    const TFont& Font() const { return *FFont; }
    void SetFont(const TFont& Value);
    bool ParentFont() const { return FParentFont; }
    void SetParentFont(bool Value);
    TColor Color() const { return FColor; }
    void SetColor(TColor Value);
    bool ParentColor() const { return FParentColor; }
    void SetParentColor(bool Value);
    TCursor Cursor() const { return FCursor; }
    void SetCursor(TCursor Value);
    const std::string& Hint() const { return FHint; }
    void SetHint(const std::string& Value);
    bool ShowHint() const { return FShowHint; }
    void SetShowHint(bool Value);
    // Follows the parent's mode while ParentBiDiMode; setting a mode ends
    // that. Children that follow take every change along.
    TBiDiMode BiDiMode() const { return FBiDiMode; }
    void SetBiDiMode(TBiDiMode Value);
    bool ParentBiDiMode() const { return FParentBiDiMode; }
    void SetParentBiDiMode(bool Value);
    bool UseRightToLeftAlignment() const { return FBiDiMode == bdRightToLeft; }
    bool UseRightToLeftReading() const { return FBiDiMode != bdLeftToRight; }

    void Invalidate();
    void Repaint();
    void Update();
    void BringToFront();
    TPoint ClientToScreen(TPoint P) const;
    TPoint ScreenToClient(TPoint P) const;

    // Routes a message through WndProc as if the toolkit had sent it.
    intptr_t Perform(unsigned Msg, intptr_t WParam = 0, intptr_t LParam = 0);
    // Queues a message for WndProc once the current input and handlers are
    // done; dropped if the control is freed before.
    void PostMessage(unsigned Msg, intptr_t WParam = 0, intptr_t LParam = 0);
    // Every message of the control passes here; overrides call the base
    // version for what they do not handle themselves.
    virtual void WndProc(TMessage& Message);

    TControlStyle ControlStyle() const { return FControlStyle; }
    void SetControlStyle(TControlStyle Value) { FControlStyle = Value; }

    bool MouseCapture() const;
    void SetMouseCapture(bool Value);

    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TMouseEvent OnMouseDown;
    TMouseEvent OnMouseUp;
    TMouseMoveEvent OnMouseMove;
    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseLeave;
    TMouseWheelEvent OnMouseWheel;

protected:
    // The default dispatch of WndProc: calls the handlers below.
    virtual void Dispatch(TMessage& Message);
    virtual void Click();
    virtual void DblClick();
    virtual void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y);
    virtual void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y);
    virtual void MouseMove(TShiftState Shift, int X, int Y);
    // Wheel: true when handled.
    virtual bool DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos);
    virtual void CMMouseEnter(TMessage& Message);
    virtual void CMMouseLeave(TMessage& Message);
    // Asked each time the hint is about to show; may change its text (an
    // empty text shows none) and where and how it shows.
    virtual void HintShowing(std::string& HintStr, THintInfo& Info) { (void)HintStr, (void)Info; }
    virtual void CMEnabledChanged(TMessage& Message);
    virtual void CMFontChanged(TMessage& Message);
    virtual void CMColorChanged(TMessage& Message);
    virtual void CMTextChanged(TMessage& Message);
    virtual void CMVisibleChanged(TMessage& Message);
    virtual void CMBiDiModeChanged(TMessage& Message);
    virtual void WMSize(TMessage& Message);
    // Handles the WM_xBUTTONxxx and WM_MOUSEMOVE messages.
    virtual void WMMouse(TMessage& Message);

    // Runs before the control is shown or hidden (forms centre themselves
    // and fire OnShow here).
    virtual void VisibleChanging(bool Value);

    // A control that takes the size of its content (an auto-sized label)
    // need not measure it while it is not shown: it marks its bounds
    // pending, and MeasureBounds runs when they are next read or set, or
    // when the control shows. Windows built at start-up and never opened
    // then measure nothing.
    void SetBoundsPending() { FBoundsPending = true; }
    virtual void MeasureBounds() {}
    void SettleBounds() const {
        SettleState();
        if (FBoundsPending) SettlePendingBounds();
    }
    // A control whose own text and bounds wait on components it makes when
    // first needed (a form whose controls set its caption and size once
    // made) makes them when those are read or set.
    void SetStatePending() { FStatePending = true; }
    void SettleState() const {
        if (FStatePending) SettlePendingState();
    }

private:
    friend struct TNativeAccess;
    friend class TWinControl;

    TWinControl* FParent = nullptr;
    int FLeft = 0, FTop = 0, FWidth = 0, FHeight = 0;
    mutable bool FBoundsPending = false;
    void SettlePendingBounds() const;
    mutable bool FStatePending = false;
    void SettlePendingState() const;
    TAlign FAlign = alNone;
    bool FVisible = true;
    bool FEnabled = true;
    std::string FText;
    std::unique_ptr<TFont> FFont;
    bool FParentFont = true;
    TColor FColor;
    bool FParentColor = false;
    TCursor FCursor = crDefault;
    std::string FHint;
    bool FShowHint = false;
    TBiDiMode FBiDiMode = bdLeftToRight;
    bool FParentBiDiMode = true;
    void TakeBiDiMode(TBiDiMode Value);
    void FontChanged();
    void TakeParentFont(const TFont& Value);

    bool FClickPending = false;
    bool FFontSyncing = false;
    TControlStyle FControlStyle = csCaptureMouse | csClickEvents | csSetCaption | csDoubleClicks;
    std::unique_ptr<TControlNative> FNative;
};

class TWinControl : public TControl {
public:
    explicit TWinControl(TComponent* AOwner);
    ~TWinControl() override;

    int ControlCount() const { return static_cast<int>(FControls.size()); }
    TControl* Controls(int Index) const { return FControls.at(static_cast<size_t>(Index)); }

    int TabOrder() const;
    void SetTabOrder(int Value);
    bool TabStop() const { return FTabStop; }
    void SetTabStop(bool Value);
    bool Focused() const;
    bool CanFocus() const;
    virtual void SetFocus();

    // Window timers: WM_TIMER with WParam = Id every Interval ms until killed.
    void SetTimer(int Id, int Interval);
    void KillTimer(int Id);

    TKeyEvent OnKeyDown;
    TKeyEvent OnKeyUp;
    TKeyPressEvent OnKeyPress;
    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;

protected:
    void Dispatch(TMessage& Message) override;
    virtual void KeyDown(unsigned short& Key, TShiftState Shift);
    virtual void KeyUp(unsigned short& Key, TShiftState Shift);
    virtual void KeyPress(char32_t& Key);
    virtual void DoEnter();
    virtual void DoExit();
    virtual void WMSetFocus(TMessage& Message);
    virtual void WMKillFocus(TMessage& Message);
    virtual void WMTimer(TMessage& Message);
    // Arranges children with an Align other than alNone.
    void AlignControls();

private:
    friend class TControl;
    friend struct TNativeAccess;
    std::vector<TControl*> FControls;
    bool FTabStop = false;
};

// A control that draws itself: Paint draws on Canvas, which is bound to the
// control's surface during WM_PAINT (and to an image in PaintTo).
class TCustomControl : public TWinControl {
public:
    explicit TCustomControl(TComponent* AOwner);
    ~TCustomControl() override;

    TCanvas& Canvas() { return *FCanvas; }

    // Name and role for screen readers and automated checks.
    void SetAccessibleName(const std::string& Name);
    void SetAccessibleRole(TAccessibleRole Role);
    std::string AccessibleName() const;
    TAccessibleRole AccessibleRole() const { return FRole; }
    // The cells a table control shows to screen readers (not owned; set
    // when the control is made, before anything asks for them).
    void SetAccessibleTable(class TAccessibleTable* Table) { FAccessibleTable = Table; }
    class TAccessibleTable* AccessibleTable() const { return FAccessibleTable; }
    // Tells a screen reader that the current cell moved, so it reads the
    // new one out; nothing while the control has no focus.
    void AccessibleCurrentCellChanged();

protected:
    void Dispatch(TMessage& Message) override;
    virtual void Paint();
    virtual void WMPaint(TMessage& Message);
    void CMTextChanged(TMessage& Message) override;

private:
    std::unique_ptr<TCanvas> FCanvas;
    TAccessibleRole FRole = arClient;
    std::string FAccessibleName;
    bool FAccessibleNameSet = false;
    class TAccessibleTable* FAccessibleTable = nullptr;
};

// Keyboard state of the moment, as the last input event left it.
bool IsKeyDown(unsigned short VirtualKey);
TShiftState KeyboardShiftState();

// A message number of its own for a name, the same for the same name during
// the program's run (0xC000 and above).
unsigned RegisterWindowMessage(const std::string& Name);
// The name a registered number was made from; empty for any other number.
std::string RegisteredMessageName(unsigned Id);

// The control under a point of the screen, or nullptr.
TControl* FindControlAt(TPoint ScreenPos);

// A few measures of the desktop.
constexpr int SM_CXSCREEN = 0;
constexpr int SM_CYSCREEN = 1;
constexpr int SM_CXVSCROLL = 2;
constexpr int SM_CYHSCROLL = 3;
constexpr int SM_CXEDGE = 45;
constexpr int SM_CYEDGE = 46;
int GetSystemMetrics(int Index);
// The longest gap in ms between the clicks of a double click.
int GetDoubleClickTime();

}  // namespace plat
