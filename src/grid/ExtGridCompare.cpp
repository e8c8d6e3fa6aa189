#include "grid/ExtGridCompare.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <deque>
#include <stdexcept>
#include <string_view>
#include <unordered_map>

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
void SeparatorTest(std::string_view s, char Sep, bool& PosOk, bool& Digits) {
    const size_t at = s.find(Sep);
    PosOk = Digits = false;
    if (at == std::string::npos) return;
    const size_t p = at + 1;
    if (p < 2 || p >= s.size() || p >= 4) return;
    PosOk = true;
    Digits = IsDigit(s[at - 1]) && IsDigit(s[at + 1]);
}

// Blanks (control characters and spaces) around the number are allowed,
// and one plus sign before it.
bool ParseNumber(std::string_view s, double& Value) {
    while (!s.empty() && static_cast<unsigned char>(s.front()) <= ' ') s.remove_prefix(1);
    while (!s.empty() && static_cast<unsigned char>(s.back()) <= ' ') s.remove_suffix(1);
    if (!s.empty() && s[0] == '+') s.remove_prefix(1);
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
    // reads only the rows that tie. A column compared for a few tied rows
    // keeps their keys in a map; once it has keys for a good share of the
    // rows, it moves them into a table with a slot per row.
    std::vector<std::unique_ptr<TCellKey>> Cells;
    std::unordered_map<int, std::unique_ptr<TCellKey>> Few;

    TCellKey& Key(int Index, int Rows) {
        if (!Cells.empty()) {
            std::unique_ptr<TCellKey>& slot = Cells.at(static_cast<size_t>(Index));
            if (!slot) slot = std::make_unique<TCellKey>();
            return *slot;
        }
        if (Index < 0 || Index >= Rows) throw std::out_of_range("sort key row out of range");
        std::unique_ptr<TCellKey>& slot = Few[Index];
        if (!slot) slot = std::make_unique<TCellKey>();
        TCellKey& k = *slot;
        if (Few.size() > static_cast<size_t>(Rows) / 16) {
            Cells.resize(static_cast<size_t>(Rows));
            for (auto& [at, key] : Few) Cells[static_cast<size_t>(at)] = std::move(key);
            Few.clear();
        }
        return k;
    }
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
        TCellKey& k = col.Key(ARow - FFirst, FLast - FFirst + 1);
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

// The common number cell, "-" before digits with at most one decimal
// separator between digits, read straight into its value: fifteen digits
// fit a double exactly, and one division by an exact power of ten rounds
// as parsing the text would. Anything else answers false and takes the
// general reading.
bool PlainDecimal(std::string_view s, char Decimal, double& Value) {
    static constexpr double kPow10[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                        1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    size_t i = 0;
    const bool negative = !s.empty() && s[0] == '-';
    if (negative) ++i;
    std::uint64_t mantissa = 0;
    int digits = 0, fraction = -1;  // fraction: digits after the separator
    for (; i < s.size(); ++i) {
        const char c = s[i];
        if (c >= '0' && c <= '9') {
            mantissa = mantissa * 10 + static_cast<unsigned>(c - '0');
            ++digits;
            if (fraction >= 0) ++fraction;
        } else if (c == Decimal && fraction < 0 && digits > 0) {
            fraction = 0;
        } else {
            return false;
        }
    }
    if (digits == 0 || digits > 15 || fraction == 0) return false;
    const double v = fraction > 0 ? static_cast<double>(mantissa) / kPow10[fraction] : static_cast<double>(mantissa);
    Value = negative ? -v : v;
    return true;
}

// Letters a to z as upper case, the only folding the case-blind text
// order knows.
unsigned char FoldAZ(unsigned char c, bool Fold) { return Fold && c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c; }

// The first eight bytes of a text (folded when Fold), big-endian and
// zero-padded: two texts whose prefixes differ compare as their prefixes
// do, byte by byte, as std::string::compare does.
std::uint64_t Prefix8(std::string_view s, bool Fold) {
    std::uint64_t p = 0;
    const size_t n = std::min<size_t>(s.size(), 8);
    for (size_t i = 0; i < 8; ++i) p = (p << 8) | (i < n ? FoldAZ(static_cast<unsigned char>(s[i]), Fold) : 0u);
    return p;
}

// std::string::compare of the two texts, folded when Fold.
int CompareTexts(std::string_view a, std::string_view b, bool Fold) {
    if (!Fold) return a.compare(b);
    const size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i) {
        const unsigned char x = FoldAZ(static_cast<unsigned char>(a[i]), true);
        const unsigned char y = FoldAZ(static_cast<unsigned char>(b[i]), true);
        if (x != y) return x < y ? -1 : 1;
    }
    return a.size() < b.size() ? -1 : (a.size() > b.size() ? 1 : 0);
}

// Empties a scratch table for Rows keys; a table left far larger by an
// earlier, bigger sort gives its memory back.
template <class T>
void Reuse(std::vector<T>& Table, int Rows) {
    Table.clear();
    if (Table.capacity() > 4 * static_cast<size_t>(Rows) + 4096) std::vector<T>().swap(Table);
}

}  // namespace

bool TSortKeys::FastOrder(int ACol, int Sign, std::vector<int>& Order, TSortScratch& Scratch) {
    const TSortSettings& ss = FGrid.SortSettings();
    TColumnKeys& col = Column(ACol);
    if (col.Ignored) return false;
    const TSortStyle style = col.Style;
    const bool autoStyle = style == ssAutomatic;
    if (!autoStyle && style != ssAlphabetic && style != ssAlphaCase && style != ssAlphaNoCase && style != ssNumeric)
        return false;
    const int n = FLast - FFirst + 1;
    if (n < 2 || static_cast<int>(Order.size()) != n) return false;
    for (int i = 0; i < n; ++i)
        if (Order[static_cast<size_t>(i)] != i) return false;
    const bool fold = style == ssAlphaNoCase || (autoStyle && ss.IgnoreCase());
    const bool virtualCells = ss.SortOnVirtualCells();
    // What the whole column turned out to be: numbers only, or texts that
    // no automatic rule would read as numbers, dates, times or check boxes.
    // The first cell tells which to expect; only that kind's keys are kept.
    std::vector<std::string_view>& texts = Scratch.Texts;
    std::vector<TSortTextKey>& textKeys = Scratch.TextKeys;
    std::vector<TSortNumberKey>& numbers = Scratch.Numbers;
    Reuse(texts, n);
    Reuse(textKeys, n);
    Reuse(numbers, n);
    // Texts the grid made for the sort rather than stored; the views in
    // texts may point into them, so they must not move.
    std::deque<std::string> made;
    bool allNumbers = style == ssNumeric || autoStyle;
    bool allTexts = style != ssNumeric;
    const bool prefixFree = col.Prefix.empty() && col.Suffix.empty();
    std::string decimal;
    // A character no number has (anything but digits, signs, exponent
    // marks and the separators) makes a text a word without the full
    // number test, which a column of words would otherwise pay per cell.
    const auto mayBeNumber = [&](std::string_view t) {
        for (const char c : t)
            if (!IsDigit(c) && c != '-' && c != '+' && c != 'e' && c != 'E' && c != FDecimalSep && c != FThousandSep)
                return false;
        return true;
    };
    // One cell's key; false once the column is known not to fit.
    const auto take = [&](std::string_view t, bool CheckKind) {
        if (t.empty() || (autoStyle && CheckKind)) {
            // Empty cells sort by rules of their own (blanks first or last,
            // or as the text of the other cell decides); the cell-by-cell
            // path keeps them, and check boxes.
            allNumbers = allTexts = false;
            return false;
        }
        double v = 0;
        const bool plain = PlainDecimal(t, FDecimalSep, v);
        const bool number = plain || (mayBeNumber(t) && ctl::ClassifyNumberText(t) != ctl::ntNoNumber);
        if (number) {
            allTexts = allTexts && !autoStyle;
            if (allNumbers && plain && prefixFree) {
                if (numbers.empty()) numbers.reserve(static_cast<size_t>(n));
                numbers.push_back({v, static_cast<int>(numbers.size())});
            } else if (allNumbers) {
                std::string_view digits = t;
                const size_t at = FDecimalSep != '.' ? t.find(FDecimalSep) : std::string_view::npos;
                if (at != std::string_view::npos) {
                    decimal.assign(t);
                    decimal[at] = '.';
                    digits = decimal;
                }
                if (!prefixFree || !ParseNumber(digits, v)) {
                    allNumbers = false;
                } else {
                    if (numbers.empty()) numbers.reserve(static_cast<size_t>(n));
                    numbers.push_back({v, static_cast<int>(numbers.size())});
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
            if (texts.empty()) {
                texts.reserve(static_cast<size_t>(n));
                textKeys.reserve(static_cast<size_t>(n));
            }
            // The prefix is taken while the cell is at hand: the cells of
            // a big grid lie scattered, and a second pass would wait on
            // memory again.
            textKeys.push_back({Prefix8(t, fold), static_cast<int>(texts.size())});
            texts.push_back(t);
        }
        return allNumbers || allTexts;
    };
    const auto checkKind = [&](int ARow) {
        if (!autoStyle) return false;
        const TCellType kind = FGrid.GetCellType(ACol, ARow);
        return kind == ctCheckBox || kind == ctDataCheckBox || kind == ctVirtCheckBox || kind == ctRowCheckBox;
    };
    const auto viaGrid = [&](int ARow) -> std::string_view {
        return made.emplace_back(virtualCells ? FGrid.Cells(ACol, ARow) : FGrid.GetGridCell(ACol, ARow));
    };
    if (virtualCells && !FGrid.ShowsStoredText(ACol)) {
        // Display events may do anything, writing cells included: every
        // text is asked of the grid and kept apart from the store.
        for (int row = FFirst; row <= FLast; ++row)
            if (!take(viaGrid(row), checkKind(row))) break;
    } else {
        // Where the shown text is the stored one, the store's text is the
        // key and is not copied. Only cells with properties (merged cells,
        // check boxes) and row check boxes are asked of the grid; reading
        // them changes nothing, so the views stay valid.
        const bool rowChecks = ACol == 0 && FGrid.MouseActions().HotmailRowSelect();
        FGrid.ForEachColumnCell(ACol, FFirst, FLast, [&](int row, const std::string& text, plat::TObject* object) {
            if (!object && !rowChecks) return take(text, false);
            return take(virtualCells ? viaGrid(row) : std::string_view(text), checkKind(row));
        });
    }
    if (allNumbers && static_cast<int>(numbers.size()) != n) allNumbers = false;
    if (allTexts && static_cast<int>(texts.size()) != n) allTexts = false;
    if (!(allNumbers || allTexts)) return false;
    // The keys are sorted alone first; then, when ties go on to the next
    // columns, each run of equal keys is sorted by those columns. That is
    // the order a whole-line comparison gives, and only tied rows have
    // their next cells read.
    const bool full = ss.Full() && ACol < FAllCols - 1;
    const auto sortTies = [&](auto& keys, auto same) {
        if (full) {
            for (size_t a = 0; a < keys.size();) {
                size_t b = a + 1;
                while (b < keys.size() && same(keys[a], keys[b])) ++b;
                if (b - a > 1)
                    std::stable_sort(keys.begin() + static_cast<std::ptrdiff_t>(a),
                                     keys.begin() + static_cast<std::ptrdiff_t>(b), [&](const auto& x, const auto& y) {
                                         return CompareLine(ACol + 1, FFirst + x.Index, FFirst + y.Index) * Sign < 0;
                                     });
                a = b;
            }
        }
        for (int i = 0; i < n; ++i) Order[static_cast<size_t>(i)] = keys[static_cast<size_t>(i)].Index;
    };
    // Equal keys keep their rows' order, as a stable sort would keep them;
    // with the offset as the last key every key differs, and the sort can
    // work in place instead of merging through a second table.
    if (allNumbers) {
        if (Sign > 0)
            std::sort(numbers.begin(), numbers.end(), [](const TSortNumberKey& a, const TSortNumberKey& b) {
                return a.Value < b.Value || (a.Value == b.Value && a.Index < b.Index);
            });
        else
            std::sort(numbers.begin(), numbers.end(), [](const TSortNumberKey& a, const TSortNumberKey& b) {
                return b.Value < a.Value || (a.Value == b.Value && a.Index < b.Index);
            });
        sortTies(numbers, [](const TSortNumberKey& a, const TSortNumberKey& b) { return a.Value == b.Value; });
        return true;
    }
    // Texts whose first eight bytes differ are ordered by those alone; only
    // a shared prefix sends the comparison to the texts themselves.
    const auto compare = [&](const TSortTextKey& a, const TSortTextKey& b) {
        if (a.Prefix != b.Prefix) return a.Prefix < b.Prefix ? -1 : 1;
        return CompareTexts(texts[static_cast<size_t>(a.Index)], texts[static_cast<size_t>(b.Index)], fold);
    };
    std::sort(textKeys.begin(), textKeys.end(), [&](const TSortTextKey& a, const TSortTextKey& b) {
        const int c = compare(a, b) * Sign;
        return c < 0 || (c == 0 && a.Index < b.Index);
    });
    sortTies(textKeys, [&](const TSortTextKey& a, const TSortTextKey& b) { return compare(a, b) == 0; });
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
