#include "protocols/Modbus_TCP_Master_Set_Access.h"

#include "shell/Comon.h"

namespace proto {

TFModbus_TCP_Master_Set_Access* FModbus_TCP_Master_Set_Access = nullptr;

namespace {

constexpr int Read_Topic = 14;

const TTableDescription Read_Table = {
    .Grid = "ACG_Modbus_Read",
    .Page = "TS_Modbus_Read",
    .Page_Caption = 1806,
    .Section = "Modbus_Read",
    .Columns = {Row_Number_Column(1808),
                Enable_Column(1809, 1869),
                Text_Column(1810, "IP_Address", 101, cgAddress, 1870),
                Text_Column(1811, "Port", 45, cgAddress, 1871),
                Text_Column(1812, "Slave_ID", 55, cgAddress, 1872),
                List_Column(1813, "Type", Modbus_Read_Types(), 100, cgAddress, 1873),
                Text_Column(1814, "Address", 55, cgAddress, 1874),
                Text_Column(1815, "NPoint", 45, cgAddress, 1875),
                Text_Column(1816, "PollTime", 60, cgTiming, 1876),
                Text_Column(1817, "MaxError", 64, cgTiming, 1877),
                Position_Column(1818, "Position", 60, 1878, Modbus_Data_Bytes),
                List_Column(1819, "Bit", Modbus_Start_Bits(), 60, cgPosition, 1879),
                Check_Column(1820, "Swap", 40, cgSwap, 1880),
                Check_Column(1900, "SwapWord", 80, cgSwap, 1902),
                Modbus_Topic_Column(1862, 1881),
                Text_Column(1821, "Mnemonic", 140, cgMnemonic, 1882)},
    .Key_Column = 2};

const TTableDescription Write_Table = {
    .Grid = "ACG_Modbus_Write",
    .Page = "TS_Modbus_Write",
    .Page_Caption = 1807,
    .Section = "Modbus_Write",
    .Columns = {Row_Number_Column(1822),
                Enable_Column(1823, 1883),
                Text_Column(1824, "IP_Address", 101, cgAddress, 1884),
                Text_Column(1825, "Port", 45, cgAddress, 1885),
                Text_Column(1826, "Slave_ID", 55, cgAddress, 1886),
                List_Column(1827, "Type", Modbus_Write_Types(), 100, cgAddress, 1887),
                Text_Column(1828, "Address", 55, cgAddress, 1888),
                Text_Column(1829, "NPoint", 45, cgAddress, 1889),
                Text_Column(1830, "PollTime", 60, cgTiming, 1890),
                Check_Column(1831, "OnChange", 66, cgTiming, 1891, true),
                Check_Column(1832, "OnCMD", 56, cgTiming, 1892),
                Text_Column(1833, "MaxError", 62, cgTiming, 1893),
                Position_Column(1834, "Position", 55, 1894, Modbus_Data_Bytes),
                List_Column(1835, "Bit", Modbus_Start_Bits(), 55, cgPosition, 1895),
                Check_Column(1836, "Swap", 40, cgSwap, 1896),
                Check_Column(1901, "SwapWord", 80, cgSwap, 1903),
                Text_Column(1837, "Mnemonic", 150, cgMnemonic, 1897)},
    .Key_Column = 2,
    .Events = teClickCell | teDblClickCell | teKeyPress | teGridHint};

}  // namespace

const TModbusTable Modbus_TCP_Read_Rules = {
    .Columns = {.IP_Address = 2, .Port = 3, .Slave_ID = 4, .Type = 5, .Address = 6, .NPoint = 7,
                .Poll_Time = 8, .Max_Error = 9, .Position = 10, .Start_Bit = 11, .Topic = Read_Topic},
    .Texts = {.IP_Address = 1839, .Port = 1840, .Slave_ID = 1841, .Type = 1842, .Address = 1843,
              .NPoint = 1844, .Poll_Time = 1899, .Max_Error = 1846, .Position = 1847, .Start_Bit = 1848,
              .Too_Many_Bytes = 1849, .Topic = 1898},
    .Input_Status = true,
    .Bit_Points = 2000,
    .Register_Points = 125,
    .Poll_Min = 1,
    .Position_When_Shown = true};

const TModbusTable Modbus_TCP_Write_Rules = {
    .Columns = {.IP_Address = 2, .Port = 3, .Slave_ID = 4, .Type = 5, .Address = 6, .NPoint = 7,
                .Poll_Time = 8, .Max_Error = 11, .Position = 12, .Start_Bit = 13},
    .Texts = {.IP_Address = 1850, .Port = 1851, .Slave_ID = 1852, .Type = 1853, .Address = 1854,
              .NPoint = 1855, .Poll_Time = 1856, .Max_Error = 1857, .Position = 1858, .Start_Bit = 1859,
              .Too_Many_Bytes = 1860},
    .Input_Status = false,
    .Bit_Points = 1968,
    .Register_Points = 123,
    .Poll_Min = 0,
    .Position_When_Shown = false};

const TAccessMember Modbus_TCP_Member = {
    .Class_Name = "TFModbus_TCP_Master_Set_Access",
    .Client_Width = 1150,
    .Client_Height = 337,
    // The block has no captions for Copy and Paste Row: they keep the layout's.
    .Texts = {.Caption = 1800,
              .Desc = 1801,
              .Buttons = {1802, 1803, 1804, 1805, 0, 0},
              .Button_Hints = {1863, 1864, 1865, 1866, 1867, 1868},
              .Error_Row = 1838,
              .Delete_Question = 1861,
              .Replace_Partial_File = 1904,
              .Rows_After_End = 1905},
    .File = {.Root = "PROFINET_Master_to_Modbus_TCP_Master", .Tables = {Read_Table, Write_Table}},
    .File_Path = &shell::ModbusTCPM_SetAccess_File};

TFModbus_TCP_Master_Set_Access::TFModbus_TCP_Master_Set_Access(plat::TComponent* AOwner)
    : TModbusAccessForm(AOwner, Modbus_TCP_Member, Modbus_TCP_Read_Rules, Modbus_TCP_Write_Rules) {}

TFModbus_TCP_Master_Set_Access::~TFModbus_TCP_Master_Set_Access() {
    if (FModbus_TCP_Master_Set_Access == this) FModbus_TCP_Master_Set_Access = nullptr;
}

void TFModbus_TCP_Master_Set_Access::After_Load(std::vector<TTable>& Tables, const TLoadReport& Report) {
    for (int i = 0; i < Report.Loaded_Rows[0]; ++i) {
        std::string& topic = Tables[0][static_cast<size_t>(i)][Read_Topic];
        topic = Get_Topic_From_Index(List_Publish_Topic, Cell_Number(topic));
    }
}

void TFModbus_TCP_Master_Set_Access::Before_Save(std::vector<TTable>& Tables) {
    for (TTableRow& row : Tables[0])
        row[Read_Topic] = std::to_string(Get_Index_From_Topic(List_Publish_Topic, row[Read_Topic]));
}

}  // namespace proto
