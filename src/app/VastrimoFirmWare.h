#pragma once
// The main window: the four steps of the workflow (New or Open, Set
// Communication, LoRaWAN Access, Update Device), the Information, Options and
// Close buttons, the buttons of the other gateway models (created hidden,
// labelled and dispatched like the others), the settings file at close and
// the periodic version check.

#include <functional>
#include <string>
#include <vector>

#include "controls/FltButton.h"
#include "platform/Dialogs.h"
#include "platform/ExtCtrls.h"
#include "platform/Forms.h"
#include "platform/StdCtrls.h"
#include "platform/XmlDom.h"
#include "shell/StartUp.h"

namespace app {

inline constexpr const char* Main_Title_Text =
    "Vekrun - Configurator QP4A902 EtherNet/IP Slave / LoRaWAN Gateway ";

// The name the EDE export writes: ".csv" appended unless the name already
// ends in it (in any letter case).
std::string With_Csv_Extension(const std::string& fileName);

class TFVastrimoFirmWare : public plat::TForm {
public:
    explicit TFVastrimoFirmWare(plat::TComponent* AOwner);

    // One handler for every button; Sender says which.
    void Btn_Click(plat::TObject* Sender);
    void Create_New_Project();
    void Open_Project();
    void Update_Device();
    // "Set Communication": the gateway parameter window.
    void Show_ParGen();
    // "LoRaWAN Access": the LoRaWAN device and rule window.
    void Show_LoRaWAN_Gateway();
    void PROFINET_XML();
    void Create_PROFIBUS_GSD();
    void Build_EDS_File();
    void BACnet_EDE_File();
    // "SNMP MIB": the agent's MIB of the open configuration.
    void Create_SNMP_MIB();
    int Get_Type_BACnet();
    void Set_Lang();
    // Re-labels every window that follows the language (the about box keeps
    // its fixed texts).
    void Change_Language();
    // Writes the settings file; a failure is reported and the values stay in
    // force in memory.
    bool Save_Setting();
    void Timer_UpdateTimer();

    // The generators of the other models' files, set by the units that
    // provide them; a command whose generator is missing writes nothing.
    std::function<void(const std::string& FileName)> Write_EDE_File;
    std::function<void(const std::string& FileName)> Write_EDS_File;
    std::function<void(const std::string& FileName)> Write_MIB_File;

    // Tests shorten the two-hour pause between version checks.
    int Version_Repeat_Interval;
    // Without a person at the screen (automatic start-and-exit runs) a failed
    // settings write goes to the error output instead of a message box.
    bool Report_To_Console = false;

    shell::TStartUpReport StartUp;
    plat::TXmlDocument XML1;

    plat::TLabel* L_SW_Code;
    plat::TLabel* L_SW_Desc;
    plat::TLabel* L_Begin;
    std::vector<plat::TLabel*> L_Step;  // L_Step_1 .. L_Step_8
    plat::TLabel* L_Name_Conf;
    plat::TLabel* L_Name_Conf_L2;
    plat::TShape* Shape1;
    plat::TShape* Shape2;
    plat::TLabel* L_VKRweb;
    plat::TLinkLabel* LL_Update;
    plat::TTimer* Timer_Update;
    plat::TSaveDialog* SD1;
    plat::TSaveDialog* SaveEDS;
    plat::TSaveDialog* SaveMIB;
    // The buttons in the order Btn_Click tests them (see the table in the
    // source); Button("Btn_New") finds one by name.
    std::vector<ctl::TFltButton*> Buttons;
    ctl::TFltButton* Button(const std::string& Name) const;

private:
    void FormCreate();
    void FormClose(plat::TCloseAction& Action);
    void Show_Configuration_Labels();
    // Widens the column of the step labels to the longest of them.
    void Fit_Step_Labels();
    void Update_Timer_State();
    void Report_Error(const std::string& Text);
    int FLabel_Shift = 0;  // how far the step labels' length moved the rest right
};

extern TFVastrimoFirmWare* FVastrimoFirmWare;

// Creates the program's windows in their fixed order, the main window first,
// so that every window finds the texts and paths in place when it is made.
void Create_Windows();
// Connects the windows that talk to each other once all exist.
void Link_Windows();

}  // namespace app
