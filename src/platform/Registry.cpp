#include "platform/Registry.h"

#include "base/Files.h"

#include <charconv>
#include <cstdlib>
#include <filesystem>
#include <utility>

#include <pwd.h>
#include <unistd.h>

namespace plat {

namespace {

// Keys and value names compare as the registry compares them: letters
// without regard to case, and a key the same with or without backslashes
// at its ends. The spelling first written is the one kept in the file.
std::string KeyId(std::string_view key) {
    while (!key.empty() && key.front() == '\\') key.remove_prefix(1);
    while (!key.empty() && key.back() == '\\') key.remove_suffix(1);
    std::string id(key);
    for (char& c : id)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return id;
}

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        char x = a[i];
        char y = b[i];
        if (x >= 'A' && x <= 'Z') x = static_cast<char>(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z') y = static_cast<char>(y - 'A' + 'a');
        if (x != y) return false;
    }
    return true;
}

// True when key id is the key given or one of its sub-keys.
bool SameOrBelow(const std::string& id, const std::string& of) {
    return id == of || (id.size() > of.size() && id.compare(0, of.size(), of) == 0 && id[of.size()] == '\\');
}

bool ValidKey(const std::string& key) {
    return !KeyId(key).empty() && key.find_first_of("\r\n") == std::string::npos;
}

// Values are stored untrimmed. A backslash starts an escape, so line breaks
// and, in names, the "=" and the characters that would make a line read as
// a section or a comment survive the trip through the file.
std::string Escape(std::string_view text, bool name) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\\') out += "\\\\";
        else if (c == '\n') out += "\\n";
        else if (c == '\r') out += "\\r";
        else if (name && (c == '=' || (i == 0 && (c == '[' || c == ';' || c == '#')))) {
            out += '\\';
            out += c;
        } else {
            out += c;
        }
    }
    return out;
}

std::string Unescape(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            out += text[i];
            continue;
        }
        const char c = text[++i];
        out += c == 'n' ? '\n' : c == 'r' ? '\r' : c;
    }
    return out;
}

struct Section {
    std::string key;
    std::vector<std::pair<std::string, std::string>> values;
};

struct IniFile {
    std::vector<Section> sections;

    Section* Find(const std::string& key) {
        const std::string id = KeyId(key);
        for (Section& s : sections)
            if (KeyId(s.key) == id) return &s;
        return nullptr;
    }
    const Section* Find(const std::string& key) const { return const_cast<IniFile*>(this)->Find(key); }

    std::string Text() const {
        std::string text;
        for (const Section& s : sections) {
            if (!text.empty()) text += '\n';
            text += '[' + s.key + "]\n";
            for (const auto& [name, value] : s.values) text += Escape(name, true) + '=' + Escape(value, false) + '\n';
        }
        return text;
    }

    // False when a name or value cannot stand in the plain form.
    bool PlainText(std::string& text) const {
        text.clear();
        for (const Section& s : sections) {
            if (!text.empty()) text += "\r\n";
            text += '[' + s.key + "]\r\n";
            for (const auto& [name, value] : s.values) {
                if (!PlainName(name) || value.find_first_of("\r\n") != std::string::npos) return false;
                text += name + '=' + value + "\r\n";
            }
        }
        return true;
    }

    static bool PlainName(const std::string& name) {
        return name.find_first_of("=\r\n") == std::string::npos &&
               (name.empty() || (name[0] != '[' && name[0] != ';' && name[0] != '#'));
    }
};

std::pair<std::string, std::string>* FindValue(Section& section, const std::string& name) {
    for (auto& v : section.values)
        if (SameName(v.first, name)) return &v;
    return nullptr;
}

// Whether a file was written in the escaped form: no CR (that form ends
// lines with LF alone), every backslash of its entries one of the pairs
// Escape writes, and a doubled backslash among them, which a value in the
// plain form would hardly hold as the only kind of backslash.
bool LooksEscaped(std::string_view text) {
    if (text.find('\r') != std::string_view::npos) return false;
    bool doubled = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\') continue;
        if (i + 1 == text.size()) return false;
        const char c = text[++i];
        if (c == '\\')
            doubled = true;
        else if (c != 'n' && c != 'r' && c != '=' && c != '[' && c != ';' && c != '#')
            return false;
    }
    return doubled;
}

// Parses the file; a missing file is an empty registry. False only when the
// file exists and cannot be read, so a write never replaces values it could
// not see.
bool Load(const std::string& path, IniFile& ini, TIniForm form) {
    ini.sections.clear();
    std::error_code ec;
    const auto status = std::filesystem::status(path, ec);
    if (status.type() == std::filesystem::file_type::not_found) return true;
    if (ec || status.type() != std::filesystem::file_type::regular) return false;
    std::string text;
    if (!base::ReadFileBytes(path, text)) return false;
    if (text.compare(0, 3, "\xEF\xBB\xBF") == 0) text.erase(0, 3);
    const bool escaped = form == TIniForm::Escaped || LooksEscaped(text);

    Section* current = nullptr;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = text.find('\n', pos);
        if (end == std::string::npos) end = text.size();
        std::string_view line(text.data() + pos, end - pos);
        pos = end + 1;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (line.empty() || line.front() == ';' || line.front() == '#') continue;
        if (line.front() == '[') {
            const std::size_t close = line.rfind(']');
            if (close == std::string_view::npos || close == 0) {
                current = nullptr;
                continue;
            }
            const std::string key(line.substr(1, close - 1));
            current = ini.Find(key);
            if (!current) current = &ini.sections.emplace_back(Section{key, {}});
            continue;
        }
        if (!current) continue;
        // The name ends at the first "=" that is not escaped.
        std::size_t eq = 0;
        while (eq < line.size() && line[eq] != '=') eq += escaped && line[eq] == '\\' ? 2 : 1;
        if (eq >= line.size()) continue;
        const std::string name = escaped ? Unescape(line.substr(0, eq)) : std::string(line.substr(0, eq));
        const std::string value = escaped ? Unescape(line.substr(eq + 1)) : std::string(line.substr(eq + 1));
        if (auto* existing = FindValue(*current, name))
            existing->second = value;
        else
            current->values.emplace_back(name, value);
    }
    return true;
}

bool Save(const std::string& path, const IniFile& ini, TIniForm form) {
    std::string text;
    if (form == TIniForm::Plain) {
        if (!ini.PlainText(text)) return false;
    } else {
        text = ini.Text();
    }
    const std::string folder = base::ExtractFileDir(path);
    if (!folder.empty() && !base::ForceDirectories(folder)) return false;
    return base::WriteFileAtomic(path, text);
}

}  // namespace

TRegistry::TRegistry(std::string iniPath, TIniForm form) : path_(std::move(iniPath)), form_(form) {}

std::string TRegistry::DefaultPath() {
    std::string base;
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    // A relative XDG_CONFIG_HOME is invalid and is ignored.
    if (xdg && xdg[0] == '/') {
        base = xdg;
    } else {
        const char* home = std::getenv("HOME");
        if (home && home[0] != '\0') {
            base = home;
        } else if (const passwd* pw = ::getpwuid(::getuid()); pw && pw->pw_dir) {
            base = pw->pw_dir;
        }
        base += "/.config";
    }
    return base + "/VastrimoFirmWare/registry.ini";
}

bool TRegistry::KeyExists(const std::string& key) const {
    IniFile ini;
    if (!ValidKey(key) || !Load(path_, ini, form_)) return false;
    // A key exists also when only its sub-keys hold values.
    const std::string id = KeyId(key);
    for (const Section& s : ini.sections)
        if (SameOrBelow(KeyId(s.key), id)) return true;
    return false;
}

bool TRegistry::ValueExists(const std::string& key, const std::string& name) const {
    IniFile ini;
    if (!ValidKey(key) || !Load(path_, ini, form_)) return false;
    Section* s = ini.Find(key);
    return s && FindValue(*s, name);
}

std::string TRegistry::ReadString(const std::string& key, const std::string& name, const std::string& def) const {
    IniFile ini;
    if (!ValidKey(key) || !Load(path_, ini, form_)) return def;
    Section* s = ini.Find(key);
    const auto* v = s ? FindValue(*s, name) : nullptr;
    return v ? v->second : def;
}

int TRegistry::ReadInteger(const std::string& key, const std::string& name, int def) const {
    const std::string text = ReadString(key, name);
    int value = 0;
    const char* first = text.data();
    const char* last = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(first, last, value);
    return ec == std::errc() && ptr == last && !text.empty() ? value : def;
}

bool TRegistry::ReadBool(const std::string& key, const std::string& name, bool def) const {
    const int missing = def ? 1 : 0;
    return ReadInteger(key, name, missing) != 0;
}

bool TRegistry::WriteString(const std::string& key, const std::string& name, const std::string& value) {
    IniFile ini;
    if (!ValidKey(key) || !Load(path_, ini, form_)) return false;
    Section* s = ini.Find(key);
    if (!s) s = &ini.sections.emplace_back(Section{key, {}});
    if (auto* v = FindValue(*s, name))
        v->second = value;
    else
        s->values.emplace_back(name, value);
    return Save(path_, ini, form_);
}

bool TRegistry::WriteInteger(const std::string& key, const std::string& name, int value) {
    return WriteString(key, name, std::to_string(value));
}

bool TRegistry::WriteBool(const std::string& key, const std::string& name, bool value) {
    return WriteString(key, name, value ? "1" : "0");
}

bool TRegistry::DeleteValue(const std::string& key, const std::string& name) {
    IniFile ini;
    if (!ValidKey(key) || !Load(path_, ini, form_)) return false;
    Section* s = ini.Find(key);
    if (!s) return false;
    for (auto it = s->values.begin(); it != s->values.end(); ++it) {
        if (SameName(it->first, name)) {
            s->values.erase(it);
            return Save(path_, ini, form_);
        }
    }
    return false;
}

bool TRegistry::DeleteKey(const std::string& key) {
    IniFile ini;
    if (!ValidKey(key) || !Load(path_, ini, form_)) return false;
    // The key goes with everything below it.
    const std::string id = KeyId(key);
    const std::size_t before = ini.sections.size();
    std::erase_if(ini.sections, [&](const Section& s) { return SameOrBelow(KeyId(s.key), id); });
    if (ini.sections.size() == before) return false;
    return Save(path_, ini, form_);
}

std::vector<std::string> TRegistry::ValueNames(const std::string& key) const {
    IniFile ini;
    std::vector<std::string> names;
    if (!ValidKey(key) || !Load(path_, ini, form_)) return names;
    if (const Section* s = ini.Find(key))
        for (const auto& v : s->values) names.push_back(v.first);
    return names;
}

}  // namespace plat
