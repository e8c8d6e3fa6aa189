// Fuzz harness: an agent table file as the MIB generator reads it, then the
// module written from what was read. Nothing may crash; a table the writer
// accepts gives a module with one notification per read object, every line
// ended by CR LF.

#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>
#include <string_view>

#include "platform/XmlDom.h"
#include "protocols/SNMP_MIB.h"

namespace {

size_t Count(const std::string& Text, std::string_view Part) {
    size_t n = 0;
    for (size_t at = Text.find(Part); at != std::string::npos; at = Text.find(Part, at + 1)) ++n;
    return n;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
    const std::string_view text(reinterpret_cast<const char*>(Data), Size);
    plat::TXmlDocument doc;
    if (!doc.LoadFromString(text)) return 0;
    proto::TMibData data;
    std::string error;
    if (!proto::Read_SNMP_Trap_List(doc, data, &error)) return 0;
    std::ostringstream out;
    proto::TMibWriter writer;
    if (!writer.Write(data, out)) return 0;
    const std::string mib = out.str();
    if (Count(mib, " NOTIFICATION-TYPE OBJECTS {") != data.Read.size()) __builtin_trap();
    if (Count(mib, "\n") != Count(mib, "\r\n") || mib.substr(mib.size() - 5) != "END\r\n") __builtin_trap();
    return 0;
}
