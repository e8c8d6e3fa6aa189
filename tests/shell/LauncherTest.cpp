#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>

#include <cerrno>
#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include "TestFolders.h"
#include "shell/Launcher.h"

using shelltest::FreshFolder;
using shelltest::ReadBytes;
using shelltest::WriteBytes;

namespace {

std::string Script(const std::string& dir, const std::string& name, const std::string& body,
                   bool executable = true) {
    const std::string path = dir + "/" + name;
    WriteBytes(path, "#!/bin/sh\n" + body + "\n");
    chmod(path.c_str(), executable ? 0755 : 0644);
    return path;
}

// No child of the test process is left behind, reaped or not.
bool NoChildLeft() { return waitpid(-1, nullptr, WNOHANG) == -1 && errno == ECHILD; }

}  // namespace

TEST(Launcher, ReturnsTheExitCode) {
    const std::string dir = FreshFolder("launcher_exit");
    for (int code : {0, 3, 42}) {
        const std::string program = Script(dir, "exit.sh", "exit " + std::to_string(code));
        const shell::TStartResult r = shell::Start_Program(program, "", false);
        EXPECT_EQ(r.outcome, shell::TStartOutcome::Ended) << code << r.error;
        EXPECT_EQ(r.exitCode, code);
    }
    EXPECT_TRUE(NoChildLeft());
}

TEST(Launcher, PassesParameters) {
    const std::string dir = FreshFolder("launcher_args");
    const std::string out = dir + "/args.txt";
    const std::string program =
        Script(dir, "args.sh", "for a in \"$@\"; do printf '[%s]' \"$a\"; done > '" + out + "'");
    const shell::TStartResult r = shell::Start_Program(program, "-x \"two words\"  last", true);
    EXPECT_EQ(r.outcome, shell::TStartOutcome::Ended) << r.error;
    EXPECT_EQ(ReadBytes(out), "[-x][two words][last]");
}

// The updater may still be writing the device's flash at the limit: it is
// left to finish, and reaped once it ends, so no zombie stays behind.
TEST(Launcher, SlowProgramKeepsRunningPastTheLimitAndIsReapedLater) {
    const std::string dir = FreshFolder("launcher_slow");
    const std::string done = dir + "/done.txt";
    const std::string program = Script(dir, "slow.sh", "sleep 1\necho finished > '" + done + "'");
    const auto start = std::chrono::steady_clock::now();
    const shell::TStartResult r = shell::Start_Program(program, "", false, 300);
    const auto waited = std::chrono::steady_clock::now() - start;
    EXPECT_EQ(r.outcome, shell::TStartOutcome::TimedOut);
    EXPECT_GE(waited, std::chrono::milliseconds(300));
    EXPECT_LT(waited, std::chrono::milliseconds(900));
    EXPECT_EQ(ReadBytes(done), "");
    // Not killed: it ends on its own and leaves no child behind.
    bool reaped = false;
    for (int i = 0; i < 500 && !reaped; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        reaped = ReadBytes(done) == "finished\n" && NoChildLeft();
    }
    EXPECT_EQ(ReadBytes(done), "finished\n");
    EXPECT_TRUE(reaped);
}

TEST(Launcher, ProgramThatCannotStartIsReported) {
    const std::string dir = FreshFolder("launcher_missing");
    const struct {
        const char* name;
        std::string program;
    } cases[] = {
        {"missing", dir + "/Ethernet_Update.exe"},
        {"not executable", Script(dir, "plain.sh", "exit 0", false)},
        {"a folder", dir},
    };
    for (const auto& c : cases) {
        const auto start = std::chrono::steady_clock::now();
        const shell::TStartResult r = shell::Start_Program(c.program, "", false);
        EXPECT_EQ(r.outcome, shell::TStartOutcome::NotStarted) << c.name;
        EXPECT_FALSE(r.error.empty()) << c.name;
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5)) << c.name;
    }
    EXPECT_TRUE(NoChildLeft());
}

TEST(Launcher, SplitParameters) {
    const struct {
        const char* text;
        std::vector<std::string> args;
    } cases[] = {
        {"", {}},
        {"   ", {}},
        {"a b\tc", {"a", "b", "c"}},
        {"\"C:\\Program Files\\x\" -v", {"C:\\Program Files\\x", "-v"}},
        {"\"\"", {""}},
        {"a\"b c\"d", {"ab cd"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(shell::Split_Parameters(c.text), c.args) << c.text;
}
