#pragma once
// What every harness shares. A harness is one file tests/fuzz/<name>.cpp
// that defines LLVMFuzzerTestOneInput; it is linked either with libFuzzer
// (make fuzz, clang) or with ReplayMain.cpp, which feeds it the seeds and
// the inputs that once failed (make test, any compiler).
//
// A harness does more than survive the input: it states what must hold
// for it (a written file reads back the same, a checked file builds the
// bytes that were typed) with FUZZ_REQUIRE, which stops the run loudly so
// libFuzzer keeps the input.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace fuzz {

[[noreturn]] void Fail(const char* file, int line, const char* condition, const std::string& detail);

inline std::string Bytes(const std::uint8_t* data, std::size_t size) {
    return std::string(reinterpret_cast<const char*>(data), size);
}

// A file of this process's own under the temporary folder, holding bytes;
// for readers that only take a path. The same path is reused by every run.
std::string WriteScratchFile(std::string_view name, std::string_view bytes);

// Splits the input at the first occurrence of separator: the part before
// and the part after (empty when the separator is missing).
std::pair<std::string, std::string> SplitAt(std::string_view input, std::string_view separator);

}  // namespace fuzz

#define FUZZ_REQUIRE(condition, detail)                                           \
    do {                                                                          \
        if (!(condition)) ::fuzz::Fail(__FILE__, __LINE__, #condition, (detail)); \
    } while (0)
