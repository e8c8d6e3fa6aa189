#include "app/VastrimoFirmWare.h"

#include <algorithm>
#include <cstdio>

#include "app/GatewayWindows.h"
#include "app/ProtocolWindows.h"
#include "base/Files.h"
#include "base/StrUtils.h"
#include "gateway/ImageBuilder.h"
#include "platform/Application.h"
#include "platform/Layout.h"
#include "protocols/BACnet_EDE_File.h"
#include "protocols/EdsWriter.h"
#include "protocols/Generators.h"
#include "protocols/SNMP_MIB.h"
#include "protocols/ProfinetFileName.h"
#include "shell/About.h"
#include "shell/Comon.h"
#include "shell/Language.h"
#include "shell/NewProject.h"
#include "shell/OpenConf.h"
#include "shell/ProjectNames.h"
#include "shell/Settings.h"
#include "shell/ShellControls.h"
#include "shell/SoftOptions.h"
#include "shell/VersionCheck.h"

namespace app {

using namespace plat;
using shell::Lang_Texts;

TFVastrimoFirmWare* FVastrimoFirmWare = nullptr;

namespace {

using TAction = void (TFVastrimoFirmWare::*)();

struct TButtonRow {
    const char* Name;
    int Caption;  // -1: a picture button without caption
    int Hint;
    // What the button does once a configuration is open: a command of the
    // main window, or the window (by instance name, see ProtocolWindows.h)
    // it opens modally; a window not built yet opens nothing.
    TAction Action;
    const char* Window = nullptr;
};

// In the order Btn_Click tests them. The first five act without an open
// configuration and are handled by name in Btn_Click.
const TButtonRow Button_Rows[] = {
    {"Btn_New", 15, 22, &TFVastrimoFirmWare::Create_New_Project},
    {"Btn_Open", 16, 23, &TFVastrimoFirmWare::Open_Project},
    {"Btn_Close", -1, 14, nullptr},
    {"Btn_Info", -1, 12, nullptr},
    {"Btn_Opz", -1, 13, nullptr},
    {"Btn_Prm_Gen", 20, 24, nullptr, "FParGen"},
    {"Btn_LoRaWAN_Access", 21, 25, nullptr, "FLoRaWAN_Gateway"},
    {"Btn_Modbus_Set_Access", 27, 28, nullptr, "FModbus_TCP_Master_Set_Access"},
    {"Btn_BACnet_SetAccess", 29, 30, nullptr, "FBACnetAccess"},
    {"Btn_BACnet_EDE_File", 31, 32, &TFVastrimoFirmWare::BACnet_EDE_File},
    {"Btn_CAN_Rec_Frame", 33, 34, nullptr, "FReceiveCAN"},
    {"Btn_CAN_Send_Frame", 35, 36, nullptr, "FTransmitCAN"},
    {"Btn_PDO_CANopen", 45, 46, nullptr, "FSet_PDO_Access"},
    {"Btn_SDO_Client_CANopen", 43, 44, nullptr, "FSet_SDO_Client_Access"},
    {"Btn_SDO_Server_CANopen", 41, 42, nullptr, "FSet_SDO_Server_Access"},
    {"Btn_CANopen_EDS", 47, 48, &TFVastrimoFirmWare::Build_EDS_File},
    {"Btn_DNet_Net", 49, 50, nullptr, "FDNet"},
    {"Btn_DNet_Offset", 51, 52, nullptr, "FDefOffset"},
    {"Btn_DMX_Default", 53, 54, nullptr, "FDMXDefVal"},
    {"Btn_IEC61850_Client", 55, 56, nullptr, "FIEC_61850_Access"},
    {"Btn_TLS_List_Certificates", 59, 60, nullptr, "FTLS_Server_Known_Cert"},
    {"Btn_IEC61850_Access", 57, 58, nullptr, "FIEC61850_Variables"},
    {"Btn_MQTT_Set_Topic", 61, 62, nullptr, "FMQTT_Set_Topic"},
    {"Btn_OPC_UA_Client_Access", 69, 70, nullptr, "FOPC_UA_Client_Access"},
    {"Btn_OPC_UA_Server_Access", 71, 72, nullptr, "FOPC_UA_Server_Access"},
    {"Btn_SNMP_Manager_Access", 67, 68, nullptr, "FSNMPManagerAccess"},
    {"Btn_SNMP_Trap", 63, 64, nullptr, "FSNMP_Trap_Access"},
    {"Btn_SNMP_MIB", 65, 66, &TFVastrimoFirmWare::Create_SNMP_MIB},
    {"Btn_PROFINET_XML", 73, 74, &TFVastrimoFirmWare::PROFINET_XML},
    {"Btn_EtherNetIP_Access", 75, 76, nullptr, "FEtherNetIP_Master_Access"},
    {"Btn_S7_Protocol_Access", 77, 78, nullptr, "FS7_Protocol_Set_Access"},
    {"Btn_KNX_Access", 79, 80, nullptr, "FKNXAccess"},
    {"Btn_PROFIBUS_GSD", 81, 82, &TFVastrimoFirmWare::Create_PROFIBUS_GSD},
    {"Btn_CreateBin", 17, 26, &TFVastrimoFirmWare::Update_Device},
};
constexpr int Button_Count = sizeof(Button_Rows) / sizeof(Button_Rows[0]);

}  // namespace

std::string With_Csv_Extension(const std::string& fileName) {
    return proto::Output_File_Name(*proto::Find_Generator("ede"), fileName);
}

TFVastrimoFirmWare::TFVastrimoFirmWare(TComponent* AOwner)
    : TForm(AOwner), Version_Repeat_Interval(shell::Version_Repeat_Interval_Ms) {
    shell::Register_Shell_Controls();
    LoadFormLayout(*this, "TFVastrimoFirmWare",
                   {{"FormCreate", TNotifyEvent([this](TObject*) { FormCreate(); })},
                    {"FormClose", TCloseEvent([this](TObject*, TCloseAction& Action) { FormClose(Action); })},
                    {"Btn_Click", TNotifyEvent([this](TObject* Sender) { Btn_Click(Sender); })},
                    {"Timer_UpdateTimer", TNotifyEvent([this](TObject*) { Timer_UpdateTimer(); })},
                    {"L_VKRwebClick", TNotifyEvent([](TObject*) { ShellOpen(shell::Home_Page_Url()); })},
                    {"LL_UpdateLinkClick", TSysLinkEvent([](TObject*, const std::string& Link, TSysLinkType) {
                         ShellOpen(Link);
                     })}});
    L_SW_Code = &LayoutComponent<TLabel>(*this, "L_SW_Code");
    L_SW_Desc = &LayoutComponent<TLabel>(*this, "L_SW_Desc");
    L_Begin = &LayoutComponent<TLabel>(*this, "L_Begin");
    for (int i = 1; i <= 8; ++i)
        L_Step.push_back(&LayoutComponent<TLabel>(*this, "L_Step_" + std::to_string(i)));
    L_Name_Conf = &LayoutComponent<TLabel>(*this, "L_Name_Conf");
    L_Name_Conf_L2 = &LayoutComponent<TLabel>(*this, "L_Name_Conf_L2");
    Shape1 = &LayoutComponent<TShape>(*this, "Shape1");
    Shape2 = &LayoutComponent<TShape>(*this, "Shape2");
    L_VKRweb = &LayoutComponent<TLabel>(*this, "L_VKRweb");
    LL_Update = &LayoutComponent<TLinkLabel>(*this, "LL_Update");
    Timer_Update = &LayoutComponent<TTimer>(*this, "Timer_Update");
    SD1 = &LayoutComponent<TSaveDialog>(*this, "SD1");
    SaveEDS = &LayoutComponent<TSaveDialog>(*this, "SaveEDS");
    SaveMIB = &LayoutComponent<TSaveDialog>(*this, "SaveMIB");
    for (const TButtonRow& row : Button_Rows)
        Buttons.push_back(&LayoutComponent<ctl::TFltButton>(*this, row.Name));
    Write_EDS_File = [this](const std::string& FileName) {
        std::string error;
        if (!proto::Write_EDS_File(FileName, &error)) Report_Error(error);
    };
    Write_EDE_File = [this](const std::string& FileName) {
        std::string error;
        if (!proto::Write_EDE_File(FileName, &error)) Report_Error(error);
    };
    Write_MIB_File = [this](const std::string& FileName) {
        std::string error;
        if (!proto::Write_MIB_File(FileName, &error)) Report_Error(error);
    };
}

ctl::TFltButton* TFVastrimoFirmWare::Button(const std::string& Name) const {
    for (int i = 0; i < Button_Count; ++i)
        if (Name == Button_Rows[i].Name) return Buttons[static_cast<size_t>(i)];
    return nullptr;
}

void TFVastrimoFirmWare::FormCreate() {
    // Everything the other windows read while they are created (texts,
    // folders, settings, paths, shared lists) is set up here, in this order.
    StartUp = shell::Start_Up_Workspace();

    // The layout holds the places; the separator and the window's height
    // follow the last step button, so moving it moves them too.
    TControl* last = Button("Btn_CreateBin");
    Shape1->SetBounds(10, last->Top() + 51, 674, 1);
    SetClientWidth(694);
    SetClientHeight(last->Top() + 152);
    L_VKRweb->SetTop(L_Step[3]->Top());
    L_VKRweb->SetCaption(shell::Web_Address_Text());

    Update_Timer_State();
    shell::Main_Title = Main_Title_Text;
    SetCaption(shell::Main_Title);
    L_SW_Code->SetCaption(shell::SW_Code);
    L_SW_Desc->SetCaption(shell::SW_Desc);
    Set_Lang();
    // The defaults stand in for an unreadable settings file, and closing
    // replaces it: the user hears of it once, now, while it can be saved.
    if (!StartUp.settingsRead) {
        std::string why = StartUp.settingsError;
        if (why.find(shell::Settings_File_Name) == std::string::npos) why = shell::Settings_Path() + ": " + why;
        const std::string text = "The program settings could not be read; the defaults are used, and the file is "
                                 "replaced when the program closes. " + why;
        if (Report_To_Console)
            std::fprintf(stderr, "%s\n", text.c_str());
        else
            MessageDlg(text, mtWarning, mbOK);
    }
}

void TFVastrimoFirmWare::Update_Timer_State() {
    Timer_Update->SetEnabled(
        shell::Version_Timer_Wanted(shell::Opt_Enable_Internet, shell::Opt_Enable_Update));
}

void TFVastrimoFirmWare::Show_Configuration_Labels() {
    if (!shell::Conf_Path.empty()) {
        L_Name_Conf->SetCaption(Lang_Texts[11]);
        L_Name_Conf_L2->SetCaption(shell::Conf_Name);
    } else {
        L_Name_Conf->SetCaption(Lang_Texts[9]);
        L_Name_Conf_L2->SetCaption(Lang_Texts[10]);
    }
}

void TFVastrimoFirmWare::Set_Lang() {
    L_Begin->SetCaption(Lang_Texts[0]);
    for (int i = 0; i < 8; ++i) L_Step[static_cast<size_t>(i)]->SetCaption(Lang_Texts[i + 1]);
    Show_Configuration_Labels();
    for (int i = 0; i < Button_Count; ++i) {
        ctl::TFltButton* b = Buttons[static_cast<size_t>(i)];
        if (Button_Rows[i].Caption >= 0) b->SetCaption(Lang_Texts[Button_Rows[i].Caption]);
        b->SetHint(Lang_Texts[Button_Rows[i].Hint]);
    }
    Fit_Step_Labels();
}

void TFVastrimoFirmWare::Fit_Step_Labels() {
    // The labels stand left of the step buttons. A translation longer than
    // their column moves everything right of it over, and the window grows,
    // rather than let a button hide the end of a label.
    constexpr int Button_Column = 80;
    constexpr int Gap = 8;
    int widest = L_Begin->Width();
    for (TLabel* l : L_Step)
        if (l->Visible()) widest = std::max(widest, l->Width());
    const int shift = std::max(0, L_Begin->Left() + widest + Gap - Button_Column);
    const int delta = shift - FLabel_Shift;
    if (delta == 0) return;
    for (int i = 0; i < ControlCount(); ++i) {
        TControl* c = Controls(i);
        if (c != Shape1 && c->Left() >= Button_Column + FLabel_Shift) c->SetLeft(c->Left() + delta);
    }
    Shape1->SetWidth(Shape1->Width() + delta);
    SetClientWidth(ClientWidth() + delta);
    FLabel_Shift = shift;
}

void TFVastrimoFirmWare::Change_Language() {
    Set_Lang();
    for (const char* name : Relabel_Order())
        if (const TProgramWindow* w = Find_Program_Window(name); w && w->Relabel) w->Relabel();
}

void TFVastrimoFirmWare::Btn_Click(TObject* Sender) {
    int index = -1;
    for (int i = 0; i < Button_Count; ++i)
        if (Sender == Buttons[static_cast<size_t>(i)]) index = i;
    if (index < 0) return;
    const std::string name = Button_Rows[index].Name;
    if (name == "Btn_New") return Create_New_Project();
    if (name == "Btn_Open") return Open_Project();
    if (name == "Btn_Close") return Close();
    if (name == "Btn_Info") {
        Show_Program_Window("FAbout");
        return;
    }
    if (name == "Btn_Opz") {
        if (shell::FSoftOptions && shell::FSoftOptions->ShowModal() == mrOk) {
            Save_Setting();
            Update_Timer_State();
        }
        return;
    }
    if (shell::Conf_Path.empty()) {
        MessageDlg(Lang_Texts[18], mtError, mbOK);
        return;
    }
    if (TAction action = Button_Rows[index].Action) (this->*action)();
    if (const char* window = Button_Rows[index].Window) Show_Program_Window(window);
}

void TFVastrimoFirmWare::Create_New_Project() {
    if (shell::FNew_Project == nullptr || shell::FNew_Project->ShowModal() != mrOk) return;
    // The dialog has created the folder and made it the open configuration.
    Show_Configuration_Labels();
}

void TFVastrimoFirmWare::Open_Project() {
    if (shell::FOpenConf == nullptr || shell::FOpenConf->ShowModal() != mrOk) return;
    shell::Open_Configuration(shell::FOpenConf->Name_Conf);
    Show_Configuration_Labels();
}

void TFVastrimoFirmWare::Update_Device() {
    // The image is built from the files on disk, in memory first, so a build
    // that fails leaves the files of the last good build in place.
    gw::TImageBuilder builder;
    if (!builder.Create_Bin() || !builder.Save_Bin()) {
        Report_Error(builder.ErrorString());
        return;
    }
    Show_Boot_For_Update();
}

void TFVastrimoFirmWare::Show_ParGen() {
    Show_Program_Window("FParGen");
}

void TFVastrimoFirmWare::Show_LoRaWAN_Gateway() {
    Show_Program_Window("FLoRaWAN_Gateway");
}

void TFVastrimoFirmWare::PROFINET_XML() {
    proto::TFProfinetFileName* dialog = proto::FProfinetFileName;
    if (dialog == nullptr || dialog->ShowModal() != mrOk) return;
    proto::Save_PROFINET_XML(dialog->Name_File_XML);
}

void TFVastrimoFirmWare::Create_PROFIBUS_GSD() {
    proto::Create_PROFIBUS_GSD();
}

void TFVastrimoFirmWare::Build_EDS_File() {
    SaveEDS->InitialDir = shell::Conf_Path;
    if (!SaveEDS->Execute()) return;
    if (Write_EDS_File) Write_EDS_File(SaveEDS->FileName);
}

void TFVastrimoFirmWare::BACnet_EDE_File() {
    SD1->InitialDir = shell::Conf_Path;
    if (!SD1->Execute()) return;
    const std::string fileName = With_Csv_Extension(SD1->FileName);
    if (base::FileExists(fileName) && MessageDlg(Lang_Texts[1505], mtConfirmation, mbYesNoCancel) != mrYes)
        return;
    if (Write_EDE_File) Write_EDE_File(fileName);
}

void TFVastrimoFirmWare::Create_SNMP_MIB() {
    SaveMIB->InitialDir = shell::Conf_Path;
    if (!SaveMIB->Execute()) return;
    // The question is asked about the name the file will really have.
    const std::string fileName = proto::Output_File_Name(*proto::Find_Generator("mib"), SaveMIB->FileName);
    if (base::FileExists(fileName) && MessageDlg(Lang_Texts[1505], mtConfirmation, mbYesNo) != mrYes) return;
    if (Write_MIB_File) Write_MIB_File(fileName);
}

int TFVastrimoFirmWare::Get_Type_BACnet() {
    if (!base::FileExists(shell::ParGen_File)) return 0;
    if (!XML1.LoadFromFile(shell::ParGen_File)) return 0;
    return base::StrToIntDef(XML1.Root().FindNode("BACnet_Type").Text(), 0);
}

bool TFVastrimoFirmWare::Save_Setting() {
    std::string error;
    if (shell::Save_Setting(&error)) return true;
    Report_Error("The program settings could not be saved: " + error);
    return false;
}

void TFVastrimoFirmWare::Report_Error(const std::string& Text) {
    if (Report_To_Console)
        std::fprintf(stderr, "%s\n", Text.c_str());
    else
        MessageDlg(Text, mtError, mbOK);
}

void TFVastrimoFirmWare::FormClose(TCloseAction& Action) {
    // Closing ends the program even when the settings cannot be written: the
    // user has been told, and nothing else is lost.
    Save_Setting();
    Action = caHide;
}

void TFVastrimoFirmWare::Timer_UpdateTimer() {
    Timer_Update->SetEnabled(false);
    if (shell::Check_Version()) {
        LL_Update->SetCaption(shell::Link_Caption(shell::Download_Page_Url(), Lang_Texts[19]));
        LL_Update->Show();
    } else {
        LL_Update->Hide();
    }
    Timer_Update->SetInterval(Version_Repeat_Interval);
    Timer_Update->SetEnabled(true);
}

void Create_Windows() {
    Application->CreateForm(FVastrimoFirmWare);
    for (const TProgramWindow& w : Program_Windows())
        if (w.Create) w.Create();
    Link_Windows();
}

void Link_Windows() {
    shell::FSoftOptions->Change_Language = [] { FVastrimoFirmWare->Change_Language(); };
    shell::FSoftOptions->Timer_Update = FVastrimoFirmWare->Timer_Update;
}

}  // namespace app
