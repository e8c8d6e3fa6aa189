#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "AccessCheckSupport.h"
#include "protocols/SNMPTables.h"
#include "protocols/SNMP_MIB.h"
#include "shell/Language.h"

namespace {

using proto::TTable;
using proto::TTableRow;
using prototest::Tables;
using prototest::TCase;

// Enable, Community, Type, On Change, On CMD, On Timer, Time, Position,
// Start Bit, Num Bits/Bytes, Description, IP Address, Conversion.
TTableRow Read(const char* Type, const char* Bit, const char* Bits, const char* Description,
               const char* Timer = "N", const char* Time = "", const char* Community = "public",
               const char* IP = "192.168.1.10", const char* Conversion = "None", const char* Enable = "Y") {
    return {Enable, Community, Type, "N", "N", Timer, Time, "0", Bit, Bits, Description, IP, Conversion};
}

// Enable, Community, Type, Position, Start Bit, Num Bits/Bytes, Description, Conversion.
TTableRow Write(const char* Type, const char* Bit, const char* Bits, const char* Description,
                const char* Community = "private", const char* Enable = "Y", const char* Position = "4") {
    return {Enable, Community, Type, Position, Bit, Bits, Description, "None"};
}

void Expect_Agent(const std::vector<TCase>& Cases) {
    shell::Load_Default_Texts();
    for (const TCase& c : Cases)
        EXPECT_EQ(proto::SNMP_Trap_Message(proto::Check_SNMP_Trap_Tables(Tables(proto::SNMP_Trap_Member, c.rows))),
                  c.message)
            << c.name;
}

}  // namespace

TEST(SNMPAgentCheck, Names) {
    const struct {
        const char* text;
        int type;
        bool refused;
    } cases[] = {{"", 0, false},         {"", 1, false},        {"Public2", 0, false}, {"Public2", 1, true},
                 {"temp1", 1, false},    {"1temp", 1, true},    {"te_mp", 1, true},    {"public ", 0, true},
                 {"\xC3\xA8xy", 1, true}, {"tEMP", 1, false}};
    for (const auto& c : cases)
        EXPECT_EQ(proto::Check_Error_CommName_Desc(c.text, c.type), c.refused) << c.text << " " << c.type;
}

TEST(SNMPAgentCheck, Rules) {
    const TTableRow good = Read("Int", "3", "64", "temp");
    Expect_Agent({
        {"empty descriptions on both pages",
         {{good, Read("String", " 0", "16", "", "Y", "1000000000"), Read("int", "7", "1", "tEMP")},
          {Write("INT", "0", "1", "speed"), Write("String", "0", "1", "")}},
         "Error!! The Descriptions must be all differents"},
        {"all pass", {{good, Read("String", "0", "1", "")}, {Write("Int", "2", "64", "speed")}}, ""},
        {"community trailing blank",
         {{good, Read("Int", "0", "1", "a", "N", "", "public ")}},
         "Error row 2!! [SNMP Read] Community Name is not correct (allowed characters are \"a\"..\"z\", \"A\"..\"Z\" "
         "and \"0\"..\"9\")"},
        {"no type", {{Read(" ", "0", "1", "a")}}, "Error row 1!! [SNMP Read] Type must be selected"},
        {"timer off, no time", {{Read("Int", "0", "1", "a", "N", "")}}, ""},
        {"timer zero",
         {{Read("Int", "0", "1", "a", "Y", "0")}},
         "Error row 1!! [SNMP Read] Time must be between 1 and 1000000000 ms"},
        {"timer lower-case y",
         {{Read("Int", "0", "1", "a", "y", "")}},
         "Error row 1!! [SNMP Read] Time must be between 1 and 1000000000 ms"},
        {"string start bit",
         {{Read("String", "3", "1", "a")}},
         "Error row 1!! [SNMP Read] Start Bit must be 0 if Type is String"},
        {"no start bit", {{Read("Int", "", "1", "a")}}, "Error row 1!! [SNMP Read] Start Bit must be selected"},
        {"int 65 bits",
         {{Read("Int", "0", "65", "a")}},
         "Error row 1!! [SNMP Read] Num Bits/Bytes must be between 1 and 64 bits"},
        {"string 17 bytes",
         {{Read("String", "0", "17", "a")}},
         "Error row 1!! [SNMP Read] Num Bits/Bytes must be between 1 and 16 bytes"},
        {"upper-case description",
         {{Read("Int", "0", "1", "Temp")}},
         "Error row 1!! [SNMP Read] Description is not correct (allowed characters are \"a\"..\"z\", \"A\"..\"Z\" "
         "and \"0\"..\"9\"). First character must be a letter and must be lowercase"},
        {"fixed name",
         {{Read("Int", "0", "1", "trapval2")}},
         "Error row 1!! [SNMP Read] Description is a name the MIB uses itself (such as \"data\", \"traps\", "
         "\"trapval1\" or \"bufferinval1\")"},
        {"bad trap address",
         {{Read("Int", "0", "1", "a", "N", "", "public", "192.168.1")}},
         "Error row 1!! [SNMP Read] IP Address must be a valid TCP IP Address (Ex. 192.168.1.125)"},
        {"no conversion",
         {{Read("Int", "0", "1", "a", "N", "", "public", "10.0.0.1", " ")}},
         "Error row 1!! [SNMP Read] Conversion must be selected"},
        {"disabled row skipped", {{Read("Int", "9", "99", "Bad", "N", "", "x y", "", "", "N"), good}}, ""},
        {"read before write",
         {{Read("Int", "0", "0", "a")}, {Write("", "0", "1", "b")}},
         "Error row 1!! [SNMP Read] Num Bits/Bytes must be between 1 and 64 bits"},
        {"write type", {{}, {Write("", "0", "1", "b")}}, "Error row 1!! [SNMP Write] Type must be selected"},
        {"write position",
         {{}, {Write("Int", "0", "1", "b", "private", "Y", "")}},
         "Error row 1!! [SNMP Write] Position must be selected"},
        {"write fixed name",
         {{}, {Write("Int", "0", "1", "data")}},
         "Error row 1!! [SNMP Write] Description is a name the MIB uses itself (such as \"data\", \"traps\", "
         "\"trapval1\" or \"bufferoutval1\")"},
        {"write description",
         {{}, {Write("Int", "0", "1", "b_1")}},
         "Error row 1!! [SNMP Write] Descrtiption is not correct (allowed characters are \"a\"..\"z\", \"A\"..\"Z\" "
         "and \"0\"..\"9\"). First character must be a letter and must be lowercase"},
        {"same description across pages",
         {{good}, {Write("Int", "0", "1", "temp")}},
         "Error!! The Descriptions must be all differents"},
        {"two empty descriptions", {{Read("Int", "0", "1", ""), Read("Int", "0", "1", "")}},
         "Error!! The Descriptions must be all differents"},
        {"disabled duplicate", {{good, Read("Int", "0", "1", "temp", "N", "", "public", "", "", "N")}}, ""},
        // The table ends at the first blank Community Name.
        {"after the end", {{good, Read("Int", "0", "1", "x", "N", "", " "), good}}, ""},
    });
}

TEST(SNMPAgentCheck, FixedNames) {
    const struct {
        const char* name;
        bool fixed;
    } cases[] = {{"data", true},          {"traps", true},         {"trapval7", true},     {"trapval", false},
                 {"trapvalx", false},     {"bufferinval12", true}, {"bufferoutval1", true}, {"bufferinblk8", true},
                 {"bufferinblk9", false}, {"enterprises", true},   {"identity", true},     {"dataIn", false}};
    for (const auto& c : cases) EXPECT_EQ(proto::MIB_Fixed_Name(c.name), c.fixed) << c.name;
}

TEST(SNMPAgentCheck, NumberingCountsEnabledRows) {
    const struct {
        std::vector<std::string> enable;
        std::vector<std::string> n;
    } cases[] = {{{"Y", "N", "Y", "Y"}, {"1", "", "2", "3"}},
                 {{"y", " Y", "", "Y"}, {"1", "", "", "2"}},
                 {{"N", "N"}, {"", ""}}};
    for (const auto& c : cases) {
        TTable rows;
        for (const std::string& e : c.enable) rows.push_back({"9", e});
        proto::Index_Row_Build(rows);
        for (size_t i = 0; i < rows.size(); ++i) EXPECT_EQ(rows[i][0], c.n[i]) << i;
    }
}

namespace {

struct TManagerRow {
    const char* ip = "192.168.1.20";
    const char* version = "2";
    const char* oid = "1.3.6.1.2.1.1.5.0";
    const char* timer = "N";
    const char* time = "";
    const char* bytes = "4";
    const char* conversion = "None";
    const char* user = "";
    const char* auth = "";
    const char* priv = "";
    const char* level = "";
    const char* auth_mode = "";
    const char* priv_mode = "";
    const char* enable = "Y";
};

TTableRow Manager(const TManagerRow& m) {
    return {m.enable, m.ip,   m.version, "public", m.oid,  "Int",       "Get",  "N",          "N",         m.timer,
            m.time,   "0",    m.bytes,   m.conversion, "N", m.user, m.auth,  m.priv, m.level, m.auth_mode, m.priv_mode};
}

TManagerRow V3(const char* level, const char* auth_mode = "", const char* priv_mode = "") {
    return {.version = "3", .user = "admin", .auth = "authpass1", .priv = "privpass1", .level = level,
            .auth_mode = auth_mode, .priv_mode = priv_mode};
}

}  // namespace

TEST(SNMPManagerCheck, Rules) {
    shell::Load_Default_Texts();
    const std::string oid129 = "1." + std::string(127, '1');
    TManagerRow user_blank = V3("NoAuth NoPriv");
    user_blank.user = "ad min";
    TManagerRow long_auth = V3("NoAuth NoPriv");
    long_auth.auth = "abcdefgh12345678";
    TManagerRow short_priv = V3("NoAuth NoPriv");
    short_priv.priv = "abc";
    TManagerRow no_user = V3("NoAuth NoPriv");
    no_user.user = "";
    const struct {
        const char* name;
        std::vector<TManagerRow> rows;
        std::string message;
    } cases[] = {
        {"passes", {{.oid = "1.4294967295.0"}, {.version = "1", .timer = "Y", .time = "100000000", .bytes = "0"}}, ""},
        {"ip", {{.ip = "192.168.1.256"}}, "Error row 1!! IP Address must be a valid TCP IP Address (Ex. 192.168.1.125)"},
        {"empty OID", {{.oid = ""}}, "Error row 1!! OID must not be empty"},
        {"long OID", {{.oid = oid129.c_str()}}, "Error row 1!! OID string is too much length"},
        {"letter before leading dot", {{.oid = ".1.a"}}, "Error row 1!! OID string can contains only number and \".\""},
        {"leading dot", {{.oid = ".1.3"}}, "Error row 1!! OID string cannot start with a \".\""},
        {"trailing dot", {{.oid = "1.3."}}, "Error row 1!! OID string cannot finish with a \".\""},
        {"two dots", {{.oid = "1..3"}}, "Error row 1!! OID string cannot contains two or more consecutive \".\""},
        {"component too big",
         {{.oid = "1.4294967296"}},
         "Error row 1!! OID string cannot contains number major of $FFFFFFFF between two \".\""},
        {"time", {{.timer = "Y", .time = "0"}}, "Error row 1!! Time must be between 1 and 100000000 ms"},
        {"bytes", {{.bytes = "1025"}}, "Error row 1!! Number bytes must be between 0 and 1024"},
        {"conversion", {{.conversion = " "}}, "Error row 1!! Conversion not selected"},
        {"v3 no-auth still needs credentials", {V3("NoAuth NoPriv")}, ""},
        {"v3 user empty", {no_user}, "Error row 1!! User string can not be empty"},
        {"v3 user blank", {user_blank}, "Error row 1!! User string can contains only number and letters"},
        {"v3 auth too long", {long_auth}, "Error row 1!! Auth Pass string is too much length"},
        {"v3 priv short", {short_priv}, "Error row 1!! Priv Pass string must have at least 8 characters"},
        {"v3 no level", {V3("")}, "Error row 1!! Security Level must be selected"},
        {"v3 auth without mode", {V3("Auth NoPriv")}, "Error row 1!! Auth Mode must be selected"},
        {"v3 auth, no priv mode needed", {V3("Auth NoPriv", "SHA")}, ""},
        {"v3 priv without mode", {V3("Auth Priv", "MD5")}, "Error row 1!! Priv Mode must be selected"},
        {"v3 priv", {V3("Auth Priv", "MD5", "AES")}, ""},
        {"same request", {{}, {.ip = " 192.168.1.20"}}, "Error in rows 1 and 2!! Same IP Address, Version and OID used"},
        {"other version", {{}, {.version = "1"}}, ""},
        {"disabled duplicate", {{}, {.enable = "N"}}, ""},
        {"duplicate after the end", {{}, {.ip = ""}, {}}, ""},
        // The smallest first row wins, then the smallest second row.
        {"first pair",
         {{.oid = "1.1"}, {.oid = "1.2"}, {.oid = "1.2"}, {.oid = "1.1"}, {.oid = "1.1"}},
         "Error in rows 1 and 4!! Same IP Address, Version and OID used"},
    };
    for (const auto& c : cases) {
        std::vector<TTableRow> rows;
        for (const TManagerRow& m : c.rows) rows.push_back(Manager(m));
        EXPECT_EQ(proto::SNMP_Manager_Message(proto::Check_SNMP_Manager_Table(Tables(proto::SNMP_Manager_Member, {rows}))),
                  c.message)
            << c.name;
    }
}
