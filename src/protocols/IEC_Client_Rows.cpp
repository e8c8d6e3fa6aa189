#include "protocols/IEC_Client_Rows.h"

#include "base/StrUtils.h"
#include "shell/ValueHelpers.h"

namespace proto {

namespace {

struct TFixed_Size {
    const char* bType;
    int bytes;
};

// A quality counts four bytes and a time stamp one, as the gateway lays them
// out in its data array.
constexpr TFixed_Size Fixed_Sizes[] = {
    {"FLOAT32", 4}, {"INT32U", 4}, {"INT32", 4},   {"QUALITY", 4},   {"FLOAT64", 8}, {"INT64", 8},
    {"INT8U", 1},   {"INT8", 1},   {"BOOLEAN", 1}, {"TIMESTAMP", 1}, {"ENUM", 1},    {"INT16U", 2},
    {"INT16", 2},
};

// The string types whose part the user picks: the byte range they hold.
struct TByte_Range {
    const char* bType;
    int size;
    int startText, numText, sumText;
};

constexpr TByte_Range Byte_Ranges[] = {
    {"OCTET64", 64, 3265, 3266, 3267},
    {"VISSTRING255", 255, 3262, 3263, 3264},
};

int Number(const std::string& text) { return Cell_Number(text); }

TRowFault First_Fault(const TIEC_DA_Row& row, char separator) {
    const std::string bType = base::UpperCase(row[DA_Col_bType]);
    for (const TByte_Range& range : Byte_Ranges) {
        if (bType != range.bType) continue;
        const int start = Number(row[DA_Col_StartByte]);
        const int count = Number(row[DA_Col_NumByte]);
        if (start < 0 || start > range.size - 1) return Fault(range.startText);
        if (count < 1 || count > range.size) return Fault(range.numText);
        if (start + count > range.size) return Fault(range.sumText);
    }
    std::string ip1, ip2, ip3, ip4;
    if (!shell::Split_IP_Address(row[DA_Col_IPAddress], ip1, ip2, ip3, ip4)) return Fault(3253);
    const int port = Number(row[DA_Col_Port]);
    if (port < 0 || port > 65535) return Fault(3254);
    if (base::Trim(row[DA_Col_OnTimer]) == "Y") {
        const int time = Number(row[DA_Col_Time]);
        if (time < 1 || time > 100000000) return Fault(3255);
    }
    const int position = Number(row[DA_Col_Position]);
    if (position < 0 || position > Position_Max) return Fault(3256, Position_Max);
    if (base::UpperCase(base::Trim(row[DA_Col_MoltFact])) != "NONE") {
        float factor = 0;
        if (!shell::Text_To_Real(row[DA_Col_MoltFact], separator, factor)) return Fault(3257);
    }
    return {};
}

}  // namespace

int Fixed_Byte_Size(std::string_view bType) {
    const std::string upper = base::UpperCase(bType);
    for (const TFixed_Size& fixed : Fixed_Sizes)
        if (upper == fixed.bType) return fixed.bytes;
    return 0;
}

void Set_Start_Num_Byte(std::vector<TIEC_DA_Row>& rows, std::vector<bool>* fixed) {
    if (fixed) fixed->assign(rows.size(), false);
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const int bytes = Fixed_Byte_Size(rows[r][DA_Col_bType]);
        if (bytes == 0) continue;
        rows[r][DA_Col_StartByte] = "0";
        rows[r][DA_Col_NumByte] = std::to_string(bytes);
        if (fixed) (*fixed)[r] = true;
    }
}

TCheckOutcome Controllo_dati(const std::vector<TIEC_DA_Row>& rows, char decimalSeparator) {
    for (std::size_t r = 0; r < rows.size(); ++r) {
        if (rows[r][DA_Col_bType].empty()) continue;
        const TRowFault fault = First_Fault(rows[r], decimalSeparator);
        if (fault.Failed()) return {0, static_cast<int>(r + 1), fault};
    }
    return {};
}

bool Device_In_Use(const std::vector<TIEC_DA_Row>& variables, const std::vector<TIEC_DataSet_Row>& dataSets,
                   int device) {
    for (const TIEC_DA_Row& row : variables)
        if (Number(row[DA_Col_Index]) == device) return true;
    for (const TIEC_DataSet_Row& row : dataSets)
        if (Number(row[DS_Col_Index]) == device) return true;
    return false;
}

void Renumber_After_Removal(std::vector<TIEC_DA_Row>& variables, std::vector<TIEC_DataSet_Row>& dataSets,
                            int removed) {
    const auto lower = [removed](std::string& cell) {
        const int index = Number(cell);
        if (index > removed) cell = std::to_string(index - 1);
    };
    for (TIEC_DA_Row& row : variables) lower(row[DA_Col_Index]);
    for (TIEC_DataSet_Row& row : dataSets) lower(row[DS_Col_Index]);
}

}  // namespace proto
