#include "platform/Graphics.h"

#include <QRegion>

#include <algorithm>
#include <cctype>
#include <cstdlib>

#include "platform/GuiApp.h"
#include "platform/QtCanvas.h"

namespace plat {

// ---------------------------------------------------------------- colours

namespace {

// The classic desktop scheme, indexed by system colour number.
constexpr TColor kSysColors[31] = {
    RGB(212, 208, 200),  // 0 scroll bar
    RGB(58, 110, 165),   // 1 desktop
    RGB(10, 36, 106),    // 2 active caption
    RGB(128, 128, 128),  // 3 inactive caption
    RGB(212, 208, 200),  // 4 menu
    RGB(255, 255, 255),  // 5 window
    RGB(0, 0, 0),        // 6 window frame
    RGB(0, 0, 0),        // 7 menu text
    RGB(0, 0, 0),        // 8 window text
    RGB(255, 255, 255),  // 9 caption text
    RGB(212, 208, 200),  // 10 active border
    RGB(212, 208, 200),  // 11 inactive border
    RGB(128, 128, 128),  // 12 application workspace
    RGB(10, 36, 106),    // 13 highlight
    RGB(255, 255, 255),  // 14 highlight text
    RGB(212, 208, 200),  // 15 button face
    RGB(128, 128, 128),  // 16 button shadow
    RGB(128, 128, 128),  // 17 gray text
    RGB(0, 0, 0),        // 18 button text
    RGB(212, 208, 200),  // 19 inactive caption text
    RGB(255, 255, 255),  // 20 button highlight
    RGB(64, 64, 64),     // 21 3-D dark shadow
    RGB(212, 208, 200),  // 22 3-D light
    RGB(0, 0, 0),        // 23 tooltip text
    RGB(255, 255, 225),  // 24 tooltip background
    RGB(181, 181, 181),  // 25 (unused index)
    RGB(0, 0, 128),      // 26 hot-tracked item
    RGB(166, 202, 240),  // 27 active caption gradient
    RGB(192, 192, 192),  // 28 inactive caption gradient
    RGB(10, 36, 106),    // 29 menu highlight
    RGB(212, 208, 200),  // 30 menu bar
};

struct ColorIdent {
    TColor color;
    const char* name;
};

constexpr ColorIdent kColorIdents[] = {
    {clBlack, "clBlack"},
    {clMaroon, "clMaroon"},
    {clGreen, "clGreen"},
    {clOlive, "clOlive"},
    {clNavy, "clNavy"},
    {clPurple, "clPurple"},
    {clTeal, "clTeal"},
    {clGray, "clGray"},
    {clSilver, "clSilver"},
    {clRed, "clRed"},
    {clLime, "clLime"},
    {clYellow, "clYellow"},
    {clBlue, "clBlue"},
    {clFuchsia, "clFuchsia"},
    {clAqua, "clAqua"},
    {clWhite, "clWhite"},
    {clMoneyGreen, "clMoneyGreen"},
    {clSkyBlue, "clSkyBlue"},
    {clCream, "clCream"},
    {clMedGray, "clMedGray"},
    {clActiveBorder, "clActiveBorder"},
    {clActiveCaption, "clActiveCaption"},
    {clAppWorkSpace, "clAppWorkSpace"},
    {clBackground, "clBackground"},
    {clBtnFace, "clBtnFace"},
    {clBtnHighlight, "clBtnHighlight"},
    {clBtnShadow, "clBtnShadow"},
    {clBtnText, "clBtnText"},
    {clCaptionText, "clCaptionText"},
    {clDefault, "clDefault"},
    {clGradientActiveCaption, "clGradientActiveCaption"},
    {clGradientInactiveCaption, "clGradientInactiveCaption"},
    {clGrayText, "clGrayText"},
    {clHighlight, "clHighlight"},
    {clHighlightText, "clHighlightText"},
    {clHotLight, "clHotLight"},
    {clInactiveBorder, "clInactiveBorder"},
    {clInactiveCaption, "clInactiveCaption"},
    {clInactiveCaptionText, "clInactiveCaptionText"},
    {clInfoBk, "clInfoBk"},
    {clInfoText, "clInfoText"},
    {clMenu, "clMenu"},
    {clMenuBar, "clMenuBar"},
    {clMenuHighlight, "clMenuHighlight"},
    {clMenuText, "clMenuText"},
    {clNone, "clNone"},
    {clScrollBar, "clScrollBar"},
    {cl3DDkShadow, "cl3DDkShadow"},
    {cl3DLight, "cl3DLight"},
    {clWindow, "clWindow"},
    {clWindowFrame, "clWindowFrame"},
    {clWindowText, "clWindowText"},
};

// Rounds a*b/c half away from zero, as the platform's integer scaling does.
int MulDiv(int a, int b, int c) {
    const long long p = static_cast<long long>(a) * b;
    const long long q = (std::llabs(p) * 2 + c) / (2LL * c);
    return static_cast<int>(p < 0 ? -q : q);
}

}  // namespace

TColor GetSysColor(int index) {
    if (index < 0 || index > 30) return clBlack;
    return kSysColors[index];
}

TColor ColorToRGB(TColor color) {
    if (IsSystemColor(color)) return GetSysColor(int(color & 0xFF));
    if (color == clNone || color == clDefault) return clBlack;
    return color & 0x00FFFFFFu;
}

bool ColorToIdent(TColor color, std::string& ident) {
    for (const auto& c : kColorIdents) {
        if (c.color == color) {
            ident = c.name;
            return true;
        }
    }
    return false;
}

bool IdentToColor(const std::string& ident, TColor& color) {
    for (const auto& c : kColorIdents) {
        // Identifiers are matched without regard to letter case, like the
        // component streams that store them.
        const std::string_view name(c.name);
        if (name.size() == ident.size() &&
            std::equal(name.begin(), name.end(), ident.begin(), [](char a, char b) {
                return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
            })) {
            color = c.color;
            return true;
        }
    }
    return false;
}

// --------------------------------------------------------------- geometry

void InflateRect(TRect& r, int dx, int dy) {
    r.Left -= dx;
    r.Right += dx;
    r.Top -= dy;
    r.Bottom += dy;
}

void OffsetRect(TRect& r, int dx, int dy) {
    r.Left += dx;
    r.Right += dx;
    r.Top += dy;
    r.Bottom += dy;
}

bool PtInRect(const TRect& r, TPoint p) {
    return p.X >= r.Left && p.X < r.Right && p.Y >= r.Top && p.Y < r.Bottom;
}

bool IsRectEmpty(const TRect& r) { return r.Right <= r.Left || r.Bottom <= r.Top; }

bool IntersectRect(TRect& dst, const TRect& a, const TRect& b) {
    TRect r{std::max(a.Left, b.Left), std::max(a.Top, b.Top), std::min(a.Right, b.Right),
            std::min(a.Bottom, b.Bottom)};
    if (IsRectEmpty(r)) {
        dst = TRect{};
        return false;
    }
    dst = r;
    return true;
}

bool UnionRect(TRect& dst, const TRect& a, const TRect& b) {
    if (IsRectEmpty(a)) {
        dst = IsRectEmpty(b) ? TRect{} : b;
    } else if (IsRectEmpty(b)) {
        dst = a;
    } else {
        dst = {std::min(a.Left, b.Left), std::min(a.Top, b.Top), std::max(a.Right, b.Right),
               std::max(a.Bottom, b.Bottom)};
    }
    return !IsRectEmpty(dst);
}

QRect ToQRect(const TRect& r) { return QRect(r.Left, r.Top, r.Width(), r.Height()); }

TRect FromQRect(const QRect& r) { return Bounds(r.x(), r.y(), r.width(), r.height()); }

namespace {

QRegion ToQRegion(const std::vector<TRect>& rects) {
    QRegion q;
    for (const TRect& r : rects) q += ToQRect(r);
    return q;
}

std::vector<TRect> FromQRegion(const QRegion& q) {
    std::vector<TRect> rects;
    for (const QRect& r : q) rects.push_back(FromQRect(r));
    return rects;
}

}  // namespace

TRegion::TRegion(const TRect& r) {
    if (!IsRectEmpty(r)) rects_.push_back(r);
}

void TRegion::Unite(const TRect& r) {
    if (IsRectEmpty(r)) return;
    rects_ = FromQRegion(ToQRegion(rects_) + ToQRect(r));
}

void TRegion::Subtract(const TRect& r) {
    if (IsRectEmpty(r) || rects_.empty()) return;
    rects_ = FromQRegion(ToQRegion(rects_) - QRegion(ToQRect(r)));
}

void TRegion::Intersect(const TRect& r) {
    rects_ = IsRectEmpty(r) ? std::vector<TRect>{} : FromQRegion(ToQRegion(rects_) & ToQRect(r));
}

bool TRegion::Contains(TPoint p) const {
    return std::any_of(rects_.begin(), rects_.end(), [p](const TRect& r) { return PtInRect(r, p); });
}

TRect TRegion::Bounds() const {
    TRect b;
    for (const TRect& r : rects_) UnionRect(b, b, r);
    return b;
}

// -------------------------------------------------------------------- font

TFont::TFont()
    : name_("Tahoma"),
      height_(-11),
      color_(clWindowText),
      charset_(DEFAULT_CHARSET),
      pitch_(fpDefault),
      orientation_(0) {}

TFont::TFont(const TFont& other)
    : name_(other.name_),
      height_(other.height_),
      style_(other.style_),
      color_(other.color_),
      charset_(other.charset_),
      pitch_(other.pitch_),
      orientation_(other.orientation_) {}

TFont& TFont::operator=(const TFont& other) {
    if (this == &other || SameAs(other)) return *this;
    name_ = other.name_;
    height_ = other.height_;
    style_ = other.style_;
    color_ = other.color_;
    charset_ = other.charset_;
    pitch_ = other.pitch_;
    orientation_ = other.orientation_;
    Changed();
    return *this;
}

bool TFont::SameAs(const TFont& o) const {
    return name_ == o.name_ && height_ == o.height_ && style_ == o.style_ && color_ == o.color_ &&
           charset_ == o.charset_ && pitch_ == o.pitch_ && orientation_ == o.orientation_;
}

void TFont::Changed() {
    if (OnChange) OnChange();
}

namespace {
// Stores a new value of a setting; true when it differs from the old one,
// so the owner is told of real changes only.
template <class T, class U>
bool Replace(T& field, const U& value) {
    if (field == value) return false;
    field = value;
    return true;
}
}  // namespace

void TFont::SetName(const std::string& name) {
    if (Replace(name_, name)) Changed();
}

int TFont::Size() const { return -MulDiv(height_, 72, ScreenPixelsPerInch); }

void TFont::SetSize(int points) { SetHeight(-MulDiv(points, ScreenPixelsPerInch, 72)); }

void TFont::SetHeight(int height) {
    if (Replace(height_, height)) Changed();
}

void TFont::SetStyle(TFontStyles style) {
    if (Replace(style_, style)) Changed();
}

void TFont::SetColor(TColor color) {
    if (Replace(color_, color)) Changed();
}

void TFont::SetCharset(int charset) {
    if (Replace(charset_, charset)) Changed();
}

void TFont::SetPitch(TFontPitch pitch) {
    if (Replace(pitch_, pitch)) Changed();
}

void TFont::SetOrientation(int tenths) {
    if (Replace(orientation_, tenths)) Changed();
}

QFont ToQFont(const TFont& font) {
    EnsureGuiApplication();
    // Every control of every window takes its font on creation and again
    // from its parent; they share a handful of fonts.
    struct TMade {
        std::string name;
        int height;
        unsigned style;
        TFontPitch pitch;
        QFont made;
    };
    static std::vector<TMade> made;
    const unsigned style = (font.Style().Contains(fsBold) ? 1u : 0u) | (font.Style().Contains(fsItalic) ? 2u : 0u) |
                           (font.Style().Contains(fsUnderline) ? 4u : 0u) |
                           (font.Style().Contains(fsStrikeOut) ? 8u : 0u);
    for (const TMade& m : made)
        if (m.height == font.Height() && m.style == style && m.pitch == font.Pitch() && m.name == font.Name())
            return m.made;
    if (made.size() >= 32) made.clear();
    QFont q(QString::fromStdString(font.Name()));
    q.setStyleStrategy(QFont::StyleStrategy(QFont::PreferMatch | QFont::NoAntialias));
    if (font.Pitch() == fpFixed) q.setStyleHint(QFont::TypeWriter);
    const int h = font.Height();
    if (h < 0) {
        q.setPixelSize(-h);
    } else if (h > 0) {
        // A positive height is the whole character cell: scale the em size
        // so that ascent plus descent come out at that height.
        q.setPixelSize(h);
        const int cell = QFontMetrics(q).height();
        if (cell > 0 && cell != h) q.setPixelSize(std::max(1, MulDiv(h, h, cell)));
    } else {
        q.setPixelSize(11);
    }
    q.setBold(font.Style().Contains(fsBold));
    q.setItalic(font.Style().Contains(fsItalic));
    q.setUnderline(font.Style().Contains(fsUnderline));
    q.setStrikeOut(font.Style().Contains(fsStrikeOut));
    made.push_back({font.Name(), font.Height(), style, font.Pitch(), q});
    return q;
}

// --------------------------------------------------------------------- pen

TPen::TPen(const TPen& o) : color_(o.color_), width_(o.width_), style_(o.style_), mode_(o.mode_) {}

TPen& TPen::operator=(const TPen& o) {
    if (this == &o) return *this;
    if (color_ == o.color_ && width_ == o.width_ && style_ == o.style_ && mode_ == o.mode_) return *this;
    color_ = o.color_;
    width_ = o.width_;
    style_ = o.style_;
    mode_ = o.mode_;
    Changed();
    return *this;
}

void TPen::Changed() {
    if (OnChange) OnChange();
}

void TPen::SetColor(TColor color) {
    if (Replace(color_, color)) Changed();
}

void TPen::SetWidth(int width) {
    width = std::max(1, width);
    if (Replace(width_, width)) Changed();
}

void TPen::SetStyle(TPenStyle style) {
    if (Replace(style_, style)) Changed();
}

void TPen::SetMode(TPenMode mode) {
    if (Replace(mode_, mode)) Changed();
}

// ------------------------------------------------------------------- brush

TBrush::TBrush(const TBrush& o) : color_(o.color_), style_(o.style_) {}

TBrush& TBrush::operator=(const TBrush& o) {
    if (this == &o || (color_ == o.color_ && style_ == o.style_)) return *this;
    color_ = o.color_;
    style_ = o.style_;
    Changed();
    return *this;
}

void TBrush::Changed() {
    if (OnChange) OnChange();
}

void TBrush::SetColor(TColor color) {
    // Choosing a colour for a clear brush means the caller wants it painted.
    const TBrushStyle style = style_ == bsClear ? bsSolid : style_;
    if (color == color_ && style == style_) return;
    color_ = color;
    style_ = style;
    Changed();
}

void TBrush::SetStyle(TBrushStyle style) {
    if (Replace(style_, style)) Changed();
}

}  // namespace plat
