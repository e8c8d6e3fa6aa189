#include "protocols/CANopenTables.h"

#include <map>
#include <utility>

#include "shell/Comon.h"

namespace proto {

namespace {

constexpr unsigned Table_Events = teClickCell | teDblClickCell | teKeyPress | teGridHint;
constexpr int Highest_Position = CANopen_Data_Bytes - 1;

// Position columns are typed, not picked: the tables store the number as
// typed, in decimal or hexadecimal.
std::vector<TTableColumn> Position_Columns(int First_Header, const char* const* Attributes, int Count,
                                           int First_Hint, int Width) {
    std::vector<TTableColumn> columns;
    for (int k = 0; k < Count; ++k)
        columns.push_back(Text_Column(First_Header + k, Attributes[k], Width, cgPosition, First_Hint + k));
    return columns;
}

template <class... T>
std::vector<TTableColumn> Columns(T&&... Parts) {
    std::vector<TTableColumn> all;
    (all.insert(all.end(), Parts.begin(), Parts.end()), ...);
    return all;
}

const char* const Byte_Attributes[8] = {"Address_B1", "Address_B2", "Address_B3", "Address_B4",
                                        "Address_B5", "Address_B6", "Address_B7", "Address_B8"};

// ------------------------------------------------------------------ PDO

const TTableDescription Receive_PDO_Table = {
    .Grid = "sga",
    .Page = "TS_Receive_PDO",
    .Page_Caption = 2614,
    .Section = "Receive_PDO",
    .Columns = Columns(std::vector<TTableColumn>{Row_Number_Column(2616, 30),
                                                 Text_Column(2617, "COB-ID", 60, cgAddress, 2643),
                                                 Text_Column(2618, "Dimension", 66, cgAddress, 2644)},
                       Position_Columns(2619, Byte_Attributes, 8, 2645, 44),
                       std::vector<TTableColumn>{Text_Column(2627, "TimeOut", 60, cgTiming, 2653),
                                                 Text_Column(2628, "Mnemonic", 190, cgMnemonic, 2654)}),
    .Key_Column = 1,
    .Enable_Column = -1,
    .Rows = 30,
    .Events = Table_Events,
    .Show_Hint = true,
    .Clear_Other_Hints = true};

const TTableDescription Transmit_PDO_Table = {
    .Grid = "sgb",
    .Page = "TS_Transmit_PDO",
    .Page_Caption = 2615,
    .Section = "Transmit_PDO",
    .Columns = Columns(std::vector<TTableColumn>{Row_Number_Column(2629, 30),
                                                 Text_Column(2630, "COB-ID", 60, cgAddress, 2655),
                                                 Text_Column(2631, "Dimension", 66, cgAddress, 2656)},
                       Position_Columns(2632, Byte_Attributes, 8, 2657, 44),
                       std::vector<TTableColumn>{Text_Column(2640, "Send_Time", 66, cgTiming, 2665),
                                                 Check_Column(2641, "On_Change", 66, cgTiming, 2666, true),
                                                 Text_Column(2642, "Mnemonic", 120, cgMnemonic, 2667)}),
    .Key_Column = 1,
    .Enable_Column = -1,
    .Rows = 30,
    .Events = Table_Events,
    .Show_Hint = true,
    .Clear_Other_Hints = true};

// The positions of bytes 1 .. Count, from column First_Col, each checked
// against the data array; Count comes from the row's own length field.
TRowFault Check_Positions(const TTableRow& Row, int First_Col, int Count, int First_Text) {
    for (int k = 0; k < Count; ++k)
        if (!In_Range(Row[static_cast<size_t>(First_Col + k)], 0, Highest_Position))
            return Fault(First_Text + k, Highest_Position);
    return {};
}

// Receive and transmit rows differ only in their texts and the last number.
struct TPdoRules {
    int COB_ID, Dimension, Byte1, Time;
    int Time_Max;
};

TRowFault Check_PDO_Row(const TTableRow& Row, const TPdoRules& Rules) {
    if (!In_Range(Row[1], 0, 2047)) return Fault(Rules.COB_ID);
    const int dimension = Cell_Number(Row[2]);
    if (dimension < 1 || dimension > 8) return Fault(Rules.Dimension);
    if (TRowFault f = Check_Positions(Row, 3, dimension, Rules.Byte1); f.Failed()) return f;
    if (!In_Range(Row[11], 0, Rules.Time_Max)) return Fault(Rules.Time);
    return {};
}

// ------------------------------------------------------------------ SDO server

TTableDescription SDO_Server_Table(const char* Grid, const char* Page, int Caption, const char* Section,
                                   int Header, int Hint) {
    return {.Grid = Grid,
            .Page = Page,
            .Page_Caption = Caption,
            .Section = Section,
            .Columns = Columns(
                std::vector<TTableColumn>{Row_Number_Column(Header, 40),
                                          Text_Column(Header + 1, "Index", 66, cgAddress, Hint),
                                          Text_Column(Header + 2, "SubIndex", 66, cgAddress, Hint + 1),
                                          Text_Column(Header + 3, "NByte", 56, cgAddress, Hint + 2)},
                Position_Columns(Header + 4, Byte_Attributes, 4, Hint + 3, 70),
                std::vector<TTableColumn>{Text_Column(Header + 8, "Mnemonic", 190, cgMnemonic, Hint + 7)}),
            .Key_Column = 1,
            .Enable_Column = -1,
            .Rows = 500,
            .Events = Table_Events,
            .Show_Hint = true,
            .Clear_Other_Hints = true};
}

const TTableDescription SDO_Server_Read =
    SDO_Server_Table("sga", "TS_SDO_Read", 2814, "SDO_Read", 2816, 2834);
const TTableDescription SDO_Server_Write =
    SDO_Server_Table("sgb", "TS_SDO_Write", 2815, "SDO_Write", 2825, 2842);

// Byte k is used when N Byte is at least k: 1, 2 or 4 bytes.
int Sdo_Bytes(const TTableRow& Row, int Col) {
    const int n = Cell_Number(Row[static_cast<size_t>(Col)]);
    return n == 1 || n == 2 || n == 4 ? n : 0;
}

TRowFault Check_SDO_Server_Row(const TTableRow& Row, int First_Text) {
    if (!In_Range(Row[1], 0x2000, 0x5FFF)) return Fault(First_Text);
    if (!In_Range(Row[2], 0, 255)) return Fault(First_Text + 1);
    const int bytes = Sdo_Bytes(Row, 3);
    if (bytes == 0) return Fault(First_Text + 2);
    return Check_Positions(Row, 4, bytes, First_Text + 3);
}

using TEntryRows = std::map<std::pair<int, int>, int>;  // index and sub-index -> first row

// The first used row whose index and sub-index stand in an earlier row of
// the same table (Same_Text) or in Other (Other_Text), the earlier row as
// the number the message ends with. Rows passed their own check already.
TCheckOutcome First_Repeated_Entry(const TTableDescription& Table, const TTable& Rows, int Table_Index,
                                   int Same_Text, const TEntryRows* Other, int Other_Text, TEntryRows& Seen) {
    const int used = Used_Rows(Table, Rows);
    for (int r = 1; r <= used; ++r) {
        const TTableRow& row = Rows[static_cast<size_t>(r - 1)];
        const std::pair<int, int> entry{Cell_Number(row[1]), Cell_Number(row[2])};
        if (auto it = Seen.find(entry); it != Seen.end())
            return TCheckOutcome{Table_Index, r, Fault(Same_Text, it->second)};
        if (Other)
            if (auto it = Other->find(entry); it != Other->end())
                return TCheckOutcome{Table_Index, r, Fault(Other_Text, it->second)};
        Seen.emplace(entry, r);
    }
    return {};
}

// ------------------------------------------------------------------ SDO client

TTableDescription SDO_Client_Table(bool Write) {
    const int h = Write ? 2727 : 2716;  // headers
    const int t = Write ? 2749 : 2739;  // hints
    std::vector<TTableColumn> columns = {Row_Number_Column(h, 40),
                                         Text_Column(h + 1, "Device_ID", 66, cgAddress, t),
                                         Text_Column(h + 2, "Index", 60, cgAddress, t + 1),
                                         Text_Column(h + 3, "SubIndex", 64, cgAddress, t + 2),
                                         Text_Column(h + 4, "NByte", 50, cgAddress, t + 3),
                                         Text_Column(h + 5, "Poll_Time", 66, cgTiming, t + 4)};
    int next = h + 6, hint = t + 5;
    if (Write) columns.push_back(Check_Column(next++, "On_Change", 70, cgTiming, hint++, true));
    for (TTableColumn& c : Position_Columns(next, Byte_Attributes, 4, hint, 62))
        columns.push_back(std::move(c));
    columns.push_back(Text_Column(next + 4, "Mnemonic", Write ? 100 : 150, cgMnemonic, hint + 4));
    return {.Grid = Write ? "sgb" : "sga",
            .Page = Write ? "TS_SDO_Write" : "TS_SDO_Read",
            .Page_Caption = Write ? 2715 : 2714,
            .Section = Write ? "SDO_Write" : "SDO_Read",
            .Columns = std::move(columns),
            .Key_Column = 1,
            .Enable_Column = -1,
            .Rows = 256,
            .Events = Table_Events,
            .Show_Hint = true,
            .Clear_Other_Hints = true};
}

const TTableDescription SDO_Client_Read = SDO_Client_Table(false);
const TTableDescription SDO_Client_Write = SDO_Client_Table(true);

TRowFault Check_SDO_Client_Row(const TTableRow& Row, int First_Text, int Poll_Min, int First_Position) {
    if (!In_Range(Row[1], 1, 127)) return Fault(First_Text);
    if (!In_Range(Row[2], 0x1000, 0xFFFF)) return Fault(First_Text + 1);
    if (!In_Range(Row[3], 0, 255)) return Fault(First_Text + 2);
    const int bytes = Sdo_Bytes(Row, 4);
    if (bytes == 0) return Fault(First_Text + 3);
    if (!In_Range(Row[5], Poll_Min, 100000000)) return Fault(First_Text + 4);
    return Check_Positions(Row, First_Position, bytes, First_Text + 5);
}

}  // namespace

const TAccessMember Set_PDO_Member = {
    .Class_Name = "TFSet_PDO_Access",
    .Client_Width = 798,
    .Client_Height = 337,
    .Texts = Block_Texts(2600, 2668, 2691, 2692, 2693),
    .File = {.Root = "PDO_CANopen", .Tables = {Receive_PDO_Table, Transmit_PDO_Table}},
    .File_Path = &shell::PDO_CANopen_File};

const TAccessMember Set_SDO_Server_Member = {
    .Class_Name = "TFSet_SDO_Server_Access",
    .Client_Width = 749,
    .Client_Height = 337,
    .Texts = Block_Texts(2800, 2850, 2865, 2866, 2867),
    .File = {.Root = "SDO_Server_CANopen", .Tables = {SDO_Server_Read, SDO_Server_Write}},
    .File_Path = &shell::SDO_Server_CANopen_File};

const TAccessMember Set_SDO_Client_Member = {
    .Class_Name = "TFSet_SDO_Client_Access",
    .Client_Width = 798,
    .Client_Height = 337,
    .Texts = Block_Texts(2700, 2760, 2779, 2780, 2781),
    .File = {.Root = "SDO_Client_CANopen", .Tables = {SDO_Client_Read, SDO_Client_Write}},
    .File_Path = &shell::SDO_Client_CANopen_File};

TCheckOutcome Check_PDO_Tables(const std::vector<TTable>& Tables) {
    const TPdoRules receive{2669, 2670, 2671, 2679, 65535};
    const TPdoRules transmit{2680, 2681, 2682, 2690, 100000000};
    TCheckOutcome o = Check_Table(Receive_PDO_Table, Tables[0], 0,
                                  [&](const TTableRow& Row) { return Check_PDO_Row(Row, receive); });
    if (!o.Ok()) return o;
    return Check_Table(Transmit_PDO_Table, Tables[1], 1,
                       [&](const TTableRow& Row) { return Check_PDO_Row(Row, transmit); });
}

TCheckOutcome Check_SDO_Server_Tables(const std::vector<TTable>& Tables) {
    TCheckOutcome o = Check_Table(SDO_Server_Read, Tables[0], 0,
                                  [](const TTableRow& Row) { return Check_SDO_Server_Row(Row, 2851); });
    if (!o.Ok()) return o;
    TEntryRows read;
    o = First_Repeated_Entry(SDO_Server_Read, Tables[0], 0, 2868, nullptr, 0, read);
    if (!o.Ok()) return o;
    o = Check_Table(SDO_Server_Write, Tables[1], 1,
                    [](const TTableRow& Row) { return Check_SDO_Server_Row(Row, 2858); });
    if (!o.Ok()) return o;
    TEntryRows written;
    return First_Repeated_Entry(SDO_Server_Write, Tables[1], 1, 2869, &read, 2870, written);
}

TCheckOutcome Check_SDO_Client_Tables(const std::vector<TTable>& Tables) {
    TCheckOutcome o = Check_Table(SDO_Client_Read, Tables[0], 0,
                                  [](const TTableRow& Row) { return Check_SDO_Client_Row(Row, 2761, 1, 6); });
    if (!o.Ok()) return o;
    return Check_Table(SDO_Client_Write, Tables[1], 1,
                       [](const TTableRow& Row) { return Check_SDO_Client_Row(Row, 2770, 0, 7); });
}

}  // namespace proto
