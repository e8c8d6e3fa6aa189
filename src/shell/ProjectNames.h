#pragma once
// The logic of the Step 1 dialogs: creating a new configuration folder under
// PROJECTS and listing the configurations to open. A configuration is only a
// folder name; these functions keep every name inside PROJECTS.

#include <string>
#include <vector>

namespace shell {

// Text numbers of the refusals of a new configuration name.
inline constexpr int Text_Name_Cannot_Be_Created = 105;
inline constexpr int Text_Name_Exists = 106;
inline constexpr int Text_Name_Empty = 107;

// True when name can only ever mean a folder directly inside PROJECTS: not
// blank, not "." or "..", and free of path separators, drive letters and the
// characters a file name cannot hold on any platform the files travel to.
bool Is_Safe_Configuration_Name(const std::string& name);

// True when a new configuration may take name: it does not start or end
// with ".", and it is UTF-8 text. Folders made before keep opening.
bool Is_Portable_Configuration_Name(const std::string& name);

// The dialog's OK: the typed name without the blanks around it. Returns 0
// when the folder and its "bin" sub-folder were created and the
// configuration is now the open one (Conf_Name, Conf_Path, Set_Files);
// otherwise the text number of the refusal (107 empty, 106 already there,
// 105 cannot be created or not a name for a new configuration) and nothing
// has changed.
int Create_New_Project(const std::string& typed);

// The configuration folders in PROJECTS (hidden ones left out).
std::vector<std::string> Load_Existing_Configuration(const std::string& projectsDir);

// Index of name in list, compared without regard to letter case; -1 when absent.
int Search_Open_Conf(const std::vector<std::string>& list, const std::string& name);

// The name of the open configuration as taken from Conf_Path (the part after
// Projects_Dir and its separator); empty when none is open.
std::string Open_Configuration_Name(const std::string& confPath, const std::string& projectsDir);

// The entry the open dialog preselects: the open configuration when listed,
// else the first entry; -1 for an empty list.
int Preselect_Configuration(const std::vector<std::string>& list, const std::string& confPath,
                            const std::string& projectsDir);

// The main window's Open on OK: Conf_Name := name; Conf_Path := its folder,
// or empty when the name is empty (no configuration open); then Set_Files.
// A name that could leave PROJECTS opens nothing: Conf_Path stays empty.
void Open_Configuration(const std::string& name);

// Start-up: the stored Conf_Name is reopened when its folder exists. The name
// is kept either way, so that it is written back at exit. True when opened.
bool Reopen_Last_Configuration();

}  // namespace shell
