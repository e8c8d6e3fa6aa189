#include "protocols/OPC_UA_Add_Server.h"

#include "base/StrUtils.h"
#include "gateway/GatewayControls.h"
#include "platform/Dialogs.h"
#include "platform/Layout.h"
#include "shell/Comon.h"
#include "shell/Language.h"
#include "shell/OpcUaTexts.h"

namespace proto {

using namespace plat;
using shell::Lang_Texts;

TFOPC_UA_Add_Server* FOPC_UA_Add_Server = nullptr;

namespace {

void Register_Controls() {
    gw::Register_Gateway_Controls();
    if (!LayoutClassRegistered("TMemo"))
        RegisterLayoutClass("TMemo", "TWinControl", [](TComponent* o) { return new TMemo(o); });
}

template <class T>
T* Find(TForm& Form, const char* Name) {
    return &LayoutComponent<T>(Form, Name);
}

// Top of each field's input per authentication (anonymous, user name,
// certificate); the label stands 3 lower. 0: hidden.
struct TFieldTops {
    int Certificate, Priv_Key, Sec_Type, Sec_Policy, Mnemonic;
};
constexpr TFieldTops Field_Tops[] = {{0, 0, 168, 200, 232}, {0, 0, 232, 264, 296}, {168, 268, 368, 400, 432}};

void Place(TLabel* Label, TControl* Input, int Top) {
    Label->SetVisible(Top > 0);
    Input->SetVisible(Top > 0);
    if (Top <= 0) return;
    Input->SetTop(Top);
    Label->SetTop(Top + 3);
}

}  // namespace

TFOPC_UA_Add_Server::TFOPC_UA_Add_Server(TComponent* AOwner) : TLayoutForm(AOwner) {
    Register_Controls();
    LoadLayoutWhenNeeded("TFOPC_UA_Add_Server",
                         {{"FormCreate", TNotifyEvent([this](TObject*) { FormCreate(); })},
                          {"FormShow", TNotifyEvent([this](TObject*) { FormShow(); })},
                          {"Btn_OKClick", TNotifyEvent([this](TObject*) { Btn_OKClick(); })},
                          {"CB_AuthChange", TNotifyEvent([this](TObject*) { Change_Fields(); })},
                          {"CB_Sec_TypeChange", TNotifyEvent([this](TObject*) { Check_Authorization(); })}},
                         [this] {
                             P_Title = Find<TPanel>(*this, "P_Title");
                             L_SW_Code = Find<TLabel>(*this, "L_SW_Code");
                             L_SW_Desc = Find<TLabel>(*this, "L_SW_Desc");
                             CB_OPC_UA_Server_Enable = Find<TCheckBox>(*this, "CB_OPC_UA_Server_Enable");
                             L_Server_Add = Find<TLabel>(*this, "L_Server_Add");
                             E_Server_Add = Find<TEdit>(*this, "E_Server_Add");
                             L_Auth = Find<TLabel>(*this, "L_Auth");
                             CB_Auth = Find<TComboBox>(*this, "CB_Auth");
                             L_User = Find<TLabel>(*this, "L_User");
                             E_User = Find<TEdit>(*this, "E_User");
                             L_Pass = Find<TLabel>(*this, "L_Pass");
                             E_Pass = Find<TEdit>(*this, "E_Pass");
                             L_Certificate = Find<TLabel>(*this, "L_Certificate");
                             RE_Certificate = Find<TMemo>(*this, "RE_Certificate");
                             L_Priv_Key = Find<TLabel>(*this, "L_Priv_Key");
                             RE_Priv_Key = Find<TMemo>(*this, "RE_Priv_Key");
                             L_Sec_Type = Find<TLabel>(*this, "L_Sec_Type");
                             CB_Sec_Type = Find<TComboBox>(*this, "CB_Sec_Type");
                             L_Sec_Policy = Find<TLabel>(*this, "L_Sec_Policy");
                             CB_Sec_Policy = Find<TComboBox>(*this, "CB_Sec_Policy");
                             L_Mnemonic = Find<TLabel>(*this, "L_Mnemonic");
                             E_Mnemonic = Find<TEdit>(*this, "E_Mnemonic");
                             P_Button = Find<TPanel>(*this, "P_Button");
                             Btn_OK = Find<ctl::TFltButton>(*this, "Btn_OK");
                             Btn_Cancel = Find<ctl::TFltButton>(*this, "Btn_Cancel");
                             RE_Certificate->SetScrollBars(ssVertical);
                             RE_Priv_Key->SetScrollBars(ssVertical);
                         });
}

TFOPC_UA_Add_Server::~TFOPC_UA_Add_Server() {
    if (FOPC_UA_Add_Server == this) FOPC_UA_Add_Server = nullptr;
}

void TFOPC_UA_Add_Server::FormCreate() {
    L_SW_Code->SetCaption(shell::SW_Code);
    SetClientWidth(407);
    Set_Lang();
}

void TFOPC_UA_Add_Server::Set_Lang() {
    SetCaption(Lang_Texts[4300]);
    L_SW_Desc->SetCaption(Lang_Texts[4301]);
    CB_OPC_UA_Server_Enable->SetCaption(Lang_Texts[4304]);
    CB_OPC_UA_Server_Enable->SetHint(Lang_Texts[4305]);
    const std::pair<TLabel*, TControl*> rows[] = {{L_Server_Add, E_Server_Add},   {L_Auth, CB_Auth},
                                                  {L_User, E_User},               {L_Pass, E_Pass},
                                                  {L_Certificate, RE_Certificate}, {L_Priv_Key, RE_Priv_Key},
                                                  {L_Sec_Type, CB_Sec_Type},      {L_Sec_Policy, CB_Sec_Policy},
                                                  {L_Mnemonic, E_Mnemonic}};
    int text = 4306;
    for (const auto& [label, input] : rows) {
        label->SetCaption(Lang_Texts[text]);
        input->SetHint(Lang_Texts[text + 1]);
        text += 2;
    }
    Btn_OK->SetCaption(Lang_Texts[4324]);
    Btn_OK->SetHint(Lang_Texts[4325]);
    Btn_Cancel->SetCaption(Lang_Texts[4326]);
    Btn_Cancel->SetHint(Lang_Texts[4327]);
}

void TFOPC_UA_Add_Server::FormShow() {
    if (FormType == 2) {
        SetCaption(Lang_Texts[4302]);
        L_SW_Desc->SetCaption(Lang_Texts[4303]);
    } else {
        SetCaption(Lang_Texts[4300]);
        L_SW_Desc->SetCaption(Lang_Texts[4301]);
        CB_OPC_UA_Server_Enable->SetChecked(true);
        E_Server_Add->SetText("");
        E_User->SetText("");
        E_Pass->SetText("");
        E_Mnemonic->SetText("");
        RE_Certificate->Clear();
        RE_Priv_Key->Clear();
        CB_Auth->SetItemIndex(0);
        CB_Sec_Type->SetItemIndex(0);
    }
    Change_Fields();
    Check_Authorization();
    if (E_Server_Add->CanFocus()) E_Server_Add->SetFocus();
}

void TFOPC_UA_Add_Server::Change_Fields() {
    const int auth = CB_Auth->ItemIndex();
    if (auth >= 0 && auth <= 2) {
        const TFieldTops& tops = Field_Tops[auth];
        Place(L_User, E_User, auth == 1 ? 168 : 0);
        Place(L_Pass, E_Pass, auth == 1 ? 200 : 0);
        Place(L_Certificate, RE_Certificate, tops.Certificate);
        Place(L_Priv_Key, RE_Priv_Key, tops.Priv_Key);
        Place(L_Sec_Type, CB_Sec_Type, tops.Sec_Type);
        Place(L_Sec_Policy, CB_Sec_Policy, tops.Sec_Policy);
        Place(L_Mnemonic, E_Mnemonic, tops.Mnemonic);
    }
    SetClientHeight(P_Button->Height() + E_Mnemonic->Top() + E_Mnemonic->Height() + 15);
}

void TFOPC_UA_Add_Server::Check_Authorization() {
    if (CB_Sec_Type->ItemIndex() == 0) {
        CB_Sec_Policy->SetItemIndex(0);
        CB_Sec_Policy->SetEnabled(false);
    } else {
        CB_Sec_Policy->SetEnabled(true);
    }
}

bool TFOPC_UA_Add_Server::Controlla_Dati() {
    auto fail = [](int text) {
        MessageDlg(Lang_Texts[text], mtError, mbOK);
        return false;
    };
    if (base::Trim(E_Server_Add->Text()).empty()) return fail(4328);
    if (CB_Auth->ItemIndex() == 1) {
        if (base::Trim(E_User->Text()).empty()) return fail(4329);
        if (base::Trim(E_Pass->Text()).empty()) return fail(4330);
    } else if (CB_Auth->ItemIndex() == 2) {
        if (base::Trim(RE_Certificate->Text()).empty()) return fail(4331);
        if (base::Trim(RE_Priv_Key->Text()).empty()) return fail(4332);
    }
    return true;
}

void TFOPC_UA_Add_Server::Btn_OKClick() {
    if (Controlla_Dati()) SetModalResult(mrOk);
}

void TFOPC_UA_Add_Server::Fill_From(const TOPC_UA_Server& Server) {
    CB_OPC_UA_Server_Enable->SetChecked(Server.Enable);
    E_Server_Add->SetText(Server.ServerAddress);
    CB_Auth->SetItemIndex(shell::Text_To_OPC_UA_Auth(Server.Authorization));
    E_User->SetText(Server.UserName);
    E_Pass->SetText(Server.Password);
    RE_Certificate->SetText(Server.Certificate);
    RE_Priv_Key->SetText(Server.PrivateKey);
    CB_Sec_Type->SetItemIndex(shell::Text_To_OPC_UA_SecMode(Server.SecurityType));
    CB_Sec_Policy->SetItemIndex(shell::Text_To_OPC_UA_SecPolicy(Server.SecurityPolicy));
    E_Mnemonic->SetText(Server.Mnemonic);
}

void TFOPC_UA_Add_Server::Take_Into(TOPC_UA_Server& Server) const {
    Server.Enable = CB_OPC_UA_Server_Enable->Checked();
    Server.ServerAddress = E_Server_Add->Text();
    Server.Authorization = shell::OPC_UA_Auth_To_Text(CB_Auth->ItemIndex());
    Server.UserName = E_User->Text();
    Server.Password = E_Pass->Text();
    Server.Certificate = RE_Certificate->Text();
    Server.PrivateKey = RE_Priv_Key->Text();
    Server.SecurityType = shell::OPC_UA_SecMode_To_Text(CB_Sec_Type->ItemIndex());
    Server.SecurityPolicy = shell::OPC_UA_SecPolicy_To_Text(CB_Sec_Policy->ItemIndex());
    Server.Mnemonic = E_Mnemonic->Text();
}

}  // namespace proto
