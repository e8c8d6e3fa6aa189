#pragma once
// Colours, geometry, fonts, pens, brushes and the canvas every control and
// grid paints with. The canvas keeps the drawing rules of the classic
// desktop graphics interface the windows were designed on (rectangles
// exclude their right and bottom edge, a line leaves out its end point,
// text opacity follows the brush), so drawing code can state pixel
// positions exactly and tests can check them.

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

namespace plat {

// ---------------------------------------------------------------- colours

// $00BBGGRR: red in the low byte. $FF0000nn is system colour nn, resolved
// through ColorToRGB before use. clNone marks "no colour".
using TColor = std::uint32_t;

constexpr TColor clSystemColor = 0xFF000000u;
constexpr TColor clNone = 0x1FFFFFFFu;
constexpr TColor clDefault = 0x20000000u;

constexpr TColor clBlack = 0x000000u;
constexpr TColor clMaroon = 0x000080u;
constexpr TColor clGreen = 0x008000u;
constexpr TColor clOlive = 0x008080u;
constexpr TColor clNavy = 0x800000u;
constexpr TColor clPurple = 0x800080u;
constexpr TColor clTeal = 0x808000u;
constexpr TColor clGray = 0x808080u;
constexpr TColor clSilver = 0xC0C0C0u;
constexpr TColor clRed = 0x0000FFu;
constexpr TColor clLime = 0x00FF00u;
constexpr TColor clYellow = 0x00FFFFu;
constexpr TColor clBlue = 0xFF0000u;
constexpr TColor clFuchsia = 0xFF00FFu;
constexpr TColor clAqua = 0xFFFF00u;
constexpr TColor clWhite = 0xFFFFFFu;
constexpr TColor clLtGray = clSilver;
constexpr TColor clDkGray = clGray;
constexpr TColor clMoneyGreen = 0xC0DCC0u;
constexpr TColor clSkyBlue = 0xF0CAA6u;
constexpr TColor clCream = 0xF0FBFFu;
constexpr TColor clMedGray = 0xA4A0A0u;

constexpr TColor clScrollBar = clSystemColor | 0;
constexpr TColor clBackground = clSystemColor | 1;
constexpr TColor clActiveCaption = clSystemColor | 2;
constexpr TColor clInactiveCaption = clSystemColor | 3;
constexpr TColor clMenu = clSystemColor | 4;
constexpr TColor clWindow = clSystemColor | 5;
constexpr TColor clWindowFrame = clSystemColor | 6;
constexpr TColor clMenuText = clSystemColor | 7;
constexpr TColor clWindowText = clSystemColor | 8;
constexpr TColor clCaptionText = clSystemColor | 9;
constexpr TColor clActiveBorder = clSystemColor | 10;
constexpr TColor clInactiveBorder = clSystemColor | 11;
constexpr TColor clAppWorkSpace = clSystemColor | 12;
constexpr TColor clHighlight = clSystemColor | 13;
constexpr TColor clHighlightText = clSystemColor | 14;
constexpr TColor clBtnFace = clSystemColor | 15;
constexpr TColor clBtnShadow = clSystemColor | 16;
constexpr TColor clGrayText = clSystemColor | 17;
constexpr TColor clBtnText = clSystemColor | 18;
constexpr TColor clInactiveCaptionText = clSystemColor | 19;
constexpr TColor clBtnHighlight = clSystemColor | 20;
constexpr TColor cl3DDkShadow = clSystemColor | 21;
constexpr TColor cl3DLight = clSystemColor | 22;
constexpr TColor clInfoText = clSystemColor | 23;
constexpr TColor clInfoBk = clSystemColor | 24;
constexpr TColor clHotLight = clSystemColor | 26;
constexpr TColor clGradientActiveCaption = clSystemColor | 27;
constexpr TColor clGradientInactiveCaption = clSystemColor | 28;
constexpr TColor clMenuHighlight = clSystemColor | 29;
constexpr TColor clMenuBar = clSystemColor | 30;

constexpr TColor RGB(int r, int g, int b) {
    return TColor(r & 0xFF) | (TColor(g & 0xFF) << 8) | (TColor(b & 0xFF) << 16);
}
constexpr int GetRValue(TColor c) { return int(c & 0xFF); }
constexpr int GetGValue(TColor c) { return int((c >> 8) & 0xFF); }
constexpr int GetBValue(TColor c) { return int((c >> 16) & 0xFF); }
constexpr bool IsSystemColor(TColor c) { return (c & 0xFF000000u) == clSystemColor; }

// System colours take the classic desktop scheme (button face 212,208,200,
// highlight 10,36,106...); plain colours keep their low three bytes. clNone
// and clDefault resolve to black: callers test them before painting.
TColor ColorToRGB(TColor color);
// The value of system colour index nn (0 to 30) in the classic scheme.
TColor GetSysColor(int index);

// The identifiers of the 52 named colours ("clBtnFace" <-> $FF00000F), as
// component streams write them.
bool ColorToIdent(TColor color, std::string& ident);
bool IdentToColor(const std::string& ident, TColor& color);

// --------------------------------------------------------------- geometry

struct TPoint {
    int X = 0;
    int Y = 0;
    friend bool operator==(const TPoint&, const TPoint&) = default;
};

struct TSize {
    int cx = 0;
    int cy = 0;
    friend bool operator==(const TSize&, const TSize&) = default;
};

// Right and Bottom lie just outside the rectangle.
struct TRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
    TPoint TopLeft() const { return {Left, Top}; }
    TPoint BottomRight() const { return {Right, Bottom}; }
    friend bool operator==(const TRect&, const TRect&) = default;
};

constexpr TPoint Point(int x, int y) { return {x, y}; }
constexpr TRect Rect(int left, int top, int right, int bottom) { return {left, top, right, bottom}; }
constexpr TRect Bounds(int left, int top, int width, int height) {
    return {left, top, left + width, top + height};
}
void InflateRect(TRect& r, int dx, int dy);
void OffsetRect(TRect& r, int dx, int dy);
bool PtInRect(const TRect& r, TPoint p);  // Right and Bottom excluded
bool IsRectEmpty(const TRect& r);         // no width or no height
// dst := the common part; an empty result is all zeros and returns false.
bool IntersectRect(TRect& dst, const TRect& a, const TRect& b);
// dst := the smallest rectangle holding both (empty ones ignored).
bool UnionRect(TRect& dst, const TRect& a, const TRect& b);

// A set of pixels made of rectangles, for clipping and window shapes.
class TRegion {
public:
    TRegion() = default;
    explicit TRegion(const TRect& r);
    void Unite(const TRect& r);
    void Subtract(const TRect& r);
    void Intersect(const TRect& r);
    bool Contains(TPoint p) const;
    bool IsEmpty() const { return rects_.empty(); }
    TRect Bounds() const;
    // Non-overlapping rectangles covering the region.
    const std::vector<TRect>& Rects() const { return rects_; }

private:
    std::vector<TRect> rects_;
};

// ------------------------------------------------------------- small sets

// A set over an enumeration with at most 32 members (the "[fsBold]" sets of
// the windows' code).
template <typename E>
class TSet {
public:
    constexpr TSet() = default;
    constexpr TSet(std::initializer_list<E> items) {
        for (E e : items) bits_ |= Bit(e);
    }
    constexpr bool Contains(E e) const { return (bits_ & Bit(e)) != 0; }
    constexpr TSet& Include(E e) { bits_ |= Bit(e); return *this; }
    constexpr TSet& Exclude(E e) { bits_ &= ~Bit(e); return *this; }
    constexpr bool Empty() const { return bits_ == 0; }
    constexpr std::uint32_t Bits() const { return bits_; }
    friend constexpr TSet operator+(TSet a, TSet b) { a.bits_ |= b.bits_; return a; }
    friend constexpr TSet operator-(TSet a, TSet b) { a.bits_ &= ~b.bits_; return a; }
    friend constexpr TSet operator*(TSet a, TSet b) { a.bits_ &= b.bits_; return a; }
    friend constexpr bool operator==(TSet a, TSet b) = default;

private:
    static constexpr std::uint32_t Bit(E e) { return std::uint32_t(1) << unsigned(e); }
    std::uint32_t bits_ = 0;
};

// -------------------------------------------------- fonts, pens, brushes

enum TFontStyle { fsBold, fsItalic, fsUnderline, fsStrikeOut };
using TFontStyles = TSet<TFontStyle>;
enum TFontPitch { fpDefault, fpVariable, fpFixed };

constexpr int ANSI_CHARSET = 0;
constexpr int DEFAULT_CHARSET = 1;
constexpr int SYMBOL_CHARSET = 2;
constexpr int OEM_CHARSET = 255;

// Logical pixels per inch of every canvas: Size and Height convert at 96.
constexpr int ScreenPixelsPerInch = 96;

// Plain description of a font; the canvas realises it at each text call.
// Height < 0 is the character height in pixels, Height > 0 the cell height
// (with internal leading); Size is in points and always rounds from Height.
class TFont {
public:
    TFont();
    TFont(const TFont& other);
    TFont& operator=(const TFont& other);  // copies the description, not OnChange
    void Assign(const TFont& other) { *this = other; }

    const std::string& Name() const { return name_; }
    void SetName(const std::string& name);
    int Size() const;
    void SetSize(int points);
    int Height() const { return height_; }
    void SetHeight(int height);
    TFontStyles Style() const { return style_; }
    void SetStyle(TFontStyles style);
    TColor Color() const { return color_; }
    void SetColor(TColor color);
    int Charset() const { return charset_; }
    void SetCharset(int charset);
    TFontPitch Pitch() const { return pitch_; }
    void SetPitch(TFontPitch pitch);
    // Tenths of a degree, counter-clockwise: 900 reads upwards.
    int Orientation() const { return orientation_; }
    void SetOrientation(int tenths);

    bool SameAs(const TFont& other) const;  // the description, not OnChange
    std::function<void()> OnChange;         // after any value changed

private:
    void Changed();
    std::string name_;
    int height_;
    TFontStyles style_;
    TColor color_;
    int charset_;
    TFontPitch pitch_;
    int orientation_;
};

enum TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };
// Raster mixes: pmNot inverts what lies under the pen, pmXor and pmNotXor
// combine the pen colour with it (drawing the same line twice removes it).
enum TPenMode { pmBlack, pmWhite, pmNop, pmNot, pmCopy, pmNotCopy, pmXor, pmNotXor };

class TPen {
public:
    TPen() = default;
    TPen(const TPen& other);
    TPen& operator=(const TPen& other);  // copies values, not OnChange
    void Assign(const TPen& other) { *this = other; }

    TColor Color() const { return color_; }
    void SetColor(TColor color);
    int Width() const { return width_; }
    void SetWidth(int width);  // below 1 counts as 1
    TPenStyle Style() const { return style_; }
    void SetStyle(TPenStyle style);
    TPenMode Mode() const { return mode_; }
    void SetMode(TPenMode mode);

    std::function<void()> OnChange;

private:
    void Changed();
    TColor color_ = clBlack;
    int width_ = 1;
    TPenStyle style_ = psSolid;
    TPenMode mode_ = pmCopy;
};

enum TBrushStyle { bsSolid, bsClear, bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal, bsCross, bsDiagCross };

class TBrush {
public:
    TBrush() = default;
    TBrush(const TBrush& other);
    TBrush& operator=(const TBrush& other);  // copies values, not OnChange
    void Assign(const TBrush& other) { *this = other; }

    TColor Color() const { return color_; }
    void SetColor(TColor color);  // a colour makes a clear brush solid again
    TBrushStyle Style() const { return style_; }
    void SetStyle(TBrushStyle style);

    std::function<void()> OnChange;

private:
    void Changed();
    TColor color_ = clWhite;
    TBrushStyle style_ = bsSolid;
};

// ------------------------------------------------------------------ canvas

// Text format flags of DrawText.
constexpr unsigned DT_TOP = 0x0000;
constexpr unsigned DT_LEFT = 0x0000;
constexpr unsigned DT_CENTER = 0x0001;
constexpr unsigned DT_RIGHT = 0x0002;
constexpr unsigned DT_VCENTER = 0x0004;
constexpr unsigned DT_BOTTOM = 0x0008;
constexpr unsigned DT_WORDBREAK = 0x0010;
constexpr unsigned DT_SINGLELINE = 0x0020;
constexpr unsigned DT_EXPANDTABS = 0x0040;
constexpr unsigned DT_NOCLIP = 0x0100;
constexpr unsigned DT_CALCRECT = 0x0400;
constexpr unsigned DT_NOPREFIX = 0x0800;
constexpr unsigned DT_EDITCONTROL = 0x2000;
constexpr unsigned DT_PATH_ELLIPSIS = 0x4000;
constexpr unsigned DT_END_ELLIPSIS = 0x8000;
constexpr unsigned DT_RTLREADING = 0x20000;
constexpr unsigned DT_WORD_ELLIPSIS = 0x40000;
constexpr unsigned DT_HIDEPREFIX = 0x100000;

// Background modes of text.
constexpr int TRANSPARENT = 1;
constexpr int OPAQUE = 2;

// DrawEdge: edge kinds and the sides to draw.
constexpr unsigned BDR_RAISEDOUTER = 0x0001;
constexpr unsigned BDR_SUNKENOUTER = 0x0002;
constexpr unsigned BDR_RAISEDINNER = 0x0004;
constexpr unsigned BDR_SUNKENINNER = 0x0008;
constexpr unsigned BDR_OUTER = 0x0003;
constexpr unsigned BDR_INNER = 0x000C;
constexpr unsigned EDGE_RAISED = BDR_RAISEDOUTER | BDR_RAISEDINNER;
constexpr unsigned EDGE_SUNKEN = BDR_SUNKENOUTER | BDR_SUNKENINNER;
constexpr unsigned EDGE_ETCHED = BDR_SUNKENOUTER | BDR_RAISEDINNER;
constexpr unsigned EDGE_BUMP = BDR_RAISEDOUTER | BDR_SUNKENINNER;
constexpr unsigned BF_LEFT = 0x0001;
constexpr unsigned BF_TOP = 0x0002;
constexpr unsigned BF_RIGHT = 0x0004;
constexpr unsigned BF_BOTTOM = 0x0008;
constexpr unsigned BF_TOPLEFT = BF_TOP | BF_LEFT;
constexpr unsigned BF_BOTTOMRIGHT = BF_BOTTOM | BF_RIGHT;
constexpr unsigned BF_RECT = BF_LEFT | BF_TOP | BF_RIGHT | BF_BOTTOM;
constexpr unsigned BF_MIDDLE = 0x0800;  // fill the inside with the face colour
constexpr unsigned BF_SOFT = 0x1000;
constexpr unsigned BF_ADJUST = 0x2000;  // shrink the rectangle by the edge
constexpr unsigned BF_FLAT = 0x4000;
constexpr unsigned BF_MONO = 0x8000;

// DrawFrameControl: control kinds and states.
constexpr unsigned DFC_CAPTION = 1;
constexpr unsigned DFC_MENU = 2;
constexpr unsigned DFC_SCROLL = 3;
constexpr unsigned DFC_BUTTON = 4;
constexpr unsigned DFCS_BUTTONCHECK = 0x0000;
constexpr unsigned DFCS_BUTTONRADIO = 0x0004;
constexpr unsigned DFCS_BUTTON3STATE = 0x0008;
constexpr unsigned DFCS_BUTTONPUSH = 0x0010;
constexpr unsigned DFCS_SCROLLUP = 0x0000;
constexpr unsigned DFCS_SCROLLDOWN = 0x0001;
constexpr unsigned DFCS_SCROLLLEFT = 0x0002;
constexpr unsigned DFCS_SCROLLRIGHT = 0x0003;
constexpr unsigned DFCS_SCROLLCOMBOBOX = 0x0005;
constexpr unsigned DFCS_ADJUSTRECT = 0x2000;
constexpr unsigned DFCS_INACTIVE = 0x0100;
constexpr unsigned DFCS_PUSHED = 0x0200;
constexpr unsigned DFCS_CHECKED = 0x0400;
constexpr unsigned DFCS_TRANSPARENT = 0x0800;
constexpr unsigned DFCS_HOT = 0x1000;
constexpr unsigned DFCS_FLAT = 0x4000;
constexpr unsigned DFCS_MONO = 0x8000;

enum TFillStyle { fsSurface, fsBorder };

class TGraphic;
class TBitmap;

// A surface to draw on. A canvas of a TBitmap draws into the bitmap; a
// control's canvas draws on the control during its paint event (bound
// through the platform's internal header); an unbound canvas measures text
// with its font and silently ignores drawing, so sizes can be computed
// outside painting.
class TCanvas {
public:
    struct Impl;  // defined by the platform layer
    TCanvas();
    explicit TCanvas(std::unique_ptr<Impl> impl);
    ~TCanvas();
    TCanvas(const TCanvas&) = delete;
    TCanvas& operator=(const TCanvas&) = delete;

    TPen& Pen() { return pen_; }
    TBrush& Brush() { return brush_; }
    TFont& Font() { return font_; }
    const TPen& Pen() const { return pen_; }
    const TBrush& Brush() const { return brush_; }
    const TFont& Font() const { return font_; }
    void SetFont(const TFont& font) { font_.Assign(font); }
    void SetPen(const TPen& pen) { pen_.Assign(pen); }
    void SetBrush(const TBrush& brush) { brush_.Assign(brush); }

    // True while drawing reaches a surface.
    bool CanDraw() const;

    // Lines: the end point is not painted, as in the classic interface. A
    // dashed or dotted one-pixel pen paints its gaps in the brush colour
    // while the background mode is opaque (see SetBkMode).
    TPoint PenPos() const { return penPos_; }
    void SetPenPos(TPoint p) { penPos_ = p; }
    void MoveTo(int x, int y);
    void LineTo(int x, int y);
    void Polyline(const std::vector<TPoint>& points);

    // Shapes take the bounding box (Right, Bottom excluded), are outlined
    // with the pen and filled with the brush. Without a pen (psClear) the
    // fill shrinks by one pixel at the right and bottom, as it always has.
    void Rectangle(int left, int top, int right, int bottom);
    void Rectangle(const TRect& r) { Rectangle(r.Left, r.Top, r.Right, r.Bottom); }
    void RoundRect(int left, int top, int right, int bottom, int cornerWidth, int cornerHeight);
    void RoundRect(const TRect& r, int cornerWidth, int cornerHeight) {
        RoundRect(r.Left, r.Top, r.Right, r.Bottom, cornerWidth, cornerHeight);
    }
    void Ellipse(int left, int top, int right, int bottom);
    void Ellipse(const TRect& r) { Ellipse(r.Left, r.Top, r.Right, r.Bottom); }
    void Polygon(const std::vector<TPoint>& points);

    // Brush only: FillRect fills, FrameRect draws a one-pixel frame.
    void FillRect(const TRect& r);
    void FrameRect(const TRect& r);
    // Fills the area around (x, y): fsBorder up to pixels of colour,
    // fsSurface over pixels of colour. Only on bitmaps.
    void FloodFill(int x, int y, TColor color, TFillStyle style);

    // The resolved colour of a pixel (clNone outside the surface or when
    // the surface cannot be read back, as on a control).
    TColor Pixels(int x, int y) const;
    void SetPixels(int x, int y, TColor color);

    // Text. (x, y) is the top-left corner of the text cell; a rotated font
    // turns the text about that point. A solid brush fills behind the text
    // in the brush colour, a clear brush (or SetBkMode TRANSPARENT until the
    // brush changes) leaves the background.
    void TextOut(int x, int y, const std::string& text);
    // Clips the text to r; a solid brush fills all of r first.
    void TextRect(const TRect& r, int x, int y, const std::string& text);
    int TextWidth(const std::string& text) const;
    int TextHeight(const std::string& text) const;
    TSize TextExtent(const std::string& text) const;
    // Formatted text in r (DT_* flags). Returns the height of the text;
    // with DT_CALCRECT draws nothing and sets r's Right and Bottom to what
    // the text needs. "&" marks an accelerator (drawn underlined) unless
    // DT_NOPREFIX. DT_VCENTER and DT_BOTTOM act on DT_SINGLELINE text only;
    // DT_WORDBREAK keeps a word wider than r whole unless DT_EDITCONTROL.
    // Text is drawn unsmoothed, every ink pixel in the font colour.
    int DrawText(const std::string& text, TRect& r, unsigned flags);
    void SetBkMode(int mode);
    int BkMode() const;

    // Clipping. ClipRect is the bounds of what may be painted: the clip
    // within the surface, and on a control during a paint event within the
    // area being repainted.
    TRect ClipRect() const;
    void SetClipRect(const TRect& r);        // replaces the clip
    void SetClipRegion(const TRegion& rgn);  // replaces the clip
    void IntersectClipRect(const TRect& r);
    void ExcludeClipRect(const TRect& r);
    void ResetClip();
    bool HasClip() const;
    // Save and restore pen, brush, font, clip, pen position and background
    // mode, in nested pairs.
    void SaveState();
    void RestoreState();

    // Pictures. A transparent bitmap leaves out its transparent colour.
    void Draw(int x, int y, const TGraphic& graphic);
    // The same with a constant opacity over the whole picture (255 = opaque).
    void Draw(int x, int y, const TGraphic& graphic, std::uint8_t opacity);
    void StretchDraw(const TRect& r, const TGraphic& graphic);
    // Copies source's area src into dst, stretched when the sizes differ.
    void CopyRect(const TRect& dst, const TCanvas& source, const TRect& src);

    // Dotted rectangle that inverts what lies under it (drawn twice it goes).
    void DrawFocusRect(const TRect& r);
    // Classic three-dimensional edges; BF_ADJUST shrinks r by what was drawn.
    void DrawEdge(TRect& r, unsigned edge, unsigned flags);
    // Classic unthemed check boxes, radio buttons, push buttons and scroll
    // arrows (DFC_BUTTON, DFC_SCROLL with DFCS_* states).
    void DrawFrameControl(TRect& r, unsigned kind, unsigned state);

    Impl* Internal() const { return d_.get(); }

private:
    void FilledOutline(const std::vector<TPoint>& points);
    std::unique_ptr<Impl> d_;
    TPen pen_;
    TBrush brush_;
    TFont font_;
    TPoint penPos_;
    int bkMode_ = 0;  // 0 = follow the brush
    TBrush bkModeBrush_;  // the brush SetBkMode saw; a change ends the mode
};

}  // namespace plat
