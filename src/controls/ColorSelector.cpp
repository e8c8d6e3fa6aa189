#include "controls/ColorSelector.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>

#include "platform/Cursors.h"
#include "platform/Messages.h"

namespace ctl {

using namespace plat;

// ------------------------------------------------------------- box item

void TColorBoxItem::SetColor(TColor Value) {
    if (Value == FColor) return;
    FColor = Value;
    Changed();
}

void TColorBoxItem::Assign(const TColorBoxItem& Source) {
    if (&Source == this) return;
    SetColor(Source.FColor);
    FColorBoxPos = Source.FColorBoxPos;
    FEnabled = Source.FEnabled;
}

// ------------------------------------------------------- discrete palette

namespace {

constexpr TColor kDefaultPalette[6][10] = {
    {0xFFFFFF, 0x000000, 0xE1ECEE, 0x7D491F, 0xBD814F, 0x4D50C0, 0x59BB9B, 0xA26480, 0xC6AC4B, 0x4696F7},
    {0xF2F2F2, 0x7F7F7F, 0xC3D9DD, 0xDACEC2, 0xF1E5DB, 0xDBDCF2, 0xDDF1EB, 0xECE0E5, 0xF3EEDB, 0xDAEAFD},
    {0xD8D8D8, 0x595959, 0x97BDC4, 0xE2B38D, 0xE4CCB8, 0xB7B9E5, 0xBCE3D7, 0xD9C1CC, 0xE8DDB7, 0xB5D5FB},
    {0xBFBFBF, 0x3F3F3F, 0x538993, 0xD48D54, 0xD7B395, 0x9496D9, 0x9BD6C3, 0xC7A2B2, 0xDCCD92, 0x8FC0FA},
    {0xA5A5A5, 0x262626, 0x294449, 0x5D3617, 0x926036, 0x343795, 0x3C9276, 0x7A495F, 0x9B8531, 0x096CE3},
    {0x7F7F7F, 0x0C0C0C, 0x101B1D, 0x3E240F, 0x614024, 0x232463, 0x28614F, 0x51313F, 0x675820, 0x064897},
};
constexpr TItemPos kPaletteRowPos[6] = {ipStandAlone, ipTop, ipMiddle, ipMiddle, ipMiddle, ipBottom};

}  // namespace

TCustomColorSelector::TCustomColorSelector(TComponent* AOwner) : TExtCustomColorSelectorPanel(AOwner) {
    SetParentColor(true);
    SetAccessibleName("Colour palette");
    SetAccessibleRole(arTable);
    SetBounds(0, 0, 100, 50);
}

void TCustomColorSelector::FillDefaultColors() {
    FItems.Clear();
    for (int r = 0; r < 6; ++r)
        for (TColor c : kDefaultPalette[r]) {
            TColorBoxItem* it = FItems.Add();
            it->SetColor(c);
            it->SetColorBoxPos(kPaletteRowPos[r]);
        }
    FItemIndex = FItemHot = -1;
    LayoutItems();
}

void TCustomColorSelector::SetItemColorStyle(TSelectionColorStyle Value) {
    if (Value == FItemColorStyle) return;
    FItemColorStyle = Value;
    // The three named styles share one set of box colours.
    if (Value != scCustom) {
        const TColorBoxAppearance defaults;
        FColorBoxAppearance.BorderColor = defaults.BorderColor;
        FColorBoxAppearance.OuterBorderColorHot = defaults.OuterBorderColorHot;
        FColorBoxAppearance.InnerBorderColorHot = defaults.InnerBorderColorHot;
        FColorBoxAppearance.OuterBorderColorSelected = defaults.OuterBorderColorSelected;
        FColorBoxAppearance.InnerBorderColorSelected = defaults.InnerBorderColorSelected;
    }
    Invalidate();
}

void TCustomColorSelector::SetColumns(int Value) {
    if (Value == FColumns || Value < 1) return;
    FColumns = Value;
    LayoutItems();
}

void TCustomColorSelector::SetColumnGap(int Value) {
    if (Value == FColumnGap) return;
    FColumnGap = Value;
    LayoutItems();
}

void TCustomColorSelector::SetColorBoxWidth(int Value) {
    if (Value == FColorBoxWidth) return;
    FColorBoxWidth = Value;
    LayoutItems();
}

void TCustomColorSelector::SetColorBoxHeight(int Value) {
    if (Value == FColorBoxHeight) return;
    FColorBoxHeight = Value;
    LayoutItems();
}

void TCustomColorSelector::GetItemArea(TRect& R) {
    R = Rect(0, 0, Width(), Height());
    InflateRect(R, -FOffSetX, -FOffSetY);
}

void TCustomColorSelector::GetItemSize(TSize& ASize) { ASize = {FColorBoxWidth, FColorBoxHeight}; }

void TCustomColorSelector::LayoutItems() {
    if (FItems.Count() == 0) {
        SetBounds(Left(), Top(), 100, 50);
        return;
    }
    FItemHot = -1;
    TSize s{};
    GetItemSize(s);
    TRect area{};
    GetItemArea(area);
    int x = area.Left, y = area.Top, widest = 0, inRow = 0;
    bool gapBelow = false;
    for (int k = 0; k < FItems.Count(); ++k) {
        TColorBoxItem& it = *FItems.Items(k);
        it.FRect = Rect(x, y, x + s.cx, y + s.cy);
        if (k + 1 == FItems.Count()) break;
        if (it.ColorBoxPos() == ipStandAlone) gapBelow = true;
        if (++inRow < FColumns) {
            x += s.cx + FColumnGap;
        } else {
            if (gapBelow) y += FColumnGap;
            gapBelow = false;
            y += s.cy;
            widest = std::max(widest, x);
            x = area.Left;
            inRow = 0;
        }
    }
    SetBounds(Left(), Top(), std::max(widest, x) + s.cx + area.Left + 1, y + s.cy + area.Top);
    Invalidate();
}

void TCustomColorSelector::InvalidateItem(int Index) {
    if (ValidIndex(Index)) Invalidate();
}

void TCustomColorSelector::Paint() {
    TCanvas& c = Canvas();
    c.Brush().SetStyle(bsSolid);
    c.Brush().SetColor(Color());
    c.FillRect(Rect(0, 0, Width(), Height()));
    for (int i = 0; i < FItems.Count(); ++i) DrawItem(i, c);
}

void TCustomColorSelector::DrawItem(int Index, TCanvas& Canvas) {
    if (!ValidIndex(Index)) return;
    const TColorBoxItem& it = *FItems.Items(Index);
    const TRect R = it.FRect;
    if (R.Left < 0 && R.Right < 0) return;
    const TColorBoxAppearance& a = FColorBoxAppearance;
    TColor outer = a.BorderColor, inner = clNone;
    const bool hot = Index == FItemHot, selected = Index == FItemIndex;
    if (hot) outer = a.OuterBorderColorHot, inner = a.InnerBorderColorHot;
    if (selected) outer = a.OuterBorderColorSelected, inner = a.InnerBorderColorSelected;
    Canvas.Pen().SetWidth(1);
    Canvas.Pen().SetStyle(psSolid);
    if (it.Color() != clNone) {
        Canvas.Pen().SetColor(it.Color());
        Canvas.Brush().SetStyle(bsSolid);
        Canvas.Brush().SetColor(it.Color());
        Canvas.Rectangle(R);
    }
    if (hot || selected) {
        if (outer != clNone) {
            Canvas.Brush().SetColor(outer);
            Canvas.FrameRect(R);
        }
        if (inner != clNone) {
            TRect in = R;
            InflateRect(in, -1, -1);
            Canvas.Brush().SetColor(inner);
            Canvas.FrameRect(in);
        }
        return;
    }
    // Joined boxes leave out the lines between them, so a column of shades
    // reads as one bar.
    Canvas.Pen().SetColor(a.BorderColor);
    const int l = R.Left, t = R.Top, r = R.Right - 1, b = R.Bottom - 1;
    switch (it.ColorBoxPos()) {
        case ipStandAlone:
            Canvas.Brush().SetColor(a.BorderColor);
            Canvas.FrameRect(R);
            break;
        case ipTop:
            Canvas.MoveTo(l, b + 1);
            Canvas.LineTo(l, t);
            Canvas.LineTo(r, t);
            Canvas.LineTo(r, b + 1);
            break;
        case ipMiddle:
            Canvas.MoveTo(l, t);
            Canvas.LineTo(l, b + 1);
            Canvas.MoveTo(r, t);
            Canvas.LineTo(r, b + 1);
            break;
        case ipBottom:
            Canvas.MoveTo(l, t);
            Canvas.LineTo(l, b);
            Canvas.LineTo(r, b);
            Canvas.MoveTo(r, t);
            Canvas.LineTo(r, b + 1);
            break;
    }
}

int TCustomColorSelector::ItemAtPos(int X, int Y) const {
    for (int i = 0; i < FItems.Count(); ++i)
        if (PtInRect(FItems.Items(i)->FRect, Point(X, Y))) return i;
    return -1;
}

void TCustomColorSelector::SetItemHot(int Index) {
    if (Index == FItemHot || Index < -1 || Index >= FItems.Count()) return;
    if (Index >= 0 && !FItems.Items(Index)->FEnabled) return;
    if (FItemHot >= 0) InvalidateItem(FItemHot);
    FItemHot = Index;
    if (Index >= 0) InvalidateItem(Index);
}

// A box past the palette is refused: its colour cannot be read.
void TCustomColorSelector::SetItemIndex(int Index) {
    if (Index < -1 || Index >= FItems.Count()) return;
    if (Index >= 0 && !FItems.Items(Index)->FEnabled) return;
    if (FItemIndex >= 0 && FItemIndex != Index) InvalidateItem(FItemIndex);
    FItemIndex = Index;
    if (Index >= 0) {
        FSelectedColor = FItems.Items(Index)->Color();
        InvalidateItem(Index);
        if (OnItemSelect) OnItemSelect(this);
    }
}

void TCustomColorSelector::SetSelectedColor(TColor Value) {
    if (Value == FSelectedColor) return;
    FSelectedColor = Value;
    int found = -1;
    if (Value != clNone)
        for (int i = 0; i < FItems.Count() && found < 0; ++i)
            if (FItems.Items(i)->Color() == Value) found = i;
    if (found >= 0) {
        SetItemIndex(found);
    } else if (FItemIndex >= 0) {
        InvalidateItem(FItemIndex);
        FItemIndex = -1;
    }
}

void TCustomColorSelector::SelectFirst() {
    if (FItems.Count() > 0) SetItemIndex(0);
}

void TCustomColorSelector::SelectLast() {
    if (FItems.Count() > 0) SetItemIndex(FItems.Count() - 1);
}

void TCustomColorSelector::SelectNext() {
    if (FItemIndex + 1 < FItems.Count()) SetItemIndex(FItemIndex + 1);
}

void TCustomColorSelector::SelectPrevious() {
    if (FItemIndex - 1 >= 0) SetItemIndex(FItemIndex - 1);
}

void TCustomColorSelector::HotNext() {
    if (FItemHot + 1 < FItems.Count()) SetItemHot(FItemHot + 1);
}

void TCustomColorSelector::HotPrevious() {
    if (FItemHot - 1 >= 0) SetItemHot(FItemHot - 1);
}

void TCustomColorSelector::SelectIfInside(int Index) {
    if (ValidIndex(Index)) SetItemIndex(Index);
}

void TCustomColorSelector::SelectByKey(unsigned short Key, bool EditorEnabled, bool DroppedDown) {
    if (!Enabled()) return;
    switch (Key) {
        case VK_PRIOR:
        case VK_HOME: SelectFirst(); break;
        case VK_NEXT:
        case VK_END: SelectLast(); break;
        case VK_LEFT:
            if (!EditorEnabled || DroppedDown) SelectPrevious();
            break;
        case VK_RIGHT:
            if (!EditorEnabled || DroppedDown) SelectNext();
            break;
        case VK_UP:
            if (DroppedDown) SelectIfInside(FItemIndex < 0 ? 0 : FItemIndex - FColumns);
            else SelectPrevious();
            break;
        case VK_DOWN:
            if (DroppedDown) SelectIfInside(FItemIndex < 0 ? 0 : FItemIndex + FColumns);
            else SelectNext();
            break;
        default: break;
    }
}

void TCustomColorSelector::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TExtCustomColorSelectorPanel::MouseDown(Button, Shift, X, Y);
    const int i = ItemAtPos(X, Y);
    if (i >= 0 && FItems.Items(i)->FEnabled) SetItemIndex(i);
}

void TCustomColorSelector::MouseMove(TShiftState Shift, int X, int Y) {
    TExtCustomColorSelectorPanel::MouseMove(Shift, X, Y);
    const int i = ItemAtPos(X, Y);
    if (i < 0) SetItemHot(-1);
    else if (i != FItemHot) SetItemHot(FItems.Items(i)->FEnabled ? i : -1);
}

void TCustomColorSelector::CMMouseLeave(TMessage& Message) {
    TExtCustomColorSelectorPanel::CMMouseLeave(Message);
    SetItemHot(-1);
}

// ------------------------------------------------------------ colour cube

namespace {

// Row by row from the top, left to right.
constexpr TColor kCubeColors[TExtColorCubePanel::CellCount] = {
    0x663300, 0x996633, 0xCC6633, 0x993300, 0x990000, 0xCC0000, 0x660000,
    0x666600, 0x996600, 0xCC9900, 0xCC6600, 0xCC3300, 0xFF0000, 0xFF3333, 0x993333,
    0x808000, 0x999900, 0xCCCC33, 0xFFCC00, 0xFF9900, 0xFF6600, 0xFF6633, 0xCC3333, 0x996666,
    0x669933, 0x99CC00, 0xCCFF00, 0xFFFF00, 0xFFCC33, 0xFF9933, 0xFF9966, 0xFF6666, 0xFF0066, 0xCC0066,
    0x339933, 0x66CC00, 0x99FF00, 0xCCFF66, 0xFFFF66, 0xFFCC66, 0xFFCC99, 0xFF9999, 0xFF6699, 0xFF3399, 0xFF0099,
    0x006600, 0x00CC00, 0x00FF00, 0x99FF66, 0xCCFF99, 0xFFFFCC, 0xFFECCC, 0xFFCCCC, 0xFF99CC, 0xFF66CC, 0xFF00CC,
    0xCC0099,
    0x003300, 0x008000, 0x33CC33, 0x66FF66, 0x99FF99, 0xCCFFCC, 0xFFFFFF, 0xFFCCFF, 0xFF99FF, 0xFF66FF, 0xFF00FF,
    0xCC00CC, 0x660066,
    0x006633, 0x009900, 0x33FF66, 0x66FF99, 0x99FFCC, 0xCCFFFF, 0xCCCCFF, 0xCC99FF, 0xCC66FF, 0xCC33FF, 0x9900CC,
    0x800080,
    0x003333, 0x009966, 0x33FF99, 0x66FFCC, 0x99FFFF, 0x99CCFF, 0x9999FF, 0x9966FF, 0x9933FF, 0x9933CC, 0x990099,
    0x336666, 0x00CC99, 0x33FFCC, 0x66FFFF, 0x66CCFF, 0x6699FF, 0x807CFF, 0x6600FF, 0x9300D6, 0x663399,
    0x008080, 0x00CCCC, 0x00FFFF, 0x00CCFF, 0x3399FF, 0x0066FF, 0x5050FF, 0x6600CC, 0x330066,
    0x336699, 0x0099CC, 0x0099FF, 0x0066CC, 0x0033FF, 0x0000FF, 0x0000CC, 0x330099,
    0x003366, 0x006699, 0x0033CC, 0x003399, 0x000099, 0x000080, 0x2100A5,
};

std::vector<TPoint> Hexagon(int x, int y, int a, int b) {
    return {{x - a, y - b}, {x, y - 2 * b}, {x + a, y - b}, {x + a, y + b}, {x, y + 2 * b}, {x - a, y + b}};
}

}  // namespace

TExtColorCubePanel::TExtColorCubePanel(TComponent* AOwner) : TExtCustomColorSelectorPanel(AOwner) {
    SetAccessibleName("Colour cube");
    SetAccessibleRole(arTable);
    SetShowHint(true);
    SetColorCubeCells();
    SetBounds(0, 0, 182, 160);
}

void TExtColorCubePanel::SetColorCubeCells() {
    int n = 0;
    for (int r = 1; r <= 13; ++r) {
        const int count = r <= 7 ? r + 6 : 20 - r;
        const int x0 = r <= 7 ? 55 - 6 * (r - 1) : 19 + 6 * (r - 7);
        const int y = 20 + 10 * (r - 1);
        for (int j = 0; j < count; ++j, ++n)
            FCubeCells[static_cast<size_t>(n)] = {x0 + 2 * FCubeSize.X * j, y, kCubeColors[n]};
    }
}

void TExtColorCubePanel::SetShowRGBHint(bool Value) {
    FShowRGBHint = Value;
    SetShowHint(Value);
}

void TExtColorCubePanel::SetSelectedColor(TColor Value) {
    FSelectedColor = Value;
    FSelectedIndex = -1;
    for (int i = 1; i <= CellCount && FSelectedIndex < 0; ++i)
        if (Cell(i).Color == Value) FSelectedIndex = i;
}

int TExtColorCubePanel::CellAtPos(int X, int Y) const {
    const int r = FCubeSize.X;
    for (int i = 1; i <= CellCount; ++i) {
        const int dx = X - Cell(i).X, dy = Y - Cell(i).Y;
        if (dx * dx + dy * dy <= r * r) return i;
    }
    return -1;
}

TColor TExtColorCubePanel::ColorAtPos(int X, int Y) const {
    const int i = CellAtPos(X, Y);
    return i < 0 ? clNone : Cell(i).Color;
}

void TExtColorCubePanel::DrawCell(TCanvas& Canvas, int Index) {
    const TCubeCell& c = Cell(Index);
    Canvas.Pen().SetWidth(1);
    Canvas.Pen().SetColor(c.Color);
    Canvas.Brush().SetStyle(bsSolid);
    Canvas.Brush().SetColor(c.Color);
    Canvas.Polygon(Hexagon(c.X, c.Y, FCubeSize.X, FCubeSize.Y));
    const bool hot = Index == FHotIndex, selected = Index == FSelectedIndex;
    if (!hot && !selected) return;
    // The selection's black mark wins over the hot red one.
    Canvas.Brush().SetStyle(bsClear);
    Canvas.Pen().SetColor(selected ? clBlack : clRed);
    Canvas.Polygon(Hexagon(c.X, c.Y, 5, 3));
    Canvas.Pen().SetColor(clWhite);
    Canvas.Polygon(Hexagon(c.X, c.Y, 4, 2));
}

void TExtColorCubePanel::Paint() {
    TCanvas& c = Canvas();
    c.Brush().SetStyle(bsSolid);
    c.Brush().SetColor(Color());
    c.FillRect(Rect(0, 0, Width(), Height()));
    for (int i = 1; i <= CellCount; ++i) DrawCell(c, i);
    // Marks overlap the neighbours: draw them last so none is covered.
    if (FHotIndex > 0) DrawCell(c, FHotIndex);
    if (FSelectedIndex > 0) DrawCell(c, FSelectedIndex);
}

void TExtColorCubePanel::MouseMove(TShiftState Shift, int X, int Y) {
    TExtCustomColorSelectorPanel::MouseMove(Shift, X, Y);
    const int i = CellAtPos(X, Y);
    if (i < 0) {
        if (FShowRGBHint) SetHint("");
        return;
    }
    if (i == FHotIndex) return;
    FHotIndex = i;
    Invalidate();
    if (FShowRGBHint) {
        const TColor c = Cell(i).Color;
        char buf[64];
        std::snprintf(buf, sizeof buf, "Red: %d,  Green: %d,  Blue: %d", GetRValue(c), GetGValue(c), GetBValue(c));
        SetHint(buf);
    }
}

void TExtColorCubePanel::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TExtCustomColorSelectorPanel::MouseDown(Button, Shift, X, Y);
    const int i = CellAtPos(X, Y);
    if (i < 0) return;
    FSelectedColor = Cell(i).Color;
    FSelectedIndex = i;
    Invalidate();
    if (OnSelect) OnSelect(this);
}

void TExtColorCubePanel::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TExtCustomColorSelectorPanel::MouseUp(Button, Shift, X, Y);
    if (FOnShouldHide) FOnShouldHide(this);
}

// --------------------------------------------------------------- spectrum

TColor SpectrumColorAt(int X, int Y) {
    constexpr int n = TExtColorSpectrumPanel::SpectrumSize;
    X = std::clamp(X, 0, n - 1);
    Y = std::clamp(Y, 0, n - 1);
    // The pure hue: six sectors of rising and falling channels.
    const int h = X * 6 * 256 / n;  // 0 .. 6 * 256 - 1
    const int sector = h / 256, f = h % 256;
    int r = 0, g = 0, b = 0;
    switch (sector) {
        case 0: r = 255, g = f, b = 0; break;
        case 1: r = 255 - f, g = 255, b = 0; break;
        case 2: r = 0, g = 255, b = f; break;
        case 3: r = 0, g = 255 - f, b = 255; break;
        case 4: r = f, g = 0, b = 255; break;
        default: r = 255, g = 0, b = 255 - f; break;
    }
    constexpr int mid = n / 2;
    auto mix = [](int from, int to, int num, int den) { return from + (to - from) * num / den; };
    if (Y < mid) return RGB(mix(255, r, Y, mid), mix(255, g, Y, mid), mix(255, b, Y, mid));
    return RGB(mix(r, 0, Y - mid, n - 1 - mid), mix(g, 0, Y - mid, n - 1 - mid), mix(b, 0, Y - mid, n - 1 - mid));
}

namespace {

// The cross pointer over the spectrum: black arms edged in white, so that it
// shows on dark and light colours alike, and a gap at the hot spot that
// leaves the pixel being picked in view.
void RegisterSpectrumPointer() {
    if (CursorRegistered(crSpectrumPointer)) return;
    constexpr int size = 32, centre = 15, arm = 11, gap = 2;
    TBitmap b(size, size);
    b.SetPixelFormat(pf32bit);
    auto put = [&](int x, int y, std::uint8_t grey) {
        std::uint8_t* p = b.ScanLine(y) + 4 * x;
        p[0] = p[1] = p[2] = grey;
        p[3] = 255;
    };
    for (int y = 0; y < size; ++y) std::fill_n(b.ScanLine(y), 4 * size, std::uint8_t{0});
    for (int d = gap + 1; d <= arm; ++d)
        for (int sign : {-1, 1})
            for (int side : {-1, 1}) {
                put(centre + sign * d, centre + side, 255);
                put(centre + side, centre + sign * d, 255);
            }
    for (int sign : {-1, 1}) {
        put(centre + sign * (arm + 1), centre, 255);
        put(centre, centre + sign * (arm + 1), 255);
    }
    for (int d = gap + 1; d <= arm; ++d)
        for (int sign : {-1, 1}) {
            put(centre + sign * d, centre, 0);
            put(centre, centre + sign * d, 0);
        }
    RegisterCursor(crSpectrumPointer, b, TPoint{centre, centre});
}

}  // namespace

TExtColorSpectrumPanel::TExtColorSpectrumPanel(TComponent* AOwner) : TExtCustomColorSelectorPanel(AOwner) {
    SetAccessibleName("Colour spectrum");
    SetAccessibleRole(arClient);
    FSpectrumImage = new TImage(this);
    FSpectrumImage->SetParent(this);
    TBitmap b(SpectrumSize, SpectrumSize);
    for (int y = 0; y < SpectrumSize; ++y)
        for (int x = 0; x < SpectrumSize; ++x) b.Canvas().SetPixels(x, y, SpectrumColorAt(x, y));
    FSpectrumImage->Picture().SetGraphic(&b);
    RegisterSpectrumPointer();
    FSpectrumImage->SetCursor(crSpectrumPointer);
    FSpectrumImage->SetAccessibleName("Spectrum");
    FSpectrumImage->OnMouseMove = [this](TObject*, TShiftState, int X, int Y) { ImageMouseMove(X, Y); };
    FSpectrumImage->OnMouseDown = [this](TObject*, TMouseButton Button, TShiftState, int, int) {
        if (Button == mbLeft) ImageMouseDown();
    };
    FSpectrumImage->OnMouseUp = [this](TObject*, TMouseButton, TShiftState, int, int) {
        if (FOnShouldHide) FOnShouldHide(this);
    };
    SetSpectrumLayout();
}

void TExtColorSpectrumPanel::SetSelectedColor(TColor Value) {
    if (Value != FSelectedColor) FSelectedColor = Value;
}

void TExtColorSpectrumPanel::SetSpectrumLayout() {
    SetBounds(Left(), Top(), 150, 174);
    const int left = (150 - SpectrumSize) / 2, top = 10;
    FSpectrumImage->SetBounds(left, top, SpectrumSize, SpectrumSize);
    const int bottom = top + SpectrumSize;
    FSelectedRect = Rect(left - 1, bottom + 8, left + 64 - 2, bottom + 28);
    FHotRect = Rect(FSelectedRect.Right + 4, FSelectedRect.Top, left + SpectrumSize + 1, FSelectedRect.Bottom);
    FHotColor = clNone;
    Invalidate();
}

void TExtColorSpectrumPanel::ImageMouseMove(int X, int Y) {
    FHotColor = FSpectrumImage->Picture().Bitmap().Pixel(X, Y);
    Invalidate();
}

void TExtColorSpectrumPanel::ImageMouseDown() {
    FSelectedColor = FHotColor;
    Invalidate();
    if (OnSelect) OnSelect(this);
}

void TExtColorSpectrumPanel::Paint() {
    TCanvas& c = Canvas();
    c.Brush().SetStyle(bsSolid);
    c.Brush().SetColor(Color());
    c.FillRect(Rect(0, 0, Width(), Height()));
    TRect r = Rect(FSpectrumImage->Left(), FSpectrumImage->Top(), FSpectrumImage->Left() + FSpectrumImage->Width(),
                   FSpectrumImage->Top() + FSpectrumImage->Height());
    c.Brush().SetStyle(bsClear);
    c.Pen().SetWidth(1);
    InflateRect(r, 1, 1);
    c.Pen().SetColor(clWhite);
    c.Rectangle(r);
    InflateRect(r, 1, 1);
    c.Pen().SetColor(clGray);
    c.Rectangle(r);
    auto box = [&](TRect b, TColor fill) {
        TRect o = b;
        InflateRect(o, 1, 1);
        c.Brush().SetStyle(bsClear);
        c.Pen().SetColor(clGray);
        c.Rectangle(o);
        c.Pen().SetColor(clWhite);
        // No colour yet: the box shows the panel.
        c.Brush().SetStyle(bsSolid);
        c.Brush().SetColor(fill == clNone ? Color() : fill);
        c.Rectangle(b);
    };
    box(FSelectedRect, FSelectedColor);
    box(FHotRect, FHotColor);
}

void TExtColorSpectrumPanel::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TExtCustomColorSelectorPanel::MouseUp(Button, Shift, X, Y);
    if (FOnShouldHide) FOnShouldHide(this);
}

}  // namespace ctl
