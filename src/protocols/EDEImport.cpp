#include "protocols/EDEImport.h"

#include <cstdint>

#include "base/StrUtils.h"
#include "protocols/BACnetVocabulary.h"
#include "shell/ValueHelpers.h"

namespace proto {

namespace {

// The first row to fill and the first free byte after the rows in use.
struct TFreePlace {
    size_t row;
    long long position;
};

TFreePlace Free_Place(const TTableRows& rows, int key, int positionCol, int nbyteCol) {
    TFreePlace place{rows.size(), 0};
    for (size_t r = 0; r < rows.size(); ++r) {
        if (base::Trim(rows[r][key]).empty()) {
            place.row = r;
            break;
        }
        const long long position = Int64_Or_Minus_One(rows[r][positionCol]);
        const long long nbyte = Int64_Or_Minus_One(rows[r][nbyteCol]);
        if (position >= 0 && nbyte >= 0 && position + nbyte > place.position)
            place.position = position + nbyte;
    }
    return place;
}

std::string Var_Name(const TBACnet_Var& v) {
    return v.object_name + " - " + v.description;
}

}  // namespace

bool Set_EDE_Mark(TBACnet_Var& var, int ACol, bool State) {
    switch (ACol) {
        case EDE_Col_Import:
            var.import = State;
            return true;
        case EDE_Col_Read:
            var.read = State;
            return true;
        case EDE_Col_Write:
            if (State && !var.commandable) {
                var.write = false;
                return false;
            }
            var.write = State;
            return true;
        default:
            return true;
    }
}

int Check_EDE_Address(const std::string& text, int Kind) {
    if (Kind == BACnet_IP) {
        uint8_t b1 = 0, b2 = 0, b3 = 0, b4 = 0;
        return shell::IP_To_Bytes(text, b1, b2, b3, b4) ? 2116 : 0;
    }
    if (Kind == BACnet_MSTP) {
        const int id = Int_Or_Minus_One(text);
        return id >= 0 && id <= 254 ? 0 : 2117;
    }
    return 0;
}

TEDEImportReport Import_EDE_Vars(const std::vector<TBACnet_Var>& vars, const std::string& Device_Address,
                                 int Kind, TBACnetAccessData& data) {
    const int key = BACnet_Key_Column(Kind);
    TFreePlace read = Free_Place(data.Read, key, bac_read::Position, bac_read::NByte);
    TFreePlace write = Free_Place(data.Write, key, bac_write::Position, bac_write::NByte);
    TEDEImportReport report;
    for (const TBACnet_Var& v : vars) {
        if (!v.import) continue;
        const std::string type = Get_ObjType_EDE(v.object_type);
        const int nbyte = Get_NumByte_EDE(v.object_type);
        if (v.read && read.row >= data.Read.size()) {
            report.NotRead.push_back(Var_Name(v));
        } else if (v.read) {
            using namespace bac_read;
            TTableRow& row = data.Read[read.row];
            row[Enable] = "Y";
            row[Address] = Device_Address;
            row[Object_Type] = type;
            row[Instance] = std::to_string(v.object_instance);
            row[Property] = Present_Value_Text;
            row[NByte] = std::to_string(nbyte);
            row[En_Dest] = "N";
            row[D_Net] = row[D_Len] = row[D_Add] = "";
            row[Poll_Time] = "1000";
            row[Max_Err] = "0";
            row[Position] = std::to_string(read.position);
            row[Start_Bit] = "0";
            row[Swap] = "N";
            row[Convertion] = "";
            row[Mnemonic] = Var_Name(v);
            read.position += nbyte;
            ++read.row;
        }
        if (v.write && write.row >= data.Write.size()) {
            report.NotWritten.push_back(Var_Name(v));
        } else if (v.write) {
            using namespace bac_write;
            TTableRow& row = data.Write[write.row];
            row[Enable] = "Y";
            row[Address] = Device_Address;
            row[Object_Type] = type;
            row[Data_Type] = Get_DataType_EDE(v.object_type);
            row[Instance] = std::to_string(v.object_instance);
            row[Property] = Present_Value_Text;
            row[Priority] = "0";
            row[NByte] = std::to_string(nbyte);
            row[En_Dest] = "N";
            row[D_Net] = row[D_Len] = row[D_Add] = "";
            row[Change] = "N";
            row[Timer] = "N";
            row[Poll_Time] = "1000";
            row[Max_Err] = "0";
            row[Position] = std::to_string(write.position);
            row[Start_Bit] = "0";
            row[Swap] = "N";
            row[Convertion] = "";
            row[Mnemonic] = Var_Name(v);
            write.position += nbyte;
            ++write.row;
        }
    }
    return report;
}

}  // namespace proto
