#include "protocols/SetAccess.h"

#include "shell/Comon.h"

namespace proto {

TFSetAccess* FSetAccess = nullptr;

namespace {

constexpr int Read_Topic = 12;

const TTableDescription Read_Table = {
    .Grid = "ACG_Modbus_Read",
    .Page = "TS_Modbus_Read",
    .Page_Caption = 1714,
    .Section = "Modbus_Read",
    .Columns = {Row_Number_Column(1716),
                Enable_Column(1717, 1743),
                Text_Column(1718, "Slave_ID", 60, cgAddress, 1744),
                List_Column(1719, "Type", Modbus_Read_Types(), 115, cgAddress, 1745),
                Text_Column(1720, "Address", 60, cgAddress, 1746),
                Text_Column(1721, "NPoint", 64, cgAddress, 1747),
                Text_Column(1722, "PollTime", 64, cgTiming, 1748),
                Text_Column(1723, "MaxError", 64, cgTiming, 1749),
                Position_Column(1724, "Position", 61, 1750, Modbus_Data_Bytes),
                List_Column(1725, "Bit", Modbus_Start_Bits(), 64, cgPosition, 1751),
                Check_Column(1726, "Swap", 40, cgSwap, 1752),
                Check_Column(1790, "SwapWord", 80, cgSwap, 1792),
                Modbus_Topic_Column(1742, 1753),
                Text_Column(1727, "Mnemonic", 120, cgMnemonic, 1754)},
    .Events = teClickCell | teDblClickCell | teKeyPress | teGridHint,
    .Show_Hint = true};

const TTableDescription Write_Table = {
    .Grid = "ACG_Modbus_Write",
    .Page = "TS_Modbus_Write",
    .Page_Caption = 1715,
    .Section = "Modbus_Write",
    .Columns = {Row_Number_Column(1728),
                Enable_Column(1729, 1755),
                Text_Column(1730, "Slave_ID", 60, cgAddress, 1756),
                List_Column(1731, "Type", Modbus_Write_Types(), 115, cgAddress, 1757),
                Text_Column(1732, "Address", 60, cgAddress, 1758),
                Text_Column(1733, "NPoint", 64, cgAddress, 1759),
                Text_Column(1734, "PollTime", 64, cgTiming, 1760),
                Check_Column(1735, "OnChange", 68, cgTiming, 1761, true),
                Check_Column(1736, "OnCMD", 56, cgTiming, 1762),
                Text_Column(1737, "MaxError", 64, cgTiming, 1763),
                Position_Column(1738, "Position", 64, 1764, Modbus_Data_Bytes),
                List_Column(1739, "Bit", Modbus_Start_Bits(), 64, cgPosition, 1765),
                Check_Column(1740, "Swap", 40, cgSwap, 1766),
                Check_Column(1791, "SwapWord", 80, cgSwap, 1793),
                Text_Column(1741, "Mnemonic", 113, cgMnemonic, 1767)},
    .Events = teClickCell | teDblClickCell | teKeyPress | teGridHint};

}  // namespace

const TModbusTable Modbus_RTU_Read_Rules = {
    .Columns = {.Slave_ID = 2, .Type = 3, .Address = 4, .NPoint = 5, .Poll_Time = 6, .Max_Error = 7,
                .Position = 8, .Start_Bit = 9, .Topic = Read_Topic},
    .Texts = {.Slave_ID = 1769, .Type = 1770, .Address = 1771, .NPoint = 1772, .Poll_Time = 1773,
              .Max_Error = 1774, .Position = 1775, .Start_Bit = 1776, .Too_Many_Bytes = 1777, .Topic = 1778},
    .Input_Status = true,
    .Bit_Points = 2000,
    .Register_Points = 125,
    .Poll_Min = 1,
    .Position_When_Shown = true};

const TModbusTable Modbus_RTU_Write_Rules = {
    .Columns = {.Slave_ID = 2, .Type = 3, .Address = 4, .NPoint = 5, .Poll_Time = 6, .Max_Error = 9,
                .Position = 10, .Start_Bit = 11},
    .Texts = {.Slave_ID = 1779, .Type = 1780, .Address = 1781, .NPoint = 1782, .Poll_Time = 1783,
              .Max_Error = 1784, .Position = 1785, .Start_Bit = 1786, .Too_Many_Bytes = 1787},
    .Input_Status = false,
    .Bit_Points = 1968,
    .Register_Points = 123,
    .Poll_Min = 0,
    .Position_When_Shown = false};

const TAccessMember Modbus_RTU_Member = {
    .Class_Name = "TFSetAccess",
    .Client_Width = 1040,
    .Client_Height = 337,
    .Texts = {.Caption = 1700,
              .Desc = 1701,
              .Buttons = {1702, 1703, 1704, 1705, 1706, 1707},
              .Button_Hints = {1708, 1709, 1710, 1711, 1712, 1713},
              .Error_Row = 1768,
              .Delete_Question = 1788,
              .Replace_Partial_File = 1794,
              .Rows_After_End = 1795},
    .File = {.Root = "EtherNetIP_to_Modbus", .Tables = {Read_Table, Write_Table}},
    .File_Path = &shell::ModbusM_SetAccess_File};

TFSetAccess::TFSetAccess(plat::TComponent* AOwner) : TModbusAccessForm(AOwner, Modbus_RTU_Member, Modbus_RTU_Read_Rules, Modbus_RTU_Write_Rules) {}

void TFSetAccess::Bind_Contents() {
    grid::TExtColumnGrid& read = Table_Grid(0);
    read.OnComboChange = [this, &read](plat::TObject*, int ACol, int ARow, int AItemIndex, const std::string&) {
        if (read.RealColIndex(ACol) == Read_Topic && ARow >= 1 && ARow <= static_cast<int>(ComboItem_Topic.size()))
            ComboItem_Topic[static_cast<size_t>(ARow - 1)] = AItemIndex;
    };
}

TFSetAccess::~TFSetAccess() {
    if (FSetAccess == this) FSetAccess = nullptr;
}

int TFSetAccess::Get_Index_From_Topic(const std::string& Topic, int Index) const {
    if (Index >= 0 && Index < static_cast<int>(List_Publish_Topic.size()) &&
        List_Publish_Topic[static_cast<size_t>(Index)] == Topic)
        return Index;
    return proto::Get_Index_From_Topic(List_Publish_Topic, Topic);
}

void TFSetAccess::Show_Prepare() {
    TModbusAccessForm::Show_Prepare();
    ComboItem_Topic.assign(static_cast<size_t>(Read_Table.Rows), -1);
}

void TFSetAccess::After_Load(std::vector<TTable>& Tables, const TLoadReport& Report) {
    for (int i = 0; i < Report.Loaded_Rows[0]; ++i) {
        std::string& topic = Tables[0][static_cast<size_t>(i)][Read_Topic];
        ComboItem_Topic[static_cast<size_t>(i)] = Cell_Number(topic);
        topic = Get_Topic_From_Index(List_Publish_Topic, ComboItem_Topic[static_cast<size_t>(i)]);
    }
}

void TFSetAccess::Before_Save(std::vector<TTable>& Tables) {
    // While the topic column is hidden the file keeps no index at all.
    const bool shown = !Table_Grid(0).IsHiddenColumn(Read_Topic);
    TTable& read = Tables[0];
    for (size_t i = 0; i < read.size(); ++i) {
        std::string& topic = read[i][Read_Topic];
        topic = shown ? std::to_string(Get_Index_From_Topic(topic, ComboItem_Topic[i])) : std::string();
    }
}

}  // namespace proto
