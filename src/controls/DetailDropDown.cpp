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

// ------------------------------------------------------------- drop-down

TExtDetailDropDown::TExtDetailDropDown(TComponent* AOwner) : TListDropDown(AOwner) {
    FCaptionFont = Font();
    FNotesFont = Font();
    FItemSelector = new TExtCustomItemSelector(this);
    FItemSelector->SetParent(FDropDownForm->Client());
    FItemSelector->SetAccessibleName("Entries");
    FItemSelector->SetSelectorType(stImage);
    FItemSelector->SetBounds(0, 0, Width(), 150);
    FItemSelector->OnDrawItem = [this](TObject*, TCanvas& C, TRect R, int Index) { DrawDetailItem(C, R, Index); };
    FItemSelector->OnItemSize = [this](TObject*, TSize& S) { MeasureDetailItem(S); };
    FItemSelector->SetColor(DropDownColor());
    FItemSelector->UpdateSelectorPanel();
    SetControl(FItemSelector);
}

// Every entry spans the list's width, less its scroll bar and border. Once
// shown, the pop-up's own width counts: the user may have sized it.
void TExtDetailDropDown::MeasureDetailItem(TSize& S) {
    int w = DropDownWidth() > 0 && !FDropDownForm->Visible() ? DropDownWidth() : FDropDownForm->Width();
    if (FItemSelector->VertScrollBar().IsScrollBarVisible()) w -= GetSystemMetrics(SM_CXVSCROLL);
    S.cx = w - 2 - 4;  // the list's one-pixel border on both sides and some air
    S.cy = FItemHeight;
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
    TExtCustomItemSelector* s = FItemSelector;
    s->OnItemSelect = nullptr;
    s->SetColumns(1);
    s->SetImages(Images());
    s->SetItemLayout(FLayout);
    s->SetColor(DropDownColor());
    s->SetItemAppearance(FItemAppearance);
    // Notes, tag and object stay with the drop-down's items: the list only
    // lays out and hit-tests, the drawing reads the items themselves.
    TSelectorItems& items = s->Items();
    items.Clear();
    for (int i = 0; i < FItems.Count(); ++i) {
        const TDetailItem& it = FItems.Items(i);
        TSelectorItem& si = *items.Add();
        si.SetCaption(it.Caption);
        si.SetImage(it.Image);
        si.SetImageIndex(it.ImageIndex);
    }
    s->UpdateSelectorPanel();
    s->SetItemIndex(ItemIndex());
    s->OnItemSelect = [this](TObject*) { SelectorItemSelect(); };
}

void TExtDetailDropDown::BeforeDropDown() {
    TListDropDown::BeforeDropDown();
    PrepareSelector();
    FOldItemIndex = ItemIndex();
}

void TExtDetailDropDown::SizeDropDownForm() {
    FItemSelector->SetAlign(alNone);
    if (DropDownWidth() <= 0) FItemSelector->SetWidth(Width());
    if (DropDownHeight() <= 0) FItemSelector->SetHeight(100);
    TListDropDown::SizeDropDownForm();
}

void TExtDetailDropDown::DropDownFormSizing() { FItemSelector->UpdateSelectorPanel(); }

void TExtDetailDropDown::FocusDropDownControl() {
    if (FItemSelector->CanFocus()) FItemSelector->SetFocus();
}

void TExtDetailDropDown::DoShowDropDown() {
    TListDropDown::DoShowDropDown();
    if (!DroppedDown()) return;
    // The entries were measured before the pop-up took its size.
    FItemSelector->UpdateSelectorPanel();
    FItemSelector->ScrollItemInView(FItemSelector->ItemIndex());
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
    TExtCustomItemSelector* s = FItemSelector;
    if (Index < 0 || Index >= s->Items().Count()) return;
    FInternalCall = true;
    s->SetItemIndex(Index);
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
    TExtCustomItemSelector* s = FItemSelector;
    const bool open = DroppedDown();
    const int cur = s->ItemIndex();
    switch (Key) {
        case VK_PRIOR:
        case VK_NEXT: {
            if (s->Items().Count() != FItems.Count()) PrepareSelector();
            const int n = s->GetVisibleItemCount();
            if (n >= 1)
                MoveInList(Key == VK_PRIOR ? std::max(0, cur - n) : std::min(cur + n, FItems.Count() - 1));
            break;
        }
        case VK_END:
            if (open) MoveInList(s->Items().Count() - 1);
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
                if (s->LookupItem(FCurSearch)) s->ScrollItemInView(s->ItemIndex());
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
    // The entry's own picture before the image list's.
    const bool picture = !it.Image.Empty();
    const bool listImage = !picture && Images() != nullptr && it.ImageIndex >= 0;
    if (picture || listImage) {
        const int w = picture ? it.Image.Width() : Images()->Width();
        const int h = picture ? it.Image.Height() : Images()->Height();
        const int centreX = R.Left + (R.Width() - w) / 2, centreY = R.Top + (R.Height() - h) / 2;
        int x = centreX, y = centreY;
        // Without a caption the picture stands alone in the middle; with one,
        // the layout puts the text on the named side and the picture opposite.
        if (hasCaption) {
            switch (FLayout) {
                case ilCaptionRight:
                    x = R.Left + 2;
                    R.Left += w + 4;
                    break;
                case ilCaptionLeft:
                    x = R.Right - 2 - w;
                    R.Right -= w + 4;
                    break;
                case ilCaptionTop:
                    y = R.Bottom - 2 - h;
                    R.Bottom -= h + 4;
                    break;
                case ilCaptionBottom:
                    y = R.Top + 2;
                    R.Top += h + 4;
                    break;
            }
        }
        if (picture) Canvas.Draw(x, y, *it.Image.Graphic());
        else Images()->Draw(Canvas, x, y, it.ImageIndex);
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
