// The drop-down edit itself: construction, opening and closing its pop-up,
// the arrow button's click and the edit area beside the button.
#include "controls/ExtDropDown.h"

#include <algorithm>

#include "controls/ExtUtil.h"
#include "platform/Application.h"
#include "platform/Messages.h"
#include "platform/Process.h"

namespace ctl {

using namespace plat;

namespace {

constexpr int kReopenGuardMs = 250;

}  // namespace

TExtCustomDropDown::TExtCustomDropDown(TComponent* AOwner) : TEdit(AOwner) {
    TEdit::SetBounds(Left(), Top(), 200, 21);
    CreateDropDownForm();
    FButton = new TDropDownEditButton(this, this);
    FButton->SetParent(this);
    FButton->OnClick = [this](TObject* Sender) { DropDownButtonClick(Sender); };
    SetText("");
    FOldText.clear();
    SetPaintsOver(true);
    FDropDownHeader.Font.SetName("Tahoma");
    SetSelectionColorStyle(scSuiteB);
    SetComponentStyle(tsSuiteBAzure);
    ResizeControl();
    FLabelFont.OnChange = [this] { UpdateLabel(); };
}

TExtCustomDropDown::~TExtCustomDropDown() {
    if (FDropDownForm != nullptr) FDropDownForm->SetExtDropDown(nullptr);
}

void TExtCustomDropDown::CreateDropDownForm() {
    if (FDropDownForm != nullptr) return;
    FDropDownForm = new TDropDownForm(this);
    FDropDownForm->SetExtDropDown(this);
    FDropDownForm->SetVisible(false);
    FDropDownForm->OnHide = [this](TObject*) { DropDownFormHide(); };
    FDropDownForm->OnKeyPress = [this](TObject*, char32_t& Key) { FormKeyPress(Key); };
    FDropDownForm->OnKeyDown = [this](TObject*, unsigned short& Key, TShiftState Shift) { FormKeyDown(Key, Shift); };
    FDropDownForm->OnKeyUp = [this](TObject*, unsigned short& Key, TShiftState Shift) { FormKeyUp(Key, Shift); };
    FDropDownForm->OnMouseWheel = [this](TObject*, TShiftState Shift, int Delta, TPoint MousePos, bool& Handled) {
        if (Delta < 0) FormMouseWheelDown(Shift, MousePos, Handled);
        else if (Delta > 0) FormMouseWheelUp(Shift, MousePos, Handled);
    };
}

void TExtCustomDropDown::FormMouseWheelDown(TShiftState, TPoint, bool& Handled) {
    SelectNextItem();
    Handled = true;
}

void TExtCustomDropDown::FormMouseWheelUp(TShiftState, TPoint, bool& Handled) {
    SelectPreviousItem();
    Handled = true;
}

void TExtCustomDropDown::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TEdit::MouseDown(Button, Shift, X, Y);
    if (Button == mbLeft && !FEditorEnabled) DropDownButtonClick(this);
}

// The wheel over the edit steps the entry as the arrow keys do; it is taken
// here, so a grid or form under the edit does not scroll as well.
bool TExtCustomDropDown::DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos) {
    TEdit::DoMouseWheel(Shift, WheelDelta, MousePos);
    if (WheelDelta < 0) SelectNextItem();
    else if (WheelDelta > 0) SelectPreviousItem();
    return true;
}

void TExtCustomDropDown::SetControl(TControl* Value) {
    if (Value == FControl) return;
    FControl = Value;
    PlaceDropDownControl();
}

void TExtCustomDropDown::PlaceDropDownControl() {
    if (FDropDownForm == nullptr || FControl == nullptr) return;
    FControl->SetParent(FDropDownForm->Client());
}

void TExtCustomDropDown::SetDropDownWidth(int Value) {
    if (Value != FDropDownWidth) FUserDropDownWidth = -1;
    FDropDownWidth = Value;
}

void TExtCustomDropDown::SetDropDownHeight(int Value) {
    if (Value != FDropDownHeight) FUserDropDownHeight = -1;
    FDropDownHeight = Value;
}

void TExtCustomDropDown::SetDropDownColor(TColor Value) {
    FDropDownColor = Value;
    if (FDropDownForm) FDropDownForm->Client()->Invalidate();
}

void TExtCustomDropDown::SetDropDownButtonWidth(int Value) {
    FButtonWidth = Value;
    FButton->SetBWidth(Value);
    ResizeControl();
}

void TExtCustomDropDown::SetDropDownHeader(const TBarAppearance& Value) {
    FDropDownHeader = Value;
    if (FDroppedDown) FDropDownForm->InitializeAndUpdate();
}

void TExtCustomDropDown::SetDropDownFooter(const TBarAppearance& Value) {
    FDropDownFooter = Value;
    if (FDroppedDown) FDropDownForm->InitializeAndUpdate();
}

void TExtCustomDropDown::BeforeDropDown() {
    if (OnBeforeDropDown) OnBeforeDropDown(this);
}

void TExtCustomDropDown::SizeDropDownForm() {
    if (FDropDownForm == nullptr) return;
    int w = Width(), h = 0;
    if (FDropDownWidth > 0) w = FDropDownWidth;
    else if (FControl != nullptr && FControl->Visible()) w = FControl->Width();
    if (FDropDownHeight > 0) h = FDropDownHeight;
    else {
        h = 2 * FDropDownBorderWidth;
        if (FDropDownHeader.Visible) h += FDropDownHeader.Height;
        if (FDropDownFooter.Visible) h += FDropDownFooter.Height;
        if (FControl != nullptr && FControl->Visible()) h += FControl->Height();
    }
    FDropDownForm->SetBounds(FDropDownForm->Left(), FDropDownForm->Top(), w, h);
}

void TExtCustomDropDown::DoShowDropDown() {
    if (FDropDownForm == nullptr || FDropDownForm->Visible() || !Enabled() || ReadOnly()) return;
    BeforeDropDown();
    FDropDownForm->SetShadow(FDropDownShadow);
    FDropDownForm->InitializeAndUpdate();
    SizeDropDownForm();
    PlaceDropDownControl();
    // The pop-up is never smaller than 80 x 50.
    int w = std::max(80, FDropDownForm->Width()), h = std::max(50, FDropDownForm->Height());
    if (auto* wc = dynamic_cast<TWinControl*>(FControl)) {
        wc->OnKeyDown = [this](TObject*, unsigned short& Key, TShiftState Shift) { ControlKeyDown(Key, Shift); };
        wc->OnKeyPress = [this](TObject*, char32_t& Key) { ControlKeyPress(Key); };
        wc->OnKeyUp = [this](TObject*, unsigned short& Key, TShiftState Shift) { ControlKeyUp(Key, Shift); };
    }
    const TPoint p = Parent() != nullptr ? Parent()->ClientToScreen(TPoint{Left(), Top()}) : TPoint{Left(), Top()};
    TPoint at = PlaceDropDown(p, Height(), w, h, FDropPosition, GetSystemMetrics(SM_CYSCREEN), Screen->WorkAreaRect());
    bool accept = true;
    if (OnDropDown) OnDropDown(this, accept);
    if (!accept) return;
    if (FUserDropDownWidth != -1) w = FUserDropDownWidth;
    if (FUserDropDownHeight != -1) h = FUserDropDownHeight;
    AdjustDropDownHeight(h);
    FDropDownForm->SetBounds(at.X, at.Y, w, h);
    FDroppedDown = true;
    FDropDownForm->Show();
    FocusDropDownControl();
}

void TExtCustomDropDown::FocusDropDownControl() {
    if (FFocusControl != nullptr && FFocusControl->TabStop() && FFocusControl->CanFocus() && !FFocusControl->Focused())
        FFocusControl->SetFocus();
}

void TExtCustomDropDown::SetFocusControl(TWinControl* Value) { FFocusControl = Value; }

void TExtCustomDropDown::Notification(TComponent* AComponent) {
    TEdit::Notification(AComponent);
    if (Destroying()) return;
    // A control of the pop-up that goes is forgotten, never used stale.
    if (AComponent == FControl) SetControl(nullptr);
    if (AComponent == FFocusControl) FFocusControl = nullptr;
}

void TExtCustomDropDown::SetDropDownButtonHint(const std::string& Value) {
    FButtonHint = Value;
    for (TControl* c : {static_cast<TControl*>(FButton), static_cast<TControl*>(FButton->Button())}) {
        c->SetHint(Value);
        c->SetShowHint(!Value.empty());
    }
}

void TExtCustomDropDown::SetDropDownButtonGlyph(const TBitmap& Value) { FButton->SetGlyph(Value); }

void TExtCustomDropDown::Assign(const TExtCustomDropDown& Source) {
    if (&Source == this) return;
    FFocusDraw = Source.FFocusDraw;
    FForceShadow = Source.FForceShadow;
    FDropDownEnabled = Source.FDropDownEnabled;
    FDropDownColor = Source.FDropDownColor;
    FDropDownColorTo = Source.FDropDownColorTo;
    FDropDownGradient = Source.FDropDownGradient;
    FDropDownBorderColor = Source.FDropDownBorderColor;
    FDropDownBorderWidth = Source.FDropDownBorderWidth;
    FDropDownShadow = Source.FDropDownShadow;
    FDropDownWidth = Source.FDropDownWidth;
    FDropDownHeight = Source.FDropDownHeight;
    FDropDownSizeable = Source.FDropDownSizeable;
    FEditType = Source.FEditType;
    FReturnIsTab = Source.FReturnIsTab;
    FLengthLimit = Source.FLengthLimit;
    FPrecision = Source.FPrecision;
    FPrefix = Source.FPrefix;
    FSuffix = Source.FSuffix;
    FDefaultHandling = Source.FDefaultHandling;
    FCanUndo = Source.FCanUndo;
    FExcelStyleDecimalSeparator = Source.FExcelStyleDecimalSeparator;
    FValidChars = Source.FValidChars;
    FSigned = Source.FSigned;
    FAutoThousandSeparator = Source.FAutoThousandSeparator;
    SetButtonAppearance(Source.FButtonAppearance);
    SetDropDownHeader(Source.FDropDownHeader);
    SetDropDownFooter(Source.FDropDownFooter);
    FDropPosition = Source.FDropPosition;
    SetFlat(Source.FFlat);
    SetDropDownButtonWidth(Source.FButtonWidth);
    SetDropDownButtonHint(Source.FButtonHint);
    FEditorEnabled = Source.FEditorEnabled;
    FButton->SetGlyph(Source.FButton->Glyph());
    FButton->SetButtonCaption(Source.FButton->ButtonCaption());
    FEtched = Source.FEtched;
    FImages = Source.FImages;
    FSelectionColorStyle = Source.FSelectionColorStyle;
    FSelectionColor = Source.FSelectionColor;
    FSelectionColorTo = Source.FSelectionColorTo;
    UpdateFocusMark();
}

void TExtCustomDropDown::DoHideDropDown(bool Cancelled) {
    if (FDropDownForm == nullptr || !FDropDownForm->Visible()) return;
    if (OnBeforeDropUp) OnBeforeDropUp(this);
    FUserDropDownWidth = FDropDownForm->Width();
    FUserDropDownHeight = FDropDownForm->Height();
    FDropDownForm->Hide();
    if (FDroppedDown) DropDownFormHide();
    if (Cancelled) SetText(FOldText);
    if (OnDropUp) OnDropUp(this, Cancelled);
}

void TExtCustomDropDown::DropDownFormHide() {
    FDroppedDown = false;
    // The edit may still be its window's focus while the pop-up's window is
    // the active one: bring its window back as well.
    if (!Destroying() && CanFocus()) SetFocus();
}

void TExtCustomDropDown::DropDownButtonClick(TObject*) {
    if (FDropDownForm == nullptr || FDropDownForm->Visible()) return;
    // A click on the arrow of an open pop-up first deactivates (and so
    // closes) it; the same click must not open it again.
    if (TickCountMs() - FDropDownForm->DeActivateTime() > kReopenGuardMs) DoShowDropDown();
}

// Keys typed in the pop-up edit the text as if typed in the edit.
// What the edit's rules let through is typed over the selection, as the
// edit itself would take it: any letter, and Backspace.
void TExtCustomDropDown::FormKeyPress(char32_t& Key) {
    char32_t k = Key;
    KeyPress(k);
    if (k == 8) {
        if (SelLength() == 0 && SelStart() > 0) {
            SetSelStart(SelStart() - 1);
            SetSelLength(1);
        }
        SetSelText("");
    } else if (k >= 32) {
        std::string ch;
        AppendCodePoint(ch, k);
        SetSelText(ch);
    }
    Key = 0;
}

void TExtCustomDropDown::FormKeyDown(unsigned short& Key, TShiftState Shift) {
    KeyDown(Key, Shift);
}

void TExtCustomDropDown::FormKeyUp(unsigned short& Key, TShiftState Shift) { KeyUp(Key, Shift); }
void TExtCustomDropDown::ControlKeyUp(unsigned short& Key, TShiftState Shift) { FormKeyUp(Key, Shift); }

void TExtCustomDropDown::ControlKeyDown(unsigned short& Key, TShiftState Shift) { FormKeyDown(Key, Shift); }
void TExtCustomDropDown::ControlKeyPress(char32_t& Key) { FormKeyPress(Key); }

// ------------------------------------------------------------ edit area

void TExtCustomDropDown::ResizeControl() {
    if (FButton == nullptr) return;
    // Never lower than a line of text and a quarter more: the text would be
    // cut. The new height comes back here.
    TCanvas measure;
    measure.SetFont(Font());
    const int text = measure.TextHeight("Wg");
    const int system = TCanvas().TextHeight("Wg");
    const int minimum = text + std::min(text, system) / 4;
    if (Height() < minimum) {
        SetHeight(minimum);
        return;
    }
    FButton->SetBounds(Width() - FButton->BWidth() - 2, 1, FButton->BWidth(), std::max(0, Height() - 2));
}

void TExtCustomDropDown::WMSize(TMessage& Message) {
    TEdit::WMSize(Message);
    ResizeControl();
}

void TExtCustomDropDown::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
    TEdit::SetBounds(ALeft, ATop, AWidth, AHeight);
    ResizeControl();
    UpdateLabel();
}

void TExtCustomDropDown::CMVisibleChanged(TMessage& Message) {
    TEdit::CMVisibleChanged(Message);
    if (FLabel != nullptr && !FLabelCaption.empty()) FLabel->SetVisible(Visible());
}

void TExtCustomDropDown::CMMouseEnter(TMessage& Message) {
    TEdit::CMMouseEnter(Message);
    if (!Enabled()) return;
    FMouseInControl = true;
    Invalidate();
    UpdateButtonFocus();
}

void TExtCustomDropDown::CMMouseLeave(TMessage& Message) {
    TEdit::CMMouseLeave(Message);
    if (!Enabled()) return;
    FMouseInControl = false;
    Invalidate();
    UpdateButtonFocus();
}

}  // namespace ctl
