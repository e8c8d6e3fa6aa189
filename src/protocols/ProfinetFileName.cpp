#include "protocols/ProfinetFileName.h"

#include "base/Files.h"
#include "platform/Dialogs.h"
#include "platform/Layout.h"
#include "protocols/Generators.h"
#include "protocols/Profibus_GSD.h"
#include "protocols/ProfinetXML.h"
#include "shell/Comon.h"
#include "shell/Language.h"
#include "shell/ShellControls.h"

namespace proto {

using namespace plat;
using shell::Lang_Texts;

TFProfinetFileName* FProfinetFileName = nullptr;

TFProfinetFileName::TFProfinetFileName(TComponent* AOwner) : TLayoutForm(AOwner) {
    shell::Register_Shell_Controls();
    LoadLayoutWhenNeeded("TFProfinetFileName",
                         {{"FormCreate", TNotifyEvent([this](TObject*) { FormCreate(); })},
                          {"Btn_OK_Click", TNotifyEvent([this](TObject*) { Btn_OK_Click(); })}},
                         [this] {
                             P_Title = &LayoutComponent<TPanel>(*this, "P_Title");
                             L_SW_Code = &LayoutComponent<TLabel>(*this, "L_SW_Code");
                             L_SW_Desc = &LayoutComponent<TLabel>(*this, "L_SW_Desc");
                             L_Select_Name = &LayoutComponent<TLabel>(*this, "L_Select_Name");
                             L_FixPart_1 = &LayoutComponent<TLabel>(*this, "L_FixPart_1");
                             L_UsedPart = &LayoutComponent<TLabel>(*this, "L_UsedPart");
                             L_FixPart_2 = &LayoutComponent<TLabel>(*this, "L_FixPart_2");
                             L_XML_Fix1 = &LayoutComponent<TLabel>(*this, "L_XML_Fix1");
                             E_XML_User = &LayoutComponent<TEdit>(*this, "E_XML_User");
                             L_XML_Fix2 = &LayoutComponent<TLabel>(*this, "L_XML_Fix2");
                             Btn_OK = &LayoutComponent<ctl::TFltButton>(*this, "Btn_OK");
                             Btn_Cancel = &LayoutComponent<ctl::TFltButton>(*this, "Btn_Cancel");
                         });
}

TFProfinetFileName::~TFProfinetFileName() {
    if (FProfinetFileName == this) FProfinetFileName = nullptr;
}

void TFProfinetFileName::FormCreate() {
    L_SW_Code->SetCaption(shell::SW_Code);
    SetClientWidth(540);
    SetClientHeight(205);
    L_UsedPart->SetLeft(179);
    E_XML_User->SetLeft(179);
    L_FixPart_2->SetLeft(447);
    L_XML_Fix2->SetLeft(447);
    L_XML_Fix1->SetCaption(GSDML_Fixed_Part);
    // The date of the program's start: a session that runs past midnight
    // keeps proposing the same name.
    L_XML_Fix2->SetCaption(GSDML_Date_Part(Generated_File_Time()));
    Set_Lang();
}

void TFProfinetFileName::Set_Lang() {
    SetCaption(Lang_Texts[4800]);
    L_SW_Desc->SetCaption(Lang_Texts[4801]);
    L_Select_Name->SetCaption(Lang_Texts[4802]);
    L_FixPart_1->SetCaption(Lang_Texts[4803]);
    L_UsedPart->SetCaption(Lang_Texts[4804]);
    L_FixPart_2->SetCaption(Lang_Texts[4805]);
    Btn_OK->SetCaption(Lang_Texts[4806]);
    Btn_Cancel->SetCaption(Lang_Texts[4807]);
}

void TFProfinetFileName::Btn_OK_Click() {
    const std::string user = E_XML_User->Text();
    if (!GSDML_User_Part_Valid(user)) {
        MessageDlg(Lang_Texts[4809], mtError, mbOK);
        return;
    }
    Name_File_XML = GSDML_File_Name(user, L_XML_Fix2->Caption());
    SetModalResult(mrOk);
}

namespace {

bool Replace_Allowed(const std::string& Path, int Question) {
    return !base::FileExists(Path) || MessageDlg(Lang_Texts[Question], mtConfirmation, mbYesNo) == mrYes;
}

}  // namespace

void Save_PROFINET_XML(const std::string& Name) {
    TSaveDialog dialog(nullptr);
    dialog.InitialDir = shell::Conf_Path;
    dialog.Filter = "PROFINET XML (*.xml)|" + Name;
    dialog.FileName = Name;
    if (!dialog.Execute()) return;
    const std::string target = base::ExtractFilePath(dialog.FileName) + Name;
    if (!Replace_Allowed(target, 4808)) return;
    std::string error;
    if (!Write_GSDML_File(target, &error)) MessageDlg(error, mtError, mbOK);
}

void Create_PROFIBUS_GSD() {
    TProfibusParams params;
    std::string error;
    if (!Read_PROFIBUS_Param(shell::ParGen_File, params, &error)) {
        MessageDlg(error, mtError, mbOK);
        return;
    }
    TSaveDialog dialog(nullptr);
    dialog.InitialDir = shell::Conf_Path;
    dialog.Filter = "Generic Station Description (*.gsd)|*.gsd";
    if (!dialog.Execute()) return;
    const std::string target = With_Gsd_Extension(dialog.FileName);
    if (!Replace_Allowed(target, 1503)) return;
    if (!Save_GSD(params, target, &error)) MessageDlg(error, mtError, mbOK);
}

}  // namespace proto
