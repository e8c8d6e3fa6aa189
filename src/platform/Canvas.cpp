// TCanvas over QPainter: shapes, lines, pixels, clipping and pictures.
// Text lives in CanvasText.cpp, the classic edges and frame controls in
// FrameControls.cpp.

#include <QPaintEngine>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "platform/Bitmap.h"
#include "platform/CanvasScale.h"
#include "platform/Graphics.h"
#include "platform/GuiApp.h"
#include "platform/QtCanvas.h"

namespace plat {

QColor ToQColor(TColor color) {
    if (color == clNone) return QColor(0, 0, 0, 0);
    const TColor c = ColorToRGB(color);
    return QColor(GetRValue(c), GetGValue(c), GetBValue(c));
}

TColor FromQRgb(QRgb rgb) { return RGB(qRed(rgb), qGreen(rgb), qBlue(rgb)); }

// ------------------------------------------------------------ the surface

TCanvas::Impl::~Impl() { End(); }

QPainter* TCanvas::Impl::Painter() {
    if (external != nullptr) return external;
    if (image == nullptr || image->isNull()) return nullptr;
    if (!own) {
        EnsureGuiApplication();
        own = std::make_unique<QPainter>(image);
    }
    return own.get();
}

void TCanvas::Impl::End() {
    if (own) {
        own->end();
        own.reset();
    }
}

QRect TCanvas::Impl::Surface() const {
    if (external != nullptr) {
        QPaintDevice* dev = external->device();
        if (dev == nullptr) return QRect();
        QRect surface(0, 0, dev->width(), dev->height());
        // Inside a paint event only the region being repainted can change;
        // painting code reads it through ClipRect to skip the rest.
        if (QPaintEngine* engine = external->paintEngine()) {
            // The system clip is in device coordinates; a child painted into
            // an ancestor's device (a grab of the whole window) sits at an
            // offset there, so the clip is brought back to the painter's.
            const QRegion system = engine->systemClip();
            if (!system.isEmpty())
                surface &= external->deviceTransform().inverted().map(system).boundingRect();
        }
        return surface;
    }
    return image != nullptr ? image->rect() : QRect();
}

void TGraphic::Store::Settle() const {
    if (painter != nullptr) painter->End();
}

const QImage& PixelsOf(const TGraphic& graphic) {
    graphic.Internal().Settle();
    return graphic.Internal().image;
}

CanvasPaintScope::CanvasPaintScope(TCanvas& canvas, QPainter* painter)
    : canvas_(canvas), previous_(canvas.Internal()->external) {
    TCanvas::Impl* d = canvas.Internal();
    d->End();
    d->external = painter;
    if (painter != nullptr) painter->save();
}

CanvasPaintScope::~CanvasPaintScope() {
    TCanvas::Impl* d = canvas_.Internal();
    if (d->external != nullptr) d->external->restore();
    d->external = previous_;
}

// ---------------------------------------------------------------- helpers

namespace {

// The dash patterns of the classic one-pixel pens, in pixels on, off...
const std::vector<int>& DashPattern(TPenStyle style) {
    static const std::vector<int> none;
    static const std::vector<int> dash{18, 6};
    static const std::vector<int> dot{3, 3};
    static const std::vector<int> dashDot{9, 6, 3, 6};
    static const std::vector<int> dashDotDot{9, 3, 3, 3, 3, 3};
    switch (style) {
        case psDash: return dash;
        case psDot: return dot;
        case psDashDot: return dashDot;
        case psDashDotDot: return dashDotDot;
        default: return none;
    }
}

}  // namespace

QPainter* CanvasPaint::Begin(TCanvas& c) {
    TCanvas::Impl* d = c.Internal();
    QPainter* p = d->Painter();
    if (p == nullptr) return nullptr;
    p->setRenderHint(QPainter::Antialiasing, false);
    p->setRenderHint(QPainter::TextAntialiasing, false);
    p->setRenderHint(QPainter::SmoothPixmapTransform, false);
    p->setCompositionMode(QPainter::CompositionMode_SourceOver);
    p->setOpacity(1.0);
    if (d->scale) {
        p->setWorldTransform(*d->scale);
    } else if (d->scaleEnded) {
        p->resetTransform();
        d->scaleEnded = false;
    }
    if (d->clip) {
        p->setClipRegion(*d->clip);
    } else {
        p->setClipping(false);
    }
    return p;
}

void CanvasPaint::ClipTo(TCanvas& c, QPainter* p, const QRect& r) {
    TCanvas::Impl* d = c.Internal();
    p->setClipRegion(d->clip ? (*d->clip & r) : QRegion(r));
}

bool CanvasPaint::PenMix(const TPen& pen, QColor& color, QPainter::CompositionMode& mode) {
    color = ToQColor(pen.Color());
    mode = QPainter::CompositionMode_SourceOver;
    switch (pen.Mode()) {
        case pmNop: return false;
        case pmBlack: color = Qt::black; break;
        case pmWhite: color = Qt::white; break;
        case pmNotCopy: color = QColor(255 - color.red(), 255 - color.green(), 255 - color.blue()); break;
        case pmNot: mode = QPainter::RasterOp_NotDestination; break;
        case pmXor: mode = QPainter::RasterOp_SourceXorDestination; break;
        case pmNotXor: mode = QPainter::RasterOp_NotSourceXorDestination; break;
        case pmCopy: break;
    }
    return pen.Style() != psClear;
}

QBrush CanvasPaint::MakeBrush(const TBrush& brush) {
    const QColor color = ToQColor(brush.Color());
    switch (brush.Style()) {
        case bsSolid: return QBrush(color);
        case bsClear: return QBrush(Qt::NoBrush);
        case bsHorizontal: return QBrush(color, Qt::HorPattern);
        case bsVertical: return QBrush(color, Qt::VerPattern);
        case bsFDiagonal: return QBrush(color, Qt::FDiagPattern);
        case bsBDiagonal: return QBrush(color, Qt::BDiagPattern);
        case bsCross: return QBrush(color, Qt::CrossPattern);
        case bsDiagCross: return QBrush(color, Qt::DiagCrossPattern);
    }
    return QBrush(color);
}

// A wide pen is drawn by Qt with round ends, as the classic wide pens are;
// a one-pixel pen is drawn pixel by pixel so that dash patterns and the
// left-out end point come out exactly.
QPen CanvasPaint::WidePen(const TPen& pen, const QColor& color) {
    QPen q(color);
    q.setWidth(pen.Width());
    q.setCapStyle(Qt::RoundCap);
    q.setJoinStyle(Qt::RoundJoin);
    return q;
}

QColor CanvasPaint::DashGap(const TCanvas& canvas) {
    // The classic interface fills the gaps of dotted and dashed lines with
    // the background colour; a dotted XOR line stays visible that way.
    if (DashPattern(canvas.Pen().Style()).empty() || canvas.BkMode() != OPAQUE) return QColor();
    return ToQColor(canvas.Brush().Color());
}

void CanvasPaint::ThinLine(QPainter* p, const TPen& pen, const QColor& color, const QColor& gap, TPoint a, TPoint b,
                           int& dashPos) {
    const std::vector<int>& pattern = DashPattern(pen.Style());
    int period = 0;
    for (int v : pattern) period += v;
    auto on = [&](int pos) {
        if (period == 0) return true;
        int k = pos % period;
        for (size_t i = 0; i < pattern.size(); ++i) {
            if (k < pattern[i]) return i % 2 == 0;
            k -= pattern[i];
        }
        return true;
    };
    const int dx = std::abs(b.X - a.X);
    const int dy = std::abs(b.Y - a.Y);
    if (dx == 0 && dy == 0) return;
    if (period == 0 && (dx == 0 || dy == 0)) {
        // Straight solid lines are the common case of every grid.
        QRect r;
        if (dy == 0) {
            const int x0 = a.X < b.X ? a.X : b.X + 1;
            r = QRect(x0, a.Y, dx, 1);
        } else {
            const int y0 = a.Y < b.Y ? a.Y : b.Y + 1;
            r = QRect(a.X, y0, 1, dy);
        }
        p->fillRect(r, color);
        dashPos += std::max(dx, dy);
        return;
    }
    std::vector<QPoint> points;
    std::vector<QPoint> gaps;
    points.reserve(std::max(dx, dy));
    const int sx = a.X < b.X ? 1 : -1;
    const int sy = a.Y < b.Y ? 1 : -1;
    int err = dx - dy;
    int x = a.X;
    int y = a.Y;
    while (x != b.X || y != b.Y) {
        if (on(dashPos)) {
            points.emplace_back(x, y);
        } else if (gap.isValid()) {
            gaps.emplace_back(x, y);
        }
        ++dashPos;
        const int e2 = 2 * err;
        if (e2 > -dy) {
            err -= dy;
            x += sx;
        }
        if (e2 < dx) {
            err += dx;
            y += sy;
        }
    }
    QPen q(color);
    q.setCosmetic(true);
    q.setWidth(1);
    p->setPen(q);
    p->drawPoints(points.data(), int(points.size()));
    if (!gaps.empty()) {
        q.setColor(gap);
        p->setPen(q);
        p->drawPoints(gaps.data(), int(gaps.size()));
    }
}

// ------------------------------------------------------------------ canvas

TCanvas::TCanvas() : d_(std::make_unique<Impl>()) {}

TCanvas::TCanvas(std::unique_ptr<Impl> impl) : d_(impl ? std::move(impl) : std::make_unique<Impl>()) {}

TCanvas::~TCanvas() = default;

bool TCanvas::CanDraw() const { return d_->external != nullptr || (d_->image != nullptr && !d_->image->isNull()); }

void TCanvas::MoveTo(int x, int y) { penPos_ = {x, y}; }

void TCanvas::LineTo(int x, int y) {
    Polyline({penPos_, TPoint{x, y}});
    penPos_ = {x, y};
}

void TCanvas::Polyline(const std::vector<TPoint>& points) {
    if (points.size() < 2) return;
    QPainter* p = CanvasPaint::Begin(*this);
    if (p == nullptr) return;
    QColor color;
    QPainter::CompositionMode mode;
    if (!CanvasPaint::PenMix(pen_, color, mode)) return;
    p->setCompositionMode(mode);
    if (pen_.Width() > 1) {
        QPolygon poly;
        for (const TPoint& pt : points) poly << QPoint(pt.X, pt.Y);
        p->setPen(CanvasPaint::WidePen(pen_, color));
        p->setBrush(Qt::NoBrush);
        p->drawPolyline(poly);
        return;
    }
    int dashPos = 0;
    const QColor gap = CanvasPaint::DashGap(*this);
    for (size_t i = 1; i < points.size(); ++i) {
        CanvasPaint::ThinLine(p, pen_, color, gap, points[i - 1], points[i], dashPos);
    }
}

void TCanvas::Rectangle(int left, int top, int right, int bottom) {
    if (right < left) std::swap(left, right);
    if (bottom < top) std::swap(top, bottom);
    QPainter* p = CanvasPaint::Begin(*this);
    if (p == nullptr) return;
    QColor penColor;
    QPainter::CompositionMode mode;
    const bool hasPen = CanvasPaint::PenMix(pen_, penColor, mode);
    p->setCompositionMode(mode);
    const QBrush brush = CanvasPaint::MakeBrush(brush_);
    if (!hasPen) {
        if (brush.style() != Qt::NoBrush) p->fillRect(QRect(left, top, right - left - 1, bottom - top - 1), brush);
        return;
    }
    const int w = pen_.Width();
    if (w == 1 && !DashPattern(pen_.Style()).empty()) {
        if (brush.style() != Qt::NoBrush) p->fillRect(QRect(left + 1, top + 1, right - left - 2, bottom - top - 2), brush);
        int dashPos = 0;
        const TPoint corners[] = {{left, top}, {right - 1, top}, {right - 1, bottom - 1}, {left, bottom - 1}, {left, top}};
        const QColor gap = CanvasPaint::DashGap(*this);
        for (int i = 1; i < 5; ++i) CanvasPaint::ThinLine(p, pen_, penColor, gap, corners[i - 1], corners[i], dashPos);
        return;
    }
    // The outline is a band of the pen's width centred on the one-pixel
    // outline (inside it for psInsideFrame); the fill is what it encloses.
    QRect outer;
    if (pen_.Style() == psInsideFrame) {
        outer = QRect(left, top, right - left, bottom - top);
    } else {
        const int off = w / 2;
        outer = QRect(left - off, top - off, right - left - 1 + w, bottom - top - 1 + w);
    }
    const QRect inner = outer.adjusted(w, w, -w, -w);
    if (brush.style() != Qt::NoBrush && inner.isValid()) p->fillRect(inner, brush);
    if (!inner.isValid()) {
        p->fillRect(outer, penColor);
        return;
    }
    p->fillRect(QRect(outer.left(), outer.top(), outer.width(), w), penColor);
    p->fillRect(QRect(outer.left(), inner.bottom() + 1, outer.width(), w), penColor);
    p->fillRect(QRect(outer.left(), inner.top(), w, inner.height()), penColor);
    p->fillRect(QRect(inner.right() + 1, inner.top(), w, inner.height()), penColor);
}

namespace {

// Shapes Qt draws itself: outline with the pen (one pixel inside the box's
// right and bottom), fill with the brush.
template <typename DrawFn>
void DrawShape(TCanvas& c, const TPen& pen, const TBrush& brush, DrawFn draw) {
    QPainter* p = CanvasPaint::Begin(c);
    if (p == nullptr) return;
    QColor penColor;
    QPainter::CompositionMode mode;
    const bool hasPen = CanvasPaint::PenMix(pen, penColor, mode);
    p->setCompositionMode(mode);
    if (!hasPen) {
        p->setPen(Qt::NoPen);
    } else if (pen.Width() > 1) {
        p->setPen(CanvasPaint::WidePen(pen, penColor));
    } else {
        QPen q(penColor);
        q.setCosmetic(true);
        q.setWidth(1);
        if (!DashPattern(pen.Style()).empty()) {
            QList<qreal> dashes;
            for (int v : DashPattern(pen.Style())) dashes << v;
            q.setDashPattern(dashes);
        }
        p->setPen(q);
    }
    p->setBrush(CanvasPaint::MakeBrush(brush));
    draw(p, hasPen);
}

}  // namespace

void TCanvas::RoundRect(int left, int top, int right, int bottom, int cw, int ch) {
    if (right < left) std::swap(left, right);
    if (bottom < top) std::swap(top, bottom);
    // Built from whole-pixel points so that the four corners mirror each
    // other exactly, as the classic rounded rectangle does.
    const int w = right - left - 1;
    const int h = bottom - top - 1;
    const int rx = std::clamp(std::abs(cw) / 2, 0, std::max(0, w / 2));
    const int ry = std::clamp(std::abs(ch) / 2, 0, std::max(0, h / 2));
    std::vector<TPoint> poly;
    const int steps = std::max(2, std::max(rx, ry));
    auto corner = [&](int cx, int cy, int sx, int sy, bool reverse) {
        for (int i = 0; i <= steps; ++i) {
            const int k = reverse ? steps - i : i;
            // Both offsets come from the same cosine table, so a round
            // corner is symmetric about its diagonal whatever the rounding.
            auto offset = [&](int r, int j) { return int(std::lround(r * std::cos(j * (M_PI / 2) / steps))); };
            const TPoint pt{cx + sx * offset(rx, k), cy + sy * offset(ry, steps - k)};
            if (poly.empty() || !(poly.back() == pt)) poly.push_back(pt);
        }
    };
    corner(right - 1 - rx, top + ry, 1, -1, false);    // top right, from the right side up
    corner(left + rx, top + ry, -1, -1, true);         // top left
    corner(left + rx, bottom - 1 - ry, -1, 1, false);  // bottom left
    corner(right - 1 - rx, bottom - 1 - ry, 1, 1, true);
    FilledOutline(poly);
}

void TCanvas::Ellipse(int left, int top, int right, int bottom) {
    if (right < left) std::swap(left, right);
    if (bottom < top) std::swap(top, bottom);
    DrawShape(*this, pen_, brush_, [&](QPainter* p, bool) {
        p->drawEllipse(QRect(left, top, right - left - 1, bottom - top - 1));
    });
}

void TCanvas::Polygon(const std::vector<TPoint>& points) {
    if (points.size() < 2) return;
    FilledOutline(points);
}

// The fill by the toolkit, the one-pixel outline pixel by pixel: every
// vertex is painted and mirrored shapes come out mirrored.
void TCanvas::FilledOutline(const std::vector<TPoint>& points) {
    QPainter* p = CanvasPaint::Begin(*this);
    if (p == nullptr) return;
    QColor penColor;
    QPainter::CompositionMode mode;
    const bool hasPen = CanvasPaint::PenMix(pen_, penColor, mode);
    p->setCompositionMode(mode);
    QPolygon poly;
    for (const TPoint& pt : points) poly << QPoint(pt.X, pt.Y);
    const QBrush brush = CanvasPaint::MakeBrush(brush_);
    if (brush.style() != Qt::NoBrush) {
        p->setPen(Qt::NoPen);
        p->setBrush(brush);
        p->drawPolygon(poly, Qt::OddEvenFill);
    }
    if (!hasPen) return;
    if (pen_.Width() > 1) {
        p->setPen(CanvasPaint::WidePen(pen_, penColor));
        p->setBrush(Qt::NoBrush);
        p->drawPolygon(poly, Qt::OddEvenFill);
        return;
    }
    int dashPos = 0;
    const QColor gap = CanvasPaint::DashGap(*this);
    for (size_t i = 0; i < points.size(); ++i) {
        const TPoint a = points[i];
        const TPoint b = points[(i + 1) % points.size()];
        if (a == b) continue;
        CanvasPaint::ThinLine(p, pen_, penColor, gap, a, b, dashPos);
    }
}

void TCanvas::FillRect(const TRect& r) {
    QPainter* p = CanvasPaint::Begin(*this);
    if (p == nullptr || brush_.Style() == bsClear) return;
    p->fillRect(ToQRect(r).normalized(), CanvasPaint::MakeBrush(brush_));
}

void TCanvas::FrameRect(const TRect& r) {
    QPainter* p = CanvasPaint::Begin(*this);
    if (p == nullptr || brush_.Style() == bsClear || IsRectEmpty(r)) return;
    const QBrush b = CanvasPaint::MakeBrush(brush_);
    const int w = r.Width();
    const int h = r.Height();
    p->fillRect(QRect(r.Left, r.Top, w, 1), b);
    if (h > 1) p->fillRect(QRect(r.Left, r.Bottom - 1, w, 1), b);
    if (h > 2) {
        p->fillRect(QRect(r.Left, r.Top + 1, 1, h - 2), b);
        if (w > 1) p->fillRect(QRect(r.Right - 1, r.Top + 1, 1, h - 2), b);
    }
}

void TCanvas::FloodFill(int x, int y, TColor color, TFillStyle style) {
    if (d_->image == nullptr || d_->external != nullptr || !d_->image->rect().contains(x, y)) return;
    if (d_->clip && !d_->clip->contains(QPoint(x, y))) return;
    d_->End();
    const QImage& img = *d_->image;
    const QRgb key = ToQColor(color).rgb() & 0xFFFFFF;
    auto fillable = [&](int px, int py) {
        const bool same = (img.pixel(px, py) & 0xFFFFFF) == key;
        return style == fsBorder ? !same : same;
    };
    if (!fillable(x, y)) return;
    const int w = img.width();
    const int h = img.height();
    std::vector<char> seen(size_t(w) * h, 0);
    std::vector<QPoint> stack{{x, y}};
    std::vector<QRect> spans;
    while (!stack.empty()) {
        const QPoint pt = stack.back();
        stack.pop_back();
        int px = pt.x();
        const int py = pt.y();
        if (seen[size_t(py) * w + px] || !fillable(px, py)) continue;
        while (px > 0 && !seen[size_t(py) * w + px - 1] && fillable(px - 1, py)) --px;
        int x0 = px;
        while (px < w && !seen[size_t(py) * w + px] && fillable(px, py)) {
            seen[size_t(py) * w + px] = 1;
            for (int ny : {py - 1, py + 1}) {
                if (ny >= 0 && ny < h && !seen[size_t(ny) * w + px] && fillable(px, ny)) stack.emplace_back(px, ny);
            }
            ++px;
        }
        spans.emplace_back(x0, py, px - x0, 1);
    }
    QPainter* p = CanvasPaint::Begin(*this);
    if (p == nullptr) return;
    const QBrush b = CanvasPaint::MakeBrush(brush_);
    for (const QRect& s : spans) p->fillRect(s, b);
}

TColor TCanvas::Pixels(int x, int y) const {
    if (d_->external != nullptr || d_->image == nullptr || !d_->image->rect().contains(x, y)) return clNone;
    if (d_->clip && !d_->clip->contains(QPoint(x, y))) return clNone;
    d_->End();
    return FromQRgb(d_->image->pixel(x, y));
}

void TCanvas::SetPixels(int x, int y, TColor color) {
    QPainter* p = CanvasPaint::Begin(*this);
    if (p == nullptr || color == clNone) return;
    p->fillRect(QRect(x, y, 1, 1), ToQColor(color));
}

// ---------------------------------------------------------------- clipping

void SetCanvasScale(TCanvas& Canvas, double Factor, TPoint Origin) {
    QTransform t;
    t.translate(Origin.X, Origin.Y);
    t.scale(Factor, Factor);
    Canvas.Internal()->scale = t;
}

void ResetCanvasScale(TCanvas& Canvas) {
    TCanvas::Impl* d = Canvas.Internal();
    if (!d->scale) return;
    d->scale.reset();
    d->scaleEnded = true;
}

TRect TCanvas::ClipRect() const {
    QRect surface = d_->Surface();
    if (d_->scale) surface = d_->scale->inverted().mapRect(surface);
    return FromQRect(d_->clip ? (d_->clip->boundingRect() & surface) : surface);
}

void TCanvas::SetClipRect(const TRect& r) { d_->clip = QRegion(ToQRect(r).normalized()); }

void TCanvas::SetClipRegion(const TRegion& rgn) {
    QRegion q;
    for (const TRect& r : rgn.Rects()) q += ToQRect(r);
    d_->clip = q;
}

void TCanvas::IntersectClipRect(const TRect& r) {
    const QRegion base = d_->clip ? *d_->clip : QRegion(d_->Surface());
    d_->clip = base & ToQRect(r).normalized();
}

void TCanvas::ExcludeClipRect(const TRect& r) {
    const QRegion base = d_->clip ? *d_->clip : QRegion(d_->Surface());
    d_->clip = base - QRegion(ToQRect(r).normalized());
}

void TCanvas::ResetClip() { d_->clip.reset(); }

bool TCanvas::HasClip() const { return d_->clip.has_value(); }

void TCanvas::SaveState() {
    d_->saved.push_back({pen_, brush_, font_, penPos_, bkMode_, bkModeBrush_, d_->clip});
}

void TCanvas::RestoreState() {
    if (d_->saved.empty()) return;
    const Impl::Saved s = d_->saved.back();
    d_->saved.pop_back();
    pen_ = s.pen;
    brush_ = s.brush;
    font_ = s.font;
    penPos_ = s.penPos;
    bkMode_ = s.bkMode;
    bkModeBrush_ = s.bkModeBrush;
    d_->clip = s.clip;
}

// ---------------------------------------------------------------- pictures

namespace {

// The pixels of graphic as they should be drawn: a transparent graphic
// loses its transparent colour.
QImage DrawablePixels(const TGraphic& graphic) {
    const QImage& src = PixelsOf(graphic);
    if (!graphic.Transparent() || src.isNull()) return src;
    const QRgb key = ToQColor(graphic.TransparentColor()).rgb() & 0xFFFFFF;
    QImage out = src.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            if ((line[x] & 0xFFFFFF) == key) line[x] = 0;
        }
    }
    return out;
}

}  // namespace

void TCanvas::Draw(int x, int y, const TGraphic& graphic) { Draw(x, y, graphic, 255); }

void TCanvas::Draw(int x, int y, const TGraphic& graphic, std::uint8_t opacity) {
    if (graphic.Empty() || !CanDraw() || opacity == 0) return;
    // Copied before painting starts: a bitmap may be drawn onto itself.
    const QImage img = DrawablePixels(graphic);
    QPainter* p = CanvasPaint::Begin(*this);
    if (p == nullptr) return;
    p->setOpacity(opacity / 255.0);
    p->drawImage(QPoint(x, y), img);
}

void TCanvas::StretchDraw(const TRect& r, const TGraphic& graphic) {
    if (graphic.Empty() || IsRectEmpty(r) || !CanDraw()) return;
    const QImage img = DrawablePixels(graphic);
    QPainter* p = CanvasPaint::Begin(*this);
    if (p == nullptr) return;
    p->drawImage(ToQRect(r), img);
}

void TCanvas::CopyRect(const TRect& dst, const TCanvas& source, const TRect& src) {
    Impl* s = source.d_.get();
    if (s->image == nullptr || s->external != nullptr || !CanDraw()) return;
    s->End();
    const QImage img = s->image->copy(ToQRect(src));
    QPainter* p = CanvasPaint::Begin(*this);
    if (p == nullptr) return;
    p->setCompositionMode(QPainter::CompositionMode_Source);
    p->drawImage(ToQRect(dst), img);
}

void TCanvas::DrawFocusRect(const TRect& r) {
    if (IsRectEmpty(r)) return;
    QPainter* p = CanvasPaint::Begin(*this);
    if (p == nullptr) return;
    // Every other pixel of the outline is inverted, so a second call at the
    // same place restores what was there.
    std::vector<QPoint> points;
    auto add = [&](int x, int y) {
        if (((x + y) & 1) == 0) points.emplace_back(x, y);
    };
    for (int x = r.Left; x < r.Right; ++x) {
        add(x, r.Top);
        if (r.Bottom - 1 > r.Top) add(x, r.Bottom - 1);
    }
    for (int y = r.Top + 1; y < r.Bottom - 1; ++y) {
        add(r.Left, y);
        if (r.Right - 1 > r.Left) add(r.Right - 1, y);
    }
    QPen q(Qt::white);
    q.setCosmetic(true);
    q.setWidth(1);
    p->setPen(q);
    p->setCompositionMode(QPainter::RasterOp_NotDestination);
    p->drawPoints(points.data(), int(points.size()));
}

}  // namespace plat
