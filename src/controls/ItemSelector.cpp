#include "controls/ItemSelector.h"

#include <algorithm>
#include <stdexcept>

#include "base/StrUtils.h"
#include "controls/DropDownDraw.h"
#include "controls/ExtDraw.h"
#include "controls/ExtStyleIF.h"
#include "controls/HtmlText.h"
#include "platform/Messages.h"

namespace ctl {

using namespace plat;

// ------------------------------------------------------------------ item

void TSelectorItem::SetCaption(const std::string& Value) {
    if (Value == FCaption) return;
    FCaption = Value;
    Changed();
}

void TSelectorItem::SetImageIndex(int Value) {
    if (Value == FImageIndex) return;
    FImageIndex = Value;
    Changed();
}

void TSelectorItem::SetColor(TColor Value) {
    if (Value == FColor) return;
    FColor = Value;
    Changed();
}

void TSelectorItem::Assign(const TSelectorItem& Source) {
    if (&Source == this) return;
    SetCaption(Source.FCaption);
    SetColor(Source.FColor);
    SetImageIndex(Source.FImageIndex);
    FImage.Assign(Source.FImage);
    FEnabled = Source.FEnabled;
    FHint = Source.FHint;
}

// ------------------------------------------------------------ appearance

namespace {

struct TPresetRow {
    TSelectionColorStyle style;
    TColor hot, hotTo, mirrorHot, mirrorHotTo, top, bottom, border, edge, sel, selTo, mirrorSel, mirrorSelTo;
};

constexpr TPresetRow kPresets[] = {
    {scSuiteB, 0xD7FFFD, 0x58D4FC, 0x58D4FC, 0xB3F1FC, 0xF4FEFF, 0xCAF8FF, 0x8DD7D3, 0xC3D9DF, 0xA6FFFB, 0x04B9F4,
     0x15C1FB, 0x68E3F9},
    {scFrost, 0xFDF8F1, 0xFCEFD5, clNone, clNone, 0xFDFBF6, 0xFDF5E7, 0xFDDE99, 0xFCEDCB, 0xFAEEDE, 0xFAE3B4, clNone,
     clNone},
    {scGlass, 0xFCEBDC, 0xFCDBC1, clNone, clNone, 0xFDF4EB, 0xFDEADB, 0xCEA27D, 0xE0C5AE, 0xF9D8B9, 0xFBCAA2, clNone,
     clNone},
};

}  // namespace

TItemAppearance::TItemAppearance() {
    Font.SetName(DefaultFontName());
    SetColorStyle(scSuiteB);
}

void TItemAppearance::LoadPresets(TSelectionColorStyle Style) {
    for (const TPresetRow& r : kPresets) {
        if (r.style != Style) continue;
        ColorHot = r.hot, ColorHotTo = r.hotTo, ColorMirrorHot = r.mirrorHot, ColorMirrorHotTo = r.mirrorHotTo;
        BorderColorTop = r.top, BorderColorBottom = r.bottom, BorderColor = r.border, EdgeColor = r.edge;
        ColorSelected = r.sel, ColorSelectedTo = r.selTo;
        ColorMirrorSelected = r.mirrorSel, ColorMirrorSelectedTo = r.mirrorSelTo;
    }
}

void TItemAppearance::SetColorStyle(TSelectionColorStyle Value) {
    if (Value == FColorStyle) return;
    FColorStyle = Value;
    LoadPresets(Value);
}

void TItemAppearance::Assign(const TItemAppearance& Source) {
    if (&Source == this) return;
    ColorHot = Source.ColorHot, ColorHotTo = Source.ColorHotTo;
    ColorMirrorHot = Source.ColorMirrorHot, ColorMirrorHotTo = Source.ColorMirrorHotTo;
    BorderColorTop = Source.BorderColorTop, BorderColorBottom = Source.BorderColorBottom;
    BorderColor = Source.BorderColor, EdgeColor = Source.EdgeColor;
    ColorSelected = Source.ColorSelected, ColorSelectedTo = Source.ColorSelectedTo;
    ColorMirrorSelected = Source.ColorMirrorSelected, ColorMirrorSelectedTo = Source.ColorMirrorSelectedTo;
    Font.Assign(Source.Font);
    SetColorStyle(Source.FColorStyle);
    ColorSelectedText = Source.ColorSelectedText;
    ColorHotText = Source.ColorHotText;
    BorderColorHot = Source.BorderColorHot;
    BorderColorSelected = Source.BorderColorSelected;
}

void SetItemAppearanceStyle(TItemAppearance* Appearance, TKeloStyle AStyle) {
    if (Appearance == nullptr || AStyle == tsCustom) return;
    TItemAppearance& a = *Appearance;
    a.BorderColorHot = a.BorderColorSelected = clNone;
    a.ColorHotText = a.ColorSelectedText = clBlack;
    switch (AStyle) {
        case tsSuiteABlue:
        case tsSuiteASilver:
        case tsSuiteAOlive:
        case tsSuiteBAzure:
        case tsSuiteBObsidian:
        case tsWorkbench:
        case tsSuiteBSilver: {
            a.ColorHot = 0xEBFDFF, a.ColorHotTo = 0xACECFF, a.ColorMirrorHot = 0x59DAFF, a.ColorMirrorHotTo = 0xA4E9FF;
            a.ColorSelected = 0xAAD9FF, a.ColorSelectedTo = 0x6EBBFF;
            a.ColorMirrorSelected = 0x42AEFE, a.ColorMirrorSelectedTo = 0x7AE1FE;
            a.BorderColor = 0x42AEFE;
            const bool faced = AStyle == tsSuiteBAzure || AStyle == tsSuiteBObsidian || AStyle == tsSuiteBSilver;
            a.BorderColorTop = faced ? 0xF4FEFF : clNone;
            a.BorderColorBottom = faced ? 0xCAF8FF : clNone;
            a.EdgeColor = faced ? 0xC3D9DF : clNone;
            return;
        }
        default: break;
    }
    struct TRow {
        TKeloStyle style;
        TColor hot, hotTo, mirrorHot, mirrorHotTo, sel, selTo, mirrorSel, mirrorSelTo, border, top, bottom, edge,
            selText;
    };
    static const TRow rows[] = {
        {tsSuiteAClassic, 0xD2BDB6, 0xD2BDB6, clNone, clNone, 0xB59285, 0xB59285, clNone, clNone, 0x808080, clNone,
         clNone, clNone, clBlack},
        {tsBevel, 0xEFD3C6, 0xEFD3C6, clNone, clNone, clHighlight, clNone, clNone, clNone, clHighlight, clNone, clNone,
         clNone, clHighlightText},
        {tsFrost, 0xFFFDF9, 0xFFFAF0, clNone, clNone, 0xFEF9F0, 0xFDF0D7, clNone, clNone, 0xFEDF9A, 0xFDFBF6, 0xFDF5E7,
         0xFCEDCB, clBlack},
        {tsGlass, 0xFDFBFA, 0xFDF3EB, clNone, clNone, 0xFCEBDC, 0xFCDBC1, clNone, clNone, 0xCEA27D, 0xFDF4EB, 0xFDEADB,
         0xE0C5AE, clBlack},
        {tsTerminal, 0xC0C0C0, 0xC0C0C0, clNone, clNone, clHighlight, clNone, clNone, clNone, 0x808080, clNone, clNone,
         clNone, clHighlightText},
        {tsSuiteCBlue, 0xD9F9FD, 0x8AE3FD, 0x8AE3FD, 0xD9F9FD, 0x7BEEFF, 0x6CD0FF, 0x6CD0FF, 0x7BEEFF, 0x308AC2, clNone,
         clNone, clNone, clBlack},
    };
    const TKeloStyle key = (AStyle == tsSuiteCSilver || AStyle == tsSuiteCBlack) ? tsSuiteCBlue : AStyle;
    for (const TRow& r : rows) {
        if (r.style != key) continue;
        a.ColorHot = r.hot, a.ColorHotTo = r.hotTo, a.ColorMirrorHot = r.mirrorHot, a.ColorMirrorHotTo = r.mirrorHotTo;
        a.ColorSelected = r.sel, a.ColorSelectedTo = r.selTo;
        a.ColorMirrorSelected = r.mirrorSel, a.ColorMirrorSelectedTo = r.mirrorSelTo;
        a.BorderColor = r.border, a.BorderColorTop = r.top, a.BorderColorBottom = r.bottom, a.EdgeColor = r.edge;
        a.ColorSelectedText = r.selText;
    }
}

// Image-list pictures of disabled items are drawn greyed.
void DrawListImage(TCanvas& Canvas, const IHtmlImageList& Images, int X, int Y, int Index, bool Enabled) {
    if (Enabled) {
        Images.Draw(Canvas, X, Y, Index);
        return;
    }
    TBitmap b;
    Images.GetBitmap(Index, b);
    for (int y = 0; y < b.Height(); ++y)
        for (int x = 0; x < b.Width(); ++x) {
            const TColor c = b.Pixel(x, y);
            const int grey = 128 + (GetRValue(c) * 30 + GetGValue(c) * 59 + GetBValue(c) * 11) / 200;
            b.Canvas().SetPixels(x, y, RGB(grey, grey, grey));
        }
    Canvas.Draw(X, Y, b);
}

// ----------------------------------------------------------------- panel

TCustomItemSelector::TCustomItemSelector(TComponent* AOwner) : TCustomControl(AOwner) {
    FExtItemSelector = dynamic_cast<TExtCustomItemSelector*>(AOwner);
    if (FExtItemSelector == nullptr) throw std::invalid_argument("Invalid parent");
    SetParentColor(true);
    SetAccessibleName("Items");
    SetAccessibleRole(arList);
}

int TCustomItemSelector::Columns() const { return FExtItemSelector->Columns(); }
TSelectorItems& TCustomItemSelector::Items() const { return FExtItemSelector->Items(); }
TSelectorType TCustomItemSelector::SelectorType() const { return FExtItemSelector->SelectorType(); }
TItemLayout TCustomItemSelector::ItemLayout() const { return FExtItemSelector->ItemLayout(); }
const IHtmlImageList* TCustomItemSelector::Images() const { return FExtItemSelector->Images(); }
int TCustomItemSelector::ColorBoxHeight() const { return FExtItemSelector->ColorBoxHeight(); }
int TCustomItemSelector::ColorBoxWidth() const { return FExtItemSelector->ColorBoxWidth(); }
TSelectionColorStyle TCustomItemSelector::ItemColorStyle() const {
    return FExtItemSelector->ItemAppearance().ColorStyle();
}
TColor TCustomItemSelector::ItemColorHot() const { return FExtItemSelector->ItemAppearance().ColorHot; }
TColor TCustomItemSelector::ItemColorHotTo() const { return FExtItemSelector->ItemAppearance().ColorHotTo; }
TColor TCustomItemSelector::ItemColorSelected() const { return FExtItemSelector->ItemAppearance().ColorSelected; }
TColor TCustomItemSelector::ItemColorSelectedTo() const {
    return FExtItemSelector->ItemAppearance().ColorSelectedTo;
}

bool TCustomItemSelector::ValidIndex(int Index) const { return Index >= 0 && Index < Items().Count(); }

void TCustomItemSelector::GetItemArea(TRect& R) {
    R = Rect(0, 0, Width(), Height());
    InflateRect(R, -FOffSetX, -FOffSetY);
}

void TCustomItemSelector::GetItemSize(TSize& ASize) {
    if (FExtItemSelector->OnItemSize) {
        FExtItemSelector->OnItemSize(this, ASize);
        return;
    }
    const bool colour = SelectorType() == stColor;
    int w = colour ? ColorBoxWidth() : 0, h = colour ? ColorBoxHeight() : 0, tw = 0, th = 0;
    TCanvas measure;
    measure.SetFont(FExtItemSelector->ItemAppearance().Font);
    const IHtmlImageList* images = Images();
    for (int i = 0; i < Items().Count(); ++i) {
        const TSelectorItem& it = *Items().Items(i);
        if (!colour) {
            if (!it.Image().Empty()) {
                w = std::max(w, it.Image().Width());
                h = std::max(h, it.Image().Height());
            } else if (images != nullptr && it.ImageIndex() >= 0) {
                w = std::max(w, images->Width());
                h = std::max(h, images->Height());
            }
        }
        const TPoint s = DrawHtmlCaption(measure, it.Caption(), Rect(0, 0, 1000, 500), images, false);
        tw = std::max(tw, s.X);
        th = std::max(th, s.Y);
    }
    if (tw > 0) tw += 4;
    if (ItemLayout() == ilCaptionLeft || ItemLayout() == ilCaptionRight) {
        ASize.cx = 2 * FItemOffSetX + (w > 0 ? w : 0) + (w > 0 && tw > 0 ? FCaptionGap : 0) + tw;
        ASize.cy = std::max(th, h) + 2 * FItemOffSetY;
    } else {
        ASize.cx = std::max(tw, w) + 2 * FItemOffSetX;
        ASize.cy = 2 * FItemOffSetY + (h > 0 ? h : 0) + (h > 0 && th > 0 ? FCaptionGap : 0) + th;
    }
}

void TCustomItemSelector::LayoutItems() {
    TSelectorItems& items = Items();
    if (items.Count() == 0) {
        SetBounds(Left(), Top(), 100, 50);
        return;
    }
    FItemHot = -1;
    TSize size{};
    GetItemSize(size);
    TRect area{};
    GetItemArea(area);
    const int x0 = area.Left, y0 = area.Top, cols = std::max(1, Columns());
    int x = x0, y = y0, widest = 0, inRow = 0;
    for (int k = 0; k < items.Count(); ++k) {
        TSelectorItem& it = *items.Items(k);
        it.FRect = Rect(x, y, x + size.cx, y + size.cy);
        widest = std::max(widest, x);
        x += size.cx;
        if (++inRow == cols && k + 1 < items.Count()) {
            inRow = 0;
            y += size.cy;
            x = x0;
        }
    }
    SetBounds(Left(), Top(), widest + size.cx + x0, y + size.cy + y0);
    Invalidate();
}

void TCustomItemSelector::InvalidateItem(int Index) {
    if (ValidIndex(Index)) Invalidate();
}

// The panel's surface can only be drawn during a paint: drawing an item "at
// once" repaints the panel.
void TCustomItemSelector::DrawItemNow(int Index) {
    if (ValidIndex(Index)) Invalidate();
}

void TCustomItemSelector::Paint() {
    TCanvas& c = Canvas();
    c.Brush().SetStyle(bsSolid);
    c.Brush().SetColor(Color());
    c.FillRect(Rect(0, 0, Width(), Height()));
    for (int i = 0; i < Items().Count(); ++i) DrawItem(i, c);
}

void TCustomItemSelector::DrawItem(int Index, TCanvas& Canvas) {
    if (!ValidIndex(Index) || FExtItemSelector == nullptr) return;
    const TSelectorItem& it = *Items().Items(Index);
    const TRect R = it.FRect;
    if (R.Left < 0 && R.Right < 0) return;
    const TItemAppearance& a = FExtItemSelector->ItemAppearance();
    TColor border = a.BorderColor, top = a.BorderColorTop, bottom = a.BorderColorBottom, edge = a.EdgeColor;
    TColor from = clNone, to = clNone, mirror = clNone, mirrorTo = clNone;
    const bool hot = Index == FItemHot, selected = Index == FItemIndex;
    if (hot) {
        from = a.ColorHot, to = a.ColorHotTo, mirror = a.ColorMirrorHot, mirrorTo = a.ColorMirrorHotTo;
        if (a.BorderColorHot != clNone) border = a.BorderColorHot, top = bottom = edge = clNone;
    }
    if (selected) {
        from = a.ColorSelected, to = a.ColorSelectedTo, mirror = a.ColorMirrorSelected;
        mirrorTo = a.ColorMirrorSelectedTo;
        if (a.BorderColorSelected != clNone) border = a.BorderColorSelected, top = bottom = edge = clNone;
    }
    Canvas.Pen().SetWidth(1);
    if (!hot && !selected) {
        Canvas.Brush().SetStyle(bsSolid);
        Canvas.Brush().SetColor(Color());
        Canvas.FillRect(R);
    } else if (top == clNone) {
        DrawItemBackground(Canvas, R, from, to, border, 1, gdVertical);
    } else {
        DrawSelectionGradientFace(Canvas, {from, to, mirror, mirrorTo, top, bottom, border, edge, Color()}, R, 0);
    }
    if (FExtItemSelector->OnDrawItem) {
        FExtItemSelector->OnDrawItem(this, Canvas, R, Index);
        return;
    }
    DrawContent(Index, Canvas, it, R);
}

void TCustomItemSelector::DrawContent(int Index, TCanvas& Canvas, const TSelectorItem& It, TRect R) {
    const IHtmlImageList* images = Images();
    enum { kNone, kBox, kPicture, kList } kind = kNone;
    int w = 0, h = 0;
    if (SelectorType() == stColor) kind = kBox, w = ColorBoxWidth(), h = ColorBoxHeight();
    else if (!It.Image().Empty()) kind = kPicture, w = It.Image().Width(), h = It.Image().Height();
    else if (images != nullptr && It.ImageIndex() >= 0) kind = kList, w = images->Width(), h = images->Height();

    TRect T = R, B = R;
    InflateRect(T, -FItemOffSetX, -FItemOffSetY);
    B = T;
    const TItemAppearance& a = FExtItemSelector->ItemAppearance();
    Canvas.SetFont(a.Font);
    if (Index == FItemHot) Canvas.Font().SetColor(a.ColorHotText);
    if (Index == FItemIndex) Canvas.Font().SetColor(a.ColorSelectedText);
    Canvas.Brush().SetStyle(bsClear);

    // Draws the box or picture with its top-left at (x, y), centring it
    // vertically in B when Centre is set.
    auto drawContent = [&](int x, int y) {
        switch (kind) {
            case kBox:
                Canvas.Pen().SetColor(clBlack);
                Canvas.Brush().SetStyle(bsSolid);
                Canvas.Brush().SetColor(It.Color());
                Canvas.Rectangle(x, y, x + w, y + h);
                Canvas.Brush().SetStyle(bsClear);
                break;
            case kPicture: Canvas.Draw(x, y, *It.Image().Graphic()); break;
            case kList: DrawListImage(Canvas, *images, x, y, It.ImageIndex(), It.FEnabled); break;
            case kNone: break;
        }
    };
    auto centredTop = [&]() { return kind == kBox ? B.Top : B.Top + (B.Height() - h) / 2; };
    auto drawCaption = [&](TRect& Tr) {
        const TPoint s = DrawHtmlCaption(Canvas, It.Caption(), Tr, images, false);
        if (s.Y < Tr.Height()) Tr.Top += (Tr.Height() - s.Y) / 2;
        DrawHtmlCaption(Canvas, It.Caption(), Tr, images, true);
        return s;
    };
    const bool hasCaption = !It.Caption().empty();
    switch (ItemLayout()) {
        case ilCaptionLeft: {
            if (hasCaption) {
                T.Right -= w;
                const TPoint s = drawCaption(T);
                B.Left = T.Left + s.X + FCaptionGap;
            }
            drawContent(B.Left, centredTop());
            break;
        }
        case ilCaptionRight: {
            if (kind != kNone) {
                drawContent(B.Left, centredTop());
                T.Left = B.Left + w + FCaptionGap;
            }
            if (hasCaption) drawCaption(T);
            break;
        }
        case ilCaptionTop: {
            if (hasCaption) {
                T.Bottom -= h;
                const TPoint s = DrawHtmlCaption(Canvas, It.Caption(), T, images, true);
                B.Top = T.Top + s.Y + FCaptionGap;
            } else {
                B.Top += (B.Height() - h) / 2;
            }
            B.Left += (B.Width() - w) / 2;
            drawContent(B.Left, B.Top);
            break;
        }
        case ilCaptionBottom: {
            if (!hasCaption) B.Top += (B.Height() - h) / 2;
            B.Left += (B.Width() - w) / 2;
            drawContent(B.Left, B.Top);
            if (kind != kNone) T.Top = B.Top + h + FCaptionGap;
            if (hasCaption) DrawHtmlCaption(Canvas, It.Caption(), T, images, true);
            break;
        }
    }
}

int TCustomItemSelector::ItemAtPos(int X, int Y) const {
    for (int i = 0; i < Items().Count(); ++i)
        if (PtInRect(Items().Items(i)->FRect, Point(X, Y))) return i;
    return -1;
}

void TCustomItemSelector::SetItemHot(int Index) {
    if (Index == FItemHot || Index < -1 || Index >= Items().Count()) return;
    if (Index >= 0 && !Items().Items(Index)->FEnabled) return;
    if (FItemHot >= 0) {
        const int old = FItemHot;
        FItemHot = -1;
        InvalidateItem(old);
    }
    FItemHot = Index;
    if (Index >= 0) DrawItemNow(Index);
}

// Rows past the data are refused, and -1 only clears: no item is read for it.
void TCustomItemSelector::SetItemIndex(int Value) {
    if (Value < -1 || Value >= Items().Count()) return;
    if (Value >= 0 && !Items().Items(Value)->FEnabled) return;
    if (FItemIndex >= 0 && FItemIndex != Value) {
        const int old = FItemIndex;
        FItemIndex = -1;
        InvalidateItem(old);
    }
    FItemIndex = Value;
    if (Value >= 0) {
        DrawItemNow(Value);
        if (OnItemSelect) OnItemSelect(this);
    }
}

void TCustomItemSelector::SelectFirst() {
    if (Items().Count() > 0) SetItemIndex(0);
}

void TCustomItemSelector::SelectLast() {
    if (Items().Count() > 0) SetItemIndex(Items().Count() - 1);
}

// From none the first item; otherwise one step, unless it leaves the items.
int TCustomItemSelector::StepFrom(int Current, int Delta) const {
    if (Current < 0) return 0;
    const int next = Current + Delta;
    return next >= 0 && next < Items().Count() ? next : Current;
}

// At either end nothing happens: selecting the same item again would
// report it again.
void TCustomItemSelector::SelectNext() {
    if (Items().Count() > 0 && StepFrom(FItemIndex, 1) != FItemIndex) SetItemIndex(StepFrom(FItemIndex, 1));
}

void TCustomItemSelector::SelectPrevious() {
    if (Items().Count() > 0 && StepFrom(FItemIndex, -1) != FItemIndex) SetItemIndex(StepFrom(FItemIndex, -1));
}

void TCustomItemSelector::HotNext() {
    if (Items().Count() > 0) SetItemHot(StepFrom(FItemHot, 1));
}

void TCustomItemSelector::HotPrevious() {
    if (Items().Count() > 0) SetItemHot(StepFrom(FItemHot, -1));
}

bool TCustomItemSelector::LookupItem(const std::string& S) {
    for (int i = 0; i < Items().Count(); ++i) {
        const std::string text = base::UpperCase(base::Trim(HtmlToPlainText(Items().Items(i)->Caption())));
        if (text.compare(0, S.size(), S) == 0) {
            SetItemIndex(i);
            return true;
        }
    }
    return false;
}

void TCustomItemSelector::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TCustomControl::MouseDown(Button, Shift, X, Y);
    const int i = ItemAtPos(X, Y);
    if (i >= 0 && Items().Items(i)->FEnabled) SetItemIndex(i);
}

void TCustomItemSelector::MouseMove(TShiftState Shift, int X, int Y) {
    TCustomControl::MouseMove(Shift, X, Y);
    const int i = ItemAtPos(X, Y);
    if (i < 0) {
        SetItemHot(-1);
        return;
    }
    if (i == FItemHot) return;
    const TSelectorItem& it = *Items().Items(i);
    if (it.FEnabled) SetItemHot(i);
    else SetItemHot(-1);
    SetHint(it.Hint());
}

void TCustomItemSelector::CMMouseLeave(TMessage& Message) {
    TCustomControl::CMMouseLeave(Message);
    SetItemHot(-1);
}

// The wheel scrolls the host.
bool TCustomItemSelector::DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos) {
    if (TCustomControl::DoMouseWheel(Shift, WheelDelta, MousePos)) return true;
    return FExtItemSelector->Perform(WM_MOUSEWHEEL, MakeLParam(0, WheelDelta), 0) != 0;
}

// ------------------------------------------------------------------ host

TExtCustomItemSelector::TExtCustomItemSelector(TComponent* AOwner) : TScrollingWinControl(AOwner) {
    SetAccessibleName("Item selector");
    SetAccessibleRole(arList);
    SetColor(clWindow);
    SetAutoScroll(true);
    FItems.OnChange = [this](TObject*) { UpdateSelectorPanel(); };
    FItemAppearance.OnChange = [](TObject*) {};
    SetBounds(0, 0, 100, 50);
    CreateSelectorPanel();
    UpdateSelectorPanel();
}

TExtCustomItemSelector::~TExtCustomItemSelector() {
    // The panel reads the items while it goes: free it first.
    delete FItemSelectorPanel;
    FItemSelectorPanel = nullptr;
}

void TExtCustomItemSelector::Notification(TComponent* AComponent) {
    TScrollingWinControl::Notification(AComponent);
    if (AComponent == FItemSelectorPanel) FItemSelectorPanel = nullptr;
}

void TExtCustomItemSelector::CreateSelectorPanel() {
    if (FItemSelectorPanel != nullptr) return;
    FItemSelectorPanel = new TCustomItemSelector(this);
    FItemSelectorPanel->SetParent(this);
    FItemSelectorPanel->SetBounds(0, 0, 100, 50);
    FItemSelectorPanel->OnItemSelect = [this](TObject*) {
        if (OnItemSelect) OnItemSelect(this);
    };
}

void TExtCustomItemSelector::UpdateSelectorPanel() {
    if (FItemSelectorPanel == nullptr) return;
    FItemSelectorPanel->LayoutItems();
    Realign();
}

void TExtCustomItemSelector::SetColumns(int Value) {
    if (Value < 1 || Value == FColumns) return;
    FColumns = Value;
    UpdateSelectorPanel();
}

void TExtCustomItemSelector::SetSelectorType(TSelectorType Value) {
    if (Value == FSelectorType) return;
    FSelectorType = Value;
    UpdateSelectorPanel();
}

void TExtCustomItemSelector::SetImages(const IHtmlImageList* Value) {
    if (Value == FImages) return;
    FImages = Value;
    UpdateSelectorPanel();
}

void TExtCustomItemSelector::SetColorBoxHeight(int Value) {
    if (Value == FColorBoxHeight) return;
    FColorBoxHeight = Value;
    UpdateSelectorPanel();
}

void TExtCustomItemSelector::SetColorBoxWidth(int Value) {
    if (Value == FColorBoxWidth) return;
    FColorBoxWidth = Value;
    UpdateSelectorPanel();
}

void TExtCustomItemSelector::SetItemIndex(int Value) {
    if (FItemSelectorPanel == nullptr) return;
    FItemSelectorPanel->SetItemIndex(Value);
    ScrollItemInView(FItemSelectorPanel->ItemIndex());
}

void TExtCustomItemSelector::PanelMove(void (TCustomItemSelector::*Move)(), bool Hot) {
    if (FItemSelectorPanel == nullptr) return;
    (FItemSelectorPanel->*Move)();
    ScrollItemInView(Hot ? FItemSelectorPanel->ItemHot() : FItemSelectorPanel->ItemIndex());
}

void TExtCustomItemSelector::SelectFirst() { PanelMove(&TCustomItemSelector::SelectFirst, false); }
void TExtCustomItemSelector::SelectLast() { PanelMove(&TCustomItemSelector::SelectLast, false); }
void TExtCustomItemSelector::SelectNext() { PanelMove(&TCustomItemSelector::SelectNext, false); }
void TExtCustomItemSelector::SelectPrevious() { PanelMove(&TCustomItemSelector::SelectPrevious, false); }
void TExtCustomItemSelector::HotNext() { PanelMove(&TCustomItemSelector::HotNext, true); }
void TExtCustomItemSelector::HotPrevious() { PanelMove(&TCustomItemSelector::HotPrevious, true); }

bool TExtCustomItemSelector::LookupItem(const std::string& S) {
    return FItemSelectorPanel != nullptr && FItemSelectorPanel->LookupItem(S);
}

void TExtCustomItemSelector::ScrollItemInView(int Index) {
    if (FItemSelectorPanel == nullptr || Index < 0 || Index >= FItems.Count() ||
        !VertScrollBar().IsScrollBarVisible())
        return;
    TRect r = FItems.Items(Index)->FRect;
    r.Top -= VertScrollBar().Margin();
    r.Bottom += VertScrollBar().Margin();
    OffsetRect(r, FItemSelectorPanel->Left(), FItemSelectorPanel->Top());
    TControlScrollBar& bar = VertScrollBar();
    if (r.Top < 0) {
        bar.SetPosition(bar.Position() + r.Top);
    } else if (r.Bottom > ClientHeight()) {
        if (r.Height() > ClientHeight()) r.Bottom = r.Top + ClientHeight();
        bar.SetPosition(bar.Position() + r.Bottom - ClientHeight());
    }
}

int TExtCustomItemSelector::GetVisibleItemCount() const {
    if (FItemSelectorPanel == nullptr || FItems.Count() == 0) return 0;
    const int h = Height() - (HorzScrollBar().IsScrollBarVisible() ? 20 : 0);
    const int ih = FItems.Items(0)->FRect.Height();
    // Only an item size handler can make rows 0 high: then no row counts.
    if (ih <= 0) return 0;
    return std::max(0, h / ih) * FColumns;
}

TSize TExtCustomItemSelector::GetPanelSize() const {
    if (FItemSelectorPanel == nullptr) return {100, 50};
    return {FItemSelectorPanel->Width(), FItemSelectorPanel->Height()};
}

void TExtCustomItemSelector::Dispatch(TMessage& Message) {
    if (Message.Msg == WM_GETDLGCODE) {
        Message.Result = DLGC_WANTARROWS | DLGC_WANTALLKEYS;
        return;
    }
    TScrollingWinControl::Dispatch(Message);
}

void TExtCustomItemSelector::WMVScroll(TMessage& Message) { TScrollingWinControl::WMVScroll(Message); }

}  // namespace ctl
