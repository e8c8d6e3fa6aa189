#pragma once
// Text routines shared by the grid controls: searching and splitting, the
// kind of a cell text, the packed wide form of cell text, the one-line codes
// the grid's files and clipboard use for multi-line cells, delimited-text
// quoting, number and date texts, links and the clipboard HTML frame.
//
// Texts are UTF-8; positions are 1-based byte positions, 0 for "not found".
// The line-break and quoting rules fix the grid's exchange formats: every
// reader and writer of those files goes through these routines.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "base/DateTime.h"
#include "base/StringList.h"

namespace ctl {

// Wide text as the grid's wide display events see it.
using WideString = std::u16string;

// --- locale -----------------------------------------------------------------
char GetTimeSeparator();
char GetDateSeparator();
// The thousand separator is the other one of '.' and ',' than the decimal
// separator: the regional settings we read carry only the decimal one.
char GetThousandSeparator();
char GetDecimalSeparator();
std::string GetShortDateFormat();

// --- searching and splitting ---------------------------------------------
int PosInUpperText(std::string_view sub, std::string_view text);
bool LocateChar(char c, std::string_view text, int& position);
int FirstCharPos(char c, std::string_view text);
int LocateSubstring(std::string_view sub, std::string_view text, int& position);
int PosWide(std::u16string_view sub, std::u16string_view text);
// Token before the first separator; the token and the separator's first
// character leave the text. Without the separator: empty token, text kept.
void SplitOffToken(std::string& text, std::string_view separator, std::string& token);
std::string ConcatStrings(const base::TStringList& list);
int CountCharOccurrences(char c, std::string_view text);
using TCharSet = std::vector<char>;
// First character of the set outside double quotes; position -1 and result 0
// when there is none.
char FirstUnquotedCharOfSet(const TCharSet& set, std::string_view text, int& position);
std::string StripUnquotedSpaces(std::string_view text);
int MatchingParenPos(std::string_view text);

// --- small helpers -------------------------------------------------------
int IntMax(int a, int b);
int IntMin(int a, int b);
bool CellInGridRect(int col, int row, int left, int top, int right, int bottom);
int ClampSizeLimits(int value, int minimum, int maximum);
void FillWithChar(std::string& text, char c);
// Appends one code point to a UTF-8 text.
void AppendCodePoint(std::string& out, char32_t cp);

// --- cell text kind --------------------------------------------------------
enum : int { ctkPlain = 0, ctkHtml = 1, ctkRichText = 2, ctkFormula = 3, ctkWide = 5 };
int GetCellTextKind(std::string_view text, bool htmlEnabled);

// --- packed wide text ("|\" then two one-byte characters per code unit) -----
// The one-byte characters are code points 0..255, so the packed text stays
// valid UTF-8 and survives every store that keeps cell text.
std::string EncodeWideCellText(std::u16string_view wide);
WideString DecodeWideCellText(std::string_view text);

// --- line-break codes --------------------------------------------------------
std::string EncodeLineBreaksForFile(std::string_view text);
std::string DecodeLineBreaksFromFile(std::string_view text, bool whole);
std::string LineBreaksToTilde(std::string_view text);
std::string TildeToLineBreaks(std::string_view text);
std::string QuoteMultilineField(std::string_view text);
std::string VtToCrlf(std::string_view text);
std::string CrlfToLf(std::string_view text);
std::string EscapeNewlines(std::string_view text);
std::string UnescapeNewlines(std::string_view text);
std::string CrToHtmlBreaks(std::string_view text);
std::string RemoveCr(std::string_view text);
std::string CrToLf(std::string_view text);
void CutFirstLine(std::string& text, bool keepRest, std::string& line);
int CountTextLines(std::string_view text, bool multiLine);

// --- delimited text --------------------------------------------------------
std::string DoubleQuoteChars(std::string_view text);
std::string UndoubleChar(char c, std::string_view text);
bool FindSingleQuote(char quote, std::string_view text, int& position);
int CountSingleQuotes(char quote, std::string_view text);
// OEM code page 437 bytes carried as the Windows-1252 characters of the same
// byte values (and back), for OEM-converted delimited files.
std::string StringToOem(std::string_view text);
std::string OemToString(std::string_view text);

// --- number text -----------------------------------------------------------
bool IsNumericChar(char32_t c);
bool IsDigitOrMinus(char c);
bool IsNumberChar(char c);
bool IsNumberTextChar(char c);
bool IsSignedNumberChar(char c);
std::string NormalizeNumberText(std::string_view text);
std::string NormalizeLocaleNumber(std::string_view text);
enum : int { ntInteger = 0, ntDecimal = 1, ntNoNumber = 2, ntExponent = 5 };
int ClassifyNumberText(std::string_view text);

// --- dates -----------------------------------------------------------------
// A year written with one or two digits is 2000+ up to 25 and 1900+ above;
// three or more digits are taken as written. Fields that are no whole number
// give the zero date; an impossible date throws base::EConvertError.
base::TDateTime ParseDateMDY(std::string_view text);
base::TDateTime ParseDateDMY(std::string_view text);
bool HasTwoDateSeparators(std::string_view text);
base::TDateTime StepDate(int yearStep, int monthStep, int dayStep, base::TDateTime date,
                         double plainOffset);

// --- URLs, HTML and the clipboard -------------------------------------------
bool IsUrlText(std::string_view text);
std::string StripUrlProtocol(std::string_view text);
bool ParseRowColRef(std::string_view anchor, int& col, int& row);
std::string ColorToHtmlHex(uint32_t color);
bool TextToHtmlLinks(std::string_view text, std::string_view upperPrefix, std::string& result);
std::string BuildClipboardHtml(std::string_view fragment);

// --- mixed case -------------------------------------------------------------
bool IsWordSeparator(char c);
std::string ToMixedCase(std::string_view text);

}  // namespace ctl
