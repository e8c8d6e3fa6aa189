#include "app/ProtocolWindows.h"

#include "app/GatewayWindows.h"
#include "platform/Application.h"
#include "protocols/BACnetAccess.h"
#include "protocols/BACnetSlaveSetAccess.h"
#include "protocols/BACnet_Eng_Unit.h"
#include "protocols/EtherNetIP_EDS.h"
#include "protocols/EtherNetIP_Master_Access.h"
#include "protocols/ImportEDEFile.h"
#include "protocols/DMXDefVal.h"
#include "protocols/DNet.h"
#include "protocols/DefOffset.h"
#include "protocols/IEC61850_Variables.h"
#include "protocols/KNXAccess.h"
#include "protocols/ProfinetFileName.h"
#include "protocols/IEC_61850_Access.h"
#include "protocols/MQTT_Set_Topic.h"
#include "protocols/Modbus_TCP_Master_Set_Access.h"
#include "protocols/OPC_UA_Add_Server.h"
#include "protocols/OPC_UA_Client_Access.h"
#include "protocols/OPC_UA_Scan_Server.h"
#include "protocols/OPC_UA_Server_Access.h"
#include "protocols/ReceiveCAN.h"
#include "protocols/ReceiveJ1939.h"
#include "protocols/ReceiveNMEA.h"
#include "protocols/S7_Protocol_Set_Access.h"
#include "protocols/SNMPManagerAccess.h"
#include "protocols/SNMP_Trap_Access.h"
#include "protocols/Set_PDO_Access.h"
#include "protocols/Set_SDO_Client_Access.h"
#include "protocols/Set_SDO_Server_Access.h"
#include "protocols/SetAccess.h"
#include "protocols/TLS_Server_Known_Cert.h"
#include "protocols/TopicTemplate.h"
#include "protocols/TransmitCAN.h"
#include "protocols/TransmitJ1939.h"
#include "protocols/TransmitNMEA.h"
#include "shell/About.h"
#include "shell/NewProject.h"
#include "shell/OpenConf.h"
#include "shell/SoftOptions.h"

namespace app {

namespace {

template <class T>
void Create(T*& Instance) {
    plat::Application->CreateForm(Instance);
}

template <class T>
void Show(T* Instance) {
    if (Instance) Instance->ShowModal();
}

template <class T>
void Relabel(T* Instance) {
    if (Instance) Instance->Set_Lang();
}

}  // namespace

const std::vector<TProgramWindow>& Program_Windows() {
    using namespace shell;
    using namespace proto;
    static const std::vector<TProgramWindow> windows = {
        {"TFVastrimoFirmWare", "FVastrimoFirmWare"},
        {"TFLoRaWAN_Gateway", "FLoRaWAN_Gateway", Create_LoRaWAN_Gateway, Show_LoRaWAN_Gateway_Window,
         Relabel_LoRaWAN_Gateway},
        {"TFNew_Project", "FNew_Project", [] { Create(FNew_Project); }, nullptr, [] { Relabel(FNew_Project); }},
        {"TFOpenConf", "FOpenConf", [] { Create(FOpenConf); }, nullptr, [] { Relabel(FOpenConf); }},
        {"TFAbout", "FAbout", [] { Create(FAbout); }, [] { Show(FAbout); }},
        {"TFSoftOptions", "FSoftOptions", [] { Create(FSoftOptions); }, nullptr, [] { Relabel(FSoftOptions); }},
        {"TFBoot", "FBoot", Create_Boot, nullptr, Relabel_Boot},
        {"TFParGen", "FParGen", Create_ParGen, Show_ParGen_Window, Relabel_ParGen},
        {"TFReceiveCAN", "FReceiveCAN", [] { Create(FReceiveCAN); }, [] { Show(FReceiveCAN); },
         [] { Relabel(FReceiveCAN); }},
        {"TFTransmitCAN", "FTransmitCAN", [] { Create(FTransmitCAN); }, [] { Show(FTransmitCAN); },
         [] { Relabel(FTransmitCAN); }},
        {"TFSetAccess", "FSetAccess", [] { Create(FSetAccess); }, [] { Show(FSetAccess); },
         [] { Relabel(FSetAccess); }},
        {"TFModbus_TCP_Master_Set_Access", "FModbus_TCP_Master_Set_Access",
         [] { Create(FModbus_TCP_Master_Set_Access); }, [] { Show(FModbus_TCP_Master_Set_Access); },
         [] { Relabel(FModbus_TCP_Master_Set_Access); }},
        {"TFBACnetAccess", "FBACnetAccess", [] { Create(FBACnetAccess); }, [] { Show(FBACnetAccess); },
         [] { Relabel(FBACnetAccess); }},
        {"TFImportEDEFile", "FImportEDEFile", [] { Create(FImportEDEFile); }, nullptr,
         [] { Relabel(FImportEDEFile); }},
        {"TFBACnet_Eng_Unit", "FBACnet_Eng_Unit", [] { Create(FBACnet_Eng_Unit); }, nullptr,
         [] { Relabel(FBACnet_Eng_Unit); }},
        // No button opens the server table in this model.
        {"TFBACnetSlaveSetAccess", "FBACnetSlaveSetAccess", [] { Create(FBACnetSlaveSetAccess); }, nullptr,
         [] { Relabel(FBACnetSlaveSetAccess); }},
        {"TFSet_PDO_Access", "FSet_PDO_Access", [] { Create(FSet_PDO_Access); },
         [] { Show(FSet_PDO_Access); }, [] { Relabel(FSet_PDO_Access); }},
        {"TFSet_SDO_Client_Access", "FSet_SDO_Client_Access", [] { Create(FSet_SDO_Client_Access); },
         [] { Show(FSet_SDO_Client_Access); }, [] { Relabel(FSet_SDO_Client_Access); }},
        {"TFSet_SDO_Server_Access", "FSet_SDO_Server_Access", [] { Create(FSet_SDO_Server_Access); },
         [] { Show(FSet_SDO_Server_Access); }, [] { Relabel(FSet_SDO_Server_Access); }},
        {"TFDefOffset", "FDefOffset", [] { Create(FDefOffset); }, [] { Show(FDefOffset); },
         [] { Relabel(FDefOffset); }},
        {"TFDNet", "FDNet", [] { Create(FDNet); }, [] { Show(FDNet); },
         [] { Relabel(FDNet); }},
        {"TFDMXDefVal", "FDMXDefVal", [] { Create(FDMXDefVal); }, [] { Show(FDMXDefVal); },
         [] { Relabel(FDMXDefVal); }},
        {"TFIEC_61850_Access", "FIEC_61850_Access", [] { Create(FIEC_61850_Access); },
         [] { Show(FIEC_61850_Access); }, [] { Relabel(FIEC_61850_Access); }},
        {"TFIEC61850_Variables", "FIEC61850_Variables", [] { Create(FIEC61850_Variables); },
         [] { Show(FIEC61850_Variables); }, [] { Relabel(FIEC61850_Variables); }},
        {"TFTLS_Server_Known_Cert", "FTLS_Server_Known_Cert", [] { Create(FTLS_Server_Known_Cert); },
         [] { Show(FTLS_Server_Known_Cert); }, [] { Relabel(FTLS_Server_Known_Cert); }},
        // No button opens the J1939 and NMEA 2000 tables in this model.
        {"TFReceiveJ1939", "FReceiveJ1939", [] { Create(FReceiveJ1939); }, nullptr,
         [] { Relabel(FReceiveJ1939); }},
        {"TFTransmitJ1939", "FTransmitJ1939", [] { Create(FTransmitJ1939); }, nullptr,
         [] { Relabel(FTransmitJ1939); }},
        {"TFMQTT_Set_Topic", "FMQTT_Set_Topic", [] { Create(FMQTT_Set_Topic); }, [] { Show(FMQTT_Set_Topic); },
         [] { Relabel(FMQTT_Set_Topic); }},
        // Opened from the topic table's Template cells only.
        {"TFTopicTemplate", "FTopicTemplate", [] { Create(FTopicTemplate); }, nullptr,
         [] { Relabel(FTopicTemplate); }},
        {"TFReceiveNMEA", "FReceiveNMEA", [] { Create(FReceiveNMEA); }, nullptr,
         [] { Relabel(FReceiveNMEA); }},
        {"TFTransmitNMEA", "FTransmitNMEA", [] { Create(FTransmitNMEA); }, nullptr,
         [] { Relabel(FTransmitNMEA); }},
        {"TFOPC_UA_Add_Server", "FOPC_UA_Add_Server", [] { Create(FOPC_UA_Add_Server); }, nullptr,
         [] { Relabel(FOPC_UA_Add_Server); }},
        {"TFOPC_UA_Client_Access", "FOPC_UA_Client_Access", [] { Create(FOPC_UA_Client_Access); },
         [] { Show(FOPC_UA_Client_Access); }, [] { Relabel(FOPC_UA_Client_Access); }},
        {"TFOPC_UA_Scan_Server", "FOPC_UA_Scan_Server", [] { Create(FOPC_UA_Scan_Server); }, nullptr,
         [] { Relabel(FOPC_UA_Scan_Server); }},
        {"TFOPC_UA_Server_Access", "FOPC_UA_Server_Access", [] { Create(FOPC_UA_Server_Access); },
         [] { Show(FOPC_UA_Server_Access); }, [] { Relabel(FOPC_UA_Server_Access); }},
        {"TFSNMPManagerAccess", "FSNMPManagerAccess", [] { Create(FSNMPManagerAccess); },
         [] { Show(FSNMPManagerAccess); }, [] { Relabel(FSNMPManagerAccess); }},
        {"TFSNMP_Trap_Access", "FSNMP_Trap_Access", [] { Create(FSNMP_Trap_Access); },
         [] { Show(FSNMP_Trap_Access); }, [] { Relabel(FSNMP_Trap_Access); }},
        {"TFProfinetFileName", "FProfinetFileName", [] { Create(FProfinetFileName); }, nullptr,
         [] { Relabel(FProfinetFileName); }},
        {"TFEtherNEtIP_EDS", "FEtherNEtIP_EDS", [] { Create(FEtherNEtIP_EDS); }, nullptr,
         [] { Relabel(FEtherNEtIP_EDS); }},
        {"TFEtherNetIP_Master_Access", "FEtherNetIP_Master_Access", [] { Create(FEtherNetIP_Master_Access); },
         [] { Show(FEtherNetIP_Master_Access); }, [] { Relabel(FEtherNetIP_Master_Access); }},
        {"TFS7_Protocol_Set_Access", "FS7_Protocol_Set_Access", [] { Create(FS7_Protocol_Set_Access); },
         [] { Show(FS7_Protocol_Set_Access); }, [] { Relabel(FS7_Protocol_Set_Access); }},
        {"TFKNXAccess", "FKNXAccess", [] { Create(FKNXAccess); }, [] { Show(FKNXAccess); },
         [] { Relabel(FKNXAccess); }},
    };
    return windows;
}

const TProgramWindow* Find_Program_Window(std::string_view Instance) {
    for (const TProgramWindow& w : Program_Windows())
        if (Instance == w.Instance) return &w;
    return nullptr;
}

const std::vector<const char*>& Relabel_Order() {
    // The LoRaWAN window comes last: it follows the language too, so that
    // its headers and buttons never mix two languages.
    static const std::vector<const char*> order = {
        "FVastrimoFirmWare", "FNew_Project", "FOpenConf", "FSoftOptions", "FBoot", "FParGen", "FSetAccess",
        "FModbus_TCP_Master_Set_Access", "FBACnetAccess", "FImportEDEFile", "FBACnetSlaveSetAccess",
        "FBACnet_Eng_Unit", "FReceiveCAN", "FTransmitCAN", "FSet_PDO_Access", "FSet_SDO_Client_Access",
        "FSet_SDO_Server_Access", "FDNet", "FDefOffset", "FDMXDefVal", "FIEC_61850_Access",
        "FTLS_Server_Known_Cert", "FIEC61850_Variables", "FReceiveJ1939", "FTransmitJ1939", "FMQTT_Set_Topic",
        "FTopicTemplate", "FReceiveNMEA", "FTransmitNMEA", "FOPC_UA_Client_Access", "FOPC_UA_Add_Server",
        "FOPC_UA_Scan_Server", "FOPC_UA_Server_Access", "FSNMPManagerAccess", "FSNMP_Trap_Access",
        "FProfinetFileName", "FEtherNetIP_Master_Access", "FEtherNEtIP_EDS", "FS7_Protocol_Set_Access",
        "FKNXAccess", "FLoRaWAN_Gateway"};
    return order;
}

bool Show_Program_Window(std::string_view Instance) {
    const TProgramWindow* w = Find_Program_Window(Instance);
    if (w == nullptr || w->Show == nullptr) return false;
    w->Show();
    return true;
}

}  // namespace app
