#include "gateway/BootUpdate.h"

#include <utility>

#include "base/Files.h"
#include "gateway/EthernetUpdateFile.h"
#include "shell/Comon.h"

namespace gw {

TEchoOutcome Send_Ping(const std::string& host, const TEchoServices& services) {
    TEchoOutcome out;
    const long long start = services.clock();
    do {
        const plat::TPingResult r = services.ping(host, Echo_Timeout_Ms, Echo_Data_Size);
        ++out.requests;
        switch (r.status) {
            case plat::TPingStatus::Reply:
                out.pingRes = Ping_Reply;
                break;
            case plat::TPingStatus::TimedOut:
                out.pingRes = Ping_No_Data;
                break;
            default:
                out.clientFailed = true;
                out.error = r.error;
                out.present = false;
                return out;
        }
        // The window gets its turn between two requests, so it repaints
        // and the user sees the program alive during the check.
        services.pause(Echo_Pause_Ms);
        if (out.pingRes == Ping_Reply && ++out.replies == Echo_Replies_Wanted) break;
    } while (services.clock() - start <= Echo_Check_Limit_Ms);
    out.present = out.pingRes == Ping_Reply;
    return out;
}

void Restore_Boot_Input(TBootInput& input) {
    std::string ip1, ip2, ip3, ip4;
    // The parts are taken only from a whole valid address: a stored text
    // that is none must not leave the edits half overwritten.
    if (!shell::Last_IP_Address.empty() &&
        shell::Split_IP_Address(shell::Last_IP_Address, ip1, ip2, ip3, ip4)) {
        input.ip1 = ip1;
        input.ip2 = ip2;
        input.ip3 = ip3;
        input.ip4 = ip4;
    }
    input.option = shell::Update_Option_Index;
    input.readBack = shell::Update_Read_Back;
}

bool TBootOutcome::IsError() const {
    return status == TBootStatus::CheckAddress || status == TBootStatus::FileNotWritten ||
           status == TBootStatus::UpdaterNotStarted || status == TBootStatus::UpdaterFailed;
}

std::string Missing_Firmware(int option) {
    if (option != Update_Firmware_And_Configuration && option != Update_Firmware) return {};
    const std::string path = base::JoinPath(shell::Master_Dir, Firmware_File_Name);
    return base::FileExists(path) ? std::string() : path;
}

std::string BootMessage(const TBootOutcome& outcome) {
    if (!outcome.text.Ok()) return CheckMessage(outcome.text);
    return outcome.detail;
}

TBootUpdate::TBootUpdate(TBootServices services) : services_(std::move(services)) {}

TBootOutcome TBootUpdate::Btn_UpdateClick(const TBootInput& input) {
    TBootOutcome out;
    if (busy_) {
        out.status = TBootStatus::Busy;
        return out;
    }
    switch (input.formType) {
        case Boot_Ethernet: {
            busy_ = true;
            struct Release {
                bool& flag;
                ~Release() { flag = false; }
            } release{busy_};
            return Ethernet_Update(input);
        }
        case Boot_Serial:
            shell::Update_Option_Index = input.option;
            shell::Update_Read_Back = input.readBack;
            out.status = TBootStatus::OptionsStored;
            return out;
        default:
            return out;
    }
}

TBootOutcome TBootUpdate::Ethernet_Update(const TBootInput& input) {
    TBootOutcome out;
    const std::string address = input.ip1 + "." + input.ip2 + "." + input.ip3 + "." + input.ip4;
    out.echo = Send_Ping(address, services_);
    if (!out.echo.present) {
        if (!out.echo.clientFailed && out.echo.pingRes == Ping_No_Data) {
            out.status = TBootStatus::DeviceNotFound;
            out.text = CheckFailed(Text_Device_Not_Found);
        } else {
            out.status = TBootStatus::CheckAddress;
            out.text = CheckFailed(Text_Check_Ip_Address);
        }
        return out;
    }

    shell::Last_IP_Address = address;
    shell::Update_Option_Index = input.option;
    shell::Update_Read_Back = input.readBack;

    TEthernetUpdateParams params;
    params.ipAddress = address;
    params.option = input.option;
    params.readBack = input.readBack;
    params.masterDir = shell::Master_Dir;
    params.confPath = shell::Conf_Path;
    const std::string paramFile = base::JoinPath(shell::Exe_Dir, Ethernet_Update_File_Name);
    std::string error;
    // The updater reads whatever file lies beside it: starting it over an
    // old one would send another device's or another option's files.
    if (!SaveEthernetUpdate(params, paramFile, &error)) {
        out.status = TBootStatus::FileNotWritten;
        out.detail = "Error!!! The update parameters cannot be written: " + error;
        return out;
    }

    const std::string updater = base::JoinPath(shell::Exe_Dir, Updater_File_Name);
    out.updater = services_.start(updater, std::string(), false);
    switch (out.updater.outcome) {
        case shell::TStartOutcome::Ended:
            // The updater shows its own progress, but its exit code is all
            // the dialog learns of a failed transfer: it must not pass
            // unsaid.
            if (out.updater.exitCode == 0) {
                out.status = TBootStatus::UpdaterEnded;
                out.text = CheckFailed(Text_Update_Done);
            } else {
                out.status = TBootStatus::UpdaterFailed;
                out.text = CheckFailed(Text_Updater_Failed, {out.updater.exitCode});
            }
            break;
        case shell::TStartOutcome::TimedOut:
            // The user must know that the device may still be written to.
            out.status = TBootStatus::UpdaterTimedOut;
            out.text = CheckFailed(Text_Updater_Still_Running, {(services_.updaterLimitMs + 999) / 1000});
            break;
        case shell::TStartOutcome::NotStarted:
            out.status = TBootStatus::UpdaterNotStarted;
            out.detail = "Error!!! The updater cannot be started: " +
                         (out.updater.error.empty() ? updater : out.updater.error);
            break;
    }
    return out;
}

}  // namespace gw
