#pragma once
// An image list of three 8 x 8 squares, each of one colour, for tests that
// find a cell's images on a painted or printed page by their colour.

#include "grid/ExtCellGraphic.h"
#include "platform/Bitmap.h"
#include "platform/Graphics.h"

namespace grid_test {

class TColourImages : public grid::TCellImageList {
public:
    TColourImages(plat::TColor First, plat::TColor Second, plat::TColor Third) : FColours{First, Second, Third} {}
    int Count() const override { return 3; }
    int Width() const override { return 8; }
    int Height() const override { return 8; }
    void Draw(plat::TCanvas& canvas, int x, int y, int index) const override {
        canvas.Brush().SetColor(FColours[index]);
        canvas.FillRect(plat::Bounds(x, y, 8, 8));
    }
    void GetBitmap(int, plat::TBitmap&) const override {}

private:
    plat::TColor FColours[3];
};

}  // namespace grid_test
