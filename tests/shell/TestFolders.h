#pragma once
// A fresh, empty folder per test under the build's output folder.

#include <filesystem>
#include <fstream>
#include <string>

namespace shelltest {

inline std::string FreshFolder(const std::string& name) {
    const std::filesystem::path dir = std::filesystem::path(VASTRIMO_TEST_OUT) / "shell" / name;
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    return dir.string();
}

inline void WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

inline std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace shelltest
