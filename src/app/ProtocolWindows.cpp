#include "app/ProtocolWindows.h"

#include "app/GatewayWindows.h"
#include "platform/Application.h"
#include "protocols/BACnetAccess.h"
#include "protocols/BACnetSlaveSetAccess.h"
#include "protocols/BACnet_Eng_Unit.h"
#include "protocols/EtherNetIP_EDS.h"
#include "protocols/EtherNetIP_Master_Access.h"
#include "protocols/ImportEDEFile.h"
#include "protocols/KNXAccess.h"
#include "protocols/ProfinetFileName.h"
#include "protocols/IEC_61850_Access.h"
#include "protocols/Modbus_TCP_Master_Set_Access.h"
#include "protocols/S7_Protocol_Set_Access.h"
#include "protocols/Set_PDO_Access.h"
#include "protocols/Set_SDO_Client_Access.h"
#include "protocols/Set_SDO_Server_Access.h"
#include "protocols/SetAccess.h"
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
        {"TFReceiveCAN", "FReceiveCAN"},
        {"TFTransmitCAN", "FTransmitCAN"},
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
        {"TFDefOffset", "FDefOffset"},
        {"TFDNet", "FDNet"},
        {"TFDMXDefVal", "FDMXDefVal"},
        {"TFIEC_61850_Access", "FIEC_61850_Access", [] { Create(FIEC_61850_Access); },
         [] { Show(FIEC_61850_Access); }, [] { Relabel(FIEC_61850_Access); }},
        {"TFIEC61850_Variables", "FIEC61850_Variables"},
        {"TFTLS_Server_Known_Cert", "FTLS_Server_Known_Cert"},
        {"TFReceiveJ1939", "FReceiveJ1939"},
        {"TFTransmitJ1939", "FTransmitJ1939"},
        {"TFMQTT_Set_Topic", "FMQTT_Set_Topic"},
        {"TFTopicTemplate", "FTopicTemplate"},
        {"TFReceiveNMEA", "FReceiveNMEA"},
        {"TFTransmitNMEA", "FTransmitNMEA"},
        {"TFOPC_UA_Add_Server", "FOPC_UA_Add_Server"},
        {"TFOPC_UA_Client_Access", "FOPC_UA_Client_Access"},
        {"TFOPC_UA_Scan_Server", "FOPC_UA_Scan_Server"},
        {"TFOPC_UA_Server_Access", "FOPC_UA_Server_Access"},
        {"TFSNMPManagerAccess", "FSNMPManagerAccess"},
        {"TFSNMP_Trap_Access", "FSNMP_Trap_Access"},
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
