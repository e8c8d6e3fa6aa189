#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "AccessCheckSupport.h"
#include "protocols/CANopenTables.h"
#include "shell/Language.h"

namespace {

using prototest::Expect_Messages;
using prototest::TCase;
using proto::TTable;
using proto::TTableRow;

// COB-ID, Dimension, B1 .. B8, TimeOut or Send Time[, On Change], Mnemonic.
TTableRow Pdo(const char* Cob, const char* Dim, std::vector<std::string> Bytes, const char* Time) {
    TTableRow row = {Cob, Dim};
    Bytes.resize(8);
    row.insert(row.end(), Bytes.begin(), Bytes.end());
    row.push_back(Time);
    return row;
}

}  // namespace

TEST(CANopenChecks, PdoTables) {
    const TTableRow good = Pdo("0x181", "1", {"0"}, "0");
    Expect_Messages(proto::Set_PDO_Member, proto::Check_PDO_Tables,
                    {
                        {"passes",
                         {{Pdo("$7FF", "3", {"0", "1", "1499", "x", "", "-5"}, "65535")},
                          {Pdo("0x7FF", "8", {"1", "2", "3", "4", "5", "6", "7", "0x5DB"}, "100000000")}},
                         ""},
                        {"COB-ID",
                         {{good, Pdo("0x800", "1", {"0"}, "0")}},
                         "Error row 2!! [Receive PDO] COB-ID must be between 0x000 and 0x7FF"},
                        {"COB-ID decimal",
                         {{}, {Pdo("2048", "1", {"0"}, "0")}},
                         "Error row 1!! [Transmit PDO] COB-ID must be between 0x000 and 0x7FF"},
                        {"Dimension 0",
                         {{Pdo("1", "0", {"0"}, "0")}},
                         "Error row 1!! [Receive PDO] Dimension must be between 1 and 8"},
                        {"Dimension 9",
                         {{}, {Pdo("1", "9", {"0"}, "0")}},
                         "Error row 1!! [Transmit PDO] Dimension must be between 1 and 8"},
                        {"empty Dimension",
                         {{Pdo("1", "", {"0"}, "0")}},
                         "Error row 1!! [Receive PDO] Dimension must be between 1 and 8"},
                        {"position",
                         {{good, good, good, Pdo("1", "1", {"1500"}, "0")}},
                         "Error row 4!! [Receive PDO] Address Byte1 must be between 0 and 1499"},
                        {"last byte",
                         {{}, {Pdo("1", "8", {"0", "0", "0", "0", "0", "0", "0", ""}, "0")}},
                         "Error row 1!! [Transmit PDO] Address Byte8 must be between 0 and 1499"},
                        {"TimeOut",
                         {{Pdo("1", "1", {"0"}, "65536")}},
                         "Error row 1!! [Receive PDO] TimeOut must be between 0 and 65535"},
                        {"Send Time",
                         {{}, {Pdo("1", "1", {"0"}, "100000001")}},
                         "Error row 1!! [Transmit PDO] Send Time must be between 0 and 100000000"},
                        // The table ends at the first blank COB-ID: what follows is not looked at.
                        {"after the end", {{good, Pdo("  ", "", {}, ""), Pdo("x", "x", {}, "x")}}, ""},
                        {"receive first",
                         {{Pdo("1", "0", {}, "0")}, {Pdo("x", "1", {"0"}, "0")}},
                         "Error row 1!! [Receive PDO] Dimension must be between 1 and 8"},
                    });
}

TEST(CANopenChecks, SdoServerTables) {
    const auto row = [](const char* Index, const char* Sub, const char* N, std::vector<std::string> Bytes) {
        TTableRow r = {Index, Sub, N};
        Bytes.resize(4);
        r.insert(r.end(), Bytes.begin(), Bytes.end());
        return r;
    };
    const TTableRow a = row("0x2000", "1", "1", {"0"});
    Expect_Messages(
        proto::Set_SDO_Server_Member, proto::Check_SDO_Server_Tables,
        {
            {"passes",
             {{row("0x2000", "0", "2", {"0", "1499", "x"}), row("$5FFF", "255", "4", {"1", "2", "3", "4"})},
              {row("24575", "3", "1", {"7", "", "", ""})}},
             ""},
            {"Index low",
             {{row("0x1FFF", "1", "1", {"0"})}},
             "Error row 1!! [SDO in Read] Index must be between 0x2000 and 0x5FFF"},
            {"Index high",
             {{}, {row("0x6000", "1", "1", {"0"})}},
             "Error row 1!! [SDO in Write] Index must be between 0x2000 and 0x5FFF"},
            {"SubIndex",
             {{row("0x2000", "", "1", {"0"})}},
             "Error row 1!! [SDO in Read] SubIndex must be between 0x00 and 0xFF"},
            {"N Byte",
             {{row("0x2000", "1", "3", {"0", "0", "0"})}},
             "Error row 1!! [SDO in Read] N Byte must be 1 or 2 or 4"},
            {"Byte2 of two",
             {{row("0x2000", "1", "2", {"0", ""})}},
             "Error row 1!! [SDO in Read] Address Byte2 must be between 0 and 1499"},
            {"position",
             {{},
              {row("0x2000", "1", "1", {"0"}), row("0x2000", "2", "1", {"0"}), row("0x2000", "3", "1", {"0"}),
               row("0x2000", "4", "1", {"0"}), row("0x2000", "5", "1", {"0"}), row("0x2000", "6", "1", {"0"}),
               row("0x2000", "7", "1", {"1500"})}},
             "Error row 7!! [SDO in Write] Address Byte1 must be between 0 and 1499"},
            // One object entry, one row: within a table and across both.
            {"twice in read",
             {{a, row("0x2001", "1", "1", {"0"}), row("8192", "$1", "4", {"0", "1", "2", "3"})}},
             "Error row 3!! [SDO in Read] Index and SubIndex already used in row 1"},
            {"read and write",
             {{row("0x2001", "5", "1", {"0"}), a},
              {row("0x2000", "2", "1", {"0"}), row("8192", "1", "2", {"0", "1"})}},
             "Error row 2!! [SDO in Write] Index and SubIndex already used in SDO in Read row 2"},
            {"rules before repeats",
             {{a, a}, {row("0x1000", "1", "1", {"0"})}},
             "Error row 2!! [SDO in Read] Index and SubIndex already used in row 1"},
            {"sub-indexes apart",
             {{a, row("0x2000", "2", "1", {"0"})}, {row("0x2000", "3", "1", {"0"})}},
             ""},
        });
}

TEST(CANopenChecks, SdoClientTables) {
    // ID, Index, SubIndex, N Byte, Poll Time, B1 .. B4 (the write table has
    // On Change before the positions).
    const auto read = [](const char* Id, const char* Index, const char* N, const char* Poll,
                         std::vector<std::string> Bytes) {
        TTableRow r = {Id, Index, "0", N, Poll};
        Bytes.resize(4);
        r.insert(r.end(), Bytes.begin(), Bytes.end());
        return r;
    };
    const auto write = [&](const char* Id, const char* Index, const char* N, const char* Poll,
                           std::vector<std::string> Bytes) {
        TTableRow r = read(Id, Index, N, Poll, std::move(Bytes));
        r.insert(r.begin() + 5, "Y");
        return r;
    };
    const TTableRow good = read("1", "0x1000", "1", "1", {"0"});
    Expect_Messages(proto::Set_SDO_Client_Member, proto::Check_SDO_Client_Tables,
                    {
                        {"passes",
                         {{read("127", "$FFFF", "2", "100000000", {"0", "1499", "x"})},
                          {write("1", "0x1000", "4", "0", {"1", "2", "3", "4"})}},
                         ""},
                        {"ID 0",
                         {{read("0", "0x1000", "1", "1", {"0"})}},
                         "Error row 1!! [SDO Read] Device ID must be between 1 and 127"},
                        {"ID 128",
                         {{}, {write("128", "0x1000", "1", "1", {"0"})}},
                         "Error row 1!! [SDO Write] Device ID must be between 1 and 127"},
                        {"Index",
                         {{read("1", "0xFFF", "1", "1", {"0"})}},
                         "Error row 1!! [SDO Read] Index must be between 0x1000 and 0xFFFF"},
                        {"Index 65536",
                         {{}, {write("1", "65536", "1", "1", {"0"})}},
                         "Error row 1!! [SDO Write] Index must be between 0x1000 and 0xFFFF"},
                        {"N Byte 3",
                         {{read("1", "0x1000", "3", "1", {"0", "0", "0"})}},
                         "Error row 1!! [SDO Read] N Byte must be 1 or 2 or 4"},
                        {"Poll 0 reads",
                         {{read("1", "0x1000", "1", "0", {"0"})}},
                         "Error row 1!! [SDO Read] Poll Time must be between 1 and 100000000"},
                        {"position",
                         {{good, good, good, read("1", "0x1000", "1", "1", {"1500"})}},
                         "Error row 4!! [SDO Read] Address Byte1 must be between 0 and 1499"},
                        {"Byte4 of four",
                         {{}, {write("1", "0x1000", "4", "0", {"0", "0", "0", "1500"})}},
                         "Error row 1!! [SDO Write] Address Byte4 must be between 0 and 1499"},
                        {"after the end", {{good, read(" ", "", "", "", {}), read("x", "", "", "", {})}}, ""},
                    });
}

// Each table holds as many rows as the gateway does: 30 PDOs per direction,
// 500 SDO server entries and 256 SDO client requests per table. A longer
// hand-edited file shows the rows that fit and is reported as partly read.
TEST(CANopenTables, RowLimits) {
    const struct {
        const proto::TAccessMember& member;
        int rows;
    } cases[] = {{proto::Set_PDO_Member, 30},
                 {proto::Set_SDO_Server_Member, 500},
                 {proto::Set_SDO_Client_Member, 256}};
    for (const auto& c : cases) {
        for (size_t t = 0; t < c.member.File.Tables.size(); ++t) {
            const proto::TTableDescription& table = c.member.File.Tables[t];
            EXPECT_EQ(table.Rows, c.rows) << c.member.Class_Name;
            std::string row = "<row";
            for (const proto::TTableColumn& col : table.Columns)
                if (col.Attribute) row += std::string(" ") + col.Attribute + "=\"1\"";
            row += "/>";
            std::string xml = std::string("<") + c.member.File.Root + ">";
            for (const proto::TTableDescription& other : c.member.File.Tables) {
                xml += std::string("<") + other.Section + ">";
                if (&other == &table)
                    for (int r = 0; r <= c.rows; ++r) xml += row;
                xml += std::string("</") + other.Section + ">";
            }
            xml += std::string("</") + c.member.File.Root + ">";
            std::vector<TTable> tables = proto::Reset_Tables(c.member.File);
            const proto::TLoadReport report = proto::Read_Access_Xml(c.member.File, xml, tables);
            EXPECT_EQ(report.State, proto::TLoadReport::Partial) << c.member.Class_Name << " " << t;
            EXPECT_EQ(report.Loaded_Rows[t], c.rows) << c.member.Class_Name << " " << t;
            EXPECT_EQ(tables[t].back()[1], "1") << c.member.Class_Name << " " << t;
        }
    }
}
