#include "controls/FilterMatch.h"

#include <gtest/gtest.h>

#include "base/DateTime.h"
#include "base/StrUtils.h"

namespace {

// Regional settings are process-wide; each test that changes them puts the
// defaults back so the order of tests does not matter.
class RegionalScope {
public:
    RegionalScope(char decimal, const base::TFormatSettings& fs)
        : oldDecimal_(base::DecimalSeparator()), oldFs_(base::FormatSettings()) {
        base::SetDecimalSeparator(decimal);
        base::SetFormatSettings(fs);
    }
    ~RegionalScope() {
        base::SetDecimalSeparator(oldDecimal_);
        base::SetFormatSettings(oldFs_);
    }

private:
    char oldDecimal_;
    base::TFormatSettings oldFs_;
};

base::TFormatSettings DayMonthYearDots() {
    base::TFormatSettings fs;
    fs.dateSeparator = '.';
    fs.shortDateFormat = "dd.mm.yyyy";
    return fs;
}

TEST(FilterMatch, ExpressionTable) {
    RegionalScope scope('.', base::TFormatSettings{});
    const struct {
        const char* expr;
        const char* text;
        bool expected;
    } cases[] = {
        {">=10", "10", true},
        {">=10", "11", true},
        {">=10", "9", false},
        {">10", "10", false},
        {"<5", "4.5", true},
        {"<=5", "5", true},
        {"<5", "5", false},
        {"A*", "ABC", true},
        {"A*", "BAC", false},
        {"?B", "AB", true},
        {"?B", "B", false},
        {"!A*", "BAC", true},
        {"!A*", "ABC", false},
        {"A**C", "ABBC", true},
        {"*C", "ABC", true},
        {"*C", "ABCD", false},
        {"", "", true},
        {"", "x", false},
        {"=A*|B*", "BX", true},
        {"=A*|B*", "AX", true},
        {"=A*|B*", "CX", false},
        {"A*;B*", "BX", true},
        {"A*^B*", "BX", true},
        {"A*&*C", "ABC", true},
        {"A*&*C", "AB", false},
        {"(A*|B*)&*C", "ABC", true},
        {"(A*|B*)&*C", "AB", false},
        {"(A*|B*)&*C", "CBC", false},
        {"X*|(A*&*C)", "ABC", true},
        {"X*|(A*&*C)", "AB", false},
        // No precedence: read as ((A* or X*) and *Z).
        {"A*|X*&*Z", "AB", false},
        {" A * ", "AB", true},
        {"\">5&<10\"", "7", true},
        {"\">5&<10\"", "5", false},
        {"\">5&<10\"", "10", false},
        {"\"<5^>10\"", "12", true},
        {"\"<5^>10\"", "7", false},
        {"\"a b\"", "a b", true},
        // Texts compare by character codes when either side is no number.
        {">b", "c", true},
        {">b", "a", false},
        {">10", "abc", true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ctl::MatchFilterExpression(c.expr, c.text, true), c.expected)
            << c.expr << " vs " << c.text;
}

TEST(FilterMatch, WildcardsBackTrackToTheLastStar) {
    const struct {
        const char* pattern;
        const char* text;
        bool expected;
    } cases[] = {
        {"*a*b*c", "xaybzc", true},  {"*a*b*c", "xaybzcx", false}, {"a*b*c*d", "abcabc", false},
        {"*ab", "aab", true},        {"*?", "\xC3\xA9", true},       {"*?*?", "\xC3\xA9", false},
        {"?\xC3\xA9", "a\xC3\xA9", true}, {"a*", "", false},            {"***", "", true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ctl::MatchFilterCondition(c.pattern, c.text), c.expected) << c.pattern << " vs " << c.text;

    // Every star multiplied the work of a back-tracking matcher: this one
    // would not have answered in a lifetime.
    std::string pattern;
    for (int i = 0; i < 30; ++i) pattern += "*a";
    EXPECT_FALSE(ctl::MatchFilterCondition(pattern + "*b", std::string(80, 'a')));
    EXPECT_TRUE(ctl::MatchFilterCondition(pattern + "*b", std::string(80, 'a') + "b"));
}

TEST(FilterMatch, GroupsNestToABoundedDepth) {
    auto nested = [](int depth) { return std::string(depth, '(') + "A*" + std::string(depth, ')'); };
    EXPECT_TRUE(ctl::MatchFilterExpression(nested(50), "AB", true));
    // Far deeper nesting took memory with the square of its length and
    // then the stack; it now simply matches nothing.
    EXPECT_FALSE(ctl::MatchFilterExpression(nested(100000), "AB", true));
    EXPECT_FALSE(ctl::MatchFilterExpression(std::string(100000, '('), "AB", true));
}

TEST(FilterMatch, CaseSensitivity) {
    const struct {
        const char* expr;
        const char* text;
        bool caseSensitive;
        bool expected;
    } cases[] = {
        {"abc", "ABC", false, true},
        {"abc", "ABC", true, false},
        {"é*", "Écu", false, true},
        {"é*", "Écu", true, false},
        {"?cu", "écu", true, true},  // one letter, two bytes
    };
    for (const auto& c : cases)
        EXPECT_EQ(ctl::MatchFilterExpression(c.expr, c.text, c.caseSensitive), c.expected)
            << c.expr << " vs " << c.text;
}

TEST(FilterMatch, NumbersFollowTheRegionalSeparators) {
    RegionalScope scope(',', DayMonthYearDots());
    EXPECT_TRUE(ctl::MatchFilterExpression(">1,5", "2", true));
    EXPECT_FALSE(ctl::MatchFilterExpression(">1,5", "1,25", true));
    EXPECT_TRUE(ctl::MatchFilterExpression(">1.000", "1.500", true));  // thousands dropped
}

TEST(FilterMatch, DatesCompareAsDates) {
    RegionalScope scope(',', DayMonthYearDots());
    // As text "15.01.2024" > "01.02.2024"; as dates it is earlier.
    EXPECT_TRUE(ctl::MatchFilterExpression("<01.02.2024", "15.01.2024", true));
    EXPECT_FALSE(ctl::MatchFilterExpression("<01.02.2024", "03.02.2024", true));
    EXPECT_TRUE(ctl::MatchFilterExpression(">\"01.02.2024 10:00\"", "01.02.2024 10:30", true));
    EXPECT_FALSE(ctl::MatchFilterExpression(">\"01.02.2024 10:30\"", "01.02.2024 10:00", true));
}

TEST(FilterMatch, ParseLocaleDateTime) {
    RegionalScope scope('.', base::TFormatSettings{});  // dd/mm/yyyy, ':'
    const struct {
        const char* text;
        bool ok;
        int y, mo, d, h, mi, s;
    } cases[] = {
        {"05/03/2024", true, 2024, 3, 5, 0, 0, 0},
        {"05/03/2024 10:30", true, 2024, 3, 5, 10, 30, 0},
        {"05/03/2024 10:30:15", true, 2024, 3, 5, 10, 30, 15},
        {"5/3/24", true, 24, 3, 5, 0, 0, 0},  // the year as written
        {"05/03/2024 25:00", false, 0, 0, 0, 0, 0, 0},
        {"05/03/2024 10:60", false, 0, 0, 0, 0, 0, 0},
        {"32/03/2024", false, 0, 0, 0, 0, 0, 0},
        {"05/13/2024", false, 0, 0, 0, 0, 0, 0},
        {"31/02/2024", false, 0, 0, 0, 0, 0, 0},
        {"05/03", false, 0, 0, 0, 0, 0, 0},
        {"a/03/2024", false, 0, 0, 0, 0, 0, 0},
        {"10", false, 0, 0, 0, 0, 0, 0},
    };
    for (const auto& c : cases) {
        base::TDateTime v = 0;
        ASSERT_EQ(ctl::ParseLocaleDateTime(c.text, v), c.ok) << c.text;
        if (!c.ok) continue;
        base::TDateTime expected =
            base::EncodeDate(c.y, c.mo, c.d) + base::EncodeTime(c.h, c.mi, c.s, 0);
        EXPECT_NEAR(v, expected, 1e-9) << c.text;
    }
    // A time without separator fails, though the date is computed.
    base::TDateTime v = 0;
    EXPECT_FALSE(ctl::ParseLocaleDateTime("05/03/2024 1030", v));
    EXPECT_DOUBLE_EQ(v, base::EncodeDate(2024, 3, 5));
}

TEST(FilterMatch, MonthFirstFormat) {
    base::TFormatSettings fs;
    fs.shortDateFormat = "mm/dd/yyyy";
    RegionalScope scope('.', fs);
    base::TDateTime v = 0;
    ASSERT_TRUE(ctl::ParseLocaleDateTime("03/05/2024", v));
    EXPECT_DOUBLE_EQ(v, base::EncodeDate(2024, 3, 5));
    EXPECT_FALSE(ctl::ParseLocaleDateTime("13/05/2024", v));
}

}  // namespace
