#pragma once
// The device update dialog (unit UBoot): the user enters the device's
// address and what to send; "Execute Update Firmware" checks by echo that
// the device answers, writes the updater's parameter file and runs the
// updater. The road itself lives in BootUpdate; this window copies its
// controls in and shows the numbered message that comes back.

#include <memory>

#include "gateway/BootUpdate.h"
#include "platform/ExtCtrls.h"
#include "platform/Forms.h"
#include "platform/StdCtrls.h"

namespace grid {
class TExtColumnGrid;
}

namespace gw {

class TFBoot : public plat::TForm {
public:
    explicit TFBoot(plat::TComponent* AOwner);
    ~TFBoot() override;

    void Set_Lang();
    // 1 Ethernet layout (the one the main window sets), 0 serial, 2 USB
    // captions.
    int Form_Type = Boot_Ethernet;
    int BACnetType = 0;

    // The echo, clock and launcher the update road uses; the pause is the
    // window's own, which lets it handle its messages while it waits.
    // Replaceable so that a test can stand in for the network.
    TBootServices Services;

    // The outcome of the last press of Btn_Update (Busy when it was refused).
    const TBootOutcome& Last_Outcome() const { return FLastOutcome; }

    plat::TPanel* P_Title;
    plat::TLabel* L_SW_Code;
    plat::TLabel* L_SW_Desc;
    plat::TPanel* P_Button;
    plat::TControl* Btn_Cancel;
    plat::TControl* Btn_Update;
    plat::TPanel* P_IP_Address;
    plat::TLabel* L_IP_Address;
    plat::TEdit* E_IP1;
    plat::TEdit* E_IP2;
    plat::TEdit* E_IP3;
    plat::TEdit* E_IP4;
    plat::TPanel* P_Options;
    plat::TLabel* L_Update_Option;
    plat::TComboBox* CB_Update_Options;
    plat::TCheckBox* CB_Update_Option_Read_Back;
    plat::TPanel* P_Serial;
    plat::TLabel* L_COM_Port;
    plat::TComboBox* CB_COM_Port;
    plat::TControl* Btn_COM_List;
    plat::TPanel* P_Eth_Search;
    plat::TLabel* L_List_Device;
    plat::TControl* Btn_Search;
    // The devices a network search would find; the search itself is not
    // part of this gateway's dialog, so the panel is never shown.
    grid::TExtColumnGrid* ACG_List_Devices;
    plat::TCheckBox* CB_Find_All_VKR;

private:
    void FormShow();
    void KeyPress(plat::TObject* Sender, char32_t& Key);
    void Btn_UpdateClick();
    void Btn_COM_ListClick();
    void update_ComPort();
    TBootInput Read_Input() const;

    std::unique_ptr<TBootUpdate> FUpdate;
    TBootOutcome FLastOutcome;
};

extern TFBoot* FBoot;

}  // namespace gw
