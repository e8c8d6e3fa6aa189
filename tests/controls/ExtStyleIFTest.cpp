#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

#include "controls/ExtStyleIF.h"

using namespace ctl;

namespace {

// A registry of its own per test, so no test sees another's keys.
struct TempRegistry {
    std::string path;
    TempRegistry(const std::string& name) {
        std::filesystem::create_directories(VASTRIMO_TEST_OUT);
        path = std::string(VASTRIMO_TEST_OUT) + "/" + name + ".ini";
        std::remove(path.c_str());
    }
    ~TempRegistry() { std::remove(path.c_str()); }
};

}  // namespace

TEST(ExtStyleIF, OfficeThemeFromTheRegistry) {
    const struct { const char* name; int themeSuiteC; int themeSuiteB; bool general2010; TOfficeTheme want; int version; } cases[] = {
        {"none", -1, -1, false, otSuiteAClassic, 0},
        {"2010 silver", 2, -1, true, otSuiteCSilver, 2},
        {"2010 black", 3, 1, true, otSuiteCBlack, 2},
        {"2010 odd value", 7, -1, true, otSuiteABlue, 2},
        {"2007 blue", -1, 1, false, otSuiteBBlue, 1},
        {"2007 black", -1, 3, false, otSuiteBBlack, 1},
    };
    for (const auto& c : cases) {
        TempRegistry tmp("office_theme");
        plat::TRegistry reg(tmp.path);
        if (c.themeSuiteC != -1) reg.WriteInteger(kSuiteKeyC, "Theme", c.themeSuiteC);
        if (c.general2010) reg.WriteString(std::string(kSuiteKeyC) + "\\General", "Present", "1");
        if (c.themeSuiteB != -1) {
            reg.WriteInteger(kSuiteKeyB, "Theme", c.themeSuiteB);
            reg.WriteString(std::string(kSuiteKeyB) + "\\General", "Present", "1");
        }
        EXPECT_EQ(DetectOfficeTheme(reg), c.want) << c.name;
        EXPECT_EQ(DetectOfficeVersion(reg), c.version) << c.name;
    }
}

TEST(ExtStyleIF, KeyWithoutThemeValueFallsThroughToTheOlderSuite) {
    TempRegistry tmp("office_fallthrough");
    plat::TRegistry reg(tmp.path);
    reg.WriteString(kSuiteKeyC, "Other", "x");
    reg.WriteInteger(kSuiteKeyB, "Theme", 2);
    EXPECT_EQ(DetectOfficeTheme(reg), otSuiteBSilver);
}

TEST(ExtStyleIF, PlainDesktopAnswers) {
    BindThemeApi();
    EXPECT_FALSE(ThemeApi().Loaded);
    EXPECT_FALSE(IsControlsV6());
    EXPECT_EQ(DetectBevelThemeColor(), 0);
    EXPECT_EQ(DefaultFontName(), "Tahoma");
    EXPECT_EQ(OfficeThemeChangedMessage, 2993u);
}
