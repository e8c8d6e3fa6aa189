#pragma once
// A small image list for the picker tests: Count squares of Size pixels,
// image i filled with Colors[i % Colors.size()].

#include <vector>

#include "controls/EsgHTMLE.h"
#include "platform/Bitmap.h"
#include "platform/TestHooks.h"

namespace ctltest {

class TSquareImages : public ctl::IHtmlImageList {
public:
    TSquareImages(int Count, int Size, std::vector<plat::TColor> Colors)
        : FCount(Count), FSize(Size), FColors(std::move(Colors)) {}
    int Count() const override { return FCount; }
    int Width() const override { return FSize; }
    int Height() const override { return FSize; }
    void Draw(plat::TCanvas& canvas, int x, int y, int index) const override {
        canvas.Brush().SetStyle(plat::bsSolid);
        canvas.Brush().SetColor(FColors[static_cast<size_t>(index) % FColors.size()]);
        canvas.FillRect(plat::Bounds(x, y, FSize, FSize));
    }
    void GetBitmap(int index, plat::TBitmap& bitmap) const override {
        bitmap.SetSize(FSize, FSize);
        Draw(bitmap.Canvas(), 0, 0, index);
    }

private:
    int FCount, FSize;
    std::vector<plat::TColor> FColors;
};

inline plat::test::TRgb Rgb(plat::TColor c) {
    return {plat::GetRValue(c), plat::GetGValue(c), plat::GetBValue(c)};
}

}  // namespace ctltest
