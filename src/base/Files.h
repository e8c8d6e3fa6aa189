#pragma once
// File and folder helpers. Paths are UTF-8 with "/" between parts on this
// platform; texts that the windows build with "\" (a configuration folder and
// a file name, say) go through NativePath before they reach the file system.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace base {

constexpr char PathDelim = '/';

std::string NativePath(std::string_view path);  // "\" -> "/"
std::string JoinPath(std::string_view folder, std::string_view name);
std::string IncludeTrailingPathDelimiter(std::string_view path);
std::string ExcludeTrailingPathDelimiter(std::string_view path);
std::string ExtractFilePath(std::string_view path);  // with the trailing delimiter
std::string ExtractFileDir(std::string_view path);   // without it
std::string ExtractFileName(std::string_view path);
std::string ExtractFileExt(std::string_view path);  // with the dot, "" when none
std::string ChangeFileExt(std::string_view path, std::string_view ext);

bool FileExists(const std::string& path);       // a regular file
bool DirectoryExists(const std::string& path);
bool ForceDirectories(const std::string& path);  // creates every missing level
bool CreateDir(const std::string& path);
bool DeleteFile(const std::string& path);
bool RenameFile(const std::string& from, const std::string& to);
bool CopyFile(const std::string& from, const std::string& to, bool failIfExists);
bool IsFileReadOnly(const std::string& path);
std::string ExecutablePath();  // full path of the running program
std::string CurrentDir();

// Names (not paths) of the sub-folders / regular files of folder, sorted by
// byte order; hidden entries "." and ".." excluded. Pattern: "*" and "?"
// wildcards, case-insensitive ("*.lng").
std::vector<std::string> ListFolders(const std::string& folder);
std::vector<std::string> ListFiles(const std::string& folder, std::string_view pattern = "*");
bool MatchesMask(std::string_view name, std::string_view mask);

bool ReadFileBytes(const std::string& path, std::string& bytes, std::string* error = nullptr);
// Writes to a temporary file in the same folder, flushes it, then renames it
// over the target: the old file stays intact until the new one is complete.
// A read-only target is refused, not replaced. Temporary files that killed
// saves of the same target left behind (".NAME.<pid>.<n>.tmp" of a process
// that no longer runs) are removed first.
bool WriteFileAtomic(const std::string& path, std::string_view bytes, std::string* error = nullptr);

// One file that WriteFolderAtomic writes: a plain name inside the folder.
struct TFolderFile {
    std::string name;
    std::string bytes;
};

// Replaces files of folder together, for a reader that must never see some
// of them new and others old: they are written into a new folder beside it
// with the folder's other entries carried over, and the new folder then
// takes the old one's place in a single exchange, so a crash at any point
// leaves either every old file or every new one. The folder is created when
// missing; a folder that is a symbolic link, and a target that is read-only
// or no regular file, are refused with nothing changed.
bool WriteFolderAtomic(const std::string& folder, const std::vector<TFolderFile>& files,
                       std::string* error = nullptr);

}  // namespace base
