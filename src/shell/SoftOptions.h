#pragma once
// "Software Options": the interface language (picked from the language files
// present, six to a page), the internet and update-check switches, the two
// table behaviours, and a manual version check.

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "controls/FltButton.h"
#include "platform/ComCtrls.h"
#include "platform/ExtCtrls.h"
#include "platform/Forms.h"
#include "platform/Layout.h"
#include "platform/StdCtrls.h"

namespace shell {

inline constexpr int Lang_Slots_Per_Page = 6;
// "The check for updates could not be made...": the Options check failed.
inline constexpr int Text_Check_Failed = 322;

// The language files (".lng", with the extension) in folder, sorted without
// regard to case. Read-only files count: a language shipped on a read-only
// install is still a language.
std::vector<std::string> Language_Files(const std::string& folder);
// (count + 5) div 6: 0 when there are no files.
int Lang_Page_Count(int fileCount);
// How many slots page (from 1) shows: 0 to 6.
int Lang_Slots_On_Page(int fileCount, int page);
// The picture of a language: "<name>.bmp", else "DefaultFlag.bmp", else "".
std::string Flag_Picture_Path(const std::string& folder, const std::string& language);
// The Yes/No question before a language change.
std::string Lang_Change_Question(const std::string& from, const std::string& to);

class TFSoftOptions : public plat::TLayoutForm {
public:
    explicit TFSoftOptions(plat::TComponent* AOwner);

    void Set_Lang();
    void Create_Lang_List();
    void Update_Lang_Page(int Page);
    void Update_CheckBox();

    // The main window's: re-labels every window after a language change, and
    // the version-check timer that OK switches.
    std::function<void()> Change_Language;
    plat::TTimer* Timer_Update = nullptr;

    std::vector<std::string> SL_Languages;
    int Show_Page = 1;
    std::string Language_In_Use;

    plat::TPendingRef<plat::TLabel> L_SW_Code{this};
    plat::TPendingRef<plat::TLabel> L_SW_Desc{this};
    plat::TPendingRef<ctl::TFltButton> Btn_OK{this};
    plat::TPendingRef<ctl::TFltButton> Btn_Cancel{this};
    plat::TPendingRef<plat::TPageControl> PC_Options{this};
    plat::TPendingRef<plat::TTabSheet> TS_Language{this};
    plat::TPendingRef<plat::TTabSheet> TS_Con_Options{this};
    plat::TPendingRef<plat::TTabSheet> TS_Soft_Settings{this};
    plat::TPendingRef<plat::TLabel> L_Sel_Lang{this};
    plat::TPendingRef<plat::TLabel> L_Page_Lang{this};
    plat::TPendingArray<plat::TImage, Lang_Slots_Per_Page> I_L{this};
    plat::TPendingArray<plat::TLabel, Lang_Slots_Per_Page> L_L{this};
    plat::TPendingRef<ctl::TFltButton> Btn_Prev{this};
    plat::TPendingRef<ctl::TFltButton> Btn_Next{this};
    plat::TPendingRef<plat::TCheckBox> CB_En_Con{this};
    plat::TPendingRef<plat::TCheckBox> CB_Update{this};
    plat::TPendingRef<ctl::TFltButton> Btn_Check_Update{this};
    plat::TPendingRef<plat::TLinkLabel> LL_Check_Update{this};
    plat::TPendingRef<plat::TCheckBox> CB_Soft_Set_Jump_Table{this};
    plat::TPendingRef<plat::TCheckBox> CB_DoubleClick_Auto_Size{this};

private:
    void FormCreate();
    void FormShow();
    void Btn_OKClick();
    void Btn_NextClick(plat::TObject* Sender);
    void LangClick(plat::TObject* Sender);
    void Btn_Check_UpdateClick();
};

extern TFSoftOptions* FSoftOptions;

}  // namespace shell
