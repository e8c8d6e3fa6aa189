#pragma once
// "Open Configuration": lists the configuration folders and hands the chosen
// name back in Name_Conf; the main window opens it.

#include <string>
#include <vector>

#include "controls/FltButton.h"
#include "platform/Forms.h"
#include "platform/Layout.h"
#include "platform/StdCtrls.h"

namespace shell {

class TFOpenConf : public plat::TLayoutForm {
public:
    explicit TFOpenConf(plat::TComponent* AOwner);

    void Set_Lang();
    // The name chosen; empty when the list is empty.
    std::string Name_Conf;
    std::vector<std::string> SL;

    plat::TPendingRef<plat::TLabel> L_SW_Code{this};
    plat::TPendingRef<plat::TLabel> L_SW_Desc{this};
    plat::TPendingRef<plat::TLabel> Label1{this};
    plat::TPendingRef<plat::TListBox> ListBox1{this};
    plat::TPendingRef<ctl::TFltButton> Btn_OK{this};
    plat::TPendingRef<ctl::TFltButton> Btn_Cancel{this};

private:
    void FormCreate();
    void FormShow();
    void ListBox1Click();
    void ListBox1DblClick();
};

extern TFOpenConf* FOpenConf;

}  // namespace shell
