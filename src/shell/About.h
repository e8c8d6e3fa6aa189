#pragma once
// The "About..." box. Its texts are fixed English: a language change leaves
// it alone.

#include "controls/FltButton.h"
#include "platform/ExtCtrls.h"
#include "platform/Forms.h"
#include "platform/StdCtrls.h"

namespace shell {

class TFAbout : public plat::TForm {
public:
    explicit TFAbout(plat::TComponent* AOwner);

    plat::TImage* Image2;
    plat::TLabel* Label1;
    plat::TLabel* Label2;
    plat::TLabel* Label3;
    plat::TLabel* Label4;
    plat::TLabel* Label6;
    plat::TLabel* Label8;
    plat::TLabel* Label9;
    plat::TLabel* Label10;
    plat::TLabel* Label12;
    ctl::TFltButton* FltButton1;

private:
    void FormShow();
    void Label4Click();
};

extern TFAbout* FAbout;

}  // namespace shell
