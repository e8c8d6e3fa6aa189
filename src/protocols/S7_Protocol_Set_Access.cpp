#include "protocols/S7_Protocol_Set_Access.h"

#include "base/StrUtils.h"
#include "shell/Comon.h"
#include "shell/ValueHelpers.h"

namespace proto {

TFS7_Protocol_Set_Access* FS7_Protocol_Set_Access = nullptr;

TFS7_Protocol_Set_Access::~TFS7_Protocol_Set_Access() {
    if (FS7_Protocol_Set_Access == this) FS7_Protocol_Set_Access = nullptr;
}

namespace {

const std::vector<std::string> Bits = {"0", "1", "2", "3", "4", "5", "6", "7"};

// The write table has two more check boxes (On Change, On CMD) after Poll
// Time; the columns before them are the same in both tables.
TTableDescription S7_Table(bool Write) {
    const int h = Write ? 5129 : 5116;   // N, Enable, PLC Address, Port, Type
    const int t = Write ? 5156 : 5144;   // hints of the same columns
    const int area = Write ? 5193 : 5189;       // DB Number .. PLC Bit headers
    const int area_hint = Write ? 5201 : 5197;  // their hints
    const int rack = Write ? 5215 : 5213;
    const int rack_hint = Write ? 5219 : 5217;
    std::vector<TTableColumn> c = {
        Row_Number_Column(h, 30),
        Enable_Column(h + 1, t),
        Text_Column(h + 2, "PLC_Address", 100, cgAddress, t + 1),
        Text_Column(h + 3, "PLC_Port", 60, cgAddress, t + 2),
        List_Column(h + 4, "PLC_Type", {"Logo0BA8", "S7200", "S7300", "S7400", "S71200", "S71500"}, 70, cgAddress,
                    t + 3),
        {.Header = rack, .Attribute = "Rack", .Width = 40, .Group = cgAddress, .Required = false, .Default = "0",
         .Hint = rack_hint},
        {.Header = rack + 1, .Attribute = "Slot", .Width = 40, .Group = cgAddress, .Required = false,
         .Default = "0", .Hint = rack_hint + 1},
        List_Column(Write ? 5134 : 5121, "Data_Type", {"Bit", "Byte", "Char", "Word", "Int", "DWord", "DInt", "Real"},
                    70, cgAddress, t + 4),
        List_Column(Write ? 5135 : 5122, "Data_Identifier", {"OB", "DB", "SDB", "FC", "SFC", "FB", "SFB"}, 70,
                    cgAddress, t + 5),
        Text_Column(area, "DB_Number", 70, cgAddress, area_hint),
        List_Column(area + 1, "PLC_Area",
                    {"Direct peripheral access (P)", "Inputs (I)", "Output (Q)", "Flags (M) (Merker)"}, 130,
                    cgAddress, area_hint + 1),
        Text_Column(area + 2, "PLC_Add", 60, cgAddress, area_hint + 2),
        List_Column(area + 3, "PLC_Bit", Bits, 50, cgAddress, area_hint + 3),
        Text_Column(Write ? 5136 : 5123, "PollTime", 66, cgTiming, t + 6),
    };
    int next = Write ? 5139 : 5124, hint = t + 7;
    if (Write) {
        c.push_back(Check_Column(5137, "OnChange", 66, cgTiming, hint++, true));
        c.push_back(Check_Column(5138, "OnCMD", 60, cgTiming, hint++, true));
    }
    c.push_back(Position_Column(next, "Position", 60, hint++, S7_Data_Bytes));
    c.push_back(List_Column(next + 1, "Bit", Bits, 56, cgPosition, hint++));
    c.push_back(Check_Column(next + 2, "Swap", 46, cgSwap, hint++, true));
    c.push_back(Check_Column(next + 3, "SwapWord", 66, cgSwap, hint++, true));
    c.push_back(Text_Column(next + 4, "Mnemonic", 150, cgMnemonic, hint));
    return {.Grid = Write ? "ACG_S7_Write" : "ACG_S7_Read",
            .Page = Write ? "TS_S7_Write" : "TS_S7_Read",
            .Page_Caption = Write ? 5115 : 5114,
            .Section = Write ? "S7_Protocol_Write" : "S7_Protocol_Read",
            .Columns = std::move(c),
            .Key_Column = 2,
            .Rows = 512,
            .Events = teClickCell | teDblClickCell | teKeyPress | teGridHint,
            .Show_Hint = true};
}

const TTableDescription S7_Read = S7_Table(false);
const TTableDescription S7_Write = S7_Table(true);

bool Filled(const std::string& Cell) {
    return !base::Trim(Cell).empty();
}

// Texts of one table's rules, in the order they are tested.
struct TS7Texts {
    int Address, Port, Connections, Type, Rack, Slot, Data_Type, Identifier, DB, Area, PLC_Add, PLC_Bit, Poll,
        Position, Start_Bit;
    int Poll_Min, Position_Col;
};

TRowFault Check_S7_Row(const TTableRow& Row, const TS7Texts& T, std::array<TIPPort, S7_Connections>& Slots) {
    uint8_t b1, b2, b3, b4;
    if (shell::IP_To_Bytes(Row[2], b1, b2, b3, b4)) return Fault(T.Address);
    if (!In_Range(Row[3], 0, 65535)) return Fault(T.Port);
    if (Check_IP_Port(Slots, b1, b2, b3, b4, Cell_Number(Row[3])) < 0) return Fault(T.Connections);
    if (!Filled(Row[4])) return Fault(T.Type);
    if (!In_Range(Row[5], 0, 3)) return Fault(T.Rack);
    if (!In_Range(Row[6], 0, 31)) return Fault(T.Slot);
    if (!Filled(Row[7])) return Fault(T.Data_Type);
    if (!Filled(Row[8])) return Fault(T.Identifier);
    if (!In_Range(Row[9], 0, 65535)) return Fault(T.DB);
    if (!Filled(Row[10])) return Fault(T.Area);
    if (!In_Range(Row[11], 0, 65535)) return Fault(T.PLC_Add);
    if (!Filled(Row[12])) return Fault(T.PLC_Bit);
    if (!In_Range(Row[13], T.Poll_Min, 100000000)) return Fault(T.Poll);
    const size_t p = static_cast<size_t>(T.Position_Col);
    if (!In_Range(Row[p], 0, S7_Data_Bytes - 1)) return Fault(T.Position, S7_Data_Bytes - 1);
    if (!Filled(Row[p + 1])) return Fault(T.Start_Bit);
    return {};
}

}  // namespace

const TAccessMember S7_Protocol_Member = {
    .Class_Name = "TFS7_Protocol_Set_Access",
    .Client_Width = 1350,
    .Client_Height = 337,
    .Texts = Block_Texts(5100, 5170, 5225, 5226, 5227),
    .File = {.Root = "S7_Protocol", .Tables = {S7_Read, S7_Write}},
    .File_Path = &shell::S7_Protocol_File};

int Check_IP_Port(std::array<TIPPort, S7_Connections>& Slots, int B1, int B2, int B3, int B4, int Port) {
    for (size_t i = 0; i < Slots.size(); ++i) {
        TIPPort& s = Slots[i];
        if (s.IP1 == -1) {
            s = TIPPort{B1, B2, B3, B4, Port};
            return static_cast<int>(i);
        }
        if (s.IP1 == B1 && s.IP2 == B2 && s.IP3 == B3 && s.IP4 == B4 && s.Port == Port) return static_cast<int>(i);
    }
    return -1;
}

TCheckOutcome Check_S7_Tables(const std::vector<TTable>& Tables) {
    // One set of slots for both tables: a PLC read and written is one connection.
    std::array<TIPPort, S7_Connections> slots{};
    const TS7Texts read{5171, 5172, 5187, 5173, 5221, 5222, 5174, 5175, 5205, 5206, 5207, 5208, 5176, 5177, 5178,
                        1,    14};
    const TS7Texts write{5179, 5180, 5188, 5181, 5223, 5224, 5182, 5183, 5209, 5210, 5211, 5212, 5184, 5185, 5186,
                         0,    16};
    TCheckOutcome o =
        Check_Table(S7_Read, Tables[0], 0, [&](const TTableRow& Row) { return Check_S7_Row(Row, read, slots); });
    if (!o.Ok()) return o;
    return Check_Table(S7_Write, Tables[1], 1, [&](const TTableRow& Row) { return Check_S7_Row(Row, write, slots); });
}

}  // namespace proto
