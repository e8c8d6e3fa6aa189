#pragma once
// Program-wide state shared by every window: the program folders, the active
// configuration, the user's options, the per-window configuration file paths
// and the row copy buffer of the tables. One owner (the shell); windows read
// it and change it only through the commands that the shell gives them.

#include <array>
#include <string>
#include <vector>

#include "base/StringList.h"
#include "shell/Language.h"
#include "shell/OpcUaTexts.h"
#include "shell/ValueHelpers.h"

namespace shell {

// Folders beside the program.
extern std::string Exe_Dir;       // without a trailing separator
extern std::string Master_Dir;    // firmware files handed to the updater
extern std::string Projects_Dir;  // one sub-folder per configuration
extern std::string Language_Dir;  // language files and flag pictures

// Active configuration. Conf_Name may hold a stored name whose folder is gone;
// Conf_Path is empty exactly when no configuration is open.
extern std::string Conf_Name;
extern std::string Conf_Path;

extern std::string Main_Title;
extern std::string SW_Code;
extern std::string SW_Desc;

inline constexpr const char* Default_IP_Address = "192.168.2.205";
inline constexpr const char* Default_Language_Name = "English";

extern std::string Last_IP_Address;
extern int Update_Option_Index;  // kept while the program runs, not saved
extern bool Update_Read_Back;    // kept while the program runs, not saved
extern std::string Language_Name;
extern bool Opt_Enable_Internet;
extern bool Opt_Enable_Update;
extern bool Opt_Jump_Field_Tables;
extern bool Opt_DblClick_Auto_Size;
extern std::string Last_EDE_Folder;

// The configuration files, one per editing window, set by Set_Files.
extern std::string ParGen_File;
extern std::string LoRaWAN_Gateway_File;
extern std::string ModbusM_SetAccess_File;
extern std::string ModbusTCPM_SetAccess_File;
extern std::string BACnet_Master_Access_File;
extern std::string BACnet_Slave_File;
extern std::string CAN_Rec_Frames_File;
extern std::string CAN_Send_Frames_File;
extern std::string SDO_Server_CANopen_File;
extern std::string SDO_Client_CANopen_File;
extern std::string PDO_CANopen_File;
extern std::string DNETM_Net_File;
extern std::string DNETM_DefOff_File;
extern std::string DMX_Default_Values_File;
extern std::string IEC_61850_Client_File;
extern std::string TLS_Known_Cert_File;
extern std::string IEC61850_Variables_File;
extern std::string J1939_Rec_Frames_File;
extern std::string J1939_Send_Frames_File;
extern std::string MQTT_Set_Topic_File;
extern std::string NMEA_Rec_Frames_File;
extern std::string NMEA_Send_Frames_File;
extern std::string OPC_UA_Client_File;
extern std::string OPC_UA_Server_File;
extern std::string SNMP_Manager_File;
extern std::string SNMP_Trap_File;
extern std::string EtherNetIP_Master_Rules_File;
extern std::string S7_Protocol_File;
extern std::string KNX_SetAccess_File;

// The last copied table row, shared by every table of every window: cell
// texts of columns 1.. and, per entry, whether the cell was a check box.
extern base::TStringList Row_Copy_Buffer;
extern std::vector<bool> Row_Copy_Checks;
// Object descriptions collected by the SNMP MIB generator.
extern base::TStringList MIB_Read_List;
extern base::TStringList MIB_Write_List;

struct TConfigFile {
    const char* fileName;
    std::string* path;
};
inline constexpr int Config_File_Count = 29;
// The configuration files in the order Set_Files assigns them.
const std::array<TConfigFile, Config_File_Count>& Config_Files();

// Every configuration file path := Conf_Path + separator + its file name.
void Set_Files();

// Environment variable that points the program folder elsewhere (a read-only
// install, the tests); by default the folder of the running program.
inline constexpr const char* Program_Dir_Variable = "VASTRIMO_PROGRAM_DIR";

// Sets Exe_Dir and the three folders beside it and creates each of the three
// (one level) when missing. A folder that cannot be created is not reported:
// the file operations in it fail on their own later.
void Set_Program_Folders();

}  // namespace shell
