#include "protocols/ModbusCheck.h"

#include "base/StrUtils.h"

namespace proto {

bool Check_IP_Address(const std::string& IP_Address) {
    if (IP_Address.empty()) return true;
    const std::string_view text = IP_Address;
    size_t start = 0;
    for (int i = 0; i < 3; ++i) {
        const size_t dot = text.find('.', start);
        if (dot == std::string_view::npos || !In_Range(text.substr(start, dot - start), 0, 255)) return true;
        start = dot + 1;
    }
    return !In_Range(text.substr(start), 0, 255);
}

const std::vector<std::string>& Modbus_Read_Types() {
    static const std::vector<std::string> items = {"Coil Status", "Input Status", "Holding Register",
                                                   "Input Register"};
    return items;
}

const std::vector<std::string>& Modbus_Write_Types() {
    static const std::vector<std::string> items = {"Coil Status", "Holding Register"};
    return items;
}

const std::vector<std::string>& Modbus_Start_Bits() {
    static const std::vector<std::string> items = {"0", "1", "2", "3", "4", "5", "6", "7"};
    return items;
}

TTableColumn Modbus_Topic_Column(int Header, int Hint) {
    return {.Header = Header, .Attribute = "Index_Topic", .Editor = grid::edComboList, .Width = 120,
            .Group = cgTopic, .Required = false, .Hint = Hint, .Hidden = true};
}

TRowFault Check_Modbus_Row(const TTableRow& Row, const TModbusTable& Table, const TModbusRules& Rules) {
    const TModbusColumns& Cols = Table.Columns;
    const TModbusTexts& Texts = Table.Texts;
    auto cell = [&Row](int c) -> const std::string& { return Row[static_cast<size_t>(c)]; };
    if (Cols.IP_Address >= 0 && Check_IP_Address(cell(Cols.IP_Address))) return Fault(Texts.IP_Address);
    if (Cols.Port >= 0 && !In_Range(cell(Cols.Port), 0, 65535)) return Fault(Texts.Port);
    if (!In_Range(cell(Cols.Slave_ID), 1, 247)) return Fault(Texts.Slave_ID);
    const std::string type = base::UpperCase(base::Trim(cell(Cols.Type)));
    if (type.empty()) return Fault(Texts.Type);
    const bool bit = type == "COIL STATUS" || (Table.Input_Status && type == "INPUT STATUS");
    if (!In_Range(cell(Cols.Address), 0, 65535)) return Fault(Texts.Address);
    const int limit = bit ? Table.Bit_Points : Table.Register_Points;
    if (!In_Range(cell(Cols.NPoint), 1, limit)) return Fault(Texts.NPoint, limit);
    if (!In_Range(cell(Cols.Poll_Time), Table.Poll_Min, 100000000)) return Fault(Texts.Poll_Time);
    if (!In_Range(cell(Cols.Max_Error), 0, 100000000)) return Fault(Texts.Max_Error);
    if (Rules.Position_Checked) {
        const int last = Rules.Data_Bytes - 1;
        if (!In_Range(cell(Cols.Position), 0, last)) return Fault(Texts.Position, last);
        // In 64 bits: a huge point count must not wrap into the data area.
        const long long position = Cell_Number(cell(Cols.Position));
        const long long points = Cell_Number(cell(Cols.NPoint));
        long long end;
        if (bit) {
            if (base::Trim(cell(Cols.Start_Bit)).empty()) return Fault(Texts.Start_Bit);
            const long long start = base::StrToIntDef(cell(Cols.Start_Bit), 0);
            end = position + (points + start - 1) / 8;
        } else {
            end = position + 2 * points - 1;
        }
        if (end >= Rules.Data_Bytes) return Fault(Texts.Too_Many_Bytes);
    }
    if (Rules.Topic_Checked && Cols.Topic >= 0 && base::Trim(cell(Cols.Topic)).empty()) return Fault(Texts.Topic);
    return {};
}

TCheckOutcome Check_Modbus_Tables(const TAccessFile& File, const std::vector<TTable>& Tables,
                                  const TModbusTable& Read, const TModbusRules& Read_Rules,
                                  const TModbusTable& Write, const TModbusRules& Write_Rules) {
    const TCheckOutcome outcome = Check_Table(File.Tables[0], Tables[0], 0, [&](const TTableRow& row) {
        return Check_Modbus_Row(row, Read, Read_Rules);
    });
    if (!outcome.Ok()) return outcome;
    return Check_Table(File.Tables[1], Tables[1], 1,
                       [&](const TTableRow& row) { return Check_Modbus_Row(row, Write, Write_Rules); });
}

int Get_Index_From_Topic(const std::vector<std::string>& List, const std::string& Topic) {
    for (size_t i = 0; i < List.size(); ++i)
        if (List[i] == Topic) return static_cast<int>(i);
    return -1;
}

std::string Get_Topic_From_Index(const std::vector<std::string>& List, int Index) {
    return Index >= 0 && Index < static_cast<int>(List.size()) ? List[static_cast<size_t>(Index)] : std::string();
}

}  // namespace proto
