#pragma once
// The GSDML file of the gateway: the PROFINET device description (XML,
// schema V2.25) a controller's engineering tool imports to place the
// gateway as an IO device with one module of fixed input and output lengths.
// A fixed template; only the two byte counts and the station name come from
// "ParGen.xml". UTF-8 with a byte-order mark, CR LF after every line.

#include <iosfwd>
#include <string>

#include "base/DateTime.h"

namespace proto {

struct TProfinetParams {
    int Input_Bytes = 1438;   // PROFINET_NB_IN: what the controller sends
    int Output_Bytes = 1438;  // PROFINET_NB_OUT: what the controller receives
    std::string Station_Name = "SERIAL";
};

// The three values from the parameter file at ParGen_Path: no file, a
// missing key or a count that is not a number give the defaults, a blank
// station name gives "SERIAL". False with the reason only when the file
// exists but cannot be read as XML.
bool Read_PROFINET_Param(const std::string& ParGen_Path, TProfinetParams& Params, std::string* Error = nullptr);

// The whole file, byte-order mark first.
std::string Build_GSDML_Text(const TProfinetParams& Params);

// "-20260108.xml" for 8 January 2026: the date part of the file name.
std::string GSDML_Date_Part(base::TDateTime When);

inline constexpr const char* GSDML_Fixed_Part = "GSDML-V2.25-Vekrun-";

// The file name the dialog builds from the user part: an all-blank part gives
// the two fixed parts alone, a part that starts with "_" is put in as it
// stands, any other gets a "_" in front; the part is never trimmed.
std::string GSDML_File_Name(const std::string& User_Part, const std::string& Date_Part);

// The user part ends up inside a file name in the folder the user picks: a
// separator, "..", a character that file systems refuse or a control
// character would write somewhere else or fail. False for such a part.
bool GSDML_User_Part_Valid(const std::string& User_Part);

// The GSDML of the open configuration ("ParGen.xml" through
// shell::ParGen_File), saved atomically to File_Name whatever its name.
bool Write_GSDML_File(const std::string& File_Name, std::string* Error = nullptr);

}  // namespace proto
