#pragma once
// Regional settings and machine facts the windows ask for.

#include <string>
#include <vector>

namespace plat {

// The decimal separator of the user's locale (LC_NUMERIC), '.' when unknown.
char RegionalDecimalSeparator();

struct TSerialPort {
    int number = 0;          // n of "COMn"
    std::string name;        // "COM1"
    std::string device;      // "/dev/ttyS0"
};
// Serial ports present on this machine, numbered COM1.. in device order
// (/dev/ttyS*, then /dev/ttyUSB*, then /dev/ttyACM*).
std::vector<TSerialPort> SerialPorts();
// True when "\\.\COMn" (here: the device of COMn) exists and can be opened.
bool SerialPortPresent(int number);

// The same over other folders than /dev and /sys/class/tty, so the rules can
// be checked on any machine.
std::vector<TSerialPort> SerialPortsIn(const std::string& devDir, const std::string& sysTtyDir);
bool SerialPortPresentIn(int number, const std::string& devDir, const std::string& sysTtyDir);

}  // namespace plat
