#include "shell/Comon.h"

#include <cstdlib>

#include "base/Files.h"

namespace shell {

std::string Exe_Dir;
std::string Master_Dir;
std::string Projects_Dir;
std::string Language_Dir;

std::string Conf_Name;
std::string Conf_Path;

std::string Main_Title;
std::string SW_Code;
std::string SW_Desc;

std::string Last_IP_Address = Default_IP_Address;
int Update_Option_Index = 0;
bool Update_Read_Back = true;
std::string Language_Name = Default_Language_Name;
bool Opt_Enable_Internet = false;
bool Opt_Enable_Update = false;
bool Opt_Jump_Field_Tables = false;
bool Opt_DblClick_Auto_Size = false;
std::string Last_EDE_Folder;

std::string ParGen_File;
std::string LoRaWAN_Gateway_File;
std::string ModbusM_SetAccess_File;
std::string ModbusTCPM_SetAccess_File;
std::string BACnet_Master_Access_File;
std::string BACnet_Slave_File;
std::string CAN_Rec_Frames_File;
std::string CAN_Send_Frames_File;
std::string SDO_Server_CANopen_File;
std::string SDO_Client_CANopen_File;
std::string PDO_CANopen_File;
std::string DNETM_Net_File;
std::string DNETM_DefOff_File;
std::string DMX_Default_Values_File;
std::string IEC_61850_Client_File;
std::string TLS_Known_Cert_File;
std::string IEC61850_Variables_File;
std::string J1939_Rec_Frames_File;
std::string J1939_Send_Frames_File;
std::string MQTT_Set_Topic_File;
std::string NMEA_Rec_Frames_File;
std::string NMEA_Send_Frames_File;
std::string OPC_UA_Client_File;
std::string OPC_UA_Server_File;
std::string SNMP_Manager_File;
std::string SNMP_Trap_File;
std::string EtherNetIP_Master_Rules_File;
std::string S7_Protocol_File;
std::string KNX_SetAccess_File;

base::TStringList Row_Copy_Buffer;
std::vector<bool> Row_Copy_Checks;
base::TStringList MIB_Read_List;
base::TStringList MIB_Write_List;

const std::array<TConfigFile, Config_File_Count>& Config_Files() {
    static const std::array<TConfigFile, Config_File_Count> files = {{
        {"ParGen.xml", &ParGen_File},
        {"LoRaWAN_Gateway.xml", &LoRaWAN_Gateway_File},
        {"ModbusM_SetAccess.xml", &ModbusM_SetAccess_File},
        {"ModbusTCPM_SetAccess.xml", &ModbusTCPM_SetAccess_File},
        {"BACnet_Master_Access.xml", &BACnet_Master_Access_File},
        {"BACnet_Slave.xml", &BACnet_Slave_File},
        {"CAN_Rec_Frames.xml", &CAN_Rec_Frames_File},
        {"CAN_Send_Frames.xml", &CAN_Send_Frames_File},
        {"SDO_Server_CANopen.xml", &SDO_Server_CANopen_File},
        {"SDO_Client_CANopen.xml", &SDO_Client_CANopen_File},
        {"PDO_CANopen.xml", &PDO_CANopen_File},
        {"DNETM_Net.xml", &DNETM_Net_File},
        {"DNETM_DefOff.xml", &DNETM_DefOff_File},
        {"DMX_Default_Values.xml", &DMX_Default_Values_File},
        {"IEC_61850_Client.xml", &IEC_61850_Client_File},
        {"TLS_Known_Cert.xml", &TLS_Known_Cert_File},
        {"IEC61850_Variables.xml", &IEC61850_Variables_File},
        {"J1939_Rec_Frames.xml", &J1939_Rec_Frames_File},
        {"J1939_Send_Frames.xml", &J1939_Send_Frames_File},
        {"MQTT_Set_Topic.xml", &MQTT_Set_Topic_File},
        {"NMEA_Rec_Frames.xml", &NMEA_Rec_Frames_File},
        {"NMEA_Send_Frames.xml", &NMEA_Send_Frames_File},
        {"OPC_UA_Client.xml", &OPC_UA_Client_File},
        {"OPC_UA_Server.xml", &OPC_UA_Server_File},
        {"SNMP_Manager.xml", &SNMP_Manager_File},
        {"SNMP_Trap.xml", &SNMP_Trap_File},
        {"EtherNetIP_Master_Rules.xml", &EtherNetIP_Master_Rules_File},
        {"S7_Protocol.xml", &S7_Protocol_File},
        {"KNX_SetAccess.xml", &KNX_SetAccess_File},
    }};
    return files;
}

void Set_Files() {
    // With no configuration open the paths hold only the separator and the
    // name; no window is reachable then, since every command that opens one
    // demands an open configuration first.
    for (const TConfigFile& file : Config_Files())
        *file.path = Conf_Path + base::PathDelim + file.fileName;
}

void Set_Program_Folders() {
    const char* overridden = std::getenv(Program_Dir_Variable);
    if (overridden != nullptr && *overridden != '\0')
        Exe_Dir = base::ExcludeTrailingPathDelimiter(base::NativePath(overridden));
    else
        Exe_Dir = base::ExcludeTrailingPathDelimiter(base::ExtractFileDir(base::ExecutablePath()));
    // Without a known program folder the folders would land at the file
    // system's root; the current folder is the safer stand-in.
    if (Exe_Dir.empty())
        Exe_Dir = base::ExcludeTrailingPathDelimiter(base::CurrentDir());
    Master_Dir = Exe_Dir + base::PathDelim + "MASTER";
    Projects_Dir = Exe_Dir + base::PathDelim + "PROJECTS";
    Language_Dir = Exe_Dir + base::PathDelim + "LANGUAGE";
    for (const std::string* dir : {&Master_Dir, &Projects_Dir, &Language_Dir}) {
        if (!base::DirectoryExists(*dir))
            base::CreateDir(*dir);
    }
}

}  // namespace shell
