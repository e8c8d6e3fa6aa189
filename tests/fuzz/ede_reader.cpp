// Fuzz target for the EDE import reader: any bytes, read as an EDE file,
// must give objects of the import's object types only, and never crash.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "protocols/BACnetVocabulary.h"
#include "protocols/EDEReader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    for (const proto::TBACnet_Var& v : proto::Read_EDE(bytes)) {
        if (!proto::Is_EDE_Object_Type(v.object_type) || !v.import || !v.read || v.write != v.commandable)
            std::abort();
    }
    proto::Parse_EDE_Line(bytes);
    return 0;
}
