#include <gtest/gtest.h>

#include <array>
#include <cmath>

#include "base/DateTime.h"
#include "base/StrUtils.h"

using namespace base;

namespace {

// Puts the regional settings back even when an expectation fails.
struct SettingsGuard {
    TFormatSettings saved = FormatSettings();
    ~SettingsGuard() { SetFormatSettings(saved); }
};

}  // namespace

TEST(DateTime, DayNumbersAroundTheEpochAndLeapYears) {
    const struct { int y, m, d; double serial; int dow; } cases[] = {
        {1899, 12, 30, 0, 7},       // the epoch, a Saturday
        {1899, 12, 31, 1, 1},
        {1899, 12, 29, -1, 6},
        {1900, 1, 1, 2, 2},
        {1900, 3, 1, 61, 5},        // 1900 is no leap year
        {2000, 2, 29, 36585, 3},    // 2000 is one
        {2000, 3, 1, 36586, 4},
        {2024, 2, 29, 45351, 5},
        {2026, 12, 10, 46366, 5},
        {1, 1, 1, -693593, 2},
        {9999, 12, 31, 2958465, 6},
        {1800, 1, 1, -36522, 4},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(EncodeDate(c.y, c.m, c.d), c.serial) << c.y << "-" << c.m << "-" << c.d;
        const TDateParts p = DecodeDate(c.serial);
        EXPECT_EQ(p.year, c.y) << c.serial;
        EXPECT_EQ(p.month, c.m) << c.serial;
        EXPECT_EQ(p.day, c.d) << c.serial;
        EXPECT_EQ(DayOfWeek(c.serial), c.dow) << c.serial;
    }
}

TEST(DateTime, InvalidDatesAndTimesAreRefused) {
    const struct { int y, m, d; } bad[] = {{1900, 2, 29}, {2023, 2, 29}, {2024, 13, 1}, {2024, 0, 1},
                                           {2024, 4, 31}, {0, 1, 1},     {10000, 1, 1}, {2024, 1, 0}};
    for (const auto& b : bad) {
        TDateTime v = 123;
        EXPECT_FALSE(TryEncodeDate(b.y, b.m, b.d, v)) << b.y << "-" << b.m << "-" << b.d;
        EXPECT_EQ(v, 123);
        EXPECT_THROW(EncodeDate(b.y, b.m, b.d), EConvertError);
    }
    EXPECT_EQ(DaysInMonth(2024, 2), 29);
    EXPECT_EQ(DaysInMonth(2100, 2), 28);
    EXPECT_TRUE(IsLeapYear(2400));
    EXPECT_FALSE(IsLeapYear(2100));
    TDateTime v = 0;
    EXPECT_FALSE(TryEncodeTime(24, 0, 0, 0, v));
    EXPECT_FALSE(TryEncodeTime(0, 60, 0, 0, v));
    EXPECT_FALSE(TryEncodeTime(0, 0, 60, 0, v));
    EXPECT_FALSE(TryEncodeTime(0, 0, 0, 1000, v));
    EXPECT_THROW(EncodeTime(-1, 0, 0, 0), EConvertError);
}

TEST(DateTime, TimesDecodeOnBothSidesOfTheEpoch) {
    const struct { double value; int y, m, d, h, n, s, z; } cases[] = {
        {0.5, 1899, 12, 30, 12, 0, 0, 0},
        {1.25, 1899, 12, 31, 6, 0, 0, 0},
        {-1.25, 1899, 12, 29, 6, 0, 0, 0},  // negative day, time still counts forward
        {-0.75, 1899, 12, 30, 18, 0, 0, 0},
        {36586.0 + EncodeTime(23, 59, 59, 999), 2000, 3, 1, 23, 59, 59, 999},
        {36585.99999999999, 2000, 3, 1, 0, 0, 0, 0},  // rounds into the next day, never 24:00
    };
    for (const auto& c : cases) {
        const TDateParts d = DecodeDate(c.value);
        const TTimeParts t = DecodeTime(c.value);
        EXPECT_EQ((std::array<int, 7>{d.year, d.month, d.day, t.hour, t.minute, t.second, t.msec}),
                  (std::array<int, 7>{c.y, c.m, c.d, c.h, c.n, c.s, c.z}))
            << c.value;
    }
    // Every millisecond of a day survives encode and decode.
    for (int ms = 0; ms < 86'400'000; ms += 86'400'000 / 997) {
        const TDateTime v = 45000 + EncodeTime(ms / 3'600'000, ms / 60'000 % 60, ms / 1000 % 60, ms % 1000);
        const TTimeParts t = DecodeTime(v);
        EXPECT_EQ(((t.hour * 60 + t.minute) * 60 + t.second) * 1000 + t.msec, ms);
    }
}

TEST(DateTime, FormatCodes) {
    SettingsGuard guard;
    SetFormatSettings(TFormatSettings{});
    const TDateTime v = EncodeDate(2026, 3, 7) + EncodeTime(14, 5, 9, 42);  // a Saturday
    const TDateTime morning = EncodeDate(2026, 3, 7) + EncodeTime(0, 30, 0, 0);
    const struct { const char* format; TDateTime value; const char* text; } cases[] = {
        {"dd/mm/yyyy", v, "07/03/2026"},
        {"d/m/yy", v, "7/3/26"},
        {"ddd dddd", v, "Sat Saturday"},
        {"mmm mmmm", v, "Mar March"},
        {"hh:nn:ss.zzz", v, "14:05:09.042"},
        {"h:n:s z", v, "14:5:9 42"},
        {"hh:mm", v, "14:05"},            // m after an hour code is the minute
        {"hh:nn dd/mm", v, "14:05 07/03"},  // and after a day code the month again
        {"h:nn am/pm", v, "2:05 pm"},
        {"h:nn AM/PM", morning, "12:30 AM"},
        {"hh ampm", v, "02 PM"},
        {"yyyy'y'mm\"m\"", v, "2026y03m"},
        {"'dd' dd", v, "dd 07"},
        {"YYYY-MM-DD", v, "2026-03-07"},
        {"c", v, "07/03/2026 14:05:09"},
        {"c", EncodeDate(2026, 3, 7), "07/03/2026"},
        {"yyyy", EncodeDate(33, 1, 1), "0033"},
        {"dd/mm/yyyy hh:nn", -1.25, "29/12/1899 06:00"},
    };
    for (const auto& c : cases) EXPECT_EQ(FormatDateTime(c.format, c.value), c.text) << c.format;

    TFormatSettings dots;
    dots.dateSeparator = '.';
    dots.timeSeparator = '.';
    dots.shortDateFormat = "dd/mm/yyyy";
    dots.longTimeFormat = "hh:nn:ss";
    SetFormatSettings(dots);
    EXPECT_EQ(DateToStr(v), "07.03.2026");
    EXPECT_EQ(TimeToStr(v), "14.05.09");
    EXPECT_EQ(DateTimeToStr(v), "07.03.2026 14.05.09");
}

TEST(DateTime, ParsesByTheRegionalOrder) {
    SettingsGuard guard;
    const int thisYear = DecodeDate(Date()).year;
    const struct { const char* format; char sep; const char* text; bool ok; int y, m, d; } cases[] = {
        {"dd/mm/yyyy", '/', "07/03/2026", true, 2026, 3, 7},
        {"dd/mm/yyyy", '/', " 7/3/2026 ", true, 2026, 3, 7},
        {"mm/dd/yyyy", '/', "03/07/2026", true, 2026, 3, 7},
        {"yyyy-mm-dd", '-', "2026-03-07", true, 2026, 3, 7},
        {"dd.mm.yyyy", '.', "07.03.2026", true, 2026, 3, 7},
        {"dd/mm/yyyy", '/', "7/3", true, thisYear, 3, 7},
        {"dd/mm/yyyy", '/', "1/1/0100", true, 100, 1, 1},    // three or more digits: as written
        {"dd/mm/yyyy", '/', "1/1/2020", true, 2020, 1, 1},   // never 3920
        {"dd/mm/yyyy", '/', "1/1/0020", true, 20, 1, 1},
        {"dd/mm/yyyy", '/', "29/02/2023", false, 0, 0, 0},
        {"dd/mm/yyyy", '/', "07-03-2026", false, 0, 0, 0},
        {"dd/mm/yyyy", '/', "07/03/2026x", false, 0, 0, 0},
        {"dd/mm/yyyy", '/', "", false, 0, 0, 0},
        {"dd/mm/yyyy", '/', "7", false, 0, 0, 0},
        {"dd/mm/yyyy", '/', "99999999/1/1", false, 0, 0, 0},
    };
    for (const auto& c : cases) {
        TFormatSettings fs;
        fs.shortDateFormat = c.format;
        fs.dateSeparator = c.sep;
        SetFormatSettings(fs);
        TDateTime v = -5;
        EXPECT_EQ(TryStrToDate(c.text, v), c.ok) << c.text;
        if (c.ok) EXPECT_EQ(v, EncodeDate(c.y, c.m, c.d)) << c.text;
        else EXPECT_EQ(v, -5) << c.text;
    }
    SetFormatSettings(TFormatSettings{});
    EXPECT_THROW(StrToDate("31/31/2020"), EConvertError);
    // Round trip through the regional format.
    for (TDateTime d : {EncodeDate(1899, 12, 30), EncodeDate(2000, 2, 29), EncodeDate(1850, 6, 1)})
        EXPECT_EQ(StrToDate(DateToStr(d)), d);
}

TEST(DateTime, TwoDigitYearsFollowTheCenturyWindow) {
    SettingsGuard guard;
    SetFormatSettings(TFormatSettings{});
    const int thisYear = DecodeDate(Date()).year;
    // Two-digit years land within fifty years behind and ahead of today.
    for (int yy : {0, 25, 49, 50, 75, 99}) {
        const TDateTime v = StrToDate("1/1/" + std::to_string(yy));
        const int year = DecodeDate(v).year;
        EXPECT_EQ(year % 100, yy);
        EXPECT_GE(year, thisYear - 50) << yy;
        EXPECT_LT(year, thisYear + 50) << yy;
    }
}

TEST(DateTime, ParsesTimes) {
    SettingsGuard guard;
    SetFormatSettings(TFormatSettings{});
    const struct { const char* text; bool ok; int h, n, s, z; } cases[] = {
        {"14:05", true, 14, 5, 0, 0},
        {"14:05:09", true, 14, 5, 9, 0},
        {"14:05:09.042", true, 14, 5, 9, 42},
        {"14:05:09.5", true, 14, 5, 9, 500},
        {"2:05 PM", true, 14, 5, 0, 0},
        {"12:00 am", true, 0, 0, 0, 0},
        {"12:00 pm", true, 12, 0, 0, 0},
        {" 9:30 ", true, 9, 30, 0, 0},
        {"24:00", false, 0, 0, 0, 0},
        {"13:00 pm", false, 0, 0, 0, 0},
        {"10:60", false, 0, 0, 0, 0},
        {"10:", false, 0, 0, 0, 0},
        {"10:30x", false, 0, 0, 0, 0},
        {"", false, 0, 0, 0, 0},
    };
    for (const auto& c : cases) {
        TDateTime v = -5;
        EXPECT_EQ(TryStrToTime(c.text, v), c.ok) << c.text;
        if (c.ok) {
            EXPECT_DOUBLE_EQ(v, EncodeTime(c.h, c.n, c.s, c.z)) << c.text;
        }
    }
    EXPECT_THROW(StrToTime("x"), EConvertError);
}

TEST(DateTime, ParsesDateAndTimeTogether) {
    SettingsGuard guard;
    SetFormatSettings(TFormatSettings{});
    EXPECT_DOUBLE_EQ(StrToDateTime("07/03/2026 14:05:09"), EncodeDate(2026, 3, 7) + EncodeTime(14, 5, 9, 0));
    EXPECT_DOUBLE_EQ(StrToDateTime("07/03/2026"), EncodeDate(2026, 3, 7));
    EXPECT_DOUBLE_EQ(StrToDateTime("06:00"), 0.25);
    // Before the epoch the time is subtracted: the day stays 29 December.
    const TDateTime before = StrToDateTime("29/12/1899 06:00");
    EXPECT_DOUBLE_EQ(before, -1.25);
    EXPECT_EQ(DateTimeToStr(before), "29/12/1899 06:00:00");
    EXPECT_THROW(StrToDateTime("07/03/2026 25:00"), EConvertError);
    EXPECT_THROW(StrToDateTime("07/03/2026 x"), EConvertError);
}

TEST(DateTime, NowIsTodayAndLocal) {
    const TDateTime now = Now();
    const TDateTime today = Date();
    EXPECT_EQ(today, std::floor(today));
    EXPECT_GE(now, today);
    EXPECT_LT(now - today, 1.0);
    EXPECT_GT(today, EncodeDate(2020, 1, 1));
}
