#pragma once
// Style vocabulary of the styled controls and the platform questions they
// ask: which visual-styles level and office colour scheme are present, and
// which interface font to use. None of the platform's visual-styles library
// or office theme settings exist on our machines, so the answers are those
// of a plain desktop: no themed drawing, the classic office look.

#include <string>

#include "platform/Graphics.h"
#include "platform/Registry.h"

namespace ctl {

enum TKeloStyle {
    tsSuiteABlue, tsSuiteASilver, tsSuiteAOlive, tsSuiteAClassic, tsSuiteBAzure,
    tsSuiteBObsidian, tsBevel, tsWorkbench, tsCustom, tsSuiteBSilver, tsFrost, tsGlass,
    tsTerminal, tsSuiteCBlue, tsSuiteCSilver, tsSuiteCBlack
};

enum TOfficeTheme {
    otSuiteABlue, otSuiteASilver, otSuiteAOlive, otSuiteAClassic, otSuiteBBlue, otSuiteBSilver, otSuiteBBlack, otSuiteCBlue,
    otSuiteCSilver, otSuiteCBlack, otUnknown
};

struct TColorTone {
    plat::TColor BrushColor = plat::clNone;
    plat::TColor BorderColor = plat::clNone;
    plat::TColor TextColor = plat::clNone;
};

struct TColorTones {
    TColorTone Background, Foreground, Selected, Hover, Disabled;
};

// A control that takes a tone set or a style implements these; a caller
// asks with dynamic_cast and calls the operation.
class IKeloTones {
public:
    virtual ~IKeloTones() = default;
    virtual void SetColorTones(const TColorTones& ATones) = 0;
};

class IKeloStyle {
public:
    virtual ~IKeloStyle() = default;
    virtual void SetComponentStyle(TKeloStyle AStyle) = 0;
};

// Themed drawing entry points. Nothing binds here, so Loaded stays false
// and every caller takes its classic drawing path.
struct TThemeApi {
    bool Loaded = false;
};
TThemeApi& ThemeApi();
void BindThemeApi();
void UnbindThemeApi();

bool IsControlsV6();
bool IsBevelOrLater();
bool IsFrostOrLater();
std::string DefaultFontName();

// Registry keys of the office suite whose colour scheme grids may follow.
extern const char* const kSuiteKeyC;
extern const char* const kSuiteKeyB;

// 2 when the 2010 key exists, 1 for the 2007 key, else 0.
int DetectOfficeVersion(const plat::TRegistry& Reg);
int DetectOfficeVersion();
// Windows colour scheme: 0 classic, 1 normal, 2 homestead, 3 metallic.
int DetectBevelThemeColor();
TOfficeTheme DetectOfficeTheme(const plat::TRegistry& Reg);
TOfficeTheme DetectOfficeTheme();

// The office-theme change message a watched window receives.
constexpr unsigned OfficeThemeChangedMessage = 0x0400 + 1969;

}  // namespace ctl
