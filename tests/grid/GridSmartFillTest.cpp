// The series a smart paste continues from two cells.

#include <gtest/gtest.h>

#include "base/DateTime.h"
#include "grid/GridSmartFill.h"

using namespace grid;

namespace {

struct DefaultFormats {
    DefaultFormats() : saved(base::FormatSettings()) { base::SetFormatSettings(base::TFormatSettings{}); }
    ~DefaultFormats() { base::SetFormatSettings(saved); }
    base::TFormatSettings saved;
};

}  // namespace

TEST(GridSmartFill, SeriesByKind) {
    DefaultFormats formats;
    const struct {
        const char* name;
        std::string a, b;
        int count;
        std::vector<std::string> want;
    } cases[] = {
        {"integers", "1", "3", 4, {"1", "3", "5", "7"}},
        {"falling integers", "10", "7", 3, {"10", "7", "4"}},
        {"decimals", "1.5", "2", 3, {"1.50", "2.00", "2.50"}},
        {"days", "01/03/2024", "11/03/2024", 3, {"01/03/2024", "11/03/2024", "21/03/2024"}},
        {"months", "15/01/2024", "15/02/2024", 3, {"15/01/2024", "15/02/2024", "15/03/2024"}},
        {"months over the year end", "15/11/2024", "15/12/2024", 3, {"15/11/2024", "15/12/2024", "15/01/2025"}},
        // A day the month lacks takes its last day, and the next month
        // has it again.
        {"day 31 clamped", "31/01/2024", "31/03/2024", 4, {"31/01/2024", "31/03/2024", "31/05/2024", "31/07/2024"}},
        {"day 31 monthly", "31/10/2024", "31/12/2024", 3, {"31/10/2024", "31/12/2024", "28/02/2025"}},
        {"29 February yearly", "29/02/2024", "29/02/2028", 3, {"29/02/2024", "29/02/2028", "29/02/2032"}},
        {"leap day one year on", "29/02/2020", "28/02/2021", 2, {"29/02/2020", "28/02/2021"}},
        {"times", "10:00", "10:30", 3, {"10:00:00", "10:30:00", "11:00:00"}},
    };
    for (const auto& c : cases) EXPECT_EQ(FillSeries(c.a, c.b, c.count, "%.2f"), c.want) << c.name;
}

TEST(GridSmartFill, MonthSeriesKeepsTheDayAfterAShortMonth) {
    DefaultFormats formats;
    const auto v = FillSeries("31/01/2025", "31/03/2025", 6, "%.2f");
    ASSERT_EQ(v.size(), 6u);
    EXPECT_EQ(v[4], "30/09/2025");
    EXPECT_EQ(v[5], "30/11/2025");
    EXPECT_EQ(FillSeries("31/01/2025", "28/02/2025", 2, "%.2f").size(), 2u);
}

TEST(GridSmartFill, KindOfTwoCells) {
    DefaultFormats formats;
    const struct {
        std::string a, b;
        TFillSeries want;
    } cases[] = {
        {"1", "2", fsInteger}, {"1.5", "2", fsFloat}, {"a", "b", fsPattern}, {"1", "b", fsPattern},
        {"01/02/2024", "02/02/2024", fsDate}, {"12:00", "13:00", fsDate}, {"/1/2", "/1/3", fsPattern},
    };
    for (const auto& c : cases) EXPECT_EQ(FillSeriesOf(c.a, c.b), c.want) << c.a << " " << c.b;
}

TEST(GridSmartFill, IntegerSeriesStopsBeforeOverflow) {
    const auto v = FillSeries("9223372036854775806", "9223372036854775807", 5, "%.2f");
    ASSERT_EQ(v.size(), 2u);
    EXPECT_EQ(v.back(), "9223372036854775807");
}
