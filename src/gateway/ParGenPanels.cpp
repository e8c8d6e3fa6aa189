#include "gateway/ParGenPanels.h"

#include <iterator>
#include <utility>

namespace gw {

namespace {

using K = TParRowKind;

TParRow E(const char* name, int caption, int hint) { return {K::Edit, name, caption, hint}; }
TParRow L(const char* name, int caption, int hint) { return {K::List, name, caption, hint}; }
TParRow C(const char* name, int caption, int hint) { return {K::Check, name, caption, hint}; }
TParRow O(const char* name, int caption, int firstHint) { return {K::Octets, name, caption, firstHint}; }
TParRow U(const char* name, int caption) { return {K::Unit, name, caption, 0}; }
TParRow T(const char* name) { return {K::Title, name, 0, 0}; }
TParRow Texts(TParRow row, int first, int count) {
    row.firstEntry = first;
    row.entryCount = count;
    return row;
}

// An address block whose texts follow each other: IP address, subnet mask
// and the gateway check box with its octets, 16 texts from `first`.
void Address(std::vector<TParRow>& rows, const std::string& prefix, int first) {
    rows.push_back({K::Octets, prefix + "_IP", first, first + 1});
    rows.push_back({K::Octets, prefix + "_SM", first + 5, first + 6});
    rows.push_back({K::Gateway, prefix, first + 10, first + 11});
}

std::vector<TParRow> With_Address(const std::string& prefix, int first, std::vector<TParRow> before,
                                  std::vector<TParRow> after) {
    std::vector<TParRow> rows = std::move(before);
    Address(rows, prefix, first);
    rows.insert(rows.end(), after.begin(), after.end());
    return rows;
}

std::vector<TParPanel> Build() {
    std::vector<TParPanel> p;
    p.push_back({"CP_Ethernet", With_Address("Ethernet", 426, {},
                                             {E("Ethernet_TCP_Port", 442, 443), E("Ethernet_UDP_Port", 444, 445)})});
    p.push_back({"CP_Serial",
                 {L("Serial_Baudrate", 447, 448), L("Serial_Parity", 449, 450), L("Serial_DataBits", 451, 452),
                  L("Serial_StopBits", 453, 454)}});
    p.push_back({"CP_Modbus_Master",
                 {L("ModbusMaster_Baudrate", 456, 457), L("ModbusMaster_Parity", 458, 459),
                  L("ModbusMaster_DataBits", 460, 461), L("ModbusMaster_StopBits", 462, 463),
                  E("ModbusMaster_TimeOut", 464, 465), E("ModbusMaster_CyclicDelay", 466, 467)}});
    p.push_back({"CP_Modbus_Slave",
                 {L("ModbusSlave_Baudrate", 469, 470), L("ModbusSlave_Parity", 471, 472),
                  L("ModbusSlave_DataBits", 473, 474), L("ModbusSlave_StopBits", 475, 476),
                  E("ModbusSlave_SlaveID", 477, 478), C("ModbusSlave_ReadInput", 479, 480)}});
    p.push_back({"CP_Modbus_TCP_Master",
                 With_Address("ModbusTCPMaster", 482, {},
                              {E("ModbusTCPMaster_TimeOut", 498, 499), E("ModbusTCPMaster_CyclicDelay", 500, 501)})});
    p.push_back({"CP_Modbus_TCP_Slave", With_Address("ModbusTCPSlave", 503, {}, {E("ModbusTCPSlave_Port", 519, 520)})});
    p.push_back({"CP_BACnet_Master",
                 With_Address("BACnet_IP_Master", 524, {L("BACnet_Master_Type", 522, 523)},
                              {E("BACnet_IP_Master_Port", 540, 541), E("BACnet_IP_Master_Device_Name", 542, 543),
                               E("BACnet_IP_Master_Device_ID", 544, 545),
                               E("BACnet_IP_Master_TimeOut_Polling", 546, 547),
                               L("BACnet_MSTP_Master_Baudrate", 548, 549), L("BACnet_MSTP_Master_Parity", 550, 551),
                               E("BACnet_MSTP_Master_Device_Name", 552, 553), E("BACnet_MSTP_Master_MAC", 554, 555),
                               E("BACnet_MSTP_Master_Max_Master", 556, 557),
                               E("BACnet_MSTP_Master_Max_Info_Frame", 558, 559),
                               E("BACnet_MSTP_Master_Device_Instance", 560, 561)})});
    p.push_back({"CP_BACnet_Slave",
                 With_Address("BACnet_IP_Slave", 565, {L("BACnet_Slave_Type", 563, 564)},
                              {E("BACnet_IP_Slave_Port", 581, 582), E("BACnet_IP_Slave_Device_Name", 583, 584),
                               E("BACnet_IP_Slave_Device_ID", 585, 586), L("BACnet_MSTP_Slave_Baudrate", 587, 588),
                               L("BACnet_MSTP_Slave_Parity", 589, 590), E("BACnet_MSTP_Slave_Device_Name", 591, 592),
                               E("BACnet_MSTP_Slave_MAC", 593, 594), E("BACnet_MSTP_Slave_Max_Master", 595, 596),
                               E("BACnet_MSTP_Slave_Max_Info_Frame", 597, 598),
                               E("BACnet_MSTP_Slave_Device_Instance", 599, 600),
                               E("BACnet_MSTP_Slave_Network", 601, 602), C("BACnet_Slave_Desc_32_Chars", 603, 604)})});
    p.push_back({"CP_CAN", {L("CAN_Baudrate", 606, 607)}});
    p.push_back({"CP_CANopen",
                 {L("CANopen_Baudrate", 609, 610), E("CANopen_NodeID", 611, 612), E("CANopen_Heartbeat", 613, 614),
                  C("CANopen_En_SYNC", 615, 616), E("CANopen_SDO_Timeout", 617, 618), U("CANopen_SDO_Timeout_Unit", 619)}});
    p.push_back({"CP_DeviceNet_Master", {E("DeviceNet_Master_MACID", 621, 622), L("DeviceNet_Master_Baudrate", 623, 624)}});
    p.push_back({"CP_DeviceNet_Slave",
                 {E("DeviceNet_Slave_MACID", 626, 627), L("DeviceNet_Slave_Baudrate", 628, 629),
                  E("DeviceNet_Slave_NumByteIn", 630, 631), E("DeviceNet_Slave_NumByteOut", 632, 633)}});
    p.push_back({"CP_DMX", {L("DMX_Mode", 635, 636), E("DMX_ChannelNum", 637, 638)}});
    p.push_back({"CP_IEC61850_Client",
                 With_Address("IEC61850_Client", 640, {},
                              {C("IEC61850_Client_En_GOOSE", 656, 657), E("IEC61850_Client_AppID", 658, 659)})});
    p.push_back({"CP_IEC61850_Server",
                 With_Address("IEC61850_Server", 661, {},
                              {E("IEC61850_Server_IED_Name", 677, 678), E("IEC61850_Server_Password", 679, 680)})});
    p.push_back({"CP_J1939",
                 {L("J1939_Baudrate", 682, 683), C("J1939_Address_Claim", 684, 685),
                  E("J1939_Preferred_Address", 686, 687), E("J1939_ID_Device", 688, 689)}});
    p.push_back({"CP_MQTT",
                 {E("MQTT_Broker_Address", 691, 692), E("MQTT_Broker_Port", 693, 694), E("MQTT_ClientID", 695, 696),
                  L("MQTT_Version", 697, 698), E("MQTT_KeepAlive", 699, 700), C("MQTT_CleanSession", 701, 702),
                  C("MQTT_WillFlag", 703, 704), E("MQTT_Will_Topic", 705, 706), E("MQTT_Will_Message", 707, 708),
                  C("MQTT_Will_Retained", 709, 710), L("MQTT_Will_QoS", 711, 712),
                  C("MQTT_PublishTopicConnection", 713, 714), E("MQTT_Conn_Topic", 715, 716),
                  E("MQTT_Conn_Message", 717, 718), C("MQTT_Conn_Retained", 719, 720), E("MQTT_UserName", 721, 722),
                  E("MQTT_Password", 723, 724), E("MQTT_Send_Time", 725, 726), E("MQTT_DALI_Answer_Topic", 727, 728),
                  C("MQTT_Enable_ReProgram", 729, 730), E("MQTT_ReProgram_Topic", 731, 732)}});
    {
        std::vector<TParRow> wifi = {Texts(L("WiFi2_Type", 734, 735), 736, 2), T("WiFi2_Title_IP1")};
        Address(wifi, "WiFi2", 738);
        wifi.push_back(T("WiFi2_Title_IP2"));
        Address(wifi, "WiFi2_Sta2", 754);
        const TParRow rest[] = {E("WiFi2_SSID", 770, 771),
                                E("WiFi2_Password", 772, 773),
                                C("WiFi2_Show_Password", 774, 775),
                                Texts(L("WiFi2_Secure_Type", 776, 777), 778, 4),
                                C("WiFi2_En_DHCP", 782, 783),
                                O("WiFi2_DHCP_IP", 784, 785),
                                O("WiFi2_DHCP_SM", 789, 790),
                                E("WiFi2_Lease_Time", 794, 795),
                                E("WiFi2_Max_Client", 796, 797),
                                Texts(L("WiFi2_Channel", 798, 799), 800, 12)};
        wifi.insert(wifi.end(), std::begin(rest), std::end(rest));
        p.push_back({"CP_WiFi2", wifi});
    }
    p.push_back({"CP_TLS",
                 {C("TLS_Enable", 813, 814), C("TLS_En_Server_Auth", 815, 816), L("TLS_Server_Cert", 817, 818),
                  C("TLS_En_Client_Auth", 819, 820), L("TLS_Client_Cert", 821, 822), L("TLS_Client_Key", 823, 824),
                  E("TLS_Client_Key_Password", 825, 826)}});
    p.push_back({"CP_NTP", {E("NTP_Server", 828, 829), E("NTP_Poll_Time", 830, 831)}});
    p.push_back({"CP_NMEA2000",
                 {E("NMEA2000_Source_Address", 833, 834), E("NMEA2000_Device_Instance", 835, 836),
                  C("NMEA2000_Peer_To_Peer", 837, 838)}});
    p.push_back({"CP_OPC_UA_Client", With_Address("OPC_UA_Client", 840, {}, {})});
    p.push_back({"CP_OPC_UA_Server", With_Address("OPC_UA_Server", 857, {}, {E("OPC_UA_Server_Port", 873, 874)})});
    p.push_back({"CP_PROFINET",
                 With_Address("PROFINET", 878, {E("PROFINET_Device_Name", 876, 877)},
                              {C("PROFINET_Diagnostic", 894, 895), E("PROFINET_Diagnostic", 896, 897),
                               U("PROFINET_Bytes_Note", 902), E("PROFINET_NByte_In", 898, 899),
                               E("PROFINET_NByte_Out", 900, 901)})});
    p.push_back({"CP_SNMP_Manager", With_Address("SNMP_Manager", 904, {}, {E("SNMP_Manager_NameStation", 920, 0)})});
    p.push_back({"CP_SNMP_Agent",
                 With_Address("SNMP_Agent", 922, {},
                              {E("SNMP_Agent_Read_Community", 938, 939), E("SNMP_Agent_Write_Community", 940, 941),
                               E("SNMP_Agent_Trap_Address", 942, 943), E("SNMP_Agent_Trap_Port", 944, 945),
                               C("SNMP_Agent_Version3", 946, 947), E("SNMP_Agent_User", 948, 949),
                               L("SNMP_Agent_SecurityLevel", 950, 951), E("SNMP_Agent_Authority", 952, 953),
                               L("SNMP_Agent_Authority_Mode", 954, 955), E("SNMP_Agent_Privacy", 956, 957),
                               L("SNMP_Agent_Privacy_Mode", 958, 959)})});
    p.push_back({"CP_TLS_Server",
                 {C("TLS_Server_Enable", 961, 962), L("TLS_Server_Key", 963, 964), E("TLS_Server_Key_Password", 965, 966),
                  L("TLS_Server_Certificate", 967, 968), L("TLS_Server_Root_Certificate", 969, 970),
                  C("TLS_Server_En_Known_Cert", 971, 972)}});
    p.push_back({"CP_EtherNetIP_Master",
                 With_Address("EtherNetIP_Master", 974, {}, {E("EtherNetIP_Master_Port", 990, 991)})});
    p.push_back({"CP_S7_Protocol", With_Address("S7_Protocol", 1019, {}, {})});
    p.push_back({"CP_GSM_GPRS",
                 {E("GSM_GPRS_Operator", 1039, 1040), E("GSM_GPRS_PIN", 1041, 1042), E("GSM_GPRS_APN", 1043, 1044),
                  E("GSM_GPRS_User", 1045, 1046), E("GSM_GPRS_Password", 1047, 1048)}});
    p.push_back({"CP_KNX", {L("KNX_Mode", 1350, 1351), E("KNX_IDDevice", 1352, 1353)}});
    p.push_back({"CP_PROFIBUS",
                 {E("PROFIBUS_Slave_Address", 1356, 1357), C("PROFIBUS_Diagnostic", 1358, 1359),
                  E("PROFIBUS_NByte_In", 1360, 1361), E("PROFIBUS_NByte_Out", 1362, 1363)}});
    return p;
}

}  // namespace

const std::vector<TParPanel>& Hidden_Panels() {
    static const std::vector<TParPanel> panels = Build();
    return panels;
}

std::vector<std::string> Row_Controls(const TParRow& row) {
    const std::string n = row.name;
    switch (row.kind) {
        case K::Edit:
            return {"L_" + n, "E_" + n};
        case K::List:
            return {"L_" + n, "CB_" + n};
        case K::Check:
            return {"CB_" + n};
        case K::Octets:
            return {"L_" + n, "E_" + n + "1", "E_" + n + "2", "E_" + n + "3", "E_" + n + "4"};
        case K::Gateway:
            return {"CB_" + n + "_En_GAT", "E_" + n + "_GAT1", "E_" + n + "_GAT2", "E_" + n + "_GAT3",
                    "E_" + n + "_GAT4"};
        case K::Unit:
        case K::Title:
            return {"L_" + n};
    }
    return {};
}

std::string Row_Key(const TParRow& row) { return Row_Controls(row).back(); }

const std::vector<std::string>& BACnet_Types() {
    static const std::vector<std::string> types = {"BACnet/IP", "BACnet MS/TP"};
    return types;
}

const std::vector<std::string>& SNMP_Security_Levels() {
    static const std::vector<std::string> levels = {"NoAuthority NoPrivacy", "Authority NoPrivacy",
                                                    "Authority Privacy"};
    return levels;
}

const std::vector<std::pair<std::string, int>>& Panel_Headers() {
    static const std::vector<std::pair<std::string, int>> headers = {
        {"CP_Select_Device", 1035},    {"CP_Ethernet_Connection", 406}, {"CP_LoRaWAN", 1337},
        {"CP_Ethernet", 425},          {"CP_Serial", 446},              {"CP_Modbus_Master", 455},
        {"CP_Modbus_Slave", 468},      {"CP_Modbus_TCP_Master", 481},   {"CP_Modbus_TCP_Slave", 502},
        {"CP_BACnet_Master", 521},     {"CP_BACnet_Slave", 562},        {"CP_CAN", 605},
        {"CP_CANopen", 608},           {"CP_DeviceNet_Master", 620},    {"CP_DeviceNet_Slave", 625},
        {"CP_DMX", 634},               {"CP_IEC61850_Client", 639},     {"CP_IEC61850_Server", 660},
        {"CP_J1939", 681},             {"CP_MQTT", 690},                {"CP_WiFi2", 733},
        {"CP_TLS", 812},               {"CP_NTP", 827},                 {"CP_NMEA2000", 832},
        {"CP_OPC_UA_Client", 839},     {"CP_OPC_UA_Server", 856},       {"CP_PROFINET", 875},
        {"CP_SNMP_Manager", 903},      {"CP_SNMP_Agent", 921},          {"CP_TLS_Server", 960},
        {"CP_EtherNetIP_Master", 973}, {"CP_EtherNetIP", 992},          {"CP_S7_Protocol", 1018},
        {"CP_GSM_GPRS", 1038},         {"CP_KNX", 1349},                {"CP_PROFIBUS", 1355},
    };
    return headers;
}

const std::vector<std::string>& Model_Panels(TGatewayModel model) {
    using M = TGatewayModel;
    // Every model starts with the Ethernet connection and the LoRaWAN panel;
    // those with a choice of connection put the device panel before them and
    // the Wi-Fi panel at the end.
    static const std::vector<std::vector<std::string>> panels = [] {
        const std::string eth = "CP_Ethernet_Connection", lora = "CP_LoRaWAN", sel = "CP_Select_Device",
                          wifi = "CP_WiFi2", lan = "CP_Ethernet";
        std::vector<std::vector<std::string>> v(Gateway_Model_Count);
        auto set = [&v](M m, std::vector<std::string> list) { v[static_cast<size_t>(m)] = std::move(list); };
        set(M::Modbus_Master, {eth, lora, "CP_Modbus_Master", lan});
        set(M::Modbus_Slave, {eth, lora, "CP_Modbus_Slave", lan});
        set(M::Modbus_TCP_Master, {sel, eth, lora, "CP_Modbus_TCP_Master", wifi});
        set(M::Modbus_TCP_Slave, {sel, eth, lora, "CP_Modbus_TCP_Slave", wifi});
        set(M::Serial, {eth, lora, "CP_Serial", lan});
        set(M::BACnet_Master, {sel, eth, lora, "CP_BACnet_Master", lan, wifi});
        set(M::BACnet_Slave, {sel, eth, lora, "CP_BACnet_Slave", lan, wifi});
        set(M::Ethernet_WiFi, {sel, eth, lora, lan, wifi});
        set(M::CAN, {eth, lora, "CP_CAN", lan});
        set(M::CANopen, {eth, lora, "CP_CANopen", lan});
        set(M::DeviceNet_Master, {eth, lora, "CP_DeviceNet_Master", lan});
        set(M::DeviceNet_Slave, {eth, lora, "CP_DeviceNet_Slave", lan});
        set(M::DMX, {eth, lora, "CP_DMX", lan});
        set(M::EtherNetIP_Master, {eth, lora, "CP_EtherNetIP_Master"});
        set(M::EtherNetIP_Slave, {eth, lora, "CP_EtherNetIP"});
        set(M::J1939, {eth, lora, "CP_J1939", lan});
        set(M::KNX, {eth, lora, "CP_KNX", lan});
        set(M::NMEA2000, {eth, lora, "CP_NMEA2000", lan});
        set(M::PROFIBUS, {eth, lora, "CP_PROFIBUS", lan});
        set(M::PROFINET, {eth, lora, "CP_PROFINET"});
        set(M::IEC61850_Client, {sel, eth, lora, "CP_IEC61850_Client", wifi});
        set(M::IEC61850_Server, {sel, eth, lora, "CP_IEC61850_Server", "CP_TLS_Server", wifi});
        set(M::MQTT, {sel, eth, lora, "CP_MQTT", lan, "CP_TLS", "CP_NTP", wifi, "CP_GSM_GPRS"});
        set(M::OPC_UA_Client, {sel, eth, lora, "CP_OPC_UA_Client", "CP_NTP", wifi});
        set(M::OPC_UA_Server, {sel, eth, lora, "CP_OPC_UA_Server", "CP_NTP", wifi});
        set(M::S7comm, {eth, lora, "CP_S7_Protocol"});
        set(M::SNMP_Manager, {sel, eth, lora, "CP_SNMP_Manager", wifi});
        set(M::SNMP_Agent, {sel, eth, lora, "CP_SNMP_Agent", wifi});
        return v;
    }();
    return panels.at(static_cast<size_t>(model));
}

std::vector<TParText> Hidden_Panel_Texts() {
    std::vector<TParText> texts;
    for (const TParPanel& panel : Hidden_Panels()) {
        for (const TParRow& row : panel.rows) {
            const std::vector<std::string> names = Row_Controls(row);
            switch (row.kind) {
                case K::Edit:
                case K::List:
                    texts.push_back({names[0], row.caption, false});
                    if (row.hint != 0) texts.push_back({names[1], row.hint, true});
                    break;
                case K::Check:
                    texts.push_back({names[0], row.caption, false});
                    texts.push_back({names[0], row.hint, true});
                    break;
                case K::Octets:
                    texts.push_back({names[0], row.caption, false});
                    for (int i = 0; i < 4; ++i) texts.push_back({names[static_cast<size_t>(i) + 1], row.hint + i, true});
                    break;
                case K::Gateway:
                    texts.push_back({names[0], row.caption, false});
                    texts.push_back({names[0], row.hint, true});
                    for (int i = 0; i < 4; ++i)
                        texts.push_back({names[static_cast<size_t>(i) + 1], row.hint + 1 + i, true});
                    break;
                case K::Unit:
                    texts.push_back({names[0], row.caption, false});
                    break;
                case K::Title:
                    break;
            }
        }
    }
    return texts;
}

}  // namespace gw
