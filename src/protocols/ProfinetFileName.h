#pragma once
// "PROFINET XML File Name": the user completes the GSDML file name between
// its fixed head and the date part; the main window then saves the file
// under the built name (Save_PROFINET_XML).

#include <string>

#include "controls/FltButton.h"
#include "platform/ExtCtrls.h"
#include "platform/Forms.h"
#include "platform/Layout.h"
#include "platform/StdCtrls.h"

namespace proto {

class TFProfinetFileName : public plat::TLayoutForm {
public:
    explicit TFProfinetFileName(plat::TComponent* AOwner);
    ~TFProfinetFileName() override;

    void Set_Lang();

    plat::TPendingRef<plat::TPanel> P_Title{this};
    plat::TPendingRef<plat::TLabel> L_SW_Code{this};
    plat::TPendingRef<plat::TLabel> L_SW_Desc{this};
    plat::TPendingRef<plat::TLabel> L_Select_Name{this};
    plat::TPendingRef<plat::TLabel> L_FixPart_1{this};
    plat::TPendingRef<plat::TLabel> L_UsedPart{this};
    plat::TPendingRef<plat::TLabel> L_FixPart_2{this};
    plat::TPendingRef<plat::TLabel> L_XML_Fix1{this};
    plat::TPendingRef<plat::TEdit> E_XML_User{this};
    plat::TPendingRef<plat::TLabel> L_XML_Fix2{this};
    plat::TPendingRef<ctl::TFltButton> Btn_OK{this};
    plat::TPendingRef<ctl::TFltButton> Btn_Cancel{this};

    // The complete name built by OK, read by the main window.
    std::string Name_File_XML;

private:
    void FormCreate();
    void Btn_OK_Click();
};

extern TFProfinetFileName* FProfinetFileName;

// Asks for the folder (the name the user types there is not used: the file
// always carries Name), asks before replacing a file, writes the GSDML of
// the open configuration. A failed write is reported and leaves no file.
void Save_PROFINET_XML(const std::string& Name);

// The PROFIBUS GSD command: needs "ParGen.xml" (else message 1504), asks
// for the file name (".gsd" added where missing) and before replacing a
// file, then writes the GSD.
void Create_PROFIBUS_GSD();

}  // namespace proto
