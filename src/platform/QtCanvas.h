#pragma once
// Internal to the platform layer: how a TCanvas and a TGraphic sit on Qt.
// Only platform .cpp files include this header.
//
// A control paints through its TCanvas inside the widget's paint event:
//
//     void Widget::paintEvent(QPaintEvent*) {
//         QPainter painter(this);
//         plat::CanvasPaintScope scope(control->Canvas(), &painter);
//         control->Paint();   // draws on control->Canvas()
//     }
//
// The scope binds the canvas to the painter and unbinds it at the end;
// outside a scope the canvas is unbound (text measuring only). Pen, brush,
// font and the clip are the canvas's own and are applied at every call, so
// the canvas keeps them between paint events; the painter's own state is
// saved at binding and restored at unbinding.

#include <QBrush>
#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QPen>
#include <QRegion>
#include <QTransform>

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Bitmap.h"
#include "platform/Graphics.h"

namespace plat {

QColor ToQColor(TColor color);            // resolves system colours; clNone -> transparent
TColor FromQRgb(QRgb rgb);                // alpha ignored
QFont ToQFont(const TFont& font);         // makes the GUI application on first use
QRect ToQRect(const TRect& r);            // Right/Bottom exclusive -> QRect
TRect FromQRect(const QRect& r);

// Decoded pixels of every graphic.
struct TGraphic::Store {
    QImage image;
    // A bitmap sized one side at a time (Width, then Height) has no pixels
    // while the other side is 0: the side already set waits here.
    int pendingWidth = 0;
    int pendingHeight = 0;
    // The canvas painting into image, if any: anyone reading or replacing
    // the image ends that painting first (Settle).
    TCanvas::Impl* painter = nullptr;
    void Settle() const;
};

// Ends painting on the graphic and returns its pixels, ready to read.
const QImage& PixelsOf(const TGraphic& graphic);

struct GraphicAccess {
    // Gives the graphic new pixels (from the clipboard, a style, a widget
    // grab...) and tells its OnChange; the graphic's canvas keeps working.
    static void ReplacePixels(TGraphic& graphic, const QImage& image);
};

struct TCanvas::Impl {
    QPainter* external = nullptr;          // a control's painter while bound
    QImage* image = nullptr;               // the bitmap drawn into
    std::unique_ptr<QPainter> own;         // painter on image, made on demand
    std::optional<QRegion> clip;           // device coordinates
    // Set by TCanvas::SetScale: drawing coordinates to device pixels. The
    // painter's own transform comes back once the scale is reset.
    std::optional<QTransform> scale;
    bool scaleEnded = false;
    struct Saved {
        TPen pen;
        TBrush brush;
        TFont font;
        TPoint penPos;
        int bkMode;
        TBrush bkModeBrush;
        std::optional<QRegion> clip;
    };
    std::vector<Saved> saved;
    // The realised font of the last text call: painting a grid asks for the
    // same font thousands of times.
    std::optional<TFont> fontKey;
    QFont font;
    std::optional<QFontMetrics> metrics;

    ~Impl();
    // The painter to draw with, nullptr when nothing can be drawn.
    QPainter* Painter();
    void End();  // ends a painter made on image
    QRect Surface() const;  // the whole drawable area
};

// Binds canvas to painter for the life of the scope (see above).
class CanvasPaintScope {
public:
    CanvasPaintScope(TCanvas& canvas, QPainter* painter);
    ~CanvasPaintScope();
    CanvasPaintScope(const CanvasPaintScope&) = delete;
    CanvasPaintScope& operator=(const CanvasPaintScope&) = delete;

private:
    TCanvas& canvas_;
    QPainter* previous_;
};

// Shared steps of the canvas's drawing calls.
struct CanvasPaint {
    // The painter with the canvas's clip applied and plain copy mode; nullptr
    // when the canvas cannot draw.
    static QPainter* Begin(TCanvas& canvas);
    // Narrows the painter's clip to r for the current call.
    static void ClipTo(TCanvas& canvas, QPainter* p, const QRect& r);
    // Colour and raster mode of the pen; false when the pen paints nothing.
    static bool PenMix(const TPen& pen, QColor& color, QPainter::CompositionMode& mode);
    static QBrush MakeBrush(const TBrush& brush);
    static QPen WidePen(const TPen& pen, const QColor& color);
    // The canvas font realised, and its metrics (cached until it changes).
    static const QFont& Font(const TCanvas& canvas);
    static const QFontMetrics& Metrics(const TCanvas& canvas);
    // One-pixel line from a to b without b; dashPos carries the dash
    // pattern from one segment to the next. The gaps of a dashed line take
    // gap colour when it is valid (text background "opaque").
    static void ThinLine(QPainter* p, const TPen& pen, const QColor& color, const QColor& gap, TPoint a, TPoint b,
                         int& dashPos);
    // The gap colour of dashed lines on canvas: the brush colour while the
    // background mode is opaque, else invalid.
    static QColor DashGap(const TCanvas& canvas);
};

// libjpeg codec (IJG 6b interface). Encode writes 24-bit colour or, with
// gray, one channel; Decode returns RGB32 pixels.
bool EncodeJpeg(const QImage& image, int quality, bool gray, std::string& bytes, std::string& error);
bool DecodeJpeg(std::string_view bytes, bool gray, QImage& image, std::string& error);

}  // namespace plat
