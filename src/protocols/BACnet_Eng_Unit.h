#pragma once
// "Select the BACnet Engineering Unit": picks a unit for the server table's
// "Eng. Unit" column by category and name instead of by its number. The
// number shown in E_Selected_EU is what OK hands back, as typed.

#include <string>

#include "controls/FltButton.h"
#include "platform/Forms.h"
#include "platform/Layout.h"
#include "platform/StdCtrls.h"

namespace proto {

class TFBACnet_Eng_Unit : public plat::TLayoutForm {
public:
    explicit TFBACnet_Eng_Unit(plat::TComponent* AOwner);

    void Set_Lang();
    // The caller's side: shows the dialog on a cell's text; true, with the
    // new text in Cell, when the user pressed OK.
    bool Edit_Cell(std::string& Cell);

    plat::TPendingRef<plat::TLabel> L_SW_Code{this};
    plat::TPendingRef<plat::TLabel> L_SW_Desc{this};
    plat::TPendingRef<plat::TLabel> Label1{this};
    plat::TPendingRef<plat::TEdit> E_Selected_EU{this};
    plat::TPendingRef<plat::TLabel> Label5{this};
    plat::TPendingRef<plat::TLabel> Label2{this};
    plat::TPendingRef<plat::TLabel> Label3{this};
    plat::TPendingRef<plat::TComboBox> CB_Select_Type{this};
    plat::TPendingRef<plat::TLabel> Label4{this};
    plat::TPendingRef<plat::TComboBox> CB_Select_Unit{this};
    plat::TPendingRef<ctl::TFltButton> Btn_Select_Eng_Unit{this};
    plat::TPendingRef<ctl::TFltButton> Btn_OK{this};
    plat::TPendingRef<ctl::TFltButton> Btn_Cancel{this};

private:
    void FormCreate();
    void FormShow();
    void CB_Select_TypeSelect();
    void Btn_Select_Eng_UnitClick();
};

extern TFBACnet_Eng_Unit* FBACnet_Eng_Unit;

}  // namespace proto
