#include "platform/Regional.h"

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <string_view>

#include <fcntl.h>
#include <langinfo.h>
#include <locale.h>
#include <unistd.h>

namespace plat {

char RegionalDecimalSeparator() {
    // The user's setting comes from the environment (LC_ALL, LC_NUMERIC,
    // LANG); a locale object of our own reads it without touching the
    // process locale, which number formatting elsewhere relies on.
    const locale_t loc = ::newlocale(LC_NUMERIC_MASK, "", static_cast<locale_t>(nullptr));
    if (loc == static_cast<locale_t>(nullptr)) return '.';
    const char* radix = ::nl_langinfo_l(RADIXCHAR, loc);
    // Callers convert between "," and "." only; any other separator (or a
    // multi-byte one) is treated as unknown.
    const char sep = radix && (radix[0] == ',' || radix[0] == '.') && radix[1] == '\0' ? radix[0] : '.';
    ::freelocale(loc);
    return sep;
}

namespace {

struct Found {
    int group;   // ttyS, ttyUSB, ttyACM
    long index;  // the number after the prefix
    std::string name;
};

constexpr std::string_view Groups[] = {"ttyS", "ttyUSB", "ttyACM"};

// "ttyUSB12" -> group 1, index 12; false for anything else ("ttyS", "ttyS1a").
bool Classify(const std::string& name, Found& found) {
    for (int g = 0; g < static_cast<int>(std::size(Groups)); ++g) {
        const std::string_view prefix = Groups[g];
        if (name.size() <= prefix.size() || name.compare(0, prefix.size(), prefix) != 0) continue;
        const std::string digits = name.substr(prefix.size());
        if (digits.size() > 6 || !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }))
            return false;
        found = {g, std::stol(digits), name};
        return true;
    }
    return false;
}

// Every machine has device nodes ttyS0..ttyS31 whether a UART sits behind
// them or not; the kernel marks the empty ones with UART type 0. USB and ACM
// nodes exist only while their device is plugged in.
bool HasHardware(const Found& port, const std::string& sysTtyDir) {
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::path entry = fs::path(sysTtyDir) / port.name;
    if (!fs::exists(entry, ec)) return true;  // nothing to go by: trust the node
    if (!fs::exists(entry / "device", ec)) return false;
    if (port.group != 0) return true;
    std::ifstream typeFile(entry / "type");
    int type = -1;
    if (!(typeFile >> type)) return true;
    return type != 0;
}

}  // namespace

std::vector<TSerialPort> SerialPortsIn(const std::string& devDir, const std::string& sysTtyDir) {
    namespace fs = std::filesystem;
    std::vector<Found> found;
    std::error_code ec;
    for (fs::directory_iterator it(devDir, ec), end; !ec && it != end; it.increment(ec)) {
        Found port;
        if (!Classify(it->path().filename().string(), port)) continue;
        if (HasHardware(port, sysTtyDir)) found.push_back(port);
    }
    std::sort(found.begin(), found.end(), [](const Found& a, const Found& b) {
        return a.group != b.group ? a.group < b.group : a.index < b.index;
    });
    std::vector<TSerialPort> ports;
    for (const Found& f : found) {
        TSerialPort port;
        port.number = static_cast<int>(ports.size()) + 1;
        port.name = "COM" + std::to_string(port.number);
        port.device = (fs::path(devDir) / f.name).string();
        ports.push_back(port);
    }
    return ports;
}

std::vector<TSerialPort> SerialPorts() { return SerialPortsIn("/dev", "/sys/class/tty"); }

bool SerialPortPresentIn(int number, const std::string& devDir, const std::string& sysTtyDir) {
    if (number < 1) return false;
    const std::vector<TSerialPort> ports = SerialPortsIn(devDir, sysTtyDir);
    if (number > static_cast<int>(ports.size())) return false;
    // Non-blocking and without becoming our controlling terminal: a probe
    // must neither hang on modem lines nor take the port over.
    const int fd = ::open(ports[number - 1].device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd >= 0) {
        ::close(fd);
        return true;
    }
    // Held exclusively by another program: the port is there, just in use.
    return errno == EBUSY;
}

bool SerialPortPresent(int number) { return SerialPortPresentIn(number, "/dev", "/sys/class/tty"); }

}  // namespace plat
