#include "grid/GridIndicators.h"

#include <algorithm>
#include <cmath>

namespace grid {

using namespace plat;

std::vector<TPoint> ArrowPolygon(TArrowDirection Direction) {
    switch (Direction) {
    case arrUp: return {{5, 0}, {10, 5}, {7, 5}, {7, 9}, {3, 9}, {3, 5}, {0, 5}};
    case arrDown: return {{3, 0}, {7, 0}, {7, 4}, {9, 4}, {5, 8}, {1, 4}, {3, 4}};
    case arrLeft: return {{0, 3}, {0, 7}, {4, 7}, {4, 10}, {8, 5}, {4, 0}, {4, 3}};
    case arrRight: return {{0, 5}, {4, 10}, {4, 7}, {8, 7}, {8, 3}, {4, 3}, {4, 0}};
    }
    return {};
}

void TArrowWindow::Init(TWinControl* AOwner, TArrowDirection Direction) {
    FDirection = Direction;
    FPoints = ArrowPolygon(Direction);
    SetColor(0x00FF00);
    SetBevelOuter(bvNone);
    SetShowCaption(false);
    SetParent(AOwner);
    Hide();
}

bool TArrowWindow::InShape(int X, int Y) const {
    // Winding number of the pixel's centre.
    const double px = X + 0.5;
    const double py = Y + 0.5;
    int winding = 0;
    for (std::size_t i = 0; i < FPoints.size(); ++i) {
        const TPoint a = FPoints[i];
        const TPoint b = FPoints[(i + 1) % FPoints.size()];
        const double cross = (b.X - a.X) * (py - a.Y) - (px - a.X) * (b.Y - a.Y);
        if (a.Y <= py) {
            if (b.Y > py && cross > 0) ++winding;
        } else if (b.Y <= py && cross < 0) {
            --winding;
        }
    }
    return winding != 0;
}

void TArrowWindow::Paint() {
    // Our window layer cannot shape a window, so the arrow is painted on a
    // window the size of its outline, in the window colour.
    TCanvas& c = Canvas();
    c.Brush().SetColor(Color());
    c.Pen().SetColor(Color());
    c.Polygon(FPoints);
}

TGridFocusWindow::TGridFocusWindow(TComponent* AOwner) : TCustomControl(AOwner) {
    SetBounds(0, 0, 0, 0);
    SetColor(0x0000FF);
    SetEnabled(false);
}

// ----------------------------------------------------------------- mask

void TGridAlphaMask::SetSize(int Width, int Height) {
    FWidth = std::max(Width, 0);
    FHeight = std::max(Height, 0);
    FPixels.assign(std::size_t(FWidth) * FHeight, TPixel{});
}

void TGridAlphaMask::Assign(const TGridAlphaMask& Source) {
    Opacity = Source.Opacity;
    // Taking the source's size keeps the copy inside this picture whatever
    // size it had.
    FWidth = Source.FWidth;
    FHeight = Source.FHeight;
    FPixels = Source.FPixels;
}

void TGridAlphaMask::Assign(const TBitmap& Source) {
    SetSize(Source.Width(), Source.Height());
    for (int y = 0; y < FHeight; ++y)
        for (int x = 0; x < FWidth; ++x) {
            const TColor c = Source.Pixel(x, y);
            FPixels[std::size_t(y) * FWidth + x] =
                TPixel{std::uint8_t(GetBValue(c)), std::uint8_t(GetGValue(c)), std::uint8_t(GetRValue(c)), 255};
        }
}

void TGridAlphaMask::MergeMask(const TBitmap& Mask, const TBitmap& Bitmap, TColor) {
    if (Bitmap.PixelFormat() != pf24bit) return;
    SetSize(Bitmap.Width(), Bitmap.Height());
    for (int y = 0; y < FHeight; ++y)
        for (int x = 0; x < FWidth; ++x) {
            const int a = (x < Mask.Width() && y < Mask.Height()) ? GetRValue(Mask.Pixel(x, y)) : 0;
            const TColor c = Bitmap.Pixel(x, y);
            auto pre = [a](int v) { return std::uint8_t(std::nearbyint(v * a / 255.0)); };
            FPixels[std::size_t(y) * FWidth + x] =
                TPixel{pre(GetBValue(c)), pre(GetGValue(c)), pre(GetRValue(c)), std::uint8_t(a)};
        }
}

// ----------------------------------------------------------------- blur

std::vector<double> BlurKernel(double Radius) {
    double w[21];
    double sum = 0;
    for (int k = -10; k <= 10; ++k) {
        w[k + 10] = std::exp(-(k / Radius) * (k / Radius) / 2);
        sum += w[k + 10];
    }
    for (double& v : w) v /= sum;
    int size = 10;
    double trimmed = 0;
    while (trimmed < 1.0 / 510 && size > 1) {
        trimmed += 2 * w[size + 10];
        --size;
    }
    std::vector<double> kernel(w + 10 - size, w + 10 + size + 1);
    double kept = 0;
    for (double v : kernel) kept += v;
    for (double& v : kernel) v /= kept;
    return kernel;
}

namespace {

void BlurLine(std::vector<TColor>& line, const std::vector<double>& kernel) {
    const int n = int(line.size());
    const int size = int(kernel.size() / 2);
    std::vector<TColor> out(line.size());
    for (int j = 0; j < n; ++j) {
        double r = 0, g = 0, b = 0;
        for (int k = -size; k <= size; ++k) {
            const TColor c = line[std::size_t(std::clamp(j - k, 0, n - 1))];
            const double wk = kernel[std::size_t(k + size)];
            r += wk * GetRValue(c);
            g += wk * GetGValue(c);
            b += wk * GetBValue(c);
        }
        auto clampRound = [](double v) { return v >= 255 ? 255 : (v < 0 ? 0 : int(std::nearbyint(v))); };
        out[std::size_t(j)] = RGB(clampRound(r), clampRound(g), clampRound(b));
    }
    line = out;
}

}  // namespace

void GaussianBlur(TBitmap& Bitmap, double Radius) {
    if (Bitmap.PixelFormat() != pf24bit) throw EBlurError("Blur only works for 24-bit bitmaps");
    const std::vector<double> kernel = BlurKernel(Radius);
    const int w = Bitmap.Width();
    const int h = Bitmap.Height();
    std::vector<std::vector<TColor>> px(static_cast<std::size_t>(h), std::vector<TColor>(static_cast<std::size_t>(w)));
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) px[std::size_t(y)][std::size_t(x)] = Bitmap.Pixel(x, y);

    // The masks are uniform between their rounded ends, so the middle rows
    // and columns are copies of row and column 15.
    for (int y = 0; y < h; ++y) {
        if (y > 20 && y < h - 20) px[std::size_t(y)] = px[15];
        else BlurLine(px[std::size_t(y)], kernel);
    }
    for (int x = 0; x < w; ++x) {
        if (x > 20 && x < w - 20) {
            for (int y = 0; y < h; ++y) px[std::size_t(y)][std::size_t(x)] = px[std::size_t(y)][15];
            continue;
        }
        std::vector<TColor> column(static_cast<std::size_t>(h));
        for (int y = 0; y < h; ++y) column[std::size_t(y)] = px[std::size_t(y)][std::size_t(x)];
        BlurLine(column, kernel);
        for (int y = 0; y < h; ++y) px[std::size_t(y)][std::size_t(x)] = column[std::size_t(y)];
    }
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) Bitmap.Canvas().SetPixels(x, y, px[std::size_t(y)][std::size_t(x)]);
}

void BuildRoundRectMask(TBitmap& Bitmap, int Width, int Height, int PenWidth, int CornerSize, int BlurRadius) {
    Bitmap.SetPixelFormat(pf24bit);
    Bitmap.SetSize(Width, Height);
    TCanvas& c = Bitmap.Canvas();
    c.Brush().SetColor(clBlack);
    c.FillRect(Rect(0, 0, Width, Height));
    const int h = PenWidth / 2;
    if (PenWidth > 0) {
        c.Pen().SetColor(clWhite);
        c.Pen().SetWidth(PenWidth);
        c.Brush().SetColor(clBlack);
    } else {
        c.Pen().SetColor(clWhite);
        c.Pen().SetWidth(1);
        c.Brush().SetColor(clWhite);
    }
    c.RoundRect(2 + h, 2 + h, Width - 2 - h, Height - 2 - h, CornerSize, CornerSize);
    c.Pen().SetWidth(1);
    if (BlurRadius > 0) GaussianBlur(Bitmap, BlurRadius);
}

}  // namespace grid
