// Fuzz harness for the protocol table file reader: any bytes must read into
// the tables without a crash, leave every table at its size and row width,
// and a clean read must survive a write and a second read unchanged, line
// breaks and other control characters in the values included.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "protocols/AccessTable.h"
#include "protocols/MQTT_Set_Topic.h"
#include "protocols/Modbus_TCP_Master_Set_Access.h"
#include "protocols/TLS_Server_Known_Cert.h"

namespace {

// Rows directly under the root, with a not-stored column, as the CAN-family
// files have them.
const proto::TAccessFile& Flat_File() {
    static const proto::TAccessFile file = {
        .Root = "Receive_Frames",
        .Tables = {{.Grid = "G",
                    .Columns = {proto::Row_Number_Column(1), proto::Enable_Column(2, 0),
                                proto::Text_Column(3, "COBID", 50, proto::cgAddress, 0, false),
                                {.Header = 4, .Required = false, .Default = "N"},
                                proto::Text_Column(5, "Mnemonic", 50, proto::cgMnemonic, 0)},
                    .Rows = 16}}};
    return file;
}

void Check_Shape(const proto::TAccessFile& File, const std::vector<proto::TTable>& Tables) {
    for (size_t t = 0; t < File.Tables.size(); ++t) {
        if (Tables[t].size() != static_cast<size_t>(File.Tables[t].Rows)) std::abort();
        for (const proto::TTableRow& row : Tables[t])
            if (row.size() != File.Tables[t].Columns.size()) std::abort();
    }
}

void Read_Twice(const proto::TAccessFile& File, std::string_view Xml) {
    std::vector<proto::TTable> tables = proto::Reset_Tables(File);
    const proto::TLoadReport report = proto::Read_Access_Xml(File, Xml, tables);
    Check_Shape(File, tables);
    if (!report.Clean()) return;
    std::vector<proto::TTable> again = proto::Reset_Tables(File);
    if (!proto::Read_Access_Xml(File, proto::Access_To_Xml(File, tables), again).Clean()) std::abort();
    // Rows after the first empty key are not written: compare the used ones.
    for (size_t t = 0; t < File.Tables.size(); ++t) {
        const int used = proto::Used_Rows(File.Tables[t], tables[t]);
        for (int r = 0; r < used; ++r)
            if (again[t][static_cast<size_t>(r)] != tables[t][static_cast<size_t>(r)]) std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
    const std::string_view xml(reinterpret_cast<const char*>(Data), Size);
    Read_Twice(proto::Modbus_TCP_Member.File, xml);
    Read_Twice(Flat_File(), xml);
    // Multi-line values: templates and certificates keep every character.
    Read_Twice(proto::MQTT_Set_Topic_Member.File, xml);
    Read_Twice(proto::TLS_Known_Cert_Member.File, xml);
    return 0;
}
