#pragma once
// Regional text rules shared by the cell renderer, the filter matcher and
// the in-cell editors: the separators they accept and a case folding that
// also knows the accented letters of the European languages the tables are
// typed in (the base helpers fold ASCII only).

#include <string>
#include <string_view>

namespace ctl {

struct TRegionalText {
    char decimalSeparator = '.';
    char thousandSeparator = ',';
    char dateSeparator = '/';
    char timeSeparator = ':';
    std::string shortDateFormat = "dd/mm/yyyy";
    std::string longTimeFormat = "hh:nn:ss";
};

// The settings in effect, as the shared text routines read them.
TRegionalText RegionalText();

// Upper case of UTF-8 text with the letters of Latin-1, Latin Extended-A,
// Greek and Cyrillic folded as well as ASCII; byte length can change only
// for the few letters whose capital lives in another block.
std::string LocaleUpperCase(std::string_view s);
// The same folding towards lower case.
std::string LocaleLowerCase(std::string_view s);
// One character folded the same ways.
char32_t LocaleUpperChar(char32_t c);
char32_t LocaleLowerChar(char32_t c);

// Number of characters (code points) of UTF-8 text.
int Utf8Length(std::string_view s);
// Length in bytes of the UTF-8 character that starts at s[i] (1 for a stray
// continuation byte, so loops always advance).
int Utf8CharLen(std::string_view s, std::size_t i);

}  // namespace ctl
