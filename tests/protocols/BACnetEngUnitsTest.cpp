#include <gtest/gtest.h>

#include <set>
#include <string>

#include "protocols/BACnetEngUnits.h"

using namespace proto;

TEST(BACnetEngUnits, NamesOfNumbers) {
    const struct {
        int number;
        const char* name;
    } cases[] = {{0, "square-meters"}, {62, "degrees-Celsius"}, {51, "housepower"},
                 {103, "radiants"},    {172, "ohm-meters"},     {236, "minutes-per-degree-kelvin"},
                 {207, "unknown"},     {237, "unknown"},        {-1, "unknown"}};
    for (const auto& c : cases) EXPECT_EQ(Desc_Unit(c.number), c.name) << c.number;
    EXPECT_EQ(Desc_Unit_Text("62"), "degrees-Celsius");
    EXPECT_EQ(Desc_Unit_Text("abc"), "unknown");
    EXPECT_EQ(Desc_Unit_Text(""), "unknown");
}

TEST(BACnetEngUnits, PickerGivesEveryNumberOnce) {
    const auto& categories = Eng_Unit_Categories();
    ASSERT_EQ(categories.size(), 23u);
    std::set<int> numbers;
    int entries = 0;
    for (int c = 0; c < static_cast<int>(categories.size()); ++c)
        for (int u = 0; u < static_cast<int>(categories[c].Units.size()); ++u) {
            numbers.insert(Eng_Unit_Number(c, u));
            ++entries;
        }
    EXPECT_EQ(entries, 237);
    EXPECT_EQ(numbers.size(), 237u);
    EXPECT_EQ(*numbers.begin(), 0);
    EXPECT_EQ(*numbers.rbegin(), 236);
}

TEST(BACnetEngUnits, PickerTextsThatAreNotTheName) {
    const auto find = [](const char* category, const char* unit, int& c, int& u) {
        const auto& categories = Eng_Unit_Categories();
        for (c = 0; c < static_cast<int>(categories.size()); ++c) {
            if (std::string(categories[c].Name) != category) continue;
            for (u = 0; u < static_cast<int>(categories[c].Units.size()); ++u)
                if (std::string(categories[c].Units[u]) == unit) return true;
        }
        return false;
    };
    const struct {
        const char* category;
        const char* unit;
        int number;
        const char* name;
    } cases[] = {{"Electrical", "ohms-meters", 172, "ohm-meters"},
                 {"Other", "per-mille", 207, "unknown"},
                 {"Other", "megajoules-per-square-meter", 139, "megajoules-hours-per-square-meter"},
                 {"Acceleration", "meters-per-second-per-second", 166, "meters-per-second-per-second"},
                 {"Temperature", "degrees-Celsius", 62, "degrees-Celsius"}};
    for (const auto& c : cases) {
        int category = -1, unit = -1;
        ASSERT_TRUE(find(c.category, c.unit, category, unit)) << c.unit;
        EXPECT_EQ(Eng_Unit_Number(category, unit), c.number) << c.unit;
        EXPECT_EQ(Desc_Unit(c.number), c.name) << c.unit;
    }
    EXPECT_EQ(Eng_Unit_Number(23, 0), 0);
    EXPECT_EQ(Eng_Unit_Number(0, 1), 0);
    EXPECT_EQ(Eng_Unit_Number(-1, 0), 0);
}
