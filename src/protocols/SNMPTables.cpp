#include "protocols/SNMPTables.h"

#include <map>
#include <set>

#include "base/StrUtils.h"
#include "protocols/SNMP_MIB.h"
#include "shell/Comon.h"
#include "shell/Language.h"
#include "shell/ValueHelpers.h"

namespace proto {

namespace {

constexpr unsigned Table_Events = teDblClickCell | teKeyPress | teGridHint;

const std::vector<std::string> Community_Names = {"public", "private"};
const std::vector<std::string> Agent_Conversions = {"None",      "Float",      "Float * 10",
                                                    "Float * 100", "Float / 10", "Float / 100"};

TTableColumn Community_Column(int Header, const char* Attribute, int Hint, int Edit_Length) {
    TTableColumn c = Text_Column(Header, Attribute, 110, cgAddress, Hint, false);
    c.Editor = grid::edComboEdit;
    c.Items = Community_Names;
    c.Edit_Length = Edit_Length;
    return c;
}

TTableColumn Conversion_Column(int Header, const char* Attribute, std::vector<std::string> Items, int Hint) {
    TTableColumn c = List_Column(Header, Attribute, std::move(Items), 90, cgSwap, Hint, false);
    c.Default = "None";
    return c;
}

std::vector<std::string> Bits() {
    std::vector<std::string> items;
    for (int b = 0; b < 8; ++b) items.push_back(std::to_string(b));
    return items;
}

// ------------------------------------------------------------------ agent

const TTableDescription SNMP_Read_Table = {
    .Grid = "ACG_SNMP_Read",
    .Page = "TS_SNMP_Read",
    .Page_Caption = 4708,
    .Section = "SNMP_Trap_Read",
    .Columns = {Row_Number_Column(4716, 36),
                Enable_Column(4717, 4739),
                Community_Column(4718, "Community_Name", 4740, 15),
                List_Column(4719, "Type", {"Int", "String"}, 60, cgAddress, 4741, false),
                Check_Column(4720, "On_Change", 70, cgTiming, 4742),
                Check_Column(4721, "On_Command", 60, cgTiming, 4743),
                Check_Column(4722, "On_Timer", 64, cgTiming, 4744),
                Text_Column(4723, "Time", 64, cgTiming, 4745, false),
                Position_Column(4724, "Position", 60, 4746, SNMP_Data_Bytes, false, false),
                List_Column(4725, "Bit", Bits(), 60, cgPosition, 4747, false),
                Text_Column(4726, "NumBits", 90, cgPosition, 4748, false),
                {.Header = 4727, .Attribute = "Description", .Width = 110, .Group = cgTopic, .Required = false,
                 .Hint = 4749, .Edit_Length = 15},
                Text_Column(4728, "IP_Address", 100, cgAddress, 4750, false),
                Conversion_Column(4781, "Conversion", Agent_Conversions, 4783),
                Text_Column(4729, "Mnemonic", 150, cgMnemonic, 4751, false)},
    .Key_Column = 2,
    .Enable_Upper = true,
    .Rows = 256,
    .Events = Table_Events,
    .Show_Hint = true};

const TTableDescription SNMP_Write_Table = {
    .Grid = "ACG_SNMP_Write",
    .Page = "TS_SNMP_Write",
    .Page_Caption = 4709,
    .Section = "SNMP_Trap_Write",
    .Columns = {Row_Number_Column(4730, 36),
                Enable_Column(4731, 4752),
                Community_Column(4732, "Community_Name", 4753, 15),
                List_Column(4733, "Type", {"Int", "String"}, 60, cgAddress, 4754, false),
                Position_Column(4734, "Position", 60, 4755, SNMP_Data_Bytes, false, false),
                List_Column(4735, "Bit", Bits(), 60, cgPosition, 4756, false),
                Text_Column(4736, "NumBits", 90, cgPosition, 4757, false),
                {.Header = 4737, .Attribute = "Description", .Width = 110, .Group = cgTopic, .Required = false,
                 .Hint = 4758, .Edit_Length = 15},
                Conversion_Column(4782, "Conversion", Agent_Conversions, 4784),
                Text_Column(4738, "Mnemonic", 150, cgMnemonic, 4759, false)},
    .Key_Column = 2,
    .Enable_Upper = true,
    .Rows = 256,
    .Events = Table_Events,
    .Show_Hint = true};

// Where a page keeps each cell and which texts its rules show; the write
// page has no timer and no trap destination (-1).
struct TAgentPage {
    int Type, Timer, Time, Position, Bit, Bits, Description, IP, Conversion;
    int Community_Text, Type_Text, Time_Text, Position_Text, Bit_Text, String_Bit_Text, Int_Bits_Text,
        String_Bytes_Text, Description_Text, Fixed_Name_Text, IP_Text, Conversion_Text;
};

const TAgentPage Read_Page = {3,    6,    7,    8,    9,    10,   11,   12,   13,   4776, 4761,
                              4762, 4763, 4764, 4765, 4766, 4767, 4777, 4787, 4768, 4785};
const TAgentPage Write_Page = {3,    -1,   -1,   4,    5,    6,    7,    -1,   8,    4778, 4769,
                               -1,   4770, 4771, 4772, 4773, 4774, 4779, 4788, -1,   4786};

bool Blank(const std::string& Text) {
    return base::Trim(Text).empty();
}

TRowFault Check_Agent_Row(const TTableRow& Row, const TAgentPage& P) {
    if (Check_Error_CommName_Desc(Row[2], 0)) return Fault(P.Community_Text);
    const std::string& type = Row[static_cast<size_t>(P.Type)];
    if (Blank(type)) return Fault(P.Type_Text);
    const bool integer = base::UpperCase(type) == "INT";
    if (P.Timer >= 0 && base::UpperCase(Row[static_cast<size_t>(P.Timer)]) == "Y" &&
        !In_Range(Row[static_cast<size_t>(P.Time)], 1, 1000000000))
        return Fault(P.Time_Text);
    if (Blank(Row[static_cast<size_t>(P.Position)])) return Fault(P.Position_Text);
    const std::string& bit = Row[static_cast<size_t>(P.Bit)];
    if (Blank(bit)) return Fault(P.Bit_Text);
    if (!integer && base::Trim(bit) != "0") return Fault(P.String_Bit_Text);
    const std::string& bits = Row[static_cast<size_t>(P.Bits)];
    if (!integer && !In_Range(bits, 1, 16)) return Fault(P.String_Bytes_Text);
    if (integer && !In_Range(bits, 1, 64)) return Fault(P.Int_Bits_Text);
    const std::string& description = Row[static_cast<size_t>(P.Description)];
    if (Check_Error_CommName_Desc(description, 1)) return Fault(P.Description_Text);
    if (MIB_Fixed_Name(description)) return Fault(P.Fixed_Name_Text);
    if (P.IP >= 0) {
        std::string ip1, ip2, ip3, ip4;
        if (!shell::Split_IP_Address(Row[static_cast<size_t>(P.IP)], ip1, ip2, ip3, ip4)) return Fault(P.IP_Text);
    }
    if (Blank(Row[static_cast<size_t>(P.Conversion)])) return Fault(P.Conversion_Text);
    return {};
}

constexpr int Descriptions_Differ_Text = 4780;

// ------------------------------------------------------------------ manager

const TTableDescription SNMP_Manager_Table = {
    .Grid = "ACG_SNMP",
    .Columns = {Row_Number_Column(4608, 36),
                Enable_Column(4609, 4623),
                Text_Column(4610, "IP_Address", 100, cgAddress, 4624, false),
                List_Column(4611, "Version", {"1", "2", "3"}, 56, cgAddress, 4625, false),
                Community_Column(4612, "Community_String", 4626, 0),
                Text_Column(4613, "OID", 150, cgAddress, 4627, false),
                List_Column(4614, "Type", {"String", "Int"}, 60, cgAddress, 4628, false),
                List_Column(4615, "Mode", {"Get", "Set", "Trap"}, 56, cgAddress, 4629, false),
                Check_Column(4616, "On_Change", 70, cgTiming, 4630),
                Check_Column(4617, "On_Command", 60, cgTiming, 4631),
                Check_Column(4618, "On_Timer", 64, cgTiming, 4632),
                Text_Column(4619, "Time", 64, cgTiming, 4633, false),
                Position_Column(4620, "Position", 60, 4634, SNMP_Data_Bytes, false, false),
                Text_Column(4621, "Number_Bytes", 70, cgPosition, 4635, false),
                Conversion_Column(4654, "ConvertFrom", {"None", "Float", "Float * 10", "Float * 100"}, 4655),
                Check_Column(4660, "Cancel", 56, cgTiming, 4661),
                Text_Column(4662, "User", 90, cgTopic, 4668, false),
                Text_Column(4663, "Auth_Pass", 90, cgTopic, 4669, false),
                Text_Column(4664, "Priv_Pass", 90, cgTopic, 4670, false),
                List_Column(4665, "Security_Level", {"NoAuth NoPriv", "Auth NoPriv", "Auth Priv"}, 100, cgTopic,
                            4671, false),
                List_Column(4666, "Auth_Mode", {"MD5", "SHA"}, 70, cgTopic, 4672, false),
                List_Column(4667, "Priv_Mode", {"DES", "AES"}, 70, cgTopic, 4673, false),
                Text_Column(4622, "Mnemonic", 150, cgMnemonic, 4636, false)},
    .Key_Column = 2,
    .Rows = 512,
    .Events = Table_Events,
    .Show_Hint = true};

enum {
    M_IP = 2, M_Version = 3, M_OID = 5, M_Timer = 10, M_Time = 11, M_Bytes = 13, M_Conversion = 14,
    M_User = 16, M_Auth_Pass = 17, M_Priv_Pass = 18, M_Level = 19, M_Auth_Mode = 20, M_Priv_Mode = 21
};

constexpr int Empty_OID_Text = 4691;
constexpr int Same_Request_Text = 4688;

TRowFault Check_Manager_Row(const TTableRow& Row) {
    std::string ip1, ip2, ip3, ip4;
    if (!shell::Split_IP_Address(Row[M_IP], ip1, ip2, ip3, ip4)) return Fault(4638);
    // An empty OID would send a request for no object at all.
    if (Blank(Row[M_OID])) return Fault(Empty_OID_Text);
    if (const int oid = shell::Check_OID(Row[M_OID]); oid != 0) return Fault(4638 + oid);
    if (base::Trim(Row[M_Timer]) == "Y" && !In_Range(Row[M_Time], 1, 100000000)) return Fault(4645);
    if (!In_Range(Row[M_Bytes], 0, 1024)) return Fault(4646);
    if (Blank(Row[M_Conversion])) return Fault(4656);
    if (Cell_Number(Row[M_Version]) != 3) return {};
    if (const int user = shell::Check_SNMP_Key(Row[M_User], true); user != 0) return Fault(4673 + user);
    if (const int auth = shell::Check_SNMP_Key(Row[M_Auth_Pass], false); auth != 0) return Fault(4676 + auth);
    if (const int priv = shell::Check_SNMP_Key(Row[M_Priv_Pass], false); priv != 0) return Fault(4679 + priv);
    switch (shell::Text_To_SNMP_SecLevel(Row[M_Level])) {
        case -1: return Fault(4683);
        case 1:
            if (Blank(Row[M_Auth_Mode])) return Fault(4684);
            break;
        case 3:
            if (Blank(Row[M_Auth_Mode])) return Fault(4684);
            if (Blank(Row[M_Priv_Mode])) return Fault(4685);
            break;
        default: break;
    }
    return {};
}

}  // namespace

const TAccessMember SNMP_Trap_Member = {
    .Class_Name = "TFSNMP_Trap_Access",
    .Client_Width = 1256,
    .Client_Height = 337,
    .Texts = {.Caption = 4700,
              .Desc = 4701,
              .Buttons = {4702, 4703, 4704, 4705, 4706, 4707},
              .Button_Hints = {4710, 4711, 4712, 4713, 4714, 4715},
              .Error_Row = 4760,
              .Delete_Question = 4775,
              .Replace_Partial_File = 4789,
              .Rows_After_End = 4790},
    .File = {.Root = "SNMP_Trap", .Tables = {SNMP_Read_Table, SNMP_Write_Table}},
    .File_Path = &shell::SNMP_Trap_File};

const TAccessMember SNMP_Manager_Member = {
    .Class_Name = "TFSNMPManagerAccess",
    .Client_Width = 1230,
    .Client_Height = 337,
    .Texts = {.Caption = 4600,
              .Desc = 4601,
              .Buttons = {4602, 4603, 4604, 4605, 4606, 4607},
              .Button_Hints = {4648, 4649, 4650, 4651, 4652, 4653},
              .Error_Row = 4637,
              .Delete_Question = 4647,
              .Replace_Partial_File = 4689,
              .Rows_After_End = 4690},
    .File = {.Root = "SNMP_Manager_Access", .Tables = {SNMP_Manager_Table}},
    .File_Path = &shell::SNMP_Manager_File,
    .Page_Control = nullptr};

bool Check_Error_CommName_Desc(std::string_view Text, int Check_Type) {
    for (const char c : Text)
        if (!((c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'))) return true;
    return Check_Type == 1 && !Text.empty() && !(Text.front() >= 'a' && Text.front() <= 'z');
}

void Index_Row_Build(TTable& Rows) {
    int counter = 1;
    for (TTableRow& row : Rows) {
        if (row.size() < 2) continue;
        row[0] = base::UpperCase(row[1]) == "Y" ? std::to_string(counter++) : std::string();
    }
}

TCheckOutcome Check_SNMP_Trap_Tables(const std::vector<TTable>& Tables) {
    std::vector<const std::string*> descriptions;
    const auto page = [&](int Table, const TAgentPage& Page) {
        const TTableDescription& d = SNMP_Trap_Member.File.Tables[static_cast<size_t>(Table)];
        return Check_Table(d, Tables[static_cast<size_t>(Table)], Table, [&](const TTableRow& Row) {
            const TRowFault f = Check_Agent_Row(Row, Page);
            if (!f.Failed()) descriptions.push_back(&Row[static_cast<size_t>(Page.Description)]);
            return f;
        });
    };
    if (TCheckOutcome o = page(0, Read_Page); !o.Ok()) return o;
    if (TCheckOutcome o = page(1, Write_Page); !o.Ok()) return o;
    // Exact comparison: names that differ in case are two names to the MIB.
    std::set<std::string_view> seen;
    for (const std::string* d : descriptions)
        if (!seen.insert(*d).second) return TCheckOutcome{0, 0, Fault(Descriptions_Differ_Text)};
    return {};
}

std::string SNMP_Trap_Message(const TCheckOutcome& Outcome) {
    if (!Outcome.Ok() && Outcome.Fault.Text == Descriptions_Differ_Text)
        return shell::Lang_Texts[Descriptions_Differ_Text];
    return Check_Message(SNMP_Trap_Member.Texts.Error_Row, Outcome);
}

TCheckOutcome Check_SNMP_Manager_Table(const std::vector<TTable>& Tables) {
    const TTableDescription& d = SNMP_Manager_Member.File.Tables[0];
    const TTable& rows = Tables[0];
    if (TCheckOutcome o = Check_Table(d, rows, 0, Check_Manager_Row); !o.Ok()) return o;
    // The first two enabled rows of each request; the pair reported is the
    // one with the smallest first row, then the smallest second row.
    std::map<std::vector<std::string>, std::pair<int, int>> requests;
    const int used = Used_Rows(d, rows);
    for (int r = 1; r <= used; ++r) {
        const TTableRow& row = rows[static_cast<size_t>(r - 1)];
        if (!Row_Enabled(d, row)) continue;
        auto [it, added] = requests.try_emplace(
            {base::Trim(row[M_IP]), base::Trim(row[M_Version]), base::Trim(row[M_OID])}, r, 0);
        if (!added && it->second.second == 0) it->second.second = r;
    }
    std::pair<int, int> pair{0, 0};
    for (const auto& [request, found] : requests)
        if (found.second != 0 && (pair.first == 0 || found.first < pair.first)) pair = found;
    if (pair.first != 0) return TCheckOutcome{0, pair.first, Fault(Same_Request_Text, pair.second)};
    return {};
}

std::string SNMP_Manager_Message(const TCheckOutcome& Outcome) {
    if (!Outcome.Ok() && Outcome.Fault.Text == Same_Request_Text)
        return shell::Lang_Texts[4686] + std::to_string(Outcome.Row) + shell::Lang_Texts[4687] +
               std::to_string(Outcome.Fault.Limit.value_or(0)) + shell::Lang_Texts[Same_Request_Text];
    return Check_Message(SNMP_Manager_Member.Texts.Error_Row, Outcome);
}

}  // namespace proto
