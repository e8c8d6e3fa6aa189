#pragma once
// Where a test leaves what it writes (screenshots, files). The folder is
// made first, so a test run on its own on a fresh build writes as surely as
// one that happens to run after another test made the folder.

#include <filesystem>
#include <string>

inline std::string TestOutFile(const std::string& Name) {
    std::filesystem::create_directories(VASTRIMO_TEST_OUT);
    return std::string(VASTRIMO_TEST_OUT) + "/" + Name;
}
