// ".lng" language files: any file leaves exactly the built-in number of
// texts, and entries at and past the limit keep their built-in wording.

#include "FuzzSupport.h"
#include "shell/Language.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const base::TStringList defaults = [] {
        shell::Load_Default_Texts();
        return shell::Lang_Texts;
    }();
    shell::Lang_Texts = defaults;
    shell::Lang_Index_Limit = shell::Default_Lang_Index_Limit;
    const std::string path = fuzz::WriteScratchFile("Fuzz.lng", fuzz::Bytes(data, size));
    std::string error;
    FUZZ_REQUIRE(shell::Read_Lang_File(path, &error), error);
    FUZZ_REQUIRE(shell::Lang_Texts.Count() == shell::Lang_Text_Count, std::to_string(shell::Lang_Texts.Count()));
    for (int i = shell::Default_Lang_Index_Limit; i < shell::Lang_Text_Count; ++i)
        FUZZ_REQUIRE(shell::Lang_Texts[i] == defaults[i], "text " + std::to_string(i));
    return 0;
}
