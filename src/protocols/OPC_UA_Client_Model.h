#pragma once
// What the OPC UA client configuration holds in memory: the servers the
// gateway connects to as a client, each with the variables it reads from and
// writes to that server. The client window, its file, its check and the
// server scan all work on these two classes.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace proto {

class TOPC_UA_Variable {
public:
    bool Enable = false;
    std::string DispalyName;  // stored as "DisplayName"; the name is the unit's own
    std::string ReadWrite;    // kept empty: nothing sets or reads it
    std::string OnChange;     // "Y"/"N", write variables
    std::string OnCMD;
    std::string OnTimer;
    std::string VarArray;  // "Variable" or "Array", read variables
    std::string Start;
    std::string Len;
    std::string Time;
    std::string Position;
    std::string Mnemonic;

    uint16_t nameSpaceIndex = 0;
    uint16_t identifierType = 0;  // 0 numeric, 3 string, 4 GUID, 5 byte string
    uint32_t numeric = 0;
    std::string stringname;
    uint32_t guide1 = 0;
    uint16_t guide2 = 0;
    uint16_t guide3 = 0;
    std::array<uint8_t, 8> guide4 = {};
    std::string byteString;
    int32_t dataType = 0;  // 0 "Boolean" .. 14 "ByteString"

    // "Numeric", "String", "Guid", "ByteString"; any other text is numeric.
    std::string NodeType() const;
    void SetNodeType(std::string_view Text);
    // The identifier as text, read by the current NodeType: assign
    // NodeType first.
    std::string NodeID() const;
    void SetNodeID(std::string_view Text);
    // One of the 15 type texts; any other text is "Boolean".
    std::string VarType() const;
    void SetVarType(std::string_view Text);

    bool operator==(const TOPC_UA_Variable&) const = default;
};

class TOPC_UA_Server {
public:
    bool Enable = false;
    std::string ServerAddress;
    std::string Authorization;  // "Anonymous", "Username and Password" or "Certificate"
    std::string UserName;
    std::string Password;
    std::string Certificate;  // line breaks included
    std::string PrivateKey;
    std::string SecurityType;    // "None", "Sign" or "Sign and Encrypt"
    std::string SecurityPolicy;  // "None" .. "AES 256 SHA 256 RSA PSS"
    std::string Mnemonic;

    std::vector<TOPC_UA_Variable> Var_List_R;
    std::vector<TOPC_UA_Variable> Var_List_W;

    bool operator==(const TOPC_UA_Server&) const = default;
};

using TOPC_UA_Server_List = std::vector<TOPC_UA_Server>;

// The 15 variable type texts in code order.
extern const std::array<const char*, 15> OPC_UA_Var_Types;
// The node identifier kinds the tables offer.
extern const std::array<const char*, 4> OPC_UA_Node_Types;

// A numeric node identifier: decimal, or hexadecimal after "$" or "0x", in
// the full unsigned 32-bit range; any other text is 0.
uint32_t OPC_UA_Numeric_Id(std::string_view Text);

}  // namespace proto
