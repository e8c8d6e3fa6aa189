#include "controls/ExtCalculator.h"

#include <cmath>
#include <cstdio>

#include "controls/ExtUtil.h"
#include "platform/Messages.h"

namespace ctl {

using namespace plat;

namespace {

enum { tagAdd = 10, tagSub = 11, tagMul = 12, tagDiv = 13, tagSign = 14, tagPoint = 15, tagClear = 16, tagEquals = 17,
       tagPercent = 18, tagBlank = 30, tagBack = 31, tagCE = 32, tagMC = 33, tagMR = 34, tagMS = 35, tagMPlus = 36,
       tagSqrt = 37, tagRecip = 38 };

constexpr int opAdd = 0, opMul = 1, opSub = 2, opDiv = 3, opNone = -1;

std::string FormatG(double v) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%g", v);
    std::string s = buf;
    for (char& c : s)
        if (c == '.') c = GetDecimalSeparator();
    return s;
}

}  // namespace

// ------------------------------------------------------------ key pad

TCustomButtonPanel::TCustomButtonPanel(TComponent* AOwner) : TCustomControl(AOwner) {
    SetAccessibleName("Calculator keys");
    SetAccessibleRole(arClient);
    SetBounds(0, 0, 230, 150);
}

int TCustomButtonPanel::IndexOf(const std::string& Caption) const {
    for (size_t i = 0; i < FButtons.size(); ++i)
        if (FButtons[i].Caption == Caption) return static_cast<int>(i);
    return -1;
}

void TCustomButtonPanel::InitButtons() {
    if (!FButtons.empty() || FType != plCalculator) return;
    const struct {
        const char* caption;
        int tag;
        bool special;
    } keys[] = {{"", tagBlank, false},   {"Back", tagBack, true}, {"CE", tagCE, true},      {"C", tagClear, true},
                {"MC", tagMC, true},     {"MR", tagMR, true},     {"MS", tagMS, true},      {"M+", tagMPlus, true},
                {"0", 0, false},         {"1", 1, false},         {"4", 4, false},          {"7", 7, false},
                {"8", 8, false},         {"5", 5, false},         {"2", 2, false},          {"+/-", tagSign, false},
                {".", tagPoint, false},  {"3", 3, false},         {"6", 6, false},          {"9", 9, false},
                {"/", tagDiv, true},     {"*", tagMul, true},     {"-", tagSub, true},      {"+", tagAdd, true},
                {"=", tagEquals, true},  {"1/x", tagRecip, false}, {"%", tagPercent, false}, {"sqrt", tagSqrt, true}};
    for (const auto& k : keys) {
        TButtonItem b;
        b.Caption = k.caption;
        b.Name = k.tag == tagBlank ? "BTN_ON" : std::string("BTN_") + k.caption;
        b.Tag = k.tag;
        b.Special = k.special;
        FButtons.push_back(b);
    }
    LayoutButtons();
}

void TCustomButtonPanel::ResetButtons() {
    FButtons.clear();
    InitButtons();
}

void TCustomButtonPanel::LayoutButtons() {
    if (FType != plCalculator || FButtons.size() < 28) return;
    const TRect a = Rect(8, 8, Width() - 8, Height() - 8);
    // Keys never shrink below one pixel, however small the panel.
    const int w = std::max(1, (a.Width() - 8) / 6), h = std::max(1, (a.Height() - 4) / 5);
    const int y[5] = {a.Top, a.Top + h + 4, a.Top + 2 * h + 3, a.Top + 3 * h + 2, a.Top + 4 * h + 1};
    const int x0 = a.Left, x1 = x0 + w + 4, x2 = x1 + w - 1, x3 = x2 + w - 1, x4 = x3 + w + 4, x5 = x4 + w - 1;
    const struct {
        const char* caption;
        int x, row;
    } grid[] = {{"MC", x0, 1}, {"7", x1, 1}, {"8", x2, 1}, {"9", x3, 1}, {"/", x4, 1}, {"sqrt", x5, 1},
                {"MR", x0, 2}, {"4", x1, 2}, {"5", x2, 2}, {"6", x3, 2}, {"*", x4, 2}, {"%", x5, 2},
                {"MS", x0, 3}, {"1", x1, 3}, {"2", x2, 3}, {"3", x3, 3}, {"-", x4, 3}, {"1/x", x5, 3},
                {"M+", x0, 4}, {"0", x1, 4}, {"+/-", x2, 4}, {".", x3, 4}, {"+", x4, 4}, {"=", x5, 4}};
    for (const auto& g : grid)
        if (int i = IndexOf(g.caption); i >= 0) FButtons[static_cast<size_t>(i)].Rect = Rect(g.x, y[g.row], g.x + w, y[g.row] + h);
    FButtons[0].Rect = Rect(x0, y[0], x0 + w, y[0] + h);
    const int left = x0 + w + 4;
    const int b = (x5 + w - left - 8) / 3;
    FButtons[static_cast<size_t>(IndexOf("Back"))].Rect = Rect(left, y[0], left + b, y[0] + h);
    FButtons[static_cast<size_t>(IndexOf("CE"))].Rect = Rect(left + b + 4, y[0], left + 2 * b + 4, y[0] + h);
    FButtons[static_cast<size_t>(IndexOf("C"))].Rect = Rect(left + 2 * b + 8, y[0], x5 + w, y[0] + h);
    Invalidate();
}

void TCustomButtonPanel::WMSize(TMessage& Message) {
    TCustomControl::WMSize(Message);
    LayoutButtons();
}

int TCustomButtonPanel::KeyAt(int X, int Y) const {
    for (size_t i = 0; i < FButtons.size(); ++i) {
        const TRect& r = FButtons[i].Rect;
        if (X >= r.Left && X < r.Right && Y >= r.Top && Y < r.Bottom) return FButtons[i].Enabled ? static_cast<int>(i) : -1;
    }
    return -1;
}

void TCustomButtonPanel::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TCustomControl::MouseDown(Button, Shift, X, Y);
    FButtonDown = KeyAt(X, Y);
    Invalidate();
}

void TCustomButtonPanel::MouseMove(TShiftState Shift, int X, int Y) {
    TCustomControl::MouseMove(Shift, X, Y);
    const int k = KeyAt(X, Y);
    if (k != FButtonHot) FButtonHot = k, Invalidate();
}

void TCustomButtonPanel::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TCustomControl::MouseUp(Button, Shift, X, Y);
    const int down = FButtonDown;
    // Only a release over the pressed key counts.
    const int counted = down >= 0 && KeyAt(X, Y) == down ? down : -1;
    FButtonDown = -1;
    Invalidate();
    if (counted >= 0 && OnButtonClick) OnButtonClick(this, counted);
}

void TCustomButtonPanel::CMMouseLeave(TMessage& Message) {
    TCustomControl::CMMouseLeave(Message);
    FButtonHot = -1;
    Invalidate();
}

void TCustomButtonPanel::DrawButton(int Index, TCanvas& c) {
    const TButtonItem& b = FButtons[static_cast<size_t>(Index)];
    TRect r = b.Rect;
    if (r.Left < 0 && r.Right < 0) return;
    // No visual-styles binding exists here: a plain push-button face.
    c.DrawFrameControl(r, DFC_BUTTON, DFCS_BUTTONPUSH | (Index == FButtonDown ? DFCS_PUSHED : 0));
    TRect t = b.Rect;
    InflateRect(t, -4, -4);
    c.Brush().SetStyle(bsClear);
    c.Font().SetStyle(TFontStyles{fsBold});
    c.Font().SetColor(!b.Enabled ? clGray : b.Special ? FAppearance.SpecialTextColor : FAppearance.TextColor);
    c.DrawText(b.Caption, t, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
}

void TCustomButtonPanel::Paint() {
    TCanvas& c = Canvas();
    c.Brush().SetColor(Color());
    c.FillRect(Rect(0, 0, Width(), Height()));
    for (size_t i = 0; i < FButtons.size(); ++i)
        if (static_cast<int>(i) != FButtonHot) DrawButton(static_cast<int>(i), c);
    if (FButtonHot >= 0 && FButtonHot < static_cast<int>(FButtons.size())) DrawButton(FButtonHot, c);
}

// ---------------------------------------------------------- calculator

TExtCalculatorDropdown::TExtCalculatorDropdown(TComponent* AOwner) : TExtCustomDropDown(AOwner) {
    SetDropDownColor(clWhite);
    SetDropDownWidth(230);
    DropDownHeader().Visible = false;
    DropDownFooter().Visible = false;
    SetEditType(etFloat);
    SetPrecision(2);
    CreateDropDownForm();
}

void TExtCalculatorDropdown::CreateDropDownForm() {
    TExtCustomDropDown::CreateDropDownForm();
    if (FPanel != nullptr || FDropDownForm == nullptr) return;
    FPanel = new TCustomButtonPanel(FDropDownForm);
    FPanel->SetBounds(0, 0, 230, 150);
    FPanel->InitButtons();
    FPanel->OnButtonClick = [this](TObject*, int Index) {
        if (Index >= 0 && Index < static_cast<int>(FPanel->Buttons().size()))
            ButtonTag(FPanel->Buttons()[static_cast<size_t>(Index)].Tag);
    };
    SetControl(FPanel);
}

void TExtCalculatorDropdown::BeforeDropDown() {
    TExtCustomDropDown::BeforeDropDown();
    FDropDownForm->SetCancelOnDeActivate(false);
    FPanel->ButtonAppearance() = FCalcButtonAppearance;
    FPanel->SetColor(DropDownColor());
    FPanel->LayoutButtons();
    FNewval = true;
    FDecim = 0;
    FCalcClosed = false;
}

void TExtCalculatorDropdown::SetComponentStyle(TKeloStyle AStyle) {
    TExtCustomDropDown::SetComponentStyle(AStyle);
    const TExtButtonAppearance& a = ButtonAppearance();
    TButtonAppearance& c = FCalcButtonAppearance;
    c.BorderColor = a.BorderColor, c.BorderColorHot = a.BorderColorHot, c.BorderColorDown = a.BorderColorDown;
    c.Color = a.Color, c.ColorTo = a.ColorTo, c.ColorDown = a.ColorDown, c.ColorDownTo = a.ColorDownTo;
    c.ColorHot = a.ColorHot, c.ColorHotTo = a.ColorHotTo;
    if (AStyle == tsSuiteCBlue || AStyle == tsSuiteCSilver || AStyle == tsSuiteCBlack)
        c.GlowColorHot = c.GlowColorDown = a.ColorHot;
    else
        c.GlowColorHot = a.ColorDownTo, c.GlowColorDown = 0xD5C244;
}

void TExtCalculatorDropdown::SetShowThousandSeparator(bool Value) {
    if (Value == FShowThousandSeparator) return;
    FShowThousandSeparator = Value;
    const double v = GetFloatValue();
    SetEditType(Value ? etMoney : etFloat);
    ShowNumber(v);
}

double TExtCalculatorDropdown::Value() {
    if (GetText().empty()) SetText("0");
    return TextToFloat(GetText());
}

void TExtCalculatorDropdown::SetValue(double V) { SetText(FormatG(V)); }

// A text that is no number (typed letters, "Error") counts as 0 rather
// than raising out of a key handler.
double TExtCalculatorDropdown::TextValue() { return TextToFloat(GetText()); }

void TExtCalculatorDropdown::ShowNumber(double V) { SetFloatValue(V); }

void TExtCalculatorDropdown::Calculate() {
    if (GetText().empty() || GetText() == "Error") SetText("0");
    const double x = TextValue();
    switch (FPrevop) {
        case opAdd: FPrevval += x; break;
        case opMul: FPrevval *= x; break;
        case opSub: FPrevval -= x; break;
        case opDiv:
            if (x == 0) {
                FPrevval = 0;
                SetText("Error");
                return;
            }
            FPrevval /= x;
            break;
        default: FPrevval = x; break;
    }
    if (!std::isfinite(FPrevval)) FPrevval = 0;
    ShowNumber(FPrevval);
    FNewval = true;
}

void TExtCalculatorDropdown::Operation(int Op) {
    Calculate();
    FPrevop = Op;
}

void TExtCalculatorDropdown::CalcResult() {
    Calculate();
    if (GetText().empty()) SetText("0");
    FPrevop = opNone;
    if (GetText() != "Error") FPrevval = TextValue();
}

void TExtCalculatorDropdown::Percent() {
    if (GetText().empty() || GetText() == "Error") SetText("0");
    SetText(FormatG(FPrevval * TextValue() / 100));
}

void TExtCalculatorDropdown::ClearEntry(bool KeepPending) {
    SetText("0");
    FPrevop = opNone;
    if (!KeepPending) FPrevval = 0;
}

void TExtCalculatorDropdown::ButtonTag(int Tag) {
    BeforeCalculate();
    if ((Tag >= tagAdd && Tag <= tagSign) || (Tag >= tagClear && Tag <= tagPercent)) FDecim = 0;
    const bool grows = (Tag >= 0 && Tag <= 9) || Tag == tagSign || Tag == tagPoint;
    if (grows && MaxLength() > 0 && static_cast<int>(GetText().size()) >= MaxLength()) return;
    if (Tag >= 0 && Tag <= 9) {
        const double v = TextValue();
        if ((v == 0 && FDecim == 0) || FNewval) {
            SetText(std::to_string(Tag));
            FNewval = false;
        } else if (FDecim > 0) {
            ShowNumber(v + std::copysign(Tag / double(FDecim), v));
            FDecim *= 10;
        } else
            ShowNumber(v * 10 + std::copysign(double(Tag), v));
    } else
        switch (Tag) {
            case tagAdd: Operation(opAdd); break;
            case tagSub: Operation(opSub); break;
            case tagMul: Operation(opMul); break;
            case tagDiv: Operation(opDiv); break;
            case tagSign: {
                const std::string t = GetText();
                if (t.find('-') != std::string::npos) SetPlainText(Prefix() + t.substr(1) + Suffix());
                else SetPlainText(Prefix() + "-" + t + Suffix());
                break;
            }
            case tagPoint:
                if (FNewval) SetText("0");
                if (GetText().find(GetDecimalSeparator()) == std::string::npos)
                    SetPlainText(Prefix() + GetText() + GetDecimalSeparator() + Suffix());
                FDecim = 10;
                FNewval = false;
                break;
            case tagClear:
            case tagBlank:
            case tagCE: ClearEntry(false); break;
            case tagEquals: CalcResult(); break;
            case tagPercent: Percent(); break;
            case tagBack:
                if (FPrevop == opNone) {
                    std::string t = FormatG(TextValue());
                    t.pop_back();
                    SetText(t);
                }
                break;
            case tagMC: FMVal = 0; break;
            case tagMR: ShowNumber(FMVal); break;
            case tagMS: FMVal = TextValue(); break;
            case tagMPlus: FMVal += TextValue(); break;
            case tagSqrt:
                if (TextValue() < 0) SetText("Error");
                else ShowNumber(std::sqrt(TextValue()));
                break;
            case tagRecip:
                if (TextValue() == 0) SetText("Error");
                else ShowNumber(1 / TextValue());
                break;
            default: break;
        }
    SetModified(true);
}

void TExtCalculatorDropdown::KeyPress(char32_t& Key) {
    if (!DroppedDown()) {
        switch (Key) {
            case 13:
            case '=': CalcResult(); Key = 0; return;
            case '%': Percent(); Key = 0; return;
            case '*': Operation(opMul); Key = 0; return;
            case '+': Operation(opAdd); Key = 0; return;
            case '/': Operation(opDiv); Key = 0; return;
            case '-': Operation(opSub); Key = 0; return;
            case 'C':
            case 'c': SetText("0"); FNewval = true; FPrevop = opNone; Key = 0; return;
            default: break;
        }
    }
    const char ds = GetDecimalSeparator();
    const bool digit = Key >= '0' && Key <= '9';
    if (!(digit || Key == static_cast<char32_t>(ds) || Key == 8 || Key == '-')) {
        Key = 0;
        return;
    }
    const int p = static_cast<int>(Prefix().size());
    if (digit && (GetText() == "0" || FNewval)) {
        SetText(std::string(1, static_cast<char>(Key)));
        SetSelStart(p + 1);
        SetSelLength(0);
        FNewval = false;
        Key = 0;
        return;
    }
    if (Key == 8 && GetText().size() == 1) {
        SetText("0");
        SetSelStart(p + 1);
        Key = 0;
        return;
    }
    if (Key == static_cast<char32_t>(ds) && GetText().find(ds) != std::string::npos) {
        Key = 0;
        return;
    }
    TExtCustomDropDown::KeyPress(Key);
}

void TExtCalculatorDropdown::KeyDown(unsigned short& Key, TShiftState Shift) {
    const unsigned short k = Key;
    TExtCustomDropDown::KeyDown(Key, Shift);
    if (k == VK_DELETE && (GetText().empty() || GetText() == "Error")) SetText("0");
}

void TExtCalculatorDropdown::FormKeyPress(char32_t& Key) {
    const char32_t k = Key;
    BeforeCalculate();
    switch (k) {
        case 13: CalcResult(); HideDropDown(false); break;
        case 27: HideDropDown(true); break;
        case '%': Percent(); break;
        case '*': Operation(opMul); break;
        case '+': Operation(opAdd); break;
        case '-': Operation(opSub); break;
        case '/': Operation(opDiv); break;
        case '=': CalcResult(); break;
        case 'C':
        case 'c': SetText("0"); FPrevval = 0; FNewval = true; FPrevop = opNone; break;
        default:
            if (k >= '0' && k <= '9') {
                if (MaxLength() > 0 && static_cast<int>(GetText().size()) >= MaxLength()) break;
                char32_t fwd = k;
                TExtCustomDropDown::FormKeyPress(fwd);
                FNewval = false;
            } else if (k == static_cast<char32_t>(GetDecimalSeparator()))
                ButtonTag(tagPoint);
            break;
    }
    Key = 0;
}

void TExtCalculatorDropdown::FormKeyDown(unsigned short& Key, TShiftState Shift) {
    if (Key == VK_TAB || Key == VK_F4) {
        HideDropDown(false);
        Key = 0;
        return;
    }
    if (Key == VK_BACK) {
        std::string t = GetText();
        if (!t.empty()) t.pop_back();
        SetText(t.empty() || t == "Error" ? "0" : t);
        Key = 0;
        return;
    }
    if (Key == VK_RETURN || Key == VK_ESCAPE) return;  // handled as characters
    TExtCustomDropDown::FormKeyDown(Key, Shift);
}

}  // namespace ctl
