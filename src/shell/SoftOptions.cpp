#include "shell/SoftOptions.h"

#include <algorithm>

#include "base/Files.h"
#include "base/StrUtils.h"
#include "platform/Dialogs.h"
#include "platform/Layout.h"
#include "platform/Application.h"
#include "shell/Comon.h"
#include "shell/Language.h"
#include "shell/ShellControls.h"
#include "shell/VersionCheck.h"

namespace shell {

using namespace plat;

TFSoftOptions* FSoftOptions = nullptr;

std::vector<std::string> Language_Files(const std::string& folder) {
    std::vector<std::string> files = base::ListFiles(folder, "*.lng");
    std::stable_sort(files.begin(), files.end(),
                     [](const std::string& a, const std::string& b) { return base::CompareText(a, b) < 0; });
    return files;
}

int Lang_Page_Count(int fileCount) {
    return (fileCount + Lang_Slots_Per_Page - 1) / Lang_Slots_Per_Page;
}

int Lang_Slots_On_Page(int fileCount, int page) {
    return std::clamp(fileCount - Lang_Slots_Per_Page * (page - 1), 0, Lang_Slots_Per_Page);
}

std::string Flag_Picture_Path(const std::string& folder, const std::string& language) {
    const std::string own = base::JoinPath(folder, language + ".bmp");
    if (base::FileExists(own)) return own;
    const std::string fallback = base::JoinPath(folder, "DefaultFlag.bmp");
    if (base::FileExists(fallback)) return fallback;
    return {};
}

std::string Lang_Change_Question(const std::string& from, const std::string& to) {
    return Lang_Texts[316] + from + Lang_Texts[317] + to + Lang_Texts[318];
}

TFSoftOptions::TFSoftOptions(TComponent* AOwner) : TLayoutForm(AOwner) {
    Register_Shell_Controls();
    const TNotifyEvent langClick = [this](TObject* Sender) { LangClick(Sender); };
    LoadLayoutWhenNeeded(
        "TFSoftOptions",
        {{"FormCreate", TNotifyEvent([this](TObject*) { FormCreate(); })},
         {"FormShow", TNotifyEvent([this](TObject*) { FormShow(); })},
         {"Btn_OKClick", TNotifyEvent([this](TObject*) { Btn_OKClick(); })},
         {"Btn_NextClick", TNotifyEvent([this](TObject* Sender) { Btn_NextClick(Sender); })},
         {"LangClick", langClick},
         {"CB_En_ConClick", TNotifyEvent([this](TObject*) { Update_CheckBox(); })},
         {"Btn_Check_UpdateClick", TNotifyEvent([this](TObject*) { Btn_Check_UpdateClick(); })},
         {"LL_Check_UpdateLinkClick",
          TSysLinkEvent([](TObject*, const std::string& Link, TSysLinkType) { ShellOpen(Link); })}},
        [this] {
            L_SW_Code = &LayoutComponent<TLabel>(*this, "L_SW_Code");
            L_SW_Desc = &LayoutComponent<TLabel>(*this, "L_SW_Desc");
            Btn_OK = &LayoutComponent<ctl::TFltButton>(*this, "Btn_OK");
            Btn_Cancel = &LayoutComponent<ctl::TFltButton>(*this, "Btn_Cancel");
            PC_Options = &LayoutComponent<TPageControl>(*this, "PC_Options");
            TS_Language = &LayoutComponent<TTabSheet>(*this, "TS_Language");
            TS_Con_Options = &LayoutComponent<TTabSheet>(*this, "TS_Con_Options");
            TS_Soft_Settings = &LayoutComponent<TTabSheet>(*this, "TS_Soft_Settings");
            L_Sel_Lang = &LayoutComponent<TLabel>(*this, "L_Sel_Lang");
            L_Page_Lang = &LayoutComponent<TLabel>(*this, "L_Page_Lang");
            for (int k = 0; k < Lang_Slots_Per_Page; ++k) {
                I_L[k] = &LayoutComponent<TImage>(*this, "I_L" + std::to_string(k + 1));
                L_L[k] = &LayoutComponent<TLabel>(*this, "L_L" + std::to_string(k + 1));
            }
            Btn_Prev = &LayoutComponent<ctl::TFltButton>(*this, "Btn_Prev");
            Btn_Next = &LayoutComponent<ctl::TFltButton>(*this, "Btn_Next");
            CB_En_Con = &LayoutComponent<TCheckBox>(*this, "CB_En_Con");
            CB_Update = &LayoutComponent<TCheckBox>(*this, "CB_Update");
            Btn_Check_Update = &LayoutComponent<ctl::TFltButton>(*this, "Btn_Check_Update");
            LL_Check_Update = &LayoutComponent<TLinkLabel>(*this, "LL_Check_Update");
            CB_Soft_Set_Jump_Table = &LayoutComponent<TCheckBox>(*this, "CB_Soft_Set_Jump_Table");
            CB_DoubleClick_Auto_Size = &LayoutComponent<TCheckBox>(*this, "CB_DoubleClick_Auto_Size");
        });
}

void TFSoftOptions::FormCreate() {
    SL_Languages.clear();
    L_SW_Code->SetCaption(SW_Code);
    PC_Options->SetActivePage(TS_Con_Options);
    Set_Lang();
}

void TFSoftOptions::Set_Lang() {
    SetCaption(Lang_Texts[300]);
    L_SW_Desc->SetCaption(Lang_Texts[301]);
    TS_Language->SetCaption(Lang_Texts[302]);
    TS_Con_Options->SetCaption(Lang_Texts[303]);
    TS_Soft_Settings->SetCaption(Lang_Texts[319]);
    L_Sel_Lang->SetCaption(Lang_Texts[304]);
    L_Page_Lang->SetCaption(Lang_Texts[305] + "1" + Lang_Texts[306] + "1");
    Btn_Prev->SetCaption(Lang_Texts[307]);
    Btn_Next->SetCaption(Lang_Texts[308]);
    CB_En_Con->SetCaption(Lang_Texts[309]);
    CB_Update->SetCaption(Lang_Texts[310]);
    Btn_Check_Update->SetCaption(Lang_Texts[311]);
    Btn_OK->SetCaption(Lang_Texts[312]);
    Btn_Cancel->SetCaption(Lang_Texts[313]);
    CB_Soft_Set_Jump_Table->SetCaption(Lang_Texts[320]);
    CB_DoubleClick_Auto_Size->SetCaption(Lang_Texts[321]);
}

void TFSoftOptions::FormShow() {
    Language_In_Use = Language_Name;
    Create_Lang_List();
    Update_CheckBox();
    LL_Check_Update->Hide();
    PC_Options->SetActivePage(TS_Language);
    CB_En_Con->SetChecked(Opt_Enable_Internet);
    CB_Update->SetChecked(Opt_Enable_Update);
    CB_Soft_Set_Jump_Table->SetChecked(Opt_Jump_Field_Tables);
    CB_DoubleClick_Auto_Size->SetChecked(Opt_DblClick_Auto_Size);
    // A box already in the wanted state reports no change.
    Update_CheckBox();
}

void TFSoftOptions::Create_Lang_List() {
    SL_Languages = Language_Files(Language_Dir);
    Show_Page = 1;
    Update_Lang_Page(1);
}

void TFSoftOptions::Update_Lang_Page(int Page) {
    const int count = static_cast<int>(SL_Languages.size());
    const int pages = Lang_Page_Count(count);
    L_Sel_Lang->SetCaption(Lang_Texts[304] + Language_In_Use);
    L_Page_Lang->SetCaption(Lang_Texts[305] + std::to_string(Page) + Lang_Texts[306] + std::to_string(pages));
    Btn_Prev->SetVisible(Page != 1);
    Btn_Next->SetVisible(Page != pages);
    const int shown = Lang_Slots_On_Page(count, Page);
    for (int k = 0; k < Lang_Slots_Per_Page; ++k) {
        const bool visible = k < shown;
        I_L[k]->SetVisible(visible);
        L_L[k]->SetVisible(visible);
        if (!visible) continue;
        const std::string& file = SL_Languages[static_cast<size_t>(Lang_Slots_Per_Page * (Page - 1) + k)];
        const std::string name = file.substr(0, file.size() - 4);
        L_L[k]->SetCaption(name);
        const std::string picture = Flag_Picture_Path(Language_Dir, name);
        if (picture.empty() || !I_L[k]->Picture().LoadFromFile(picture)) {
            I_L[k]->Hide();
        } else {
            I_L[k]->Invalidate();
        }
    }
}

void TFSoftOptions::Btn_NextClick(TObject* Sender) {
    const int pages = Lang_Page_Count(static_cast<int>(SL_Languages.size()));
    if (Sender == Btn_Next && Show_Page + 1 <= pages) ++Show_Page;
    if (Sender == Btn_Prev && Show_Page - 1 > 0) --Show_Page;
    Update_Lang_Page(Show_Page);
}

void TFSoftOptions::LangClick(TObject* Sender) {
    int slot = -1;
    for (int k = 0; k < Lang_Slots_Per_Page; ++k)
        if (Sender == I_L[k] || Sender == L_L[k]) slot = k;
    const int index = Lang_Slots_Per_Page * (Show_Page - 1) + slot;
    if (slot < 0 || index >= static_cast<int>(SL_Languages.size())) return;
    const std::string& file = SL_Languages[static_cast<size_t>(index)];
    const std::string name = file.substr(0, file.size() - 4);
    if (MessageDlg(Lang_Change_Question(Language_In_Use, name), mtConfirmation, mbYesNo) != mrYes) return;
    Language_In_Use = name;
    // The texts change at once; the setting only with OK.
    const std::string kept = Language_Name;
    Language_Name = name;
    Load_Language();
    Language_Name = kept;
    if (Change_Language)
        Change_Language();
    else
        Set_Lang();
    // Set_Lang writes a page label for page 1 of 1; the page shown may be
    // another, so the page is shown again in the new language.
    Update_Lang_Page(Show_Page);
}

void TFSoftOptions::Update_CheckBox() {
    CB_Update->SetEnabled(CB_En_Con->Checked());
    Btn_Check_Update->SetEnabled(CB_Update->Enabled() && CB_Update->Checked());
}

void TFSoftOptions::Btn_OKClick() {
    Language_Name = Language_In_Use;
    Opt_Enable_Internet = CB_En_Con->Checked();
    Opt_Enable_Update = CB_Update->Checked();
    Opt_Jump_Field_Tables = CB_Soft_Set_Jump_Table->Checked();
    Opt_DblClick_Auto_Size = CB_DoubleClick_Auto_Size->Checked();
    if (Timer_Update != nullptr)
        Timer_Update->SetEnabled(Version_Timer_Wanted(Opt_Enable_Internet, Opt_Enable_Update));
    SetModalResult(mrOk);
}

void TFSoftOptions::Btn_Check_UpdateClick() {
    // A check that could not be made must not read as "no update".
    switch (Ask_Version()) {
        case TVersionAnswer::Newer:
            LL_Check_Update->SetCaption(Link_Caption(Download_Page_Url(), Lang_Texts[314]));
            break;
        case TVersionAnswer::NotNewer: LL_Check_Update->SetCaption(Lang_Texts[315]); break;
        case TVersionAnswer::Failed: LL_Check_Update->SetCaption(Lang_Texts[Text_Check_Failed]); break;
    }
    LL_Check_Update->Show();
}

}  // namespace shell
