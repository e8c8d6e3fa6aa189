#pragma once
// A user's regional settings for a test: locales compiled into the test
// output with localedef (this machine has no installed ones), and the
// environment a user's session gives the program.

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

namespace platformtest {

// Compiles a locale into Dir (kept between runs); empty when this machine
// lacks the locale sources.
inline std::string BuildLocale(const std::string& Dir, const std::string& Source) {
    const std::string target = Dir + "/" + Source + ".UTF-8";
    if (!std::filesystem::exists(target + "/LC_NUMERIC")) {
        std::filesystem::create_directories(Dir);
        const std::string command = "localedef -i " + Source + " -f UTF-8 '" + target + "' > /dev/null 2>&1";
        if (std::system(command.c_str()) != 0) return "";
    }
    return std::filesystem::exists(target + "/LC_NUMERIC") ? Source + ".UTF-8" : "";
}

// While it lives, the session's numbers follow Locale (compiled in Dir),
// as LC_NUMERIC set by a user's desktop does; the environment is put back
// afterwards.
class TUserNumbers {
public:
    TUserNumbers(const std::string& Dir, const std::string& Locale)
        : locpath_(Get("LOCPATH")), all_(Get("LC_ALL")), numeric_(Get("LC_NUMERIC")) {
        ::setenv("LOCPATH", Dir.c_str(), 1);
        ::unsetenv("LC_ALL");
        ::setenv("LC_NUMERIC", Locale.c_str(), 1);
    }
    ~TUserNumbers() {
        Put("LOCPATH", locpath_);
        Put("LC_ALL", all_);
        Put("LC_NUMERIC", numeric_);
    }
    TUserNumbers(const TUserNumbers&) = delete;
    TUserNumbers& operator=(const TUserNumbers&) = delete;

private:
    static std::optional<std::string> Get(const char* Name) {
        const char* v = std::getenv(Name);
        return v ? std::optional<std::string>(v) : std::nullopt;
    }
    static void Put(const char* Name, const std::optional<std::string>& Value) {
        if (Value)
            ::setenv(Name, Value->c_str(), 1);
        else
            ::unsetenv(Name);
    }
    std::optional<std::string> locpath_, all_, numeric_;
};

}  // namespace platformtest
