#pragma once
// Stand-in for the registry: an ini file (by default "registry.ini" in the
// user's configuration folder, $XDG_CONFIG_HOME/VastrimoFirmWare). Keys are
// ini sections ("Software\\Vendor\\Key" kept as written), values name=value.

#include <string>
#include <vector>

namespace plat {

class TRegistry {
public:
    explicit TRegistry(std::string iniPath = DefaultPath());
    static std::string DefaultPath();

    bool KeyExists(const std::string& key) const;
    bool ValueExists(const std::string& key, const std::string& name) const;
    std::string ReadString(const std::string& key, const std::string& name, const std::string& def = "") const;
    int ReadInteger(const std::string& key, const std::string& name, int def) const;
    bool ReadBool(const std::string& key, const std::string& name, bool def) const;
    bool WriteString(const std::string& key, const std::string& name, const std::string& value);
    bool WriteInteger(const std::string& key, const std::string& name, int value);
    bool WriteBool(const std::string& key, const std::string& name, bool value);
    bool DeleteValue(const std::string& key, const std::string& name);
    bool DeleteKey(const std::string& key);
    std::vector<std::string> ValueNames(const std::string& key) const;

private:
    std::string path_;
};

}  // namespace plat
