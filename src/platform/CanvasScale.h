#pragma once
// Drawing at a scale: from SetCanvasScale on, every drawing call's
// coordinates (and with them sizes, fonts and pen widths) are multiplied by
// Factor, logical (0, 0) landing on the device point Origin, until
// ResetCanvasScale. A routine that draws in screen pixels thus draws the
// same picture on a finer device, such as a printer's page. Clipping set
// meanwhile is in the scaled coordinates; text is measured unscaled.

#include "platform/Graphics.h"

namespace plat {

void SetCanvasScale(TCanvas& Canvas, double Factor, TPoint Origin);
void ResetCanvasScale(TCanvas& Canvas);

// Holds a scale for the life of a scope.
class TCanvasScale {
public:
    TCanvasScale(TCanvas& Canvas, double Factor, TPoint Origin) : FCanvas(Canvas) {
        SetCanvasScale(Canvas, Factor, Origin);
    }
    ~TCanvasScale() { ResetCanvasScale(FCanvas); }
    TCanvasScale(const TCanvasScale&) = delete;
    TCanvasScale& operator=(const TCanvasScale&) = delete;

private:
    TCanvas& FCanvas;
};

}  // namespace plat
