#include "shell/OpenConf.h"

#include "platform/Layout.h"
#include "shell/Comon.h"
#include "shell/Language.h"
#include "shell/ProjectNames.h"
#include "shell/ShellControls.h"

namespace shell {

using namespace plat;

TFOpenConf* FOpenConf = nullptr;

TFOpenConf::TFOpenConf(TComponent* AOwner) : TLayoutForm(AOwner) {
    Register_Shell_Controls();
    LoadLayoutWhenNeeded("TFOpenConf",
                         {{"FormCreate", TNotifyEvent([this](TObject*) { FormCreate(); })},
                          {"FormShow", TNotifyEvent([this](TObject*) { FormShow(); })},
                          {"ListBox1Click", TNotifyEvent([this](TObject*) { ListBox1Click(); })},
                          {"ListBox1DblClick", TNotifyEvent([this](TObject*) { ListBox1DblClick(); })}},
                         [this] {
                             L_SW_Code = &LayoutComponent<TLabel>(*this, "L_SW_Code");
                             L_SW_Desc = &LayoutComponent<TLabel>(*this, "L_SW_Desc");
                             Label1 = &LayoutComponent<TLabel>(*this, "Label1");
                             ListBox1 = &LayoutComponent<TListBox>(*this, "ListBox1");
                             Btn_OK = &LayoutComponent<ctl::TFltButton>(*this, "Btn_OK");
                             Btn_Cancel = &LayoutComponent<ctl::TFltButton>(*this, "Btn_Cancel");
                         });
}

void TFOpenConf::FormCreate() {
    L_SW_Code->SetCaption(SW_Code);
    SetClientWidth(377);
    SetClientHeight(351);
    Set_Lang();
}

void TFOpenConf::FormShow() {
    SL = Load_Existing_Configuration(Projects_Dir);
    ListBox1->Items().Assign(SL);
    const int selected = Preselect_Configuration(SL, Conf_Path, Projects_Dir);
    ListBox1->SetItemIndex(selected);
    Name_Conf = selected >= 0 ? SL[static_cast<size_t>(selected)] : std::string();
}

void TFOpenConf::ListBox1Click() {
    const int i = ListBox1->ItemIndex();
    if (i >= 0 && i < ListBox1->Items().Count()) Name_Conf = ListBox1->Items()[i];
}

void TFOpenConf::ListBox1DblClick() {
    // A double click on a configuration opens it, as OK would; one beside
    // the entries chooses nothing.
    const int i = ListBox1->ItemIndex();
    if (i < 0 || i >= ListBox1->Items().Count()) return;
    ListBox1Click();
    SetModalResult(mrOk);
}

void TFOpenConf::Set_Lang() {
    SetCaption(Lang_Texts[200]);
    L_SW_Desc->SetCaption(Lang_Texts[201]);
    Label1->SetCaption(Lang_Texts[202]);
    Btn_OK->SetCaption(Lang_Texts[203]);
    Btn_Cancel->SetCaption(Lang_Texts[204]);
    ListBox1->SetHint(Lang_Texts[205]);
    Btn_OK->SetHint(Lang_Texts[206]);
    Btn_Cancel->SetHint(Lang_Texts[207]);
}

}  // namespace shell
