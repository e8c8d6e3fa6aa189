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
    const struct { const char* name; int theme2010; int theme2007; bool general2010; TOfficeTheme want; int version; } cases[] = {
        {"none", -1, -1, false, ot2003Classic, 0},
        {"2010 silver", 2, -1, true, ot2010Silver, 2},
        {"2010 black", 3, 1, true, ot2010Black, 2},
        {"2010 odd value", 7, -1, true, ot2003Blue, 2},
        {"2007 blue", -1, 1, false, ot2007Blue, 1},
        {"2007 black", -1, 3, false, ot2007Black, 1},
    };
    for (const auto& c : cases) {
        TempRegistry tmp("office_theme");
        plat::TRegistry reg(tmp.path);
        if (c.theme2010 != -1) reg.WriteInteger(kOfficeKey2010, "Theme", c.theme2010);
        if (c.general2010) reg.WriteString(std::string(kOfficeKey2010) + "\\General", "Present", "1");
        if (c.theme2007 != -1) {
            reg.WriteInteger(kOfficeKey2007, "Theme", c.theme2007);
            reg.WriteString(std::string(kOfficeKey2007) + "\\General", "Present", "1");
        }
        EXPECT_EQ(DetectOfficeTheme(reg), c.want) << c.name;
        EXPECT_EQ(DetectOfficeVersion(reg), c.version) << c.name;
    }
}

TEST(ExtStyleIF, KeyWithoutThemeValueFallsThroughToTheOlderSuite) {
    TempRegistry tmp("office_fallthrough");
    plat::TRegistry reg(tmp.path);
    reg.WriteString(kOfficeKey2010, "Other", "x");
    reg.WriteInteger(kOfficeKey2007, "Theme", 2);
    EXPECT_EQ(DetectOfficeTheme(reg), ot2007Silver);
}

TEST(ExtStyleIF, PlainDesktopAnswers) {
    BindThemeApi();
    EXPECT_FALSE(ThemeApi().Loaded);
    EXPECT_FALSE(IsComCtl6());
    EXPECT_EQ(DetectXPThemeColor(), 0);
    EXPECT_EQ(DefaultFontName(), "Tahoma");
    EXPECT_EQ(OfficeThemeChangedMessage, 2993u);
}
