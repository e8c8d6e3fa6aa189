#include "protocols/OPC_UA_Client_Model.h"

#include "base/StrUtils.h"
#include "shell/OpcUaTexts.h"

namespace proto {

const std::array<const char*, 15> OPC_UA_Var_Types = {
    "Boolean", "Int8",   "UInt8",  "Int16",  "UInt16",   "Int32", "UInt32",    "Int64",
    "UInt64",  "Float", "Double", "String", "DateTime", "Guid",  "ByteString"};

const std::array<const char*, 4> OPC_UA_Node_Types = {"Numeric", "String", "Guid", "ByteString"};

namespace {

// A group of a GUID text: hexadecimal digits, 0 when they are not.
uint64_t Hex_Group(std::string_view Text) {
    int64_t value = 0;
    return base::TryStrToInt64("0x" + std::string(Text), value) ? static_cast<uint64_t>(value) : 0;
}

}  // namespace

uint32_t OPC_UA_Numeric_Id(std::string_view Text) {
    int64_t value = 0;
    // Identifiers above the signed range are real: servers hand them out, and
    // the file must read back what it wrote.
    if (!base::TryStrToInt64(Text, value) || value < 0 || value > 0xFFFFFFFFLL) return 0;
    return static_cast<uint32_t>(value);
}

std::string TOPC_UA_Variable::NodeType() const {
    return shell::OPC_UA_IdType_To_Text(identifierType);
}

void TOPC_UA_Variable::SetNodeType(std::string_view Text) {
    identifierType = static_cast<uint16_t>(shell::Text_To_OPC_UA_IdType(std::string(Text)));
}

std::string TOPC_UA_Variable::NodeID() const {
    // The same text the scan shows for a record, so an imported variable
    // reads as it was listed.
    shell::opcua_structure node;
    node.identifierType = identifierType;
    node.numeric = numeric;
    node.stringname = stringname.c_str();
    node.guide1 = guide1;
    node.guide2 = guide2;
    node.guide3 = guide3;
    for (size_t i = 0; i < guide4.size(); ++i) node.guide4[i] = guide4[i];
    node.byteString = byteString.c_str();
    return shell::OPC_UA_NodeId_To_Text(node);
}

void TOPC_UA_Variable::SetNodeID(std::string_view Text) {
    switch (identifierType) {
        case 0: numeric = OPC_UA_Numeric_Id(Text); break;
        case 3: stringname = std::string(Text); break;
        case 5: byteString = std::string(Text); break;
        case 4: {
            std::string s = base::Trim(std::string(Text));
            auto next_group = [&s]() {
                const size_t dash = s.find('-');
                const std::string part = s.substr(0, dash);
                s = dash == std::string::npos ? std::string() : s.substr(dash + 1);
                return Hex_Group(part);
            };
            guide1 = static_cast<uint32_t>(next_group());
            guide2 = static_cast<uint16_t>(next_group());
            guide3 = static_cast<uint16_t>(next_group());
            for (size_t i = 0; i < guide4.size(); ++i) {
                if (s.size() < 3) {
                    guide4[i] = static_cast<uint8_t>(Hex_Group(s));
                    s.clear();
                } else {
                    guide4[i] = static_cast<uint8_t>(Hex_Group(s.substr(0, 2)));
                    // The dash after the fourth group follows byte 1.
                    s.erase(0, i == 1 ? 3 : 2);
                }
            }
            break;
        }
        default: break;
    }
}

std::string TOPC_UA_Variable::VarType() const {
    if (dataType < 0 || dataType >= static_cast<int>(OPC_UA_Var_Types.size())) return OPC_UA_Var_Types[0];
    return OPC_UA_Var_Types[static_cast<size_t>(dataType)];
}

void TOPC_UA_Variable::SetVarType(std::string_view Text) {
    const std::string upper = base::UpperCase(std::string(Text));
    dataType = 0;
    for (size_t i = 0; i < OPC_UA_Var_Types.size(); ++i)
        if (upper == base::UpperCase(OPC_UA_Var_Types[i])) dataType = static_cast<int32_t>(i);
}

}  // namespace proto
