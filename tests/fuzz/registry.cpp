// The ini file that stands in for the registry, in its own escaped form
// and in the plain form: whatever the file holds, a value written reads
// back as written and the other values stay readable.

#include "FuzzSupport.h"
#include "platform/Registry.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The first line names the key and value the harness writes; the rest is the file.
    const auto [head, file] = fuzz::SplitAt(fuzz::Bytes(data, size), "\n");
    const auto [key, name] = fuzz::SplitAt(head, "|");
    const std::string path = fuzz::WriteScratchFile("registry.ini", file);
    plat::TRegistry reg(path);
    for (const std::string& k : {key, std::string("Software\\Vastrimo")}) {
        for (const std::string& n : reg.ValueNames(k)) (void)reg.ReadString(k, n);
        (void)reg.ReadInteger(k, name, 7);
        (void)reg.ReadBool(k, name, false);
    }
    // The plain form over the same file: a value it writes, backslashes
    // and all, reads back as written.
    const std::string plainPath = fuzz::WriteScratchFile("registry-plain.ini", file);
    plat::TRegistry plain(plainPath, plat::TIniForm::Plain);
    for (const std::string& n : plain.ValueNames(key)) (void)plain.ReadString(key, n);
    const std::string pathValue = "C:\\new\\table \\\\ =[";
    if (plain.WriteString(key, name, pathValue))
        FUZZ_REQUIRE(plat::TRegistry(plainPath, plat::TIniForm::Plain).ReadString(key, name, "missing") == pathValue,
                     key + " / " + name);
    if (name.empty()) return 0;
    const std::string value = "v=1;[x]";
    if (!reg.WriteString(key, name, value)) return 0;
    FUZZ_REQUIRE(plat::TRegistry(path).ReadString(key, name, "missing") == value, key + " / " + name);
    FUZZ_REQUIRE(reg.WriteInteger(key, name, -42), key + " / " + name);
    FUZZ_REQUIRE(plat::TRegistry(path).ReadInteger(key, name, 0) == -42, key + " / " + name);
    return 0;
}
