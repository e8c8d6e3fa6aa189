#include "platform/Process.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include <signal.h>
#include <sys/wait.h>

namespace fs = std::filesystem;
using plat::TProcess;

namespace {

std::string OutDir(const std::string& name) {
    const fs::path dir = fs::path(VASTRIMO_TEST_OUT) / "process" / name;
    fs::remove_all(dir);
    fs::create_directories(dir);
    return dir.string();
}

std::string WriteScript(const std::string& dir, const std::string& name, const std::string& body,
                        bool executable = true) {
    const std::string path = dir + "/" + name;
    {
        std::ofstream out(path, std::ios::binary);
        out << "#!/bin/sh\n" << body << "\n";
    }
    fs::permissions(path, executable ? fs::perms::owner_all | fs::perms::group_read | fs::perms::others_read
                                     : fs::perms::owner_read | fs::perms::owner_write);
    return path;
}

// Polls the way the launcher does; -2 when the child is still running at the
// deadline.
int WaitForExit(TProcess& process, int timeoutMs) {
    const long long until = plat::TickCountMs() + timeoutMs;
    int code = 0;
    while (!plat::PollProcess(process, code)) {
        if (plat::TickCountMs() > until) return -2;
        plat::SleepMs(5);
    }
    return code;
}

// True when this test program has no child left, running or zombie.
bool NoChildren() {
    int status = 0;
    return ::waitpid(-1, &status, WNOHANG) < 0 && errno == ECHILD;
}

std::string ReadText(const std::string& path) {
    std::ifstream in(path);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

}  // namespace

TEST(Process, ExitCodes) {
    const std::string dir = OutDir("codes");
    const struct { const char* name; const char* body; int code; } cases[] = {
        {"zero", "exit 0", 0},
        {"three", "exit 3", 3},
        {"max", "exit 255", 255},
        {"terminated", "kill -TERM $$", 128 + SIGTERM},
        {"killed", "kill -KILL $$", 128 + SIGKILL},
    };
    for (const auto& c : cases) {
        TProcess p;
        std::string error;
        ASSERT_TRUE(plat::StartProcess(WriteScript(dir, c.name, c.body), {}, "", p, &error))
            << c.name << ": " << error;
        EXPECT_GT(p.pid, 0) << c.name;
        EXPECT_EQ(WaitForExit(p, 10000), c.code) << c.name;
        EXPECT_EQ(p.pid, -1) << c.name;
    }
    EXPECT_TRUE(NoChildren());
}

// Arguments arrive one by one, blanks and quotes untouched (no shell in the
// way), and the child runs in the folder it was given.
TEST(Process, ArgumentsAndWorkingFolder) {
    const std::string dir = OutDir("args");
    const std::string work = dir + "/work folder";
    fs::create_directories(work);
    const std::string script = WriteScript(
        dir, "echo args.sh", "pwd > out.txt; for a in \"$@\"; do printf '[%s]\\n' \"$a\" >> out.txt; done");
    TProcess p;
    std::string error;
    ASSERT_TRUE(plat::StartProcess(script, {"a b", "", "\"q\"", "$HOME", "*"}, work, p, &error)) << error;
    ASSERT_EQ(WaitForExit(p, 10000), 0);
    EXPECT_EQ(ReadText(work + "/out.txt"), fs::canonical(work).string() + "\n[a b]\n[]\n[\"q\"]\n[$HOME]\n[*]\n");
}

// A program that cannot run is a failure, never a started process, and no
// child is left behind by the attempt.
TEST(Process, CannotStart) {
    const std::string dir = OutDir("cannot");
    const struct { const char* name; std::string program; std::string workDir; } cases[] = {
        {"missing", dir + "/Ethernet_Update.exe", ""},
        {"not executable", WriteScript(dir, "plain.sh", "exit 0", false), ""},
        {"folder", dir, ""},
        {"missing on the path", "no-such-program-here", ""},
        {"bad interpreter", WriteScript(dir, "bad.sh", "exit 0"), ""},
        {"missing working folder", WriteScript(dir, "ok.sh", "exit 0"), dir + "/gone"},
        {"empty", "", ""},
    };
    // The interpreter line of "bad.sh" names a program that does not exist.
    {
        std::ofstream out(dir + "/bad.sh", std::ios::binary);
        out << "#!/no/such/shell\nexit 0\n";
    }
    for (const auto& c : cases) {
        TProcess p;
        p.pid = 12345;  // stale value must not survive
        std::string error;
        EXPECT_FALSE(plat::StartProcess(c.program, {}, c.workDir, p, &error)) << c.name;
        EXPECT_EQ(p.pid, -1) << c.name;
        EXPECT_NE(error.find("Cannot start"), std::string::npos) << c.name << ": " << error;
        if (!c.program.empty()) {
            EXPECT_NE(error.find(c.program), std::string::npos) << c.name << ": " << error;
        }
        EXPECT_TRUE(NoChildren()) << c.name;
    }
}

TEST(Process, KillEndsAndReapsSlowChild) {
    const std::string dir = OutDir("kill");
    const struct { const char* name; const char* body; } cases[] = {
        {"sleeper", "exec sleep 30"},
        // Ignores the polite request: must still be ended.
        {"stubborn", "trap '' TERM; while :; do sleep 1; done"},
    };
    for (const auto& c : cases) {
        TProcess p;
        ASSERT_TRUE(plat::StartProcess(WriteScript(dir, c.name, c.body), {}, "", p)) << c.name;
        const int pid = p.pid;
        plat::SleepMs(100);
        int code = 0;
        EXPECT_FALSE(plat::PollProcess(p, code)) << c.name;
        EXPECT_EQ(p.pid, pid) << c.name;
        const long long start = plat::TickCountMs();
        plat::KillProcess(p);
        EXPECT_LT(plat::TickCountMs() - start, 5000) << c.name;
        EXPECT_EQ(p.pid, -1) << c.name;
        EXPECT_NE(::kill(pid, 0), 0) << c.name << ": process still exists";
        plat::KillProcess(p);  // a second call is harmless
    }
    // The stubborn shell's own sleep may linger a second as an orphan, but
    // it is not our child; ours are all reaped.
    EXPECT_TRUE(NoChildren());
}

// A handle that was never started answers "ended" and must not reap a
// child that belongs to someone else.
TEST(Process, UnstartedHandleTouchesNoOtherChild) {
    const std::string dir = OutDir("unstarted");
    TProcess other;
    ASSERT_TRUE(plat::StartProcess(WriteScript(dir, "quick.sh", "exit 7"), {}, "", other));
    plat::SleepMs(200);  // let it become a zombie

    TProcess none;
    int code = 0;
    EXPECT_TRUE(plat::PollProcess(none, code));
    EXPECT_EQ(code, -1);
    plat::KillProcess(none);

    EXPECT_EQ(WaitForExit(other, 10000), 7);
}

TEST(Process, Clock) {
    const long long start = plat::TickCountMs();
    plat::SleepMs(50);
    const long long elapsed = plat::TickCountMs() - start;
    EXPECT_GE(elapsed, 50);
    EXPECT_LT(elapsed, 5000);
    plat::SleepMs(0);
    plat::SleepMs(-5);
}
