#include "controls/ColorPicker.h"

#include <cstdio>

#include "platform/Messages.h"

namespace ctl {

using namespace plat;

// ------------------------------------------------------------ colour item

void TColorItem::SetCaption(const std::string& Value) {
    if (Value == FCaption) return;
    FCaption = Value;
    Changed();
}

void TColorItem::SetColor(TColor Value) {
    if (Value == FColor) return;
    FColor = Value;
    Changed();
}

void TColorItem::Assign(const TColorItem& Source) {
    if (&Source == this) return;
    SetCaption(Source.FCaption);
    SetColor(Source.FColor);
    FEnabled = Source.FEnabled;
    FHint = Source.FHint;
}

// ------------------------------------------------------------- web names

namespace {

struct TWebColor {
    const char* name;
    std::uint32_t rgb;  // $RRGGBB, as web pages write it
};

// Where two names share a value, the first one is the colour's name.
constexpr TWebColor kWebColors[] = {
    {"AliceBlue", 0xF0F8FF}, {"AntiqueWhite", 0xFAEBD7}, {"Aqua", 0x00FFFF}, {"Aquamarine", 0x7FFFD4},
    {"Azure", 0xF0FFFF}, {"Beige", 0xF5F5DC}, {"Bisque", 0xFFE4C4}, {"Black", 0x000000},
    {"BlanchedAlmond", 0xFFEBCD}, {"Blue", 0x0000FF}, {"BlueViolet", 0x8A2BE2}, {"Brown", 0xA52A2A},
    {"BurlyWood", 0xDEB887}, {"CadetBlue", 0x5F9EA0}, {"Chartreuse", 0x7FFF00}, {"Chocolate", 0xD2691E},
    {"Coral", 0xFF7F50}, {"CornflowerBlue", 0x6495ED}, {"Cornsilk", 0xFFF8DC}, {"Crimson", 0xDC143C},
    {"Cyan", 0x00FFFF}, {"DarkBlue", 0x00008B}, {"DarkCyan", 0x008B8B}, {"DarkGoldenRod", 0xB8860B},
    {"DarkGray", 0xA9A9A9}, {"DarkGreen", 0x006400}, {"DarkKhaki", 0xBDB76B}, {"DarkMagenta", 0x8B008B},
    {"DarkOliveGreen", 0x556B2F}, {"DarkOrange", 0xFF8C00}, {"DarkOrchid", 0x9932CC}, {"DarkRed", 0x8B0000},
    {"DarkSalmon", 0xE9967A}, {"DarkSeaGreen", 0x8FBC8F}, {"DarkSlateBlue", 0x483D8B}, {"DarkSlateGray", 0x2F4F4F},
    {"DarkTurquoise", 0x00CED1}, {"DarkViolet", 0x9400D3}, {"DeepPink", 0xFF1493}, {"DeepSkyBlue", 0x00BFFF},
    {"DimGray", 0x696969}, {"DodgerBlue", 0x1E90FF}, {"FireBrick", 0xB22222}, {"FloralWhite", 0xFFFAF0},
    {"ForestGreen", 0x228B22}, {"Fuchsia", 0xFF00FF}, {"Gainsboro", 0xDCDCDC}, {"GhostWhite", 0xF8F8FF},
    {"Gold", 0xFFD700}, {"GoldenRod", 0xDAA520}, {"Gray", 0x808080}, {"Green", 0x008000},
    {"GreenYellow", 0xADFF2F}, {"HoneyDew", 0xF0FFF0}, {"HotPink", 0xFF69B4}, {"IndianRed", 0xCD5C5C},
    {"Indigo", 0x4B0082}, {"Ivory", 0xFFFFF0}, {"Khaki", 0xF0E68C}, {"Lavender", 0xE6E6FA},
    {"LavenderBlush", 0xFFF0F5}, {"LawnGreen", 0x7CFC00}, {"LemonChiffon", 0xFFFACD}, {"LightBlue", 0xADD8E6},
    {"LightCoral", 0xF08080}, {"LightCyan", 0xE0FFFF}, {"LightGoldenRodYellow", 0xFAFAD2}, {"LightGray", 0xD3D3D3},
    {"LightGreen", 0x90EE90}, {"LightPink", 0xFFB6C1}, {"LightSalmon", 0xFFA07A}, {"LightSeaGreen", 0x20B2AA},
    {"LightSkyBlue", 0x87CEFA}, {"LightSlateGray", 0x778899}, {"LightSteelBlue", 0xB0C4DE},
    {"LightYellow", 0xFFFFE0}, {"Lime", 0x00FF00}, {"LimeGreen", 0x32CD32}, {"Linen", 0xFAF0E6},
    {"Magenta", 0xFF00FF}, {"Maroon", 0x800000}, {"MediumAquaMarine", 0x66CDAA}, {"MediumBlue", 0x0000CD},
    {"MediumOrchid", 0xBA55D3}, {"MediumPurple", 0x9370DB}, {"MediumSeaGreen", 0x3CB371},
    {"MediumSlateBlue", 0x7B68EE}, {"MediumSpringGreen", 0x00FA9A}, {"MediumTurquoise", 0x48D1CC},
    {"MediumVioletRed", 0xC71585}, {"MidnightBlue", 0x191970}, {"MintCream", 0xF5FFFA}, {"MistyRose", 0xFFE4E1},
    {"Moccasin", 0xFFE4B5}, {"NavajoWhite", 0xFFDEAD}, {"Navy", 0x000080}, {"OldLace", 0xFDF5E6},
    {"Olive", 0x808000}, {"OliveDrab", 0x6B8E23}, {"Orange", 0xFFA500}, {"OrangeRed", 0xFF4500},
    {"Orchid", 0xDA70D6}, {"PaleGoldenRod", 0xEEE8AA}, {"PaleGreen", 0x98FB98}, {"PaleTurquoise", 0xAFEEEE},
    {"PaleVioletRed", 0xDB7093}, {"PapayaWhip", 0xFFEFD5}, {"PeachPuff", 0xFFDAB9}, {"Peru", 0xCD853F},
    {"Pink", 0xFFC0CB}, {"Plum", 0xDDA0DD}, {"PowderBlue", 0xB0E0E6}, {"Purple", 0x800080}, {"Red", 0xFF0000},
    {"RosyBrown", 0xBC8F8F}, {"RoyalBlue", 0x4169E1}, {"SaddleBrown", 0x8B4513}, {"Salmon", 0xFA8072},
    {"SandyBrown", 0xF4A460}, {"SeaGreen", 0x2E8B57}, {"SeaShell", 0xFFF5EE}, {"Sienna", 0xA0522D},
    {"Silver", 0xC0C0C0}, {"SkyBlue", 0x87CEEB}, {"SlateBlue", 0x6A5ACD}, {"SlateGray", 0x708090},
    {"Snow", 0xFFFAFA}, {"SpringGreen", 0x00FF7F}, {"SteelBlue", 0x4682B4}, {"Tan", 0xD2B48C},
    {"Teal", 0x008080}, {"Thistle", 0xD8BFD8}, {"Tomato", 0xFF6347}, {"Turquoise", 0x40E0D0},
    {"Violet", 0xEE82EE}, {"Wheat", 0xF5DEB3}, {"White", 0xFFFFFF}, {"WhiteSmoke", 0xF5F5F5},
    {"Yellow", 0xFFFF00}, {"YellowGreen", 0x9ACD32},
};

std::string HtmlColor(TColor Color) {
    const TColor c = ColorToRGB(Color);
    char buf[16];
    std::snprintf(buf, sizeof buf, "#%02X%02X%02X", GetRValue(c), GetGValue(c), GetBValue(c));
    return buf;
}

struct TNamedColor {
    const char* caption;
    TColor color;
};

constexpr TNamedColor kDefaultColors[] = {
    {"Black", 0x000000}, {"Maroon", 0x000080}, {"Green", 0x008000}, {"Olive", 0x008080},
    {"Navy", 0x800000}, {"Purple", 0x800080}, {"Teal", 0x808000}, {"Gray", 0x808080},
    {"Silver", 0xC0C0C0}, {"Red", 0x0000FF}, {"Lime", 0x00FF00}, {"Yellow", 0x00FFFF},
    {"Blue", 0xFF0000}, {"Fuchsia", 0xFF00FF}, {"Aqua", 0xFFFF00}, {"White", 0xFFFFFF},
};

}  // namespace

std::string WebColorName(TColor Color) {
    const TColor c = ColorToRGB(Color);
    const std::uint32_t rgb = (std::uint32_t(GetRValue(c)) << 16) | (std::uint32_t(GetGValue(c)) << 8) | GetBValue(c);
    for (const TWebColor& w : kWebColors)
        if (w.rgb == rgb) return std::string("clWeb") + w.name;
    return HtmlColor(c);
}

// ----------------------------------------------------------------- picker

TExtColorPickerDropDown::TExtColorPickerDropDown(TComponent* AOwner) : TExtItemPickerDropDown(AOwner) {
    SetDropDownHeight(200);
    DropDownHeader().Visible = false;
    DropDownFooter().Visible = false;
    FColors.OnChange = [](TObject*) {};
    Face()->SetAccessibleName("Colour picker");
    CreateDropDownForm();
}

void TExtColorPickerDropDown::Notification(TComponent* AComponent) {
    TExtItemPickerDropDown::Notification(AComponent);
    if (AComponent == FColorSelector) FColorSelector = nullptr;
    if (AComponent == FColorCubePanel) FColorCubePanel = nullptr;
    if (AComponent == FSpectrumPanel) FSpectrumPanel = nullptr;
    if (AComponent == FItemSelector) FItemSelector = nullptr;
}

void TExtColorPickerDropDown::AddDefaultColors() {
    for (const TNamedColor& n : kDefaultColors) {
        TColorItem* it = FColors.Add();
        it->SetCaption(n.caption);
        it->SetColor(n.color);
    }
}

void TExtColorPickerDropDown::FillSelectorItem(int Index, TSelectorItem& Item) const {
    const TColorItem& c = *FColors.Items(Index);
    Item.SetCaption(c.Caption());
    Item.SetColor(c.Color());
    Item.SetHint(c.Hint());
    Item.FEnabled = c.FEnabled;
}

void TExtColorPickerDropDown::FireSelect() {
    if (OnSelect) OnSelect(this);
}

void TExtColorPickerDropDown::SetItemIndex(int Value) {
    if (Value >= FColors.Count()) return;
    FItemIndex = Value;
    if (Value >= 0) FSelectedColor = FColors.Items(Value)->Color();
    RepaintFace();
    FireSelect();
}

void TExtColorPickerDropDown::SetSelectedColor(TColor Value) {
    if (Value == FSelectedColor) return;
    FSelectedColor = Value;
    for (int i = 0; i < FColors.Count(); ++i)
        if (FColors.Items(i)->Color() == Value) {
            SetItemIndex(i);
            break;
        }
    RepaintFace();
}

void TExtColorPickerDropDown::SetColorValueText(TColorValueText Value) {
    FColorValueText = Value;
    RepaintFace();
}

void TExtColorPickerDropDown::SetShowText(bool Value) {
    if (Value == FShowText) return;
    FShowText = Value;
    RepaintFace();
}

std::string TExtColorPickerDropDown::SelectedColorText() const {
    if (FColorSelectionStyle == csList && FItemIndex >= 0) return FColors.Items(FItemIndex)->Caption();
    // No colour has no text: "no colour" would otherwise read as black.
    if (FSelectedColor == clNone) return "";
    const TColor c = ColorToRGB(FSelectedColor);
    char buf[64];
    switch (FColorValueText) {
        case cvtNone: return "";
        case cvtHex: std::snprintf(buf, sizeof buf, "%06X", static_cast<unsigned>(FSelectedColor)); return buf;
        case cvtWebName: return WebColorName(c);
        case cvtRGB:
            std::snprintf(buf, sizeof buf, "Red:%d,Green:%d,Blue:%d", GetRValue(c), GetGValue(c), GetBValue(c));
            return buf;
        case cvtHTML: return HtmlColor(c);
    }
    return "";
}

void TExtColorPickerDropDown::PaintFace(TCanvas& Canvas, TRect R) {
    if (OnDrawSelectedColor) {
        OnDrawSelectedColor(this, Canvas, R);
        return;
    }
    if (FSelectedColor == clNone) return;
    const int x = R.Left + 3, y = R.Top + (R.Height() - FColorBoxHeight) / 2;
    Canvas.Pen().SetColor(clBlack);
    Canvas.Brush().SetStyle(bsSolid);
    Canvas.Brush().SetColor(FSelectedColor);
    Canvas.Rectangle(x, y, x + FColorBoxWidth, y + FColorBoxHeight);
    if (!FShowText) return;
    Canvas.SetFont(Font());
    if (!EditorEnabled() && Focused()) Canvas.Font().SetColor(clHighlightText);
    Canvas.Brush().SetStyle(bsClear);
    TRect t = Rect(x + FColorBoxWidth + 4, R.Top, R.Right, R.Bottom);
    Canvas.DrawText(SelectedColorText(), t, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX);
}

void TExtColorPickerDropDown::CreateDropDownForm() {
    TExtItemPickerDropDown::CreateDropDownForm();
    if (FItemSelector != nullptr) {
        FItemSelector->SetSelectorType(stColor);
        FItemSelector->SetHeight(150);
    }
}

TControl* TExtColorPickerDropDown::CurrentPanel() const {
    switch (FColorSelectionStyle) {
        case csList: return FItemSelector;
        case csDiscrete: return FColorSelector;
        case csColorCube: return FColorCubePanel;
        case csSpectrum: return FSpectrumPanel;
    }
    return nullptr;
}

void TExtColorPickerDropDown::PanelColorPicked(TColor Color) {
    SetSelectedColor(Color);
    SetItemIndex(-1);
    DoHideDropDown(false);
}

void TExtColorPickerDropDown::PreparePanel() {
    if (FDropDownForm == nullptr) return;
    auto place = [&](TControl* p) {
        p->SetParent(FDropDownForm->Client());
        p->SetBounds(0, 0, p->Width(), p->Height());
        p->SetColor(DropDownColor());
    };
    switch (FColorSelectionStyle) {
        case csList:
            if (FItemSelector == nullptr) CreateDropDownForm();
            break;
        case csDiscrete:
            if (FColorSelector == nullptr) {
                FColorSelector = new TCustomColorSelector(this);
                place(FColorSelector);
                FColorSelector->FillDefaultColors();
            }
            break;
        case csColorCube:
            if (FColorCubePanel == nullptr) place(FColorCubePanel = new TExtColorCubePanel(this));
            break;
        case csSpectrum:
            if (FSpectrumPanel == nullptr) place(FSpectrumPanel = new TExtColorSpectrumPanel(this));
            break;
    }
    TControl* current = CurrentPanel();
    for (TControl* p : {static_cast<TControl*>(FItemSelector), static_cast<TControl*>(FColorSelector),
                        static_cast<TControl*>(FColorCubePanel), static_cast<TControl*>(FSpectrumPanel)})
        if (p != nullptr && p != current) p->Hide();
    // The pop-up stretches its inner control over its client: the panel
    // takes its own size again below, after it became the inner control.
    SetControl(current);
    switch (FColorSelectionStyle) {
        case csList:
            FItemSelector->SetColorBoxWidth(FColorBoxWidth);
            FItemSelector->SetColorBoxHeight(FColorBoxHeight);
            PrepareList(OnDrawColor, this);
            break;
        case csDiscrete:
            FColorSelector->OnItemSelect = nullptr;
            FColorSelector->SetSelectedColor(FSelectedColor);
            FColorSelector->LayoutItems();
            FColorSelector->OnItemSelect = [this](TObject*) {
                SetSelectedColor(FColorSelector->SelectedColor());
                SetItemIndex(-1);
                if (!FInternalCall) DoHideDropDown(false);
            };
            FColorSelector->SetItemColorStyle(SelectionColorStyle());
            break;
        case csColorCube:
            FColorCubePanel->SetSelectedColor(FSelectedColor);
            FColorCubePanel->SetColorCubeCells();
            FColorCubePanel->SetHotIndex(-1);
            FColorCubePanel->SetBounds(0, 0, 182, 160);
            FColorCubePanel->OnSelect = [this](TObject*) { PanelColorPicked(FColorCubePanel->SelectedColor()); };
            break;
        case csSpectrum:
            FSpectrumPanel->SetSelectedColor(FSelectedColor);
            FSpectrumPanel->SetSpectrumLayout();
            FSpectrumPanel->OnSelect = [this](TObject*) { PanelColorPicked(FSpectrumPanel->SelectedColor()); };
            break;
    }
    current->Show();
}

void TExtColorPickerDropDown::BeforeDropDown() {
    TExtItemPickerDropDown::BeforeDropDown();
    PreparePanel();
    FOldItemIndex = FItemIndex;
    FOldSelectedColor = FSelectedColor;
}

void TExtColorPickerDropDown::SetColorSelectionStyle(TColorSelectionStyle Value) {
    if (Value == FColorSelectionStyle) return;
    FColorSelectionStyle = Value;
    PreparePanel();
    if (DroppedDown()) {
        SizeDropDownForm();
        FDropDownForm->Invalidate();
    }
}

void TExtColorPickerDropDown::SizeDropDownForm() {
    if (ListShown()) {
        TExtItemPickerDropDown::SizeDropDownForm();
        return;
    }
    TControl* p = CurrentPanel();
    if (FDropDownForm == nullptr || p == nullptr) return;
    // Building the bars stretched the panel over the old pop-up: the fixed
    // panels take their own size back before the pop-up is sized to them.
    if (p == FColorSelector) FColorSelector->LayoutItems();
    else if (p == FColorCubePanel) FColorCubePanel->SetBounds(0, 0, 182, 160);
    else if (p == FSpectrumPanel) FSpectrumPanel->SetBounds(0, 0, 150, 174);
    const int b = DropDownBorderWidth();
    const int w = p->Visible() ? p->Width() + 2 * b : Width();
    int h = 2 * b + (p->Visible() ? p->Height() : 0);
    if (DropDownHeader().Visible) h += DropDownHeader().Height;
    if (DropDownFooter().Visible) h += DropDownFooter().Height;
    FDropDownForm->SetBounds(FDropDownForm->Left(), FDropDownForm->Top(), w, h);
}

void TExtColorPickerDropDown::DoHideDropDown(bool Cancelled) {
    const bool wasDown = DroppedDown();
    TExtItemPickerDropDown::DoHideDropDown(Cancelled);
    if (!Cancelled || !wasDown || FColorSelectionStyle != csDiscrete || FColorSelector == nullptr) return;
    FColorSelector->OnItemSelect = nullptr;
    FColorSelector->SetSelectedColor(FOldSelectedColor);
    // The keys of the open palette changed the picker's own colour as they
    // went: cancelling puts that back too, not only the palette's mark.
    SetSelectedColor(FOldSelectedColor);
    if (FItemIndex != FOldItemIndex) SetItemIndex(FOldItemIndex);
}

void TExtColorPickerDropDown::SetSelectionColorStyle(TSelectionColorStyle Value) {
    TExtItemPickerDropDown::SetSelectionColorStyle(Value);
}

bool TExtColorPickerDropDown::OtherPanelKey(unsigned short Key) {
    if (FColorSelectionStyle != csDiscrete) return false;
    switch (Key) {
        case VK_PRIOR: case VK_NEXT: case VK_END: case VK_HOME:
        case VK_LEFT: case VK_UP: case VK_RIGHT: case VK_DOWN: break;
        default: return false;
    }
    if (!DroppedDown()) {
        FInternalCall = true;
        PreparePanel();
        FColorSelector->Hide();
        FInternalCall = false;
    }
    FInternalCall = true;
    FColorSelector->SelectByKey(Key, EditorEnabled(), DroppedDown());
    FInternalCall = false;
    return true;
}

bool TExtColorPickerDropDown::OtherPanelEnter() {
    if (FColorSelectionStyle != csDiscrete || FColorSelector == nullptr || FColorSelector->ItemHot() < 0)
        return false;
    FColorSelector->SetItemIndex(FColorSelector->ItemHot());
    return true;
}

// The wheel moves the palette's hot box while it is open, its selection
// while it is closed; the list is the shared picker's.
void TExtColorPickerDropDown::SelectNextItem() {
    TExtItemPickerDropDown::SelectNextItem();
    WheelPalette(true);
}

void TExtColorPickerDropDown::SelectPreviousItem() {
    TExtItemPickerDropDown::SelectPreviousItem();
    WheelPalette(false);
}

void TExtColorPickerDropDown::WheelPalette(bool Next) {
    if (!Enabled() || ReadOnly() || FColorSelectionStyle != csDiscrete) return;
    if (DroppedDown() && FColorSelector != nullptr) {
        Next ? FColorSelector->HotNext() : FColorSelector->HotPrevious();
        return;
    }
    OtherPanelKey(Next ? VK_RIGHT : VK_LEFT);
}

}  // namespace ctl
