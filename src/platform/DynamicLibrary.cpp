#include "platform/DynamicLibrary.h"

#include <dlfcn.h>

namespace plat {

TDynamicLibrary::~TDynamicLibrary() { Unload(); }

std::string TDynamicLibrary::File_Name(const std::string& Name) {
    const bool bare = Name.find('/') == std::string::npos && Name.find('.') == std::string::npos;
    return bare ? Name + ".so" : Name;
}

bool TDynamicLibrary::Load(const std::string& Name, const std::vector<std::string>& Folders) {
    Unload();
    error_.clear();
    const std::string file = File_Name(Name);
    std::vector<std::string> candidates;
    for (const std::string& folder : Folders)
        if (!folder.empty()) candidates.push_back(folder + "/" + file);
    candidates.push_back(file);
    for (const std::string& path : candidates) {
        // RTLD_LOCAL: a second library with the same entry points must not
        // answer for this one.
        handle_ = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (handle_) return true;
        if (const char* reason = ::dlerror(); reason && error_.empty()) error_ = reason;
    }
    return false;
}

void TDynamicLibrary::Unload() {
    if (handle_) ::dlclose(handle_);
    handle_ = nullptr;
}

void* TDynamicLibrary::Symbol(const std::string& Name) const {
    if (!handle_) return nullptr;
    return ::dlsym(handle_, Name.c_str());
}

}  // namespace plat
