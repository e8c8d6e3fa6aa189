#pragma once
// The grid's background picture settings and the notifier through which
// other components follow cell changes.

#include <functional>

#include "platform/Bitmap.h"
#include "platform/Classes.h"
#include "platform/Graphics.h"

namespace grid {

enum TBackGroundDisplay { bdTile, bdFixed, bdGradientHorz, bdGradientVert };
enum TBackGroundCells { bcNormal, bcFixed, bcAll };

// Every setter asks for a repaint through OnChange (the grid's Invalidate).
class TBackGround {
public:
    // Copies the seven settings, the picture included; OnChange stays.
    void Assign(const TBackGround& Source);

    int Top() const { return FTop; }
    void SetTop(int Value) { FTop = Value; Changed(); }
    int Left() const { return FLeft; }
    void SetLeft(int Value) { FLeft = Value; Changed(); }
    TBackGroundDisplay Display() const { return FDisplay; }
    void SetDisplay(TBackGroundDisplay Value) { FDisplay = Value; Changed(); }
    const plat::TBitmap& Bitmap() const { return FBitmap; }
    void SetBitmap(const plat::TBitmap& Value) { FBitmap.Assign(Value); Changed(); }
    TBackGroundCells Cells() const { return FCells; }
    void SetCells(TBackGroundCells Value) { FCells = Value; Changed(); }
    plat::TColor Color() const { return FColor; }
    void SetColor(plat::TColor Value) { FColor = Value; Changed(); }
    plat::TColor ColorTo() const { return FColorTo; }
    void SetColorTo(plat::TColor Value) { FColorTo = Value; Changed(); }

    std::function<void()> OnChange;

private:
    void Changed() {
        if (OnChange) OnChange();
    }
    int FTop = 0;
    int FLeft = 0;
    TBackGroundDisplay FDisplay = bdTile;
    plat::TBitmap FBitmap;
    TBackGroundCells FCells = bcNormal;
    plat::TColor FColor = plat::clWindow;
    plat::TColor FColorTo = plat::clBtnFace;
};

// A component that wants to know which cells changed overrides
// CellsChanged; the grid calls it on every registered notifier, in the
// order they were registered.
class TGridChangeNotifier : public plat::TObject {
public:
    virtual void CellsChanged(const plat::TRect& R) { (void)R; }
};

}  // namespace grid
