#pragma once
// "Select the BACnet Engineering Unit": picks a unit for the server table's
// "Eng. Unit" column by category and name instead of by its number. The
// number shown in E_Selected_EU is what OK hands back, as typed.

#include <string>

#include "controls/FltButton.h"
#include "platform/Forms.h"
#include "platform/StdCtrls.h"

namespace proto {

class TFBACnet_Eng_Unit : public plat::TForm {
public:
    explicit TFBACnet_Eng_Unit(plat::TComponent* AOwner);

    void Set_Lang();
    // The caller's side: shows the dialog on a cell's text; true, with the
    // new text in Cell, when the user pressed OK.
    bool Edit_Cell(std::string& Cell);

    plat::TLabel* L_SW_Code;
    plat::TLabel* L_SW_Desc;
    plat::TLabel* Label1;
    plat::TEdit* E_Selected_EU;
    plat::TLabel* Label5;
    plat::TLabel* Label2;
    plat::TLabel* Label3;
    plat::TComboBox* CB_Select_Type;
    plat::TLabel* Label4;
    plat::TComboBox* CB_Select_Unit;
    ctl::TFltButton* Btn_Select_Eng_Unit;
    ctl::TFltButton* Btn_OK;
    ctl::TFltButton* Btn_Cancel;

private:
    void FormCreate();
    void FormShow();
    void CB_Select_TypeSelect();
    void Btn_Select_Eng_UnitClick();
};

extern TFBACnet_Eng_Unit* FBACnet_Eng_Unit;

}  // namespace proto
