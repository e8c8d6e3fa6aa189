#pragma once
// String and number helpers with the semantics the configurator's windows and
// file formats were written against: 1-based Copy/Pos where positions are
// counted from 1, integer parsing that accepts "$" and "0x" hexadecimal, and
// float texts that follow the regional decimal separator. Text is UTF-8.

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace base {

// Raised by the strict conversions (StrToInt, StrToFloat, StrToDate...).
class EConvertError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

std::string Trim(std::string_view s);       // drops bytes <= ' ' at both ends
std::string_view TrimView(std::string_view s);  // the same, as a part of s
std::string TrimLeft(std::string_view s);
std::string TrimRight(std::string_view s);
std::string UpperCase(std::string_view s);  // ASCII letters only
std::string LowerCase(std::string_view s);
bool SameText(std::string_view a, std::string_view b);  // ASCII case-insensitive
int CompareText(std::string_view a, std::string_view b);
bool StartsText(std::string_view prefix, std::string_view s);
bool EndsText(std::string_view suffix, std::string_view s);

// 1-based helpers: Copy("abcdef", 2, 3) == "bcd"; an index below 1 counts as 1,
// a count past the end is cut. Pos returns 0 when sub is absent.
std::string Copy(std::string_view s, int index, int count);
int Pos(std::string_view sub, std::string_view s, int offset = 1);
std::string StringReplace(std::string_view s, std::string_view from, std::string_view to,
                          bool all = true, bool ignoreCase = false);
std::string StringOfChar(char c, int count);
// Keeps empty fields: one more field than delimiters, so "" gives one empty
// field and the result is never empty.
std::vector<std::string> SplitString(std::string_view s, char delimiter);

// Integers: decimal with optional sign, or hexadecimal with a "$", "0x" or "0X"
// prefix (a sign may precede "$"). No blanks are skipped. Values outside the
// type's range fail.
bool TryStrToInt(std::string_view s, int& value);
bool TryStrToInt64(std::string_view s, int64_t& value);
int StrToIntDef(std::string_view s, int def);
int64_t StrToInt64Def(std::string_view s, int64_t def);
int StrToInt(std::string_view s);  // throws EConvertError("'x' is not a valid integer value")
std::string IntToStr(int64_t value);
// Upper-case hexadecimal, at least `digits` digits; negatives as two's
// complement of 32 bits (64 for the int64 overload).
std::string IntToHex(uint32_t value, int digits);
std::string IntToHex64(uint64_t value, int digits);
// Hexadecimal digits only (no prefix), case-insensitive; false on anything else.
bool TryHexToUInt64(std::string_view s, uint64_t& value);

// Regional decimal separator used by the float conversions below; '.' unless
// the program sets it from the regional settings at start-up.
char DecimalSeparator();
void SetDecimalSeparator(char c);

// Floats: accept the regional separator (and '.' as well), optional exponent.
bool TryStrToFloat(std::string_view s, double& value);
double StrToFloatDef(std::string_view s, double def);
double StrToFloat(std::string_view s);  // throws EConvertError
// Shortest text that reads back as the same value (up to 15 significant
// digits), with the regional separator: 1.5 -> "1,5" where the separator is ','.
std::string FloatToStr(double value);
// Fixed decimals with the regional separator: FloatToStrF(3.14159, 2) == "3.14".
std::string FloatToStrF(double value, int decimals);

// printf-style formatting into a std::string ("%d", "%s", "%x", "%.2f", "%5d"...).
// Texts from the language table carry such placeholders.
std::string Format(const char* fmt, ...) __attribute__((format(printf, 1, 2)));

// A number format a user or a file supplies (a grid column's FloatFormat):
// any text with exactly one floating-point directive ("%f", "%e", "%g", "%a"
// or their capitals, with flags, a width and a precision of at most three
// digits each) and "%%" for a percent sign. Anything else would make the
// formatter read arguments that were never passed.
bool IsFloatFormat(std::string_view fmt);
// value formatted with fmt, or with "%g" when fmt is no float format.
std::string FormatFloat(std::string_view fmt, double value);

// Escapes for JSON string content: quote, backslash and control characters.
std::string JsonEscape(std::string_view s);

}  // namespace base
