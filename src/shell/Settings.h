#pragma once
// The program's own settings file "Vastrimo.xml" beside the program: last
// configuration, last device address, language and the four user options.
// The program never refuses to start because of it: a missing, empty or
// unreadable file gives the defaults.

#include <string>
#include <string_view>

#include "shell/Comon.h"

namespace shell {

inline constexpr const char* Settings_File_Name = "Vastrimo.xml";

struct TSettings {
    std::string Conf_Name;
    std::string Last_IP_Address = Default_IP_Address;
    std::string Language_Name = Default_Language_Name;
    bool Opt_Enable_Internet = false;
    bool Opt_Enable_Update = false;
    bool Opt_Jump_Field_Tables = false;
    bool Opt_DblClick_Auto_Size = false;

    bool operator==(const TSettings&) const = default;
};

// Parses the file's text. Missing or malformed values take their defaults one
// by one; false (with the reason) only when the text is no XML at all, and
// then every value is a default.
bool Parse_Settings(std::string_view xml, TSettings& settings, std::string* error = nullptr);
std::string Settings_To_Xml(const TSettings& settings);

// A missing file gives the defaults and true; a file that cannot be read or
// parsed gives the defaults and false with the reason.
bool Load_Settings(const std::string& path, TSettings& settings, std::string* error = nullptr);
// Replaces the file atomically: a failed save leaves the old file as it was.
bool Save_Settings(const std::string& path, const TSettings& settings, std::string* error = nullptr);

std::string Settings_Path();  // Exe_Dir + "/Vastrimo.xml"

// Start-up: Conf_Name, Last_IP_Address, Language_Name and the options from
// the settings file (Conf_Path is left empty; reopening is the caller's step).
bool Read_Setting(std::string* error = nullptr);
// Writes the current program-wide values; the values in memory stay in force
// when the write fails.
bool Save_Setting(std::string* error = nullptr);

}  // namespace shell
