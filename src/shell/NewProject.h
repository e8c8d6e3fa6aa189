#pragma once
// "Create New Configuration": asks for a name and creates the configuration
// folder through Create_New_Project, which also makes it the open one.

#include "controls/FltButton.h"
#include "platform/Forms.h"
#include "platform/Layout.h"
#include "platform/StdCtrls.h"

namespace shell {

class TFNew_Project : public plat::TLayoutForm {
public:
    explicit TFNew_Project(plat::TComponent* AOwner);

    void Set_Lang();

    plat::TPendingRef<plat::TLabel> L_SW_Code{this};
    plat::TPendingRef<plat::TLabel> L_SW_Desc{this};
    plat::TPendingRef<plat::TLabel> Label1{this};
    plat::TPendingRef<plat::TEdit> E_New_Proj{this};
    plat::TPendingRef<ctl::TFltButton> Btn_OK{this};
    plat::TPendingRef<ctl::TFltButton> Btn_Cancel{this};

private:
    void FormCreate();
    void FormShow();
    void Btn_OKClick();
    void E_New_ProjKeyPress(char32_t& Key);
};

extern TFNew_Project* FNew_Project;

}  // namespace shell
