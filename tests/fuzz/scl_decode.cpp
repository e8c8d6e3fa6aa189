// Feeds arbitrary bytes to the SCL decoder as the text of a file: it must
// either build a device or refuse with a message, and never crash, hang or
// run out of stack on cyclic or deeply nested types.
#include "protocols/IEC_Client_Decode.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    std::string error;
    const auto device = proto::TIEC_Device::Create_From_Text(text, "fuzz.icd", &error);
    if (!device && error.empty()) __builtin_trap();  // a refusal must say why
    return 0;
}
