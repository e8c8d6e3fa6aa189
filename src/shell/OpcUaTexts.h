#pragma once
// Text forms of the OPC UA enumerations shown in the OPC UA tables, and of
// the node identifiers that the server scan library returns.

#include <cstdint>
#include <string>

namespace shell {

// A variable as the OPC UA scan library returns it. Text pointers point to
// zero-terminated 8-bit texts owned by the library (null reads as empty).
struct opcua_structure {
    uint16_t nameSpaceIndex = 0;
    uint16_t identifierType = 0;  // 0 numeric, 3 string, 4 GUID, 5 byte string
    uint32_t numeric = 0;
    const char* stringname = nullptr;
    uint32_t stringLength = 0;
    uint32_t guide1 = 0;
    uint16_t guide2 = 0;
    uint16_t guide3 = 0;
    uint8_t guide4[8] = {};
    const char* byteString = nullptr;
    uint32_t byteStringLength = 0;
    const char* displayName = nullptr;
    uint32_t displayNameLength = 0;
    int32_t dataType = 0;
    uint8_t accessLevel = 0;
    uint8_t spare[3] = {};
};

std::string OPC_UA_IdType_To_Text(int code);
int Text_To_OPC_UA_IdType(const std::string& text);
std::string OPC_UA_NodeId_To_Text(const opcua_structure& node);
std::string OPC_UA_DataType_To_Text(int code);
std::string OPC_UA_Auth_To_Text(int code);
int Text_To_OPC_UA_Auth(const std::string& text);
std::string OPC_UA_SecMode_To_Text(int code);
int Text_To_OPC_UA_SecMode(const std::string& text);
std::string OPC_UA_SecPolicy_To_Text(int code);
int Text_To_OPC_UA_SecPolicy(const std::string& text);

}  // namespace shell
