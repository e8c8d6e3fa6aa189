#include "controls/ExtStyleIF.h"

namespace ctl {

const char* const kSuiteKeyC = "Software\\Office\\14.0\\Common";
const char* const kSuiteKeyB = "Software\\Office\\12.0\\Common";

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

bool IsControlsV6() { return false; }
bool IsBevelOrLater() { return false; }
bool IsFrostOrLater() { return false; }
std::string DefaultFontName() { return IsFrostOrLater() ? "Segoe UI" : "Tahoma"; }

int DetectOfficeVersion(const plat::TRegistry& Reg) {
    if (Reg.KeyExists(std::string(kSuiteKeyC) + "\\General")) return 2;
    if (Reg.KeyExists(std::string(kSuiteKeyB) + "\\General")) return 1;
    return 0;
}

int DetectOfficeVersion() { return DetectOfficeVersion(plat::TRegistry()); }

int DetectBevelThemeColor() {
    // Only a platform with visual styles active reports a colour scheme.
    if (!IsBevelOrLater() || !ThemeApi().Loaded || !IsControlsV6()) return 0;
    return 0;
}

TOfficeTheme DetectOfficeTheme(const plat::TRegistry& Reg) {
    int v = ReadOfficeThemeValue(Reg, kSuiteKeyC);
    if (v != -1) {
        switch (v) {
            case 1: return otSuiteCBlue;
            case 2: return otSuiteCSilver;
            case 3: return otSuiteCBlack;
            default: return otSuiteABlue;
        }
    }
    v = ReadOfficeThemeValue(Reg, kSuiteKeyB);
    if (v != -1) {
        switch (v) {
            case 1: return otSuiteBBlue;
            case 2: return otSuiteBSilver;
            case 3: return otSuiteBBlack;
            default: return otSuiteABlue;
        }
    }
    switch (DetectBevelThemeColor()) {
        case 1: return otSuiteABlue;
        case 2: return otSuiteAOlive;
        case 3: return otSuiteASilver;
        default: return otSuiteAClassic;
    }
}

TOfficeTheme DetectOfficeTheme() { return DetectOfficeTheme(plat::TRegistry()); }

}  // namespace ctl
