// Feeds arbitrary bytes to the OPC UA client file reader: it must read what
// it can or refuse with a message, and what it read must be written and read
// back unchanged.
#include "protocols/OPC_UA_Client_File.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    proto::TOPC_UA_Server_List servers;
    std::string error;
    if (!proto::OPC_UA_Client_From_Xml(text, servers, &error, "fuzz.xml")) {
        if (error.empty()) __builtin_trap();  // a refusal must say why
        return 0;
    }
    proto::TOPC_UA_Server_List again;
    if (!proto::OPC_UA_Client_From_Xml(proto::OPC_UA_Client_To_Xml(servers), again, &error)) __builtin_trap();
    // Write variables are stored as single values from 0, whatever they held.
    for (proto::TOPC_UA_Server& s : servers)
        for (proto::TOPC_UA_Variable& v : s.Var_List_W) {
            v.VarArray = "Var";
            v.Start = v.Len = "0";
        }
    if (!(again == servers)) __builtin_trap();
    return 0;
}
