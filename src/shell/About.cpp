#include "shell/About.h"

#include "platform/Layout.h"
#include "platform/Application.h"
#include "shell/Language.h"
#include "shell/ShellControls.h"
#include "shell/VersionCheck.h"

namespace shell {

using namespace plat;

TFAbout* FAbout = nullptr;

TFAbout::TFAbout(TComponent* AOwner) : TLayoutForm(AOwner) {
    Register_Shell_Controls();
    LoadLayoutWhenNeeded("TFAbout",
                         {{"FormShow", TNotifyEvent([this](TObject*) { FormShow(); })},
                          {"Label4Click", TNotifyEvent([this](TObject*) { Label4Click(); })}},
                         [this] {
                             Image2 = &LayoutComponent<TImage>(*this, "Image2");
                             Label1 = &LayoutComponent<TLabel>(*this, "Label1");
                             Label2 = &LayoutComponent<TLabel>(*this, "Label2");
                             Label3 = &LayoutComponent<TLabel>(*this, "Label3");
                             Label4 = &LayoutComponent<TLabel>(*this, "Label4");
                             Label6 = &LayoutComponent<TLabel>(*this, "Label6");
                             Label8 = &LayoutComponent<TLabel>(*this, "Label8");
                             Label9 = &LayoutComponent<TLabel>(*this, "Label9");
                             Label10 = &LayoutComponent<TLabel>(*this, "Label10");
                             Label12 = &LayoutComponent<TLabel>(*this, "Label12");
                             FltButton1 = &LayoutComponent<ctl::TFltButton>(*this, "FltButton1");
                             // The web address is the site the program talks to, so it follows the
                             // configured host.
                             Label4->SetCaption(Web_Address_Text());
                         });
}

void TFAbout::FormShow() {
    Label2->SetCaption(Const_SW_Desc);
    Label9->SetCaption(Const_SW_Code);
    Label10->SetCaption(Own_Version);
    Label12->SetCaption(Document_Code);
    SetClientWidth(425);
    SetClientHeight(148);
}

void TFAbout::Label4Click() {
    ShellOpen(Home_Page_Url());
}

}  // namespace shell
