// A stand-in for the OPC UA search library that "finds" four variables of a
// known server. The last one's display name echoes the request it was given,
// so a test sees what reached the library. A server whose address contains
// "empty" has nothing to report.

#include <cstdio>
#include <cstring>

#include "protocols/OPC_UA_Search.h"

using proto::opcua_server_to_discover;
using proto::opcua_structure;

namespace {

// Plain C storage: a library holding C++ globals may never be unloaded,
// and the tests load and unload it again and again.
char echo[512];

}  // namespace

extern "C" __attribute__((visibility("default"))) int32_t opcua_client_begin(opcua_server_to_discover server) {
    std::snprintf(echo, sizeof echo, "%s|%d|%s|%s|%s|%s|%d|%d", server.server_address,
                  static_cast<int>(server.user_pass_auth_flag), server.username, server.password, server.cert,
                  server.priv_key, static_cast<int>(server.security_type), static_cast<int>(server.security_policy));
    return std::strstr(server.server_address, "empty") ? -1 : 4;
}

extern "C" __attribute__((visibility("default"))) void opcua_return_variable(opcua_structure* v, int32_t index) {
    // Every field is filled: the caller does not clear the buffer between calls.
    std::memset(static_cast<void*>(v), 0xA5, sizeof(*v));
    v->stringname = nullptr;
    v->byteString = nullptr;
    v->stringLength = v->byteStringLength = v->displayNameLength = 0;
    std::memset(v->spare, 0, sizeof(v->spare));
    v->numeric = 0;
    v->guide1 = 0;
    v->guide2 = v->guide3 = 0;
    std::memset(v->guide4, 0, sizeof(v->guide4));
    switch (index) {
        case 0:
            v->nameSpaceIndex = 2;
            v->identifierType = 3;
            v->stringname = "Tank.Level";
            v->displayName = "Level \xB0" "C";  // 8-bit Western text
            v->dataType = 9;
            v->accessLevel = 1;
            break;
        case 1:
            v->nameSpaceIndex = 1;
            v->identifierType = 0;
            v->numeric = 3000000000u;
            v->displayName = "Setpoint";
            v->dataType = 6;
            v->accessLevel = 2;
            break;
        case 2: {
            v->nameSpaceIndex = 0;
            v->identifierType = 4;
            v->guide1 = 0x0123ABCD;
            v->guide3 = 0x11F2;
            const unsigned char last[8] = {0x8A, 0, 0, 0xAA, 0xBB, 0xCC, 0xDD, 0xEE};
            std::memcpy(v->guide4, last, 8);
            v->displayName = "Pump";
            v->dataType = 0;
            v->accessLevel = 0;
            break;
        }
        default:
            v->nameSpaceIndex = 3;
            v->identifierType = 5;
            v->byteString = "AQID";
            v->displayName = echo;
            v->dataType = 3;
            v->accessLevel = 3;
            break;
    }
}
