#pragma once
// The numbered interface texts and the language files that translate them.
// Every window reads its captions, hints and messages from Lang_Texts by
// number; a language file replaces entries, never adds or removes them.

#include <string>
#include <string_view>

#include "base/StringList.h"

namespace shell {

inline constexpr const char* Const_SW_Code = "QP4A902";
inline constexpr const char* Const_SW_Desc = "EtherNet/IP Slave / LoRaWAN Gateway - Converter";
inline constexpr const char* Const_Check_SW_Code = "QP4A902";

// Number of texts in the built-in table; entry n is text number n.
inline constexpr int Lang_Text_Count = 5600;
// The last block (5500..5599) belongs to the LoRaWAN window and always keeps
// its built-in English wording, so language files stop short of it.
inline constexpr int Default_Lang_Index_Limit = 5500;

extern base::TStringList Lang_Texts;
extern int Lang_Index_Limit;

// Fills texts with exactly Lang_Text_Count entries from a table of lines
// "number TAB text" (LF or CR LF). A number the table lacks holds a single
// blank, as the unused numbers of the built-in table do; lines without a tab
// or with a number outside 0..Lang_Text_Count-1 are skipped.
void Parse_Default_Texts(std::string_view table, base::TStringList& texts);

// Lang_Texts := the built-in English table; Lang_Index_Limit := 5500.
void Load_Default_Texts();

// Applies the lines of a decoded language file (UTF-8) to texts: entries
// 0..limit-1 named by "STR<n> = <text>" lines are replaced, later lines win.
void Apply_Lang_Lines(std::string_view fileText, base::TStringList& texts, int limit);

// Reads one language file into Lang_Texts. A file that cannot be read
// changes nothing and gives false with the reason in error.
bool Read_Lang_File(const std::string& fileName, std::string* error = nullptr);

// Defaults first, then the file of Language_Name in Language_Dir; when that
// file is missing Language_Name becomes "English" and "English.lng" is tried.
void Load_Language();

}  // namespace shell
