// Fuzz target for the EtherNet/IP EDS connection reader: any bytes, read as
// an EDS text, must give connections numbered 1, 2, ... in order with header
// formats of three bits, and never crash or read past a line.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "protocols/EtherNetIP_EDS_Reader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    int index = 0;
    for (const proto::TConnData& c : proto::Read_EDS_Connections(bytes)) {
        if (c.ConnIndex != ++index || c.DimHeaderOT > 7 || c.DimHeaderTO > 7) std::abort();
        if (c.ConnName.size() > size || c.HelpStr.size() > size) std::abort();
    }
    std::vector<proto::TConnData> list;
    proto::Decode_Conn_Str(bytes, list);
    if (list.size() > 1 || (list.size() == 1 && list[0].ConnIndex != 1)) std::abort();
    return 0;
}
