#pragma once
// The "About..." box. Its texts are fixed English: a language change leaves
// it alone.

#include "controls/FltButton.h"
#include "platform/ExtCtrls.h"
#include "platform/Forms.h"
#include "platform/Layout.h"
#include "platform/StdCtrls.h"

namespace shell {

class TFAbout : public plat::TLayoutForm {
public:
    explicit TFAbout(plat::TComponent* AOwner);

    plat::TPendingRef<plat::TImage> Image2{this};
    plat::TPendingRef<plat::TLabel> Label1{this};
    plat::TPendingRef<plat::TLabel> Label2{this};
    plat::TPendingRef<plat::TLabel> Label3{this};
    plat::TPendingRef<plat::TLabel> Label4{this};
    plat::TPendingRef<plat::TLabel> Label6{this};
    plat::TPendingRef<plat::TLabel> Label8{this};
    plat::TPendingRef<plat::TLabel> Label9{this};
    plat::TPendingRef<plat::TLabel> Label10{this};
    plat::TPendingRef<plat::TLabel> Label12{this};
    plat::TPendingRef<ctl::TFltButton> FltButton1{this};

private:
    void FormShow();
    void Label4Click();
};

extern TFAbout* FAbout;

}  // namespace shell
