#include "grid/GridLists.h"

#include <algorithm>
#include <stdexcept>

#include "base/StrUtils.h"

namespace grid {

namespace {
constexpr uint32_t kDescending = 0x80000000u;
}

// --- TIntList ----------------------------------------------------------------
void TIntList::CheckIndex(int Index) const {
    if (Index < 0 || Index >= Count())
        throw std::out_of_range("List index out of bounds (" + std::to_string(Index) + ")");
}

void TIntList::Changed() {
    if (OnChange) OnChange(this, FCol, FRow);
}

int TIntList::Items(int Index) const {
    CheckIndex(Index);
    return FItems[size_t(Index)];
}

void TIntList::SetItems(int Index, int Value) {
    CheckIndex(Index);
    FItems[size_t(Index)] = Value;
    Changed();
}

void TIntList::Add(int Value) {
    FItems.push_back(Value);
    Changed();
}

void TIntList::Insert(int Index, int Value) {
    if (Index < 0 || Index > Count())
        throw std::out_of_range("List index out of bounds (" + std::to_string(Index) + ")");
    FItems.insert(FItems.begin() + Index, Value);
}

void TIntList::Delete(int Index) {
    CheckIndex(Index);
    FItems.erase(FItems.begin() + Index);
    Changed();
}

void TIntList::DeleteValue(int Value) {
    const auto it = std::find(FItems.begin(), FItems.end(), Value);
    if (it != FItems.end()) Delete(int(it - FItems.begin()));
}

bool TIntList::HasValue(int Value) const { return std::find(FItems.begin(), FItems.end(), Value) != FItems.end(); }

std::string TIntList::StrValue() const {
    std::string r;
    for (size_t i = 0; i < FItems.size(); ++i) {
        if (i) r += ',';
        r += std::to_string(FItems[i]);
    }
    return r;
}

void TIntList::SetStrValue(std::string_view Value) {
    FItems.clear();
    base::TStringList parts;
    parts.SetCommaText(Value);
    for (const auto& part : parts) Add(base::StrToInt(part));
}

// --- TSortIndexList ----------------------------------------------------------
void TSortIndexList::AddIndex(int ColumnIndex, bool Ascending) {
    uint32_t v = uint32_t(ColumnIndex);
    if (!Ascending) v |= kDescending;
    Add(int32_t(v));
}

int TSortIndexList::FindIndex(int ColumnIndex) const {
    for (int i = 0; i < Count(); ++i)
        if (int(uint32_t(FItems[size_t(i)]) & ~kDescending) == ColumnIndex) return i;
    return -1;
}

int TSortIndexList::SortColumns(int Index) const { return int(uint32_t(Items(Index)) & ~kDescending); }

void TSortIndexList::SetSortColumns(int Index, int Value) {
    const uint32_t old = uint32_t(Items(Index));
    SetItems(Index, int32_t((old & kDescending) | (uint32_t(Value) & ~kDescending)));
}

bool TSortIndexList::SortDirections(int Index) const { return (uint32_t(Items(Index)) & kDescending) == 0; }

void TSortIndexList::SetSortDirections(int Index, bool Ascending) {
    const uint32_t old = uint32_t(Items(Index));
    SetItems(Index, int32_t(Ascending ? (old & ~kDescending) : (old | kDescending)));
}

void TSortIndexList::ToggleIndex(int ColumnIndex) {
    const int i = FindIndex(ColumnIndex);
    if (i >= 0) FItems[size_t(i)] = int32_t(uint32_t(FItems[size_t(i)]) ^ kDescending);
}

std::string TSortIndexList::SaveToString() const {
    std::string r;
    for (size_t i = 0; i < FItems.size(); ++i) {
        const uint32_t v = uint32_t(FItems[i]);
        if (i) r += ';';
        r += (v & kDescending) ? 'd' : 'u';
        r += std::to_string(v & 0xFFFFu);
    }
    return r;
}

void TSortIndexList::LoadFromString(std::string_view Text) {
    Clear();
    size_t start = 0;
    while (start <= Text.size()) {
        size_t end = Text.find(';', start);
        if (end == std::string_view::npos) end = Text.size();
        const std::string_view piece = Text.substr(start, end - start);
        if (piece.size() >= 2) {
            int column = 0;
            for (size_t i = 1; i < piece.size() && piece[i] >= '0' && piece[i] <= '9'; ++i) {
                // Stored columns have at most 5 digits; cap so a damaged
                // file cannot overflow the value.
                if (column < 100000000) column = column * 10 + (piece[i] - '0');
            }
            AddIndex(column, piece[0] == 'u');
        }
        start = end + 1;
    }
}

// --- TControlList --------------------------------------------------------------
void TControlList::AddControl(int X, int Y, plat::TControl* Control) { FItems.push_back({X, Y, Control}); }

int TControlList::ControlIndex(int X, int Y) const {
    for (size_t i = 0; i < FItems.size(); ++i)
        if (FItems[i].X == X && FItems[i].Y == Y) return int(i);
    return -1;
}

const TControlItem& TControlList::Control(int Index) const {
    if (Index < 0 || Index >= Count())
        throw std::out_of_range("List index out of bounds (" + std::to_string(Index) + ")");
    return FItems[size_t(Index)];
}

TControlItem& TControlList::Control(int Index) {
    return const_cast<TControlItem&>(static_cast<const TControlList*>(this)->Control(Index));
}

void TControlList::RemoveControl(int Index) {
    if (Index < 0 || Index >= Count())
        throw std::out_of_range("List index out of bounds (" + std::to_string(Index) + ")");
    FItems.erase(FItems.begin() + Index);
}

bool TControlList::HasControl(const plat::TControl* Control) const {
    if (!Control) return false;
    return std::any_of(FItems.begin(), FItems.end(), [&](const TControlItem& i) { return i.Control == Control; });
}

// --- TFileStringList -----------------------------------------------------------
void TFileStringList::Reset() {
    FPosition = 0;
    FPending.clear();
}

void TFileStringList::ReadLn(std::string& S) {
    S = (*this)[FPosition];
    ++FPosition;
}

void TFileStringList::WriteLn(const std::string& S) {
    Add(FPending + S);
    FPending.clear();
}

}  // namespace grid
