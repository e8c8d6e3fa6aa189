// The data checks of the EtherNet/IP scanner, S7 and KNX tables: every rule
// with the message the user reads, as tables of cases on a valid row.

#include <gtest/gtest.h>

#include <array>
#include <map>
#include <string>
#include <vector>

#include "protocols/EtherNetIP_Master_Access.h"
#include "protocols/KNXAccess.h"
#include "protocols/S7_Protocol_Set_Access.h"
#include "base/StrUtils.h"
#include "shell/Language.h"

namespace {

using proto::TCheckOutcome;
using proto::TTable;
using TCells = std::map<int, std::string>;

struct TCase {
    const char* name;
    TCells cells;         // changes to the valid row
    std::string message;  // "" when the row passes
    int table = 0;
};

std::vector<TTable> Tables_With(const proto::TAccessMember& Member, int Table, const std::vector<TCells>& Rows) {
    std::vector<TTable> tables = proto::Reset_Tables(Member.File);
    for (size_t r = 0; r < Rows.size(); ++r)
        for (const auto& [c, text] : Rows[r]) tables[static_cast<size_t>(Table)][r][static_cast<size_t>(c)] = text;
    return tables;
}

TCells With(TCells Base, const TCells& Changes) {
    for (const auto& [c, text] : Changes) Base[c] = text;
    return Base;
}

class FieldbusChecks : public ::testing::Test {
protected:
    void SetUp() override { shell::Load_Default_Texts(); }
};

// ------------------------------------------------------------ EtherNet/IP scanner

const TCells Scanner_Row = {{1, "Y"},  {2, "192.168.1.10"}, {3, "0"},  {4, "10"},  {5, "0"},        {6, "10"},
                            {7, "100"}, {8, "1"},           {9, "100"}, {10, "1"}, {11, "101"}, {12, "Default"},
                            {13, "Default"}};

std::string Scanner_Message(const std::vector<TTable>& Tables) {
    const TCheckOutcome o = proto::Check_EtherNetIP_Master_Tables(Tables);
    if (o.Ok()) return {};
    if (o.Row == 0) return shell::Lang_Texts[o.Fault.Text] + std::to_string(*o.Fault.Limit);
    return proto::Check_Message(4931, o);
}

TEST_F(FieldbusChecks, ScannerRowRules) {
    const TCase cases[] = {
        {"valid", {}, ""},
        {"hex and lower-case default", {{4, "$10"}, {12, " default "}, {13, "7"}}, ""},
        {"address", {{2, "192.168.1"}}, "Error row 1!! IP Address must be a valid TCP IP Address (Ex. 192.168.1.125)"},
        {"start input", {{3, ""}}, "Error row 1!! Start Input must be major or equal to 0"},
        {"num input", {{4, "65536"}}, "Error row 1!! Num Input must be major or equal to 0"},
        {"start output", {{5, "-1"}}, "Error row 1!! Start Output must be major or equal to 0"},
        {"num output", {{6, "x"}}, "Error row 1!! Num Output must be major or equal to 0"},
        {"poll 0", {{7, "0"}}, "Error row 1!! Poll Time must be between 1 and 100000000"},
        {"instance T>O", {{8, "70000"}}, "Error row 1!! Instance T > O must be between 0 and 65535. Default Value 1"},
        {"point T>O", {{9, ""}}, "Error row 1!! Connection Point T > O must be between 0 and 65535. Default Value 100"},
        {"instance O>T", {{10, ""}}, "Error row 1!! Instance O > T must be between 0 and 65535. Default Value 1"},
        {"point O>T", {{11, ""}}, "Error row 1!! Connection Point O > T must be between 0 and 65535. Default Value 101"},
        {"header T>O", {{12, "8"}}, "Error row 1!! Dimension Header T > O must be between 0 and 7. Default Value 0"},
        {"header O>T", {{13, "8"}}, "Error row 1!! Dimension Header O > T must be between 0 and 7. Default Value 4"},
        {"disabled bad row", {{1, "N"}, {2, "x"}}, ""},
    };
    for (const TCase& c : cases)
        EXPECT_EQ(Scanner_Message(Tables_With(proto::EtherNetIP_Master_Member, 0, {With(Scanner_Row, c.cells)})),
                  c.message)
            << c.name;
}

TEST_F(FieldbusChecks, ScannerTotals) {
    const struct {
        const char* name;
        std::vector<TCells> rows;
        std::string message;
    } cases[] = {
        {"1438 input", {With(Scanner_Row, {{4, "1000"}}), With(Scanner_Row, {{4, "438"}})}, ""},
        {"1500 input",
         {With(Scanner_Row, {{4, "1000"}}), With(Scanner_Row, {{4, "500"}})},
         "Error!! The Total Number of Input Bytes must be between 0 and 1438"},
        {"output",
         {With(Scanner_Row, {{6, "1439"}})},
         "Error!! The Total Number of Output Bytes must be between 0 and 1438"},
        {"disabled rows do not count",
         {With(Scanner_Row, {{4, "1000"}}), With(Scanner_Row, {{1, "N"}, {4, "1000"}})},
         ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Scanner_Message(Tables_With(proto::EtherNetIP_Master_Member, 0, c.rows)), c.message) << c.name;
}

// A disabled row without an address does not end the check, and the file
// keeps the enabled rule below it instead of dropping it.
TEST_F(FieldbusChecks, ScannerCheckAndSaveEndAtTheSameRow) {
    const std::vector<TCells> rows = {Scanner_Row, {{1, "N"}, {2, ""}}, With(Scanner_Row, {{2, "10.0.0.300"}})};
    std::vector<TTable> tables = Tables_With(proto::EtherNetIP_Master_Member, 0, rows);
    EXPECT_EQ(Scanner_Message(tables),
              "Error row 3!! IP Address must be a valid TCP IP Address (Ex. 192.168.1.125)");
    tables[0][2][2] = "10.0.0.30";
    EXPECT_TRUE(proto::Check_EtherNetIP_Master_Tables(tables).Ok());
    const proto::TTableDescription& table = proto::EtherNetIP_Master_Member.File.Tables[0];
    EXPECT_EQ(proto::Used_Rows(table, tables[0]), 3);
    EXPECT_EQ(proto::First_Row_After_End(table, tables[0]), 0);
    const std::string xml = proto::Access_To_Xml(proto::EtherNetIP_Master_Member.File, tables);
    EXPECT_NE(xml.find("10.0.0.30"), std::string::npos) << xml;
    // An imported row without an address is enabled: it ends the table.
    tables[0][1][1] = "Y";
    tables[0][1][8] = "1";
    EXPECT_EQ(proto::Used_Rows(table, tables[0]), 1);
    EXPECT_EQ(proto::First_Row_After_End(table, tables[0]), 2);
}

TEST_F(FieldbusChecks, ImportGoesToTheFirstRowWithoutAddressAndInstance) {
    std::vector<TTable> tables = Tables_With(proto::EtherNetIP_Master_Member, 0,
                                             {Scanner_Row, {{2, ""}, {8, "5"}}, {{2, ""}, {8, " "}}});
    EXPECT_EQ(proto::First_Free_Import_Row(tables[0]), 3);
    for (auto& row : tables[0]) row[2] = "10.0.0.1";
    EXPECT_EQ(proto::First_Free_Import_Row(tables[0]), 0);
}

// ------------------------------------------------------------ S7

const TCells S7_Read_Row = {{1, "Y"},     {2, "192.168.1.125"}, {3, "102"},  {4, "S71200"}, {5, "0"},
                            {6, "1"},     {7, "Byte"},         {8, "DB"},   {9, "1"},      {10, "Inputs (I)"},
                            {11, "0"},    {12, "0"},           {13, "1000"}, {14, "0"},     {15, "0"}};
const TCells S7_Write_Row = {{1, "Y"},  {2, "192.168.1.125"}, {3, "102"}, {4, "S71200"},     {5, "0"},  {6, "1"},
                             {7, "Byte"}, {8, "DB"},          {9, "1"},   {10, "Inputs (I)"}, {11, "0"}, {12, "0"},
                             {13, "0"},   {16, "0"},          {17, "0"}};

std::string S7_Message(const std::vector<TTable>& Tables) {
    return proto::Check_Message(5170, proto::Check_S7_Tables(Tables));
}

TEST_F(FieldbusChecks, S7RowRules) {
    const TCase cases[] = {
        {"valid read", {}, ""},
        {"valid write", {}, "", 1},
        {"read address", {{2, "1.2.3.256"}},
         "Error row 1!! [S7comm Read] PLC Address must be a valid TCP IP Address (Ex. 192.168.1.125)"},
        {"read port", {{3, "65536"}}, "Error row 1!! [S7comm Read] PLC Port must be between 0 and 65535"},
        {"read type", {{4, " "}}, "Error row 1!! [S7comm Read] PLC Type cannot be empty"},
        {"read rack", {{5, "4"}}, "Error row 1!! [S7comm Read] Rack must be between 0 and 3"},
        {"read slot", {{6, "32"}}, "Error row 1!! [S7comm Read] Slot must be between 0 and 31"},
        {"read data type", {{7, ""}}, "Error row 1!! [S7comm Read] Data Type cannot be empty"},
        {"read identifier", {{8, ""}}, "Error row 1!! [S7comm Read] Data Identifier cannot be empty"},
        {"read DB", {{9, "-1"}}, "Error row 1!! [S7comm Read] DB Number must be between 0 and 65535"},
        {"read area", {{10, ""}}, "Error row 1!! [S7comm Read] PLC Area cannot be empty"},
        {"read PLC add", {{11, "0x10000"}}, "Error row 1!! [S7comm Read] PLC Address must be between 0 and 65535"},
        {"read PLC bit", {{12, ""}}, "Error row 1!! [S7comm Read] PLC Bit cannot be empty"},
        {"read poll 0", {{13, "0"}}, "Error row 1!! [S7comm Read] Poll Time must be between 1 and 100000000"},
        {"read position", {{14, "1500"}}, "Error row 1!! [S7comm Read] Position must be between 0 and 1499"},
        {"read start bit", {{15, ""}}, "Error row 1!! [S7comm Read] Start Bit cannot be empty"},
        {"write address", {{2, ""}, {1, "Y"}, {3, "1"}}, "", 1},  // an empty address ends the table
        {"write address bad", {{2, "a.b.c.d"}},
         "Error row 1!! [S7comm Write] PLC Address must be a valid TCP IP Address (Ex. 192.168.1.125)", 1},
        {"write port", {{3, ""}}, "Error row 1!! [S7comm Write] PLC Port must be between 0 and 65535", 1},
        {"write type", {{4, ""}}, "Error row 1!! [S7comm Write] PLC Type cannot be empty", 1},
        {"write rack", {{5, ""}}, "Error row 1!! [S7comm Write] Rack must be between 0 and 3", 1},
        {"write slot", {{6, ""}}, "Error row 1!! [S7comm Write] Slot must be between 0 and 31", 1},
        {"write data type", {{7, ""}}, "Error row 1!! [S7comm Write] Data Type cannot be empty", 1},
        {"write identifier", {{8, ""}}, "Error row 1!! [S7comm Write] Data Identifier cannot be empty", 1},
        {"write DB", {{9, ""}}, "Error row 1!! [S7comm Write] DB Number must be between 0 and 65535", 1},
        {"write area", {{10, ""}}, "Error row 1!! [S7comm Write] PLC Area cannot be empty", 1},
        {"write PLC add", {{11, ""}}, "Error row 1!! [S7comm Write] PLC Address must be between 0 and 65535", 1},
        {"write PLC bit", {{12, ""}}, "Error row 1!! [S7comm Write] PLC Bit cannot be empty", 1},
        {"write poll", {{13, "100000001"}}, "Error row 1!! [S7comm Write] Poll Time must be between 0 and 100000000",
         1},
        {"write position", {{16, "1500"}}, "Error row 1!! [S7comm Write] Position must be between 0 and 1499", 1},
        {"write start bit", {{17, ""}}, "Error row 1!! [S7comm Write] Start Bit cannot be empty", 1},
        {"disabled bad row", {{1, "y"}, {2, "x"}}, ""},
    };
    for (const TCase& c : cases) {
        const TCells& valid = c.table == 0 ? S7_Read_Row : S7_Write_Row;
        EXPECT_EQ(S7_Message(Tables_With(proto::S7_Protocol_Member, c.table, {With(valid, c.cells)})), c.message)
            << c.name;
    }
}

std::vector<TCells> Plcs(const TCells& Valid, int First, int Count, const char* Port = "102") {
    std::vector<TCells> rows;
    for (int i = First; i < First + Count; ++i)
        rows.push_back(With(Valid, {{2, "10.0.0." + std::to_string(i)}, {3, Port}}));
    return rows;
}

TEST_F(FieldbusChecks, S7TenConnectionsSharedByBothTables) {
    EXPECT_EQ(S7_Message(Tables_With(proto::S7_Protocol_Member, 0, Plcs(S7_Read_Row, 1, 10))), "");
    EXPECT_EQ(S7_Message(Tables_With(proto::S7_Protocol_Member, 0, Plcs(S7_Read_Row, 1, 11))),
              "Error row 11!! [S7comm Read] Device support 10 connection");

    std::vector<TTable> tables = Tables_With(proto::S7_Protocol_Member, 0, Plcs(S7_Read_Row, 1, 10));
    const auto write_row = [&](const std::string& Address, const std::string& Port) {
        for (const auto& [c, text] : With(S7_Write_Row, {{2, Address}, {3, Port}})) tables[1][0][static_cast<size_t>(c)] = text;
    };
    write_row("10.0.0.11", "102");
    EXPECT_EQ(S7_Message(tables), "Error row 1!! [S7comm Write] Device support 10 connection");
    write_row("10.0.0.5", "102");
    EXPECT_EQ(S7_Message(tables), "");
    // The same address on another port is another connection.
    write_row("10.0.0.5", "103");
    EXPECT_EQ(S7_Message(tables), "Error row 1!! [S7comm Write] Device support 10 connection");

    std::array<proto::TIPPort, proto::S7_Connections> slots{};
    EXPECT_EQ(proto::Check_IP_Port(slots, 1, 2, 3, 4, 102), 0);
    EXPECT_EQ(proto::Check_IP_Port(slots, 1, 2, 3, 4, 103), 1);
    EXPECT_EQ(proto::Check_IP_Port(slots, 1, 2, 3, 4, 102), 0);
}

TEST_F(FieldbusChecks, S7EmptyAddressEndsTheTable) {
    std::vector<TCells> rows = {S7_Read_Row, {{1, "Y"}, {2, " "}}, With(S7_Read_Row, {{3, "x"}})};
    EXPECT_EQ(S7_Message(Tables_With(proto::S7_Protocol_Member, 0, rows)), "");
}

// ------------------------------------------------------------ KNX

const TCells KNX_Row = {{1, "Y"},  {2, "1.1.20"}, {3, "1/2/3"}, {4, "Write"}, {5, "Normal"}, {6, "None"},
                        {7, ""},   {8, "N"},      {9, "N"},     {10, "N"},    {11, "N"},     {12, "N"},
                        {13, ""},  {14, "0"},     {15, "No"},   {16, "1"},    {17, "0"},     {18, "m"}};

std::string KNX_Message(const TCells& Row, char Separator = base::DecimalSeparator()) {
    return proto::Check_Message(5348, proto::Check_KNX_Tables(Tables_With(proto::KNX_Access_Member, 0, {Row}), Separator));
}

TEST_F(FieldbusChecks, KNXAddresses) {
    const std::string source = "Error row 1!! [KNX in Write] Source Address must be a valid KNX Address (Ex. 1.1.20)";
    const std::string group = "Error row 1!! [KNX in Write] Destination Address must be a valid KNX Address (Ex. 230.240)";
    const std::string individual = "Error row 1!! [KNX in Write] Destination Address must be a valid KNX Address (Ex. 1.1.20)";
    const TCase cases[] = {
        {"source 0.0.0", {{2, "0.0.0"}}, ""},
        {"source 15.15.255", {{2, " 15.15.255 "}}, ""},
        {"source number", {{2, "65535"}}, ""},
        {"source 16.0.1", {{2, "16.0.1"}}, source},
        {"source 1.1.256", {{2, "1.1.256"}}, source},
        {"source slash", {{2, "1/1/1"}}, source},
        {"source two parts", {{2, "1.20"}}, source},
        {"source four parts", {{2, "1.1.1.1"}}, source},
        {"dest 31/7/255", {{3, "31/7/255"}}, ""},
        {"dest 1/2047", {{3, "1/2047"}}, ""},
        {"dest 1234", {{3, "1234"}}, ""},
        {"dest 0/0/0", {{3, "0/0/0"}}, group},
        {"dest 0/0", {{3, "0/0"}}, group},
        {"dest 32/0/0", {{3, "32/0/0"}}, group},
        {"dest 1/2048", {{3, "1/2048"}}, group},
        {"dest 0", {{3, "0"}}, group},
        {"dest 1.1.20", {{3, "1.1.20"}}, ""},
        {"dest 1.1.256", {{3, "1.1.256"}}, individual},
        {"dest two parts", {{3, "1.20"}}, individual},
    };
    for (const TCase& c : cases) EXPECT_EQ(KNX_Message(With(KNX_Row, c.cells)), c.message) << c.name;
}

TEST_F(FieldbusChecks, KNXRowRules) {
    const std::string p = "Error row 1!! [KNX in Write] ";
    const TCase cases[] = {
        {"apci read", {{4, "rEaD"}}, ""},
        {"apci 1023", {{4, "1023"}}, ""},
        {"apci 1024", {{4, "1024"}}, p + "APCI must be between 0 and 1023 or use the value Read or Write"},
        {"apci empty", {{4, ""}}, p + "APCI must be between 0 and 1023 or use the value Read or Write"},
        {"priority case", {{5, "normal"}}, p + "Priority must be System or Urgent or Normal or Low"},
        {"format", {{6, " "}}, p + "Format is not correct"},
        {"factor comma", {{7, "1,5"}}, ""},
        {"factor dot", {{7, "1.5"}}, ""},
        {"factor letter", {{7, "1.5a"}}, p + "Mul. Factor must be a valid Float"},
        {"no timer, no poll", {{13, ""}}, ""},
        {"timer poll 0", {{12, "Y"}, {13, "0"}}, p + "Poll Time must be between 1 and 100000000"},
        {"timer poll", {{12, "Y"}, {13, "100"}}, ""},
        {"position empty", {{14, ""}}, p + "Position must be between 0 and 1499"},
        {"bit mode", {{15, "8"}}, p + "Bit Mode must be \"No\" or between 0 and 7"},
        {"length 14", {{16, "14"}}, ""},
        {"length 15", {{16, "15"}}, p + "Length must be between 1 and 14"},
        {"length 0", {{16, "0"}}, p + "Length must be between 1 and 14"},
        {"extended 255", {{8, "Y"}, {16, "255"}}, ""},
        {"extended 256", {{8, "Y"}, {16, "256"}}, p + "Length must be between 1 and 255"},
        {"bit 3 length 112", {{15, "3"}, {16, "112"}}, ""},
        {"bit 3 length 113", {{15, "3"}, {16, "113"}}, p + "Length must be between 1 and 112"},
        {"bit extended 2040", {{15, "0"}, {8, "Y"}, {16, "2040"}}, ""},
        {"bit extended 2041", {{15, "0"}, {8, "Y"}, {16, "2041"}}, p + "Length must be between 1 and 2040"},
        {"last byte", {{14, "1499"}}, ""},
        {"past the end", {{14, "1499"}, {16, "2"}}, p + "Position plus Length must be minor or equal to 1500"},
        {"bit 7 length 10 uses 3 bytes", {{14, "1497"}, {15, "7"}, {16, "10"}}, ""},
        {"bit 7 length 10 past the end", {{14, "1498"}, {15, "7"}, {16, "10"}},
         p + "Position plus Length must be minor or equal to 1500"},
        {"timeout empty", {{17, ""}}, p + "TimeOut must be between 0 and 100000000 milliseconds"},
        {"disabled", {{1, "N"}, {2, "bad"}}, ""},
    };
    for (const TCase& c : cases) EXPECT_EQ(KNX_Message(With(KNX_Row, c.cells)), c.message) << c.name;
}

}  // namespace
