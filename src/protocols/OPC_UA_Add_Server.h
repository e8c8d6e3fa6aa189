#pragma once
// "Add OPC UA Server" / "Modify OPC UA Server" (unit UOPC_UA_Add_Server): the
// connection settings of one server of the OPC UA client. The client window
// sets FormType, fills the controls in modify mode and takes them back after
// OK; the dialog keeps no data besides its controls.

#include "controls/FltButton.h"
#include "platform/ExtCtrls.h"
#include "platform/Forms.h"
#include "platform/Layout.h"
#include "platform/StdCtrls.h"
#include "protocols/OPC_UA_Client_Model.h"

namespace proto {

class TFOPC_UA_Add_Server : public plat::TLayoutForm {
public:
    explicit TFOPC_UA_Add_Server(plat::TComponent* AOwner);
    ~TFOPC_UA_Add_Server() override;

    void Set_Lang();

    int FormType = 1;  // 1 add, 2 modify

    // The client's side: the server's settings into the controls, and the
    // controls' values into a server (its variables stay).
    void Fill_From(const TOPC_UA_Server& Server);
    void Take_Into(TOPC_UA_Server& Server) const;

    plat::TPendingRef<plat::TPanel> P_Title{this};
    plat::TPendingRef<plat::TLabel> L_SW_Code{this};
    plat::TPendingRef<plat::TLabel> L_SW_Desc{this};
    plat::TPendingRef<plat::TCheckBox> CB_OPC_UA_Server_Enable{this};
    plat::TPendingRef<plat::TLabel> L_Server_Add{this};
    plat::TPendingRef<plat::TEdit> E_Server_Add{this};
    plat::TPendingRef<plat::TLabel> L_Auth{this};
    plat::TPendingRef<plat::TComboBox> CB_Auth{this};
    plat::TPendingRef<plat::TLabel> L_User{this};
    plat::TPendingRef<plat::TEdit> E_User{this};
    plat::TPendingRef<plat::TLabel> L_Pass{this};
    plat::TPendingRef<plat::TEdit> E_Pass{this};
    plat::TPendingRef<plat::TLabel> L_Certificate{this};
    plat::TPendingRef<plat::TMemo> RE_Certificate{this};
    plat::TPendingRef<plat::TLabel> L_Priv_Key{this};
    plat::TPendingRef<plat::TMemo> RE_Priv_Key{this};
    plat::TPendingRef<plat::TLabel> L_Sec_Type{this};
    plat::TPendingRef<plat::TComboBox> CB_Sec_Type{this};
    plat::TPendingRef<plat::TLabel> L_Sec_Policy{this};
    plat::TPendingRef<plat::TComboBox> CB_Sec_Policy{this};
    plat::TPendingRef<plat::TLabel> L_Mnemonic{this};
    plat::TPendingRef<plat::TEdit> E_Mnemonic{this};
    plat::TPendingRef<plat::TPanel> P_Button{this};
    plat::TPendingRef<ctl::TFltButton> Btn_OK{this};
    plat::TPendingRef<ctl::TFltButton> Btn_Cancel{this};

    // Shows the fields of the chosen authentication, places the rest below
    // them and fits the dialog around them.
    void Change_Fields();
    // Without message security the policy is "None" and cannot be chosen.
    void Check_Authorization();
    bool Controlla_Dati();

private:
    void FormCreate();
    void FormShow();
    void Btn_OKClick();
};

extern TFOPC_UA_Add_Server* FOPC_UA_Add_Server;

}  // namespace proto
