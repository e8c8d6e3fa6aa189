#include "platform/AtomicFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace plat {

// The temporary file sits beside the target so that the rename stays on one
// file system and is atomic: the old file is replaced only by a complete one.
bool WriteFileReplacing(const std::string& path, std::string_view bytes, std::string& error) {
    const std::size_t slash = path.find_last_of('/');
    const std::string folder = slash == std::string::npos ? "." : path.substr(0, slash + 1);
    std::string temp = path + ".tmp-XXXXXX";
    std::vector<char> name(temp.begin(), temp.end());
    name.push_back('\0');
    const int fd = ::mkstemp(name.data());
    if (fd < 0) {
        error = "Cannot write \"" + path + "\": " + std::strerror(errno);
        return false;
    }
    temp.assign(name.data());

    // mkstemp creates the file private; keep the mode of the file we replace,
    // or give a new file the usual mode.
    struct stat old {};
    mode_t mode = 0666;
    if (::stat(path.c_str(), &old) == 0) {
        mode = old.st_mode & 07777;
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode &= ~mask;
    }
    ::fchmod(fd, mode);

    const char* data = bytes.data();
    std::size_t left = bytes.size();
    int failure = 0;
    while (left > 0) {
        const ssize_t n = ::write(fd, data, left);
        if (n < 0) {
            if (errno == EINTR) continue;
            failure = errno;
            break;
        }
        data += n;
        left -= static_cast<std::size_t>(n);
    }
    if (failure == 0 && ::fsync(fd) != 0) failure = errno;
    if (::close(fd) != 0 && failure == 0) failure = errno;
    if (failure == 0 && std::rename(temp.c_str(), path.c_str()) != 0) failure = errno;
    if (failure != 0) {
        ::unlink(temp.c_str());
        error = "Cannot write \"" + path + "\": " + std::strerror(failure);
        return false;
    }
    // Make the rename itself durable.
    const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return true;
}

}  // namespace plat
