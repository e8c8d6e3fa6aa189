#include "base/StringList.h"

#include <algorithm>
#include <numeric>
#include <stdexcept>

#include "base/Files.h"
#include "base/StrUtils.h"
#include "base/TextCodec.h"

namespace base {

namespace {

[[noreturn]] void IndexError(int index) {
    throw std::out_of_range("List index out of bounds (" + std::to_string(index) + ")");
}

[[noreturn]] void SortedError() { throw std::logic_error("Operation not allowed on sorted list"); }

bool IsBlank(char c) { return static_cast<unsigned char>(c) <= ' '; }

int CompareStrings(std::string_view a, std::string_view b, bool caseSensitive) {
    return caseSensitive ? a.compare(b) : CompareText(a, b);
}

}  // namespace

const std::string& TStringList::operator[](int index) const {
    if (index < 0 || index >= Count()) IndexError(index);
    return items_[static_cast<size_t>(index)];
}

std::string& TStringList::operator[](int index) {
    if (index < 0 || index >= Count()) IndexError(index);
    return items_[static_cast<size_t>(index)];
}

void TStringList::SetString(int index, const std::string& s) {
    if (sorted_) SortedError();
    (*this)[index] = s;
}

void* TStringList::Objects(int index) const {
    if (index < 0 || index >= Count()) IndexError(index);
    return objects_[static_cast<size_t>(index)];
}

void TStringList::SetObject(int index, void* object) {
    if (index < 0 || index >= Count()) IndexError(index);
    objects_[static_cast<size_t>(index)] = object;
}

int TStringList::Add(const std::string& s) { return AddObject(s, nullptr); }

int TStringList::AddObject(const std::string& s, void* object) {
    int index = Count();
    if (sorted_) {
        if (Find(s, index)) {
            if (duplicates_ == TDuplicates::dupIgnore) return -1;
            if (duplicates_ == TDuplicates::dupError)
                throw std::invalid_argument("String list does not allow duplicates");
            // Equal items stay in the order they were added.
            while (index < Count() && CompareStrings(items_[static_cast<size_t>(index)], s, caseSensitive_) == 0)
                ++index;
        }
    }
    items_.insert(items_.begin() + index, s);
    objects_.insert(objects_.begin() + index, object);
    return index;
}

void TStringList::Insert(int index, const std::string& s) {
    if (sorted_) SortedError();
    if (index < 0 || index > Count()) IndexError(index);
    items_.insert(items_.begin() + index, s);
    objects_.insert(objects_.begin() + index, nullptr);
}

void TStringList::Delete(int index) {
    if (index < 0 || index >= Count()) IndexError(index);
    items_.erase(items_.begin() + index);
    objects_.erase(objects_.begin() + index);
}

void TStringList::Clear() {
    items_.clear();
    objects_.clear();
}

void TStringList::Exchange(int a, int b) {
    if (a < 0 || a >= Count()) IndexError(a);
    if (b < 0 || b >= Count()) IndexError(b);
    std::swap(items_[static_cast<size_t>(a)], items_[static_cast<size_t>(b)]);
    std::swap(objects_[static_cast<size_t>(a)], objects_[static_cast<size_t>(b)]);
}

void TStringList::Move(int from, int to) {
    if (from == to) return;
    if (from < 0 || from >= Count()) IndexError(from);
    if (to < 0 || to >= Count()) IndexError(to);
    std::string s = std::move(items_[static_cast<size_t>(from)]);
    void* o = objects_[static_cast<size_t>(from)];
    items_.erase(items_.begin() + from);
    objects_.erase(objects_.begin() + from);
    items_.insert(items_.begin() + to, std::move(s));
    objects_.insert(objects_.begin() + to, o);
}

void TStringList::AddStrings(const TStringList& other) {
    if (&other == this) {
        const TStringList copy = other;
        AddStrings(copy);
        return;
    }
    for (int i = 0; i < other.Count(); ++i) AddObject(other.items_[static_cast<size_t>(i)], other.objects_[static_cast<size_t>(i)]);
}

void TStringList::Assign(const TStringList& other) {
    if (&other == this) return;
    Clear();
    AddStrings(other);
}

int TStringList::IndexOf(std::string_view s) const {
    if (sorted_) {
        int index = 0;
        return Find(s, index) ? index : -1;
    }
    for (int i = 0; i < Count(); ++i) {
        const std::string& item = items_[static_cast<size_t>(i)];
        if (caseSensitive_ ? item == s : SameText(item, s)) return i;
    }
    return -1;
}

bool TStringList::Find(std::string_view s, int& index) const {
    if (!sorted_) {
        index = IndexOf(s);
        if (index >= 0) return true;
        index = Count();
        return false;
    }
    // Lower bound, so that with duplicates accepted the first equal item is found.
    int lo = 0, hi = Count();
    while (lo < hi) {
        const int mid = lo + (hi - lo) / 2;
        if (CompareStrings(items_[static_cast<size_t>(mid)], s, caseSensitive_) < 0) lo = mid + 1;
        else hi = mid;
    }
    index = lo;
    return lo < Count() && CompareStrings(items_[static_cast<size_t>(lo)], s, caseSensitive_) == 0;
}

void TStringList::SetSorted(bool sorted) {
    if (sorted && !sorted_) {
        sorted_ = true;
        Sort();
    }
    sorted_ = sorted;
}

void TStringList::Sort() {
    const bool cs = caseSensitive_;
    CustomSort([cs](const TStringList& list, int a, int b) {
        return CompareStrings(list.items_[static_cast<size_t>(a)], list.items_[static_cast<size_t>(b)], cs);
    });
}

void TStringList::CustomSort(const std::function<int(const TStringList&, int, int)>& compare) {
    // The comparison sees the list unchanged while the order is worked out;
    // items equal to each other keep their order.
    std::vector<int> order(items_.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return compare(*this, a, b) < 0; });
    std::vector<std::string> items;
    std::vector<void*> objects;
    items.reserve(order.size());
    objects.reserve(order.size());
    for (int i : order) {
        items.push_back(std::move(items_[static_cast<size_t>(i)]));
        objects.push_back(objects_[static_cast<size_t>(i)]);
    }
    items_ = std::move(items);
    objects_ = std::move(objects);
}

std::string TStringList::Names(int index) const {
    const std::string& s = (*this)[index];
    const size_t at = s.find(nameValueSeparator_);
    return at == std::string::npos ? std::string() : s.substr(0, at);
}

std::string TStringList::ValueFromIndex(int index) const {
    const std::string& s = (*this)[index];
    const size_t at = s.find(nameValueSeparator_);
    return at == std::string::npos ? std::string() : s.substr(at + 1);
}

std::string TStringList::Values(std::string_view name) const {
    const int i = IndexOfName(name);
    return i < 0 ? std::string() : ValueFromIndex(i);
}

void TStringList::SetValue(std::string_view name, const std::string& value) {
    const int i = IndexOfName(name);
    if (value.empty()) {
        if (i >= 0) Delete(i);
        return;
    }
    const std::string line = std::string(name) + nameValueSeparator_ + value;
    if (i < 0) {
        Add(line);
    } else if (sorted_) {
        // The name is unchanged, so the item keeps its place in the order.
        items_[static_cast<size_t>(i)] = line;
    } else {
        SetString(i, line);
    }
}

int TStringList::IndexOfName(std::string_view name) const {
    for (int i = 0; i < Count(); ++i) {
        const std::string& s = items_[static_cast<size_t>(i)];
        const size_t at = s.find(nameValueSeparator_);
        if (at == std::string::npos) continue;
        const std::string_view n(s.data(), at);
        if (caseSensitive_ ? n == name : SameText(n, name)) return i;
    }
    return -1;
}

std::string TStringList::Text() const {
    std::string out;
    for (const std::string& s : items_) {
        out += s;
        out += lineBreak_;
    }
    return out;
}

void TStringList::SetText(std::string_view text) {
    Clear();
    size_t start = 0;
    size_t i = 0;
    while (i < text.size()) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            Add(std::string(text.substr(start, i - start)));
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
            start = ++i;
        } else {
            ++i;
        }
    }
    if (start < text.size()) Add(std::string(text.substr(start)));
}

std::string TStringList::CommaText() const {
    TStringList copy;
    copy.items_ = items_;
    copy.objects_ = objects_;
    copy.SetDelimiter(',');
    copy.SetQuoteChar('"');
    copy.SetStrictDelimiter(false);
    return copy.DelimitedText();
}

void TStringList::SetCommaText(std::string_view text) {
    const char delimiter = delimiter_, quote = quoteChar_;
    const bool strict = strictDelimiter_;
    delimiter_ = ',';
    quoteChar_ = '"';
    strictDelimiter_ = false;
    SetDelimitedText(text);
    delimiter_ = delimiter;
    quoteChar_ = quote;
    strictDelimiter_ = strict;
}

std::string TStringList::DelimitedText() const {
    // A single empty item must not read back as no item at all.
    if (items_.size() == 1 && items_[0].empty()) return std::string(2, quoteChar_);
    std::string out;
    for (size_t k = 0; k < items_.size(); ++k) {
        const std::string& s = items_[k];
        if (k > 0) out.push_back(delimiter_);
        bool quote = false;
        for (char c : s) {
            if (c == '\0' || c == quoteChar_ || c == delimiter_ || (!strictDelimiter_ && IsBlank(c))) {
                quote = true;
                break;
            }
        }
        if (!quote) {
            out += s;
            continue;
        }
        out.push_back(quoteChar_);
        for (char c : s) {
            if (c == quoteChar_) out.push_back(quoteChar_);
            out.push_back(c);
        }
        out.push_back(quoteChar_);
    }
    return out;
}

void TStringList::SetDelimitedText(std::string_view text) {
    Clear();
    size_t p = 0;
    const size_t n = text.size();
    auto skipBlanks = [&] {
        if (!strictDelimiter_)
            while (p < n && IsBlank(text[p])) ++p;
    };
    skipBlanks();
    while (p < n) {
        std::string item;
        if (text[p] == quoteChar_) {
            // Quoted item: doubled quotes stand for one; an unclosed quote
            // runs to the end of the text.
            ++p;
            while (p < n) {
                if (text[p] == quoteChar_) {
                    if (p + 1 < n && text[p + 1] == quoteChar_) {
                        item.push_back(quoteChar_);
                        p += 2;
                        continue;
                    }
                    ++p;
                    break;
                }
                item.push_back(text[p++]);
            }
        } else {
            const size_t start = p;
            while (p < n && text[p] != delimiter_ && (strictDelimiter_ || !IsBlank(text[p]))) ++p;
            item.assign(text.substr(start, p - start));
        }
        Add(item);
        skipBlanks();
        if (p < n && text[p] == delimiter_) {
            ++p;
            // A delimiter at the very end leaves one more, empty item.
            if (p == n) Add(std::string());
            skipBlanks();
        }
    }
}

bool TStringList::LoadFromFile(const std::string& path, std::string* error) {
    std::string bytes;
    if (!ReadFileBytes(path, bytes, error)) return false;
    SetText(DecodeText(bytes));
    return true;
}

bool TStringList::SaveToFile(const std::string& path, std::string* error) const {
    return WriteFileAtomic(path, Text(), error);
}

}  // namespace base
