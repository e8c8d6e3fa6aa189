#include "platform/ImgList.h"

#include <algorithm>

namespace plat {

TImageList::TImageList(TComponent* AOwner, int AWidth, int AHeight)
    : TComponent(AOwner), FWidth(std::max(1, AWidth)), FHeight(std::max(1, AHeight)) {}

int TImageList::Add(const TBitmap& Image) {
    const int first = Count();
    const int parts = std::max(1, Image.Width() / FWidth);
    for (int i = 0; i < parts; ++i) {
        TBitmap part(FWidth, FHeight);
        part.Canvas().CopyRect({0, 0, FWidth, FHeight}, const_cast<TBitmap&>(Image).Canvas(),
                               {i * FWidth, 0, (i + 1) * FWidth, FHeight});
        part.SetTransparent(Image.Transparent());
        if (Image.Transparent()) part.SetTransparentColor(Image.TransparentColor());
        FImages.push_back(std::move(part));
    }
    return first;
}

void TImageList::Draw(TCanvas& Canvas, int X, int Y, int Index) const {
    if (Index < 0 || Index >= Count()) return;
    Canvas.Draw(X, Y, FImages[static_cast<size_t>(Index)]);
}

}  // namespace plat
