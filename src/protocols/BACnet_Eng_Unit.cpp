#include "protocols/BACnet_Eng_Unit.h"

#include "gateway/GatewayControls.h"
#include "platform/Layout.h"
#include "protocols/BACnetEngUnits.h"
#include "shell/Comon.h"
#include "shell/Language.h"
#include "shell/ShellControls.h"

namespace proto {

using namespace plat;
using shell::Lang_Texts;

TFBACnet_Eng_Unit* FBACnet_Eng_Unit = nullptr;

TFBACnet_Eng_Unit::TFBACnet_Eng_Unit(TComponent* AOwner) : TLayoutForm(AOwner) {
    shell::Register_Shell_Controls();
    gw::Register_Gateway_Controls();
    LoadLayoutWhenNeeded(
        "TFBACnet_Eng_Unit",
        {{"FormCreate", TNotifyEvent([this](TObject*) { FormCreate(); })},
         {"FormShow", TNotifyEvent([this](TObject*) { FormShow(); })},
         {"CB_Select_TypeSelect", TNotifyEvent([this](TObject*) { CB_Select_TypeSelect(); })},
         {"Btn_Select_Eng_UnitClick", TNotifyEvent([this](TObject*) { Btn_Select_Eng_UnitClick(); })}},
        [this] {
            L_SW_Code = &LayoutComponent<TLabel>(*this, "L_SW_Code");
            L_SW_Desc = &LayoutComponent<TLabel>(*this, "L_SW_Desc");
            Label1 = &LayoutComponent<TLabel>(*this, "Label1");
            E_Selected_EU = &LayoutComponent<TEdit>(*this, "E_Selected_EU");
            Label5 = &LayoutComponent<TLabel>(*this, "Label5");
            Label2 = &LayoutComponent<TLabel>(*this, "Label2");
            Label3 = &LayoutComponent<TLabel>(*this, "Label3");
            CB_Select_Type = &LayoutComponent<TComboBox>(*this, "CB_Select_Type");
            Label4 = &LayoutComponent<TLabel>(*this, "Label4");
            CB_Select_Unit = &LayoutComponent<TComboBox>(*this, "CB_Select_Unit");
            Btn_Select_Eng_Unit = &LayoutComponent<ctl::TFltButton>(*this, "Btn_Select_Eng_Unit");
            Btn_OK = &LayoutComponent<ctl::TFltButton>(*this, "Btn_OK");
            Btn_Cancel = &LayoutComponent<ctl::TFltButton>(*this, "Btn_Cancel");
            // The categories come from the unit table, so the list and the numbers
            // can never disagree.
            for (const TEngUnitCategory& category : Eng_Unit_Categories())
                CB_Select_Type->Items().Add(category.Name);
            CB_Select_Type->SetItemIndex(0);
        });
}

void TFBACnet_Eng_Unit::FormCreate() {
    L_SW_Code->SetCaption(shell::SW_Code);
    SetClientHeight(306);
    SetClientWidth(548);
    Set_Lang();
}

void TFBACnet_Eng_Unit::Set_Lang() {
    SetCaption(Lang_Texts[2300]);
    L_SW_Desc->SetCaption(Lang_Texts[2301]);
    Btn_OK->SetCaption(Lang_Texts[2302]);
    Btn_Cancel->SetCaption(Lang_Texts[2303]);
    Label1->SetCaption(Lang_Texts[2304]);
    Label2->SetCaption(Lang_Texts[2305]);
    Label3->SetCaption(Lang_Texts[2306]);
    Label4->SetCaption(Lang_Texts[2307]);
    Btn_Select_Eng_Unit->SetCaption(Lang_Texts[2308]);
}

void TFBACnet_Eng_Unit::FormShow() {
    // The category chosen last time stays; its units are listed again.
    CB_Select_TypeSelect();
}

void TFBACnet_Eng_Unit::CB_Select_TypeSelect() {
    CB_Select_Unit->Items().Clear();
    const int index = CB_Select_Type->ItemIndex();
    const auto& categories = Eng_Unit_Categories();
    if (index >= 0 && index < static_cast<int>(categories.size()))
        for (const char* unit : categories[static_cast<size_t>(index)].Units)
            CB_Select_Unit->Items().Add(unit);
    CB_Select_Unit->SetItemIndex(CB_Select_Unit->Items().Count() > 0 ? 0 : -1);
}

void TFBACnet_Eng_Unit::Btn_Select_Eng_UnitClick() {
    const int number = Eng_Unit_Number(CB_Select_Type->ItemIndex(), CB_Select_Unit->ItemIndex());
    E_Selected_EU->SetText(std::to_string(number));
    Label5->SetCaption("-> " + Desc_Unit(number));
}

bool TFBACnet_Eng_Unit::Edit_Cell(std::string& Cell) {
    E_Selected_EU->SetText(Cell);
    Label5->SetCaption("-> " + Desc_Unit_Text(Cell));
    if (ShowModal() != mrOk) return false;
    Cell = E_Selected_EU->Text();
    return true;
}

}  // namespace proto
