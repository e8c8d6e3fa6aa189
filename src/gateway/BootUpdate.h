#pragma once
// The logic of the device update dialog (unit UBoot): the echo check that
// the device answers, and the road from "Execute Update Firmware" to the
// external updater. The ping, the clock, the pause that lets the window
// handle its messages and the program launcher come in as services, so the
// road runs without a network, a window or a wait.

#include <functional>
#include <string>

#include "gateway/CheckResult.h"
#include "platform/Ping.h"
#include "shell/Launcher.h"

namespace gw {

inline constexpr int Echo_Timeout_Ms = 400;
inline constexpr int Echo_Data_Size = 1024;
inline constexpr int Echo_Check_Limit_Ms = 5000;
inline constexpr int Echo_Pause_Ms = 10;
inline constexpr int Echo_Replies_Wanted = 2;

inline constexpr const char* Updater_File_Name = "Ethernet_Update.exe";

inline constexpr int Text_Device_Not_Found = 1636;
inline constexpr int Text_Check_Ip_Address = 1637;
inline constexpr int Text_Updater_Failed = 1638;      // "%d": the updater's exit code
inline constexpr int Text_Firmware_Missing = 1639;    // followed by the file's path
inline constexpr int Text_Start_Anyway = 1640;
inline constexpr int Text_Updating = 1641;         // the status line while the updater runs
inline constexpr int Text_Update_Done = 1642;
inline constexpr int Text_Updater_Still_Running = 1643;  // "%d": the seconds waited

// The last echo's result, as the dialog keeps it.
enum TPingRes { Ping_None = 0, Ping_Reply = 1, Ping_No_Data = 2 };

struct TEchoServices {
    // One echo request; returns when the reply came or the time-out passed.
    std::function<plat::TPingResult(const std::string& host, int timeoutMs, int dataSize)> ping;
    std::function<long long()> clock;  // milliseconds, monotonic
    // Waits about ms milliseconds while the window handles its messages.
    std::function<void(int ms)> pause;
};

struct TEchoOutcome {
    bool present = false;       // the last request was answered
    int pingRes = Ping_None;    // result of the last request
    bool clientFailed = false;  // the echo itself could not be done
    int requests = 0;
    int replies = 0;
    std::string error;  // why the echo failed
};

// Requests one after another, each waiting up to 400 ms, until two replies
// have come or more than 5,000 ms have passed since the first; the device
// is present when the last request was answered. A request that cannot be
// made at all (no such address, no network) ends the check at once.
TEchoOutcome Send_Ping(const std::string& host, const TEchoServices& services);

// The dialog's layouts (Form_Type): only the Ethernet one sends anything.
enum TBootFormType { Boot_Serial = 0, Boot_Ethernet = 1, Boot_USB = 2 };

// What the dialog's controls hold when the user starts the update.
struct TBootInput {
    int formType = Boot_Ethernet;
    std::string ip1, ip2, ip3, ip4;  // as typed
    int option = 0;                  // selected update option
    bool readBack = true;
};

// What showing the dialog puts into its controls: the address used last,
// when it reads as one (otherwise the edits keep what they hold), and the
// option and read-back choice made last.
void Restore_Boot_Input(TBootInput& input);

enum class TBootStatus {
    Busy,               // a check or an update was still running: ignored
    Nothing,            // a layout that starts nothing
    OptionsStored,      // serial layout: the choices were remembered, nothing sent
    DeviceNotFound,     // warning, text 1636
    CheckAddress,       // error, text 1637
    FileNotWritten,     // error: the updater's parameter file could not be saved
    UpdaterNotStarted,  // error: the updater is missing or refused to start
    UpdaterEnded,       // with exit code 0
    UpdaterFailed,      // error: the updater ended with another exit code
    UpdaterTimedOut,
};

struct TBootOutcome {
    TBootStatus status = TBootStatus::Nothing;
    TEchoOutcome echo;
    shell::TStartResult updater;
    TCheckResult text;   // the numbered text to show, when there is one
    std::string detail;  // what failed, for the errors without a numbered text

    bool IsError() const;
    bool IsWarning() const {
        return status == TBootStatus::DeviceNotFound || status == TBootStatus::UpdaterTimedOut;
    }
    bool IsInformation() const { return status == TBootStatus::UpdaterEnded; }
};

// The message box text of an outcome; empty when nothing is to be shown.
// Every road that reached the updater ends with one: done, failed with its
// exit code, or still running when the wait ended.
std::string BootMessage(const TBootOutcome& outcome);

struct TBootServices : TEchoServices {
    std::function<shell::TStartResult(const std::string& program, const std::string& parameter, bool hidden)>
        start;
    // How long start waits for the updater before it lets it run on alone.
    int updaterLimitMs = shell::Start_Program_Limit_Ms;
};

// The firmware file the option sends, when the option sends one and the file
// is not in the MASTER folder; empty otherwise.
std::string Missing_Firmware(int option);

// The platform's echo, clock, a plain sleep for the pause and the shell's
// launcher. A window passes its own pause, one that handles its messages.
TBootServices PlatformBootServices();

// One dialog's update road. While it runs, the window keeps handling
// messages (during the echo check), so the button can be pressed again:
// the object is busy until the road is over and refuses a second start.
class TBootUpdate {
public:
    explicit TBootUpdate(TBootServices services);

    bool Busy() const { return busy_; }

    // On success remembers the address and the options program-wide
    // (Last_IP_Address, Update_Option_Index, Update_Read_Back), writes
    // Exe_Dir/Ethernet_Update.xml naming the files of Master_Dir and
    // Conf_Path, and runs Exe_Dir/Ethernet_Update.exe until it ends.
    TBootOutcome Btn_UpdateClick(const TBootInput& input);

private:
    TBootOutcome Ethernet_Update(const TBootInput& input);

    TBootServices services_;
    bool busy_ = false;
};

}  // namespace gw
