#include "gateway/Boot.h"

#include "gateway/EditPaste.h"
#include "gateway/GatewayControls.h"
#include "grid/ExtCGrid.h"
#include "gateway/KeyFilters.h"
#include "platform/Application.h"
#include "platform/Dialogs.h"
#include "platform/Layout.h"
#include "platform/Process.h"
#include "shell/Comon.h"
#include "shell/Language.h"
#include "shell/ValueHelpers.h"

namespace gw {

using namespace plat;
using shell::Lang_Texts;

TFBoot* FBoot = nullptr;

TFBoot::TFBoot(TComponent* AOwner) : TLayoutForm(AOwner), Services(PlatformBootServices()) {
    Register_Gateway_Controls();
    // While the echo check waits, the window keeps painting and answering.
    Services.pause = [](int ms) {
        const long long end = TickCountMs() + ms;
        do {
            Application->ProcessMessages();
            SleepMs(1);
        } while (TickCountMs() < end);
    };
    Services.start = [this](const std::string& program, const std::string& parameter, bool hidden) {
        return Run_Updater(program, parameter, hidden);
    };
    LoadLayoutWhenNeeded("TFBoot",
                         {{"FormShow", TNotifyEvent([this](TObject*) { FormShow(); })},
                          {"KeyPress", TKeyPressEvent([this](TObject* s, char32_t& k) { KeyPress(s, k); })},
                          {"Btn_UpdateClick", TNotifyEvent([this](TObject*) { Btn_UpdateClick(); })},
                          {"Btn_COM_ListClick", TNotifyEvent([this](TObject*) { Btn_COM_ListClick(); })}},
                         [this] {
                             P_Title = &LayoutComponent<TPanel>(*this, "P_Title");
                             L_SW_Code = &LayoutComponent<TLabel>(*this, "L_SW_Code");
                             L_SW_Desc = &LayoutComponent<TLabel>(*this, "L_SW_Desc");
                             P_Button = &LayoutComponent<TPanel>(*this, "P_Button");
                             L_Status = &LayoutComponent<TLabel>(*this, "L_Status");
                             Btn_Cancel = &LayoutComponent<TControl>(*this, "Btn_Cancel");
                             Btn_Update = &LayoutComponent<TControl>(*this, "Btn_Update");
                             P_IP_Address = &LayoutComponent<TPanel>(*this, "P_IP_Address");
                             L_IP_Address = &LayoutComponent<TLabel>(*this, "L_IP_Address");
                             E_IP1 = &LayoutComponent<TEdit>(*this, "E_IP1");
                             E_IP2 = &LayoutComponent<TEdit>(*this, "E_IP2");
                             E_IP3 = &LayoutComponent<TEdit>(*this, "E_IP3");
                             E_IP4 = &LayoutComponent<TEdit>(*this, "E_IP4");
                             // A pasted address fills the numbers as typing it does.
                             TEdit* ips[] = {E_IP1, E_IP2, E_IP3, E_IP4};
                             for (int i = 0; i < 4; ++i)
                                 Paste_As_Typed(*ips[i], {}, std::vector<TEdit*>(ips + i + 1, ips + 4), U'.');
                             P_Options = &LayoutComponent<TPanel>(*this, "P_Options");
                             L_Update_Option = &LayoutComponent<TLabel>(*this, "L_Update_Option");
                             CB_Update_Options = &LayoutComponent<TComboBox>(*this, "CB_Update_Options");
                             CB_Update_Option_Read_Back =
                                 &LayoutComponent<TCheckBox>(*this, "CB_Update_Option_Read_Back");
                             P_Serial = &LayoutComponent<TPanel>(*this, "P_Serial");
                             L_COM_Port = &LayoutComponent<TLabel>(*this, "L_COM_Port");
                             CB_COM_Port = &LayoutComponent<TComboBox>(*this, "CB_COM_Port");
                             Btn_COM_List = &LayoutComponent<TControl>(*this, "Btn_COM_List");
                             P_Eth_Search = &LayoutComponent<TPanel>(*this, "P_Eth_Search");
                             L_List_Device = &LayoutComponent<TLabel>(*this, "L_List_Device");
                             Btn_Search = &LayoutComponent<TControl>(*this, "Btn_Search");
                             CB_Find_All_VKR = &LayoutComponent<TCheckBox>(*this, "CB_Find_All_VKR");
                             ACG_List_Devices = new grid::TExtColumnGrid(this);
                             ACG_List_Devices->SetName("ACG_List_Devices");
                             ACG_List_Devices->SetParent(P_Eth_Search);
                             ACG_List_Devices->SetBounds(12, 22, 425, 122);
                             ACG_List_Devices->SetShowHint(true);
                             ACG_List_Devices->SetColCount(2);
                             ACG_List_Devices->SetFixedCols(0);
                             ACG_List_Devices->SetRowCount(2);
                             ACG_List_Devices->SetFixedRows(1);
                             ACG_List_Devices->SetColWidths(0, 200);
                             ACG_List_Devices->SetColWidths(1, 200);
                         });
}

TFBoot::~TFBoot() {
    if (FBoot == this) FBoot = nullptr;
}

void TFBoot::Set_Lang() {
    switch (Form_Type) {
        case Boot_Serial:
            SetCaption(Lang_Texts[1600]);
            L_SW_Desc->SetCaption(Lang_Texts[1601]);
            break;
        case Boot_Ethernet:
            SetCaption(Lang_Texts[1602]);
            L_SW_Desc->SetCaption(Lang_Texts[1603]);
            break;
        case Boot_USB:
            SetCaption(Lang_Texts[1604]);
            L_SW_Desc->SetCaption(Lang_Texts[1605]);
            break;
        default:
            break;
    }
    L_IP_Address->SetCaption(Lang_Texts[1606]);
    L_List_Device->SetCaption(Lang_Texts[1609]);
    Btn_Search->SetCaption(Lang_Texts[1610]);
    ACG_List_Devices->Columns().Items(0).SetHeader(Lang_Texts[1611]);
    ACG_List_Devices->Columns().Items(1).SetHeader(Lang_Texts[1612]);
    CB_Find_All_VKR->SetCaption(Lang_Texts[1613]);
    L_Update_Option->SetCaption(Lang_Texts[1614]);
    CB_Update_Options->Items().Clear();
    CB_Update_Options->Items().Add(Lang_Texts[1615]);
    CB_Update_Options->Items().Add(Lang_Texts[1616]);
    CB_Update_Options->Items().Add(Lang_Texts[1617]);
    CB_Update_Options->SetItemIndex(0);
    CB_Update_Option_Read_Back->SetCaption(Lang_Texts[1618]);
    Btn_Cancel->SetCaption(Lang_Texts[1619]);
    Btn_Update->SetCaption(Lang_Texts[1620]);
    E_IP1->SetHint(Lang_Texts[1621]);
    E_IP2->SetHint(Lang_Texts[1622]);
    E_IP3->SetHint(Lang_Texts[1623]);
    E_IP4->SetHint(Lang_Texts[1624]);
    Btn_Search->SetHint(Lang_Texts[1629]);
    ACG_List_Devices->SetHint(Lang_Texts[1630]);
    CB_Find_All_VKR->SetHint(Lang_Texts[1631]);
    CB_Update_Options->SetHint(Lang_Texts[1632]);
    CB_Update_Option_Read_Back->SetHint(Lang_Texts[1633]);
    Btn_Cancel->SetHint(Lang_Texts[1634]);
    Btn_Update->SetHint(Lang_Texts[1635]);
}

void TFBoot::FormShow() {
    Set_Lang();
    L_SW_Code->SetCaption(shell::SW_Code);
    for (TPanel* p : {P_IP_Address, P_Eth_Search, P_Options, P_Serial}) {
        p->Hide();
        p->SetAlign(alNone);
    }
    // The shown panels stack under the title in the order given.
    auto stack = [this](std::initializer_list<TPanel*> panels) {
        int top = P_Title->Height();
        for (TPanel* p : panels) {
            p->SetBounds(0, top, ClientWidth(), p->Height());
            p->Show();
            top += p->Height();
        }
        SetClientHeight(top + P_Button->Height());
    };
    auto restore = [this] {
        TBootInput input;
        Restore_Boot_Input(input);
        CB_Update_Options->SetItemIndex(input.option);
        CB_Update_Option_Read_Back->SetChecked(input.readBack);
        return input;
    };
    if (Form_Type == Boot_Ethernet) {
        SetClientWidth(449);
        stack({P_IP_Address, P_Options});
        P_Title->SetTabOrder(0);
        P_IP_Address->SetTabOrder(1);
        P_Eth_Search->SetTabOrder(2);
        P_Options->SetTabOrder(3);
        P_Button->SetTabOrder(4);
        P_Serial->SetTabOrder(5);
        TBootInput input;
        input.ip1 = E_IP1->Text();
        input.ip2 = E_IP2->Text();
        input.ip3 = E_IP3->Text();
        input.ip4 = E_IP4->Text();
        Restore_Boot_Input(input);
        E_IP1->SetText(input.ip1);
        E_IP2->SetText(input.ip2);
        E_IP3->SetText(input.ip3);
        E_IP4->SetText(input.ip4);
        CB_Update_Options->SetItemIndex(input.option);
        CB_Update_Option_Read_Back->SetChecked(input.readBack);
        // The window is not shown yet, so the edit cannot take the focus
        // itself: it is named the active control, which the showing
        // focuses. Left to the tab order, the focus would start on the
        // update button, and a reflex Enter would start an update.
        SetActiveControl(E_IP1);
    } else if (Form_Type == Boot_Serial) {
        SetClientWidth(449);
        stack({P_Serial, P_Options});
        P_Title->SetTabOrder(0);
        P_Serial->SetTabOrder(1);
        P_Options->SetTabOrder(2);
        P_Button->SetTabOrder(3);
        P_IP_Address->SetTabOrder(4);
        P_Eth_Search->SetTabOrder(5);
        restore();
        update_ComPort();
        SetActiveControl(CB_COM_Port);
    }
}

void TFBoot::KeyPress(TObject* Sender, char32_t& Key) {
    const TEdit* edits[] = {E_IP1, E_IP2, E_IP3, E_IP4};
    for (int i = 0; i < 4; ++i) {
        if (Sender != edits[i]) continue;
        const TIpKeyAnswer answer = IpEditKeyPress(i + 1, Key);
        Key = answer.key.accepted ? answer.key.key : 0;
        if (answer.focusTo >= 1 && answer.focusTo <= 4) {
            TEdit* next = const_cast<TEdit*>(edits[answer.focusTo - 1]);
            // Selected, so an address typed in one go replaces the old one.
            if (next->CanFocus()) {
                next->SetFocus();
                next->SelectAll();
            }
        }
        return;
    }
}

TBootInput TFBoot::Read_Input() const {
    TBootInput input;
    input.formType = Form_Type;
    input.ip1 = E_IP1->Text();
    input.ip2 = E_IP2->Text();
    input.ip3 = E_IP3->Text();
    input.ip4 = E_IP4->Text();
    input.option = CB_Update_Options->ItemIndex();
    input.readBack = CB_Update_Option_Read_Back->Checked();
    return input;
}

void TFBoot::Btn_UpdateClick() {
    // The check hands the window its messages while it waits, so a second
    // press could arrive in the middle of it: the button is off until the
    // road is over, and the road itself refuses to start twice.
    if (FUpdate != nullptr && FUpdate->Busy()) {
        FLastOutcome = TBootOutcome{};
        FLastOutcome.status = TBootStatus::Busy;
        return;
    }
    // The updater would start and fail on a firmware file that is not
    // there: the user hears of it first and may stop.
    if (Form_Type == Boot_Ethernet) {
        const std::string firmware = Missing_Firmware(CB_Update_Options->ItemIndex());
        if (!firmware.empty() && MessageDlg(Lang_Texts[Text_Firmware_Missing] + "\n" + firmware + "\n" +
                                                Lang_Texts[Text_Start_Anyway],
                                            mtWarning, mbYesNo) != mrYes)
            return;
    }
    FUpdate = std::make_unique<TBootUpdate>(Services);
    TBootUpdate& road = *FUpdate;
    Btn_Update->SetEnabled(false);
    TBootOutcome outcome = road.Btn_UpdateClick(Read_Input());
    Btn_Update->SetEnabled(true);
    FLastOutcome = outcome;
    const std::string text = BootMessage(outcome);
    if (text.empty()) return;
    if (outcome.IsWarning()) MessageDlg(text, mtWarning, mbOK);
    else if (outcome.IsError()) MessageDlg(text, mtError, mbOK);
    else if (outcome.IsInformation()) MessageDlg(text, mtInformation, mbOK);
}

shell::TStartResult TFBoot::Run_Updater(const std::string& Program, const std::string& Parameter, bool Hidden) {
    // The updater is writing the device: the user may watch, not act.
    L_Status->SetCaption(Lang_Texts[Text_Updating]);
    shell::TStartResult result;
    {
        TInputBlock block;
        Application->ProcessMessages();
        result = shell::Start_Program(Program, Parameter, Hidden, Services.updaterLimitMs, Services.pause);
    }
    L_Status->SetCaption("");
    return result;
}

void TFBoot::Btn_COM_ListClick() { update_ComPort(); }

void TFBoot::update_ComPort() {
    const base::TStringList ports = shell::List_COM_Ports();
    CB_COM_Port->Items().Clear();
    for (int i = 0; i < ports.Count(); ++i) CB_COM_Port->Items().Add("COM" + ports[i]);
    CB_COM_Port->SetItemIndex(0);
}

}  // namespace gw
