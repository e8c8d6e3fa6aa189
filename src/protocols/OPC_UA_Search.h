#pragma once
// The OPC UA search library: a separate shared library, loaded by name for
// each scan, that connects to an OPC UA server, browses it and hands back the
// variables it found. No such library ships with the program. This is our
// side of the contract: the records (laid out natively, C layout) and the
// two entry points with the C calling convention:
//
//   int32_t opcua_client_begin(opcua_server_to_discover server);
//       connects, collects the variables and returns their count (0 or
//       less: nothing found);
//   void opcua_return_variable(opcua_structure* variable, int32_t index);
//       fills every field of *variable with variable index (0 .. count-1);
//       its texts stay valid until the library is unloaded.

#include <cstdint>
#include <string>
#include <vector>

#include "shell/OpcUaTexts.h"

namespace proto {

using shell::opcua_structure;

extern "C" {

// The server to browse. Every text pointer is set (an empty text points to
// a zero byte).
struct opcua_server_to_discover {
    const char* server_address;
    int32_t user_pass_auth_flag;  // 0 anonymous, 1 user name and password, 2 certificate
    const char* username;
    const char* password;
    const char* cert;
    const char* priv_key;
    int32_t security_type;    // 0 None, 1 Sign, 2 Sign and Encrypt
    int32_t security_policy;  // 0 None .. 5 Aes256_Sha256_RsaPss
};

using opcua_client_begin_fn = int32_t (*)(opcua_server_to_discover);
using opcua_return_variable_fn = void (*)(opcua_structure*, int32_t);

}  // extern "C"

inline constexpr const char* OPC_UA_Search_Library = "OPC_UA_Search";

// One variable the scan found, with its own copies of the record's texts,
// which outlive the library.
struct TOPC_UA_Scan_Var {
    opcua_structure Record;  // its text pointers point into the strings below
    std::string stringname;
    std::string byteString;
    std::string displayName;

    TOPC_UA_Scan_Var() = default;
    explicit TOPC_UA_Scan_Var(const opcua_structure& From);
    TOPC_UA_Scan_Var(const TOPC_UA_Scan_Var& Other);
    TOPC_UA_Scan_Var& operator=(const TOPC_UA_Scan_Var& Other);

private:
    void Point_Texts();
};

enum class TScan_Result { Scanned, No_Library, No_Functions };

// The connection settings of a server as the library takes them, holding
// the 8-bit copies its pointers point to.
class TOPC_UA_Scan_Request {
public:
    TOPC_UA_Scan_Request() { Point(); }
    TOPC_UA_Scan_Request(std::string Address, int Auth, std::string User, std::string Pass, std::string Cert,
                         std::string Key, int Sec_Type, int Sec_Policy);
    TOPC_UA_Scan_Request(const TOPC_UA_Scan_Request& Other) { *this = Other; }
    TOPC_UA_Scan_Request& operator=(const TOPC_UA_Scan_Request& Other);

    const opcua_server_to_discover& Server() const { return server_; }
    bool Has_Address() const { return !address_.empty(); }

private:
    void Point();
    std::string address_, user_, pass_, cert_, key_;
    opcua_server_to_discover server_ = {};
};

// Loads the library (from Folders first, then the system's search), asks it
// for the server's variables into List (emptied first) and unloads it.
// Error gets the loader's reason when the library does not load.
TScan_Result Run_OPC_UA_Scan(const TOPC_UA_Scan_Request& Request, const std::vector<std::string>& Folders,
                             std::vector<TOPC_UA_Scan_Var>& List, std::string* Error = nullptr,
                             const std::string& Library = OPC_UA_Search_Library);

}  // namespace proto
