// Feeds arbitrary bytes to the IEC 61850 client file reader: it must read
// what it can or refuse with a message, and what it read must be written
// and read back unchanged.
#include "protocols/IEC_Client_File.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    proto::TIEC_Client_File file;
    std::string error;
    if (!proto::IEC_Client_From_Xml(text, file, &error, "fuzz.xml")) {
        if (error.empty()) __builtin_trap();  // a refusal must say why
        return 0;
    }
    proto::TIEC_Client_File again;
    if (!proto::IEC_Client_From_Xml(proto::IEC_Client_To_Xml(file), again, &error)) __builtin_trap();
    // A single empty row is the empty table, which reads back as none.
    if (file.Variables.size() == 1 && file.Variables[0][proto::DA_Col_Index].empty()) file.Variables.clear();
    if (file.DataSets.size() == 1 && file.DataSets[0].Cells[proto::DS_Col_Index].empty()) file.DataSets.clear();
    if (!(again == file)) __builtin_trap();
    return 0;
}
