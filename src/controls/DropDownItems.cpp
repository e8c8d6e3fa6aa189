#include "controls/DropDownItems.h"

#include <algorithm>
#include <atomic>
#include <cmath>

#include "controls/LocaleText.h"

namespace ctl {

std::string TDropDownItem::TextAt(int Column) const {
    if (Column < 0 || Column >= static_cast<int>(Text.size())) return {};
    return Text[static_cast<size_t>(Column)];
}

void TDropDownItems::Touch() {
    static std::atomic<unsigned long long> last{0};
    FStamp = ++last;
}

TDropDownItem& TDropDownItems::Add() {
    Touch();
    return FItems.emplace_back();
}

TDropDownItem& TDropDownItems::Add(std::vector<std::string> Texts, int ImageIndex) {
    Touch();
    TDropDownItem& it = FItems.emplace_back();
    it.Text = std::move(Texts);
    it.ImageIndex = ImageIndex;
    return it;
}

TDropDownItem& TDropDownItems::Insert(int Index) {
    Touch();
    const int at = std::clamp(Index, 0, Count());
    return *FItems.insert(FItems.begin() + at, TDropDownItem{});
}

void TDropDownItems::Delete(int Index) {
    if (Index < 0 || Index >= Count()) return;
    Touch();
    FItems.erase(FItems.begin() + Index);
}

int TDropDownItems::IndexInColumn(int Column, std::string_view Value) const {
    if (Column < 0) return -1;
    for (int i = 0; i < Count(); ++i) {
        const auto& t = FItems[static_cast<size_t>(i)].Text;
        if (Column < static_cast<int>(t.size()) && t[static_cast<size_t>(Column)] == Value) return i;
    }
    return -1;
}

TDetailItem& TDetailItems::Add(const std::string& Caption, const std::string& Notes, int ImageIndex) {
    TDetailItem& it = FItems.emplace_back();
    it.Caption = Caption;
    it.Notes = Notes;
    it.ImageIndex = ImageIndex;
    return it;
}

TDetailItem& TDetailItems::Insert(int Index) {
    const int at = std::clamp(Index, 0, Count());
    return *FItems.insert(FItems.begin() + at, TDetailItem{});
}

int TDetailItems::IndexOf(std::string_view Value) const {
    for (int i = 0; i < Count(); ++i)
        if (FItems[static_cast<size_t>(i)].Caption == Value) return i;
    return -1;
}

std::string Utf8Head(std::string_view S, int Count) {
    size_t i = 0;
    for (int n = 0; n < Count && i < S.size(); ++n) i += static_cast<size_t>(Utf8CharLen(S, i));
    return std::string(S.substr(0, std::min(i, S.size())));
}

std::string Utf8Tail(std::string_view S, int Count) {
    const size_t head = Utf8Head(S, Count).size();
    return std::string(S.substr(head));
}

std::string LookupKey(std::string_view S) { return LocaleUpperCase(S); }

std::vector<int> FitColumnWidths(const std::vector<int>& Widths, int Avail) {
    std::vector<int> out;
    out.reserve(Widths.size());
    long long total = 1;
    for (int w : Widths) total += w;
    const double ratio = static_cast<double>(Avail) / static_cast<double>(total);
    double carry = 0;
    for (int w0 : Widths) {
        const double w = w0 * ratio;
        const int n = static_cast<int>(std::nearbyint(w));  // halves to the even neighbour
        carry += w - n;
        if (carry > 1.0) {
            out.push_back(n + 1);
            carry -= 1.0;
        } else
            out.push_back(n);
    }
    return out;
}

int WholeRowsHeight(int Requested, int Bars, int HeaderHeight, int RowHeight, int Extra) {
    // A row height below 1 would divide by nothing: such a list shows no
    // data rows rather than failing.
    const int n = RowHeight >= 1 ? (Requested - Bars - HeaderHeight - 2) / RowHeight : 0;
    return Bars + HeaderHeight + 2 + n * std::max(0, RowHeight) + Extra;
}

}  // namespace ctl
