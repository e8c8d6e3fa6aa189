#include "grid/ExtGridCellLook.h"

namespace grid {

void TBackGround::Assign(const TBackGround& Source) {
    if (&Source == this) return;
    FTop = Source.FTop;
    FLeft = Source.FLeft;
    FDisplay = Source.FDisplay;
    FBitmap.Assign(Source.FBitmap);
    FCells = Source.FCells;
    FColor = Source.FColor;
    FColorTo = Source.FColorTo;
    Changed();
}

}  // namespace grid
