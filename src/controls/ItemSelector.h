#pragma once
// The scrolling grid of items (a picture or a colour box with an HTML
// caption each) that the image picker, the list style of the colour picker
// and the detail picker show in their pop-up. The host window owns the
// items, the look and the settings and scrolls; its one child panel lays
// the items out in rows of Columns cells, sizes itself to them, paints them
// and tracks the hot (hovered) and the selected item.

#include <functional>
#include <string>

#include "controls/EsgHTMLE.h"
#include "controls/ExtDropDown.h"
#include "controls/ItemCollection.h"
#include "platform/Bitmap.h"
#include "platform/ScrollBox.h"

namespace ctl {

class TExtCustomItemSelector;

enum TSelectorType { stImage, stColor };
enum TItemLayout { ilCaptionLeft, ilCaptionRight, ilCaptionTop, ilCaptionBottom };

using TDrawItemEvent =
    std::function<void(plat::TObject* Sender, plat::TCanvas& Canvas, plat::TRect R, int Index)>;
using TItemSizeEvent = std::function<void(plat::TObject* Sender, plat::TSize& ASize)>;
using TOnDrawSelectedItem = std::function<void(plat::TObject* Sender, plat::TCanvas& Canvas, plat::TRect R)>;

class TSelectorItem : public TCollectionItem {
public:
    const std::string& Caption() const { return FCaption; }
    void SetCaption(const std::string& Value);
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int Value);
    plat::TColor Color() const { return FColor; }
    void SetColor(plat::TColor Value);
    // Used instead of ImageIndex when it holds a non-empty graphic.
    plat::TPicture& Image() { return FImage; }
    const plat::TPicture& Image() const { return FImage; }
    void SetImage(const plat::TPicture& Value) { FImage.Assign(Value); }
    const std::string& Hint() const { return FHint; }
    void SetHint(const std::string& Value) { FHint = Value; }
    void Assign(const TSelectorItem& Source);

    // A disabled item can be neither hot nor selected.
    bool FEnabled = true;
    // The item's cell in panel coordinates, written by the layout.
    plat::TRect FRect{};

private:
    std::string FCaption;
    int FImageIndex = -1;
    plat::TColor FColor = plat::clNone;
    plat::TPicture FImage;
    std::string FHint;
};

using TSelectorItems = TItemCollection<TSelectorItem>;

// The panel: lays out and paints the items of its host.
class TCustomItemSelector : public plat::TCustomControl {
public:
    // AOwner must be the host: any other owner throws std::invalid_argument
    // ("Invalid parent").
    explicit TCustomItemSelector(plat::TComponent* AOwner);

    TExtCustomItemSelector* ExtItemSelector() const { return FExtItemSelector; }
    int ItemIndex() const { return FItemIndex; }
    void SetItemIndex(int Value);
    int ItemHot() const { return FItemHot; }
    void SetItemHot(int Index);
    void SelectFirst();
    void SelectLast();
    void SelectNext();
    void SelectPrevious();
    void HotNext();
    void HotPrevious();
    // Selects the first item whose plain, trimmed, upper-cased caption
    // begins with S (taken as given, so callers pass it upper-cased).
    bool LookupItem(const std::string& S);
    int ItemAtPos(int X, int Y) const;

    // Read-only views of the host's settings.
    int Columns() const;
    TSelectorItems& Items() const;
    TSelectorType SelectorType() const;
    TItemLayout ItemLayout() const;
    const IHtmlImageList* Images() const;
    int ColorBoxHeight() const;
    int ColorBoxWidth() const;
    TSelectionColorStyle ItemColorStyle() const;
    plat::TColor ItemColorHot() const;
    plat::TColor ItemColorHotTo() const;
    plat::TColor ItemColorSelected() const;
    plat::TColor ItemColorSelectedTo() const;

    plat::TNotifyEvent OnItemSelect;

    virtual void DrawItem(int Index, plat::TCanvas& Canvas);
    virtual void GetItemArea(plat::TRect& R);
    virtual void GetItemSize(plat::TSize& ASize);
    virtual void InvalidateItem(int Index);
    virtual void LayoutItems();

protected:
    void Paint() override;
    void MouseDown(plat::TMouseButton Button, plat::TShiftState Shift, int X, int Y) override;
    void MouseMove(plat::TShiftState Shift, int X, int Y) override;
    void CMMouseLeave(plat::TMessage& Message) override;
    bool DoMouseWheel(plat::TShiftState Shift, int WheelDelta, plat::TPoint MousePos) override;

private:
    bool ValidIndex(int Index) const;
    int StepFrom(int Current, int Delta) const;
    // Draws the item on the panel now (outside a paint: through a repaint).
    void DrawItemNow(int Index);
    void DrawContent(int Index, plat::TCanvas& Canvas, const TSelectorItem& Item, plat::TRect R);

    TExtCustomItemSelector* FExtItemSelector = nullptr;
    int FItemIndex = -1;
    int FItemHot = -1;
    int FOffSetX = 2, FOffSetY = 2;
    int FItemOffSetX = 4, FItemOffSetY = 4;
    int FCaptionGap = 4;
};

class TExtCustomItemSelector : public plat::TScrollingWinControl {
public:
    explicit TExtCustomItemSelector(plat::TComponent* AOwner);
    ~TExtCustomItemSelector() override;

    TCustomItemSelector* Panel() const { return FItemSelectorPanel; }
    int Columns() const { return FColumns; }
    void SetColumns(int Value);
    TSelectorItems& Items() { return FItems; }
    void SetItems(const TSelectorItems& Value) { FItems.Assign(Value); }
    int ItemIndex() const { return FItemSelectorPanel ? FItemSelectorPanel->ItemIndex() : -1; }
    void SetItemIndex(int Value);
    int ItemHot() const { return FItemSelectorPanel ? FItemSelectorPanel->ItemHot() : -1; }
    TSelectorType SelectorType() const { return FSelectorType; }
    void SetSelectorType(TSelectorType Value);
    TItemLayout ItemLayout() const { return FItemLayout; }
    // Taken at the next UpdateSelectorPanel.
    void SetItemLayout(TItemLayout Value) { FItemLayout = Value; }
    const IHtmlImageList* Images() const { return FImages; }
    void SetImages(const IHtmlImageList* Value);
    TItemAppearance& ItemAppearance() { return FItemAppearance; }
    void SetItemAppearance(const TItemAppearance& Value) { FItemAppearance.Assign(Value); }
    int ColorBoxHeight() const { return FColorBoxHeight; }
    void SetColorBoxHeight(int Value);
    int ColorBoxWidth() const { return FColorBoxWidth; }
    void SetColorBoxWidth(int Value);

    void UpdateSelectorPanel();
    void SelectFirst();
    void SelectLast();
    void SelectNext();
    void SelectPrevious();
    void HotNext();
    void HotPrevious();
    bool LookupItem(const std::string& S);
    void ScrollItemInView(int Index);
    // Whole rows that fit in the window, times Columns.
    int GetVisibleItemCount() const;
    // The panel's size (100 x 50 without a panel); pickers size their
    // pop-up from it.
    plat::TSize GetPanelSize() const;

    plat::TNotifyEvent OnItemSelect;
    TDrawItemEvent OnDrawItem;
    TItemSizeEvent OnItemSize;

protected:
    void Dispatch(plat::TMessage& Message) override;
    void WMVScroll(plat::TMessage& Message) override;
    void Notification(plat::TComponent* AComponent) override;

private:
    void CreateSelectorPanel();
    void PanelMove(void (TCustomItemSelector::*Move)(), bool Hot);
    TCustomItemSelector* FItemSelectorPanel = nullptr;
    TSelectorItems FItems{this};
    TItemAppearance FItemAppearance;
    int FColumns = 1;
    TSelectorType FSelectorType = stImage;
    TItemLayout FItemLayout = ilCaptionRight;
    const IHtmlImageList* FImages = nullptr;
    int FColorBoxHeight = 14, FColorBoxWidth = 14;
};

}  // namespace ctl
