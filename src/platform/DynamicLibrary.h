#pragma once
// A shared library loaded at run time by name, and the addresses of its
// entry points. The library is unloaded when the object goes.

#include <string>
#include <vector>

namespace plat {

class TDynamicLibrary {
public:
    TDynamicLibrary() = default;
    ~TDynamicLibrary();
    TDynamicLibrary(const TDynamicLibrary&) = delete;
    TDynamicLibrary& operator=(const TDynamicLibrary&) = delete;

    // A bare Name (no folder, no extension) gets the platform's extension
    // and is looked for in Folders first, in order, then where the system
    // looks for shared libraries. False, with the loader's reason in
    // Error(), when none loads.
    bool Load(const std::string& Name, const std::vector<std::string>& Folders = {});
    void Unload();
    bool Loaded() const { return handle_ != nullptr; }

    // The exported entry point of that name; null when it is missing.
    void* Symbol(const std::string& Name) const;

    // The file name a bare library name has on this platform.
    static std::string File_Name(const std::string& Name);

    const std::string& Error() const { return error_; }

private:
    void* handle_ = nullptr;
    std::string error_;
};

}  // namespace plat
