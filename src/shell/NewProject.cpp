#include "shell/NewProject.h"

#include "platform/Dialogs.h"
#include "platform/Layout.h"
#include "shell/Comon.h"
#include "shell/Language.h"
#include "shell/ProjectNames.h"
#include "shell/ShellControls.h"

namespace shell {

using namespace plat;

TFNew_Project* FNew_Project = nullptr;

TFNew_Project::TFNew_Project(TComponent* AOwner) : TLayoutForm(AOwner) {
    Register_Shell_Controls();
    LoadLayoutWhenNeeded("TFNew_Project",
                         {{"FormCreate", TNotifyEvent([this](TObject*) { FormCreate(); })},
                          {"FormShow", TNotifyEvent([this](TObject*) { FormShow(); })},
                          {"Btn_OKClick", TNotifyEvent([this](TObject*) { Btn_OKClick(); })},
                          {"E_New_ProjKeyPress",
                           TKeyPressEvent([this](TObject*, char32_t& Key) { E_New_ProjKeyPress(Key); })}},
                         [this] {
                             L_SW_Code = &LayoutComponent<TLabel>(*this, "L_SW_Code");
                             L_SW_Desc = &LayoutComponent<TLabel>(*this, "L_SW_Desc");
                             Label1 = &LayoutComponent<TLabel>(*this, "Label1");
                             E_New_Proj = &LayoutComponent<TEdit>(*this, "E_New_Proj");
                             Btn_OK = &LayoutComponent<ctl::TFltButton>(*this, "Btn_OK");
                             Btn_Cancel = &LayoutComponent<ctl::TFltButton>(*this, "Btn_Cancel");
                         });
}

void TFNew_Project::FormCreate() {
    L_SW_Code->SetCaption(SW_Code);
    SetClientWidth(331);
    SetClientHeight(162);
    Set_Lang();
}

void TFNew_Project::FormShow() {
    E_New_Proj->SetText("");
    if (E_New_Proj->CanFocus()) E_New_Proj->SetFocus();
}

void TFNew_Project::E_New_ProjKeyPress(char32_t& Key) {
    if (Key == 13) {
        Key = 0;
        Btn_OKClick();
    }
}

void TFNew_Project::Btn_OKClick() {
    const int refusal = Create_New_Project(E_New_Proj->Text());
    if (refusal != 0) {
        MessageDlg(Lang_Texts[refusal], mtError, mbOK);
        return;
    }
    SetModalResult(mrOk);
}

void TFNew_Project::Set_Lang() {
    SetCaption(Lang_Texts[100]);
    L_SW_Desc->SetCaption(Lang_Texts[101]);
    Label1->SetCaption(Lang_Texts[102]);
    Btn_OK->SetCaption(Lang_Texts[103]);
    Btn_Cancel->SetCaption(Lang_Texts[104]);
    E_New_Proj->SetHint(Lang_Texts[108]);
    Btn_OK->SetHint(Lang_Texts[109]);
    Btn_Cancel->SetHint(Lang_Texts[110]);
}

}  // namespace shell
