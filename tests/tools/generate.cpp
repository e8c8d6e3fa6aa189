// generate KIND CONFIG_FOLDER OUTPUT_FILE: writes the generated file of KIND
// (ede, eds, mib, gsdml, gsd) from the configuration in CONFIG_FOLDER exactly
// as the main window's command writes it, without a dialog: OUTPUT_FILE is
// the name chosen in the command's save dialog, so the EDE export adds
// ".csv" to it as the command does. The date and time come from
// SOURCE_DATE_EPOCH when it is set. Exit status 0 on success; otherwise
// non-zero with the reason on standard error and no file written.

#include <iostream>

#include "base/Files.h"
#include "protocols/Generators.h"
#include "shell/Comon.h"
#include "shell/Language.h"

int main(int argc, char** argv) {
    if (argc != 4) {
        std::cerr << "usage: generate KIND CONFIG_FOLDER OUTPUT_FILE\n";
        return 2;
    }
    const proto::TGeneratorKind* kind = proto::Find_Generator(argv[1]);
    if (kind == nullptr) {
        std::cerr << "generate: unknown kind '" << argv[1] << "'\n";
        return 2;
    }
    const std::string folder = base::ExcludeTrailingPathDelimiter(base::NativePath(argv[2]));
    if (!base::DirectoryExists(folder)) {
        std::cerr << "generate: the configuration folder " << folder << " does not exist\n";
        return 1;
    }
    // The same paths an opened configuration gets.
    shell::Conf_Path = folder;
    shell::Conf_Name = base::ExtractFileName(folder);
    shell::Set_Files();
    // Refusals quote the program's own messages.
    shell::Load_Default_Texts();
    std::string error;
    if (!kind->Generate(proto::Output_File_Name(*kind, argv[3]), &error)) {
        std::cerr << error << '\n';
        return 1;
    }
    return 0;
}
