#include "base/DateTime.h"

#include <chrono>
#include <cmath>
#include <cstdio>
#include <ctime>

#include "base/StrUtils.h"

namespace base {

namespace {

constexpr int64_t kMsPerDay = 86'400'000;
// Day number of 30 December 1899 counted from 1 January 1970.
constexpr int64_t kEpochFromUnix = -25'569;

const char* const kShortDays[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
const char* const kLongDays[] = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};
const char* const kShortMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                    "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
const char* const kLongMonths[] = {"January", "February", "March",     "April",   "May",      "June",
                                   "July",    "August",   "September", "October", "November", "December"};

// Days from 1970-01-01 (proleptic Gregorian calendar) and back.
int64_t DaysFromCivil(int64_t y, int m, int d) {
    y -= m <= 2;
    const int64_t era = (y >= 0 ? y : y - 399) / 400;
    const int64_t yoe = y - era * 400;
    const int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

void CivilFromDays(int64_t z, int& year, int& month, int& day) {
    z += 719468;
    const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const int64_t doe = z - era * 146097;
    const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const int64_t mp = (5 * doy + 2) / 153;
    day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    year = static_cast<int>(yoe + era * 400 + (month <= 2));
}

// Whole days and milliseconds of the day. The value is rounded to the
// millisecond as a whole, so 23:59:59.9999 becomes midnight of the next day
// rather than a time of 24:00:00.000. Before the epoch the day is negative and
// the time of day still counts forward from midnight.
// Values far outside the calendar (or not numbers) are read as the epoch
// instead of overflowing.
void Split(TDateTime value, int64_t& days, int64_t& ms) {
    if (!std::isfinite(value) || std::fabs(value) > 1.0e9) value = 0;
    const int64_t total = std::llround(std::fabs(value) * static_cast<double>(kMsPerDay));
    days = total / kMsPerDay;
    ms = total % kMsPerDay;
    if (value < 0) days = -days;
}

TDateTime Compose(TDateTime date, TDateTime time) { return date < 0 ? date - time : date + time; }

TFormatSettings g_settings;

std::string Pad(int value, int width) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%0*d", width, value);
    return buf;
}

bool StartsNoCase(std::string_view s, size_t at, std::string_view what) {
    return s.size() - at >= what.size() && SameText(s.substr(at, what.size()), what);
}

void Append(std::string& out, std::string_view f, TDateTime value, const TFormatSettings& fs, int depth) {
    int64_t days = 0, ms = 0;
    Split(value, days, ms);
    const TDateParts d = DecodeDate(value);
    const int hour = static_cast<int>(ms / 3'600'000);
    const int minute = static_cast<int>(ms / 60'000 % 60);
    const int second = static_cast<int>(ms / 1000 % 60);
    const int msec = static_cast<int>(ms % 1000);

    char lastToken = 0;
    size_t i = 0;
    while (i < f.size()) {
        const char c = f[i];
        char token = (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c;
        size_t count = 1;
        auto run = [&] {
            while (i + count < f.size() && (f[i + count] == c || f[i + count] == token ||
                                            f[i + count] == static_cast<char>(token + 32)))
                ++count;
        };
        if (token >= 'A' && token <= 'Z') {
            // "m" right after an hour code means minutes, as in "hh:mm".
            if (token == 'M' && lastToken == 'H') token = 'N';
            lastToken = token;
        }
        switch (token) {
        case '"':
        case '\'': {
            const size_t end = f.find(c, i + 1);
            const size_t stop = end == std::string_view::npos ? f.size() : end;
            out.append(f.substr(i + 1, stop - i - 1));
            i = end == std::string_view::npos ? f.size() : end + 1;
            continue;
        }
        case '/': out.push_back(fs.dateSeparator); break;
        case ':': out.push_back(fs.timeSeparator); break;
        case 'Y':
            run();
            out += count <= 2 ? Pad(d.year % 100, 2) : Pad(d.year, 4);
            break;
        case 'M':
            run();
            if (count <= 2) out += Pad(d.month, static_cast<int>(count));
            else out += count == 3 ? kShortMonths[d.month - 1] : kLongMonths[d.month - 1];
            break;
        case 'D':
            run();
            if (count <= 2) out += Pad(d.day, static_cast<int>(count));
            else if (count == 3) out += kShortDays[DayOfWeek(value) - 1];
            else if (count == 4) out += kLongDays[DayOfWeek(value) - 1];
            else if (depth < 2) Append(out, fs.shortDateFormat, value, fs, depth + 1);
            break;
        case 'H': {
            run();
            // The 12-hour clock applies when an am/pm code follows.
            bool twelve = false;
            for (size_t k = i + count; k < f.size(); ++k)
                if (StartsNoCase(f, k, "am/pm") || StartsNoCase(f, k, "a/p") || StartsNoCase(f, k, "ampm")) {
                    twelve = true;
                    break;
                }
            int h = hour;
            if (twelve) {
                h %= 12;
                if (h == 0) h = 12;
            }
            out += Pad(h, count >= 2 ? 2 : 1);
            break;
        }
        case 'N':
            run();
            out += Pad(minute, count >= 2 ? 2 : 1);
            break;
        case 'S':
            run();
            out += Pad(second, count >= 2 ? 2 : 1);
            break;
        case 'Z':
            run();
            out += Pad(msec, count >= 3 ? 3 : static_cast<int>(count));
            break;
        case 'T':
            run();
            if (depth < 2) Append(out, count == 1 ? fs.shortTimeFormat : fs.longTimeFormat, value, fs, depth + 1);
            break;
        case 'C':
            if (depth < 2) {
                Append(out, fs.shortDateFormat, value, fs, depth + 1);
                if (ms != 0) {
                    out.push_back(' ');
                    Append(out, fs.longTimeFormat, value, fs, depth + 1);
                }
            }
            break;
        case 'A':
            if (StartsNoCase(f, i, "am/pm")) {
                out.append(f.substr(hour >= 12 ? i + 3 : i, 2));
                count = 5;
            } else if (StartsNoCase(f, i, "a/p")) {
                out.push_back(f[hour >= 12 ? i + 2 : i]);
                count = 3;
            } else if (StartsNoCase(f, i, "ampm")) {
                out += hour >= 12 ? "PM" : "AM";
                count = 4;
            } else {
                out.push_back(c);
            }
            break;
        default: out.push_back(c); break;
        }
        i += count;
    }
}

// A small scanner over the text being parsed.
struct Scanner {
    std::string_view s;
    size_t p = 0;

    void Blanks() {
        while (p < s.size() && s[p] == ' ') ++p;
    }
    bool Char(char c) {
        Blanks();
        if (p < s.size() && s[p] == c) {
            ++p;
            return true;
        }
        return false;
    }
    bool Number(int& value, int& digits) {
        Blanks();
        const size_t start = p;
        int64_t v = 0;
        while (p < s.size() && s[p] >= '0' && s[p] <= '9') {
            if (v < 1'000'000) v = v * 10 + (s[p] - '0');
            ++p;
        }
        digits = static_cast<int>(p - start);
        if (digits == 0 || v >= 1'000'000) {
            p = start;
            return false;
        }
        value = static_cast<int>(v);
        return true;
    }
    bool AtEnd() {
        Blanks();
        return p == s.size();
    }
};

enum class Order { DMY, MDY, YMD };

Order DateOrder(std::string_view format) {
    for (char c : format) {
        switch (c) {
        case 'd': case 'D': return Order::DMY;
        case 'm': case 'M': return Order::MDY;
        case 'y': case 'Y': return Order::YMD;
        default: break;
        }
    }
    return Order::MDY;
}

int CurrentYear() { return DecodeDate(Date()).year; }

// One- and two-digit years fall in the hundred years that end fifty years
// ahead of today; a longer year is taken as written, so "2020" is 2020.
int ExpandYear(int year, int digits) {
    if (digits > 2) return year;
    const int base = CurrentYear() - 50;
    year += base / 100 * 100;
    if (year < base) year += 100;
    return year;
}

bool ScanDate(Scanner& sc, TDateTime& value) {
    const TFormatSettings fs = FormatSettings();
    int n1 = 0, n2 = 0, n3 = 0, d1 = 0, d2 = 0, d3 = 0;
    if (!sc.Number(n1, d1) || !sc.Char(fs.dateSeparator) || !sc.Number(n2, d2)) return false;
    int year = 0, month = 0, day = 0;
    const Order order = DateOrder(fs.shortDateFormat);
    const size_t before = sc.p;
    if (sc.Char(fs.dateSeparator) && sc.Number(n3, d3)) {
        switch (order) {
        case Order::DMY: day = n1, month = n2, year = ExpandYear(n3, d3); break;
        case Order::MDY: month = n1, day = n2, year = ExpandYear(n3, d3); break;
        case Order::YMD: year = ExpandYear(n1, d1), month = n2, day = n3; break;
        }
    } else {
        sc.p = before;
        year = CurrentYear();
        if (order == Order::DMY) day = n1, month = n2;
        else month = n1, day = n2;
    }
    return TryEncodeDate(year, month, day, value);
}

bool ScanTime(Scanner& sc, TDateTime& value) {
    const TFormatSettings fs = FormatSettings();
    int hour = 0, minute = 0, second = 0, msec = 0, digits = 0;
    if (!sc.Number(hour, digits)) return false;
    if (sc.Char(fs.timeSeparator)) {
        if (!sc.Number(minute, digits)) return false;
        if (sc.Char(fs.timeSeparator)) {
            if (!sc.Number(second, digits)) return false;
            if (sc.Char('.')) {
                if (!sc.Number(msec, digits) || digits > 3) return false;
                for (int k = digits; k < 3; ++k) msec *= 10;  // ".5" is half a second
            }
        }
    }
    sc.Blanks();
    int base = -1;
    if (StartsNoCase(sc.s, sc.p, "am")) base = 0, sc.p += 2;
    else if (StartsNoCase(sc.s, sc.p, "pm")) base = 12, sc.p += 2;
    if (base >= 0) {
        if (hour == 0 || hour > 12) return false;
        hour = hour % 12 + base;
    }
    return TryEncodeTime(hour, minute, second, msec, value);
}

}  // namespace

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
    static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) return 0;
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

bool IsValidDate(int year, int month, int day) {
    return year >= 1 && year <= 9999 && month >= 1 && month <= 12 && day >= 1 && day <= DaysInMonth(year, month);
}

bool TryEncodeDate(int year, int month, int day, TDateTime& value) {
    if (!IsValidDate(year, month, day)) return false;
    value = static_cast<TDateTime>(DaysFromCivil(year, month, day) - kEpochFromUnix);
    return true;
}

TDateTime EncodeDate(int year, int month, int day) {
    TDateTime v = 0;
    if (!TryEncodeDate(year, month, day, v)) throw EConvertError("Invalid argument to date encode");
    return v;
}

bool TryEncodeTime(int hour, int minute, int second, int msec, TDateTime& value) {
    if (hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59 || msec < 0 || msec > 999)
        return false;
    value = static_cast<double>(((hour * 60 + minute) * 60 + second) * 1000 + msec) / static_cast<double>(kMsPerDay);
    return true;
}

TDateTime EncodeTime(int hour, int minute, int second, int msec) {
    TDateTime v = 0;
    if (!TryEncodeTime(hour, minute, second, msec, v)) throw EConvertError("Invalid argument to time encode");
    return v;
}

TDateParts DecodeDate(TDateTime value) {
    int64_t days = 0, ms = 0;
    Split(value, days, ms);
    TDateParts d;
    CivilFromDays(days + kEpochFromUnix, d.year, d.month, d.day);
    return d;
}

TTimeParts DecodeTime(TDateTime value) {
    int64_t days = 0, ms = 0;
    Split(value, days, ms);
    TTimeParts t;
    t.hour = static_cast<int>(ms / 3'600'000);
    t.minute = static_cast<int>(ms / 60'000 % 60);
    t.second = static_cast<int>(ms / 1000 % 60);
    t.msec = static_cast<int>(ms % 1000);
    return t;
}

int DayOfWeek(TDateTime value) {
    int64_t days = 0, ms = 0;
    Split(value, days, ms);
    // The epoch was a Saturday (7).
    return static_cast<int>(((days % 7) + 7 + 6) % 7) + 1;
}

TDateTime Now() {
    using namespace std::chrono;
    const auto now = system_clock::now();
    const std::time_t t = system_clock::to_time_t(now);
    const int msec = static_cast<int>(duration_cast<milliseconds>(now.time_since_epoch()).count() % 1000);
    std::tm tm{};
    localtime_r(&t, &tm);
    TDateTime date = 0, time = 0;
    TryEncodeDate(tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, date);
    // A leap second is shown as the last second of its minute.
    TryEncodeTime(tm.tm_hour, tm.tm_min, tm.tm_sec > 59 ? 59 : tm.tm_sec, msec < 0 ? 0 : msec, time);
    return date + time;
}

TDateTime Date() { return std::floor(Now()); }

const TFormatSettings& FormatSettings() {
    // Set at start-up from the regional settings, before any window reads it;
    // there is no locking because nothing changes it later.
    return g_settings;
}

void SetFormatSettings(const TFormatSettings& fs) {
    g_settings = fs;
}

std::string FormatDateTime(std::string_view format, TDateTime value) {
    std::string out;
    Append(out, format, value, FormatSettings(), 0);
    return out;
}

std::string DateToStr(TDateTime value) { return FormatDateTime(FormatSettings().shortDateFormat, value); }

std::string TimeToStr(TDateTime value) { return FormatDateTime(FormatSettings().longTimeFormat, value); }

std::string DateTimeToStr(TDateTime value) { return FormatDateTime("c", value); }

bool TryStrToDate(std::string_view s, TDateTime& value) {
    Scanner sc{s};
    TDateTime v = 0;
    if (!ScanDate(sc, v) || !sc.AtEnd()) return false;
    value = v;
    return true;
}

bool TryStrToTime(std::string_view s, TDateTime& value) {
    Scanner sc{s};
    TDateTime v = 0;
    if (!ScanTime(sc, v) || !sc.AtEnd()) return false;
    value = v;
    return true;
}

bool TryStrToDateTime(std::string_view s, TDateTime& value) {
    Scanner sc{s};
    TDateTime date = 0, time = 0;
    if (ScanDate(sc, date)) {
        if (!sc.AtEnd() && (!ScanTime(sc, time) || !sc.AtEnd())) return false;
        value = Compose(date, time);
        return true;
    }
    return TryStrToTime(s, value);
}

TDateTime StrToDate(std::string_view s) {
    TDateTime v = 0;
    if (!TryStrToDate(s, v)) throw EConvertError("'" + std::string(s) + "' is not a valid date");
    return v;
}

TDateTime StrToTime(std::string_view s) {
    TDateTime v = 0;
    if (!TryStrToTime(s, v)) throw EConvertError("'" + std::string(s) + "' is not a valid time");
    return v;
}

TDateTime StrToDateTime(std::string_view s) {
    TDateTime v = 0;
    if (!TryStrToDateTime(s, v)) throw EConvertError("'" + std::string(s) + "' is not a valid date and time");
    return v;
}

}  // namespace base
