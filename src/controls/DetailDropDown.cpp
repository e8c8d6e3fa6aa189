#include "controls/DetailDropDown.h"

#include <algorithm>

#include "controls/DropDownDraw.h"
#include "controls/EsgHTMLE.h"
#include "controls/LocaleText.h"
#include "platform/Messages.h"
#include "platform/Process.h"

namespace ctl {

using namespace plat;

namespace {

// Letters typed within this time of the first one search together.
constexpr long long kSearchBurstMs = 500;

// Keys that stand for a character of a caption: letters, digits, blank.
bool IsSearchKey(unsigned short Key) {
    return (Key >= '0' && Key <= '9') || (Key >= 'A' && Key <= 'Z') || Key == VK_SPACE;
}

}  // namespace

// ------------------------------------------------------------- selector

TDetailSelector::TDetailSelector(TComponent* AOwner) : TCustomControl(AOwner) {
    SetAccessibleName("Entries");
    SetAccessibleRole(arList);
    SetTabStop(true);
}

int TDetailSelector::ItemHeight() const {
    TSize s{Width(), 22};
    if (OnItemSize) OnItemSize(const_cast<TDetailSelector*>(this), s);
    return s.cy;
}

int TDetailSelector::GetVisibleItemCount() const {
    const int h = ItemHeight();
    return h > 0 ? std::max(1, Height() / h) : static_cast<int>(FItems.size());
}

void TDetailSelector::ScrollItemInView(int Index) {
    if (Index < 0) return;
    const int n = GetVisibleItemCount();
    if (Index < FTopIndex) FTopIndex = Index;
    else if (Index >= FTopIndex + n) FTopIndex = Index - n + 1;
    Invalidate();
}

void TDetailSelector::SetItemIndexQuiet(int Value) {
    FItemIndex = Value >= 0 && Value < static_cast<int>(FItems.size()) ? Value : -1;
    Invalidate();
}

void TDetailSelector::SetItemIndex(int Value) {
    SetItemIndexQuiet(Value);
    if (FItemIndex >= 0 && OnItemSelect) OnItemSelect(this);
}

void TDetailSelector::LookupItem(const std::string& Text) {
    const std::string key = LookupKey(Text);
    for (size_t i = 0; i < FItems.size(); ++i) {
        if (LookupKey(FItems[i].Caption).rfind(key, 0) == 0) {
            SetItemIndex(static_cast<int>(i));
            ScrollItemInView(static_cast<int>(i));
            return;
        }
    }
}

int TDetailSelector::ItemAt(int X, int Y) const {
    const int h = ItemHeight();
    if (h <= 0 || X < 0 || X >= Width() || Y < 0) return -1;
    const int i = FTopIndex + Y / h;
    return i < static_cast<int>(FItems.size()) ? i : -1;
}

void TDetailSelector::Paint() {
    TCanvas& c = Canvas();
    c.Brush().SetColor(Color());
    c.FillRect(Rect(0, 0, Width(), Height()));
    const int h = ItemHeight();
    if (h <= 0) return;
    for (int i = FTopIndex; i < static_cast<int>(FItems.size()); ++i) {
        const int top = (i - FTopIndex) * h;
        if (top >= Height()) break;
        const TRect r = Rect(0, top, Width(), top + h);
        if (i == FItemIndex)
            DrawItemBackground(c, r, FAppearance.ColorSelected, FAppearance.ColorSelectedTo,
                               FAppearance.BorderColorSelected, 1, gdVertical);
        else if (i == FItemHot)
            DrawItemBackground(c, r, FAppearance.ColorHot, FAppearance.ColorHotTo, FAppearance.BorderColorHot, 1,
                               gdVertical);
        if (OnDrawItem) OnDrawItem(this, c, r, i);
    }
}

void TDetailSelector::MouseMove(TShiftState Shift, int X, int Y) {
    TCustomControl::MouseMove(Shift, X, Y);
    const int i = ItemAt(X, Y);
    if (i != FItemHot) FItemHot = i, Invalidate();
}

void TDetailSelector::CMMouseLeave(TMessage& Message) {
    TCustomControl::CMMouseLeave(Message);
    FItemHot = -1;
    Invalidate();
}

void TDetailSelector::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TCustomControl::MouseUp(Button, Shift, X, Y);
    const int i = ItemAt(X, Y);
    if (Button == mbLeft && i >= 0) SetItemIndex(i);
}

bool TDetailSelector::DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos) {
    (void)Shift;
    (void)MousePos;
    const int maxTop = std::max(0, static_cast<int>(FItems.size()) - GetVisibleItemCount());
    FTopIndex = std::clamp(FTopIndex + (WheelDelta < 0 ? 1 : -1), 0, maxTop);
    Invalidate();
    return true;
}

// ------------------------------------------------------------- drop-down

TExtDetailDropDown::TExtDetailDropDown(TComponent* AOwner) : TListDropDown(AOwner) {
    FCaptionFont = Font();
    FNotesFont = Font();
    FItemSelector = new TDetailSelector(this);
    FItemSelector->SetParent(FDropDownForm->Client());
    FItemSelector->SetBounds(0, 0, Width(), 150);
    FItemSelector->OnDrawItem = [this](TObject*, TCanvas& C, TRect R, int Index) { DrawDetailItem(C, R, Index); };
    FItemSelector->OnItemSize = [this](TObject*, TSize& S) {
        int w = DropDownWidth() > 0 ? DropDownWidth() : FDropDownForm->Width();
        S.cx = w - 2 - 4;  // the list's one-pixel border on both sides and some air
        S.cy = FItemHeight;
    };
    FItemSelector->SetColor(DropDownColor());
    SetControl(FItemSelector);
}

void TExtDetailDropDown::SetItemIndex(int Value) {
    if (Value == FItemIndex) return;
    if (Value >= 0 && Value < FItems.Count()) {
        FItemIndex = Value;
        SetOwnText(FItems.Items(Value).Caption);
        TListDropDown::SelectAll();
        Invalidate();
        FItemSelector->Invalidate();
        if (OnSelect) OnSelect(this);
    } else if (Value == -1) {
        SetOwnText("");
        FItemIndex = -1;
    }
}

void TExtDetailDropDown::PrepareSelector() {
    TDetailSelector* s = FItemSelector;
    s->OnItemSelect = nullptr;
    s->SetColor(DropDownColor());
    s->SetItemAppearance(FItemAppearance);
    s->Items().clear();
    for (int i = 0; i < FItems.Count(); ++i) {
        const TDetailItem& it = FItems.Items(i);
        s->Items().push_back({it.Caption, it.Image, it.ImageIndex});
    }
    s->SetItemIndexQuiet(ItemIndex());
    s->OnItemSelect = [this](TObject*) { SelectorItemSelect(); };
}

void TExtDetailDropDown::BeforeDropDown() {
    TListDropDown::BeforeDropDown();
    PrepareSelector();
    FOldItemIndex = ItemIndex();
}

void TExtDetailDropDown::SizeDropDownForm() {
    if (DropDownWidth() <= 0) FItemSelector->SetBounds(0, 0, Width(), FItemSelector->Height());
    if (DropDownHeight() <= 0) FItemSelector->SetBounds(0, 0, FItemSelector->Width(), 100);
    TListDropDown::SizeDropDownForm();
}

void TExtDetailDropDown::FocusDropDownControl() {
    if (FItemSelector->CanFocus()) FItemSelector->SetFocus();
}

void TExtDetailDropDown::DoShowDropDown() {
    TListDropDown::DoShowDropDown();
    if (DroppedDown()) FItemSelector->ScrollItemInView(FItemSelector->ItemIndex());
}

void TExtDetailDropDown::SelectorItemSelect() {
    const int i = FItemSelector->ItemIndex();
    // The list never names "no entry" here, but an index it does not hold
    // must not be read.
    if (i < 0 || i >= FItems.Count()) return;
    SetItemIndex(i);
    SetOwnText(FItems.Items(i).Caption);
    TListDropDown::SelectAll();
    if (!FInternalCall) DoHideDropDown(false);
}

void TExtDetailDropDown::DoHideDropDown(bool Cancelled) {
    TListDropDown::DoHideDropDown(Cancelled);
    if (Cancelled && FOldItemIndex != -1) SetItemIndex(FOldItemIndex);
}

void TExtDetailDropDown::SelectFirst() {
    if (FItems.Count() > 0) SetItemIndex(0);
}

void TExtDetailDropDown::SelectLast() {
    if (FItems.Count() > 0) SetItemIndex(FItems.Count() - 1);
}

void TExtDetailDropDown::SelectNext() {
    if (ItemIndex() < 0) SetItemIndex(0);
    else if (ItemIndex() + 1 < FItems.Count()) SetItemIndex(ItemIndex() + 1);
}

void TExtDetailDropDown::SelectPrevious() {
    if (ItemIndex() < 0) SetItemIndex(0);
    else if (ItemIndex() - 1 >= 0) SetItemIndex(ItemIndex() - 1);
}

void TExtDetailDropDown::MoveInList(int Index) {
    TDetailSelector* s = FItemSelector;
    if (Index < 0 || Index >= static_cast<int>(s->Items().size())) return;
    FInternalCall = true;
    s->SetItemIndex(Index);
    s->ScrollItemInView(Index);
    FInternalCall = false;
    Invalidate();
}

void TExtDetailDropDown::SelectNextItem() {
    TListDropDown::SelectNextItem();
    if (!DroppedDown()) SelectNext();
    else MoveInList(FItemSelector->ItemIndex() < 0 ? 0 : FItemSelector->ItemIndex() + 1);
}

void TExtDetailDropDown::SelectPreviousItem() {
    TListDropDown::SelectPreviousItem();
    if (!DroppedDown()) SelectPrevious();
    else MoveInList(FItemSelector->ItemIndex() < 0 ? 0 : FItemSelector->ItemIndex() - 1);
}

void TExtDetailDropDown::KeyDown(unsigned short& Key, TShiftState Shift) {
    if (!Enabled() || (Shift & ssAlt)) {
        TListDropDown::KeyDown(Key, Shift);
        return;
    }
    TDetailSelector* s = FItemSelector;
    const bool open = DroppedDown();
    const int cur = s->ItemIndex();
    switch (Key) {
        case VK_PRIOR:
        case VK_NEXT: {
            if (static_cast<int>(s->Items().size()) != FItems.Count()) PrepareSelector();
            const int n = s->GetVisibleItemCount();
            if (n >= 1)
                MoveInList(Key == VK_PRIOR ? std::max(0, cur - n) : std::min(cur + n, FItems.Count() - 1));
            break;
        }
        case VK_END:
            if (open) MoveInList(static_cast<int>(s->Items().size()) - 1);
            else if (!EditorEnabled()) SelectLast();
            break;
        case VK_HOME:
            if (open) MoveInList(0);
            else if (!EditorEnabled()) SelectFirst();
            break;
        case VK_LEFT:
            if (open && !EditorEnabled()) MoveInList(cur - 1);
            break;
        case VK_RIGHT:
            if (open && !EditorEnabled()) MoveInList(cur + 1);
            break;
        case VK_UP:
            if (open) MoveInList(cur < 0 ? 0 : cur - 1);
            else SelectPrevious();
            break;
        case VK_DOWN:
            if (open) MoveInList(cur < 0 ? 0 : cur + 1);
            else SelectNext();
            break;
        default:
            // Only keys that stand for a character search; Enter, Esc,
            // Backspace or the shift keys would make a search no caption
            // can match.
            if (!(Shift & ssCtrl) && IsSearchKey(Key)) {
                const long long now = TickCountMs();
                if (FCurSearch.empty() || now - FSearchStart > kSearchBurstMs) {
                    FCurSearch.clear();
                    FSearchStart = now;
                }
                FCurSearch += static_cast<char>(Key);
                FInternalCall = true;
                s->LookupItem(FCurSearch);
                FInternalCall = false;
            }
            break;
    }
    const bool listKey = Key == VK_PRIOR || Key == VK_NEXT || Key == VK_UP || Key == VK_DOWN || Key == VK_LEFT ||
                         Key == VK_RIGHT;
    if (open && listKey) {
        Key = 0;
        return;
    }
    TListDropDown::KeyDown(Key, Shift);
}

void TExtDetailDropDown::ControlKeyDown(unsigned short& Key, TShiftState Shift) {
    if (Key == VK_RETURN && FItemSelector->ItemIndex() >= 0) {
        SelectorItemSelect();
        DoHideDropDown(false);
        Key = 0;
        return;
    }
    TListDropDown::ControlKeyDown(Key, Shift);
}

void TExtDetailDropDown::ControlKeyPress(char32_t& Key) { Key = 0; }

void TExtDetailDropDown::DrawDetailItem(TCanvas& Canvas, TRect R, int Index) {
    if (OnDrawSelectedImage) {
        OnDrawSelectedImage(this, Canvas, R);
        return;
    }
    if (Index < 0 || Index >= FItems.Count()) return;
    const TDetailItem& it = FItems.Items(Index);
    const bool hasCaption = !it.Caption.empty();
    if (!it.Image.Empty()) {
        const int w = it.Image.Width(), h = it.Image.Height();
        const int x = hasCaption ? R.Left + 2 : R.Left + (R.Width() - w) / 2;
        Canvas.Draw(x, R.Top + (R.Height() - h) / 2, *it.Image.Graphic());
        R.Left += w + 4;
    } else if (Images() != nullptr && it.ImageIndex >= 0) {
        const int w = Images()->Width(), h = Images()->Height();
        const int x = hasCaption ? R.Left + 2 : R.Left + (R.Width() - w) / 2;
        Images()->Draw(Canvas, x, R.Top + (R.Height() - h) / 2, it.ImageIndex);
        R.Left += w + 4;
    }
    TColor textColor = FCaptionFont.Color();
    if (Index == FItemSelector->ItemHot()) textColor = FItemAppearance.ColorHotText;
    if (Index == FItemIndex) textColor = FItemAppearance.ColorSelectedText;
    Canvas.Font().Assign(FCaptionFont);
    Canvas.Font().SetColor(textColor);
    Canvas.Brush().SetStyle(bsClear);
    R.Left += 4, R.Top += 2, R.Right -= 4;
    TRect cr = R;
    Canvas.DrawText(it.Caption, cr, DT_END_ELLIPSIS | DT_NOPREFIX);
    if (it.Notes.empty()) return;
    R.Top += Canvas.TextHeight("gh");
    Canvas.Font().Assign(FNotesFont);
    Canvas.Font().SetColor(textColor);
    THtmlRenderArgs args;
    args.Images = Images();
    THtmlRenderResult result;
    RenderHtmlText(Canvas, it.Notes, R, args, result);
}

}  // namespace ctl
