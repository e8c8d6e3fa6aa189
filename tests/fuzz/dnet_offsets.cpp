// Feeds arbitrary bytes to the DeviceNet readers, as the network list and
// as the byte map: every slave must keep one position and one mnemonic per
// byte, the check must hold whatever the positions say, and a byte map that
// read cleanly must be written and read back unchanged.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "protocols/DNetOffsets.h"
#include "shell/Language.h"

namespace {

void Check_Shape(const proto::TSlaves& Slaves) {
    for (const proto::TSlave_DN& s : Slaves)
        if (s.SL_ByteIN.size() != s.ByteIN || s.SL_ByteIN_M.size() != s.ByteIN || s.SL_ByteOUT.size() != s.ByteOUT ||
            s.SL_ByteOUT_M.size() != s.ByteOUT || s.Row.size() != 4)
            __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool texts = (shell::Load_Default_Texts(), true);
    (void)texts;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    proto::TSlaves slaves;
    proto::TOffsetRead report;
    proto::Read_DNet_Slaves(text, slaves, report);
    if (!report.Clean && report.Error.empty()) __builtin_trap();  // a fault must say what
    Check_Shape(slaves);
    size_t bytes = 0;
    for (const proto::TSlave_DN& s : slaves) bytes += s.ByteIN + s.ByteOUT;
    if (bytes > 100000) return 0;  // a size, not a fault, of the input
    (void)proto::Check_Data(slaves);

    // The byte map over a fixed network of two slaves.
    proto::TSlaves net(2);
    net[0].ID = 5;
    net[0].ByteIN = 2;
    net[0].ByteOUT = 3;
    net[1].ID = 9;
    net[1].ByteOUT = 2;
    for (proto::TSlave_DN& s : net) proto::Clear_Bytes(s);
    proto::TOffsetRead map_report;
    proto::Read_DNet_Offsets(text, net, map_report);
    Check_Shape(net);
    if (const auto fault = proto::Check_Data(net)) {
        if (proto::Offset_Fault_Message(*fault).empty()) __builtin_trap();
    }
    if (!map_report.Clean) return 0;
    proto::TSlaves again = net;
    for (proto::TSlave_DN& s : again) proto::Clear_Bytes(s);
    proto::TOffsetRead second;
    proto::Read_DNet_Offsets(proto::Offsets_To_Xml(net), again, second);
    if (!second.Clean) __builtin_trap();
    for (size_t k = 0; k < net.size(); ++k)
        if (again[k].SL_ByteIN != net[k].SL_ByteIN || again[k].SL_ByteOUT != net[k].SL_ByteOUT ||
            again[k].SL_ByteIN_M != net[k].SL_ByteIN_M || again[k].SL_ByteOUT_M != net[k].SL_ByteOUT_M)
            __builtin_trap();
    return 0;
}
