#include "platform/Process.h"

#include <cerrno>
#include <cstring>
#include <ctime>
#include <thread>

#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace plat {

namespace {

int ExitCodeOf(int status) {
    if (WIFEXITED(status)) return WEXITSTATUS(status);
    if (WIFSIGNALED(status)) return 128 + WTERMSIG(status);
    return -1;
}

// Blocks until the child is reaped; false when it was not our child (any
// more).
bool Reap(int pid, int& exitCode) {
    int status = 0;
    for (;;) {
        const pid_t r = ::waitpid(pid, &status, 0);
        if (r == pid) {
            exitCode = ExitCodeOf(status);
            return true;
        }
        if (r < 0 && errno == EINTR) continue;
        return false;
    }
}

class SpawnSetup {
public:
    SpawnSetup() {
        ::posix_spawn_file_actions_init(&actions);
        ::posix_spawnattr_init(&attr);
    }
    ~SpawnSetup() {
        ::posix_spawn_file_actions_destroy(&actions);
        ::posix_spawnattr_destroy(&attr);
    }
    SpawnSetup(const SpawnSetup&) = delete;
    SpawnSetup& operator=(const SpawnSetup&) = delete;
    posix_spawn_file_actions_t actions;
    posix_spawnattr_t attr;
};

}  // namespace

bool StartProcess(const std::string& program, const std::vector<std::string>& args,
                  const std::string& workDir, TProcess& process, std::string* error) {
    process.pid = -1;
    auto fail = [&](const std::string& why) {
        if (error) *error = "Cannot start \"" + program + "\": " + why;
        return false;
    };
    if (program.empty()) return fail("no program given");

    struct stat info {};
    if (!workDir.empty() && (::stat(workDir.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)))
        return fail("the working folder \"" + workDir + "\" does not exist");
    // exec would refuse a folder with EACCES, which reads as a permissions
    // problem; say what it is.
    if (program.find('/') != std::string::npos && ::stat(program.c_str(), &info) == 0 &&
        S_ISDIR(info.st_mode))
        return fail("it is a folder");

    SpawnSetup setup;
    if (!workDir.empty()) {
        const int rc = ::posix_spawn_file_actions_addchdir_np(&setup.actions, workDir.c_str());
        if (rc != 0) return fail(std::strerror(rc));
    }
    // The child starts with default signal handling and nothing blocked,
    // whatever this program has set up for itself (an ignored SIGPIPE, say).
    sigset_t none;
    sigset_t all;
    sigemptyset(&none);
    sigfillset(&all);
    sigdelset(&all, SIGKILL);
    sigdelset(&all, SIGSTOP);
    ::posix_spawnattr_setsigmask(&setup.attr, &none);
    ::posix_spawnattr_setsigdefault(&setup.attr, &all);
    ::posix_spawnattr_setflags(&setup.attr, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);

    std::vector<char*> argv;
    argv.reserve(args.size() + 2);
    argv.push_back(const_cast<char*>(program.c_str()));
    for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);

    // posix_spawnp reports a failed exec as its own result (the child is
    // created with vfork semantics and the parent waits for the exec), so a
    // program that cannot run is never taken for a started one.
    pid_t pid = -1;
    const int rc = ::posix_spawnp(&pid, program.c_str(), &setup.actions, &setup.attr, argv.data(), environ);
    if (rc != 0) {
        if (pid > 0) {
            int ignored = 0;
            Reap(pid, ignored);
        }
        return fail(std::strerror(rc));
    }
    process.pid = pid;
    return true;
}

bool PollProcess(TProcess& process, int& exitCode) {
    // A handle that was never started (or already reaped) must not turn
    // into waitpid(-1), which would reap somebody else's child.
    if (process.pid <= 0) {
        exitCode = -1;
        return true;
    }
    int status = 0;
    pid_t r;
    do {
        r = ::waitpid(process.pid, &status, WNOHANG);
    } while (r < 0 && errno == EINTR);
    if (r == 0) return false;
    exitCode = r == process.pid ? ExitCodeOf(status) : -1;
    process.pid = -1;
    return true;
}

void KillProcess(TProcess& process) {
    if (process.pid <= 0) return;
    // A polite request first, so the program can tidy up; then no choice.
    int exitCode = 0;
    if (::kill(process.pid, SIGTERM) == 0) {
        const long long until = TickCountMs() + 1000;
        while (TickCountMs() < until) {
            if (PollProcess(process, exitCode)) return;
            SleepMs(10);
        }
        ::kill(process.pid, SIGKILL);
    }
    Reap(process.pid, exitCode);
    process.pid = -1;
}

void ReleaseProcess(TProcess& process) {
    if (process.pid <= 0) return;
    const int pid = process.pid;
    process.pid = -1;
    // A waiter of its own per process: it blocks only on that child, never
    // on another one a caller still polls.
    std::thread([pid] {
        int exitCode = 0;
        Reap(pid, exitCode);
    }).detach();
}

void SleepMs(int ms) {
    if (ms <= 0) return;
    timespec left{ms / 1000, static_cast<long>(ms % 1000) * 1000000L};
    while (::nanosleep(&left, &left) != 0 && errno == EINTR) {
    }
}

long long TickCountMs() {
    timespec now{};
    ::clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000 + now.tv_nsec / 1000000;
}

}  // namespace plat
