#include "controls/ColumnDropDown.h"

#include <utility>

#include "base/StrUtils.h"
#include "controls/LocaleText.h"
#include "platform/Bitmap.h"
#include "platform/Messages.h"

namespace ctl {

using namespace plat;

namespace {

struct THeaderStyle {
    TKeloStyle style;
    TColor header, headerTo, headerFont;  // clDefault: the font colour stays
    TSelectionColorStyle selection;
    TColor line;
};

// Rows of a list with a wrapping column are never lower than this.
constexpr int kWrappedRowMin = 24;

int MeasureItemColumn(TCanvas& Canvas, const TDropDownColumn& Column, int Index, const TDropDownItems& Items,
                      const IHtmlImageList* Images) {
    Canvas.Font().Assign(Column.Font);
    int image = -1, width = 0;
    for (int r = 0; r < Items.Count(); ++r) {
        const TDropDownItem& it = Items.Items(r);
        const std::string text = it.TextAt(Index);
        // An image column keeps room for the last image seen, also in rows
        // that carry no text of their own in it.
        if (Column.ColumnType == ctImage && Index < static_cast<int>(it.Text.size())) image = it.ImageIndex;
        int w = image >= 0 && Images != nullptr ? Images->Width() + 4 : 0;
        if (!text.empty()) w += Canvas.TextWidth(text) + 6;
        width = std::max(width, w);
    }
    return width;
}

int MeasureWrappedRow(TCanvas& Canvas, const std::vector<TDropDownColumn>& Columns, const TCustomGrid& Grid,
                      const TDropDownItem& Item, const IHtmlImageList* Images) {
    int h = kWrappedRowMin;
    for (size_t c = 0; c < Columns.size(); ++c) {
        const TDropDownColumn& col = Columns[c];
        if (!col.Wordwrap) continue;
        const int image = col.ColumnType == ctImage ? Item.ImageIndex : -1;
        int b = image >= 0 && Images != nullptr ? Images->Height() + 6 : 0;
        const std::string text = Item.TextAt(static_cast<int>(c));
        if (!text.empty()) {
            Canvas.Font().Assign(col.Font);
            const int w = static_cast<int>(c) < Grid.ColCount() ? Grid.ColWidths(static_cast<int>(c)) : col.Width;
            TRect r{0, 0, w, 500};
            Canvas.DrawText(text, r, DT_CALCRECT | DT_WORDBREAK | DT_EDITCONTROL | DT_NOPREFIX);
            b = std::max(b, r.Height() + 6);
        }
        h = std::max(h, b);
    }
    return h;
}

constexpr THeaderStyle kHeaderStyles[] = {
    {tsSuiteABlue, 0xD68759, 0x933803, 0xFFFFFF, scSuiteB, 0x962D00},
    {tsSuiteASilver, 0xBDA4A5, 0x957475, clDefault, scSuiteB, 0x947C7C},
    {tsSuiteAOlive, 0x82C0AF, 0x447A63, clDefault, scSuiteB, 0x588060},
    {tsSuiteAClassic, 0x808080, 0x808080, clDefault, scSuiteB, 0x808080},
    {tsSuiteBAzure, 0xFFEFE3, 0xFFD2AF, 0x723708, scSuiteB, 0xFFD2AF},
    {tsSuiteBObsidian, 0xF2F1F0, 0xC9C2BD, 0x433C37, scSuiteB, 0x5C534C},
    {tsWorkbench, 0xEBEEEF, 0x7E9898, 0xFFFFFF, scSuiteB, 0x962D00},
    {tsSuiteBSilver, 0xF8F7F6, 0xE8E0DB, 0x8B4215, scSuiteB, 0x74706F},
    {tsFrost, 0xFFFDF9, 0xFFFAF0, clBlack, scFrost, 0xFCF2DA},
    {tsGlass, 0xFDFBFA, 0xFDF3EB, clBlack, scGlass, 0xFBD6B8},
};

// The third suite's styles: a plain header and a selection of their own.
struct TSuiteCStyle {
    TKeloStyle style;
    TColor header, headerFont;
};
constexpr TSuiteCStyle kSuiteCStyles[] = {
    {tsSuiteCBlue, 0xEDDBCD, 0x5B391E},
    {tsSuiteCSilver, 0xEDE9E5, 0x5B391E},
    {tsSuiteCBlack, 0x828282, 0xD7D7D6},
};

std::string CharText(char32_t Key) {
    std::u32string s(1, Key);
    std::string out;
    for (char32_t c : s) {
        if (c < 0x80) out += static_cast<char>(c);
        else if (c < 0x800) out += static_cast<char>(0xC0 | (c >> 6)), out += static_cast<char>(0x80 | (c & 0x3F));
        else if (c < 0x10000)
            out += static_cast<char>(0xE0 | (c >> 12)), out += static_cast<char>(0x80 | ((c >> 6) & 0x3F)),
                out += static_cast<char>(0x80 | (c & 0x3F));
        else
            out += static_cast<char>(0xF0 | (c >> 18)), out += static_cast<char>(0x80 | ((c >> 12) & 0x3F)),
                out += static_cast<char>(0x80 | ((c >> 6) & 0x3F)), out += static_cast<char>(0x80 | (c & 0x3F));
    }
    return out;
}

}  // namespace

int ListContentWidth(const TCustomGrid& Grid) {
    int w = 0;
    for (int i = 0; i < Grid.ColCount(); ++i) w += Grid.ColWidths(i);
    if (Grid.VisibleRowCount() + Grid.FixedRows() != Grid.RowCount()) w += GetSystemMetrics(SM_CXVSCROLL);
    return w;
}

TColumnDropDown::TColumnDropDown(TComponent* AOwner) : TListDropDown(AOwner) {
    SetDropDownColor(0xFFFFFF);
    SetDropDownHeight(200);
    SetSelectionColorStyle(scSuiteB);
}

void TColumnDropDown::BuildLookupItems() {
    if (FLookupColumn < 0 || FItems.Count() == 0) return;
    FLookupItems.clear();
    FLookupItems.reserve(static_cast<size_t>(FItems.Count()));
    const TDropDownItems& items = FItems;
    for (int i = 0; i < items.Count(); ++i) FLookupItems.push_back(items.Items(i).TextAt(FLookupColumn));
}

bool TColumnDropDown::FindLookupText(const std::string& Text, std::string& FoundText, int& Index) const {
    Index = -1;
    FoundText.clear();
    if (Text.empty()) return false;
    const std::string key = FCaseSensitive ? Text : LookupKey(Text);
    for (int i = 0; i < FItems.Count(); ++i) {
        const std::string t = FItems.Items(i).TextAt(FLookupColumn);
        if ((FCaseSensitive ? t : LookupKey(t)).rfind(key, 0) == 0) {
            FoundText = t;
            Index = i;
            return true;
        }
    }
    return false;
}

int TColumnDropDown::AcceptedEntry(const std::string& Text) const {
    const std::string key = LookupKey(Text);
    for (size_t i = 0; i < FLookupItems.size(); ++i)
        if (LookupKey(FLookupItems[i]) == key) return static_cast<int>(i);
    return -1;
}

int TColumnDropDown::LookupChar(char32_t Key) {
    if (LookupMethod() == lmNone) return -1;
    const int p = static_cast<int>(Prefix().size());
    if (Key == 8) {
        if (SelLength() > 0) {
            // Exactly the selected characters go.
            const std::string t = GetText();
            const int from = std::max(0, SelStart() - p);
            SetOwnText(Utf8Head(t, from) + Utf8Tail(t, from + SelLength()));
        } else {
            if (!FLookupEntry.empty()) FLookupEntry = Utf8Head(FLookupEntry, Utf8Length(FLookupEntry) - 1);
            SetOwnText(FLookupEntry);
        }
        SetSelStart(p + Utf8Length(GetText()));
        SetSelLength(0);
        return -1;
    }
    // Keys without a character of their own never become part of the search.
    if (Key >= 32 && Key != 127) FLookupEntry += CharText(Key);
    const std::string entry = TrimsLookupEntry() ? base::Trim(FLookupEntry) : FLookupEntry;
    if (LookupMethod() == lmNarrowDown) return NarrowList(entry);
    std::string found;
    int index = -1;
    const int entryLen = Utf8Length(FLookupEntry);
    if (FindLookupText(entry, found, index)) {
        FItemIndex = index;
        SetOwnText(found);
        if (SelectsLookupTail()) SelectFrom(entryLen);
        return index;
    }
    if (KeepsUnmatchedEntry()) return -1;
    const std::string typed = Key >= 32 && Key != 127 ? CharText(Key) : std::string();
    if (!typed.empty() && FindLookupText(typed, found, index)) {
        FItemIndex = index;
        SetOwnText(found);
        FLookupEntry = typed;
        return index;
    }
    FLookupEntry.clear();
    return -1;
}

// ---------------------------------------------------------------- moves

void TColumnDropDown::SelectFirst() {
    if (ItemCount() > 0) SetItemIndex(0);
}

void TColumnDropDown::SelectLast() {
    if (ItemCount() > 0) SetItemIndex(ItemCount() - 1);
}

void TColumnDropDown::SelectNext() {
    if (ItemCount() == 0) return;
    if (ItemIndex() < 0) SetItemIndex(0);
    else if (ItemIndex() + 1 < ItemCount()) SetItemIndex(ItemIndex() + 1);
}

void TColumnDropDown::SelectPrevious() {
    if (ItemCount() == 0) return;
    if (ItemIndex() < 0) SetItemIndex(0);
    else if (ItemIndex() - 1 >= 0) SetItemIndex(ItemIndex() - 1);
}

void TColumnDropDown::SelectNextPage() {
    if (ItemCount() == 0) return;
    SetItemIndex(ItemIndex() < 0 ? 0 : std::min(ItemIndex() + 10, ItemCount() - 1));
}

void TColumnDropDown::SelectPreviousPage() {
    if (ItemCount() == 0) return;
    SetItemIndex(ItemIndex() >= 0 && ItemIndex() - 10 >= 0 ? ItemIndex() - 10 : 0);
}

void TColumnDropDown::SelectNextItem() {
    TListDropDown::SelectNextItem();
    SelectNext();
}

void TColumnDropDown::SelectPreviousItem() {
    TListDropDown::SelectPreviousItem();
    SelectPrevious();
}

void TColumnDropDown::KeyDown(unsigned short& Key, TShiftState Shift) {
    // The typing rules may swallow a key (an edit that cannot be typed in
    // takes no keys); the moves still follow the key as pressed.
    const unsigned short pressed = Key;
    TListDropDown::KeyDown(Key, Shift);
    if (!Enabled() || (Shift & ssAlt) || (Key == 0 && pressed == VK_RETURN)) return;
    NavigationKey(pressed, Shift);
}

void TColumnDropDown::NavigationKey(unsigned short Key, TShiftState Shift) {
    switch (Key) {
        case VK_PRIOR: SelectPreviousPage(); break;
        case VK_NEXT: SelectNextPage(); break;
        case VK_UP: SelectPrevious(); break;
        case VK_DOWN: SelectNext(); break;
        case VK_END:
            if (EndHomeMove(Shift)) SelectLast();
            break;
        case VK_HOME:
            if (EndHomeMove(Shift)) SelectFirst();
            break;
        default: break;
    }
}

// ---------------------------------------------------------------- look

void TColumnDropDown::AdjustDropDownHeight(int& AHeight) {
    const int bars = (DropDownHeader().Visible ? DropDownHeader().Height : 0) +
                     (DropDownFooter().Visible ? DropDownFooter().Height : 0);
    AHeight = WholeRowsHeight(AHeight, bars, FHeaderHeight, FDropDownRowHeight, HeightExtra());
}

void TColumnDropDown::AutoSizeListColumn(std::vector<TDropDownColumn>& GridColumns, int Index) {
    if (Index < 0 || Index >= static_cast<int>(GridColumns.size())) return;
    TDropDownColumn& col = GridColumns[static_cast<size_t>(Index)];
    if (!col.AutoSize) return;
    TBitmap b(1, 1);
    col.Width = MeasureItemColumn(b.Canvas(), col, Index, FItems, Images());
    // The designed width is overwritten, so the fit to the pop-up starts
    // from the content.
    if (Index < static_cast<int>(FColumns.size())) FColumns[static_cast<size_t>(Index)].Width = col.Width;
    ListGrid()->SetColWidths(Index, col.Width);
}

void TColumnDropDown::SizeWrappedListRows(const std::vector<TDropDownColumn>& GridColumns) {
    if (std::none_of(GridColumns.begin(), GridColumns.end(), [](const TDropDownColumn& c) { return c.Wordwrap; }))
        return;
    TCustomGrid* g = ListGrid();
    TBitmap b(1, 1);
    for (int r = g->FixedRows(); r < g->RowCount() && r - 1 < FItems.Count(); ++r)
        g->SetRowHeights(r, MeasureWrappedRow(b.Canvas(), GridColumns, *g, std::as_const(FItems).Items(r - 1), Images()));
}

void TColumnDropDown::SizeDropDownForm() {
    TListDropDown::SizeDropDownForm();
    if (!FDropDownAutoWidth) return;
    FDropDownForm->SetBounds(FDropDownForm->Left(), FDropDownForm->Top(),
                             ListContentWidth(*ListGrid()) + 2 * DropDownBorderWidth(), FDropDownForm->Height());
}

void TColumnDropDown::FocusDropDownControl() {
    if (ListGrid()->CanFocus()) ListGrid()->SetFocus();
}

void TColumnDropDown::FitColumnsToDropDown() {
    if (!FColumnSizeWithDropDown) return;
    TCustomGrid* g = ListGrid();
    g->SetScrollBars(ssVertical);
    if (FColumns.empty()) return;
    int avail = FDropDownForm->Width();
    if (g->VisibleRowCount() < g->RowCount() - g->FixedRows()) avail -= GetSystemMetrics(SM_CXVSCROLL);
    const std::vector<int> w = FittedWidths(avail);
    for (size_t i = 0; i < w.size() && static_cast<int>(i) < g->ColCount(); ++i)
        g->SetColWidths(static_cast<int>(i), w[i]);
}

std::vector<int> TColumnDropDown::FittedWidths(int Avail) const {
    std::vector<int> w;
    for (const TDropDownColumn& c : FColumns) w.push_back(c.Width);
    return FitColumnWidths(w, Avail);
}

void TColumnDropDown::SetSelectionColorStyle(TSelectionColorStyle Value) {
    switch (Value) {
        case scSuiteB: FLineColor = 0xF1EDEB, FFixedLineColor = 0xD1BBA4; break;
        case scFrost:
        case scGlass: FLineColor = 0xECECF0, FFixedLineColor = 0xD4D2D1; break;
        case scCustom: break;
    }
    TListDropDown::SetSelectionColorStyle(Value);
}

void TColumnDropDown::SetComponentStyle(TKeloStyle AStyle) {
    TListDropDown::SetComponentStyle(AStyle);
    for (const THeaderStyle& s : kHeaderStyles) {
        if (s.style != AStyle) continue;
        FHeaderColor = s.header;
        FHeaderColorTo = s.headerTo;
        if (s.headerFont != clDefault) FHeaderFont.SetColor(s.headerFont);
        SetSelectionColorStyle(s.selection);
        FFixedLineColor = FLineColor = s.line;
        FSelectionTextColor = clBlack;
        return;
    }
    if (AStyle == tsBevel || AStyle == tsTerminal) {
        FFixedLineColor = AStyle == tsBevel ? clBlack : 0x808080;
        FLineColor = AStyle == tsBevel ? 0xC0C0C0 : 0x808080;
        FHeaderColor = FHeaderColorTo = clBtnFace;
        SetSelectionColorStyle(scCustom);
        SetSelectionColor(clHighlight);
        SetSelectionColorTo(clHighlight);
        FHeaderFont.SetColor(clBlack);
        FSelectionTextColor = clHighlightText;
        return;
    }
    if (!HasSuiteCStyles()) return;
    for (const TSuiteCStyle& s : kSuiteCStyles) {
        if (s.style != AStyle) continue;
        FFixedLineColor = FLineColor = 0xEEDDCF;
        FHeaderColor = s.header;
        FHeaderColorTo = clNone;
        SetSelectionColorStyle(scCustom);
        SetSelectionColor(0x6CD0FF);
        SetSelectionColorTo(0x6CD0FF);
        FHeaderFont.SetColor(s.headerFont);
        FSelectionTextColor = clBlack;
    }
}

}  // namespace ctl
