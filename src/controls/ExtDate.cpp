// Date texts of the grid: parsing for sorting and pasting, and the step of a
// pasted date series. Kept apart from the other text routines because it is
// the only part that needs the calendar.
#include "base/StrUtils.h"
#include "controls/ExtUtil.h"

namespace ctl {

namespace {

bool WholeNumber(std::string_view s, int& value, int& digits) {
    if (s.empty() || s.size() > 9) return false;
    value = 0;
    for (char c : s) {
        if (c < '0' || c > '9') return false;
        value = value * 10 + (c - '0');
    }
    digits = int(s.size());
    return true;
}

// Splits "a<sep>b<sep>c" at the first '/', else '.', else '-'. False when
// the separator is missing or does not occur a second time.
bool SplitDate(std::string_view text, int& first, int& second, int& year) {
    size_t p = text.find('/');
    if (p == std::string_view::npos) p = text.find('.');
    if (p == std::string_view::npos) p = text.find('-');
    if (p == std::string_view::npos) return false;
    const char sep = text[p];
    const size_t q = text.find(sep, p + 1);
    if (q == std::string_view::npos) return false;
    int d1 = 0, d2 = 0, dy = 0;
    if (!WholeNumber(text.substr(0, p), first, d1) || !WholeNumber(text.substr(p + 1, q - p - 1), second, d2) ||
        !WholeNumber(text.substr(q + 1), year, dy))
        return false;
    // A short year lies in 1926..2025; a year written out in full is taken
    // as written, so 2020 stays 2020 and pasted series keep their years.
    if (dy <= 2) year += year <= 25 ? 2000 : 1900;
    return true;
}

}  // namespace

base::TDateTime ParseDateMDY(std::string_view text) {
    int month = 0, day = 0, year = 0;
    if (!SplitDate(text, month, day, year)) return 0;
    return base::EncodeDate(year, month, day);
}

base::TDateTime ParseDateDMY(std::string_view text) {
    int day = 0, month = 0, year = 0;
    if (!SplitDate(text, day, month, year)) return 0;
    return base::EncodeDate(year, month, day);
}

base::TDateTime StepDate(int yearStep, int monthStep, int dayStep, base::TDateTime date, double plainOffset) {
    const bool y = yearStep != 0, m = monthStep != 0, d = dayStep != 0;
    if (d && !y && !m) return date + dayStep;
    const base::TDateParts parts = base::DecodeDate(date);
    if (y && !m && !d) return base::EncodeDate(parts.year + yearStep, parts.month, parts.day);
    if (m && !y && !d) {
        // Months are counted from 0 so that steps of any size wrap into the
        // right year, not only steps of one.
        int months = parts.month - 1 + monthStep;
        int year = parts.year + (months >= 0 ? months / 12 : -((11 - months) / 12));
        months = ((months % 12) + 12) % 12;
        return base::EncodeDate(year, months + 1, parts.day);
    }
    return date + plainOffset;
}

}  // namespace ctl
