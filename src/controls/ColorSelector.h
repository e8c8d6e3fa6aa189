#pragma once
// The colour panels of the colour picker's pop-up: the palette of small
// colour boxes (ten to a row, the first row apart, the lower rows joined
// into columns of shades), the honeycomb colour cube and the spectrum.

#include <array>
#include <string>

#include "controls/ExtDropDown.h"
#include "controls/ItemCollection.h"
#include "platform/ExtCtrls.h"

namespace ctl {

// The common base of the colour panels. The cube and the spectrum fire
// FOnShouldHide on mouse up.
class TExtCustomColorSelectorPanel : public plat::TCustomControl {
public:
    using plat::TCustomControl::TCustomControl;
    plat::TNotifyEvent FOnShouldHide;
};

// Where a box stands in a column of joined boxes.
enum TItemPos { ipStandAlone, ipTop, ipMiddle, ipBottom };

class TColorBoxItem : public TCollectionItem {
public:
    plat::TColor Color() const { return FColor; }
    void SetColor(plat::TColor Value);
    TItemPos ColorBoxPos() const { return FColorBoxPos; }
    void SetColorBoxPos(TItemPos Value) { FColorBoxPos = Value; }
    void Assign(const TColorBoxItem& Source);

    bool FEnabled = true;
    plat::TRect FRect{};

private:
    plat::TColor FColor = plat::clNone;
    TItemPos FColorBoxPos = ipStandAlone;
};

using TColorBoxItems = TItemCollection<TColorBoxItem>;

struct TColorBoxAppearance {
    plat::TColor BorderColor = 0xC5C5C5;
    plat::TColor OuterBorderColorHot = 0x3694F2;
    plat::TColor InnerBorderColorHot = 0x94E2FF;
    plat::TColor OuterBorderColorSelected = 0x0000FF;
    plat::TColor InnerBorderColorSelected = 0x94E2FF;
    void Assign(const TColorBoxAppearance& Source) { *this = Source; }
    plat::TNotifyEvent OnChange;
};

class TCustomColorSelector : public TExtCustomColorSelectorPanel {
public:
    explicit TCustomColorSelector(plat::TComponent* AOwner);

    int ItemIndex() const { return FItemIndex; }
    void SetItemIndex(int Index);
    int ItemHot() const { return FItemHot; }
    void SetItemHot(int Index);
    int Columns() const { return FColumns; }
    void SetColumns(int Value);
    int ColumnGap() const { return FColumnGap; }
    void SetColumnGap(int Value);
    int ColorBoxWidth() const { return FColorBoxWidth; }
    void SetColorBoxWidth(int Value);
    int ColorBoxHeight() const { return FColorBoxHeight; }
    void SetColorBoxHeight(int Value);
    TColorBoxAppearance& ColorBoxAppearance() { return FColorBoxAppearance; }
    void SetColorBoxAppearance(const TColorBoxAppearance& Value) { FColorBoxAppearance.Assign(Value); }
    TColorBoxItems& Items() { return FItems; }
    void SetItems(const TColorBoxItems& Value) { FItems.Assign(Value); }
    TSelectionColorStyle ItemColorStyle() const { return FItemColorStyle; }
    void SetItemColorStyle(TSelectionColorStyle Value);
    plat::TColor SelectedColor() const { return FSelectedColor; }
    void SetSelectedColor(plat::TColor Value);

    // The 60 boxes of the default palette (the list is cleared first).
    void FillDefaultColors();
    void SelectFirst();
    void SelectLast();
    void SelectNext();
    void SelectPrevious();
    void HotNext();
    void HotPrevious();
    // Page Up/Down, Home/End and the arrows move the selection; other keys
    // and a disabled control do nothing.
    void SelectByKey(unsigned short Key, bool EditorEnabled, bool DroppedDown);
    int ItemAtPos(int X, int Y) const;

    plat::TNotifyEvent OnItemSelect;

    virtual void DrawItem(int Index, plat::TCanvas& Canvas);
    virtual void GetItemArea(plat::TRect& R);
    virtual void GetItemSize(plat::TSize& ASize);
    virtual void LayoutItems();
    virtual void InvalidateItem(int Index);

protected:
    void Paint() override;
    void MouseDown(plat::TMouseButton Button, plat::TShiftState Shift, int X, int Y) override;
    void MouseMove(plat::TShiftState Shift, int X, int Y) override;
    void CMMouseLeave(plat::TMessage& Message) override;

private:
    bool ValidIndex(int Index) const { return Index >= 0 && Index < FItems.Count(); }
    void SelectIfInside(int Index);
    int FItemIndex = -1;
    int FItemHot = -1;
    int FOffSetX = 4, FOffSetY = 4;
    int FColumns = 10;
    int FColumnGap = 4;
    int FColorBoxWidth = 12, FColorBoxHeight = 12;
    TColorBoxAppearance FColorBoxAppearance;
    TColorBoxItems FItems{this};
    TSelectionColorStyle FItemColorStyle = scSuiteB;
    plat::TColor FSelectedColor = plat::clNone;
};

// 127 colours as a honeycomb of hexagonal cells, numbered 1 to 127 row by
// row from the top.
class TExtColorCubePanel : public TExtCustomColorSelectorPanel {
public:
    struct TCubeCell {
        int X = 0, Y = 0;
        plat::TColor Color = plat::clNone;
    };
    static constexpr int CellCount = 127;

    explicit TExtColorCubePanel(plat::TComponent* AOwner);
    plat::TColor SelectedColor() const { return FSelectedColor; }
    // Marks the first cell of exactly that colour (none: -1); no repaint.
    void SetSelectedColor(plat::TColor Value);
    int SelectedIndex() const { return FSelectedIndex; }
    int HotIndex() const { return FHotIndex; }
    void SetHotIndex(int Value) { FHotIndex = Value; }
    bool ShowRGBHint() const { return FShowRGBHint; }
    void SetShowRGBHint(bool Value);
    // Cell 1 to 127.
    const TCubeCell& Cell(int Index) const { return FCubeCells.at(static_cast<size_t>(Index - 1)); }
    // Places the cells again (the picker does it before each opening).
    void SetColorCubeCells();
    // The first cell whose centre lies within the hit radius, or -1.
    int CellAtPos(int X, int Y) const;
    // The colour under a point of the panel (clNone between cells).
    plat::TColor ColorAtPos(int X, int Y) const;

    plat::TNotifyEvent OnSelect;

protected:
    void Paint() override;
    void MouseDown(plat::TMouseButton Button, plat::TShiftState Shift, int X, int Y) override;
    void MouseMove(plat::TShiftState Shift, int X, int Y) override;
    void MouseUp(plat::TMouseButton Button, plat::TShiftState Shift, int X, int Y) override;

private:
    void DrawCell(plat::TCanvas& Canvas, int Index);
    std::array<TCubeCell, CellCount> FCubeCells{};
    plat::TPoint FCubeSize{6, 3};
    plat::TColor FSelectedColor = plat::clNone;
    int FSelectedIndex = -1;
    int FHotIndex = -1;
    bool FShowRGBHint = true;
};

// The colour of the spectrum picture at a pixel: the hue runs across from
// red through yellow, green, cyan, blue and magenta back to red; the top row
// is white, the middle rows the pure hues, the bottom row black.
plat::TColor SpectrumColorAt(int X, int Y);

// The cross pointer the spectrum picture shows, under the program's own
// cursor number.
constexpr plat::TCursor crSpectrumPointer = 54;

// A spectrum picture from which any pixel colour can be taken, with a box
// for the selected and one for the hovered colour below it.
class TExtColorSpectrumPanel : public TExtCustomColorSelectorPanel {
public:
    static constexpr int SpectrumSize = 128;
    explicit TExtColorSpectrumPanel(plat::TComponent* AOwner);
    plat::TColor SelectedColor() const { return FSelectedColor; }
    void SetSelectedColor(plat::TColor Value);
    plat::TColor HotColor() const { return FHotColor; }
    plat::TImage* SpectrumImage() const { return FSpectrumImage; }
    plat::TRect HotRect() const { return FHotRect; }
    plat::TRect SelectedRect() const { return FSelectedRect; }
    // Sizes the panel, places the picture and the two boxes and forgets the
    // hovered colour (the picker does it before each opening).
    void SetSpectrumLayout();

    plat::TNotifyEvent OnSelect;

protected:
    void Paint() override;
    void MouseUp(plat::TMouseButton Button, plat::TShiftState Shift, int X, int Y) override;

private:
    void ImageMouseMove(int X, int Y);
    void ImageMouseDown();
    plat::TImage* FSpectrumImage = nullptr;
    plat::TColor FHotColor = plat::clNone;
    plat::TColor FSelectedColor = plat::clWhite;
    plat::TRect FHotRect{}, FSelectedRect{};
};

}  // namespace ctl
