#include "shell/StartUp.h"

#include "shell/Comon.h"
#include "shell/Language.h"
#include "shell/ProjectNames.h"
#include "shell/Settings.h"

namespace shell {

TStartUpReport Start_Up_Workspace() {
    TStartUpReport report;
    Lang_Texts.Clear();
    Set_Program_Folders();
    Conf_Name.clear();
    Update_Read_Back = true;
    // An unreadable settings file must not stop the program: the defaults
    // are what every window expects, and the next save replaces the file.
    report.settingsRead = Read_Setting(&report.settingsError);
    SW_Code = Const_SW_Code;
    SW_Desc = Const_SW_Desc;
    Load_Language();
    report.configurationOpen = Reopen_Last_Configuration();
    Set_Files();
    Row_Copy_Buffer.Clear();
    Row_Copy_Checks.clear();
    MIB_Read_List.Clear();
    MIB_Write_List.Clear();
    return report;
}

}  // namespace shell
