#include "controls/ItemPicker.h"

#include <algorithm>

#include "platform/Messages.h"

namespace ctl {

using namespace plat;

namespace {
constexpr int Search_Pause_Ms = 500;
}

// ------------------------------------------------------------------ face

TPickerFace::TPickerFace(TComponent* AOwner, TExtCustomDropDown* Picker) : TCustomControl(AOwner), FPicker(Picker) {
    SetAccessibleRole(arComboBox);
}

void TPickerFace::Paint() {
    TCanvas& c = Canvas();
    const bool focused = FPicker->Focused() && !FPicker->EditorEnabled() && FPicker->FocusDraw();
    c.Brush().SetStyle(bsSolid);
    c.Brush().SetColor(focused ? clHighlight : FPicker->Color());
    c.FillRect(Rect(0, 0, Width(), Height()));
    if (OnPaintFace) OnPaintFace(c, Rect(0, 0, Width(), Height()));
}

// The face stands in for the edit's text: the mouse over it is the edit's
// (a press focuses the edit and, as the edit takes no typing, opens the
// pop-up), and so is the wheel, which steps the entry.
void TPickerFace::Dispatch(TMessage& Message) {
    if (Message.Msg == WM_MOUSEWHEEL) {  // screen coordinates: as they are
        FPicker->WndProc(Message);
        return;
    }
    if (Message.Msg < WM_MOUSEMOVE || Message.Msg > WM_MBUTTONDBLCLK) {
        TCustomControl::Dispatch(Message);
        return;
    }
    if (Message.Msg == WM_LBUTTONDOWN && FPicker->CanFocus()) FPicker->SetFocus();
    TMessage m = Message;
    m.LParam = MakeLParam(LoWordSigned(Message.LParam) + Left(), HiWordSigned(Message.LParam) + Top());
    FPicker->WndProc(m);
    Message.Result = m.Result;
}

// ---------------------------------------------------------------- picker

TExtItemPickerDropDown::TExtItemPickerDropDown(TComponent* AOwner) : TExtCustomDropDown(AOwner) {
    SetCursor(crArrow);
    SetEditorEnabled(false);
    SetReadOnly(false);
    FFace = new TPickerFace(this, this);
    FFace->SetParent(this);
    FFace->OnPaintFace = [this](TCanvas& Canvas, TRect R) { PaintFace(Canvas, R); };
    FKeyTimer = new TTimer(this);
    FKeyTimer->SetEnabled(false);
    FKeyTimer->SetInterval(Search_Pause_Ms);
    FKeyTimer->OnTimer = [this](TObject*) {
        FKeyTimer->SetEnabled(false);
        FCurSearch.clear();
    };
    SetBounds(Left(), Top(), Width(), Height());
}

TExtItemPickerDropDown::~TExtItemPickerDropDown() {
    if (FItemSelector != nullptr) FItemSelector->OnItemSelect = nullptr;
}

void TExtItemPickerDropDown::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
    TExtCustomDropDown::SetBounds(ALeft, ATop, AWidth, AHeight);
    if (FFace != nullptr)
        FFace->SetBounds(2, 2, std::max(0, Width() - DropDownButtonWidth() - 5), std::max(0, Height() - 4));
}

void TExtItemPickerDropDown::RepaintFace() {
    if (FFace != nullptr) FFace->Invalidate();
}

void TExtItemPickerDropDown::DoEnter() {
    TExtCustomDropDown::DoEnter();
    RepaintFace();
}

void TExtItemPickerDropDown::DoExit() {
    TExtCustomDropDown::DoExit();
    RepaintFace();
}

void TExtItemPickerDropDown::CreateDropDownForm() {
    TExtCustomDropDown::CreateDropDownForm();
    if (FDropDownForm == nullptr) return;
    if (FItemSelector == nullptr) {
        FItemSelector = new TExtCustomItemSelector(this);
        FItemSelector->SetParent(FDropDownForm->Client());
        FItemSelector->SetBounds(0, 0, FItemSelector->Width(), 150);
    }
    FItemSelector->SetColor(DropDownColor());
    FItemSelector->UpdateSelectorPanel();
}

void TExtItemPickerDropDown::PrepareList(const TDrawItemEvent& DrawItem, TObject* DrawSender) {
    if (FItemSelector == nullptr) return;
    FItemSelector->OnItemSelect = nullptr;
    FItemSelector->SetColumns(FColumns);
    FItemSelector->SetImages(FImages);
    FItemSelector->SetItemLayout(FLayout);
    FItemSelector->SetColor(DropDownColor());
    TSelectorItems& items = FItemSelector->Items();
    items.Clear();
    for (int i = 0; i < PickerCount(); ++i) FillSelectorItem(i, *items.Add());
    FItemSelector->SetItemAppearance(FItemAppearance);
    FItemSelector->UpdateSelectorPanel();
    FItemSelector->SetItemIndex(PickerItemIndex());
    FItemSelector->OnItemSelect = [this](TObject*) { ListItemSelected(); };
    FItemSelector->SetShowHint(ShowHint());
    if (DrawItem)
        FItemSelector->OnDrawItem = [DrawItem, DrawSender](TObject*, TCanvas& Canvas, TRect R, int Index) {
            DrawItem(DrawSender, Canvas, R, Index);
        };
    else
        FItemSelector->OnDrawItem = nullptr;
}

void TExtItemPickerDropDown::ListItemSelected() {
    SetPickerItemIndex(FItemSelector->ItemIndex());
    if (!FInternalCall) DoHideDropDown(false);
}

void TExtItemPickerDropDown::SizeList() {
    FItemSelector->SetAlign(alNone);
    const TSize panel = FItemSelector->GetPanelSize();
    if (DropDownWidth() < 1) FItemSelector->SetWidth(panel.cx);
    if (DropDownHeight() < 1) FItemSelector->SetHeight(panel.cy);
    TExtCustomDropDown::SizeDropDownForm();
    if (FItemSelector->VertScrollBar().IsScrollBarVisible())
        FDropDownForm->SetWidth(FDropDownForm->Width() + GetSystemMetrics(SM_CXVSCROLL));
}

void TExtItemPickerDropDown::SizeDropDownForm() {
    if (FItemSelector == nullptr || !ListShown()) {
        TExtCustomDropDown::SizeDropDownForm();
        return;
    }
    SizeList();
}

void TExtItemPickerDropDown::DoHideDropDown(bool Cancelled) {
    const bool wasDown = DroppedDown();
    TExtCustomDropDown::DoHideDropDown(Cancelled);
    if (Cancelled && wasDown && ListShown()) SetPickerItemIndex(FOldItemIndex);
}

void TExtItemPickerDropDown::SetSelectionColorStyle(TSelectionColorStyle Value) {
    TExtCustomDropDown::SetSelectionColorStyle(Value);
    if (FItemSelector != nullptr) FItemSelector->ItemAppearance().SetColorStyle(Value);
}

void TExtItemPickerDropDown::SetComponentStyle(TKeloStyle AStyle) {
    TExtCustomDropDown::SetComponentStyle(AStyle);
    SetItemAppearanceStyle(&FItemAppearance, AStyle);
}

void TExtItemPickerDropDown::SelectNextItem() {
    TExtCustomDropDown::SelectNextItem();
    if (!Enabled() || ReadOnly() || FItemSelector == nullptr || !ListShown()) return;
    if (DroppedDown()) {
        FItemSelector->HotNext();
        return;
    }
    PrepareList(nullptr, nullptr);
    FInternalCall = true;
    FItemSelector->SelectNext();
    FInternalCall = false;
}

void TExtItemPickerDropDown::SelectPreviousItem() {
    TExtCustomDropDown::SelectPreviousItem();
    if (!Enabled() || ReadOnly() || FItemSelector == nullptr || !ListShown()) return;
    if (DroppedDown()) {
        FItemSelector->HotPrevious();
        return;
    }
    PrepareList(nullptr, nullptr);
    FInternalCall = true;
    FItemSelector->SelectPrevious();
    FInternalCall = false;
}

void TExtItemPickerDropDown::KeyDown(unsigned short& Key, TShiftState Shift) {
    const unsigned short k = Key;
    bool used = false;
    if (Enabled() && DroppedDown() && k == VK_RETURN) {
        if (ListShown() && FItemSelector != nullptr && FItemSelector->ItemHot() >= 0) {
            FItemSelector->SetItemIndex(FItemSelector->ItemHot());
            used = true;
        } else if (!ListShown()) {
            used = OtherPanelEnter();
        }
    }
    TExtCustomDropDown::KeyDown(Key, Shift);
    if ((Shift & ssAlt) || !Enabled()) return;
    if (!ListShown()) {
        if (OtherPanelKey(k)) Key = 0;
        if (k == VK_RETURN && !used) FireSelect();
        return;
    }
    if (FItemSelector == nullptr) return;
    const bool down = DroppedDown();
    // Closed, the selector still holds what the last opening showed.
    if (!down || FItemSelector->Items().Count() != PickerCount()) PrepareList(nullptr, nullptr);
    TExtCustomItemSelector& s = *FItemSelector;
    const int count = s.Items().Count();
    FInternalCall = true;
    switch (k) {
        case VK_RETURN:
            if (!used) FireSelect();
            break;
        case VK_PRIOR:
        case VK_NEXT: {
            const int visible = s.GetVisibleItemCount();
            if (visible < 1 || count == 0) break;
            const int i = k == VK_PRIOR ? std::max(0, s.ItemIndex() - visible)
                                        : std::min(count - 1, s.ItemIndex() + visible);
            s.SetItemIndex(i);
            break;
        }
        case VK_HOME:
        case VK_END:
            if (down) k == VK_HOME ? s.SelectFirst() : s.SelectLast();
            else if (PickerCount() > 0) SetPickerItemIndex(k == VK_HOME ? 0 : PickerCount() - 1);
            break;
        case VK_LEFT:
        case VK_RIGHT:
            if (down && !EditorEnabled()) k == VK_LEFT ? s.SelectPrevious() : s.SelectNext();
            break;
        case VK_UP:
        case VK_DOWN: {
            if (down) {
                const int step = k == VK_UP ? -Columns() : Columns();
                const int i = s.ItemIndex() < 0 ? 0 : s.ItemIndex() + step;
                if (i >= 0 && i < count) s.SetItemIndex(i);
            } else {
                k == VK_UP ? s.SelectPrevious() : s.SelectNext();
            }
            break;
        }
        default:
            // Letters and digits come as upper-case key codes, as the
            // selector compares upper-cased captions; editing and moving
            // keys (Delete, Insert, ...) are no part of a search.
            if ((Shift & ssCtrl) || (k != VK_SPACE && (k < '0' || k > 'Z'))) break;
            FCurSearch += static_cast<char>(k);
            s.LookupItem(FCurSearch);
            FKeyTimer->SetEnabled(false);
            FKeyTimer->SetEnabled(true);
            break;
    }
    FInternalCall = false;
}

}  // namespace ctl
