#pragma once
// A list of pictures of one size picked by index: the pictures of actions,
// buttons and menu items.

#include <vector>

#include "platform/Bitmap.h"
#include "platform/Classes.h"

namespace plat {

class TImageList : public TComponent {
public:
    explicit TImageList(TComponent* AOwner, int AWidth = 16, int AHeight = 16);

    int Width() const { return FWidth; }
    int Height() const { return FHeight; }
    int Count() const { return static_cast<int>(FImages.size()); }
    // Adds a picture, cut into images of the list's width when it is wider
    // (a strip); returns the index of the first image added.
    int Add(const TBitmap& Image);
    // Draws image Index with its top-left corner at (X, Y); an index
    // outside the list draws nothing.
    void Draw(TCanvas& Canvas, int X, int Y, int Index) const;

private:
    int FWidth, FHeight;
    std::vector<TBitmap> FImages;
};

}  // namespace plat
