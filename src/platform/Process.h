#pragma once
// Starting an external program and waiting for it.

#include <string>
#include <vector>

namespace plat {

struct TProcess {
    int pid = -1;
};

// Starts program with the given arguments in workDir (empty: current folder).
// False with error when it cannot be started (missing, not executable).
bool StartProcess(const std::string& program, const std::vector<std::string>& args,
                  const std::string& workDir, TProcess& process, std::string* error = nullptr);
// Polls without blocking: true when the process has ended, with its exit code
// (128 + signal when it was killed). The process is reaped then.
bool PollProcess(TProcess& process, int& exitCode);
// Ends a process that is still running and reaps it.
void KillProcess(TProcess& process);
// Lets a process that is still running go on on its own: the handle is
// released at once, and the process is reaped in the background when it
// ends, so it leaves no zombie behind.
void ReleaseProcess(TProcess& process);
void SleepMs(int ms);
// Milliseconds from a monotonic clock.
long long TickCountMs();

}  // namespace plat
