#pragma once
// The EDE export: the BACnet server objects of "BACnet_Slave.xml" as an EDE
// file (engineering data exchange), the ";"-separated text that BACnet
// engineering tools read to learn the gateway's objects. Seven header lines,
// then one line of seven fields per object; CR LF line ends, Windows-1252.

#include <ostream>
#include <string>
#include <vector>

#include "base/DateTime.h"
#include "protocols/BACnetAccessData.h"

namespace proto {

// One object line of the file.
struct TBACnet_EDE_Obj {
    std::string Keyname;
    std::string DevObjInstance;
    std::string ObjectName;
    std::string ObjectType;
    std::string ObjectInstance;
    std::string Description;
    std::string UnitCode;
    bool operator==(const TBACnet_EDE_Obj&) const = default;
};

// Everything an export reads, gathered from the configuration's files.
struct TEDEExport {
    std::string Conf_Name;
    std::string Device_Instance;  // written into every object line
    bool Long_Names = false;      // object names of 32 characters instead of 16
    TTableRows Read;              // server rows (bac_slave columns), read section first
    TTableRows Write;
    base::TDateTime Time = 0;
};

// The standard object-type number of a server Data Type text (trimmed,
// any letter case); 0 for a text not in the list.
int Get_EDE_Object_Type(const std::string& Text);

// "hh:nn:ss dd/mm/yyyy".
std::string EDE_Timestamp(base::TDateTime Time);

// The object lines: instances numbered from 0 per type over the read and
// then the write rows. False, naming the row, when a field the file writes
// holds a ";" or a line break.
bool Build_EDE_Objects(const TEDEExport& data, std::vector<TBACnet_EDE_Obj>& objects, std::string* error);

// The whole file. False, and nothing written to out, when a field would
// break the file's columns.
bool Write_EDE(const TEDEExport& data, std::ostream& out, std::string* error);
// Atomic: a failed export leaves the old file.
bool Save_EDE(const TEDEExport& data, const std::string& path, std::string* error);

// The device instance and the name length from "ParGen.xml" (no file: none
// and 16 characters); false when the file cannot be read as XML.
bool Read_EDE_Device_Settings(const std::string& parGenPath, TEDEExport& data, std::string* error);
// The rows of "BACnet_Slave.xml" (no file: no rows); false when the file
// cannot be read as XML or lacks a section.
bool Load_EDE_Objects(const std::string& slavePath, TEDEExport& data, std::string* error);

// The export the main window's EDE command runs: the open configuration's
// files into FileName, dated proto::Generated_File_Time().
bool Write_EDE_File(const std::string& FileName, std::string* error);

}  // namespace proto
