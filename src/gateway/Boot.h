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
#include "platform/Layout.h"
#include "platform/StdCtrls.h"

namespace grid {
class TExtColumnGrid;
}

namespace gw {

class TFBoot : public plat::TLayoutForm {
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

    plat::TPendingRef<plat::TPanel> P_Title{this};
    plat::TPendingRef<plat::TLabel> L_SW_Code{this};
    plat::TPendingRef<plat::TLabel> L_SW_Desc{this};
    plat::TPendingRef<plat::TPanel> P_Button{this};
    plat::TPendingRef<plat::TLabel> L_Status{this};
    plat::TPendingRef<plat::TControl> Btn_Cancel{this};
    plat::TPendingRef<plat::TControl> Btn_Update{this};
    plat::TPendingRef<plat::TPanel> P_IP_Address{this};
    plat::TPendingRef<plat::TLabel> L_IP_Address{this};
    plat::TPendingRef<plat::TEdit> E_IP1{this};
    plat::TPendingRef<plat::TEdit> E_IP2{this};
    plat::TPendingRef<plat::TEdit> E_IP3{this};
    plat::TPendingRef<plat::TEdit> E_IP4{this};
    plat::TPendingRef<plat::TPanel> P_Options{this};
    plat::TPendingRef<plat::TLabel> L_Update_Option{this};
    plat::TPendingRef<plat::TComboBox> CB_Update_Options{this};
    plat::TPendingRef<plat::TCheckBox> CB_Update_Option_Read_Back{this};
    plat::TPendingRef<plat::TPanel> P_Serial{this};
    plat::TPendingRef<plat::TLabel> L_COM_Port{this};
    plat::TPendingRef<plat::TComboBox> CB_COM_Port{this};
    plat::TPendingRef<plat::TControl> Btn_COM_List{this};
    plat::TPendingRef<plat::TPanel> P_Eth_Search{this};
    plat::TPendingRef<plat::TLabel> L_List_Device{this};
    plat::TPendingRef<plat::TControl> Btn_Search{this};
    // The devices a network search would find; the search itself is not
    // part of this gateway's dialog, so the panel is never shown.
    plat::TPendingRef<grid::TExtColumnGrid> ACG_List_Devices{this};
    plat::TPendingRef<plat::TCheckBox> CB_Find_All_VKR{this};

private:
    void FormShow();
    void KeyPress(plat::TObject* Sender, char32_t& Key);
    void Btn_UpdateClick();
    void Btn_COM_ListClick();
    void update_ComPort();
    TBootInput Read_Input() const;
    // Runs the updater with the window painted and saying so, the wait
    // cursor showing and no input taken until it ends or the limit passes.
    shell::TStartResult Run_Updater(const std::string& Program, const std::string& Parameter, bool Hidden);

    std::unique_ptr<TBootUpdate> FUpdate;
    TBootOutcome FLastOutcome;
};

extern TFBoot* FBoot;

}  // namespace gw
