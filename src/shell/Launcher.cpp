#include "shell/Launcher.h"

#include "base/Files.h"
#include "platform/Process.h"

namespace shell {

std::vector<std::string> Split_Parameters(const std::string& parameter) {
    std::vector<std::string> args;
    std::string current;
    bool inQuotes = false;
    bool hasArg = false;
    for (char c : parameter) {
        if (c == '"') {
            inQuotes = !inQuotes;
            hasArg = true;
        } else if (!inQuotes && (c == ' ' || c == '\t')) {
            if (hasArg)
                args.push_back(current);
            current.clear();
            hasArg = false;
        } else {
            current += c;
            hasArg = true;
        }
    }
    if (hasArg)
        args.push_back(current);
    return args;
}

TStartResult Start_Program(const std::string& NomeSW, const std::string& Parameter, bool tipo,
                           int limitMs, const std::function<void(int ms)>& pause) {
    (void)tipo;
    const auto wait = [&pause](int ms) {
        if (pause)
            pause(ms);
        else
            plat::SleepMs(ms);
    };
    TStartResult result;
    plat::TProcess process;
    if (!plat::StartProcess(base::NativePath(NomeSW), Split_Parameters(Parameter), std::string(),
                            process, &result.error)) {
        result.outcome = TStartOutcome::NotStarted;
        if (result.error.empty())
            result.error = "Cannot start " + NomeSW;
        return result;
    }
    const long long started = plat::TickCountMs();
    for (;;) {
        int exitCode = 0;
        if (plat::PollProcess(process, exitCode)) {
            wait(Start_Program_Poll_Ms);
            result.outcome = TStartOutcome::Ended;
            result.exitCode = exitCode;
            return result;
        }
        if (plat::TickCountMs() - started >= limitMs) {
            // The updater may be writing the device's flash: ending it now
            // could leave the device half written. It goes on by itself.
            plat::ReleaseProcess(process);
            result.outcome = TStartOutcome::TimedOut;
            return result;
        }
        wait(Start_Program_Poll_Ms);
    }
}

}  // namespace shell
