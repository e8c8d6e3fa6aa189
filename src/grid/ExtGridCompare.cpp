#include "grid/ExtGridCompare.h"

#include <algorithm>
#include <charconv>
#include <cstring>

#include "base/DateTime.h"
#include "base/StrUtils.h"
#include "controls/ExtUtil.h"
#include "grid/ExtGrid.h"

namespace grid {

namespace {

int Sign(double a, double b) { return a < b ? -1 : (b < a ? 1 : 0); }

int Ordinal(const std::string& a, const std::string& b) {
    const int c = a.compare(b);
    return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

std::string UpperAZ(const std::string& s) {
    std::string u = s;
    for (char& ch : u)
        if (ch >= 'a' && ch <= 'z') ch = static_cast<char>(ch - 'a' + 'A');
    return u;
}

// Locale-aware order as the user reads a list: letters without case first,
// and among texts that differ only in case the lower-case one first.
int Collate(const std::string& a, const std::string& b, bool WithCase) {
    const int c = Ordinal(base::LowerCase(a), base::LowerCase(b));
    if (c != 0 || !WithCase) return c;
    return -Ordinal(a, b);
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The first separator at 1-based position p with 2 <= p < length and
// p < 4; Digits when the characters on both sides are digits. The test on
// p < length keeps the look after the separator inside the text.
void SeparatorTest(const std::string& s, char Sep, bool& PosOk, bool& Digits) {
    const size_t at = s.find(Sep);
    PosOk = Digits = false;
    if (at == std::string::npos) return;
    const size_t p = at + 1;
    if (p < 2 || p >= s.size() || p >= 4) return;
    PosOk = true;
    Digits = IsDigit(s[at - 1]) && IsDigit(s[at + 1]);
}

bool ParseNumber(std::string s, double& Value) {
    s = base::Trim(s);
    if (!s.empty() && s[0] == '+') s.erase(0, 1);
    if (s.empty()) return false;
    const char* b = s.data();
    const char* e = b + s.size();
    const auto r = std::from_chars(b, e, Value);
    return r.ec == std::errc() && r.ptr == e;
}

}  // namespace

// One cell's keys, read from the grid on the row's first comparison.
struct TCellKey {
    std::string Text;
    bool Read = false;
    bool Empty = true;
    bool Number = false;      // integer, float or float with exponent
    bool CheckKind = false;   // the cell shows a check box
    bool DatePos = false, DateDigits = false, TimePos = false, TimeDigits = false;
    bool HasDateSep = false, HasTimeSep = false;
    bool NumRead = false, NumOk = false;
    double Num = 0;
    bool UpperRead = false;
    std::string Upper;
    int DateStyle = -1;  // the style Date was read in
    double Date = 0;
};

struct TSortKeys::TColumnKeys {
    TSortStyle Style = ssAutomatic;
    std::string Prefix, Suffix;
    bool Ignored = false;
    // Made on a row's first comparison: a tie broken on a further column
    // reads only the rows that tie.
    std::vector<std::unique_ptr<TCellKey>> Cells;
};

TSortKeys::TSortKeys(TExtStringGrid& Grid, int FirstRow, int LastRow)
    : FGrid(Grid), FFirst(FirstRow), FLast(std::max(FirstRow - 1, LastRow)),
      FAllCols(Grid.ColCount() + Grid.NumHiddenColumns()), FDateSep(ctl::GetDateSeparator()),
      FTimeSep(ctl::GetTimeSeparator()), FDecimalSep(ctl::GetDecimalSeparator()),
      FThousandSep(ctl::GetThousandSeparator()) {
    FColumns.resize(std::max(FAllCols, 0));
}

TSortKeys::~TSortKeys() = default;

TSortKeys::TColumnKeys& TSortKeys::Column(int ACol) {
    if (ACol >= static_cast<int>(FColumns.size())) FColumns.resize(ACol + 1);
    auto& slot = FColumns[ACol];
    if (!slot) {
        slot = std::make_unique<TColumnKeys>();
        const TSortSettings& ss = FGrid.SortSettings();
        slot->Style = ss.AutoFormat() ? ssAutomatic : (ss.IgnoreCase() ? ssAlphaNoCase : ssAlphabetic);
        FGrid.GetCellFormat(ACol, slot->Style, slot->Prefix, slot->Suffix);
        slot->Ignored = FGrid.IsIgnoredColumn(ACol);
    }
    return *slot;
}

int TSortKeys::CompareCells(int ACol, int Row1, int Row2, TSortDirection Direction) {
    TColumnKeys& col = Column(ACol);
    const TSortSettings& ss = FGrid.SortSettings();
    const char dateSep = FDateSep, timeSep = FTimeSep;
    auto key = [&](int ARow) -> TCellKey& {
        // The keys of a column are made on its first comparison: a sort
        // that never compares cell by cell, or only a few tied rows, does
        // not pay for a key per row.
        if (col.Cells.empty()) col.Cells.resize(static_cast<size_t>(FLast - FFirst + 1));
        std::unique_ptr<TCellKey>& slot = col.Cells.at(ARow - FFirst);
        if (!slot) slot = std::make_unique<TCellKey>();
        TCellKey& k = *slot;
        if (k.Read) return k;
        k.Read = true;
        k.Text = ss.SortOnVirtualCells() ? FGrid.Cells(ACol, ARow) : FGrid.GetGridCell(ACol, ARow);
        k.Empty = k.Text.empty();
        k.Number = !k.Empty && ctl::ClassifyNumberText(k.Text) != ctl::ntNoNumber;
        if (col.Style == ssAutomatic || col.Style == ssCheckBox) {
            const TCellType kind = FGrid.GetCellType(ACol, ARow);
            k.CheckKind = kind == ctCheckBox || kind == ctDataCheckBox || kind == ctVirtCheckBox ||
                          kind == ctRowCheckBox;
        }
        SeparatorTest(k.Text, dateSep, k.DatePos, k.DateDigits);
        SeparatorTest(k.Text, timeSep, k.TimePos, k.TimeDigits);
        k.HasDateSep = k.Text.find(dateSep) != std::string::npos;
        k.HasTimeSep = k.Text.find(timeSep) != std::string::npos;
        return k;
    };
    TCellKey& k1 = key(Row1);
    TCellKey& k2 = key(Row2);
    const bool noCase = ss.IgnoreCase();

    TSortStyle style = col.Style;
    if (style == ssAutomatic) {
        if (k1.CheckKind) style = ssCheckBox;
        else if (k1.Number) style = ssNumeric;
        else {
            style = noCase ? ssAlphaNoCase : ssAlphabetic;
            if (k1.DatePos) {
                if (k1.DateDigits && k2.HasDateSep) style = k1.HasTimeSep ? ssDateTime : ssDate;
            } else if (k1.TimePos && k1.TimeDigits && k2.HasTimeSep) {
                style = ssTime;
            }
        }
    } else if (style == ssAlphaNumeric || style == ssAlphaNumericNoCase) {
        style = k1.Number && k2.Number ? ssNumeric : (style == ssAlphaNumeric ? ssAlphabetic : ssAlphaNoCase);
    }

    auto number = [&](TCellKey& k) {
        if (k.NumRead) return;
        k.NumRead = true;
        std::string t = k.Text;
        if (!col.Prefix.empty()) {
            const size_t at = t.find(col.Prefix);
            if (at != std::string::npos) t.erase(at, col.Prefix.size());
        }
        if (!col.Suffix.empty()) {
            const size_t at = t.find(col.Suffix);
            if (at != std::string::npos) t.erase(at, col.Suffix.size());
        }
        if (style == ssFinancial) {
            const char th = FThousandSep;
            t.erase(std::remove(t.begin(), t.end(), th), t.end());
        }
        const char dec = FDecimalSep;
        if (dec != '.') {
            const size_t at = t.find(dec);
            if (at != std::string::npos) t[at] = '.';
        }
        k.NumOk = ParseNumber(t, k.Num);
        if (!k.NumOk) k.Num = 0;  // an empty cell counts as 0
    };
    auto upper = [](TCellKey& k) -> const std::string& {
        if (!k.UpperRead) {
            k.Upper = UpperAZ(k.Text);
            k.UpperRead = true;
        }
        return k.Upper;
    };
    auto date = [&](TCellKey& k, TSortStyle s) {
        if (k.DateStyle == s) return k.Date;
        k.DateStyle = s;
        base::TDateTime v = 0;
        try {
            switch (s) {
                case ssTime:
                    if (!base::TryStrToTime(k.Text, v)) v = 0;
                    break;
                case ssShortDateEU: v = ctl::ParseDateDMY(k.Text); break;
                case ssShortDateUS: v = ctl::ParseDateMDY(k.Text); break;
                default:
                    if (k.Empty || !base::TryStrToDateTime(k.Text, v)) v = 0;
                    break;
            }
        } catch (const std::exception&) {
            // A text that is no date of the kind counts as the zero date.
            v = 0;
        }
        k.Date = static_cast<double>(v);
        return k.Date;
    };

    int res = 0;
    switch (style) {
        case ssAlphabetic:
        case ssAlphaCase: res = Ordinal(k1.Text, k2.Text); break;
        case ssAlphaNoCase: res = Ordinal(upper(k1), upper(k2)); break;
        case ssAnsiAlphaCase: res = Collate(k1.Text, k2.Text, true); break;
        case ssAnsiAlphaNoCase: res = Collate(k1.Text, k2.Text, false); break;
        case ssHTML: res = Ordinal(FGrid.StrippedCells(ACol, Row1), FGrid.StrippedCells(ACol, Row2)); break;
        case ssNumeric:
        case ssFinancial:
            number(k1);
            number(k2);
            if (!k1.Empty && !k2.Empty && k1.NumOk != k2.NumOk) {
                // A number against a word compares as text both ways round,
                // so the order does not depend on which of them comes first.
                res = Ordinal(k1.Text, k2.Text);
            } else {
                res = !k1.NumOk && !k2.NumOk && !k1.Empty && !k2.Empty ? 0 : Sign(k1.Num, k2.Num);
            }
            break;
        case ssDate:
        case ssDateTime:
        case ssTime:
        case ssShortDateEU:
        case ssShortDateUS: {
            const double a = date(k1, style), b = date(k2, style);
            res = Sign(a, b);
            break;
        }
        case ssCustom:
            if (FGrid.OnCustomCompare) FGrid.OnCustomCompare(&FGrid, k1.Text, k2.Text, res);
            res = res < 0 ? -1 : (res > 0 ? 1 : 0);
            break;
        case ssRaw:
            if (FGrid.OnRawCompare) FGrid.OnRawCompare(&FGrid, ACol, Row1, Row2, res);
            res = res < 0 ? -1 : (res > 0 ? 1 : 0);
            break;
        case ssImages: {
            const auto a = FGrid.CellImageKey(ACol, Row1), b = FGrid.CellImageKey(ACol, Row2);
            res = a < b ? -1 : (b < a ? 1 : 0);
            break;
        }
        case ssCheckBox: {
            bool a = false, b = false;
            FGrid.GetCheckBoxState(ACol, FGrid.RealRowIndex(Row1), a);
            FGrid.GetCheckBoxState(ACol, FGrid.RealRowIndex(Row2), b);
            res = a == b ? 0 : (a ? 1 : -1);
            break;
        }
        default: res = Ordinal(k1.Text, k2.Text); break;
    }

    if (ss.IgnoreBlanks() && k1.Empty != k2.Empty) {
        // Empty cells keep their place at the start or the end whichever
        // way the column is sorted.
        int blank = k1.Empty ? -1 : 1;
        if (ss.BlankPos() == blLast) blank = -blank;
        if (Direction == sdDescending) blank = -blank;
        res = blank;
    }
    return res;
}

namespace {

// The first eight bytes of a text, big-endian and zero-padded: two texts
// whose prefixes differ compare as their prefixes do, byte by byte, as
// std::string::compare does.
std::uint64_t Prefix8(const std::string& s) {
    std::uint64_t p = 0;
    const size_t n = std::min<size_t>(s.size(), 8);
    for (size_t i = 0; i < 8; ++i)
        p = (p << 8) | (i < n ? static_cast<unsigned char>(s[i]) : 0u);
    return p;
}

}  // namespace

bool TSortKeys::FastOrder(int ACol, int Sign, std::vector<int>& Order) {
    const TSortSettings& ss = FGrid.SortSettings();
    TColumnKeys& col = Column(ACol);
    if (col.Ignored) return false;
    const TSortStyle style = col.Style;
    const bool autoStyle = style == ssAutomatic;
    if (!autoStyle && style != ssAlphabetic && style != ssAlphaCase && style != ssAlphaNoCase && style != ssNumeric)
        return false;
    const int n = FLast - FFirst + 1;
    if (n < 2 || static_cast<int>(Order.size()) != n) return false;
    const bool noCase = ss.IgnoreCase();
    // What the whole column turned out to be: numbers only, or texts that
    // no automatic rule would read as numbers, dates, times or check boxes.
    // The first cell tells which to expect; only that kind's keys are kept.
    std::vector<std::string> texts;
    std::vector<double> numbers;
    bool allNumbers = style == ssNumeric || autoStyle;
    bool allTexts = style != ssNumeric;
    bool anyEmpty = false;
    const bool prefixFree = col.Prefix.empty() && col.Suffix.empty();
    std::string t;
    for (int i = 0; i < n && (allNumbers || allTexts) && !anyEmpty; ++i) {
        const int row = FFirst + i;
        t = ss.SortOnVirtualCells() ? FGrid.Cells(ACol, row) : FGrid.GetGridCell(ACol, row);
        if (t.empty()) {
            anyEmpty = true;
            break;
        }
        if (autoStyle) {
            const TCellType kind = FGrid.GetCellType(ACol, row);
            if (kind == ctCheckBox || kind == ctDataCheckBox || kind == ctVirtCheckBox || kind == ctRowCheckBox) {
                allNumbers = allTexts = false;
                break;
            }
        }
        const bool number = ctl::ClassifyNumberText(t) != ctl::ntNoNumber;
        if (number) {
            allTexts = allTexts && !autoStyle;
            if (allNumbers) {
                double v = 0;
                if (FDecimalSep != '.') {
                    const size_t at = t.find(FDecimalSep);
                    if (at != std::string::npos) t[at] = '.';
                }
                if (!prefixFree || !ParseNumber(t, v)) {
                    allNumbers = false;
                } else {
                    if (numbers.empty()) numbers.reserve(static_cast<size_t>(n));
                    numbers.push_back(v);
                }
            }
        } else {
            allNumbers = false;
            if (autoStyle && allTexts) {
                bool datePos, dateDigits, timePos, timeDigits;
                SeparatorTest(t, FDateSep, datePos, dateDigits);
                SeparatorTest(t, FTimeSep, timePos, timeDigits);
                if ((datePos && dateDigits) || (!datePos && timePos && timeDigits)) allTexts = false;
            }
        }
        if (allTexts && !allNumbers) {
            if (texts.empty()) texts.reserve(static_cast<size_t>(n));
            texts.push_back(std::move(t));
        }
    }
    if (allTexts && !allNumbers && static_cast<int>(texts.size()) != n) allTexts = false;
    // Empty cells sort by rules of their own (blanks first or last, or as
    // the text of the other cell decides); the cell-by-cell path keeps them.
    if (anyEmpty || !(allNumbers || allTexts)) return false;
    const bool full = ss.Full() && ACol < FAllCols - 1;
    auto tie = [&](int a, int b) { return full ? CompareLine(ACol + 1, FFirst + a, FFirst + b) * Sign : 0; };
    if (allNumbers && static_cast<int>(numbers.size()) == n) {
        struct TKey {
            double Value;
            int Index;
        };
        std::vector<TKey> keys(static_cast<size_t>(n));
        for (int i = 0; i < n; ++i) {
            const int at = Order[static_cast<size_t>(i)];
            keys[static_cast<size_t>(i)] = {numbers[static_cast<size_t>(at)], at};
        }
        std::stable_sort(keys.begin(), keys.end(), [&](const TKey& a, const TKey& b) {
            if (a.Value != b.Value) return (a.Value < b.Value) == (Sign > 0);
            return tie(a.Index, b.Index) < 0;
        });
        for (int i = 0; i < n; ++i) Order[static_cast<size_t>(i)] = keys[static_cast<size_t>(i)].Index;
        return true;
    }
    if (!allTexts) return false;
    if (style == ssAlphaNoCase || (autoStyle && noCase))
        for (std::string& t : texts) t = UpperAZ(t);
    struct TKey {
        std::uint64_t Prefix;
        int Index;
    };
    std::vector<TKey> keys(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) {
        const int at = Order[static_cast<size_t>(i)];
        keys[static_cast<size_t>(i)] = {Prefix8(texts[static_cast<size_t>(at)]), at};
    }
    std::stable_sort(keys.begin(), keys.end(), [&](const TKey& a, const TKey& b) {
        int c;
        if (a.Prefix != b.Prefix) c = a.Prefix < b.Prefix ? -1 : 1;
        else c = Ordinal(texts[static_cast<size_t>(a.Index)], texts[static_cast<size_t>(b.Index)]);
        if (c != 0) return c * Sign < 0;
        return tie(a.Index, b.Index) < 0;
    });
    for (int i = 0; i < n; ++i) Order[static_cast<size_t>(i)] = keys[static_cast<size_t>(i)].Index;
    return true;
}

int TSortKeys::CompareLine(int ACol, int Row1, int Row2) {
    const TSortDirection dir = FGrid.SortSettings().Direction();
    const bool full = FGrid.SortSettings().Full();
    for (int c = ACol;; ++c) {
        const int res = Column(c).Ignored ? 0 : CompareCells(c, Row1, Row2, dir);
        if (res != 0 || !full || c >= FAllCols - 1) return res;
    }
}

int TSortKeys::CompareLineIndexed(int Index, int Row1, int Row2) {
    const TSortIndexList& index = FGrid.SortIndexes();
    const bool full = FGrid.SortSettings().Full();
    for (int i = Index; i < index.Count(); ++i) {
        const int col = index.SortColumns(i);
        const bool ascending = index.SortDirections(i);
        int res = Column(col).Ignored ? 0 : CompareCells(col, Row1, Row2, ascending ? sdAscending : sdDescending);
        if (res != 0 || !full) return ascending ? res : -res;
    }
    return 0;
}

}  // namespace grid
