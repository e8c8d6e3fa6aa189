#pragma once
// Stand-in for the registry: an ini file (by default "registry.ini" in the
// user's configuration folder, $XDG_CONFIG_HOME/VastrimoFirmWare). Keys are
// ini sections ("Software\\Vendor\\Key" kept as written), values name=value.

#include <string>
#include <vector>

namespace plat {

// How names and values stand in the file. Escaped, the registry's own: a
// backslash escapes line breaks, itself and what would end a name. Plain,
// the form of ordinary ini files: everything as it stands, lines ended by
// CR LF; a value with a line break, or a name with "=" or beginning with
// "[", ";" or "#", cannot be written in it. A plain-form reader still reads a
// file written in the escaped form (no CR, every backslash one of its
// pairs, and a doubled backslash among them).
enum class TIniForm { Escaped, Plain };

class TRegistry {
public:
    explicit TRegistry(std::string iniPath = DefaultPath(), TIniForm form = TIniForm::Escaped);
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
    TIniForm form_;
};

}  // namespace plat
