#pragma once
// Panels, shapes, images, timers, speed buttons and splitters.

#include <memory>
#include <string>

#include "platform/Bitmap.h"
#include "platform/Controls.h"
#include "platform/Graphics.h"

namespace plat {

enum TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };

class TPanel : public TCustomControl {
public:
    explicit TPanel(TComponent* AOwner);
    TBevelCut BevelOuter() const { return FBevelOuter; }
    void SetBevelOuter(TBevelCut Value);
    TBevelCut BevelInner() const { return FBevelInner; }
    void SetBevelInner(TBevelCut Value);
    int BevelWidth() const { return FBevelWidth; }
    void SetBevelWidth(int Value);
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment Value);
    // When off the caption is not drawn.
    bool ShowCaption() const { return FShowCaption; }
    void SetShowCaption(bool Value);

protected:
    void Paint() override;

private:
    TBevelCut FBevelOuter = bvRaised;
    TBevelCut FBevelInner = bvNone;
    int FBevelWidth = 1;
    TAlignment FAlignment = taCenter;
    bool FShowCaption = true;
};

enum TShapeType { stRectangle, stSquare, stRoundRect, stRoundSquare, stEllipse, stCircle };

class TShape : public TCustomControl {
public:
    explicit TShape(TComponent* AOwner);
    TShapeType Shape() const { return FShape; }
    void SetShape(TShapeType Value);
    // Change these in place, then call Invalidate.
    TPen& Pen() { return FPen; }
    TBrush& Brush() { return FBrush; }

protected:
    void Paint() override;

private:
    TShapeType FShape = stRectangle;
    TPen FPen;
    TBrush FBrush;
};

class TImage : public TCustomControl {
public:
    explicit TImage(TComponent* AOwner);
    // Change the picture in place, then call Invalidate.
    TPicture& Picture() { return FPicture; }
    bool Stretch() const { return FStretch; }
    void SetStretch(bool Value);
    bool Center() const { return FCenter; }
    void SetCenter(bool Value);
    bool Proportional() const { return FProportional; }
    void SetProportional(bool Value);
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool Value);

protected:
    void Paint() override;

private:
    TPicture FPicture;
    bool FStretch = false;
    bool FCenter = false;
    bool FProportional = false;
    bool FTransparent = false;
};

// Fires OnTimer every Interval ms while Enabled and Interval > 0. Enabling
// it, or changing the interval, starts a full new interval.
class TTimer : public TComponent {
public:
    explicit TTimer(TComponent* AOwner);
    ~TTimer() override;
    int Interval() const { return FInterval; }
    void SetInterval(int Value);
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool Value);

    TNotifyEvent OnTimer;

private:
    struct TImpl;
    void UpdateTimer();
    std::unique_ptr<TImpl> FImpl;
    int FInterval = 1000;
    bool FEnabled = true;
};

enum TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };

// A tool button that takes no focus; buttons sharing a GroupIndex above 0
// stay down one at a time.
class TSpeedButton : public TWinControl {
public:
    explicit TSpeedButton(TComponent* AOwner);
    bool Flat() const { return FFlat; }
    void SetFlat(bool Value);
    int GroupIndex() const { return FGroupIndex; }
    void SetGroupIndex(int Value);
    bool Down() const { return FDown; }
    void SetDown(bool Value);
    bool AllowAllUp() const { return FAllowAllUp; }
    void SetAllowAllUp(bool Value) { FAllowAllUp = Value; }
    void SetGlyph(const TBitmap& Value);

protected:
    void Click() override;

private:
    bool FFlat = false;
    int FGroupIndex = 0;
    bool FDown = false;
    bool FAllowAllUp = false;
};

// Drags the edge between the control aligned before it and the rest.
class TSplitter : public TCustomControl {
public:
    explicit TSplitter(TComponent* AOwner);
    int MinSize() const { return FMinSize; }
    void SetMinSize(int Value) { FMinSize = Value; }

protected:
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

private:
    TControl* FindControl() const;
    int FMinSize = 30;
    bool FDragging = false;
    TPoint FDownPos;
    int FStartSize = 0;
};

}  // namespace plat
