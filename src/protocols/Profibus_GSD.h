#pragma once
// The GSD file of the gateway: the PROFIBUS DP device description (GSD
// revision 5 text) a master's configuration tool imports to place the gateway
// as a modular slave. A fixed text; the I/O lengths and the module and slot
// lists follow from the two byte counts of "ParGen.xml", cut into modules of
// at most 64 bytes. ASCII, CR LF after every line.

#include <iosfwd>
#include <string>

namespace proto {

struct TProfibusParams {
    int Input_Bytes = 0;   // PROFINET_NB_IN: the gateway's input, the master's output
    int Output_Bytes = 0;  // PROFINET_NB_OUT: the gateway's output, the master's input
};

// Both counts from the parameter file (a missing key or a text that is no
// number gives 0). False with the reason when the file is missing (text
// 1504) or cannot be read as XML.
bool Read_PROFIBUS_Param(const std::string& ParGen_Path, TProfibusParams& Params, std::string* Error = nullptr);

// Modules of one direction: (bytes + 63) / 64, none for 0 or fewer bytes.
int GSD_Module_Count(int Bytes);
// A module number is one byte of the module's identifier: more modules
// than that cannot be described.
inline constexpr int GSD_Max_Modules = 255;

// The whole file. False, and nothing written, when the module total does not
// fit a byte.
bool Write_GSD(const TProfibusParams& Params, std::ostream& Out, std::string* Error = nullptr);

// Atomic: a refused count or a failed write leaves the old file as it was.
bool Save_GSD(const TProfibusParams& Params, const std::string& Path, std::string* Error = nullptr);

// The name the command saves under: ".gsd" appended unless the name already
// ends with it, in any letter case.
std::string With_Gsd_Extension(const std::string& File_Name);

// The GSD of the open configuration, saved atomically to File_Name as it is.
bool Write_GSD_File(const std::string& File_Name, std::string* Error = nullptr);

}  // namespace proto
