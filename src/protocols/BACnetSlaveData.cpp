#include "protocols/BACnetSlaveData.h"

#include "base/Files.h"
#include "base/StrUtils.h"
#include "platform/XmlDom.h"
#include "protocols/BACnetVocabulary.h"

namespace proto {

namespace {

constexpr int Error_Row = 2232;
constexpr int Too_Many_Objects = 2259;

// How many bytes an object of a data type may take.
struct TLengthRule {
    const char* Type;
    int Min, Max;
    int Text;
};

struct TTableRules {
    int engUnit, position, bit, lastByte, mnemonic;
    const char* binary1;
    const char* binary2;
    std::vector<TLengthRule> lengths;
};

const TTableRules& Read_Rules() {
    static const TTableRules rules = {2233,
                                      2234,
                                      2245,
                                      2246,
                                      2261,
                                      "Binary Input",
                                      "Binary Value",
                                      {{"Analog Input", 1, 4, 2235},
                                       {"Positive Integer Value", 1, 4, 2236},
                                       {"Large Analog Value", 1, 8, 2237},
                                       {"Analog Value", 1, 4, 2238},
                                       {"Multi State Input", 1, 4, 2239},
                                       {"Multi State Value", 1, 4, 2240},
                                       {"Life Safety Point", 1, 2, 2241},
                                       {"Life Safety Zone", 1, 2, 2242},
                                       {"Access Door", 1, 1, 2243},
                                       {"Accumulator", 1, 4, 2244}}};
    return rules;
}

const TTableRules& Write_Rules() {
    static const TTableRules rules = {2247,
                                      2248,
                                      2257,
                                      2258,
                                      2262,
                                      "Binary Out",
                                      "Binary Value",
                                      {{"Analog Out", 1, 4, 2249},
                                       {"Analog Value", 1, 4, 2250},
                                       {"Positive Integer Value", 1, 4, 2251},
                                       {"Large Analog Value", 1, 8, 2252},
                                       {"Integer Value", 1, 4, 2253},
                                       {"Multi State Output", 1, 4, 2254},
                                       {"Multi State Value", 1, 4, 2255},
                                       {"Access Door", 1, 1, 2256}}};
    return rules;
}

TTableDescription Slave_Table(bool Read, int Rows) {
    const int h = Read ? 2216 : 2224;  // the headers of the two tables, column 0 first
    TTableColumn swap = Check_Column(h + 6, "Swap", 40, cgSwap, 0);
    swap.Hidden = true;  // kept in the file all the same
    return {.Grid = Read ? "ACG_BACnet_in_Read" : "ACG_BACnet_in_Write",
            .Page = Read ? "TS_BACnet_in_Read" : "TS_BACnet_in_Write",
            .Page_Caption = Read ? 2208 : 2209,
            .Section = Read ? "BACnet_in_Read" : "BACnet_in_Write",
            .Columns = {Row_Number_Column(h),
                        List_Column(h + 1, "Data_Type", Read ? Slave_Read_Types() : Slave_Write_Types(), 150,
                                    cgAddress, 0, false),
                        Text_Column(h + 2, "Eng_Unit", 100, cgAddress, 0, false),
                        Position_Column(h + 3, "Position", 64, 0, BACnet_Slave_Area, false, false),
                        List_Column(h + 4, "Bit", {"0", "1", "2", "3", "4", "5", "6", "7"}, 64, cgPosition, 0,
                                    false),
                        Text_Column(h + 5, "Length", 64, cgPosition, 0, false), swap,
                        Text_Column(h + 7, "Mnemonic", 250, cgMnemonic, 0, false)},
            .Key_Column = bac_slave::Data_Type,
            .Enable_Column = -1,
            .Rows = Rows,
            .Events = teClickCell | teKeyPress};
}

bool In(long long value, long long min, long long max) {
    return value >= min && value <= max;
}

// Checks the used rows of one table; count gets their number.
TTableFault Check_Table(const TTableRows& rows, const TTableRules& rules, int NByte, int& count) {
    using namespace bac_slave;
    count = 0;
    for (size_t i = 0; i < rows.size(); ++i) {
        const TTableRow& row = rows[i];
        if (base::Trim(row[Data_Type]).empty()) break;
        ++count;
        const int r = static_cast<int>(i) + 1;
        if (!In(Int_Or_Minus_One(row[Eng_Unit]), 0, 65535)) return Table_Fault(Error_Row, r, rules.engUnit);
        const int position = Int_Or_Minus_One(row[Position]);
        if (!In(position, 0, NByte - 1))
            return Table_Fault(Error_Row, r, rules.position, std::to_string(NByte - 1));
        long long last = position;
        if (row[Data_Type] == rules.binary1 || row[Data_Type] == rules.binary2) {
            // The list offers bits 0 to 7; a hand-edited file must not get
            // past the message that names that range.
            if (!In(Int_Or_Minus_One(base::Trim(row[Bit])), 0, 7))
                return Table_Fault(Error_Row, r, rules.bit);
        } else {
            const long long length = base::StrToInt64Def(row[Length], 0);
            for (const TLengthRule& rule : rules.lengths)
                if (row[Data_Type] == rule.Type && !In(length, rule.Min, rule.Max))
                    return Table_Fault(Error_Row, r, rule.Text);
            last = position + length - 1;
        }
        if (last >= NByte) return Table_Fault(Error_Row, r, rules.lastByte);
        if (Breaks_EDE_Field(row[Mnemonic])) return Table_Fault(Error_Row, r, rules.mnemonic);
    }
    return {};
}

}  // namespace

int BACnet_Slave_Rows(bool Desc_Lenght) {
    return Desc_Lenght ? 1000 : 2000;
}

const std::vector<std::string>& Slave_Read_Types() {
    static const std::vector<std::string> types = {
        "Analog Input",      "Analog Value",           "Binary Input",
        "Binary Value",      "Positive Integer Value", "Large Analog Value",
        "Integer Value",     "Multi State Input",      "Multi State Value",
        "Life Safety Point", "Life Safety Zone",       "Access Door",
        "Accumulator"};
    return types;
}

const std::vector<std::string>& Slave_Write_Types() {
    static const std::vector<std::string> types = {
        "Analog Out",    "Analog Value",           "Binary Out",
        "Binary Value",  "Positive Integer Value", "Large Analog Value",
        "Integer Value", "Multi State Output",     "Multi State Value",
        "Access Door"};
    return types;
}

TAccessFile BACnet_Slave_Access_File(bool Desc_Lenght) {
    const int rows = BACnet_Slave_Rows(Desc_Lenght);
    return {.Root = "BACnet_to_Modbus",
            .Tables = {Slave_Table(true, rows), Slave_Table(false, rows)},
            .Version = BACnet_Slave_Version};
}

TBACnetSlaveData Empty_BACnet_Slave(bool Desc_Lenght) {
    std::vector<TTable> tables = Reset_Tables(BACnet_Slave_Access_File(Desc_Lenght));
    return {std::move(tables[0]), std::move(tables[1])};
}

bool Load_BACnet_Slave(const std::string& path, bool Desc_Lenght, TBACnetSlaveData& data,
                       std::string* error) {
    const TAccessFile file = BACnet_Slave_Access_File(Desc_Lenght);
    std::vector<TTable> tables = Reset_Tables(file);
    const TLoadReport report = Load_Access_File(file, path, tables);
    data = {std::move(tables[0]), std::move(tables[1])};
    if (report.Clean()) return true;
    if (error) *error = report.Error;
    return false;
}

bool Save_BACnet_Slave(const std::string& path, const TBACnetSlaveData& data, std::string* error) {
    // The rows written are those in use, whatever the table's length.
    return Save_Access_File(BACnet_Slave_Access_File(false), {data.Read, data.Write}, path, error);
}

bool Read_Desc_Chars_Limit(const std::string& parGenPath) {
    plat::TXmlDocument doc;
    if (!base::FileExists(parGenPath) || !doc.LoadFromFile(parGenPath)) return false;
    return doc.Root().FindNode("BACnet_Desc_Chars_Limit").Text() == "1";
}

std::string Write_Length_Of(const std::string& Data_Type) {
    const std::string key = base::UpperCase(Data_Type);
    for (const char* four : {"ANALOG OUT", "ANALOG VALUE", "POSITIVE INTEGER VALUE", "INTEGER VALUE",
                             "MULTI STATE OUTPUT", "MULTI STATE VALUE"})
        if (key == four) return "4";
    for (const char* one : {"BINARY OUT", "BINARY VALUE", "ACCESS DOOR"})
        if (key == one) return "1";
    return key == "LARGE ANALOG VALUE" ? "8" : "";
}

TTableFault Check_BACnet_Slave(const TBACnetSlaveData& data, bool Desc_Lenght, int NByte_IN, int NByte_OUT) {
    int reads = 0, writes = 0;
    TTableFault fault = Check_Table(data.Read, Read_Rules(), NByte_IN, reads);
    if (!fault.Ok()) return fault;
    fault = Check_Table(data.Write, Write_Rules(), NByte_OUT, writes);
    if (!fault.Ok()) return fault;
    const int most = BACnet_Slave_Rows(Desc_Lenght);
    if (reads + writes > most) return Table_Fault(0, 0, Too_Many_Objects, std::to_string(most));
    return {};
}

bool Breaks_EDE_Field(const std::string& text) {
    return text.find_first_of(";\r\n") != std::string::npos;
}

}  // namespace proto
