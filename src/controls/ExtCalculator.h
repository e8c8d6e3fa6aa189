#pragma once
// The calculator drop-down: a numeric drop-down edit whose pop-up is a
// pocket calculator key pad. Every result is written back into the edit, so
// closing the pop-up leaves the last shown number as the value. Operations
// run at once from left to right (2 + 3 * 4 = gives 20).

#include <functional>
#include <string>
#include <vector>

#include "controls/ExtDropDown.h"

namespace ctl {

enum TButtonPanelType { plCalculator, plCustom };

struct TButtonItem {
    std::string Caption;
    std::string Name;
    int Tag = 0;
    bool Enabled = true;
    bool Special = false;
    plat::TRect Rect{};
};

// Key colours; only the font and the two text colours reach the painting.
struct TButtonAppearance {
    plat::TColor Color = 0x9A915F, ColorTo = 0xB0A170, ColorHot = 0x9F6F1C, ColorHotTo = 0xD5C244;
    plat::TColor GlowColorHot = 0xD5C244, ColorDown = 0x4B2F08, ColorDownTo = 0xADB514, GlowColorDown = 0xD5C244;
    plat::TColor BorderColor = plat::clBlack, BorderColorHot = plat::clBlack, BorderColorDown = plat::clBlack;
    plat::TColor TextColor = plat::clBlack, SpecialTextColor = 0x000080;
};

using TCalculatorButtonClickEvent = std::function<void(plat::TObject* Sender, int Index)>;

// The key pad. With plCalculator it creates and places the 28 calculator
// keys; with plCustom the keys and their rectangles are the caller's.
class TCustomButtonPanel : public plat::TCustomControl {
public:
    explicit TCustomButtonPanel(plat::TComponent* AOwner);
    std::vector<TButtonItem>& Buttons() { return FButtons; }
    TButtonPanelType ButtonPanelType() const { return FType; }
    void SetButtonPanelType(TButtonPanelType Value) { FType = Value; }
    TButtonAppearance& ButtonAppearance() { return FAppearance; }
    int ButtonHot() const { return FButtonHot; }
    int ButtonDown() const { return FButtonDown; }
    // The key with this caption, or -1.
    int IndexOf(const std::string& Caption) const;
    void InitButtons();
    void ResetButtons();
    void LayoutButtons();

    TCalculatorButtonClickEvent OnButtonClick;

protected:
    void Paint() override;
    void MouseDown(plat::TMouseButton Button, plat::TShiftState Shift, int X, int Y) override;
    void MouseMove(plat::TShiftState Shift, int X, int Y) override;
    void MouseUp(plat::TMouseButton Button, plat::TShiftState Shift, int X, int Y) override;
    void CMMouseLeave(plat::TMessage& Message) override;
    void WMSize(plat::TMessage& Message) override;

private:
    int KeyAt(int X, int Y) const;
    void DrawButton(int Index, plat::TCanvas& Canvas);
    std::vector<TButtonItem> FButtons;
    TButtonPanelType FType = plCalculator;
    TButtonAppearance FAppearance;
    int FButtonHot = -1;
    int FButtonDown = -1;
};

class TExtCalculatorDropdown : public TExtCustomDropDown {
public:
    explicit TExtCalculatorDropdown(plat::TComponent* AOwner);

    TCustomButtonPanel* Panel() const { return FPanel; }
    TButtonAppearance& CalcButtonAppearance() { return FCalcButtonAppearance; }
    bool ShowThousandSeparator() const { return FShowThousandSeparator; }
    void SetShowThousandSeparator(bool Value);
    double Value();
    void SetValue(double Value);
    double Memory() const { return FMVal; }
    // The = key.
    void CalcResult();
    // A key of the pad by its tag (0-9 digits, 10 + 11 - 12 * 13 /, ...).
    void ButtonTag(int Tag);

    void SetComponentStyle(TKeloStyle AStyle) override;
    void BeforeDropDown() override;
    void FormKeyPress(char32_t& Key) override;
    void FormKeyDown(unsigned short& Key, plat::TShiftState Shift) override;
    virtual void BeforeCalculate() {}

protected:
    void CreateDropDownForm() override;
    void KeyPress(char32_t& Key) override;
    void KeyDown(unsigned short& Key, plat::TShiftState Shift) override;

private:
    void Calculate();
    void Operation(int Op);
    void Percent();
    void ShowNumber(double V);
    double TextValue();
    void ClearEntry(bool KeepPending);

    TCustomButtonPanel* FPanel = nullptr;
    double FPrevval = 0;
    int FPrevop = -1;  // 0 add, 1 multiply, 2 subtract, 3 divide, -1 none
    bool FNewval = false;
    long long FDecim = 0;
    double FMVal = 0;
    bool FCalcClosed = true;
    TButtonAppearance FCalcButtonAppearance;
    bool FShowThousandSeparator = false;
};

}  // namespace ctl
