#pragma once
// "Set Communication" (unit UParGen): the modal window in which the user
// edits the gateway's general parameters and saves them to "ParGen.xml".
// The window holds one category panel per parameter group of the whole
// gateway family; this model shows three of them. The values go through
// ParGenFile (load and save), ParGenLoad (what the controls show),
// ParGenLayout (what is shown where) and ParGenCheck (the data check); the
// window copies its controls to and from those plain values.

#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "gateway/ParGenFile.h"
#include "gateway/ParGenLayout.h"
#include "gateway/ParGenPanels.h"
#include "platform/CategoryPanels.h"
#include "platform/ExtCtrls.h"
#include "platform/Forms.h"
#include "platform/StdCtrls.h"

namespace gw {

class TFParGen : public plat::TForm {
public:
    explicit TFParGen(plat::TComponent* AOwner);
    ~TFParGen() override;

    void Set_Lang();
    // Checks the values as the controls show them; shows the first fault's
    // text in an error box and returns false, or returns true.
    bool Controllo_Dati();
    // Refills the data-rate and RX2 lists for the band shown and selects
    // their first entries.
    void Change_LoRaWAN_DataRate();
    // The layout entry points of the window; they run this model's pair.
    void Move_GroupBoxs();
    void Order_TAB_Panels();
    void RePosition_Objects_4A902();
    void Order_TAB_Panels_4A902();
    void RePosition_Object_Ethernet_Connection();
    void RePosition_Object_LoRaWAN();
    void RePosition_Object_EtherNetIP();

    // The other members of the family: each model's panel order (run once,
    // at creation, in the program built for it) and its layout, and the
    // layout routine of every panel this model never shows. Nothing in this
    // program calls them; they keep the window whole for the family.
    void Order_TAB_Panels_Of(TGatewayModel Model);
    void RePosition_Objects_Of(TGatewayModel Model);
    void RePosition_Object_Select_Device();
    void RePosition_Object_Modbus_Master();
    void RePosition_Object_Modbus_Slave();
    void RePosition_Object_Modbus_TCP_Master();
    void RePosition_Object_Modbus_TCP_Slave();
    void RePosition_Object_Serial();
    void RePosition_Object_Ethernet();
    void RePosition_Object_WiFi2();
    void RePosition_Object_BACnet_Master();
    void RePosition_Object_BACnet_Slave();
    void RePosition_Object_CAN();
    void RePosition_Object_CANopen();
    void RePosition_Object_DeviceNet_Master();
    void RePosition_Object_DeviceNet_Slave();
    void RePosition_Object_DMX();
    void RePosition_Object_EtherNetIP_Master();
    void RePosition_Object_J1939();
    void RePosition_Object_NMEA2000();
    void RePosition_Object_PROFINET();
    void RePosition_Object_IEC61850_Client();
    void RePosition_Object_IEC61850_Server();
    void RePosition_Object_TLS_Server();
    void RePosition_Object_MQTT();
    void RePosition_Object_TLS();
    void RePosition_Object_NTP();
    void RePosition_Object_GSM_GPRS();
    void RePosition_Object_OPC_UA_Client();
    void RePosition_Object_OPC_UA_Server();
    void RePosition_Object_S7comm();
    void RePosition_Object_SNMP_Manager();
    void RePosition_Object_SNMP_Agent();
    void RePosition_Object_KNX();
    void RePosition_Object_PROFIBUS();

    bool Is_Change() const { return FChanges.Is_Change(); }
    // The values the controls hold now, in the form the file stores them.
    TParGenData Controls_Data();

    plat::TPanel* P_Title;
    plat::TLabel* L_SW_Code;
    plat::TLabel* L_SW_Desc;
    plat::TPanel* P_Button;
    plat::TControl* Btn_OK;
    plat::TControl* Btn_Cancel;
    plat::TCategoryPanelGroup* CPG;
    plat::TCategoryPanel* CP_Select_Device;
    plat::TCategoryPanel* CP_Ethernet_Connection;
    plat::TCategoryPanel* CP_LoRaWAN;
    plat::TCategoryPanel* CP_EtherNetIP;
    plat::TComboBox* CB_Select_Device_Device;
    plat::TComboBox* CB_LoRaWAN_Mode;
    plat::TComboBox* CB_LoRaWAN_RF_Band;
    plat::TComboBox* CB_LoRaWAN_Activation_Method;
    plat::TComboBox* CB_LoRaWAN_DataRate;
    plat::TComboBox* CB_LoRaWAN_RX2_Datarate;
    plat::TCheckBox* CB_EthConn_En_DHCP_Cable;
    plat::TCheckBox* CB_EthConn_En_DHCP_WiFi;

protected:
    // The window keeps its width; the user may change its height only.
    void WMSize(plat::TMessage& Message) override;

private:
    void FormCreate();
    void FormShow();
    void On_Change(plat::TObject* Sender);
    void On_Click(plat::TObject* Sender);
    void KeyPress(plat::TObject* Sender, char32_t& Key);
    void OnKeyPress(plat::TObject* Sender, char32_t& Key);
    void FormMouseWheel(plat::TShiftState Shift, int WheelDelta, plat::TPoint MousePos, bool& Handled);
    void Btn_OKClick();
    void Btn_CancelClick();
    void Show_Values(const TParGenData& shown);
    TLoRaWANLayout Shown_LoRaWAN_Rows() const;
    // Takes the user to the field a failed check names: its panel opened and
    // scrolled into sight, the focus in it and its text selected.
    void Go_To_Field(const char* Key);
    // A paste into an edit follows the rule its typed keys follow.
    void Set_Paste_Rules();
    // The rows of the hidden panels, built from their table; ParGenModels.cpp.
    // No one sees them in this model, so they are built when something first
    // asks for them (a lookup, a count of the components, a layout routine
    // of another model) or the window is shown, and labelled then with the
    // texts the last Set_Lang gave.
    void Build_Hidden_Panels();
    void Set_Lang_Hidden_Panels();
    void Set_Lang_Hidden_Panels(const std::map<int, std::string>& Texts);
    void Fit_To(const std::string& Panel, const std::string& LastControl);
    void Show_Rows(const std::vector<std::string>& Keys, bool Visible);
    // Places the rows named by their key controls from grid row FirstRow
    // down, shows them, and returns the last one's key control.
    std::string Stack_Rows(const std::vector<std::string>& Keys, int FirstRow);
    void Enable_Address(const std::string& Prefix, bool WithCheckBox);
    void Show_Panel_By(const std::string& Panel, bool Open);
    struct TRowIndex;
    TRowIndex& Rows();
    std::shared_ptr<TRowIndex> FRows;
    // What Set_Lang gave the hidden panels while they were not built yet.
    std::shared_ptr<const std::map<int, std::string>> FHidden_Texts;

    TParGenChanges FChanges;
    bool FResizing = false;
};

extern TFParGen* FParGen;

}  // namespace gw
