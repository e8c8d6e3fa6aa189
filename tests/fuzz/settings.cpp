// "Vastrimo.xml", the program's own settings: whatever the file holds, the
// settings read from it are written and read back unchanged.

#include "FuzzSupport.h"
#include "shell/Settings.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    shell::TSettings settings;
    std::string error;
    if (!shell::Parse_Settings(fuzz::Bytes(data, size), settings, &error)) {
        FUZZ_REQUIRE(settings == shell::TSettings{}, "a refused file gives the defaults");
        return 0;
    }
    const std::string saved = shell::Settings_To_Xml(settings);
    shell::TSettings again;
    FUZZ_REQUIRE(shell::Parse_Settings(saved, again, &error), error + "\n" + saved);
    FUZZ_REQUIRE(again == settings, saved);
    return 0;
}
