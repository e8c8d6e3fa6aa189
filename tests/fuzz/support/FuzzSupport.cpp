#include "FuzzSupport.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace fuzz {

namespace {

// Windows are never shown, but pictures and canvases still need Qt's
// platform layer; the offscreen one needs no display.
struct TEnvironment {
    TEnvironment() { setenv("QT_QPA_PLATFORM", "offscreen", 0); }
} const environment;

}  // namespace

void Fail(const char* file, int line, const char* condition, const std::string& detail) {
    std::fprintf(stderr, "%s:%d: does not hold: %s\n%s\n", file, line, condition, detail.c_str());
    std::fflush(stderr);
    std::abort();
}

std::string WriteScratchFile(std::string_view name, std::string_view bytes) {
    const std::filesystem::path dir =
        std::filesystem::temp_directory_path() / ("vastrimo-fuzz-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    const std::filesystem::path path = dir / std::string(name);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) Fail(__FILE__, __LINE__, "the scratch file is written", path.string());
    return path.string();
}

std::pair<std::string, std::string> SplitAt(std::string_view input, std::string_view separator) {
    const size_t at = input.find(separator);
    if (at == std::string_view::npos) return {std::string(input), std::string()};
    return {std::string(input.substr(0, at)), std::string(input.substr(at + separator.size()))};
}

}  // namespace fuzz
