// A library that is not the OPC UA search library: it loads, but lacks the
// entry point that fetches the variables.

#include "protocols/OPC_UA_Search.h"

extern "C" __attribute__((visibility("default"))) int32_t opcua_client_begin(proto::opcua_server_to_discover) {
    return 3;
}
