#pragma once
// The workspace part of the main window's start-up, in its fixed order, so
// that every other window finds the texts, folders, settings and file paths
// in place when it is created. The window adds its layout, timer and labels.

#include <string>

namespace shell {

struct TStartUpReport {
    bool settingsRead = true;   // false: the settings file was unreadable, defaults used
    std::string settingsError;  // why, for the window to tell the user if it wants
    bool configurationOpen = false;
};

// Text list emptied; program folders set and created; Conf_Name emptied and
// Update_Read_Back set; settings read (or defaults); SW_Code and SW_Desc set;
// language loaded; the last configuration reopened when its folder exists;
// Set_Files; the shared row copy buffer and MIB lists emptied.
TStartUpReport Start_Up_Workspace();

}  // namespace shell
