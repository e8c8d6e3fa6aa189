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

TTableRows Empty_Rows(int rows) {
    TTableRows table(rows, TTableRow(bac_slave::Count));
    for (int r = 0; r < rows; ++r) table[r][0] = std::to_string(r + 1);
    return table;
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

const std::vector<TStoredColumn>& BACnet_Slave_Stored() {
    using namespace bac_slave;
    static const std::vector<TStoredColumn> stored = {
        {Data_Type, {"Data_Type", "", true}}, {Eng_Unit, {"Eng_Unit", "", true}},
        {Position, {"Position", "", true}},   {Bit, {"Bit", "", true}},
        {Length, {"Length", "", true}},       {Swap, {"Swap", "N", true}},
        {Mnemonic, {"Mnemonic", "", true}},
    };
    return stored;
}

TBACnetSlaveData Empty_BACnet_Slave(bool Desc_Lenght) {
    const int rows = BACnet_Slave_Rows(Desc_Lenght);
    return {Empty_Rows(rows), Empty_Rows(rows)};
}

bool Read_BACnet_Slave(const plat::TXmlDocument& doc, TBACnetSlaveData& data, std::string* error) {
    const plat::TXmlNode root = doc.Root();
    return Read_Stored_Section(root, "BACnet_in_Read", BACnet_Slave_Stored(), data.Read, 0, error) &&
           Read_Stored_Section(root, "BACnet_in_Write", BACnet_Slave_Stored(), data.Write, 0, error);
}

void Write_BACnet_Slave(const TBACnetSlaveData& data, plat::TXmlDocument& doc) {
    plat::TXmlNode root = shell::Begin_Project_XML(doc, "BACnet_to_Modbus", BACnet_Slave_Version);
    Write_Stored_Section(root, "BACnet_in_Read", BACnet_Slave_Stored(), data.Read, bac_slave::Data_Type);
    Write_Stored_Section(root, "BACnet_in_Write", BACnet_Slave_Stored(), data.Write, bac_slave::Data_Type);
}

bool Load_BACnet_Slave(const std::string& path, bool Desc_Lenght, TBACnetSlaveData& data,
                       std::string* error) {
    data = Empty_BACnet_Slave(Desc_Lenght);
    return Load_Stored_Tables(
        path,
        [&](const plat::TXmlDocument& doc, std::string* why) { return Read_BACnet_Slave(doc, data, why); },
        error);
}

bool Save_BACnet_Slave(const std::string& path, const TBACnetSlaveData& data, std::string* error) {
    plat::TXmlDocument doc;
    Write_BACnet_Slave(data, doc);
    return doc.SaveToFile(path, error);
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
