#include "controls/ExtStyleIF.h"

namespace ctl {

const char* const kOfficeKey2010 = "Software\\Office\\14.0\\Common";
const char* const kOfficeKey2007 = "Software\\Office\\12.0\\Common";

namespace {

// -1 when the key or its "Theme" value is missing.
int ReadOfficeThemeValue(const plat::TRegistry& reg, const char* key) {
    if (!reg.KeyExists(key) || !reg.ValueExists(key, "Theme")) return -1;
    return reg.ReadInteger(key, "Theme", -1);
}

}  // namespace

TThemeApi& ThemeApi() {
    static TThemeApi api;
    return api;
}

// The visual-styles library cannot be loaded here: the loaded flag stays
// false and no entry point is bound, as on a platform without it.
void BindThemeApi() {
    if (ThemeApi().Loaded) return;
}

void UnbindThemeApi() { ThemeApi().Loaded = false; }

bool IsComCtl6() { return false; }
bool IsXPOrLater() { return false; }
bool IsVistaOrLater() { return false; }
std::string DefaultFontName() { return IsVistaOrLater() ? "Segoe UI" : "Tahoma"; }

int DetectOfficeVersion(const plat::TRegistry& Reg) {
    if (Reg.KeyExists(std::string(kOfficeKey2010) + "\\General")) return 2;
    if (Reg.KeyExists(std::string(kOfficeKey2007) + "\\General")) return 1;
    return 0;
}

int DetectOfficeVersion() { return DetectOfficeVersion(plat::TRegistry()); }

int DetectXPThemeColor() {
    // Only a platform with visual styles active reports a colour scheme.
    if (!IsXPOrLater() || !ThemeApi().Loaded || !IsComCtl6()) return 0;
    return 0;
}

TOfficeTheme DetectOfficeTheme(const plat::TRegistry& Reg) {
    int v = ReadOfficeThemeValue(Reg, kOfficeKey2010);
    if (v != -1) {
        switch (v) {
            case 1: return ot2010Blue;
            case 2: return ot2010Silver;
            case 3: return ot2010Black;
            default: return ot2003Blue;
        }
    }
    v = ReadOfficeThemeValue(Reg, kOfficeKey2007);
    if (v != -1) {
        switch (v) {
            case 1: return ot2007Blue;
            case 2: return ot2007Silver;
            case 3: return ot2007Black;
            default: return ot2003Blue;
        }
    }
    switch (DetectXPThemeColor()) {
        case 1: return ot2003Blue;
        case 2: return ot2003Olive;
        case 3: return ot2003Silver;
        default: return ot2003Classic;
    }
}

TOfficeTheme DetectOfficeTheme() { return DetectOfficeTheme(plat::TRegistry()); }

}  // namespace ctl
