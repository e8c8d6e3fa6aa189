#include "shell/ProjectNames.h"

#include "base/Files.h"
#include "base/StrUtils.h"
#include "base/TextCodec.h"
#include "shell/Comon.h"

namespace shell {

namespace {

std::string FolderOf(const std::string& name) { return Projects_Dir + base::PathDelim + name; }

// Configuration folders travel between machines, and names are compared
// without regard to case, as the file system the configurations were first
// kept on does; a name that differs only in case is the same configuration.
bool NameTaken(const std::vector<std::string>& names, const std::string& name) {
    for (const std::string& existing : names)
        if (base::SameText(existing, name))
            return true;
    return false;
}

}  // namespace

bool Is_Safe_Configuration_Name(const std::string& name) {
    const std::string trimmed = base::Trim(name);
    if (trimmed.empty() || trimmed == "." || trimmed == "..")
        return false;
    for (unsigned char c : name) {
        if (c < 0x20 || c == 0x7F)
            return false;
        switch (c) {
        case '<': case '>': case ':': case '"': case '/': case '\\': case '|': case '?': case '*':
            return false;
        default:
            break;
        }
    }
    return true;
}

bool Is_Portable_Configuration_Name(const std::string& name) {
    // A leading "." hides the folder, so the open dialog would never list
    // it again; a trailing "." is dropped by some file systems, which would
    // then keep a folder of another name; a name that is no UTF-8 cannot be
    // written into the settings file or shown.
    return !name.empty() && name.front() != '.' && name.back() != '.' && base::IsValidUtf8(name);
}

int Create_New_Project(const std::string& typed) {
    if (typed.empty())
        return Text_Name_Empty;
    // Blanks around a name are never meant: a folder " Plant " would look
    // like "Plant" in every list and still be another configuration.
    const std::string name = base::Trim(typed);
    // Checked before the existence test: ".." or "a/b" would otherwise be
    // found as existing folders, or created outside PROJECTS.
    if (!Is_Safe_Configuration_Name(name))
        return Text_Name_Cannot_Be_Created;
    const std::string folder = FolderOf(name);
    if (base::DirectoryExists(folder) || NameTaken(base::ListFolders(Projects_Dir), name))
        return Text_Name_Exists;
    if (NameTaken(base::ListFiles(Projects_Dir), name) || !Is_Portable_Configuration_Name(name))
        return Text_Name_Cannot_Be_Created;
    if (!base::CreateDir(folder))
        return Text_Name_Cannot_Be_Created;
    // The device image goes here later; a failure shows when it is written.
    base::ForceDirectories(folder + base::PathDelim + "bin");
    Conf_Name = name;
    Conf_Path = folder;
    Set_Files();
    return 0;
}

std::vector<std::string> Load_Existing_Configuration(const std::string& projectsDir) {
    std::vector<std::string> names;
    for (const std::string& name : base::ListFolders(projectsDir))
        if (!name.empty() && name[0] != '.')
            names.push_back(name);
    return names;
}

int Search_Open_Conf(const std::vector<std::string>& list, const std::string& name) {
    const std::string wanted = base::UpperCase(name);
    for (size_t i = 0; i < list.size(); ++i)
        if (base::UpperCase(list[i]) == wanted)
            return static_cast<int>(i);
    return -1;
}

std::string Open_Configuration_Name(const std::string& confPath, const std::string& projectsDir) {
    if (confPath.size() <= projectsDir.size() + 1 || confPath.compare(0, projectsDir.size(), projectsDir) != 0)
        return {};
    return confPath.substr(projectsDir.size() + 1);
}

int Preselect_Configuration(const std::vector<std::string>& list, const std::string& confPath,
                            const std::string& projectsDir) {
    const int found = Search_Open_Conf(list, Open_Configuration_Name(confPath, projectsDir));
    if (found >= 0)
        return found;
    return list.empty() ? -1 : 0;
}

void Open_Configuration(const std::string& name) {
    Conf_Name = name;
    Conf_Path = (!name.empty() && Is_Safe_Configuration_Name(name)) ? FolderOf(name) : std::string();
    Set_Files();
}

bool Reopen_Last_Configuration() {
    // A settings file edited by hand must not point the program outside PROJECTS.
    if (!Conf_Name.empty() && Is_Safe_Configuration_Name(Conf_Name) &&
        base::DirectoryExists(FolderOf(Conf_Name))) {
        Conf_Path = FolderOf(Conf_Name);
        return true;
    }
    Conf_Path.clear();
    return false;
}

}  // namespace shell
