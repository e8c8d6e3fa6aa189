#include "platform/Ping.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <fstream>
#include <string>

#include <net/if.h>
#include <grp.h>
#include <sched.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

using plat::TPingStatus;

namespace {

// Echo on this machine may be closed to us: then the test says so and skips.
#define SKIP_WHEN_NOT_PERMITTED(result)                                    \
    do {                                                                    \
        if ((result).status == TPingStatus::NotPermitted) {                 \
            EXPECT_FALSE((result).error.empty());                           \
            GTEST_SKIP() << "ICMP echo not permitted here: " << (result).error; \
        }                                                                   \
    } while (false)

// Pings 127.0.0.1 from a child process as an unprivileged user in a network
// namespace of its own, where the datagram socket is allowed or not as
// asked; the machine's own settings stay untouched. -1 when this machine
// does not let the test set that up (it needs root).
int PingAsUnprivilegedUser(bool allowDatagram) {
    int fds[2];
    if (::pipe(fds) != 0) return -1;
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::close(fds[0]);
        int status = -1;
        if (::unshare(CLONE_NEWNET) == 0) {
            const int s = ::socket(AF_INET, SOCK_DGRAM, 0);
            ifreq ifr{};
            std::strcpy(ifr.ifr_name, "lo");
            const bool up = s >= 0 && ::ioctl(s, SIOCGIFFLAGS, &ifr) == 0 &&
                            (ifr.ifr_flags |= IFF_UP, ::ioctl(s, SIOCSIFFLAGS, &ifr) == 0);
            std::ofstream range("/proc/sys/net/ipv4/ping_group_range");
            range << (allowDatagram ? "0 2147483647" : "1 0") << std::flush;
            if (up && range && ::setgroups(0, nullptr) == 0 && ::setresgid(65534, 65534, 65534) == 0 &&
                ::setresuid(65534, 65534, 65534) == 0)
                status = static_cast<int>(plat::PingOnce("127.0.0.1", 400, 1024).status);
        }
        const ssize_t written = ::write(fds[1], &status, sizeof status);
        ::_exit(written == sizeof status ? 0 : 1);
    }
    ::close(fds[1]);
    int status = -1;
    if (::read(fds[0], &status, sizeof status) != sizeof status) status = -1;
    ::close(fds[0]);
    int ignored = 0;
    ::waitpid(pid, &ignored, 0);
    return status;
}

}  // namespace

// The device check's own settings: 400 ms, 1024 bytes.
TEST(Ping, LoopbackAnswers) {
    const auto first = plat::PingOnce("127.0.0.1", 400, 1024);
    SKIP_WHEN_NOT_PERMITTED(first);
    ASSERT_EQ(first.status, TPingStatus::Reply) << first.error;
    EXPECT_GE(first.roundTripMs, 0);
    EXPECT_LT(first.roundTripMs, 400);

    const struct { const char* name; std::string address; int size; } cases[] = {
        {"no data", "127.0.0.1", 0},
        {"one byte", "127.0.0.1", 1},
        {"odd size", "127.0.0.1", 1023},
        {"largest", "127.0.0.1", 65507},
        {"leading zeros are decimal", "127.000.000.001", 56},
        {"other loopback address", "127.0.0.2", 64},
    };
    for (const auto& c : cases) {
        const auto r = plat::PingOnce(c.address, 1000, c.size);
        EXPECT_EQ(r.status, TPingStatus::Reply) << c.name << ": " << r.error;
    }
}

// Refused before anything is sent, so no permission is needed.
TEST(Ping, BadAddress) {
    const char* const cases[] = {
        "", "1.2.3", "1.2.3.4.5", "256.1.1.1", "1.2.3.-4", "1..2.3", "a.b.c.d", "::1", " 127.0.0.1",
        "127.0.0.1 ", "1.2.3.4.", "0127.0.0.1", "host.example", "0x7f.0.0.1", "1.2.3.4/24",
    };
    for (const char* address : cases) {
        const auto r = plat::PingOnce(address, 400, 1024);
        EXPECT_EQ(r.status, TPingStatus::BadAddress) << '"' << address << '"';
        EXPECT_NE(r.error.find(address), std::string::npos) << r.error;
    }
}

TEST(Ping, DataSizeOutOfRange) {
    for (int size : {-1, 65508, 1 << 20}) {
        const auto r = plat::PingOnce("127.0.0.1", 400, size);
        EXPECT_EQ(r.status, TPingStatus::Error) << size;
        EXPECT_FALSE(r.error.empty()) << size;
    }
}

// An address nobody answers for: the call gives up after its time-out and
// never reports a reply (a missing route may end it sooner, as an error).
TEST(Ping, SilentAddressTimesOut) {
    const auto start = std::chrono::steady_clock::now();
    const auto r = plat::PingOnce("198.51.100.77", 400, 1024);
    const auto elapsed = std::chrono::steady_clock::now() - start;
    SKIP_WHEN_NOT_PERMITTED(r);
    EXPECT_TRUE(r.status == TPingStatus::TimedOut || r.status == TPingStatus::Error)
        << static_cast<int>(r.status) << " " << r.error;
    if (r.status == TPingStatus::TimedOut) {
        EXPECT_GE(elapsed, std::chrono::milliseconds(390));
    }
    EXPECT_LT(elapsed, std::chrono::milliseconds(2000));
}

// Without privileges the datagram socket is the way; where the system forbids
// it too, the caller learns that echo is not permitted (not "no device").
TEST(Ping, UnprivilegedUser) {
    const int allowed = PingAsUnprivilegedUser(true);
    if (allowed < 0) GTEST_SKIP() << "cannot set up an isolated network here (needs root)";
    EXPECT_EQ(allowed, static_cast<int>(TPingStatus::Reply));
    EXPECT_EQ(PingAsUnprivilegedUser(false), static_cast<int>(TPingStatus::NotPermitted));
}
