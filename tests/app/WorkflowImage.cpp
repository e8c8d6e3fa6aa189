#include "WorkflowImage.h"

#include <cstdlib>
#include <filesystem>

#include "base/Files.h"
#include "gateway/ImageBuilder.h"
#include "shell/Comon.h"

namespace fs = std::filesystem;

namespace apptest {

TBuiltImage BuildImageOf(const std::string& confFolder, const std::string& scratch) {
    TBuiltImage out;
    std::error_code ec;
    fs::remove_all(scratch, ec);
    fs::create_directories(scratch);
    for (const char* name : {"ParGen.xml", "LoRaWAN_Gateway.xml"})
        if (fs::exists(fs::path(confFolder) / name)) fs::copy_file(fs::path(confFolder) / name, fs::path(scratch) / name);

    const fs::path driver = fs::path(base::ExecutablePath()).parent_path() / "image-build";
    if (fs::exists(driver)) {
        out.byDriver = true;
        const std::string command = "'" + driver.string() + "' '" + scratch + "'";
        if (std::system(command.c_str()) != 0) {
            out.error = "image-build failed on " + scratch;
            return out;
        }
    } else {
        // The driver's own steps: the copy becomes the open configuration.
        const std::string saved = shell::Conf_Path;
        shell::Conf_Path = scratch;
        shell::Set_Files();
        gw::TImageBuilder builder;
        const bool built = builder.Create_Bin() && builder.Save_Bin();
        if (!built) out.error = builder.ErrorString();
        shell::Conf_Path = saved;
        shell::Set_Files();
        if (!built) return out;
    }
    out.ok = base::ReadFileBytes(base::JoinPath(scratch, "bin/bank1.bin"), out.bank1) &&
             base::ReadFileBytes(base::JoinPath(scratch, "bin/bank2.bin"), out.bank2);
    if (!out.ok) out.error = "no image files in " + scratch;
    return out;
}

}  // namespace apptest
