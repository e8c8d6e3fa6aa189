#include "grid/GridSmartFill.h"

#include <cmath>
#include <cstdlib>

#include "base/DateTime.h"
#include "base/StrUtils.h"
#include "controls/ExtUtil.h"

namespace grid {

namespace {

bool ReadFloat(const std::string& Text, double& Value) {
    std::string t = Text;
    const char sep = ctl::GetDecimalSeparator();
    for (char& c : t)
        if (c == sep) c = '.';
    if (t.empty()) return false;
    char* end = nullptr;
    Value = std::strtod(t.c_str(), &end);
    return end == t.c_str() + t.size() && std::isfinite(Value);
}

bool ReadInteger(const std::string& Text, long long& Value) {
    if (Text.empty()) return false;
    char* end = nullptr;
    errno = 0;
    Value = std::strtoll(Text.c_str(), &end, 10);
    return errno == 0 && end == Text.c_str() + Text.size();
}

// The date Months on from Start, on Start's day or the month's last day.
bool AddMonths(base::TDateTime Start, long long Months, base::TDateTime& Out) {
    const base::TDateParts p = base::DecodeDate(Start);
    const long long total = (long long)p.year * 12 + (p.month - 1) + Months;
    const long long year = total >= 0 ? total / 12 : -((11 - total) / 12);
    const int month = int(total - year * 12) + 1;
    if (year < 1 || year > 9999) return false;
    const int day = std::min(p.day, base::DaysInMonth(int(year), month));
    base::TDateTime d = 0;
    if (!base::TryEncodeDate(int(year), month, day, d)) return false;
    const double timeOfDay = std::fabs(Start - std::trunc(Start));
    Out = d + (d < 0 ? -timeOfDay : timeOfDay);
    return true;
}

std::vector<std::string> DateSeries(const std::string& A, const std::string& B, int Count) {
    std::vector<std::string> out;
    base::TDateTime da = 0, db = 0;
    if (!base::TryStrToDateTime(A, da) || !base::TryStrToDateTime(B, db)) return out;
    const base::TDateParts pa = base::DecodeDate(da), pb = base::DecodeDate(db);
    const int dy = pb.year - pa.year, dm = pb.month - pa.month, dd = pb.day - pa.day;
    const bool asDate = A.find(ctl::GetDateSeparator()) != std::string::npos;
    for (int k = 0; k < Count; ++k) {
        // Each value is counted from the first, so a clamped day (31 January
        // on to 28 February) does not carry into the months after it.
        base::TDateTime d = da;
        if (dd != 0 && dy == 0 && dm == 0) d = da + double(dd) * k;
        else if (dy != 0 && dm == 0 && dd == 0) {
            if (!AddMonths(da, 12LL * dy * k, d)) break;
        } else if (dm != 0 && dy == 0 && dd == 0) {
            if (!AddMonths(da, (long long)dm * k, d)) break;
        } else
            d = da + (db - da) * k;
        if (d < -693593 || d > 2958465) break;  // outside years 1 .. 9999
        out.push_back(asDate ? base::DateToStr(d) : base::TimeToStr(d));
    }
    return out;
}

}  // namespace

bool LooksLikeDateTime(const std::string& Text) {
    return Text.find(ctl::GetTimeSeparator()) != std::string::npos || ctl::HasTwoDateSeparators(Text);
}

TFillSeries FillSeriesOf(const std::string& A, const std::string& B) {
    if (LooksLikeDateTime(A) && LooksLikeDateTime(B)) return fsDate;
    const char sep = ctl::GetDecimalSeparator();
    if (A.find(sep) != std::string::npos || B.find(sep) != std::string::npos) return fsFloat;
    long long ia = 0, ib = 0;
    if (ReadInteger(A, ia) && ReadInteger(B, ib)) return fsInteger;
    return fsPattern;
}

std::vector<std::string> FillSeries(const std::string& A, const std::string& B, int Count,
                                    const std::string& FloatFormat) {
    std::vector<std::string> out;
    switch (FillSeriesOf(A, B)) {
        case fsDate:
            return DateSeries(A, B, Count);
        case fsFloat: {
            double fa = 0, fb = 0;
            if (!ReadFloat(A, fa) || !ReadFloat(B, fb)) return out;
            for (int k = 0; k < Count; ++k) out.push_back(base::FormatFloat(FloatFormat, fa + (fb - fa) * k));
            return out;
        }
        case fsInteger: {
            long long ia = 0, ib = 0;
            ReadInteger(A, ia);
            ReadInteger(B, ib);
            const long long step = ib - ia;
            long long v = ia;
            for (int k = 0; k < Count; ++k) {
                out.push_back(std::to_string(v));
                if (__builtin_add_overflow(v, step, &v)) break;
            }
            return out;
        }
        case fsPattern:
            break;
    }
    return out;
}

}  // namespace grid
