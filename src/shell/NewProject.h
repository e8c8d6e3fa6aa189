#pragma once
// "Create New Configuration": asks for a name and creates the configuration
// folder through Create_New_Project, which also makes it the open one.

#include "controls/FltButton.h"
#include "platform/Forms.h"
#include "platform/StdCtrls.h"

namespace shell {

class TFNew_Project : public plat::TForm {
public:
    explicit TFNew_Project(plat::TComponent* AOwner);

    void Set_Lang();

    plat::TLabel* L_SW_Code;
    plat::TLabel* L_SW_Desc;
    plat::TLabel* Label1;
    plat::TEdit* E_New_Proj;
    ctl::TFltButton* Btn_OK;
    ctl::TFltButton* Btn_Cancel;

private:
    void FormCreate();
    void FormShow();
    void Btn_OKClick();
    void E_New_ProjKeyPress(char32_t& Key);
};

extern TFNew_Project* FNew_Project;

}  // namespace shell
