#include <gtest/gtest.h>

#include <string>

#include "base/StrUtils.h"
#include "shell/ValueHelpers.h"

TEST(ValueHelpers, SplitIPAddress) {
    const struct {
        const char* text;
        bool ok;
        const char *ip1, *ip2, *ip3, *ip4;  // checked when ok
    } cases[] = {
        {"192.168.1.10", true, "192", "168", "1", "10"},
        {"  192 . 168 .1. 10  ", true, "192", "168", "1", "10"},
        {"0x0A.0.0.1", true, "0x0A", "0", "0", "1"},
        {"$FF.0.0.255", true, "$FF", "0", "0", "255"},
        {"192.168.1", false, "", "", "", ""},
        {"1.2.3.4.5", false, "", "", "", ""},  // the fourth part is "4.5"
        {"256.1.1.1", false, "", "", "", ""},
        {"1.1.1.-1", false, "", "", "", ""},
        {"a.b.c.d", false, "", "", "", ""},
        {"1..2.3", false, "", "", "", ""},
        {"", false, "", "", "", ""},
        {"   ", false, "", "", "", ""},
        {"no dots", false, "", "", "", ""},
    };
    for (const auto& c : cases) {
        std::string ip1 = "?", ip2 = "?", ip3 = "?", ip4 = "?";
        EXPECT_EQ(shell::Split_IP_Address(c.text, ip1, ip2, ip3, ip4), c.ok) << c.text;
        if (c.ok) {
            EXPECT_EQ(ip1, c.ip1) << c.text;
            EXPECT_EQ(ip2, c.ip2) << c.text;
            EXPECT_EQ(ip3, c.ip3) << c.text;
            EXPECT_EQ(ip4, c.ip4) << c.text;
        }
    }
}

TEST(ValueHelpers, IPToBytesReportsErrors) {
    const struct {
        const char* text;
        bool error;
        uint8_t b1, b2, b3, b4;
    } cases[] = {
        {"", true, 9, 9, 9, 9},  // bytes untouched
        {"10.0.0.1", false, 10, 0, 0, 1},
        {"0xC0.$A8.0.255", false, 192, 168, 0, 255},
        {"10.0.0", true, 10, 0, 0, 0},  // the third part is empty, the rest "0" is the fourth
        {"10.0.0.300", true, 10, 0, 0, 0},
        {"10.0.0.1.5", true, 10, 0, 0, 0},
        {"10 .0.0.1", true, 0, 0, 0, 1},  // parts are not trimmed
        {"a.0.0.1", true, 0, 0, 0, 1},
    };
    for (const auto& c : cases) {
        uint8_t b1 = 9, b2 = 9, b3 = 9, b4 = 9;
        EXPECT_EQ(shell::IP_To_Bytes(c.text, b1, b2, b3, b4), c.error) << c.text;
        EXPECT_EQ(b1, c.b1) << c.text;
        EXPECT_EQ(b2, c.b2) << c.text;
        EXPECT_EQ(b3, c.b3) << c.text;
        EXPECT_EQ(b4, c.b4) << c.text;
    }
}

TEST(ValueHelpers, IPPortToBytes) {
    const struct {
        const char* text;
        bool ok;
        uint8_t b1, b2, b3, b4;
        uint16_t port;
    } cases[] = {
        {"192.168.1.10:47808", true, 192, 168, 1, 10, 47808},
        {" 192 . 168 . 1 . 10 : 502 ", true, 192, 168, 1, 10, 502},
        {"10.0.0.1:0", true, 10, 0, 0, 1, 0},
        {"10.0.0.1:65535", true, 10, 0, 0, 1, 65535},
        {"192.168.1.10", false, 0, 0, 0, 0, 0},
        {"192.168.1.10:70000", false, 0, 0, 0, 0, 0},
        {"192.168.1.10:", false, 0, 0, 0, 0, 0},
        {"192.168.1:80", false, 0, 0, 0, 0, 0},
        {"192.168.1.256:80", false, 0, 0, 0, 0, 0},
        {"1.2.3.4.5:80", false, 0, 0, 0, 0, 0},
        {"", false, 0, 0, 0, 0, 0},
    };
    for (const auto& c : cases) {
        uint8_t b1 = 9, b2 = 9, b3 = 9, b4 = 9;
        uint16_t port = 9;
        EXPECT_EQ(shell::IP_Port_To_Bytes(c.text, b1, b2, b3, b4, port), c.ok) << c.text;
        EXPECT_EQ(b1, c.b1) << c.text;
        EXPECT_EQ(b2, c.b2) << c.text;
        EXPECT_EQ(b3, c.b3) << c.text;
        EXPECT_EQ(b4, c.b4) << c.text;
        EXPECT_EQ(port, c.port) << c.text;
    }
}

TEST(ValueHelpers, TextToRealAcceptsCommaAndPoint) {
    const char saved = base::DecimalSeparator();
    const struct {
        const char* text;
        char separator;  // also the program's regional separator
        bool ok;
        float value;
    } cases[] = {
        {"1.5", ',', true, 1.5f},
        {"1,5", ',', true, 1.5f},
        {"1,5", '.', true, 1.5f},
        {"-0.25", '.', true, -0.25f},
        {"abc", ',', false, 1.0f},
        {"", '.', false, 1.0f},
    };
    for (const auto& c : cases) {
        base::SetDecimalSeparator(c.separator);
        float value = 7.0f;
        EXPECT_EQ(shell::Text_To_Real(c.text, c.separator, value), c.ok) << c.text;
        EXPECT_FLOAT_EQ(value, c.value) << c.text;
    }
    base::SetDecimalSeparator(saved);
}

// The regional separator comes from the user's locale while the program's
// own number format keeps its point: a factor is typed with either mark,
// whichever the user's region has.
TEST(ValueHelpers, TextToRealTakesBothMarksWhateverTheRegion) {
    ASSERT_EQ(base::DecimalSeparator(), '.');
    const struct {
        const char* text;
        bool ok;
        float value;
    } cases[] = {
        {"1,5", true, 1.5f},   {"1.5", true, 1.5f},    {"-0,25", true, -0.25f}, {"2", true, 2.0f},
        {" 3,5 ", true, 3.5f}, {"1,5,0", false, 1.0f}, {"1.5,0", false, 1.0f},  {"1,5a", false, 1.0f},
        {"", false, 1.0f},     {",", false, 1.0f},
    };
    for (const char region : {',', '.'})
        for (const auto& c : cases) {
            float value = 7.0f;
            const std::string where = std::string(c.text) + " in a '" + region + "' region";
            EXPECT_EQ(shell::Text_To_Real(c.text, region, value), c.ok) << where;
            EXPECT_FLOAT_EQ(value, c.value) << where;
        }
}

TEST(ValueHelpers, DecimalSeparatorIsCommaOrPoint) {
    const char c = shell::Get_Decimal_Separator();
    EXPECT_TRUE(c == ',' || c == '.');
}

TEST(ValueHelpers, CheckOID) {
    const struct {
        std::string text;
        int expected;
    } cases[] = {
        {"1.3.6.1.2.1.1.1.0", 0},
        {"1", 0},
        {"1.4294967295", 0},
        {std::string(128, '1').replace(1, 1, "."), 6},  // fits the length; the component is huge
        {std::string(129, '1'), 1},
        {"", 2},  // empty: no character to test, and no OID either
        {"1.3.a", 2},
        {"1. 3", 2},
        {".1.3", 3},
        {"1.3.", 4},
        {"1..3", 5},
        {"1.4294967296", 6},
        {"1.99999999999999999999999", 6},
    };
    for (const auto& c : cases)
        EXPECT_EQ(shell::Check_OID(c.text), c.expected) << c.text;
}

TEST(ValueHelpers, CheckSNMPKey) {
    const struct {
        const char* text;
        bool user;
        int expected;
    } cases[] = {
        {"", true, 2},
        {"a", true, 0},
        {"abcdefg", false, 2},
        {"abcdefgh", false, 0},
        {"abcd efgh", false, 3},
        {"abc-", true, 3},
        {"0123456789ABCDE", true, 0},
        {"0123456789ABCDEF", true, 1},
        {"caff\xC3\xA8", true, 3},
    };
    for (const auto& c : cases)
        EXPECT_EQ(shell::Check_SNMP_Key(c.text, c.user), c.expected) << c.text;
}

TEST(ValueHelpers, SNMPSecurityLevel) {
    const struct {
        const char* text;
        int expected;
    } cases[] = {{"AUTH NOPRIV", 1}, {" auth priv ", 3}, {"", -1}, {"   ", -1}, {"NOAUTH NOPRIV", 0}};
    for (const auto& c : cases)
        EXPECT_EQ(shell::Text_To_SNMP_SecLevel(c.text), c.expected) << c.text;
}

TEST(ValueHelpers, CheckKNXAddress) {
    const struct {
        const char* text;
        bool group, allowZero;
        int expected;
    } cases[] = {
        {"1.1.20", false, false, 0},
        {"15.15.255", false, false, 0},
        {"0.0.0", false, true, 0},
        {"0.0.0", false, false, 1},
        {"16.1.1", false, true, 1},
        {"1.16.1", false, true, 1},
        {"1.1.256", false, true, 1},
        {"1.1.1.1", false, true, 1},
        {"1/1/1", false, true, 1},
        {"4660", false, true, 0},
        {"0", false, true, 1},
        {"65536", false, true, 1},
        {"1.x.1", false, true, 1},
        {"230.240", false, true, 0},  // two parts have always passed unexamined
        {"1/2/3", true, false, 0},
        {"31/7/255", true, false, 0},
        {"0/0/0", true, true, 1},
        {"32/0/1", true, false, 1},
        {"1/8/1", true, false, 1},
        {"1/2/3/4", true, false, 1},
        {"31/2047", true, false, 0},
        {"0/0", true, false, 1},
        {"1/2048", true, false, 1},
        {"1.1.1", true, false, 1},
        {"2048", true, false, 0},
        {"0", true, false, 1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(shell::Check_KNX_Address(c.text, c.group, c.allowZero), c.expected)
            << c.text << (c.group ? " group" : " individual");
    EXPECT_TRUE(shell::Has_No_Dot("1/2/3"));
    EXPECT_FALSE(shell::Has_No_Dot("1.2"));
}

TEST(ValueHelpers, SingleAddressAndPortList) {
    std::string ip1 = "x", ip2 = "y";
    EXPECT_EQ(shell::Get_IP_Addresses(ip1, ip2), 1);
    EXPECT_EQ(ip1, "");
    EXPECT_EQ(ip2, "");
    const base::TStringList ports = shell::List_COM_Ports();
    for (int i = 1; i < ports.Count(); ++i)
        EXPECT_LT(base::StrToInt(ports[i - 1]), base::StrToInt(ports[i]));
}
