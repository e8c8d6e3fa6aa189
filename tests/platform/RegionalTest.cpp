#include "platform/Regional.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include <sys/wait.h>
#include <unistd.h>

#include "platform/UserLocale.h"

namespace fs = std::filesystem;

namespace {

std::string OutDir(const std::string& name) {
    const fs::path dir = fs::path(VASTRIMO_TEST_OUT) / "regional" / name;
    fs::remove_all(dir);
    fs::create_directories(dir);
    return dir.string();
}

void Touch(const fs::path& path, const std::string& text = "") {
    fs::create_directories(path.parent_path());
    std::ofstream(path) << text;
}

// Asks in a child process with the given environment: the C library keeps
// a little memory for good once a locale was looked up through LOCPATH,
// and the test process's own environment stays as it was.
char SeparatorWith(const std::string& locpath, const char* lcAll, const char* lcNumeric) {
    int fds[2];
    if (::pipe(fds) != 0) return '?';
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::close(fds[0]);
        ::setenv("LOCPATH", locpath.c_str(), 1);
        ::unsetenv("LANG");
        if (lcAll) ::setenv("LC_ALL", lcAll, 1); else ::unsetenv("LC_ALL");
        if (lcNumeric) ::setenv("LC_NUMERIC", lcNumeric, 1); else ::unsetenv("LC_NUMERIC");
        const char sep = plat::RegionalDecimalSeparator();
        const ssize_t written = ::write(fds[1], &sep, 1);
        ::_exit(written == 1 ? 0 : 1);
    }
    ::close(fds[1]);
    char sep = '?';
    if (::read(fds[0], &sep, 1) != 1) sep = '?';
    ::close(fds[0]);
    int status = 0;
    ::waitpid(pid, &status, 0);
    return sep;
}

}  // namespace

TEST(Regional, DecimalSeparatorFollowsUserLocale) {
    const std::string dir = (fs::path(VASTRIMO_TEST_OUT) / "regional-locales").string();
    fs::create_directories(dir);
    const std::string german = platformtest::BuildLocale(dir, "de_DE");
    const std::string british = platformtest::BuildLocale(dir, "en_GB");
    if (german.empty() || british.empty()) GTEST_SKIP() << "localedef cannot build de_DE/en_GB here";
    const struct { const char* name; const char* lcAll; const char* lcNumeric; char separator; } cases[] = {
        {"C", "C", nullptr, '.'},
        {"POSIX", "POSIX", nullptr, '.'},
        {"nothing set", nullptr, nullptr, '.'},
        {"unknown locale", "xx_YY.UTF-8", nullptr, '.'},
        {"German", german.c_str(), nullptr, ','},
        {"British", british.c_str(), nullptr, '.'},
        {"numeric category alone", nullptr, german.c_str(), ','},
        {"LC_ALL wins", british.c_str(), german.c_str(), '.'},
    };
    for (const auto& c : cases) EXPECT_EQ(SeparatorWith(dir, c.lcAll, c.lcNumeric), c.separator) << c.name;
}

// Port numbering over a made-up /dev and /sys/class/tty.
TEST(Regional, SerialPortsInDeviceOrder) {
    const std::string root = OutDir("ports");
    const fs::path dev = fs::path(root) / "dev";
    const fs::path sys = fs::path(root) / "sys";
    for (const char* name : {"ttyS0", "ttyS1", "ttyS2", "ttyS10", "ttyUSB1", "ttyUSB0", "ttyACM0", "ttyS",
                             "ttyS3x", "ttyUSB0.bak", "tty0", "ttyAMA0", "console"})
        Touch(dev / name);
    // ttyS0 and ttyS10: real UARTs; ttyS1: an empty slot; ttyS2: no sysfs
    // entry at all; the USB and ACM ports have their device link.
    Touch(sys / "ttyS0" / "device" / "x");
    Touch(sys / "ttyS0" / "type", "4\n");
    Touch(sys / "ttyS1" / "device" / "x");
    Touch(sys / "ttyS1" / "type", "0\n");
    Touch(sys / "ttyS10" / "device" / "x");
    Touch(sys / "ttyS10" / "type", "4\n");
    Touch(sys / "ttyUSB0" / "device" / "x");
    Touch(sys / "ttyUSB1" / "device" / "x");
    Touch(sys / "ttyACM0" / "device" / "x");
    Touch(sys / "ttyS3x" / "device" / "x");

    const auto ports = plat::SerialPortsIn(dev.string(), sys.string());
    std::vector<std::string> got;
    for (const auto& p : ports) got.push_back(p.name + "=" + fs::path(p.device).filename().string());
    EXPECT_EQ(got, (std::vector<std::string>{"COM1=ttyS0", "COM2=ttyS2", "COM3=ttyS10", "COM4=ttyUSB0",
                                             "COM5=ttyUSB1", "COM6=ttyACM0"}));
    for (std::size_t i = 0; i < ports.size(); ++i) {
        EXPECT_EQ(ports[i].number, static_cast<int>(i) + 1);
        EXPECT_EQ(ports[i].device, (dev / fs::path(ports[i].device).filename()).string());
    }
}

TEST(Regional, SerialPortPresent) {
    const std::string root = OutDir("present");
    const fs::path dev = fs::path(root) / "dev";
    const fs::path sys = fs::path(root) / "sys";
    Touch(dev / "ttyUSB0");
    fs::create_directories(dev / "ttyACM0");  // cannot be opened for writing
    const struct { int number; bool present; } cases[] = {{0, false}, {-1, false}, {1, true}, {2, false}, {3, false}};
    for (const auto& c : cases)
        EXPECT_EQ(plat::SerialPortPresentIn(c.number, dev.string(), sys.string()), c.present) << c.number;
    EXPECT_TRUE(plat::SerialPortsIn((fs::path(root) / "missing").string(), sys.string()).empty());
}

// The real machine: whatever it has, the list is numbered from COM1 without gaps.
TEST(Regional, SerialPortsOfThisMachine) {
    const auto ports = plat::SerialPorts();
    for (std::size_t i = 0; i < ports.size(); ++i) {
        EXPECT_EQ(ports[i].number, static_cast<int>(i) + 1);
        EXPECT_EQ(ports[i].name, "COM" + std::to_string(i + 1));
        EXPECT_EQ(ports[i].device.rfind("/dev/tty", 0), 0u) << ports[i].device;
    }
    EXPECT_FALSE(plat::SerialPortPresent(static_cast<int>(ports.size()) + 1));
}
