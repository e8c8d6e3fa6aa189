#pragma once
// TDateTime: days since 30 December 1899 in the integer part, the time of day
// as a fraction. Times before the epoch are negative days with a positive
// fraction, as the files of the grid's exchange formats store them.

#include <string>
#include <string_view>

namespace base {

using TDateTime = double;

struct TDateParts { int year = 1899, month = 12, day = 30; };
struct TTimeParts { int hour = 0, minute = 0, second = 0, msec = 0; };

bool IsValidDate(int year, int month, int day);
bool IsLeapYear(int year);
int DaysInMonth(int year, int month);
TDateTime EncodeDate(int year, int month, int day);  // throws EConvertError on an invalid date
bool TryEncodeDate(int year, int month, int day, TDateTime& value);
TDateTime EncodeTime(int hour, int minute, int second, int msec);  // throws EConvertError
bool TryEncodeTime(int hour, int minute, int second, int msec, TDateTime& value);
TDateParts DecodeDate(TDateTime value);
TTimeParts DecodeTime(TDateTime value);
int DayOfWeek(TDateTime value);  // 1 = Sunday ... 7 = Saturday
TDateTime Now();
TDateTime Date();

// Regional formats; defaults "dd/mm/yyyy", "hh:nn:ss", separators '/' and ':'.
struct TFormatSettings {
    char dateSeparator = '/';
    char timeSeparator = ':';
    std::string shortDateFormat = "dd/mm/yyyy";
    std::string longTimeFormat = "hh:nn:ss";
    std::string shortTimeFormat = "hh:nn";
};
const TFormatSettings& FormatSettings();
void SetFormatSettings(const TFormatSettings& fs);

// Format codes: d dd ddd dddd m mm mmm mmmm yy yyyy h hh n nn s ss z zzz
// am/pm ampm, "/" and ":" as the regional separators, 'quoted' and "quoted" text.
std::string FormatDateTime(std::string_view format, TDateTime value);
std::string DateToStr(TDateTime value);
std::string TimeToStr(TDateTime value);
std::string DateTimeToStr(TDateTime value);
// Parse by the regional short date order; a year of one or two digits is
// taken in the current century window, a year of three or more digits as written.
bool TryStrToDate(std::string_view s, TDateTime& value);
bool TryStrToTime(std::string_view s, TDateTime& value);
bool TryStrToDateTime(std::string_view s, TDateTime& value);
TDateTime StrToDate(std::string_view s);  // throws EConvertError
TDateTime StrToTime(std::string_view s);
TDateTime StrToDateTime(std::string_view s);

}  // namespace base
