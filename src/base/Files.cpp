#include "base/Files.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <limits>

namespace base {

namespace {

// Texts composed by the windows may still carry "\" between parts, so the
// name helpers split at either delimiter.
bool IsDelim(char c) { return c == '/' || c == '\\'; }

size_t LastDelim(std::string_view path) {
    for (size_t i = path.size(); i > 0; --i)
        if (IsDelim(path[i - 1])) return i - 1;
    return std::string_view::npos;
}

size_t ExtDot(std::string_view path) {
    const size_t d = LastDelim(path);
    const size_t from = d == std::string_view::npos ? 0 : d + 1;
    const size_t dot = path.rfind('.');
    return (dot == std::string_view::npos || dot < from) ? std::string_view::npos : dot;
}

std::string OsError(const std::string& what, const std::string& path, int err) {
    return what + " \"" + path + "\": " + std::strerror(err);
}

void SetError(std::string* error, std::string text) {
    if (error) *error = std::move(text);
}

unsigned char Fold(unsigned char c) { return (c >= 'A' && c <= 'Z') ? static_cast<unsigned char>(c + 32) : c; }

// Splits UTF-8 into characters so that "?" stands for one character, not one byte.
std::vector<std::string_view> Chars(std::string_view s) {
    std::vector<std::string_view> out;
    size_t i = 0;
    while (i < s.size()) {
        const unsigned char c = static_cast<unsigned char>(s[i]);
        size_t n = c < 0x80 ? 1 : (c >> 5) == 0x6 ? 2 : (c >> 4) == 0xE ? 3 : (c >> 3) == 0x1E ? 4 : 1;
        if (i + n > s.size()) n = 1;
        out.push_back(s.substr(i, n));
        i += n;
    }
    return out;
}

bool SameChar(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (Fold(static_cast<unsigned char>(a[i])) != Fold(static_cast<unsigned char>(b[i]))) return false;
    return true;
}

std::vector<std::string> ListEntries(const std::string& folder, bool wantFolders, std::string_view pattern) {
    std::vector<std::string> names;
    DIR* dir = opendir(folder.c_str());
    if (!dir) return names;
    while (dirent* e = readdir(dir)) {
        const std::string name = e->d_name;
        if (name == "." || name == "..") continue;
        struct stat st;
        if (stat(JoinPath(folder, name).c_str(), &st) != 0) continue;
        if (wantFolders ? !S_ISDIR(st.st_mode) : !S_ISREG(st.st_mode)) continue;
        if (!wantFolders && !MatchesMask(name, pattern)) continue;
        names.push_back(name);
    }
    closedir(dir);
    std::sort(names.begin(), names.end());
    return names;
}

// True for a process that still runs (or that we may not signal).
bool ProcessAlive(long pid) {
    if (pid <= 0 || pid > std::numeric_limits<pid_t>::max()) return false;
    return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
}

// The pid in ".NAME.<pid>.<n>.tmp", or 0 when entry is no such name.
long TemporaryOwner(std::string_view entry, std::string_view name) {
    const std::string head = "." + std::string(name) + ".";
    const std::string_view tail = ".tmp";
    if (entry.size() <= head.size() + tail.size() || entry.substr(0, head.size()) != head ||
        entry.substr(entry.size() - tail.size()) != tail)
        return 0;
    const std::string_view middle = entry.substr(head.size(), entry.size() - head.size() - tail.size());
    const size_t dot = middle.find('.');
    if (dot == 0 || dot == std::string_view::npos || dot + 1 == middle.size() || dot > 9) return 0;
    auto digits = [](std::string_view d) { return d.find_first_not_of("0123456789") == std::string_view::npos; };
    if (!digits(middle.substr(0, dot)) || !digits(middle.substr(dot + 1))) return 0;
    return std::stol(std::string(middle.substr(0, dot)));
}

// Removes a file, or a folder with everything in it; links are removed,
// never followed.
void RemoveTree(const std::string& path) {
    struct stat st;
    if (lstat(path.c_str(), &st) != 0) return;
    if (S_ISDIR(st.st_mode)) {
        if (DIR* dir = opendir(path.c_str())) {
            std::vector<std::string> names;
            while (dirent* e = readdir(dir))
                if (std::strcmp(e->d_name, ".") != 0 && std::strcmp(e->d_name, "..") != 0) names.push_back(e->d_name);
            closedir(dir);
            for (const std::string& n : names) RemoveTree(JoinPath(path, n));
        }
        ::rmdir(path.c_str());
    } else {
        ::unlink(path.c_str());
    }
}

// A save killed half-way leaves its temporary file (or folder) behind; the
// next save of the same target clears those whose process is gone.
void RemoveStaleTemporaries(const std::string& dir, std::string_view name) {
    DIR* d = opendir(dir.empty() ? "." : dir.c_str());
    if (!d) return;
    std::vector<std::string> stale;
    while (dirent* e = readdir(d)) {
        const long owner = TemporaryOwner(e->d_name, name);
        if (owner != 0 && owner != ::getpid() && !ProcessAlive(owner)) stale.push_back(e->d_name);
    }
    closedir(d);
    for (const std::string& n : stale) RemoveTree(dir + n);
}

std::string TemporaryName(const std::string& dir, std::string_view name) {
    static std::atomic<unsigned> counter{0};
    return dir + "." + std::string(name) + "." + std::to_string(::getpid()) + "." +
           std::to_string(counter.fetch_add(1)) + ".tmp";
}

// A target a save must not replace: read-only to its owner's eyes (root
// could write it regardless), or present but no regular file.
bool RefusedTarget(const std::string& path, std::string* error) {
    struct stat st;
    if (lstat(path.c_str(), &st) != 0) return false;
    if (S_ISLNK(st.st_mode) && stat(path.c_str(), &st) != 0) return false;
    if (S_ISDIR(st.st_mode)) {
        SetError(error, OsError("Cannot replace", path, EISDIR));
        return true;
    }
    if ((st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 || ::access(path.c_str(), W_OK) != 0) {
        SetError(error, "Cannot replace \"" + path + "\": the file is read-only");
        return true;
    }
    return false;
}

void SyncFolder(const std::string& dir) {
    const int dfd = ::open(dir.empty() ? "." : dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dfd >= 0) {
        ::fsync(dfd);
        ::close(dfd);
    }
}

bool WriteAll(int fd, std::string_view bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        done += static_cast<size_t>(n);
    }
    return true;
}

}  // namespace

std::string NativePath(std::string_view path) {
    std::string r(path);
    std::replace(r.begin(), r.end(), '\\', '/');
    return r;
}

std::string JoinPath(std::string_view folder, std::string_view name) {
    if (folder.empty()) return std::string(name);
    return IncludeTrailingPathDelimiter(folder) + std::string(name);
}

std::string IncludeTrailingPathDelimiter(std::string_view path) {
    std::string r(path);
    if (r.empty() || !IsDelim(r.back())) r.push_back(PathDelim);
    return r;
}

std::string ExcludeTrailingPathDelimiter(std::string_view path) {
    std::string r(path);
    if (!r.empty() && IsDelim(r.back())) r.pop_back();
    return r;
}

std::string ExtractFilePath(std::string_view path) {
    const size_t d = LastDelim(path);
    return d == std::string_view::npos ? std::string() : std::string(path.substr(0, d + 1));
}

std::string ExtractFileDir(std::string_view path) {
    const size_t d = LastDelim(path);
    if (d == std::string_view::npos) return {};
    // The root keeps its delimiter: the folder of "/a" is "/", not "".
    return std::string(path.substr(0, d == 0 ? 1 : d));
}

std::string ExtractFileName(std::string_view path) {
    const size_t d = LastDelim(path);
    return std::string(d == std::string_view::npos ? path : path.substr(d + 1));
}

std::string ExtractFileExt(std::string_view path) {
    const size_t dot = ExtDot(path);
    return dot == std::string_view::npos ? std::string() : std::string(path.substr(dot));
}

std::string ChangeFileExt(std::string_view path, std::string_view ext) {
    const size_t dot = ExtDot(path);
    std::string r(dot == std::string_view::npos ? path : path.substr(0, dot));
    r.append(ext);
    return r;
}

bool FileExists(const std::string& path) {
    struct stat st;
    return !path.empty() && stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool DirectoryExists(const std::string& path) {
    struct stat st;
    return !path.empty() && stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool ForceDirectories(const std::string& path) {
    const std::string dir = ExcludeTrailingPathDelimiter(NativePath(path));
    if (dir.empty()) return false;
    if (DirectoryExists(dir)) return true;
    const std::string parent = ExtractFileDir(dir);
    if (!parent.empty() && parent != dir && !ForceDirectories(parent)) return false;
    // Another process may have made it meanwhile; that is success too.
    return CreateDir(dir) || DirectoryExists(dir);
}

bool CreateDir(const std::string& path) { return !path.empty() && ::mkdir(path.c_str(), 0777) == 0; }

bool DeleteFile(const std::string& path) {
    struct stat st;
    if (lstat(path.c_str(), &st) != 0 || S_ISDIR(st.st_mode)) return false;
    return ::unlink(path.c_str()) == 0;
}

bool RenameFile(const std::string& from, const std::string& to) {
    // Renaming never replaces an existing file: a rename onto a taken name
    // would silently destroy it.
    struct stat st;
    if (lstat(to.c_str(), &st) == 0) return false;
    return ::rename(from.c_str(), to.c_str()) == 0;
}

bool CopyFile(const std::string& from, const std::string& to, bool failIfExists) {
    if (failIfExists) {
        struct stat st;
        if (lstat(to.c_str(), &st) == 0) return false;
    }
    std::string bytes;
    if (!ReadFileBytes(from, bytes)) return false;
    return WriteFileAtomic(to, bytes);
}

bool IsFileReadOnly(const std::string& path) {
    struct stat st;
    if (stat(path.c_str(), &st) != 0) return false;
    return (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
}

std::string ExecutablePath() {
    std::string buf(4096, '\0');
    const ssize_t n = ::readlink("/proc/self/exe", buf.data(), buf.size());
    if (n <= 0) return {};
    buf.resize(static_cast<size_t>(n));
    return buf;
}

std::string CurrentDir() {
    std::string buf(4096, '\0');
    if (!::getcwd(buf.data(), buf.size())) return {};
    buf.resize(std::strlen(buf.c_str()));
    return buf;
}

std::vector<std::string> ListFolders(const std::string& folder) { return ListEntries(folder, true, "*"); }

std::vector<std::string> ListFiles(const std::string& folder, std::string_view pattern) {
    return ListEntries(folder, false, pattern);
}

bool MatchesMask(std::string_view name, std::string_view mask) {
    const std::vector<std::string_view> s = Chars(name);
    const std::vector<std::string_view> m = Chars(mask);
    // Greedy match with one back-tracking point: the last "*" seen.
    size_t si = 0, mi = 0, starM = std::string_view::npos, starS = 0;
    while (si < s.size()) {
        if (mi < m.size() && m[mi] == "*") {
            starM = mi++;
            starS = si;
        } else if (mi < m.size() && (m[mi] == "?" || SameChar(m[mi], s[si]))) {
            ++mi;
            ++si;
        } else if (starM != std::string_view::npos) {
            mi = starM + 1;
            si = ++starS;
        } else {
            return false;
        }
    }
    while (mi < m.size() && m[mi] == "*") ++mi;
    return mi == m.size();
}

bool ReadFileBytes(const std::string& path, std::string& bytes, std::string* error) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        SetError(error, OsError("Cannot open", path, errno));
        return false;
    }
    struct stat st;
    if (fstat(fd, &st) == 0 && S_ISDIR(st.st_mode)) {
        ::close(fd);
        SetError(error, OsError("Cannot read", path, EISDIR));
        return false;
    }
    std::string data;
    // Sized once for a regular file, so a large one is not copied again at
    // every growth of the buffer.
    if (fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_size > 0) data.reserve(static_cast<size_t>(st.st_size));
    char buf[65536];
    while (true) {
        const ssize_t n = ::read(fd, buf, sizeof buf);
        if (n < 0) {
            if (errno == EINTR) continue;
            const int err = errno;
            ::close(fd);
            SetError(error, OsError("Cannot read", path, err));
            return false;
        }
        if (n == 0) break;
        data.append(buf, static_cast<size_t>(n));
    }
    ::close(fd);
    bytes = std::move(data);
    return true;
}

bool WriteFileAtomic(const std::string& path, std::string_view bytes, std::string* error) {
    if (path.empty() || IsDelim(path.back())) {
        SetError(error, OsError("Cannot write", path, EISDIR));
        return false;
    }
    const std::string dir = ExtractFilePath(path);
    if (RefusedTarget(path, error)) return false;
    RemoveStaleTemporaries(dir, ExtractFileName(path));
    // The temporary file is created with the usual permissions (the umask
    // applies), then given those of the file it replaces, if any.
    std::string tmp;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        tmp = TemporaryName(dir, ExtractFileName(path));
        fd = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) break;
    }
    if (fd < 0) {
        SetError(error, OsError("Cannot create a temporary file beside", path, errno));
        return false;
    }
    auto fail = [&](const char* what, int err) {
        ::close(fd);
        ::unlink(tmp.c_str());
        SetError(error, OsError(what, path, err));
        return false;
    };
    struct stat st;
    if (stat(path.c_str(), &st) == 0 && ::fchmod(fd, st.st_mode & 07777) != 0) return fail("Cannot write", errno);
    if (!WriteAll(fd, bytes)) return fail("Cannot write", errno);
    if (::fsync(fd) != 0) return fail("Cannot write", errno);
    if (::close(fd) != 0) {
        const int err = errno;
        ::unlink(tmp.c_str());
        SetError(error, OsError("Cannot write", path, err));
        return false;
    }
    if (::rename(tmp.c_str(), path.c_str()) != 0) {
        const int err = errno;
        ::unlink(tmp.c_str());
        SetError(error, OsError("Cannot replace", path, err));
        return false;
    }
    // Make the rename itself durable; a failure here loses nothing already written.
    SyncFolder(dir);
    return true;
}

namespace {

// Writes bytes as a new file at path (which must not exist) with the given
// mode, flushed to disk.
bool WriteNewFile(const std::string& path, std::string_view bytes, mode_t mode, int& err) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) {
        err = errno;
        return false;
    }
    bool ok = (mode == 0 || ::fchmod(fd, mode) == 0) && WriteAll(fd, bytes) && ::fsync(fd) == 0;
    if (!ok) err = errno;
    if (::close(fd) != 0 && ok) {
        err = errno;
        ok = false;
    }
    return ok;
}

// Copies the entry from into to (which does not exist yet): files as hard
// links (or copies where linking fails), folders entry by entry, links as
// links.
bool CloneEntry(const std::string& from, const std::string& to, int& err) {
    struct stat st;
    if (lstat(from.c_str(), &st) != 0) {
        err = errno;
        return false;
    }
    if (S_ISDIR(st.st_mode)) {
        if (::mkdir(to.c_str(), st.st_mode & 07777) != 0) {
            err = errno;
            return false;
        }
        DIR* dir = opendir(from.c_str());
        if (!dir) {
            err = errno;
            return false;
        }
        std::vector<std::string> names;
        while (dirent* e = readdir(dir))
            if (std::strcmp(e->d_name, ".") != 0 && std::strcmp(e->d_name, "..") != 0) names.push_back(e->d_name);
        closedir(dir);
        for (const std::string& n : names)
            if (!CloneEntry(JoinPath(from, n), JoinPath(to, n), err)) return false;
        return true;
    }
    if (S_ISLNK(st.st_mode)) {
        std::string target(4096, '\0');
        const ssize_t n = ::readlink(from.c_str(), target.data(), target.size());
        if (n < 0) {
            err = errno;
            return false;
        }
        target.resize(static_cast<size_t>(n));
        if (::symlink(target.c_str(), to.c_str()) != 0) {
            err = errno;
            return false;
        }
        return true;
    }
    if (::link(from.c_str(), to.c_str()) == 0) return true;
    std::string bytes;
    if (!ReadFileBytes(from, bytes)) {
        err = EIO;
        return false;
    }
    return WriteNewFile(to, bytes, st.st_mode & 07777, err);
}

// Puts the complete new folder in the old one's place in one step; where the
// file system cannot exchange two names, the old folder is moved aside
// first, so a reader finds no folder for a moment but never a mixed one.
bool SwapFolder(const std::string& fresh, const std::string& folder, const std::string& aside, int& err) {
    if (::renameat2(AT_FDCWD, fresh.c_str(), AT_FDCWD, folder.c_str(), RENAME_EXCHANGE) == 0) return true;
    if (errno != EINVAL && errno != ENOSYS) {
        err = errno;
        return false;
    }
    if (::rename(folder.c_str(), aside.c_str()) != 0) {
        err = errno;
        return false;
    }
    if (::rename(fresh.c_str(), folder.c_str()) != 0) {
        err = errno;
        ::rename(aside.c_str(), folder.c_str());
        return false;
    }
    return true;
}

}  // namespace

bool WriteFolderAtomic(const std::string& folderPath, const std::vector<TFolderFile>& files, std::string* error) {
    const std::string folder = ExcludeTrailingPathDelimiter(NativePath(folderPath));
    const std::string name = ExtractFileName(folder);
    if (folder.empty() || name.empty() || name == "." || name == "..") {
        SetError(error, OsError("Cannot replace the folder", folderPath, EINVAL));
        return false;
    }
    const std::string parent = ExtractFilePath(folder);
    struct stat st;
    const bool exists = lstat(folder.c_str(), &st) == 0;
    if (exists && !S_ISDIR(st.st_mode)) {
        SetError(error, OsError("Cannot replace the folder", folder, ENOTDIR));
        return false;
    }
    for (const TFolderFile& f : files) {
        if (f.name.empty() || f.name.find('/') != std::string::npos || f.name == "." || f.name == "..") {
            SetError(error, OsError("Cannot write", JoinPath(folder, f.name), EINVAL));
            return false;
        }
        if (exists && RefusedTarget(JoinPath(folder, f.name), error)) return false;
    }
    RemoveStaleTemporaries(parent, name);

    const std::string fresh = TemporaryName(parent, name);
    int err = 0;
    if (::mkdir(fresh.c_str(), exists ? (st.st_mode & 07777) : 0777) != 0) {
        SetError(error, OsError("Cannot create a temporary folder beside", folder, errno));
        return false;
    }
    auto fail = [&](const std::string& what, const std::string& where) {
        RemoveTree(fresh);
        SetError(error, OsError(what, where, err));
        return false;
    };
    for (const TFolderFile& f : files) {
        const std::string old = JoinPath(folder, f.name);
        struct stat fst;
        const mode_t mode = exists && stat(old.c_str(), &fst) == 0 ? (fst.st_mode & 07777) : 0;
        if (!WriteNewFile(JoinPath(fresh, f.name), f.bytes, mode, err)) return fail("Cannot write", old);
    }
    if (exists) {
        DIR* dir = opendir(folder.c_str());
        if (!dir) {
            err = errno;
            return fail("Cannot read the folder", folder);
        }
        std::vector<std::string> others;
        while (dirent* e = readdir(dir)) {
            const std::string n = e->d_name;
            if (n == "." || n == "..") continue;
            bool written = false;
            for (const TFolderFile& f : files) written = written || f.name == n;
            if (!written) others.push_back(n);
        }
        closedir(dir);
        for (const std::string& n : others)
            if (!CloneEntry(JoinPath(folder, n), JoinPath(fresh, n), err)) return fail("Cannot keep", JoinPath(folder, n));
    }
    SyncFolder(fresh);
    if (!exists) {
        if (::rename(fresh.c_str(), folder.c_str()) != 0) {
            err = errno;
            return fail("Cannot create the folder", folder);
        }
    } else {
        const std::string aside = TemporaryName(parent, name);
        if (!SwapFolder(fresh, folder, aside, err)) return fail("Cannot replace the folder", folder);
        // The exchange left the old folder under the temporary name.
        RemoveTree(fresh);
        RemoveTree(aside);
    }
    SyncFolder(parent);
    return true;
}

}  // namespace base
