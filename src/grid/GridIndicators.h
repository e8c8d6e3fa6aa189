#pragma once
// The grid's floating indicators: the arrows shown while a column or row
// is moved, the window that glows around the focused cell, and the soft
// mask the glow is made of.

#include <cstdint>
#include <stdexcept>
#include <vector>

#include "grid/GridTypes.h"
#include "platform/Bitmap.h"
#include "platform/Controls.h"
#include "platform/ExtCtrls.h"

namespace grid {

class EBlurError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The outline of an arrow window, in the window's own pixels.
std::vector<plat::TPoint> ArrowPolygon(TArrowDirection Direction);

class TArrowWindow : public plat::TPanel {
public:
    explicit TArrowWindow(plat::TComponent* AOwner) : plat::TPanel(AOwner) {}
    // Green, hidden, owned by and placed on AOwner.
    void Init(plat::TWinControl* AOwner, TArrowDirection Direction);
    TArrowDirection Direction() const { return FDirection; }
    const std::vector<plat::TPoint>& Points() const { return FPoints; }
    // True for the pixels inside the arrow (winding rule).
    bool InShape(int X, int Y) const;

protected:
    void Paint() override;

private:
    TArrowDirection FDirection = arrUp;
    std::vector<plat::TPoint> FPoints;
};

class TGridFocusWindow : public plat::TCustomControl {
public:
    explicit TGridFocusWindow(plat::TComponent* AOwner);
};

// A 32-bit picture with premultiplied alpha (blue, green, red, alpha per
// pixel) applied as a whole with Opacity.
class TGridAlphaMask {
public:
    TGridAlphaMask() = default;
    int Width() const { return FWidth; }
    int Height() const { return FHeight; }
    std::uint8_t Opacity = 255;
    void SetSize(int Width, int Height);
    // Premultiplied channels of a pixel.
    struct TPixel {
        std::uint8_t B = 0, G = 0, R = 0, A = 0;
        friend bool operator==(const TPixel&, const TPixel&) = default;
    };
    TPixel Pixel(int X, int Y) const { return FPixels.at(std::size_t(Y) * FWidth + X); }
    void Assign(const TGridAlphaMask& Source);
    void Assign(const plat::TBitmap& Source);
    // Alpha from Mask's red channel, colours from Bitmap premultiplied by
    // it; nothing unless Bitmap is a 24-bit bitmap. Color is not used.
    void MergeMask(const plat::TBitmap& Mask, const plat::TBitmap& Bitmap, plat::TColor Color);

private:
    int FWidth = 0;
    int FHeight = 0;
    std::vector<TPixel> FPixels;
};

// Black Width x Height bitmap with a white rounded rectangle (an outline
// PenWidth wide, or filled when PenWidth is 0), blurred when BlurRadius > 0.
void BuildRoundRectMask(plat::TBitmap& Bitmap, int Width, int Height, int PenWidth, int CornerSize,
                        int BlurRadius);
// Throws EBlurError for anything but a 24-bit bitmap.
void GaussianBlur(plat::TBitmap& Bitmap, double Radius);
// The kernel the blur uses: weights for -size..size.
std::vector<double> BlurKernel(double Radius);

}  // namespace grid
