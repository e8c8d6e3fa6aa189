// Fuzz harness: a configuration file as the EDS object model reads it (the
// PDO list or the SDO server list), then the data sheet written from what
// was read. Nothing may crash, and a model the reader accepted and the
// writer's check passed is written whole.

#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string_view>

#include "platform/XmlDom.h"
#include "protocols/EdsWriter.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
    const std::string_view text(reinterpret_cast<const char*>(Data), Size);
    plat::TXmlDocument doc;
    if (!doc.LoadFromString(text)) return 0;
    proto::TEdsModel model;
    std::string error;
    if (!proto::Read_EDS_PDO_List(doc, model.PDO, &error)) model.PDO = {};
    if (!proto::Read_EDS_SDO_Objects(doc, model.SDO_Index_List, &error)) model.SDO_Index_List.clear();
    proto::Sort_SDO_Sub_Indexes(model.SDO_Index_List);
    std::ostringstream out;
    proto::TEdsWriter writer;
    if (writer.Write(model, 45000.5, out) && out.str().size() < 100) __builtin_trap();
    return 0;
}
