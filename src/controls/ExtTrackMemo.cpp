#include "controls/ExtTrackMemo.h"

#include <algorithm>
#include <cstdlib>

#include "controls/DropDownDraw.h"
#include "platform/Messages.h"

namespace ctl {

using namespace plat;

// ------------------------------------------------------------ track bar

TExtTrackBar::TExtTrackBar(TComponent* AOwner) : TCustomControl(AOwner) {
    SetAccessibleName("Track bar");
    SetAccessibleRole(arClient);
    SetTabStop(true);
    SetBounds(0, 0, 150, 40);
}

void TExtTrackBar::SetMin(int Value) {
    FMin = Value;
    if (FMax < FMin) FMax = FMin;
    SetPosition(FPosition);
    Invalidate();
}

void TExtTrackBar::SetMax(int Value) {
    FMax = Value;
    if (FMin > FMax) FMin = FMax;
    SetPosition(FPosition);
    Invalidate();
}

void TExtTrackBar::SetPosition(int Value) {
    Value = std::clamp(Value, FMin, FMax);
    if (Value == FPosition) return;
    FPosition = Value;
    Invalidate();
    if (OnChange) OnChange(this);
}

int TExtTrackBar::ThumbX(int Pos) const {
    const int left = 12, right = std::max(left, Width() - 12);
    // An empty range puts the thumb at the left end.
    if (FMax == FMin) return left;
    return left + static_cast<int>(static_cast<long long>(right - left) * (Pos - FMin) / (FMax - FMin));
}

int TExtTrackBar::PositionAt(int X) const {
    const int left = 12, right = std::max(left + 1, Width() - 12);
    const double f = double(X - left) / (right - left);
    return FMin + RoundHalfEven(f * (FMax - FMin));
}

void TExtTrackBar::Paint() {
    TCanvas& c = Canvas();
    c.Brush().SetColor(Color());
    c.FillRect(Rect(0, 0, Width(), Height()));
    const int cy = 14;
    TRect groove = Rect(8, cy - 2, Width() - 8, cy + 2);
    c.DrawEdge(groove, BDR_SUNKENOUTER, BF_RECT);
    c.Pen().SetColor(clBlack);
    const long long range = static_cast<long long>(FMax) - FMin;
    // Never more ticks than pixels.
    if (range / FFrequency <= Width())
        for (long long p = FMin; p <= FMax; p += FFrequency) {
            const int x = ThumbX(static_cast<int>(p));
            c.MoveTo(x, cy + 12);
            c.LineTo(x, cy + 16);
        }
    const int tx = ThumbX(FPosition);
    TRect thumb = Rect(tx - 5, cy - 9, tx + 6, cy + 10);
    c.DrawFrameControl(thumb, DFC_BUTTON, DFCS_BUTTONPUSH);
}

// The bar's own keys come first; the rest go on to the drop-down.
void TExtTrackBar::KeyDown(unsigned short& Key, TShiftState Shift) {
    switch (Key) {
        case VK_LEFT: SetPosition(FPosition - 1); Key = 0; break;
        case VK_RIGHT: SetPosition(FPosition + 1); Key = 0; break;
        case VK_PRIOR: SetPosition(FPosition - FPageSize); Key = 0; break;
        case VK_NEXT: SetPosition(FPosition + FPageSize); Key = 0; break;
        case VK_HOME: SetPosition(FMin); Key = 0; break;
        case VK_END: SetPosition(FMax); Key = 0; break;
        default: TCustomControl::KeyDown(Key, Shift); break;
    }
}

void TExtTrackBar::Dispatch(TMessage& Message) {
    if (Message.Msg == WM_GETDLGCODE) {
        Message.Result = DLGC_WANTARROWS;
        return;
    }
    TCustomControl::Dispatch(Message);
}

void TExtTrackBar::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TCustomControl::MouseDown(Button, Shift, X, Y);
    if (Button == mbLeft) SetPosition(PositionAt(X));
}

void TExtTrackBar::MouseMove(TShiftState Shift, int X, int Y) {
    TCustomControl::MouseMove(Shift, X, Y);
    if (Shift & ssLeft) SetPosition(PositionAt(X));
}

// --------------------------------------------------- track bar drop-down

TExtTrackBarDropDown::TExtTrackBarDropDown(TComponent* AOwner) : TExtCustomDropDown(AOwner) {
    SetEditorEnabled(false);
    SetEditType(etNumeric);
    DropDownHeader().Visible = false;
    DropDownFooter().Visible = false;
    CreateDropDownForm();
    TExtCustomDropDown::SetText("0");
}

void TExtTrackBarDropDown::CreateDropDownForm() {
    TExtCustomDropDown::CreateDropDownForm();
    if (FTrackBar != nullptr || FDropDownForm == nullptr) return;
    FTrackBar = new TExtTrackBar(this);
    FTrackBar->SetParent(FDropDownForm->Client());
    FTrackBar->SetBounds(0, 0, Width(), 40);
    FTrackBar->OnChange = [this](TObject*) { TrackChanged(); };
}

void TExtTrackBarDropDown::TrackChanged() {
    FPosition = FTrackBar->Position();
    SetPlainText(Prefix() + std::to_string(FPosition) + Suffix());
    if (OnTrackChange) OnTrackChange(this);
}

void TExtTrackBarDropDown::SetMin(int Value) {
    FMin = Value;
    FTrackBar->SetMin(Value);
    FMin = FTrackBar->Min();
    FMax = FTrackBar->Max();
}

void TExtTrackBarDropDown::SetMax(int Value) {
    FMax = Value;
    FTrackBar->SetMax(Value);
    FMax = FTrackBar->Max();
    FMin = FTrackBar->Min();
}

void TExtTrackBarDropDown::SetPosition(int Value) {
    FTrackBar->SetPosition(Value);
    FPosition = FTrackBar->Position();
}

void TExtTrackBarDropDown::SetFrequency(int Value) {
    FFrequency = std::max(1, Value);
    FTrackBar->SetFrequency(FFrequency);
}

void TExtTrackBarDropDown::SetPageSize(int Value) {
    // Used as pixels per unit while dragging: never zero.
    FPageSize = std::max(1, Value);
    FTrackBar->SetPageSize(FPageSize);
}

void TExtTrackBarDropDown::SetText(const std::string& Value) {
    TExtCustomDropDown::SetText(Value);
    if (FTrackBar == nullptr) return;
    char* end = nullptr;
    const std::string t = GetText();
    const long v = std::strtol(t.c_str(), &end, 10);
    SetPosition(end != t.c_str() && *end == '\0' ? static_cast<int>(v) : 0);
    SetPlainText(Prefix() + std::to_string(FPosition) + Suffix());
}

void TExtTrackBarDropDown::BeforeDropDown() {
    TExtCustomDropDown::BeforeDropDown();
    FDropDownForm->SetCancelOnDeActivate(false);
    FTrackBar->SetMin(FMin);
    FTrackBar->SetMax(FMax);
    FTrackBar->SetPosition(FPosition);
    FTrackBar->SetPageSize(FPageSize);
    FTrackBar->SetFrequency(FFrequency);
    FTrackBar->SetBounds(0, 0, Width(), 40);
    SetControl(FTrackBar);
}

void TExtTrackBarDropDown::KeyDown(unsigned short& Key, TShiftState Shift) {
    const unsigned short k = Key;
    TExtCustomDropDown::KeyDown(Key, Shift);
    if (EditorEnabled() || (Shift & ssAlt)) return;
    if (k == VK_UP && FPosition - FFrequency >= FMin) SetPosition(FPosition - FFrequency);
    else if (k == VK_DOWN && FPosition + FFrequency <= FMax) SetPosition(FPosition + FFrequency);
}

void TExtTrackBarDropDown::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TExtCustomDropDown::MouseDown(Button, Shift, X, Y);
    if (!EditorEnabled()) {
        FMouseX = X;
        FMouseDragging = true;
    }
}

void TExtTrackBarDropDown::MouseMove(TShiftState Shift, int X, int Y) {
    TExtCustomDropDown::MouseMove(Shift, X, Y);
    if (!FMouseDragging) return;
    SetPosition(FPosition + (X - FMouseX) / FPageSize);
    FMouseX = X;
}

void TExtTrackBarDropDown::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TExtCustomDropDown::MouseUp(Button, Shift, X, Y);
    FMouseDragging = false;
}

// --------------------------------------------------------- memo drop-down

TExtMemoDropDown::TExtMemoDropDown(TComponent* AOwner) : TExtCustomDropDown(AOwner) {
    DropDownHeader().Visible = false;
    DropDownFooter().Visible = false;
    FMemoText.OnChange = [this] { MemoTextChanged(); };
    CreateDropDownForm();
}

void TExtMemoDropDown::CreateDropDownForm() {
    TExtCustomDropDown::CreateDropDownForm();
    if (FMemo != nullptr || FDropDownForm == nullptr) return;
    FMemo = new TMemo(this);
    FMemo->SetParent(FDropDownForm->Client());
    FMemo->SetBounds(0, 0, Width(), 100);
    FMemo->OnChange = [this](TObject*) {
        if (OnMemoChange) OnMemoChange(this);
    };
    SetControl(FMemo);
}

void TExtMemoDropDown::SetMemoText(const std::string& Text) { FMemoText.SetText(Text); }

void TExtMemoDropDown::SetMemoReadOnly(bool Value) {
    FMemoReadOnly = Value;
    if (DroppedDown()) FMemo->SetReadOnly(Value);
}

void TExtMemoDropDown::BeforeDropDown() {
    TExtCustomDropDown::BeforeDropDown();
    FDropDownForm->SetCancelOnDeActivate(false);
    // A typed edit text is the memo's text.
    if (EditorEnabled() && GetText() != FMemoText.Text()) {
        auto saved = std::move(FMemoText.OnChange);
        FMemoText.SetText(GetText());
        FMemoText.OnChange = std::move(saved);
    }
    FMemo->Lines().SetText(FMemoText.Text());
    FMemo->SetMaxLength(MaxLength());
    FMemo->SetScrollBars(FMemoScrollBars);
    FMemo->SetReadOnly(FMemoReadOnly);
}

void TExtMemoDropDown::DoHideDropDown(bool Cancelled) {
    const bool autoDrop = FAutoDrop;
    FAutoDrop = false;
    if (Cancelled && FMemo != nullptr && DroppedDown()) FMemo->Lines().SetText(FMemoText.Text());
    TExtCustomDropDown::DoHideDropDown(Cancelled);
    // Cancelling puts back the edit's last set text; the edit shows the
    // memo text, which the cancel has just restored.
    if (Cancelled) MemoTextChanged();
    FAutoDrop = autoDrop;
}

void TExtMemoDropDown::DropDownFormHide() {
    TExtCustomDropDown::DropDownFormHide();
    FMemoText.SetText(FMemo->Lines().Text());
    MemoTextChanged();
    SetSelStart(0);
    SetSelLength(0);
}

void TExtMemoDropDown::MemoTextChanged() {
    std::string shown;
    if (FMemoText.Count() == 0 || EditorEnabled())
        shown = FMemoText.Text();
    else {
        const std::string first = FMemoText.Strings(0);
        TCanvas measure;
        measure.SetFont(Font());
        const int room = std::max(0, Width() - DropDownButtonWidth() - 6);
        if (measure.TextWidth(first) < room) shown = FMemoText.Count() > 1 ? first + "..." : first;
        else shown = TruncateText(measure, first, room, true);
    }
    // The lines' own text ends with a line break; the edit does not show it.
    while (!shown.empty() && (shown.back() == '\n' || shown.back() == '\r')) shown.pop_back();
    FInternalUpdate = true;
    SetPlainText(shown);
    FInternalUpdate = false;
}

void TExtMemoDropDown::ControlKeyDown(unsigned short& Key, TShiftState Shift) {
    if (Key == VK_ESCAPE) {
        HideDropDown(true);
        Key = 0;
        return;
    }
    if ((Shift & ssAlt) && (Key == VK_UP || Key == VK_DOWN)) {
        HideDropDown(true);
        Key = 0;
        return;
    }
    if (Key == VK_F4) {
        TExtCustomDropDown::ControlKeyDown(Key, Shift);
        Key = 0;
    }
    // Every other key, Enter included, stays in the memo.
}

void TExtMemoDropDown::ControlKeyPress(char32_t& Key) {
    if (Key == 27) Key = 0;
}

void TExtMemoDropDown::DoEnter() {
    TExtCustomDropDown::DoEnter();
    if (FAutoDrop) ShowDropDown();
}

}  // namespace ctl
