#pragma once
// "OPC_UA_Client.xml": the OPC UA client's servers with their read and write
// variables nested under each, flags as "1"/"0" and no version comment
// (files in the field have none).

#include <string>
#include <string_view>

#include "protocols/OPC_UA_Client_Model.h"

namespace proto {

// Every server and variable, disabled ones included; both variable lists
// are written also when empty. Write variables are stored as "Var" from 0
// with length 0, whatever they hold.
std::string OPC_UA_Client_To_Xml(const TOPC_UA_Server_List& Servers);
// Atomic: a failed save leaves the old file as it was.
bool Save_OPC_UA_Client(const TOPC_UA_Server_List& Servers, const std::string& Path, std::string* Error = nullptr);

// Servers is emptied first. Optional attributes (the flags, VarArray, Start,
// Length) take their defaults; a missing element or required attribute, or a
// namespace index that is no number from 0 to 65535, stops the reading with
// a message naming the file and the place: the servers read completely
// before it stay.
bool OPC_UA_Client_From_Xml(std::string_view Xml, TOPC_UA_Server_List& Servers, std::string* Error = nullptr,
                            std::string_view File_Name = {});
// A missing file is an empty configuration, and true.
bool Load_OPC_UA_Client(const std::string& Path, TOPC_UA_Server_List& Servers, std::string* Error = nullptr);

}  // namespace proto
