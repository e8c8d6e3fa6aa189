#include "base/Files.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>

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
    // The temporary file is created with the usual permissions (the umask
    // applies), then given those of the file it replaces, if any.
    static std::atomic<unsigned> counter{0};
    std::string tmp;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        tmp = dir + "." + ExtractFileName(path) + "." + std::to_string(::getpid()) + "." +
              std::to_string(counter.fetch_add(1)) + ".tmp";
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
    const int dfd = ::open(dir.empty() ? "." : dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dfd >= 0) {
        ::fsync(dfd);
        ::close(dfd);
    }
    return true;
}

}  // namespace base
