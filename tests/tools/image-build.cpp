// image-build CONFIG_FOLDER: builds the device image of the configuration in
// CONFIG_FOLDER the way the "Update Device" step does and writes
// CONFIG_FOLDER/bin/bank1.bin and bank2.bin. Exit status 0 on success;
// otherwise 1 with the reason on standard error.

#include <iostream>

#include "base/Files.h"
#include "gateway/ImageBuilder.h"
#include "shell/Comon.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: image-build CONFIG_FOLDER\n";
        return 2;
    }
    // A configuration folder that is not there is a mistake in the call,
    // not a new configuration: building defaults into it would hide it.
    const std::string folder = base::NativePath(argv[1]);
    if (!base::DirectoryExists(folder)) {
        std::cerr << "image-build: the folder \"" << folder << "\" does not exist\n";
        return 1;
    }
    // The same paths an opened configuration gets; the root keeps its "/".
    shell::Conf_Path = folder.size() > 1 ? base::ExcludeTrailingPathDelimiter(folder) : folder;
    shell::Set_Files();
    gw::TImageBuilder builder;
    if (!builder.Create_Bin() || !builder.Save_Bin()) {
        std::cerr << builder.ErrorString() << '\n';
        return 1;
    }
    return 0;
}
