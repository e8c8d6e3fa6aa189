// Every rule of the Modbus TCP and Modbus RTU master tables with the message
// it shows, checked on the opened windows (the read table's topic column
// hidden, as the windows always show it).

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "AccessWindowFixture.h"
#include "protocols/ModbusCheck.h"
#include "protocols/Modbus_TCP_Master_Set_Access.h"
#include "protocols/SetAccess.h"

namespace {

using namespace plat;
using prototest::TCells;

struct TCase {
    const char* name;
    int table;
    TCells cells;         // changes to the valid row
    std::string message;  // "" when the row passes
    int row = 1;
};

// Runs each case on a table whose rows 1 .. case.row - 1 are valid and
// whose row case.row is the valid row with the case's changes.
template <class TWindow>
void RunCases(TWindow& dlg, const test::TScriptedUi& ui, const std::vector<TCells>& valid,
              const std::vector<TCase>& cases) {
    for (const TCase& c : cases) {
        std::vector<proto::TTable> tables = proto::Reset_Tables(dlg.Member().File);
        for (int r = 1; r <= c.row; ++r) {
            TCells cells = valid[static_cast<size_t>(c.table)];
            if (r == c.row)
                for (const auto& [col, text] : c.cells) cells[col] = text;
            for (const auto& [col, text] : cells)
                tables[static_cast<size_t>(c.table)][static_cast<size_t>(r - 1)][static_cast<size_t>(col)] = text;
        }
        dlg.Put_Tables(tables);
        const size_t before = ui.Boxes().size();
        const bool passed = dlg.Controllo_dati();
        EXPECT_EQ(passed, c.message.empty()) << c.name;
        if (c.message.empty()) {
            EXPECT_EQ(ui.Boxes().size(), before) << c.name;
        } else if (ui.Boxes().size() == before + 1) {
            EXPECT_EQ(ui.Boxes().back().Text, c.message) << c.name;
            EXPECT_EQ(ui.Boxes().back().Type, mtError) << c.name;
        } else {
            ADD_FAILURE() << c.name << ": " << ui.Boxes().size() - before << " boxes";
        }
    }
}

TEST(ModbusIpAddress, DottedFourNumbersUpTo255) {
    const struct {
        const char* text;
        bool bad;
    } cases[] = {{"192.168.1.125", false}, {"0.0.0.0", false},   {"255.255.255.255", false},
                 {"192.168.1", true},      {"192.168.1.256", true}, {"a.b.c.d", true},
                 {"", true},               {"192.168.1.1.", true},  {"1.2.3.4.5", true},
                 {"$C0.168.1.1", false},   {"-1.2.3.4", true}};
    for (const auto& c : cases) EXPECT_EQ(proto::Check_IP_Address(c.text), c.bad) << c.text;
}

class ModbusTCPCheck : public prototest::AccessWindowTest<proto::TFModbus_TCP_Master_Set_Access> {
protected:
    void SetUp() override { OpenWindow("modbus_tcp_check"); }
};

const std::string R = "Error row 1!! [Modbus Read] ";
const std::string W = "Error row 1!! [Modbus Write] ";

TEST_F(ModbusTCPCheck, EveryRuleWithItsMessage) {
    const std::vector<TCells> valid = {
        {{1, "Y"}, {2, "192.168.1.10"}, {3, "502"}, {4, "1"}, {5, "Holding Register"}, {6, "0"}, {7, "10"},
         {8, "1000"}, {9, "0"}, {10, "0"}, {11, "0"}, {12, "N"}, {13, "N"}, {15, "temp"}},
        {{1, "Y"}, {2, "192.168.1.20"}, {3, "502"}, {4, "247"}, {5, "Coil Status"}, {6, "100"}, {7, "8"},
         {8, "0"}, {9, "N"}, {10, "N"}, {11, "3"}, {12, "10"}, {13, "0"}, {14, "N"}, {15, "N"}}};
    const std::vector<TCase> cases = {
        {"valid read", 0, {}, ""},
        {"read ip", 0, {{2, "192.168.1"}}, R + "Slave IP Address must be a valid TCP IP Address (Ex. 192.168.1.125)"},
        {"read ip trailing point", 0, {{2, "192.168.1.1."}}, R + "Slave IP Address must be a valid TCP IP Address (Ex. 192.168.1.125)"},
        {"read port", 0, {{3, "65536"}}, R + "Port must be between 0 and 65535"},
        {"read port hex", 0, {{3, "$1F6"}}, ""},
        {"read slave 0", 0, {{4, "0"}}, R + "Slave ID must be between 1 and 247"},
        {"read slave 248", 0, {{4, "248"}}, R + "Slave ID must be between 1 and 247"},
        {"read slave 247", 0, {{4, "247"}}, ""},
        {"read type", 0, {{5, " "}},
         R + "Type must be Coil Status or Input Status or Holding Register or Input Register"},
        {"read address", 0, {{6, "65536"}}, R + "Address must be between 0 and 65535"},
        {"read register points", 0, {{5, "Input Register"}, {7, "126"}}, R + "NPoint must be between 1 and 125"},
        {"read bit points", 0, {{5, "Coil Status"}, {7, "2001"}}, R + "NPoint must be between 1 and 2000"},
        {"read input status is bits", 0, {{5, "input status"}, {7, "2000"}}, ""},
        {"read points 0", 0, {{7, "0"}}, R + "NPoint must be between 1 and 125"},
        {"read poll 0", 0, {{8, "0"}}, R + "Poll Time must be between 1 and 100000000"},
        {"read poll max", 0, {{8, "100000000"}}, ""},
        {"read max error", 0, {{9, "-1"}}, R + "Max Error must be between 0 and 100000000"},
        {"read position", 0, {{10, "1500"}}, R + "Position must be between 0 and 1499"},
        {"read last register byte", 0, {{7, "125"}, {10, "1250"}}, ""},
        {"read register bytes over", 0, {{7, "125"}, {10, "1251"}},
         R + "Too many bytes to save starting from the Position indicate"},
        {"read last bit byte", 0, {{5, "Coil Status"}, {7, "2000"}, {10, "1249"}, {11, "7"}}, ""},
        {"read bit bytes over", 0, {{5, "Coil Status"}, {7, "2000"}, {10, "1250"}, {11, "7"}},
         R + "Too many bytes to save starting from the Position indicate"},
        {"read start bit empty", 0, {{5, "Coil Status"}, {11, ""}}, R + "Bit must be between 0 and 7"},
        {"read start bit unused by registers", 0, {{11, ""}}, ""},
        {"read hidden topic unchecked", 0, {{14, ""}}, ""},
        {"read disabled bad row", 0, {{1, "N"}, {4, "0"}}, ""},
        {"read row 12", 0, {{7, "126"}}, "Error row 12!! [Modbus Read] NPoint must be between 1 and 125", 12},
        {"valid write", 1, {}, ""},
        {"write ip", 1, {{2, "a.b.c.d"}}, W + "Slave IP Address must be a valid TCP IP Address (Ex. 192.168.1.125)"},
        {"write port", 1, {{3, "-1"}}, W + "Port must be between 0 and 65535"},
        {"write slave", 1, {{4, "248"}}, W + "Slave ID must be between 1 and 247"},
        {"write type", 1, {{5, ""}}, W + "Type must be Coil Status or Holding Register"},
        {"write address", 1, {{6, "x"}}, W + "Address must be between 0 and 65535"},
        {"write bit points", 1, {{7, "1969"}}, W + "NPoint must be between 1 and 1968"},
        {"write input status is registers", 1, {{5, "Input Status"}, {7, "124"}},
         W + "NPoint must be between 1 and 123"},
        {"write poll 0 passes", 1, {{8, "0"}}, ""},
        {"write poll", 1, {{8, "100000001"}}, W + "Poll Time must be between 0 and 100000000"},
        {"write max error", 1, {{11, ""}}, W + "Max Error must be between 0 and 100000000"},
        {"write position", 1, {{12, "1500"}}, W + "Position must be between 0 and 1499"},
        {"write start bit", 1, {{13, " "}}, W + "Bit must be between 0 and 7"},
        {"write bytes over", 1, {{5, "Holding Register"}, {7, "2"}, {12, "1497"}},
         W + "Too many bytes to read starting from the Position indicate"},
        {"write flags unchecked", 1, {{9, "?"}, {10, ""}, {14, "x"}, {15, ""}, {16, ""}}, ""},
    };
    test::TScriptedUi ui;
    Open(ui, [&] { RunCases(*dlg, ui, valid, cases); });
}

TEST_F(ModbusTCPCheck, ReadTableIsCheckedBeforeTheWriteTable) {
    test::TScriptedUi ui;
    Open(ui, [&] {
        SetRows(0, {{1, {{2, "1.1.1.1"}, {3, "502"}, {4, "0"}}}});
        SetRows(1, {{1, {{2, "x"}}}});
        EXPECT_FALSE(dlg->Controllo_dati());
        ASSERT_EQ(ui.Boxes().size(), 1u);
        EXPECT_EQ(ui.Boxes()[0].Text, R + "Slave ID must be between 1 and 247");
    });
}

class ModbusRTUCheck : public prototest::AccessWindowTest<proto::TFSetAccess> {
protected:
    void SetUp() override { OpenWindow("modbus_rtu_check"); }
};

TEST_F(ModbusRTUCheck, EveryRuleWithItsMessage) {
    const std::vector<TCells> valid = {
        {{1, "Y"}, {2, "1"}, {3, "Input Register"}, {4, "0"}, {5, "10"}, {6, "1000"}, {7, "0"}, {8, "0"},
         {9, "0"}, {10, "N"}, {11, "N"}},
        {{1, "Y"}, {2, "5"}, {3, "Holding Register"}, {4, "0"}, {5, "10"}, {6, "0"}, {7, "N"}, {8, "N"},
         {9, "0"}, {10, "100"}, {11, "0"}, {12, "N"}, {13, "N"}}};
    const std::vector<TCase> cases = {
        {"valid read", 0, {}, ""},
        {"read slave 0", 0, {{2, "0"}}, R + "Slave ID must be between 1 and 247"},
        {"read slave 248", 0, {{2, "248"}}, R + "Slave ID must be between 1 and 247"},
        {"read slave 1 hex", 0, {{2, "0x1"}}, ""},
        {"read type", 0, {{3, ""}}, R + "Type must be Coil Status or Input Status or Holding Register or Input Register"},
        {"read address", 0, {{4, "65536"}}, R + "Address must be between 0 and 65535"},
        {"read points", 0, {{5, "126"}}, R + "NPoint must be between 1 and 125"},
        {"read bit points", 0, {{3, "Input Status"}, {5, "2001"}}, R + "NPoint must be between 1 and 2000"},
        {"read poll", 0, {{6, "0"}}, R + "Poll Time must be between 1 and 100000000"},
        {"read max error", 0, {{7, "100000001"}}, R + "Max Error must be between 0 and 100000000"},
        {"read position", 0, {{8, "-1"}}, R + "Position must be between 0 and 1499"},
        {"read start bit", 0, {{3, "Coil Status"}, {9, ""}}, R + "Bit must be between 0 and 7"},
        {"read bytes over", 0, {{5, "125"}, {8, "1251"}},
         R + "Too many bytes to save starting from the Position indicate"},
        {"valid write", 1, {}, ""},
        {"write disabled bad row", 1, {{1, "N"}, {2, "0"}, {5, "x"}}, ""},
        {"write slave", 1, {{2, "0"}}, W + "Slave ID must be between 1 and 247"},
        {"write type", 1, {{3, ""}}, W + "Type must be Coil Status or Holding Register"},
        {"write address", 1, {{4, "70000"}}, W + "Address must be between 0 and 65535"},
        {"write points", 1, {{3, "Coil Status"}, {5, "1969"}}, W + "NPoint must be between 1 and 1968"},
        {"write register points", 1, {{5, "124"}}, W + "NPoint must be between 1 and 123"},
        {"write poll", 1, {{6, "-1"}}, W + "Poll Time must be between 0 and 100000000"},
        {"write max error", 1, {{9, "-5"}}, W + "Max Error must be between 0 and 100000000"},
        {"write position", 1, {{10, "1500"}}, W + "Position must be between 0 and 1499"},
        {"write start bit", 1, {{3, "Coil Status"}, {11, ""}}, W + "Bit must be between 0 and 7"},
        {"write bytes over", 1, {{5, "123"}, {10, "1255"}},
         W + "Too many bytes to read starting from the Position indicate"},
    };
    test::TScriptedUi ui;
    Open(ui, [&] { RunCases(*dlg, ui, valid, cases); });
}

}  // namespace
