#pragma once
// "Open Configuration": lists the configuration folders and hands the chosen
// name back in Name_Conf; the main window opens it.

#include <string>
#include <vector>

#include "controls/FltButton.h"
#include "platform/Forms.h"
#include "platform/StdCtrls.h"

namespace shell {

class TFOpenConf : public plat::TForm {
public:
    explicit TFOpenConf(plat::TComponent* AOwner);

    void Set_Lang();
    // The name chosen; empty when the list is empty.
    std::string Name_Conf;
    std::vector<std::string> SL;

    plat::TLabel* L_SW_Code;
    plat::TLabel* L_SW_Desc;
    plat::TLabel* Label1;
    plat::TListBox* ListBox1;
    ctl::TFltButton* Btn_OK;
    ctl::TFltButton* Btn_Cancel;

private:
    void FormCreate();
    void FormShow();
    void ListBox1Click();
    void ListBox1DblClick();
};

extern TFOpenConf* FOpenConf;

}  // namespace shell
