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

class TFSoftOptions : public plat::TForm {
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

    plat::TLabel* L_SW_Code;
    plat::TLabel* L_SW_Desc;
    ctl::TFltButton* Btn_OK;
    ctl::TFltButton* Btn_Cancel;
    plat::TPageControl* PC_Options;
    plat::TTabSheet* TS_Language;
    plat::TTabSheet* TS_Con_Options;
    plat::TTabSheet* TS_Soft_Settings;
    plat::TLabel* L_Sel_Lang;
    plat::TLabel* L_Page_Lang;
    std::array<plat::TImage*, Lang_Slots_Per_Page> I_L{};
    std::array<plat::TLabel*, Lang_Slots_Per_Page> L_L{};
    ctl::TFltButton* Btn_Prev;
    ctl::TFltButton* Btn_Next;
    plat::TCheckBox* CB_En_Con;
    plat::TCheckBox* CB_Update;
    ctl::TFltButton* Btn_Check_Update;
    plat::TLinkLabel* LL_Check_Update;
    plat::TCheckBox* CB_Soft_Set_Jump_Table;
    plat::TCheckBox* CB_DoubleClick_Auto_Size;

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
