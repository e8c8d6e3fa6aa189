#pragma once
// A drop-down for choosing a colour. Its text cannot be typed: the edit
// shows a box of the chosen colour and, optionally, a text for it. The
// pop-up shows one of four panels: a list of named colours, a palette of 60
// boxes, a honeycomb colour cube or a colour spectrum.

#include <string>

#include "controls/ColorSelector.h"
#include "controls/ItemPicker.h"

namespace ctl {

enum TColorSelectionStyle { csList, csDiscrete, csColorCube, csSpectrum };
enum TColorValueText { cvtNone, cvtHex, cvtWebName, cvtRGB, cvtHTML };

class TColorItem : public TCollectionItem {
public:
    const std::string& Caption() const { return FCaption; }
    void SetCaption(const std::string& Value);
    plat::TColor Color() const { return FColor; }
    void SetColor(plat::TColor Value);
    const std::string& Hint() const { return FHint; }
    void SetHint(const std::string& Value) { FHint = Value; }
    void Assign(const TColorItem& Source);

    bool FEnabled = true;
    plat::TRect FRect{};

private:
    std::string FCaption;
    plat::TColor FColor = plat::clNone;
    std::string FHint;
};

using TColorItems = TItemCollection<TColorItem>;

// The web colour name of a colour ("clWebSnow"), or "#RRGGBB" for a colour
// that has none.
std::string WebColorName(plat::TColor Color);

class TExtColorPickerDropDown : public TExtItemPickerDropDown {
public:
    explicit TExtColorPickerDropDown(plat::TComponent* AOwner);

    TColorSelectionStyle ColorSelectionStyle() const { return FColorSelectionStyle; }
    void SetColorSelectionStyle(TColorSelectionStyle Value);
    TColorItems& Colors() { return FColors; }
    void SetColors(const TColorItems& Value) { FColors.Assign(Value); }
    int ItemIndex() const { return FItemIndex; }
    // Values at or past the end of Colors are ignored; -1 keeps the colour.
    void SetItemIndex(int Value);
    plat::TColor SelectedColor() const { return FSelectedColor; }
    void SetSelectedColor(plat::TColor Value);
    int ColorBoxWidth() const { return FColorBoxWidth; }
    void SetColorBoxWidth(int Value) { FColorBoxWidth = Value; }
    int ColorBoxHeight() const { return FColorBoxHeight; }
    void SetColorBoxHeight(int Value) { FColorBoxHeight = Value; }
    TColorValueText ColorValueText() const { return FColorValueText; }
    void SetColorValueText(TColorValueText Value);
    bool ShowText() const { return FShowText; }
    void SetShowText(bool Value);
    virtual std::string SelectedColorText() const;
    // Appends the 16 basic colours to Colors.
    void AddDefaultColors();

    TCustomColorSelector* ColorSelector() const { return FColorSelector; }
    TExtColorCubePanel* ColorCubePanel() const { return FColorCubePanel; }
    TExtColorSpectrumPanel* SpectrumPanel() const { return FSpectrumPanel; }

    void BeforeDropDown() override;
    void DoHideDropDown(bool Cancelled) override;
    void SetSelectionColorStyle(TSelectionColorStyle Value) override;
    void SelectNextItem() override;
    void SelectPreviousItem() override;

    plat::TNotifyEvent OnSelect;
    TOnDrawSelectedItem OnDrawSelectedColor;
    TDrawItemEvent OnDrawColor;

protected:
    void CreateDropDownForm() override;
    void SizeDropDownForm() override;
    void Notification(plat::TComponent* AComponent) override;
    int PickerCount() const override { return FColors.Count(); }
    int PickerItemIndex() const override { return FItemIndex; }
    void SetPickerItemIndex(int Value) override { SetItemIndex(Value); }
    void FillSelectorItem(int Index, TSelectorItem& Item) const override;
    void FireSelect() override;
    void PaintFace(plat::TCanvas& Canvas, plat::TRect R) override;
    bool ListShown() const override { return FColorSelectionStyle == csList; }
    bool OtherPanelKey(unsigned short Key) override;
    bool OtherPanelEnter() override;

private:
    // Makes the panel of the current style once and loads the picker's
    // value into it.
    void PreparePanel();
    plat::TControl* CurrentPanel() const;
    void PanelColorPicked(plat::TColor Color);
    void WheelPalette(bool Next);

    TColorSelectionStyle FColorSelectionStyle = csList;
    TColorItems FColors{this};
    int FItemIndex = -1;
    plat::TColor FSelectedColor = plat::clNone;
    int FColorBoxWidth = 14, FColorBoxHeight = 14;
    TColorValueText FColorValueText = cvtNone;
    bool FShowText = true;
    TCustomColorSelector* FColorSelector = nullptr;
    TExtColorCubePanel* FColorCubePanel = nullptr;
    TExtColorSpectrumPanel* FSpectrumPanel = nullptr;
    plat::TColor FOldSelectedColor = plat::clNone;
};

}  // namespace ctl
