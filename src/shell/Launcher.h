#pragma once
// Runs an external program (the device updater) and waits for it, blocking
// the caller, until it ends or a time limit has passed.

#include <functional>
#include <string>
#include <vector>

namespace shell {

inline constexpr int Start_Program_Limit_Ms = 150000;
inline constexpr int Start_Program_Poll_Ms = 10;

enum class TStartOutcome {
    Ended,       // the program ended; exitCode holds its code
    TimedOut,    // still running at the limit: left running, reaped when it ends
    NotStarted,  // missing, not executable or refused; error says why
};

struct TStartResult {
    TStartOutcome outcome = TStartOutcome::NotStarted;
    int exitCode = -1;
    std::string error;
};

// Splits a command-line parameter text into arguments at blanks; double
// quotes group blanks into one argument ("a b" c -> [a b] [c]).
std::vector<std::string> Split_Parameters(const std::string& parameter);

// Starts NomeSW with Parameter and polls it every 10 ms until it ends or
// limitMs have passed. tipo asks for the program's window to stay hidden; a
// child process here opens its own windows, so it has no effect. A program
// still running at the limit is left running (the updater may be writing a
// device) and reaped in the background once it ends, so no zombie stays.
// pause waits between two polls (a plain sleep when empty); a window passes
// one that keeps it painted meanwhile.
TStartResult Start_Program(const std::string& NomeSW, const std::string& Parameter, bool tipo,
                           int limitMs = Start_Program_Limit_Ms,
                           const std::function<void(int ms)>& pause = {});

}  // namespace shell
